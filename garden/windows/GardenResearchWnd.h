// The plant gene research panel: a research costs gene points; the server's result (topic 126) is
// revealed by flipping three gene cards to their faces, then a success or failure animation and
// tip; results bring seeds, a level-up of all plants, gene fragments or a plant level-up in the
// level-up window. Gene fragments pay for three kinds of gene integration. The research rules
// window only shows the rules picture.
#pragma once

#include <cstdint>

#include "garden/windows/GardenAnim.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
class CORVCheck;
class CPlantLvlUpWnd;

class CGardenResearchWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenResearchWnd)
public:
    static constexpr int kCards = 3;
    static constexpr int kCardAnims = 4;
    static constexpr int kIntegrations = 3;
    static constexpr u32 kTopicBoxOk = 124;
    static constexpr u32 kTopicBoxCancel = 125;
    static constexpr u32 kTopicResult = 126;
    static constexpr u32 kTopicLevelResult = 129;
    static constexpr u32 kTopicRules = 130;
    static constexpr u32 kTopicShop = 131;
    static constexpr u32 kTopicLevelUpDone = 132;
    static constexpr u32 kTopicNothing = 133;
    // Card phases: 0 the back, 1 to 4 the flip's animations, 5 the face, 6 the face once the
    // result was played.
    static constexpr i32 kPhaseFace = 5;
    static constexpr i32 kPhaseDone = 6;
    static constexpr i32 kCounterFrames = 50;
    static constexpr u16 kResultHold = 100;

    CGardenResearchWnd() = default;
    ~CGardenResearchWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnMouseMove(int x, int y) override;
    void OnDraw() override;
    void OnDrawOverlay() override;
    void Close() override;

    // The research: the request when the gene points reach the cost, else the notice; the guide
    // moves in both cases.
    void Research();
    // Start enabled; primary, middle by the fragments shown; upper enabled.
    void EnableButtons();

    CORVButton* m_pStartButton = nullptr;
    CORVButton* m_pRulesButton = nullptr;
    CORVButton* m_pShopButton = nullptr;
    CORVButton* m_apCards[kCards] = {};
    CORVCheck* m_pAutoCheck = nullptr;
    CORVButton* m_apIntegrations[kIntegrations] = {};
    CPlantLvlUpWnd* m_pLevelUp = nullptr;
    i32 m_anPhase[kCards] = {};
    i32 m_anFace[kCards] = {139, 139, 139};
    GardenAnim m_aAnims[kCardAnims][kCards];
    GardenAnim m_SuccessAnim;
    GardenAnim m_FailureAnim;
    i32 m_nShownFragments = 0;
    i32 m_nTargetFragments = 0;
    i32 m_nCounterFrames = 0;
    i32 m_nCounterAmount = 0;

private:
    void ClickCard(int i);
    void RevealSetup(ORVMsg* msg);
    void DealFaces(u16 kind, u16 count);
    void StartCounter(std::int64_t amount);
    void OpenLevelUp();
    void RemoveLevelUp();
    void DisableResearchButtons();
    void DrawCard(int i);
    void DrawResult(GardenAnim& anim, bool success);
    void DrawCounter();
};

class CGardenResearchRuleWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenResearchRuleWnd)
public:
    void OnCreate() override;
};

// The research's face picks: a pick from n candidates takes r = rand() mod n, swaps
// candidate r with the last one and takes it.
int PickLast(i32* pool, int n);
