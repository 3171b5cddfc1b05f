// The garden screen: tool modes against plot states as request or refusal, the pick matrix, the
// top rows of both gardens, panels one at a time, refresh, the level-up check, destruction and a
// second session.
#include <gtest/gtest.h>

#include "GardenScreenFixture.h"
#include "framework/core/ByteOrder.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "engine/GardenPackets.h"
#include "garden/windows/GardenFriendWnd.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenResearchWnd.h"
#include "garden/windows/GardenText.h"
#include "garden/windows/GardenTipsWnd.h"
#include "support/WindowInput.h"

namespace orv::test {
namespace {

namespace L = garden_layout;

constexpr u32 kRipe = 30000;     // radish (cycle 8 h) ripe
constexpr u32 kGrowing = 1000;
constexpr u8 kWithered = 2;

class GardenScreenTest : public GardenScreenFixture {
protected:
    // The first tool-card list holds one card of that item and type.
    static void GiveCard(u16 item, u16 type)
    {
        const std::vector<u8> packet = ExactBytes<u8>(gb::Packet(201, 0, gb::CardBytes(1, "c", 1, item, type), 0, 0, 1));
        GetToolCardStore().RefillFirst(packet.data(), static_cast<int>(packet.size()));
    }
};

// One plot click: the garden, the plot (number, flags), the crop on it, the tool mode; either the
// request expected or the plot's refusal line.
struct ToolCase {
    const char* name;
    bool own;
    u8 number;
    u8 flags;
    int seconds;          // -1: no crop
    const char* sower;
    i32 mode;
    std::string request;  // empty: nothing sent
    const char* refusal;  // null: no plot line
};

TEST_F(GardenScreenTest, ToolModesAgainstPlotStatesSendOrRefuse)
{
    SetPickKeys(0, 0);
    const auto R = [](u16 sub, u16 plot, u16 p2, const char* body) { return gb::Packet(884, sub, body, 0, plot, p2); };
    const ToolCase cases[] = {
        {"inspect sends nothing", true, 1, 1, -1, "", ToolNone, "", nullptr},
        {"undeveloped refuses", true, 1, 0, -1, "", ToolWater, "", "该土地尚未开发"},
        {"water", true, 2, 1, -1, "", ToolWater, R(0x07, 2, 0, ""), nullptr},
        {"water in a friend's garden names the owner", false, 2, 1, -1, "", ToolWater, R(0x07, 2, 0, "pal"), nullptr},
        {"already watered", true, 9, 1, -1, "", ToolWater, "", "已经浇过水了"},
        {"no weeds", true, 3, 1, -1, "", ToolWeed, "", "不需要锄草"},
        {"weeds", true, 3, 1 | 0x08, -1, "", ToolWeed, R(0x08, 3, 0, ""), nullptr},
        {"no pests", true, 3, 1, -1, "", ToolCatchPests, "", "已没有害虫可抓"},
        {"pests", true, 3, 1 | 0x04, -1, "", ToolCatchPests, R(0x09, 3, 0, ""), nullptr},
        {"sow on own crop", true, 4, 1, kGrowing, "me", ToolSow, "", "这里已经有作物了，请收获后再播种"},
        {"sow on own love plot", true, 12, 1, -1, "", ToolSow, "", "爱心地只能让好友种植，收获后一人一半"},
        {"plot 11 is the first love plot", true, 11, 1, -1, "", ToolSow, "", "爱心地只能让好友种植，收获后一人一半"},
        {"plot 10 is an ordinary plot", true, 10, 1, -1, "", ToolSow, R(0x06, 10, 1, ""), nullptr},
        {"sow on withered", true, 4, kWithered, -1, "", ToolSow, "", "请犁地后再播种"},
        {"sow", true, 4, 1, -1, "", ToolSow, R(0x06, 4, 1, ""), nullptr},
        {"sow on upgrading land", true, 4, 1 | 0x20, -1, "", ToolSow, "", "土地升级中，升级完成后才可种植"},
        {"sow on a friend's plot", false, 4, 1, -1, "", ToolSow, "", "这里不可以播种"},
        {"sow on a friend's love plot", false, 12, 1, -1, "", ToolSow, R(0x06, 12, 1, "pal"), nullptr},
        {"sow on a friend's sown love plot", false, 12, 1, kGrowing, "x", ToolSow, "", "这里已经有作物了，请稍后后再播种"},
        {"plough a friend's plot", false, 5, 1, kGrowing, "x", ToolPlough, "", "不能对好友的土地进行犁地操作"},
        {"plough a friend's love plot sown by another", false, 13, 1, kGrowing, "x", ToolPlough, R(0x05, 13, 0, "pal"), nullptr},
        {"plough withered", true, 5, kWithered, -1, "", ToolPlough, R(0x05, 5, 0, ""), nullptr},
        {"plough empty developed", true, 5, 1, -1, "", ToolPlough, "", nullptr},
        {"harvest withered", true, 6, kWithered, kRipe, "me", ToolHarvest, "", "植物已经枯萎，可通过\"犁地\"清除枯萎植物重新播种"},
        {"harvest withered love plot", true, 14, kWithered, kRipe, "me", ToolHarvest, "", "植物已经枯萎"},
        {"harvest nothing", true, 6, 1, -1, "", ToolHarvest, "", "这块地上没有东西可收获"},
        {"harvest unripe", true, 6, 1, kGrowing, "me", ToolHarvest, "", nullptr},
        {"harvest ripe names the owner", true, 6, 1, kRipe, "me", ToolHarvest, R(0x0d, 6, 0, "me"), nullptr},
        {"pick nothing", false, 7, 1, -1, "", ToolPick, "", "这块地上没有东西可采"},
        {"pick nothing on a love plot", false, 15, 1, -1, "", ToolPick, "", "这块地上没有东西可收获"},
        {"pick unripe", false, 7, 1, kGrowing, "x", ToolPick, "", "作物尚未成熟"},
        {"pick without keys", false, 7, 1, kRipe, "x", ToolPick, R(0x0d, 7, 0, "pal"), nullptr},
        {"pick in the own garden names the owner", true, 7, 1, kRipe, "x", ToolPick, R(0x0d, 7, 0, "me"), nullptr},
        {"manure refuses", true, 8, 1, -1, "", ToolManure, "", "没有农家肥了，请到花园道具商店购买"},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.name);
        CtrlMgr().DestroyWindowTree();
        CtrlMgr().m_MainWnd.CreateAt(nullptr, 0, 0, 800, 600);
        gb::GardenDesc g;
        g.guid = c.own ? "me" : "pal";
        // Plot 9 stands watered, every other one is dry.
        g.plots = {{.number = c.number, .water = static_cast<u8>(c.number == 9 ? 3 : 0), .flags = c.flags}};
        if (c.seconds >= 0) {
            g.plants = {{.id = 1, .plot = c.number, .seconds = static_cast<u32>(c.seconds), .sower = c.sower}};
        }
        GetGardenDataMgr().m_vSeedBag = {1 | (3u << 16)};
        CGardenWnd& screen = Open(g, c.own);
        GetGardenDataMgr().m_vSeedBag = {1 | (3u << 16)};
        Event(104, 1);   // radish chosen: tool mode 2
        screen.SetToolMode(c.mode);
        Event(102, c.number);
        const std::vector<std::string> sent = TakeRequests();
        if (c.request.empty()) {
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0], c.request);
        }
        EXPECT_EQ(LastPlotLine(c.number), c.refusal != nullptr ? c.refusal : "");
        if (c.mode == ToolManure) {
            EXPECT_EQ(screen.ToolMode(), ToolNone);   // no manure: the tool is put down
        }
    }
}

// Picking a ripe crop on a friend's ordinary plot by the two keys and a held steal card; the
// player's own crop on a friend's love plot never uses the card.
struct PickCase {
    const char* name;
    int openTip, autoUse;
    bool card;
    u8 plot;
    const char* sower;
    bool box;       // a box is asked
    int param2;     // -1: nothing sent
};

TEST_F(GardenScreenTest, PickMatrixByKeysAndCard)
{
    const PickCase cases[] = {
        {"keys off", 0, 0, false, 7, "x", false, 0},
        {"auto use with card", 0, 1, true, 7, "x", false, 1},
        {"auto use without card", 0, 1, false, 7, "x", true, -1},
        {"tip asks", 1, 0, true, 7, "x", true, -1},
        {"own crop on a love plot", 1, 1, false, 12, "me", false, 0},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.name);
        CtrlMgr().DestroyWindowTree();
        CtrlMgr().m_MainWnd.CreateAt(nullptr, 0, 0, 800, 600);
        SetPickKeys(c.openTip, c.autoUse);
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        GetToolCardStore().Clear();
        if (c.card) {
            GiveCard(1, L::kStealCardType);
        }
        gb::GardenDesc g;
        g.guid = "pal";
        g.plots = {{.number = c.plot}};
        g.plants = {{.id = 1, .plot = c.plot, .seconds = kRipe, .sower = c.sower}};
        CGardenWnd& screen = Open(g, false);
        screen.SetToolMode(ToolPick);
        Event(102, c.plot);
        Frames(2);
        EXPECT_EQ(!ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty(), c.box);
        const std::vector<std::string> sent = TakeRequests();
        if (c.param2 < 0) {
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0], gb::Packet(884, 0x0d, "pal", 0, c.plot, static_cast<u16>(c.param2)));
            EXPECT_EQ(GetGardenDataMgr().m_bStealCardUsed, c.param2);
        }
    }
}

TEST_F(GardenScreenTest, StealCardBoxAnswersSendAndRememberTheCheckBox)
{
    SetPickKeys(1, 0);
    GiveCard(1, L::kStealCardType);
    gb::GardenDesc g;
    g.guid = "pal";
    g.plots = {{.number = 7}};
    g.plants = {{.id = 1, .plot = 7, .seconds = kRipe, .sower = "x"}};
    CGardenWnd& screen = Open(g, false);
    screen.SetToolMode(ToolPick);
    Event(102, 7);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_strCheckText, "以后不再显示");
    Frames(8);
    CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->IsChecked());
    // Cancel: picked without the card, and the tip is switched off (box ticked).
    Event(123, 7);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x0d, "pal", 0, 7, 0)});
    EXPECT_EQ(CORVConfigMgr::GetSingleton().GetValue(ORVConfigKey::OpenStealCardTip), 0);
}

TEST_F(GardenScreenTest, TopRowOwnAndFriendsGarden)
{
    gb::GardenDesc g;
    CGardenWnd& own = Open(g, true);
    EXPECT_EQ(own.m_nWidth, 800);
    EXPECT_EQ(own.TopButton(CGardenWnd::kSettings)->m_nX, 800 - 78);
    EXPECT_EQ(own.TopButton(CGardenWnd::kWeather)->m_nX, 800 - 336);
    EXPECT_FALSE(own.TopButton(CGardenWnd::kBack)->m_bVisible);
    EXPECT_TRUE(own.BottomButton(CGardenWnd::kHarvest)->m_bEnabled);
    GetGardenDataMgr().m_bOwnGarden = 0;
    Event(100);
    EXPECT_TRUE(own.TopButton(CGardenWnd::kBack)->m_bVisible);
    EXPECT_EQ(own.TopButton(CGardenWnd::kBack)->m_nX, 800 - 78);
    EXPECT_TRUE(own.TopButton(CGardenWnd::kWarehouse)->m_bVisible);
    EXPECT_FALSE(own.TopButton(CGardenWnd::kWarehouse)->m_bEnabled);
    EXPECT_FALSE(own.TopButton(CGardenWnd::kSettings)->m_bVisible);
    EXPECT_FALSE(own.BottomButton(CGardenWnd::kHarvest)->m_bEnabled);
    EXPECT_FALSE(own.BottomButton(CGardenWnd::kResearch)->m_bEnabled);
}

TEST_F(GardenScreenTest, PanelsOpenOneAtATimeAndToggleShut)
{
    CGardenWnd& screen = Open(gb::GardenDesc{});
    screen.TogglePanel(GardenPanelSlot::kWarehouse);
    CORVWindow* warehouse = screen.Panel(GardenPanelSlot::kWarehouse);
    ASSERT_NE(warehouse, nullptr);
    // The nursery may take the warehouse's address: its end is seen through its life watch.
    const ORVLifeWatch warehouseLife = warehouse->Watch();
    screen.TogglePanel(GardenPanelSlot::kNursery);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kWarehouse), nullptr);
    EXPECT_TRUE(warehouseLife.expired());
    ASSERT_NE(screen.Panel(GardenPanelSlot::kNursery), nullptr);
    screen.TogglePanel(GardenPanelSlot::kNursery);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kNursery), nullptr);
    // A slot without a record opens nothing.
    const RuntimeClassRecord* old = GetGardenPanelRecord(GardenPanelSlot::kWeather);
    SetGardenPanelRecord(GardenPanelSlot::kWeather, nullptr);
    screen.TogglePanel(GardenPanelSlot::kWeather);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kWeather), nullptr);
    SetGardenPanelRecord(GardenPanelSlot::kWeather, old);
    // Choosing a tool closes the seed bag; the seed-ranking panel stays all along.
    screen.ToggleSeedBag();
    EXPECT_NE(screen.Panel(GardenPanelSlot::kSeedBag), nullptr);
    screen.SetToolMode(ToolWater);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kSeedBag), nullptr);
    EXPECT_NE(screen.Panel(GardenPanelSlot::kSeedRank), nullptr);
}

TEST_F(GardenScreenTest, PeriodicRefreshRunsUnlessSuspendedAndTheGreetingClearsIt)
{
    gb::GardenDesc g;
    g.guid = "pal";
    CGardenWnd& screen = Open(g, false);
    m_Fake.m_dwTick += CGardenWnd::kRefreshPeriodMs;   // a whole period is not yet past it
    Frames(1);
    EXPECT_TRUE(TakeRequests().empty());
    m_Fake.m_dwTick += 1;
    Frames(1);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x04, "pal", 0, 1, 0)});
    Event(107);
    EXPECT_TRUE(screen.RefreshSuspended());
    m_Fake.m_dwTick += 20000;
    Frames(1);
    EXPECT_TRUE(TakeRequests().empty());
    screen.SetToolMode(ToolWater);
    Event(108);
    EXPECT_FALSE(screen.RefreshSuspended());
    EXPECT_EQ(screen.ToolMode(), ToolNone);
    Frames(1);
    EXPECT_EQ(TakeRequests().size(), 1u);
}

TEST_F(GardenScreenTest, PopOutActionsSendAfterTheirBoxesOrAtOnce)
{
    // Level 2: plot 2 (column 2) is openable; plot 1 developed at level 1 with consistent
    // planting data offers upgrading; plot 3 with a crop offers fertilising.
    gb::GardenDesc g;
    g.info.level = 2;
    g.plots = {{.number = 1, .plantedA = 5, .plantedB = 5}, {.number = 2, .flags = 0}, {.number = 3}};
    g.plants = {{.id = 1, .plot = 3, .seconds = kGrowing, .sower = "me"}};
    CGardenWnd& screen = Open(g);
    const auto offers = [&](int n) {
        std::vector<u16> out;
        for (const auto& p : screen.Plot(n)->PopOuts()) out.push_back(p.m_wAction);
        return out;
    };
    for (int n : {1, 2, 3}) {
        ORVMsg click(kNotifyLeftClick, 0, screen.Plot(n)->Soil());
        screen.Plot(n)->OnMessage(&click);
    }
    // Only the last plot clicked keeps its buttons.
    EXPECT_TRUE(screen.Plot(1)->PopOuts().empty());
    EXPECT_EQ(offers(3), std::vector<u16>{CGardenLandItem::kActionFertilise});
    ORVMsg again(kNotifyLeftClick, 0, screen.Plot(1)->Soil());
    screen.Plot(1)->OnMessage(&again);
    EXPECT_EQ(offers(1), std::vector<u16>{CGardenLandItem::kActionUpgrade});
    ORVMsg open(kNotifyLeftClick, 0, screen.Plot(2)->Soil());
    screen.Plot(2)->OnMessage(&open);
    EXPECT_EQ(offers(2), std::vector<u16>{CGardenLandItem::kActionOpen});
    // Open asks first; its OK sends 0x22.
    ORVMsg press(kNotifyLeftClick, 0, screen.Plot(2)->PopOuts()[0].m_pButton);
    screen.Plot(2)->OnMessage(&press);
    EXPECT_TRUE(screen.Plot(2)->PopOuts().empty());
    EXPECT_TRUE(TakeRequests().empty());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    ORVMsg ok = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.back().m_OkMsg;   // the box's own OK
    CtrlMgr().RouteMessage(&ok);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x22, "", 0, 2, 0)});
    // Fertilising without manure refuses; with it, 0x17 at once.
    ORVMsg fert(kNotifyLeftClick, 0, screen.Plot(3)->Soil());
    screen.Plot(3)->OnMessage(&fert);
    ORVMsg refused(kNotifyLeftClick, 0, screen.Plot(3)->PopOuts()[0].m_pButton);
    screen.Plot(3)->OnMessage(&refused);
    EXPECT_TRUE(TakeRequests().empty());
    screen.Plot(3)->OnMessage(&fert);
    GiveCard(7583, 1);
    ORVMsg use(kNotifyLeftClick, 0, screen.Plot(3)->PopOuts()[0].m_pButton);
    screen.Plot(3)->OnMessage(&use);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x17, "", 0, 3, 0)});
    // With a tool chosen, a soil click offers nothing.
    screen.SetToolMode(ToolWater);
    screen.Plot(1)->OnMessage(&again);
    EXPECT_TRUE(screen.Plot(1)->PopOuts().empty());
}

// Ploughing the own crop asks first; the box's OK ploughs.
TEST_F(GardenScreenTest, PloughingACropAsksFirstAndItsOkPloughs)
{
    gb::GardenDesc g;
    g.plots = {{.number = 5}};
    g.plants = {{.id = 1, .plot = 5, .seconds = kGrowing, .sower = "me"}};
    CGardenWnd& screen = Open(g);
    screen.SetToolMode(ToolPlough);
    Event(102, 5);
    EXPECT_TRUE(TakeRequests().empty());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    ORVMsg ok = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.back().m_OkMsg;
    CtrlMgr().RouteMessage(&ok);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x05, "", 0, 5, 0)});
}

// The level-up button asks (and its OK sends 0x24) only while the row's conditions are met: the
// sample data's level-1 row needs nothing, its level-2 row 100 love points and more land than a
// garden has.
TEST_F(GardenScreenTest, LevelUpAsksOnlyWhenItsConditionsAreMet)
{
    const struct {
        u8 level;
        u32 love;
        bool asks;
    } cases[] = {{1, 0, true}, {2, 0, false}, {2, 100, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.level} << " " << c.love);
        CtrlMgr().DestroyWindowTree();
        CtrlMgr().m_MainWnd.CreateAt(nullptr, 0, 0, 800, 600);
        gb::GardenDesc g;
        g.info.level = c.level;
        g.info.love = c.love;
        g.plots = {{.number = 1}};
        CGardenWnd& screen = Open(g);
        Frames(1);
        ORVMsg click(kNotifyLeftClick, 0, screen.LevelUpButton());
        screen.OnMessage(&click);
        auto& boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
        if (!c.asks) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        ORVMsg ok = boxes.back().m_OkMsg;
        CtrlMgr().RouteMessage(&ok);
        EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x24, "", 0, 0, 0)});
    }
}

TEST_F(GardenScreenTest, DestructionClosesTheConnectionResetsAndTellsTheHost)
{
    gb::GardenDesc g;
    g.plots = {{.number = 1}};
    Open(g);
    GetGardenGuide().SetStep(7);
    GetGameNet().m_bGardenConnected = 1;
    CloseScreen();
    EXPECT_EQ(GetGardenWnd(), nullptr);
    EXPECT_EQ(GetGardenDataMgr().m_Plots.Size(), 0u);
    EXPECT_EQ(GetGardenGuide().Step(), 0);
    EXPECT_EQ(GetGameNet().m_bGardenConnected, 0);
}

// The screen's close takes the windows opened beside it while it stood (a box here) and leaves
// those that stood before it (the test host window, the exchange stand-in).
TEST_F(GardenScreenTest, ClosingTheScreenClosesWhatOpenedBesideItOnly)
{
    CloseScreen();
    ORVMsg openHost(274, kSysWndOpen);
    CtrlMgr().RouteMessage(&openHost);
    Open(gb::GardenDesc{});
    ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "box");
    Frames(2);
    const CORVMainWnd& main = CtrlMgr().m_MainWnd;
    ASSERT_NE(main.GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
    CloseScreen();
    EXPECT_EQ(main.GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
    EXPECT_NE(main.GetSystemWindow(274), nullptr);
    EXPECT_NE(main.GetSystemWindow(kMsgExchangeTopic), nullptr);
}

// Two sessions in one process: the first fills every record and every window's kept state, and
// leaves requests unsent and packets held when its screen closes; the close drops them, the second
// starts from the state as constructed, its research deals the faces the first one's first deal did
// and its ranking request is not held back; after a close every reply is answered as by a state
// just constructed, whatever record it reads.
TEST_F(GardenScreenTest, ASecondSessionSeesNothingOfTheFirst)
{
    SetGardenDispatcher(&DispatchGardenPacket);
    gb::GardenDesc g;
    g.guid = "me";
    g.plots = {{.number = 1}};
    g.plantList = {{1, 2}};
    const auto dealFaces = [](CGardenWnd& screen) {
        screen.TogglePanel(GardenPanelSlot::kResearch);
        auto* research = dynamic_cast<CGardenResearchWnd*>(screen.Panel(GardenPanelSlot::kResearch));
        EXPECT_NE(research, nullptr);
        ORVMsg result(kMsgGardenTopic, CGardenResearchWnd::kTopicResult, 0, "");
        std::vector<i32> faces;
        for (int deal = 0; deal < 2 && research != nullptr; ++deal) {
            GetGardenDataMgr().m_LevelUp = LevelUpRecord{};   // kind 0: three faces drawn from the six
            research->ProcessMessage(&result);
            faces.insert(faces.end(), std::begin(research->m_anFace), std::end(research->m_anFace));
        }
        screen.TogglePanel(GardenPanelSlot::kResearch);
        return faces;
    };
    m_Fake.m_nRand = 1;
    CGardenWnd& first = Open(g);
    const std::vector<i32> firstFaces = dealFaces(first);
    const std::vector<std::string> replies = {
             gb::Reply(504, gb::U16(3)), gb::Reply(505, gb::U16(7) + gb::U16(2), 0, 1, 4),
             gb::Reply(506, gb::U16(7) + gb::U32(3) + gb::U32(1), 0, 1, 10),
             gb::Reply(511, gb::Item(14, gb::U32(9)) + gb::Item(15, "a")), gb::Reply(512, gb::FriendBytes("f", "f"), 0, 1, 73),
             gb::Reply(513, gb::U16(2) + std::string(8, '\0'), 0, 1, 10), gb::Reply(515, "news"),
             gb::Reply(517, gb::U16(2) + std::string(8, '\0'), 0, 1, 10), gb::Reply(519, std::string("a\0b\0", 4)),
             gb::Reply(521, gb::U32(1767276000) + gb::U32(0) + std::string(32, '\1')), gb::Reply(522, "", 0, 7),
             gb::Reply(524, gb::FriendBytes("s", "s"), 0, 1, 73), gb::Reply(526, gb::U16(7) + gb::U32(50)),
             gb::Reply(527, gb::U16(1) + std::string(1, '\1') + gb::U16(3) + gb::U32(12)),
             gb::Reply(528, gb::Item(25, gb::U16(1) + gb::U16(2) + gb::U16(3) + "do")), gb::Reply(530, std::string(10, '\1'), 0, 1),
             gb::Reply(537, "", 0, 1)};
    for (const std::string& reply : replies) {
        Deliver(reply);
    }
    Deliver(gb::Packet(100, 0, "line"));
    GetGardenDataMgr().m_bStealCardUsed = 1;   // a pick with the card
    first.TogglePanel(GardenPanelSlot::kFriends);
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kStrangers);
    first.TogglePanel(GardenPanelSlot::kRank);
    ASSERT_EQ(GetGardenDataMgr().m_Keep.m_bRankRequestSent, 1);
    ASSERT_EQ(GetGardenDataMgr().m_vReply530.size(), 1u);
    const std::string late = gb::Reply(512, gb::FriendBytes("late", "late"), 0, 1, 73);
    PushGardenPacket(late.data(), static_cast<int>(late.size()));

    ASSERT_NE(GetGameNet().GetRecord(0)->m_nQueued, 0u);   // requests of the first session wait

    CloseScreen();
    EXPECT_TRUE(TakeRequests().empty()) << "the first session's unsent requests outlive its close";
    DrainGardenPackets();
    const CGardenDataMgr fresh;
    EXPECT_TRUE(static_cast<const GardenSessionState&>(GetGardenDataMgr()) == fresh);
    EXPECT_TRUE(GetGardenDataMgr().m_vFriends.empty());

    m_Fake.m_nRand = 1;
    CGardenWnd& second = Open(g);
    EXPECT_EQ(dealFaces(second), firstFaces);
    second.TogglePanel(GardenPanelSlot::kRank);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x19)});
    EXPECT_EQ(CGardenFriendWnd::ListMode(), CGardenFriendWnd::kFriends);

    // Whatever a reply reads, wherever it is kept: after a close the state answers every reply as
    // a state just constructed does (reply 508 tells of the card only when a pick used one).
    CloseScreen();
    const ScopedSystemWindowRecord standIn(kMsgGardenTopic, ORV_RUNTIME_CLASS(CTestWindow));
    OpenWindows();
    TakeTopics();
    CGardenDataMgr constructed;
    std::vector<std::string> probes = replies;
    probes.push_back(gb::Reply(508, "\1\1", 0, 1, 10));
    for (const std::string& reply : probes) {
        SCOPED_TRACE(testing::Message() << "reply " << BodyCursor(reinterpret_cast<const u8*>(reply.data()), reply.size()).Code());
        const std::vector<u8> bytes = ExactBytes<u8>(reply);
        GetGardenDataMgr().OnReply(bytes.data(), static_cast<int>(bytes.size()));
        const std::vector<Topic> after = TakeTopics();
        constructed.OnReply(bytes.data(), static_cast<int>(bytes.size()));
        EXPECT_EQ(after, TakeTopics());
    }
    TakeRequests();
    SetGardenDispatcher(nullptr);
}

// Where the renderer drew a texture of (group, id) in the last frame: {x, y}, or {} when it was not.
std::vector<long long> DrawnAt(u16 group, u16 id)
{
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        if (c.op == "DrawTex" && c.ints.size() >= 5 && c.ints[3] == group && c.ints[4] == id) {
            return {c.ints[0], c.ints[1]};
        }
    }
    return {};
}

// The mouse on a soil that lies under the square of a plot in front (plot 15's covers the middle
// of plot 8's soil): the soil behind is hovered and shows its tooltip; with a tool chosen the tool
// cursor is drawn there and the main window's own cursor is left out of that frame only.
TEST_F(GardenScreenTest, ToolCursorOverACoveredSoilReplacesTheMainCursorForThatFrame)
{
    for (u16 id = 101; id <= 200; ++id) {
        glimmer_test::RegisterTexture(4, id, 150, 80);
    }
    glimmer_test::RegisterTexture(7, 403, 60, 60, 4);   // the watering cursor
    glimmer_test::RegisterTexture(7, 1, 16, 16);        // the main window's cursor
    gb::GardenDesc g;
    for (u8 n = 1; n <= CGardenWnd::kPlots; ++n) {
        g.plots.push_back({.number = n});
    }
    CGardenWnd& screen = Open(g);
    screen.SetToolMode(ToolWater);
    CLandItem* soil = screen.Plot(8)->Soil();
    const int x = soil->m_nAbsX + soil->m_nWidth / 2;
    const int y = soil->m_nAbsY + soil->m_nHeight / 2;
    MouseMove(x, y);
    EXPECT_EQ(CtrlMgr().m_pHover, soil);
    EXPECT_TRUE(screen.Plot(8)->IsHover());
    EXPECT_TRUE(screen.Plot(8)->ToolTip()->m_bVisible);

    glimmer_test::ClearTrace();
    Frames(1);
    EXPECT_EQ(DrawnAt(7, 403), (std::vector<long long>{x - 15, y - 45}));
    EXPECT_EQ(DrawnAt(7, 1), std::vector<long long>{});

    // Off the soils (the screen's own area): the main cursor is back the next frame.
    MouseMove(20, 300);
    EXPECT_FALSE(screen.Plot(8)->IsHover());
    glimmer_test::ClearTrace();
    Frames(1);
    EXPECT_EQ(DrawnAt(7, 403), std::vector<long long>{});
    EXPECT_EQ(DrawnAt(7, 1), (std::vector<long long>{20, 300}));
}

// The top row's countdowns keep their text between frames: a changed value shows at once.
TEST_F(GardenScreenTest, CountdownsShowTheCurrentValue)
{
    gb::GardenDesc g;
    g.info.upgradeTime = 2 * 3600 + 5 * 60;
    g.plots = {{.number = 1}};
    Open(g);
    const auto shown = [](const char* prefix) {
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op == "DrawTextA" && c.text.rfind(prefix, 0) == 0) {
                return c.text.substr(std::string(prefix).size());
            }
        }
        return std::string("(none)");
    };
    glimmer_test::ClearTrace();
    Frames(2);
    EXPECT_EQ(shown("距离花园升级还有："), "2小时5分");
    GardenInfo& info = GetGardenDataMgr().m_ShownInfo;
    WriteLE32(info.m_Bytes + L::kInfoUpgradeTime, 3600);
    WriteLE32(info.m_Bytes + L::kInfoDoubleStamina, 86400 + 60);
    glimmer_test::ClearTrace();
    Frames(1);
    EXPECT_EQ(shown("距离花园升级还有："), "1小时");
    EXPECT_EQ(shown("2倍体力恢复速度剩余时间:"), "1天1分");
}

TEST(GardenFormatThousands, GroupsDigits)
{
    EXPECT_STREQ(FormatThousands(0), "0");
    EXPECT_STREQ(FormatThousands(1000), "1,000");
}

// The enter reply opens the screen on the garden it brings: a player whose garden info says the
// tutorial is done gets no welcome box, a new player gets it once.
TEST_F(GardenScreenTest, TheScreenOpensOnTheEnteredGardensTutorialFlag)
{
    for (const u8 done : {u8{1}, u8{0}}) {
        SCOPED_TRACE(done);
        CloseScreen();
        SetPlayerName("me");   // the next session's login
        GetGardenGuide().SetStep(0);
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        gb::GardenDesc garden;
        garden.info.tutorialDone = done;
        Deliver(gb::Enter501(garden));
        ASSERT_NE(GetGardenWnd(), nullptr);
        EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), done != 0 ? 0u : 1u);
    }
    GetGardenGuide().SetStep(GardenGuide::kFinishedStep);
}

}  // namespace
}  // namespace orv::test
