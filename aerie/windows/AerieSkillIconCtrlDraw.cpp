// Drawing of the skill icon through the host callback.
#include "aerie/windows/AerieSkillIconCtrl.h"

#include "aerie/state/XmlAerieRecords.h"
#include "framework/core/ORVCallBack.h"

void CAerieSkillIconCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    CHostCallBackGuard* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieGroupSkillEntry& entry = GetEntry();
    if (entry.GetSkillId() != 0 && entry.m_pConfig != nullptr) {
        host->DrawImage(m_nAbsX, m_nAbsY, entry.m_pConfig->m_nPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
}
