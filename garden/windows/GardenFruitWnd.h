// CGardenFruitWnd: the warehouse, a paged grid of the harvested fruit (the garden state's
// warehouse records), each card offering give, sell and sell all. It asks the server for the
// warehouse when it opens and fills its cards again when the warehouse arrives (topic 145).
#pragma once

#include "garden/windows/GardenCardGrid.h"

class CGardenFruitWnd : public CGardenGridPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenFruitWnd)
public:
    CGardenFruitWnd();
    ~CGardenFruitWnd() override;

    void OnCreate() override;

protected:
    void FillCards() override;
};
