// Drawing of the edit field through the renderer: the frame (group 3: left cap, zoomed middle,
// right cap), the selection, the shown text (or as many '*' in password mode) and, while the field
// has the focus, the caret "|" in the odd half-seconds. An empty text draws only the caret.
#include <algorithm>
#include <cstdlib>

#include "framework/widgets/ORVEdit.h"
#include "glimmer/Glimmer.h"

void CORVEdit::DrawField()
{
    if (m_wFrame != 0) {
        DrawCapBar(GetFrameBar(), 0xFFFFFFFF);
    }
    const char* shown = CopyShownText();
    const int size = TextPixelSize(m_nFont);
    int x0 = 0;
    int y0 = 0;
    TextOrigin(m_nWidth, m_nHeight, LineHeight(), &x0, &y0);
    if (HasSelection()) {
        g_CG.DrawFillRect(m_nAbsX + std::min(m_nSelAnchorX, m_nSelEndX), m_nAbsY, std::abs(m_nSelEndX - m_nSelAnchorX),
                          m_nHeight, kEditSelectColour);
    }
    if (Length() > 0) {
        g_Font.DrawTextA(m_nAbsX + x0, m_nAbsY + y0, shown, m_dwTextColor, size, false, 0, false);
    }
    if (HasFocus() && CaretShown()) {
        g_Font.DrawTextA(m_nAbsX + x0 + m_nCaretX - kEditCaretShift, m_nAbsY + y0, "|", m_dwCaretColor, size, 0, 0);
    }
}
