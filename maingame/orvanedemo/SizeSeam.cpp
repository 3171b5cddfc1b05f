// OrvaneDemo's sizes come from the renderer: its screen and its texture catalogue (an image is a
// texture of group set, id frame). The renderer is outside the library: what it answers is taken
// as a host size (HostCall.h). Its host has no mouse-move notification.
#include "framework/control/SizeSeam.h"
#include "framework/core/HostCall.h"
#include "framework/core/OrvTypes.h"
#include "glimmer/Glimmer.h"

bool GetBuildScreenSize(int* w, int* h)
{
    if (w == nullptr || h == nullptr) {
        return false;
    }
    *w = HostSize("the renderer's screen width", g_CG.m_nScreenWidth);
    *h = HostSize("the renderer's screen height", g_CG.m_nScreenHeight);
    return true;
}

bool GetBuildImageSize(int frame, int set, int* w, int* h)
{
    if (w == nullptr || h == nullptr) {
        return false;
    }
    const bool known = g_TexMgr.GetTextureOriginSize(static_cast<u16>(set), static_cast<u16>(frame), *w, *h);
    *w = HostSize("the renderer's GetTextureOriginSize", *w);
    *h = HostSize("the renderer's GetTextureOriginSize", *h);
    return known;
}

unsigned GetBuildFrameTime()
{
    return g_CG.m_dwFrameTime;
}

void ForwardBuildMouseMove(LPARAM) {}
