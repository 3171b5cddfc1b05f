// The main window's own layer in this build: the library's cursor texture (group 7, texture 1)
// at the last mouse position while the system cursor is hidden over the client area, unless a
// window drew a cursor of its own this frame. There is no icon dragging.
#include "engine/ui/EngineInput.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/window/ORVMainWnd.h"
#include "glimmer/Glimmer.h"

void CORVMainWnd::DrawDragIcon() {}

void CORVMainWnd::DrawBuildLayer()
{
    if (g_bSystemCursor != 0 || OwnCursorHidden()) {
        return;
    }
    if (CTex* cursor = g_TexMgr.GetTextureImm(static_cast<u16>(kImageSetPicture), kCursorTexture)) {
        cursor->DrawTex(static_cast<int>(g_nMouseX), static_cast<int>(g_nMouseY), 0xFFFFFFFF);
    }
}
