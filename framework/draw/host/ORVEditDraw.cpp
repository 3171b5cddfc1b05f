// Drawing of the edit field through the host callback: the background (left cap, stretched
// middle, right cap), the selection, the visible text (or as many '*' in password mode) and the
// blinking caret while the field has the focus.
#include <algorithm>

#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVEdit.h"

void CORVEdit::DrawField()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    if (m_wFrame != 0) {
        DrawCapBar(GetFrameBar(), 0xFFFFFFFF);
    }
    const char* shown = CopyShownText();
    int x0 = 0;
    int y0 = 0;
    TextOrigin(m_nWidth, m_nHeight, LineHeight(), &x0, &y0);
    if (HasSelection()) {
        const int lo = std::min(m_nSelAnchorX, m_nSelEndX);
        const int hi = std::max(m_nSelAnchorX, m_nSelEndX);
        FillRectRel(kEditSelectColour, x0 + lo, 1, hi - lo, m_nHeight - 2);
    }
    host->DrawText(m_nAbsX + x0, m_nAbsY + y0, shown, m_dwTextColor, 0, 0, 0, 1, m_nFont, 0);
    if (HasFocus() && CaretShown()) {
        host->DrawText(m_nAbsX + x0 + m_nCaretX - kEditCaretShift, m_nAbsY + y0, "|", m_dwCaretColor, 0, 0, 0, 1, m_nFont,
                       0);
    }
}
