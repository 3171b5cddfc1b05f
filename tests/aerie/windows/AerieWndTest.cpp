#include <gtest/gtest.h>

#include "AerieWndFixture.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/state/AerieEvents.h"
#include "framework/widgets/ORVButton.h"

using namespace orv::test;

namespace {

class AerieMainWnd : public AerieWndTest {};

ORVMsg Topic(u32 topic, u32 param = 0, const std::string& text = std::string())
{
    return ORVMsg(ORV_MSG_GAMEWND, topic, param, text);
}

}  // namespace

TEST_F(AerieMainWnd, OpensWithItsFrameButtonsBuildingsAndTellsTheHost)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    EXPECT_EQ(m_pWnd->m_nWidth, 800);
    EXPECT_EQ(m_pWnd->m_nHeight, 600);
    EXPECT_EQ(m_pWnd->m_wBackFrame, 1);
    EXPECT_EQ(m_Host.Count("NotifyGameWindow"), 1);
    EXPECT_EQ(m_Host.Calls("NotifyGameWindow")[0].Int(0), 0);
    struct Case {
        CORVButton* button;
        int x, y, frame;
        const char* tip;
    } cases[] = {
        {m_pWnd->m_pInfoBtn, 479, 557, 101, "信息"},     {m_pWnd->m_pBeastBtn, 518, 557, 284, "守护兽"},
        {m_pWnd->m_pMonsterBtn, 557, 557, 104, "怪物"},  {m_pWnd->m_pTechBtn, 596, 557, 107, "科技"},
        {m_pWnd->m_pMissionBtn, 635, 557, 110, "任务"},  {m_pWnd->m_pRankBtn, 674, 557, 113, "排行"},
        {m_pWnd->m_pFriendBtn, 713, 557, 116, "好友"},   {m_pWnd->m_pSetBtn, 752, 557, 119, "设置"},
        {m_pWnd->m_pBackBtn, 752, 557, 212, "返回"},     {m_pWnd->m_pCloseButton, 771, 15, 3, ""},
        {m_pWnd->m_pHelpBtn, 745, 2, 63, "帮助"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.button, nullptr) << c.frame;
        EXPECT_EQ(c.button->m_nX, c.x) << c.frame;
        EXPECT_EQ(c.button->m_nY, c.y) << c.frame;
        EXPECT_EQ(c.button->m_wFrame, c.frame);
        EXPECT_EQ(c.button->m_strToolTip, c.tip);
    }
    ASSERT_NE(m_pWnd->m_pInvasionBtn, nullptr);
    EXPECT_FALSE(m_pWnd->m_pInvasionBtn->m_bVisible);
    EXPECT_FALSE(m_pWnd->m_pInvasionBtn->m_bEnabled);
    for (int id = 0; id < 18; ++id) {
        ASSERT_NE(m_pWnd->m_pBuildings[id], nullptr) << id;
        EXPECT_EQ(m_pWnd->m_pBuildings[id]->m_nBuildingId, static_cast<u32>(id));
        EXPECT_EQ(m_pWnd->m_pBuildings[id]->m_nWidth, 120);
    }
    EXPECT_EQ(m_pWnd->m_pBuildings[1]->m_nX, 180);   // the record's X, Y
    EXPECT_EQ(m_pWnd->m_pBuildings[1]->m_nY, 100);
    ASSERT_NE(m_pWnd->m_pGardenBtn, nullptr);
    EXPECT_EQ(m_pWnd->m_pGardenBtn->m_wFrame, 376);
    EXPECT_EQ(m_pWnd->m_pGardenBtn->m_nX, 291);
    EXPECT_EQ(m_pWnd->m_pGardenBtn->m_strToolTip, "花园");
    EXPECT_EQ(m_pWnd->m_pRestaurantBtn->m_wFrame, 378);
    EXPECT_EQ(m_pWnd->m_pRestaurantBtn->m_nX, 473);
    EXPECT_NE(dynamic_cast<CAerieBuildingInfoWnd*>(m_pWnd->m_pBuildingInfo), nullptr);
}

TEST_F(AerieMainWnd, ToolbarOpensOneSubWindowAtATime)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Click(m_pWnd->m_pMonsterBtn);
    ASSERT_NE(m_pWnd->m_pSubWnd, nullptr);
    EXPECT_EQ(CFakeSubWnd::Created(), 1);
    Click(m_pWnd->m_pMonsterBtn);   // a second click closes it
    EXPECT_EQ(m_pWnd->m_pSubWnd, nullptr);

    Click(m_pWnd->m_pMonsterBtn);
    Click(m_pWnd->m_pTechBtn);      // another kind replaces it
    ASSERT_NE(dynamic_cast<CFakeOtherWnd*>(m_pWnd->m_pSubWnd), nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pSubWnd)->m_nArg, 2);
    int subWindows = 0;
    for (CORVControl* child : m_pWnd->m_lstChildren) {
        subWindows += dynamic_cast<CFakeSubWnd*>(child) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(subWindows, 1);

    // A kind whose class is not in the build does nothing, and leaves the open window.
    SetAerieWindowRecord(AerieWndKind::Rank, nullptr);
    CORVControl* open = m_pWnd->m_pSubWnd;
    Click(m_pWnd->m_pRankBtn);
    EXPECT_EQ(m_pWnd->m_pSubWnd, open);
}

TEST_F(AerieMainWnd, BuildingsOpenTheirWindowsAfresh)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    struct Case {
        int id;
        const RuntimeClassRecord* record;
        int arg;
    } cases[] = {
        {0, ORV_RUNTIME_CLASS(CAerieMainCityWnd), 0},   {17, ORV_RUNTIME_CLASS(CAerieGodWnd), 17},
        {5, ORV_RUNTIME_CLASS(CAerieBuildingWnd), 5},   {10, ORV_RUNTIME_CLASS(CFakeOtherWnd), 1},
    };
    for (const Case& c : cases) {
        Click(m_pWnd->m_pBuildings[c.id]);
        ASSERT_NE(m_pWnd->m_pSubWnd, nullptr) << c.id;
        EXPECT_EQ(m_pWnd->m_pSubWnd->GetRuntimeClass(), c.record) << c.id;
    }
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pSubWnd)->m_nArg, 1);
    const int created = CFakeSubWnd::Created();
    Click(m_pWnd->m_pBuildings[10]);   // the same building again: opened afresh, not closed
    ASSERT_NE(m_pWnd->m_pSubWnd, nullptr);
    EXPECT_EQ(CFakeSubWnd::Created(), created + 1);
    Click(m_pWnd->m_pBuildings[5]);
    EXPECT_EQ(static_cast<CAerieBuildingWnd*>(m_pWnd->m_pSubWnd)->m_nBuildingId, 5u);
}

TEST_F(AerieMainWnd, EventSlotsOpenAndAskTheirWindowToClose)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Route(Topic(EVT_FIGHTROB_WND, 0x20003));
    ASSERT_NE(m_pWnd->m_pFightWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pFightWnd)->m_nArg, 0x20003);
    Route(Topic(EVT_FIGHTINFO_WND, 1));   // filled: the window is asked to close, nothing opens
    EXPECT_EQ(CFakeSubWnd::Created(), 1);
    Frame();
    EXPECT_EQ(m_pWnd->m_pFightWnd, nullptr);
    EXPECT_EQ(CFakeSubWnd::Created(), 1);

    Route(Topic(EVT_EXCHANGE_WND, 3, "t"));
    ASSERT_NE(m_pWnd->m_pExchangeWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pExchangeWnd)->m_strText, "t");
    Route(Topic(EVT_SUBWND_DONE));
    EXPECT_EQ(m_pWnd->m_pExchangeWnd, nullptr);
}

TEST_F(AerieMainWnd, CityEntryEmptiesTheEventSlotsButKeepsExchangeAndAwardRefresh)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Route(Topic(EVT_LVLUP_WND, 0x10000));
    Click(m_pWnd->m_pMonsterBtn);
    Route(Topic(EVT_SPEEDUP_WND, 1));
    Route(Topic(EVT_MONSTER_NOTICE, 5, std::string("\x03\x00\x01\x00", 4)));
    Route(Topic(EVT_FIGHTDEFEND_WND, 5));
    Route(Topic(EVT_GETMONSTER_WND, 1, "x"));
    Route(Topic(EVT_AWARDREFRESH_WND, 2));
    Route(Topic(EVT_EXCHANGE_WND, 0));
    for (CORVControl* slot : {m_pWnd->m_pSubWnd, m_pWnd->m_pLvlupWnd, m_pWnd->m_pSpeedUpWnd, m_pWnd->m_pMonLvlupWnd,
                              m_pWnd->m_pFightWnd, m_pWnd->m_pGetMonsterWnd, m_pWnd->m_pAwardRefreshWnd,
                              m_pWnd->m_pExchangeWnd}) {
        EXPECT_NE(slot, nullptr);
    }
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pGetMonsterWnd)->m_nArg, 1);   // text given
    m_pWnd->m_bOpenMissionOnEnter = 1;
    Route(Topic(EVT_CITY_ENTERED));
    for (CORVControl* slot : {m_pWnd->m_pLvlupWnd, m_pWnd->m_pSpeedUpWnd, m_pWnd->m_pMonLvlupWnd,
                              m_pWnd->m_pFightWnd, m_pWnd->m_pGetMonsterWnd}) {
        EXPECT_EQ(slot, nullptr);
    }
    EXPECT_NE(m_pWnd->m_pSubWnd, nullptr);   // the mission window, opened after the entry
    EXPECT_EQ(m_pWnd->m_bOpenMissionOnEnter, 0);
    EXPECT_NE(m_pWnd->m_pAwardRefreshWnd, nullptr);
    EXPECT_NE(m_pWnd->m_pExchangeWnd, nullptr);
}

TEST_F(AerieMainWnd, LevelUpTopicClosesTheSubWindowOnlyForABuilding)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Click(m_pWnd->m_pMonsterBtn);
    Route(Topic(EVT_LVLUP_WND, 0x00050001));   // a technology: the sub-window stays
    EXPECT_NE(m_pWnd->m_pSubWnd, nullptr);
    ASSERT_NE(m_pWnd->m_pLvlupWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pLvlupWnd)->m_nArg, 0x00050001);
    Route(Topic(EVT_LVLUP_WND, 0x00030000));   // a building: the sub-window closes first
    EXPECT_EQ(m_pWnd->m_pSubWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pLvlupWnd)->m_nArg, 0x00030000);
}

TEST_F(AerieMainWnd, MonsterNoticeReadsSlotAndModeWithMissingBytesAsZero)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Route(Topic(EVT_MONSTER_NOTICE, 7, std::string("\x02\x00\x01\x00", 4)));
    ASSERT_NE(m_pWnd->m_pMonLvlupWnd, nullptr);
    Route(Topic(EVT_MONSTER_NOTICE, 7, std::string("\x02\x00\x01", 3)));   // mode reads 1: 0x0001
    EXPECT_NE(m_pWnd->m_pMonLvlupWnd, nullptr);
    Route(Topic(EVT_MONSTER_NOTICE, 7, std::string("\x02", 1)));           // mode 0: closes
    EXPECT_EQ(m_pWnd->m_pMonLvlupWnd, nullptr);
}

TEST_F(AerieMainWnd, SettingsTopicSetsTheLevelDisplayFromItsValue)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    for (u32 value : {0u, 0u, 1u}) {
        Route(Topic(EVT_SETTINGS_CHANGED, value));
        for (CAerieBuildingCtrl* b : m_pWnd->m_pBuildings) {
            EXPECT_EQ(b->m_bShowLevel, value);
        }
        EXPECT_EQ(m_pWnd->m_pGardenBtn->m_bShowLevel, value);
        EXPECT_EQ(m_pWnd->m_pRestaurantBtn->m_bShowLevel, value);
    }
}

TEST_F(AerieMainWnd, CoinTooltipShowsOverItsAreaBoundsIncluded)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    struct Case {
        int x, y;
        bool shown;
    } cases[] = {{62, 562, true}, {168, 574, true}, {169, 570, false}, {100, 561, false}, {61, 570, false}};
    for (const Case& c : cases) {
        m_pWnd->OnMouseMove(c.x, c.y);
        const std::vector<std::string> lines = ToolTipLines();
        EXPECT_EQ(!lines.empty(), c.shown) << c.x << "," << c.y;
    }
}

TEST_F(AerieMainWnd, GardenHandsOverToTheHostAfterClosingTheGame)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Click(m_pWnd->m_pGardenBtn);
    EXPECT_EQ(m_Host.Count("OpenPlayerGarden"), 1);
    Click(m_pWnd->m_pRestaurantBtn);
    EXPECT_EQ(m_Host.Count("OpenPlayerRestaurant"), 1);
    Frame();   // the posted close arrives
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
}

TEST_F(AerieMainWnd, ClosingTellsTheHostAndIgnoresEventsFromDyingWindows)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    MissionWndTab() = 1;
    Click(m_pWnd->m_pMonsterBtn);
    m_Host.ClearLog();
    Click(m_pWnd->m_pCloseButton);
    Frame();
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
    ASSERT_EQ(m_Host.Count("NotifyGameWindow"), 1);
    EXPECT_EQ(m_Host.Calls("NotifyGameWindow")[0].Int(0), 1);
    EXPECT_EQ(MissionWndTab(), 0);
}

TEST_F(AerieMainWnd, InfoButtonHoverShowsTheSubOperationRow)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    m_pWnd->OnChildMouseEnter(m_pWnd->m_pInfoBtn, nullptr);
    ASSERT_NE(m_pWnd->m_pSubOper, nullptr);
    EXPECT_TRUE(m_pWnd->m_pSubOper->m_bVisible);
    EXPECT_EQ(m_pWnd->m_pSubOper->m_nY, 557 - 54);
    m_pWnd->OnChildMouseEnter(m_pWnd->m_pTechBtn, nullptr);
    EXPECT_FALSE(m_pWnd->m_pSubOper->m_bVisible);

    Route(Topic(EVT_PRODUCTINFO_WND));
    EXPECT_NE(m_pWnd->m_pSubWnd, nullptr);
}

TEST_F(AerieMainWnd, EachToolbarButtonTogglesItsOwnWindow)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    struct Case {
        CORVButton* button;
        AerieWndKind kind;
    } cases[] = {
        {m_pWnd->m_pBeastBtn, AerieWndKind::Beast},   {m_pWnd->m_pMonsterBtn, AerieWndKind::MonsterGroup},
        {m_pWnd->m_pMissionBtn, AerieWndKind::Mission}, {m_pWnd->m_pRankBtn, AerieWndKind::Rank},
        {m_pWnd->m_pFriendBtn, AerieWndKind::Friend}, {m_pWnd->m_pSetBtn, AerieWndKind::Set},
        {m_pWnd->m_pHelpBtn, AerieWndKind::Help},
    };
    SetAerieWindowRecord(AerieWndKind::Technology, ORV_RUNTIME_CLASS(CFakeSubWnd));
    for (const Case& c : cases) {
        SetAerieWindowRecord(c.kind, ORV_RUNTIME_CLASS(CFakeOtherWnd));
        Click(c.button);
        EXPECT_NE(dynamic_cast<CFakeOtherWnd*>(m_pWnd->m_pSubWnd), nullptr) << static_cast<int>(c.kind);
        Click(c.button);
        EXPECT_EQ(m_pWnd->m_pSubWnd, nullptr) << static_cast<int>(c.kind);
        SetAerieWindowRecord(c.kind, ORV_RUNTIME_CLASS(CFakeSubWnd));
    }
}

TEST_F(AerieMainWnd, AFocusedGameSubWindowComesToTheFront)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Click(m_pWnd->m_pMonsterBtn);
    CORVControl* sub = m_pWnd->m_pSubWnd;
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_SPEEDUP_WND, 0, ""));   // opened later: in front
    ASSERT_NE(m_pWnd->m_lstChildren.front(), sub);
    m_pWnd->OnChildSetFocus(m_pWnd->m_pRankBtn, nullptr);    // not a game sub-window: stays
    EXPECT_NE(m_pWnd->m_lstChildren.front(), m_pWnd->m_pRankBtn);
    m_pWnd->OnChildSetFocus(sub, nullptr);
    EXPECT_EQ(m_pWnd->m_lstChildren.front(), sub);
}

TEST_F(AerieMainWnd, SpeedUpReplacesOnlyItsOwnWindowAndTopic41ClosesTheFightSheet)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    Click(m_pWnd->m_pMonsterBtn);
    CORVControl* sub = m_pWnd->m_pSubWnd;
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_SPEEDUP_WND, 1, ""));
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_SPEEDUP_WND, 2, ""));
    EXPECT_EQ(m_pWnd->m_pSubWnd, sub);   // the open sub-window stays
    ASSERT_NE(m_pWnd->m_pSpeedUpWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(m_pWnd->m_pSpeedUpWnd)->m_nArg, 2);
    EXPECT_EQ(CFakeSubWnd::Created(), 3);
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_FIGHTDEFEND_WND, 5, ""));
    ASSERT_NE(m_pWnd->m_pFightWnd, nullptr);
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_CLOSE_SUBWND, 0, ""));
    EXPECT_EQ(m_pWnd->m_pFightWnd, nullptr);
    EXPECT_EQ(m_pWnd->m_pSubWnd, sub);
}

TEST_F(AerieMainWnd, PictureControlsAreHitOnTheirImagesShape)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    std::vector<std::vector<int>> asked;
    m_Host.m_fnHitTest = [&asked](int x, int y, int frame, int set) {
        asked.push_back({x, y, frame, set});
        return x < 10;
    };
    EXPECT_TRUE(m_pWnd->m_pGardenBtn->HitTest(5, 6));
    EXPECT_FALSE(m_pWnd->m_pRestaurantBtn->HitTest(50, 6));
    // Building 1 at level 0 (no city data): looks stage 0 of its record.
    const CXmlBuilding* cfg = CXmlAerieMgr::GetSingleton()->FindBuilding(1);
    EXPECT_TRUE(m_pWnd->m_pBuildings[1]->HitTest(3, 4));
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], (std::vector<int>{5, 6, 376, 93}));
    EXPECT_EQ(asked[1], (std::vector<int>{50, 6, 378, 93}));
    EXPECT_EQ(asked[2], (std::vector<int>{3, 4, cfg->GetLooksTex(0), 93}));
}
