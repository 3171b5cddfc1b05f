#include "framework/widgets/EditBuffer.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/text/TextUtil.h"

namespace {

constexpr u8 kSpace = 0x20;
constexpr u8 kDel = 0x7F;
constexpr u8 kFirstHighByte = 0x80;
constexpr u8 kWideLeadByte = 0xFF;

bool IsDigit(u8 c)
{
    return c >= '0' && c <= '9';
}

int Clamp(int v, int lo, int hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

}  // namespace

ORVEditBuffer::ORVEditBuffer() = default;

// ---- Kinds ----

u8 ORVEditBuffer::GetCharFlag(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_vFlags.size()) {
        return kEditKindSingle;
    }
    return m_vFlags[index];
}

bool ORVEditBuffer::IsTrail(int index) const
{
    return IsTrailKind(GetCharFlag(index));
}

bool ORVEditBuffer::InSync() const
{
    return m_vFlags.size() == m_strText.size() && m_nCaret >= 0 && m_nCaret <= Length();
}

bool ORVEditBuffer::ExpectsTrail() const
{
    // The first byte of a pair was the last byte taken and still stands just before the caret.
    return IsLeadKind(m_byLastFlag) && m_nCaret > 0 && m_nCaret <= Length() && GetCharFlag(m_nCaret - 1) == m_byLastFlag;
}

void ORVEditBuffer::DropPendingLead()
{
    if (ExpectsTrail() && InSync()) {
        EraseAt(m_nCaret - 1, 1);
        Layout();
    }
    m_byLastFlag = kEditKindSingle;
    m_bDropNext = false;   // the second byte of a refused pair is no longer on its way either
}

const char* ORVEditBuffer::WholeText()
{
    const int waiting = PendingLeadAt();
    if (waiting < 0) {
        return m_strText.c_str();
    }
    m_strWhole.assign(m_strText, 0, static_cast<std::size_t>(waiting));
    m_strWhole.append(m_strText, static_cast<std::size_t>(waiting) + 1);
    return m_strWhole.c_str();
}

u8 ORVEditBuffer::KindOf(u8 c) const
{
    if (ExpectsTrail()) {
        return m_byLastFlag == kEditKindWideLead ? kEditKindWideTrail : kEditKindTrail;
    }
    if (c < kFirstHighByte) {
        return kEditKindSingle;
    }
    return kEditFFLeadIsWide && c == kWideLeadByte ? kEditKindWideLead : kEditKindLead;
}

void ORVEditBuffer::InsertAt(u8 c, u8 kind)
{
    // The selection's ends keep standing before the same characters: an end after the new byte,
    // or at it when the byte completes the pair before it, moves on by one.
    for (i32* end : {&m_nSelAnchor, &m_nSelEnd}) {
        if (*end > m_nCaret || (*end == m_nCaret && IsTrailKind(kind))) {
            ++*end;
        }
    }
    m_strText.insert(m_strText.begin() + m_nCaret, static_cast<char>(c));
    m_vFlags.insert(m_vFlags.begin() + m_nCaret, kind);
    m_byLastFlag = kind;
    ++m_nCaret;
}

void ORVEditBuffer::EraseAt(int from, int count)
{
    // The selection's ends keep standing before the same characters; one inside the erased
    // characters goes to where they were.
    for (i32* end : {&m_nSelAnchor, &m_nSelEnd}) {
        if (*end >= from + count) {
            *end -= count;
        } else if (*end > from) {
            *end = from;
        }
    }
    m_strText.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
    m_vFlags.erase(m_vFlags.begin() + from, m_vFlags.begin() + from + count);
    m_nCaret = from;
}

// ---- Typing ----

ORVEditTyped ORVEditBuffer::TypeByte(u8 c)
{
    ORVEditTyped r;
    if (m_bDropNext) {
        m_bDropNext = false;   // the second byte of a refused pair never enters on its own
        return r;
    }
    if (c < kSpace || c == kDel) {
        return r;
    }
    if (m_bNumber && !IsDigit(c)) {
        return r;
    }
    if (HasSelection()) {
        r.bSelectionDeleted = DeleteChar(false) > 0;
        m_bSelecting = 0;
    }
    if (m_bPassword && c == kSpace) {
        return r;
    }
    const bool startsPair = c >= kFirstHighByte && !ExpectsTrail();
    if (Length() >= m_nMaxLen || (startsPair && Length() >= m_nMaxLen - 1)) {
        m_bDropNext = startsPair;
        return r;
    }
    r.bAccepted = InsertChar(c);
    return r;
}

bool ORVEditBuffer::InsertChar(u8 c)
{
    if (Length() >= m_nMaxLen || !InSync()) {
        return false;
    }
    InsertAt(c, KindOf(c));
    Layout();
    return true;
}

bool ORVEditBuffer::InsertText(const char* text)
{
    // A pair begun by typing is not continued by inserted text: its first byte leaves.
    DropPendingLead();
    if (text == nullptr || !InSync()) {
        return false;
    }
    const long long room = static_cast<long long>(m_nMaxLen) - Length();
    if (room < 0) {
        return false;
    }
    std::size_t n = strnlen(text, static_cast<std::size_t>(room) + 1);
    if (n > static_cast<std::size_t>(room)) {
        return false;
    }
    // Pairs form from the text's first byte on; a first byte ending the text has no second byte.
    std::size_t whole = 0;
    while (whole < n) {
        whole += static_cast<u8>(text[whole]) >= kFirstHighByte ? 2 : 1;
    }
    if (whole > n) {
        DebugLog("Error,InsertText: the text ends on half a character, its last byte is left out!\n");
        --n;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const u8 c = static_cast<u8>(text[i]);
        InsertAt(c, KindOf(c));
        ++m_nEndVisible;
    }
    Layout();
    return true;
}

bool ORVEditBuffer::SetText(const char* text)
{
    if (text == nullptr || m_nMaxLen < 0 || strnlen(text, static_cast<std::size_t>(m_nMaxLen) + 1) >
                                                  static_cast<std::size_t>(m_nMaxLen)) {
        return false;
    }
    Empty();
    return InsertText(text);
}

void ORVEditBuffer::Clear()
{
    Empty();
    Layout();
}

void ORVEditBuffer::Empty()
{
    m_strText.clear();
    m_vFlags.clear();
    m_nCaret = 0;
    m_nFirstVisible = 0;
    m_nEndVisible = 0;
    m_bSelecting = 0;
    DropSelection();
    // A pair begun before the text was replaced is not continued by the next byte.
    m_byLastFlag = kEditKindSingle;
    m_bDropNext = false;
}

int ORVEditBuffer::DeleteChar(bool backward)
{
    // Backspace takes a pending first byte alone; a forward delete drops it and goes on.
    const int before = Length();
    DropPendingLead();
    if (backward && Length() < before) {
        return before - Length();   // laid out as it left
    }
    const int len = Length();
    if (!InSync() || m_nSelAnchor < 0 || m_nSelAnchor > len || m_nSelEnd < 0 || m_nSelEnd > len) {
        return 0;
    }
    int from = m_nCaret;
    int count = 0;
    if (HasSelection()) {
        from = std::min(m_nSelAnchor, m_nSelEnd);
        count = std::max(m_nSelAnchor, m_nSelEnd) - from;
        m_nSelAnchor = m_nSelEnd = from;
    } else if (!backward) {
        if (m_nCaret < len) {
            count = m_nCaret + 1 < len && IsTrail(m_nCaret + 1) ? 2 : 1;
        }
    } else if (m_nCaret >= 1) {
        count = m_nCaret > 1 && IsTrail(m_nCaret - 1) ? 2 : 1;
        from = m_nCaret - count;
    }
    if (count > 0) {
        EraseAt(from, count);
    }
    Layout();
    return count;
}

bool ORVEditBuffer::CanPaste(const char* bytes, std::size_t len) const
{
    if (bytes == nullptr || static_cast<long long>(len) > static_cast<long long>(m_nMaxLen) - Length()) {
        return false;
    }
    if (m_bNumber) {
        for (std::size_t i = 0; i < len; ++i) {
            if (!IsDigit(static_cast<u8>(bytes[i]))) {
                return false;
            }
        }
    }
    return true;
}

// ---- Caret and selection ----

void ORVEditBuffer::ApplyShift(bool shift)
{
    if (!shift) {
        m_bSelecting = 0;
        DropSelection();
        return;
    }
    if (!m_bSelecting) {
        m_nSelAnchor = m_nCaret;
        m_nSelAnchorX = m_nCaretX;
        m_bSelecting = 1;
    }
    m_nSelEnd = m_nCaret;
    m_nSelEndX = m_nCaretX;
}

void ORVEditBuffer::DropSelection()
{
    m_nSelAnchor = m_nSelEnd = 0;
    m_nSelAnchorX = m_nSelEndX = 0;
}

void ORVEditBuffer::GetSelection(int* lo, int* hi) const
{
    const int len = Length();
    *lo = Clamp(std::min(m_nSelAnchor, m_nSelEnd), 0, len);
    *hi = Clamp(std::max(m_nSelAnchor, m_nSelEnd), 0, len);
}

void ORVEditBuffer::MoveLeft(bool shift)
{
    DropPendingLead();
    ApplyShift(shift);
    if (m_nCaret <= 1) {
        m_nCaret = 0;
    } else {
        --m_nCaret;
        if (IsTrail(m_nCaret)) {
            --m_nCaret;
        }
    }
    Layout();
    ApplyShift(shift);
}

void ORVEditBuffer::MoveRight(bool shift)
{
    DropPendingLead();
    ApplyShift(shift);
    const int len = Length();
    if (m_nCaret >= len - kEditRightToEndSpan) {
        m_nCaret = len;
    } else {
        ++m_nCaret;
        if (IsTrail(m_nCaret)) {
            ++m_nCaret;
        }
    }
    Layout();
    ApplyShift(shift);
}

void ORVEditBuffer::Home(bool shift)
{
    DropPendingLead();
    ApplyShift(shift);
    m_nCaret = 0;
    Layout();
    ApplyShift(shift);
}

void ORVEditBuffer::End(bool shift)
{
    DropPendingLead();
    ApplyShift(shift);
    m_nCaret = Length();
    Layout();
    ApplyShift(shift);
}

void ORVEditBuffer::SelectAll()
{
    DropPendingLead();
    m_nSelAnchor = 0;
    m_nSelEnd = Length();
    m_nCaret = Length();
    Layout();
}

// ---- Mouse ----

int ORVEditBuffer::PosFromPoint(int x, int* pixel) const
{
    int x0 = 0;
    int y0 = 0;
    TextOrigin(m_nViewWidth, 0, 0, &x0, &y0);
    x = Clamp(x - x0, 0, std::max(m_nViewWidth, 0));
    int offset = 0;
    const int end = Clamp(m_nEndVisible, 0, Length());
    for (int i = Clamp(m_nFirstVisible, 0, end); i < end; ++i) {
        const int w = ByteWidth(i);
        // Short of two thirds of the byte: the boundary before it (after the pair on a second byte).
        if (3 * x < 3 * offset + 2 * w) {
            if (IsTrail(i)) {
                *pixel = offset + w;
                return i + 1;
            }
            *pixel = offset;
            return i;
        }
        offset += w;
    }
    *pixel = offset;
    return end;
}

void ORVEditBuffer::PressAt(int x)
{
    DropPendingLead();
    m_bSelecting = 1;
    int pixel = 0;
    m_nCaret = m_nSelAnchor = m_nSelEnd = PosFromPoint(x, &pixel);
    Layout();
}

void ORVEditBuffer::DragTo(int x)
{
    if (!m_bSelecting) {
        return;
    }
    DropPendingLead();
    int pixel = 0;
    m_nCaret = m_nSelEnd = PosFromPoint(x, &pixel);
    Layout();
}

// ---- Layout ----

int ORVEditBuffer::ByteWidth(int index) const
{
    return IsWideKind(GetCharFlag(index)) ? kEditWideBytePx : m_nBytePx;
}

int ORVEditBuffer::RangeWidth(int from, int to) const
{
    from = Clamp(from, 0, Length());
    to = Clamp(to, from, Length());
    int w = 0;
    for (int i = from; i < to; ++i) {
        w += ByteWidth(i);
    }
    return w;
}

int ORVEditBuffer::PixelOf(int index) const
{
    return RangeWidth(m_nFirstVisible, Clamp(index, m_nFirstVisible, m_nEndVisible));
}

void ORVEditBuffer::AnchorRight()
{
    m_nFirstVisible = m_nEndVisible = m_nCaret;
    int w = 0;
    while (m_nFirstVisible > 0) {
        const int bw = ByteWidth(m_nFirstVisible - 1);
        if (w + bw > m_nViewWidth) {
            break;
        }
        w += bw;
        --m_nFirstVisible;
    }
    if (m_nFirstVisible < m_nEndVisible && IsTrail(m_nFirstVisible)) {
        ++m_nFirstVisible;
    }
}

void ORVEditBuffer::Layout()
{
    const int len = Length();
    m_nCaret = Clamp(m_nCaret, 0, len);
    m_nFirstVisible = Clamp(m_nFirstVisible, 0, len);
    m_nEndVisible = Clamp(m_nEndVisible, 0, len);
    if (m_nCaret > m_nEndVisible && m_nEndVisible != 0) {
        AnchorRight();
    } else {
        if (m_nCaret < m_nFirstVisible) {
            m_nFirstVisible = m_nCaret;
        }
        m_nEndVisible = m_nFirstVisible;
        int w = 0;
        while (m_nEndVisible < len) {
            const int bw = ByteWidth(m_nEndVisible);
            if (w + bw > m_nViewWidth) {
                break;
            }
            w += bw;
            ++m_nEndVisible;
        }
        // A pair is never cut at the end.
        if (m_nEndVisible < len && m_nEndVisible > m_nFirstVisible && IsTrail(m_nEndVisible)) {
            --m_nEndVisible;
        }
        // The caret stays visible even when the walk stopped short of it.
        if (m_nCaret > m_nEndVisible) {
            AnchorRight();
        }
    }
    m_nCaretX = RangeWidth(m_nFirstVisible, m_nCaret);
    m_nSelAnchorX = PixelOf(m_nSelAnchor);
    m_nSelEndX = PixelOf(m_nSelEnd);

    m_nValue = 0;
    if (m_bNumber) {
        long long v = 0;
        for (std::size_t i = 0; i < m_strText.size() && IsDigit(static_cast<u8>(m_strText[i])); ++i) {
            v = std::min<long long>(v * 10 + (m_strText[i] - '0'), INT_MAX);
        }
        m_nValue = static_cast<i32>(v);
    }
}

int ORVEditBuffer::ShownWidth() const
{
    const int first = Clamp(m_nFirstVisible, 0, Length());
    const int end = Clamp(m_nEndVisible, first, Length());
    if (!kEditAlignsByTextWidth) {
        return RangeWidth(first, end);
    }
    if (m_bPassword) {
        return (end - first) * m_nBytePx;
    }
    return GetTextSpanWidth(m_strText.data() + first, m_strText.data() + end, m_nFont);
}

void ORVEditBuffer::TextOrigin(int w, int h, int lineH, int* x0, int* y0) const
{
    const int tw = ShownWidth();
    if (m_nAlign & 0x40) {
        *x0 = (w - tw) / 2;
        *y0 = (h - lineH) / 2;
        return;
    }
    *x0 = (m_nAlign & 0x1) ? 0 : (m_nAlign & 0x2) ? (w - tw) / 2 : (m_nAlign & 0x4) ? w - tw : 0;
    *y0 = (m_nAlign & 0x8) ? kEditTextTop : (m_nAlign & 0x10) ? (h - lineH) / 2 : h - lineH + kEditTextBottomShift;
}
