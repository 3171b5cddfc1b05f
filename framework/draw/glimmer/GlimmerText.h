// Text as the renderer draws it in this build: the toolkit's font numbers become pixel sizes
// (font 1 and 0 are size 12, font 2 is size 16; a value of 8 or more already is a size), and
// widths follow the build's text metrics for that size.
#pragma once

#include "BuildProfile.h"

inline int GlimmerTextSize(int font)
{
    if (font >= 8) {
        return font;
    }
    return font == 2 ? 16 : kTextSizeDefault;
}

// The GBK width of text at a pixel size (size / 2 per byte, the special pairs at their width).
int GlimmerTextWidth(const char* text, int size);
