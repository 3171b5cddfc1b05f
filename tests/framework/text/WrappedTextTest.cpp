#include <gtest/gtest.h>

#include <time.h>

#include <string>
#include <vector>

#include "framework/text/WrappedText.h"

namespace {

using Lines = std::vector<std::string>;

Lines Wrap(const std::string& text, int width, int font, int* widest = nullptr)
{
    CWrappedText t;
    t.SetText(text, width, 0xFF102030, font);
    if (widest != nullptr) {
        *widest = t.m_nWidth;
    }
    return t.m_vLines;
}

}  // namespace

TEST(WrappedText, WrapsAtTheWidthWithoutSplittingPairs)
{
    const std::string pair = "\xC4\xE3";   // one two-byte character
    struct Case {
        std::string text;
        int width, font;
        Lines lines;
    } cases[] = {
        // Width 100, font 1: at most 16 bytes a line.
        {std::string(20, 'a'), 100, 1, {std::string(16, 'a'), std::string(4, 'a')}},
        {std::string(16, 'a'), 100, 1, {std::string(16, 'a')}},
        // A pair whose lead byte would be the 16th moves whole to the next line.
        {std::string(15, 'a') + pair + "b", 100, 1, {std::string(15, 'a'), pair + "b"}},
        // Font 2: 14 px a pair, width 100 gives 14 bytes.
        {std::string(15, 'a'), 100, 2, {std::string(14, 'a'), "a"}},
        // Newlines cut; empty source lines stay; an empty text gives nothing.
        {"ab\ncd", 100, 1, {"ab", "cd"}},
        {"\n\n", 100, 1, {"", "", ""}},
        {"", 100, 1, {}},
        // A width narrower than one character still takes one character a line.
        {"ab" + pair, 5, 1, {"a", "b", pair}},
        {"ab", 0, 1, {"a", "b"}},
        {"ab", -40, 2, {"a", "b"}},
        // What the stepping rule does not count is dropped: a lone lead at the end, and a NUL.
        {"ab\xC4", 100, 1, {"ab"}},
        {std::string("ab\0cd", 5), 100, 1, {"ab"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Wrap(c.text, c.width, c.font), c.lines) << c.text << " width " << c.width;
    }
}

TEST(WrappedText, WidthIsTheWidestLine)
{
    int widest = 0;
    Wrap("abc\n" + std::string(20, 'x'), 100, 1, &widest);
    EXPECT_EQ(widest, 12 * 16 / 2);
    Wrap("abc", 100, 2, &widest);
    EXPECT_EQ(widest, 14 * 3 / 2);
}

TEST(WrappedText, SetTextStoresStyleAndRestartsEverything)
{
    CWrappedText t;
    t.SetText(std::string(40, 'a'), 100, 0xFF000000, 1);
    t.m_bFlag = 1;
    t.SetText("b", 100, 0xFF00FF00, 2);
    EXPECT_EQ(t.m_vLines, Lines{"b"});
    EXPECT_EQ(t.m_nWidth, 7);
    EXPECT_EQ(t.m_nFont, 2);
    EXPECT_EQ(t.m_dwColor, 0xFF00FF00u);
    EXPECT_EQ(t.m_bFlag, 0);
}

TEST(WrappedText, HeightUsesTheLineStep)
{
    CWrappedText t;
    t.SetText("a\nb\nc", 100, 0xFF000000, 1);
    EXPECT_EQ(t.GetHeight(), 3 * 14);
    t.SetText("a\nb\nc", 100, 0xFF000000, 2);
    EXPECT_EQ(t.GetHeight(), 3 * 16);
    t.m_wLineHeight = 20;
    EXPECT_EQ(t.GetHeight(), 3 * 20);
}

namespace {

// The processor time this process has used: a busy machine running other work beside the test does
// not count against it.
double SecondsNow()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

}  // namespace

// Wrapping walks the text once: a 640,000-byte text into 1-byte-wide lines (one two-byte character
// each) takes a small fraction of a second, where cutting each line off the front of the rest
// took time growing with the square of the length (minutes here).
TEST(WrappedText, LongTextWrapsInLinearTime)
{
    std::string text;
    for (int i = 0; i < 320000; ++i) {
        text += "\xB0\xA1";
    }
    const double start = SecondsNow();
    const Lines lines = Wrap(text, 1, 1);
    const double seconds = SecondsNow() - start;
    ASSERT_EQ(lines.size(), 320000u);
    EXPECT_EQ(lines.back(), "\xB0\xA1");
    EXPECT_LT(seconds, 5.0);
}
