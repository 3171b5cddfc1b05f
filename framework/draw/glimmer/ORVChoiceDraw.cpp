// Drawing of the drop-down list through the renderer: the face (group 3) with its arrow (group 2)
// and the selected text, and while open the list's fill, the hovered row's outline and the rows,
// all as GetLook says. The list's scroll bar draws itself as a child.
#include "framework/widgets/ORVChoice.h"
#include "glimmer/Glimmer.h"

void CORVChoice::OnDraw()
{
    const ORVChoiceLook look = GetLook();
    const int b = look.nBoxTop;
    DrawCapBar(look.face, 0xFFFFFFFF);
    g_TexMgr.DrawTexture(m_nAbsX + m_nWidth - kChoiceArrowRight, m_nAbsY + b + kChoiceArrowTop,
                         static_cast<u16>(m_wArrowFrame + look.nArrowState), static_cast<u16>(kImageSetButton),
                         0xFFFFFFFF, true);
    if (const ORVChoiceItem* sel = GetSelectedItem()) {
        DrawAlignedText(b + kChoiceTextTop, m_nWidth, sel->m_strText.c_str(), sel->m_dwColour,
                        static_cast<int>(sel->m_nAlign), 0, kTextSizeDefault);
    }
    if (!look.bList) {
        return;
    }
    const int t = look.nListTop;
    g_CG.DrawFillRect(m_nAbsX, m_nAbsY + t, m_nWidth, look.nListHeight, kChoiceListColour);
    if (look.nHoverRow >= 0) {
        const int top = m_nAbsY + t + look.nHoverRow * m_nRowHeight;
        g_CG.DrawRectangle(kChoiceHoverColour, m_nAbsX, top, m_nAbsX + m_nWidth, top + m_nRowHeight, 1);
    }
    for (int i = 0; i < look.nRows; ++i) {
        const ORVChoiceItem& item = m_vItems[look.nFirstItem + i];
        DrawAlignedText(m_nRowHeight * i + t + kChoiceRowTextTop, m_nWidth, item.m_strText.c_str(), item.m_dwColour,
                        static_cast<int>(item.m_nAlign), 0, kTextSizeDefault);
    }
}
