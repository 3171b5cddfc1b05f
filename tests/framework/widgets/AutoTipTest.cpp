#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/widgets/ToolTipTestSupport.h"

using tips_test::Fill;
using tips_test::Outline;
using tips_test::Text;

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

// One line record of a tip stream, with any font and alignment.
void AppendRawLine(std::string& stream, u32 colour, u16 font, u8 align, const std::string& text)
{
    for (int i = 0; i < 4; ++i) {
        stream.push_back(static_cast<char>(colour >> (8 * i)));
    }
    stream.push_back(static_cast<char>(font & 0xFF));
    stream.push_back(static_cast<char>(font >> 8));
    stream.push_back(static_cast<char>(align));
    stream += text;
    stream.push_back('\0');
}

class AutoTip : public tips_test::OverlayTest {
protected:
    // Renders n frames; returns in how many of them the box was drawn.
    int RenderFrames(int n)
    {
        int drawn = 0;
        for (int i = 0; i < n; ++i) {
            drawn += DrawFrame().empty() ? 0 : 1;
        }
        return drawn;
    }
};

TEST_F(AutoTip, OneNoticeIsCentredAndDrawn)
{
    EXPECT_FALSE(tips.m_bVisible);
    tips.AddText("abc", kWhite, 150);
    EXPECT_TRUE(tips.m_bVisible);
    EXPECT_EQ(tips.m_nAbsX, 412);
    EXPECT_EQ(tips.m_nAbsY, 367);
    EXPECT_EQ(tips.m_nWidth, 200);
    EXPECT_EQ(tips.m_nHeight, 34);

    const std::vector<std::string> expected = {
        Fill(0x80150800, 412, 367, 200, 34),
        Outline(0xF0F09F3F, 412, 367, 200, 34),
        Text(512, 377, "abc", kWhite, 1, 0, 0, 0, 1, 0),
    };
    EXPECT_EQ(DrawFrame(), expected);
}

TEST_F(AutoTip, ShownForItsFramesThenHidden)
{
    struct Case {
        int frames;
        int drawn;
    };
    const Case cases[] = {{150, 149}, {2, 1}, {1, 0}, {0, 0}, {-5, 0}, {INT_MIN, 0}};
    for (const Case& c : cases) {
        tips.AddText("abc", kWhite, c.frames);
        EXPECT_EQ(RenderFrames(c.frames > 0 ? c.frames + 5 : 5), c.drawn) << c.frames;
        EXPECT_TRUE(tips.GetTips().empty()) << c.frames;
        EXPECT_FALSE(tips.m_bVisible) << c.frames;
    }
}

TEST_F(AutoTip, ExpiredNoticeMakesWayForTheNext)
{
    tips.AddText("old", kWhite, 0);
    tips.AddText("new", kWhite, 3);
    EXPECT_EQ(RenderFrames(1), 0);   // the expired one goes
    const std::vector<std::string> drawn = DrawFrame();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[2], Text(512, 377, "new", kWhite, 1, 0, 0, 0, 1, 0));
    EXPECT_EQ(RenderFrames(5), 1);
}

TEST_F(AutoTip, LinesOfAStream)
{
    std::string stream;
    CAutoTip::AppendHeader(stream, 10, 3, 0);
    AppendRawLine(stream, 0xFFFF0000, 7, 3, "ab\ncd");     // font 7 becomes 1; align 3 draws centred
    AppendRawLine(stream, 0xFF00FF00, 2, 2, "wxyz");
    AppendRawLine(stream, 0xFF0000FF, 1, 0, "");
    tips.Add(stream);
    ASSERT_EQ(tips.GetTips().size(), 1u);
    const std::vector<AutoTipLine> lines = {
        {"ab", 0xFFFF0000, 1, 3},
        {"cd", 0xFFFF0000, 1, 3},
        {"wxyz", 0xFF00FF00, 2, 2},
        {"", 0xFF0000FF, 1, 0},
    };
    EXPECT_EQ(tips.GetTips().front().m_vLines, lines);
    EXPECT_EQ(tips.m_nHeight, 4 * 14 + 20);

    const int x = tips.m_nAbsX;
    const int y = tips.m_nAbsY;
    const std::vector<std::string> expected = {
        Fill(0x80150800, x, y, 200, 76),
        Outline(0xF0F09F3F, x, y, 200, 76),
        Text(x + 100, y + 10, "ab", 0xFFFF0000, 1, 0, 0, 0, 1, 0),
        Text(x + 100, y + 24, "cd", 0xFFFF0000, 1, 0, 0, 0, 1, 0),
        Text(x + 200, y + 38, "wxyz", 0xFF00FF00, 2, 0, 0, 0, 2, 0),
        Text(x, y + 52, "", 0xFF0000FF, 0, 0, 0, 0, 1, 0),
    };
    EXPECT_EQ(DrawFrame(), expected);
}

TEST_F(AutoTip, BoxSize)
{
    struct Case {
        std::string text;
        int width, height;
    };
    const Case cases[] = {
        {"abc", 200, 34},                      // a short text gets the smallest box
        {"A\nB", 200, 48},                     // one line break: two lines
        {std::string(40, 'x'), 248, 34},       // 6 px a byte + 8
        {std::string(5000, 'x'), 30008, 34},   // any length is read whole
    };
    for (const Case& c : cases) {
        tips.AddText(c.text, kWhite, 150);
        EXPECT_EQ(tips.m_nWidth, c.width) << c.text.size();
        EXPECT_EQ(tips.m_nHeight, c.height) << c.text.size();
        EXPECT_EQ(tips.m_nAbsX, (1024 - c.width) / 2);
        EXPECT_EQ(tips.m_nAbsY, (768 - c.height) / 2);
        tips.Next();
    }
}

TEST_F(AutoTip, SameNoticeInARowShowsOnce)
{
    tips.AddText("A", kWhite, 150);
    tips.AddText("A", kWhite, 150);
    tips.AddText("A", kWhite, 300);      // the frame count is not compared
    EXPECT_EQ(tips.GetTips().size(), 1u);

    tips.AddText("B", kWhite, 150);
    tips.AddText("A", kWhite, 150);
    tips.AddText("A", 0xFFFFFF00, 150);  // another colour is another notice
    std::string kind1;
    CAutoTip::AppendHeader(kind1, 150, 1, 1);
    CAutoTip::AppendLine(0xFFFFFF00, kind1, "A");
    tips.Add(kind1);                      // and so is another kind
    ASSERT_EQ(tips.GetTips().size(), 5u);

    const std::vector<std::string> drawn = DrawFrame();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[3], Text(414, 369, "5", kWhite, 0, 0, 0, 0, 1, 0));   // box + (2, 2)
}

TEST_F(AutoTip, HoverStopsTheCount)
{
    tips.AddText("abc", kWhite, 5);
    EXPECT_TRUE(orv::test::MouseMove(500, 380));
    EXPECT_TRUE(tips.IsHover());
    EXPECT_EQ(RenderFrames(300), 300);

    // Off the box onto nothing that takes the move: still the hover control, still paused.
    EXPECT_FALSE(orv::test::MouseMove(10, 10));
    EXPECT_TRUE(tips.IsHover());
    EXPECT_EQ(RenderFrames(10), 10);

    CtrlMgr().SetHoverControl(nullptr);
    EXPECT_EQ(RenderFrames(10), 4);
}

// Clicks on the box skip or drop the notices and never reach the windows under it.
TEST_F(AutoTip, LeftClickSkipsRightClickDropsAll)
{
    auto* under = new CORVControl;
    MainWnd().AddChild(under, false);
    under->CreateAt(&MainWnd(), 0, 0, 800, 600);
    for (const char* text : {"1", "2", "3", "4", "5", "6"}) {
        tips.AddText(text, kWhite, 150);
    }
    EXPECT_TRUE(orv::test::LClick(512, 384));
    ASSERT_EQ(tips.GetTips().size(), 5u);
    EXPECT_EQ(tips.GetTips().front().m_vLines[0].m_strText, "2");

    EXPECT_TRUE(orv::test::RClick(512, 384));
    EXPECT_TRUE(tips.GetTips().empty());
    EXPECT_FALSE(tips.m_bVisible);
    EXPECT_EQ(RenderFrames(1), 0);
    EXPECT_TRUE(under->m_MsgQueue.GetPendingCount() == 0 && MainWnd().m_MsgQueue.GetPendingCount() == 0);

    // A hidden box takes no click: it goes on to the window under it.
    EXPECT_TRUE(orv::test::LClick(512, 384));
    EXPECT_EQ(MainWnd().m_MsgQueue.GetPendingCount(), 1u);
}


// Mutated copies of valid streams (fixed seed): bytes flipped, counts and lengths corrupted,
// streams cut short or run on. Whatever is accepted is drawn; nothing reads outside the stream.
TEST_F(AutoTip, MutatedStreamsNeverReadOutsideTheirBytes)
{
    std::string valid;
    CAutoTip::AppendHeader(valid, 3, 3, 1);
    CAutoTip::AppendLine(kWhite, valid, "一行");
    AppendRawLine(valid, 0xFFFF0000, 2, 0, "second\nthird");
    AppendRawLine(valid, 0xFF00FF00, 7, 9, "");
    std::mt19937 rng(20261210);
    for (int round = 0; round < 400; ++round) {
        std::string stream = valid;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = rng() % stream.size();
            switch (rng() % 4) {
            case 0: stream[at] = static_cast<char>(rng()); break;                 // any byte
            case 1: stream[at] = static_cast<char>(0xFF); break;                  // large counts
            case 2: stream.resize(at); break;                                     // cut short
            default: stream.insert(at, 1, static_cast<char>(0x80 + rng() % 0x80)); break;  // lone lead
            }
            if (stream.empty()) {
                break;
            }
        }
        // An exact-size heap copy: a read past the last byte is seen by the address sanitizer.
        const std::vector<unsigned char> bytes(stream.begin(), stream.end());
        tips.Add(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (round % 10 == 0) {
            RenderFrames(1);
        }
    }
    RenderFrames(5);
    SUCCEED();
}

}  // namespace
