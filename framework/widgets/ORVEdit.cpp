#include "framework/widgets/ORVEdit.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/text/TextUtil.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVEdit, CORVControl)

namespace {

// Virtual-key codes of the key table (low byte).
constexpr int kKeyBack = 0x08;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyEnd = 0x23;
constexpr int kKeyHome = 0x24;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyUp = 0x26;
constexpr int kKeyRight = 0x27;
constexpr int kKeyDown = 0x28;
constexpr int kKeyDelete = 0x2E;

bool IsShiftDown()
{
    return (orv::platform::Get().GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

}  // namespace

CORVEdit::CORVEdit()
{
    m_bFocusable = 1;   // a text field takes the focus in every build
}
CORVEdit::~CORVEdit() = default;

bool CORVEdit::CreateEdit(CORVControl* parent, int font, ARGB color, u32 align, int x, int y, int w, int h)
{
    m_nFont = font;
    m_nBytePx = TextMetrics::BytePx(font);
    m_dwTextColor = color;
    m_nAlign = align;
    const bool created = CreateAt(parent, x, y, w, h);
    SetFocus();
    return created;
}

void CORVEdit::OnSize()
{
    m_nViewWidth = m_nWidth;
    ORVEditBuffer::Layout();
}

bool CORVEdit::OnKillFocus(CORVControl* next)
{
    DropPendingLead();   // keys typed elsewhere never complete it
    return CORVControl::OnKillFocus(next);
}

void CORVEdit::NotifyParentKillFocus(CORVControl*) {}

int CORVEdit::LineHeight() const
{
    return EditLineHeight(m_nFont);
}

bool CORVEdit::CaretShown() const
{
    return (orv::platform::Get().GetTickCount() / kEditCaretBlinkMs) % 2 == 1;
}

ORVCapBar CORVEdit::GetFrameBar() const
{
    ORVCapBar bar;
    bar.nFrame = m_wFrame;
    bar.nSet = kImageSetFrame;
    bar.nMiddleX = m_nAbsX;
    bar.nMiddleY = m_nAbsY;
    bar.fScaleX = static_cast<float>(m_nWidth) / static_cast<float>(kEditFrameMiddleLen);
    bar.nFirstX = m_nAbsX + kEditFrameLeft;
    bar.nFirstY = m_nAbsY;
    bar.nLastX = m_nAbsX + m_nWidth - 1;
    bar.nLastY = m_nAbsY;
    return bar;
}

const char* CORVEdit::CopyShownText() const
{
    // The shown bytes, always fewer than the scratch buffer holds.
    const int first = std::clamp(m_nFirstVisible, 0, Length());
    const int end = std::clamp(m_nEndVisible, first, Length());
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(end - first), kScratchBufferSize - 1);
    if (m_bPassword) {
        std::memset(g_ScratchBuffer, '*', count);
    } else {
        std::memcpy(g_ScratchBuffer, m_strText.data() + first, count);
    }
    g_ScratchBuffer[count] = '\0';
    return g_ScratchBuffer;
}

void CORVEdit::NotifyChange()
{
    if (kEditNotifyChange) {
        ORVMsg msg(kNotifyEditChange, 0, this);
        PostToParent(&msg);
    }
}

// ---- Keys ----

bool CORVEdit::OnKeyDown(int, int key)
{
    const int k = key & 0xFF;
    const bool ctrl = IsCtrlDown() != 0;
    switch (k) {
    case kKeyBack: Backspace(); return true;
    case kKeyEnter: Enter(); return true;
    case kKeyEscape: Escape(); return true;
    case kKeyEnd: End(); return true;
    case kKeyHome: Home(); return true;
    case kKeyLeft: MoveLeft(); return true;
    case kKeyUp: return OnKeyUpArrow();
    case kKeyRight: MoveRight(); return true;
    case kKeyDown: return OnKeyDownArrow();
    case kKeyDelete: Delete(); return true;
    case 'A': case 'a': if (ctrl) { SelectAll(); } return true;
    case 'C': case 'c': if (ctrl) { Copy(); } return true;
    case 'V': case 'v': if (ctrl) { Paste(); } return true;
    case 'X': case 'x': if (ctrl) { Cut(); } return true;
    default: return kEditOtherKeyResult;
    }
}

bool CORVEdit::OnChar(int code)
{
    const ORVEditTyped typed = TypeByte(static_cast<u8>(code & 0xFF));
    if (typed.bSelectionDeleted) {
        NotifyChange();   // the selection went as by Delete
    }
    if (typed.bAccepted) {
        NotifyChange();
    }
    return typed.bAccepted;
}

bool CORVEdit::OnKeyUpArrow() { return false; }
bool CORVEdit::OnKeyDownArrow() { return false; }

void CORVEdit::MoveLeft() { ORVEditBuffer::MoveLeft(IsShiftDown()); }
void CORVEdit::MoveRight() { ORVEditBuffer::MoveRight(IsShiftDown()); }
void CORVEdit::Home() { ORVEditBuffer::Home(IsShiftDown()); }
void CORVEdit::End() { ORVEditBuffer::End(IsShiftDown()); }
void CORVEdit::SelectAll() { ORVEditBuffer::SelectAll(); }
void CORVEdit::Escape() { Clear(); }

void CORVEdit::Enter()
{
    DropPendingLead();
    DropSelection();
    ORVMsg msg(kNotifyEditEnter, 0, this);
    PostToParent(&msg);
}

void CORVEdit::Delete()
{
    ORVEditBuffer::DeleteChar(false);
    m_bSelecting = 0;
    NotifyChange();
}

void CORVEdit::Backspace()
{
    ORVEditBuffer::DeleteChar(true);
    NotifyChange();
}

// ---- Text ----

const char* CORVEdit::GetText() { return WholeText(); }
void CORVEdit::SetText(const char* text) { ORVEditBuffer::SetText(text); }
u8 CORVEdit::GetCharFlag(int index) { return ORVEditBuffer::GetCharFlag(index); }
void CORVEdit::InsertChar(u8 c) { ORVEditBuffer::InsertChar(c); }
void CORVEdit::InsertText(const char* text) { ORVEditBuffer::InsertText(text); }
void CORVEdit::DeleteChar(bool backward) { ORVEditBuffer::DeleteChar(backward); }
void CORVEdit::Clear() { ORVEditBuffer::Clear(); }

int CORVEdit::PosFromPoint(int x, int, int* pixel)
{
    int px = 0;
    const int index = ORVEditBuffer::PosFromPoint(x, &px);
    if (pixel != nullptr) {
        *pixel = px;
    }
    return index;
}

// ---- Clipboard ----

void CORVEdit::Copy()
{
    if (m_bPassword) {
        return;
    }
    int lo = 0;
    int hi = 0;
    GetSelection(&lo, &hi);
    if (hi > lo) {
        CopyToClipboard(m_strText.c_str() + lo, hi - lo);
    }
}

void CORVEdit::Cut()
{
    if (m_bPassword) {
        return;
    }
    Copy();
    Delete();
}

void CORVEdit::Paste()
{
    bool changed = false;
    if (HasSelection()) {
        changed = ORVEditBuffer::DeleteChar(false) > 0;
    }
    orv::platform::IPlatform& platform = orv::platform::Get();
    if (platform.OpenClipboard()) {
        std::string data;
        if (platform.GetClipboardText(&data)) {
            // CF_TEXT ends at its first NUL. Its length is checked before anything is copied: a
            // text that could not fit the scratch buffer, or the room left, is refused whole.
            const std::size_t len = strnlen(data.data(), data.size());
            if (len + 1 <= kScratchBufferSize && CanPaste(data.data(), len)) {
                std::memcpy(g_ScratchBuffer, data.data(), len);
                g_ScratchBuffer[len] = '\0';
                if (ORVEditBuffer::InsertText(g_ScratchBuffer)) {
                    ApplyShift(IsShiftDown());
                    changed = true;
                }
            }
        } else {
            DebugLog("Error,Paste: no text on the clipboard!\n");
        }
        platform.CloseClipboard();
    } else {
        DebugLog("Error,Paste: OpenClipboard failed!\n");
    }
    if (changed) {
        NotifyChange();
    }
}

// ---- Mouse ----

bool CORVEdit::OnLButtonDown(int x, int y)
{
    PressAt(x);
    return CORVControl::OnLButtonDown(x, y);
}

bool CORVEdit::OnMouseMove(int x, int y)
{
    if (m_bSelecting && IsCaptured()) {
        DragTo(x < 0 ? 0 : x > m_nWidth ? m_nWidth : x);
    }
    return CORVControl::OnMouseMove(x, y);
}

bool CORVEdit::OnLButtonUp(int x, int y)
{
    m_bSelecting = HasSelection() ? 1 : 0;
    return CORVControl::OnLButtonUp(x, y);
}

bool CORVEdit::OnLButtonDblClk(int x, int y)
{
    SelectAll();
    return CORVControl::OnLButtonDblClk(x, y);
}

// ---- Frame ----

void CORVEdit::OnDraw()
{
    DrawField();
    if (!HasFocus()) {
        DropSelection();   // the selection lives only while the field has the focus: drawn once more
    }
}
