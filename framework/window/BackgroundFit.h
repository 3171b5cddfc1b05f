// Placement shared by the main window's system windows that take their shape from their
// background image (the message box, the split window).
#pragma once

#include "framework/core/OrvTypes.h"

class CORVWindow;

// frame of set 93 becomes the window's background; the window takes that image's size (0 x 0
// while the build cannot tell) and is centred in its parent.
void FitToBackground(CORVWindow& wnd, u16 frame);
