// What the Garden windows share: the panel shape, texts and icon rows.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "garden/windows/GardenDraw.h"
#include "garden/windows/GardenPanel.h"
#include "garden/windows/GardenText.h"
#include "glimmer/GlimmerTest.h"

TEST(GardenText, ThousandsTakeACommaBeforeEachGroupOfThree)
{
    const struct {
        i32 value;
        const char* text;
    } cases[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {123456, "123,456"}, {-1234567, "-1,234,567"},
                 {INT_MAX, "2,147,483,647"}, {INT_MIN, "-2,147,483,648"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(FormatThousands(c.value), c.text) << c.value;
    }
}

TEST(GardenPanelShape, PagerStepsStayWithinThePages)
{
    const struct {
        i32 page;
        int delta, pages;
        bool changed;
        i32 after;
    } cases[] = {{0, -1, 3, false, 0}, {0, 1, 3, true, 1}, {2, 1, 3, false, 2},
                 {0, 1, 0, false, 0},   // no pages
                 {5, -1, 3, true, 2},   // a page beyond the end comes back within
                 {1, INT_MAX, 3, true, 2}};
    for (const auto& c : cases) {
        i32 page = c.page;
        EXPECT_EQ(CGardenPanel::StepPage(&page, c.delta, c.pages), c.changed) << c.page << " " << c.delta;
        EXPECT_EQ(page, c.after);
    }
}

// Light 5 is two whole icons and a half; a value beyond 10 half steps draws as 10; each icon
// moves on by its own width.
TEST(GardenDrawShared, HalfStepIconRows)
{
    glimmer_test::Reset();
    glimmer_test::RegisterTexture(3, 128, 10, 8);
    glimmer_test::RegisterTexture(3, 127, 6, 8);
    const struct {
        u32 value;
        std::vector<long long> xs;
        int end;
    } cases[] = {{5, {100, 110, 120}, 126}, {13, {100, 110, 120, 130, 140}, 150},
                 {0xFFFFFFFF, {100, 110, 120, 130, 140}, 150}, {0, {}, 100}};
    for (const auto& c : cases) {
        glimmer_test::ClearTrace();
        EXPECT_EQ(DrawHalfStepIcons(100, 40, c.value, 128, 127), c.end) << c.value;
        std::vector<long long> xs;
        for (const glimmer_test::Call& call : glimmer_test::Trace()) {
            if (call.op == "DrawTexture") {
                xs.push_back(call.ints.at(0));
            }
        }
        EXPECT_EQ(xs, c.xs) << c.value;
    }
    glimmer_test::Reset();
}
