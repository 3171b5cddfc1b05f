// Drawing of the drop-down list through the host callback: the box with its arrow and the
// selected text, and while open the list's background, the hovered row's outline and the rows.
// The list's scroll bar draws itself as a child.
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVChoice.h"

void CORVChoice::OnDraw()
{
    IORVCallBack* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const int b = BoxTop();
    const float scale = m_nMiddleLen > 0 ? static_cast<float>(m_nWidth) / static_cast<float>(m_nMiddleLen) : 0.0f;
    if (scale > 0.0f) {
        host->DrawImageScaled(m_nAbsX, m_nAbsY + b, m_wFrame + 1, kImageSetWindow, scale, 1.0f, 0xFFFFFFFF, 0, 0);
    }
    host->DrawImage(m_nAbsX - m_nCapLeft, m_nAbsY + b, m_wFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    host->DrawImage(m_nAbsX + m_nWidth, m_nAbsY + b, m_wFrame + 2, kImageSetWindow, 0xFFFFFFFF, 0, 0);

    const int arrow = !m_bEnabled || IsCaptured() ? 2 : IsHover() ? 1 : 0;
    host->DrawImage(m_nAbsX + m_nWidth - kChoiceArrowRight, m_nAbsY + b + kChoiceArrowTop, m_wArrowFrame + arrow,
                    kImageSetButton, 0xFFFFFFFF, 0, 0);

    if (const ORVChoiceItem* sel = GetSelectedItem()) {
        DrawAlignedText(b + kChoiceTextTop, m_nWidth, sel->m_strText.c_str(), sel->m_dwColour,
                        static_cast<int>(sel->m_nAlign), 1, 1);
    }
    if (!m_bOpen) {
        return;
    }
    const int t = ListTop();
    host->FillRect(kChoiceListColour, m_nAbsX, m_nAbsY + t, m_nWidth, m_nHeight - m_nClosedHeight);
    if (m_nHover >= 0) {
        host->DrawRectFrame(kChoiceHoverColour, m_nAbsX, m_nAbsY + t + m_nHover * m_nRowHeight, m_nWidth,
                            m_nRowHeight);
    }
    const int first = FirstRow();
    const int count = static_cast<int>(m_vItems.size());
    for (int i = 0; i < m_nMaxRows && first + i < count; ++i) {
        const ORVChoiceItem& item = m_vItems[first + i];
        DrawAlignedText(m_nRowHeight * i + t + kChoiceRowTextTop, m_nWidth, item.m_strText.c_str(), item.m_dwColour,
                        static_cast<int>(item.m_nAlign), 1, 1);
    }
}
