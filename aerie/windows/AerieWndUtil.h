// What the Aerie game windows share, written once: floating refusal notices, the tutorial guard,
// game events (posted or delivered), confirmation boxes (plain, and with a remembered check box),
// the click throttle, countdowns on the tick clock and their texts, bounded formatting that never
// throws, text and images at window-relative places, a window's frame set-up, wheel forwarding to
// a scroll bar and a table of game-event topics per window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "aerie/state/AerieCountdown.h"
#include "aerie/state/AerieEvents.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"
#include "framework/text/SafeFormat.h"
#include "framework/text/TextUtil.h"

// ---- Floating notices ----

inline constexpr u32 kTipWhite = 0xFFFFFFFF;
inline constexpr int kTipFrames = 150;

// One floating notice (CAutoTip), white for 150 frames unless told otherwise.
void GameTip(const std::string& text, u32 colour = kTipWhite, int frames = kTipFrames);

// While the tutorial runs: shows text as a floating notice and answers true (the caller refuses
// what it was asked); else false. Each caller keeps its own text.
bool RefuseDuringTutorial(const char* text);

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

// The confirmation-key rule of the player settings. When the key asks for confirmation, queues
// a two-button box with a check box labelled checkCaption and answers true: the window performs
// the action when ok comes back, after RememberConfirmAnswer. When the key does not ask (its
// value says no, or the settings lack it) answers false: the caller performs the action at once.
bool AskWithCheckIfNeeded(const char* key, const std::string& text, const std::string& checkCaption,
                          const ORVMsg& ok, const ORVMsg& cancel = ORVMsg());
// On the OK answer of such a box: a ticked check box stores 0 (never ask again), else 1. The box
// is still up when its answer is routed, so its check box can be read.
void RememberConfirmAnswer(const char* key);

// ---- Click throttle ----

// Refuses a second action too soon after the last one, on the tick clock.
class CClickThrottle {
public:
    // strict: ready only when more than intervalMs passed; else when at least intervalMs passed.
    CClickThrottle(u32 intervalMs, bool strict) : m_dwInterval(intervalMs), m_bStrict(strict) {}

    bool Ready(u32 now) const;
    void Mark(u32 now) { m_dwStamp = now; m_bMarked = true; }
    // Ready at the tick clock's now; when ready, marks it.
    bool TryNow();

private:
    u32 m_dwStamp = 0;
    u32 m_dwInterval;
    bool m_bStrict;
    bool m_bMarked = false;   // never used: always ready
};

// ---- Countdowns on the tick clock ----

// TickNow, SecondsLeft and MillisLeft come from aerie/state/AerieCountdown.h.

// "hh:mm:ss" with the hours unbounded ("25:00:00" for 90,000 s), as a duration's simple text.
// The two other countdown texts are the toolkit's FormatTimeDHMS and FormatTimeClock.
std::string FormatDurationHMS(u32 seconds);

// ---- Bounded formatting ----

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

// A formatted text kept between frames and made again only when its key changes, so a steady
// frame formats (and allocates) nothing.
class CCachedText {
public:
    // True when key differs from the last one (or nothing was made yet): the caller then sets Text.
    bool NeedsUpdate(std::uint64_t key)
    {
        if (m_bValid && key == m_qKey) {
            return false;
        }
        m_bValid = true;
        m_qKey = key;
        return true;
    }
    std::string& Text() { return m_strText; }
    const char* c_str() const { return m_strText.c_str(); }

private:
    std::string m_strText;
    std::uint64_t m_qKey = 0;
    bool m_bValid = false;
};

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
// parent, with the close button at (width - closeRight, closeTop).
void InitFrame(CORVWindow* wnd, u16 backFrame, int closeRight = kCloseButtonRight,
               int closeTop = kCloseButtonTop);
// The size of an image of set 93 through the host; 0 by 0 without a host.
void GetWindowImageSize(int frame, int* w, int* h);

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

// For a game event whose topic is in the table: runs its handler and answers its result; for
// anything else false (the caller passes the message on).
template <class W, std::size_t N>
bool DispatchGameEvent(W* wnd, ORVMsg* msg, const GameTopic<W> (&table)[N])
{
    if (msg == nullptr || msg->m_nId != ORV_MSG_GAMEWND) {
        return false;
    }
    for (const GameTopic<W>& entry : table) {
        if (entry.m_nTopic == msg->m_wParam) {
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
