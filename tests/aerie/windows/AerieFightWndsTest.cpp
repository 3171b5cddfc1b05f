// The fight sheets (before a fight, under way) and the award refresh window over the scripted
// server.
#include <gtest/gtest.h>

#include "AerieCityFixture.h"
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieFightWnds.h"
#include "aerie/windows/AerieMonsterIconCtrl.h"
#include "aerie/windows/AerieSkillIconCtrl.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"

using namespace orv::test;

namespace {

constexpr const char kGameData[] =
    R"(<fight Group="1" Type="3" Name="R3" Scale="S" Wait="10" FriendWait="5" Fight="20" Hour="2" MaxTimes="3"/>)"
    R"(<fight Group="2" Type="5" Name="D5" Scale="S" Wait="10" FriendWait="5" Fight="20"/>)"
    R"(<MonSkill ID="11" Pic="1" Name="s" Effect="0,10,50" Des="%1%"/>)";

class AerieFight : public AerieCityTest {
protected:
    void SetUp() override
    {
        AerieCityTest::SetUp();
        LoadGameData(kGameData);
        SetAerieWindowRecord(AerieWndKind::FightRobBefore, ORV_RUNTIME_CLASS(CAerieFightRobBeforeWnd));
        SetAerieWindowRecord(AerieWndKind::FightDefendBefore, ORV_RUNTIME_CLASS(CAerieFightDefendBeforeWnd));
        SetAerieWindowRecord(AerieWndKind::FightInfo, ORV_RUNTIME_CLASS(CAerieFightInfoWnd));
        SetAerieWindowRecord(AerieWndKind::FightAwardRefresh, ORV_RUNTIME_CLASS(CAerieFightAwardRefreshWnd));
    }
    static std::string Mission(u8 index, u8 phase, u8 award, u32 grass)
    {
        std::string r = FightRecord(index, 60, 120, 30, 0);
        r[aerie_layout::kFightPhase] = static_cast<char>(phase);
        r[aerie_layout::kFightMultiplier] = static_cast<char>(award);
        for (int b = 0; b < 4; ++b) {
            r[aerie_layout::kFightRewards + b] = static_cast<char>((grass >> (8 * b)) & 0xFF);
        }
        return Item(13, r);
    }
    template <class W>
    W* Open(u32 topic, u32 arg)
    {
        Route(GameEvent(topic, arg));
        return dynamic_cast<W*>(topic == EVT_AWARDREFRESH_WND ? Wnd()->m_pAwardRefreshWnd : Wnd()->m_pFightWnd);
    }
    static std::deque<ORVMsgBoxRequest>& Boxes() { return ORVMsgBoxQueue::GetSingleton().m_vMsgBuf; }
    void AnswerOk(CORVControl* wnd, bool cancel = false)
    {
        ASSERT_FALSE(Boxes().empty());
        ORVMsg answer = cancel ? Boxes().front().m_CancelMsg : Boxes().front().m_OkMsg;
        Boxes().clear();
        wnd->ProcessMessage(&answer);
    }
    CAerieMonsterGroup& OwnGroup(int g) { return Store().GetOwnCity().m_aGroups[g]; }
};

}  // namespace

TEST_F(AerieFight, PlunderSheetQueriesOnOpenAndGroupChangeAndStartsWithAnIdleGroup)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)) + Mission(3, 3, 10, 0)), nullptr);
    auto* sheet = Open<CAerieFightRobBeforeWnd>(EVT_FIGHTROB_WND, 0x00010003);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->m_wFightId, 3);
    EXPECT_EQ(sheet->m_wDifficulty, 1);
    ASSERT_NE(sheet->m_apEnemy[0], nullptr);
    EXPECT_FLOAT_EQ(sheet->m_apEnemy[0]->m_fScale, 0.7f);
    EXPECT_EQ(sheet->m_apOwn[9]->m_nKind, 6);
    EXPECT_EQ(sheet->m_apSkill[10]->m_nKind, 12);
    ASSERT_FALSE(Sent().empty());
    SentRequest q = Sent().back();
    EXPECT_EQ(q.m_wSub, 0x20);
    EXPECT_EQ(q.m_nOwner, 1u);
    EXPECT_EQ(q.m_wParam1, 2);
    EXPECT_EQ(q.m_wParam2, 3);
    EXPECT_EQ(q.m_strBody, "me");
    // The same group again asks nothing; another one asks once and the icons follow.
    const std::size_t before = Sent().size();
    ORVMsg pick(kNotifyChoiceSelect, 2, sheet->m_pGroupChoice);
    sheet->OnMessage(&pick);
    EXPECT_EQ(Sent().size(), before);
    pick.m_wParam = 0;
    sheet->OnMessage(&pick);
    ASSERT_EQ(Sent().size(), before + 1);
    EXPECT_EQ(Sent().back().m_wParam1, 0);
    EXPECT_EQ(sheet->m_apOwn[0]->m_nKind, 4);
    // The server's figures arrive (67): the loss estimate of the chosen group follows.
    OwnGroup(0).m_adwKindCount[0][0] = 10;
    Store().GetOwnCity().m_FightMissions.m_adwHeader[0] = 1000;
    EXPECT_FLOAT_EQ(sheet->m_fLoss, 0.0f);
    Route(GameEvent(EVT_FIGHT_TABLE_CHANGED));
    EXPECT_NEAR(sheet->m_fLoss, 1000 * 0.07f / (135.1f * 5.0f) * 100.0f, 0.01f);
    // Start: no monsters, then busy (upgrading), then researching (allowed).
    struct Case {
        u32 monsters;
        u8 state;
        const char* tip;
    } cases[] = {
        {0, 0, "没有可战斗的怪物"},
        {5, 1, "当前小组正在进行工程或战斗，无法进行相关操作"},
        {5, 4, "当前小组正在进行工程或战斗，无法进行相关操作"},
    };
    for (const Case& c : cases) {
        OwnGroup(0).m_dwMonsterCount = c.monsters;
        OwnGroup(0).m_WorkState[aerie_layout::kWorkState] = c.state;
        ClearTips();
        ClickOn(sheet, sheet->m_pStartButton);
        EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
    }
    OwnGroup(0).m_WorkState[aerie_layout::kWorkState] = 2;
    ClickOn(sheet, sheet->m_pStartButton);
    EXPECT_EQ(Sent().back().m_wSub, 0x1d);
    EXPECT_EQ(Sent().back().m_wParam1, 0);
    EXPECT_EQ(Sent().back().m_wParam2, 3);
    Frame();
    Frame();
    EXPECT_EQ(Wnd()->m_pFightWnd, nullptr);
}

TEST_F(AerieFight, LossEstimateByDifficultyCapAndPowerFloor)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3))), nullptr);
    struct Case {
        u32 monsters;
        u32 kinds[4];
        u32 header;
        u16 skillLevel;
        int difficulty;
        float loss;
    } cases[] = {
        {9, {9, 0, 0, 0}, 0, 0, 0, 0.0f},
        {20, {20, 0, 0, 0}, 0, 0, 0, 5.0f},
        {20, {0, 0, 0, 0}, 10, 0, 1, 10 * 0.07f / 5.0f * 100.0f},   // power floored at 1
        {1, {1, 0, 0, 0}, 1000000, 0, 2, 100.0f},                    // capped
        {10, {10, 0, 0, 0}, 1000, 0, 1, 1000 * 0.07f / (135.1f * 5.0f) * 100.0f},
        {10, {10, 0, 0, 0}, 1000, 1, 1, 1000 * 0.07f * 0.9f / (135.1f * 5.0f) * 100.0f},   // skill level 1: 10 %
        {10, {10, 0, 0, 0}, 1000, 3, 1, 1000 * 0.07f / (135.1f * 5.0f) * 100.0f},          // above the top level
        {10, {10, 0, 0, 0}, 1000, 0, 3, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.difficulty * 1000 + c.monsters);
        CAerieMonsterGroup& g = OwnGroup(2);
        g.m_dwMonsterCount = c.monsters;
        for (int k = 0; k < 4; ++k) {
            g.m_adwKindCount[2][k] = c.kinds[k];
        }
        Store().GetOwnCity().m_FightMissions.m_adwHeader[0] = c.header;
        AerieGroupSkillMap& skills = Store().GetOwnCity().m_mapGroupSkills;
        skills.clear();
        if (c.skillLevel != 0) {
            AerieGroupSkillEntry& e = skills[22];
            const unsigned char value[6] = {22, 0, 11, 0, static_cast<unsigned char>(c.skillLevel), 0};
            e.Update(value, sizeof value);
        }
        EXPECT_NEAR(EstimateFightLoss(2, c.difficulty), c.loss, 0.01f);
    }
    EXPECT_EQ(EnemyPower(101, 1), 70u);
    EXPECT_EQ(EnemyPower(101, 7), 50u);
}

TEST_F(AerieFight, DefenceSheetStartsTheOwnGroupWhileVisiting)
{
    Enter(Buildings(std::vector<u16>(18, 3)));
    OwnGroup(2).m_dwMonsterCount = 3;
    ASSERT_NE(Enter(Mission(5, 3, 10, 0), true), nullptr);
    auto* sheet = Open<CAerieFightDefendBeforeWnd>(EVT_FIGHTDEFEND_WND, 5);
    ASSERT_NE(sheet, nullptr);
    ClickOn(sheet, sheet->m_pStartButton);
    EXPECT_EQ(Sent().back().m_wSub, 0x22);
    EXPECT_EQ(Sent().back().m_wParam1, 2);
    EXPECT_EQ(Sent().back().m_wParam2, 5);
    EXPECT_EQ(Sent().back().m_strBody, "me");
}

TEST_F(AerieFight, InformationSheetCancelsTheFightOfTheRecordsGroup)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)) + Mission(3, 1, 25, 40) + Mission(4, 3, 10, 0) +
                    Item(11, WorkState(1, 4, 3, 600))),
              nullptr);
    auto* info = Open<CAerieFightInfoWnd>(EVT_FIGHTINFO_WND, 3);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->m_nFightingGroup, 1u);
    DrawFrame();
    EXPECT_NE(Text("牧草：40×2.5"), nullptr) << m_Host.Dump();
    EXPECT_NE(Text("战斗组：工程组"), nullptr);
    ClickOn(info, info->m_pCancelFightButton);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front().m_strText, "确认要取消本次战斗任务吗？");
    AnswerOk(info);
    EXPECT_EQ(Sent().back().m_wSub, 0x24);
    EXPECT_EQ(Sent().back().m_wParam1, 1);
    Frame();
    Frame();
    EXPECT_EQ(Wnd()->m_pFightWnd, nullptr);

    // No group fights mission 4: the idle group, and a confirmed cancel sends nothing.
    info = Open<CAerieFightInfoWnd>(EVT_FIGHTINFO_WND, 4);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->m_nFightingGroup, 3u);
    const std::size_t before = Sent().size();
    ORVMsg cancel = GameEvent(EVT_CANCEL_FIGHT, 0, "", info);
    info->ProcessMessage(&cancel);
    EXPECT_EQ(Sent().size(), before);
    EXPECT_EQ(Wnd()->m_pFightWnd, info);
}

TEST_F(AerieFight, AwardRefreshThrottlesAsksAndSendsCouponAndCardRefreshes)
{
    XmlTempDir dir;
    const std::string path = dir.Write("aerieconfig.xml",
                                       "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<config>\n"
                                       "<key Index=\"0\" Name=\"AwardRefreshHint\" Value=\"0\"/>\n</config>\n");
    CAerieConfigMgr* cfg = CAerieConfigMgr::GetSingleton();
    ASSERT_TRUE(cfg->Load(path.c_str()));
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)) + Mission(3, 3, 35, 7)), nullptr);
    m_Fake.m_dwTick = 5000;
    auto* wnd = Open<CAerieFightAwardRefreshWnd>(EVT_AWARDREFRESH_WND, 3);
    ASSERT_NE(wnd, nullptr);
    // No cost question at 0; 3.5 asks nothing more: p2 0 at once.
    ClickOn(wnd, wnd->m_pRefreshButton);
    EXPECT_EQ(Sent().back().m_wSub, 0x1e);
    EXPECT_EQ(Sent().back().m_wParam1, 3);
    EXPECT_EQ(Sent().back().m_wParam2, 0);
    // 999 ms later refused; 1000 ms later accepted.
    const std::size_t sent = Sent().size();
    m_Fake.m_dwTick += 999;
    ClearTips();
    ClickOn(wnd, wnd->m_pRefreshButton);
    EXPECT_EQ(Tips(), std::vector<std::string>{"刷新的速度太快了，请稍候再点"});
    EXPECT_EQ(Sent().size(), sent);
    m_Fake.m_dwTick += 1;
    ClickOn(wnd, wnd->m_pRefreshButton);
    EXPECT_EQ(Sent().size(), sent + 1);
    // With the hint on: the cost question, then (at 4.0) the high-multiplier one.
    cfg->SetValue(AerieConfigKey::AwardRefreshHint, 1);
    Store().GetOwnCity().m_FightMissions.m_mapMissions[3].m_Record[aerie_layout::kFightMultiplier] = 40;
    m_Fake.m_dwTick += 1000;
    ClickOn(wnd, wnd->m_pRefreshButton);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front().m_strText, "本次刷新将扣除12点券，你确定要刷新吗？");
    AnswerOk(wnd);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front().m_strText, "当前奖励是4.0倍，确定要继续刷新吗？");
    AnswerOk(wnd);
    EXPECT_EQ(Sent().size(), sent + 2);

    // Cards: 3.5 (card 4) is not above 4.0; 5.0 (card 7) asks, shows x5.0 meanwhile, sends 50.
    ClickOn(wnd, wnd->m_pCardButton);
    EXPECT_TRUE(wnd->m_apCard[0]->m_bVisible);
    EXPECT_FALSE(wnd->m_pRefreshButton->m_bVisible);
    ClearTips();
    ClickOn(wnd, wnd->m_apCard[4]);
    EXPECT_EQ(Tips(), std::vector<std::string>{"您选择的倍数低于或等于当前倍数"});
    ClickOn(wnd, wnd->m_apCard[7]);
    ASSERT_EQ(Boxes().size(), 1u);
    DrawFrame();
    EXPECT_NE(Text("牧草：7×5.0"), nullptr) << m_Host.Dump();
    AnswerOk(wnd);
    EXPECT_EQ(Sent().back().m_wParam2, 50);
    // The server lacks the cards: back to the refresh mode.
    ClearTips();
    Route(GameEvent(EVT_AWARDREFRESH_DATA, 1));
    EXPECT_EQ(Tips(), std::vector<std::string>{"包裹内没有足够相应的倍数卡"});
    EXPECT_FALSE(wnd->m_apCard[0]->m_bVisible);
    EXPECT_TRUE(wnd->m_pRefreshButton->m_bVisible);
    DrawFrame();
    EXPECT_NE(Text("牧草：7×4.0"), nullptr);
    cfg->Load(kAerieConfigPath);
    EXPECT_EQ(AwardRefreshCost(0), 1u);
    EXPECT_EQ(AwardRefreshCost(4), 16u);
    EXPECT_EQ(AwardRefreshCost(5), 0u);
}

// The refresh question is answered by a double click on OK, but the window that asked closes
// (event 65 again) before the box sees the click: the answer goes nowhere, nothing is sent, and
// the box closes.
TEST_F(AerieFight, AnAwardRefreshAnswerForAClosedWindowGoesNowhere)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)) + Mission(3, 3, 35, 7)), nullptr);
    ASSERT_TRUE(CAerieConfigMgr::GetSingleton()->AsksConfirmation(AerieConfigKey::AwardRefreshHint));
    m_Fake.m_dwTick = 5000;
    auto* wnd = Open<CAerieFightAwardRefreshWnd>(EVT_AWARDREFRESH_WND, 3);
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pRefreshButton);
    ASSERT_EQ(Boxes().size(), 1u);
    Frame();
    auto* box = static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX));
    ASSERT_NE(box, nullptr);
    const std::size_t sent = Sent().size();
    box->m_pOkButton->OnClick(0);
    box->m_pOkButton->OnClick(0);
    Route(GameEvent(EVT_AWARDREFRESH_WND, 3));
    Frame(4);
    EXPECT_EQ(Wnd()->m_pAwardRefreshWnd, nullptr);
    EXPECT_EQ(Sent().size(), sent);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("the window that asked is gone"));
}
