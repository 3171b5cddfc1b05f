// CGardenSeedRankWnd: the small panel at the garden screen's lower left that shows the first
// three plants of the shown garden's plant list, for as long as the screen lives. It has no close
// button and sends nothing; it stays inside the screen however it is moved. A click on it (or on
// one of its cards) shows the plant status of the garden on screen. The screen fills it at
// creation and on its refresh, and re-rolls its hint when a friend's garden is entered.
#pragma once

#include "garden/windows/GardenPanel.h"

class CGardenPlantItem;

class CGardenSeedRankWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenSeedRankWnd)
public:
    static constexpr int kCards = 3;
    static constexpr u32 kTopicFill = 154;
    static constexpr u32 kTopicClick = 155;   // what a card's click hands to its panel

    CGardenSeedRankWnd();
    ~CGardenSeedRankWnd() override;

    void OnCreate() override;
    void UpdateAbsPos() override;            // then kept inside the parent
    bool OnClick(int kind) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void OnDraw() override;
    void OnScreenEvent(u32 kind, u32 value) override;

    i32 m_nCentreX = 0;      // on the screen, at creation
    i32 m_nTopY = 0;         // the panel's top + 10 on the screen, at creation
    CGardenPlantItem* m_apCards[kCards] = {};
    // Drawn once in four when a friend's garden is entered; nothing shows it.
    u8 m_bHint = 0;

private:
    void FillCards();
    void ClickAction();
};
