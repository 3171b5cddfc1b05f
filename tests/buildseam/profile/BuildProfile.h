// A second, minimal build profile: the toolkit compiled against it in a test target of its own
// shows that every per-build value reaches the toolkit through the build's profile folder. Its
// values follow the engine-drawn build where that build differs (notification ids, no focus by
// default, the close button's place); the rest are plain values chosen to differ from Orvane's.
#pragma once

#include "framework/core/OrvTypes.h"

inline constexpr u32 kNotifyLeftClick = 0, kNotifyRightClick = 1, kNotifyOtherClick = 2;
inline constexpr u32 kNotifyLeftDblClk = 3, kNotifyRightDblClk = 4;
inline constexpr u32 kNotifyClose = 6, kNotifyChoiceSelect = 7, kNotifyChoiceDrop = 8;
inline constexpr u32 kNotifyScroll = 9, kNotifyEditEnter = 10, kNotifyEditChange = 11;
inline constexpr u32 kNotifyDelay = 1;
inline constexpr u32 kSysWndFirstId = 0x111, kSysWndLastId = 0x114;
inline constexpr u32 kSysWndClosedOnRequest[] = {0x113, 0x114};
inline constexpr u32 kSysWndGameIds[] = {0x113};

inline constexpr u8 kDefaultFocusable = 0;
inline constexpr i32 kDefaultToolTipStyle = 2;
inline constexpr bool kToolTipOnEnter = true, kPostsDoubleClicks = false, kTellsDragEnd = false;
inline constexpr bool kKeyResult = true, kMouseMoveResult = true, kDropResult = true, kRButtonResult = true;
inline constexpr bool kMButtonResult = true, kHitTestResult = true, kOnMessageResult = true;

inline constexpr int kCloseButtonRight = 35, kCloseButtonTop = 5, kCloseButtonFrame = 3;
inline constexpr bool kWindowCentresOnCreate = true, kTopLevelDragMovesMainWnd = true;
inline constexpr int kMainWndWidth = 640, kMainWndHeight = 480, kDragIconOffset = 16;
inline constexpr int kImageSetWindow = 1, kImageSetButton = 2;

inline constexpr int kFont1ByteWidth = 5, kFont2ByteWidth = 8;
inline constexpr int TextBytePx(int font) { return font == 1 ? kFont1ByteWidth : kFont2ByteWidth; }
inline constexpr int kTextLineStepFont1 = 13, kTextLineStepOther = 17;
inline constexpr int kTextSymbolPairPx = 11, kTextWidePairPx = 15, kTextLineHeight = 13;

inline constexpr int kToolTipMouseOffset = 10, kToolTipLineMargin = 2;
inline constexpr bool kToolTipLineFromRuns = false;
inline constexpr int kToolTipRunHeight = kTextLineHeight;
inline constexpr ARGB kToolTipFrameColour = 0x9A8D6365, kToolTipFillColour = 0x9AFFFFFF;
inline constexpr int kAutoTipPadWidth = 6, kAutoTipPadHeight = 18, kAutoTipMinWidth = 150;
inline constexpr int kAutoTipFirstLineY = 9, kAutoTipLineStep = 15, kAutoTipCountOffset = 3;
inline constexpr ARGB kAutoTipFrameColour = 0xFF101010, kAutoTipFillColour = 0x80202020;
inline constexpr ARGB kAutoTipCountColour = 0xFFEEEEEE;

inline constexpr u32 kButtonCaptionColour = 0xFF000000, kButtonCaptionLatchedColour = 0xFF0000FF;
inline constexpr u32 kButtonCaptionHoverColour = 0xFF00FF00;
inline constexpr u16 kCheckBaseFrame = 40, kCheckLargeFrame = 50;
inline constexpr int kCheckSize = 12, kCheckLargeWidth = 26, kCheckLargeHeight = 20, kCheckInitialSize = 16;
inline constexpr int kCheckCaptionX = 18, kCheckCaptionY = 1;
inline constexpr bool kRadioNegativeStepIsColumn = true, kRadioSelectsOnCreate = true;

inline constexpr ARGB kToolTipStyleFrameColour = 0x8CF09F3F, kToolTipStyleFillColour = 0x80150800;
inline constexpr bool kAutoTipDropsRepeat = false;
inline constexpr u16 kAutoTipLineFont = 1, kAutoTipLineFontLarge = 2;
