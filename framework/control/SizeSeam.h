// Screen and image sizes as the build knows them, and where routed mouse moves go. Toolkit logic
// asks here, never the host callback or the renderer itself: each build defines these functions
// once, beside its exports (Orvane answers through the host callback; a renderer-drawn build
// answers from its renderer's screen and its texture manager).
#pragma once

#include "platform/WinTypes.h"

// The screen's width and height in pixels. False, with the outputs left as they were, while the
// build cannot tell (no host callback yet).
bool GetBuildScreenSize(int* w, int* h);

// The size of image frame of set. False, with the outputs left as they were, while the build
// cannot tell; a source that does not know the image may also leave them as they were.
bool GetBuildImageSize(int frame, int set, int* w, int* h);

// The build's frame clock: a counter the renderer advances (OrvaneDemo), or the tick count where
// the build has no renderer of its own. Controls stamp the moment the mouse entered them with it.
unsigned GetBuildFrameTime();

// A mouse move (the window message's lParam, x low, y high) after the control manager has routed
// it, handed on as the build does: Orvane tells the host callback, when one is held; OrvaneDemo's
// host is told nothing.
void ForwardBuildMouseMove(LPARAM lParam);
