// Screen and image sizes as the build knows them. Toolkit logic asks here, never the host callback
// or the renderer itself: each build defines these two functions once, beside its exports (Orvane
// answers through the host callback; a renderer-drawn build answers from its renderer's screen
// and its texture manager).
#pragma once

// The screen's width and height in pixels. False, with the outputs left as they were, while the
// build cannot tell (no host callback yet).
bool GetBuildScreenSize(int* w, int* h);

// The size of image frame of set. False, with the outputs left as they were, while the build
// cannot tell; a source that does not know the image may also leave them as they were.
bool GetBuildImageSize(int frame, int set, int* w, int* h);

// The build's frame clock: a counter the renderer advances (OrvaneDemo), or the tick count where
// the build has no renderer of its own. Controls stamp the moment the mouse entered them with it.
unsigned GetBuildFrameTime();
