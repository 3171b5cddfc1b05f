// Drawing of the guardian-beast chooser and its cards.
#include "aerie/windows/AerieChooseBeast.h"
#include "aerie/windows/AerieWndUtil.h"

void CAerieChooseBeastItem::OnDraw()
{
    if (!m_bValid) {
        return;
    }
    const bool hover = IsHover();
    const int offset = PictureOffset(TickNow(), hover);
    const bool lit = hover || m_bAnimating;
    const bool male = m_Beast.m_nSex == 0;
    const int back = male ? 369 : 366;
    const int frame = male ? (lit ? 368 : 367) : (lit ? 365 : 364);
    const u32 nameColour = male ? 0xFF00FFFF : 0xFFFFFF00;
    DrawImage(0, 0, back, kImageSetWindow, 0xFFFFFFFF);
    DrawImage(0, offset, m_Beast.m_nTex, kImageSetWindow, 0xFFFFFFFF);
    DrawImage(0, 0, frame, kImageSetWindow, 0xFFFFFFFF);
    DrawTextRel(this, m_nNameX, m_nNameY, m_Beast.m_strName.c_str(), nameColour, 1, 1);
}

void CAerieChooseBeastWnd::OnDraw()
{
    DrawImage(269, 44, 650, kImageSetWindow, 0xFFFFFFFF);
    m_Desc.Draw(m_nAbsX + m_nTextX, m_nAbsY + m_nTextY);
}
