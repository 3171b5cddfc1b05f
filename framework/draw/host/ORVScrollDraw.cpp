// Drawing of the scroll bars through the host callback: the track (first cap, stretched middle,
// last cap) centred across the bar, then the thumb at the bar's edge. Placement comes from GetLook.
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVScroll.h"

void CORVScroll::DrawBar()
{
    IORVCallBack* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVScrollLook look = GetLook();
    // Offsets along and across the bar, turned into screen positions by orientation.
    auto at = [this](int along, int cross, int* x, int* y) {
        *x = m_nAbsX + (m_bVertical ? cross : along);
        *y = m_nAbsY + (m_bVertical ? along : cross);
    };
    int x = 0;
    int y = 0;
    if (look.bTrack) {
        at(0, look.nTrackCross, &x, &y);
        if (look.fMiddleScale > 0.0f) {
            host->DrawImageScaled(x, y, m_wTrackFrame + 1, kImageSetWindow, m_bVertical ? 1.0f : look.fMiddleScale,
                                  m_bVertical ? look.fMiddleScale : 1.0f, 0xFFFFFFFF, 0, 0);
        }
        host->DrawImage(x, y, m_wTrackFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        at(look.nCapEndAlong, look.nTrackCross, &x, &y);
        host->DrawImage(x, y, m_wTrackFrame + 2, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
    if (look.bThumb) {
        at(look.nThumbAlong, 0, &x, &y);
        host->DrawImage(x, y, m_wThumbFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
}
