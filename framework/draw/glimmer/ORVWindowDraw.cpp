// Drawing of CORVWindow through the renderer: the background texture (group 1) at the corner.
// Windows of this build have no title.
#include "framework/control/ORVWindow.h"
#include "glimmer/Glimmer.h"

void CORVWindow::DrawBackground()
{
    if (m_wBackFrame != 0) {
        g_TexMgr.DrawTexture(m_nAbsX, m_nAbsY, m_wBackFrame, static_cast<u16>(kImageSetWindow), 0xFFFFFFFF, true);
    }
}

void CORVWindow::DrawTitle() {}
