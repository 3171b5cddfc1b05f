// Drawing of the icons through the host callback.
#include "aerie/windows/AerieIconCtrl.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/ORVCallBack.h"

void CAerieIconCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CORVControl::Render();   // posted messages, then OnDraw
    if (!life.expired() && m_bAvailable == 0) {
        if (IORVCallBack* host = ORVCallBack()) {
            host->DrawImage(m_nAbsX + kLockInset, m_nAbsY + kLockInset, kLockFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        }
    }
}

void CAerieDeadMonsterIcon::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    IORVCallBack* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieMonsterEntry& entry = GetEntry();
    if (entry.GetMonsterId() == 0) {
        return;
    }
    if (const CXmlMonster* cfg = entry.m_pConfig) {
        host->DrawImage(m_nAbsX, m_nAbsY, cfg->m_nColorPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        host->DrawImage(m_nAbsX, m_nAbsY, cfg->m_nPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        float angle = 0;
        if (GetPieAngle(entry, TickNow(), &angle)) {
            host->DrawSector(m_nAbsX + 25, m_nAbsY + 25, kPieRadius, angle, kPieColour);
        }
    }
    const u32 count = entry.GetCount();
    const char* text = m_Count.Get(count, [&] { return BoundedFormat(kShortTextBound, "%1%", count); });
    host->DrawText(m_nAbsX + 4, m_nAbsY + 4, text, 0xFFFFFFFF, 0, 0, 0, 1, 1, 0);
}
