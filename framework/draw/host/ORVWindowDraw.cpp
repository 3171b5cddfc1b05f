// Drawing of CORVWindow through the host callback: the background image and the title. Kept apart
// from the window's logic so that another build can draw the same toolkit differently.
#include "framework/control/ORVWindow.h"

#include "framework/core/ORVCallBack.h"

void CORVWindow::DrawBackground()
{
    if (m_wBackFrame == 0) {
        return;
    }
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawImage(m_nAbsX, m_nAbsY, m_wBackFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
}

void CORVWindow::DrawTitle()
{
    if (m_strTitle.empty()) {
        return;
    }
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawText(m_nAbsX + m_nTitleX, m_nAbsY + m_nTitleY, m_strTitle.c_str(), m_dwTitleColour, 0, 0, 0, 1,
                       m_nTitleFlag, 0);
    }
}
