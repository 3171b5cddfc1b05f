// The shape the Garden side panels share, and the texts they share.
#include <gtest/gtest.h>

#include <climits>

#include "garden/windows/GardenPanel.h"
#include "garden/windows/GardenText.h"

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
