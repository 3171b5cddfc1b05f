// Two overlays that the main window draws above every window:
//  - the tooltip (CORVToolTip, the one g_ToolTip): a box of text lines next to the mouse pointer,
//    filled by a control while the mouse moves over it and emptied when the mouse leaves; each
//    line may change colour in the middle through '$' codes;
//  - the floating tips (CAutoTip, the one g_AutoTip): a queue of short notices shown one at a
//    time in a box centred on the host screen, each for a number of frames. The count stops while
//    the mouse rests on the box, a left click skips to the next notice, a right click drops all.
//
// The line model, the tip records, the tip stream and the layout (ORVToolTip.cpp) are kept apart
// from the calls that draw them (ORVToolTipDraw.cpp).
//
// How the two behave where callers could expect otherwise:
//  - Reset gives the tooltip the build's own look (kToolTipStyleFrameColour over
//    kToolTipStyleFillColour); the fainter hover frame of several game windows is
//    kToolTipHoverStyle, set with SetStyle. Where the build draws the box in the style's colours
//    (Orvane) it is always filled and framed in them; OrvaneDemo draws it in colours of its own and
//    only keeps the style's. The style's two style numbers and its width are only kept for the
//    windows that set them.
//  - Clear also returns the box to the style's starting size, and every AddText places all lines
//    again, so a centred line stays centred in a box that a later line widened.
//  - AddText of an empty text adds nothing; otherwise every piece between line breaks is a line.
//  - The lines belong to the control under the mouse when they were added (none: they stand
//    alone). Once that control is gone or no longer shown, itself or a window it lies in, the
//    tooltip is emptied when it would be drawn: a panel that closes takes the tip of its controls
//    with it, although the mouse has not moved.
//  - A colour index outside 0..12 (negative ones too) is white.
//  - A tip stream comes with its length and is read within it: a text may be of any length, a
//    stream that ends early is dropped with a debug line, bytes after its last line are ignored.
//  - A tip whose frame count is 0 or below has expired. The number of queued tips is drawn only
//    in a frame that draws the box.
//  - The text argument of a tip line is the build's (kAutoTipLineFont: a font number in Orvane, a
//    pixel size in OrvaneDemo); whether a tip equal to the last one queued is dropped is the
//    build's too (kAutoTipDropsRepeat).
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control/ORVControl.h"
#include "framework/core/LifeToken.h"
#include "framework/core/OrvTypes.h"

// ---- Tooltip: colours and the line model ----

// Colour indices of tooltip text, 0 to 12 (0 is invisible, 1 white, 6 yellow, 3 red ...).
inline constexpr int kToolTipColourCount = 13;
inline constexpr int kToolTipWhite = 1;

// The colour of an index; an index outside 0..12 is white.
ARGB ToolTipColour(int index);

// One run of text in one colour, placed inside its line.
struct ORVToolTipSegment {
    std::string m_strText;
    i32 m_nX = 0;
    i32 m_nY = 0;
    i32 m_nColour = kToolTipWhite;   // 0..12 (stored so: any other index is kept as white)
    i32 m_nFont = 1;
    u8 m_byStyle = 0;
    i32 m_nWidth = 0;                // pixels: a fixed width per byte of text
    i32 m_nHeight = 0;
};

// One line of the tooltip box.
struct ORVToolTipLine {
    std::vector<ORVToolTipSegment> m_vSegments;
    i32 m_nX = 0;                    // place inside the box
    i32 m_nY = 0;
    i32 m_nWidth = 0;                // sum of the segments' widths
    i32 m_nHeight = 0;               // top margin + text height + bottom margin
    i32 m_nTopMargin = 0;
    i32 m_nBottomMargin = 0;
    i32 m_nAlign = 0;                // 0 left, 1 centred, 2 right (any other value: at x 0)
};

// Builds a line from one line of text (no line break). The text is cut into segments from left
// to right; style is the default colour index:
//  - a segment that begins with "$$" begins with a literal '$'; one that begins with '$' and up to
//    three decimal digits takes their value as its colour (no digit gives 0); any other takes style;
//  - a segment runs to the next '$' or the end of the text;
//  - a '$' that ends a segment stays and starts the next one when "$$" or digits with a value
//    other than 0 follow it; otherwise the '$' and its zero digits are dropped, so that the next
//    segment is in the style's colour again;
//  - empty segments are dropped.
// Segments are placed left to right from (0, 0). The text ends at an embedded NUL, as it would
// when drawn.
ORVToolTipLine BuildToolTipLine(std::string_view text, int style, int align);

// The tooltip's look. A default style is the tooltip's own look (what Reset gives); windows
// with a hover style of their own set it through SetStyle, then Clear.
struct ORVToolTipStyle {
    i32 m_nMargin = 4;                // left and right margin of the lines
    i32 m_nFirstLineY = 4;            // y of the first line inside the box
    i32 m_nFrameStyle = 1;            // kept for the windows that set it; the box does not use it
    ARGB m_dwFrameColour = kToolTipStyleFrameColour;
    i32 m_nTextStyle = 3;             // kept for the windows that set it; the box does not use it
    i32 m_nBoxWidth = 8;              // the box's size before any line; it grows with the lines
    i32 m_nBoxHeight = 8;
    ARGB m_dwFillColour = kToolTipStyleFillColour;
    i32 m_nWidth = 260;               // kept for the windows that set it; lines are never wrapped
};

inline constexpr ORVToolTipStyle kToolTipDefaultStyle{};
// The hover style that several game windows give the tooltip: a fainter frame.
inline constexpr ORVToolTipStyle kToolTipHoverStyle{.m_dwFrameColour = 0x8CF09F3F};

// Cuts a text at its line breaks ('\n'): every piece is a line, empty pieces too ("a\n" gives
// "a" and ""). An empty text gives one empty line.
std::vector<std::string_view> SplitTextLines(std::string_view text);

// ---- The tooltip ----

class CORVToolTip {
public:
    // g_ToolTip, created on first use.
    static CORVToolTip& GetSingleton();

    CORVToolTip();

    // The tooltip's own look (kToolTipDefaultStyle), then Clear.
    void Reset();
    // Erases every line; the box goes back to the style's starting size. No tooltip is drawn.
    void Clear();
    // Appends the text's lines (cut at line breaks) built with the style as default colour index
    // and the alignment (0 left at the margin, 1 centred, 2 right); the box grows to hold them and
    // every line is placed again. An empty text adds nothing. The control under the mouse, if
    // any, becomes the lines' owner.
    void AddText(int style, const std::string& text, int align);
    // Draws the box next to the mouse (see CORVToolTip::Place); nothing without lines. Lines whose
    // owner is gone or hidden are cleared first.
    void Draw();

    // Sets the look (margins, colours, starting box size ...); the lines stay until Clear.
    void SetStyle(const ORVToolTipStyle& style) { m_Style = style; }
    const ORVToolTipStyle& GetStyle() const { return m_Style; }

    // The box's top-left corner for a mouse position on a screen: the mouse plus the build's
    // offset, moved left and up so that the box ends at the screen's right and bottom edges.
    void Place(int mouseX, int mouseY, int screenW, int screenH, int* x, int* y) const;

    bool IsEmpty() const { return m_vLines.empty(); }

    std::vector<ORVToolTipLine> m_vLines;
    i32 m_nBoxWidth = 8;
    i32 m_nBoxHeight = 8;
    ORVToolTipStyle m_Style;

private:
    void PlaceLines();
    // True when the lines have an owner and it is gone, or it or a window around it is hidden.
    bool OwnerClosed() const;
    void DrawBox(int x, int y) const;   // ORVToolTipDraw.cpp

    CORVControl* m_pOwner = nullptr;    // read only while m_OwnerLife lives
    ORVLifeWatch m_OwnerLife;
};

// ---- Floating tips: records and the tip stream ----

// One line of a floating tip.
struct AutoTipLine {
    std::string m_strText;
    ARGB m_dwColour = 0xFFFFFFFF;
    u16 m_wFont = kAutoTipLineFont;  // kAutoTipLineFont or kAutoTipLineFontLarge
    u8 m_byAlign = 1;                // 0 left, 1 centred, 2 right; 3 or more draws centred

    int DrawnAlign() const { return m_byAlign > 2 ? 1 : m_byAlign; }
    bool operator==(const AutoTipLine&) const = default;
};

// One queued floating tip.
struct AutoTipItem {
    i32 m_nFrames = 0;               // frames left to show; 0 or below: expired
    u8 m_byKind = 0;                 // compared when the same tip is given twice in a row
    std::vector<AutoTipLine> m_vLines;
};

// Tip stream, little-endian: i32 frames, u16 line count, u8 kind; per line: i32 colour, u16 font
// (the build's text argument), u8 alignment, the text and its NUL. A line text with line breaks
// becomes one tip line per piece, all with that line's colour, font and alignment; a font other
// than kAutoTipLineFontLarge becomes kAutoTipLineFont.
//
// Reading operations over a stream of known length: each gives the value at pos and moves pos
// past it, or returns false and leaves pos as it was when the stream ends too early.
// ReadBufString reads a text of any length up to its NUL (pos moves past the NUL).
bool ReadBufU8(std::string_view buf, std::size_t& pos, u8* out);
bool ReadBufU16(std::string_view buf, std::size_t& pos, u16* out);
bool ReadBufU32(std::string_view buf, std::size_t& pos, u32* out);
bool ReadBufString(std::string_view buf, std::size_t& pos, std::string* out);

// Reads a whole tip stream into item; false for a stream shorter than its header and lines say
// (bytes after the last line are not read).
bool ParseTipStream(std::string_view stream, AutoTipItem* item);

// ---- The floating-tip control ----

class CAutoTip : public CORVControl {
public:
    // g_AutoTip, created on first use.
    static CAutoTip& GetSingleton();

    CAutoTip();
    ~CAutoTip() override;

    // A one-line tip {frames, 1 line, kind 0, colour, kAutoTipLineFont, centred, text}.
    void AddText(const std::string& text, u32 colour, int frames);
    // Appends a stream header {frames, line count, kind}.
    static void AppendHeader(std::string& stream, i32 frames, u16 lineCount, u8 kind = 0);
    // Appends one line record {colour, font, centred, text and its NUL} to a stream; the font is
    // written as given (Add reads any value other than kAutoTipLineFontLarge as kAutoTipLineFont).
    // Without a font, kAutoTipLineFont. A null text appends nothing (debug line).
    static void AppendLine(u32 colour, u16 font, std::string& stream, const char* text);
    static void AppendLine(u32 colour, std::string& stream, const char* text)
    {
        AppendLine(colour, kAutoTipLineFont, stream, text);
    }
    // Queues the tip that a stream describes. A malformed stream gets a debug line and is
    // dropped. Where the build says so (kAutoTipDropsRepeat), a tip equal to the last one queued
    // (same kind, same lines) is dropped too, so the same notice given several times in a row
    // shows once.
    void Add(std::string_view stream);
    void Add(const char* data, std::size_t len) { Add(std::string_view(data, len)); }
    // A stream holds NUL bytes, so its length must be given.
    void Add(const char* stream) = delete;
    // Drops the front tip and lays out the next one; hides the box when none remains.
    void Next();
    // Drops every tip; the box hides.
    void Clear();

    const std::deque<AutoTipItem>& GetTips() const { return m_dqTips; }

    void Render() override;                 // counts down and draws the front tip
    bool OnMouseMove(int x, int y) override;   // takes the hover, shows no tooltip
    bool OnClick(int kind) override;        // 0: next tip, 1: every tip away; then the base

private:
    void LayoutFront();
    void DrawFront(const AutoTipItem& tip, std::size_t queued);   // ORVToolTipDraw.cpp
    // The tip's lines, kAutoTipLineStep apart from kAutoTipFirstLineY, each aligned in the box.
    void DrawLines(const AutoTipItem& tip);

    std::deque<AutoTipItem> m_dqTips;
};
