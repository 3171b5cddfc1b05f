// The test window's own drawing: the vertical bar's position and range at the window's top.
#include <cstdio>

#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVTestWnd.h"
#include "glimmer/Glimmer.h"

void CORVTestWnd::OnDraw()
{
    if (m_pVScroll == nullptr) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%d/%d", m_pVScroll->m_nPos, m_pVScroll->m_nRange);
    g_Font.DrawTextA(m_nAbsX + 40, m_nAbsY, text, 0xFFFFFF00, kTextSizeDefault, 0, 0);
}
