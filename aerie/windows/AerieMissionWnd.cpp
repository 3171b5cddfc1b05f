#include "aerie/windows/AerieMissionWnd.h"

#include <cstdint>
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWnd.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMissionWnd, CAerieContainer)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMissionRobItem, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMissionDefendItem, CORVWindow)

namespace {

struct MissionRegistration {
    MissionRegistration() { SetAerieWindowRecord(AerieWndKind::Mission, ORV_RUNTIME_CLASS(CAerieMissionWnd)); }
} g_MissionRegistration;

struct TabLook {
    const char* title;
    u16 frame;
    const RuntimeClassRecord* page;
};

TabLook LookOf(u32 tab)
{
    switch (tab) {
    case 0:
        return {"掠夺任务", 19, ORV_RUNTIME_CLASS(CAerieMissionRobItem)};
    case 1:
        return {"防御任务", 20, ORV_RUNTIME_CLASS(CAerieMissionDefendItem)};
    case 2:
        return {"主线任务", 21, ORV_RUNTIME_CLASS(CAerieMissionMainItem)};
    default:
        return {nullptr, 0, nullptr};
    }
}

constexpr u32 kYellow = 0xFFFFFF00;

// The stores a reward would overflow: grass against the granary (13), the rest against the
// warehouse (14), in 64 bits.
bool RewardOverflows(u32 grass, u32 wood, u32 stone, u32 metal)
{
    AerieView::ResourceBar own;
    AerieView::GetOwnResources(&own);
    const std::uint64_t granary = AerieView::GetBuildingEffect(13);
    const std::uint64_t warehouse = AerieView::GetBuildingEffect(14);
    return std::uint64_t{own.m_dwGrass} + grass > granary || std::uint64_t{own.m_dwWood} + wood > warehouse ||
           std::uint64_t{own.m_dwStone} + stone > warehouse || std::uint64_t{own.m_dwMetal} + metal > warehouse;
}

}  // namespace

std::string RewardQuestion(u32 grass, u32 wood, u32 stone, u32 metal)
{
    char text[kBoxTextBound];
    if (RewardOverflows(grass, wood, stone, metal)) {
        return BoundedPrintf(text, sizeof text,
                             "本次任务可领取的奖励为牧草%u，木材%u，石料%u，金属%u。由于你的仓库或粮仓空余不足，"
                             "领取后你的仓库将会爆仓，是否要领取奖励？",
                             grass, wood, stone, metal);
    }
    return BoundedPrintf(text, sizeof text, "本次任务可领取的奖励为牧草%u，木材%u，石料%u，金属%u。是否要领取奖励？",
                         grass, wood, stone, metal);
}

// ---- The mission window ----

CAerieMissionWnd::CAerieMissionWnd()
{
    m_bDraggable = 1;
}

CAerieMissionWnd::~CAerieMissionWnd()
{
    BeginTeardown();
    DeliverGameEvent(EVT_CLOSE_SUBWND);
}

void CAerieMissionWnd::SetUpFrame()
{
    // A visitor sees only the defence missions.
    if (!AerieView::IsOwnCityShown()) {
        MissionWndTab() = 1;
    }
    m_nTab = static_cast<u32>(MissionWndTab());
    InitFrame(this, LookOf(m_nTab).frame);
}

void CAerieMissionWnd::OnCreateControls()
{
    OpenTab(m_nTab);
    CAerieNewBie::GetSingleton().SetStepTarget(42, this);
}

void CAerieMissionWnd::OpenTab(u32 tab)
{
    const TabLook look = LookOf(tab);
    if (look.page == nullptr) {
        return;
    }
    SetTitleText(look.title, 188, 15, kTipWhite, 1);
    m_wBackFrame = look.frame;
    GetWindowImageSize(look.frame, &m_nWidth, &m_nHeight);
    if (m_pTabItem != nullptr) {
        CORVControl* old = m_pTabItem;
        m_pTabItem = nullptr;
        DeleteChild(old);
    }
    m_pTabItem = CreateChildAt(look.page, 0, 0, m_nWidth, m_nHeight, MissionWndTab(), std::string());
}

bool CAerieMissionWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    if (msg->m_pSender != nullptr && msg->m_pSender == m_pTabItem) {
        if (msg->m_nId == kNotifyTabChange && msg->m_wParam == kMissionTabStripId) {
            const i32 tab = static_cast<i32>(msg->m_lParam);
            if (tab != MissionWndTab()) {
                MissionWndTab() = tab;
                OpenTab(static_cast<u32>(tab));
            }
        } else if (msg->m_nId == kNotifyClose) {
            Close();
        }
        return true;
    }
    CAerieGameWnd::OnMessage(msg);
    return true;
}

// ---- The pages' shared body ----

CAerieMissionPage::CAerieMissionPage(int left, int top, int width, int pitch, int rows)
    : m_Rows(left, top, width, 24, pitch, rows), m_nListLeft(left), m_nListWidth(width)
{
}

void CAerieMissionPage::SetArgs(int arg, std::string)
{
    m_nTab = arg;
}

void CAerieMissionPage::TabStrip(u16* baseFrame, int* count) const
{
    *baseFrame = 239;
    *count = 3;
}

void CAerieMissionPage::OnCreateControls()
{
    SetDragMovesParent(true);
    CreateButton(95, 292, &m_pGoButton, GoFrame(), true, true, "");
    CreateButton(260, 292, &m_pCloseButton2, 12, true, true, "");
    m_pTabs = new (std::nothrow) CORVRadioGroup();
    if (m_pTabs != nullptr) {
        AddChild(m_pTabs, false);
        u16 base = 0;
        int count = 0;
        TabStrip(&base, &count);
        m_pTabs->CreateGroup(this, 15, 40, base, count, m_nTab, 90, false);
    }
    OnCreatePage();
}

CORVChoice* CAerieMissionPage::CreateDifficultyChoice(bool threeLevels)
{
    m_pDifficulty = new (std::nothrow) CORVChoice();
    if (m_pDifficulty == nullptr) {
        return nullptr;
    }
    AddChild(m_pDifficulty, false);
    m_pDifficulty->CreateBox(this, 200, 91, 100);
    if (threeLevels) {
        for (const char* item : {"初级", "中级", "高级"}) {
            m_pDifficulty->AddItem(item, 0xFFFFFFFF, 0);
        }
    } else {
        m_pDifficulty->AddItem("无", 0xFFFFFFFF, 0);
    }
    m_pDifficulty->SetCurSel(0);
    return m_pDifficulty;
}

bool CAerieMissionPage::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDBLCLK) {
        return true;
    }
    return CAerieGameWnd::ProcessMessage(msg);
}

bool CAerieMissionPage::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId == kNotifyLeftClick) {
        if (sender == m_pTabs) {
            const i32 tab = m_pTabs->m_nCurSel;
            if (tab == 2) {
                CAerieNewBie::GetSingleton().OnStepEvent(42);
            }
            if (tab != m_nTab && m_pParent != nullptr) {
                ORVMsg notice(kNotifyTabChange, kMissionTabStripId, this);
                notice.m_lParam = static_cast<u32>(tab);
                PostToParent(&notice);
            }
            return true;
        }
        if (sender == m_pGoButton) {
            OnGo();
            return true;
        }
        if (sender == m_pCloseButton2) {
            Close();
            return true;
        }
    }
    if (FollowChoice(m_pDifficulty, msg, [this] { OnChoiceDrop(); }, [this](int before) { OnChoicePicked(before); })) {
        return true;
    }
    CAerieGameWnd::OnMessage(msg);
    return true;
}

void CAerieMissionPage::DrawFightHeadings() const
{
    DrawTextRel(this, 192, 68, "战斗选择", kYellow, 0, 2);
    DrawTextRel(this, 134, 96, "战斗难度：", kTipWhite);
}

void CAerieMissionPage::DrawRowBar(int r) const
{
    const int frame = m_Rows.SelectedRow() == r ? CListRows::kSelectBarFrame : CListRows::kHoverBarFrame;
    const_cast<CAerieMissionPage*>(this)->DrawStretchedBar(frame, m_nListLeft, m_Rows.RowTop(r), m_nListWidth,
                                                           0xFFFFFFFF);
}
