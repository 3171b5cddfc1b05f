// CGardenSeedInfoWnd: plant status, the nursery's paged grid of six cards over one of two lists
// chosen when it opens: the plant list of the garden on screen (value 4) or the nursery list
// (value 5). It asks the server for nothing; topic 153 fills its cards again.
#pragma once

#include <string>

#include "garden/windows/GardenCardGrid.h"

class CGardenSeedInfoWnd : public CGardenGridPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenSeedInfoWnd)
public:
    static constexpr i32 kListShownPlants = 4;   // the cards' mode too
    static constexpr i32 kListNursery = 5;
    static constexpr u32 kTopic = 153;

    CGardenSeedInfoWnd();
    ~CGardenSeedInfoWnd() override;

    void SetArgs(int arg, std::string text) override;   // 4 or 5: the list; others are ignored
    void OnCreate() override;

    i32 m_nListMode = 0;   // any other value: no list, the cards stay hidden

protected:
    void FillCards() override;
};
