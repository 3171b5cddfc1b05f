// The shared window-relative drawing of the game windows, through the host callback.
#include "aerie/windows/AerieWndUtil.h"

#include "framework/core/ORVCallBack.h"

void DrawTextRel(const CORVControl* ctrl, int x, int y, const char* text, u32 colour, int align, int font)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || ctrl == nullptr || text == nullptr) {
        return;
    }
    host->DrawText(ctrl->m_nAbsX + x, ctrl->m_nAbsY + y, text, colour, align, 0, 0, 1, font, 0);
}

void DrawImageRel(const CORVControl* ctrl, int x, int y, int frame, int set)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || ctrl == nullptr) {
        return;
    }
    host->DrawImage(ctrl->m_nAbsX + x, ctrl->m_nAbsY + y, frame, set, 0xFFFFFFFF, 0, 0);
}
