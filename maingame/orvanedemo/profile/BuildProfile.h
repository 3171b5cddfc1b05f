// Per-build values of the toolkit in OrvaneDemo, the engine-drawn build: notification ids,
// system-window slots, control defaults, layout, texture groups of the renderer and text metrics.
// Toolkit code names these values by constant; Orvane's profile holds the same names.
#pragma once

#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"

// Notifications a control posts to its parent's queue (ORVMsg::m_nId, sender set).
inline constexpr u32 kNotifyLeftClick = 0;
inline constexpr u32 kNotifyRightClick = 1;
inline constexpr u32 kNotifyOtherClick = 2;
inline constexpr u32 kNotifyLeftDblClk = 3;     // not posted: kPostsDoubleClicks is false
inline constexpr u32 kNotifyRightDblClk = 4;    // not posted
inline constexpr u32 kNotifyClose = 6;
inline constexpr u32 kNotifyChoiceSelect = 7;   // drop-down list: a row was chosen (p1 = row)
inline constexpr u32 kNotifyChoiceDrop = 8;     // drop-down list: its box was clicked
inline constexpr u32 kNotifyScroll = 9;
inline constexpr u32 kNotifyEditEnter = 10;

inline constexpr u32 kNotifyDelay = 1;

// System windows of the main window: 273 message box, 274 test host window, 275 Garden main
// window, 276 exchange window. A close request from their own window empties 275 and 276 only.
inline constexpr u32 kSysWndFirstId = 273;
inline constexpr u32 kSysWndLastId = 276;
inline constexpr u32 kSysWndClosedOnRequest[] = {275, 276};
inline constexpr u32 kSysWndGameIds[] = {275};

// Control defaults.
inline constexpr u8 kDefaultFocusable = 0;
inline constexpr i32 kDefaultToolTipStyle = 2;    // the tooltip line type of a control's tooltip text
inline constexpr bool kToolTipOnEnter = true;     // the tooltip is filled on entering, not on moving
inline constexpr bool kPostsDoubleClicks = false;
inline constexpr bool kTellsDragEnd = false;       // a drop tells the control that held the mouse (OnDragEnd)
inline constexpr bool kKeyResult = true;          // keys that reach a plain control stop there
inline constexpr bool kMouseMoveResult = true;
inline constexpr bool kDropResult = true;
inline constexpr bool kRButtonResult = true;
inline constexpr bool kMButtonResult = true;
inline constexpr bool kHitTestResult = true;
inline constexpr bool kOnMessageResult = true;

// Windows: whether a window centres itself in its parent (or on the screen) when created, and
// whether dragging a window whose parent is the main window moves the main window itself.
inline constexpr bool kWindowCentresOnCreate = true;
inline constexpr bool kTopLevelDragMovesMainWnd = true;

// Window layout.
inline constexpr int kCloseButtonRight = 35;
inline constexpr int kCloseButtonTop = 5;
inline constexpr int kCloseButtonFrame = 3;     // texture 3 of group 2
inline constexpr int kMainWndWidth = 800;
inline constexpr int kMainWndHeight = 600;
inline constexpr int kDragIconOffset = 24;      // no icon dragging in this build

// Texture groups of the renderer.
inline constexpr int kImageSetWindow = 1;       // window backgrounds
inline constexpr int kImageSetButton = 2;       // buttons, check boxes, the drop-down arrow
inline constexpr int kImageSetFrame = 3;        // frames of edit fields, drop-down faces, scroll bars
inline constexpr int kImageSetPicture = 7;      // pictures in rich text, the cursor
inline constexpr u16 kCursorTexture = 1;        // group 7

// Text metrics: the renderer takes text sizes in pixels (12 and 16 are the sizes in use). Toolkit
// code written for font numbers passes them as they are: a value below 8 is a font number (font 2
// is size 16, any other size 12), 8 or more already a size. GetTextWidth(text, size) counts
// size / 2 pixels a byte (truncated), so "font 1" measures 6 pixels a byte as size 12 does.
inline constexpr int kTextSizeDefault = 12;
inline constexpr int kTextSizeLarge = 16;
inline constexpr int TextPixelSize(int fontOrSize)
{
    return fontOrSize >= 8 ? fontOrSize : (fontOrSize == 2 ? kTextSizeLarge : kTextSizeDefault);
}
inline constexpr int TextBytePx(int fontOrSize) { return TextPixelSize(fontOrSize) / 2; }
inline constexpr int kFont1ByteWidth = TextBytePx(1);
inline constexpr int kFont2ByteWidth = TextBytePx(2);
inline constexpr int kTextLineStepFont1 = 14;
inline constexpr int kTextLineStepOther = 16;
inline constexpr int kTextSymbolPairPx = 12;
inline constexpr int kTextWidePairPx = 16;
inline constexpr int kTextLineHeight = 12;

// Tooltip: box corner at the mouse + 10; drawn in these colours. A line is as high as its last
// run of text (0 without runs), a run its size + 3 (15 at size 12), with no margins of its own.
inline constexpr int kToolTipMouseOffset = 10;
inline constexpr int kToolTipLineMargin = 0;
inline constexpr bool kToolTipLineFromRuns = true;
inline constexpr int kToolTipRunHeight = kTextSizeDefault + 3;
inline constexpr ARGB kToolTipFrameColour = 0x9A8D6365;
inline constexpr ARGB kToolTipFillColour = 0x9AFFFFFF;

// Floating tips.
inline constexpr int kAutoTipPadWidth = 8;
inline constexpr int kAutoTipPadHeight = 20;
inline constexpr int kAutoTipMinWidth = 200;
inline constexpr int kAutoTipFirstLineY = 10;
inline constexpr int kAutoTipLineStep = 14;
inline constexpr ARGB kAutoTipFrameColour = 0xF0F09F3F;
inline constexpr ARGB kAutoTipFillColour = 0x80150800;
inline constexpr ARGB kAutoTipCountColour = 0xFFFFFFFF;
inline constexpr int kAutoTipCountOffset = 2;

// Buttons and check boxes (group 2).
inline constexpr u32 kButtonCaptionColour = 0xFFFFFFFF;
inline constexpr u32 kButtonCaptionLatchedColour = 0xFFFFFFFF;
inline constexpr u32 kButtonCaptionHoverColour = 0xFFFFFFFF;
inline constexpr u16 kCheckBaseFrame = 18;
inline constexpr u16 kCheckLargeFrame = 18;
inline constexpr int kCheckSize = 20;
inline constexpr int kCheckLargeWidth = 20;
inline constexpr int kCheckLargeHeight = 20;
inline constexpr int kCheckInitialSize = 20;
inline constexpr int kCheckCaptionX = 20;
inline constexpr int kCheckCaptionY = 3;

// Message box (background texture 1 of group 1; buttons of group 2).
inline constexpr u16 kMsgBoxBackFrame = 1;
inline constexpr u16 kMsgBoxOkFrame = 9;
inline constexpr u16 kMsgBoxCancelFrame = 12;
inline constexpr int kMsgBoxButtonY = 103;
inline constexpr int kMsgBoxButtonHalfWidth = 32;
inline constexpr int kMsgBoxCheckX = 35;
inline constexpr int kMsgBoxCheckY = 73;
inline constexpr bool kMsgBoxCheckAtFront = false;
// The style ShowOkBox gives its request (0x200, | 0x20 two buttons).
inline constexpr u32 kMsgBoxOkBoxStyle = 0x220;
inline constexpr int kMsgBoxTextX = 32;
inline constexpr int kMsgBoxTextY = 40;
inline constexpr int kMsgBoxTextWidth = 260;
inline constexpr int kMsgBoxTextHeight = 80;
inline constexpr int kMsgBoxTextLineHeight = 16;
inline constexpr ARGB kMsgBoxTextColour = 0xFF8D6365;
inline constexpr int kMsgBoxGuideStep = 0;              // no tutorial driver in this build

// ---- Tooltip style and floating-tip lines ----
// The colours that the tooltip's style reset gives; they are only kept (the box is drawn in
// kToolTipFrameColour and kToolTipFillColour).
inline constexpr ARGB kToolTipStyleFrameColour = 0x8CF09F3F;
inline constexpr ARGB kToolTipStyleFillColour = 0x80150800;
// Floating tips: every tip is queued, a repeated one too. The text argument of a tip line is a
// pixel size: AddText and AppendLine without a size write 12; a stream line may ask for 16, any
// other value reads as 12.
inline constexpr bool kAutoTipDropsRepeat = false;
inline constexpr u16 kAutoTipLineFont = kTextSizeDefault;
inline constexpr u16 kAutoTipLineFontLarge = kTextSizeLarge;

// ---- Rich text ----
// Text sizes are pixel sizes here: the default style and added text are size 12; added text takes
// the caller's colour (white when none is given). '#' pictures are textures of group 7; the mark
// that opens each paragraph is picture 648 + 16 of group 3 (the fallback picture when that does not load).
inline constexpr int kRichDefaultFont = kTextSizeDefault;
inline constexpr ARGB kRichAddTextColour = 0xFFFFFFFF;
inline constexpr int kRichAddTextFont = kTextSizeDefault;
inline constexpr u16 kRichImageKind = kImageSetPicture;
inline constexpr u16 kRichImageIdOffset = 0;
inline constexpr u16 kRichTypeMarkKind = kImageSetFrame;
inline constexpr u16 kRichTypeMarkIdOffset = 16;
inline constexpr int kRichTypeMarkImage = 648;
// Every key that reaches the rich-text viewer counts as handled.
inline constexpr bool kRichViewerOtherKeyResult = true;
// The rich-text viewer's scroll step until SetScrollStep and after it; the gap between the text
// and the scroll bar.
inline constexpr int kRichViewerCreateStep = 5;
inline constexpr int kRichViewerStep = 16;
inline constexpr int kRichViewerScrollGap = 2;

// ---- Scroll bars, drop-down lists, edit fields (frames of group 3, the arrow of group 2) ----

// Scroll bars: sizes before any image is set, thumb and track frames.
inline constexpr int kScrollBarSize = 18;         // thickness of the bar
inline constexpr int kScrollThumbSize = 10;       // the thumb image's size; centres the track across the bar
inline constexpr int kScrollCapStart = 6;
inline constexpr int kScrollMiddleLen = 100;
inline constexpr int kScrollCapEnd = 6;
// The thumb's offset along the track: trunc((track x position) / range), in double precision.
inline constexpr bool kScrollThumbProductFirst = true;
inline constexpr u16 kScrollThumbFrame = 1;
inline constexpr u16 kHScrollTrackFrame = 7;      // cap, middle, cap
inline constexpr u16 kVScrollTrackFrame = 4;

// Drop-down list: face frames 10 to 12 of group 3, arrow frames 15 to 17 of group 2.
inline constexpr int kChoiceMaxRows = 15;
inline constexpr int kChoiceClosedHeight = 22;
inline constexpr int kChoiceRowHeight = 18;
inline constexpr int kChoiceCapLeft = 5;
inline constexpr int kChoiceMiddleLen = 100;
inline constexpr int kChoiceCapRight = 5;
inline constexpr u16 kChoiceArrowFrame = 15;
inline constexpr u16 kChoiceBoxFrame = 10;
inline constexpr int kChoiceArrowRight = 14;      // arrow x = width - this
inline constexpr int kChoiceArrowTop = 3;
inline constexpr int kChoiceTextTop = 5;
inline constexpr int kChoiceRowTextTop = 3;
inline constexpr int kChoiceScrollRight = 16;
inline constexpr bool kChoiceScrollAtFront = false;   // the list's bar joins the back of the children
inline constexpr ARGB kChoiceListColour = 0x9AFFFFFF;
inline constexpr ARGB kChoiceHoverColour = 0x9A8D6365;

// Edit field. A pair led by 0xFF is wide: 8 px a byte.
inline constexpr u8 kEditKindSingle = 0x00;
inline constexpr u8 kEditKindLead = 0x10;
inline constexpr u8 kEditKindTrail = 0x11;
inline constexpr u8 kEditKindWideLead = 0x20;
inline constexpr u8 kEditKindWideTrail = 0x21;
inline constexpr bool kEditFFLeadIsWide = true;
inline constexpr int kEditWideBytePx = 8;
inline constexpr int kEditMaxLen = 512;
inline constexpr int kEditRightToEndSpan = 1;
inline constexpr bool kEditNotifyChange = false;  // the field tells no change
inline constexpr u32 kNotifyEditChange = 12;      // not posted: kEditNotifyChange is false
inline constexpr bool kEditOtherKeyResult = false;  // a key without an action goes on to the parent
inline constexpr ARGB kEditCaretColour = 0xFF8D6365;
inline constexpr ARGB kEditTextColour = 0xFFFFFFFF;
inline constexpr ARGB kEditSelectColour = 0xEF08246B;
inline constexpr u16 kEditFrame = 10;             // group 3: cap, middle, cap
inline constexpr int kEditFrameMiddleLen = 100;
inline constexpr int kEditFrameLeft = -4;
inline constexpr int kEditCaretBlinkMs = 500;
inline constexpr int kEditCaretShift = 4;
// Text placement: the line is as high as the text size; top-aligned text starts at the field's
// top, bottom-aligned text ends at its bottom; the horizontal alignment measures the shown text
// with GetTextWidth (a pair led by 0xFF counts as two narrow bytes there).
inline constexpr int EditLineHeight(int size) { return TextPixelSize(size); }
inline constexpr int kEditTextTop = 0;
inline constexpr int kEditTextBottomShift = 0;
inline constexpr bool kEditAlignsByTextWidth = true;

// Radio group: one row whatever the step (a negative step lays the buttons left of the origin);
// the selection stays 0 until the first click, whatever item was latched at creation.
inline constexpr bool kRadioNegativeStepIsColumn = false;
inline constexpr bool kRadioSelectsOnCreate = false;
