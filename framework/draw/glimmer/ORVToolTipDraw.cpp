// Drawing of the tooltip and the floating tips through the renderer.
#include <cstdio>

#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVToolTip.h"
#include "glimmer/Glimmer.h"

void CORVToolTip::DrawBox(int x, int y) const
{
    // The box in this build's own colours; the style's colours are only kept.
    g_CG.DrawRectangleWithFrame(kToolTipFrameColour, kToolTipFillColour, x, y, x + m_nBoxWidth, y + m_nBoxHeight, 1);
    for (const ORVToolTipLine& line : m_vLines) {
        for (const ORVToolTipSegment& seg : line.m_vSegments) {
            g_Font.DrawTextA(x + line.m_nX + seg.m_nX, y + line.m_nY + line.m_nTopMargin + seg.m_nY,
                             seg.m_strText.c_str(), ToolTipColour(seg.m_nColour), TextPixelSize(seg.m_nFont), false, 0,
                             seg.m_byStyle != 0);
        }
    }
}

void CAutoTip::DrawFront(const AutoTipItem& tip, std::size_t queued)
{
    g_CG.DrawRectangleWithFrame(kAutoTipFrameColour, kAutoTipFillColour, m_nAbsX, m_nAbsY, m_nAbsX + m_nWidth,
                                m_nAbsY + m_nHeight, 1);
    DrawLines(tip);
    if (queued > 1) {
        char count[24];
        std::snprintf(count, sizeof(count), "%zu", queued);
        g_Font.DrawTextA(m_nAbsX + kAutoTipCountOffset, m_nAbsY + kAutoTipCountOffset, count, kAutoTipCountColour,
                         kTextSizeDefault, 0, 0);
    }
}
