// The text engine of the one-line edit field: GBK text with one kind byte per text byte, the
// caret, the selection, the visible byte range of a field of a given pixel width, and the number
// of a digits-only field. It draws nothing and asks no platform; the field that holds it (each
// build's CORVEdit) feeds it bytes, key actions and mouse points and draws what it says.
//
// Per-build rules come from the build profile: the byte kinds and the width of wide pairs
// (kEditKind*, kEditWideBytePx, kEditFFLeadIsWide) and MoveRight's end rule
// (kEditRightToEndSpan). The field sets the pixel width of a narrow byte (m_nBytePx) from its
// font and the view width (m_nViewWidth) from its size.
//
// Invariants, kept by every operation: m_vFlags has one entry per text byte; 0 <= m_nCaret <=
// length, and the caret never stands on the second byte of a pair; the selection's two ends stand
// within the text and never on the second byte of a pair; 0 <= m_nFirstVisible <=
// m_nEndVisible <= length after each layout. The text holds whole characters: the only first byte
// without its second is the one just typed before the caret while its second byte is awaited (the
// pending first byte). Any other action (a caret move, a click, a delete, inserted or pasted text)
// takes a pending first byte out of the text before it acts; inserted text that ends on a first
// byte loses that byte. A pending first byte is drawn, but no reader sees it: WholeText leaves it
// out, and it goes on waiting for its second byte.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "BuildProfile.h"
#include "framework/core/OrvTypes.h"

// What typing one byte did.
struct ORVEditTyped {
    bool bAccepted = false;          // the byte entered the text
    bool bSelectionDeleted = false;  // a selection was deleted first (the text changed)
};

class ORVEditBuffer {
public:
    ORVEditBuffer();

    // ---- Typing (one byte per character message) ----
    // In this order: control bytes and DEL refused; a digits-only field refuses non-digits; a
    // selection is deleted; a password field refuses the space; a full text refuses; a byte
    // starting a pair is refused without room for its second byte (and that second byte is then
    // dropped when it comes); else the byte is inserted.
    ORVEditTyped TypeByte(u8 c);
    // Inserts one byte at the caret with its kind; false when the text is full or the state is
    // out of step.
    bool InsertChar(u8 c);
    // Inserts a whole C string at the caret; refused whole (false) when it does not fit. A first
    // byte ending the text has no second byte and is left out.
    bool InsertText(const char* text);
    // The text, flags, caret, selection and visible range reset; then InsertText. Nothing for
    // null or a text longer than the limit.
    bool SetText(const char* text);
    // Empties the text; caret, selection and visible range back to 0.
    void Clear();
    // Deletes the selection, or the character after (forward) or before (backward) the caret, a
    // pair as a whole. Returns the bytes removed.
    int DeleteChar(bool backward);
    // Whether bytes (len of them, no NUL inside) may be pasted: digits only in a digits-only
    // field, and room for all of them once the selection is gone.
    bool CanPaste(const char* bytes, std::size_t len) const;

    // ---- Caret moves; shift: the Shift key is down (the selection follows the caret) ----
    void MoveLeft(bool shift);
    void MoveRight(bool shift);
    void Home(bool shift);
    void End(bool shift);
    void SelectAll();
    // Selection with Shift, run before and after each caret move.
    void ApplyShift(bool shift);
    // No selection: both ends and their pixels 0.
    void DropSelection();
    bool HasSelection() const { return m_nSelAnchor != m_nSelEnd; }
    // The selected bytes [*lo, *hi), in order and cut at the text's end.
    void GetSelection(int* lo, int* hi) const;

    // ---- Mouse ----
    // The character boundary nearest local point x within the visible text (x reduced by the
    // alignment offset and clamped to the view); its pixel offset through pixel.
    int PosFromPoint(int x, int* pixel) const;
    void PressAt(int x);             // selecting starts at the boundary under x
    void DragTo(int x);              // while selecting: the caret and the selection end follow x

    // ---- Layout ----
    // Keeps the caret visible: the visible range, the caret and selection pixels and the number.
    void Layout();
    // Pixel width of one byte and of the bytes [from, to).
    int ByteWidth(int index) const;
    int RangeWidth(int from, int to) const;
    // Top-left of the visible text in a view of w x h with line height lineH, by m_nAlign:
    // 0x40 centres both ways; else x: 0x1 left, 0x2 centre, 0x4 right (tested in that order);
    // y: 0x8 top (kEditTextTop), 0x10 middle, 0x20 or no vertical bit bottom (+
    // kEditTextBottomShift). The shown text's width is ShownWidth. Clicks use the same horizontal
    // origin as drawing, so a point maps to the character drawn under it.
    void TextOrigin(int w, int h, int lineH, int* x0, int* y0) const;

    // Width of the shown bytes as alignment measures them: with the text width rule
    // (kEditAlignsByTextWidth; '*' a byte in password mode), else with the field's byte widths.
    int ShownWidth() const;

    // The text as every reader gets it: whole characters only, a pending first byte left out (it
    // stays in the text, awaiting its second byte). Valid until the next change or read.
    const char* WholeText();
    // A pending first byte leaves the text (the caret steps back over it); no pair is awaited
    // afterwards. Run first by every action but typing; the field runs it on Enter and when it
    // loses the focus.
    void DropPendingLead();

    int Length() const { return static_cast<int>(m_strText.size()); }
    // Index of the first byte typed just before the caret that awaits its second byte; -1 none.
    int PendingLeadAt() const { return ExpectsTrail() ? m_nCaret - 1 : -1; }
    u8 GetCharFlag(int index) const;
    bool IsTrail(int index) const;

    // Per-build kind tests.
    static bool IsLeadKind(u8 kind) { return kind == kEditKindLead || kind == kEditKindWideLead; }
    static bool IsTrailKind(u8 kind) { return kind == kEditKindTrail || kind == kEditKindWideTrail; }
    static bool IsWideKind(u8 kind) { return kind == kEditKindWideLead || kind == kEditKindWideTrail; }

    i32 m_nMaxLen = kEditMaxLen;        // largest text length in bytes
    u8 m_bPassword = 0;                 // shown as '*', no copy or cut, no space
    u8 m_bNumber = 0;                   // digits only; m_nValue keeps the number
    u8 m_bSelecting = 0;                // a selection is being made (mouse drag or Shift)
    i32 m_nSelAnchor = 0;
    i32 m_nSelEnd = 0;
    i32 m_nSelAnchorX = 0;              // pixel offsets of the selection ends in the visible text
    i32 m_nSelEndX = 0;
    i32 m_nCaret = 0;
    i32 m_nCaretX = 0;
    i32 m_nFirstVisible = 0;            // visible bytes [first, end)
    i32 m_nEndVisible = 0;
    i32 m_nValue = 0;                   // digits-only: the number, saturating at INT_MAX; else 0
    u8 m_byLastFlag = kEditKindSingle;  // kind of the last byte taken (pairs bytes across messages)
    std::vector<u8> m_vFlags;           // one kind per text byte
    std::string m_strText;
    u32 m_nAlign = 0;                   // alignment bits (TextOrigin)
    i32 m_nFont = 1;                    // the field's font (the text argument of the width rule)
    i32 m_nBytePx = kFont1ByteWidth;    // width of a narrow byte, from the field's font
    i32 m_nViewWidth = 0;               // the field's width

private:
    // No text, no selection, caret and visible range at 0, no pair pending.
    void Empty();
    // The next byte completes the pair whose first byte was just taken at the caret.
    bool ExpectsTrail() const;
    // Kind of byte c inserted at the caret.
    u8 KindOf(u8 c) const;
    bool InSync() const;
    // One byte in at the caret / count bytes out at from (the caret goes there). Both keep the
    // selection's ends on the characters they stood before, so an end stays a character boundary
    // whatever the text becomes (a selection kept through typing never cuts a pair).
    void InsertAt(u8 c, u8 kind);
    void EraseAt(int from, int count);
    // Caret at the right edge: the visible range ends at the caret and starts as far left as fits.
    void AnchorRight();
    int PixelOf(int index) const;

    bool m_bDropNext = false;           // a refused first byte: its second byte is dropped too
    std::string m_strWhole;             // WholeText's copy while a first byte is pending
};
