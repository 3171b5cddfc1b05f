// Drawing of the building windows through the host callback.
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/core/ORVCallBack.h"

void CAerieBuildingWnd::OnDraw()
{
    const CXmlBuilding* cfg = AerieView::FindBuildingConfig(m_nBuildingId);
    u16 level = 0;
    if (cfg == nullptr || !AerieView::GetBuildingLevel(m_nBuildingId, &level)) {
        return;
    }
    DrawTextRel(this, m_nWidth / 2, 15, m_Title.Get(level, [&] { return FormatBuildingTitle(*cfg, level); }),
                0xFFFFFFFF, 1);
    m_Desc.Draw(m_nAbsX + 96, m_nAbsY + 66);
    DrawTextRel(this, 94, 45, m_Effect.Get(level, [&] { return FormatBuildingEffect(*cfg, level); }), 0xFFFFFF00);
    const char* next = m_Next.Get(level, [&] {
        return level < cfg->m_nMaxLevel ? "下一级" + FormatBuildingEffect(*cfg, level + 1) : std::string("已达顶级");
    });
    DrawTextRel(this, 472, 45, next, 0xFFFF3500, 2);
    DrawImageRel(this, 23, 42, cfg->m_nIconTex);
}

void CAerieMainCityWnd::OnDraw()
{
    CAerieBuildingWnd::OnDraw();
    DrawTextRel(this, 35, 332, "各小组的默认状态为生产，怪物组需要食用牧草维持生命力。", 0xFF00FFFF);
    DrawProductionBonus(this, 35, 353, m_Multiplier);
}

void DrawProductionBonus(const CORVControl* wnd, int x, int y, CCachedText& text)
{
    const u8 multiplier = AerieView::GetProductionMultiplier();
    if (multiplier > 10) {
        char line[kShortTextBound];
        DrawTextRel(wnd, x, y, text.Get(multiplier, [&] {
            return BoundedPrintf(line, sizeof(line), "服务器资源产量翻倍开启，翻倍时间内资源产量倍数为%.1f倍",
                                 multiplier / 10.0);
        }),
                    0xFFFF0000);
    }
}
