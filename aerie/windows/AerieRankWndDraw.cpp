// The ranking window's drawing: title, notice, the own positions, the appearance, the bars and
// the visible rows.
#include "aerie/windows/AerieRankWnd.h"

#include <algorithm>

#include "aerie/state/AerieListEntries.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/core/ORVCallBack.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kHeading = 0xFF00FFFF;

const char* const kValueHeadings[CAerieRankWnd::kLists] = {
    "建筑总等级", "总生产力", "总工程力", "总战斗力", "奴隶人气", "奴隶幸福指数", "奴隶悲情指数",
    "总科技点", "花园科技点", "餐厅科技点", "人物科技点", "城堡科技点", "总技能等级"};

// A key of an entry's bytes, so a row's texts are made again only when its entry changes.
std::uint64_t EntryKey(const AerieRankEntry& entry, int list)
{
    std::uint64_t key = MixKey(static_cast<u32>(list));
    for (unsigned char byte : entry.m_Data) {
        key = (key ^ byte) * 1099511628211ull;
    }
    return key;
}

}  // namespace

void CAerieRankWnd::OnDraw()
{
    DrawTextRel(this, m_nWidth / 2, 16, "排行榜", kWhite, 1);
    m_Notice.Draw(m_nAbsX + 242, m_nAbsY + 365);
    const int list = ListNumber();
    DrawTextRel(this, 115, 361, AerieView::IsOwnCityShown() ? "我的名次" : "城主名次", kWhite);
    static const char* const kOwnLines[3] = {"今日排名：%1%", "本周排名：%1%", "上周排名：%1%"};
    for (int period = 0; period < 3; ++period) {
        const u16 position = AerieView::GetRankPosition(list, period);
        DrawTextRel(this, 115, 377 + 16 * period, m_aOwn[period].Get(CacheKey(static_cast<u32>(list), position), [&] {
                        return BoundedFormat(kShortTextBound, kOwnLines[period], position);
                    }),
                    kWhite);
    }
    if (CHostCallBackGuard* host = ORVCallBack()) {
        u16 a = 0;
        u16 b = 0;
        u8 c = 0;
        AerieView::GetLooks(&a, &b, &c);
        host->DrawRankExtra(m_nAbsX + 30, m_nAbsY + 350, a, b, c);
    }
    m_Rows.DrawBars(this);
    DrawTextRel(this, 60, 94, "名次", kHeading);
    DrawTextRel(this, 200, 94, "角色名称", kHeading);
    DrawTextRel(this, 350, 94, kValueHeadings[list >= 0 && list < kLists ? list : 0], kHeading);
    const std::vector<AerieRankEntry>* entries = AerieView::FindRankList(list);
    if (entries == nullptr) {
        return;
    }
    // Bounded each frame by the list as it is now: a new ranking message may have shortened it.
    const int count = static_cast<int>(std::min<std::size_t>(entries->size(), 0x7FFFFFFF));
    for (int row = 0; row < kRows; ++row) {
        const int entry = m_Rows.EntryOfRow(row, count);
        if (entry < 0) {
            break;
        }
        const AerieRankEntry& e = (*entries)[static_cast<std::size_t>(entry)];
        const int y = 115 + 21 * row;
        DrawTextRel(this, 60, y, m_aPosition[row].Get(static_cast<u32>(entry), [&] {
                        return BoundedFormat(kShortTextBound, "%1%", entry + 1);
                    }),
                    kWhite);
        const std::uint64_t key = EntryKey(e, list);
        DrawTextRel(this, 200, y, m_aName[row].Get(key, [&] { return std::string(e.GetName()); }), 0xFFFFFF00);
        DrawTextRel(this, 350, y, m_aValue[row].Get(key, [&] {
                        return BoundedFormat(kShortTextBound, "%1%", AerieView::GetRankValue(e));
                    }),
                    kWhite);
    }
}
