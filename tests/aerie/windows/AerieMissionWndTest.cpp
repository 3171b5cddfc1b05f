// The mission window and its plunder, defence and main-line pages over the scripted server.
#include <gtest/gtest.h>

#include "AerieCityFixture.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"

using namespace orv::test;

namespace {

constexpr const char kFights[] =
    R"(<fight Group="1" Type="0" Name="R0" Scale="S" Wait="10" FriendWait="5" Fight="20" Hour="1" MaxTimes="3"/>)"
    R"(<fight Group="1" Type="1" Name="R1" Scale="S" Wait="10" FriendWait="5" Fight="20" Hour="1" MaxTimes="3"/>)"
    R"(<fight Group="1" Type="7" Name="R7"/>)"
    R"(<fight Group="2" Type="5" Name="D5" Scale="S" Wait="10" FriendWait="5" Fight="20"/>)";

class AerieMission : public AerieCityTest {
protected:
    void SetUp() override
    {
        AerieCityTest::SetUp();
        LoadGameData(kFights);
        for (AerieWndKind kind : {AerieWndKind::Mission}) {
            SetAerieWindowRecord(kind, ORV_RUNTIME_CLASS(CAerieMissionWnd));
        }
    }

    static std::vector<u16> Levels(u16 main)
    {
        std::vector<u16> levels(18, 1);
        levels[0] = main;
        return levels;
    }
    // A fight-mission item: index, phase, flags, award byte.
    static std::string Mission(u8 index, u8 phase, u8 flags, u8 award = 10, u32 grass = 0, const std::string& fighter = "")
    {
        std::string r = FightRecord(index, 600, 1200, 300, 3700);
        r[aerie_layout::kFightPhase] = static_cast<char>(phase);
        r[aerie_layout::kFightFlags] = static_cast<char>(flags);
        r[aerie_layout::kFightMultiplier] = static_cast<char>(award);
        r[aerie_layout::kFightMultiplier2] = 10;
        for (int b = 0; b < 4; ++b) {
            r[aerie_layout::kFightRewards + b] = static_cast<char>((grass >> (8 * b)) & 0xFF);
        }
        for (std::size_t i = 0; i < fighter.size() && i < aerie_layout::kFightFighterNameSize; ++i) {
            r[aerie_layout::kFightFighterName + i] = fighter[i];
        }
        return Item(13, r);
    }
    CAerieMissionWnd* OpenMission()
    {
        Click(Wnd()->m_pMissionBtn);
        return dynamic_cast<CAerieMissionWnd*>(Wnd()->m_pSubWnd);
    }
    template <class Page>
    Page* PageOf(CAerieMissionWnd* wnd)
    {
        return wnd == nullptr ? nullptr : dynamic_cast<Page*>(wnd->m_pTabItem);
    }
    // The fight slot's window kind and argument (the stand-ins remember theirs).
    CFakeSubWnd* FightWnd() { return dynamic_cast<CFakeSubWnd*>(Wnd()->m_pFightWnd); }
    CFakeSubWnd* AwardWnd() { return dynamic_cast<CFakeSubWnd*>(Wnd()->m_pAwardRefreshWnd); }
    static std::deque<ORVMsgBoxRequest>& Boxes() { return ORVMsgBoxQueue::GetSingleton().m_vMsgBuf; }
    // Routes the OK answer of the front box to wnd and drops the box.
    void AnswerOk(CORVControl* wnd)
    {
        ASSERT_FALSE(Boxes().empty());
        ORVMsg ok = Boxes().front().m_OkMsg;
        Boxes().clear();
        wnd->ProcessMessage(&ok);
    }
    std::vector<u16> SentSubs()
    {
        std::vector<u16> subs;
        for (const SentRequest& r : Sent()) {
            subs.push_back(r.m_wSub);
        }
        return subs;
    }
};

}  // namespace

TEST_F(AerieMission, WindowOpensOnTheRememberedTabSwitchesOnItsPageOnlyAndVisitorsSeeDefence)
{
    ASSERT_NE(Enter(Buildings(Levels(3))), nullptr);
    MissionWndTab() = 2;
    CAerieMissionWnd* wnd = OpenMission();
    ASSERT_NE(wnd, nullptr);
    EXPECT_NE(PageOf<CAerieMissionMainItem>(wnd), nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 21);
    const int x = wnd->m_nX;
    // A notice from another control is ignored; the page's switches the tab and keeps the place.
    ORVMsg stranger(kNotifyTabChange, kMissionTabStripId, Wnd());
    stranger.m_lParam = 0;
    wnd->OnMessage(&stranger);
    EXPECT_NE(PageOf<CAerieMissionMainItem>(wnd), nullptr);
    ORVMsg fromPage(kNotifyTabChange, kMissionTabStripId, wnd->m_pTabItem);
    fromPage.m_lParam = 0;
    wnd->OnMessage(&fromPage);
    EXPECT_NE(PageOf<CAerieMissionRobItem>(wnd), nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 19);
    EXPECT_EQ(wnd->m_nX, x);
    EXPECT_EQ(MissionWndTab(), 0);
    EXPECT_EQ(wnd->m_pTabItem->m_nWidth, wnd->m_nWidth);
    // The same tab again keeps the page.
    CORVControl* page = wnd->m_pTabItem;
    ORVMsg same(kNotifyTabChange, kMissionTabStripId, page);
    same.m_lParam = 0;
    wnd->OnMessage(&same);
    EXPECT_EQ(wnd->m_pTabItem, page);
    // The page's close request closes the window.
    ORVMsg close(kNotifyClose, 0, page);
    wnd->OnMessage(&close);
    Frame();
    Frame();
    EXPECT_EQ(Wnd()->m_pSubWnd, nullptr);
}

TEST_F(AerieMission, VisitorSeesOnlyTheDefenceTab)
{
    ASSERT_NE(Enter(Buildings(Levels(3)), true), nullptr);
    MissionWndTab() = 0;
    CAerieMissionWnd* wnd = OpenMission();
    ASSERT_NE(wnd, nullptr);
    EXPECT_NE(PageOf<CAerieMissionDefendItem>(wnd), nullptr);
    EXPECT_EQ(MissionWndTab(), 1);
}

TEST_F(AerieMission, PageTabStripPostsTheNoticeForAnotherTabOnly)
{
    ASSERT_NE(Enter(Buildings(Levels(3))), nullptr);
    MissionWndTab() = 0;
    CAerieMissionWnd* wnd = OpenMission();
    auto* rob = PageOf<CAerieMissionRobItem>(wnd);
    ASSERT_NE(rob, nullptr);
    rob->m_pTabs->m_nCurSel = 0;
    ClickOn(rob, rob->m_pTabs);
    Frame();
    EXPECT_EQ(wnd->m_pTabItem, rob);
    rob->m_pTabs->m_nCurSel = 1;
    ClickOn(rob, rob->m_pTabs);
    Frame();
    Frame();
    EXPECT_NE(PageOf<CAerieMissionDefendItem>(wnd), nullptr);
}

TEST_F(AerieMission, RobPageGoRaiseAndClaim)
{
    // Mission 0 waits with group 2 (award 2.5); mission 1 has its reward waiting.
    ASSERT_NE(Enter(Buildings(Levels(8)) + Mission(0, 0, 0, 25) + Mission(1, 3, 0x01, 15, 15) +
                    Item(11, WorkState(2, 3, 0, 600))),
              nullptr);
    MissionWndTab() = 0;
    auto* rob = PageOf<CAerieMissionRobItem>(OpenMission());
    ASSERT_NE(rob, nullptr);
    EXPECT_EQ(rob->m_aState[0], 3);
    EXPECT_TRUE(rob->m_aRaiseButton[0]->m_bVisible);
    EXPECT_FALSE(rob->m_aClaimButton[0]->m_bVisible);
    EXPECT_TRUE(rob->m_aClaimButton[1]->m_bVisible);
    EXPECT_FALSE(rob->m_aRaiseButton[1]->m_bVisible);
    DrawFrame();
    EXPECT_NE(Text("2.5倍奖励"), nullptr) << m_Host.Dump();
    EXPECT_NE(Text("等待中 00:10:00"), nullptr);

    // Mission 0 runs: go opens the fight information window.
    ClickOn(rob, rob->m_pGoButton);
    ASSERT_NE(FightWnd(), nullptr);
    EXPECT_EQ(FightWnd()->GetRuntimeClass(), FakeRecord(AerieWndKind::FightInfo));
    EXPECT_EQ(FightWnd()->m_nArg, 0);
    // Raise: 65 with the group's difficulty and the row.
    ClickOn(rob, rob->m_aRaiseButton[0]);
    ASSERT_NE(AwardWnd(), nullptr);
    EXPECT_EQ(AwardWnd()->m_nArg, 0);

    // Mission 1 waits for its reward: go refuses; the claim asks, its OK sends 0x1f with the row.
    ClearTips();
    rob->m_Rows.SelectEntry(1);
    ClickOn(rob, rob->m_pGoButton);
    EXPECT_EQ(Tips(), std::vector<std::string>{"领取战斗奖励后才能继续进行战斗"});
    ClickOn(rob, rob->m_aClaimButton[1]);
    ASSERT_EQ(Boxes().size(), 1u);
    // 15 x 1.5 x 1.0 = 22, truncated; the stores hold nothing without the game data's capacities.
    EXPECT_NE(Boxes().front().m_strText.find("牧草22，"), std::string::npos) << Boxes().front().m_strText;
    AnswerOk(rob);
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ(Sent().back().m_wSub, 0x1f);
    EXPECT_EQ(Sent().back().m_wParam2, 1);
    EXPECT_EQ(Sent().back().m_strBody, "me");
}

TEST_F(AerieMission, RobPageDifficultyIsGatedByTheMainBuildingAndGoOpensThePlunderSheet)
{
    ASSERT_NE(Enter(Buildings(Levels(7))), nullptr);
    MissionWndTab() = 0;
    auto* rob = PageOf<CAerieMissionRobItem>(OpenMission());
    ASSERT_NE(rob, nullptr);
    ASSERT_EQ(rob->m_vFights.size(), 3u);
    ORVMsg pick(kNotifyChoiceSelect, 1, nullptr);
    pick.m_pSender = reinterpret_cast<CORVControl*>(rob->m_pTabs);   // placeholder, replaced below
    CORVChoice* choice = nullptr;
    for (CORVControl* c : rob->m_lstChildren) {
        if (auto* ch = dynamic_cast<CORVChoice*>(c)) {
            choice = ch;
        }
    }
    ASSERT_NE(choice, nullptr);
    pick.m_pSender = choice;
    ClearTips();
    rob->OnMessage(&pick);
    EXPECT_EQ(Tips(), std::vector<std::string>{"您的主城等级需要达到8级才能进行中级难度战斗"});
    EXPECT_EQ(choice->m_nCurSel, 0);
    // Row 1, "初级": go opens the plunder sheet with (0 << 16) | 1.
    rob->m_Rows.SelectEntry(1);
    ClickOn(rob, rob->m_pGoButton);
    ASSERT_NE(FightWnd(), nullptr);
    EXPECT_EQ(FightWnd()->GetRuntimeClass(), FakeRecord(AerieWndKind::FightRobBefore));
    EXPECT_EQ(FightWnd()->m_nArg, 1);
    // Row 2's fight has type 7: no phase text, whatever the table holds.
    rob->m_Rows.SelectEntry(-1);
    ClearTips();
    ClickOn(rob, rob->m_pGoButton);
    EXPECT_EQ(Tips(), std::vector<std::string>{"请选择一个查看的战斗"});
}

TEST_F(AerieMission, DefendPageGoFollowsThePhaseOwnAndVisited)
{
    struct Case {
        bool visited;
        u16 main;
        u8 phase, flags;
        std::string fighter;
        AerieWndKind opens;   // Count: a tip instead
        std::string tip;
    } cases[] = {
        {false, 3, 3, 0x02, "", AerieWndKind::FightDefendBefore, ""},
        {false, 3, 0, 0x00, "", AerieWndKind::FightInfo, ""},
        {false, 3, 0, 0x00, "me", AerieWndKind::FightInfo, ""},   // the own name is no other fighter
        {false, 3, 3, 0x04, "", AerieWndKind::Count, "现在是好友等待时间，自己无法参与战斗"},
        {false, 3, 3, 0x00, "", AerieWndKind::Count, "防御战斗还未开始"},
        {false, 2, 3, 0x02, "", AerieWndKind::Count, "您的主城等级需要达到3级才能进行防御战斗"},
        {false, 3, 0, 0x00, "bob", AerieWndKind::Count, "bob正在战斗"},
        {true, 3, 3, 0x04, "", AerieWndKind::FightDefendBefore, ""},
        {true, 3, 3, 0x02, "", AerieWndKind::Count, "现在是他人的等待时间，自己无法参与战斗"},
        {true, 3, 0, 0x00, "", AerieWndKind::FightInfo, ""},   // an empty name is no other fighter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.phase) + "/" + std::to_string(c.flags) + (c.visited ? " visited" : " own"));
        if (c.visited) {
            Enter(Buildings(Levels(c.main)));   // the own city's main building first
            Enter(Mission(5, c.phase, c.flags, 10, 0, c.fighter), true);
        } else {
            Enter(Buildings(Levels(c.main)) + Mission(5, c.phase, c.flags, 10, 0, c.fighter));
        }
        MissionWndTab() = 1;
        auto* page = PageOf<CAerieMissionDefendItem>(OpenMission());
        ASSERT_NE(page, nullptr);
        ClearTips();
        Wnd()->m_FightWnd.Close();
        ClickOn(page, page->m_pGoButton);
        if (c.opens == AerieWndKind::Count) {
            EXPECT_EQ(FightWnd(), nullptr);
            EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
        } else {
            ASSERT_NE(FightWnd(), nullptr);
            EXPECT_EQ(FightWnd()->GetRuntimeClass(), FakeRecord(c.opens));
            EXPECT_EQ(FightWnd()->m_nArg, 5);
        }
        Wnd()->m_SubWnd.Close();
    }
}

TEST_F(AerieMission, DefendPageHelpRowVisitsTheCityAndFlagsTheMissionsOnlyWhenTheVisitGoesOut)
{
    ASSERT_NE(Enter(Buildings(Levels(3)) + Item(11, WorkState(1, 4, 5, 600))), nullptr);
    CAerieCityData& own = Store().GetOwnCity();
    own.m_aGroups[1].m_strTargetOwnerName = "bob";
    MissionWndTab() = 1;
    auto* page = PageOf<CAerieMissionDefendItem>(OpenMission());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->m_vHelpRows, std::vector<i32>{1});
    DrawFrame();
    EXPECT_NE(Text("bob"), nullptr);
    page->m_Rows.SelectEntry(1);
    ClickOn(page, page->m_pGoButton);
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ(Sent().back().m_wSub, 0x00);
    EXPECT_EQ(Sent().back().m_strBody, "bob");
    EXPECT_EQ(Wnd()->m_bOpenMissionOnEnter, 1);
}

TEST_F(AerieMission, MainPageAsksForTheListAndClaimsTheMissionItAskedAbout)
{
    ASSERT_NE(Enter(Buildings(Levels(3))), nullptr);
    std::vector<AerieMainMission>& list = Store().m_vMainMissions;
    for (u32 k = 0; k < 3; ++k) {
        AerieMainMission m;
        m.m_dwKey = 10 + k;
        m.m_strName = "M" + std::to_string(k);
        m.m_strStatus = k == 1 ? "未完成" : "未领奖";
        m.m_dwReward = 5;
        list.push_back(m);
    }
    MissionWndTab() = 2;
    const std::size_t before = Sent().size();
    auto* page = PageOf<CAerieMissionMainItem>(OpenMission());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(Sent().size(), before + 1);
    EXPECT_EQ(Sent().back().m_wSub, 0x23);
    // No selection, an unfinished one, then a finished one.
    ClearTips();
    ClickOn(page, page->m_pGoButton);
    page->m_Rows.SelectEntry(1);
    ClickOn(page, page->m_pGoButton);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请选择要领取奖励的任务", "该任务未完成"}));
    page->m_Rows.SelectEntry(2);
    ClickOn(page, page->m_pGoButton);
    ASSERT_EQ(Boxes().size(), 1u);
    // The list changes under the box: the answer still claims mission 12.
    list.erase(list.begin());
    AnswerOk(page);
    EXPECT_EQ(Sent().back().m_wSub, 0x21);
    EXPECT_EQ(Sent().back().m_wParam1, 12);
    // Drawing: names with their status.
    DrawFrame();
    EXPECT_NE(Text("（未领奖）"), nullptr);
}

TEST_F(AerieMission, MainPageScrollKeepsTheSelectedMissionAndAListUpdateClampsIt)
{
    ASSERT_NE(Enter(Buildings(Levels(3))), nullptr);
    for (u32 k = 0; k < 9; ++k) {
        AerieMainMission m;
        m.m_dwKey = k;
        m.m_strName = "M" + std::to_string(k);
        Store().m_vMainMissions.push_back(m);
    }
    MissionWndTab() = 2;
    auto* page = PageOf<CAerieMissionMainItem>(OpenMission());
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->m_pScroll, nullptr);
    EXPECT_EQ(page->m_pScroll->m_nRange, 2);
    EXPECT_TRUE(page->m_pScroll->m_bVisible);
    const auto scrollTo = [page](int pos) {
        page->m_pScroll->m_nPos = pos;
        ORVMsg notice(kNotifyScroll, static_cast<u32>(pos), page->m_pScroll);
        page->OnMessage(&notice);
    };
    // Row 2 holds mission 2; one step down it is row 1; mission 0 scrolls out and is dropped.
    page->m_Rows.SelectEntry(2);
    scrollTo(1);
    EXPECT_EQ(page->m_Rows.SelectedRow(), 1);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), 2);
    page->m_Rows.SelectEntry(1);
    scrollTo(2);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), -1);
    // The list shrinks to five: the first row and the bar go back to 0, nothing selected.
    page->m_Rows.SelectEntry(3);
    Store().m_vMainMissions.resize(5);
    Route(GameEvent(EVT_MAINMISSION_LIST));
    EXPECT_EQ(page->m_Rows.First(), 0);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), -1);
    EXPECT_EQ(page->m_pScroll->m_nPos, 0);
    EXPECT_FALSE(page->m_pScroll->m_bVisible);
}

TEST_F(AerieMission, ClosingTheMissionWindowClearsTheFightSlotAtOnce)
{
    ASSERT_NE(Enter(Buildings(Levels(3))), nullptr);
    MissionWndTab() = 0;
    ASSERT_NE(OpenMission(), nullptr);
    Route(GameEvent(EVT_FIGHTROB_WND, 0));
    ASSERT_NE(FightWnd(), nullptr);
    Wnd()->m_SubWnd.Close();
    EXPECT_EQ(FightWnd(), nullptr);
}
