#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "glimmer/GlimmerTest.h"

namespace {

class GlimmerStandInTest : public ::testing::Test {
protected:
    GlimmerStandInTest() { glimmer_test::Reset(); }
    ~GlimmerStandInTest() override { glimmer_test::Reset(); }
};

TEST_F(GlimmerStandInTest, ScrollTextIsLaidOutInsideItsBox)
{
    // 60 pixels at size 12 hold 10 bytes; two-byte characters are never split; 2 lines of 16 fit in 40.
    g_Font.DrawScrollText(32, 40, "abcdefghij\xB0\xA1" "klm\nxy\nlost", 0xFF8D6365, 60, 40, 0, 12, 16, 0, false);
    ASSERT_EQ(glimmer_test::Trace().size(), 1u);
    const glimmer_test::Call& call = glimmer_test::Trace()[0];
    ASSERT_EQ(call.lines.size(), 2u);
    EXPECT_EQ(call.lines[0], "abcdefghij");
    EXPECT_EQ(call.lines[1], "\xB0\xA1" "klm");
    EXPECT_EQ(glimmer_test::Format(call),
              "DrawScrollText(32, 40, 4287456101, 60, 40, 0, 12, 16, 0, 0, \"abcdefghij\xB0\xA1" "klm\nxy\nlost\")");
}

TEST_F(GlimmerStandInTest, CatalogueAnswersSizesFramesAndLoads)
{
    glimmer_test::RegisterTexture(7, 1, 32, 24, 3);
    glimmer_test::SetFrameOffset(7, 1, 2, 8, 0);
    int w = -1;
    int h = -1;
    EXPECT_TRUE(g_TexMgr.GetTextureOriginSize(7, 1, w, h));
    EXPECT_EQ(w, 32);
    EXPECT_FALSE(g_TexMgr.GetTextureOriginSize(7, 2, w, h));
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(g_TexMgr.GetTextureImm(7, 2), nullptr);
    CTex* tex = g_TexMgr.NewTexture();
    EXPECT_EQ(glimmer_test::LiveTextures(), 1);
    EXPECT_FALSE(tex->LoadTex(7, 2, false));
    ASSERT_TRUE(tex->LoadTex(7, 1, false));
    EXPECT_EQ(tex->GetFrames(), 3);
    EXPECT_EQ(tex->IsPointInTex(35, 5, 1.0f, 1.0f), 0);
    tex->AnimationControl(false, 2);
    EXPECT_EQ(tex->IsPointInTex(35, 5, 1.0f, 1.0f), 2);
    g_TexMgr.DeleteTexture(tex);
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
}

// A catalogued size may be any int: a frame's offset added to it, and its scaled size, are worked out
// wide, so the hit test neither overflows nor wraps to a miss.
TEST_F(GlimmerStandInTest, HitTestTakesAnyCataloguedSize)
{
    const struct {
        int w;
        int dx;
        float scale;
        int x;
        int hit;
    } cases[] = {
        {INT_MAX, 0, 1.0f, 5, 2},
        {INT_MAX, 10, 1.0f, 5, 2},
        {INT_MAX, 0, 4.0f, 5, 2},
        {INT_MIN, -10, 1.0f, 5, 0},
        {10, 0, 1.5f, 14, 2},
        {10, 0, 1.5f, 15, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " + " + std::to_string(c.dx) + " scaled " + std::to_string(c.scale));
        glimmer_test::RegisterTexture(7, 1, c.w, 20, 2);
        glimmer_test::SetFrameOffset(7, 1, 1, c.dx, 0);
        CTex tex;
        ASSERT_TRUE(tex.LoadTex(7, 1, false));
        tex.AnimationControl(false, 1);
        EXPECT_EQ(tex.IsPointInTex(c.x, 5, c.scale, 1.0f), c.hit);
    }
}

TEST_F(GlimmerStandInTest, KnobsDecideWhatTheDeviceWould)
{
    glimmer_test::SetCreateResult(0);
    EXPECT_FALSE(g_CG.CreateD3D(nullptr, nullptr, nullptr, 0, 0, 2, false));
    glimmer_test::SetCreateResult(2);
    EXPECT_THROW(g_CG.CreateD3D(nullptr, nullptr, nullptr, 0, 0, 2, false), std::exception);
    glimmer_test::SetWillShowFrame(false);
    EXPECT_FALSE(g_CG.WillShowFrame());
    glimmer_test::SetPoolFigures(0x300000, 0x100000);
    EXPECT_EQ(g_TexBufPool.m_dwThird - g_TexBufPool.m_dwFirst, 0x300000u);
    EXPECT_EQ(g_Tex9Mgr.m_dwPoolTotal - g_Tex9Mgr.m_dwPoolUsed, 0x100000u);
    g_CG.BeginScene();
    g_CG.EndScene(nullptr);
    EXPECT_EQ(glimmer_test::Frame(0).size(), 2u);
    EXPECT_EQ(g_CG.m_dwFrameTime, 1u);
}

TEST_F(GlimmerStandInTest, RecordingOffKeepsNoCallsYetAnswersAsBeforeUntilReset)
{
    glimmer_test::RegisterTexture(3, 4, 10, 12);
    glimmer_test::SetRecording(false);
    g_CG.BeginScene();
    g_Font.DrawTextA(1, 2, "text", 0xFFFFFFFF, 12, 0, 0);
    g_Font.DrawScrollText(0, 0, "a longer text that would wrap", 0xFFFFFFFF, 30, 40, 0, 12, 16, 0, false);
    g_TexMgr.DrawTextureZoom(0, 0, 4, 3, 1.0f, 2.0f, 0xFFFFFFFF, nullptr, true);
    EXPECT_TRUE(glimmer_test::Trace().empty());
    EXPECT_EQ(g_CG.m_dwFrameTime, 1u);
    int w = 0;
    int h = 0;
    EXPECT_TRUE(g_TexMgr.GetTextureOriginSize(3, 4, w, h));
    EXPECT_EQ(h, 12);
    glimmer_test::Reset();
    g_Font.DrawTextA(1, 2, "text", 0xFFFFFFFF, 12, 0, 0);
    EXPECT_EQ(glimmer_test::Trace().size(), 1u);
}

}  // namespace
