// Drawing of the monster cell through the host callback.
#include "aerie/windows/AerieMonsterCtrl.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "framework/core/DragIcon.h"
#include "framework/core/ORVCallBack.h"

void CAerieMonsterCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    IORVCallBack* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieMonsterEntry& entry = GetSlotMonster();
    const ORVDragIcon& drag = GetDragIcon();
    if (entry.GetMonsterId() == 0 || (drag.m_bDragging != 0 && drag.m_nSource == m_wItemId)) {
        return;   // empty, or lifted by the drag: the main window draws it at the mouse
    }
    if (const CXmlMonster* cfg = entry.m_pConfig) {
        host->DrawImage(m_nAbsX, m_nAbsY, cfg->m_nColorPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        host->DrawImage(m_nAbsX, m_nAbsY, cfg->m_nPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        host->DrawImage(m_nAbsX + 29, m_nAbsY + 1, cfg->m_nGroupIcon, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
    if (m_Count.NeedsUpdate(entry.GetCount())) {
        m_Count.Text() = BoundedFormat(kShortTextBound, "%1%", entry.GetCount());
    }
    host->DrawText(m_nAbsX + 3, m_nAbsY + 3, m_Count.c_str(), 0xFFFFFFFF, 0, 0, 0, 1, 1, 0);
}
