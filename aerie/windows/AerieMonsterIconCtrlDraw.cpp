// Drawing of the monster icons through the host callback.
#include "aerie/windows/AerieMonsterIconCtrl.h"

#include "aerie/state/XmlAerieRecords.h"
#include "framework/core/ORVCallBack.h"

void CAerieMonsterIconCtrl::Render()
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
    }
    const u32 count = GetShownCount(entry);
    if (m_Count.NeedsUpdate(count)) {
        m_Count.Text() = BoundedFormat(kShortTextBound, "%1%", count);
    }
    host->DrawText(m_nAbsX + 4, m_nAbsY + 4, m_Count.c_str(), 0xFFFFFFFF, 0, 0, 0, 1, 1, 0);
}
