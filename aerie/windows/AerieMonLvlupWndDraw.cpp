// The monster level-up window's drawing: the chosen card with the bag's count and the count the
// stack needs, red while the bag holds too few.
#include "aerie/windows/AerieMonLvlupWnd.h"

void CAerieMonLvlupWnd::OnDraw()
{
    DrawTextRel(this, 160, 13, "怪物升级", 0xFFFFFFFF);
    DrawTextRel(this, 93, 115, "选择颜色：", 0xFFFFFFFF);
    m_Desc.Draw(m_nAbsX + 50, m_nAbsY + 50);
    DrawTextRel(this, 145, 150, m_Bag.Get(m_wCardsInBag, [&] {
        return BoundedFormat(kShortTextBound, "包裹中怪物卡数量：%1%", m_wCardsInBag);
    }), 0xFFFFFF00);
    if (m_wCardFrame != 0) {
        DrawImageRel(this, 95, 130, m_wCardFrame);
    }
    DrawTextRel(this, 145, 185, m_Need.Get(static_cast<u32>(m_nCount), [&] {
        return BoundedFormat(kShortTextBound, "本次升级需要怪物卡数量：%1%", m_nCount);
    }), m_wCardsInBag < m_nCount ? 0xFFFF0000 : 0xFF00FFFF);
    if (m_wCardFrame != 0) {
        DrawImageRel(this, 95, 165, m_wCardFrame);
    }
}
