// The technology item's drawing: picture, name, level, points and the effect lines.
#include "aerie/windows/AerieTechnologyItem.h"

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndUtil.h"

void CAerieTechnologyItem::OnDraw()
{
    const CXmlTech* tech = m_pTech;
    if (tech == nullptr) {
        return;
    }
    m_wLevel = AerieView::GetTechLevel(static_cast<u16>(tech->m_nId));
    if (tech != m_pTextTech || m_wLevel != m_wTextLevel) {
        RefreshText();
    }
    DrawImageRel(this, 5, 8, tech->m_nTex);
    DrawTextRel(this, 30, 62, tech->m_strName.c_str(), 0xFF04EBFF, 1);
    DrawTextRel(this, 7, 10, m_strLevel.c_str(), 0xFFFFFF00);
    DrawLabelValue(62, "已获科技点：", 0xFFFFFF00, m_strPoints.c_str(), 0xFFFFFF00);
    if (m_strNextPoints.empty()) {
        DrawTextRel(this, 164, 5, "已达最高级", 0xFFFF0000);
    } else {
        DrawLabelValue(158, "升级可获科技点：", 0xFF04EBFF, m_strNextPoints.c_str(), 0xFF04EBFF);
    }
    m_Effect.Draw(m_nAbsX + 68, m_nAbsY + 30);
}
