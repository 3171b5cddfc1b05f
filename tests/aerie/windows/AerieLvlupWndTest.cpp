#include <gtest/gtest.h>

#include "AerieCityWindowsFixture.h"
#include "aerie/windows/AerieLvlupWnd.h"
#include "maingame/orvane/ORVMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"

using namespace orv::test;

namespace {

class AerieLvlupWindow : public AerieCityWindowsTest {
protected:
    // Opens the level-up window of building id (kind 0) or technology id (kind 1).
    CAerieLvlupWnd* Open(u16 id, u16 kind)
    {
        Event(EVT_LVLUP_WND, (static_cast<u32>(id) << 16) | kind);
        return dynamic_cast<CAerieLvlupWnd*>(Wnd()->m_pLvlupWnd);
    }
    // Clicks OK and lets the frames pass that carry the request and the close.
    void Ok(CAerieLvlupWnd* wnd)
    {
        ClickOn(wnd, wnd->m_pOkBtn);
        Frame(2);
    }
    // Plenty of everything; the pasture (building 1) at level 2 costs grass 200, stone 240,
    // wood 320, metal 40 and 1,800 s.
    static std::string Rich() { return Owner(0, 5000, 5000, 5000, 5000); }
};

}  // namespace

TEST_F(AerieLvlupWindow, OkSendsTheUpgradeWithTheChosenGroupOrRefusesInOrder)
{
    struct Case {
        const char* name;
        std::string items;
        int group;          // chosen before OK; -1 leaves the default (engineering)
        const char* tip;    // null: sent
        u16 sentGroup;
    } cases[] = {
        {"default group", City(3, {{1, 2}}) + Rich() + Monsters(1, 1, 10), -1, nullptr, 1},
        {"group busy building", City(3, {{1, 2}}) + Rich() + Monsters(1, 1, 10) + Work(1, 1, 5, 60), -1,
         "该小组正忙，无法进行其他行为。", 0},
        {"group fighting", City(3, {{1, 2}}) + Rich() + Monsters(0, 1, 10) + Work(0, 4, 1, 60), 0,
         "该小组正忙，无法进行其他行为。", 0},
        {"empty group", City(3, {{1, 2}}) + Rich(), -1, "该小组内没有怪物，不能进行工程行为。", 0},
        {"short of wood", City(3, {{1, 2}}) + Owner(0, 5000, 5000, 319, 5000) + Monsters(1, 1, 0), -1,
         "不满足进行工程的条件", 0},
        {"main city too low", City(1, {{1, 2}}) + Rich() + Monsters(1, 1, 10), -1, "不满足进行工程的条件", 0},
        {"no group: no group checks", City(3, {{1, 2}}) + Rich(), CAerieLvlupWnd::kNoGroup, nullptr, 3},
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ClearTips();
        ASSERT_NE(Enter(c.items), nullptr) << c.name;
        CAerieLvlupWnd* wnd = Open(1, 0);
        ASSERT_NE(wnd, nullptr) << c.name;
        if (c.group >= 0) {
            wnd->m_nGroup = c.group;
        }
        m_Host.ClearLog();
        Ok(wnd);
        if (c.tip == nullptr) {
            ASSERT_EQ(Sent().size(), 1u) << c.name;
            EXPECT_EQ(Sent()[0].m_wSub, 0x01) << c.name;
            EXPECT_EQ(Sent()[0].m_wParam1, 1) << c.name;
            EXPECT_EQ(Sent()[0].m_wParam2, c.sentGroup) << c.name;
            EXPECT_EQ(Wnd()->m_pLvlupWnd, nullptr) << c.name;   // closed
        } else {
            EXPECT_TRUE(Sent().empty()) << c.name;
            ASSERT_FALSE(Tips().empty()) << c.name;
            EXPECT_EQ(Tips().back(), c.tip) << c.name;
            EXPECT_NE(Wnd()->m_pLvlupWnd, nullptr) << c.name;
        }
    }
}

TEST_F(AerieLvlupWindow, TechnologyTheCityLacksIsStillSentAsAScienceUpgrade)
{
    ASSERT_NE(Enter(City() + Rich() + Monsters(1, 1, 0)), nullptr);
    CAerieLvlupWnd* wnd = Open(24, 1);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->GetLevel(), 0);
    EXPECT_TRUE(CAerieDataMgr::GetSingleton().GetShownCity().m_mapTech.empty());   // nothing entered
    m_Host.ClearLog();
    Ok(wnd);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wSub, 0x03);
    EXPECT_EQ(Sent()[0].m_wParam1, 24);
    EXPECT_EQ(Sent()[0].m_wParam2, 1);
}

TEST_F(AerieLvlupWindow, EngineeringPowerLowersTheCostAndReductionsShortenTheTime)
{
    struct Case {
        const char* name;
        u16 engineering;   // of the one monster of group 1
        u32 cost[4];       // grass, stone, wood, metal
        u32 time;
    } cases[] = {
        // x = S1 x 4 x 0.5 h / 800; the creativity percent is T1 / 100 (main city level 0).
        {"no power", 0, {200, 240, 320, 40}, 1800 * 93 / 100},
        {"half", 200, {100, 120, 160, 20}, 1800 * 91 / 100},
        {"x above 1: free; reductions of 100 %: no time", 9300, {0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(City(0, {{1, 2}}) + Rich() + Monsters(1, 1, c.engineering)), nullptr);
        CAerieLvlupWnd* wnd = Open(1, 0);
        ASSERT_NE(wnd, nullptr);
        u32 cost[4];
        wnd->ComputeLvlupCost(cost);
        EXPECT_EQ(std::vector<u32>(cost, cost + 4), std::vector<u32>(c.cost, c.cost + 4)) << c.name;
        EXPECT_EQ(wnd->ComputeProjectTime(1), c.time) << c.name;
    }
}

TEST_F(AerieLvlupWindow, ZeroTotalCostsNothing)
{
    LoadGameData(R"(<Building Id="1" Name="空地" Effect="0,1" ResGrass="0" ResWood="0" ResStone="0" ResMetal="0" )"
                 R"(LvlupTime="3600" NeedMoney="0" NeedMoneyType="0" NeedCharLvl="0" NeedBuildingLvl="0"/>)");
    ASSERT_NE(Enter(City(3, {{1, 0}}) + Monsters(1, 1, 10)), nullptr);
    CAerieLvlupWnd* wnd = Open(1, 0);
    ASSERT_NE(wnd, nullptr);
    u32 cost[4] = {1, 1, 1, 1};
    wnd->ComputeLvlupCost(cost);
    EXPECT_EQ(std::vector<u32>(cost, cost + 4), std::vector<u32>(4, 0u));
}

TEST_F(AerieLvlupWindow, MoneyAndCharacterLevelRequirements)
{
    // Money type 3 (experience) with a character level: both must be met.
    LoadGameData(R"(<Building Id="0" Name="城堡" Effect="0,1,2,3,4"/>)"
                 R"(<Building Id="2" Name="工坊" Effect="0,1,2" ResGrass="10,10" ResWood="10,10" ResStone="10,10" )"
                 R"(ResMetal="10,10" LvlupTime="60,60" NeedMoney="500,500" NeedMoneyType="3" NeedCharLvl="7,7" )"
                 R"(NeedBuildingId="0" NeedBuildingLvl="2,2"/>)");
    struct Case {
        u32 experience;
        u16 character;
        bool sent;
    } cases[] = {{500, 7, true}, {499, 7, false}, {500, 6, false}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        m_Host.m_wCharacterLevel = c.character;
        std::string owner = Owner(0, 100, 100, 100, 100);
        owner.replace(4 + aerie_layout::kOwnerExperience, 4, LE32(c.experience));
        ASSERT_NE(Enter(City(3, {{2, 0}}) + owner + Monsters(1, 1, 0)), nullptr);
        CAerieLvlupWnd* wnd = Open(2, 0);
        ASSERT_NE(wnd, nullptr);
        DrawFrame();
        const HostCall* money = Text(std::string("经验值:") + std::to_string(c.experience) + "/500");
        ASSERT_NE(money, nullptr) << m_Host.Dump();
        EXPECT_EQ(static_cast<u32>(money->Int(2)), c.experience < 500 ? 0xFFFF0000u : 0xFFFFFFFFu);
        const HostCall* level = Text("人物等级:" + std::to_string(c.character) + "/7");
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->Int(0), wnd->m_nAbsX + 290);
        EXPECT_NE(Text("城堡等级:3/2"), nullptr);
        m_Host.ClearLog();
        Ok(wnd);
        EXPECT_EQ(Sent().size(), c.sent ? 1u : 0u) << c.experience << " " << c.character;
    }
}

TEST_F(AerieLvlupWindow, DrawsCostsRedWhenShortAndFollowsTheStock)
{
    ASSERT_NE(Enter(City(3, {{1, 2}}) + Owner(0, 199, 5000, 5000, 5000) + Monsters(1, 1, 0)), nullptr);
    CAerieLvlupWnd* wnd = Open(1, 0);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 16);
    EXPECT_EQ(wnd->m_pOkBtn->m_nX, 40);
    EXPECT_EQ(wnd->m_pExchangeBtn->m_wFrame, 314);
    DrawFrame();
    const HostCall* grass = Text("牧草:200/199");
    ASSERT_NE(grass, nullptr) << m_Host.Dump();
    EXPECT_EQ(grass->m_vInts[0], wnd->m_nAbsX + 25);
    EXPECT_EQ(grass->m_vInts[1], wnd->m_nAbsY + 67);
    EXPECT_EQ(static_cast<u32>(grass->Int(2)), 0xFFFF0000u);
    const HostCall* stone = Text("石料:240/5000");
    ASSERT_NE(stone, nullptr);
    EXPECT_EQ(static_cast<u32>(stone->Int(2)), 0xFFFFFFFFu);
    EXPECT_NE(Text("牧场升级"), nullptr);
    // 1,800 s less the engineering group's creativity: 700 / 260 (main city level 3) = 2.69 %.
    EXPECT_NE(Text("预计工程时间：29分11秒"), nullptr);
    // The stock arrives: the line is made again, now white.
    Recv(Message(kOwnId, 1, Owner(0, 200, 5000, 5000, 5000)));
    DrawFrame();
    const HostCall* enough = Text("牧草:200/200");
    ASSERT_NE(enough, nullptr) << m_Host.Dump();
    EXPECT_EQ(static_cast<u32>(enough->Int(2)), 0xFFFFFFFFu);
}

TEST_F(AerieLvlupWindow, HoverChoosesAGroupAndExplainsItsTime)
{
    ASSERT_NE(Enter(City(3, {{1, 2}}) + Rich() + Monsters(0, 1, 0) + Monsters(2, 1, 0)), nullptr);
    CAerieLvlupWnd* wnd = Open(1, 0);
    ASSERT_NE(wnd, nullptr);
    struct Case {
        int x, y, row;
    } cases[] = {{24, 162, 0}, {429, 207, 0}, {100, 212, 1}, {100, 208, -1}, {100, 262, 2}, {23, 170, -1}, {430, 170, -1},
                 {100, 310, -1}};
    for (const Case& c : cases) {
        wnd->OnMouseMove(c.x, c.y);
        EXPECT_EQ(wnd->m_nHoverGroup, c.row) << c.x << "," << c.y;
    }
    wnd->OnMouseMove(100, 262);
    const std::vector<std::string> lines = ToolTipLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "基本工程时间:30分");
    EXPECT_EQ(lines[3].rfind("预计工程时间:", 0), 0u);
    wnd->OnClick(0);
    EXPECT_EQ(wnd->m_nGroup, 2);
    m_Host.ClearLog();
    Ok(wnd);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wParam2, 2);
}

TEST_F(AerieLvlupWindow, ExchangeButtonOpensTheExchangeWhichClosesWithTheWindow)
{
    SetAerieWindowRecord(AerieWndKind::Exchange, ORV_RUNTIME_CLASS(CFakeSubWnd));
    ASSERT_NE(Enter(City(3, {{1, 2}})), nullptr);
    CAerieLvlupWnd* wnd = Open(1, 0);
    ASSERT_NE(wnd, nullptr);
    ClickOn(wnd, wnd->m_pExchangeBtn);
    Frame(2);
    ASSERT_NE(Wnd()->m_pExchangeWnd, nullptr);
    ClickOn(wnd, wnd->m_pCancelBtn);
    Frame(3);
    EXPECT_EQ(Wnd()->m_pLvlupWnd, nullptr);
    EXPECT_EQ(Wnd()->m_pExchangeWnd, nullptr);
}

TEST_F(AerieLvlupWindow, AHostThatClosesTheGameWhileTheRequestGoesOutEndsTheWindowSafely)
{
    ASSERT_NE(Enter(City(3, {{1, 2}}) + Rich() + Monsters(1, 1, 10)), nullptr);
    CAerieLvlupWnd* wnd = Open(1, 0);
    ASSERT_NE(wnd, nullptr);
    m_Host.m_fnOnSend = [](const char*, int) { CORVMgr::GetSingleton().CloseAerie(); };
    ClickOn(wnd, wnd->m_pOkBtn);   // the window dies inside the send; nothing of it is touched after
    m_Host.m_fnOnSend = nullptr;
    EXPECT_FALSE(CORVMgr::GetSingleton().IsAerieOpen());
}
