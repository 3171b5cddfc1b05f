// CGardenShopWnd: the nursery, a paged grid of the seeds the server sells (the garden state's
// nursery list), each card offering to buy its plant once the garden's level allows it. It asks
// the server for the nursery when it opens and fills its cards again when the list arrives
// (topic 159). Its close button ends the tutorial's nursery step.
#pragma once

#include "garden/windows/GardenCardGrid.h"

class CGardenShopWnd : public CGardenGridPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenShopWnd)
public:
    CGardenShopWnd();
    ~CGardenShopWnd() override;

    void OnCreate() override;
    void Close() override;   // also moves the tutorial on from its nursery step

protected:
    void FillCards() override;
};
