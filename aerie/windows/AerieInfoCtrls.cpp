#include "aerie/windows/AerieInfoCtrls.h"

#include <cmath>

#include "aerie/state/AerieCityData.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieProductInfoCtrl, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieWorkInfoCtrl, CORVControlContainer)

namespace {

// Research giving each resource's bonus, in the table's order grass, stone, wood, metal.
constexpr int kResearch[kAerieResourceCount] = {20, 21, 22, 23};

bool CountsForProduction(const CAerieMonsterGroup& group)
{
    const u16 state = group.GetState();
    return (state == 0 || state == 3 || state == 5) && group.m_dwMonsterCount > 0;
}

}  // namespace

// ---- CAerieProductInfoCtrl ----

CAerieProductInfoCtrl::CAerieProductInfoCtrl() = default;
CAerieProductInfoCtrl::~CAerieProductInfoCtrl() = default;

void CAerieProductInfoCtrl::OnCreate()
{
    for (int b = 1; b <= kLands; ++b) {
        m_apLand[b - 1] = AerieView::GetBuildingSlot(static_cast<u32>(b));
        m_apLandCfg[b - 1] = CXmlAerieMgr::GetSingleton()->FindBuilding(b);
    }
}

void CAerieProductInfoCtrl::ComputeTable(Table* t) const
{
    t->m_byMultiplier = AerieView::GetProductionMultiplier();
    t->m_dwConsumption = AerieView::GetGrassPerHour();
    for (int r = 0; r < kAerieResourceCount; ++r) {
        // Lands 1-2 grass, 3-4 stone, 5-6 wood, 7-8 metal.
        for (int k = 0; k < 2; ++k) {
            const int land = 2 * r + k;
            if (m_apLand[land] != nullptr && m_apLandCfg[land] != nullptr) {
                t->m_anLand[r] += m_apLandCfg[land]->GetEffect(m_apLand[land]->m_wLevel);
            }
        }
        t->m_afResearch[r] = AerieView::GetScienceEffect(kResearch[r]);
    }
    for (int g = 0; g < 3; ++g) {
        const CAerieMonsterGroup& group = AerieView::GetGroup(g);
        const bool counts = CountsForProduction(group);
        t->m_adwGroupBase[g] = counts ? group.GetProductionPerHour() : 0;
        for (int r = 0; r < kAerieResourceCount; ++r) {
            t->m_afGroupBonus[g][r] = counts ? group.GetBonusPercent(r) : 0.0f;
        }
    }
    for (int r = 0; r < kAerieResourceCount; ++r) {
        double total = static_cast<double>(t->m_anLand[r]) * (t->m_afResearch[r] + 100.0) / 100.0;
        for (int g = 0; g < 3; ++g) {
            total += static_cast<double>(t->m_adwGroupBase[g]) * (t->m_afGroupBonus[g][r] + 100.0) / 100.0;
        }
        if (r == 0) {
            total -= t->m_dwConsumption;
        }
        t->m_aqTotal[r] = std::isfinite(total) ? static_cast<std::int64_t>(std::trunc(total)) : 0;
    }
}

std::string CAerieProductInfoCtrl::FormatCell(std::int64_t value, float bonus)
{
    if (bonus > 0) {
        return BoundedFormat(kShortTextBound, "%1%×%2%%%", value, bonus + 100.0f);
    }
    return BoundedFormat(kShortTextBound, "%1%", value);
}

bool CAerieProductInfoCtrl::OnMouseMove(int x, int y)
{
    struct RowTip {
        int m_nTop;
        const char* m_pszTitle;
        const char* m_pszText;
    };
    static constexpr RowTip kTips[] = {
        {27, "资源地", "可产出资源，等级越高资源产出越多"},
        {48, "生产组", "在无操作时，默认自动产出大量资源"},
        {69, "工程组", "建造和研究的首选，可节约资源和时间，\n默认自动产出少量资源"},
        {90, "战斗组", "战斗任务的首选，可获得更多的战斗奖励，\n默认自动产出少量资源"},
        {111, "怪物消耗", "驯养怪物所消耗的牧草数量，\n拥有怪物越多，消耗越多"},
        {132, "总产量", "统计当前每小时资源产出总量"},
    };
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.SetStyle(kToolTipHoverStyle);
    tip.Clear();
    if (x >= 1 && x <= 80) {
        for (const RowTip& row : kTips) {
            if (y >= row.m_nTop && y <= row.m_nTop + 20) {
                tip.AddText(7, row.m_pszTitle, 1);
                tip.AddText(11, row.m_pszText, 1);
                break;
            }
        }
    }
    return CORVControl::OnMouseMove(x, y);
}

// ---- CAerieWorkInfoCtrl ----

CAerieWorkInfoCtrl::CAerieWorkInfoCtrl() = default;
CAerieWorkInfoCtrl::~CAerieWorkInfoCtrl() = default;

void CAerieWorkInfoCtrl::SetArgs(int arg, std::string)
{
    m_wMode = static_cast<u16>(arg);
}

void CAerieWorkInfoCtrl::OnCreate()
{
    for (int g = 0; g < kGroups; ++g) {
        const int top = 60 + 81 * g;
        CreateButton(145, top - 19, &m_apCancel[g], 6, false, true, "取消");
        CreateButton(95, top, &m_apSpeedUp[g], 311, false, true, "加速此次升级");
        CreateButton(95, top, &m_apAwardRefresh[g], 290, false, true, "刷新此次战斗奖励");
    }
    SetSize(m_nWidth, 265);
}

int CAerieWorkInfoCtrl::RowOf(CORVButton* const (&buttons)[kGroups], const CORVControl* sender)
{
    for (int g = 0; g < kGroups; ++g) {
        if (buttons[g] != nullptr && buttons[g] == sender) {
            return g;
        }
    }
    return -1;
}

bool CAerieWorkInfoCtrl::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    if (const int g = RowOf(m_apCancel, msg->m_pSender); g >= 0) {
        const CAerieMonsterGroup& group = AerieView::GetGroup(g);
        if (group.IsEngineering()) {
            const u32 topic = group.GetState() == CAerieWorkInfoCtrl::kStateBuilding ? EVT_RESEND_BUILDING_UPGRADE : EVT_RESEND_SCIENCE_UPGRADE;
            AskThen("此次升级将被取消，系统退还80%此次升级所消耗的资源。您确定要取消升级吗？",
                    GameEvent(topic, group.GetTarget()), ORVMsg());
        } else if (group.IsFighting()) {
            AskThen("确认要取消本次战斗任务吗？", GameEvent(EVT_CANCEL_GROUP_FIGHT, group.GetFightId()), ORVMsg());
        }
    } else if (const int g2 = RowOf(m_apSpeedUp, msg->m_pSender); g2 >= 0) {
        if (AerieView::GetGroup(g2).IsEngineering()) {
            PostGameEvent(EVT_SPEEDUP_WND, static_cast<u32>(g2));
        }
    } else if (const int g3 = RowOf(m_apAwardRefresh, msg->m_pSender); g3 >= 0) {
        const CAerieMonsterGroup& group = AerieView::GetGroup(g3);
        if (group.GetState() == CAerieWorkInfoCtrl::kStateWaiting) {
            DeliverGameEvent(EVT_AWARDREFRESH_WND, group.GetTarget() + (static_cast<u32>(group.GetAwardByte()) << 16));
        }
    }
    return true;
}

bool CAerieWorkInfoCtrl::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND && msg->m_wParam == EVT_CANCEL_GROUP_FIGHT) {
        CAerieRequest::GetSingleton().CancelWork(0, static_cast<u16>(msg->m_lParam & 0xFFFF), 0);
        return true;
    }
    return CORVControlContainer::ProcessMessage(msg);
}
