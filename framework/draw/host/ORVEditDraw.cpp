// Drawing of the edit field through the host callback: the background (left cap, stretched
// middle, right cap), the selection, the visible text (or as many '*' in password mode) and the
// blinking caret while the field has the focus.
#include <algorithm>
#include <cstring>

#include "framework/core/ORVCallBack.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/widgets/ORVEdit.h"

void CORVEdit::DrawField()
{
    IORVCallBack* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    if (m_wFrame != 0) {
        DrawImageScaled(0, 0, m_wFrame + 1, static_cast<float>(m_nWidth) / static_cast<float>(kEditFrameMiddleLen), 1.0f,
                        0xFFFFFFFF);
        DrawImage(kEditFrameLeft, 0, m_wFrame, kImageSetWindow, 0xFFFFFFFF);
        DrawImage(m_nWidth - 1, 0, m_wFrame + 2, kImageSetWindow, 0xFFFFFFFF);
    }

    // The visible bytes, always fewer than the scratch buffer holds.
    const int first = std::clamp(m_nFirstVisible, 0, Length());
    const int end = std::clamp(m_nEndVisible, first, Length());
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(end - first), kScratchBufferSize - 1);
    if (m_bPassword) {
        std::memset(g_ScratchBuffer, '*', count);
    } else {
        std::memcpy(g_ScratchBuffer, m_strText.data() + first, count);
    }
    g_ScratchBuffer[count] = '\0';

    int x0 = 0;
    int y0 = 0;
    TextOrigin(m_nWidth, m_nHeight, LineHeight(), &x0, &y0);
    if (HasSelection()) {
        const int lo = std::min(m_nSelAnchorX, m_nSelEndX);
        const int hi = std::max(m_nSelAnchorX, m_nSelEndX);
        FillRectRel(kEditSelectColour, x0 + lo, 1, hi - lo, m_nHeight - 2);
    }
    host->DrawText(m_nAbsX + x0, m_nAbsY + y0, g_ScratchBuffer, m_dwTextColor, 0, 0, 0, 1, m_nFont, 0);
    if (HasFocus() && CaretShown()) {
        host->DrawText(m_nAbsX + x0 + m_nCaretX - kEditCaretShift, m_nAbsY + y0, "|", m_dwCaretColor, 0, 0, 0, 1, m_nFont,
                       0);
    }
}
