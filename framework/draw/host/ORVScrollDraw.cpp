// Drawing of the scroll bars through the host callback: the track (first cap, stretched middle,
// last cap) centred across the bar, then the thumb at the bar's edge, where GetLook places them.
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVScroll.h"

void CORVScroll::DrawBar()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVScrollLook look = GetLook();
    if (look.bTrack) {
        DrawCapBar(look.track, 0xFFFFFFFF);
    }
    if (look.bThumb) {
        host->DrawImage(look.nThumbX, look.nThumbY, m_wThumbFrame, kImageSetFrame, 0xFFFFFFFF, 0, 0);
    }
}
