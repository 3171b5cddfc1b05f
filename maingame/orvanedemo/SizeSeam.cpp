// OrvaneDemo's sizes come from the renderer: its screen and its texture catalogue (an image is a
// texture of group set, id frame). Its host has no mouse-move notification.
#include "framework/control/SizeSeam.h"
#include "framework/core/OrvTypes.h"
#include "glimmer/Glimmer.h"

bool GetBuildScreenSize(int* w, int* h)
{
    if (w == nullptr || h == nullptr) {
        return false;
    }
    *w = g_CG.m_nScreenWidth;
    *h = g_CG.m_nScreenHeight;
    return true;
}

bool GetBuildImageSize(int frame, int set, int* w, int* h)
{
    if (w == nullptr || h == nullptr) {
        return false;
    }
    return g_TexMgr.GetTextureOriginSize(static_cast<u16>(set), static_cast<u16>(frame), *w, *h);
}

unsigned GetBuildFrameTime()
{
    return g_CG.m_dwFrameTime;
}

void ForwardBuildMouseMove(LPARAM) {}
