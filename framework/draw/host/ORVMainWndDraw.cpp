// Drawing of CORVMainWnd's own layer through the host callback: the dragged icon at the mouse.
// Kept apart from the main window's logic so that another build can draw it differently.
#include "framework/window/ORVMainWnd.h"

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DragIcon.h"
#include "framework/core/ORVCallBack.h"

void CORVMainWnd::DrawDragIcon()
{
    const ORVDragIcon& drag = GetDragIcon();
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawImage(static_cast<int>(g_nMouseX) - kDragIconOffset, static_cast<int>(g_nMouseY) - kDragIconOffset,
                        drag.m_wFrame, drag.m_wSet, 0xFFFFFFFF, 0, 0);
    }
}

void CORVMainWnd::DrawBuildLayer() {}
