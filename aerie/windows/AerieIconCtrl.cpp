#include "aerie/windows/AerieIconCtrl.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieIconCtrl, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieDeadMonsterIcon, CAerieIconCtrl)

CAerieIconCtrl::CAerieIconCtrl() = default;
CAerieIconCtrl::~CAerieIconCtrl() = default;

bool CAerieIconCtrl::CreateIcon(CORVControl* parent, int x, int y, u16 itemId, int w, int h)
{
    m_wItemId = itemId;
    return CreateAt(parent, x, y, w, h);
}

// ---- CAerieDeadMonsterIcon ----

CAerieDeadMonsterIcon::CAerieDeadMonsterIcon() = default;
CAerieDeadMonsterIcon::~CAerieDeadMonsterIcon() = default;

const AerieMonsterEntry& CAerieDeadMonsterIcon::GetEntry() const
{
    return AerieView::GetShownMonster(m_wItemId);
}

u32 CAerieDeadMonsterIcon::GetRemainingSeconds(const AerieMonsterEntry& entry, u32 now)
{
    return SecondsLeft(entry.GetReviveSeconds(), entry.m_dwStamp, now);
}

bool CAerieDeadMonsterIcon::GetPieAngle(const AerieMonsterEntry& entry, u32 now, float* angle)
{
    if (entry.m_pConfig == nullptr) {
        return false;
    }
    // Signed 64-bit: a building effect larger than the revive time gives no pie, not a huge one.
    const std::int64_t total = static_cast<std::int64_t>(entry.m_pConfig->m_nTime) -
                               60 * static_cast<std::int64_t>(AerieView::GetBuildingEffect(17));
    if (total <= 0) {
        return false;
    }
    std::int64_t remaining = GetRemainingSeconds(entry, now);
    if (remaining > total) {
        remaining = total;
    }
    *angle = static_cast<float>(static_cast<double>(total - remaining) * 6.28318 / static_cast<double>(total));
    return true;
}

bool CAerieDeadMonsterIcon::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const AerieMonsterEntry& entry = GetEntry();
    if (entry.GetMonsterId() != 0) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        if (const CXmlMonster* cfg = entry.m_pConfig) {
            const u32 count = entry.GetCount();
            const auto total = [count](u16 one) { return static_cast<unsigned long long>(one) * count; };
            tip.AddText(cfg->m_nTipCol, cfg->m_strName, 1);
            tip.AddText(1, BoundedFormat(kShortTextBound, "数量:%1%", count), 1);
            tip.AddText(1, BoundedFormat(kShortTextBound, "单体(总)生产力:%1%(%2%)", entry.GetProduction(),
                                         total(entry.GetProduction())), 0);
            tip.AddText(1, BoundedFormat(kShortTextBound, "单体(总)工程力:%1%(%2%)", entry.GetEngineering(),
                                         total(entry.GetEngineering())), 0);
            tip.AddText(1, BoundedFormat(kShortTextBound, "单体(总)战斗力:%1%(%2%)", entry.GetFighting(),
                                         total(entry.GetFighting())), 0);
            tip.AddText(7, BoundedFormat(kShortTextBound, "剩余复活时间：%1%分钟",
                                         GetRemainingSeconds(entry, TickNow()) / 60), 0);
        }
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}
