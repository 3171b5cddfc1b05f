// Drawing of the monster cell through the host callback.
#include "aerie/windows/AerieMonsterCtrl.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "framework/core/DragIcon.h"
#include "framework/core/ORVCallBack.h"

void CAerieMonsterCtrl::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieIconCtrl::Render();
    CHostCallBackGuard* host = ORVCallBack();
    if (life.expired() || host == nullptr) {
        return;
    }
    const AerieMonsterEntry& entry = GetSlotMonster();
    const ORVDragIcon& drag = GetDragIcon();
    if (entry.GetMonsterId() == 0 || (drag.m_bDragging != 0 && drag.m_nSource == m_wItemId)) {
        return;   // empty, or lifted by the drag: the main window draws it at the mouse
    }
    if (const CXmlMonster* cfg = entry.m_pConfig) {
        DrawMonsterPictures(host, m_nAbsX, m_nAbsY, *cfg);
        host->DrawImage(m_nAbsX + 29, m_nAbsY + 1, cfg->m_nGroupIcon, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
    DrawMonsterCount(host, m_nAbsX + 3, m_nAbsY + 3, entry.GetCount(), m_Count);
}
