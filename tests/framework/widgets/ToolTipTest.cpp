#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control/ORVControlContainer.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/widgets/ToolTipTestSupport.h"

using tips_test::Fill;
using tips_test::Outline;
using tips_test::Text;

namespace {

struct Seg {
    std::string text;
    int colour;
    int x;
    bool operator==(const Seg&) const = default;
};

void PrintTo(const Seg& s, std::ostream* os)
{
    *os << "{\"" << s.text << "\", " << s.colour << ", x " << s.x << "}";
}

std::vector<Seg> Segments(const ORVToolTipLine& line)
{
    std::vector<Seg> out;
    for (const ORVToolTipSegment& seg : line.m_vSegments) {
        out.push_back({seg.m_strText, seg.m_nColour, seg.m_nX});
    }
    return out;
}

TEST(ToolTipMarkup, CutsLinesIntoColouredSegments)
{
    struct Case {
        const char* text;
        int style;
        std::vector<Seg> expected;
    };
    const Case cases[] = {
        {"a$3b$0c$$d", 6, {{"a", 6, 0}, {"b", 3, 6}, {"c", 6, 12}, {"$d", 6, 18}}},
        {"$12x", 6, {{"x", 12, 0}}},
        {"$13x", 6, {{"x", 1, 0}}},              // 13 or more: white
        {"$1234x", 6, {{"4x", 1, 0}}},           // three digits at most
        {"abc$", 6, {{"abc", 6, 0}}},
        {"$x", 6, {{"x", 0, 0}}},                // no digit at the start: index 0 (invisible)
        {"a$x", 6, {{"a", 6, 0}, {"x", 6, 6}}},  // no digit after a segment: back to the style
        {"a$000b", 6, {{"a", 6, 0}, {"b", 6, 6}}},
        {"a$007b", 6, {{"a", 6, 0}, {"b", 7, 6}}},
        {"$$", 6, {{"$", 6, 0}}},
        {"$3$0", 6, {}},                          // empty segments are dropped
        {"plain", 15, {{"plain", 1, 0}}},        // a style out of the table is white too
        {"plain", -2, {{"plain", 1, 0}}},
        {"", 6, {}},
        {"中$5文", 6, {{"中", 6, 0}, {"文", 5, 12}}},  // 6 px a byte
    };
    for (const Case& c : cases) {
        const ORVToolTipLine line = BuildToolTipLine(c.text, c.style, 1);
        EXPECT_EQ(Segments(line), c.expected) << c.text;
        int width = 0;
        for (const Seg& s : c.expected) {
            width += 6 * static_cast<int>(s.text.size());
        }
        EXPECT_EQ(line.m_nWidth, width) << c.text;
        EXPECT_EQ(line.m_nHeight, 14) << c.text;
    }
}

TEST(ToolTipMarkup, ColourTable)
{
    EXPECT_EQ(ToolTipColour(0), 0x00000000u);
    EXPECT_EQ(ToolTipColour(6), 0xFFFFFF00u);
    EXPECT_EQ(ToolTipColour(12), 0xFF93CDDDu);
    EXPECT_EQ(ToolTipColour(13), 0xFFFFFFFFu);
    EXPECT_EQ(ToolTipColour(-1), 0xFFFFFFFFu);
}

class ToolTip : public tips_test::OverlayTest {
protected:
    // One frame with the mouse at (x, y); the boxes and texts drawn.
    std::vector<std::string> DrawAt(int x, int y)
    {
        g_nMouseX = static_cast<u32>(x);
        g_nMouseY = static_cast<u32>(y);
        return DrawFrame();
    }
};

TEST_F(ToolTip, OneLineBoxAndDrawCalls)
{
    tip.AddText(6, "0123456789", 1);
    EXPECT_EQ(tip.m_nBoxWidth, 68);
    EXPECT_EQ(tip.m_nBoxHeight, 22);

    const std::vector<std::string> expected = {
        Fill(0x80150800, 120, 120, 68, 22),
        Outline(0xF0F09F3F, 120, 120, 68, 22),
        Text(124, 125, "0123456789", 0xFFFFFF00, 0, 0, 0, 0, 1, 0),
    };
    EXPECT_EQ(DrawAt(100, 100), expected);
}

TEST_F(ToolTip, StaysOnScreenNearTheLowerRightCorner)
{
    tip.AddText(6, "0123456789", 1);
    struct Case {
        int mx, my;
        int x, y;
    };
    const Case cases[] = {
        {1010, 760, 956, 746},   // pushed left and up
        {936, 726, 956, 746},    // the box ends exactly at the edges
        {937, 727, 956, 746},    // one pixel more: pushed
        {0, 0, 20, 20},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> drawn = DrawAt(c.mx, c.my);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn[0], Fill(0x80150800, c.x, c.y, 68, 22)) << c.mx << "," << c.my;
    }
    m_Host.m_nScreenWidth = 640;
    m_Host.m_nScreenHeight = 480;
    EXPECT_EQ(DrawAt(1010, 760)[0], Fill(0x80150800, 572, 458, 68, 22));
}

TEST_F(ToolTip, NothingDrawnWithoutLines)
{
    EXPECT_TRUE(DrawAt(100, 100).empty());
    tip.AddText(6, "abc", 1);
    tip.Clear();
    EXPECT_TRUE(DrawAt(100, 100).empty());
    tip.AddText(6, "", 1);
    EXPECT_TRUE(tip.IsEmpty());
}

TEST_F(ToolTip, LinesStackAndFollowTheWidestLine)
{
    tip.AddText(6, "abcd\nab", 1);       // 24 and 12 px wide
    tip.AddText(1, "0123456789", 1);     // 60 px: the box widens to 68
    tip.AddText(3, "ab", 2);
    tip.AddText(3, "ab", 0);
    tip.AddText(3, "ab", 7);
    ASSERT_EQ(tip.m_vLines.size(), 6u);
    EXPECT_EQ(tip.m_nBoxWidth, 68);
    EXPECT_EQ(tip.m_nBoxHeight, 8 + 6 * 14);
    const int xs[] = {22, 28, 4, 52, 4, 0};   // centred lines placed again in the wider box
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(tip.m_vLines[i].m_nX, xs[i]) << i;
        EXPECT_EQ(tip.m_vLines[i].m_nY, 4 + 14 * static_cast<int>(i)) << i;
    }
}

TEST_F(ToolTip, SegmentsDrawnInTheirColours)
{
    tip.AddText(6, "a$3b$0c$$d", 0);
    const std::vector<std::string> expected = {
        Fill(0x80150800, 20, 20, 38, 22),
        Outline(0xF0F09F3F, 20, 20, 38, 22),
        Text(24, 25, "a", 0xFFFFFF00, 0, 0, 0, 0, 1, 0),
        Text(30, 25, "b", 0xFFFF0000, 0, 0, 0, 0, 1, 0),
        Text(36, 25, "c", 0xFFFFFF00, 0, 0, 0, 0, 1, 0),
        Text(42, 25, "$d", 0xFFFFFF00, 0, 0, 0, 0, 1, 0),
    };
    EXPECT_EQ(DrawAt(0, 0), expected);
}

TEST_F(ToolTip, StyleSetByAWindowAndReset)
{
    tip.SetStyle(kToolTipHoverStyle);
    tip.Clear();
    tip.AddText(1, "ab", 0);
    std::vector<std::string> drawn = DrawAt(0, 0);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1], Outline(0x8CF09F3F, 20, 20, 20, 22));
    EXPECT_EQ(tip.GetStyle().m_nWidth, 260);

    ORVToolTipStyle wide = kToolTipDefaultStyle;
    wide.m_nMargin = 10;
    wide.m_nFirstLineY = 6;
    wide.m_nFrameStyle = 0;             // kept, but the box is framed whatever it holds
    wide.m_dwFillColour = 0x11223344;
    wide.m_dwFrameColour = 0x55667788;
    tip.SetStyle(wide);
    tip.Clear();
    tip.AddText(1, "ab", 0);
    const std::vector<std::string> expected = {
        Fill(0x11223344, 20, 20, 32, 22),
        Outline(0x55667788, 20, 20, 32, 22),
        Text(30, 27, "ab", 0xFFFFFFFF, 0, 0, 0, 0, 1, 0),
    };
    EXPECT_EQ(DrawAt(0, 0), expected);

    tip.Reset();
    tip.AddText(1, "ab", 0);
    drawn = DrawAt(0, 0);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1], Outline(0xF0F09F3F, 20, 20, 20, 22));
}

// Clear alone (as a control's mouse leave does) starts the next box from its starting size.
TEST_F(ToolTip, ClearStartsTheBoxAgain)
{
    tip.AddText(6, "0123456789\n0123456789", 1);
    tip.Clear();
    tip.AddText(6, "abc", 1);
    EXPECT_EQ(tip.m_nBoxWidth, 26);
    EXPECT_EQ(tip.m_nBoxHeight, 22);
}

// A control's tooltip text, through the whole input and frame path: drawn last, above the
// floating tips, and kept while the mouse rests where no control takes the move.
TEST_F(ToolTip, ControlTextShownAboveEverything)
{
    auto* ctrl = new CORVControl;
    ctrl->m_strToolTip = "hello";
    MainWnd().AddChild(ctrl, false);
    ctrl->CreateAt(&MainWnd(), 100, 100, 50, 20);
    tips.AddText("notice", 0xFFFFFFFF, 150);

    orv::test::MouseMove(212, 184);   // enters the control (main window at 112, 84)
    orv::test::MouseMove(213, 185);
    std::vector<std::string> drawn = DrawFrame();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[3], Fill(0x80150800, 233, 205, 38, 22));
    EXPECT_EQ(drawn[5], Text(237, 210, "hello", 0xFFFFFF00, 0, 0, 0, 0, 1, 0));

    orv::test::MouseMove(5, 5);       // nothing takes this move
    EXPECT_EQ(DrawFrame().size(), 6u);
}

// A tooltip belongs to the control the mouse was over when it was filled: when that control, or
// the panel it lies in, is hidden or deleted, the next frame draws no tooltip although the mouse
// has not moved; the panel left open keeps it.
TEST_F(ToolTip, GoesWithTheClosedPanelOfItsControl)
{
    enum class Close { Nothing, HideControl, HidePanel, DeletePanel };
    const struct {
        Close close;
        bool drawn;
    } cases[] = {{Close::Nothing, true}, {Close::HideControl, false}, {Close::HidePanel, false},
                 {Close::DeletePanel, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.close));
        tip.Reset();
        auto* panel = new CORVControlContainer;
        MainWnd().AddChild(panel, false);
        panel->CreateAt(&MainWnd(), 100, 100, 200, 100);
        auto* ctrl = new CORVControl;
        panel->AddChild(ctrl, false);
        ctrl->CreateAt(panel, 10, 10, 50, 20);
        ctrl->m_strToolTip = "row";

        orv::test::MouseMove(112 + 120, 84 + 120);   // enters the control (main window at 112, 84)
        orv::test::MouseMove(112 + 121, 84 + 121);   // fills its tooltip
        ASSERT_FALSE(DrawFrame().empty());
        switch (c.close) {
        case Close::Nothing:
            break;
        case Close::HideControl:
            ctrl->m_bVisible = 0;
            break;
        case Close::HidePanel:
            panel->m_bVisible = 0;
            break;
        case Close::DeletePanel:
            MainWnd().DeleteChild(panel);
            panel = nullptr;
            break;
        }
        EXPECT_EQ(!DrawFrame().empty(), c.drawn);
        EXPECT_EQ(!tip.IsEmpty(), c.drawn);
        if (panel != nullptr) {
            MainWnd().DeleteChild(panel);
        }
    }
}

}  // namespace
