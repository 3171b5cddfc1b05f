#include "aerie/windows/AerieFriendRows.h"

#include "framework/control/ORVControl.h"
#include "framework/widgets/ORVScroll.h"

int PlayerListRows::HitRow(int x, int y, int count) const
{
    if (count <= 0 || !(x > m_nLeft && x < m_nLeft + m_nRowWidth && y > m_nTop && y < m_nTop + kRows * m_nRowHeight)) {
        return -1;
    }
    const int row = (y - m_nTop) / m_nRowHeight;
    return m_nFirstRow + row < count ? row : -1;
}

void PlayerListRows::Reset()
{
    m_nFirstRow = 0;
    m_nHoverRow = -1;
    m_nSelRow = -1;
}

void PlayerListRows::UpdateScroll(CORVScroll* bar, int count)
{
    if (bar == nullptr) {
        return;
    }
    const int range = count > kRows ? count - kRows : 0;
    bar->SetRange(range);
    bar->SetPos(0);
    bar->m_bVisible = range > 0 ? 1 : 0;
    bar->m_bEnabled = range > 0 ? 1 : 0;
}

void PlayerListRows::OnScroll(int pos, int count)
{
    if (pos == m_nFirstRow) {
        return;
    }
    if (m_nSelRow >= 0) {
        m_nSelRow += m_nFirstRow - pos;
        if (m_nSelRow < 0 || m_nSelRow >= kRows || pos + m_nSelRow >= count) {
            m_nSelRow = -1;
        }
    }
    m_nFirstRow = pos;
}

void PlayerListRows::DrawBars(CORVControl* ctrl) const
{
    if (m_nHoverRow >= 0) {
        ctrl->DrawStretchedBar(124, m_nLeft, m_nTop + m_nRowHeight * m_nHoverRow, m_nRowWidth, 0xFFFFFFFF);
    }
    if (m_nSelRow >= 0) {
        ctrl->DrawStretchedBar(121, m_nLeft, m_nTop + m_nRowHeight * m_nSelRow, m_nRowWidth, 0xFFFFFFFF);
    }
}
