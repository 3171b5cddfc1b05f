// Scroll bars through the recording host and real input: positions and their notifications, the
// single-precision press arithmetic, drags, right presses, the wheel, track images and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ButtonTestSupport.h"
#include "framework/widgets/ORVScroll.h"
#include "support/TestHarness.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

// A record window at (10, 20) in the main window (112, 84): children sit at + (122, 104).
class ScrollTest : public LibraryTest {
protected:
    static constexpr int kWndAbsX = 122;
    static constexpr int kWndAbsY = 104;

    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        OpenGame();
        m_pWnd = new CRecordWnd();
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), 10, 20, 400, 300);
    }

    template <class Bar>
    Bar* AddBar(int x, int y, int length, int range)
    {
        auto* bar = new Bar();
        m_pWnd->AddChild(bar, false);
        bar->CreateBar(m_pWnd, x, y, length);
        bar->SetRange(range);
        return bar;
    }

    // The positions notified since the last call (after one frame), in order.
    std::vector<u32> Notified()
    {
        Frame();
        std::vector<u32> out;
        for (const ArrivedMsg& m : m_pWnd->m_vPosted) {
            if (m.m_nId == kNotifyScroll) {
                out.push_back(m.m_wParam);
            }
        }
        m_pWnd->m_vPosted.clear();
        return out;
    }

    std::vector<HostCall> DrawsThisFrame() const
    {
        std::vector<HostCall> out;
        for (const HostCall& c : m_Host.CallsInFrame(m_Host.m_nFrame)) {
            if (c.m_strName == "DrawImage" || c.m_strName == "DrawImageScaled") {
                out.push_back(c);
            }
        }
        return out;
    }

    CRecordWnd* m_pWnd = nullptr;
};

TEST_F(ScrollTest, PositionIsClampedAndEachChangeIsNotifiedOnce)
{
    auto* bar = AddBar<CORVHScroll>(0, 0, 100, 10);
    EXPECT_TRUE(Notified().empty());   // position 0 stays 0

    struct Step {
        const char* m_pszName;
        int m_nSetPos;       // -1000: SetRange instead
        int m_nRange;
        int m_nPos;
        std::vector<u32> m_vNotified;
    };
    const Step steps[] = {
        {"below 0 gives 0, unchanged", -1, 0, 0, {}},
        {"inside", 4, 0, 4, {4}},
        {"same position", 4, 0, 4, {}},
        {"beyond the range gives the range", 17, 0, 10, {10}},
        {"shrinking the range clamps and notifies", -1000, 6, 6, {6}},
        {"negative range is 0", -1000, -5, 0, {0}},
        {"range 0 again posts nothing", -1000, 0, 0, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.m_pszName);
        if (s.m_nSetPos == -1000) {
            bar->SetRange(s.m_nRange);
        } else {
            bar->SetPos(s.m_nSetPos);
        }
        EXPECT_EQ(bar->m_nPos, s.m_nPos);
        EXPECT_EQ(Notified(), s.m_vNotified);
    }
    EXPECT_EQ(bar->m_nRange, 0);
}

TEST_F(ScrollTest, PressMovesToTheRoundedPointInSinglePrecisionAndAlwaysTakesCaptureAndFocus)
{
    struct Case {
        int m_nLength;
        int m_nRange;
        int m_nAt;
        int m_nPos;
    };
    const Case cases[] = {
        {100, 10, 45, 5},   // 4.5 rounds up
        {100, 10, 44, 4},
        {100, 10, 0, 0},
        {100, 10, 99, 10},  // 9.9
        {22, 11, 13, 6},    // 13 / 22 x 11 is 6.4999995 in single precision (6.5 exactly)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_nAt);
        auto* h = AddBar<CORVHScroll>(0, 0, c.m_nLength, c.m_nRange);
        LButtonDown(kWndAbsX + c.m_nAt, kWndAbsY + 5);
        LButtonUp(kWndAbsX + c.m_nAt, kWndAbsY + 5);
        EXPECT_EQ(h->m_nPos, c.m_nPos);
        m_pWnd->DeleteChild(h);

        auto* v = AddBar<CORVVScroll>(0, 0, c.m_nLength, c.m_nRange);
        LButtonDown(kWndAbsX + 5, kWndAbsY + c.m_nAt);
        EXPECT_EQ(v->m_nPos, c.m_nPos);
        EXPECT_EQ(CtrlMgr().m_pCapture, v);
        LButtonUp(kWndAbsX + 5, kWndAbsY + c.m_nAt);
        m_pWnd->DeleteChild(v);
    }

    // A press off the bar's length (reachable only by a direct call) moves nothing but still
    // takes the capture and the focus.
    auto* bar = AddBar<CORVHScroll>(0, 0, 100, 10);
    bar->SetPos(3);
    EXPECT_TRUE(bar->OnLButtonDown(150, 5));
    EXPECT_EQ(bar->m_nPos, 3);
    EXPECT_EQ(CtrlMgr().m_pCapture, bar);
    EXPECT_EQ(CtrlMgr().m_pFocus, bar);
}

TEST_F(ScrollTest, DragFollowsTheMouseOnlyWhileCaptured)
{
    auto* bar = AddBar<CORVVScroll>(0, 0, 100, 20);
    MouseMove(kWndAbsX + 5, kWndAbsY + 50);
    EXPECT_EQ(bar->m_nPos, 0);   // not captured

    LButtonDown(kWndAbsX + 5, kWndAbsY + 10);
    EXPECT_EQ(bar->m_nPos, 2);
    MouseMove(kWndAbsX + 5, kWndAbsY + 50);
    EXPECT_EQ(bar->m_nPos, 10);
    // Captured moves are not hit-tested: beyond the bar's end the position stays.
    MouseMove(kWndAbsX + 5, kWndAbsY + 150);
    EXPECT_EQ(bar->m_nPos, 10);
    MouseMove(kWndAbsX + 5, kWndAbsY + 100);
    EXPECT_EQ(bar->m_nPos, 20);
    LButtonUp(kWndAbsX + 5, kWndAbsY + 100);
    MouseMove(kWndAbsX + 5, kWndAbsY + 30);
    EXPECT_EQ(bar->m_nPos, 20);
    EXPECT_EQ(Notified(), (std::vector<u32>{2, 10, 20}));
}

TEST_F(ScrollTest, RightPressStepsOnePositionTowardThePoint)
{
    auto* bar = AddBar<CORVHScroll>(0, 0, 100, 10);
    bar->SetPos(5);
    RButtonDown(kWndAbsX + 80, kWndAbsY + 5);   // target 8
    EXPECT_EQ(bar->m_nPos, 6);
    RButtonDown(kWndAbsX + 20, kWndAbsY + 5);   // target 2
    EXPECT_EQ(bar->m_nPos, 5);
    RButtonDown(kWndAbsX + 50, kWndAbsY + 5);   // target 5, equal: one back
    EXPECT_EQ(bar->m_nPos, 4);
    EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);
}

TEST_F(ScrollTest, WheelNotchTowardTheUserMovesForwardByTheStep)
{
    auto* bar = AddBar<CORVVScroll>(0, 0, 100, 40);
    bar->m_nStep = 3;
    MouseMove(kWndAbsX + 5, kWndAbsY + 50);
    Wheel(-240);
    EXPECT_EQ(bar->m_nPos, 6);
    Wheel(120);
    EXPECT_EQ(bar->m_nPos, 3);
    Wheel(-60);   // less than a notch
    EXPECT_EQ(bar->m_nPos, 3);
    Wheel(1200);
    EXPECT_EQ(bar->m_nPos, 0);
    bar->m_nStep = 0x40000000;   // a huge step saturates instead of wrapping
    Wheel(-240);
    EXPECT_EQ(bar->m_nPos, 40);
    EXPECT_EQ(Notified(), (std::vector<u32>{6, 3, 0, 40}));

    bar->SetRange(0);
    Notified();
    Wheel(-120);
    EXPECT_EQ(bar->m_nPos, 0);
    EXPECT_TRUE(Notified().empty());
}

TEST_F(ScrollTest, DrawsTrackCentredAcrossAndThumbAtTheEdgeWithoutPumpingItsQueue)
{
    auto* h = AddBar<CORVHScroll>(20, 30, 100, 10);
    h->SetPos(5);
    auto* v = AddBar<CORVVScroll>(200, 10, 120, 4);
    v->SetPos(1);
    h->m_MsgQueue.PostMessage(ORVMsg(0x777, 0), 1);
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(h->m_MsgQueue.GetPendingCount(), 1u);

    const int hx = kWndAbsX + 20;
    const int hy = kWndAbsY + 30;
    const int vx = kWndAbsX + 200;
    const int vy = kWndAbsY + 10;
    // Thumb along: (int)(T x pos / range) - 18 / 2 + 6 with T = length - 12.
    const std::vector<std::vector<long long>> expected = {
        // Horizontal bar (added first, drawn first), then the vertical one: thumb (int)(108 x 0.25) - 9 + 6.
        {hx, hy + 4, 107, 93},        // middle, scaled
        {hx, hy + 4, 106, 93, kWhite, 0, 0},
        {hx + 94, hy + 4, 108, 93, kWhite, 0, 0},
        {hx + 41, hy, 100, 93, kWhite, 0, 0},
        {vx + 4, vy, 104, 93},
        {vx + 4, vy, 103, 93, kWhite, 0, 0},
        {vx + 4, vy + 114, 105, 93, kWhite, 0, 0},
        {vx, vy + 24, 100, 93, kWhite, 0, 0},
    };
    const std::vector<HostCall> draws = DrawsThisFrame();
    ASSERT_EQ(draws.size(), expected.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
        SCOPED_TRACE(draws[i].Describe());
        if (draws[i].m_strName == "DrawImageScaled") {
            EXPECT_EQ(std::vector<long long>(draws[i].m_vInts.begin(), draws[i].m_vInts.begin() + 4), expected[i]);
        } else {
            EXPECT_EQ(draws[i].m_vInts, expected[i]);
        }
    }
    EXPECT_EQ(draws[0].m_vFloats, (std::vector<float>{1.0f, 1.0f}));
    EXPECT_EQ(draws[4].m_vFloats, (std::vector<float>{1.0f, 1.2f}));

    // Range 0: the track but no thumb; track frame 0: nothing at all.
    h->SetRange(0);
    m_pWnd->DeleteChild(v);
    Frame();
    EXPECT_EQ(DrawsThisFrame().size(), 3u);
    h->SetTrackImage(0);
    Frame();
    EXPECT_TRUE(DrawsThisFrame().empty());
}

TEST_F(ScrollTest, TrackAndThumbImagesTakeTheirSizesFromTheHost)
{
    m_Host.SetImageSize(106, 93, 8, 14);
    m_Host.SetImageSize(107, 93, 50, 14);
    m_Host.SetImageSize(108, 93, 9, 14);
    m_Host.SetImageSize(103, 93, 12, 7);
    m_Host.SetImageSize(104, 93, 12, 40);
    m_Host.SetImageSize(105, 93, 12, 5);
    m_Host.SetImageSize(100, 93, 16, 11);

    CORVHScroll h;
    h.SetTrackImage(106);
    EXPECT_EQ((std::vector<int>{h.m_nCapStart, h.m_nMiddleLen, h.m_nCapEnd, h.m_nBarSize}),
              (std::vector<int>{8, 50, 9, 14}));
    CORVVScroll v;
    v.SetTrackImage(103);
    EXPECT_EQ((std::vector<int>{v.m_nCapStart, v.m_nMiddleLen, v.m_nCapEnd, v.m_nBarSize}),
              (std::vector<int>{7, 40, 5, 12}));
    v.SetThumbImage(100);
    EXPECT_EQ(v.m_nTrackSize, 11);

    // Frame 0 switches the track off and asks the host nothing.
    m_Host.ClearLog();
    v.SetTrackImage(0);
    v.SetThumbImage(0);
    EXPECT_EQ(v.m_wTrackFrame, 0);
    EXPECT_EQ(v.m_nMiddleLen, 40);
    EXPECT_EQ(m_Host.Count("GetImageSize"), 0);
}

}  // namespace
}  // namespace orv::test
