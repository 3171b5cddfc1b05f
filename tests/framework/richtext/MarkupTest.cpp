#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextBuilder.h"
#include "framework/richtext/ORVSimpleBuilder.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/richtext/RichTextSupport.h"
#include "framework/xml/XmlDocument.h"
#include "support/ExactBytes.h"
#include "support/Mutation.h"

namespace {

class Markup : public orv::test::RichTextTest {};

// The source blocks of a paragraph, one word each: "text/colour/u|b flags", "img:id", "mark:id", "br".
std::vector<std::string> Blocks(const CORVRichParagraph& paragraph)
{
    std::vector<std::string> out;
    char buf[64];
    for (CBlock* block : paragraph.m_vSource) {
        if (block->IsKindOf(ORV_RUNTIME_CLASS(CTextBlock))) {
            auto* run = static_cast<CTextBlock*>(block);
            std::snprintf(buf, sizeof(buf), "/%08X/%s%s", run->m_dwColor,
                          run->HasFlag(CTextBlock::kUnderline) ? "u" : "", run->HasFlag(CTextBlock::kBlink) ? "b" : "");
            out.push_back(paragraph.m_strText.substr(run->m_nStart, run->m_nEnd - run->m_nStart) + buf);
        } else if (block->IsKindOf(ORV_RUNTIME_CLASS(CTypeMark))) {
            out.push_back("mark:" + std::to_string(static_cast<CImageBlock*>(block)->m_wImageId));
        } else if (block->IsKindOf(ORV_RUNTIME_CLASS(CImageBlock))) {
            out.push_back("img:" + std::to_string(static_cast<CImageBlock*>(block)->m_wImageId));
        } else if (block->IsKindOf(ORV_RUNTIME_CLASS(CNewLineMark))) {
            out.push_back("br");
        }
    }
    return out;
}

// Builds from a heap buffer of exactly the text's size, with its length given.
std::vector<std::string> Build(const std::string& text, ARGB colour = 0xFFFFFF00)
{
    std::unique_ptr<char[]> bytes(new char[text.size() + 1]);
    std::memcpy(bytes.get(), text.data(), text.size());
    bytes[text.size()] = '\0';
    CORVSimpleBuilder2 builder;
    std::unique_ptr<CORVRichParagraph> paragraph(
        builder.BuildParagraph(bytes.get(), colour, 0, static_cast<int>(text.size()), 1));
    EXPECT_NE(paragraph, nullptr);
    std::vector<std::string> blocks = paragraph ? Blocks(*paragraph) : std::vector<std::string>{};
    EXPECT_FALSE(blocks.empty());
    if (!blocks.empty()) {
        EXPECT_EQ(blocks.front(), "mark:648") << "every paragraph opens with the type mark";
        blocks.erase(blocks.begin());
    }
    return blocks;
}

using Blocks_ = std::vector<std::string>;

}  // namespace

TEST_F(Markup, HashCodes)
{
    struct Case {
        std::string text;
        Blocks_ blocks;
    } cases[] = {
        {"a##b", {"a/FFFFFF00/", "#b/FFFFFF00/"}},
        {"#R红#n黑", {"红/FFFF0000/", "黑/FFFFFF00/"}},
        {"#12345", {"img:1234", "5/FFFFFF00/"}},
        {"#0x", {"img:0", "x/FFFFFF00/"}},
        {"#Ru#udone#uoff", {"u/FFFF0000/", "done/FFFF0000/u", "off/FFFF0000/"}},
        {"#Ba#Gb#Kc#Ld#Qe#Rf#Wg",
         {"a/FF00FFFF/", "b/FF00FF00/", "c/FF000000/", "d/FF0000FF/", "e/FF8D6365/", "f/FFFF0000/", "g/FFFFFFFF/"}},
        {"#b#Rblink#nplain", {"blink/FFFF0000/b", "plain/FFFFFF00/"}},
        {"a#rb", {"a/FFFFFF00/", "br", "b/FFFFFF00/"}},
        {"#x", {"x/FFFFFF00/"}},
        {"#文", {"文/FFFFFF00/"}},
        {"#D", {}},
        {"a#Y#mb", {"a/FFFFFF00/", "b/FFFFFF00/"}},
        // A lone lead byte at the end ends the text; so does a '#'.
        {"ab\xC4", {"ab/FFFFFF00/"}},
        {"ab#", {"ab/FFFFFF00/"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Build(c.text), c.blocks) << c.text;
    }
    // The base colour is made opaque.
    EXPECT_EQ(Build("x", 0x00123456), Blocks_{"x/FF123456/"});
}

TEST_F(Markup, RunsAreCutAt512BytesWithoutSplittingACharacter)
{
    const std::string wen = "文";
    EXPECT_EQ(Build(std::string(511, 'a') + wen + "b#Rz"),
              (Blocks_{std::string(511, 'a') + "/FFFFFF00/", "z/FFFF0000/"}));
    EXPECT_EQ(Build(std::string(600, 'a') + "#Rz"), (Blocks_{std::string(512, 'a') + "/FFFFFF00/", "z/FFFF0000/"}));
    // The length bounds the walk even without a NUL behind it.
    const std::string text = "ab#Rcd";
    const std::vector<char> bytes = orv::test::ExactBytes(text);
    CORVSimpleBuilder2 builder;
    std::unique_ptr<CORVRichParagraph> paragraph(builder.BuildParagraph(bytes.data(), 0xFFFFFF00, 0, 4, 1));
    ASSERT_NE(paragraph, nullptr);
    EXPECT_EQ(paragraph->m_strText, "ab");
    EXPECT_EQ(builder.BuildParagraph(nullptr, 0, 0, 0, 1), nullptr);
}

TEST_F(Markup, AddTextAppendsOneParagraphInTheBaseColour)
{
    CTextContext doc;
    doc.Resize(400, 100);
    doc.AddText("#R红#n黑");
    doc.AddText(nullptr);
    ASSERT_EQ(doc.m_dqParagraphs.size(), 1u);
    const CORVRichParagraph& paragraph = *doc.m_dqParagraphs.front();
    EXPECT_EQ(Blocks(paragraph), (Blocks_{"mark:648", "红/FFFF0000/", "黑/FFFFFF00/"}));
    EXPECT_EQ(paragraph.m_nWrapIndent, 16);
    EXPECT_EQ(static_cast<CTextBlock*>(paragraph.m_vSource[1])->GetFont(), 1);
    EXPECT_EQ(static_cast<CTextBlock*>(paragraph.m_vSource[1])->m_byBackIndex, 255);
    doc.AddText("x", 0xFF010203);
    EXPECT_EQ(Blocks(*doc.m_dqParagraphs.back()), (Blocks_{"mark:648", "x/FF010203/"}));
}

TEST_F(Markup, TagFormSplitsTextAtTags)
{
    struct Case {
        const char* text;
        std::vector<std::string> runs;
    } cases[] = {
        {"ab<x5>cd ef", {"ab", "cd ef"}},
        {"ab<x5 cd>ef", {"ab", "cd", "ef"}},
        {"a>b", {"ab"}},                // a '>' with no tag open is dropped
        {"ab<", {"ab"}},                // a '<' at the end reads nothing behind the text
        {"ab<\xC4\xE3" "5>c", {"ab", "c"}},   // a two-byte tag letter is skipped whole
    };
    for (const Case& c : cases) {
        const std::string text = c.text;
        std::unique_ptr<char[]> bytes(new char[text.size() + 1]);
        std::memcpy(bytes.get(), text.c_str(), text.size() + 1);
        CORVSimpleBuilder builder;
        std::unique_ptr<CORVRichParagraph> paragraph(builder.Parse(bytes.get()));
        ASSERT_NE(paragraph, nullptr);
        std::vector<std::string> runs;
        for (CBlock* block : paragraph->m_vSource) {
            auto* run = static_cast<CTextBlock*>(block);
            runs.push_back(paragraph->m_strText.substr(run->m_nStart, run->m_nEnd - run->m_nStart));
        }
        EXPECT_EQ(runs, c.runs) << c.text;
    }
    CORVSimpleBuilder builder;
    EXPECT_EQ(builder.Parse(nullptr), nullptr);
}

TEST_F(Markup, TagParsersChangeTheStyleAndPictures)
{
    CORVSimpleBuilder builder;
    CORVRichParagraph paragraph;
    builder.Fill().Start(&paragraph, *CTextBlock::GetDefaultStyle());
    struct Case {
        u32 code, value;
        int colourIndex, backIndex;
        bool blink, underline;
    } cases[] = {
        {'B', 7, 255, 7, false, false},
        {'C', 10, 2, 0, false, false},
        {'C', 3, 251, 0, false, false},
        {'K', 1, 255, 0, true, false},
        {'U', 2, 255, 0, false, true},
    };
    for (const Case& c : cases) {
        CORVSimpleStyleParser parser;
        parser.m_nCode = c.code;
        parser.m_nValue = c.value;
        parser.Apply(&builder);
        ASSERT_EQ(builder.Fill().Depth(), 2u);
        const CTextBlock& top = *builder.Fill().Top();
        EXPECT_EQ(top.m_byColorIndex, c.colourIndex) << char(c.code);
        EXPECT_EQ(top.m_byBackIndex, c.backIndex) << char(c.code);
        EXPECT_EQ(top.HasFlag(CTextBlock::kBlink), c.blink) << char(c.code);
        EXPECT_EQ(top.HasFlag(CTextBlock::kUnderline), c.underline) << char(c.code);
        parser.Close(&builder);
        parser.Close(&builder);   // the base style stays
        EXPECT_EQ(builder.Fill().Depth(), 1u);
    }
    CORVSimpleImageParser image;
    image.m_nValue = 0x10000 + 9;
    image.Apply(&builder);
    EXPECT_EQ(Blocks(paragraph), Blocks_{"img:9"});
    builder.Reset();
}

TEST_F(Markup, XmlStylesAndImages)
{
    const std::string xml =
        "<Text>a<Style Color=\"3\" ULine=\"On\">b<IMAGE Id=\"12\"/>"
        "<style Color=\"-1\" Blink=\"1\" ULine=\"off\">c</style>d</Style>e"
        "<Other>skip<Image Id=\"1\"/></Other><Style Font=\"2\" Back=\"4\">f</Style></Text>";
    CXmlDocument doc;
    ASSERT_TRUE(doc.Parse(xml.data(), xml.size()));
    CORVRichTextBuilder builder;
    std::unique_ptr<CORVRichParagraph> paragraph(builder.BuildParagraph(doc.RootElement()));
    ASSERT_NE(paragraph, nullptr);
    struct Run {
        std::string text;
        int colourIndex, backIndex, font;
        bool underline, blink;
        bool operator==(const Run&) const = default;
    };
    std::vector<Run> runs;
    std::vector<int> images;
    for (CBlock* block : paragraph->m_vSource) {
        if (block->IsKindOf(ORV_RUNTIME_CLASS(CTextBlock))) {
            auto* run = static_cast<CTextBlock*>(block);
            runs.push_back({paragraph->m_strText.substr(run->m_nStart, run->m_nEnd - run->m_nStart), run->m_byColorIndex,
                            run->m_byBackIndex, run->GetFont(), run->HasFlag(CTextBlock::kUnderline),
                            run->HasFlag(CTextBlock::kBlink)});
        } else {
            images.push_back(static_cast<CImageBlock*>(block)->m_wImageId);
        }
    }
    const std::vector<Run> expected = {
        {"a", 255, 0, 1, false, false},   // text before any style keeps the base style
        {"b", 3, 0, 1, true, false},
        {"c", 3, 0, 1, false, true},      // Color -1 keeps the enclosing colour; "off" clears the underline
        {"d", 3, 0, 1, true, false},
        {"e", 255, 0, 1, false, false},
        {"f", 255, 4, 2, false, false},
    };
    EXPECT_EQ(runs.size(), expected.size());
    for (std::size_t i = 0; i < runs.size() && i < expected.size(); ++i) {
        EXPECT_TRUE(runs[i] == expected[i]) << i << ": " << runs[i].text;
    }
    EXPECT_EQ(images, std::vector<int>{12});
    EXPECT_EQ(builder.BuildParagraph(nullptr), nullptr);
}

TEST_F(Markup, CurrentXmlBuilderIsForgottenWhenItGoes)
{
    auto builder = std::make_unique<CORVRichTextBuilder>();
    EXPECT_EQ(CORVRichTextBuilder::Current(), builder.get());
    CORVRichTextParser parser;
    EXPECT_EQ(parser.m_pBuilder, builder.get());
    builder.reset();
    EXPECT_EQ(CORVRichTextBuilder::Current(), nullptr);
    CORVRichTextParser orphan;
    EXPECT_EQ(orphan.m_pBuilder, nullptr);
    const std::string xml = "<T>text<Style>x</Style></T>";
    CXmlDocument doc;
    ASSERT_TRUE(doc.Parse(xml.data(), xml.size()));
    orphan.ParseElement(doc.RootElement());   // nothing to fill: nothing happens
}

TEST_F(Markup, LongRunsAreReportedWhenCut)
{
    CORVSimpleBuilder2 builder;
    std::unique_ptr<CORVRichParagraph> paragraph(builder.BuildParagraph(std::string(513, 'a').c_str(), 0, 0, -1, 1));
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("cut"));
    const std::string xml = "<T>" + std::string(1030, 'b') + "</T>";
    CXmlDocument doc;
    ASSERT_TRUE(doc.Parse(xml.data(), xml.size()));
    CORVRichTextBuilder xmlBuilder;
    std::unique_ptr<CORVRichParagraph> fromXml(xmlBuilder.BuildParagraph(doc.RootElement()));
    ASSERT_NE(fromXml, nullptr);
    EXPECT_EQ(fromXml->m_strText.size(), 1024u);
}

namespace {

// Checks that the laid-out runs of paragraph show its whole text once, in order, cut only between
// characters, and within width but for a line's lone first character.
void ExpectTextLaidOutWhole(const CORVRichParagraph& paragraph, int width, const std::string& markup)
{
    const std::string& text = paragraph.m_strText;
    std::vector<bool> boundary(text.size() + 1, false);
    for (const char* p = text.c_str(); p != nullptr; p = RichNextChar(p, text.c_str() + text.size())) {
        boundary[static_cast<std::size_t>(p - text.c_str())] = true;
    }
    std::string shown;
    const CBlock* previous = nullptr;
    for (const CBlock* block : paragraph.m_vChildren) {
        const bool lineStart = previous == nullptr || previous->Bottom() != block->Bottom();
        previous = block;
        if (!block->IsKindOf(ORV_RUNTIME_CLASS(CTextBlock))) {
            continue;
        }
        const auto* run = static_cast<const CTextBlock*>(block);
        ASSERT_TRUE(boundary[run->m_nStart] && boundary[run->m_nEnd]) << markup;
        const char* begin = text.c_str() + run->m_nStart;
        const bool oneChar = RichNextChar(begin, text.c_str() + run->m_nEnd) == text.c_str() + run->m_nEnd;
        if (!(lineStart && oneChar)) {
            EXPECT_LE(block->m_nX + block->m_nWidth, width) << markup << " at width " << width;
        }
        shown.append(begin, static_cast<std::size_t>(run->m_nEnd - run->m_nStart));
    }
    EXPECT_EQ(shown, text) << markup << " at width " << width;
}

}  // namespace

// Mutated markup, laid out in narrow documents: every byte read stays inside the text, and the
// text comes out whole.
TEST_F(Markup, MutatedMarkupStaysInsideItsBytes)
{
    m_Host.SetImageSize(12, 93, 40, 30);
    const std::string seed = "#R红#n黑#12345 a##b#u下#b闪#r<x5 cd>ef#Q#文尾aaaaaaaa文字文字#12\xFF\xA1z";
    const char specials[] = {'#', '<', '>', ' ', 'R', '1', '\0', '\xC4', 'r'};
    orv::test::MutationRng next(777);
    CTextContext doc;
    for (int round = 0; round < 300; ++round) {
        std::string m = seed;
        orv::test::ReplaceRandomBytes(m, 3, std::string_view(specials, sizeof specials), next);
        orv::test::CutAtRandomLength(m, next);
        std::unique_ptr<char[]> bytes(new char[m.size() + 1]);
        std::memcpy(bytes.get(), m.data(), m.size());
        bytes[m.size()] = '\0';
        const int width = static_cast<int>(next() % 100);
        doc.Resize(width, 30);
        doc.AddText(bytes.get());
        ExpectTextLaidOutWhole(*doc.m_dqParagraphs.back(), width, m);
        // The same bytes with their length and nothing behind them.
        std::unique_ptr<char[]> exact(new char[m.size()]);
        std::memcpy(exact.get(), m.data(), m.size());
        CTextContext sized;
        sized.Resize(width, 30);
        sized.AppendParagraph(doc.m_pBuilder->BuildParagraph(exact.get(), 0, 0, static_cast<int>(m.size()), 1));
        ASSERT_EQ(sized.m_dqParagraphs.size(), 1u);
        EXPECT_EQ(sized.m_dqParagraphs.back()->m_strText, doc.m_dqParagraphs.back()->m_strText) << m;
        CORVSimpleBuilder tags;
        std::unique_ptr<CORVRichParagraph> paragraph(tags.Parse(bytes.get()));
        ASSERT_NE(paragraph, nullptr);
    }
    doc.SelectAt(0, 0, 0);
    doc.SelectAt(30, 25, 1);
    doc.DrawParagraphs();
}
