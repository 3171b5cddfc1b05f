#include "garden/windows/GardenResearchWnd.h"

#include <algorithm>
#include <iterator>

#include "BuildProfile.h"
#include "engine/ORVConfigMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/PlantLvlUpWnd.h"
#include "glimmer/Glimmer.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenResearchWnd, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CGardenResearchRuleWnd, CORVWindow)

namespace L = garden_layout;

namespace {

const GardenPanelRecordInstaller g_ResearchRecord(GardenPanelSlot::kResearch, ORV_RUNTIME_CLASS(CGardenResearchWnd));
const GardenPanelRecordInstaller g_ResearchRulesRecord(GardenPanelSlot::kResearchRules,
                                                       ORV_RUNTIME_CLASS(CGardenResearchRuleWnd));

constexpr u32 kTextColour = 0xFF8D6365;
constexpr u32 kFigureColour = 0xFF468C7C;
constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u32 kDim = 0xD0000000;
constexpr int kTitleSize = 14;
constexpr int kIconSet = 3;
constexpr u16 kSubResearch = 0x26;
constexpr u16 kSubIntegration = 0x2e;
constexpr u16 kAnimFrames[CGardenResearchWnd::kCardAnims] = {147, 933, 156, 161};
constexpr u16 kSuccessFrame = 156;
constexpr u16 kFailureFrame = 157;
constexpr u16 kCardSpeed = 1;
constexpr u16 kResultSpeed = 4;
// The card back drawn under the flip is the gene card's own button image.
constexpr u16 kCardBackFrame = 201;
constexpr u32 kShopPlace = 5;
constexpr i32 kPrimaryCost = 20;
constexpr i32 kMiddleCost = 30;

// Result kinds (the level-up record's option).
constexpr u16 kResultFailure = 0;
constexpr u16 kResultSeeds = 1;
constexpr u16 kResultAllLevels = 4;
constexpr u16 kResultFragmentsA = 5;
constexpr u16 kResultFragmentsB = 6;
constexpr u16 kResultIntegration = 7;

// Guide steps.
constexpr u16 kStepStart = 12;
constexpr u16 kStepCard = 13;
constexpr u16 kStepReveal = 14;
constexpr u16 kStepClose = 15;

u16 ResultKind() { return GetGardenDataMgr().m_LevelUp.U16(L::kLevelUpOption); }
void SetResultKind(u16 kind)
{
    u8* b = GetGardenDataMgr().m_LevelUp.m_Bytes + L::kLevelUpOption;
    b[0] = static_cast<u8>(kind & 0xFF);
    b[1] = static_cast<u8>(kind >> 8);
}
u32 FirstFragments() { return GetGardenDataMgr().m_LevelUp.U32(L::kLevelUpFragments); }
u32 SecondFragments() { return GetGardenDataMgr().LevelResultFragments(); }
const GardenInfo& Own() { return GetGardenDataMgr().m_OwnInfo; }

void Enable(CORVControl* c, bool on)
{
    if (c != nullptr) {
        c->m_bEnabled = on ? 1 : 0;
    }
}

// A result animation back to idle, its texture loaded again.
void ResetAnim(GardenAnim& anim, u16 frame)
{
    anim = GardenAnim();
    anim.Load(frame, kIconSet);
}

}  // namespace

int PickLast(i32* pool, int n)
{
    if (pool == nullptr || n <= 0) {
        return 0;
    }
    const int r = orv::platform::Get().Rand() % n;
    std::swap(pool[r], pool[n - 1]);
    return pool[n - 1];
}

CGardenResearchWnd::~CGardenResearchWnd() = default;

void CGardenResearchWnd::OnCreate()
{
    SetBackground(20);
    CenterInParent();
    GardenGuide& guide = GetGardenGuide();
    CreateButton(m_nWidth - 120, 79, &m_pCloseButton, 3, true, true, "");
    guide.SetTarget(kStepClose, m_pCloseButton);
    for (int i = 0; i < kCards; ++i) {
        CreateButton(159 + 106 * i, 129, &m_apCards[i], 201, true, true, "");
    }
    guide.SetTarget(kStepCard, m_apCards[0]);
    for (int i = 0; i < kIntegrations; ++i) {
        CreateButton(605, 354 + 63 * i, &m_apIntegrations[i], 228, true, true, "");
    }
    CreateButton(130, 480, &m_pRulesButton, 204, true, true, "");
    CreateButton(261, 480, &m_pStartButton, 207, true, true, "");
    guide.SetTarget(kStepStart, m_pStartButton);
    if (m_pStartButton != nullptr) {
        m_pAutoCheck = new CORVCheck();
        AddChild(m_pAutoCheck, false);
        m_pAutoCheck->CreateCheck(this, m_pStartButton->m_nX + m_pStartButton->m_nWidth + 4, m_pStartButton->m_nY + 7);
    }
    CreateButton(392, 480, &m_pShopButton, 210, true, true, "");
    for (int s = 0; s < kCardAnims; ++s) {
        for (int i = 0; i < kCards; ++i) {
            m_aAnims[s][i].Load(kAnimFrames[s], kIconSet);
        }
    }
    m_SuccessAnim.Load(kSuccessFrame, kIconSet);
    m_FailureAnim.Load(kFailureFrame, kIconSet);
    m_nShownFragments = AddFragments(0, GetGardenDataMgr().OwnGeneFragments());
    m_nTargetFragments = m_nShownFragments;
    Enable(m_apIntegrations[0], m_nShownFragments >= kPrimaryCost);
    Enable(m_apIntegrations[1], m_nShownFragments >= kMiddleCost);
}

void CGardenResearchWnd::Close()
{
    GetGardenGuide().AdvanceFrom(kStepClose);
    CGardenPanel::Close();
}

void CGardenResearchWnd::DisableResearchButtons()
{
    Enable(m_pStartButton, false);
    for (CORVButton* b : m_apIntegrations) {
        Enable(b, false);
    }
}

void CGardenResearchWnd::EnableButtons()
{
    Enable(m_pStartButton, true);
    Enable(m_apIntegrations[0], m_nShownFragments >= kPrimaryCost);
    Enable(m_apIntegrations[1], m_nShownFragments >= kMiddleCost);
    Enable(m_apIntegrations[2], true);
}

void CGardenResearchWnd::Research()
{
    const u32 points = Own().U32(L::kInfoGenePoints);
    const u32 cost = Own().U32(L::kInfoResearchCost);
    if (points < cost) {
        ShowTipText("你的基因点数不足，请去商城购买基因点数！");
    } else {
        SendGardenRequest(kSubResearch);
        DisableResearchButtons();
        ResetAnim(m_SuccessAnim, kSuccessFrame);
        ResetAnim(m_FailureAnim, kFailureFrame);
    }
    // One move of the guide a research.
    GardenGuide& guide = GetGardenGuide();
    if (guide.Step() == kStepStart) {
        guide.SetStep(kStepCard);
    } else if (guide.Step() == kStepCard) {
        if (points < cost) {
            guide.SetStep(kStepClose);
        } else if (m_pAutoCheck != nullptr && m_pAutoCheck->m_nLatch != 0) {
            guide.SetStep(kStepReveal);
        }
    }
}

void CGardenResearchWnd::ClickCard(int i)
{
    m_anPhase[i] = 1;
    m_aAnims[0][i].Start(kCardSpeed);
    if (m_apCards[i] != nullptr) {
        m_apCards[i]->m_bVisible = 0;
    }
    GetGardenGuide().AdvanceFrom(kStepCard);
}

void CGardenResearchWnd::OpenLevelUp()
{
    if (m_pLevelUp != nullptr) {
        return;
    }
    m_pLevelUp = new CPlantLvlUpWnd();
    AddChild(m_pLevelUp, false);   // the topmost child
    if (!m_pLevelUp->Create(this)) {
        RemoveLevelUp();
    }
}

void CGardenResearchWnd::RemoveLevelUp() { DeleteChildAndReset(m_pLevelUp); }

void CGardenResearchWnd::StartCounter(std::int64_t amount)
{
    m_nCounterFrames = kCounterFrames;
    m_nCounterAmount = AddFragments(0, amount);
    m_nTargetFragments = AddFragments(m_nTargetFragments, amount);
}

bool CGardenResearchWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    CORVControl* from = msg->m_pSender;
    if (msg->m_nId == kNotifyClose && from == m_pLevelUp) {
        RemoveLevelUp();
        return true;
    }
    if (msg->m_nId != kNotifyLeftClick) {
        return true;
    }
    if (from == m_pStartButton) {
        if (CORVConfigMgr::GetSingleton().GetValue(ORVConfigKey::AutoUseGenePoint) == 0) {
            ORVMsgBoxRequest box;
            box.m_OkMsg = MakeGameEvent(kTopicBoxOk);
            box.m_CancelMsg = MakeGameEvent(kTopicBoxCancel);
            box.m_nStyle = kMsgBoxStyleBase | kMsgBoxStyleTwoButtons | kMsgBoxStyleCheck;
            char text[128];
            BoundedPrintf(text, sizeof text, "本次研究需要耗费%d点基因点数，确认进行研究吗？",
                          static_cast<int>(Own().U32(L::kInfoResearchCost)));
            box.m_strText = text;
            box.m_strCheckText = "以后不再显示";
            ORVMsgBoxQueue::GetSingleton().ShowMsgBox(box);
        } else {
            Research();
        }
    } else if (from == m_pRulesButton) {
        ORVMsg rules = MakeGameEvent(kTopicRules);
        CORVCtrlMgr::GetSingleton().RouteMessage(&rules);
    } else if (from == m_pShopButton) {
        RouteGardenEvent(kMsgGardenTopic, kTopicShop, 0, kShopPlace);
    } else if (from == m_apIntegrations[0] || from == m_apIntegrations[1]) {
        DisableResearchButtons();
        SendGardenRequest(kSubIntegration, from == m_apIntegrations[0] ? 0 : 1);
    } else if (from == m_apIntegrations[2]) {
        DisableResearchButtons();
        SetResultKind(kResultIntegration);
        OpenLevelUp();
    } else {
        for (int i = 0; i < kCards; ++i) {
            if (from == m_apCards[i]) {
                ClickCard(i);
                return true;
            }
        }
        return CGardenPanel::OnMessage(msg);   // the close button
    }
    return true;
}

bool CGardenResearchWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kMsgGardenTopic) {
        return CGardenPanel::ProcessMessage(msg);
    }
    switch (msg->m_wParam) {
    case kTopicBoxOk: {
        CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
        if (box != nullptr) {
            if (box->IsChecked()) {
                CORVConfigMgr::GetSingleton().SetValue(ORVConfigKey::AutoUseGenePoint, 1);
            }
            Research();
        }
        return true;
    }
    case kTopicBoxCancel:
    case kTopicNothing:
        return true;
    case kTopicResult:
        RevealSetup(msg);
        return true;
    case kTopicLevelResult:
        if (ResultKind() == kResultIntegration) {
            m_nTargetFragments = AddFragments(m_nTargetFragments, SecondFragments());
        }
        if (m_pLevelUp != nullptr) {
            m_pLevelUp->ProcessMessage(msg);
        }
        return true;
    case kTopicLevelUpDone: {
        RemoveLevelUp();
        const u16 kind = ResultKind();
        if (kind == 2 || kind == 3) {
            StartCounter(SecondFragments());
        }
        SetResultKind(kResultFailure);
        EnableButtons();
        return true;
    }
    default:
        return CGardenPanel::ProcessMessage(msg);
    }
}

void CGardenResearchWnd::RevealSetup(ORVMsg* msg)
{
    const u16 kind = ResultKind();
    if (kind < kResultFragmentsA) {
        const bool automatic = m_pAutoCheck != nullptr && m_pAutoCheck->m_nLatch != 0;
        const ORVLifeWatch life = Watch();
        for (int i = 0; i < kCards && !life.expired(); ++i) {
            m_anPhase[i] = 0;
            if (automatic) {
                ORVMsg click(kNotifyLeftClick, 0, m_apCards[i]);
                OnMessage(&click);
            } else if (m_apCards[i] != nullptr) {
                m_apCards[i]->m_bVisible = 1;
            }
        }
        if (life.expired()) {
            return;
        }
    }
    if (kind <= kResultAllLevels) {
        DealFaces(kind, GetGardenDataMgr().m_LevelUp.U16(L::kLevelUpCount));
    } else if (kind == kResultFragmentsA || kind == kResultFragmentsB) {
        StartCounter(FirstFragments());
    } else if (kind == kResultIntegration && m_pLevelUp != nullptr) {
        m_pLevelUp->ProcessMessage(msg);
    }
}

void CGardenResearchWnd::DealFaces(u16 kind, u16 count)
{
    i32* faces = GetGardenDataMgr().m_Keep.m_anResearchFaces;   // shuffled on from result to result
    if (kind == kResultFailure) {
        i32 cards[kCards] = {0, 1, 2};
        for (int n = 0; n < kCards; ++n) {
            const i32 face = PickLast(faces, 6 - n);
            m_anFace[PickLast(cards, kCards - n)] = face;
        }
        return;
    }
    if (kind != kResultSeeds) {
        std::fill(std::begin(m_anFace), std::end(m_anFace), 140 + kind);   // 2: 142, 3: 143, 4: 144
        return;
    }
    i32 pair = 0;
    switch (count) {
    case 10: pair = 139; break;
    case 15: pair = 140; break;
    case 25: pair = 141; break;
    case 20: std::fill(std::begin(m_anFace), std::end(m_anFace), 139); return;
    case 30: std::fill(std::begin(m_anFace), std::end(m_anFace), 140); return;
    case 50: std::fill(std::begin(m_anFace), std::end(m_anFace), 141); return;
    default: return;
    }
    // The pair's face goes to the end first, so the third card's face is one of the other five.
    i32* at = std::find(faces, faces + 6, pair);
    if (at != faces + 6) {
        std::swap(*at, faces[5]);
    }
    m_anFace[0] = pair;
    m_anFace[1] = pair;
    m_anFace[2] = PickLast(faces, 5);
}

bool CGardenResearchWnd::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    if (child != nullptr && child == m_pAutoCheck) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        tip.AddText(m_nToolTipStyle, "勾选后点击[开始研究]按钮\n后进行自动研究", 1);
        return true;
    }
    return CGardenPanel::OnChildMouseEnter(child, prev);
}

bool CGardenResearchWnd::OnMouseMove(int x, int y)
{
    CORVToolTip::GetSingleton().Reset();
    char text[256];
    const char* tip = nullptr;
    if (x >= 376 && x <= 499 && y >= 445 && y <= 465) {
        BoundedPrintf(text, sizeof text, "折扣\n今日研究次数：%d\n折扣规则\n第1次:二五折\n第2－30次:五折\n第30次以上:无折扣",
                      static_cast<int>(Own().U16(L::kInfoResearchesToday)));
        tip = text;
    } else if (x >= 528 && x <= 685 && y >= 271 && y <= 293) {
        tip = "基因碎片\n每次进行基因研究后可能会额\n外获得基因碎片，这些碎片可\n以在下面的基因整合时使用";
    } else if (x >= 534 && x <= 678 && y >= 324 && y <= 372) {
        tip = "基因整合－初级\n效果：获得一次升级机会";
    } else if (x >= 534 && x <= 678 && y >= 387 && y <= 435) {
        tip = "基因整合－中级\n效果：获得一次加强的升级\n机会，随机出现5种植物，选\n择1种进行升级";
    } else if (x > 533 && x <= 678 && y > 449 && y <= 498) {
        tip = "基因整合－上级\n效果：在已经拥有的所有\n植物中，选择一种，100%\n升级，升级需要基因碎片";
    }
    if (tip != nullptr) {
        m_strToolTip = tip;
    } else {
        m_strToolTip.clear();
    }
    return CGardenPanel::OnMouseMove(x, y);
}

void CGardenResearchWnd::DrawCard(int i)
{
    const int x = 185 + 105 * i;
    switch (m_anPhase[i]) {
    case 0:
        DrawImage(x, 173, kCardBackFrame, kImageSetButton, kUntinted);
        break;
    case 1:
        DrawImage(x, 173, kCardBackFrame, kImageSetButton, kUntinted);
        if (m_aAnims[0][i].Step(m_nAbsX + x, m_nAbsY + 118) == GardenAnim::kStepEnded) {
            m_aAnims[1][i].Start(kCardSpeed);
            m_anPhase[i] = 2;
        }
        break;
    case 2:
    case 3: {
        const int s = m_anPhase[i] - 1;
        if (m_aAnims[s][i].Step(m_nAbsX + x, m_nAbsY + 173) == GardenAnim::kStepEnded) {
            m_aAnims[s + 1][i].Start(kCardSpeed);
            ++m_anPhase[i];
        }
        break;
    }
    case 4:
        DrawImage(x, 173, kCardBackFrame, kImageSetButton, kUntinted);
        m_aAnims[3][i].Step(m_nAbsX + x, m_nAbsY + 390);
        if (m_aAnims[3][i].TicksSinceEnd() >= 2) {
            m_anPhase[i] = kPhaseFace;
        }
        break;
    default:
        DrawImage(x, 173, kCardBackFrame, kImageSetButton, kUntinted);
        DrawImage(182 + 105 * i, 390, m_anFace[i], kIconSet, kUntinted);
        break;
    }
}

void CGardenResearchWnd::OnDraw()
{
    DrawAlignedText(88, m_nWidth, "植物基因研究", kTextColour, 1, 0, kTitleSize);
    for (int i = 0; i < kCards; ++i) {
        DrawCard(i);
    }
    if (std::all_of(std::begin(m_anPhase), std::end(m_anPhase), [](i32 p) { return p == kPhaseFace; })) {
        const u16 kind = ResultKind();
        if (kind == kResultFailure) {
            m_FailureAnim.Start(kResultSpeed);
        } else if (kind == kResultSeeds || kind == kResultAllLevels) {
            m_SuccessAnim.Start(kResultSpeed);
        } else if (kind == 2 || kind == 3) {
            OpenLevelUp();
        }
        GetGardenGuide().AdvanceFrom(kStepReveal);
        std::fill(std::begin(m_anPhase), std::end(m_anPhase), kPhaseDone);
    }

    char text[128];
    const auto box = [&](int x, int width, int y, u32 colour) {
        DrawText(x + (width - GetTextWidth(text, kTextSizeDefault)) / 2, y, text, colour, 0, 0, 0, kTextSizeDefault);
    };
    BoundedPrintf(text, sizeof text, "基因点数：%d点", static_cast<int>(Own().U32(L::kInfoGenePoints)));
    box(113, 124, 447, kFigureColour);
    BoundedPrintf(text, sizeof text, "单次消耗：%d点", static_cast<int>(Own().U32(L::kInfoResearchCost)));
    box(244, 124, 447, kFigureColour);
    const u16 today = Own().U16(L::kInfoResearchesToday);
    BoundedPrintf(text, sizeof text, "%s", today == 0 ? "折扣：二五折" : today <= 29 ? "折扣：五折" : "折扣：无");
    box(375, 124, 447, kFigureColour);
    BoundedPrintf(text, sizeof text, "基因碎片:%d", m_nShownFragments);
    box(527, 157, 275, kTextColour);
    DrawText(596, 324, "初级单次消耗", kTextColour, 0, 0, 0, kTextSizeDefault);
    DrawText(596, 387, "中级单次消耗", kTextColour, 0, 0, 0, kTextSizeDefault);
    DrawText(596, 450, "高级单次消耗", kTextColour, 0, 0, 0, kTextSizeDefault);
    BoundedPrintf(text, sizeof text, "%d块", kPrimaryCost);
    DrawText(621, 340, text, kFigureColour, 0, 0, 0, kTextSizeDefault);
    BoundedPrintf(text, sizeof text, "%d块", kMiddleCost);
    DrawText(621, 403, text, kFigureColour, 0, 0, 0, kTextSizeDefault);
    DrawText(621, 466, "按等级", kFigureColour, 0, 0, 0, kTextSizeDefault);
    DrawCounter();
}

void CGardenResearchWnd::DrawCounter()
{
    if (m_nCounterFrames > 0) {
        char text[32];
        BoundedPrintf(text, sizeof text, m_nCounterAmount < 0 ? "%d" : "+%d", m_nCounterAmount);
        DrawText(660, 275 - (kCounterFrames - m_nCounterFrames) / 2, text, kGreen, 0, 0, 0, kTextSizeDefault);
        if (--m_nCounterFrames == 0) {
            const u16 kind = ResultKind();
            if (kind == kResultFragmentsA || kind == kResultFragmentsB) {
                RemoveLevelUp();
                OpenLevelUp();
            }
        }
    }
    if (m_nShownFragments < m_nTargetFragments) {
        ++m_nShownFragments;
        if (m_nShownFragments >= kPrimaryCost) {
            Enable(m_apIntegrations[0], true);
        }
        if (m_nShownFragments >= kMiddleCost) {
            Enable(m_apIntegrations[1], true);
        }
    } else if (m_nShownFragments > m_nTargetFragments) {
        --m_nShownFragments;
    }
}

void CGardenResearchWnd::DrawResult(GardenAnim& anim, bool success)
{
    if (anim.GetState() == GardenAnim::kIdle ||
        (anim.GetState() == GardenAnim::kFinished && anim.TicksSinceEnd() >= kResultHold)) {
        return;
    }
    FillRectRel(kDim, 0, 0, m_nWidth, m_nHeight);
    int w = 0;
    int h = 0;
    GetBuildImageSize(success ? kSuccessFrame : kFailureFrame, kIconSet, &w, &h);
    const int x = m_nAbsX + (m_nWidth - w) / 2;
    const int y = m_nAbsY + (m_nHeight - h) / 2;
    const GardenAnim::StepResult r = anim.Step(x, y);
    if (anim.GetState() != GardenAnim::kFinished) {
        return;
    }
    anim.DrawLastFrame(x, y);
    if (r == GardenAnim::kStepEnded) {
        char text[128];
        if (!success) {
            CAutoTip::GetSingleton().AddText("很遗憾，本次研究失败", kUntinted, 200);
        } else if (ResultKind() == kResultAllLevels) {
            CAutoTip::GetSingleton().AddText("恭喜你,你的所有植物等级提升了一级！", kGreen, 150);
        } else if (ResultKind() == kResultSeeds) {
            const CGardenDataMgr& s = GetGardenDataMgr();
            const std::string name = GetXmlGardenMgr().GetPlantName(s.m_LevelUp.U16(L::kLevelUpPlantId));
            BoundedPrintf(text, sizeof text, "恭喜你，此次基因研究你获得了%d个%s", s.m_LevelUp.U16(L::kLevelUpCount),
                          name.c_str());
            CAutoTip::GetSingleton().AddText(text, kGreen, 150);
        }
    }
    if (anim.TicksSinceEnd() == kResultHold - 1 && m_pStartButton != nullptr) {
        StartCounter(FirstFragments());
        EnableButtons();
    }
}

void CGardenResearchWnd::OnDrawOverlay()
{
    DrawResult(m_SuccessAnim, true);
    DrawResult(m_FailureAnim, false);
}

void CGardenResearchRuleWnd::OnCreate()
{
    CreatePanelFrame(8, 38, 4, 3);
    CenterInParent();
}
