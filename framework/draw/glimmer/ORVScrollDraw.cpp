// Drawing of the scroll bars through the renderer (group 3): the track (first cap, zoomed middle,
// last cap) centred across the bar, then the thumb at the bar's edge, where GetLook places them.
#include "framework/widgets/ORVScroll.h"
#include "glimmer/Glimmer.h"

void CORVScroll::DrawBar()
{
    const ORVScrollLook look = GetLook();
    if (look.bTrack) {
        DrawCapBar(look.track, 0xFFFFFFFF);
    }
    if (look.bThumb) {
        g_TexMgr.DrawTexture(look.nThumbX, look.nThumbY, m_wThumbFrame, static_cast<u16>(kImageSetFrame), 0xFFFFFFFF,
                             true);
    }
}
