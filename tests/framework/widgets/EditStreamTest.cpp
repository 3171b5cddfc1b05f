// A fixed-seed run of mutated input streams into edit fields (plain, password, digits-only, at
// several length limits): typed GBK text, input-method strings, keys with and without Ctrl and
// Shift (also Shift held over runs of Home, End and the arrows with deletes and typing between),
// clipboard pastes, mouse selections, texts set and inserted (whatever the selection) from
// exact-size buffers, each stream mutated (bytes dropped, duplicated, flipped, control bytes and
// keys inserted). After every event the field's text engine must hold its invariants, and drawing
// must stay inside its buffers (the sanitizers watch the reads).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/widgets/ORVEdit.h"
#include "shared/EditChecks.h"
#include "support/TestHarness.h"

namespace orv::test {
namespace {

// Byte-level invariants of the engine; an empty string when they hold.
std::string CheckInvariants(const CORVEdit& e)
{
    const int len = e.Length();
    if (e.m_vFlags.size() != e.m_strText.size()) {
        return "kinds out of step with the text";
    }
    if (len > e.m_nMaxLen && e.m_nMaxLen >= 0) {
        return "text longer than its limit";
    }
    if (e.m_nCaret < 0 || e.m_nCaret > len) {
        return "caret outside the text";
    }
    if (e.m_nCaret < len && ORVEditBuffer::IsTrailKind(e.m_vFlags[e.m_nCaret])) {
        return "caret on a second byte";
    }
    if (e.m_nFirstVisible < 0 || e.m_nFirstVisible > e.m_nEndVisible || e.m_nEndVisible > len) {
        return "visible range outside the text";
    }
    if (e.m_nCaret < e.m_nFirstVisible || e.m_nCaret > e.m_nEndVisible) {
        return "caret not visible";
    }
    for (const int end : {e.m_nSelAnchor, e.m_nSelEnd}) {
        if (end < 0 || end > len) {
            return "selection end outside the text";
        }
        if (end < len && ORVEditBuffer::IsTrailKind(e.m_vFlags[end])) {
            return "selection end on a second byte";
        }
    }
    for (int i = 0; i < len; ++i) {
        const u8 kind = e.m_vFlags[i];
        if (ORVEditBuffer::IsTrailKind(kind) && (i == 0 || !ORVEditBuffer::IsLeadKind(e.m_vFlags[i - 1]))) {
            return "second byte without its first at " + std::to_string(i);
        }
    }
    if (const std::string half = HalfCharacter(e); !half.empty()) {
        return half;
    }
    if (e.m_nValue < 0) {
        return "negative number";
    }
    return "";
}

class EditStreamTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        OpenGame();
    }
};

// GBK-ish text: ASCII, digits and pairs (lead 0x81..0xFE, second byte 0x40..0xFE).
std::string ValidText(std::mt19937& rng, int maxBytes)
{
    std::string out;
    std::uniform_int_distribution<int> kind(0, 3);
    while (static_cast<int>(out.size()) < maxBytes) {
        switch (kind(rng)) {
        case 0: out += static_cast<char>('a' + rng() % 26); break;
        case 1: out += static_cast<char>('0' + rng() % 10); break;
        default:
            out += static_cast<char>(0x81 + rng() % 0x7E);
            out += static_cast<char>(0x40 + rng() % 0xBF);
            break;
        }
    }
    return out;
}

// Drops, duplicates, flips bytes and inserts control bytes.
std::string Mutate(std::mt19937& rng, std::string s)
{
    const int edits = static_cast<int>(rng() % 4);
    for (int i = 0; i < edits && !s.empty(); ++i) {
        const std::size_t at = rng() % s.size();
        switch (rng() % 4) {
        case 0: s.erase(at, 1); break;
        case 1: s.insert(at, 1, s[at]); break;
        case 2: s[at] = static_cast<char>(s[at] ^ (1u << (rng() % 8))); break;
        default: s.insert(at, 1, static_cast<char>(rng() % 0x20)); break;
        }
    }
    return s;
}

TEST_F(EditStreamTest, MutatedStreamsKeepTheEngineInsideItsText)
{
    std::mt19937 rng(20261210);
    const int keys[] = {0x08, 0x0D, 0x1B, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2E, 'A', 'C', 'V', 'X', 'a', 'c', 'v',
                        'x', 0x41, 0x70};
    struct Mode {
        u8 m_bPassword;
        u8 m_bNumber;
        int m_nMaxLen;
        int m_nWidth;
        int m_nFont;
        u32 m_nAlign;
    };
    const Mode modes[] = {
        {0, 0, 512, 120, 1, 0}, {1, 0, 512, 60, 2, 0x40}, {0, 1, 512, 95, 1, 0x4}, {0, 0, 16, 30, 1, 0x2},
        {0, 1, 5, 95, 1, 0},    {0, 0, 1, 20, 2, 0x10},   {1, 0, 2, 7, 1, 0x1},   {0, 0, 0, 0, 1, 0},
    };
    for (const Mode& mode : modes) {
        SCOPED_TRACE(std::to_string(mode.m_nMaxLen) + (mode.m_bPassword ? " password" : "") +
                     (mode.m_bNumber ? " digits" : ""));
        auto* edit = new CORVEdit();
        edit->m_bPassword = mode.m_bPassword;
        edit->m_bNumber = mode.m_bNumber;
        edit->m_nMaxLen = mode.m_nMaxLen;
        MainWnd().AddChild(edit, false);
        edit->CreateEdit(&MainWnd(), mode.m_nFont, 0xFFFFFFFF, mode.m_nAlign, 10, 10, mode.m_nWidth, 16);
        const int x0 = edit->m_nAbsX;
        const int y0 = edit->m_nAbsY;

        for (int event = 0; event < 3000; ++event) {
            const int what = static_cast<int>(rng() % 12);
            m_Fake.SetKeyDown(VK_SHIFT, rng() % 3 == 0);
            m_Fake.SetKeyDown(VK_CONTROL, rng() % 4 == 0);
            std::string label;
            switch (what) {
            case 0:
            case 1: {   // typed text, one character message per byte
                label = "type";
                for (unsigned char c : Mutate(rng, ValidText(rng, 1 + static_cast<int>(rng() % 6)))) {
                    Char(c);
                }
                break;
            }
            case 2: {   // input-method string
                label = "ime";
                ImeText(m_Fake, Mutate(rng, ValidText(rng, static_cast<int>(rng() % 40))));
                break;
            }
            case 3:
            case 4:
                label = "key";
                KeyDown(keys[rng() % std::size(keys)]);
                break;
            case 5: {   // clipboard content, then Ctrl+V
                label = "paste";
                m_Fake.m_Clipboard = Mutate(rng, ValidText(rng, static_cast<int>(rng() % 600)));
                m_Fake.SetKeyDown(VK_CONTROL, true);
                KeyDown('V');
                break;
            }
            case 6: {   // a text set from an exact-size buffer (its NUL included)
                label = "set";
                const std::string t = Mutate(rng, ValidText(rng, static_cast<int>(rng() % 530)));
                std::vector<char> buf(t.begin(), t.end());
                buf.push_back('\0');
                edit->SetText(buf.data());
                break;
            }
            case 7: {   // mouse selection inside the field
                label = "mouse";
                const int w = edit->m_nWidth > 0 ? edit->m_nWidth : 1;
                LButtonDown(x0 + static_cast<int>(rng() % w), y0 + 2);
                MouseMove(x0 + static_cast<int>(rng() % (w + 40)) - 20, y0 + 2);
                LButtonUp(x0 + static_cast<int>(rng() % w), y0 + 2);
                if (rng() % 4 == 0) {
                    LDblClk(x0 + static_cast<int>(rng() % w), y0 + 2);
                }
                break;
            }
            case 8:
                label = "frame";
                m_Fake.m_dwTick += 250;
                Frame();
                break;
            case 10: {   // Shift held over caret keys, with deletes and typing between them
                label = "shift keys";
                const int shiftKeys[] = {0x23, 0x24, 0x25, 0x27};
                for (int i = 1 + static_cast<int>(rng() % 4); i > 0; --i) {
                    m_Fake.SetKeyDown(VK_SHIFT, true);
                    m_Fake.SetKeyDown(VK_CONTROL, false);
                    KeyDown(shiftKeys[rng() % std::size(shiftKeys)]);
                    switch (rng() % 4) {
                    case 0: KeyDown(0x08); break;
                    case 1: KeyDown(0x2E); break;
                    case 2:
                        for (unsigned char c : ValidText(rng, 1 + static_cast<int>(rng() % 3))) {
                            Char(c);
                        }
                        break;
                    default: break;
                    }
                }
                break;
            }
            case 11: {   // InsertText at the caret, whatever the selection, from an exact-size buffer
                label = "insert";
                std::vector<char> buf;
                for (char c : Mutate(rng, ValidText(rng, static_cast<int>(rng() % 8)))) {
                    buf.push_back(c);
                }
                buf.push_back('\0');
                edit->InsertText(buf.data());
                break;
            }
            default: {   // raw bytes, any value
                label = "bytes";
                for (int i = static_cast<int>(rng() % 5); i > 0; --i) {
                    Char(static_cast<int>(rng() % 256));
                }
                break;
            }
            }
            CtrlMgr().SetFocusControl(edit);
            const std::string broken = CheckInvariants(*edit);
            ASSERT_EQ(broken, "") << "event " << event << " (" << label << ")";
        }
        Frame();
        MainWnd().DeleteChild(edit);
    }
}

}  // namespace
}  // namespace orv::test
