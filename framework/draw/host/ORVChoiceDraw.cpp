// Drawing of the drop-down list through the host callback: the box with its arrow and the
// selected text, and while open the list's background, the hovered row's outline and the rows,
// all as GetLook says. The list's scroll bar draws itself as a child.
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/CapBar.h"
#include "framework/widgets/ORVChoice.h"

void CORVChoice::OnDraw()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVChoiceLook look = GetLook();
    const int b = look.nBoxTop;
    DrawCapBar(look.face, 0xFFFFFFFF);

    host->DrawImage(m_nAbsX + m_nWidth - kChoiceArrowRight, m_nAbsY + b + kChoiceArrowTop,
                    m_wArrowFrame + look.nArrowState, kImageSetButton, 0xFFFFFFFF, 0, 0);

    if (const ORVChoiceItem* sel = GetSelectedItem()) {
        DrawAlignedText(b + kChoiceTextTop, m_nWidth, sel->m_strText.c_str(), sel->m_dwColour,
                        static_cast<int>(sel->m_nAlign), 1, 1);
    }
    if (!look.bList) {
        return;
    }
    const int t = look.nListTop;
    host->FillRect(kChoiceListColour, m_nAbsX, m_nAbsY + t, m_nWidth, look.nListHeight);
    if (look.nHoverRow >= 0) {
        host->DrawRectFrame(kChoiceHoverColour, m_nAbsX, m_nAbsY + t + look.nHoverRow * m_nRowHeight, m_nWidth,
                            m_nRowHeight);
    }
    for (int i = 0; i < look.nRows; ++i) {
        const ORVChoiceItem& item = m_vItems[look.nFirstItem + i];
        DrawAlignedText(m_nRowHeight * i + t + kChoiceRowTextTop, m_nWidth, item.m_strText.c_str(), item.m_dwColour,
                        static_cast<int>(item.m_nAlign), 1, 1);
    }
}
