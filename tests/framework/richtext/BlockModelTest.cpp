#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/richtext/RichTextSupport.h"
#include "framework/text/DrawnCalls.h"

namespace {

using orv::test::AddRun;
using orv::test::Piece;
using orv::test::Pieces;

class BlockModel : public orv::test::RichTextTest {};

// A paragraph of the given runs, laid out at width with the wrap indent.
std::vector<Piece> LayOut(const std::vector<std::string>& runs, int width, int indent = 0)
{
    CORVRichParagraph paragraph;
    paragraph.m_nWidth = width;
    paragraph.m_nWrapIndent = indent;
    for (const std::string& run : runs) {
        AddRun(paragraph, run);
    }
    paragraph.LayoutLines();
    return Pieces(paragraph);
}

}  // namespace

TEST_F(BlockModel, RunsWrapAtTheLastCharacterThatFits)
{
    const std::string wen = "文";   // 12 px
    struct Case {
        std::vector<std::string> runs;
        int width, indent;
        std::vector<Piece> pieces;
    } cases[] = {
        {{"aaaaaaaaaa"}, 36, 0, {{'T', "aaaaaa", 0, 0, 36, 16}, {'T', "aaaa", 0, 16, 24, 16}}},
        // The pair that would pass the width goes whole to the next line, which starts at the indent.
        {{"aaaaa" + wen + "b"}, 36, 6, {{'T', "aaaaa", 0, 0, 30, 16}, {'T', wen + "b", 6, 16, 18, 16}}},
        // A second run goes on where the first ended.
        {{"aaa", "bbbb"}, 36, 0, {{'T', "aaa", 0, 0, 18, 16}, {'T', "bbb", 18, 0, 18, 16}, {'T', "b", 0, 16, 6, 16}}},
        // A run that ends exactly at the width leaves the next run to break before its first character.
        {{"aaaaaa", "b"}, 36, 0, {{'T', "aaaaaa", 0, 0, 36, 16}, {'T', "b", 0, 16, 6, 16}}},
        // Narrower than one character: still one character a line.
        {{"a" + wen}, 5, 0, {{'T', "a", 0, 0, 6, 16}, {'T', wen, 0, 16, 12, 16}}},
        {{"ab"}, 0, 3, {{'T', "a", 0, 0, 6, 16}, {'T', "b", 3, 16, 6, 16}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayOut(c.runs, c.width, c.indent), c.pieces) << c.runs[0] << " at " << c.width;
    }
}

TEST_F(BlockModel, LinesAreAsHighAsTheirTallestBlockAndBottomAligned)
{
    m_Host.SetImageSize(5, 93, 32, 32);
    m_Host.SetImageSize(7, 93, 4, 4);
    CORVRichParagraph paragraph;
    paragraph.m_nWidth = 200;
    paragraph.m_nLineSpacing = 2;
    AddRun(paragraph, "ab");
    auto* image = new CImageBlock;
    image->SetImage(5);
    paragraph.AppendBlock(image);
    paragraph.AppendBlock(new CNewLineMark);
    paragraph.AppendBlock(new CNewLineMark);
    auto* small = new CImageBlock;
    small->SetImage(7);   // 4 x 4 is taken as 16 x 16
    paragraph.AppendBlock(small);
    AddRun(paragraph, "c");
    paragraph.LayoutLines();
    EXPECT_EQ(Pieces(paragraph), (std::vector<Piece>{
                                     {'T', "ab", 0, 16, 12, 16},
                                     {'I', "5", 12, 0, 32, 32},
                                     // Two breaks: the empty line between still takes 16 px and the spacing.
                                     {'I', "7", 0, 52, 16, 16},
                                     {'T', "c", 16, 52, 6, 16},
                                 }));
    EXPECT_EQ(paragraph.m_nHeight, 68);
}

TEST_F(BlockModel, ImagesMoveWholeToTheNextLineAndTakeAtLeast16)
{
    m_Host.SetImageSize(5, 93, 32, 20);
    CORVRichParagraph paragraph;
    paragraph.m_nWidth = 40;
    AddRun(paragraph, "abc");
    auto* image = new CImageBlock;
    image->SetImage(5);
    paragraph.AppendBlock(image);
    auto* none = new CImageBlock;
    none->SetImage(0);   // no picture: 16 x 16, the host is not asked
    paragraph.AppendBlock(none);
    paragraph.LayoutLines();
    EXPECT_EQ(Pieces(paragraph), (std::vector<Piece>{
                                     {'T', "abc", 0, 0, 18, 16},
                                     {'I', "5", 0, 16, 32, 20},
                                     {'I', "0", 0, 36, 16, 16},
                                 }));
    EXPECT_EQ(m_Host.Count("GetImageSize"), 1);
}

TEST_F(BlockModel, SetRangeKeepsInsideTheText)
{
    CORVRichParagraph paragraph;
    CTextBlock* run = AddRun(paragraph, "abcdefghijkl");
    run->SetRange(10, 5);
    EXPECT_EQ(run->m_nStart, 10);
    EXPECT_EQ(run->m_nEnd, 10);
    EXPECT_EQ(run->m_nWidth, 0);
    EXPECT_EQ(run->m_nHeight, 16);
    run->SetRange(-4, 400);
    EXPECT_EQ(run->m_nStart, 0);
    EXPECT_EQ(run->m_nEnd, 12);
    EXPECT_EQ(run->m_nWidth, 72);
    // A clone is of the same class with the style and range copied.
    std::unique_ptr<CBlock> copy(run->Clone());
    ASSERT_TRUE(copy->IsKindOf(ORV_RUNTIME_CLASS(CTextBlock)));
    EXPECT_EQ(static_cast<CTextBlock*>(copy.get())->m_dwColor, run->m_dwColor);
    EXPECT_EQ(static_cast<CTextBlock*>(copy.get())->m_nEnd, 12);
    EXPECT_EQ(copy->m_pParent, nullptr);
}

TEST_F(BlockModel, DocumentKeepsThe256NewestParagraphs)
{
    orv::test::FakeRichView view;
    CTextContext doc;
    doc.SetView(&view);
    doc.Resize(600, 100);
    for (int i = 0; i < 256; ++i) {
        auto* paragraph = new CORVRichParagraph;
        AddRun(*paragraph, i == 0 ? std::string(150, 'a') : "x");   // the first wraps to two lines
        doc.AppendParagraph(paragraph);
    }
    EXPECT_EQ(doc.m_nHeight, 32 + 255 * 16);
    EXPECT_EQ(doc.m_dqParagraphs[1]->m_nAbsY, 32);
    auto* last = new CORVRichParagraph;
    AddRun(*last, "y");
    doc.AppendParagraph(last);
    ASSERT_EQ(doc.m_dqParagraphs.size(), 256u);
    EXPECT_EQ(doc.m_dqParagraphs.front()->m_nNumber, 1u);
    EXPECT_EQ(doc.m_dqParagraphs.back()->m_nNumber, 256u);
    EXPECT_EQ(doc.m_nHeight, 256 * 16) << "the first paragraph's 32 px are gone";
    EXPECT_EQ(doc.m_dqParagraphs.front()->m_nAbsY, 0);
    EXPECT_EQ(doc.m_dqParagraphs.back()->m_nAbsY, 255 * 16);
    EXPECT_EQ(view.m_vRanges.back(), 256 * 16);
    doc.Clear();
    EXPECT_EQ(doc.m_nHeight, 0);
    EXPECT_EQ(view.m_vRanges.back(), 0);
}

TEST_F(BlockModel, ResizeRewrapsOnlyForANewWidthAndClearsTheSelection)
{
    CTextContext doc;
    doc.Resize(60, 50);
    auto* paragraph = new CORVRichParagraph;
    AddRun(*paragraph, std::string(20, 'a'));
    doc.AppendParagraph(paragraph);
    EXPECT_EQ(doc.m_nHeight, 32);
    doc.SelectAt(1, 1, 0);
    doc.SelectAt(20, 1, 1);
    ASSERT_TRUE(doc.HasSelection());
    doc.SetOrigin(0, 10);
    EXPECT_EQ(doc.GetEndPoint().y, 60);
    doc.Resize(60, 80);
    EXPECT_FALSE(doc.HasSelection());
    EXPECT_EQ(doc.GetEndPoint().y, 90);
    doc.Resize(120, 80);
    EXPECT_EQ(doc.m_nHeight, 16);
}

TEST_F(BlockModel, SelectionCollectsTheSelectedBytes)
{
    CTextContext doc;
    doc.Resize(600, 100);
    for (const char* text : {"abcdef", "文字gh", "ijk"}) {
        auto* paragraph = new CORVRichParagraph;
        AddRun(*paragraph, text);
        doc.AppendParagraph(paragraph);
    }
    EXPECT_EQ(doc.GetSelectedText(), nullptr);
    // From the right half of 'b' (after it) to the left half of 'i' in the third paragraph.
    doc.SelectAt(10, 5, 0);
    EXPECT_EQ(doc.GetSelectedText(), nullptr) << "an empty selection is none";
    doc.SelectAt(2, 35, 1);
    ASSERT_NE(doc.GetSelectedText(), nullptr);
    EXPECT_STREQ(doc.GetSelectedText(), "cdef\n文字gh\n");
    // Backwards from the right half of '字' to the middle of the first paragraph; modes 2 and 3 select nothing.
    doc.SelectAt(20, 20, 0);
    doc.SelectAt(15, 3, 1);
    EXPECT_STREQ(doc.GetSelectedText(), "def\n文字");
    doc.SelectAt(1, 1, 2);
    doc.SelectAt(1, 1, 3);
    EXPECT_STREQ(doc.GetSelectedText(), "def\n文字");
    // A point outside every run leaves the selection as it was.
    doc.SelectAt(500, 3, 1);
    EXPECT_STREQ(doc.GetSelectedText(), "def\n文字");
    doc.ClearSelection();
    EXPECT_EQ(doc.GetSelectedText(), nullptr);
}

TEST_F(BlockModel, SelectedTextStopsBefore512Bytes)
{
    CTextContext doc;
    doc.Resize(10000, 100);
    for (int i = 0; i < 2; ++i) {
        auto* paragraph = new CORVRichParagraph;
        AddRun(*paragraph, std::string(300, static_cast<char>('a' + i)));
        doc.AppendParagraph(paragraph);
    }
    doc.BeginSelection({0, 0});
    doc.ExtendSelection({1, 300});
    EXPECT_EQ(std::string(doc.GetSelectedText()), std::string(300, 'a') + "\n");
}

// The text and its NUL fill the 512-byte buffer at most: a part or separator that would make the
// text reach 512 bytes is left out.
TEST_F(BlockModel, SelectedTextAtTheBufferBoundary)
{
    const struct {
        std::vector<int> paragraphs;   // byte counts, every byte selected
        std::string expected;
    } cases[] = {
        {{511}, std::string(511, 'a')},
        {{512}, ""},
        {{510, 1}, std::string(510, 'a') + "\n"},
        {{509, 1}, std::string(509, 'a') + "\nb"},
        {{511, 1}, std::string(511, 'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paragraphs.front());
        CTextContext doc;
        doc.Resize(100000, 100);
        for (std::size_t i = 0; i < c.paragraphs.size(); ++i) {
            auto* paragraph = new CORVRichParagraph;
            AddRun(*paragraph, std::string(static_cast<std::size_t>(c.paragraphs[i]), static_cast<char>('a' + i)));
            doc.AppendParagraph(paragraph);
        }
        doc.BeginSelection({0, 0});
        doc.ExtendSelection({static_cast<u32>(c.paragraphs.size() - 1), static_cast<u32>(c.paragraphs.back())});
        const char* text = doc.GetSelectedText();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::string(text), c.expected);
    }
}

TEST_F(BlockModel, BlinkingRunsFadeDuringTheFirstHalfOfTheirCycle)
{
    CTextBlock run;
    run.m_dwColor = 0x80123456;
    EXPECT_EQ(run.GetDrawColour(192), 0x80123456u) << "not blinking";
    run.SetFlag(CTextBlock::kBlink, true);
    struct Case {
        u32 tick;
        ARGB colour;
    } cases[] = {
        {0, 0xFF123456}, {96, 0xA7123456}, {192, 0x4F123456}, {288, 0xA7123456},
        {383, 0xFE123456}, {384, 0x80123456}, {767, 0x80123456}, {768 + 192, 0x4F123456},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run.GetDrawColour(c.tick), c.colour) << c.tick;
    }
    run.m_dwColor = 0;
    run.SetFlag(CTextBlock::kBlink, false);
    EXPECT_EQ(run.GetDrawColour(0), 0x00FFFFFFu);
}

TEST_F(BlockModel, DrawingPlacesRunsAndPicturesInTheView)
{
    using orv::test::Drawn;
    m_Host.SetImageSize(5, 93, 32, 32);
    orv::test::FakeRichView view;   // document origin shown at (100, 200)
    CTextContext doc;
    doc.SetView(&view);
    doc.Resize(600, 40);
    for (int i = 0; i < 3; ++i) {
        auto* paragraph = new CORVRichParagraph;
        AddRun(*paragraph, "ab", 0xFF00FF00 + i);
        if (i == 1) {
            auto* image = new CImageBlock;
            image->SetImage(5);
            paragraph->AppendBlock(image);
        }
        doc.AppendParagraph(paragraph);
    }
    // Paragraph tops 0, 16, 48. Origin 10: the first run's text top (4) is above, the third
    // paragraph passes the bottom (50).
    doc.SetOrigin(0, 10);
    doc.BeginSelection({0, 1});
    doc.ExtendSelection({1, 1});
    doc.DrawParagraphs();
    EXPECT_EQ(orv::test::DrawnCalls(m_Host), (std::vector<Drawn>{
                                                 orv::test::Text(100, 226, "ab", 0xFF00FF01, 0, 1),
                                                 orv::test::Image(112, 206, 5),
                                             }));
    const std::vector<orv::test::HostCall> fills = m_Host.Calls("FillRect");
    ASSERT_EQ(fills.size(), 2u);
    // The selected 'b' of the first run, cut to the visible part; the 'a' of the second.
    EXPECT_EQ(fills[0].m_vInts, (std::vector<long long>{0xC0FF0000, 106, 200, 6, 6}));
    EXPECT_EQ(fills[1].m_vInts, (std::vector<long long>{0xC0FF0000, 100, 222, 6, 16}));
    const orv::test::HostCall* text = m_Host.FindText("ab");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_vInts, (std::vector<long long>{100, 226, 0xFF00FF01, 0, 0, 0, 0, 1, 0}));
}

TEST_F(BlockModel, DocumentTellsItsViewWhenItGoes)
{
    orv::test::FakeRichView view;
    auto doc = std::make_unique<CTextContext>();
    CTextContext* raw = doc.get();
    doc->SetView(&view);
    doc.reset();
    EXPECT_EQ(view.m_pDestroyed, raw);
}
