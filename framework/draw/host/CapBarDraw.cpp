#include "framework/widgets/CapBar.h"

#include "framework/core/ORVCallBack.h"

void DrawCapBar(const ORVCapBar& bar, ARGB colour)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    if (bar.fScaleX > 0.0f && bar.fScaleY > 0.0f) {
        host->DrawImageScaled(bar.nMiddleX, bar.nMiddleY, bar.nFrame + 1, bar.nSet, bar.fScaleX, bar.fScaleY, colour, 0,
                              0);
    }
    host->DrawImage(bar.nFirstX, bar.nFirstY, bar.nFrame, bar.nSet, colour, 0, 0);
    host->DrawImage(bar.nLastX, bar.nLastY, bar.nFrame + 2, bar.nSet, colour, 0, 0);
}
