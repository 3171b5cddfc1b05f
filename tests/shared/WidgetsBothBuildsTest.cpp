// Widget logic that is the same in both builds, compiled into both test programs with each build's
// profile: scroll-bar positions and their notifications, drop-down rows, the edit field's text
// engine and the radio group's latching, through real input. Drawing is each build's own.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "BuildProfile.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "shared/BothBuildsFixture.h"
#include "shared/EditChecks.h"

namespace {

using namespace orv::test;

const std::string kZhong = "中";   // D6 D0

// A window that keeps the notifications its children post to it: id, first parameter, sender.
class CNoteWnd : public CORVWindow {
public:
    bool OnMessage(ORVMsg* msg) override
    {
        m_vNotes.push_back({msg->m_nId, msg->m_wParam, msg->m_pSender});
        return true;
    }
    struct Note {
        u32 id;
        u32 p1;
        CORVControl* sender;
    };
    std::vector<Note> m_vNotes;
};

// A 400 x 300 window at (10, 20) in the main window (which sits at the screen's corner).
class WidgetsBothBuildsTest : public BothBuildsTest {
protected:
    static constexpr int kWndX = 10;
    static constexpr int kWndY = 20;

    WidgetsBothBuildsTest()
    {
        m_pWnd = new CNoteWnd();
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), kWndX, kWndY, 400, 300);
        m_pWnd->SetPos(kWndX, kWndY);   // where a build centres new windows
    }

    // One frame: the manager's due messages, then the tree (which pumps every queue).
    static void Frame()
    {
        CtrlMgr().RouteDueMessages();
        MainWnd().Render();
    }
    // The notifications (id, p1) of one id (or every id) that reached the window by the next frame.
    std::vector<std::pair<u32, u32>> Notified(int id = -1)
    {
        Frame();
        std::vector<std::pair<u32, u32>> out;
        for (const CNoteWnd::Note& n : m_pWnd->m_vNotes) {
            if (id < 0 || n.id == static_cast<u32>(id)) {
                out.emplace_back(n.id, n.p1);
            }
        }
        m_pWnd->m_vNotes.clear();
        return out;
    }
    std::vector<u32> Positions()
    {
        std::vector<u32> out;
        for (auto [id, p1] : Notified(static_cast<int>(kNotifyScroll))) {
            out.push_back(p1);
        }
        return out;
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
    CORVChoice* AddChoice(int x, int y, int width, int items)
    {
        auto* choice = new CORVChoice();
        m_pWnd->AddChild(choice, false);
        choice->CreateBox(m_pWnd, x, y, width);
        for (int i = 0; i < items; ++i) {
            choice->AddItem("item" + std::to_string(i), 0xFF000000u + i, static_cast<u32>(i % 3));
        }
        return choice;
    }
    CORVEdit* AddEdit(int width = 120)
    {
        auto* edit = new CORVEdit();
        m_pWnd->AddChild(edit, false);
        edit->CreateEdit(m_pWnd, 1, 0xFFFFFFFF, 0, 20, 30, width, 14);
        return edit;
    }
    static void Type(const std::string& bytes)
    {
        for (unsigned char c : bytes) {
            Char(c);
        }
    }
    void ShiftKey(int vk)
    {
        m_Fake.SetKeyDown(VK_SHIFT, true);
        KeyDown(vk);
        m_Fake.SetKeyDown(VK_SHIFT, false);
    }
    void CtrlKey(int vk)
    {
        m_Fake.SetKeyDown(VK_CONTROL, true);
        KeyDown(vk);
        m_Fake.SetKeyDown(VK_CONTROL, false);
    }

    CNoteWnd* m_pWnd = nullptr;
};

// ---- Scroll bars ----

TEST_F(WidgetsBothBuildsTest, ScrollPositionIsClampedAndEachChangeIsNotifiedOnce)
{
    auto* bar = AddBar<CORVHScroll>(0, 0, 100, 10);
    EXPECT_TRUE(Positions().empty());
    struct Step {
        const char* name;
        int setPos;   // -1000: SetRange(range) instead
        int range;
        int pos;
        std::vector<u32> notified;
    };
    const Step steps[] = {
        {"below 0 gives 0, unchanged", -5, 0, 0, {}},
        {"inside", 4, 0, 4, {4}},
        {"same position", 4, 0, 4, {}},
        {"beyond the range gives the range", 1000, 0, 10, {10}},
        {"shrinking the range clamps and notifies", -1000, 6, 6, {6}},
        {"negative range is 0", -1000, -5, 0, {0}},
        {"range 0 again posts nothing", -1000, 0, 0, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.setPos == -1000) {
            bar->SetRange(s.range);
        } else {
            bar->SetPos(s.setPos);
        }
        EXPECT_EQ(bar->m_nPos, s.pos);
        EXPECT_EQ(Positions(), s.notified);
    }
}

TEST_F(WidgetsBothBuildsTest, ScrollPressRoundsInSinglePrecisionDragsWhileCapturedAndRightPressSteps)
{
    struct Case {
        int length, range, at, pos;
    };
    const Case cases[] = {
        {100, 5, 50, 3},    // 2.5 rounds up
        {100, 10, 44, 4},
        {100, 10, 99, 10},  // 9.9
        {22, 11, 13, 6},    // 13 / 22 x 11 is 6.4999995 in single precision, 6.5 exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        auto* h = AddBar<CORVHScroll>(0, 0, c.length, c.range);
        LButtonDown(kWndX + c.at, kWndY + 5);
        EXPECT_EQ(CtrlMgr().m_pCapture, h);
        LButtonUp(kWndX + c.at, kWndY + 5);
        EXPECT_EQ(h->m_nPos, c.pos);
        m_pWnd->DeleteChild(h);
        auto* v = AddBar<CORVVScroll>(0, 0, c.length, c.range);
        LButtonDown(kWndX + 5, kWndY + c.at);
        LButtonUp(kWndX + 5, kWndY + c.at);
        EXPECT_EQ(v->m_nPos, c.pos);
        m_pWnd->DeleteChild(v);
    }
    Positions();

    auto* bar = AddBar<CORVVScroll>(0, 0, 100, 20);
    MouseMove(kWndX + 5, kWndY + 50);
    EXPECT_EQ(bar->m_nPos, 0);   // not captured
    LButtonDown(kWndX + 5, kWndY + 10);
    MouseMove(kWndX + 5, kWndY + 50);
    MouseMove(kWndX + 5, kWndY + 150);   // past the end: the position stays
    EXPECT_EQ(bar->m_nPos, 10);
    LButtonUp(kWndX + 5, kWndY + 150);
    MouseMove(kWndX + 5, kWndY + 30);
    EXPECT_EQ(Positions(), (std::vector<u32>{2, 10}));

    RButtonDown(kWndX + 5, kWndY + 80);   // target 16: one forward
    EXPECT_EQ(bar->m_nPos, 11);
    RButtonDown(kWndX + 5, kWndY + 55);   // target 11, equal: one back
    EXPECT_EQ(bar->m_nPos, 10);
}

TEST_F(WidgetsBothBuildsTest, WheelNotchTowardTheUserMovesForwardByTheStepAndRangeZeroIgnoresIt)
{
    auto* bar = AddBar<CORVVScroll>(0, 0, 100, 40);
    bar->m_nStep = 3;
    MouseMove(kWndX + 5, kWndY + 50);
    Wheel(-240);
    EXPECT_EQ(bar->m_nPos, 6);
    Wheel(120);
    EXPECT_EQ(bar->m_nPos, 3);
    Wheel(-60);   // less than a notch
    EXPECT_EQ(bar->m_nPos, 3);
    EXPECT_EQ(Positions(), (std::vector<u32>{6, 3}));
    bar->SetRange(0);
    Positions();
    Wheel(-120);
    EXPECT_EQ(bar->m_nPos, 0);
    EXPECT_TRUE(Positions().empty());
}

// ---- Drop-down rows ----

TEST_F(WidgetsBothBuildsTest, DropDownOpensDownOrUpByTheRoomAndGetsABarPastTheRowLimit)
{
    const int listH = kChoiceMaxRows * kChoiceRowHeight;
    struct Case {
        int items;
        int y;
        bool upward;
        int range;   // -1: no bar
    };
    const Case cases[] = {
        {3, 300 - kChoiceClosedHeight - 3 * kChoiceRowHeight, false, -1},   // exactly room below
        {3, 300 - kChoiceClosedHeight - 3 * kChoiceRowHeight + 1, true, -1},
        {kChoiceMaxRows, 0, false, -1},
        {kChoiceMaxRows + 5, 0, false, 5},
        {kChoiceMaxRows + 1, 290 - kChoiceClosedHeight, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.items << " items at " << c.y);
        CORVChoice* choice = AddChoice(10, c.y, 120, c.items);
        const int rowsH = std::min(c.items, kChoiceMaxRows) * kChoiceRowHeight;
        choice->DropDown();
        ASSERT_TRUE(choice->m_bOpen);
        EXPECT_EQ(choice->m_bUpward, c.upward ? 1 : 0);
        EXPECT_EQ(choice->m_nY, c.upward ? c.y - rowsH : c.y);
        EXPECT_EQ(choice->m_nHeight, kChoiceClosedHeight + rowsH);
        choice->DropDown();   // open: nothing
        EXPECT_EQ(choice->m_nHeight, kChoiceClosedHeight + rowsH);
        if (c.range < 0) {
            EXPECT_EQ(choice->m_pScroll, nullptr);
        } else {
            ASSERT_NE(choice->m_pScroll, nullptr);
            EXPECT_EQ(choice->m_pScroll->m_nRange, c.range);
            EXPECT_EQ(choice->m_pScroll->m_nX, 120 - kChoiceScrollRight);
            EXPECT_EQ(choice->m_pScroll->m_nY, c.upward ? 0 : kChoiceClosedHeight);
            EXPECT_EQ(choice->m_pScroll->m_nWidth, kScrollBarSize);
            EXPECT_EQ(choice->m_pScroll->m_nHeight, listH);
            EXPECT_EQ(kChoiceScrollAtFront ? choice->m_lstChildren.front() : choice->m_lstChildren.back(),
                      choice->m_pScroll);
        }
        choice->CloseList();
        EXPECT_FALSE(choice->m_bOpen);
        EXPECT_EQ(choice->m_nY, c.y);
        EXPECT_EQ(choice->m_nHeight, kChoiceClosedHeight);
        EXPECT_EQ(choice->m_pScroll, nullptr);
        EXPECT_TRUE(choice->m_lstChildren.empty());
        m_pWnd->DeleteChild(choice);
    }
    CORVChoice orphan;   // without a parent nothing opens
    orphan.AddItem("a", 0xFFFFFFFF, 0);
    orphan.DropDown();
    EXPECT_FALSE(orphan.m_bOpen);
}

TEST_F(WidgetsBothBuildsTest, DropDownClicksNotifyTheBoxAndTheRowPlusTheBarsPosition)
{
    CORVChoice* choice = AddChoice(10, 0, 120, kChoiceMaxRows + 5);
    const int x = kWndX + 10 + 30;
    const int y = kWndY;
    LClick(x, y + 5);   // the closed box
    EXPECT_EQ(Notified(), (std::vector<std::pair<u32, u32>>{{kNotifyChoiceDrop, 0}, {kNotifyLeftClick, 0}}));
    choice->DropDown();

    const int c = kChoiceClosedHeight;
    const int r = kChoiceRowHeight;
    const std::pair<int, int> hovers[] = {{c, -1}, {c + 1, 0}, {c + r - 1, 0}, {c + r, 1}, {c + kChoiceMaxRows * r - 1,
                                                                                              kChoiceMaxRows - 1},
                                          {5, -1}};
    for (auto [ly, row] : hovers) {
        MouseMove(x, y + ly);
        EXPECT_EQ(choice->m_nHover, row) << ly;
    }
    Wheel(-240);   // passed on to the list's bar
    ASSERT_NE(choice->m_pScroll, nullptr);
    EXPECT_EQ(choice->m_pScroll->m_nPos, 2);
    Notified();

    MouseMove(x, y + c + 2 * r + 5);   // row 2, item 4
    LClick(x, y + c + 2 * r + 5);
    std::vector<std::pair<u32, u32>> got = Notified();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0], (std::pair<u32, u32>{kNotifyChoiceSelect, 4}));
    for (int index : {-1, kChoiceMaxRows + 5}) {
        choice->SetCurSel(index);
        EXPECT_EQ(choice->m_nCurSel, 0);
        EXPECT_TRUE(choice->m_bOpen);
    }
    choice->SetCurSel(static_cast<int>(got[0].second));
    EXPECT_EQ(choice->m_nCurSel, 4);
    EXPECT_FALSE(choice->m_bOpen);
}

TEST_F(WidgetsBothBuildsTest, DropDownOpenedUpwardCountsHoverRowsFromTheListsTop)
{
    const int r = kChoiceRowHeight;
    CORVChoice* choice = AddChoice(10, 300 - kChoiceClosedHeight, 120, 3);
    choice->DropDown();
    ASSERT_TRUE(choice->m_bUpward);
    const int x = kWndX + 10 + 30;
    const int top = kWndY + choice->m_nY;
    // Local y over the list (rows 0..2 from its top edge), its first pixel line and the box below.
    const std::pair<int, int> hovers[] = {{1, 0}, {r - 1, 0}, {r, 1}, {2 * r, 2}, {3 * r - 1, 2}, {0, -1}, {3 * r + 5, -1}};
    for (auto [ly, row] : hovers) {
        MouseMove(x, top + ly);
        EXPECT_EQ(choice->m_nHover, row) << ly;
    }
}

TEST_F(WidgetsBothBuildsTest, DropDownStaysOpenOverItsOwnBarAndClosesOnLeavingThroughIt)
{
    CORVChoice* choice = AddChoice(10, 0, 120, kChoiceMaxRows + 5);
    const int x = kWndX + 10;
    const int y = kWndY + kChoiceClosedHeight + 40;
    const int onBar = x + 120 - kChoiceScrollRight + 2;
    choice->DropDown();
    MouseMove(x + 30, y);
    EXPECT_EQ(CtrlMgr().m_pHover, choice);
    MouseMove(onBar, y);
    EXPECT_EQ(CtrlMgr().m_pHover, choice->m_pScroll);
    EXPECT_TRUE(choice->m_bOpen);
    MouseMove(x + 30, y);
    EXPECT_TRUE(choice->m_bOpen);
    // Out through the bar: the choice deletes the bar from inside the bar's own leave notice.
    MouseMove(onBar, y);
    MouseMove(x + 200, y);
    EXPECT_FALSE(choice->m_bOpen);
    EXPECT_EQ(choice->m_pScroll, nullptr);
    EXPECT_TRUE(choice->m_lstChildren.empty());
    EXPECT_EQ(CtrlMgr().m_pHover, m_pWnd);
    Frame();

    choice->DropDown();
    MouseMove(x + 30, y);
    MouseMove(x + 200, y);
    EXPECT_FALSE(choice->m_bOpen);
    EXPECT_EQ(choice->m_nHover, -1);
}

// ---- Edit field: the text engine ----

TEST_F(WidgetsBothBuildsTest, EditTakesPairsWholeRefusesControlBytesAndKeepsPairsAtTheLimit)
{
    CORVEdit* edit = AddEdit();
    EXPECT_EQ(CtrlMgr().m_pFocus, edit);
    Type("a" + kZhong);
    ImeText(m_Fake, "b");
    EXPECT_EQ(std::string(edit->GetText()), "a" + kZhong + "b");
    EXPECT_EQ(edit->m_vFlags, (std::vector<u8>{kEditKindSingle, kEditKindLead, kEditKindTrail, kEditKindSingle}));
    for (int c : {0x08, 0x0D, 0x1F, 0x7F}) {
        EXPECT_FALSE(Char(c)) << c;
    }
    // Maximum 4 with three letters: a lead byte is refused (no room for its second byte), and so
    // is that second byte; a letter still fits.
    edit->m_nMaxLen = 4;
    edit->SetText("abc");
    EXPECT_FALSE(Char(0x81));
    EXPECT_FALSE(Char(0x40));
    EXPECT_TRUE(Char('d'));
    EXPECT_FALSE(Char('e'));
    EXPECT_EQ(std::string(edit->GetText()), "abcd");
    edit->SetText("abcde");   // longer than the limit: the old text stays
    EXPECT_EQ(std::string(edit->GetText()), "abcd");

    // A first byte typed alone does not make the next inserted text's first byte its second byte:
    // it leaves the text, which keeps whole characters.
    edit->m_nMaxLen = 20;
    edit->SetText("");
    EXPECT_TRUE(Char(0xB0));
    edit->InsertText("ab");
    EXPECT_EQ(std::string(edit->GetText()), "ab");
    EXPECT_EQ(edit->m_vFlags, (std::vector<u8>{kEditKindSingle, kEditKindSingle}));
}

TEST_F(WidgetsBothBuildsTest, EditCaretSkipsPairsShiftSelectsAndDeletesTakePairsWhole)
{
    CORVEdit* edit = AddEdit();
    Type("a" + kZhong + "b");
    KeyDown(0x25);
    EXPECT_EQ(edit->m_nCaret, 3);
    KeyDown(0x25);
    EXPECT_EQ(edit->m_nCaret, 1);   // over the pair
    KeyDown(0x27);
    EXPECT_EQ(edit->m_nCaret, 3);
    KeyDown(0x24);
    ShiftKey(0x27);
    ShiftKey(0x27);
    EXPECT_EQ(edit->m_nSelAnchor, 0);
    EXPECT_EQ(edit->m_nSelEnd, 3);
    CtrlKey('C');
    EXPECT_EQ(*m_Fake.m_Clipboard, "a" + kZhong);
    Type("x");   // typing replaces the selection
    EXPECT_EQ(std::string(edit->GetText()), "xb");
    edit->SetText(("a" + kZhong).c_str());
    KeyDown(0x08);
    EXPECT_EQ(std::string(edit->GetText()), "a");
    KeyDown(0x24);
    KeyDown(0x2E);
    EXPECT_EQ(std::string(edit->GetText()), "");
    Type("12");
    KeyDown(0x1B);   // Escape empties the field
    EXPECT_EQ(std::string(edit->GetText()), "");
}

TEST_F(WidgetsBothBuildsTest, EditPasteIsCheckedWholeAgainstTheRoomAndTheDigitsRule)
{
    CORVEdit* edit = AddEdit();
    edit->m_bNumber = 1;
    m_Fake.m_Clipboard = "12a";
    CtrlKey('V');
    EXPECT_EQ(std::string(edit->GetText()), "");
    m_Fake.m_Clipboard = "427";
    CtrlKey('V');
    EXPECT_EQ(std::string(edit->GetText()), "427");
    EXPECT_EQ(edit->m_nValue, 427);
    edit->m_nMaxLen = 5;
    CtrlKey('V');   // 3 more bytes do not fit in 2: refused whole
    EXPECT_EQ(std::string(edit->GetText()), "427");
    edit->SetText("99999");
    edit->m_nMaxLen = 20;
    edit->SetText("99999999999999999999");
    EXPECT_EQ(edit->m_nValue, 2147483647);   // saturates
}

TEST_F(WidgetsBothBuildsTest, EditFirstByteLeftWaitingNeverPairsWithALaterByte)
{
    // Pasted between a typed first byte and the caret moving back over the pasted pairs: the
    // waiting byte left when the paste came, so the byte typed at the start stands on its own.
    CORVEdit* edit = AddEdit(60);
    edit->m_nMaxLen = 16;
    const std::string pasted = "\xBE\x59\xD2\x4C\xA5\x58\x86\x31\xFB\x35";
    EXPECT_TRUE(Char(0xF3));
    m_Fake.m_Clipboard = pasted;
    CtrlKey('V');
    EXPECT_EQ(std::string(edit->GetText()), pasted);
    EXPECT_TRUE(Char(0xA2));
    for (int i = 0; i < 6; ++i) {
        KeyDown(0x25);
    }
    EXPECT_EQ(edit->m_nCaret, 0);
    EXPECT_TRUE(Char(0xAB));
    EXPECT_EQ(HalfCharacter(*edit), "");
    EXPECT_EQ(edit->m_strText, "\xAB" + pasted);   // waiting in the text, read without it
    EXPECT_EQ(std::string(edit->GetText()), pasted);
    EXPECT_EQ(edit->m_nFirstVisible, 0);
    EXPECT_TRUE(Char(0xA1));
    EXPECT_EQ(std::string(edit->GetText()), "\xAB\xA1" + pasted);
    EXPECT_EQ(edit->m_vFlags[1], kEditKindTrail);
    EXPECT_EQ(HalfCharacter(*edit), "");

    // Every other action takes the waiting first byte out first; then 'x' is typed. The text is
    // "ab" with the caret after 'a' and 0xB0 typed there.
    const int left = kWndX + 20;
    const int y = kWndY + 30 + 5;
    const struct {
        const char* name;
        std::function<void()> act;
        const char* text;
    } cases[] = {
        {"left", [] { KeyDown(0x25); }, "xab"},
        {"right", [] { KeyDown(0x27); }, "abx"},
        {"home", [] { KeyDown(0x24); }, "xab"},
        {"end", [] { KeyDown(0x23); }, "abx"},
        {"delete", [] { KeyDown(0x2E); }, "ax"},
        {"backspace takes the waiting byte alone", [] { KeyDown(0x08); }, "axb"},
        {"select all", [this] { CtrlKey('A'); }, "x"},
        {"click", [&] { LClick(left + 1, y); }, "xab"},
        {"paste", [this] { m_Fake.m_Clipboard = "cd"; CtrlKey('V'); }, "acdxb"},
        {"paste ending on a first byte", [this] { m_Fake.m_Clipboard = "c\xB1"; CtrlKey('V'); }, "acxb"},
        {"insert", [&] { edit->InsertText("\xB2\xA1"); }, "a\xB2\xA1xb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetText("ab");
        KeyDown(0x24);
        KeyDown(0x27);
        ASSERT_TRUE(Char(0xB0));
        c.act();
        EXPECT_EQ(HalfCharacter(*edit), "");
        Char('x');
        EXPECT_EQ(std::string(edit->GetText()), c.text);
        EXPECT_EQ(HalfCharacter(*edit), "");
    }

    // A first byte refused at the limit drops its second byte, unless the caret moved between.
    edit->m_nMaxLen = 3;
    edit->SetText("ab");
    EXPECT_FALSE(Char(0xB0));
    KeyDown(0x24);
    EXPECT_TRUE(Char('x'));
    EXPECT_EQ(std::string(edit->GetText()), "xab");
}

TEST_F(WidgetsBothBuildsTest, EditReadersSeeWholeCharactersWhateverEndsTheTyping)
{
    // "ab" with 0xB0 typed after 'a': drawn, but never read. Enter and the loss of the focus drop
    // it; a read leaves it waiting for its second byte, and so does a click on a button where
    // buttons take no focus. Then 'x' is typed into the field.
    CORVEdit* edit = AddEdit();
    CORVEdit* other = AddEdit();
    other->SetPos(20, 60);
    auto* button = new CORVButton();
    m_pWnd->AddChild(button, false);
    button->CreateAt(m_pWnd, 200, 30, 40, 20);
    const char* waited = "a\xB0" "xb";   // 0xB0 and 'x' as one pair
    const struct {
        const char* name;
        std::function<void()> act;
        const char* text;
    } cases[] = {
        {"read", [] {}, waited},
        {"enter", [] { KeyDown(0x0D); }, "axb"},
        {"click on a button", [] { LClick(kWndX + 205, kWndY + 35); }, kDefaultFocusable ? "axb" : waited},
        {"click on another field", [] { LClick(kWndX + 25, kWndY + 65); }, "axb"},
        {"focus taken away", [] { CtrlMgr().SetFocusControl(nullptr); }, "axb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetFocus();
        edit->SetText("ab");
        KeyDown(0x24);
        KeyDown(0x27);
        ASSERT_TRUE(Char(0xB0));
        EXPECT_STREQ(edit->CopyShownText(), "a\xB0" "b");
        EXPECT_STREQ(edit->GetText(), "ab");
        c.act();
        EXPECT_STREQ(edit->GetText(), "ab");
        EXPECT_EQ(HalfCharacter(*edit), "");
        Notified();
        edit->SetFocus();
        Char('x');
        EXPECT_STREQ(edit->GetText(), c.text);
        EXPECT_EQ(HalfCharacter(*edit), "");
    }
}

// ---- Radio group ----

TEST_F(WidgetsBothBuildsTest, RadioClickLatchesOnlyTheClickedItemAndTellsTheParentAsTheGroup)
{
    auto* group = new CORVRadioGroup();
    m_pWnd->AddChild(group, false);
    ASSERT_TRUE(group->CreateGroup(m_pWnd, 0, 0, 100, 3, 0, 60));
    for (CORVButton* item : group->m_vItems) {
        item->SetSize(50, 20);   // no images in this test: give the items a size to click
    }
    group->SetSize(170, 20);
    LClick(kWndX + 60 + 5, kWndY + 5);
    Frame();   // the group handles its item's click
    EXPECT_EQ(group->m_nCurSel, 1);
    EXPECT_EQ(group->m_vItems[0]->m_nLatch, 0u);
    EXPECT_EQ(group->m_vItems[1]->m_nLatch, 2u);
    EXPECT_EQ(group->m_vItems[2]->m_nLatch, 0u);
    Frame();   // the parent hears of it, from the group
    ASSERT_EQ(m_pWnd->m_vNotes.size(), 1u);
    EXPECT_EQ(m_pWnd->m_vNotes[0].id, kNotifyLeftClick);
    EXPECT_EQ(m_pWnd->m_vNotes[0].sender, group);

    LClick(kWndX + 60 + 5, kWndY + 5);   // the selected item again: told again
    Frame();
    Frame();
    EXPECT_EQ(m_pWnd->m_vNotes.size(), 2u);
    RClick(kWndX + 120 + 5, kWndY + 5);   // a right click changes nothing and tells nobody
    Frame();
    Frame();
    EXPECT_EQ(group->m_nCurSel, 1);
    EXPECT_EQ(group->m_vItems[2]->m_nLatch, 0u);
    EXPECT_EQ(m_pWnd->m_vNotes.size(), 2u);
}

}  // namespace
