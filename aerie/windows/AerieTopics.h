// Game-event topics the game windows send and answer: the store's topics, and those only the
// windows use.
#pragma once

#include "aerie/state/AerieEvents.h"

inline constexpr u32 EVT_RESEND_BUILDING_UPGRADE = 43;   // value: the building id
inline constexpr u32 EVT_RESEND_SCIENCE_UPGRADE = 44;    // value: the technology id
inline constexpr u32 EVT_FIRST_HATCH = 48;               // the first-hatch box was answered
inline constexpr u32 EVT_NEWBIE_STEP = 50;               // value: the tutorial step done
