// Recorded renderer frames become the frame picture's draw calls: each drawing call's box, colour
// and identity, texture sizes from the stand-in's catalogue, and nothing for calls that draw nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "glimmer/GlimmerTest.h"
#include "tools/GlimmerPicture.h"

namespace orv::sample {
namespace {

class GlimmerPictureTest : public ::testing::Test {
protected:
    GlimmerPictureTest() { glimmer_test::Reset(); }
    ~GlimmerPictureTest() override { glimmer_test::Reset(); }
};

DrawOp Op(DrawKind kind, Box box, u32 colour)
{
    DrawOp op;
    op.m_kind = kind;
    op.m_box = box;
    op.m_colour = colour;
    return op;
}

DrawOp Image(Box box, u32 colour, int group, int id)
{
    DrawOp op = Op(DrawKind::Image, box, colour);
    op.m_nSet = group;
    op.m_nFrame = id;
    return op;
}

DrawOp Text(Box box, u32 colour, int size, const char* text)
{
    DrawOp op = Op(DrawKind::Text, box, colour);
    op.m_nFont = size;
    op.m_strText = text;
    return op;
}

TEST_F(GlimmerPictureTest, EachDrawingCallBecomesItsDrawCalls)
{
    // Group and id differ in size each way round, so a swapped pair shows.
    glimmer_test::RegisterTexture(1, 5, 40, 30);
    glimmer_test::RegisterTexture(5, 1, 8, 6);
    glimmer_test::RegisterTexture(7, 2, 20, 10, 3);

    g_CG.BeginScene();
    g_TexMgr.DrawTexture(10, 20, 5, 1, 0xFF112233, false);
    CTex* tex = g_TexMgr.GetTextureImm(7, 2);
    ASSERT_NE(tex, nullptr);
    tex->AnimationControl(true, 2);
    tex->DrawTex(3, 4, 0x80FFFFFF);
    const GlimmerRect clip = {0, 0, 30, 25};
    g_TexMgr.DrawTextureZoom(5, 5, 5, 1, 2.0f, 0.5f, 0xFF000001, &clip, false);   // 80 x 15 cut to 25 x 15
    g_TexMgr.DrawTextureZoom(5, 5, 2, 7, 1.5f, 1.0f, 0xFF000002, nullptr, false);
    g_Font.DrawTextA(100, 50, "\xC4\xC1" "ab", 0xFFFF0000, 12, 0, 0);
    g_Font.DrawTextA(100, 70, "abc", 0xFF00FF00, 16, false, 0, false);
    g_Font.DrawScrollText(0, 200, "abcdefghijkl", 0xFF0000FF, 36, 100, 0, 12, 16, 0, false);
    g_CG.DrawFillRect(1, 2, 3, 4, 0x40FFFFFF);
    g_CG.DrawRectangle(0xFFABCDEF, 10, 10, 20, 16, 2);
    g_CG.DrawRectangleWithFrame(0xFF010203, 0xC0040506, 50, 60, 70, 65, 1);
    g_TexMgr.DrawTexture(0, 0, 9, 9, 0xFFFFFFFF, false);   // not catalogued
    g_CG.EndScene(nullptr);

    DrawOp zoomed = Image({5, 5, 25, 15}, 0xFF000001, 1, 5);
    zoomed.m_kind = DrawKind::ScaledImage;
    zoomed.m_fScaleX = 2.0f;
    zoomed.m_fScaleY = 0.5f;
    DrawOp unclipped = Image({5, 5, 30, 10}, 0xFF000002, 7, 2);
    unclipped.m_kind = DrawKind::ScaledImage;
    unclipped.m_fScaleX = 1.5f;
    const std::vector<DrawOp> expected = {
        Image({10, 20, 40, 30}, 0xFF112233, 1, 5),
        Image({3, 4, 20, 10}, 0x80FFFFFF, 7, 2),
        zoomed,
        unclipped,
        Text({100, 50, 24, 12}, 0xFFFF0000, 12, "\xC4\xC1" "ab"),
        Text({100, 70, 24, 16}, 0xFF00FF00, 16, "abc"),
        Text({0, 200, 36, 16}, 0xFF0000FF, 12, "abcdef"),
        Text({0, 216, 36, 16}, 0xFF0000FF, 12, "ghijkl"),
        Op(DrawKind::Fill, {1, 2, 3, 4}, 0x40FFFFFF),
        Op(DrawKind::RectFrame, {10, 10, 10, 6}, 0xFFABCDEF),
        Op(DrawKind::RectFrame, {11, 11, 8, 4}, 0xFFABCDEF),
        Op(DrawKind::Fill, {50, 60, 20, 5}, 0xC0040506),
        Op(DrawKind::RectFrame, {50, 60, 20, 5}, 0xFF010203),
        Image({0, 0, 0, 0}, 0xFFFFFFFF, 9, 9),
    };
    const std::vector<DrawOp> ops = GlimmerFrameToDrawOps(glimmer_test::Frame(0));
    ASSERT_EQ(ops.size(), expected.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i], expected[i]) << "draw call " << i;
    }
}

TEST_F(GlimmerPictureTest, ConvertedFramePaintsWhereTheCallsDrew)
{
    g_CG.BeginScene();
    g_CG.DrawFillRect(10, 10, 5, 5, 0xFFFF0000);
    g_CG.DrawRectangle(0xFF00FF00, 0, 0, 0, 40, 3);   // no width: nothing
    g_CG.EndScene(nullptr);
    const Canvas canvas = PaintFrame(GlimmerFrameToDrawOps(glimmer_test::Frame(0)), 40, 40);
    EXPECT_EQ(canvas.Pixel(12, 12), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(0, 20), 0xFF000000u | kPictureBackground);
    EXPECT_EQ(canvas.Pixel(20, 20), 0xFF000000u | kPictureBackground);
}

// The Garden frames are accounted as the Aerie frames are: textures by the names registered with
// their sizes, colours in hex, only what changed after the first frame, and the calls that draw
// nothing left out; verbose, every call as recorded, a repeated frame in one line.
TEST_F(GlimmerPictureTest, AccountNamesTexturesAndPrintsWhatEachFrameChanged)
{
    const GlimmerTexture textures[] = {{1, 5, 5, 300, 200, "window background", true}, {2, 9, 11, 64, 24, "OK button"}};
    RegisterGlimmerTextures(textures);
    EXPECT_TRUE(GlimmerTextureOpaque(1, 5));
    EXPECT_FALSE(GlimmerTextureOpaque(2, 10));
    auto record = [](int okFrame) {
        glimmer_test::ClearTrace();
        g_CG.BeginScene();
        g_TexMgr.DrawTexture(10, 20, 5, 1, 0xFFFFFFFF, false);
        g_TexMgr.DrawTexture(30, 40, static_cast<std::uint16_t>(okFrame), 2, 0x80FFFFFF, false);
        g_TexMgr.DrawTexture(50, 60, 77, 3, 0xFFFFFFFF, false);
        g_CG.EndScene(nullptr);
        return glimmer_test::Trace();
    };
    GlimmerAccount account(false);
    testing::internal::CaptureStdout();
    account.Frame(record(9));
    account.Frame(record(10), 7);
    account.Frame(record(10));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "[frame 1] 3 draw calls:\n"
              "    image 1/5 at (10,20) 300x200 (window background)\n"
              "    image 2/9 at (30,40) 64x24 (OK button) tint 80FFFFFF\n"
              "    image 3/77 at (50,60) 0x0 (not in the catalogue)\n"
              "[frame 7] 3 draw calls, as frame 1 but for:\n"
              "  - image 2/9 at (30,40) 64x24 (OK button) tint 80FFFFFF\n"
              "  + image 2/10 at (30,40) 64x24 (OK button) tint 80FFFFFF\n"
              "[frame 8] the same 3 draw calls as frame 7\n");
    ASSERT_EQ(account.Last().size(), 3u);
    EXPECT_TRUE(account.Last()[0].m_bOpaque);

    GlimmerAccount verbose(true);
    testing::internal::CaptureStdout();
    verbose.Frame(record(9));
    verbose.Frame(record(9));
    verbose.Frame(record(9));
    verbose.FlushRun();
    const std::string all = testing::internal::GetCapturedStdout();
    EXPECT_EQ(all.find("[frame 1] 5 renderer calls:\n    BeginScene()\n    DrawTexture(10, 20, 5, 1, 4294967295"), 0u)
        << all;
    EXPECT_NE(all.find("    EndScene(0)\n[frames 2-3] the same 5 renderer calls as frame 1\n"), std::string::npos) << all;
}

}  // namespace
}  // namespace orv::sample
