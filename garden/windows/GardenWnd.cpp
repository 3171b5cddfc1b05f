#include "garden/windows/GardenWnd.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/Net.h"
#include "engine/ORVConfigMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenPanelKit.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenSession.h"
#include "garden/windows/GardenSubOperWnd.h"
#include "garden/windows/GardenText.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenWnd, CORVWindow)

namespace {

namespace L = garden_layout;

CGardenWnd* g_pGardenWnd = nullptr;   // the garden-window-exists flag: set from construction to destruction

struct GardenWndRecord {
    GardenWndRecord() { SetSystemWindowRecord(kMsgGardenTopic, ORV_RUNTIME_CLASS(CGardenWnd)); }
};
const GardenWndRecord g_GardenWndRecord;

// Game events the screen takes (message 275, kind in the first parameter).
enum ScreenEvent : u32 {
    kEvRefresh = 100,
    kEvPlotClicked = 102,
    kEvOpenSeedBag = 103,
    kEvSeedChosen = 104,
    kEvCloseSeedBag = 105,
    kEvPloughConfirmed = 106,
    kEvSuspendRefresh = 107,
    kEvFriendEntered = 108,
    kEvToolNone = 109,
    kEvRelay = 110,
    kEvReopenToolCards = 111,
    kEvCloseToolCards = 112,
    kEvCloseSettings = 113,
    kEvCloseFriends = 114,
    kEvRelay2 = 115,
    kEvYieldEstimate = 116,
    kEvOpenPlot = 118,
    kEvUpgradePlot = 119,
    kEvFertilise = 120,
    kEvReopenSettings = 121,
    kEvPickWithCard = 122,
    kEvPickWithoutCard = 123,
    kEvResearchRules = 130,
    kEvPlantStatus = 131,
    kEvWelcomeOk = 135,
    kEvWelcomeCancel = 136,
    kEvLevelUp = 162,
};

// Requests (message 884).
constexpr u16 kSubPlough = 0x05, kSubSow = 0x06, kSubWater = 0x07, kSubWeed = 0x08,
              kSubPests = 0x09, kSubHarvest = 0x0d, kSubFertilise = 0x17, kSubOpenPlot = 0x22,
              kSubUpgradePlot = 0x23, kSubLevelUp = 0x24, kSubNotify = 0x2f;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr u16 kDefaultBackground = 301;
constexpr int kMaxGardenLevel = 6;
constexpr u16 kCursorSet = 7;
constexpr u16 kCursorSpeed = 6;
constexpr u16 kStealCardType = 1562;
constexpr u16 kGuideFarmWork = 2, kGuideNursery = 5, kGuideResearch = 11, kGuideFriends = 18;
constexpr int kTipStyle = 2, kTipStyleUnmet = 3;

constexpr u16 kTopFrames[CGardenWnd::kTopButtons] = {147, 57, 60, 63, 66, 69, 72, 75};
const char* const kTopLabels[CGardenWnd::kTopButtons] = {"天气预报", "排名榜",   "仓库", "花园苗圃",
                                                         "道具",     "查看好友花园", "设置", "返回花园"};
const char* const kBottomLabels[CGardenWnd::kBottomButtons] = {"花园动态", "查看花园属性", "犁地", "播种", "务农",
                                                               "收获",     "采摘",         "任务", "植物研究"};
// The panel each top or bottom button toggles (kCount: none of its own).
constexpr GardenPanelSlot kTopPanels[CGardenWnd::kTopButtons] = {
    GardenPanelSlot::kWeather, GardenPanelSlot::kRank,    GardenPanelSlot::kWarehouse, GardenPanelSlot::kNursery,
    GardenPanelSlot::kToolCards, GardenPanelSlot::kFriends, GardenPanelSlot::kSettings, GardenPanelSlot::kCount};
// Slots whose close request closes them through TogglePanel.
constexpr GardenPanelSlot kClosableSlots[] = {
    GardenPanelSlot::kNews,     GardenPanelSlot::kRank,     GardenPanelSlot::kWarehouse, GardenPanelSlot::kNursery,
    GardenPanelSlot::kFriends,  GardenPanelSlot::kToolCards, GardenPanelSlot::kSettings, GardenPanelSlot::kTasks,
    GardenPanelSlot::kResearch, GardenPanelSlot::kWeather,  GardenPanelSlot::kPlantStatus};
// While one of these is open no plot is drawn.
constexpr GardenPanelSlot kBlockingSlots[] = {GardenPanelSlot::kWarehouse, GardenPanelSlot::kNursery,
                                              GardenPanelSlot::kResearch, GardenPanelSlot::kResearchRules,
                                              GardenPanelSlot::kPlantStatus};

CGardenDataMgr& State() { return GetGardenDataMgr(); }
bool OwnGarden() { return State().m_bOwnGarden != 0; }
u32 Now() { return orv::platform::Get().GetTickCount(); }

void AddTip(int style, const char* text) { CORVToolTip::GetSingleton().AddText(style, text, 0); }

void SetEnabledVisible(CORVControl* c, bool on)
{
    if (c != nullptr) {
        c->m_bVisible = on ? 1 : 0;
        c->m_bEnabled = on ? 1 : 0;
    }
}

void TellPanel(CORVWindow* panel, u32 kind, u32 value)
{
    if (auto* p = dynamic_cast<CGardenPanel*>(panel)) {
        p->OnScreenEvent(kind, value);
    }
}

// Which garden level row the level-up rules read: the level, one more while the level-up flag's
// bit 2 is set.
int LevelUpLevel()
{
    const int level = State().ShownGardenLevel();
    return (State().m_ShownInfo.U16(L::kInfoLevelUpBits) & 0x04) != 0 ? level + 1 : level;
}

}  // namespace

CGardenWnd* GetGardenWnd()
{
    return g_pGardenWnd;
}

CGardenWnd::CGardenWnd()
{
    g_pGardenWnd = this;
}

CGardenWnd::~CGardenWnd()
{
    // Destruction order: the flag, the windows the Garden opened beside the screen, the state's
    // textures, the session (state, tutorial, tool cards, login, connection), the system cursor,
    // the host; the cursors go with the members. The questions of the Garden go once the screen
    // is gone (CORVCtrlMgr::ForgetClosedGame).
    if (g_pGardenWnd == this) {
        g_pGardenWnd = nullptr;
    }
    try {
        CloseWhatTheGardenOpened();
        GetGardenDataMgr().FreeSoilTextures();
        ForgetGardenSession();
        orv::platform::IPlatform& p = orv::platform::Get();
        for (int i = 0; i < 256 && p.ShowCursor(true) < 0; ++i) {
        }
        CallHost(HOSTCMD_GARDEN_CLOSED);
    } catch (...) {
        DebugLog("Error,exception while the garden screen closed\n");
    }
}

void CGardenWnd::OnCreate()
{
    if (const auto* main = dynamic_cast<const CORVMainWnd*>(m_pParent)) {
        for (const CORVControl* wnd : main->m_lstChildren) {
            if (wnd != nullptr && wnd != this) {
                m_vStoodBefore.push_back({wnd, wnd->Watch()});
            }
        }
    }
    SetSize(kWidth, kHeight);
    CenterInParent();
    CORVWindow::OnCreate();
    GetXmlGardenMgr().Load(kGardenDataPath);

    m_pToolStrip = new CGardenSubOperWnd();
    AddChild(m_pToolStrip, true);
    m_pToolStrip->CreateAt(this, 0, 0, 0, 0);
    m_pToolStrip->m_pfnSetToolMode = [](i32 mode) {
        if (CGardenWnd* screen = GetGardenWnd()) {
            screen->SetToolMode(mode);
        }
    };
    m_pToolStrip->ShowFor(CGardenSubOperWnd::kNone, nullptr);

    OpenChild(&Slot(GardenPanelSlot::kSeedRank), GetGardenPanelRecord(GardenPanelSlot::kSeedRank), 0);

    CreateButton(373, 7, &m_pLevelUp, 198, true, true, "");
    CreateButton(16, 100, &m_pNotify, 219, false, true, "");
    for (int i = 0; i < kTopButtons; ++i) {
        CreateButton(0, 0, &m_apTop[i], kTopFrames[i], true, true, kTopLabels[i]);
    }
    GetGardenGuide().SetTarget(kGuideNursery, m_apTop[kNursery]);
    GetGardenGuide().SetTarget(kGuideFriends, m_apTop[kFriends]);
    LayoutTopRow();
    for (int i = 0; i < kBottomButtons; ++i) {
        CreateButton(105 + 65 * i, m_nHeight - 68, &m_apBottom[i], 30 + 3 * i, true, true, kBottomLabels[i]);
    }
    GetGardenGuide().SetTarget(kGuideFarmWork, m_apBottom[kFarmWork]);
    GetGardenGuide().SetTarget(kGuideResearch, m_apBottom[kResearch]);
    for (int i = 0; i < kCursors; ++i) {
        if (const CAnimationItem* item = GetXmlGardenMgr().GetAnimation(static_cast<u16>(i))) {
            m_aCursors[i].Load(static_cast<u16>(item->m_nTex), kCursorSet);
        }
    }
    SetEnabledVisible(m_apBottom[kHarvest], true);
    m_apBottom[kHarvest]->m_bEnabled = OwnGarden() ? 1 : 0;
    m_apBottom[kResearch]->m_bEnabled = OwnGarden() ? 1 : 0;
    for (int n = kPlots; n >= 1; --n) {
        m_apPlots[n] = new CGardenLandItem(static_cast<u16>(n));
        AddChild(m_apPlots[n], true);
        m_apPlots[n]->Create(this);
    }
    m_dwLastRefresh = Now();   // the first refresh tick is taken at creation
    Refresh();
    m_dwRefreshPeriod = kRefreshPeriodMs;
    m_nToolMode = ToolNone;
    GetGardenDataMgr().LoadSoilTextures();
    for (CGardenLandItem* plot : m_apPlots) {
        if (plot != nullptr) {
            plot->UpdateSoil();
        }
    }
    orv::platform::IPlatform& p = orv::platform::Get();
    for (int i = 0; i < 256 && p.ShowCursor(false) >= 0; ++i) {
    }
    CallHost(HOSTCMD_GARDEN_OPENED);
}

void CGardenWnd::Close()
{
    ORVMsg close(kMsgGardenTopic, kSysWndClose, this);   // dropped should the screen go first
    PostToManager(&close, kNotifyDelay);
}

void CGardenWnd::CloseWhatTheGardenOpened()
{
    auto* main = dynamic_cast<CORVMainWnd*>(m_pParent);
    if (main == nullptr) {
        return;
    }
    const auto stoodBefore = [this](const CORVControl* wnd) {
        return std::any_of(m_vStoodBefore.begin(), m_vStoodBefore.end(),
                           [wnd](const StoodBefore& s) { return s.m_pWnd == wnd && !s.m_Life.expired(); });
    };
    // Taken first, then closed one by one: a window's close may take others with it.
    std::vector<std::pair<CORVControl*, ORVLifeWatch>> opened;
    for (CORVControl* wnd : main->m_lstChildren) {
        if (wnd != nullptr && wnd != this && !stoodBefore(wnd)) {
            opened.emplace_back(wnd, wnd->Watch());
        }
    }
    for (auto& [wnd, life] : opened) {
        if (!life.expired()) {
            main->DestroyWindow(wnd);
        }
    }
}

// ---- Panels ----

void CGardenWnd::TogglePanel(GardenPanelSlot slot, int arg)
{
    TogglePanel(GetGardenPanelRecord(slot), slot, arg);
}

void CGardenWnd::TogglePanel(const RuntimeClassRecord* record, GardenPanelSlot slot, int arg)
{
    if (slot < GardenPanelSlot::kSeedBag || slot >= GardenPanelSlot::kCount) {
        return;
    }
    CORVWindow*& held = Slot(slot);
    if (held != nullptr) {
        DeleteChildAndReset(held);
        if (m_eOpenSlot == slot) {
            m_eOpenSlot = GardenPanelSlot::kCount;
        }
        return;
    }
    if (record == nullptr) {
        return;
    }
    const ORVLifeWatch life = Watch();
    CloseOpenPanel();
    OpenChild(&held, record, arg);
    if (!life.expired() && held != nullptr) {
        m_eOpenSlot = slot;
    }
}

void CGardenWnd::CloseOpenPanel()
{
    if (m_eOpenSlot != GardenPanelSlot::kCount) {
        DeleteChildAndReset(Slot(m_eOpenSlot));
        m_eOpenSlot = GardenPanelSlot::kCount;
    }
}

void CGardenWnd::SetToolMode(i32 mode)
{
    m_nToolMode = mode;
    CloseSeedBag();
}

void CGardenWnd::CloseSeedBag()
{
    DeleteChildAndReset(Slot(GardenPanelSlot::kSeedBag));
}

void CGardenWnd::ToggleSeedBag()
{
    CORVWindow*& held = Slot(GardenPanelSlot::kSeedBag);
    if (held != nullptr) {
        DeleteChildAndReset(held);
    } else {
        OpenChild(&held, GetGardenPanelRecord(GardenPanelSlot::kSeedBag), 0);
    }
}

void CGardenWnd::ToggleResearchRules()
{
    CORVWindow*& held = Slot(GardenPanelSlot::kResearchRules);
    if (held != nullptr) {
        DeleteChildAndReset(held);
    } else {
        OpenChild(&held, GetGardenPanelRecord(GardenPanelSlot::kResearchRules), 0);
    }
}

void CGardenWnd::TogglePlantStatus(int arg)
{
    CORVWindow*& held = Slot(GardenPanelSlot::kPlantStatus);
    if (held != nullptr) {
        DeleteChildAndReset(held);
        if (m_eOpenSlot == GardenPanelSlot::kPlantStatus) {
            m_eOpenSlot = GardenPanelSlot::kCount;
        }
    } else {
        OpenChild(&held, GetGardenPanelRecord(GardenPanelSlot::kPlantStatus), arg);
    }
}

void CGardenWnd::ReopenNursery()
{
    if (Slot(GardenPanelSlot::kNursery) != nullptr) {
        TogglePanel(GardenPanelSlot::kNursery);
    }
    TogglePanel(GardenPanelSlot::kNursery);
}

CORVWindow* CGardenWnd::Panel(GardenPanelSlot slot) const
{
    const int i = static_cast<int>(slot);
    return i >= 0 && slot < GardenPanelSlot::kCount ? m_apPanels[i] : nullptr;
}

CGardenLandItem* CGardenWnd::Plot(int number) const
{
    return number >= 1 && number <= kPlots ? m_apPlots[number] : nullptr;
}

bool CGardenWnd::ClosePanelOf(const CORVControl* sender)
{
    if (sender == nullptr) {
        return false;
    }
    for (GardenPanelSlot slot : kClosableSlots) {
        if (Slot(slot) == sender) {
            TogglePanel(nullptr, slot, 0);
            return true;
        }
    }
    if (Slot(GardenPanelSlot::kResearchRules) == sender) {
        ToggleResearchRules();
        return true;
    }
    return false;
}

bool CGardenWnd::AnyBlockingPanelOpen() const
{
    for (GardenPanelSlot slot : kBlockingSlots) {
        if (Panel(slot) != nullptr) {
            return true;
        }
    }
    return false;
}

// ---- Refresh ----

void CGardenWnd::LayoutTopRow()
{
    const bool own = OwnGarden();
    static constexpr int kFromRight[] = {336, 293, 250, 207, 164, 121, 78};   // weather .. settings
    for (int i = kWeather; i <= kSettings; ++i) {
        m_apTop[i]->SetPos(m_nWidth - kFromRight[i], 5);
        SetEnabledVisible(m_apTop[i], true);
    }
    m_apTop[kBack]->SetPos(m_nWidth - 78, 5);
    SetEnabledVisible(m_apTop[kBack], !own);
    if (!own) {
        m_apTop[kWarehouse]->m_bEnabled = 0;
        SetEnabledVisible(m_apTop[kSettings], false);
    }
}

void CGardenWnd::Refresh()
{
    LayoutTopRow();
    m_apBottom[kHarvest]->m_bEnabled = OwnGarden() ? 1 : 0;
    m_apBottom[kResearch]->m_bEnabled = OwnGarden() ? 1 : 0;
    for (CGardenLandItem* plot : m_apPlots) {
        if (plot != nullptr) {
            plot->Reload();
        }
    }
    m_pNotify->m_bVisible = 0;
    if (State().ShownGardenLevel() >= kMaxGardenLevel) {
        SetEnabledVisible(m_pLevelUp, false);
    }
    TellPanel(Panel(GardenPanelSlot::kSeedRank), kEvRefresh, 0);
    const u16 bg = State().m_ShownInfo.U16(L::kInfoBackground);
    m_wBackground = GetXmlGardenMgr().FindBackground(bg) != nullptr ? bg : kDefaultBackground;
    if (OwnGarden() && GetGardenGuide().Step() == 0 && State().m_ShownInfo.m_Bytes[L::kInfoTutorialDone] == 0) {
        GetGardenGuide().ShowWelcome(GardenGuide::kWelcomeStep);
    }
}

void CGardenWnd::PeriodicRefresh()
{
    if (m_bRefreshSuspended != 0) {
        return;
    }
    const u32 now = Now();
    if (now - m_dwLastRefresh <= m_dwRefreshPeriod) {
        return;
    }
    m_dwLastRefresh = now;
    const char* owner = OwnGarden() ? "" : State().m_szOwnerGuid;
    SendEnterGarden(owner, strnlen(owner, L::kNameSize), kRefreshGarden);
}

// ---- Requests about plots ----

void CGardenWnd::SendPlotRequest(u16 sub, u16 plot, u16 param2, bool ownerAlways)
{
    const char* owner = State().m_szOwnerGuid;
    if (OwnGarden() && !ownerAlways) {
        SendGardenRequest(sub, plot, param2);
    } else {
        SendGardenRequest(sub, plot, param2, 0, std::string_view(owner, strnlen(owner, L::kNameSize)));
    }
}

void CGardenWnd::SendPick(u16 plot, bool withCard)
{
    State().m_bStealCardUsed = withCard ? 1 : 0;
    SendPlotRequest(kSubHarvest, plot, withCard ? 1 : 0, true);
}

void CGardenWnd::ShowPlotMessage(int plot, const char* text)
{
    ORVMsg msg(kMsgGardenTopic, kGardenEventPlotText, static_cast<u32>(plot), text != nullptr ? text : "");
    DispatchToChildren(&msg);
}

void CGardenWnd::ApplyToolToPlot(const PlotRecord& plot)
{
    const u16 n = plot.m_Bytes[L::kPlotNumber];
    const int state = LandState(plot);
    if (state == 0) {
        RefusePlot(n, "该土地尚未开发");
        return;
    }
    const bool own = OwnGarden();
    const bool love = IsLovePlot(n);
    PlantRecord plant;
    const bool hasPlant = State().GetPlant(n, plant);
    const std::string me = GetLoginInfo().m_PlayerInfo.Name();
    const bool sownByMe = hasPlant && plant.Text(L::kPlantSower, L::kNameSize) == me;
    switch (m_nToolMode) {
    case ToolManure:
        RefusePlot(n, "没有农家肥了，请到花园道具商店购买");
        m_nToolMode = ToolNone;
        return;
    case ToolPlough:
        if (!own) {
            if (!love) {
                RefusePlot(n, "不能对好友的土地进行犁地操作");
            } else if (state == 1 && sownByMe) {
                ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(BoxAnswer(kEvPloughConfirmed, n), ORVMsg(),
                                                               "您这么做，会把这块地上的作物铲除！真的要这么做吗？");
            } else {
                SendPlotRequest(kSubPlough, n);
            }
        } else if (state == 2) {
            SendPlotRequest(kSubPlough, n);
        } else if (state == 1 && hasPlant) {
            ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(BoxAnswer(kEvPloughConfirmed, n), ORVMsg(),
                                                           "您这么做，会把这块地上的作物铲除！真的要这么做吗？");
        }
        return;
    case ToolSow:
        if ((plot.m_Bytes[L::kPlotFlags] & 0x20) != 0) {
            RefusePlot(n, "土地升级中，升级完成后才可种植");
        } else if (own) {
            if (hasPlant && !love) {
                RefusePlot(n, "这里已经有作物了，请收获后再播种");
            } else if (love) {
                RefusePlot(n, "爱心地只能让好友种植，收获后一人一半");
            } else if (state == 2) {
                RefusePlot(n, "请犁地后再播种");
            } else {
                SendPlotRequest(kSubSow, n, static_cast<u16>(m_dwSelectedSeed));
            }
        } else if (!love) {
            RefusePlot(n, "这里不可以播种");
        } else if (hasPlant) {
            RefusePlot(n, "这里已经有作物了，请稍后后再播种");
        } else {
            SendPlotRequest(kSubSow, n, static_cast<u16>(m_dwSelectedSeed));
        }
        return;
    case ToolWater:
        if (State().NeedsNoWater(n)) {
            RefusePlot(n, "已经浇过水了");
        } else {
            SendPlotRequest(kSubWater, n);
        }
        return;
    case ToolWeed:
        if ((plot.m_Bytes[L::kPlotFlags] & L::kPlotFlagWeeds) == 0) {
            RefusePlot(n, "不需要锄草");
        } else {
            DebugLog("锄草：%d\n", n);
            SendPlotRequest(kSubWeed, n);
        }
        return;
    case ToolCatchPests:
        if ((plot.m_Bytes[L::kPlotFlags] & L::kPlotFlagPests) == 0) {
            RefusePlot(n, "已没有害虫可抓");
        } else {
            SendPlotRequest(kSubPests, n);
        }
        return;
    case ToolHarvest:
        if (state == 2) {
            RefusePlot(n, love ? "植物已经枯萎" : "植物已经枯萎，可通过\"犁地\"清除枯萎植物重新播种");
        } else if (!hasPlant) {
            RefusePlot(n, "这块地上没有东西可收获");
        } else if (State().IsPlantRipe(n)) {
            SendPlotRequest(kSubHarvest, n, 0, true);
        }
        return;
    case ToolPick: {
        if (!hasPlant) {
            RefusePlot(n, n == 0 || n > 10 ? "这块地上没有东西可收获" : "这块地上没有东西可采");
            return;
        }
        if (!State().IsPlantRipe(n)) {
            RefusePlot(n, "作物尚未成熟");
            return;
        }
        CORVConfigMgr& config = CORVConfigMgr::GetSingleton();
        const i32 autoUse = config.GetValue(ORVConfigKey::AutoUseStealCard);
        const i32 openTip = config.GetValue(ORVConfigKey::OpenStealCardTip);
        if (openTip != 0 && !love) {
            ORVMsgBoxRequest req;
            req.m_nStyle = kMsgBoxStyleBase | kMsgBoxStyleTwoButtons | kMsgBoxStyleCheck;
            req.m_strText = "使用[幻影采摘卡]后采得果实数量翻倍，确定要使用吗？设置选项内可以设置幻影采摘卡的使用。";
            req.m_strCheckText = "以后不再显示";
            req.m_bChecked = 1;
            req.m_OkMsg = BoxAnswer(kEvPickWithCard, n);
            req.m_CancelMsg = BoxAnswer(kEvPickWithoutCard, n);
            ORVMsgBoxQueue::GetSingleton().ShowMsgBox(req);
        } else if (sownByMe) {
            SendPick(n, false);
        } else if (autoUse != 0 && !GetToolCardStore().HasType(kStealCardType)) {
            ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "您没有幻影采摘卡,在道具商城可以购买该道具！");
        } else {
            SendPick(n, autoUse != 0);
        }
        return;
    }
    default:
        return;
    }
}

void CGardenWnd::AnswerPick(bool withCard)
{
    // The box is still up while its answer is handled: its check box tells whether to keep asking.
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    if (boxes.m_pBox != nullptr && boxes.m_pBox->IsChecked()) {
        CORVConfigMgr::GetSingleton().SetValue(ORVConfigKey::OpenStealCardTip, withCard ? 1 : 0);
    }
}

// ---- Level-up ----

CGardenWnd::LevelUpConditions CGardenWnd::EvaluateLevelUp() const
{
    LevelUpConditions c;
    c.m_pRow = GetXmlGardenMgr().GetLevelDetail(LevelUpLevel());
    if (c.m_pRow == nullptr) {
        return c;   // L - 1 is past the rows
    }
    c.m_bLove = static_cast<std::int64_t>(c.m_pRow->m_nLoveNeed) <= static_cast<std::int64_t>(State().m_ShownInfo.U32(L::kInfoLovePoints));
    int developed = 0;
    int levelled = 0;
    for (const CGardenLandItem* plot : m_apPlots) {
        if (plot == nullptr || plot->m_bHasRecord == 0) {
            continue;
        }
        developed += LandState(plot->m_Plot) != 0 ? 1 : 0;
        levelled += plot->m_Plot.m_Bytes[L::kPlotSoilLevel] + 1 >= c.m_pRow->m_nYieldLvl ? 1 : 0;
    }
    c.m_bLand = developed >= c.m_pRow->m_nYieldNeed1 && levelled >= c.m_pRow->m_nYieldNeed2;
    return c;
}

void CGardenWnd::UpdateLevelUpButton()
{
    const bool show = OwnGarden() && State().ShownGardenLevel() < kMaxGardenLevel;
    SetEnabledVisible(m_pLevelUp, show);
    m_bConditionsMet = 0;
    if (show) {
        const LevelUpConditions c = EvaluateLevelUp();
        m_bConditionsMet = c.m_bLove && c.m_bLand ? 1 : 0;
    }
}

void CGardenWnd::LevelUpCheck()
{
    if (m_bConditionsMet == 0) {
        ShowTipText("目前未满足升级条件！");
        return;
    }
    const int level = LevelUpLevel();
    const CLevelDetail* row = GetXmlGardenMgr().GetLevelDetail(level);
    if (row == nullptr || level > 5) {
        ShowTipText("已达最高级！");
        return;
    }
    char text[160];
    BoundedPrintf(text, sizeof text, "升级花园需要扣除%d点爱心值\n升级花园需要等待时间%d分钟", row->m_nLoveNeed, row->m_nTimeNeed);
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(MakeGameEvent(kEvLevelUp), ORVMsg(), text);
}

void CGardenWnd::ShowLevelUpTip()
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Clear();
    char text[128];
    const int shown = State().ShownGardenLevel();
    const u32 upgrade = State().m_ShownInfo.U32(L::kInfoUpgradeTime);
    if (upgrade != 0) {
        AddTip(kTipStyle, "升级中");
        AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "离升级完成还需：%s", FormatTimeDHM(upgrade).c_str()));
        return;
    }
    if (shown >= kMaxGardenLevel) {
        AddTip(kTipStyle, "花园已达最高等级");
        AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "花园等级：%d", shown));
        return;
    }
    const int level = LevelUpLevel();
    const LevelUpConditions c = EvaluateLevelUp();
    const CLevelDetail* row = c.m_pRow;
    AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "当前花园等级：%d", shown));
    if (row != nullptr) {
        AddTip(c.m_bLove ? kTipStyle : kTipStyleUnmet, BoundedPrintf(text, sizeof text, "提升到下一等级需要%d点爱心值", row->m_nLoveNeed));
        AddTip(c.m_bLand ? kTipStyle : kTipStyleUnmet,
               BoundedPrintf(text, sizeof text, "提升到下一等级需要%d块土地，并且需要%d块%d级土地", row->m_nYieldNeed1,
                             row->m_nYieldNeed2, row->m_nYieldLvl));
    }
    if (level + 1 < kMaxGardenLevel) {
        AddTip(kTipStyle, "升级后可获得土地数上限");
    }
    AddTip(kTipStyle, "花园等级提升后，土地才可能提升到对应等级");
}

// ---- Input ----

bool CGardenWnd::OnMouseMove(int x, int y)
{
    m_nMouseX = x;
    m_nMouseY = y;
    const bool handled = CORVWindow::OnMouseMove(x, y);
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr || mgr->m_pHover != this) {
        return handled;
    }
    const GardenInfo& info = State().m_ShownInfo;
    char text[128];
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    if (x > 31 && x < 200 && y > 8 && y < 22) {
        tip.Clear();
        static const char* const kLabels[] = {"累计访问量：", "昨日访问量：", "采摘果实数：", "帮助务农次数："};
        for (int i = 0; i < 4; ++i) {
            AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "%s%u", kLabels[i], unsigned{info.U16(L::kInfoVisitors + 2 * i)}));
        }
    } else if (x > 31 && x < 200 && y > 29 && y < 43) {
        tip.Clear();
        AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "当前财富：%s", FormatThousands(static_cast<i32>(info.U32(L::kInfoWealth)))));
        AddTip(kTipStyle,
               BoundedPrintf(text, sizeof text, "累计财富：%s", FormatThousands(static_cast<i32>(info.U32(L::kInfoTotalWealth)))));
    } else if (x > 237 && x < 406 && y > 29 && y < 43) {
        tip.Clear();
        AddTip(kTipStyle, GetXmlGardenMgr().GetLoveTip().c_str());
    }
    return handled;
}

bool CGardenWnd::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    char text[128];
    if (child == m_apBottom[kSow]) {
        if (Slot(GardenPanelSlot::kSeedBag) == nullptr) {
            ToggleSeedBag();
        }
        m_pToolStrip->ShowFor(CGardenSubOperWnd::kNone, nullptr);
    } else if (child == m_apBottom[kFarmWork]) {
        m_pToolStrip->ShowFor(CGardenSubOperWnd::kFarmTools, child);
        CloseSeedBag();
        GetGardenGuide().AdvanceFrom(kGuideFarmWork);
    } else if (child == m_apBottom[kPick]) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Clear();
        AddTip(kTipStyle, BoundedPrintf(text, sizeof text, "%d级采摘术", State().m_OwnInfo.U16(L::kInfoPickLevel) + 1));
        AddTip(kTipStyle, "采摘级别越高，采到高级土地\n果实的成功率越高，体力最大\n值越大，体力恢复速度越快");
        m_pToolStrip->ShowFor(CGardenSubOperWnd::kPickTools, child);
        CloseSeedBag();
    } else if (child == m_pLevelUp) {
        ShowLevelUpTip();
    } else if (child == m_pNotify) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Clear();
        AddTip(kTipStyle, "通知按钮");
        AddTip(kTipStyle, "告诉花园主人果实可以收获");
        AddTip(kTipStyle, "或者土地该播种啦");
    } else {
        for (CORVButton* b : m_apBottom) {
            if (b == child) {
                CloseSeedBag();
                m_pToolStrip->ShowFor(CGardenSubOperWnd::kNone, nullptr);
                break;
            }
        }
    }
    return CORVWindow::OnChildMouseEnter(child, prev);
}

bool CGardenWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyClose) {
        ClosePanelOf(msg->m_pSender);
        return true;
    }
    if (msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return CORVWindow::OnMessage(msg);
    }
    const CORVControl* sender = msg->m_pSender;
    GardenGuide& guide = GetGardenGuide();
    for (int i = 0; i < kTopButtons; ++i) {
        if (sender != m_apTop[i]) {
            continue;
        }
        if (i == kBack) {
            SendEnterGarden("", 0, kEnterGarden);
            return true;
        }
        TogglePanel(kTopPanels[i]);
        if (i == kNursery) {
            guide.AdvanceFrom(kGuideNursery);
        } else if (i == kFriends) {
            guide.AdvanceFrom(kGuideFriends);
        }
        return true;
    }
    if (sender == m_apBottom[kNews]) {
        TogglePanel(GardenPanelSlot::kNews);
    } else if (sender == m_apBottom[kTasks]) {
        TogglePanel(GardenPanelSlot::kTasks);
    } else if (sender == m_apBottom[kResearch]) {
        TogglePanel(GardenPanelSlot::kResearch);
        guide.AdvanceFrom(kGuideResearch);
    } else if (sender == m_apBottom[kSow]) {
        TogglePanel(GardenPanelSlot::kSeedBag);
    } else if (sender == m_apBottom[kAttributes]) {
        SetToolMode(ToolNone);
    } else if (sender == m_apBottom[kPlough]) {
        SetToolMode(ToolPlough);
    } else if (sender == m_apBottom[kHarvest]) {
        SetToolMode(ToolHarvest);
    } else if (sender == m_pLevelUp) {
        LevelUpCheck();
    } else if (sender == m_pNotify) {
        if (!OwnGarden()) {
            const char* owner = State().m_szOwnerGuid;
            SendGardenRequest(kSubNotify, 0, 0, 0, std::string_view(owner, strnlen(owner, L::kNameSize)));
            m_pNotify->m_bVisible = 0;
        }
    } else if (sender == m_pCloseButton) {
        Close();
    }
    return true;
}

bool CGardenWnd::OnRButtonUp(int x, int y)
{
    m_nToolMode = ToolNone;
    return CORVWindow::OnRButtonUp(x, y);
}

// ---- Game events ----

void CGardenWnd::FriendEntered()
{
    if (m_bRefreshSuspended != 0) {
        char text[320];
        char owner[128];
        BoundedPrintf(owner, sizeof owner, "%s", State().m_szOwnerDisplay);
        std::snprintf(text, sizeof text,
                      "您已经进入%s的花园，成功帮好友除虫、除草、浇水\n可获得一定的爱心，也可以采摘好友菜地中成熟的果实哦!", owner);
        CAutoTip::GetSingleton().AddText(text, 0xFF00FF00, 180);
        m_nToolMode = ToolNone;
        CloseOpenPanel();
        DeleteChildAndReset(Slot(GardenPanelSlot::kResearchRules));
        DeleteChildAndReset(Slot(GardenPanelSlot::kPlantStatus));
        TellPanel(Panel(GardenPanelSlot::kSeedRank), kEvFriendEntered, 0);
    }
    m_bRefreshSuspended = 0;
}

bool CGardenWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kMsgGardenTopic) {
        return CORVWindow::ProcessMessage(msg);
    }
    const ORVLifeWatch life = Watch();
    const u16 plot = PlotOfEvent(*msg);
    bool thenChildren = false;
    switch (msg->m_wParam) {
    case kEvRefresh:
        Refresh();
        return true;
    case kEvPlotClicked: {
        PlotRecord record;
        if (plot < 1 || plot > kPlots) {
            return true;
        }
        if (!State().GetPlot(plot, record) || LandState(record) == 0) {
            RefusePlot(plot, "该土地尚未开发");
            return true;
        }
        const i32 mode = m_nToolMode;
        ApplyToolToPlot(record);
        if (!life.expired() && mode >= 0 && mode < kCursors) {
            m_aCursors[mode].Start(kCursorSpeed);
        }
        return true;
    }
    case kEvOpenSeedBag:
        if (Slot(GardenPanelSlot::kSeedBag) == nullptr) {
            ToggleSeedBag();
        }
        return true;
    case kEvSeedChosen: {
        u32 entry = 0;
        if (State().FindSeedBagEntry(plot, entry)) {
            m_dwSelectedSeed = plot;
            SetToolMode(ToolSow);
        }
        return true;
    }
    case kEvCloseSeedBag:
        CloseSeedBag();
        return true;
    case kEvCloseToolCards:
    case kEvCloseSettings:
    case kEvCloseFriends: {
        static constexpr GardenPanelSlot kSlots[] = {GardenPanelSlot::kToolCards, GardenPanelSlot::kSettings,
                                                     GardenPanelSlot::kFriends};
        const GardenPanelSlot slot = kSlots[msg->m_wParam - kEvCloseToolCards];
        if (Slot(slot) != nullptr) {
            TogglePanel(nullptr, slot, 0);
        }
        thenChildren = true;
        break;
    }
    case kEvPloughConfirmed:
        SendPlotRequest(kSubPlough, plot);
        return true;
    case kEvSuspendRefresh:
        m_bRefreshSuspended = 1;
        return true;
    case kEvFriendEntered:
        FriendEntered();
        return true;
    case kEvToolNone:
        m_nToolMode = ToolNone;
        return true;
    case kEvRelay:
    case kEvRelay2: {
        const auto* record = reinterpret_cast<const u8*>(msg->m_pSender);
        if (record == nullptr) {
            return true;
        }
        ORVMsg relayed(ReadLE16(record + 4), ReadLE16(record + 6), msg->m_pSender);
        DispatchToChildren(&relayed);
        return true;
    }
    case kEvReopenToolCards:
    case kEvReopenSettings: {
        const GardenPanelSlot slot = msg->m_wParam == kEvReopenToolCards ? GardenPanelSlot::kToolCards : GardenPanelSlot::kSettings;
        if (Slot(slot) != nullptr) {
            TogglePanel(nullptr, slot, 0);
        }
        TogglePanel(slot, static_cast<int>(SenderAsValue(*msg)));
        thenChildren = true;
        break;
    }
    case kEvYieldEstimate: {
        CORVWindow*& held = Slot(GardenPanelSlot::kYieldEstimate);
        const u16 id = static_cast<u16>(SenderAsValue(*msg));
        if (held != nullptr) {
            DeleteChildAndReset(held);
        } else {
            OpenChild(&held, GetGardenPanelRecord(GardenPanelSlot::kYieldEstimate), 0);
            if (!life.expired() && held != nullptr) {
                // The panel asks for the plant's estimate (0x1e) when it takes the plant: asking
                // here too would send the request twice.
                TellPanel(held, kEvYieldEstimate, id);
            }
        }
        thenChildren = true;
        break;
    }
    case kEvOpenPlot:
        SendGardenRequest(kSubOpenPlot, plot, 0);
        return true;
    case kEvUpgradePlot:
        SendGardenRequest(kSubUpgradePlot, plot, 0);
        return true;
    case kEvFertilise:
        SendGardenRequest(kSubFertilise, plot, 0);
        return true;
    case kEvPickWithCard:
        AnswerPick(true);
        if (!GetToolCardStore().HasType(kStealCardType)) {
            ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "您没有幻影采摘卡,在道具商城可以购买该道具！");
        } else {
            SendPick(plot, true);
        }
        return true;
    case kEvPickWithoutCard:
        AnswerPick(false);
        SendPick(plot, false);
        return true;
    case kEvResearchRules:
        ToggleResearchRules();
        return true;
    case kEvPlantStatus:
        TogglePlantStatus(static_cast<int>(SenderAsValue(*msg)));
        return true;
    case kEvWelcomeOk:
        GetGardenGuide().AdvanceFrom(GardenGuide::kWelcomeStep);
        thenChildren = true;
        break;
    case kEvWelcomeCancel:
        GetGardenGuide().Finish();
        thenChildren = true;
        break;
    case kEvLevelUp:
        SendGardenRequest(kSubLevelUp, 0, 0);
        return true;
    default:
        return CORVWindow::ProcessMessage(msg);
    }
    if (thenChildren && !life.expired()) {
        DispatchToChildren(msg);
    }
    return true;
}
