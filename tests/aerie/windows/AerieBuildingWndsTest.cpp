#include <gtest/gtest.h>

#include "AerieCityFixture.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieIconCtrl.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"

using namespace orv::test;
using namespace aerie_layout;

namespace {

class AerieBuildingWindows : public AerieCityTest {
protected:
    void SetUp() override
    {
        AerieCityTest::SetUp();
        m_Host.SetImageSize(38, 93, 500, 420);   // building 1's window
        m_Host.SetImageSize(36, 93, 500, 420);   // the main city's
        m_Host.SetImageSize(37, 93, 500, 420);   // the god window's
    }
    // Levels: main city 3, building id at level, others 1.
    static std::string City(int id = 1, u16 level = 2)
    {
        std::vector<u16> levels(18, 1);
        levels[0] = 3;
        levels[id] = level;
        return Buildings(levels);
    }
    // Opens the window of building id; returns the sub-window.
    CAerieBuildingWnd* Open(int id)
    {
        Click(Wnd()->m_pBuildings[id]);
        return dynamic_cast<CAerieBuildingWnd*>(Wnd()->m_pSubWnd);
    }
    // A work state with production figures (bonus percents in the order grass, stone, wood, metal).
    static std::string Work(u16 group, u16 state, u16 target, u32 seconds, u32 perHour = 0, u32 count = 0,
                            std::array<u8, 4> bonus = {}, u16 fightId = 0, u8 award = 0)
    {
        RecordBytes r(kWorkStateSize);
        r.U16(kWorkGroup, group).U16(kWorkState, state).U16(kWorkTarget, target).U32(kWorkSeconds, seconds);
        r.U32(kWorkProductionPerHour, perHour).U32(kWorkProductionCount, count).U16(kWorkFightId, fightId);
        r.U8(kWorkAwardByte, award);
        for (int i = 0; i < 4; ++i) {
            r.U8(kWorkBonusPercent + i, bonus[i]);
        }
        return Item(11, r.Str());
    }
};

}  // namespace

TEST_F(AerieBuildingWindows, BuildingWindowShowsTitleEffectsAndTheTopLevel)
{
    struct Case {
        u16 level;
        const char* title;
        const char* next;
        const char* effect;
    } cases[] = {{2, "牧场2级", "下一级每小时出产牧草170", "每小时出产牧草120"},
                 {5, "牧场5级", "已达顶级", "每小时出产牧草300"}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(City(1, c.level)), nullptr);
        CAerieBuildingWnd* wnd = Open(1);
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(wnd->m_wBackFrame, 38);
        EXPECT_EQ(wnd->m_nWidth, 500);
        EXPECT_EQ(wnd->m_nX, 150);   // centred
        DrawFrame();
        const int x = wnd->m_nAbsX;
        const int y = wnd->m_nAbsY;
        const HostCall* title = Text(c.title);
        ASSERT_NE(title, nullptr) << m_Host.Dump();
        EXPECT_EQ(title->m_vInts, (std::vector<long long>{x + 250, y + 15, 0xFFFFFFFF, 1, 0, 0, 1, 1, 0}));
        const HostCall* next = Text(c.next);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->m_vInts, (std::vector<long long>{x + 472, y + 45, 0xFFFF3500, 2, 0, 0, 1, 1, 0}));
        const HostCall* effect = Text(c.effect);
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(effect->Int(0), x + 94);
        EXPECT_EQ(static_cast<u32>(effect->Int(2)), 0xFFFFFF00u);
        EXPECT_NE(m_Host.FindImage(51, 93), nullptr);   // the icon
        ASSERT_NE(wnd->m_pUpgradeBtn, nullptr);
        EXPECT_EQ(wnd->m_pUpgradeBtn->m_nX, 23);
        EXPECT_EQ(wnd->m_pUpgradeBtn->m_wFrame, 149);
    }
}

TEST_F(AerieBuildingWindows, UpgradeButtonOpensTheLevelUpWindowOrRefuses)
{
    struct Case {
        const char* name;
        bool visited;
        u16 level;
        std::string work;
        const char* tip;   // null: the level-up topic is posted
    } cases[] = {
        {"own, can grow", false, 2, "", nullptr},
        {"top level", false, 5, "", "该建筑已经达到顶级"},
        {"being upgraded", false, 2, Work(1, 1, 1, 60), "该建筑已经在升级中"},
        {"visited", true, 2, "", "不能升级其它玩家的设施"},
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        while (!CAutoTip::GetSingleton().GetTips().empty()) {
            CAutoTip::GetSingleton().Next();
        }
        ASSERT_NE(Enter(City(1, c.level) + c.work, c.visited), nullptr) << c.name;
        Frame();
        CAerieBuildingWnd* wnd = Open(1);
        ASSERT_NE(wnd, nullptr);
        ClickOn(wnd, wnd->m_pUpgradeBtn);
        Frame();   // a posted topic arrives
        if (c.tip == nullptr) {
            ASSERT_NE(Wnd()->m_pLvlupWnd, nullptr) << c.name;
            EXPECT_EQ(static_cast<CFakeSubWnd*>(Wnd()->m_pLvlupWnd)->m_nArg, 0x10000) << c.name;
            EXPECT_EQ(Wnd()->m_pSubWnd, nullptr);   // a building's level-up closes the building window
        } else {
            EXPECT_EQ(Wnd()->m_pLvlupWnd, nullptr) << c.name;
            ASSERT_FALSE(CAutoTip::GetSingleton().GetTips().empty()) << c.name;
            EXPECT_EQ(CAutoTip::GetSingleton().GetTips().back().m_vLines[0].m_strText, c.tip) << c.name;
        }
    }
}

TEST_F(AerieBuildingWindows, MainCityOwnButtonsNoteAndMultiplierLine)
{
    struct Case {
        u8 multiplier;
        bool line;
    } cases[] = {{10, false}, {15, true}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(City() + OwnerRecord(0, 0, 0, 0, 0, 0, 0, 0, c.multiplier)), nullptr);
        auto* wnd = dynamic_cast<CAerieMainCityWnd*>(Open(0));
        ASSERT_NE(wnd, nullptr);
        ASSERT_NE(wnd->m_pBuyBtn, nullptr);
        EXPECT_EQ(wnd->m_pBuyBtn->m_nX, 132);
        ASSERT_NE(wnd->m_pExchangeBtn, nullptr);
        EXPECT_EQ(wnd->m_pExchangeBtn->m_wFrame, 314);
        ASSERT_NE(dynamic_cast<CAerieProductInfoCtrl*>(wnd->m_pProductInfo), nullptr);
        EXPECT_EQ(wnd->m_pProductInfo->m_nX, 22);
        EXPECT_EQ(wnd->m_pProductInfo->m_nWidth, 456);
        DrawFrame();
        const HostCall* note = Text("各小组的默认状态为生产，怪物组需要食用牧草维持生命力。");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->Int(0), wnd->m_nAbsX + 35);
        EXPECT_EQ(Text("服务器资源产量翻倍开启，翻倍时间内资源产量倍数为1.5倍") != nullptr, c.line);
    }
    // Buying posts its topic; the window's end posts 69.
    auto* wnd = static_cast<CAerieMainCityWnd*>(Wnd()->m_pSubWnd);
    ClickOn(wnd, wnd->m_pBuyBtn);
    Frame();
    EXPECT_NE(dynamic_cast<CFakeSubWnd*>(Wnd()->m_pSubWnd), nullptr);   // the buy window replaced it
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_EXCHANGE_WND, 0, ""));
    ASSERT_NE(Wnd()->m_pExchangeWnd, nullptr);
    Click(Wnd()->m_pBuildings[0]);
    Click(Wnd()->m_pBuildings[5]);   // the main city window dies: its topic 69 closes the exchange
    Frame();
    EXPECT_EQ(Wnd()->m_pExchangeWnd, nullptr);
}

TEST_F(AerieBuildingWindows, VisitedMainCityHasNoBuyOrExchange)
{
    ASSERT_NE(Enter(City(), true), nullptr);
    auto* wnd = dynamic_cast<CAerieMainCityWnd*>(Open(0));
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_pBuyBtn, nullptr);
    EXPECT_EQ(wnd->m_pExchangeBtn, nullptr);
}

TEST_F(AerieBuildingWindows, GodWindowNumbersItsIconsByTheScrollBar)
{
    ASSERT_NE(Enter(City(), true), nullptr);
    auto* god = dynamic_cast<CAerieGodWnd*>(Open(17));
    ASSERT_NE(god, nullptr);
    auto* icon0 = static_cast<CAerieIconCtrl*>(god->m_pDeadIcons[0]);
    auto* icon27 = static_cast<CAerieIconCtrl*>(god->m_pDeadIcons[27]);
    EXPECT_EQ(icon0->m_wItemId, 70);
    EXPECT_EQ(icon27->m_wItemId, 97);
    EXPECT_EQ(icon27->m_nX, 29 + 59 * 6);
    EXPECT_EQ(icon27->m_nY, 186 + 56 * 3);
    EXPECT_EQ(icon0->m_bReadOnly, 1);   // a visited city
    ASSERT_NE(god->m_pScroll, nullptr);
    EXPECT_EQ(god->m_pScroll->m_nRange, 6);
    EXPECT_EQ(god->m_pScroll->m_nX, 452);
    for (int notch = 0; notch < 8; ++notch) {
        god->OnMouseWheel(0, 0, -120);   // towards the user: forward
    }
    EXPECT_EQ(god->m_pScroll->m_nPos, 6);
    EXPECT_EQ(god->GetFirstIndex(), 112);
    EXPECT_EQ(icon0->m_wItemId, 112);
    // A wheel message anywhere over the window goes to the bar.
    ORVMsg wheel(ORV_MSG_MOUSEWHEEL, PackPos(god->m_nAbsX + 5, god->m_nAbsY + 5), 120, "");
    EXPECT_TRUE(god->ProcessMessage(&wheel));
    EXPECT_EQ(god->m_pScroll->m_nPos, 5);
    EXPECT_EQ(icon0->m_wItemId, 105);
}

TEST_F(AerieBuildingWindows, DeadMonsterIconDrawsPicturesPieAndCountAndItsTooltip)
{
    // Monster 1 of the sample data; slot 70, 3 of them, 90 s to revive.
    const CXmlMonster* cfg = CXmlAerieMgr::GetSingleton()->FindMonster(1);
    ASSERT_NE(cfg, nullptr);
    m_Fake.m_dwTick = 5000;
    ASSERT_NE(Enter(City(17, 0) + Item(5, MonsterRecord(70, 1, 3, 10, 20, 30, 90))), nullptr);
    auto* god = dynamic_cast<CAerieGodWnd*>(Open(17));
    ASSERT_NE(god, nullptr);
    auto* icon = static_cast<CAerieDeadMonsterIcon*>(god->m_pDeadIcons[0]);
    m_Fake.m_dwTick = 5000 + 30000;   // 60 s left
    DrawFrame();
    const int x = icon->m_nAbsX;
    const int y = icon->m_nAbsY;
    const std::vector<Drawn> drawn = DrawnCalls(m_Host);
    const auto at = std::find(drawn.begin(), drawn.end(), Image(x, y, cfg->m_nColorPic));
    ASSERT_NE(at, drawn.end());
    EXPECT_EQ(*(at + 1), Image(x, y, cfg->m_nPic));
    const HostCall* count = Text("3");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->Int(0), x + 4);
    const std::vector<HostCall> pies = m_Host.Calls("DrawSector");
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0].Int(0), x + 25);
    EXPECT_EQ(static_cast<u32>(pies[0].Int(3)), 0x90FF0000u);
    const std::int64_t total = cfg->m_nTime;   // building 17 at level 0 takes nothing off
    const float expected = static_cast<float>((total - std::min<std::int64_t>(60, total)) * 6.28318 / total);
    EXPECT_FLOAT_EQ(pies[0].m_vFloats.empty() ? -1 : pies[0].m_vFloats[0], expected);

    icon->OnMouseEnter(1, 1, nullptr);
    const std::vector<std::string> lines = ToolTipLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], cfg->m_strName);
    EXPECT_EQ(lines[1], "数量:3");
    EXPECT_EQ(lines[2], "单体(总)生产力:10(30)");
    EXPECT_EQ(lines[4], "单体(总)战斗力:30(90)");
    EXPECT_EQ(lines[5], "剩余复活时间：1分钟");
    m_Fake.m_dwTick = 5000 + 31000;   // 59 s: 0 minutes
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines()[5], "剩余复活时间：0分钟");
    m_Fake.m_dwTick = 5000 + 500000;   // long past: never below 0
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines()[5], "剩余复活时间：0分钟");

    // The lock lies under the pictures; an absent id draws only the base.
    icon->m_bAvailable = 0;
    auto* empty = static_cast<CAerieDeadMonsterIcon*>(god->m_pDeadIcons[1]);
    m_Host.ClearLog();
    icon->Render();
    EXPECT_EQ(DrawnCalls(m_Host)[0], Image(x + 4, y + 4, 649));
    m_Host.ClearLog();
    empty->Render();
    EXPECT_FALSE(m_Host.AnyDrawing());
    CORVToolTip::GetSingleton().Clear();
    empty->OnMouseEnter(1, 1, nullptr);
    EXPECT_TRUE(ToolTipLines().empty());
}

TEST_F(AerieBuildingWindows, ProductionTableSumsLandsGroupsAndConsumption)
{
    std::vector<u16> levels(18, 0);
    levels[0] = 3;
    levels[1] = 2;    // grass land: 120
    levels[2] = 40;   // above the record's levels: 0
    std::string owner = OwnerRecord(0, 0, 0, 0, 0, 0, 0, 0, 15);
    owner.replace(4 + kOwnerGrassPerHour, 4, LE32(500));   // the monsters eat 500 grass an hour
    // Group 0 produces with monsters in its slots; group 1 builds.
    ASSERT_NE(Enter(Buildings(levels) + owner + Item(5, MonsterRecord(0, 1, 5, 1, 1, 1)) +
                    Item(5, MonsterRecord(10, 1, 5, 1, 1, 1)) + Work(0, 0, 0, 0, 120, 5, {15, 0, 0, 0}) +
                    Work(1, 1, 3, 60, 999, 5, {50, 50, 50, 50})),
              nullptr);
    Frame();
    auto* wnd = dynamic_cast<CAerieMainCityWnd*>(Open(0));
    ASSERT_NE(wnd, nullptr);
    auto* table = static_cast<CAerieProductInfoCtrl*>(wnd->m_pProductInfo);
    CAerieProductInfoCtrl::Table t;
    table->ComputeTable(&t);
    EXPECT_EQ(t.m_anLand[0], 120);
    EXPECT_EQ(t.m_adwGroupBase[1], 0u);   // building: adds nothing
    EXPECT_EQ(t.m_aqTotal[0], 120 + 138 - 500);   // 120 x 115% = 138; the grass total is negative
    DrawFrame();
    const int x = table->m_nAbsX;
    const int y = table->m_nAbsY;
    struct Case {
        const char* text;
        int col, row;
    } cases[] = {
        {"牧草/小时", 122, 5}, {"120", 122, 26}, {"120×115%", 122, 47}, {"-500", 122, 110},
        {"-242×1.5", 122, 131}, {"N/A", 216, 110},
    };
    for (const Case& c : cases) {
        const HostCall* call = Text(c.text);
        ASSERT_NE(call, nullptr) << c.text << "\n" << m_Host.Dump();
        EXPECT_EQ(call->m_vInts[0], x + c.col) << c.text;
        EXPECT_EQ(call->m_vInts[1], y + c.row) << c.text;
        EXPECT_EQ(call->m_vInts[3], 1) << c.text;   // centred on the column
    }
    EXPECT_EQ(CAerieProductInfoCtrl::FormatCell(120, 0), "120");
    // Row explanations.
    table->OnMouseMove(40, 50);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"生产组", "在无操作时，默认自动产出大量资源"}));
    for (int xOff : {0, 81}) {
        table->OnMouseMove(xOff, 50);
        EXPECT_TRUE(ToolTipLines().empty()) << xOff;
    }
}

TEST_F(AerieBuildingWindows, WorkPanelShowsEachGroupsWork)
{
    LoadGameData("");   // no fight names
    ASSERT_TRUE(CXmlAerieMgr::GetSingleton()->Load(RepoDataPath("help/aerie.xml").c_str()));
    m_Fake.m_dwTick = 1000;
    ASSERT_NE(Enter(City() + OwnerRecord(0, 0, 0, 0, 0, 0, 0, 0, 15) + Work(0, 0, 0, 0, 120, 5, {15, 0, 0, 0}) +
                    Work(1, 1, 4, 600) + Work(2, 3, 2, 0, 0, 0, {}, 77, 9) +
                    Item(13, [] {
                        std::string r = FightRecord(2, 30, 60, 10);
                        r[kFightMultiplier] = 12;
                        r[kFightMultiplier2] = 10;
                        return r;
                    }())),
              nullptr);
    Frame();
    auto* info = static_cast<CAerieBuildingInfoWnd*>(Wnd()->m_pBuildingInfo);
    auto* panel = static_cast<CAerieWorkInfoCtrl*>(info->m_pWorkInfo);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_nHeight, 265);
    m_Fake.m_dwTick = 1000 + 61500;
    DrawFrame();
    EXPECT_EQ(info->m_nHeight, 265);   // the caption window takes the panel's size
    for (const char* text : {"牧草/小时:120×115%×1.5", "木材/小时:120×1.5", "建造中", "1级→2级", "剩余时间:00:08:59",
                             "奖励倍数:1.2", "等待剩余时间:00:00:00", "怪物组状态"}) {
        EXPECT_NE(Text(text), nullptr) << text << "\n" << m_Host.Dump();
    }
    EXPECT_TRUE(panel->m_apCancel[1]->m_bVisible);
    EXPECT_TRUE(panel->m_apSpeedUp[1]->m_bVisible);
    EXPECT_TRUE(panel->m_apAwardRefresh[2]->m_bVisible);
    EXPECT_FALSE(panel->m_apCancel[0]->m_bVisible);

    // Cancel of the building group asks first; its OK repeats the upgrade request.
    ClickOn(panel, panel->m_apCancel[1]);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_OkMsg.m_wParam, EVT_RESEND_BUILDING_UPGRADE);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_OkMsg.m_lParam, 4u);
    // A button of a row in another state does nothing.
    ClickOn(panel, panel->m_apSpeedUp[2]);
    ClickOn(panel, panel->m_apAwardRefresh[1]);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(Wnd()->m_pAwardRefreshWnd, nullptr);
    // Award refresh of the waiting fight opens its window at once.
    ClickOn(panel, panel->m_apAwardRefresh[2]);
    ASSERT_NE(Wnd()->m_pAwardRefreshWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(Wnd()->m_pAwardRefreshWnd)->m_nArg, 2 + (9 << 16));
    // Cancel of the fighting group asks with its own text; its OK cancels the fight by its id.
    ClickOn(panel, panel->m_apCancel[2]);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 2u);
    const ORVMsgBoxRequest& fightBox = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.back();
    EXPECT_EQ(fightBox.m_strText, "确认要取消本次战斗任务吗？");
    EXPECT_EQ(fightBox.m_OkMsg.m_wParam, EVT_CANCEL_GROUP_FIGHT);
    EXPECT_EQ(fightBox.m_OkMsg.m_lParam, 77u);
    // Speed-up of the building group opens the speed-up window for that group on the next frame.
    ClickOn(panel, panel->m_apSpeedUp[1]);
    EXPECT_EQ(Wnd()->m_pSpeedUpWnd, nullptr);
    Frame();
    ASSERT_NE(Wnd()->m_pSpeedUpWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(Wnd()->m_pSpeedUpWnd)->m_nArg, 1);
    // Topic 66 cancels the fight.
    m_Host.ClearLog();
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_CANCEL_GROUP_FIGHT, 77, ""));
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wSub, 0x24);
    EXPECT_EQ(Sent()[0].m_wParam1, 77);
}

TEST_F(AerieBuildingWindows, WorkPanelInAVisitedCityShowsNoButtonAndTimesStopAtZero)
{
    m_Fake.m_dwTick = 0;
    ASSERT_NE(Enter(City() + Work(1, 2, 21, 10), true), nullptr);
    Frame();
    auto* panel = static_cast<CAerieWorkInfoCtrl*>(static_cast<CAerieBuildingInfoWnd*>(Wnd()->m_pBuildingInfo)->m_pWorkInfo);
    m_Fake.m_dwTick = 3600000;
    DrawFrame();
    EXPECT_NE(Text("研究中"), nullptr);
    EXPECT_NE(Text("剩余时间:00:00:00"), nullptr);
    for (int g = 0; g < 3; ++g) {
        EXPECT_FALSE(panel->m_apCancel[g]->m_bVisible);
        EXPECT_FALSE(panel->m_apSpeedUp[g]->m_bVisible);
        EXPECT_FALSE(panel->m_apAwardRefresh[g]->m_bVisible);
    }
}

TEST_F(AerieBuildingWindows, WorkPanelDefenceLineFollowsTheMissionsName)
{
    ASSERT_NE(Enter(City() + Work(0, 3, static_cast<u16>(kDefenceMissionIndex), 60)), nullptr);
    Frame();
    CAerieMonsterGroup& group = CAerieDataMgr::GetSingleton().GetShownCity().m_aGroups[0];
    for (const char* name : {"北门", "南门", ""}) {
        group.m_strDefenceName = name;
        DrawFrame();
        const std::string line = std::string("防御任务[") + name + "]";
        EXPECT_NE(Text(line), nullptr) << line << "\n" << m_Host.Dump();
    }
}

TEST_F(AerieBuildingWindows, RevivePieNeedsARevivePositiveAfterTheGodsReduction)
{
    // Building 17 at level 1 takes 10 minutes off every revive.
    ASSERT_NE(Enter(City(17, 1)), nullptr);
    ASSERT_EQ(CAerieDataMgr::GetSingleton().GetBuildingEffect(17), 10u);
    CXmlMonster cfg;
    AerieMonsterEntry entry;
    entry.m_pConfig = &cfg;
    entry.Update(reinterpret_cast<const unsigned char*>(MonsterRecord(70, 1, 1, 0, 0, 0, 2000).data()),
                 kMonsterSize, 0);
    entry.m_pConfig = &cfg;
    float angle = -1;
    struct Case {
        i32 time;
        bool pie;
        float angle;
    } cases[] = {{600, false, 0}, {500, false, 0}, {1200, true, 0.0f}};
    for (const Case& c : cases) {
        cfg.m_nTime = c.time;
        EXPECT_EQ(CAerieDeadMonsterIcon::GetPieAngle(entry, 0, &angle), c.pie) << c.time;
        if (c.pie) {
            EXPECT_FLOAT_EQ(angle, c.angle);   // 2,000 s left of a 600 s revive: clamped, no pie yet
        }
    }
    EXPECT_TRUE(CAerieDeadMonsterIcon::GetPieAngle(entry, 2000 * 1000, &angle));
    EXPECT_FLOAT_EQ(angle, 6.28318f);   // revived: the full circle
}
