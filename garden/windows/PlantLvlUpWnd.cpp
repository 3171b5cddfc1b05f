#include "garden/windows/PlantLvlUpWnd.h"

#include <iterator>

#include "BuildProfile.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CPlantLvlupItem, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CPlantLvlUpWnd, CORVControlContainer)

namespace L = garden_layout;

namespace {

constexpr u16 kLevelCosts[] = {20,  21,  22,  23,  24,  25,  27,  29,  32,  35,  38,   41,   44,   47,   50,   53,  56,  59,
                               63,  68,  73,  78,  83,  88,  94,  100, 107, 114, 121,  129,  137,  146,  155,  164, 173, 183,
                               193, 204, 215, 226, 238, 250, 282, 342, 445, 624, 946, 1553, 3120, 6754, 0,    0};

constexpr u32 kTextColour = 0xFF8D6365;
constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kRed = 0xFFFF0000;
constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u32 kDim = 0xD0000000;
constexpr int kIconSet = 3;
constexpr int kPlantSet = 4;
constexpr u16 kSubLevelUp = 0x27;
constexpr u16 kOptionSafeA = 3;
constexpr u16 kOptionIntegration = 7;
constexpr u16 kRiskFromLevel = 42;
constexpr u16 kTopLevel = 50;
constexpr u16 kAnimSpeed = 1;

// Layout (see the header).
constexpr int kItemsY = 130;
constexpr int kCardY = 240;
constexpr int kCardW = 380;
constexpr int kCardH = 140;
constexpr int kPanelY = 10;
constexpr int kPanelW = 200;
constexpr int kResultY = 100;

u16 ItemFrame(u16 level)
{
    if (level <= 10) {
        return 7821;
    }
    if (level <= 20) {
        return 7822;
    }
    if (level <= 30) {
        return 7823;
    }
    if (level <= 40) {
        return 7824;
    }
    return level <= 50 ? 7825 : 7820;
}

}  // namespace

u16 PlantLevelUpCost(u32 level)
{
    return level < std::size(kLevelCosts) ? kLevelCosts[level] : 0;
}

// ---- CPlantLvlupItem ----

void CPlantLvlupItem::Render()
{
    char text[128];
    if (m_wPlantId == 0) {
        DrawImage(0, 0, 7836, kIconSet, kUntinted);
        DrawImage(29, 35, 7819, kIconSet, kUntinted);
        DrawAlignedText(84, kWidth, "未获得", kTextColour, 1, 0, kTextSizeDefault);
        return;
    }
    const u16 level = GetGardenDataMgr().GetOwnPlantLevel(m_wPlantId);
    DrawImage(0, 0, ItemFrame(level), kIconSet, kUntinted);
    DrawImage(16, 10, m_wImage, kPlantSet, kUntinted);
    BoundedPrintf(text, sizeof text, "等级 %d", level);
    DrawAlignedText(84, kWidth, text, kTextColour, 1, 0, kTextSizeDefault);
}

// ---- CPlantLvlUpWnd ----

CPlantLvlUpWnd::CPlantLvlUpWnd() = default;
CPlantLvlUpWnd::~CPlantLvlUpWnd() = default;

u16 CPlantLvlUpWnd::Option() { return GetGardenDataMgr().m_LevelUp.U16(L::kLevelUpOption); }

void CPlantLvlUpWnd::OnCreate()
{
    if (m_pParent != nullptr) {
        SetPos(0, 0);
        SetSize(m_pParent->m_nWidth, m_pParent->m_nHeight);
    }
    m_SuccessAnim.Load(156, kIconSet);
    m_FailureAnim.Load(157, kIconSet);

    // Option 6 is read like every other option: the record's plant ids are offered.
    const CGardenDataMgr& state = GetGardenDataMgr();
    const int left = (m_nWidth - kSlots * CPlantLvlupItem::kWidth) / 2;
    for (int i = 0; i < kSlots; ++i) {
        auto* item = new CPlantLvlupItem();
        AddChild(item, false);
        item->CreateAt(this, left + i * CPlantLvlupItem::kWidth, kItemsY, CPlantLvlupItem::kWidth,
                       CPlantLvlupItem::kHeight);
        const u16 id = state.m_LevelUp.U16(L::kLevelUpPlants + 2 * static_cast<std::size_t>(i));
        if (id != 0 && state.CanPlantHere(id)) {
            item->m_wPlantId = id;
            if (const CPlantItem* plant = GetXmlGardenMgr().FindPlant(id)) {
                item->m_wImage = static_cast<u16>(plant->m_nTex);
            }
        }
        m_vItems.push_back(item);
    }
    m_pCard = new CGardenPlantItem();
    AddChild(m_pCard, true);
    m_pCard->CreateAt(this, (m_nWidth - kCardW) / 2, kCardY, kCardW, kCardH);
    m_pCard->SetMode(CGardenPlantItem::kModeOwnPlant, 0);
    HideCard();
    CreateButton(m_nWidth - 38, 4, &m_pCloseButton, 3, true, true, "");
    m_nHeldFragments = AddFragments(0, state.OwnGeneFragments());
    m_nShownFragments = m_nHeldFragments;
}

void CPlantLvlUpWnd::HideCard()
{
    if (m_pCard != nullptr) {
        m_pCard->m_bVisible = 0;
        m_pCard->m_bEnabled = 0;
    }
}

bool CPlantLvlUpWnd::OnMouseLeave(int x, int y, CORVControl* next)
{
    HideCard();
    return CORVControlContainer::OnMouseLeave(x, y, next);
}

bool CPlantLvlUpWnd::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    const auto* item = dynamic_cast<const CPlantLvlupItem*>(child);
    if (item == nullptr || m_pCard == nullptr) {
        return CORVControlContainer::OnChildMouseEnter(child, prev);
    }
    m_wCost = 0;
    if (item->m_wPlantId == 0) {
        m_pCard->Clear();
        return true;
    }
    m_pCard->LoadOwnPlantQuiet(item->m_wPlantId);
    m_wCost = PlantLevelUpCost(GetGardenDataMgr().GetOwnPlantLevel(item->m_wPlantId));
    return true;
}

bool CPlantLvlUpWnd::OnChildMouseLeave(CORVControl* child, CORVControl* next)
{
    if (dynamic_cast<const CPlantLvlupItem*>(child) != nullptr) {
        HideCard();
    }
    return CORVControlContainer::OnChildMouseLeave(child, next);
}

void CPlantLvlUpWnd::SendLevelUp(u16 plantId)
{
    SendGardenRequest(kSubLevelUp, plantId, Option());
    m_dwPhase = kPhaseWaiting;
}

void CPlantLvlUpWnd::ChooseItem(const CPlantLvlupItem* item)
{
    if (item == nullptr || item->m_wPlantId == 0 || m_dwPhase != kPhaseIdle) {
        return;
    }
    const u16 option = Option();
    const u16 level = GetGardenDataMgr().GetOwnPlantLevel(item->m_wPlantId);
    if (option == kOptionSafeA || option == kOptionIntegration || level < kRiskFromLevel) {
        SendLevelUp(item->m_wPlantId);
        return;
    }
    // The box's answers carry the plant id as their second parameter (a posted sender must be
    // a control).
    const std::string name = GetXmlGardenMgr().GetPlantName(item->m_wPlantId);
    char text[256];
    BoundedPrintf(text, sizeof text,
                  "你的[%s]将进行升级，由于你的[%s]等级高于41级，升级失败有可能降低等级，确认升级吗？", name.c_str(),
                  name.c_str());
    ORVMsg ok = MakeGameEvent(kTopicConfirm);
    ok.m_lParam = item->m_wPlantId;
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ok, MakeGameEvent(kTopicCancel), text);
}

bool CPlantLvlUpWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_pSender == m_pCloseButton) {
        ORVMsg done(kMsgGardenTopic, kTopicDone, this);
        PostToManager(&done, kNotifyDelay);
        return true;
    }
    for (const CPlantLvlupItem* item : m_vItems) {
        if (msg->m_pSender == item) {
            ChooseItem(item);
            break;
        }
    }
    return true;
}

bool CPlantLvlUpWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kMsgGardenTopic) {
        return CORVControlContainer::ProcessMessage(msg);
    }
    switch (msg->m_wParam) {
    case kTopicOptions:
        m_nCountdown = kCountdown;
        return true;
    case kTopicConfirm:
        if (msg->m_lParam != 0 && msg->m_lParam <= 0xFFFF) {
            SendLevelUp(static_cast<u16>(msg->m_lParam));
        }
        return true;
    case kTopicCancel:
        return true;
    case kTopicResult: {
        const LevelUpResult& r = GetGardenDataMgr().m_LevelResult;
        const u8 code = r.m_Bytes[L::kLevelResultCode];
        if (code == 1) {
            m_dwPhase = kPhaseSuccess;
            m_SuccessAnim.Start(kAnimSpeed);
        } else {
            m_dwPhase = kPhaseFailure;
            m_FailureAnim.Start(kAnimSpeed);
        }
        m_bHasResult = 1;
        m_nCountdown = kCountdown;
        m_nHeldFragments = AddFragments(m_nHeldFragments, GetGardenDataMgr().LevelResultFragments());
        return true;
    }
    default:
        return CORVControlContainer::ProcessMessage(msg);
    }
}

void CPlantLvlUpWnd::Render()
{
    if (m_pParent != nullptr) {
        g_CG.DrawFillRect(m_pParent->m_nAbsX, m_pParent->m_nAbsY, m_pParent->m_nWidth, m_pParent->m_nHeight, kDim);
    }
    DrawTexts();
    CORVControlContainer::Render();
    StepAnimation();
}

void CPlantLvlUpWnd::DrawTexts()
{
    char text[256];
    const u16 option = Option();
    if (option == kOptionIntegration) {
        const int left = (m_nWidth - kPanelW) / 2;
        DrawImage(left, kPanelY, 188, kIconSet, kUntinted);
        BoundedPrintf(text, sizeof text, "当前碎片：%d", m_nShownFragments);
        DrawAlignedText(kPanelY + 33, m_nWidth, text, kTextColour, 1, 0, kTextSizeDefault);
        if (m_nCountdown > 0) {
            BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(GetGardenDataMgr().LevelResultFragments()));
            DrawText(left + kPanelW - 30, kPanelY + 33 - (kCountdown - m_nCountdown) / 2, text, kGreen, 0, 0, 0,
                     kTextSizeDefault);
        }
        const bool short_ = m_wCost != 0 && m_nShownFragments < m_wCost;
        BoundedPrintf(text, sizeof text, "升级消耗：%d", m_wCost);
        DrawAlignedText(kPanelY + 60, m_nWidth, text, short_ ? kRed : kGreen, 1, 0, kTextSizeDefault);
        if (short_) {
            DrawAlignedText(kPanelY + 87, m_nWidth, "基因碎片不足", kRed, 1, 0, kTextSizeDefault);
        }
        if (m_nShownFragments != m_nHeldFragments) {
            m_nShownFragments += m_nShownFragments < m_nHeldFragments ? 1 : -1;
        }
    }
    if (m_nCountdown > 0) {
        --m_nCountdown;
    }
    if (!m_bHasResult) {
        if (option != kOptionIntegration) {
            DrawAlignedText(kResultY, m_nWidth, "请选择一个植物进行升级", kTextColour, 1, 0, kTextSizeDefault);
        }
        return;
    }
    if (m_dwPhase == kPhaseWaiting) {
        return;
    }
    const LevelUpResult& r = GetGardenDataMgr().m_LevelResult;
    const CPlantItem* plant = GetXmlGardenMgr().FindPlant(r.U16(L::kLevelResultPlant));
    const char* name = plant != nullptr ? plant->m_strName.c_str() : "";
    switch (r.m_Bytes[L::kLevelResultCode]) {
    case 1:
        if (r.U16(L::kLevelResultLevel) == kTopLevel) {
            BoundedPrintf(text, sizeof text, "恭喜你,你的[%s]等级提升到顶级了！", name);
        } else {
            BoundedPrintf(text, sizeof text, "恭喜你,你的[%s]等级提升了", name);
        }
        break;
    case 2:
        BoundedPrintf(text, sizeof text, "很遗憾,你的[%s]等级下降了", name);
        break;
    default:
        BoundedPrintf(text, sizeof text, "很遗憾，本次升级没有成功");
        break;
    }
    DrawAlignedText(kResultY, m_nWidth, text, kTextColour, 1, 0, kTextSizeDefault);
}

void CPlantLvlUpWnd::StepAnimation()
{
    if (m_dwPhase != kPhaseFailure && m_dwPhase != kPhaseSuccess) {
        return;
    }
    GardenAnim& anim = m_dwPhase == kPhaseSuccess ? m_SuccessAnim : m_FailureAnim;
    int w = 0;
    int h = 0;
    GetBuildImageSize(m_dwPhase == kPhaseSuccess ? 156 : 157, kIconSet, &w, &h);
    anim.Step(m_nAbsX + (m_nWidth - w) / 2, m_nAbsY + (m_nHeight - h) / 2);
    if (anim.TicksSinceEnd() < kResultHold) {
        return;
    }
    m_dwPhase = kPhaseIdle;
    if (Option() != kOptionIntegration) {
        ORVMsg done(kMsgGardenTopic, kTopicDone, this);
        PostToManager(&done, kNotifyDelay);
    }
}
