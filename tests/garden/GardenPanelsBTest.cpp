// The weather, tool-card, yield-estimate, research and plant level-up panels, each opened under
// the test window that stands in for the garden screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GardenFixture.h"
#include "framework/widgets/ORVButton.h"
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
        for (u16 button : {3, 9}) {
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

}  // namespace
