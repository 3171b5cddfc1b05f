#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/text/WrappedText.h"
#include "framework/text/DrawnCalls.h"

namespace {

using orv::test::Drawn;
using orv::test::Image;
using orv::test::Text;

class TextDraw : public ::testing::Test {
protected:
    void SetUp() override { *GetORVCallBack() = &host; }
    void TearDown() override { *GetORVCallBack() = nullptr; }

    std::vector<Drawn> All() const { return orv::test::DrawnCalls(host); }
    std::vector<Drawn> Images() const { return orv::test::DrawnCalls(host, 'I'); }
    std::vector<Drawn> Texts() const { return orv::test::DrawnCalls(host, 'T'); }

    orv::test::RecordingHost host;
};

}  // namespace

TEST_F(TextDraw, NumberAsDigitImages)
{
    DrawNumber(100, 50, -12);
    EXPECT_EQ(All(), (std::vector<Drawn>{Image(100, 50, 137), Image(110, 50, 141), Image(120, 50, 142)}));
    host.ClearLog();
    DrawNumber(0, 0, 0);
    EXPECT_EQ(All(), (std::vector<Drawn>{Image(0, 0, 140)}));
}

TEST_F(TextDraw, NothingWithoutAHost)
{
    *GetORVCallBack() = nullptr;
    DrawNumber(0, 0, 5);
    DrawBubbleText(100, 100, "hint");
    CWrappedText t;
    t.SetText("abc", 100, 0xFF000000, 1);
    t.Draw(0, 0);
    DrawBubbleText(100, 100, nullptr);
    EXPECT_FALSE(host.AnyDrawing());
}

TEST_F(TextDraw, BubbleAboveThePoint)
{
    // One short line: w1 = 24 -> columns (96 + 42) / 36 = 3, rows 2.
    DrawBubbleText(200, 100, "abcd");
    const int left = 200 - 3 * 36 / 5;
    const int top = 100 - 40;
    EXPECT_EQ(Images(), (std::vector<Drawn>{
                            Image(left, top, 160), Image(left + 36, top, 161), Image(left + 72, top, 162),
                            Image(left, top + 20, 166), Image(left + 36, top + 20, 167),
                            Image(left + 72, top + 20, 168), Image(200, 94, 169)}));
    // A single line above the point sits at y - 27.
    EXPECT_EQ(Texts(), (std::vector<Drawn>{Text(200 - 24 / 5 + 7, 73, "abcd", 0xFF000000, 0, 1)}));
}

TEST_F(TextDraw, BubbleFlipsBelowNearTheTop)
{
    // Two lines give 3 rows: at y = 30 the box would start above the screen.
    DrawBubbleText(200, 30, "ab\ncd");
    const std::vector<Drawn> images = Images();
    ASSERT_EQ(images.size(), 3u * 3u + 1u);
    EXPECT_EQ(images.front(), Image(200 - 3 * 36 / 5, 70, 160));
    EXPECT_EQ(images[3], Image(200 - 3 * 36 / 5, 90, 163));          // middle row, first column
    EXPECT_EQ(images.back(), Image(200, 56, 170));
    const int x0 = 200 - 12 / 5 + 7;
    EXPECT_EQ(Texts(), (std::vector<Drawn>{Text(x0, 84, "ab", 0xFF000000, 0, 1),
                                           Text(x0, 104, "cd", 0xFF000000, 0, 1)}));
}

TEST_F(TextDraw, BubbleLinesAboveStartFourteenBelowTheTop)
{
    DrawBubbleText(100, 300, "a\nb\nc");
    const std::vector<Drawn> texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].y, 300 - 80 + 14);
    EXPECT_EQ(texts[2].y, 300 - 80 + 54);
}

TEST_F(TextDraw, BubbleCutsLongLinesWithoutSplittingAPair)
{
    const std::string pair = "\xC4\xE3";
    // 62 ASCII bytes, then a pair that would straddle the 63-byte line end.
    DrawBubbleText(100, 500, (std::string(62, 'a') + pair + std::string(63, 'b') + "c").c_str());
    std::vector<std::string> lines;
    for (const Drawn& d : Texts()) {
        lines.push_back(d.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(62, 'a'), pair + std::string(61, 'b'), "bbc"}));
    // The first line's width sets the columns: (372 + 42) / 36 = 11.
    EXPECT_EQ(Images().size(), 11u * 4u + 1u);
}

TEST_F(TextDraw, WrappedTextDrawsEachLine)
{
    CWrappedText t;
    t.SetText("ab\ncd", 100, 0xFF123456, 2);
    t.m_bFlag = 1;
    t.Draw(10, 20);
    EXPECT_EQ(All(), (std::vector<Drawn>{Text(10, 20, "ab", 0xFF123456, 1, 2),
                                                 Text(10, 36, "cd", 0xFF123456, 1, 2)}));
    host.ClearLog();
    t.m_wLineHeight = 20;
    t.Draw(0, 0);
    EXPECT_EQ(All().back().y, 20);
}
