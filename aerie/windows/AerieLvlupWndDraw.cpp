// The level-up window's drawing: what the upgrade needs against what the city holds, and the
// three group rows.
#include "aerie/windows/AerieLvlupWnd.h"

#include <cstdint>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/core/ORVCallBack.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kRed = 0xFFFF0000;
constexpr u32 kGreen = 0xFF00FF00;

u32 LineColour(std::int64_t has, std::int64_t needs)
{
    return has < needs ? kRed : kWhite;
}

const char* const kMoneyNames[4] = {"无", "花园财富", "餐厅资金", "经验值"};

// The selection sign of the chosen group row.
constexpr const char kChosenSign[] = "√";

// What a group does, as its row says: nothing, building, researching or fighting (what it works
// on shows in the work panel; the row leaves room for the time beside it).
const char* GroupAction(u16 state)
{
    switch (state) {
    case 0:
        return "目前行为： 无";
    case 1:
        return "目前行为：建造";
    case 2:
        return "目前行为：研究";
    default:
        return "目前行为：战斗";
    }
}

}  // namespace

void CAerieLvlupWnd::OnDraw()
{
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(false, &stock);
    const i32 level = GetLevel();
    if (m_pConfig != nullptr) {
        const CXmlLvlupConfig* cfg = m_pConfig;
        DrawTextRel(this, m_nWidth / 2, 15, m_Title.Get(0, [cfg] { return cfg->m_strName + "升级"; }), kWhite, 1);
        if (m_pNeedConfig != nullptr) {
            u16 has = 0;
            if (m_nNeedBuilding >= 0) {
                AerieView::GetBuildingLevel(static_cast<u32>(m_nNeedBuilding), &has);
            }
            const i32 needs = cfg->GetUpgradeEntry(cfg->m_vNeedBuildingLvl, level);
            const CXmlBuilding* need = m_pNeedConfig;
            DrawTextRel(this, 290, 67, m_NeedBuilding.Get(MixKey(has, needs), [&] {
                            return need->m_strName + BoundedFormat(kShortTextBound, "等级:%1%/%2%", has, needs);
                        }),
                        LineColour(has, needs));
        }
        const i32 type = cfg->m_nNeedMoneyType;
        const u32 money = type >= 1 && type <= 3 ? (type == 1 ? stock.m_dwGardenWealth
                                                    : type == 2 ? stock.m_dwRestaurantFunds
                                                                : stock.m_dwExperience)
                                                 : 0;
        const i32 needMoney = cfg->GetUpgradeEntry(cfg->m_vNeedMoney, level);
        const char* moneyName = type >= 0 && type <= 3 ? kMoneyNames[type] : kMoneyNames[0];
        DrawTextRel(this, 25, 99, m_Money.Get(MixKey(type, money, needMoney), [&] {
                        return BoundedFormat(kShortTextBound, "%3%:%1%/%2%", money, needMoney, moneyName);
                    }),
                    type >= 1 && type <= 3 ? LineColour(money, needMoney) : kWhite);
        if (type == 3) {
            CHostCallBackGuard* host = ORVCallBack();
            const u16 charLevel = host != nullptr ? host->GetCharacterLevel() : 0;
            const i32 needChar = cfg->GetNeedCharLvl(level);
            DrawTextRel(this, 290, 83, m_CharLevel.Get(MixKey(charLevel, needChar), [&] {
                            return BoundedFormat(kShortTextBound, "人物等级:%1%/%2%", charLevel, needChar);
                        }),
                        LineColour(charLevel, needChar));
        }
    }
    // Grass, stone, wood, metal: cost against stock.
    static const char* const kResourceLines[4] = {"牧草:%1%/%2%", "石料:%1%/%2%", "木材:%1%/%2%", "金属:%1%/%2%"};
    static const int kResourceAt[4][2] = {{25, 67}, {155, 67}, {25, 83}, {155, 83}};
    u32 cost[4];
    ComputeLvlupCost(cost);
    for (int i = 0; i < 4; ++i) {
        const u32 has = stock.m_adwResource[i];
        DrawTextRel(this, kResourceAt[i][0], kResourceAt[i][1], m_aResource[i].Get(CacheKey(cost[i], has), [&] {
                        return BoundedFormat(kShortTextBound, kResourceLines[i], cost[i], has);
                    }),
                    LineColour(has, cost[i]));
    }
    DrawTextRel(this, 196, 139, "选择小组", kWhite);
    AerieView::GroupView chosen;
    const bool hasGroup = AerieView::GetGroupView(m_nGroup, &chosen);
    DrawTextRel(this, 25, 47, m_Chosen.Get(static_cast<u32>(m_nGroup), [&] {
                    return BoundedFormat(kShortTextBound, "您选中了%1%，进行该工程的条件（需要资源/现有资源）：",
                                         hasGroup ? chosen.m_pszName : "无");
                }),
                kWhite);
    for (int g = 0; g < kGroups; ++g) {
        DrawGroupRow(g);
    }
}

void CAerieLvlupWnd::DrawGroupRow(int g)
{
    AerieView::GroupView group;
    if (!AerieView::GetGroupView(g, &group)) {
        return;
    }
    const int top = kRowTop + kRowStep * g;
    if (g == m_nGroup) {
        DrawTextRel(this, kRowLeft + 2, top + 4, kChosenSign, kGreen);
    }
    DrawImageRel(this, kRowLeft + 20, top, group.m_wIcon);
    DrawTextRel(this, kRowLeft + 60, top + 4, group.m_pszName, kWhite);
    DrawTextRel(this, 124, top + 4, GroupAction(group.m_wState), kWhite);
    const u32 time = ComputeProjectTime(g);
    DrawTextRel(this, 224, top + 4, m_aTime[g].Get(time, [time] { return "预计工程时间：" + FormatTimeDHMS(time); }),
                kWhite);
    const char* state = nullptr;
    u32 colour = kGreen;
    if (group.m_wState == 1 || group.m_wState == 2) {
        state = "该小组正在进行工程，无法进行其他行为。";
        colour = kRed;
    } else if (group.m_wState >= 3 && group.m_wState <= 5) {
        state = "该小组正在进行战斗，无法进行其他行为。";
        colour = kRed;
    } else if (!m_bScience && group.m_fBuildSkill > 0.0f) {
        state = "由于该小组拥有鬼斧神工技能，缩短了工程时间。";
    } else if (m_bScience && group.m_fTechSkill > 0.0f) {
        state = "由于该小组拥有聪明绝顶技能，缩短了工程时间。";
    }
    if (state != nullptr) {
        DrawTextRel(this, m_nWidth / 2, top + 25, state, colour, 1);
    }
}
