// Drawing of the tooltip and the floating tips through the host callback. Kept apart from their
// logic (ORVToolTip.cpp) so that another build can draw the same lines and tips differently.
#include <cstdio>

#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVToolTip.h"

void CORVToolTip::DrawBox(int x, int y) const
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    host->FillRect(m_Style.m_dwFillColour, x, y, m_nBoxWidth, m_nBoxHeight);
    host->DrawRectFrame(m_Style.m_dwFrameColour, x, y, m_nBoxWidth, m_nBoxHeight);
    for (const ORVToolTipLine& line : m_vLines) {
        for (const ORVToolTipSegment& seg : line.m_vSegments) {
            host->DrawText(x + line.m_nX + seg.m_nX, y + line.m_nY + line.m_nTopMargin + seg.m_nY,
                           seg.m_strText.c_str(), ToolTipColour(seg.m_nColour), 0, 0, 0, 0, seg.m_nFont,
                           seg.m_byStyle);
        }
    }
}

void CAutoTip::DrawFront(const AutoTipItem& tip, std::size_t queued)
{
    FillRectRel(kAutoTipFillColour, 0, 0, m_nWidth, m_nHeight);
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawRectFrame(kAutoTipFrameColour, m_nAbsX, m_nAbsY, m_nWidth, m_nHeight);
    }
    DrawLines(tip);
    if (queued > 1) {
        char count[24];
        std::snprintf(count, sizeof(count), "%zu", queued);
        DrawText(kAutoTipCountOffset, kAutoTipCountOffset, count, kAutoTipCountColour, 0, 0, 0, 1);
    }
}
