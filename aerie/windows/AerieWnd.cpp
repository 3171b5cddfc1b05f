#include "aerie/windows/AerieWnd.h"

#include <algorithm>
#include <cstring>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/BackgroundFit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieWnd, CORVWindow)

namespace {

// The main window opens the game window through this record.
struct AerieWndRegistration {
    AerieWndRegistration() { SetSystemWindowRecord(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CAerieWnd)); }
};
const AerieWndRegistration g_AerieWndRegistration;

constexpr u16 kBackFrame = 1;
constexpr int kBeastIconX = -2;
constexpr int kBeastIconY = 542;
constexpr int kBuildingW = 120;
constexpr int kBuildingH = 130;
constexpr u16 kMaxMonsterLevel = 4;
constexpr const char kInvasionTip[] =
    "目前已有一群怪物经过你的琉璃台，消灭\n这些怪物可获得大量资源，在好友的琉璃\n台参加好友的防御任务你也可获得大量资源";

const RuntimeClassRecord* Record(AerieWndKind kind)
{
    return GetAerieWindowRecord(kind);
}

constexpr GameTopic<CAerieWnd> kTopics[] = {
    {EVT_CITY_ENTERED, &CAerieWnd::OnCityEntered},
    {EVT_CITY_CHANGED, &CAerieWnd::OnCityChanged},
    {EVT_NOTICE_CHECK, &CAerieWnd::OnNoticeCheck},
    {EVT_BUYRESOURCE_WND, &CAerieWnd::OnBuyResource},
    {EVT_LVLUP_WND, &CAerieWnd::OnLvlupWnd},
    {EVT_MONSTER_NOTICE, &CAerieWnd::OnMonsterNotice},
    {EVT_BEAST_CHANGED, &CAerieWnd::OnBeastChanged},
    {EVT_GETMONSTER_WND, &CAerieWnd::OnGetMonsterWnd},
    {EVT_FIGHTROB_WND, &CAerieWnd::OnFightWnd},
    {EVT_FIGHTDEFEND_WND, &CAerieWnd::OnFightWnd},
    {EVT_FIGHTINFO_WND, &CAerieWnd::OnFightWnd},
    {EVT_CLOSE_SUBWND, &CAerieWnd::OnCloseSubWnd},
    {EVT_LEAVE_FOR_DEFENCE, &CAerieWnd::OnOpenMissionLater},
    {EVT_SETTINGS_CHANGED, &CAerieWnd::OnSettingsChanged},
    {EVT_NEWBIE_STEP, &CAerieWnd::OnNewbieStep},
    {EVT_INFO_WND, &CAerieWnd::OnInfoWnd},
    {EVT_PRODUCTINFO_WND, &CAerieWnd::OnProductInfoWnd},
    {EVT_SPEEDUP_WND, &CAerieWnd::OnSpeedUpWnd},
    {EVT_BUILDINGS_CHANGED, &CAerieWnd::OnBuildingsChanged},
    {EVT_AWARDREFRESH_WND, &CAerieWnd::OnAwardRefreshWnd},
    {EVT_EXCHANGE_WND, &CAerieWnd::OnExchangeWnd},
    {EVT_SUBWND_DONE, &CAerieWnd::OnSubWndDone},
};

}  // namespace

i32& MissionWndTab()
{
    return WindowKeep().m_nMissionTab;
}

CAerieWnd::CAerieWnd() = default;

CAerieWnd::~CAerieWnd()
{
    // From here on no game event reaches this window: the boxes closed and the host told below
    // may send some, and so may the windows dying after (in the base's destructor).
    BeginTeardown();
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        // Any message box, popup menu or quantity window belongs to the game: closed with it.
        for (u32 id : {ORV_MSG_MSGBOX, ORV_MSG_POPMENU, ORV_MSG_SPLITWND}) {
            ORVMsg close(id, kSysWndClose);
            mgr->RouteMessage(&close);
        }
    }
    MissionWndTab() = 0;   // the next opening of the game starts on the first tab
    // At library unload the host's callback is already forgotten: nothing reaches a host that
    // may be gone.
    if (CHostCallBackGuard* host = ORVCallBack()) {
        AerieView::SendLeave();
        host->NotifyGameWindow(1);
    }
    // The event slots first, as on a city entry; every other child ends in the base.
    DeleteEventSlots();
    m_AwardRefreshWnd.Close();
    m_ExchangeWnd.Close();
}

void CAerieWnd::DeleteEventSlots()
{
    // Each slot is read when its turn comes: a dying window may have emptied a later one.
    m_SubWnd.Close();
    m_LvlupWnd.Close();
    m_SpeedUpWnd.Close();
    m_MonLvlupWnd.Close();
    m_FightWnd.Close();
    m_GetMonsterWnd.Close();
}

void CAerieWnd::SetUpFrame()
{
    FitToBackground(*this, kBackFrame);
}

bool CAerieWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}

void CAerieWnd::OnCreateControls()
{
    CreateBeastIcon();

    struct ButtonSpec {
        CORVButton** m_ppButton;
        int m_nX;
        int m_nY;
        u16 m_wFrame;
        const char* m_pszTip;
    };
    const ButtonSpec buttons[] = {
        {&m_pInfoBtn, 479, 557, 101, "信息"},
        {&m_pBeastBtn, 518, 557, 284, "守护兽"},
        {&m_pMonsterBtn, 557, 557, 104, "怪物"},
        {&m_pTechBtn, 596, 557, 107, "科技"},
        {&m_pMissionBtn, 635, 557, 110, "任务"},
        {&m_pRankBtn, 674, 557, 113, "排行"},
        {&m_pFriendBtn, 713, 557, 116, "好友"},
        {&m_pSetBtn, 752, 557, 119, "设置"},
        {&m_pBackBtn, 752, 557, 212, "返回"},
        {&m_pCloseButton, 771, 15, kCloseButtonFrame, ""},
        {&m_pHelpBtn, m_nWidth - 55, 2, 63, "帮助"},
    };
    for (const ButtonSpec& b : buttons) {
        CreateButton(b.m_nX, b.m_nY, b.m_ppButton, b.m_wFrame, true, true, b.m_pszTip);
    }
    CreateButton(20, 38, &m_pInvasionBtn, 287, false, false, kInvasionTip);
    Guide().SetStepTarget(5, m_pBeastBtn);
    Guide().SetStepTarget(17, m_pMonsterBtn);
    Guide().SetStepTarget(39, m_pMonsterBtn);
    Guide().SetStepTarget(33, m_pMissionBtn);
    Guide().SetStepTarget(41, m_pMissionBtn);

    for (u32 id = 0; id < AerieView::kBuildingCount; ++id) {
        if (const CXmlBuilding* cfg = AerieView::FindBuildingConfig(id)) {
            m_pBuildings[id] = static_cast<CAerieBuildingCtrl*>(CreateChildAt(
                ORV_RUNTIME_CLASS(CAerieBuildingCtrl), cfg->m_nX, cfg->m_nY, kBuildingW, kBuildingH,
                static_cast<int>(id), ""));
        }
    }
    Guide().SetStepTarget(26, m_pBuildings[0]);
    Guide().SetStepTarget(29, m_pBuildings[1]);

    m_pGardenBtn = static_cast<CAerieButton*>(
        CreateChildAt(ORV_RUNTIME_CLASS(CAerieButton), 291, 0, kBuildingW, kBuildingH, kGardenFrame, ""));
    if (m_pGardenBtn != nullptr) {
        m_pGardenBtn->m_strToolTip = "花园";
    }
    m_pRestaurantBtn = static_cast<CAerieButton*>(
        CreateChildAt(ORV_RUNTIME_CLASS(CAerieButton), 473, 0, kBuildingW, kBuildingH, kRestaurantFrame, ""));
    if (m_pRestaurantBtn != nullptr) {
        m_pRestaurantBtn->m_strToolTip = "餐厅";
    }

    m_pBuildingInfo = CreateChild(ORV_RUNTIME_CLASS(CAerieBuildingInfoWnd), 0, "");

    if (AerieView::HasNewMonster()) {
        PostGameEvent(EVT_GETMONSTER_WND, 1);
    }
    m_rcCoinTip[0] = 62;
    m_rcCoinTip[1] = 562;
    m_rcCoinTip[2] = 168;
    m_rcCoinTip[3] = 574;
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->NotifyGameWindow(0);
    }
}

void CAerieWnd::CreateBeastIcon()
{
    DeleteChildAndReset(m_pBeastIcon);
    i32 type = 0;
    i32 sex = 0;
    if (!AerieView::GetShownBeast(&type, &sex)) {
        return;
    }
    if (const CXmlBeast* beast = CXmlAerieMgr::GetSingleton()->FindBeast(type, sex != 0)) {
        CreateButton(kBeastIconX, kBeastIconY, &m_pBeastIcon, static_cast<u16>(beast->m_nIcon), true, true, "");
    }
}

void CAerieWnd::ToggleSubWindow(const RuntimeClassRecord* record, bool closeFirst, int arg)
{
    m_SubWnd.Toggle(record, closeFirst, arg);
}

void CAerieWnd::OnChildSetFocus(CORVControl* child, CORVControl*)
{
    if (::IsKindOf(child, ORV_RUNTIME_CLASS(CAerieContainer))) {
        BringToFront(child);
    }
}

bool CAerieWnd::OnMouseMove(int x, int y)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    if (x >= m_rcCoinTip[0] && x <= m_rcCoinTip[2] && y >= m_rcCoinTip[1] && y <= m_rcCoinTip[3]) {
        tip.AddText(6, "由主城每日零点产出，主\n城等级越高，产出越多", 1);
    }
    return CORVWindow::OnMouseMove(x, y);
}

bool CAerieWnd::OnChildMouseEnter(CORVControl* child, CORVControl*)
{
    if (m_pSubOper != nullptr && child != m_pSubOper) {
        m_pSubOper->Hide();
    }
    if (child != nullptr && child == m_pInfoBtn) {
        if (m_pSubOper == nullptr) {
            m_pSubOper = static_cast<CAerieSubOperCtrl*>(CreateChild(ORV_RUNTIME_CLASS(CAerieSubOperCtrl), 0, ""));
        }
        if (m_pSubOper != nullptr) {
            m_pSubOper->Show(m_pInfoBtn);
        }
    }
    return true;
}

bool CAerieWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick) {
        OnClick(msg->m_pSender);
    } else if (msg->m_nId == kNotifyClose) {
        OnCloseRequest(msg->m_pSender);
    }
    return true;
}

const AerieWndKind* CAerieWnd::PlainToolbarKind(const CORVControl* sender) const
{
    // Toolbar buttons that only toggle their window.
    static constexpr AerieWndKind kKinds[] = {AerieWndKind::Rank, AerieWndKind::Friend, AerieWndKind::Set,
                                              AerieWndKind::Help};
    const CORVButton* const buttons[] = {m_pRankBtn, m_pFriendBtn, m_pSetBtn, m_pHelpBtn};
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (sender != nullptr && sender == buttons[i]) {
            return &kKinds[i];
        }
    }
    return nullptr;
}

void CAerieWnd::OnClick(CORVControl* sender)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (sender == m_pBeastBtn) {
        ToggleSubWindow(Record(AerieWndKind::Beast), false, 0);
        Guide().OnStepEvent(5);
    } else if (sender == m_pMonsterBtn) {
        ToggleSubWindow(Record(AerieWndKind::MonsterGroup), false, 0);
        Guide().OnStepEvent(17);
        Guide().OnStepEvent(39);
    } else if (sender == m_pTechBtn) {
        ToggleSubWindow(Record(AerieWndKind::Technology), false, 2);
    } else if (sender == m_pMissionBtn) {
        ToggleSubWindow(Record(AerieWndKind::Mission), false, 0);
        Guide().OnStepEvent(33);
        Guide().OnStepEvent(41);
    } else if (sender == m_pBeastIcon) {
        ToggleSubWindow(Record(AerieWndKind::Beast), false, 0);
    } else if (const AerieWndKind* kind = PlainToolbarKind(sender)) {
        ToggleSubWindow(Record(*kind), false, 0);
    } else if (sender == m_pGardenBtn || sender == m_pRestaurantBtn) {
        const bool garden = sender == m_pGardenBtn;
        PostGameEvent(EVT_CLOSE_GAMEWND);
        if (host != nullptr) {
            const char* owner = AerieView::GetShownOwnerName();
            if (garden) {
                host->OpenPlayerGarden(owner);
            } else {
                host->OpenPlayerRestaurant(owner);
            }
        }
    } else if (sender == m_pBackBtn) {
        if (host != nullptr) {
            AerieView::SendVisitOwnCity();
        }
    } else if (sender == m_pInvasionBtn) {
        MissionWndTab() = 1;
        ToggleSubWindow(Record(AerieWndKind::Mission), false, 0);
    } else if (sender == m_pCloseButton) {
        Close();
    } else {
        for (u32 id = 0; id < AerieView::kBuildingCount; ++id) {
            if (sender != m_pBuildings[id]) {
                continue;
            }
            if (id == 17) {
                ToggleSubWindow(ORV_RUNTIME_CLASS(CAerieGodWnd), true, 17);
            } else if (id == 0) {
                ToggleSubWindow(ORV_RUNTIME_CLASS(CAerieMainCityWnd), true, 0);
                Guide().OnStepEvent(26);
            } else if (id >= 9 && id <= 12) {
                ToggleSubWindow(Record(AerieWndKind::Technology), true, static_cast<int>(id) - 9);
            } else {
                ToggleSubWindow(ORV_RUNTIME_CLASS(CAerieBuildingWnd), true, static_cast<int>(id));
                if (id == 1) {
                    Guide().OnStepEvent(29);
                }
            }
            break;
        }
    }
}

void CAerieWnd::OnCloseRequest(CORVControl* sender)
{
    for (CSubWndSlot* slot : {&m_SubWnd, &m_LvlupWnd, &m_MonLvlupWnd, &m_FightWnd, &m_GetMonsterWnd, &m_SpeedUpWnd,
                              &m_AwardRefreshWnd, &m_ExchangeWnd}) {
        if (slot->CloseIfFrom(sender)) {
            break;
        }
    }
}

void CAerieWnd::Render()
{
    CORVControlContainer::Render();   // the HUD draws the background itself
}

void CAerieWnd::SetLevelDisplay(bool show)
{
    for (CAerieBuildingCtrl* building : m_pBuildings) {
        if (building != nullptr) {
            building->m_bShowLevel = show ? 1 : 0;
        }
    }
    for (CAerieButton* button : {m_pGardenBtn, m_pRestaurantBtn}) {
        if (button != nullptr) {
            button->m_bShowLevel = show ? 1 : 0;
        }
    }
}

// ---- Game events ----

bool CAerieWnd::OnCityEntered(ORVMsg*)
{
    const bool own = AerieView::IsOwnCityShown();
    if (m_pSetBtn != nullptr) {
        m_pSetBtn->m_bVisible = own ? 1 : 0;
    }
    if (m_pBackBtn != nullptr) {
        m_pBackBtn->m_bVisible = own ? 0 : 1;
    }
    DeleteEventSlots();
    if (m_bOpenMissionOnEnter != 0) {
        m_bOpenMissionOnEnter = 0;
        ToggleSubWindow(Record(AerieWndKind::Mission), false, 0);
    }
    return true;
}

bool CAerieWnd::OnCityChanged(ORVMsg*)
{
    if (m_pInvasionBtn == nullptr) {
        return true;
    }
    u8 phase = 0;
    u8 flags = 0;
    u32 left = 0;
    bool shown = false;
    if (!AerieView::GetDefenceMission(&phase, &flags, &left)) {
        m_bInvasionCountdown = 0;
    } else if ((flags & 0x06) != 0) {
        m_bInvasionCountdown = 0;
        shown = true;
    } else {
        m_bInvasionCountdown = 1;
    }
    if (phase < 3) {
        m_bInvasionCountdown = 0;
    }
    // The main cities must be at level 3: the own one, and the visited one when visiting.
    const bool ownReady = AerieView::GetMainCityLevel(true) >= 3;
    const bool stands = AerieView::IsOwnCityShown() ? ownReady : ownReady && AerieView::GetMainCityLevel(false) >= 3;
    if (!stands) {
        shown = false;
        m_bInvasionCountdown = 0;
    }
    m_pInvasionBtn->m_bVisible = shown ? 1 : 0;
    m_pInvasionBtn->m_bEnabled = shown ? 1 : 0;
    m_bInvasionBlink = shown ? 1 : 0;
    return true;
}

bool CAerieWnd::OnNoticeCheck(ORVMsg*)
{
    m_nNoticeKind = kNoticeNone;
    if (AerieView::IsOwnCityShown()) {
        if (AerieView::CountBagEggs() > 0 && AerieView::HasFreeIncubator()) {
            m_nNoticeKind = kNoticeEggs;
        } else if (AerieView::GetBeastBreedingsToday() < 3) {
            m_nNoticeKind = kNoticeBreedings;
        }
    } else if (AerieView::AnyIncubatorFinished()) {
        m_nNoticeKind = kNoticeHatched;
    }
    if (m_nNoticeKind != kNoticeNone) {
        m_nNoticeTick = TickNow();
    }
    return true;
}

bool CAerieWnd::OnBuyResource(ORVMsg*)
{
    ToggleSubWindow(Record(AerieWndKind::BuyResource), false, 0);
    return true;
}

bool CAerieWnd::OnLvlupWnd(ORVMsg* msg)
{
    if ((msg->m_lParam & 0xFFFF) == 0) {
        m_SubWnd.Close();
    }
    m_LvlupWnd.Open(Record(AerieWndKind::Lvlup), static_cast<int>(msg->m_lParam), msg->m_strText);
    return true;
}

bool CAerieWnd::OnMonsterNotice(ORVMsg* msg)
{
    // u16 monster slot, u16 mode; missing bytes read as 0.
    const auto* bytes = reinterpret_cast<const unsigned char*>(msg->m_strText.data());
    const u16 slot = ReadLE16At(bytes, msg->m_strText.size(), 0);
    const u16 mode = ReadLE16At(bytes, msg->m_strText.size(), 2);
    if (mode == 1) {
        const CXmlMonster* monster = AerieView::FindShownMonsterBySlot(slot);
        if (monster != nullptr && monster->m_nLvl >= kMaxMonsterLevel) {
            GameTip("当前怪物已是最高等级！");
        } else {
            m_MonLvlupWnd.Open(Record(AerieWndKind::MonLvlup), static_cast<int>(msg->m_lParam), msg->m_strText);
        }
    } else if (mode == 0) {
        m_MonLvlupWnd.Close();
    }
    return true;
}

bool CAerieWnd::OnBeastChanged(ORVMsg*)
{
    CreateBeastIcon();
    return false;   // passed on
}

bool CAerieWnd::OnGetMonsterWnd(ORVMsg* msg)
{
    if (msg->m_lParam == 1) {
        m_GetMonsterWnd.Open(Record(AerieWndKind::GetMonster), msg->m_strText.empty() ? 0 : 1, msg->m_strText);
    } else if (msg->m_lParam == 0) {
        m_GetMonsterWnd.Close();
    }
    return false;   // passed on
}

bool CAerieWnd::OnFightWnd(ORVMsg* msg)
{
    const AerieWndKind kind = msg->m_wParam == EVT_FIGHTROB_WND      ? AerieWndKind::FightRobBefore
                              : msg->m_wParam == EVT_FIGHTDEFEND_WND ? AerieWndKind::FightDefendBefore
                                                                     : AerieWndKind::FightInfo;
    m_FightWnd.OpenOrAskClose(Record(kind), static_cast<int>(msg->m_lParam));
    return true;
}

bool CAerieWnd::OnCloseSubWnd(ORVMsg*)
{
    m_FightWnd.Close();
    return true;
}

bool CAerieWnd::OnOpenMissionLater(ORVMsg*)
{
    m_bOpenMissionOnEnter = 1;
    return true;
}

bool CAerieWnd::OnSettingsChanged(ORVMsg* msg)
{
    SetLevelDisplay(msg->m_lParam != 0);
    return true;
}

bool CAerieWnd::OnNewbieStep(ORVMsg* msg)
{
    Guide().OnStepEvent(static_cast<u16>(msg->m_lParam));
    return true;
}

bool CAerieWnd::OnInfoWnd(ORVMsg*)
{
    ToggleSubWindow(Record(AerieWndKind::Info), false, 0);
    return true;
}

bool CAerieWnd::OnProductInfoWnd(ORVMsg*)
{
    ToggleSubWindow(Record(AerieWndKind::ProductInfo), false, 0);
    return true;
}

bool CAerieWnd::OnSpeedUpWnd(ORVMsg* msg)
{
    m_SpeedUpWnd.Open(Record(AerieWndKind::SpeedUp), static_cast<int>(msg->m_lParam), msg->m_strText);
    return true;
}

bool CAerieWnd::OnBuildingsChanged(ORVMsg*)
{
    m_wTotalLevel = static_cast<u16>(AerieView::GetTotalLevel());
    return true;
}

bool CAerieWnd::OnAwardRefreshWnd(ORVMsg* msg)
{
    m_AwardRefreshWnd.OpenOrAskClose(Record(AerieWndKind::FightAwardRefresh), static_cast<int>(msg->m_lParam));
    return true;
}

bool CAerieWnd::OnExchangeWnd(ORVMsg* msg)
{
    m_ExchangeWnd.OpenOrAskClose(Record(AerieWndKind::Exchange), static_cast<int>(msg->m_lParam), msg->m_strText);
    return true;
}

bool CAerieWnd::OnSubWndDone(ORVMsg*)
{
    m_ExchangeWnd.Close();
    return true;
}
