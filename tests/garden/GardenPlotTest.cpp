// The plots: their places on the grid, which plots pulse as openable, and floating lines one after
// the other with their gap.
#include <gtest/gtest.h>

#include "GardenScreenFixture.h"

namespace orv::test {
namespace {

class GardenPlotTest : public GardenScreenFixture {};

TEST_F(GardenPlotTest, PlotsStandOnTheGrid)
{
    const struct {
        int number, x, y;
    } cases[] = {{1, 243, 42}, {5, 595, 218}, {11, 65, 128}};
    for (const auto& c : cases) {
        int x = 0;
        int y = 0;
        CGardenLandItem::GridPosition(c.number, &x, &y);
        EXPECT_EQ(x, c.x) << c.number;
        EXPECT_EQ(y, c.y) << c.number;
    }
    // On the screen each plot stands there, its soil at the bottom centre of the plot's square.
    for (u16 id = 101; id <= 200; ++id) {   // the soils
        glimmer_test::RegisterTexture(4, id, 150, 80);
    }
    gb::GardenDesc g;
    g.plots = {{.number = 5}};
    CGardenWnd& screen = Open(g);
    const CGardenLandItem& plot = *screen.Plot(5);
    EXPECT_EQ(plot.m_nX, 595);
    EXPECT_EQ(plot.m_nY, 218);
    const CLandItem& soil = *screen.Plot(5)->Soil();
    ASSERT_EQ(soil.m_nWidth, 150);
    EXPECT_EQ(soil.m_nX, (plot.m_nWidth - 150) / 2);
    EXPECT_EQ(soil.m_nY, plot.m_nHeight - 80);
}

TEST_F(GardenPlotTest, AtLevelTwoOnlyUndevelopedPlotsOfColumnsOneAndTwoAreOpenable)
{
    gb::GardenDesc g;
    g.info.level = 2;
    for (u8 n = 1; n <= 15; ++n) {
        g.plots.push_back({.number = n, .flags = static_cast<u8>(n == 7 ? 1 : 0)});
    }
    CGardenWnd& screen = Open(g);
    for (int n = 1; n <= 15; ++n) {
        const bool expected = n == 1 || n == 2 || n == 6 || n == 11 || n == 12;
        EXPECT_EQ(screen.Plot(n)->Soil()->m_bCanOpen != 0, expected) << n;
    }
    // A friend's garden opens nothing.
    GetGardenDataMgr().m_bOwnGarden = 0;
    Event(100);
    EXPECT_EQ(screen.Plot(1)->Soil()->m_bCanOpen, 0);
}

TEST_F(GardenPlotTest, QueuedLinesShowOneAfterTheOtherWithAGap)
{
    gb::GardenDesc g;
    g.plots = {{.number = 3}};
    CGardenWnd& screen = Open(g);
    screen.ShowPlotMessage(3, "a");
    screen.ShowPlotMessage(3, "b");
    screen.ShowPlotMessage(4, "c");
    CGardenLandItem& plot = *screen.Plot(3);
    ASSERT_EQ(plot.Lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(screen.Plot(4)->Lines(), std::vector<std::string>{"c"});
    for (int i = 0; i <= CGardenLandItem::kLineFrames; ++i) {
        plot.DrawFloatingTexts();
    }
    ASSERT_EQ(plot.Lines(), std::vector<std::string>{"b"});
    // Ten frames draw nothing, then "b" is drawn.
    glimmer_test::ClearTrace();
    for (int i = 0; i < CGardenLandItem::kLineGap; ++i) {
        plot.DrawFloatingTexts();
    }
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        EXPECT_FALSE(c.hasText && c.text == "b");
    }
    plot.DrawFloatingTexts();
    bool drawn = false;
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        drawn = drawn || (c.hasText && c.text == "b");
    }
    EXPECT_TRUE(drawn);
}

// Which pop-out buttons a soil click offers on plot 1 (no tool chosen), in their order: opening an
// openable plot, upgrading a developed or withered plot below the garden level that is not
// upgrading and whose two planted counts agree (and are not 0), fertilising a crop on developed land.
TEST_F(GardenPlotTest, PopOutOffersFollowTheirConditions)
{
    using A = std::vector<u16>;
    const u16 open = CGardenLandItem::kActionOpen, up = CGardenLandItem::kActionUpgrade,
              fert = CGardenLandItem::kActionFertilise;
    const struct {
        const char* name;
        u8 gardenLevel, soilLevel, flags;
        u16 plantedA, plantedB;
        bool crop;
        A offers;
    } cases[] = {
        {"undeveloped openable", 2, 0, 0, 0, 0, false, A{open}},
        {"upgrade", 2, 0, 1, 5, 5, false, A{up}},
        {"withered upgrades too", 2, 0, 2, 5, 5, false, A{up}},
        {"upgrade and fertilise", 2, 0, 1, 5, 5, true, A{up, fert}},
        {"soil at the garden level", 2, 1, 1, 5, 5, false, A{}},
        {"upgrading", 2, 0, 1 | 0x20, 5, 5, false, A{}},
        {"planted counts differ", 2, 0, 1, 5, 6, false, A{}},
        {"never planted", 2, 0, 1, 0, 0, false, A{}},
        {"crop on withered land", 2, 0, 2, 0, 0, true, A{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CtrlMgr().DestroyWindowTree();
        CtrlMgr().m_MainWnd.CreateAt(nullptr, 0, 0, 800, 600);
        gb::GardenDesc g;
        g.info.level = c.gardenLevel;
        g.plots = {{.number = 1, .soilLevel = c.soilLevel, .flags = c.flags, .plantedA = c.plantedA, .plantedB = c.plantedB}};
        if (c.crop) {
            g.plants = {{.id = 1, .plot = 1, .seconds = 1000, .sower = "me"}};
        }
        CGardenWnd& screen = Open(g);
        ORVMsg click(kNotifyLeftClick, 0, screen.Plot(1)->Soil());
        screen.Plot(1)->OnMessage(&click);
        A got;
        for (const auto& p : screen.Plot(1)->PopOuts()) {
            got.push_back(p.m_wAction);
        }
        EXPECT_EQ(got, c.offers);
    }
}

}  // namespace
}  // namespace orv::test
