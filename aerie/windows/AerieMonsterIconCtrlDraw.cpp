// Drawing of the monster icons through the host callback.
#include "aerie/windows/AerieMonsterIconCtrl.h"

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "framework/core/ORVCallBack.h"

void CAerieMonsterIconCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    CHostCallBackGuard* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieMonsterEntry& entry = GetEntry();
    if (entry.GetMonsterId() == 0) {
        return;
    }
    if (const CXmlMonster* cfg = entry.m_pConfig) {
        DrawMonsterPictures(host, m_nAbsX, m_nAbsY, *cfg);
    }
    DrawMonsterCount(host, m_nAbsX + 4, m_nAbsY + 4, GetShownCount(entry), m_Count);
}
