// Drawing of the icons through the host callback.
#include "aerie/windows/AerieIconCtrl.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/ORVCallBack.h"

void CAerieIconCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CORVControl::Render();   // posted messages, then OnDraw
    if (!life.expired() && m_bAvailable == 0) {
        if (CHostCallBackGuard* host = ORVCallBack()) {
            host->DrawImage(m_nAbsX + kLockInset, m_nAbsY + kLockInset, kLockFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        }
    }
}

void CAerieDeadMonsterIcon::Render()
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
        float angle = 0;
        if (GetPieAngle(entry, TickNow(), &angle)) {
            host->DrawSector(m_nAbsX + 25, m_nAbsY + 25, kPieRadius, angle, kPieColour);
        }
    }
    DrawMonsterCount(host, m_nAbsX + 4, m_nAbsY + 4, entry.GetCount(), m_Count);
}
