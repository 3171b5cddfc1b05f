#include "aerie/windows/AerieTechnologyItem.h"

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndUtil.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieTechnologyItem, CORVControl)

CAerieTechnologyItem::CAerieTechnologyItem() = default;
CAerieTechnologyItem::~CAerieTechnologyItem() = default;

void CAerieTechnologyItem::RefreshText()
{
    const CXmlTech* tech = m_pTech;
    if (tech == nullptr) {
        return;
    }
    m_pTextTech = tech;
    m_wTextLevel = m_wLevel;
    m_strEffect = BoundedFormat(kBoxTextBound, "当前效果：" + tech->m_strDes, tech->GetEffectText(m_wLevel));
    m_Effect.SetText(m_strEffect, kEffectWidth, 0xFFFFFFFF, 1);
    m_strLevel = BoundedFormat(kShortTextBound, "Lv%1%", m_wLevel);
    m_strPoints = tech->GetPointText(m_wLevel);
    m_strNextPoints = tech->GetNextPointText(m_wLevel);
}

bool CAerieTechnologyItem::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_MOUSEWHEEL) {
        return false;
    }
    return CORVControl::ProcessMessage(msg);
}
