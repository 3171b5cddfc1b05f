// Drawing of the city controls through the host callback.
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"

void CAerieButton::Render()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    host->DrawImage(m_nAbsX, m_nAbsY, m_wFrame + (IsHover() ? 1 : 0), kImageSetWindow, 0xFFFFFFFF, 0, 0);
    if (m_bShowLevel != 0) {
        int dx = 0;
        int dy = 0;
        const u32 level = GetShownLevel(&dx, &dy);
        DrawNumber(m_nAbsX + dx, m_nAbsY + dy, static_cast<int>(level));
    }
}

void CAerieBuildingCtrl::Render()
{
    const CXmlBuilding* cfg = nullptr;
    u16 level = 0;
    CHostCallBackGuard* host = ORVCallBack();
    if (host != nullptr && GetShown(&cfg, &level)) {
        host->DrawImage(m_nAbsX, m_nAbsY, cfg->GetLooksTex(level) + (IsHover() ? 1 : 0), kImageSetWindow,
                        0xFFFFFFFF, 0, 0);
        if (m_bShowLevel != 0) {
            DrawNumber(m_nAbsX + cfg->GetLvlTextX(level), m_nAbsY + cfg->GetLvlTextY(level), level);
        }
        if (AerieView::IsBuildingUpgrading(m_nBuildingId)) {
            int x = 0;
            int y = 0;
            GetUpgradeMarkerPos(*cfg, level, &x, &y);
            host->DrawImage(m_nAbsX + x, m_nAbsY + y, kUpgradeMarkerFrame, kImageSetWindow, 0xFFFFFFFF, 0, 0);
        }
    }
    CORVControl::Render();   // posted messages, then OnDraw
}
