// The weather, tool-card, yield-estimate, research and plant level-up panels, each opened under
// the test window that stands in for the garden screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GardenFixture.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenProductEstimate.h"
#include "garden/windows/GardenToolCardWnd.h"
#include "garden/windows/GardenWeatherReport.h"
#include "glimmer/GlimmerTest.h"
#include "support/WindowInput.h"

namespace gb = orv::garden_bytes;
using orv::test::CTestWindow;

namespace {

class GardenPanelsBTest : public orv::test::GardenStateTest {
protected:
    GardenPanelsBTest()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(kImageSetWindow, 16, 440, 400);   // weather
        glimmer_test::RegisterTexture(kImageSetWindow, 11, 460, 420);   // tool cards
        glimmer_test::RegisterTexture(kImageSetWindow, 17, 560, 360);   // yield estimate
        for (u16 button : {3, 9, 12, 105, 108, 135}) {
            glimmer_test::RegisterTexture(kImageSetButton, button, 30, 20);
        }
        TakeRequests();
    }
    ~GardenPanelsBTest() override { glimmer_test::Reset(); }

    static CTestWindow* Screen() { return CTestWindow::Live().front(); }
    template <class T>
    static T* Open(const RuntimeClassRecord* cls, int arg = 0)
    {
        return dynamic_cast<T*>(Screen()->CreateChild(cls, arg, ""));
    }
    // One frame of the screen and the manager's queue.
    static void Frame()
    {
        CtrlMgr().RouteDueMessages();
        Screen()->Render();
    }
    // The texts drawn by f, in order.
    template <class F>
    static std::vector<std::string> TextsOf(F f)
    {
        glimmer_test::ClearTrace();
        f();
        std::vector<std::string> out;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op == "DrawTextA") {
                out.push_back(c.text);
            }
        }
        return out;
    }
    // The textures (set, frame, x, y) drawn by f, in order.
    template <class F>
    static std::vector<std::vector<long long>> TexturesOf(F f)
    {
        glimmer_test::ClearTrace();
        f();
        std::vector<std::vector<long long>> out;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op == "DrawTexture") {
                out.push_back({c.ints[3], c.ints[2], c.ints[0], c.ints[1]});
            }
        }
        return out;
    }
    static bool Has(const std::vector<std::string>& texts, const std::string& text)
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // A child's click notification, as its parent's queue hands it out.
    static void Click(CORVWindow* w, CORVControl* child)
    {
        ORVMsg msg(kNotifyLeftClick, 0, child);
        w->OnMessage(&msg);
    }
    // Whether the screen was asked to remove w (its close request).
    static bool CloseRequested(CORVControl* w)
    {
        for (const ORVMsg& m : Screen()->m_vPosted) {
            if (m.m_nId == kNotifyClose && m.m_pSender == w) {
                return true;
            }
        }
        return false;
    }
};

// ---- Weather ----

// 2026-01-01 14:00 UTC, a Thursday: the periods run 14-22, 22-06 (across midnight), 06-14, 14-22.
constexpr std::int64_t kThursday1400 = 1767276000;

TEST_F(GardenPanelsBTest, WeatherShowsFourPeriods)
{
    CGardenWeatherReport* w = Open<CGardenWeatherReport>(ORV_RUNTIME_CLASS(CGardenWeatherReport));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x1d)});
    EXPECT_EQ(w->m_nWidth, 440);
    CGardenDataMgr& s = GetGardenDataMgr();
    std::fill(std::begin(s.m_Weather), std::end(s.m_Weather), WeatherPeriod{});
    ASSERT_TRUE(s.SetWeatherTimes(kThursday1400));
    s.m_Weather[0].m_wKind = 9;   // unknown: shown and kept as sunny
    s.m_Weather[0].m_wLight = 5;
    s.m_Weather[0].m_nTemperature = -3;
    s.m_Weather[1].m_wKind = 4;
    s.m_Weather[1].m_nForecast = 1;
    const std::vector<std::string> texts = TextsOf([&] { w->OnDraw(); });
    EXPECT_EQ(texts.at(0), "天气预报");
    EXPECT_EQ(texts.at(1), "[2026.1.1 星期四 14:00 - 22:00]");
    EXPECT_EQ(texts.at(2), "当前天气：晴");
    EXPECT_EQ(texts.at(3), "当前温度：-3℃");
    EXPECT_EQ(texts.at(6), "[2026.1.1 星期四 22:00 - 次日 06:00]");
    EXPECT_EQ(texts.at(7), "预报天气：大雨");
    EXPECT_EQ(texts.at(11), "[2026.1.2 星期五 06:00 - 14:00]");
    EXPECT_EQ(s.m_Weather[0].m_wKind, 0);

    // Light 5: two whole icons and a half one, from x + 131.
    glimmer_test::RegisterTexture(3, 128, 10, 10);
    glimmer_test::RegisterTexture(3, 127, 5, 10);
    std::vector<std::vector<long long>> light;
    for (const auto& t : TexturesOf([&] { w->OnDraw(); })) {
        if (t[1] == 128 || t[1] == 127) {
            light.push_back(t);
        }
    }
    const long long x = w->m_nAbsX + 21 + 131;
    const long long y = w->m_nAbsY + 39 + 45;
    EXPECT_EQ(light, (std::vector<std::vector<long long>>{{3, 128, x, y}, {3, 128, x + 10, y}, {3, 127, x + 20, y}}));
}

TEST_F(GardenPanelsBTest, WeatherPeriodWithoutLocalTimeIsNotDrawn)
{
    CGardenWeatherReport* w = Open<CGardenWeatherReport>(ORV_RUNTIME_CLASS(CGardenWeatherReport));
    CGardenDataMgr& s = GetGardenDataMgr();
    ASSERT_TRUE(s.SetWeatherTimes(kThursday1400));
    s.m_Weather[2] = WeatherPeriod{};
    EXPECT_EQ(TextsOf([&] { w->OnDraw(); }).size(), 1u + 3 * 5);
}

TEST_F(GardenPanelsBTest, WeatherOkAndCloseAskToBeRemoved)
{
    for (bool ok : {true, false}) {
        CGardenWeatherReport* w = Open<CGardenWeatherReport>(ORV_RUNTIME_CLASS(CGardenWeatherReport));
        Screen()->m_vPosted.clear();
        Click(w, ok ? w->m_pOkButton : w->m_pCloseButton);
        Frame();
        EXPECT_TRUE(CloseRequested(w)) << ok;
        Screen()->DeleteChild(w);
    }
}

// ---- Tool cards ----

// n cards named c0, c1 ... with ids 100 + i, item 7000 + i and kind 1560 + i.
std::string CardList(u16 msg, int n, u16 item = 0)
{
    std::string body;
    for (int i = 0; i < n; ++i) {
        body += gb::CardBytes(100 + i, "c" + std::to_string(i), static_cast<u16>(i), item != 0 ? item : 7000 + i,
                              static_cast<u16>(1560 + i));
    }
    return gb::Packet(msg, 0, body, 0, 0, static_cast<u16>(n));
}

u16 MsgIdOf(const std::string& request) { return static_cast<u16>(static_cast<u8>(request[4]) | static_cast<u8>(request[5]) << 8); }

class ToolCardPanelTest : public GardenPanelsBTest {
protected:
    CGardenToolCardWnd* OpenCards(int tab = 0) { return Open<CGardenToolCardWnd>(ORV_RUNTIME_CLASS(CGardenToolCardWnd), tab); }
    // The left button pressed over slot i's middle.
    static void PressSlot(CGardenToolCardWnd* w, int i)
    {
        ORVMsg down(ORV_MSG_LBUTTONDOWN, PackPos(w->m_nAbsX + w->m_anSlots[i][0] + 40, w->m_nAbsY + w->m_anSlots[i][1] + 40));
        w->ProcessMessage(&down);
    }
    static std::vector<std::string> CardTexts(CGardenToolCardWnd* w)
    {
        std::vector<std::string> out;
        for (const std::string& t : TextsOf([&] { w->OnDrawOverlay(); })) {
            if (t.find("×") != std::string::npos) {
                out.push_back(t);
            }
        }
        return out;
    }
};

TEST_F(ToolCardPanelTest, ScrollsByRowsOfThree)
{
    const struct {
        int cards, range;
    } cases[] = {{0, 0}, {6, 0}, {7, 1}, {10, 2}};
    for (const auto& c : cases) {
        Deliver(CardList(201, c.cards));
        CGardenToolCardWnd* w = OpenCards();
        EXPECT_EQ(w->m_pScroll->m_nRange, c.range) << c.cards;
        Screen()->DeleteChild(w);
    }
    // Seven cards, one step down: cards 4 to 7 and two empty slots; a count below 2 shows as 1.
    Deliver(CardList(201, 7));
    CGardenToolCardWnd* w = OpenCards();
    EXPECT_EQ(CardTexts(w), (std::vector<std::string>{"c0×1", "c1×1", "c2×2", "c3×3", "c4×4", "c5×5"}));
    w->m_pScroll->SetPos(1);
    w->PumpPostedMessages();
    EXPECT_EQ(w->m_nFirst, 3);
    EXPECT_EQ(CardTexts(w), (std::vector<std::string>{"c3×3", "c4×4", "c5×5", "c6×6"}));
}

TEST_F(ToolCardPanelTest, ASlotIsSelectedByTheButtonAndEmptySlotsKeepIt)
{
    Deliver(CardList(201, 4));
    CGardenToolCardWnd* w = OpenCards();
    PressSlot(w, 3);
    EXPECT_EQ(w->m_nSelected, 3);
    PressSlot(w, 4);   // empty
    EXPECT_EQ(w->m_nSelected, 3);
    // Tab 0's slots reach 10 pixels further left than tab 1's.
    EXPECT_EQ(w->SlotAt(38 - 5, 100), 0);
    Deliver(CardList(217, 4));
    w->SwitchTab(1);
    EXPECT_EQ(w->m_nSelected, -1);
    EXPECT_EQ(w->SlotAt(38 - 5, 100), -1);
    EXPECT_EQ(w->SlotAt(38 + 1, 100), 0);
    // The selection frames its slot in red.
    PressSlot(w, 1);
    glimmer_test::ClearTrace();
    w->OnDrawOverlay();
    const auto& trace = glimmer_test::Trace();
    const auto rect = std::find_if(trace.begin(), trace.end(), [](const glimmer_test::Call& c) { return c.op == "DrawRectangle"; });
    ASSERT_NE(rect, trace.end());
    EXPECT_EQ(rect->ints, (std::vector<long long>{0xFFFF0000, w->m_nAbsX + 170, w->m_nAbsY + 76, w->m_nAbsX + 262, w->m_nAbsY + 176, 2}));
}

TEST_F(ToolCardPanelTest, TooltipsByKind)
{
    Deliver(CardList(201, 6));
    CGardenToolCardWnd* w = OpenCards();
    const struct {
        int slot;
        bool tip;
    } cases[] = {{0, true}, {1, false}, {2, true}, {5, false}};
    for (const auto& c : cases) {
        w->OnMouseMove(w->m_anSlots[c.slot][0] + 40, w->m_anSlots[c.slot][1] + 40);
        EXPECT_EQ(!w->m_strToolTip.empty(), c.tip) << c.slot;
    }
    w->OnMouseMove(w->m_anSlots[0][0] + 40, w->m_anSlots[0][1] + 40);
    EXPECT_EQ(w->m_strToolTip.substr(0, 10), "使用农家肥");
    w->OnMouseMove(5, 5);
    EXPECT_TRUE(w->m_strToolTip.empty());
}

// Tab 0: pick cards show the tip and never reach the server, manure sends nothing, any other card
// its use message; the panel closes in every case.
TEST_F(ToolCardPanelTest, UseOnTheFirstTab)
{
    const struct {
        u16 item;
        bool sent, tip;
    } cases[] = {{7439, false, true}, {7592, false, true}, {7437, false, false}, {7001, true, false}};
    for (const auto& c : cases) {
        Deliver(CardList(201, 2, c.item));
        CGardenToolCardWnd* w = OpenCards();
        TakeRequests();
        Screen()->m_vPosted.clear();
        const std::size_t tips = CAutoTip::GetSingleton().GetTips().size();
        w->Use();   // nothing selected: nothing happens
        Frame();
        EXPECT_FALSE(CloseRequested(w));
        PressSlot(w, 1);
        w->Use();
        Frame();
        const std::vector<std::string> sent = TakeRequests();
        ASSERT_EQ(sent.size(), c.sent ? 1u : 0u) << c.item;
        if (c.sent) {
            EXPECT_EQ(MsgIdOf(sent[0]), 1000);
            EXPECT_EQ(sent[0].substr(0, 4), gb::U32(101));
        }
        EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + (c.tip ? 1 : 0)) << c.item;
        EXPECT_TRUE(CloseRequested(w)) << c.item;
        Screen()->DeleteChild(w);
    }
}

// Tab 1 (also when opened on it): the exchange window opens in its item mode, takes the card
// number (index + 1) and is shown a frame later; the panel stays.
TEST_F(ToolCardPanelTest, UseOnTheSecondTabBuysThroughTheExchange)
{
    Deliver(CardList(201, 1));
    Deliver(CardList(217, 5));
    CGardenToolCardWnd* w = OpenCards(1);
    EXPECT_EQ(w->m_nTab, 1);
    EXPECT_EQ(CardTexts(w).size(), 5u);
    CTestWindow* exchange = CTestWindow::Live().at(1);
    PressSlot(w, 4);
    TakeRequests();
    exchange->m_vProcessed.clear();
    w->Use();
    std::vector<std::pair<u32, std::uintptr_t>> got;
    for (const ORVMsg& m : exchange->m_vProcessed) {
        if (m.m_nId == kMsgExchangeTopic) {
            got.push_back({m.m_wParam, SenderAsValue(m)});
        }
    }
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), (std::pair<u32, std::uintptr_t>{140, 5}));
    exchange->m_vProcessed.clear();
    Screen()->m_vPosted.clear();
    Frame();
    ASSERT_EQ(exchange->m_vProcessed.size(), 1u);
    EXPECT_EQ(exchange->m_vProcessed[0].m_wParam, 139u);
    EXPECT_FALSE(CloseRequested(w));
    EXPECT_TRUE(TakeRequests().empty());
}

TEST_F(ToolCardPanelTest, NumberFromThePlayerRecord)
{
    std::string record(88, '\0');
    record.replace(84, 4, gb::U32(4321));
    GetLoginInfo().m_PlayerInfo.Assign(record.data(), 88);
    CGardenToolCardWnd* w = OpenCards();
    EXPECT_TRUE(Has(TextsOf([&] { w->OnDrawOverlay(); }), "4321"));
}

// ---- Yield estimate ----

// 2026-01-01 22:00 UTC: the current period ends at 06:00 the next day, eight hours on.
constexpr std::int64_t kThursday2200 = 1767304800;

class EstimatePanelTest : public GardenPanelsBTest {
protected:
    EstimatePanelTest()
    {
        CGardenDataMgr& s = GetGardenDataMgr();
        std::fill(std::begin(s.m_Weather), std::end(s.m_Weather), WeatherPeriod{});
        m_pPanel = Open<CGardenProductEstimate>(ORV_RUNTIME_CLASS(CGardenProductEstimate));
        s.SetWeatherTimes(kThursday2200);
        s.m_Weather[1].m_wKind = 3;
        m_pPanel->OnScreenEvent(116, 7);
        m_pPanel->m_Plant.m_strName = "pea";
        m_pPanel->m_Plant.m_nType = 0;
        m_pPanel->m_Plant.m_nGrowthCycle = 5;
    }
    ~EstimatePanelTest() override { GetGardenGuide().Reset(); }
    // The game events (275) the screen got from the manager's queue: topic and sender value.
    std::vector<std::pair<u32, std::uintptr_t>> Events()
    {
        Frame();
        std::vector<std::pair<u32, std::uintptr_t>> out;
        for (const ORVMsg& m : Screen()->m_vProcessed) {
            if (m.m_nId == kMsgGardenTopic) {
                out.push_back({m.m_wParam, SenderAsValue(m)});
            }
        }
        Screen()->m_vProcessed.clear();
        return out;
    }
    std::vector<std::vector<long long>> Images(u16 frame)
    {
        std::vector<std::vector<long long>> out;
        for (const auto& t : TexturesOf([&] { m_pPanel->OnDraw(); })) {
            if (t[0] == 3 && t[1] == frame) {
                out.push_back({t[2] - m_pPanel->m_nAbsX, t[3] - m_pPanel->m_nAbsY});
            }
        }
        return out;
    }
    CGardenProductEstimate* m_pPanel = nullptr;
};

TEST_F(EstimatePanelTest, AsksForWeatherAndTheGrade)
{
    EXPECT_EQ(TakeRequests(), (std::vector<std::string>{gb::Packet(884, 0x1d), gb::Packet(884, 0x1e, "", 0, 7)}));
}

TEST_F(EstimatePanelTest, TimeLine)
{
    // The period eight hours on: icon at 26 + 160, pointer at 60 + 160.
    EXPECT_EQ(Images(105), (std::vector<std::vector<long long>>{{186, 92}}));
    EXPECT_EQ(Images(125), (std::vector<std::vector<long long>>{{220, 160}, {380, 160}, {540, 160}}));
    EXPECT_EQ(Images(163).size(), 5u);
    GetGardenDataMgr().m_wReply522 = 3;
    EXPECT_EQ(Images(133), (std::vector<std::vector<long long>>{{424, 283}, {458, 283}, {492, 283}}));
    // Stars and blocks stop at the panel's end (560 pixels).
    GetGardenDataMgr().m_wReply522 = 40;
    m_pPanel->m_Plant.m_nGrowthCycle = 100;
    EXPECT_EQ(Images(133).size(), 4u);
    EXPECT_EQ(Images(163).size(), 25u);
    // No growth time: no bar, "0小时"; a type-1 plant shows "未知" and no stars.
    m_pPanel->m_Plant.m_nGrowthCycle = 0;
    m_pPanel->m_Plant.m_nType = 1;
    EXPECT_TRUE(Images(163).empty());
    EXPECT_TRUE(Images(133).empty());
    const std::vector<std::string> texts = TextsOf([&] { m_pPanel->OnDraw(); });
    EXPECT_EQ(texts.at(0), "[pea]的产量预估");
    EXPECT_TRUE(Has(texts, "0小时"));
    EXPECT_TRUE(Has(texts, "未知"));
}

TEST_F(EstimatePanelTest, Tooltips)
{
    m_pPanel->OnDraw();
    const struct {
        int x, y;
        const char* tip;
    } cases[] = {
        {100, 124, "当前至明日06:00天气为晴"},
        {20, 60, ""},                           // open on the left
        {61, 240, "该植物生长时间段"},
        {160, 240, "该植物生长时间段"},         // (5 + 3) x 20
        {161, 240, ""},
        {61, 252, ""},
        {187, 93, "明日06:00至明日14:00天气为小雨"},
        {266, 172, "明日06:00至明日14:00天气为小雨"},
        {347, 100, "明日14:00至明日22:00天气为晴"},
    };
    for (const auto& c : cases) {
        m_pPanel->OnMouseMove(c.x, c.y);
        EXPECT_EQ(m_pPanel->m_strToolTip, c.tip) << c.x << "," << c.y;
    }
}

TEST_F(EstimatePanelTest, OkSowsCancelAndCloseOnlyAskTheScreen)
{
    GetGardenGuide().SetStep(9);
    Events();
    Click(m_pPanel, m_pPanel->m_pOkButton);
    EXPECT_EQ(Events(), (std::vector<std::pair<u32, std::uintptr_t>>{{116, 0}, {104, 7}}));
    EXPECT_EQ(GetGardenGuide().Step(), 10);
    for (CORVButton* b : {m_pPanel->m_pCancelButton, m_pPanel->m_pCloseButton}) {
        Screen()->m_vPosted.clear();
        Click(m_pPanel, b);
        EXPECT_EQ(Events(), (std::vector<std::pair<u32, std::uintptr_t>>{{116, 0}}));
        EXPECT_FALSE(CloseRequested(m_pPanel));
    }
    EXPECT_EQ(GetGardenGuide().Step(), 10);
}

}  // namespace
