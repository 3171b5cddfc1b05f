// The plant level-up window: the plants the server offers for a level-up (reply 526) as
// CPlantLvlupItem entries, the hovered plant in a plant card with the gene-fragment cost of its
// next level, the level-up request (0x27, after a risk box from level 42 on) and the server's
// result (topic 129) with its animation and text. The gene research panel opens it as a child and
// removes it on topic 132, which the window posts when it is done.
//
// Layout (the window's own): it covers its parent from the parent's corner; the seven item slots
// (82 x 102) stand in one row centred at y 130; the hovered plant's card (380 x 140) is centred
// below them at y 240; the close button sits at (width - 38, 4), frame 3; the integration panel
// of option 7 (image 188, 200 pixels wide) is centred at y 10 with its texts 33, 60 and 87 pixels
// down; the result texts are centred at y 100 and the result animations play at the window's
// centre.
#pragma once

#include <vector>

#include "framework/control/ORVControlContainer.h"
#include "garden/windows/GardenAnim.h"

class CORVButton;
class CGardenPlantItem;

// The gene fragments that raise a plant from level L (0 to 51); 0 from level 52 on.
u16 PlantLevelUpCost(u32 level);

class CPlantLvlupItem : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CPlantLvlupItem)
public:
    static constexpr int kWidth = 82;
    static constexpr int kHeight = 102;

    void Render() override;

    u16 m_wPlantId = 0;   // 0: an empty slot
    u16 m_wImage = 0;     // the plant's image (set 4)
};

class CPlantLvlUpWnd : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CPlantLvlUpWnd)
public:
    static constexpr int kSlots = 7;
    static constexpr u32 kTopicOptions = 126;
    static constexpr u32 kTopicConfirm = 127;
    static constexpr u32 kTopicCancel = 128;
    static constexpr u32 kTopicResult = 129;
    static constexpr u32 kTopicDone = 132;
    // Phases: 1 from the request until its result, 2 during the failure animation, 3 during the
    // success animation (clicks again once it is over), else 0.
    enum Phase : u32 { kPhaseIdle = 0, kPhaseWaiting = 1, kPhaseFailure = 2, kPhaseSuccess = 3 };
    // Steps after a result animation's end until the window is done.
    static constexpr u16 kResultHold = 100;
    static constexpr i32 kCountdown = 50;

    CPlantLvlUpWnd();
    ~CPlantLvlUpWnd() override;

    void OnCreate() override;
    bool OnMouseLeave(int x, int y, CORVControl* next) override;
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnChildMouseLeave(CORVControl* child, CORVControl* next) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void Render() override;

    // A click on an item: the level-up request, or the risk box first.
    void ChooseItem(const CPlantLvlupItem* item);
    // The option of the server's level-up record.
    static u16 Option();

    GardenAnim m_SuccessAnim;
    GardenAnim m_FailureAnim;
    u32 m_dwPhase = kPhaseIdle;
    CGardenPlantItem* m_pCard = nullptr;
    std::vector<CPlantLvlupItem*> m_vItems;
    CORVButton* m_pCloseButton = nullptr;
    u16 m_wCost = 0;
    i32 m_nCountdown = 0;
    i32 m_nShownFragments = 0;
    i32 m_nHeldFragments = 0;
    u8 m_bHasResult = 0;

private:
    void SendLevelUp(u16 plantId);
    void HideCard();
    void DrawTexts();
    void StepAnimation();
};
