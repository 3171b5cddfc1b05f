// Per-build values of the toolkit, in one place: the notification ids that controls post to
// their parent, control defaults and text metrics. Toolkit code names these values by constant.
// The engine-drawn build keeps its own copy of this header with its own values.
#pragma once

#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"

// Notifications a control posts to its parent's queue (ORVMsg::m_nId, sender set).
inline constexpr u32 kNotifyLeftClick = 0;      // left button down and up on the same control
inline constexpr u32 kNotifyRightClick = 1;     // right button released over the control
inline constexpr u32 kNotifyOtherClick = 2;     // any other click kind
inline constexpr u32 kNotifyLeftDblClk = 3;     // left double click
inline constexpr u32 kNotifyRightDblClk = 4;    // right double click
inline constexpr u32 kNotifyClose = 7;          // a window asks its parent to remove it
inline constexpr u32 kNotifyChoiceSelect = 8;   // drop-down list: a row was picked (p1 = row)
inline constexpr u32 kNotifyChoiceDrop = 9;     // drop-down list: open or close the list
inline constexpr u32 kNotifyScroll = 10;        // scroll bar position changed
inline constexpr u32 kNotifyEditEnter = 11;     // edit field: Enter pressed
inline constexpr u32 kNotifyEditChange = 12;    // edit field: text changed

// Posting delay of a notification, in frames (pumps of the receiving queue).
inline constexpr u32 kNotifyDelay = 1;

// System windows of the main window: one command id and one slot each, in this range.
inline constexpr u32 kSysWndFirstId = ORV_MSG_MSGBOX;
inline constexpr u32 kSysWndLastId = ORV_MSG_SPLITWND;
// The slots a close request from their own window empties (the message box closes through its
// command instead).
inline constexpr u32 kSysWndClosedOnRequest[] = {ORV_MSG_CHOOSEBEAST, ORV_MSG_GAMEWND, ORV_MSG_POPMENU,
                                                 ORV_MSG_SPLITWND};
// The game's windows: the game is open while one of them is; closing the game closes the first
// one open, in this order.
inline constexpr u32 kSysWndGameIds[] = {ORV_MSG_GAMEWND, ORV_MSG_CHOOSEBEAST};

// Control defaults.
inline constexpr u8 kDefaultFocusable = 1;      // controls accept the focus unless told otherwise
inline constexpr i32 kDefaultToolTipStyle = 6;  // tooltip colour index (yellow)
inline constexpr bool kToolTipOnEnter = false;  // the tooltip is filled on every mouse move, not on entering
inline constexpr bool kPostsDoubleClicks = true;  // double clicks post kNotifyLeftDblClk / kNotifyRightDblClk
inline constexpr bool kTellsDragEnd = true;       // a drop tells the control that held the mouse (OnDragEnd)
// What the base handlers answer (true: handled, routing stops there).
inline constexpr bool kKeyResult = false;           // OnKeyDown, OnKeyUp, OnChar
inline constexpr bool kMouseMoveResult = true;      // OnMouseMove (true also makes the control the hover control)
inline constexpr bool kDropResult = true;           // OnDrop
inline constexpr bool kRButtonResult = true;        // OnRButtonDown
inline constexpr bool kMButtonResult = true;        // OnMButtonDown, OnMButtonUp
inline constexpr bool kHitTestResult = true;        // HitTest
inline constexpr bool kOnMessageResult = true;      // OnMessage

// Windows: whether a window centres itself in its parent (or on the screen) when created, and
// whether dragging a window whose parent is the main window moves the main window itself.
inline constexpr bool kWindowCentresOnCreate = false;
inline constexpr bool kTopLevelDragMovesMainWnd = false;

// Window layout.
inline constexpr int kCloseButtonRight = 35;    // close button x = window width - this
inline constexpr int kCloseButtonTop = 4;
inline constexpr int kCloseButtonFrame = 3;     // image frame of set 92
inline constexpr int kMainWndWidth = 800;
inline constexpr int kMainWndHeight = 600;
inline constexpr int kDragIconOffset = 24;      // the dragged icon is drawn centred on the mouse

// Image sets of the host.
inline constexpr int kImageSetWindow = 93;      // window backgrounds, bars, digits, most game images
inline constexpr int kImageSetButton = 92;      // buttons, check boxes, menu rows
inline constexpr int kImageSetFrame = kImageSetWindow;  // frames of edit fields, drop-down boxes, scroll bars

// Text metrics: pixels per byte of text, default line steps, widths of two special pairs.
inline constexpr int kFont1ByteWidth = 6;
inline constexpr int kFont2ByteWidth = 7;
// The text argument of GetTextWidth and its kin is a font number: font 1 or any other.
inline constexpr int TextBytePx(int font) { return font == 1 ? kFont1ByteWidth : kFont2ByteWidth; }
inline constexpr int kTextLineStepFont1 = 14;
inline constexpr int kTextLineStepOther = 16;
inline constexpr int kTextSymbolPairPx = 12;   // GetTextWidth: pair F8 A1..FE, whatever the font
inline constexpr int kTextWidePairPx = 16;     // GetTextRangeWidth: pair with lead byte FF
inline constexpr int kTextLineHeight = 12;

// Tooltip: the box's place next to the mouse, the space around each line, its own colours.
inline constexpr int kToolTipMouseOffset = 20;            // box corner = mouse + this, both ways
inline constexpr int kToolTipLineMargin = 1;              // above and below each line of text
// A tooltip line is its margins and the text line's height; a run of text is a text line high.
inline constexpr bool kToolTipLineFromRuns = false;
inline constexpr int kToolTipRunHeight = kTextLineHeight;
inline constexpr ARGB kToolTipFrameColour = 0xF0F09F3F;
inline constexpr ARGB kToolTipFillColour = 0x80150800;

// Floating tips: the box is the widest line plus a padding, never narrower than the minimum; lines
// start at kAutoTipFirstLineY, kAutoTipLineStep apart; more than one queued tip shows their count.
inline constexpr int kAutoTipPadWidth = 8;
inline constexpr int kAutoTipPadHeight = 20;
inline constexpr int kAutoTipMinWidth = 200;
inline constexpr int kAutoTipFirstLineY = 10;
inline constexpr int kAutoTipLineStep = 14;
inline constexpr ARGB kAutoTipFrameColour = 0xF0F09F3F;
inline constexpr ARGB kAutoTipFillColour = 0x80150800;
inline constexpr ARGB kAutoTipCountColour = 0xFFFFFFFF;
inline constexpr int kAutoTipCountOffset = 2;   // the count, inside the top-left corner

// Buttons and check boxes (image set 92; a button's base frame + 1 hover, + 2 pressed).
inline constexpr u32 kButtonCaptionColour = 0xFFFFFFFF;         // normal and disabled
inline constexpr u32 kButtonCaptionLatchedColour = 0xFFD99694;  // latched or pressed
inline constexpr u32 kButtonCaptionHoverColour = 0xFFD9D994;
inline constexpr u16 kCheckBaseFrame = 18;              // small check box, frames 18 to 23
inline constexpr u16 kCheckLargeFrame = 24;             // large check box, frames 24 to 29
inline constexpr int kCheckSize = 14;                   // small check box, square
inline constexpr int kCheckLargeWidth = 28;
inline constexpr int kCheckLargeHeight = 22;
inline constexpr int kCheckInitialSize = 20;            // before CreateCheck, square
inline constexpr int kCheckCaptionX = 20;
inline constexpr int kCheckCaptionY = 0;

// Message box (image set 93 background; buttons of set 92).
inline constexpr u16 kMsgBoxBackFrame = 31;
inline constexpr u16 kMsgBoxOkFrame = 9;
inline constexpr u16 kMsgBoxCancelFrame = 12;
inline constexpr int kMsgBoxButtonY = 110;
inline constexpr int kMsgBoxButtonHalfWidth = 49;      // buttons centred at width / 4, 3 width / 4 or width / 2
inline constexpr int kMsgBoxCheckX = 35;
inline constexpr int kMsgBoxCheckY = 80;
inline constexpr bool kMsgBoxCheckAtFront = true;
// The style ShowOkBox gives its request (0x200, | 0x20 two buttons).
inline constexpr u32 kMsgBoxOkBoxStyle = 0x200;
inline constexpr int kMsgBoxTextX = 20;
inline constexpr int kMsgBoxTextY = 20;
inline constexpr int kMsgBoxTextWidth = 290;
inline constexpr int kMsgBoxGuideStep = 10;             // the tutorial step that points at the OK button

// Hint boxes (speech bubble and tutorial hint): 36 x 20 px tiles and pointers of image set 93.
namespace HintBox {
inline constexpr int kImageSet = kImageSetWindow;
inline constexpr int kTileW = 36;
inline constexpr int kTileH = 20;
inline constexpr int kFirstTileFrame = 160;   // + column kind + 3 x row kind (0 first, 2 last, 1 between)
inline constexpr int kPointerUp = 169;        // box above the point, pointer hangs below it
inline constexpr int kPointerDown = 170;      // box below the point, pointer stands above it
}  // namespace HintBox

// ---- Scroll bars, drop-down lists, edit fields, popup menu and split window ----

// Scroll bars (image set 93): sizes before any image is set, thumb and track frames.
inline constexpr int kScrollBarSize = 18;         // cross size of the bar and length of the thumb
inline constexpr int kScrollThumbSize = 10;       // the thumb image's size: the track's thickness, centred across the bar
inline constexpr int kScrollCapStart = 6;         // track's first cap, along the bar
inline constexpr int kScrollMiddleLen = 100;      // track's middle image, stretched
inline constexpr int kScrollCapEnd = 6;           // track's last cap
// The thumb's offset along the track: trunc(track x (position / range)), in double precision.
inline constexpr bool kScrollThumbProductFirst = false;
inline constexpr u16 kScrollThumbFrame = 100;
inline constexpr u16 kHScrollTrackFrame = 106;    // cap, middle, cap
inline constexpr u16 kVScrollTrackFrame = 103;

// Drop-down list (box of set 93, arrow of set 92).
inline constexpr int kChoiceMaxRows = 15;         // rows shown at most; more items get a scroll bar
inline constexpr int kChoiceClosedHeight = 22;
inline constexpr int kChoiceRowHeight = 18;
inline constexpr int kChoiceCapLeft = 5;
inline constexpr int kChoiceMiddleLen = 100;
inline constexpr int kChoiceCapRight = 5;
inline constexpr u16 kChoiceArrowFrame = 15;
inline constexpr u16 kChoiceBoxFrame = 118;
inline constexpr int kChoiceArrowRight = 15;      // arrow x = width - this
inline constexpr int kChoiceArrowTop = 4;
inline constexpr int kChoiceTextTop = 5;          // selected text, below the box top
inline constexpr int kChoiceRowTextTop = 3;       // row text, below the row top
inline constexpr int kChoiceScrollRight = 16;     // list scroll bar x = width - this
inline constexpr bool kChoiceScrollAtFront = true;
inline constexpr ARGB kChoiceListColour = 0x80150800;
inline constexpr ARGB kChoiceHoverColour = 0xF0F4C48A;

// Edit field. Byte kinds of its text engine: a one-byte character, the first and second byte of
// a two-byte character, and of a wide (16 px) two-byte character.
inline constexpr u8 kEditKindSingle = 0x00;
inline constexpr u8 kEditKindLead = 0x10;
inline constexpr u8 kEditKindTrail = 0x11;
inline constexpr u8 kEditKindWideLead = 0x20;
inline constexpr u8 kEditKindWideTrail = 0x21;
inline constexpr bool kEditFFLeadIsWide = false;  // no input path of this build sets the wide kind
inline constexpr int kEditWideBytePx = 8;         // each byte of a wide character
inline constexpr int kEditMaxLen = 512;
inline constexpr int kEditRightToEndSpan = 1;     // MoveRight from length - this (or later) goes to the end
inline constexpr bool kEditNotifyChange = true;   // typing, paste, Delete, Backspace post kNotifyEditChange
inline constexpr bool kEditOtherKeyResult = true; // a key the field has no action for counts as handled
inline constexpr ARGB kEditCaretColour = 0xFF8D6365;
inline constexpr ARGB kEditTextColour = 0xFFFFFFFF;
inline constexpr ARGB kEditSelectColour = 0xEF08246B;
inline constexpr u16 kEditFrame = 118;            // background of set 93: cap, middle, cap
inline constexpr int kEditFrameMiddleLen = 100;
inline constexpr int kEditFrameLeft = -4;         // left cap x; the right cap sits at width - 1
inline constexpr int kEditCaretBlinkMs = 500;     // the caret shows in odd half-seconds
inline constexpr int kEditCaretShift = 4;         // "|" drawn this far left of the caret pixel
// Text placement: line height 12 for font 1, else 14; top-aligned text one pixel below the top,
// bottom-aligned text one pixel past the bottom; the horizontal alignment measures the shown
// bytes with the field's own byte widths.
inline constexpr int EditLineHeight(int font) { return font == 1 ? 12 : 14; }
inline constexpr int kEditTextTop = 1;
inline constexpr int kEditTextBottomShift = 1;
inline constexpr bool kEditAlignsByTextWidth = false;

// Radio group: a negative step lays the buttons out in a column; the latched item is selected
// from creation on.
inline constexpr bool kRadioNegativeStepIsColumn = true;
inline constexpr bool kRadioSelectsOnCreate = true;

// Popup menu (rows of set 92) and quantity split window.
inline constexpr int kMenuWidth = 97;
inline constexpr int kMenuRowHeight = 21;
inline constexpr u16 kMenuRowFrame = 39;          // + state: 0 normal, 1 hover, 2 pressed
inline constexpr int kMenuCaptionX = 48;
inline constexpr int kMenuCaptionY = 4;
inline constexpr ARGB kMenuItemColour = 0xFFFFFFFF;
inline constexpr ARGB kMenuItemHoverColour = 0xFFFFFF00;
inline constexpr ARGB kMenuItemDisabledTint = 0xFFDDDDDD;
inline constexpr u16 kSplitBackFrame = 30;
inline constexpr u32 kSplitMaxAmount = 65535;     // the request carries a 16-bit amount
// The split window's children: buttons of set 92 by their frame, the bar and the edit field.
namespace SplitWnd {
inline constexpr int kOkX = 48, kOkY = 85;
inline constexpr u16 kOkFrame = 48;
inline constexpr int kCancelX = 193, kCancelY = 85;
inline constexpr u16 kCancelFrame = 60;
inline constexpr int kBarX = 48, kBarY = 52, kBarLength = 222;
inline constexpr int kIncX = 275, kIncY = 49;
inline constexpr u16 kIncFrame = 42;
inline constexpr int kDecX = 18, kDecY = 49;
inline constexpr u16 kDecFrame = 45;
inline constexpr int kEditX = 100, kEditY = 22, kEditW = 95, kEditH = 14;
inline constexpr int kEditLength = 5;       // bytes: up to 99999
inline constexpr int kEditFont = 1;
inline constexpr u32 kEditAlign = 0;
}  // namespace SplitWnd

// ---- Rich text ----
// The rich-text model and the '#' builder are the same in every build; these are the values in
// which builds differ. Text widths and heights and image sizes are the build's drawing files'.
inline constexpr int kRichDefaultFont = 1;              // font of the default style (bits 0-4)
inline constexpr ARGB kRichAddTextColour = 0xFFFFFF00;  // base colour of text added to a document
inline constexpr int kRichAddTextFont = 1;              // font of text added to a document
inline constexpr u16 kRichImageKind = kImageSetWindow;  // image set of '#' pictures
inline constexpr u16 kRichImageIdOffset = 0;            // added to a '#' picture's number
inline constexpr u16 kRichTypeMarkKind = kImageSetWindow;  // the mark that opens each paragraph
inline constexpr u16 kRichTypeMarkIdOffset = 0;
inline constexpr int kRichTypeMarkImage = 648;
// Whether a key the rich-text viewer has no use for (Ctrl+C without a selection included) counts
// as handled.
inline constexpr bool kRichViewerOtherKeyResult = false;
// The rich-text viewer's scroll step until SetScrollStep and after it; the gap between the text
// and the scroll bar.
inline constexpr int kRichViewerCreateStep = 5;
inline constexpr int kRichViewerStep = 16;
inline constexpr int kRichViewerScrollGap = 2;

// ---- Tooltip style and floating-tip lines ----
// The colours that the tooltip's style reset gives (the box is drawn in the style's colours).
inline constexpr ARGB kToolTipStyleFrameColour = kToolTipFrameColour;
inline constexpr ARGB kToolTipStyleFillColour = kToolTipFillColour;
// Floating tips: a tip equal to the last one queued is dropped (a notice given several times in a
// row shows once). The text argument of a tip line is a font number: AddText and AppendLine write
// font 1; a stream line may ask for font 2, any other value reads as font 1.
inline constexpr bool kAutoTipDropsRepeat = true;
inline constexpr u16 kAutoTipLineFont = 1;
inline constexpr u16 kAutoTipLineFontLarge = 2;
