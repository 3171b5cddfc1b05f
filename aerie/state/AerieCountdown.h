// Countdowns on the tick clock and the saturating arithmetic they take: the city's timers (fight
// missions, incubators, dead monsters, group jobs) and the windows that show them.
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
