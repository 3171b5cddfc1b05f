#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/ScratchBuffer.h"
#include "framework/help/ORVHelpText.h"
#include "support/ExactBytes.h"
#include "support/Mutation.h"

namespace {

// Lays markup out from a heap buffer of exactly its size (no NUL behind it).
void LayoutBytes(CORVHelpText& page, const std::string& markup)
{
    std::unique_ptr<char[]> bytes(new char[markup.size()]);
    std::memcpy(bytes.get(), markup.data(), markup.size());
    page.LayoutText(bytes.get(), markup.size());
}

std::vector<std::string> LineTexts(const std::vector<ORVHelpLine>& lines)
{
    std::vector<std::string> out;
    for (const ORVHelpLine& line : lines) {
        std::string joined;
        for (const ORVHelpItem& item : line.m_vItems) {
            joined += (joined.empty() ? "" : "|") + item.m_strText;
        }
        out.push_back(joined);
    }
    return out;
}

}  // namespace

TEST(HelpText, ConstructedWithThePageDefaults)
{
    CORVHelpText page;
    EXPECT_EQ(page.m_dwColor, 0xFF000000u);
    EXPECT_EQ(page.m_dwBackground, 0u);
    EXPECT_EQ(page.m_nWidth, 240);
    EXPECT_EQ(page.m_nLineHeight, 16);
    EXPECT_TRUE(page.m_vLines.empty());
    EXPECT_TRUE(page.m_vSource.empty());
}

TEST(HelpText, OptionTagSetsThePageDefaultsAndEatsItsLineEnd)
{
    for (const char* end : {"\r\n", "\r", "\n"}) {
        CORVHelpText page;
        LayoutBytes(page, std::string("<option/color:ff0000ff/height:20>") + end + "ab");
        EXPECT_EQ(page.m_dwColor, 0xFF0000FFu);
        EXPECT_EQ(page.m_nLineHeight, 20);
        ASSERT_EQ(page.m_vSource.size(), 1u) << "line end behind the tag is skipped";
        ASSERT_EQ(page.m_vSource[0].m_vItems.size(), 1u);
        EXPECT_EQ(page.m_vSource[0].m_vItems[0].m_strText, "ab");
        EXPECT_EQ(page.m_vSource[0].m_vItems[0].m_dwColor, 0xFF0000FFu);
    }
    // Keys are read without regard to case; an unknown key ends the tag at its '>'.
    CORVHelpText page;
    LayoutBytes(page, "<option/HEIGHT:18/size:3/color:ff00ff00>x");
    EXPECT_EQ(page.m_nLineHeight, 18);
    EXPECT_EQ(page.m_dwColor, 0xFF000000u);
    ASSERT_EQ(LineTexts(page.m_vSource), std::vector<std::string>{"x"});
}

TEST(HelpText, NumbersAreReadOnlyWhereTheTextHoldsOne)
{
    // A value without a leading number converts nothing: the page keeps its colour and height.
    struct Case {
        std::string markup;
        ARGB colour;
        i32 height;
    } cases[] = {
        {"<option/color:red/height:big>", 0xFF000000, 16},
        {"<option/color:-/height:+>", 0xFF000000, 16},
        {"<option/color: 0xff00ff00/height: 20px>", 0xFF00FF00, 20},
    };
    for (const Case& c : cases) {
        CORVHelpText page;
        LayoutBytes(page, c.markup);
        EXPECT_EQ(page.m_dwColor, c.colour) << c.markup;
        EXPECT_EQ(page.m_nLineHeight, c.height) << c.markup;
    }
    // "first,second": the second number counts only right behind the first and its comma.
    struct Pair {
        std::string param;
        u32 packed;
    } pairs[] = {
        {"3,4", (4u << 16) | 3u},
        {"3, 4", (4u << 16) | 3u},
        {"3 ,4", 3u},
        {"3x,4", 3u},
        {",4", 0u},
        {"3", 3u},
    };
    for (const Pair& c : pairs) {
        CORVHelpText page;
        LayoutBytes(page, "<x/background:" + c.param + ">");
        EXPECT_EQ(page.m_dwBackground, c.packed) << c.param;
    }
}

TEST(HelpText, TagKeywordsMakeTheirItems)
{
    struct Case {
        std::string markup;
        i32 kind;
        std::string text, link;
        ARGB colour;
    } cases[] = {
        {"<点击/ie:page>", ORV_HELP_IE, "点击", "http://page", 0xFF000000},
        {"<文字/color:ff0000>", ORV_HELP_COLOR, "文字", "", 0xFF000000},   // no alpha: page default
        {"<文字/color:ffff0000>", ORV_HELP_COLOR, "文字", "", 0xFFFF0000},
        {"<go/http://a.b>", ORV_HELP_HTTP, "go", "http://a.b", 0xFF000000},
        {"<帮助/local:help/a.txt>", ORV_HELP_LOCAL, "帮助", "help/a.txt", 0xFF000000},
        {"<x/pic:12>", ORV_HELP_PIC, "@=12", "", 0},
        {"<x/background:3,4>", ORV_HELP_BACKGROUND, "x", "", (4u << 16) | 3u},
        {"<7,8/area:z>", ORV_HELP_AREA, "7,8", "z", 7},
        {"<ret/BACK:1>", ORV_HELP_BACK, "ret", "", 0xFF000000},          // keyword folded to lower case
        {"<名字/what:1>", ORV_HELP_TEXT, "名字", "", 0xFF000000},
    };
    for (const Case& c : cases) {
        CORVHelpText page;
        LayoutBytes(page, c.markup);
        ASSERT_EQ(page.m_vSource.size(), 1u) << c.markup;
        ASSERT_EQ(page.m_vSource[0].m_vItems.size(), 1u) << c.markup;
        const ORVHelpItem& item = page.m_vSource[0].m_vItems[0];
        EXPECT_EQ(item.m_nKind, c.kind) << c.markup;
        EXPECT_EQ(item.m_strText, c.text) << c.markup;
        EXPECT_EQ(item.m_strLink, c.link) << c.markup;
        EXPECT_EQ(item.m_dwColor, c.colour) << c.markup;
    }
    CORVHelpText page;
    LayoutBytes(page, "<x/background:3,4>");
    EXPECT_EQ(page.m_dwBackground, (4u << 16) | 3u);
}

TEST(HelpText, LinesItemsAndLineEnds)
{
    CORVHelpText page;
    LayoutBytes(page, "ab<c/ie:d>e\r\n\r\nf\rg");
    EXPECT_EQ(LineTexts(page.m_vSource), (std::vector<std::string>{"ab|c|e", "", "f", "g"}));
    // An empty source line yields a display line with one empty item.
    ASSERT_EQ(page.m_vLines.size(), 4u);
    ASSERT_EQ(page.m_vLines[1].m_vItems.size(), 1u);
    EXPECT_EQ(page.m_vLines[1].m_vItems[0].m_nKind, ORV_HELP_EMPTY);
    EXPECT_EQ(page.m_nHeight, 4 * 16);
}

TEST(HelpText, CutOffTagsEndAtTheLineEndOrTheNextTagOrTheText)
{
    struct Case {
        std::string markup;
        std::vector<std::string> lines;
    } cases[] = {
        // A tag without '>' ends at the line end, which still ends the line.
        {"<a/color:ff00ff00\rnext", {"a", "next"}},
        {"<abc\rnext", {"abc", "next"}},
        // ... or at the next tag, which is still read.
        {"<a/ie:x<b/ie:y>", {"a|b"}},
        // A tag cut off by the end of the text reads nothing behind it.
        {"x<", {"x"}},
        {"x<a", {"x|a"}},
        {"x<a/", {"x|a"}},
        {"x<a/ie:", {"x|a"}},
        {"<option/color:", {}},
        {"<option/zz", {}},
    };
    for (const Case& c : cases) {
        CORVHelpText page;
        LayoutBytes(page, c.markup);
        EXPECT_EQ(LineTexts(page.m_vSource), c.lines) << c.markup;
    }
}

TEST(HelpText, LayoutReadsTheScratchBuffer)
{
    std::strcpy(g_ScratchBuffer, "<a/ie:b>\rc");
    CORVHelpText page;
    page.Layout();
    EXPECT_EQ(LineTexts(page.m_vLines), (std::vector<std::string>{"a", "c"}));
    // A second layout replaces the first.
    std::strcpy(g_ScratchBuffer, "z");
    page.Layout();
    EXPECT_EQ(LineTexts(page.m_vLines), std::vector<std::string>{"z"});
}

TEST(HelpText, WrapSplitsTextAtTheWidthWithoutSplittingPairs)
{
    const std::string pair = "文";   // two bytes, 12 px
    struct Case {
        std::string markup;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        // 40 bytes of font 1 are 240 px: an exact fit closes the line.
        {std::string(40, 'a') + "<b/ie:c>", 240, {std::string(40, 'a'), "b"}},
        {std::string(41, 'a'), 240, {std::string(40, 'a'), "a"}},
        // A pair that would pass the width moves whole to the next line.
        {std::string(39, 'a') + pair + "b", 240, {std::string(39, 'a'), pair + "b"}},
        {"ab<cd/ie:x>", 18, {"ab|c", "d"}},
        // A page narrower than one character still takes one character a line.
        {"a" + pair + "b", 5, {"a", pair, "b"}},
        {"ab", 0, {"a", "b"}},
        {"ab", -3, {"a", "b"}},
    };
    for (const Case& c : cases) {
        CORVHelpText page;
        page.m_nWidth = c.width;
        LayoutBytes(page, c.markup);
        EXPECT_EQ(LineTexts(page.m_vLines), c.lines) << c.markup << " / " << c.width;
    }
}

TEST(HelpText, WrapMovesPicturesWholeWithTheirHeight)
{
    CORVHelpText page;
    page.m_nWidth = 60;
    LayoutBytes(page, "aaaaaa<x/pic:123456>b");   // "@=123456" is 48 px
    ASSERT_EQ(LineTexts(page.m_vLines), (std::vector<std::string>{"aaaaaa", "@=123456|b"}));
    EXPECT_EQ(page.m_vLines[1].m_vItems[0].m_nWidth, 48);
    EXPECT_EQ(page.m_vLines[1].m_nHeight, page.m_vSource[0].m_vItems[1].m_nHeight);
    // A link whose text is a picture moves whole too; the widths are stored on the source items.
    page.m_vSource[0].m_vItems[1].m_nKind = ORV_HELP_LOCAL;
    page.m_vSource[0].m_vItems[1].m_nHeight = 40;
    page.Wrap(60);
    ASSERT_EQ(LineTexts(page.m_vLines), (std::vector<std::string>{"aaaaaa", "@=123456|b"}));
    EXPECT_EQ(page.m_vLines[1].m_nHeight, 40);
    EXPECT_EQ(page.m_nHeight, 16 + 40);
    EXPECT_EQ(page.m_vSource[0].m_vItems[0].m_nWidth, 36);
}

TEST(HelpText, MutatedMarkupStaysInsideItsBytes)
{
    const std::string seed = "<option/color:ff0000ff/height:20>\r\n文字<点击/ie:page>\r\n<a/pic:1><b/background:1,2>"
                             "<c/local:x>\r\r<文字/color:ffff0000>尾";
    orv::test::MutationRng next(12345);
    const char specials[] = {'<', '>', '/', ':', '\r', '\n', '\0', '\xC4'};
    for (int round = 0; round < 400; ++round) {
        std::string m = seed;
        orv::test::ReplaceRandomBytes(m, 4, std::string_view(specials, sizeof specials), next);
        orv::test::CutAtRandomLength(m, next);
        CORVHelpText page;
        page.m_nWidth = static_cast<int>(next() % 64);
        LayoutBytes(page, m);
        // Wrapping shows every source phrase whole and in order, in lines that sum to the height.
        std::string source;
        for (const ORVHelpLine& line : page.m_vSource) {
            for (const ORVHelpItem& item : line.m_vItems) {
                source += item.m_strText;
            }
        }
        std::string shown;
        int height = 0;
        for (const ORVHelpLine& line : page.m_vLines) {
            EXPECT_FALSE(line.m_vItems.empty());
            height += line.m_nHeight;
            for (const ORVHelpItem& item : line.m_vItems) {
                shown += item.m_strText;
            }
        }
        EXPECT_EQ(shown, source) << m;
        EXPECT_EQ(height, page.m_nHeight) << m;
    }
}
