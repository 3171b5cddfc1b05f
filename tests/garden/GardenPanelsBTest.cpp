// The weather, tool-card, yield-estimate, research and plant level-up panels, each opened under
// the test window that stands in for the garden screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "GardenFixture.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "engine/ORVConfigMgr.h"
#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenProductEstimate.h"
#include "garden/windows/GardenResearchWnd.h"
#include "garden/windows/GardenToolCardWnd.h"
#include "garden/windows/GardenWeatherReport.h"
#include "garden/windows/PlantLvlUpWnd.h"
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
        glimmer_test::RegisterTexture(kImageSetWindow, 20, 720, 540);   // research
        for (u16 anim : {147, 933, 156, 157, 161}) {
            glimmer_test::RegisterTexture(3, anim, 60, 60, 2);
        }
        for (u16 button : {3, 9, 12, 105, 108, 135, 201, 204, 207, 210, 228}) {
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
    static void Click(CORVControl* w, CORVControl* child)
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

// A reply with light and humidity at 0xFFFF draws the rows as the plant card does: at most five
// whole icons each, whatever the server sends.
TEST_F(GardenPanelsBTest, WeatherIconRowsStayBoundedForAnyFigure)
{
    CGardenWeatherReport* w = Open<CGardenWeatherReport>(ORV_RUNTIME_CLASS(CGardenWeatherReport));
    std::string body = gb::U32(static_cast<u32>(kThursday1400)) + gb::U32(0);
    for (int i = 0; i < kWeatherPeriods; ++i) {
        body += gb::U16(1) + gb::U16(0xFFFF) + gb::U16(0xFFFF) + gb::U16(20);
    }
    Deliver(gb::Reply(521, body));
    ASSERT_EQ(GetGardenDataMgr().m_Weather[3].m_wHumidity, 0xFFFF);
    std::vector<long long> rows(131, 0);
    std::size_t textures = 0;
    for (const auto& t : TexturesOf([&] { w->OnDraw(); })) {
        ++textures;
        if (t[1] >= 127 && t[1] <= 130) {
            ++rows[static_cast<std::size_t>(t[1])];
        }
    }
    EXPECT_EQ(rows[128], 4 * 5);   // light, whole icons
    EXPECT_EQ(rows[130], 4 * 5);   // humidity
    EXPECT_EQ(rows[127] + rows[129], 0);
    EXPECT_LE(textures, 4u * (1 + 5 + 5));
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

// ---- Plant level-up ----

void PutLE(u8* at, u32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<u8>(value >> (8 * i));
    }
}

// The own garden at level 3 (plants 1, 2, 5, 6, 7 allowed; 3 and 4 not) with plants 1, 2, 3 at
// the given levels, and a level-up record of option and plant ids.
void SetLevelUpState(u16 option, std::vector<u16> ids, u16 level1 = 5, u16 level2 = 45)
{
    CGardenDataMgr& s = GetGardenDataMgr();
    PutLE(s.m_OwnInfo.m_Bytes + garden_layout::kInfoLevel, 3, 2);
    s.m_vOwnPlantList = {1u | static_cast<u32>(level1) << 16, 2u | static_cast<u32>(level2) << 16, 3u | 1u << 16};
    s.m_LevelUp = LevelUpRecord{};
    PutLE(s.m_LevelUp.m_Bytes + garden_layout::kLevelUpOption, option, 2);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        PutLE(s.m_LevelUp.m_Bytes + garden_layout::kLevelUpPlants + 2 * i, ids[i], 2);
    }
}

void SetLevelResult(u16 plant, u8 code, u16 level, u32 fragments)
{
    LevelUpResult& r = GetGardenDataMgr().m_LevelResult;
    PutLE(r.m_Bytes + garden_layout::kLevelResultPlant, plant, 2);
    r.m_Bytes[garden_layout::kLevelResultCode] = code;
    PutLE(r.m_Bytes + garden_layout::kLevelResultLevel, level, 2);
    PutLE(r.m_Bytes + garden_layout::kLevelResultFragments2, fragments, 4);
}

class LevelUpTest : public GardenPanelsBTest {
protected:
    LevelUpTest() { ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear(); }
    ~LevelUpTest() override { ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear(); }
    CPlantLvlUpWnd* OpenLevelUp()
    {
        auto* w = new CPlantLvlUpWnd();
        Screen()->AddChild(w, false);
        EXPECT_TRUE(w->Create(Screen()));
        TakeRequests();
        return w;
    }
    static void Topic(CORVControl* w, u32 topic, u32 second = 0)
    {
        ORVMsg m(kMsgGardenTopic, topic, second, "");
        w->ProcessMessage(&m);
    }
};

TEST_F(LevelUpTest, CostTable)
{
    const struct {
        u32 level;
        u16 cost;
    } cases[] = {{0, 20}, {41, 250}, {49, 6754}, {50, 0}, {51, 0}, {52, 0}, {1000, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlantLevelUpCost(c.level), c.cost) << c.level;
    }
}

TEST_F(LevelUpTest, ItemsOfferTheAllowedPlantsAndHoverShowsTheCost)
{
    SetLevelUpState(0, {1, 3, 0, 2}, 49, 50);
    CPlantLvlUpWnd* w = OpenLevelUp();
    ASSERT_EQ(w->m_vItems.size(), 7u);
    std::vector<u16> ids;
    for (const CPlantLvlupItem* item : w->m_vItems) {
        ids.push_back(item->m_wPlantId);
    }
    EXPECT_EQ(ids, (std::vector<u16>{1, 0, 0, 2, 0, 0, 0}));
    w->OnChildMouseEnter(w->m_vItems[0], nullptr);
    EXPECT_EQ(w->m_wCost, 6754);
    w->OnChildMouseEnter(w->m_vItems[3], nullptr);
    EXPECT_EQ(w->m_wCost, 0);
    w->OnChildMouseEnter(w->m_vItems[1], nullptr);
    EXPECT_EQ(w->m_wCost, 0);
    EXPECT_FALSE(w->m_pCard->IsShown());
    // An empty slot shows its lock and "未获得"; a plant its level.
    EXPECT_EQ(TextsOf([&] { w->m_vItems[1]->Render(); }), std::vector<std::string>{"未获得"});
    EXPECT_EQ(TextsOf([&] { w->m_vItems[0]->Render(); }), std::vector<std::string>{"等级 49"});
}

// From level 42 on the risk box comes first, unless the option is 3 or 7; its OK sends.
TEST_F(LevelUpTest, ClickSendsOrAsksFirst)
{
    const struct {
        u16 option, level;
        bool box;
    } cases[] = {{0, 41, false}, {0, 42, true}, {3, 45, false}, {7, 45, false}, {6, 45, true}, {1, 50, true}};
    for (const auto& c : cases) {
        SetLevelUpState(c.option, {2}, 5, c.level);
        CPlantLvlUpWnd* w = OpenLevelUp();
        std::deque<ORVMsgBoxRequest>& boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
        boxes.clear();
        Click(w, w->m_vItems[0]);
        const std::string request = gb::Packet(884, 0x27, "", 0, 2, c.option);
        if (c.box) {
            EXPECT_TRUE(TakeRequests().empty()) << c.level;
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_NE(boxes[0].m_strText.find("你的[白菜]将进行升级"), std::string::npos);
            Topic(w, 128);
            EXPECT_TRUE(TakeRequests().empty());
            ORVMsg ok = boxes[0].m_OkMsg;
            w->ProcessMessage(&ok);
        }
        EXPECT_EQ(TakeRequests(), std::vector<std::string>{request}) << c.option << " " << c.level;
        // Waiting for the result: clicks are ignored.
        EXPECT_EQ(w->m_dwPhase, CPlantLvlUpWnd::kPhaseWaiting);
        Click(w, w->m_vItems[0]);
        EXPECT_TRUE(TakeRequests().empty());
        boxes.clear();
        Screen()->DeleteChild(w);
    }
}

TEST_F(LevelUpTest, ResultPlaysItsAnimationThenTheWindowIsDone)
{
    const struct {
        u8 code;
        u16 level;
        u32 phase;
        const char* text;
    } cases[] = {{0, 45, CPlantLvlUpWnd::kPhaseFailure, "很遗憾，本次升级没有成功"},
                 {1, 46, CPlantLvlUpWnd::kPhaseSuccess, "恭喜你,你的[白菜]等级提升了"},
                 {1, 50, CPlantLvlUpWnd::kPhaseSuccess, "恭喜你,你的[白菜]等级提升到顶级了！"},
                 {2, 44, CPlantLvlUpWnd::kPhaseFailure, "很遗憾,你的[白菜]等级下降了"}};
    for (const auto& c : cases) {
        SetLevelUpState(0, {2});
        CPlantLvlUpWnd* w = OpenLevelUp();
        EXPECT_TRUE(Has(TextsOf([&] { w->Render(); }), "请选择一个植物进行升级"));
        Click(w, w->m_vItems[0]);
        SetLevelResult(2, c.code, c.level, -5);
        Topic(w, 129);
        EXPECT_EQ(w->m_dwPhase, c.phase);
        EXPECT_TRUE(Has(TextsOf([&] { w->Render(); }), c.text)) << c.text;
        Screen()->m_vProcessed.clear();
        for (int i = 0; i < 110; ++i) {
            w->Render();
        }
        EXPECT_EQ(w->m_dwPhase, CPlantLvlUpWnd::kPhaseIdle);
        CtrlMgr().RouteDueMessages();
        const auto& got = Screen()->m_vProcessed;
        EXPECT_TRUE(std::any_of(got.begin(), got.end(), [&](const ORVMsg& m) {
            return m.m_nId == kMsgGardenTopic && m.m_wParam == CPlantLvlUpWnd::kTopicDone && m.m_pSender == w;
        })) << c.text;
        Screen()->DeleteChild(w);
    }
}

TEST_F(LevelUpTest, IntegrationModeShowsFragmentsAndCost)
{
    SetLevelUpState(7, {1, 2}, 49, 5);
    PutLE(GetGardenDataMgr().m_OwnInfo.m_Bytes + garden_layout::kInfoGeneFragments, 30, 4);
    CPlantLvlUpWnd* w = OpenLevelUp();
    std::vector<std::string> texts = TextsOf([&] { w->Render(); });
    EXPECT_TRUE(Has(texts, "当前碎片：30"));
    EXPECT_FALSE(Has(texts, "请选择一个植物进行升级"));
    w->OnChildMouseEnter(w->m_vItems[0], nullptr);   // level 49: 6754
    texts = TextsOf([&] { w->Render(); });
    EXPECT_TRUE(Has(texts, "升级消耗：6754"));
    EXPECT_TRUE(Has(texts, "基因碎片不足"));
    w->OnChildMouseEnter(w->m_vItems[1], nullptr);   // level 5: 25
    EXPECT_FALSE(Has(TextsOf([&] { w->Render(); }), "基因碎片不足"));
    // The result's further value goes to the held count; the shown one steps to it.
    Click(w, w->m_vItems[1]);
    SetLevelResult(2, 1, 6, 12);
    Topic(w, 129);
    for (int i = 0; i < 15; ++i) {
        w->Render();
    }
    EXPECT_TRUE(Has(TextsOf([&] { w->Render(); }), "当前碎片：42"));
    // Option 7 never declares itself done.
    for (int i = 0; i < 110; ++i) {
        w->Render();
    }
    Screen()->m_vProcessed.clear();
    CtrlMgr().RouteDueMessages();
    for (const ORVMsg& m : Screen()->m_vProcessed) {
        EXPECT_FALSE(m.m_nId == kMsgGardenTopic && m.m_wParam == CPlantLvlUpWnd::kTopicDone);
    }
}

// ---- Gene research ----

class ResearchTest : public GardenPanelsBTest {
protected:
    ResearchTest()
    {
        SetOwn(100, 10, 0, 0);
        GetGardenGuide().Reset();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
    }
    ~ResearchTest() override
    {
        CORVConfigMgr::GetSingleton().Load(m_Dir.Path("none.xml").c_str());
        GetGardenGuide().Reset();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
    }
    static void SetOwn(u32 points, u32 cost, u32 fragments, u16 today)
    {
        u8* b = GetGardenDataMgr().m_OwnInfo.m_Bytes;
        PutLE(b + garden_layout::kInfoGenePoints, points, 4);
        PutLE(b + garden_layout::kInfoResearchCost, cost, 4);
        PutLE(b + garden_layout::kInfoGeneFragments, fragments, 4);
        PutLE(b + garden_layout::kInfoResearchesToday, today, 2);
    }
    void SetAutoUse(int value)
    {
        const std::string path = m_Dir.Write("config.xml", "<?xml version=\"1.0\"?>\n<config>\n<key Index=\"0\" Name=\"AutoUseGenePoint\" Value=\"" +
                                                               std::to_string(value) + "\"/>\n</config>\n");
        ASSERT_TRUE(CORVConfigMgr::GetSingleton().Load(path.c_str()));
    }
    CGardenResearchWnd* OpenResearch()
    {
        CGardenResearchWnd* w = Open<CGardenResearchWnd>(ORV_RUNTIME_CLASS(CGardenResearchWnd));
        TakeRequests();
        return w;
    }
    // A result (reply 526) of kind, plant, count and first fragments.
    static void Result(CGardenResearchWnd* w, u16 kind, u16 plant = 0, u16 count = 0, u32 fragments = 0)
    {
        LevelUpRecord& r = GetGardenDataMgr().m_LevelUp;
        r = LevelUpRecord{};
        PutLE(r.m_Bytes + garden_layout::kLevelUpOption, kind, 2);
        PutLE(r.m_Bytes + garden_layout::kLevelUpFragments, fragments, 4);
        PutLE(r.m_Bytes + garden_layout::kLevelUpPlantId, plant, 2);
        PutLE(r.m_Bytes + garden_layout::kLevelUpCount, count, 2);
        ORVMsg m(kMsgGardenTopic, CGardenResearchWnd::kTopicResult, 0, "");
        w->ProcessMessage(&m);
    }
    static void Frames(CGardenResearchWnd* w, int n)
    {
        for (int i = 0; i < n; ++i) {
            w->OnDraw();
            w->OnDrawOverlay();
        }
    }
};

TEST_F(ResearchTest, StartAsksFirstUnlessTheKeySaysSo)
{
    CGardenResearchWnd* w = OpenResearch();
    Click(w, w->m_pStartButton);
    EXPECT_TRUE(TakeRequests().empty());
    const auto& boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].m_strText, "本次研究需要耗费10点基因点数，确认进行研究吗？");
    EXPECT_EQ(boxes[0].m_strCheckText, "以后不再显示");
    EXPECT_EQ(boxes[0].m_OkMsg.m_wParam, 124u);
    EXPECT_EQ(boxes[0].m_CancelMsg.m_wParam, 125u);
    // The box's OK counts only while the box is there.
    ORVMsg ok = boxes[0].m_OkMsg;
    w->ProcessMessage(&ok);
    EXPECT_TRUE(TakeRequests().empty());

    SetAutoUse(1);
    Click(w, w->m_pStartButton);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x26)});
    EXPECT_FALSE(w->m_pStartButton->m_bEnabled);
    EXPECT_FALSE(w->m_apIntegrations[2]->m_bEnabled);
}

TEST_F(ResearchTest, PointsMustReachTheCost)
{
    const struct {
        u32 points;
        bool sent;
        u16 guideAfter13;
    } cases[] = {{10, true, 13}, {9, false, 15}};
    for (const auto& c : cases) {
        SetOwn(c.points, 10, 0, 0);
        CGardenResearchWnd* w = OpenResearch();
        const std::size_t tips = CAutoTip::GetSingleton().GetTips().size();
        GetGardenGuide().SetStep(12);
        w->Research();
        EXPECT_EQ(GetGardenGuide().Step(), 13);
        EXPECT_EQ(TakeRequests().size(), c.sent ? 1u : 0u) << c.points;
        EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + (c.sent ? 0 : 1));
        w->Research();
        EXPECT_EQ(GetGardenGuide().Step(), c.guideAfter13) << c.points;
        TakeRequests();
        Screen()->DeleteChild(w);
    }
}

TEST_F(ResearchTest, FragmentsEnableTheIntegrations)
{
    const struct {
        u32 fragments;
        bool primary, middle;
    } cases[] = {{19, false, false}, {20, true, false}, {29, true, false}, {30, true, true}};
    for (const auto& c : cases) {
        SetOwn(0, 10, c.fragments, 0);
        CGardenResearchWnd* w = OpenResearch();
        EXPECT_EQ(w->m_apIntegrations[0]->m_bEnabled != 0, c.primary) << c.fragments;
        EXPECT_EQ(w->m_apIntegrations[1]->m_bEnabled != 0, c.middle) << c.fragments;
        EXPECT_TRUE(w->m_apIntegrations[2]->m_bEnabled);
        Screen()->DeleteChild(w);
    }
    // The primary and middle ones send the research mode; the upper one opens the level-up
    // window in its own mode.
    SetOwn(0, 10, 30, 0);
    CGardenResearchWnd* w = OpenResearch();
    Click(w, w->m_apIntegrations[1]);
    EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x2e, "", 0, 1)});
    EXPECT_FALSE(w->m_apIntegrations[0]->m_bEnabled);
    Click(w, w->m_apIntegrations[2]);
    ASSERT_NE(w->m_pLevelUp, nullptr);
    EXPECT_EQ(CPlantLvlUpWnd::Option(), 7);
    EXPECT_EQ(w->m_lstChildren.front(), w->m_pLevelUp);
    // Its result adds the second fragments field to the target and reaches the window.
    SetLevelResult(1, 1, 2, 12);
    ORVMsg result(kMsgGardenTopic, 129, 0, "");
    w->ProcessMessage(&result);
    EXPECT_EQ(w->m_nTargetFragments, 42);
    EXPECT_EQ(w->m_pLevelUp->m_dwPhase, CPlantLvlUpWnd::kPhaseSuccess);
    // Done: the window goes, the kind is 0 again, the buttons come back.
    ORVMsg done(kMsgGardenTopic, 132, 0, "");
    w->ProcessMessage(&done);
    EXPECT_EQ(w->m_pLevelUp, nullptr);
    EXPECT_EQ(CPlantLvlUpWnd::Option(), 0);
    EXPECT_TRUE(w->m_pStartButton->m_bEnabled);
    EXPECT_TRUE(w->m_apIntegrations[1]->m_bEnabled);
}

// A fragment figure with an amount added stays within i32 at both ends, never wrapping.
// The research result's two fragment fields (the first in reply 526, the second in reply 527) are
// the server's u32 counts: whatever they hold, the figures they are added to stop at the largest
// one, on the integration's result (129) and in the level-up window, and through the counter: the
// first field's with kinds 5 and 6, the second's on a finished level-up of kinds 2 and 3 (132).
// The counter draws the saturated amount, the figure steps up from the own count, and the
// integrations it passes are enabled and send their request.
TEST_F(ResearchTest, FragmentFieldsSaturateTheFigures)
{
    const struct {
        i32 figure;
        std::int64_t amount;
        i32 sum;
    } sums[] = {
        {0, 0, 0},
        {INT32_MAX - 1, 1, INT32_MAX},
        {1, 0xFFFFFFFF, INT32_MAX},
        {INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN + 1, -1, INT32_MIN},
        {INT32_MIN, -1, INT32_MIN},
        {-1, -std::int64_t{0xFFFFFFFF}, INT32_MIN},
        {INT32_MIN, INT32_MIN, INT32_MIN},
    };
    for (const auto& c : sums) {
        EXPECT_EQ(AddFragments(c.figure, c.amount), c.sum) << c.figure << " + " << c.amount;
    }

    for (const u32 count : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(count);
        SetOwn(0, 10, 30, 0);
        CGardenResearchWnd* w = OpenResearch();
        Click(w, w->m_apIntegrations[2]);   // kind 7, the level-up window opens
        ASSERT_NE(w->m_pLevelUp, nullptr);
        Deliver(gb::Reply(527, gb::U16(1) + std::string(1, '\1') + gb::U16(2) + gb::U32(count)));
        EXPECT_EQ(GetGardenDataMgr().LevelResultFragments(), count);
        ORVMsg result(kMsgGardenTopic, CGardenResearchWnd::kTopicLevelResult, 0, "");
        w->ProcessMessage(&result);
        EXPECT_EQ(w->m_nTargetFragments, INT32_MAX);
        EXPECT_EQ(w->m_pLevelUp->m_nHeldFragments, INT32_MAX);
        Screen()->DeleteChild(w);

        for (const u16 kind : {u16{2}, u16{3}, u16{5}, u16{6}}) {
            SetOwn(0, 10, 10, 0);
            w = OpenResearch();
            if (kind < 5) {
                Result(w, kind);
                ORVMsg done(kMsgGardenTopic, CGardenResearchWnd::kTopicLevelUpDone, 0, "");
                w->ProcessMessage(&done);
            } else {
                Result(w, kind, 0, 0, count);
            }
            EXPECT_EQ(w->m_nCounterAmount, INT32_MAX) << kind;
            EXPECT_EQ(w->m_nTargetFragments, INT32_MAX) << kind;
            EXPECT_TRUE(Has(TextsOf([&] { Frames(w, 1); }), "+2147483647")) << kind;
            Frames(w, 19);
            EXPECT_TRUE(Has(TextsOf([&] { w->OnDraw(); }), "基因碎片:30")) << kind;
            EXPECT_TRUE(w->m_apIntegrations[1]->m_bEnabled) << kind;
            Click(w, w->m_apIntegrations[0]);
            EXPECT_EQ(TakeRequests(), std::vector<std::string>{gb::Packet(884, 0x2e, "", 0, 0)}) << kind;
            Screen()->DeleteChild(w);
        }
    }
}

// Faces by result, with a fixed random source: three different faces for a failure, a pair and
// one of the other five for 10, 15 and 25 seeds, three equal ones for the rest.
TEST_F(ResearchTest, FacesByResult)
{
    CGardenResearchWnd* w = OpenResearch();
    for (int rnd : {0, 1, 4}) {
        m_Fake.m_nRand = rnd;
        Result(w, 0);
        std::vector<i32> faces(std::begin(w->m_anFace), std::end(w->m_anFace));
        std::sort(faces.begin(), faces.end());
        EXPECT_EQ(std::unique(faces.begin(), faces.end()), faces.end()) << rnd;
        EXPECT_TRUE(std::all_of(faces.begin(), faces.end(), [](i32 f) { return f >= 139 && f <= 144; }));
        for (auto [count, pair] : {std::pair{10, 139}, {15, 140}, {25, 141}}) {
            Result(w, 1, 1, static_cast<u16>(count));
            EXPECT_EQ(w->m_anFace[0], pair);
            EXPECT_EQ(w->m_anFace[1], pair);
            EXPECT_NE(w->m_anFace[2], pair) << count << " " << rnd;
            EXPECT_GE(w->m_anFace[2], 139);
            EXPECT_LE(w->m_anFace[2], 144);
        }
    }
    const struct {
        u16 kind, count;
        i32 face;
    } same[] = {{1, 20, 139}, {1, 30, 140}, {1, 50, 141}, {2, 0, 142}, {3, 0, 143}, {4, 0, 144}};
    for (const auto& c : same) {
        Result(w, c.kind, 1, c.count);
        EXPECT_EQ(std::vector<i32>(std::begin(w->m_anFace), std::end(w->m_anFace)), std::vector<i32>(3, c.face))
            << c.kind << " " << c.count;
    }
}

// Unticked, a result shows the cards to click; ticked, they flip at once. All three revealed, a
// seed result plays the success animation, tells what was won, then counts the fragments on.
TEST_F(ResearchTest, RevealPlaysThrough)
{
    CGardenResearchWnd* w = OpenResearch();
    Result(w, 1, 1, 20, 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w->m_anPhase[i], 0);
        EXPECT_TRUE(w->m_apCards[i]->m_bVisible);
    }
    GetGardenGuide().SetStep(13);
    Click(w, w->m_apCards[0]);
    EXPECT_EQ(w->m_anPhase[0], 1);
    EXPECT_FALSE(w->m_apCards[0]->m_bVisible);
    EXPECT_EQ(GetGardenGuide().Step(), 14);

    w->m_pAutoCheck->SetLatch(1);
    Result(w, 1, 1, 20, 4);
    EXPECT_EQ(std::vector<i32>(std::begin(w->m_anPhase), std::end(w->m_anPhase)), std::vector<i32>(3, 1));
    const std::size_t tips = CAutoTip::GetSingleton().GetTips().size();
    Frames(w, 20);
    EXPECT_EQ(std::vector<i32>(std::begin(w->m_anPhase), std::end(w->m_anPhase)),
              std::vector<i32>(3, CGardenResearchWnd::kPhaseDone));
    EXPECT_EQ(GetGardenGuide().Step(), 15);
    EXPECT_NE(w->m_SuccessAnim.GetState(), GardenAnim::kIdle);
    Frames(w, 20);
    ASSERT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + 1);
    EXPECT_EQ(CAutoTip::GetSingleton().GetTips().back().m_vLines.at(0).m_strText, "恭喜你，此次基因研究你获得了20个萝卜");
    EXPECT_EQ(w->m_nCounterFrames, 0);
    Frames(w, 100);
    EXPECT_GT(w->m_nCounterFrames, 0);
    EXPECT_EQ(w->m_nTargetFragments, 4);
    EXPECT_TRUE(w->m_pStartButton->m_bEnabled);
    // Closing at step 15 moves the guide on.
    w->Close();
    EXPECT_EQ(GetGardenGuide().Step(), 16);
}

TEST_F(ResearchTest, TextsAndDiscount)
{
    const struct {
        u16 today;
        const char* discount;
    } cases[] = {{0, "折扣：二五折"}, {1, "折扣：五折"}, {29, "折扣：五折"}, {30, "折扣：无"}};
    CGardenResearchWnd* w = OpenResearch();
    for (const auto& c : cases) {
        SetOwn(100, 10, 0, c.today);
        const std::vector<std::string> texts = TextsOf([&] { w->OnDraw(); });
        EXPECT_TRUE(Has(texts, c.discount)) << c.today;
        EXPECT_TRUE(Has(texts, "基因点数：100点"));
        EXPECT_TRUE(Has(texts, "单次消耗：10点"));
    }
    w->OnMouseMove(400, 450);
    EXPECT_NE(w->m_strToolTip.find("今日研究次数：30"), std::string::npos);
    w->OnMouseMove(534, 450);   // the upper integration's area, past the discount's
    EXPECT_EQ(w->m_strToolTip.substr(0, 14), "基因整合－上级");
    w->OnMouseMove(10, 10);
    EXPECT_TRUE(w->m_strToolTip.empty());
}

TEST_F(GardenPanelsBTest, ResearchRulesWindow)
{
    glimmer_test::RegisterTexture(kImageSetWindow, 8, 300, 200);
    auto* w = Open<CGardenResearchRuleWnd>(ORV_RUNTIME_CLASS(CGardenResearchRuleWnd));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->m_nWidth, 300);
    ASSERT_NE(w->m_pCloseButton, nullptr);
    EXPECT_EQ(w->m_pCloseButton->m_nX, 262);
}

}  // namespace
