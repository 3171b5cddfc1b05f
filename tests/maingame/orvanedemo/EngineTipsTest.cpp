// The tooltip's style and the floating notices as OrvaneDemo has them: every notice is queued (a
// repeated one too), a notice line carries a pixel size (12 or 16), and the tooltip's style reset
// keeps colours that the box is not drawn in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVToolTip.h"
#include "glimmer/GlimmerTest.h"
#include "platform/fake/FakePlatform.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

class EngineTipsTest : public ::testing::Test {
protected:
    EngineTipsTest()
    {
        glimmer_test::Reset();   // an 800 by 600 screen
        CORVCtrlMgr::GetSingleton().SetHoverControl(nullptr);
        Empty();
    }
    ~EngineTipsTest() override
    {
        Empty();
        CORVToolTip::GetSingleton().Reset();
        glimmer_test::Reset();
    }
    void Empty()
    {
        while (!tips.GetTips().empty()) {
            tips.Next();
        }
    }
    // The renderer's calls of one frame of the floating tips.
    std::vector<glimmer_test::Call> DrawFrame()
    {
        glimmer_test::ClearTrace();
        tips.Render();
        return glimmer_test::Trace();
    }

    orv::platform::FakePlatform m_Fake;
    CAutoTip& tips = CAutoTip::GetSingleton();
};

TEST_F(EngineTipsTest, RepeatedNoticeIsQueuedEachTime)
{
    for (int i = 0; i < 3; ++i) {
        tips.AddText("A", kWhite, 150);
    }
    ASSERT_EQ(tips.GetTips().size(), 3u);
    const std::vector<glimmer_test::Call> drawn = DrawFrame();
    ASSERT_EQ(drawn.size(), 3u);   // box, line, count
    EXPECT_EQ(drawn[2].op, "DrawTextA");
    EXPECT_EQ(drawn[2].text, "3");
    EXPECT_EQ(drawn[2].ints, (std::vector<long long>{300 + 2, 283 + 2, kWhite, 12, 0, 0}));
}

// A line's size is 12 or 16 (any other value reads as 12, font numbers too); the box is measured
// and the line drawn at that size, size / 2 pixels a byte.
TEST_F(EngineTipsTest, LineSizeSetsTheMeasureAndTheDrawnSize)
{
    const std::string text(40, 'x');
    struct Case {
        u16 size;
        int kept;
        int width;
    } const cases[] = {
        {16, 16, 40 * 8 + 8},
        {12, 12, 40 * 6 + 8},
        {2, 12, 40 * 6 + 8},
        {1, 12, 40 * 6 + 8},
        {0, 12, 40 * 6 + 8},
        {17, 12, 40 * 6 + 8},
        {0xFFFF, 12, 40 * 6 + 8},
    };
    for (const Case& c : cases) {
        std::string stream;
        CAutoTip::AppendHeader(stream, 5, 1);
        CAutoTip::AppendLine(0xFFFFFF00, c.size, stream, text.c_str());
        ASSERT_EQ(stream.size(), 7u + 4 + 2 + 1 + text.size() + 1);
        EXPECT_EQ(static_cast<u8>(stream[11]) | static_cast<u8>(stream[12]) << 8, c.size);   // written as given
        EXPECT_EQ(stream[13], 1);                                                            // centred

        tips.Add(stream);
        ASSERT_EQ(tips.GetTips().size(), 1u) << c.size;
        EXPECT_EQ(tips.GetTips().front().m_vLines[0].m_wFont, c.kept) << c.size;
        EXPECT_EQ(tips.m_nWidth, c.width) << c.size;
        EXPECT_EQ(tips.m_nAbsX, (800 - c.width) / 2) << c.size;
        const std::vector<glimmer_test::Call> drawn = DrawFrame();
        ASSERT_EQ(drawn.size(), 2u) << c.size;
        EXPECT_EQ(drawn[1].text, text);
        EXPECT_EQ(drawn[1].ints[0], tips.m_nAbsX + 4) << c.size;   // centred by the width at its size
        EXPECT_EQ(drawn[1].ints[3], c.kept) << c.size;
        Empty();
    }

    // A one-line notice is size 12.
    tips.AddText(text, kWhite, 5);
    EXPECT_EQ(tips.GetTips().front().m_vLines[0].m_wFont, 12);
}

// The style reset keeps 0x8CF09F3F over 0x80150800; the box is drawn in the build's own colours
// whatever the style holds.
TEST_F(EngineTipsTest, StyleResetKeepsItsColoursAndTheBoxHasItsOwn)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    ORVToolTipStyle other = tip.GetStyle();
    other.m_dwFrameColour = 0x11223344;
    other.m_dwFillColour = 0x55667788;
    tip.SetStyle(other);
    tip.Reset();
    const ORVToolTipStyle& style = tip.GetStyle();
    EXPECT_EQ(style.m_dwFrameColour, 0x8CF09F3Fu);
    EXPECT_EQ(style.m_dwFillColour, 0x80150800u);
    EXPECT_EQ(style.m_nMargin, 4);
    EXPECT_EQ(style.m_nFrameStyle, 1);
    EXPECT_EQ(style.m_nTextStyle, 3);
    EXPECT_EQ(style.m_nBoxWidth, 8);
    EXPECT_EQ(style.m_nBoxHeight, 8);
    EXPECT_EQ(style.m_nWidth, 260);

    tip.SetStyle(other);
    tip.AddText(2, "line", 1);
    glimmer_test::ClearTrace();
    tip.Draw();
    ASSERT_FALSE(glimmer_test::Trace().empty());
    const glimmer_test::Call& box = glimmer_test::Trace()[0];
    EXPECT_EQ(box.op, "DrawRectangleWithFrame");
    EXPECT_EQ(box.ints[0], 0x9A8D6365);
    EXPECT_EQ(box.ints[1], 0x9AFFFFFF);
}

// Tooltip lines: runs are 6 px a byte and size + 3 = 15 high, a line as high as its last run (0
// without runs), each run drawn at size 12 with the eight-argument text call.
TEST_F(EngineTipsTest, TooltipRunsAreFifteenHighAndDrawnAtSizeTwelve)
{
    const ORVToolTipLine label = BuildToolTipLine("$011Name:$000Value", 2, 0);
    ASSERT_EQ(label.m_vSegments.size(), 2u);
    EXPECT_EQ(label.m_vSegments[0].m_nColour, 11);
    EXPECT_EQ(label.m_vSegments[1].m_nColour, 2);
    EXPECT_EQ(label.m_vSegments[1].m_nX, 5 * 6);
    EXPECT_EQ(label.m_vSegments[0].m_nHeight, 15);
    EXPECT_EQ(label.m_nWidth, 10 * 6);
    EXPECT_EQ(label.m_nHeight, 15);
    EXPECT_EQ(BuildToolTipLine("", 2, 0).m_nHeight, 0);
    EXPECT_EQ(BuildToolTipLine("$000", 2, 0).m_nHeight, 0);

    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    tip.AddText(2, "$003ab$000cd", 0);
    EXPECT_EQ(tip.m_nBoxHeight, 8 + 15);
    g_nMouseX = 100;
    g_nMouseY = 100;
    glimmer_test::ClearTrace();
    tip.Draw();
    const std::vector<glimmer_test::Call>& calls = glimmer_test::Trace();
    ASSERT_EQ(calls.size(), 3u);
    // Box at the mouse + 10; lines from (4, 4) inside it.
    EXPECT_EQ(calls[1].op, "DrawTextA8");
    EXPECT_EQ(calls[1].text, "ab");
    EXPECT_EQ(calls[1].ints, (std::vector<long long>{114, 114, 0xFFFF0000, 12, 0, 0, 0}));
    EXPECT_EQ(calls[2].text, "cd");
    EXPECT_EQ(calls[2].ints, (std::vector<long long>{126, 114, 0xFF000000, 12, 0, 0, 0}));
}

}  // namespace
