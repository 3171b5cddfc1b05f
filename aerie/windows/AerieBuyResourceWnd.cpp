#include "aerie/windows/AerieBuyResourceWnd.h"

#include <algorithm>
#include <new>

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBuyResourceWnd, CAerieContainer)

namespace {

struct BuyResourceWndRegistration {
    BuyResourceWndRegistration()
    {
        SetAerieWindowRecord(AerieWndKind::BuyResource, ORV_RUNTIME_CLASS(CAerieBuyResourceWnd));
    }
} g_BuyResourceWndRegistration;

constexpr u32 kBlock = 20000;
// The science whose effect is the purchase rate in percent.
constexpr int kPurchaseScience = 19;
// Granary and warehouse: the capacity of grass and of the other resources.
constexpr u32 kGranary = 13;
constexpr u32 kWarehouse = 14;

// 0.75 to the power q, in single precision by repeated squaring.
float ThreeQuartersPow(std::uint64_t q)
{
    float result = 1.0f;
    float base = 0.75f;
    while (q != 0) {
        if ((q & 1) != 0) {
            result *= base;
        }
        base *= base;
        q >>= 1;
    }
    return result;
}

}  // namespace

u32 AerieResourceYield(std::uint64_t coins)
{
    const float p = ThreeQuartersPow(coins / kBlock);
    const float r = static_cast<float>(coins % kBlock);
    return ClampToU32(80000.0f * (1.0f - p) + r * p);
}

u32 AerieResourceGain(u32 spentToday, u32 coins, float effectPercent)
{
    const double before = AerieResourceYield(spentToday);
    const double after = AerieResourceYield(static_cast<std::uint64_t>(spentToday) + coins);
    return ClampToU32((after - before) * effectPercent / 100.0);
}

CAerieBuyResourceWnd::CAerieBuyResourceWnd() = default;
CAerieBuyResourceWnd::~CAerieBuyResourceWnd() = default;

void CAerieBuyResourceWnd::OnCreateControls()
{
    CreateButton(148, 278, &m_pOkBtn, 152, true, true, "");
    m_pScroll = new (std::nothrow) CORVHScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->CreateBar(this, 76, 242, 258);
    }
    CreateButton(60, 242, &m_pMinusBtn, 54, true, true, "");
    CreateButton(336, 242, &m_pPlusBtn, 57, true, true, "");
    m_pChoice = new (std::nothrow) CORVChoice();
    if (m_pChoice != nullptr) {
        AddChild(m_pChoice, false);
        m_pChoice->CreateBox(this, 257, 104, 96);
        for (const char* name : {"牧草", "石料", "木材", "金属"}) {
            m_pChoice->AddItem(name, 0xFFFFFFFF, 0);
        }
        m_pChoice->SetCurSel(0);
    }
}

int CAerieBuyResourceWnd::GetKind() const
{
    const int kind = m_pChoice != nullptr ? m_pChoice->m_nCurSel : 0;
    return kind >= 0 && kind < 4 ? kind : 0;
}

u32 CAerieBuyResourceWnd::ComputeRange() const
{
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    const u32 remaining = stock.m_dwPurchasesToday < kDailyQuota ? kDailyQuota - stock.m_dwPurchasesToday : 0;
    return std::min(stock.m_dwCoins, remaining) / kCoinStep;
}

void CAerieBuyResourceWnd::UpdateGain()
{
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    const u32 coins = m_pScroll != nullptr ? static_cast<u32>(std::max(0, m_pScroll->m_nPos)) * kCoinStep : 0;
    m_nGain = AerieResourceGain(stock.m_dwPurchasesToday, coins, AerieView::GetScienceEffect(kPurchaseScience));
}

void CAerieBuyResourceWnd::Buy()
{
    UpdateGain();
    const u32 coins = m_pScroll != nullptr ? static_cast<u32>(std::max(0, m_pScroll->m_nPos)) * kCoinStep : 0;
    const int kind = GetKind();
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    const std::uint64_t after = static_cast<std::uint64_t>(stock.m_adwResource[kind]) + m_nGain;
    if (after > AerieView::GetBuildingEffect(kind == 0 ? kGranary : kWarehouse)) {
        GameTip(kind == 0 ? "此次兑换将超过粮仓上限，请升级粮仓！" : "此次兑换将超过仓库上限，请升级仓库！");
        return;
    }
    if (coins == 0) {
        GameTip("请拖动滚动条选择要兑换的数量！");
        return;
    }
    const ORVLifeWatch life = Watch();   // the request reaches the host
    AerieView::SendBuyResource(coins, static_cast<u16>(kind));
    if (!life.expired() && m_pScroll != nullptr) {
        m_pScroll->SetPos(0);
    }
}

CORVScroll* CAerieBuyResourceWnd::ScrollBar() const
{
    return m_pScroll;
}

bool CAerieBuyResourceWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    if (FollowChoice(m_pChoice, msg)) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId == kNotifyLeftClick && sender == m_pOkBtn) {
        Buy();
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && (sender == m_pMinusBtn || sender == m_pPlusBtn) && m_pScroll != nullptr) {
        m_pScroll->SetPos(m_pScroll->m_nPos + (sender == m_pPlusBtn ? 1 : -1));
        return true;
    }
    return CAerieGameWnd::OnMessage(msg);
}
