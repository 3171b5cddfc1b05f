#include <gtest/gtest.h>

#include <string>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVToolTip.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

class ControlTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();   // main window at (112, 84) on the 1024 x 768 host screen
    }
    // A message at a host-screen point.
    static ORVMsg At(u32 id, int x, int y) { return ORVMsg(id, PackPos(x, y)); }
};

TEST_F(ControlTest, MouseMessagesHitTheControlsHalfOpenRectangle)
{
    ProbeControl ctrl("c");
    ctrl.CreateAt(nullptr, 100, 100, 50, 20);
    struct Case {
        int x, y;
        bool visible, hit, inside;
    };
    const Case cases[] = {
        {100, 110, true, true, true},   {149, 110, true, true, true},   {150, 110, true, true, false},
        {99, 110, true, true, false},   {100, 100, true, true, true},   {100, 119, true, true, true},
        {100, 120, true, true, false},  {100, 99, true, true, false},   {120, 110, false, true, false},
        {120, 110, true, false, false},
    };
    for (const Case& c : cases) {
        ctrl.m_bVisible = c.visible;
        ctrl.m_bHit = c.hit;
        ctrl.m_vEvents.clear();
        ORVMsg msg = At(ORV_MSG_MOUSEMOVE, c.x, c.y);
        EXPECT_EQ(ctrl.ProcessMessage(&msg), c.inside) << c.x << "," << c.y;
        if (c.inside) {
            EXPECT_TRUE(ctrl.Has("Move(" + std::to_string(c.x - 100) + "," + std::to_string(c.y - 100) + ")"));
        }
    }
}

TEST_F(ControlTest, ReleaseOverAnotherControlIsADropNotAClick)
{
    auto* parent = Place(MainWnd(), new ProbeContainer("parent"), 0, 0, 400, 300);
    auto* a = Place(*parent, new ProbeControl("A"), 10, 10, 50, 50);
    auto* b = Place(*parent, new ProbeControl("B"), 100, 10, 50, 50);
    LButtonDown(112 + 20, 84 + 20);
    EXPECT_EQ(CtrlMgr().m_pCapture, a);
    EXPECT_EQ(CtrlMgr().m_pFocus, a);
    // Moves while captured go to A, in A's coordinates, wherever the mouse is.
    MouseMove(112 + 130, 84 + 30);
    EXPECT_TRUE(a->Has("Move(120,20)"));
    LButtonUp(112 + 130, 84 + 30);
    EXPECT_TRUE(b->Has("Drop(30,20)"));
    EXPECT_TRUE(a->Has("DragEnd(30,20,B)"));
    EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);
    parent->PumpPostedMessages();
    EXPECT_TRUE(parent->m_vMessages.empty()) << "no click";
}

TEST_F(ControlTest, DrawHelpersAddTheAbsolutePosition)
{
    CORVControl ctrl;
    ctrl.CreateAt(nullptr, 100, 200, 80, 30);
    m_Host.ClearLog();

    ctrl.DrawImage(1, 2, 33, 92, 0xFF00FF00);
    ctrl.DrawImageScaled(3, 4, 34, 1.5f, 2.0f, 0xFFFFFFFF);
    ctrl.DrawText(5, 6, "t", 0xFF112233, 11, 12, 13, 14);
    ctrl.DrawTextString(5, 6, std::string("s"), 0xFF112233, 1, 0, 1, 1);
    ctrl.FillRectRel(0x80000000, 7, 8, 9, 10);
    ASSERT_EQ(m_Host.m_vCalls.size(), 5u) << m_Host.Dump();
    EXPECT_EQ(m_Host.m_vCalls[0].m_vInts, (std::vector<long long>{101, 202, 33, 92, 0xFF00FF00, 0, 0}));
    EXPECT_EQ(m_Host.m_vCalls[1].m_vInts, (std::vector<long long>{103, 204, 34, 93, 0xFFFFFFFF, 0, 0}));
    EXPECT_EQ(m_Host.m_vCalls[1].m_vFloats, (std::vector<float>{1.5f, 2.0f}));
    // (f1, f2, f3, f4) reach the host as (f1, f2, 0, f3, f4, 0).
    EXPECT_EQ(m_Host.m_vCalls[2].m_vInts, (std::vector<long long>{105, 206, 0xFF112233, 11, 12, 0, 13, 14, 0}));
    EXPECT_EQ(m_Host.m_vCalls[3].m_strText, "s");
    EXPECT_EQ(m_Host.m_vCalls[4].m_vInts, (std::vector<long long>{0x80000000, 107, 208, 9, 10}));

    // Aligned text: x is the left edge, the middle of widthOrX or its end; align is passed on.
    for (int align : {0, 1, 2}) {
        m_Host.ClearLog();
        ctrl.DrawAlignedText(7, 60, "a", 0xFFFFFFFF, align, 1, 2);
        ASSERT_EQ(m_Host.m_vCalls.size(), 1u);
        const int x = 100 + (align == 0 ? 0 : align == 1 ? 30 : 60);
        EXPECT_EQ(m_Host.m_vCalls[0].m_vInts, (std::vector<long long>{x, 207, 0xFFFFFFFF, align, 0, 0, 1, 2, 0}));
    }

    // Label and value: the value follows the label's width in font 1 (6 pixels a byte).
    m_Host.ClearLog();
    ctrl.DrawLabelValue(10, "abc", 0xFF000001, "9", 0xFF000002);
    ASSERT_EQ(m_Host.Count("DrawText"), 2);
    EXPECT_EQ(m_Host.m_vCalls[0].m_vInts, (std::vector<long long>{110, 205, 0xFF000001, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(m_Host.m_vCalls[1].m_vInts, (std::vector<long long>{128, 205, 0xFF000002, 0, 0, 0, 0, 1, 0}));
}

TEST_F(ControlTest, StretchedBarScalesTheMiddleAndSkipsAnEmptyOne)
{
    CORVControl ctrl;
    ctrl.CreateAt(nullptr, 100, 200, 80, 30);
    m_Host.SetImageSize(50, 93, 10, 8);
    m_Host.SetImageSize(51, 93, 4, 8);
    m_Host.ClearLog();
    ctrl.DrawStretchedBar(50, 5, 6, 100, 0xFFFFFFFF);
    const auto scaled = m_Host.Calls("DrawImageScaled");
    ASSERT_EQ(scaled.size(), 1u);
    EXPECT_EQ(scaled[0].Int(0), 105 + 9);
    EXPECT_FLOAT_EQ(scaled[0].m_vFloats[0], 20.5f);
    EXPECT_FLOAT_EQ(scaled[0].m_vFloats[1], 1.0f);
    ASSERT_NE(m_Host.FindImage(52, 93), nullptr);
    EXPECT_EQ(m_Host.FindImage(52, 93)->Int(0), 105 + 90);
    EXPECT_EQ(m_Host.FindImage(50, 93)->Int(0), 105);

    // An unknown middle image (no size given: width 0) or a bar narrower than its caps: no middle
    // piece.
    m_Host.ClearLog();
    m_Host.m_bLeaveUnknownSizes = true;
    ctrl.DrawStretchedBar(70, 0, 0, 100, 0xFFFFFFFF);
    EXPECT_EQ(m_Host.FindImage(72, 93)->Int(0), 100 + 100) << "an unknown cap counts 0 wide";
    m_Host.SetImageSize(70, 93, 60, 8);
    m_Host.SetImageSize(71, 93, 4, 8);
    ctrl.DrawStretchedBar(70, 0, 0, 100, 0xFFFFFFFF);
    EXPECT_EQ(m_Host.Count("DrawImageScaled"), 0);
    EXPECT_EQ(m_Host.Count("DrawImage"), 4);
}

TEST_F(ControlTest, CenterInParentUsesTheParentOrElseTheHostScreen)
{
    ProbeContainer parent("p");
    parent.CreateAt(nullptr, 0, 0, 301, 200);
    auto* child = Place(parent, new ProbeControl("c"), 0, 0, 100, 50);
    child->CenterInParent();
    EXPECT_EQ(child->m_nX, 100);
    EXPECT_EQ(child->m_nY, 75);
    CORVControl alone;
    alone.CreateAt(nullptr, 0, 0, 24, 68);
    alone.CenterInParent();
    EXPECT_EQ(alone.m_nX, 500);
    EXPECT_EQ(alone.m_nY, 350);
}

TEST(ControlRect, IsPointInRectHasNoLowerBoundOnY)
{
    // (left 10, top 20, h 30, w 40)
    EXPECT_FALSE(CORVControl::IsPointInRect(10, 20, 10, 25, 30, 40));
    EXPECT_TRUE(CORVControl::IsPointInRect(10, 20, 11, 25, 30, 40));
    EXPECT_TRUE(CORVControl::IsPointInRect(10, 20, 50, 50, 30, 40));
    EXPECT_FALSE(CORVControl::IsPointInRect(10, 20, 51, 25, 30, 40));
    EXPECT_FALSE(CORVControl::IsPointInRect(10, 20, 11, 51, 30, 40));
    EXPECT_TRUE(CORVControl::IsPointInRect(10, 20, 11, -100, 30, 40));
}

}  // namespace

namespace {

using namespace orv::test;

// A control fills the tooltip on every move over it; the control the mouse leaves empties it.
// So on the first move from A onto B the tooltip is empty (B filled it, then A's leave cleared
// it), and B's text shows from the second move on.
TEST_F(ControlTest, ControlsFillTheTooltipOnMovesAndTheLeftControlEmptiesIt)
{
    auto* a = Place(MainWnd(), new ProbeControl("A"), 0, 0, 50, 50);
    auto* b = Place(MainWnd(), new ProbeControl("B"), 100, 0, 50, 50);
    a->m_strToolTip = "tip A";
    b->m_strToolTip = "tip B";
    b->m_nToolTipStyle = 3;
    CORVToolTip& tip = CORVToolTip::GetSingleton();

    MouseMove(112 + 10, 84 + 10);
    ASSERT_EQ(tip.m_vLines.size(), 1u);
    ASSERT_FALSE(tip.m_vLines[0].m_vSegments.empty());
    EXPECT_EQ(tip.m_vLines[0].m_vSegments[0].m_strText, "tip A");
    MouseMove(112 + 110, 84 + 10);
    EXPECT_TRUE(tip.IsEmpty());
    MouseMove(112 + 111, 84 + 10);
    ASSERT_EQ(tip.m_vLines.size(), 1u);
    EXPECT_EQ(tip.m_vLines[0].m_vSegments[0].m_strText, "tip B");
    EXPECT_EQ(tip.m_vLines[0].m_vSegments[0].m_nColour, 3);
}

}  // namespace
