// The widgets as OrvaneDemo draws and configures them: the renderer calls of scroll bars, the
// drop-down list and the edit field through the recording stand-in, and where this build's rules
// differ from Orvane's (edit keys and byte widths, text placement, the radio group's row).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildProfile.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "glimmer/GlimmerTest.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;
using Ints = std::vector<long long>;

constexpr long long kWhite = 0xFFFFFFFF;

class CNoteWnd : public CORVWindow {
public:
    bool OnMessage(ORVMsg* msg) override
    {
        m_vIds.push_back(msg->m_nId);
        return true;
    }
    std::vector<u32> m_vIds;
};

// A 400 x 300 window at (10, 20) on the main window at the screen's corner.
class EngineWidgetsTest : public BothBuildsTest {
protected:
    EngineWidgetsTest()
    {
        glimmer_test::Reset();
        m_pWnd = new CNoteWnd();
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), 10, 20, 400, 300);
        m_pWnd->SetPos(10, 20);   // windows centre themselves when created
    }
    ~EngineWidgetsTest() override { glimmer_test::Reset(); }

    // The calls one draw makes: op and integer arguments (floats checked where they matter).
    template <class F>
    static std::vector<glimmer_test::Call> Draws(F draw)
    {
        glimmer_test::ClearTrace();
        draw();
        return glimmer_test::Trace();
    }
    static std::vector<std::string> Formatted(const std::vector<glimmer_test::Call>& calls)
    {
        std::vector<std::string> out;
        for (const glimmer_test::Call& c : calls) {
            out.push_back(glimmer_test::Format(c));
        }
        return out;
    }
    std::vector<u32> Pump()
    {
        m_pWnd->m_vIds.clear();
        m_pWnd->PumpPostedMessages();
        return m_pWnd->m_vIds;
    }

    CNoteWnd* m_pWnd = nullptr;
};

std::string Texture(int x, int y, int id, int group)
{
    return "DrawTexture(" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(id) + ", " +
           std::to_string(group) + ", 4294967295, 1)";
}
std::string Zoom(int x, int y, int id, int group, const char* sx, const char* sy)
{
    return "DrawTextureZoom(" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(id) + ", " +
           std::to_string(group) + ", 4294967295, 1, 0, " + sx + ", " + sy + ")";
}

// ---- Scroll bars ----

TEST_F(EngineWidgetsTest, ScrollBarsDrawTrackAndThumbOfGroupThreeAndPumpNothing)
{
    auto* v = new CORVVScroll();
    m_pWnd->AddChild(v, false);
    v->CreateBar(m_pWnd, 190, 280, 100);   // (200, 300) on the screen
    EXPECT_EQ(v->m_nWidth, 18);
    EXPECT_EQ(v->m_nHeight, 100);
    v->SetRange(50);
    v->SetPos(10);
    auto* h = new CORVHScroll();
    m_pWnd->AddChild(h, false);
    h->CreateBar(m_pWnd, 290, 280, 80);    // (300, 300)
    EXPECT_EQ(h->m_nHeight, 18);

    struct Case {
        CORVScroll* bar;
        int range;
        int pos;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        // Track offset (18 - 10) / 2 across; thumb 6 + trunc(88 x 10 / 50) - 9 along.
        {v, 50, 10, {Zoom(204, 300, 5, 3, "1", "1"), Texture(204, 300, 4, 3), Texture(204, 394, 6, 3),
                     Texture(200, 314, 1, 3)}},
        {v, 50, 50, {Zoom(204, 300, 5, 3, "1", "1"), Texture(204, 300, 4, 3), Texture(204, 394, 6, 3),
                     Texture(200, 385, 1, 3)}},
        // Range 0: no thumb. The horizontal middle stretches 80 / 100 along x.
        {h, 0, 0, {Zoom(300, 304, 8, 3, "0.8", "1"), Texture(300, 304, 7, 3), Texture(374, 304, 9, 3)}},
        {h, 4, 1, {Zoom(300, 304, 8, 3, "0.8", "1"), Texture(300, 304, 7, 3), Texture(374, 304, 9, 3),
                   Texture(300 + 6 + 17 - 9, 300, 1, 3)}},
    };
    for (const Case& c : cases) {
        c.bar->SetRange(c.range);
        c.bar->SetPos(c.pos);
        // A message waiting in the bar's own queue stays there: Render only draws.
        ORVMsg waiting(77, 0);
        c.bar->m_MsgQueue.PostMessage(waiting, 0);
        EXPECT_EQ(Formatted(Draws([&] { c.bar->Render(); })), c.calls);
        EXPECT_EQ(c.bar->m_MsgQueue.GetPendingCount(), 1u);
        c.bar->m_MsgQueue.Clear();
    }
    EXPECT_EQ(Pump(), std::vector<u32>(3, kNotifyScroll));   // v to 10 and 50, h to 1

    // The track length times the position, then divided: 22 x 15 / 22 is 15 exactly (22 x (15 / 22)
    // would truncate to 14).
    auto* exact = new CORVHScroll();
    m_pWnd->AddChild(exact, false);
    exact->CreateBar(m_pWnd, 0, 0, 6 + 22 + 6);
    exact->m_nRange = 22;
    exact->m_nPos = 15;
    EXPECT_EQ(exact->GetLook().nThumbAlong, 6 + 15 - 9);

    // Image sizes from the renderer: the thumb's height is its size; the track's caps and middle.
    glimmer_test::RegisterTexture(3, 20, 14, 12);
    v->SetThumbImage(20);
    EXPECT_EQ(v->m_wThumbFrame, 20);
    EXPECT_EQ(v->m_nTrackSize, 12);
    glimmer_test::RegisterTexture(3, 30, 16, 5);
    glimmer_test::RegisterTexture(3, 31, 16, 50);
    glimmer_test::RegisterTexture(3, 32, 16, 7);
    v->SetTrackImage(30);
    EXPECT_EQ(v->m_nBarSize, 16);
    EXPECT_EQ(v->m_nCapStart, 5);
    EXPECT_EQ(v->m_nMiddleLen, 50);
    EXPECT_EQ(v->m_nCapEnd, 7);
}

// ---- Drop-down list ----

TEST_F(EngineWidgetsTest, DropDownDrawsFaceArrowTextAndTheOpenListWithItsHoverOutline)
{
    auto* choice = new CORVChoice();
    m_pWnd->AddChild(choice, false);
    choice->CreateBox(m_pWnd, 90, 80, 120);   // (100, 100) on the screen
    choice->AddItem("ab", 0xFFFF0000, 1);     // centred: (120 - 12) / 2
    choice->AddItem("c", 0xFF00FF00, 2);
    choice->AddItem("d", 0xFF0000FF, 0);
    const std::vector<std::string> face = {Zoom(100, 100, 11, 3, "1.2", "1"), Texture(95, 100, 10, 3),
                                           Texture(220, 100, 12, 3), Texture(206, 103, 15, 2),
                                           "DrawTextA(154, 105, 4294901760, 12, 0, 0, \"ab\")"};
    EXPECT_EQ(Formatted(Draws([&] { choice->OnDraw(); })), face);

    choice->DropDown();
    ASSERT_FALSE(choice->m_bUpward);
    choice->m_nHover = 1;
    std::vector<std::string> open = face;
    open.push_back("DrawFillRect(100, 122, 120, 54, 2600468479)");
    open.push_back("DrawRectangle(2592957285, 100, 140, 220, 158, 1)");
    open.push_back("DrawTextA(154, 125, 4294901760, 12, 0, 0, \"ab\")");
    open.push_back("DrawTextA(214, 143, 4278255360, 12, 0, 0, \"c\")");
    open.push_back("DrawTextA(100, 161, 4278190335, 12, 0, 0, \"d\")");
    EXPECT_EQ(Formatted(Draws([&] { choice->OnDraw(); })), open);
    choice->CloseList();

    // Near the window's bottom the list opens upward: the face stays at the bottom of the control.
    choice->SetPos(90, 260);
    choice->m_nClosedY = 260;
    choice->DropDown();
    ASSERT_TRUE(choice->m_bUpward);
    const std::vector<glimmer_test::Call> up = Draws([&] { choice->OnDraw(); });
    ASSERT_GE(up.size(), 6u);
    EXPECT_EQ(glimmer_test::Format(up[1]), Texture(95, 280, 10, 3));   // 20 + 260, face at the bottom
    EXPECT_EQ(glimmer_test::Format(up[5]), "DrawFillRect(100, 226, 120, 54, 2600468479)");
    choice->CloseList();

    // Past 15 items the list's bar joins the back of the children at width - 16.
    for (int i = 0; i < 14; ++i) {
        choice->AddItem("more", 0xFFFFFFFF, 0);
    }
    choice->SetPos(90, 0);
    choice->m_nClosedY = 0;
    auto* marker = new CORVControl();
    choice->AddChild(marker, false);   // a child of its own, before the bar comes
    choice->DropDown();
    ASSERT_NE(choice->m_pScroll, nullptr);
    EXPECT_EQ(choice->m_lstChildren.back(), choice->m_pScroll);
    EXPECT_EQ(choice->m_pScroll->m_nX, 120 - 16);
    EXPECT_EQ(choice->m_pScroll->m_nRange, 2);
}

// ---- Edit field ----

TEST_F(EngineWidgetsTest, EditKeysWithoutAnActionGoOnAndTheFieldTellsOnlyEnter)
{
    auto* edit = new CORVEdit();
    m_pWnd->AddChild(edit, false);
    edit->CreateEdit(m_pWnd, 12, 0xFFFF0000, 0, 20, 30, 120, 16);
    for (char c : std::string("ab")) {
        EXPECT_TRUE(Char(c));
    }
    KeyDown(0x08);
    struct Key {
        int vk;
        bool handled;
    };
    for (const Key& k : {Key{0x26, false}, Key{0x28, false}, Key{0x70, false}, Key{'Q', false}, Key{0x25, true},
                         Key{'A', true}, Key{0x0D, true}}) {
        EXPECT_EQ(edit->OnKeyDown(0, k.vk), k.handled) << k.vk;
    }
    EXPECT_EQ(Pump(), std::vector<u32>{kNotifyEditEnter});   // typing and deleting tell nothing
    // A double click selects everything and tells nothing.
    edit->SetText("abc");
    EXPECT_TRUE(edit->OnLButtonDblClk(5, 5));
    EXPECT_EQ(edit->m_nSelEnd, 3);
    EXPECT_TRUE(Pump().empty());
}

TEST_F(EngineWidgetsTest, EditCountsPairsLedByFFEightPixelsAByteAndWalksItsWindowOverThem)
{
    auto* edit = new CORVEdit();
    m_pWnd->AddChild(edit, false);
    edit->CreateEdit(m_pWnd, 12, 0xFFFFFFFF, 0, 20, 30, 40, 16);
    const std::string ff = "\xFF\xA1";
    edit->SetText(("a" + ff + "b").c_str());
    EXPECT_EQ(edit->m_vFlags, (std::vector<u8>{0x00, 0x20, 0x21, 0x00}));
    EXPECT_EQ(edit->m_nCaretX, 6 + 16 + 6);
    KeyDown(0x25);
    KeyDown(0x25);
    EXPECT_EQ(edit->m_nCaret, 1);   // over the pair
    EXPECT_EQ(edit->m_nCaretX, 6);
    // 40 px hold "a", the pair and "b" (28) and a little more: typing on moves the window right
    // and never starts it on a second byte.
    KeyDown(0x23);
    for (char c : std::string("cdef")) {
        Char(c);
    }
    EXPECT_EQ(edit->m_nEndVisible, 8);
    EXPECT_EQ(edit->RangeWidth(edit->m_nFirstVisible, edit->m_nEndVisible) <= 40, true);
    EXPECT_NE(edit->GetCharFlag(edit->m_nFirstVisible), 0x21);
    EXPECT_EQ(edit->m_nFirstVisible, 3);   // "b c d e f" is 30 px; with the pair's 16 it would pass 40
}

TEST_F(EngineWidgetsTest, EditPlacesItsTextByTheAlignmentFlagsAndDrawsFrameSelectionTextAndCaret)
{
    auto* edit = new CORVEdit();
    m_pWnd->AddChild(edit, false);
    m_Fake.m_dwTick = 500;   // an odd half-second: the caret shows
    struct Case {
        u32 flags;
        int x;   // text position on the screen for "abcd" (24 px) in a 100 x 20 field at (30, 50)
        int y;
    };
    const Case cases[] = {
        {0, 30, 58},          // left, bottom (50 + 20 - 12)
        {0x40, 68, 54},       // centred both ways
        {0x2, 68, 58},        {0x4, 106, 58},     {0x1 | 0x4, 30, 58},   // flag 1 forces left
        {0x8, 30, 50},        {0x10, 30, 54},     {0x20, 30, 58},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        edit->CreateEdit(m_pWnd, 12, 0xFFFF0000, c.flags, 20, 30, 100, 20);
        edit->SetText("abcd");
        const std::vector<std::string> calls = Formatted(Draws([&] { edit->OnDraw(); }));
        const std::vector<std::string> expect = {
            Zoom(30, 50, 11, 3, "1", "1"), Texture(26, 50, 10, 3), Texture(129, 50, 12, 3),
            "DrawTextA8(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ", 4294901760, 12, 0, 0, 0, \"abcd\")",
            "DrawTextA(" + std::to_string(c.x + 24 - 4) + ", " + std::to_string(c.y) +
                ", 4287456101, 12, 0, 0, \"|\")"};
        EXPECT_EQ(calls, expect);
    }

    // A selection is filled from the field's left edge; password mode draws asterisks; an empty
    // text draws only the caret; without the focus no caret and the selection goes.
    edit->CreateEdit(m_pWnd, 12, 0xFFFF0000, 0x2, 20, 30, 100, 20);
    edit->SetText("abcd");
    edit->m_bPassword = 1;
    edit->OnLButtonDblClk(1, 1);
    std::vector<std::string> calls = Formatted(Draws([&] { edit->OnDraw(); }));
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[3], "DrawFillRect(30, 50, 24, 20, 4010288235)");
    EXPECT_EQ(calls[4], "DrawTextA8(68, 58, 4294901760, 12, 0, 0, 0, \"****\")");
    edit->SetText("");
    calls = Formatted(Draws([&] { edit->OnDraw(); }));
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3], "DrawTextA(76, 58, 4287456101, 12, 0, 0, \"|\")");   // 30 + 50 - 4
    m_Fake.m_dwTick = 1000;
    EXPECT_EQ(Draws([&] { edit->OnDraw(); }).size(), 3u);
}

// ---- Radio group ----

TEST_F(EngineWidgetsTest, RadioGroupLaysOneRowAndSelectsOnlyOnAClick)
{
    glimmer_test::RegisterTexture(2, 100, 50, 20);
    glimmer_test::RegisterTexture(2, 103, 50, 20);
    glimmer_test::RegisterTexture(2, 106, 50, 20);
    struct Case {
        int step;
        bool same;
        std::vector<int> xs;
        std::vector<int> frames;
        int width;
    };
    const Case cases[] = {
        {60, false, {0, 60, 120}, {100, 103, 106}, 170},
        {-60, false, {0, -60, -120}, {100, 103, 106}, -70},   // to the left; a group that cannot be hit
        {60, true, {0, 60, 120}, {100, 100, 100}, 170},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        auto* group = new CORVRadioGroup();
        m_pWnd->AddChild(group, false);
        ASSERT_TRUE(group->CreateGroup(m_pWnd, 200, 50, 100, 3, 2, c.step, c.same));
        EXPECT_EQ(group->m_nCurSel, 0);   // until the first click, whatever was latched
        ASSERT_EQ(group->m_vItems.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(group->m_vItems[i]->m_nX, c.xs[i]);
            EXPECT_EQ(group->m_vItems[i]->m_nY, 0);
            EXPECT_EQ(group->m_vItems[i]->m_wFrame, c.frames[i]);
            EXPECT_EQ(group->m_vItems[i]->m_nLatch, i == 2 ? 2u : 0u);
        }
        EXPECT_EQ(group->m_nWidth, c.width);
        EXPECT_EQ(group->m_nHeight, 20);
        m_pWnd->DeleteChild(group);
    }
}

}  // namespace
