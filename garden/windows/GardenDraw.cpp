#include "garden/windows/GardenDraw.h"

#include <algorithm>

#include "framework/control/SizeSeam.h"
#include "glimmer/Glimmer.h"

namespace {

constexpr u16 kIconSet = 3;
constexpr u32 kUntinted = 0xFFFFFFFF;

int DrawIcon(int x, int y, u16 frame)
{
    int w = 0;
    int h = 0;
    GetBuildImageSize(frame, kIconSet, &w, &h);
    g_TexMgr.DrawTexture(x, y, frame, kIconSet, kUntinted, true);
    return x + w;
}

}  // namespace

int DrawHalfStepIcons(int x, int y, u32 value, u16 wholeFrame, u16 halfFrame)
{
    value = std::min(value, kHalfStepCap);
    for (u32 i = 0; i < value / 2; ++i) {
        x = DrawIcon(x, y, wholeFrame);
    }
    if (value % 2 != 0) {
        x = DrawIcon(x, y, halfFrame);
    }
    return x;
}
