// A background of three images in a row: the first cap, the middle image stretched, the last cap
// (frames frame, frame + 1, frame + 2 of one image set). The edit field, the drop-down box and the
// scroll track draw their backgrounds with it; each build's drawing folder defines DrawCapBar
// (CapBarDraw.cpp).
#pragma once

#include "framework/core/OrvTypes.h"

struct ORVCapBar {
    int nFrame = 0;               // the first cap; the middle is nFrame + 1, the last cap nFrame + 2
    int nSet = 0;
    int nMiddleX = 0;             // screen position of the middle image
    int nMiddleY = 0;
    float fScaleX = 1.0f;         // the middle's stretch; a stretch of 0 or less draws no middle
    float fScaleY = 1.0f;
    int nFirstX = 0;              // screen positions of the caps
    int nFirstY = 0;
    int nLastX = 0;
    int nLastY = 0;
};

// Draws the middle, then the first and the last cap, all in colour.
void DrawCapBar(const ORVCapBar& bar, ARGB colour);
