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

}  // namespace
}  // namespace orv::test
