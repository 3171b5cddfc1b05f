// What the Aerie game windows share, written once: floating refusal notices, the tutorial guard,
// game events (posted or delivered), confirmation boxes (plain, and with a remembered check box),
// the click throttle, countdowns on the tick clock and their texts, bounded formatting that never
// throws, cached texts, list rows with hover and selection bars and the scroll-to-first-entry
// mapping, text and images at window-relative places, a window's frame set-up, wheel forwarding
// to a scroll bar and a table of game-event topics per window. The base the windows are written
// on (CAerieGameWnd, CSubWndSlot) is in AerieGameWnd.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "aerie/state/AerieCountdown.h"
#include "aerie/state/AerieEvents.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"
#include "framework/text/CachedText.h"
#include "framework/text/SafeFormat.h"
#include "framework/text/TextUtil.h"

class CORVChoice;

// ---- Floating notices ----

inline constexpr u32 kTipWhite = 0xFFFFFFFF;
inline constexpr int kTipFrames = 150;

// One floating notice (CAutoTip), white for 150 frames unless told otherwise.
void GameTip(const std::string& text, u32 colour = kTipWhite, int frames = kTipFrames);

// While the tutorial runs: shows text as a floating notice and answers true (the caller refuses
// what it was asked); else false. Each caller keeps its own text.
bool RefuseDuringTutorial(const char* text);

// ---- Tabbed pages ----

// A page asks its window for another page: {kNotifyPageTab, the window's page group, page}, with
// the page as sender, posted to the window's queue.
inline constexpr u32 kNotifyPageTab = 6;

// ---- Game events (ORV_MSG_GAMEWND with a topic) ----

// Posting on the next frame and delivering at once: PostGameEvent and DeliverGameEvent of the
// store's events (AerieEvents.h).
ORVMsg GameEvent(u32 topic, u32 param = 0, const std::string& text = std::string(),
                 CORVControl* sender = nullptr);
// Into the control manager's queue, routed delay frames from now (delay 0 acts as 1).
void PostGameEventAfter(u32 topic, u32 param, u32 delay);

// ---- Confirmations ----

// A two-button box (OK, Cancel): the chosen answer is posted to the control manager; the asking
// window acts on its own OK message.
void AskThen(const std::string& text, const ORVMsg& ok, const ORVMsg& cancel = ORVMsg());

// How the answer of a box with a check box is written to its settings key.
enum class ConfirmWrite : u8 {
    ZeroWhenTickedElseOne,   // ticked: 0 (never ask again); unticked: 1
    ZeroOnlyWhenTicked,      // ticked: 0; unticked: the value stays as it is
};

// The confirmation-key rule of the player settings. When the key asks for confirmation, queues
// a two-button box with a check box labelled checkCaption and answers true; the OK message then
// carries the key and the write rule in its text (whatever text ok had is replaced), so the
// answer is remembered by RememberConfirmAnswer below before the window's handler of ok runs
// (DispatchGameEvent does it for every topic of a window's table): the handler only performs the
// action. When the key does not ask (its value says no, or the settings lack it) answers false:
// the caller performs the action at once.
// The check box caption of the monster refresh boxes.
inline constexpr const char kCheckCaption[] = "不要再提示我";
bool AskWithCheckIfNeeded(const char* key, const std::string& text, const std::string& checkCaption,
                          const ORVMsg& ok, const ORVMsg& cancel = ORVMsg(),
                          ConfirmWrite write = ConfirmWrite::ZeroWhenTickedElseOne);
// The one handler of such an OK answer: when msg carries a settings key, writes the answer by
// its rule (the box is still up when its answer is routed, so its check box is read) and answers
// true; for any other message nothing, false.
bool RememberConfirmAnswer(const ORVMsg& msg);

// ---- Countdowns on the tick clock ----

// TickNow, SecondsLeft, MillisLeft and the click throttle come from aerie/state/AerieCountdown.h.

// "hh:mm:ss" with the hours unbounded ("25:00:00" for 90,000 s), as a duration's simple text.
// The two other countdown texts are the toolkit's FormatTimeDHMS and FormatTimeClock.
std::string FormatDurationHMS(u32 seconds);

// ---- Bounded formatting ----
//
// The one rule for making texts: texts from the game data and the server, with "%1%"-style
// places, go through BoundedFormat; the system's own printf-style texts ("...%d...", "%s", "%.1f")
// go through BoundedPrintf (framework/text/TextUtil.h) into a char buffer of kShortTextBound (or
// kBoxTextBound for box texts). Both cut at a whole GBK character and never throw; nothing else
// formats (no snprintf, no std::format, no string streams in the windows).

// Cuts text to at most maxBytes bytes without splitting a two-byte character.
void CutGbk(std::string& text, std::size_t maxBytes);

// "%1%"-style formatting that never throws, cut like a buffer of bound bytes (at most bound - 1
// bytes of text).
template <typename... Args>
std::string BoundedFormat(std::size_t bound, const std::string& fmt, const Args&... args) noexcept
{
    std::string out = SafeFormat(fmt, args...);
    CutGbk(out, bound > 0 ? bound - 1 : 0);
    return out;
}

// The short texts of the game windows are bounded by 128 bytes, box texts by 256.
inline constexpr std::size_t kShortTextBound = 128;
inline constexpr std::size_t kBoxTextBound = 256;

// ---- Cached texts ----

// CCachedText: framework/text/CachedText.h.

// Two 32-bit values as one cache key.
inline std::uint64_t CacheKey(u32 a, u32 b = 0) { return (static_cast<std::uint64_t>(a) << 32) | b; }
// Any number of integral values mixed into one cache key (FNV-1a over their 64-bit forms).
template <typename... Values>
std::uint64_t MixKey(Values... values)
{
    std::uint64_t key = 1469598103934665603ull;
    ((key = (key ^ static_cast<std::uint64_t>(values)) * 1099511628211ull), ...);
    return key;
}

// ---- Drawing at window-relative places ----

// The texts of the game windows: at (x, y) inside ctrl, alignment 0 left, 1 centred, 2 right
// edge at x; style values 0, 0, 1 around the font. Nothing for a null text or without a host.
void DrawTextRel(const CORVControl* ctrl, int x, int y, const char* text, u32 colour, int align = 0,
                 int font = 1);
// An image of set 93 at (x, y) inside ctrl, unchanged colour.
void DrawImageRel(const CORVControl* ctrl, int x, int y, int frame, int set = kImageSetWindow);

// ---- Frames of the game windows ----

// Background frame of set 93 (window size = the image's, when the frame is not 0), centred in the
// parent, with the close button at (width - closeRight, closeTop). CAerieGameWnd calls it.
void InitFrame(CORVWindow* wnd, u16 backFrame, int closeRight = kCloseButtonRight,
               int closeTop = kCloseButtonTop);
// The size of an image of set 93 through the host; 0 by 0 without a host. A null pointer is
// skipped (the other size is still given).
void GetWindowImageSize(int frame, int* w, int* h);

// ---- Lists: rows, bars and the scroll position ----

// The entry shown first for a scroll position: (scrollPos + firstRow) x perRow. perRow is the
// entries per shown row (1 for a plain list, 7 for the god window's grid); firstRow the rows
// before the first one a position of 0 shows (the god window shows from row 10 on). A negative
// position counts as 0.
int FirstShownEntry(int scrollPos, int perRow, int firstRow = 0);

// The rows of a list drawn inside a window: row r spans rowHeight pixels from top + r x pitch
// (pitch - rowHeight is the gap between rows, 0 for none), x from left over width. It keeps the
// hovered row and the selected entry; the selection is an entry, so it follows the scroll (its
// row is the entry less the first one shown). A row counts only while it shows an entry.
class CListRows {
public:
    static constexpr int kHoverBarFrame = 124;
    static constexpr int kSelectBarFrame = 121;
    static constexpr u32 kActiveTextColour = 0xFF40FDFB;   // the hovered or selected row's text

    CListRows(int left, int top, int width, int rowHeight, int pitch, int rows)
        : m_nLeft(left), m_nTop(top), m_nWidth(width), m_nRowHeight(rowHeight), m_nPitch(pitch), m_nRows(rows)
    {
    }

    // The row at window-local (x, y), or -1: x strictly between left and left + width, y
    // strictly between top and top + rows x pitch and above the row's gap (y < row top +
    // rowHeight); only rows showing an entry (first shown + row below entryCount) count.
    int HitRow(int x, int y, int entryCount) const;
    // Top of row r, window-local.
    int RowTop(int r) const { return m_nTop + r * m_nPitch; }
    int Rows() const { return m_nRows; }

    // The scroll: the entry the first row shows (FirstShownEntry of the bar's position).
    void SetFirst(int firstEntry) { m_nFirst = firstEntry < 0 ? 0 : firstEntry; }
    int First() const { return m_nFirst; }
    // The entry shown in row r, or -1 when r is no row or shows nothing of entryCount entries.
    int EntryOfRow(int r, int entryCount) const;

    // Hover: the row under (x, y) (HitRow), or none; answers it.
    int Hover(int x, int y, int entryCount) { return m_nHover = HitRow(x, y, entryCount); }
    void ClearHover() { m_nHover = -1; }
    int HoverRow() const { return m_nHover; }
    // Selection: the entry of the row under (x, y), when there is one (else the selection stays);
    // answers whether one was selected.
    bool Select(int x, int y, int entryCount);
    void SelectEntry(int entry) { m_nSel = entry; }
    int SelectedEntry() const { return m_nSel; }
    // The row showing the selected entry, or -1 while it is scrolled out of sight (or none).
    int SelectedRow() const;

    // The hover bar (frame 124) at the hovered row and the selection bar (frame 121) at the
    // selected one, stretched over the width, relative to ctrl.
    void DrawBars(CORVControl* ctrl) const;
    // The text colour of row r: kActiveTextColour when hovered or selected, else normal.
    u32 TextColour(int r, u32 normal) const;

private:
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nRowHeight;
    int m_nPitch;
    int m_nRows;
    int m_nFirst = 0;
    int m_nHover = -1;
    int m_nSel = -1;
};

// ---- Wheel to scroll bar ----

// A wheel message anywhere over the window goes to the window's OnMouseWheel with window-local
// coordinates and the signed delta, while the window has a bar; answers whether it was taken
// (a wheel over another place is left to the others).
bool ForwardWheel(CORVControl* wnd, const ORVMsg* msg, const CORVControl* bar);

// ---- Game-event topics per window ----

// One entry of a window's table: the topic and the member that handles it. A handler answers
// whether the event stops at this window; false passes it on to the window's base routing.
template <class W>
struct GameTopic {
    u32 m_nTopic;
    bool (W::*m_pfnHandler)(ORVMsg* msg);
};

// For a game event whose topic is in the table: remembers the answer of a confirmation box the
// event carries (RememberConfirmAnswer), runs its handler and answers its result; for anything
// else false (the caller passes the message on).
template <class W, std::size_t N>
bool DispatchGameEvent(W* wnd, ORVMsg* msg, const GameTopic<W> (&table)[N])
{
    if (msg == nullptr || msg->m_nId != ORV_MSG_GAMEWND) {
        return false;
    }
    for (const GameTopic<W>& entry : table) {
        if (entry.m_nTopic == msg->m_wParam) {
            RememberConfirmAnswer(*msg);
            return (wnd->*entry.m_pfnHandler)(msg);
        }
    }
    return false;
}

// ---- Choices reported to the parent ----

// Notification 6: a child reports a choice to its parent; the first parameter says what was
// chosen, the second which one. kPickGroupSkill: a group skill (second parameter: its slot id).
inline constexpr u32 kNotifyPick = 6;
inline constexpr u32 kPickGroupSkill = 42;

// ---- Drop-down choices ----

// How a window follows its drop-down choice. A notification from choice answers true: a drop
// request (kNotifyChoiceDrop) calls onDrop(); a pick (kNotifyChoiceSelect) selects the picked row
// when it is one (which shuts the list) and then calls onPick(before), before being the selection
// it replaced (unchanged for a row that is none). A message from any other sender answers false.
// Neither the choice nor the window is touched after a hook, so a hook may reach the host.
enum class ChoiceNotice { kNotFromChoice, kOther, kDrop, kPick };
// What msg tells of choice; a pick's row, when it is one, is selected here (*before: the
// selection it replaced). FollowChoice's one step that touches the choice.
ChoiceNotice TakeChoiceNotice(CORVChoice* choice, const ORVMsg* msg, int* before);
void DropChoiceList(CORVChoice* choice);
template <class OnDrop, class OnPick>
bool FollowChoice(CORVChoice* choice, const ORVMsg* msg, OnDrop&& onDrop, OnPick&& onPick)
{
    int before = -1;
    switch (TakeChoiceNotice(choice, msg, &before)) {
    case ChoiceNotice::kNotFromChoice:
        return false;
    case ChoiceNotice::kDrop:
        onDrop();
        break;
    case ChoiceNotice::kPick:
        onPick(before);
        break;
    case ChoiceNotice::kOther:
        break;
    }
    return true;
}
// A drop request drops the list down; onPick(before) after a pick.
template <class OnPick>
bool FollowChoice(CORVChoice* choice, const ORVMsg* msg, OnPick&& onPick)
{
    return FollowChoice(choice, msg, [choice] { DropChoiceList(choice); }, onPick);
}
// The plain following: a drop request drops the list down, a pick selects the row.
bool FollowChoice(CORVChoice* choice, const ORVMsg* msg);
