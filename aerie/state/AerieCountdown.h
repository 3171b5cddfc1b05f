// Countdowns on the tick clock and the saturating arithmetic they take: the city's timers (fight
// missions, incubators, dead monsters, group jobs) and the windows that show them; the click
// throttle of the windows' buttons.
#pragma once

#include "framework/core/OrvTypes.h"
#include "platform/Platform.h"

inline u32 SatSub(u32 a, u32 b) { return a > b ? a - b : 0; }
inline u32 SatAdd(u32 a, u32 b) { return a > 0xFFFFFFFFu - b ? 0xFFFFFFFFu : a + b; }

inline u32 TickNow()
{
    return orv::platform::Get().GetTickCount();
}

// Whole seconds from stampTick to nowTick. The tick clock wraps: the difference is taken modulo
// 2^32.
inline u32 ElapsedSeconds(u32 stampTick, u32 nowTick)
{
    return (nowTick - stampTick) / 1000;
}

// What is left of a duration stamped at stampTick: duration minus the time since the stamp
// (whole seconds for SecondsLeft), never below 0.
inline u32 SecondsLeft(u32 durationSeconds, u32 stampTick, u32 nowTick)
{
    return SatSub(durationSeconds, ElapsedSeconds(stampTick, nowTick));
}
inline u32 MillisLeft(u32 durationMs, u32 stampTick, u32 nowTick)
{
    return SatSub(durationMs, nowTick - stampTick);
}

// Refuses a second action too soon after the last one, on the tick clock.
class CClickThrottle {
public:
    // strict: ready only when more than intervalMs passed; else when at least intervalMs passed.
    constexpr CClickThrottle(u32 intervalMs, bool strict) : m_dwInterval(intervalMs), m_bStrict(strict) {}

    bool Ready(u32 now) const
    {
        if (!m_bMarked) {
            return true;
        }
        const u32 passed = now - m_dwStamp;
        return m_bStrict ? passed > m_dwInterval : passed >= m_dwInterval;
    }
    void Mark(u32 now) { m_dwStamp = now; m_bMarked = true; }
    // As new: ready until the next Mark.
    void Forget() { m_bMarked = false; }
    // Ready at the tick clock's now; when ready, marks it.
    bool TryNow()
    {
        const u32 now = TickNow();
        if (!Ready(now)) {
            return false;
        }
        Mark(now);
        return true;
    }
    // Ready at now; when ready the mark is forgotten (a step long past reads as none, also after
    // the clock wraps). For a control enabled only while ready, asked every frame.
    bool SettleAt(u32 now)
    {
        if (!Ready(now)) {
            return false;
        }
        m_bMarked = false;
        return true;
    }

private:
    u32 m_dwStamp = 0;
    u32 m_dwInterval;
    bool m_bStrict;
    bool m_bMarked = false;   // false until the first Mark: a throttle never marked is always ready
};
