// The monster windows over an entered city: the group window's overview and group pages with the
// skill refresh, the get-monster window in both modes and the monster level-up window.
#include <gtest/gtest.h>

#include "AerieMonsterFixture.h"
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/windows/AerieGetMonsterWnd.h"
#include "aerie/windows/AerieMonGroupSkillIcon.h"
#include "aerie/windows/AerieMonLvlupWnd.h"
#include "aerie/windows/AerieMonsterCtrl.h"
#include "aerie/windows/AerieMonsterGroupWnd.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"

using namespace orv::test;

namespace {

class AerieMonsterWindows : public AerieMonsterTest {
protected:
    void SetUp() override
    {
        AerieMonsterTest::SetUp();
        SetAerieWindowRecord(AerieWndKind::MonsterGroup, ORV_RUNTIME_CLASS(CAerieMonsterGroupWnd));
        SetAerieWindowRecord(AerieWndKind::GetMonster, ORV_RUNTIME_CLASS(CAerieGetMonsterWnd));
        SetAerieWindowRecord(AerieWndKind::MonLvlup, ORV_RUNTIME_CLASS(CAerieMonLvlupWnd));
        m_Host.SetImageSize(14, 93, 780, 470);   // group window
        m_Host.SetImageSize(26, 93, 420, 380);   // get-monster
        m_Host.SetImageSize(18, 93, 400, 280);   // monster level-up
        CAerieMonsterGroupWnd::RefreshThrottle().Forget();
        CAerieGetMonsterWnd::RefreshThrottle().Forget();
        m_Fake.m_dwTick = 10000;
    }
    void TearDown() override
    {
        CAerieConfigMgr::GetSingleton()->Load(kAerieConfigPath);
        CAerieNewBie::GetSingleton().Reset();
        AerieMonsterTest::TearDown();
    }
    // The confirmation keys, every one at value but the one named only (at onlyValue).
    void Keys(int value, const std::string& only = std::string(), int onlyValue = 0)
    {
        std::string body = "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<config>\n";
        int index = 0;
        for (const char* key : {"ProductCommonRefurbish", "ProductSeniornRefurbish", "CreateCommonRefurbish",
                                "CreateSeniorRefurbish", "FightCommonRefurbish", "FightSeniorRefurbish",
                                "CommonRefurbish", "SeniorRefurbish", "AddPointTip"}) {
            body += "<key Index=\"" + std::to_string(index++) + "\" Name=\"" + key + "\" Value=\"" +
                    std::to_string(key == only ? onlyValue : value) + "\"/>\n";
        }
        ASSERT_TRUE(CAerieConfigMgr::GetSingleton()->Load(m_Dir.Write("aerieconfig.xml", body + "</config>\n").c_str()));
    }
    // One frame on a cleared log (the requests too: the count of those seen starts again).
    void Draw()
    {
        DrawFrame();
        NewRequests();
    }
    static std::string Tech(u16 id, u16 level) { return Item(3, LE16(id) + LE16(level)); }
    // The own city (or a visited one) with the group window opened from the toolbar.
    CAerieMonsterGroupWnd* OpenGroups(const std::string& items = std::string(), bool visited = false)
    {
        if (Enter(items, visited) == nullptr) {
            return nullptr;
        }
        Click(Wnd()->m_pMonsterBtn);
        return dynamic_cast<CAerieMonsterGroupWnd*>(Wnd()->m_pSubWnd);
    }
    static std::deque<ORVMsgBoxRequest>& Boxes() { return ORVMsgBoxQueue::GetSingleton().m_vMsgBuf; }
    // The front box's OK (or cancel) answer, routed now; the queue emptied.
    void Answer(bool ok = true)
    {
        ASSERT_FALSE(Boxes().empty());
        const ORVMsg answer = ok ? Boxes().front().m_OkMsg : Boxes().front().m_CancelMsg;
        Boxes().clear();
        Route(answer);
    }
    // The colour and frames of the last queued tip.
    static std::pair<u32, int> LastTipLook()
    {
        const auto& tips = CAutoTip::GetSingleton().GetTips();
        return tips.empty() || tips.back().m_vLines.empty()
                   ? std::pair<u32, int>{0, 0}
                   : std::pair<u32, int>{tips.back().m_vLines[0].m_dwColour, tips.back().m_nFrames};
    }
    // A skill cell picked as the icon reports it.
    static void Pick(CAerieMonsterGroupWnd* wnd, u16 key)
    {
        ORVMsg pick(kNotifyPick, kPickGroupSkill, wnd->m_pSkill[0]);
        pick.m_lParam = key;
        wnd->OnMessage(&pick);
    }
    static void Choose(CORVChoice* choice, int item)
    {
        ORVMsg select(kNotifyChoiceSelect, static_cast<u32>(item), choice);
        choice->m_pParent->OnMessage(&select);
    }

    XmlTempDir m_Dir;
};

}  // namespace

TEST_F(AerieMonsterWindows, OverviewOpensCellsByScienceAndPagesTheIdleRow)
{
    struct Case {
        u16 science29;
        int openWorking;
    } const cases[] = {{0, 5}, {2, 7}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        CAerieMonsterGroupWnd* wnd = OpenGroups(Tech(29, c.science29));
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(wnd->m_nPage, CAerieMonsterGroupWnd::kOverviewPage);
        for (int i = 0; i < CAerieMonsterGroupWnd::kCells; ++i) {
            ASSERT_NE(wnd->m_pMonster[i], nullptr);
            EXPECT_EQ(wnd->m_pMonster[i]->m_wItemId, i);
            const bool open = i >= 30 || i % 10 < c.openWorking;
            EXPECT_EQ(wnd->m_pMonster[i]->m_bAvailable, open ? 1 : 0) << "cell " << i;
            EXPECT_EQ(wnd->m_pMonster[i]->m_bReadOnly, 0);
        }
        Click(Wnd()->m_pMonsterBtn);   // the toolbar closes it again
        Frame();
    }

    CAerieMonsterGroupWnd* wnd = OpenGroups();
    ASSERT_NE(wnd, nullptr);
    // Paging clamps at 0 and 3; the idle row shows slots 30 + 10 x page.
    ClickOn(wnd, wnd->m_pPrevBtn);
    EXPECT_EQ(wnd->m_nIdlePage, 0);
    for (int i = 0; i < 4; ++i) {
        ClickOn(wnd, wnd->m_pNextBtn);
    }
    EXPECT_EQ(wnd->m_nIdlePage, 3);
    EXPECT_EQ(wnd->m_pMonster[30]->m_wItemId, 60);
    EXPECT_EQ(wnd->m_pMonster[39]->m_wItemId, 69);
    EXPECT_EQ(wnd->m_pMonster[29]->m_wItemId, 29);
    Draw();
    EXPECT_NE(Text("4"), nullptr);
    // Through a group page and back: the grid is rebuilt on the same idle page.
    ClickOn(wnd, wnd->m_pGroupBtn[0]);
    EXPECT_EQ(wnd->m_pMonster[0], nullptr);
    ClickOn(wnd, wnd->m_pBackBtn);
    EXPECT_EQ(wnd->m_nPage, CAerieMonsterGroupWnd::kOverviewPage);
    ASSERT_NE(wnd->m_pMonster[30], nullptr);
    EXPECT_EQ(wnd->m_pMonster[30]->m_wItemId, 60);
}

TEST_F(AerieMonsterWindows, AVisitedCityIsReadOnly)
{
    CAerieMonsterGroupWnd* wnd = OpenGroups(Item(5, MonsterRecord(3, 1, 7, 10, 20, 30)), true);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_bOwnCity, 0);
    EXPECT_EQ(wnd->m_pMonster[3]->m_bReadOnly, 1);
    ClickOn(wnd, wnd->m_pGroupBtn[2]);
    ASSERT_NE(wnd->m_pSkill[0], nullptr);
    EXPECT_EQ(wnd->m_pSkill[0]->m_bReadOnly, 1);
    EXPECT_EQ(wnd->m_pChoice, nullptr);
    EXPECT_EQ(wnd->m_pRefreshBtn, nullptr);
    // Even an answer of a box reaching it sends nothing.
    NewRequests();
    wnd->m_nSkill = 22;
    Route(GameEvent(EVT_HIGH_SKILL_REFRESH, 0));
    EXPECT_TRUE(NewRequests().empty());
}

TEST_F(AerieMonsterWindows, GroupsShowTheirStateAndTotalsWithTalentForms)
{
    CAerieMonsterGroupWnd* wnd = OpenGroups(Item(5, MonsterRecord(3, 1, 2, 10, 20, 30)) +
                                            Item(11, WorkState(0, 4, 0)));
    ASSERT_NE(wnd, nullptr);
    // W + S shown, the talents beside: B0, B1, B2 + B2b.
    struct Case {
        u32 bonus[4];
        int page;   // -1 overview, else the group page of that group
        std::vector<std::string> lines;
    } const cases[] = {
        {{0, 0, 0, 0}, -1, {"总生产力：120", "总工程力：140", "总战斗力：160"}},
        {{5, 6, 7, 0}, -1, {"总生产力：120(+5)", "总工程力：140(+6)", "总战斗力：160(+7)"}},
        {{0, 0, 0, 8}, -1, {"总战斗力：160(+8)"}},
        {{5, 6, 7, 0}, 0, {"总生产力：120(+5)由于拥有生产天才技能获得加成", "总工程力：140", "总战斗力：160"}},
        {{5, 6, 7, 0}, 1, {"总生产力：120", "总工程力：140(+6)由于拥有工程天才技能获得加成", "总战斗力：160"}},
        {{0, 0, 0, 8}, 0, {"总战斗力：160(+8)由于拥有天神降临技能获得加成"}},
        {{0, 0, 7, 0}, 2, {"总战斗力：160(+7)由于拥有战斗天才技能获得加成"}},
        {{0, 0, 7, 8}, 2, {"总战斗力：160(+15)由于拥有战斗天才技能和天神降临获得加成"}},
        {{0, 0, 7, 8}, 1, {"总战斗力：160"}},
    };
    for (const Case& c : cases) {
        CAerieMonsterGroup& group = Store().GetOwnCity().m_aGroups[0];
        std::copy(std::begin(c.bonus), std::end(c.bonus), group.m_adwBonus);
        group.m_adwWeight[0] = 100;
        group.m_adwWeight[1] = 100;
        group.m_adwWeight[2] = 100;
        group.m_adwBase[0] = 20;
        group.m_adwBase[1] = 40;
        group.m_adwBase[2] = 60;
        if (c.page < 0) {
            ClickOn(wnd, wnd->m_pBackBtn);
        } else {
            ClickOn(wnd, wnd->m_pGroupBtn[c.page]);
            // Another group's page shows group 0's figures only for group 0: copy them over.
            Store().GetOwnCity().m_aGroups[c.page] = group;
        }
        Draw();
        for (const std::string& line : c.lines) {
            EXPECT_NE(Text(line), nullptr) << line << " on page " << c.page;
        }
    }
    // The state words: a producing group with members, a fighting one, an empty one.
    ClickOn(wnd, wnd->m_pBackBtn);
    Store().GetOwnCity().m_aGroups[1].m_dwMonsterCount = 0;
    Store().GetOwnCity().m_aGroups[2] = CAerieMonsterGroup(2);
    Store().GetOwnCity().m_aGroups[2].m_dwMonsterCount = 1;
    Draw();
    EXPECT_NE(Text("战斗"), nullptr);
    EXPECT_NE(Text(" 无"), nullptr);
    EXPECT_NE(Text("生产"), nullptr);
}

TEST_F(AerieMonsterWindows, GroupPageBuildsSkillCellsAndTheRefreshChoice)
{
    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.BuildSteps();
    guide.SetStep(18);
    CAerieMonsterGroupWnd* wnd = OpenGroups(Tech(26, 3));
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pGroupBtn[1]);
    EXPECT_EQ(guide.m_wStep, 19);
    EXPECT_EQ(wnd->m_nPage, CAerieMonsterGroupWnd::kGroupPage);
    EXPECT_EQ(wnd->m_pPrevBtn, nullptr);
    for (int i = 0; i < CAerieMonsterGroupWnd::kSkillCells; ++i) {
        ASSERT_NE(wnd->m_pSkill[i], nullptr);
        EXPECT_EQ(wnd->m_pSkill[i]->m_wItemId, 11 + i);
        EXPECT_EQ(wnd->m_pSkill[i]->m_bAvailable, i <= 3 ? 1 : 0) << "cell " << i;
    }
    ASSERT_NE(wnd->m_pChoice, nullptr);
    ASSERT_EQ(wnd->m_pChoice->m_vItems.size(), 8u);
    EXPECT_EQ(wnd->m_pChoice->m_vItems[2].m_strText, "3级怪物技能卡");
    EXPECT_EQ(wnd->m_pChoice->m_vItems[7].m_strText, "8级怪物技能卡");
    ASSERT_NE(wnd->m_pRefreshBtn, nullptr);
    // A pick is framed; another group re-keys the cells and drops the pick.
    Pick(wnd, 14);
    EXPECT_EQ(wnd->m_nSkill, 14);
    Draw();
    const HostCall* frame = m_Host.FindImage(651, 93);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_vInts[0], wnd->m_nAbsX + 138 + 56 * 3);
    EXPECT_EQ(frame->m_vInts[1], wnd->m_nAbsY + 66);
    CAerieMonGroupSkillIcon* first = wnd->m_pSkill[0];
    ClickOn(wnd, wnd->m_pGroupBtn[2]);
    EXPECT_EQ(wnd->m_pSkill[0], first);
    EXPECT_EQ(first->m_wItemId, 22);
    EXPECT_EQ(wnd->m_nSkill, -1);
    Draw();
    EXPECT_EQ(m_Host.FindImage(651, 93), nullptr);   // nothing picked: no frame beside the cells
}

TEST_F(AerieMonsterWindows, SkillRefreshAsksByKeyAndLevelThenSends)
{
    // Group 0's skills: cell 1 at level 4, cell 2 at level 5.
    CAerieMonsterGroupWnd* wnd = OpenGroups(Skill(1, 3, 4) + Skill(2, 4, 5));
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pGroupBtn[0]);
    NewRequests();
    struct Case {
        int keys;       // the confirmation keys' value
        u16 skill;
        int choice;     // 0 common, 1 senior
        int boxes;      // boxes answered before the request
        u16 p2;
    } const cases[] = {
        {0, 1, 0, 0, 1},   // level 4: at once
        {0, 2, 1, 1, 5},   // level 5: the high-level box
        {1, 1, 1, 1, 5},   // the key asks
        {1, 2, 0, 2, 1},   // both
    };
    for (const Case& c : cases) {
        Keys(c.keys);
        Boxes().clear();
        Pick(wnd, c.skill);
        Choose(wnd->m_pChoice, c.choice);
        m_Fake.m_dwTick += 1000;
        ClickOn(wnd, wnd->m_pRefreshBtn);
        for (int b = 0; b < c.boxes; ++b) {
            EXPECT_TRUE(NewRequests().empty());
            ASSERT_EQ(Boxes().size(), 1u) << "box " << b;
            Answer();
        }
        EXPECT_TRUE(Boxes().empty());
        const std::vector<SentRequest> sent = NewRequests();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, 0x18);
        EXPECT_EQ(sent[0].m_wParam1, c.skill);
        EXPECT_EQ(sent[0].m_wParam2, c.p2);
    }
    // Each group and kind asks by its own key alone: at 2 it asks (an unticked answer leaves it
    // as it is), at 0 it does not while every other key would.
    const char* const keys[3][2] = {{"ProductCommonRefurbish", "ProductSeniornRefurbish"},
                                    {"CreateCommonRefurbish", "CreateSeniorRefurbish"},
                                    {"FightCommonRefurbish", "FightSeniorRefurbish"}};
    for (int g = 0; g < 3; ++g) {
        ClickOn(wnd, wnd->m_pGroupBtn[g]);
        for (int kind = 0; kind < 2; ++kind) {
            for (const bool asks : {true, false}) {
                Keys(asks ? 0 : 1, keys[g][kind], asks ? 2 : 0);
                Boxes().clear();
                NewRequests();
                Pick(wnd, static_cast<u16>(11 * g + 5));   // no skill there: level 0
                Choose(wnd->m_pChoice, kind);
                m_Fake.m_dwTick += 1000;
                ClickOn(wnd, wnd->m_pRefreshBtn);
                ASSERT_EQ(Boxes().size(), asks ? 1u : 0u) << keys[g][kind];
                if (asks) {
                    EXPECT_EQ(Boxes().front().m_strText, "刷新将要扣除您的点券，您确定要刷新吗？");
                    EXPECT_EQ(Boxes().front().m_strCheckText, "不要再提示我");
                    Answer();
                    EXPECT_EQ(CAerieConfigMgr::GetSingleton()->GetValue(keys[g][kind]), 2) << keys[g][kind];
                }
                const std::vector<SentRequest> sent = NewRequests();
                ASSERT_EQ(sent.size(), 1u) << keys[g][kind];
                EXPECT_EQ(sent[0].m_wParam1, 11 * g + 5);
                EXPECT_EQ(sent[0].m_wParam2, kind == 0 ? 1 : 5);
            }
        }
    }

    // No pick: refused. During the tutorial: refused before anything else.
    ClickOn(wnd, wnd->m_pGroupBtn[0]);   // the same group: the pick stays
    ClickOn(wnd, wnd->m_pGroupBtn[1]);
    ClearTips();
    ClickOn(wnd, wnd->m_pRefreshBtn);
    EXPECT_EQ(Tips(), std::vector<std::string>{"您未选中要刷新的技能！"});
    CAerieNewBie::GetSingleton().BuildSteps();
    CAerieNewBie::GetSingleton().SetStep(30);
    ClearTips();
    ClickOn(wnd, wnd->m_pRefreshBtn);
    EXPECT_EQ(Tips(), std::vector<std::string>{"请您先完成新手任务，再来刷新！"});
    EXPECT_TRUE(NewRequests().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AerieMonsterWindows, SkillCardsAreCheckedAgainstTheBagAndTheLevel)
{
    CAerieMonsterGroupWnd* wnd = OpenGroups(Skill(1, 3, 4) + Skill(2, 4, 5));
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pGroupBtn[0]);
    NewRequests();
    m_Host.m_mapHasBagItem[5999 + 3] = true;   // the level-4 card (choice 3)
    m_Host.m_mapHasBagItem[5999 + 5] = true;   // the level-6 card (choice 5)
    struct Case {
        int choice;
        int skill;   // -1 none picked
        const char* tip;
        u16 p2;      // the request's second parameter when sent
    } const cases[] = {
        {2, 1, "很抱歉，你包裹内没有“3级怪物技能卡”，无法", 0},
        {3, -1, "请先选中本次需要升级的怪物技能，然后再", 0},
        {3, 2, "很抱歉，你本次升级的怪物技能等级高于怪物", 0},
        {3, 1, "很抱歉，你本次升级的怪物技能等级和怪物升", 0},
        {5, 2, nullptr, 9},
    };
    for (const Case& c : cases) {
        wnd->m_nSkill = c.skill;
        Choose(wnd->m_pChoice, c.choice);
        ClearTips();
        m_Fake.m_dwTick += 1000;
        Draw();
        m_Host.ClearLog();
        ClickOn(wnd, wnd->m_pRefreshBtn);
        EXPECT_TRUE(Boxes().empty());
        const std::vector<HostCall> asked = m_Host.Calls("HasBagItem");
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].m_vInts, (std::vector<long long>{47, 268, 5999 + c.choice}));
        const std::vector<SentRequest> sent = NewRequests();
        if (c.tip != nullptr) {
            EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
            EXPECT_EQ(LastTipLook(), (std::pair<u32, int>{0xFFFFFF00, 300}));
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].m_wParam1, 2);
            EXPECT_EQ(sent[0].m_wParam2, c.p2);
        }
    }
}

TEST_F(AerieMonsterWindows, TheRefreshButtonRestsForMoreThan300Ms)
{
    CAerieMonsterGroupWnd* wnd = OpenGroups(Skill(1, 3, 1));
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pGroupBtn[0]);
    Keys(0);
    Pick(wnd, 1);
    Choose(wnd->m_pChoice, 0);
    Draw();
    EXPECT_EQ(wnd->m_pRefreshBtn->m_bEnabled, 1);
    ClickOn(wnd, wnd->m_pRefreshBtn);
    m_Fake.m_dwTick += 300;
    Draw();
    EXPECT_EQ(wnd->m_pRefreshBtn->m_bEnabled, 0);
    m_Fake.m_dwTick += 1;
    Draw();
    EXPECT_EQ(wnd->m_pRefreshBtn->m_bEnabled, 1);
}

TEST_F(AerieMonsterWindows, NewMonsterIsTakenReleasedOrRefreshed)
{
    Keys(0);
    // A blue monster (Lvl 3) waits: the window opens on entering.
    ASSERT_NE(Enter(Item(10, MonsterRecord(0, 5, 1, 4, 5, 6))), nullptr);
    Frame();
    auto* wnd = dynamic_cast<CAerieGetMonsterWnd*>(Wnd()->m_pGetMonsterWnd);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_nMode, 0);
    ASSERT_NE(wnd->m_pAssignBtn, nullptr);
    NewRequests();
    ClickOn(wnd, wnd->m_pAssignBtn);
    ClickOn(wnd, wnd->m_pReleaseBtn);
    EXPECT_EQ(Boxes().front().m_strText, "您确定要放生该怪物吗？");
    Answer();
    // Lvl 3 asks once more; the answer refreshes with the kind and no slot.
    ClickOn(wnd, wnd->m_pCommonBtn);
    ASSERT_EQ(Boxes().size(), 1u);
    Answer();
    Choose(wnd->m_pCoupons, 1);
    ClickOn(wnd, wnd->m_pTopUpBtn);
    const std::vector<SentRequest> sent = NewRequests();
    struct Want {
        u16 sub, p1, p2;
    } const want[] = {{0x1b, 0, 0}, {0x1c, 0, 0}, {0x19, 1, 0xFFFF}, {0x1a, 10, 0}};
    ASSERT_EQ(sent.size(), std::size(want));
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].m_wSub, want[i].sub) << i;
        EXPECT_EQ(sent[i].m_wParam1, want[i].p1) << i;
        EXPECT_EQ(sent[i].m_wParam2, want[i].p2) << i;
    }
    Draw();
    EXPECT_NE(Text("恭喜您获得新的怪物！"), nullptr);
    EXPECT_NE(Text("雷电熊"), nullptr);
    EXPECT_NE(Text("战斗力：6"), nullptr);

    // The tutorial refuses refresh and top-up, not taking the monster.
    CAerieNewBie::GetSingleton().BuildSteps();
    CAerieNewBie::GetSingleton().SetStep(16);
    ClearTips();
    ClickOn(wnd, wnd->m_pSeniorBtn);
    ClickOn(wnd, wnd->m_pTopUpBtn);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请您先完成新手任务，再来刷新！", "请您先完成新手任务，再来充入点数！"}));
    EXPECT_TRUE(NewRequests().empty());
    ClickOn(wnd, wnd->m_pAssignBtn);
    EXPECT_EQ(NewRequests().size(), 1u);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 17);
}

TEST_F(AerieMonsterWindows, ASlotsMonsterIsRefreshedBehindItsKeysAndTheSeniorThrottle)
{
    Keys(1);
    // Slot 0x0102 (258 is beyond the grid, the window only names it) holds a green monster.
    ASSERT_NE(Enter(Item(5, MonsterRecord(3, 3, 1, 1, 2, 3)) + Item(5, MonsterRecord(0x0102, 1, 1, 1, 2, 3))), nullptr);
    struct Case {
        std::string text;
        u16 slot;
    } const cases[] = {{LE16(3), 3}, {LE16(3) + "xx", 3}, {std::string(1, '\x02'), 2}};
    for (const Case& c : cases) {
        Route(GameEvent(EVT_GETMONSTER_WND, 1, c.text));
        auto* wnd = dynamic_cast<CAerieGetMonsterWnd*>(Wnd()->m_pGetMonsterWnd);
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(wnd->m_nMode, 1);
        EXPECT_EQ(wnd->m_wSlot, c.slot);
        EXPECT_EQ(wnd->m_pAssignBtn, nullptr);
        EXPECT_EQ(wnd->m_pReleaseBtn, nullptr);
    }
    Route(GameEvent(EVT_GETMONSTER_WND, 1, LE16(3)));
    auto* wnd = dynamic_cast<CAerieGetMonsterWnd*>(Wnd()->m_pGetMonsterWnd);
    ASSERT_NE(wnd, nullptr);
    NewRequests();
    // The key asks; the green monster (Lvl 2) needs no second box.
    ClickOn(wnd, wnd->m_pSeniorBtn);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front().m_strText, "刷新将要扣除您对应的刷新点数，您确定要刷新吗？");
    EXPECT_EQ(Boxes().front().m_nStyle, 0x224u);
    Answer();
    std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x19);
    EXPECT_EQ(sent[0].m_wParam1, 5);
    EXPECT_EQ(sent[0].m_wParam2, 3);
    // The senior button rests until more than 300 ms passed.
    Draw();
    EXPECT_EQ(wnd->m_pSeniorBtn->m_bEnabled, 0);
    m_Fake.m_dwTick += 300;
    Draw();
    EXPECT_EQ(wnd->m_pSeniorBtn->m_bEnabled, 0);
    m_Fake.m_dwTick += 1;
    Draw();
    EXPECT_EQ(wnd->m_pSeniorBtn->m_bEnabled, 1);
    EXPECT_NE(Text("刷新怪物"), nullptr);
    // The top-up key asks too; the first coupon item sends 1.
    Choose(wnd->m_pCoupons, 0);
    ClickOn(wnd, wnd->m_pTopUpBtn);
    ASSERT_EQ(Boxes().size(), 1u);
    Answer();
    sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x1a);
    EXPECT_EQ(sent[0].m_wParam1, 1);
    // Topic 37 again replaces it (a new window may take the old one's address); 0 closes it.
    const ORVLifeWatch old = wnd->Watch();
    Route(GameEvent(EVT_GETMONSTER_WND, 1, LE16(3)));
    EXPECT_TRUE(old.expired());
    EXPECT_NE(Wnd()->m_pGetMonsterWnd, nullptr);
    Route(GameEvent(EVT_GETMONSTER_WND, 0));
    EXPECT_EQ(Wnd()->m_pGetMonsterWnd, nullptr);
}

TEST_F(AerieMonsterWindows, LevelUpOffersTheHigherColoursAndSendsTheGrade)
{
    m_Host.m_mapBagCounts[32064] = 3;
    m_Host.m_mapBagCounts[32065] = 9;
    // Slot 3 white x 5, slot 4 blue, slot 5 an unknown monster.
    ASSERT_NE(Enter(Item(5, MonsterRecord(3, 1, 5, 1, 2, 3)) + Item(5, MonsterRecord(4, 5, 1, 1, 2, 3)) +
                    Item(5, MonsterRecord(5, 99, 1, 1, 2, 3))),
              nullptr);
    struct Case {
        u16 slot;
        std::vector<std::string> colours;   // empty: no choice at all
    } const cases[] = {{4, {"紫色"}}, {5, {}}};
    for (const Case& c : cases) {
        Route(GameEvent(EVT_MONSTER_NOTICE, 1, LE16(c.slot) + LE16(1)));
        auto* wnd = dynamic_cast<CAerieMonLvlupWnd*>(Wnd()->m_pMonLvlupWnd);
        ASSERT_NE(wnd, nullptr);
        std::vector<std::string> colours;
        if (wnd->m_pColour != nullptr) {
            for (const ORVChoiceItem& item : wnd->m_pColour->m_vItems) {
                colours.push_back(item.m_strText);
            }
        }
        EXPECT_EQ(colours, c.colours);
        EXPECT_EQ(wnd->m_pColour == nullptr, c.colours.empty());
        NewRequests();
        ClickOn(wnd, wnd->m_pOkBtn);
        EXPECT_EQ(NewRequests().size(), c.colours.size()) << "slot " << c.slot;
    }

    Route(GameEvent(EVT_MONSTER_NOTICE, 5, LE16(3) + LE16(1)));
    auto* wnd = dynamic_cast<CAerieMonLvlupWnd*>(Wnd()->m_pMonLvlupWnd);
    ASSERT_NE(wnd, nullptr);
    ASSERT_NE(wnd->m_pColour, nullptr);
    ASSERT_EQ(wnd->m_pColour->m_vItems.size(), 3u);
    EXPECT_EQ(wnd->m_pColour->m_vItems[0].m_strText, "绿色");
    EXPECT_EQ(wnd->m_wCardFrame, 652);
    // Five needed, three in the bag: red, and OK still sends.
    Draw();
    const HostCall* need = Text("本次升级需要怪物卡数量：5");
    ASSERT_NE(need, nullptr);
    EXPECT_EQ(need->m_vInts[2], 0xFFFF0000);
    EXPECT_NE(Text("包裹中怪物卡数量：3"), nullptr);
    NewRequests();
    ClickOn(wnd, wnd->m_pOkBtn);
    std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x15);
    EXPECT_EQ(sent[0].m_wParam1, 3);
    EXPECT_EQ(sent[0].m_wParam2, 2);
    // Blue: card and count follow at once; the grade sent is 3.
    Choose(wnd->m_pColour, 1);
    EXPECT_EQ(wnd->m_wCardFrame, 653);
    EXPECT_EQ(wnd->m_wCardsInBag, 9);
    Draw();
    need = Text("本次升级需要怪物卡数量：5");
    ASSERT_NE(need, nullptr);
    EXPECT_EQ(need->m_vInts[2], 0xFF00FFFF);
    EXPECT_NE(m_Host.FindImage(653, 93), nullptr);
    ClickOn(wnd, wnd->m_pOkBtn);
    sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wParam2, 3);
    Frame(2);
    EXPECT_EQ(Wnd()->m_pMonLvlupWnd, wnd);   // stays open
    ClickOn(wnd, wnd->m_pCancelBtn);
    Frame(2);
    EXPECT_EQ(Wnd()->m_pMonLvlupWnd, nullptr);
}
