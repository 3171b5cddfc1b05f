// Scroll bars through the recording host and real input: positions and their notifications, the
// single-precision press arithmetic, drags, right presses, the wheel, track images and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/WidgetTestSupport.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

class ScrollTest : public WidgetTest {
protected:

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

};

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
