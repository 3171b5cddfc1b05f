#include "aerie/windows/AerieLvlupWnd.h"

#include <cmath>

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieLvlupWnd, CAerieContainer)

namespace {

struct LvlupWndRegistration {
    LvlupWndRegistration() { SetAerieWindowRecord(AerieWndKind::Lvlup, ORV_RUNTIME_CLASS(CAerieLvlupWnd)); }
} g_LvlupWndRegistration;

// The technology that shortens every project.
constexpr int kProjectScience = 24;

}  // namespace

CAerieLvlupWnd::CAerieLvlupWnd() = default;

CAerieLvlupWnd::~CAerieLvlupWnd()
{
    BeginTeardown();
    PostGameEvent(EVT_SUBWND_DONE);
}

void CAerieLvlupWnd::SetArgs(int arg, std::string)
{
    const u32 packed = static_cast<u32>(arg);
    m_wKind = static_cast<u16>(packed & 0xFFFF);
    m_wId = static_cast<u16>(packed >> 16);
    m_bBuilding = m_wKind == 0 && m_wId < AerieView::kBuildingCount ? 1 : 0;
    m_bScience = m_wKind != 0 ? 1 : 0;
    m_pConfig = AerieView::FindLvlupConfig(m_wKind == 0 ? 0 : 1, m_wId);
    m_pNeedConfig = nullptr;
    m_nNeedBuilding = -1;
    if (m_pConfig != nullptr) {
        const i32 need = m_pConfig->m_nNeedBuildingId;
        if (need >= 0 && static_cast<u32>(need) < AerieView::kBuildingCount) {
            m_nNeedBuilding = need;
        }
        m_pNeedConfig = AerieView::FindBuildingConfig(static_cast<u32>(need));
    }
}

void CAerieLvlupWnd::OnCreateControls()
{
    Guide().SetStepTarget(31, this);
    if (AerieView::IsOwnCityShown()) {
        CreateButton(40, 320, &m_pOkBtn, 9, true, true, "");
        CreateButton(177, 320, &m_pExchangeBtn, 314, true, true, "");
        CreateButton(314, 320, &m_pCancelBtn, 12, true, true, "");
    } else {
        CreateButton(120, 320, &m_pOkBtn, 9, true, true, "");
        CreateButton(240, 320, &m_pCancelBtn, 12, true, true, "");
    }
    Guide().SetStepTarget(32, m_pOkBtn);
}

u16 CAerieLvlupWnd::GetLevel() const
{
    if (m_bScience) {
        return AerieView::GetTechLevel(m_wId);
    }
    u16 level = 0;
    if (m_bBuilding) {
        AerieView::GetBuildingLevel(m_wId, &level);
    }
    return level;
}

void CAerieLvlupWnd::ComputeLvlupCost(u32 out[4]) const
{
    for (int i = 0; i < 4; ++i) {
        out[i] = 0;
    }
    if (m_pConfig == nullptr) {
        return;
    }
    const i32 level = GetLevel();
    // Base costs in the order grass, stone, wood, metal.
    const double base[4] = {static_cast<double>(m_pConfig->GetUpgradeEntry(m_pConfig->m_vResGrass, level)),
                            static_cast<double>(m_pConfig->GetUpgradeEntry(m_pConfig->m_vResStone, level)),
                            static_cast<double>(m_pConfig->GetUpgradeEntry(m_pConfig->m_vResWood, level)),
                            static_cast<double>(m_pConfig->GetUpgradeEntry(m_pConfig->m_vResMetal, level))};
    const double total = base[0] + base[1] + base[2] + base[3];
    double power = 100.0;
    AerieView::GroupView group;
    if (m_nGroup >= 0 && m_nGroup < kGroups && AerieView::GetGroupView(m_nGroup, &group)) {
        power = group.m_dwEngineering;
    }
    const float hours = static_cast<float>(m_pConfig->GetUpgradeEntry(m_pConfig->m_vLvlupTime, level) / 3600.0);
    const double x = power * 4.0 * hours / total;   // a zero total gives infinity or NaN
    float factor = 0.0f;
    if (x <= 1.0) {
        factor = 1.0f - static_cast<float>(x);
    }
    for (int i = 0; i < 4; ++i) {
        out[i] = ClampToU32(base[i] * factor);
    }
}

void CAerieLvlupWnd::Reductions(int g, float* a, float* b, float* c) const
{
    *a = 0.0f;
    *c = 0.0f;
    *b = AerieView::GetScienceEffect(kProjectScience);
    AerieView::GroupView group;
    if (AerieView::GetGroupView(g, &group)) {
        *a = group.m_fCreavity;
        *c = m_bScience ? group.m_fTechSkill : group.m_fBuildSkill;
    }
}

u32 CAerieLvlupWnd::ComputeProjectTime(int g) const
{
    if (m_pConfig == nullptr) {
        return 0;
    }
    const double base = m_pConfig->GetUpgradeEntry(m_pConfig->m_vLvlupTime, GetLevel());
    float a = 0;
    float b = 0;
    float c = 0;
    Reductions(g, &a, &b, &c);
    const double sum = static_cast<double>(a) + b + c;
    if (!(sum < 100.0)) {
        return 0;
    }
    return ClampToU32(base * (100.0 - sum) / 100.0);
}

namespace {

// What the city holds of the facility's money type (1 garden wealth, 2 restaurant funds,
// 3 experience); 0 for no money.
u32 MoneyHeld(i32 type)
{
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    switch (type) {
    case 1:
        return stock.m_dwGardenWealth;
    case 2:
        return stock.m_dwRestaurantFunds;
    case 3:
        return stock.m_dwExperience;
    default:
        return 0;
    }
}

u16 CharacterLevel()
{
    CHostCallBackGuard* host = ORVCallBack();
    return host != nullptr ? host->GetCharacterLevel() : 0;
}

// The required building's level (0 without one).
u16 NeedBuildingLevel(i32 slot)
{
    u16 level = 0;
    if (slot >= 0) {
        AerieView::GetBuildingLevel(static_cast<u32>(slot), &level);
    }
    return level;
}

// A per-level entry as an unsigned requirement (a negative entry asks nothing).
u32 Need(i32 entry)
{
    return entry > 0 ? static_cast<u32>(entry) : 0;
}

}  // namespace

bool CAerieLvlupWnd::MeetsRequirements() const
{
    u32 cost[4];
    ComputeLvlupCost(cost);
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    for (int i = 0; i < 4; ++i) {
        if (cost[i] > stock.m_adwResource[i]) {
            return false;
        }
    }
    if (m_pConfig == nullptr) {
        return true;
    }
    const i32 level = GetLevel();
    const u32 needLevel = m_pNeedConfig != nullptr ? Need(m_pConfig->GetUpgradeEntry(m_pConfig->m_vNeedBuildingLvl, level)) : 0;
    if (NeedBuildingLevel(m_nNeedBuilding) < needLevel) {
        return false;
    }
    const i32 type = m_pConfig->m_nNeedMoneyType;
    if (type >= 1 && type <= 3 && MoneyHeld(type) < Need(m_pConfig->GetUpgradeEntry(m_pConfig->m_vNeedMoney, level))) {
        return false;
    }
    if (type == 3 && CharacterLevel() < Need(m_pConfig->GetNeedCharLvl(level))) {
        return false;
    }
    return true;
}

bool CAerieLvlupWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pOkBtn) {
        AerieView::GroupView group;
        if (m_nGroup >= 0 && m_nGroup < kGroups && AerieView::GetGroupView(m_nGroup, &group)) {
            if (group.m_wState >= 1 && group.m_wState <= 5) {
                GameTip("该小组正忙，无法进行其他行为。");
                return true;
            }
            if (group.m_dwMonsters == 0) {
                GameTip("该小组内没有怪物，不能进行工程行为。");
                return true;
            }
        }
        if (!MeetsRequirements()) {
            GameTip("不满足进行工程的条件");
            return true;
        }
        const u16 g = static_cast<u16>(m_nGroup);
        const ORVLifeWatch life = Watch();   // the request reaches the host
        if (m_bBuilding) {
            AerieView::SendUpgrade(0x01, m_wId, g);
        } else if (m_bScience) {
            AerieView::SendUpgrade(0x03, m_wId, g);
        }
        Guide().OnStepEvent(31);
        Guide().OnStepEvent(32);
        if (!life.expired()) {
            Close();
        }
    } else if (sender == m_pExchangeBtn) {
        PostGameEvent(EVT_EXCHANGE_WND);
    } else if (sender == m_pCancelBtn) {
        Close();
    } else {
        return CAerieGameWnd::OnMessage(msg);
    }
    return true;
}

bool CAerieLvlupWnd::OnMouseMove(int x, int y)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    m_nHoverGroup = -1;
    for (int g = 0; g < kGroups; ++g) {
        const int top = kRowTop + kRowStep * g;
        if (x >= kRowLeft && x <= kRowRight && y >= top && y < top + kRowHeight) {
            m_nHoverGroup = g;
            break;
        }
    }
    if (m_nHoverGroup >= 0 && m_pConfig != nullptr) {
        const u32 base = ClampToU32(m_pConfig->GetUpgradeEntry(m_pConfig->m_vLvlupTime, GetLevel()));
        float a = 0;
        float b = 0;
        float c = 0;
        Reductions(m_nHoverGroup, &a, &b, &c);
        AerieView::GroupView group;
        AerieView::GetGroupView(m_nHoverGroup, &group);
        // The share of each reduction: its percent of the base time, whole seconds.
        auto share = [base](float percent) { return FormatTimeDHMS(ClampToU32(base * static_cast<double>(percent) / 100.0)); };
        tip.AddText(1, "基本工程时间:" + FormatTimeDHMS(base), 0);
        tip.AddText(1, "该小组工程力缩短时间:" + share(a), 0);
        tip.AddText(1, "“巧夺天工”科技缩短时间:" + share(b), 0);
        if (group.m_fBuildSkill > 0.0f) {
            tip.AddText(1, "该小组“鬼斧神工”技能缩短时间：" + share(group.m_fBuildSkill), 0);
        }
        if (group.m_fTechSkill > 0.0f) {
            tip.AddText(1, "该小组“聪明绝顶”技能缩短时间：" + share(group.m_fTechSkill), 0);
        }
        tip.AddText(1, "预计工程时间:" + FormatTimeDHMS(ComputeProjectTime(m_nHoverGroup)), 0);
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

bool CAerieLvlupWnd::OnClick(int kind)
{
    if (m_nHoverGroup != -1) {
        m_nGroup = m_nHoverGroup;
        Guide().OnStepEvent(31);
    }
    return CAerieGameWnd::OnClick(kind);
}
