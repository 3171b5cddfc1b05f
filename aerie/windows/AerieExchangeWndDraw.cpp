// The exchange window's drawing: the offered total, the notes, the stocks and the column heads.
#include "aerie/windows/AerieExchangeWnd.h"

#include "aerie/windows/AerieCityView.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

}  // namespace

void CAerieExchangeWnd::OnDraw()
{
    DrawImageRel(this, 241, 295, 118);
    DrawImageScaled(244, 295, 119, 2.04f, 1.0f, 0xFFFFFFFF);
    DrawImageRel(this, 448, 295, 120);
    DrawTextRel(this, 172, 299, "兑换总量", 0xFFFF0804, 0, 2);
    DrawTextRel(this, 350, 301, m_TotalText.Get(m_nTotal, [&] { return BoundedFormat(kShortTextBound, "%1%", m_nTotal); }), kWhite, 1);
    DrawTextRel(this, 34, 334, "希望获得的资源总数量不可多于可提供的兑换总量；", kWhite);
    DrawTextRel(this, 34, 355, "每次兑换扣除1张兑换资源卡，兑换次数不限。", kWhite);
    DrawTextRel(this, 275, 45, "资源仓储量", 0xFFFFFF00);
    static const char* const kStockLines[kRows] = {"牧草：%1%/%2%", "木材：%1%/%2%", "石料：%1%/%2%", "金属：%1%/%2%"};
    static const int kStockAt[kRows][2] = {{96, 69}, {96, 87}, {372, 69}, {372, 87}};
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(true, &stock);
    for (int i = 0; i < kRows; ++i) {
        const u32 has = stock.m_adwResource[kStockOf[i]];
        const u32 capacity = AerieView::GetBuildingEffect(kStoreOf[i]);
        DrawTextRel(this, kStockAt[i][0], kStockAt[i][1], m_aStock[i].Get(CacheKey(has, capacity), [&] { return BoundedFormat(kShortTextBound, kStockLines[i], has, capacity); }), kWhite);
    }
    DrawTextRel(this, 133, 171, "可提供的资源", 0xFF00FFFF);
    DrawTextRel(this, 421, 171, "希望获得的资源", 0xFF00FF00);
    static const char* const kLabels[kRows] = {"牧草：", "木材：", "石料：", "金属："};
    for (int i = 0; i < kRows; ++i) {
        DrawTextRel(this, 33, 194 + 24 * i, kLabels[i], kWhite);
        DrawTextRel(this, 323, 194 + 24 * i, kLabels[i], kWhite);
    }
}
