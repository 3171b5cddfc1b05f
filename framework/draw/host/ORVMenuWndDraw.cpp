// Drawing of the popup menu through the host callback: one row image of set 92 per item in its
// state (normal, hover, pressed), tinted when the item is disabled, and the caption centred on it.
#include "framework/core/ORVCallBack.h"
#include "framework/window/ORVMenuWnd.h"

void CORVMenuWnd::OnDraw()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const std::vector<ORVMenuItem>& items = GetPopupMenuItems();
    const ORVMenuLook look = GetLook();
    for (int row = 0; row < look.nRows; ++row) {
        const ORVMenuItem& item = items[row];
        const int x = m_nAbsX;
        const int y = m_nAbsY + kMenuRowHeight * row;
        const int state = look.RowState(row);
        const int p = state == 2 ? 1 : 0;
        host->DrawImage(x, y, kMenuRowFrame + state, kImageSetButton,
                        item.m_bEnabled ? 0xFFFFFFFF : kMenuItemDisabledTint, 0, 0);
        host->DrawText(x + kMenuCaptionX + p, y + kMenuCaptionY + p, item.m_strCaption.c_str(),
                       state == 0 ? item.m_dwColour : item.m_dwHoverColour, 1, 0, 0, 1, 1, 0);
    }
}
