// Drawing pieces the Garden windows share.
#pragma once

#include "framework/core/OrvTypes.h"

// Light and humidity in half steps are drawn as at most this many half steps (five whole icons).
inline constexpr u32 kHalfStepCap = 10;
inline constexpr u16 kLightWholeIcon = 128, kLightHalfIcon = 127, kHumidityWholeIcon = 130, kHumidityHalfIcon = 129;

// A row of icons of image set 3 for a value in half steps (light, humidity), bounded by
// kHalfStepCap first: value / 2 whole icons, then one half icon when the value is odd, each icon
// advancing by its own width from x. Returns the x after the row.
int DrawHalfStepIcons(int x, int y, u32 value, u16 wholeFrame, u16 halfFrame);
