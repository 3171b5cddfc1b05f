// The garden screen's parts: the animated texture (tool cursors), the plot tooltip, the tool strip,
// the tutorial guide and the test host window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "garden/windows/GardenAnim.h"
#include "glimmer/GlimmerTest.h"

namespace {

// The renderer's draw and frame-select calls, as "DrawTex x y frame" / "Select frame".
std::vector<std::string> AnimCalls()
{
    std::vector<std::string> out;
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        if (c.op == "DrawTex") {
            out.push_back("DrawTex " + std::to_string(c.ints.at(0)) + " " + std::to_string(c.ints.at(1)) + " " +
                          std::to_string(c.ints.at(5)));
        } else if (c.op == "AnimationControl") {
            out.push_back("Select " + std::to_string(c.ints.at(1)));
        }
    }
    return out;
}

class GardenAnimTest : public ::testing::Test {
protected:
    GardenAnimTest() { glimmer_test::Reset(); }
    ~GardenAnimTest() override { glimmer_test::Reset(); }
};

}  // namespace

TEST_F(GardenAnimTest, WithoutATextureNothingIsDrawnAndStepsReportIt)
{
    GardenAnim anim;
    anim.Start(6);
    EXPECT_EQ(anim.Step(1, 2), GardenAnim::kStepNoTexture);
    anim.DrawFrame(0, 1, 2);
    anim.DrawLastFrame(1, 2);
    EXPECT_TRUE(AnimCalls().empty());
    EXPECT_EQ(anim.TicksSinceEnd(), 0);
}

// Three frames at speed 2: six drawing steps, each frame for two of them, then the end, then the
// count since the end goes on; a new start plays again.
TEST_F(GardenAnimTest, PlaysEachFrameForSpeedStepsOnceThenCountsOn)
{
    glimmer_test::RegisterTexture(7, 9000, 40, 40, 3);
    GardenAnim anim;
    ASSERT_NE(anim.Load(9000, 7), nullptr);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepIdle);
    anim.Start(2);
    glimmer_test::ClearTrace();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepPlaying) << i;
    }
    EXPECT_EQ(AnimCalls(), (std::vector<std::string>{"DrawTex 5 6 0", "Select 0", "DrawTex 5 6 0", "Select 1",
                                                     "DrawTex 5 6 1", "Select 1", "DrawTex 5 6 1", "Select 2",
                                                     "DrawTex 5 6 2", "Select 2", "DrawTex 5 6 2", "Select 2"}));
    glimmer_test::ClearTrace();
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepEnded);
    EXPECT_EQ(anim.TicksSinceEnd(), 1);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepFinished);
    EXPECT_EQ(anim.TicksSinceEnd(), 2);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepFinished);
    EXPECT_EQ(anim.TicksSinceEnd(), 3);
    EXPECT_TRUE(AnimCalls().empty());

    anim.Start(2);
    EXPECT_EQ(anim.TicksSinceEnd(), 0);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepPlaying);
}

TEST_F(GardenAnimTest, StillFramesOnlyWithinTheTexture)
{
    glimmer_test::RegisterTexture(7, 9001, 40, 40, 4);
    GardenAnim anim;
    anim.Load(9001, 7);
    glimmer_test::ClearTrace();
    anim.DrawFrame(4, 0, 0);
    anim.DrawFrame(-1, 0, 0);
    EXPECT_TRUE(AnimCalls().empty());
    anim.DrawFrame(0, 3, 4);
    anim.DrawLastFrame(7, 8);
    EXPECT_EQ(AnimCalls(), (std::vector<std::string>{"Select 0", "DrawTex 3 4 0", "Select 3", "DrawTex 7 8 3"}));
}

// Loading again gives the old texture back; destruction gives back the last one.
TEST_F(GardenAnimTest, OwnsOneTextureAtATime)
{
    glimmer_test::RegisterTexture(7, 9002, 40, 40, 2);
    {
        GardenAnim anim;
        anim.Load(9002, 7);
        anim.Load(9002, 7);
        EXPECT_EQ(glimmer_test::LiveTextures(), 1);
        GardenAnim moved(std::move(anim));
        EXPECT_EQ(anim.Texture(), nullptr);
        EXPECT_EQ(glimmer_test::LiveTextures(), 1);
    }
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
}

// Speed 0 has no frames to play: the play ends at the first step instead of dividing by 0; a
// play longer than the counter's range saturates instead of wrapping to a short one.
TEST_F(GardenAnimTest, DegenerateSpeedsEndOrSaturate)
{
    glimmer_test::RegisterTexture(7, 9003, 40, 40, 40000);
    GardenAnim anim;
    anim.Load(9003, 7);
    anim.Start(0);
    EXPECT_EQ(anim.Step(0, 0), GardenAnim::kStepEnded);
    glimmer_test::SetRecording(false);
    anim.Start(2);   // 80000 steps: 65535
    for (int i = 0; i < 65535; ++i) {
        ASSERT_EQ(anim.Step(0, 0), GardenAnim::kStepPlaying) << i;
    }
    EXPECT_EQ(anim.Step(0, 0), GardenAnim::kStepEnded);
    EXPECT_EQ(anim.TicksSinceEnd(), 0);   // the counter stands at its top: no further count
}
