// The buy-resource window's drawing: quota, balance, the chosen coins, what they buy and the rate.
#include "aerie/windows/AerieBuyResourceWnd.h"

#include <algorithm>

#include "aerie/windows/AerieCityView.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;

}  // namespace

void CAerieBuyResourceWnd::OnDraw()
{
    // The range follows the balance and the day's purchases; setting the position again clamps it.
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(static_cast<int>(std::min<u32>(ComputeRange(), 0x7FFFFFFF)));
        m_pScroll->SetPos(m_pScroll->m_nPos);
    }
    UpdateGain();
    if (m_pOkBtn != nullptr) {
        m_pOkBtn->m_bEnabled = AerieView::IsOwnCityShown() ? 1 : 0;
    }
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    const u32 remaining = stock.m_dwPurchasesToday < kDailyQuota ? kDailyQuota - stock.m_dwPurchasesToday : 0;
    const u32 coins = m_pScroll != nullptr ? static_cast<u32>(std::max(0, m_pScroll->m_nPos)) * kCoinStep : 0;

    DrawTextRel(this, m_nWidth / 2, 15, "资源购买", kWhite, 1);
    DrawTextRel(this, 38, 46, m_Quota.Get(remaining, [&] { return BoundedFormat(kShortTextBound, "今日剩余兑换量：%1%", remaining); }), kYellow);
    DrawTextRel(this, 244, 46, m_Balance.Get(stock.m_dwCoins, [&] { return BoundedFormat(kShortTextBound, "现有琉璃币：%1%", stock.m_dwCoins); }), kYellow);
    DrawTextRel(this, 25, 73, "当日兑换的数量越高，兑换率越低。每天0点剩余兑换量恢复到50万", kWhite);
    DrawTextRel(this, 75, 113, "琉璃币", kWhite);
    DrawTextRel(this, 92, 200, m_Coins.Get(coins, [&] { return BoundedFormat(kShortTextBound, "%1%", coins); }), kWhite, 1);
    DrawTextRel(this, 305, 200, m_Gain.Get(m_nGain, [&] { return BoundedFormat(kShortTextBound, "%1%", m_nGain); }), kWhite, 1);
    char text[kShortTextBound];
    DrawTextRel(this, 155, 159, m_Rate.Get(CacheKey(m_nGain, coins), [&] { return BoundedPrintf(text, sizeof(text), "兑换率:%1.2f%%", coins != 0 ? m_nGain * 100.0 / coins : 0.0); }), 0xFF00FF00);
    DrawImageRel(this, 68, 134, 641);
    DrawImageRel(this, 288, 138, 642 + GetKind());
}
