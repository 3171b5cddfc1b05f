// Drawing of the icons through the host callback.
#include "aerie/windows/AerieIconCtrl.h"

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
    CAerieIconCtrl::Render();
}
