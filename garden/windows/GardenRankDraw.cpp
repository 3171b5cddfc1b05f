// The ranking panel's drawing: title, the hovered row's fill, the category's headings, ten rows
// of five centred cells, and the plant category's prompt.
#include <string_view>

#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanelKit.h"
#include "garden/windows/GardenRank.h"
#include "garden/windows/GardenText.h"
#include "glimmer/Glimmer.h"

namespace {

namespace L = garden_layout;

constexpr int kColumnLeft = 23;
constexpr int kColumnWidths[5] = {57, 119, 132, 91, 152};
constexpr int kHeadingY = 73;
constexpr int kFirstRowY = 96;
constexpr int kRowStep = 27;

const char* const kPlace = "\xC3\xFB\xB4\xCE";               // "名次"
const char* const kName = "\xBD\xC7\xC9\xAB\xC3\xFB";        // "角色名"
const char* const kReward = "\xBD\xB1\xC0\xF8";              // "奖励"
const char* const kAllPlants = "\xCB\xF9\xD3\xD0\xD6\xB2\xCE\xEF";   // "所有植物"

// Headings of columns 3 and 4 by category (the plant category's fourth depends on the choice).
const char* const kHeadings[4][2] = {
    {"\xC0\xDB\xBC\xC6\xB2\xC6\xB8\xBB", "\xBB\xA8\xD4\xB0\xB5\xC8\xBC\xB6"},   // 累计财富, 花园等级
    {"\xB2\xC9\xD5\xAA\xB9\xFB\xCA\xB5", "\xB2\xC9\xD5\xAA\xB4\xCE\xCA\xFD"},   // 采摘果实, 采摘次数
    {"\xB0\xEF\xD6\xFA\xCE\xF1\xC5\xA9\xB4\xCE\xCA\xFD", "\xB0\xAE\xD0\xC4\xD6\xB5"},   // 帮助务农次数, 爱心值
    {"\xC0\xDB\xBC\xC6\xB7\xC3\xCE\xCA\xB4\xCE\xCA\xFD", "\xD7\xF2\xC8\xD5\xB7\xC3\xCE\xCA\xB4\xCE\xCA\xFD"},   // 累计访问次数, 昨日访问次数
};

// The five cells of one row, as texts in buffers of the caller.
struct RowTexts {
    char place[16];
    char name[L::kNameSize + 1];
    char third[L::kNameSize + 1];
    char fourth[16];
    char reward[L::kRankRowRewardSize + 1];
};

void CopyText(char* out, std::size_t size, std::string_view text)
{
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    text.copy(out, n);
    out[n] = '\0';
}

template <class Row>
void FillCommon(RowTexts& t, const Row& row, std::size_t rewardAt)
{
    BoundedPrintf(t.place, sizeof t.place, "%d", row.m_Bytes[0]);
    CopyText(t.name, sizeof t.name, row.Text(L::kRankRowDisplay, L::kNameSize));
    CopyText(t.reward, sizeof t.reward, row.Text(rewardAt, L::kRankRowRewardSize));
}

void FillValues(RowTexts& t, u32 third, u32 fourth)
{
    BoundedPrintf(t.third, sizeof t.third, "%d", static_cast<int>(third));
    BoundedPrintf(t.fourth, sizeof t.fourth, "%d", static_cast<int>(fourth));
}

void DrawCells(int x, int y, const char* const cells[5])
{
    int left = x + kColumnLeft;
    for (int c = 0; c < 5; ++c) {
        DrawPanelText(left + kColumnWidths[c] / 2, y, cells[c], kPanelTextColour, kTextSizeDefault, 1);
        left += kColumnWidths[c];
    }
}

}  // namespace

void CGardenRank::OnDraw()
{
    const int x = m_nAbsX;
    const int y = m_nAbsY;
    DrawPanelText(x + m_nWidth / 2, y + 16, "\xC5\xC5\xC3\xFB\xB0\xF1", kPanelTextColour, kPanelTitleSize, 1);   // "排名榜"
    if (m_nHoverRow >= 0) {
        g_CG.DrawFillRect(x + 27, y + 93 + kRowStep * m_nHoverRow, 572 - 27, 17, kPanelTextColour);
    }
    const ORVChoiceItem* plant = m_pPlants != nullptr ? m_pPlants->GetSelectedItem() : nullptr;
    const bool allPlants = plant != nullptr && plant->m_strText == kAllPlants;
    const char* third = nullptr;
    const char* fourth = nullptr;
    if (m_nCategory == kPlantCategory) {
        third = "\xD6\xB2\xCE\xEF\xC3\xFB\xB3\xC6";   // "植物名称"
        fourth = allPlants ? "\xD6\xB2\xCE\xEF\xD7\xDC\xB5\xC8\xBC\xB6" : "\xD6\xB2\xCE\xEF\xB5\xC8\xBC\xB6";   // 植物总等级 / 植物等级
    } else {
        third = kHeadings[m_nCategory][0];
        fourth = kHeadings[m_nCategory][1];
    }
    const char* const headings[5] = {kPlace, kName, third, fourth, kReward};
    DrawCells(x, y + kHeadingY, headings);

    const CGardenDataMgr& state = GetGardenDataMgr();
    const int count = CountRows();
    const int first = m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
    RowTexts t;
    for (int i = 0; i < kRows && first + i < count; ++i) {
        const std::size_t k = static_cast<std::size_t>(first + i);
        switch (m_nCategory) {
        case 0: {
            const RankRow129& row = state.m_vRank1[k];
            FillCommon(t, row, L::kRankRow129Reward);
            CopyText(t.third, sizeof t.third, FormatThousands(static_cast<i32>(row.U32(L::kRankRowWealth))));
            BoundedPrintf(t.fourth, sizeof t.fourth, "%d", row.U16(L::kRankRowLevel));
            break;
        }
        case 1: FillCommon(t, state.m_vRank2[k], L::kRankRow131Reward);
            FillValues(t, state.m_vRank2[k].U32(L::kRankRowValueB), state.m_vRank2[k].U32(L::kRankRowValue));
            break;
        case 2: FillCommon(t, state.m_vRank3[k], L::kRankRow131Reward);
            FillValues(t, state.m_vRank3[k].U32(L::kRankRowValue), state.m_vRank3[k].U32(L::kRankRowValueB));
            break;
        case 3: FillCommon(t, state.m_vRank4[k], L::kRankRow131Reward);
            FillValues(t, state.m_vRank4[k].U32(L::kRankRowValue), state.m_vRank4[k].U32(L::kRankRowValueB));
            break;
        default: {
            const RankRecord& r = state.m_vRankRecords[m_vPlantRows[k]];
            BoundedPrintf(t.place, sizeof t.place, "%d", r.m_Bytes[L::kRankRecordByte]);
            CopyText(t.name, sizeof t.name, r.Text(L::kRankRecordDisplay, L::kNameSize));
            CopyText(t.third, sizeof t.third, r.Text(L::kRankRecordName, L::kNameSize));
            BoundedPrintf(t.fourth, sizeof t.fourth, "%d", r.U16(L::kRankRecordLevel));
            CopyText(t.reward, sizeof t.reward, r.Text(L::kRankRecordReward, L::kRankRecordRewardSize));
            break;
        }
        }
        const char* const cells[5] = {t.place, t.name, t.third, t.fourth, t.reward};
        DrawCells(x, y + kFirstRowY + kRowStep * i, cells);
    }
    if (m_nCategory == kPlantCategory) {
        // "查询其它种类植物排行"
        DrawPanelText(x + 105, y + 373, "\xB2\xE9\xD1\xAF\xC6\xE4\xCB\xFC\xD6\xD6\xC0\xE0\xD6\xB2\xCE\xEF\xC5\xC5\xD0\xD0",
                      kPanelTextColour, kPanelTitleSize);
    }
}
