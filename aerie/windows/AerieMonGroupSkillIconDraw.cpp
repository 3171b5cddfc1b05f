// Drawing of the group skill icon through the host callback.
#include "aerie/windows/AerieMonGroupSkillIcon.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "framework/core/ORVCallBack.h"

void CAerieMonGroupSkillIcon::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    CHostCallBackGuard* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieGroupSkillEntry& entry = GetEntry();
    const CXmlMonGroupSkill* cfg = entry.m_pConfig;
    if (entry.GetSkillId() == 0 || cfg == nullptr) {
        return;
    }
    host->DrawImage(m_nAbsX, m_nAbsY, cfg->m_nPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    host->DrawImage(m_nAbsX + kBadgeOffset, m_nAbsY + kBadgeOffset, cfg->m_nGroupIcon, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    const u16 level = entry.GetLevel();
    const char* text = m_Level.Get(level, [level] { return BoundedFormat(kShortTextBound, "Lv%1%", level); });
    host->DrawText(m_nAbsX + 2, m_nAbsY + 2, text, kLevelColour, 0, 0, 0, 1, 1, 0);
}
