// Drawing pieces the Garden windows share.
#pragma once

#include "framework/core/OrvTypes.h"

// A row of icons of image set 3 for a value in half steps (light, humidity): value / 2 whole
// icons, then one half icon when the value is odd, each icon advancing by its own width from x.
// cap > 0 bounds the value first; 0 draws the value unbounded. Returns the x after the row.
int DrawHalfStepIcons(int x, int y, u32 value, u32 cap, u16 wholeFrame, u16 halfFrame);
