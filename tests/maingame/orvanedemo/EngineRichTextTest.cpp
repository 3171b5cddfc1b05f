// Rich text as OrvaneDemo measures and draws it: pixel sizes, pictures from group 7 with their
// validity rule and fallback, every texture given back, runs and pictures cut by the view drawn in
// part, blinking, and the viewer's scroll notification, keys and Ctrl+C.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/richtext/ORVRichBlock.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVScroll.h"
#include "glimmer/GlimmerTest.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;

// A viewer at (0, 0) of the main window (at the screen's corner), 200 x 40, with its document.
class EngineRichTextTest : public BothBuildsTest {
protected:
    EngineRichTextTest()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(3, 17, 10, 10);     // the fallback picture
        glimmer_test::RegisterTexture(7, 301, 20, 18);
        glimmer_test::RegisterTexture(7, 1201, 30, 30);
        m_pViewer = new CORVRichTextViewer();
        MainWnd().AddChild(m_pViewer, false);
        m_pViewer->CreateAt(&MainWnd(), 0, 0, 200, 40);
        m_pDoc = std::make_unique<CTextContext>();
        m_pViewer->SetContext(m_pDoc.get());
        m_pViewer->SetScrollStep();
    }
    ~EngineRichTextTest() override
    {
        CtrlMgr().DestroyWindowTree();
        m_pDoc.reset();
        glimmer_test::Reset();
    }
    // The pictures of the last paragraph, kind:id:width x height, its type mark first.
    std::vector<std::string> Pictures()
    {
        std::vector<std::string> out;
        for (CBlock* block : m_pDoc->m_dqParagraphs.back()->m_vSource) {
            if (block->IsKindOf(ORV_RUNTIME_CLASS(CImageBlock))) {
                auto* image = static_cast<CImageBlock*>(block);
                out.push_back(std::to_string(image->m_wKind) + ":" + std::to_string(image->m_wImageId) + ":" +
                              std::to_string(image->m_nWidth) + "x" + std::to_string(image->m_nHeight));
            }
        }
        return out;
    }
    std::vector<glimmer_test::Call> DrawCalls(const char* op)
    {
        glimmer_test::ClearTrace();
        m_pViewer->OnDraw();
        std::vector<glimmer_test::Call> out;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op == op) {
                out.push_back(c);
            }
        }
        return out;
    }

    CORVRichTextViewer* m_pViewer = nullptr;
    std::unique_ptr<CTextContext> m_pDoc;
};

TEST_F(EngineRichTextTest, WidthsAreHalfTheSizeAByteAndPairsLedByFFSixteen)
{
    const std::string ff = "\xFF\xA1";
    struct Case {
        std::string text;
        int size;
        int width;
    };
    for (const Case& c : {Case{"abcd", 12, 24}, Case{ff, 12, 16}, Case{"中", 12, 12}, Case{"ab", 16, 16},
                          Case{"a\xB0", 12, 6}}) {
        EXPECT_EQ(RichTextRangeWidth(c.text.data(), c.text.data() + c.text.size(), c.size), c.width) << c.text;
    }
    EXPECT_EQ(RichTextFontHeight(12), 12);
    m_pDoc->AddText("abcd", 0xFF112233);
    const CORVRichParagraph* paragraph = m_pDoc->m_dqParagraphs.back();
    ASSERT_EQ(paragraph->m_vSource.size(), 2u);   // the type mark and the run
    auto* run = static_cast<CTextBlock*>(paragraph->m_vSource[1]);
    EXPECT_EQ(run->GetFont(), 12);
    EXPECT_EQ(run->m_nWidth, 24);
    EXPECT_EQ(run->m_nHeight, 16);   // the size, at least 16
    EXPECT_EQ(run->m_dwColor, 0xFF112233u);
}

TEST_F(EngineRichTextTest, PicturesOutsideTheRangesOrUnloadableShowTheFallbackAndEveryTextureGoesBack)
{
    m_pDoc->AddText("#301a#400b#1201c#302d", 0xFFFFFFFF);
    // The type mark (648 + 16 of group 3) is not in the catalogue: the fallback.
    EXPECT_EQ(Pictures(), (std::vector<std::string>{"3:17:16x16", "7:301:20x18", "3:17:16x16", "7:1201:30x24",
                                                    "3:17:16x16"}));
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
    int loads = 0;
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        loads += c.op == "LoadTex" ? 1 : 0;
    }
    EXPECT_EQ(loads, 2 + 1 + 1 + 1 + 2);   // mark and 302 twice (their fallback), 400 only as fallback

    // Without a fallback picture a bad picture keeps none: a 16 x 16 gap that draws nothing.
    glimmer_test::ClearCatalogue();
    m_pDoc->AddText("#400", 0xFFFFFFFF);
    EXPECT_EQ(Pictures(), (std::vector<std::string>{"3:0:16x16", "3:0:16x16"}));
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
    EXPECT_TRUE(DrawCalls("DrawTex").empty());
}

TEST_F(EngineRichTextTest, RunsAndPicturesCutByTheViewAreDrawnInPart)
{
    for (int i = 0; i < 4; ++i) {
        m_pDoc->AddText(("line" + std::to_string(i) + "#301").c_str(), 0xFF00FF00);
    }
    // Each line is 18 high (the picture); the viewer shows 40 px from y 10 once its bar moves.
    ASSERT_EQ(m_pDoc->m_dqParagraphs[1]->m_nAbsY, 18);
    m_pViewer->m_pScroll->SetPos(10);
    m_pViewer->PumpPostedMessages();   // notification 9 from its own bar moves the view
    ASSERT_EQ(m_pDoc->GetOrigin().y, 10);

    const std::vector<glimmer_test::Call> whole = DrawCalls("DrawTextA");
    ASSERT_EQ(whole.size(), 1u);   // line1 (18..36) only
    EXPECT_EQ(whole[0].text, "line1");
    EXPECT_EQ(whole[0].ints[2], 0xFF00FF00);
    EXPECT_EQ(whole[0].ints[3], 12);

    const std::vector<glimmer_test::Call> parts = DrawCalls("DrawTextPart");
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].text, "line0");
    EXPECT_EQ(parts[0].ints[3], 10 - 2);   // its run spans 2..18: 8 rows hidden above
    EXPECT_EQ(parts[1].text, "line2");
    EXPECT_EQ(parts[1].ints[3], 50 - 54);  // spans 38..54: 4 rows hidden below

    // Pictures: wholly inside drawn as they are, cut ones zoomed with the visible rows as clip.
    // line0's mark (the 16 px fallback at 2..18) and picture (0..18) lose their top rows; line2's
    // lose their bottom rows.
    std::vector<std::vector<long long>> clips;
    for (const glimmer_test::Call& c : DrawCalls("DrawTextureZoom")) {
        ASSERT_EQ(c.ints[6], 1);   // with a clip rectangle
        clips.push_back({c.ints[2], c.ints[7], c.ints[8], c.ints[9], c.ints[10]});
    }
    EXPECT_EQ(clips, (std::vector<std::vector<long long>>{
                         {17, 0, 8, 16, 16}, {301, 0, 10, 20, 18}, {17, 0, 0, 16, 12}, {301, 0, 0, 20, 14}}));
    EXPECT_FALSE(DrawCalls("DrawTex").empty());
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
}

TEST_F(EngineRichTextTest, BlinkingRunsFadeByTheTickAndKeysAreAllHandled)
{
    m_pDoc->AddText("#bblink", 0xFF00FF00);
    struct Case {
        u32 tick;
        long long alpha;
    };
    for (const Case& c : {Case{0, 255}, Case{192, 79}, Case{96, 167}, Case{384, 0xFF}, Case{768 + 192, 79}}) {
        m_Fake.m_dwTick = c.tick;
        const std::vector<glimmer_test::Call> runs = DrawCalls("DrawTextA");
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].ints[2] >> 24, c.alpha) << c.tick;
        EXPECT_EQ(runs[0].ints[2] & 0xFFFFFF, 0x00FF00) << c.tick;
    }

    // Every key is handled; Ctrl+C with nothing selected leaves the clipboard as it was.
    m_Fake.m_Clipboard = "before";
    m_Fake.SetKeyDown(VK_CONTROL, true);
    EXPECT_TRUE(m_pViewer->OnKeyDown(0, 'C'));
    m_Fake.SetKeyDown(VK_CONTROL, false);
    EXPECT_EQ(*m_Fake.m_Clipboard, "before");
    EXPECT_TRUE(m_pViewer->OnKeyDown(0, 'Q'));
    EXPECT_EQ(m_pViewer->m_bFocusable, 1);
}

}  // namespace
