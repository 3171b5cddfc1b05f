// The edit field through real key, character, input-method and mouse input, the platform fake
// (keys, clipboard, clock) and the recording host: what enters the text and with which kinds,
// what each key does and reports, the clipboard, the visible range, the mouse and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/WidgetTestSupport.h"
#include "support/ExactBytes.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
const std::string kZhong = "中";   // two GBK bytes: D6 D0
const std::string kWen = "文";     // CE C4

// The edit at (20, 30) in the record window sits at (142, 134) on the screen.
class EditTest : public WidgetTest {
protected:
    static constexpr int kAbsX = kWndAbsX + 20;
    static constexpr int kAbsY = kWndAbsY + 30;

    CORVEdit* AddEdit(int width = 120, int font = 1, u32 align = 0)
    {
        auto* edit = new CORVEdit();
        m_pWnd->AddChild(edit, false);
        edit->CreateEdit(m_pWnd, font, kWhite, align, 20, 30, width, 14);
        return edit;
    }

    // Types bytes as character messages (a GBK character as two messages).
    static void Type(const std::string& bytes)
    {
        for (unsigned char c : bytes) {
            Char(c);
        }
    }

    static std::string Flags(CORVEdit* edit)
    {
        std::string out;
        for (u8 f : edit->m_vFlags) {
            static const char* hex = "0123456789ABCDEF";
            out += hex[f >> 4];
            out += hex[f & 0xF];
            out += ' ';
        }
        return out;
    }

    // Ids of the notifications that reached the window by the next frame.
    std::vector<u32> Notified()
    {
        Frame();
        std::vector<u32> out;
        for (const ArrivedMsg& m : m_pWnd->m_vPosted) {
            out.push_back(m.m_nId);
        }
        m_pWnd->m_vPosted.clear();
        return out;
    }

    void CtrlKey(int vk)
    {
        m_Fake.SetKeyDown(VK_CONTROL, true);
        KeyDown(vk);
        m_Fake.SetKeyDown(VK_CONTROL, false);
    }
    void ShiftKey(int vk)
    {
        m_Fake.SetKeyDown(VK_SHIFT, true);
        KeyDown(vk);
        m_Fake.SetKeyDown(VK_SHIFT, false);
    }

};

TEST_F(EditTest, TypedBytesEnterWithTheirKindsAndPairsStayWholeAtTheLimit)
{
    CORVEdit* edit = AddEdit();
    EXPECT_EQ(CtrlMgr().m_pFocus, edit);

    // A GBK character as two character messages, another from the input method (0xFFxx codes).
    Type("a" + kZhong);
    ImeText(m_Fake, kWen + "b");
    EXPECT_EQ(std::string(edit->GetText()), "a" + kZhong + kWen + "b");
    EXPECT_EQ(Flags(edit), "00 10 11 10 11 00 ");
    EXPECT_EQ(edit->GetCharFlag(2), 0x11);
    EXPECT_EQ(Notified(), std::vector<u32>(6, kNotifyEditChange));

    // Refused silently: control bytes, DEL.
    for (int c : {0x08, 0x0D, 0x1F, 0x7F}) {
        EXPECT_FALSE(Char(c)) << c;
    }
    EXPECT_TRUE(Notified().empty());

    // One byte short of full: a first byte is refused and so is its second byte (here 0x40, which
    // alone would pass for '@'); ASCII still fits.
    edit->SetText(std::string(510, 'x').c_str());
    EXPECT_TRUE(Notified().empty());   // SetText tells nobody
    EXPECT_TRUE(Char('y'));
    EXPECT_FALSE(Char(0x81));
    EXPECT_FALSE(Char(0x40));
    EXPECT_TRUE(Char('z'));
    EXPECT_EQ(edit->Length(), 512);
    EXPECT_EQ(edit->m_strText.substr(510), "yz");
    EXPECT_EQ(edit->m_vFlags[511], 0x00);
    EXPECT_FALSE(Char('!'));   // full

    // A text over the limit leaves the old text.
    edit->SetText("keep");
    edit->SetText(std::string(513, 'q').c_str());
    EXPECT_EQ(std::string(edit->GetText()), "keep");
    edit->SetText(nullptr);
    EXPECT_EQ(std::string(edit->GetText()), "keep");
}

TEST_F(EditTest, PasswordAndDigitsOnlyModes)
{
    CORVEdit* pw = AddEdit();
    pw->m_bPassword = 1;
    Type("ab c");
    EXPECT_EQ(std::string(pw->GetText()), "abc");
    m_Fake.m_Clipboard = "before";
    CtrlKey('A');
    CtrlKey('C');
    CtrlKey('X');
    EXPECT_EQ(*m_Fake.m_Clipboard, "before");
    EXPECT_EQ(std::string(pw->GetText()), "abc");
    m_Host.ClearLog();
    Frame();
    EXPECT_NE(m_Host.FindText("***"), nullptr);
    EXPECT_EQ(m_Host.FindText("abc"), nullptr);
    m_pWnd->DeleteChild(pw);

    CORVEdit* num = AddEdit();
    num->m_bNumber = 1;
    Type("4x2" + kZhong + "7");
    EXPECT_EQ(std::string(num->GetText()), "427");
    EXPECT_EQ(num->m_nValue, 427);
    // A long run of digits saturates instead of wrapping negative.
    num->SetText("99999999999999999999");
    EXPECT_EQ(num->m_nValue, 2147483647);
    num->SetText("2147483647");
    EXPECT_EQ(num->m_nValue, 2147483647);
    num->SetText("");
    EXPECT_EQ(num->m_nValue, 0);
}

TEST_F(EditTest, KeyTableActionsResultsAndNotifications)
{
    CORVEdit* edit = AddEdit();
    Type("abcd");
    Notified();

    struct Case {
        int m_nKey;
        bool m_bResult;
    };
    // Up and Down are not handled; every other key is, letters without Ctrl doing nothing.
    for (Case c : {Case{0x26, false}, Case{0x28, false}, Case{0x41, true}, Case{0x70, true}, Case{0x10, true}}) {
        EXPECT_EQ(KeyDown(c.m_nKey), c.m_bResult) << c.m_nKey;
    }
    EXPECT_EQ(std::string(edit->GetText()), "abcd");

    KeyDown(0x24);   // Home
    EXPECT_EQ(edit->m_nCaret, 0);
    KeyDown(0x2E);   // Delete: "bcd"
    KeyDown(0x23);   // End
    KeyDown(0x08);   // Backspace: "bc"
    EXPECT_EQ(std::string(edit->GetText()), "bc");
    EXPECT_EQ(Notified(), (std::vector<u32>{kNotifyEditChange, kNotifyEditChange}));

    KeyDown(0x0D);   // Enter
    EXPECT_EQ(Notified(), std::vector<u32>{kNotifyEditEnter});
    KeyDown(0x1B);   // Escape empties and tells nobody
    EXPECT_EQ(std::string(edit->GetText()), "");
    EXPECT_TRUE(Notified().empty());

    // Typing over a selection deletes it first (reported as Delete would), then inserts.
    Type("hello");
    Notified();
    CtrlKey('a');
    Type("X");
    EXPECT_EQ(std::string(edit->GetText()), "X");
    EXPECT_EQ(Notified(), (std::vector<u32>{kNotifyEditChange, kNotifyEditChange}));
}

// Typing, deleting and inserting keep the selection's ends on the characters they stood before,
// so a selection later made or kept with Shift never cuts a pair.
TEST_F(EditTest, TextChangesKeepTheSelectionOnWholeCharacters)
{
    const std::string a = "\xB0\xA1";
    const struct {
        const char* name;
        std::vector<std::string> steps;   // "S+<vk>" Shift+key, "K<vk>" key, "I<text>" InsertText, else typed
        std::string text;
    } cases[] = {
        // Shift+End at the end turns selecting on (anchor 4); Backspace takes the anchor's character.
        {"anchor past a deleted pair", {a + a, "S+35", "K8", "x\xC4\xE3", "S+36", "y"}, "yx\xC4\xE3"},
        // Backward selection of the second pair, then a byte inserted at the caret before it.
        {"insert before a backward selection", {a + a, "S+37", "Ix", "y"}, a + "y"},
        // The anchor set after a lone first byte; its second byte comes after it.
        {"anchor between a pair's bytes", {"\xC4", "S+35", "\xE3", "S+36", "y"}, "y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CORVEdit* edit = AddEdit();
        CtrlMgr().SetFocusControl(edit);
        for (const std::string& step : c.steps) {
            if (step.rfind("S+", 0) == 0) {
                ShiftKey(std::stoi(step.substr(2)));
            } else if (step.rfind("K", 0) == 0) {
                KeyDown(std::stoi(step.substr(1)));
            } else if (step.rfind("I", 0) == 0) {
                const std::vector<char> text = ExactBytes(step.substr(1) + '\0');
                edit->InsertText(text.data());
            } else {
                Type(step);
            }
            for (const int end : {edit->m_nSelAnchor, edit->m_nSelEnd}) {
                ASSERT_TRUE(end >= 0 && end <= edit->Length() && !edit->IsTrail(end)) << step << ": end " << end;
            }
        }
        EXPECT_EQ(std::string(edit->GetText()), c.text);
        m_pWnd->DeleteChild(edit);
    }
}

TEST_F(EditTest, ClipboardPasteCutAndCopy)
{
    CORVEdit* edit = AddEdit();
    Type("one");
    Notified();

    struct Case {
        const char* m_pszName;
        bool m_bNumber;
        std::string m_strClip;
        bool m_bFailGet;
        std::string m_strBefore;
        std::string m_strAfter;
        int m_nChanges;
    };
    const Case cases[] = {
        {"plain", false, "two", false, "one", "onetwo", 1},
        {"digits", true, "123", false, "", "123", 1},
        {"digits refuse a letter", true, "12a", false, "", "", 0},
        {"does not fit: refused whole", false, std::string(510, 'p'), false, "abc", "abc", 0},
        {"fits exactly", false, std::string(509, 'p'), false, "abc", "abc" + std::string(509, 'p'), 1},
        {"no text on the clipboard", false, "x", true, "abc", "abc", 0},
        {"ends at its first NUL", false, std::string("ab\0cd", 5), false, "", "ab", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        edit->m_bNumber = c.m_bNumber ? 1 : 0;
        edit->SetText(c.m_strBefore.c_str());
        m_Fake.m_Clipboard = c.m_strClip;
        m_Fake.m_bFailGet = c.m_bFailGet;
        const int closes = m_Fake.m_nCloseCount;
        CtrlKey('V');
        EXPECT_EQ(std::string(edit->GetText()), c.m_strAfter);
        EXPECT_EQ(m_Fake.m_nCloseCount, closes + 1);
        EXPECT_FALSE(m_Fake.m_bClipboardOpen);
        EXPECT_EQ(Notified().size(), static_cast<std::size_t>(c.m_nChanges));
    }
    EXPECT_EQ(edit->m_nValue, 0);
    edit->m_bNumber = 1;
    edit->SetText("");
    m_Fake.m_bFailGet = false;
    m_Fake.m_Clipboard = "123";
    CtrlKey('v');
    EXPECT_EQ(edit->m_nValue, 123);

    // Cut puts the selection on the clipboard and deletes it; a paste replaces a selection.
    edit->m_bNumber = 0;
    edit->SetText("hello");
    KeyDown(0x24);
    ShiftKey(0x27);
    ShiftKey(0x27);
    CtrlKey('x');
    EXPECT_EQ(*m_Fake.m_Clipboard, "he");
    EXPECT_EQ(std::string(edit->GetText()), "llo");
    ShiftKey(0x27);
    CtrlKey('V');
    EXPECT_EQ(std::string(edit->GetText()), "helo");

    // An open failure leaves the text and the clipboard closed.
    m_Fake.m_bFailOpen = true;
    CtrlKey('V');
    EXPECT_EQ(std::string(edit->GetText()), "helo");
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("OpenClipboard"));
}

TEST_F(EditTest, VisibleRangeFollowsTheCaretAndNeverCutsAPair)
{
    // 30 px in font 1: five bytes show.
    CORVEdit* edit = AddEdit(30);
    struct Step {
        std::string m_strType;   // typed, or "<" Left, ">" Right, "H" Home, "E" End
        int m_nFirst;
        int m_nEnd;
        int m_nCaretX;
    };
    const Step steps[] = {
        {"abcd", 0, 4, 24},
        {"e", 0, 5, 30},
        {"f", 1, 6, 30},
        {kZhong, 3, 8, 30},   // "abcdef中": the window ends at the caret
        {"H", 0, 5, 0},
        {"E", 3, 8, 30},
        {"<", 3, 8, 18},      // over the pair
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.m_strType);
        if (s.m_strType == "<") {
            KeyDown(0x25);
        } else if (s.m_strType == ">") {
            KeyDown(0x27);
        } else if (s.m_strType == "H") {
            KeyDown(0x24);
        } else if (s.m_strType == "E") {
            KeyDown(0x23);
        } else {
            Type(s.m_strType);
        }
        EXPECT_EQ(edit->m_nFirstVisible, s.m_nFirst);
        EXPECT_EQ(edit->m_nEndVisible, s.m_nEnd);
        EXPECT_EQ(edit->m_nCaretX, s.m_nCaretX);
    }

    // The window never starts on a second byte: "中中中" in 30 px.
    edit->SetText((kZhong + kZhong + kZhong).c_str());
    EXPECT_EQ(edit->m_nEndVisible, 6);
    EXPECT_EQ(edit->m_nFirstVisible, 2);   // 5 bytes fit: from 1, a second byte, moved to 2
    EXPECT_EQ(edit->m_nCaretX, 24);
}

TEST_F(EditTest, MouseSelectsByTwoThirdsOfEachByteAndDoubleClickSelectsAll)
{
    CORVEdit* edit = AddEdit();
    Type("ab" + kZhong + "c");   // bytes at 0, 6, 12 (pair 12..24), 24
    struct Case {
        int m_nX;
        int m_nIndex;
        int m_nPixel;
    };
    // Before a byte while short of its offset + 2/3 of 6 px (4); on a pair's second byte, after the pair.
    for (Case c : {Case{3, 0, 0}, Case{4, 1, 6}, Case{15, 2, 12}, Case{16, 4, 24}, Case{21, 4, 24}, Case{200, 5, 30},
                   Case{-20, 0, 0}}) {
        int pixel = -1;
        EXPECT_EQ(edit->PosFromPoint(c.m_nX, 0, &pixel), c.m_nIndex) << c.m_nX;
        EXPECT_EQ(pixel, c.m_nPixel) << c.m_nX;
    }

    // Press at "b", drag past the pair: selection 1..4; the release keeps it.
    LButtonDown(kAbsX + 5, kAbsY + 5);
    MouseMove(kAbsX + 20, kAbsY + 5);
    LButtonUp(kAbsX + 20, kAbsY + 5);
    EXPECT_EQ(edit->m_nSelAnchor, 1);
    EXPECT_EQ(edit->m_nSelEnd, 4);
    EXPECT_TRUE(edit->m_bSelecting);
    EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);
    Notified();

    LDblClk(kAbsX + 5, kAbsY + 5);
    EXPECT_EQ(edit->m_nSelAnchor, 0);
    EXPECT_EQ(edit->m_nSelEnd, 5);
    EXPECT_EQ(edit->m_nCaret, 5);
    EXPECT_EQ(Notified(), std::vector<u32>{kNotifyLeftDblClk});
}

TEST_F(EditTest, DrawsFrameSelectionTextAndBlinkingCaretByAlignment)
{
    CORVEdit* edit = AddEdit(100, 1, 0);
    Type("abcd");
    CtrlKey('a');
    m_Fake.m_dwTick = 500;   // odd half-second: caret shown
    m_Host.ClearLog();
    Frame();
    std::vector<std::string> names;
    for (const HostCall& c : m_Host.CallsInFrame(m_Host.m_nFrame)) {
        names.push_back(c.m_strName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"DrawImageScaled", "DrawImage", "DrawImage", "FillRect", "DrawText",
                                               "DrawText"}));
    const HostCall scaled = m_Host.Calls("DrawImageScaled")[0];
    EXPECT_EQ(scaled.m_vInts, (std::vector<long long>{kAbsX, kAbsY, 119, 93, kWhite, 0, 0}));
    EXPECT_EQ(scaled.m_vFloats, (std::vector<float>{1.0f, 1.0f}));
    EXPECT_EQ(m_Host.FindImage(118, 93)->Int(0), kAbsX - 4);
    EXPECT_EQ(m_Host.FindImage(120, 93)->Int(0), kAbsX + 99);
    // No vertical bit: bottom, y0 = 14 - 12 + 1.
    EXPECT_EQ(m_Host.Calls("FillRect")[0].m_vInts, (std::vector<long long>{0xEF08246B, kAbsX, kAbsY + 1, 24, 12}));
    EXPECT_EQ(m_Host.FindText("abcd")->m_vInts, (std::vector<long long>{kAbsX, kAbsY + 3, kWhite, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(m_Host.FindText("|")->m_vInts,
              (std::vector<long long>{kAbsX + 24 - 4, kAbsY + 3, 0xFF8D6365, 0, 0, 0, 1, 1, 0}));

    m_Fake.m_dwTick = 1000;   // even: hidden
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.FindText("|"), nullptr);

    // Without the focus: no caret; the selection is drawn in the frame that finds the focus gone,
    // then dropped.
    CtrlMgr().SetFocusControl(nullptr);
    m_Fake.m_dwTick = 1500;
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.FindText("|"), nullptr);
    EXPECT_EQ(m_Host.Count("FillRect"), 1);
    EXPECT_FALSE(edit->HasSelection());
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.Count("FillRect"), 0);

    // Text origins by alignment bits (text 24 px wide, field 100 x 14, font 1).
    struct Case {
        u32 m_nAlign;
        int m_nX;
        int m_nY;
    };
    for (Case c : {Case{0x40, 38, 1}, Case{0x1, 0, 3}, Case{0x2, 38, 3}, Case{0x4, 76, 3}, Case{0x5, 0, 3},
                   Case{0x8, 0, 1}, Case{0x10, 0, 1}, Case{0x20, 0, 3}, Case{0x4 | 0x8, 76, 1}}) {
        edit->m_nAlign = c.m_nAlign;
        m_Host.ClearLog();
        Frame();
        ASSERT_NE(m_Host.FindText("abcd"), nullptr);
        EXPECT_EQ(m_Host.FindText("abcd")->Int(0), kAbsX + c.m_nX) << c.m_nAlign;
        EXPECT_EQ(m_Host.FindText("abcd")->Int(1), kAbsY + c.m_nY) << c.m_nAlign;
    }
    // A right-aligned text takes clicks where it is drawn.
    edit->m_nAlign = 0x4;
    int pixel = 0;
    EXPECT_EQ(edit->PosFromPoint(76 + 7, 0, &pixel), 1);
}

}  // namespace
}  // namespace orv::test
