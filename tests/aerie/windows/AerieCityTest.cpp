#include <gtest/gtest.h>

#include "AerieCityFixture.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"

using namespace orv::test;

namespace {

class AerieCity : public AerieCityTest {
protected:
    // Levels of the 18 buildings: main city at 3, everything else at 1.
    static std::vector<u16> Levels(u16 main = 3)
    {
        std::vector<u16> levels(18, 1);
        levels[0] = main;
        return levels;
    }
    static u32 Effect(int id, int level) { return CXmlAerieMgr::GetSingleton()->FindBuilding(id)->GetEffect(level); }

    // A defence mission record with its phase (byte 2) and flags (byte 3).
    static std::string Defence(u8 phase, u8 flags, u32 invasion = 3700)
    {
        std::string r = FightRecord(5, 0, 0, 0, invasion);
        r[aerie_layout::kFightPhase] = static_cast<char>(phase);
        r[aerie_layout::kFightFlags] = static_cast<char>(flags);
        return Item(13, r);
    }
};

}  // namespace

TEST_F(AerieCity, EnteredOwnCityDrawsBackgroundOwnerTotalAndResourceBar)
{
    ASSERT_NE(Enter(Buildings(Levels()) + OwnerRecord(1234, 50, 60, 70, 80, 9, 2, 4)), nullptr);
    Frame();   // the posted topics arrive
    DrawFrame();
    const std::vector<Drawn> drawn = DrawnCalls(m_Host);
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn[0], Image(0, 0, 375));
    EXPECT_EQ(drawn[1], Image(0, 0, 1));
    // 3 + 17 x 1 buildings, garden 2, restaurant 4.
    const u32 total = 3 + 17 + 2 + 4;
    struct Case {
        std::string text;
        int x, y;
        u32 colour;
    } cases[] = {
        {"me", 20, 13, 0xFFFFFF00},
        {"建筑总等级：" + std::to_string(total), 125, 13, 0xFFFFFF00},
        {"琉璃币:1234", 67, 562, 0xFFFFFFFF},
        {"怪物数量:9/" + std::to_string(Effect(16, 1) + Effect(15, 1)), 67, 580, 0xFFFFFFFF},
        {"牧草:50/" + std::to_string(Effect(13, 1)), 186, 562, 0xFFFFFFFF},
        {"木材:70/" + std::to_string(Effect(14, 1)), 186, 579, 0xFFFFFFFF},
        {"石料:60/" + std::to_string(Effect(14, 1)), 320, 562, 0xFFFFFFFF},
        {"金属:80/" + std::to_string(Effect(14, 1)), 320, 579, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        const HostCall* call = Text(c.text);
        ASSERT_NE(call, nullptr) << c.text << "\n" << m_Host.Dump();
        EXPECT_EQ(call->Int(0), c.x) << c.text;
        EXPECT_EQ(call->Int(1), c.y) << c.text;
        EXPECT_EQ(static_cast<u32>(call->Int(2)), c.colour) << c.text;
        EXPECT_EQ(call->m_vInts, (std::vector<long long>{c.x, c.y, c.colour, 0, 0, 0, 1, 1, 0})) << c.text;
    }
    // Garden and restaurant with their levels.
    EXPECT_NE(m_Host.FindImage(376, 93), nullptr);
    const HostCall* gardenDigit = m_Host.FindImage(142, 93);   // '2'
    ASSERT_NE(gardenDigit, nullptr);
    EXPECT_EQ(gardenDigit->Int(0), 291 + 47);
    EXPECT_EQ(gardenDigit->Int(1), 63);
}

TEST_F(AerieCity, BuildingShowsItsLooksLevelAndUpgradeMarkerAndItsTooltip)
{
    std::vector<u16> levels = Levels();
    levels[1] = 3;
    ASSERT_NE(Enter(Buildings(levels) + Item(11, WorkState(2, 1, 1, 600))), nullptr);
    Frame();
    DrawFrame();
    // Building 1 at (180, 100); level 3 is looks stage 1: frame 308, digits at (40, 82).
    const std::vector<Drawn> drawn = DrawnCalls(m_Host, 'I');
    const auto has = [&drawn](const Drawn& d) { return std::find(drawn.begin(), drawn.end(), d) != drawn.end(); };
    EXPECT_TRUE(has(Image(180, 100, 308)));
    EXPECT_TRUE(has(Image(220, 182, 143)));
    EXPECT_TRUE(has(Image(230, 180, 646)));   // upgrading: beside the digits
    // The tooltip.
    CAerieBuildingCtrl* b1 = Wnd()->m_pBuildings[1];
    b1->OnMouseEnter(5, 5, nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"牧场3级", "每小时出产牧草170", "升级中", "(点击进行操作)"}));
    // Level 10 and more: the marker one digit further right.
    const CXmlBuilding* cfg = CXmlAerieMgr::GetSingleton()->FindBuilding(1);
    int x9 = 0, y9 = 0, x10 = 0, y10 = 0;
    GetUpgradeMarkerPos(*cfg, 9, &x9, &y9);
    GetUpgradeMarkerPos(*cfg, 10, &x10, &y10);
    EXPECT_EQ(x9, cfg->GetLvlTextX(9) + 10);
    EXPECT_EQ(x10, cfg->GetLvlTextX(10) + 20);
    // Hovered: the next frame of the looks.
    CtrlMgr().SetHoverControl(b1);
    DrawFrame();
    EXPECT_NE(m_Host.FindImage(309, 93), nullptr);
}

TEST_F(AerieCity, GuardianBeastIconSitsInTheCornerAndFollowsTheBeast)
{
    LoadGameData(R"(<beast Num="1" Type="3" Name="m" Sex="0" Tex="10" Icon="11"/>)"
                 R"(<beast Num="1" Type="3" Name="f" Sex="1" Tex="12" Icon="13"/>)");
    std::string beast(aerie_layout::kBeastSize, '\0');
    beast[aerie_layout::kBeastType] = 3;
    beast[aerie_layout::kBeastSex] = 1;
    ASSERT_NE(Enter(Item(6, beast)), nullptr);
    const CORVButton* icon = Wnd()->m_pBeastIcon;
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->m_nX, -2);
    EXPECT_EQ(icon->m_nY, 542);
    EXPECT_EQ(icon->m_wFrame, 13);
    EXPECT_EQ(icon->m_strToolTip, "");
    beast[aerie_layout::kBeastSex] = 0;   // the beast changed: its icon is made again
    Recv(Message(kOwnId, 2, Item(6, beast)));
    Frame();
    ASSERT_NE(Wnd()->m_pBeastIcon, nullptr);
    EXPECT_EQ(Wnd()->m_pBeastIcon->m_wFrame, 11);
    beast[aerie_layout::kBeastType] = 4;   // no record: no icon
    Recv(Message(kOwnId, 2, Item(6, beast)));
    Frame();
    EXPECT_EQ(Wnd()->m_pBeastIcon, nullptr);
}

TEST_F(AerieCity, VisitingSwapsSettingsForBackAndBackEntersTheOwnCity)
{
    ASSERT_NE(Enter(Buildings(Levels()), true), nullptr);
    Frame();
    EXPECT_FALSE(Wnd()->m_pSetBtn->m_bVisible);
    EXPECT_TRUE(Wnd()->m_pBackBtn->m_bVisible);
    m_Host.ClearLog();
    Click(Wnd()->m_pBackBtn);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wSub, 0);
    EXPECT_EQ(Sent()[0].m_strBody, "me");
    m_Host.m_strPlayerName.assign(kMaxHostText + 44, 'n');   // the host's text is read within its bound
    m_Host.ClearLog();
    Click(Wnd()->m_pBackBtn);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_strBody, std::string(kMaxHostText, 'n'));
    m_Host.m_strPlayerName = "me";
    Recv(Compressed(kOwnId, 0, Item(0, "me") + Buildings(Levels())));
    Frame();
    EXPECT_TRUE(Wnd()->m_pSetBtn->m_bVisible);
    EXPECT_FALSE(Wnd()->m_pBackBtn->m_bVisible);
}

TEST_F(AerieCity, ClosingSendsTheLeaveRequestThenTellsTheHost)
{
    ASSERT_NE(Enter(Buildings(Levels())), nullptr);
    m_Host.ClearLog();
    Click(Wnd()->m_pCloseButton);
    Frame();
    EXPECT_EQ(Wnd(), nullptr);
    const int send = m_Host.FirstIndex("SendToServer");
    const int notify = m_Host.FirstIndex("NotifyGameWindow");
    ASSERT_GE(send, 0);
    ASSERT_GT(notify, send);
    EXPECT_EQ(m_Host.m_vCalls[send].m_strText, std::string("\x00\x00\x00\x00\x67\x03\x06\x00\x00\x00\x00\x00", 12));
    EXPECT_EQ(m_Host.m_vCalls[notify].Int(0), 1);
}

TEST_F(AerieCity, InvasionButtonAndCountdownFollowTheDefenceMissionAndMainCityLevels)
{
    struct Case {
        const char* name;
        std::string items;
        u16 ownMain;
        bool visible;
        u8 countdown;
    } cases[] = {
        {"no mission", "", 3, false, 0},
        {"fightable", Defence(3, 0x02), 3, true, 0},
        {"counting down", Defence(3, 0x00), 3, false, 1},
        {"early phase", Defence(2, 0x00), 3, false, 0},
        {"own main city too low", Defence(3, 0x04), 2, false, 0},
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(Buildings(Levels(c.ownMain)) + c.items), nullptr) << c.name;
        Frame();
        ORVMsg topic(ORV_MSG_GAMEWND, EVT_CITY_CHANGED, 0, "");
        Wnd()->ProcessMessage(&topic);
        EXPECT_EQ(Wnd()->m_pInvasionBtn->m_bVisible != 0, c.visible) << c.name;
        EXPECT_EQ(Wnd()->m_pInvasionBtn->m_bEnabled != 0, c.visible) << c.name;
        EXPECT_EQ(Wnd()->m_bInvasionCountdown, c.countdown) << c.name;
    }
    // The countdown's text.
    DrawFrame();
    CAerieDataMgr::GetSingleton().Reset();
    Enter(Buildings(Levels()) + Defence(3, 0, 3700));
    Frame();
    ORVMsg topic(ORV_MSG_GAMEWND, EVT_CITY_CHANGED, 0, "");
    Wnd()->ProcessMessage(&topic);
    DrawFrame();
    const HostCall* text = Text("怪物入侵时间：1小时1分40秒");
    ASSERT_NE(text, nullptr) << m_Host.Dump();
    EXPECT_EQ(text->m_vInts, (std::vector<long long>{20, 45, 0xFFFFFF00, 0, 0, 0, 1, 2, 0}));
}

TEST_F(AerieCity, VisitingNeedsBothMainCitiesAtLevelThree)
{
    Enter(Buildings(Levels(3)));   // own main city at 3
    Recv(Compressed(kOtherId, 0, Item(0, "other") + Buildings(Levels(2)) + Defence(3, 0x02)));
    Frame();
    ORVMsg topic(ORV_MSG_GAMEWND, EVT_CITY_CHANGED, 0, "");
    Wnd()->ProcessMessage(&topic);
    EXPECT_FALSE(Wnd()->m_pInvasionBtn->m_bVisible);
    Recv(Message(kOtherId, 2, Item(2, LE16(0) + LE16(3))));
    Wnd()->ProcessMessage(&topic);
    EXPECT_TRUE(Wnd()->m_pInvasionBtn->m_bVisible);
}

TEST_F(AerieCity, BreedingsNoticeShowsForThreeSecondsNeverBelowZeroAndNotDuringTheTutorial)
{
    std::string beast(aerie_layout::kBeastSize, '\0');
    beast[aerie_layout::kBeastBreedsToday] = 1;
    ASSERT_NE(Enter(Buildings(Levels()) + Item(6, beast)), nullptr);
    m_Fake.m_dwTick = 10000;
    ORVMsg check(ORV_MSG_GAMEWND, EVT_NOTICE_CHECK, 0, "");
    Wnd()->ProcessMessage(&check);
    EXPECT_EQ(Wnd()->m_nNoticeKind, CAerieWnd::kNoticeBreedings);
    m_Fake.m_dwTick = 13000;
    DrawFrame();
    EXPECT_GE(m_Host.IndexOfText("守护兽今日还可繁殖2次"), 0);
    // The count is read when the notice is drawn: one above the three a day shows 0.
    for (const char count : {3, 5, 127, 1}) {
        beast[aerie_layout::kBeastBreedsToday] = count;
        Recv(Message(kOwnId, 2, Item(6, beast)));
        DrawFrame();
        EXPECT_GE(m_Host.IndexOfText(count == 1 ? "守护兽今日还可繁殖2次" : "守护兽今日还可繁殖0次"), 0) << int{count};
    }
    CAerieNewBie::GetSingleton().BuildSteps();
    CAerieNewBie::GetSingleton().SetStep(5);
    DrawFrame();
    EXPECT_LT(m_Host.IndexOfText("守护兽今日还可繁殖2次"), 0);
    CAerieNewBie::GetSingleton().Reset();
    m_Fake.m_dwTick = 13001;
    DrawFrame();
    EXPECT_LT(m_Host.IndexOfText("守护兽今日还可繁殖2次"), 0);
    EXPECT_EQ(Wnd()->m_nNoticeKind, CAerieWnd::kNoticeNone);
}

TEST_F(AerieCity, IncubatorRowsCountDown)
{
    const std::string incubators = Incubator(true, 7, 0, 65) + Incubator(false, 0, 0, 0) + Incubator(true, 3, 3661, 0);
    m_Fake.m_dwTick = 1000;
    ASSERT_NE(Enter(Buildings(Levels()) + Item(9, incubators)), nullptr);
    Frame();
    DrawFrame();
    const HostCall* done = Text("1号孵化器: 孵化完成");
    ASSERT_NE(done, nullptr) << m_Host.Dump();
    EXPECT_EQ(done->Int(0), 20);
    EXPECT_EQ(done->Int(1), 80);
    const HostCall* guard = Text("保护时间 00:01:05");
    ASSERT_NE(guard, nullptr);
    EXPECT_EQ(guard->Int(0), 145);
    const HostCall* third = Text("3号孵化器: 孵化剩余时间 01:01:01");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->Int(1), 112);
    EXPECT_LT(m_Host.IndexOfText("2号孵化器: 孵化完成"), 0);
    m_Fake.m_dwTick = 2000;
    DrawFrame();
    EXPECT_NE(Text("3号孵化器: 孵化剩余时间 01:01:00"), nullptr);
}

TEST_F(AerieCity, TopicFortyThreeRepeatsTheUpgradeForEachGroupOnThatBuilding)
{
    ASSERT_NE(Enter(Buildings(Levels()) + Item(11, WorkState(0, 1, 4)) + Item(11, WorkState(2, 1, 4)) +
                    Item(11, WorkState(1, 2, 4))),
              nullptr);
    Frame();
    m_Host.ClearLog();
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_RESEND_BUILDING_UPGRADE, 4, ""));
    ASSERT_EQ(Sent().size(), 2u);
    EXPECT_EQ(Sent()[0].m_wSub, 0x01);
    EXPECT_EQ(Sent()[0].m_wParam1, 4);
    EXPECT_EQ(Sent()[0].m_wParam2, 0);
    EXPECT_EQ(Sent()[1].m_wParam2, 2);
    m_Host.ClearLog();
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_RESEND_BUILDING_UPGRADE, 5, ""));   // nobody on building 5
    EXPECT_TRUE(Sent().empty());
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_RESEND_SCIENCE_UPGRADE, 4, ""));
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wSub, 0x03);
    EXPECT_EQ(Sent()[0].m_wParam2, 1);
}

namespace {

// A sub-window that, dying, sends the game window the events a dying mission window sends.
class CDyingWnd : public CFakeSubWnd {
public:
    ~CDyingWnd() override
    {
        DeliverGameEvent(EVT_CLOSE_SUBWND);
        DeliverGameEvent(EVT_FIGHTINFO_WND, 1);
        DeliverGameEvent(EVT_EXCHANGE_WND, 1);
    }
    static CORVCtrlBaseTag* Create() { return new CDyingWnd(); }
};

const RuntimeClassRecord kDyingRecord = {"CDyingWnd", ORV_RUNTIME_CLASS(CFakeSubWnd), nullptr, sizeof(CDyingWnd),
                                         &CDyingWnd::Create, "CDyingWnd", 1};

}  // namespace

TEST_F(AerieCity, WindowsDyingWithTheGameWindowReachNothingOfIt)
{
    SetAerieWindowRecord(AerieWndKind::Mission, &kDyingRecord);
    SetAerieWindowRecord(AerieWndKind::FightInfo, &kDyingRecord);
    ASSERT_NE(Enter(Buildings(Levels())), nullptr);
    Click(Wnd()->m_pMissionBtn);
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_FIGHTINFO_WND, 0, ""));
    ASSERT_NE(Wnd()->m_pFightWnd, nullptr);
    const int created = CFakeSubWnd::Created();
    Click(Wnd()->m_pCloseButton);
    Frame();   // under the sanitizers: no use of a freed slot
    EXPECT_EQ(Wnd(), nullptr);
    EXPECT_EQ(CFakeSubWnd::Created(), created);   // nothing opened while closing
}

TEST_F(AerieCity, WithoutTheHostsCallbackTheGameWindowDiesSilently)
{
    ASSERT_NE(Enter(Buildings(Levels())), nullptr);
    m_Host.ClearLog();
    *GetORVCallBack() = nullptr;   // as at library unload
    MainWnd().CloseGame();
    EXPECT_EQ(Wnd(), nullptr);
    EXPECT_TRUE(m_Host.m_vCalls.empty());
}

TEST_F(AerieCity, NewMonsterWaitingOpensItsWindowOnTheNextFrame)
{
    ASSERT_NE(Enter(Buildings(Levels()) + Item(10, MonsterRecord(0, 1, 1, 1, 1, 1))), nullptr);
    EXPECT_EQ(Wnd()->m_pGetMonsterWnd, nullptr);
    Frame();
    ASSERT_NE(Wnd()->m_pGetMonsterWnd, nullptr);
    EXPECT_EQ(static_cast<CFakeSubWnd*>(Wnd()->m_pGetMonsterWnd)->m_nArg, 0);   // no text
}

TEST_F(AerieCity, TutorialStepsAcrossTheGameWindows)
{
    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.BuildSteps();
    guide.SetStep(26);
    ASSERT_NE(Enter(Buildings(Levels())), nullptr);
    EXPECT_EQ(guide.m_vSteps[26].m_pTarget, Wnd()->m_pBuildings[0]);
    EXPECT_EQ(guide.m_vSteps[5].m_pTarget, Wnd()->m_pBeastBtn);
    Click(Wnd()->m_pBuildings[0]);   // the main city: step 27 now, and again 100 frames later
    EXPECT_EQ(guide.m_wStep, 27);
    auto* city = dynamic_cast<CAerieMainCityWnd*>(Wnd()->m_pSubWnd);
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(guide.m_vSteps[27].m_pTarget, city);
    EXPECT_EQ(guide.m_vSteps[28].m_pTarget, city->m_pCloseButton);
    Frame(100);
    EXPECT_EQ(guide.m_wStep, 28);
    ClickOn(city, city->m_pCloseButton);   // step 28 done
    EXPECT_EQ(guide.m_wStep, 29);
    Frame();
    EXPECT_EQ(Wnd()->m_pSubWnd, nullptr);
    Click(Wnd()->m_pBuildings[1]);
    EXPECT_EQ(guide.m_wStep, 30);
    auto* land = dynamic_cast<CAerieBuildingWnd*>(Wnd()->m_pSubWnd);
    ASSERT_NE(land, nullptr);
    EXPECT_EQ(guide.m_vSteps[30].m_pTarget, land->m_pUpgradeBtn);
    ClickOn(land, land->m_pUpgradeBtn);
    EXPECT_EQ(guide.m_wStep, 31);
}
