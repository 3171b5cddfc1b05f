// Orvane's sizes come from the host callback (its guard takes them into the host size range), and
// routed mouse moves go on to it.
#include "framework/control/SizeSeam.h"

#include "framework/core/ORVCallBack.h"
#include "platform/Platform.h"

bool GetBuildScreenSize(int* w, int* h)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || w == nullptr || h == nullptr) {
        return false;
    }
    *w = host->GetScreenWidth();
    *h = host->GetScreenHeight();
    return true;
}

bool GetBuildImageSize(int frame, int set, int* w, int* h)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || w == nullptr || h == nullptr) {
        return false;
    }
    host->GetImageSize(frame, set, w, h);
    return true;
}

unsigned GetBuildFrameTime()
{
    return orv::platform::Get().GetTickCount();
}

void ForwardBuildMouseMove(LPARAM lParam)
{
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->OnMouseMove(lParam);
    }
}
