// Drawing of the production table and the work-state panel through the host callback.
#include "aerie/state/AerieCityData.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kCyan = 0xFF00FFFF;
constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kRed = 0xFFFF0000;

// Columns of the production table: labels, then grass, stone, wood, metal.
constexpr int kColumns[5] = {38, 122, 216, 310, 404};

// A text of the production table, centred on x, relative to ctrl.
void TableText(const CORVControl* ctrl, int x, int y, const char* text, u32 colour)
{
    DrawTextRel(ctrl, x, y, text, colour, 1);
}

// The production multiplier shown after a figure: "×1.5" for the byte 15 (tenths); empty up to 10.
const char* MultiplierSuffix(u8 tenths, char (&out)[kShortTextBound])
{
    out[0] = '\0';
    if (tenths > 10) {
        BoundedPrintf(out, sizeof(out), "×%.1f", tenths / 10.0);
    }
    return out;
}

// The float's bits, for cache keys.
u32 Bits(float f)
{
    u32 b = 0;
    static_assert(sizeof(b) == sizeof(f));
    __builtin_memcpy(&b, &f, sizeof(b));
    return b;
}

}  // namespace

void CAerieProductInfoCtrl::OnDraw()
{
    static const char* const kHeads[5] = {"加成来源", "牧草/小时", "石料/小时", "木材/小时", "金属/小时"};
    for (int c = 0; c < 5; ++c) {
        TableText(this, kColumns[c], 5, kHeads[c], kCyan);
    }
    Table t;
    ComputeTable(&t);

    // Lands with their research bonus.
    TableText(this, kColumns[0], 26, "资源地", kWhite);
    for (int r = 0; r < kAerieResourceCount; ++r) {
        const char* cell = m_aCells[0][r].Get(CacheKey(static_cast<u32>(t.m_anLand[r]), Bits(t.m_afResearch[r])),
                                              [&] { return FormatCell(t.m_anLand[r], t.m_afResearch[r]); });
        TableText(this, kColumns[r + 1], 26, cell, kWhite);
    }
    // The three groups.
    for (int g = 0; g < 3; ++g) {
        const int y = 47 + 21 * g;
        TableText(this, kColumns[0], y, AerieView::GetGroup(g).m_strGroupName.c_str(), kWhite);
        for (int r = 0; r < kAerieResourceCount; ++r) {
            const u32 base = t.m_adwGroupBase[g];
            const char* cell = m_aCells[1 + g][r].Get(CacheKey(base, base == 0 ? 0 : Bits(t.m_afGroupBonus[g][r])), [&] {
                return base == 0 ? std::string("0") : FormatCell(base, t.m_afGroupBonus[g][r]);
            });
            TableText(this, kColumns[r + 1], y, cell, kWhite);
        }
    }
    // Consumption: grass only.
    TableText(this, kColumns[0], 110, "怪物消耗", kWhite);
    const char* eaten = m_aCells[4][0].Get(t.m_dwConsumption, [&] {
        return BoundedFormat(kShortTextBound, "%1%", -static_cast<std::int64_t>(t.m_dwConsumption));
    });
    TableText(this, kColumns[1], 110, eaten, kWhite);
    for (int r = 1; r < kAerieResourceCount; ++r) {
        TableText(this, kColumns[r + 1], 110, "N/A", kWhite);
    }
    // Totals, with the multiplier shown, not applied.
    TableText(this, kColumns[0], 131, "总产量", kWhite);
    for (int r = 0; r < kAerieResourceCount; ++r) {
        const char* cell = m_aCells[5][r].Get(MixKey(t.m_aqTotal[r], t.m_byMultiplier > 10 ? t.m_byMultiplier : 0), [&] {
            char suffix[kShortTextBound];
            return BoundedFormat(kShortTextBound, "%1%%2%", t.m_aqTotal[r], MultiplierSuffix(t.m_byMultiplier, suffix));
        });
        TableText(this, kColumns[r + 1], 131, cell, kWhite);
    }
}

// ---- CAerieWorkInfoCtrl ----

void CAerieWorkInfoCtrl::OnDraw()
{
    for (int g = 0; g < kGroups; ++g) {
        for (CORVButton* b : {m_apCancel[g], m_apSpeedUp[g], m_apAwardRefresh[g]}) {
            if (b != nullptr) {
                b->m_bVisible = 0;
            }
        }
    }
    for (int g = 0; g < kGroups; ++g) {
        DrawRow(g);
    }
    if (m_wMode == 0) {
        DrawImageRel(this, 0, 0, 396);
    }
    DrawTextRel(this, m_nWidth / 2, 4, "怪物组状态", kYellow, 1, 2);
}

void CAerieWorkInfoCtrl::DrawRow(int g)
{
    const int y0 = 24 + 81 * g;
    if (m_wMode == 0) {
        DrawImageRel(this, 0, 22 + 81 * g, 397);
    }
    const CAerieMonsterGroup& group = AerieView::GetGroup(g);
    const bool own = AerieView::IsOwnCityShown();
    const u16 state = group.GetState();
    const u32 now = TickNow();
    CCachedText* lines = m_aLines[g];
    char text[kShortTextBound];

    const auto heading = [&](const char* label) {
        DrawTextRel(this, 2, y0, group.m_strGroupName.c_str(), group.m_dwColour);
        DrawTextRel(this, m_nWidth, y0, label, kYellow, 2);
    };

    if (state == kStateProducing) {
        heading("生产中");
        const u8 mul = AerieView::GetProductionMultiplier();
        const bool counted = group.GetProductionCount() != 0;
        const u32 p = counted ? group.GetProductionPerHour() : 0;
        // Lines in the order grass, wood, stone, metal; bonus indices grass 0, stone 1, wood 2, metal 3.
        static constexpr struct {
            int m_nBonus;
            const char* m_pszWith;
            const char* m_pszWithout;
        } kLines[kLinesPerRow] = {
            {0, "牧草/小时:%1%×%2%%%%3%", "牧草/小时:%1%%2%"},
            {2, "木材/小时:%1%×%2%%%%3%", "木材/小时:%1%%2%"},
            {1, "石料/小时:%1%×%2%%%%3%", "石料/小时:%1%%2%"},
            {3, "金属/小时:%1%×%2%%%%3%", "金属/小时:%1%%2%"},
        };
        for (int i = 0; i < kLinesPerRow; ++i) {
            const float b = counted ? group.GetBonusPercent(kLines[i].m_nBonus) : 0.0f;
            const char* line = lines[i].Get(MixKey(state, p, Bits(b), mul > 10 ? mul : 0), [&] {
                char m[kShortTextBound];
                MultiplierSuffix(mul, m);
                return b > 0 ? BoundedFormat(kShortTextBound, kLines[i].m_pszWith, p, b + 100.0f, m)
                             : BoundedFormat(kShortTextBound, kLines[i].m_pszWithout, p, m);
            });
            DrawTextRel(this, 2, y0 + 15 + 15 * i, line, kWhite);
        }
        return;
    }
    if (state == kStateBuilding || state == kStateResearching) {
        if (own) {
            m_apCancel[g]->m_bVisible = 1;
            m_apSpeedUp[g]->m_bVisible = 1;
        }
        heading(state == kStateBuilding ? "建造中" : "研究中");
        DrawTextRel(this, 2, y0 + 19, group.m_strTargetName.c_str(), kWhite);
        const char* levels = lines[0].Get(MixKey(state, group.m_wTargetLevel), [&] {
            return BoundedFormat(kShortTextBound, "%1%级→%2%级", group.m_wTargetLevel, group.m_wTargetLevel + 1);
        });
        DrawTextRel(this, 2, y0 + 38, levels, kWhite);
        const u32 left = SecondsLeft(group.GetJobSeconds(), group.m_dwStateStamp, now);
        const char* time = lines[1].Get(MixKey(state, left), [&] {
            return BoundedPrintf(text, sizeof(text), "剩余时间:%s", FormatDurationHMS(left).c_str());
        });
        DrawTextRel(this, 2, y0 + 57, time, kWhite);
        return;
    }
    if (state != kStateWaiting && state != 4 && state != 5) {
        return;   // background only
    }
    if (own) {
        m_apCancel[g]->m_bVisible = 1;
        if (state == kStateWaiting) {
            m_apAwardRefresh[g]->m_bVisible = 1;
        }
    }
    heading(state == kStateWaiting ? "生产中" : "任务中");
    const bool waiting = state == kStateWaiting;
    const char* timeLabel = waiting ? "等待剩余时间:" : "战斗剩余时间:";
    const u32 timeColour = waiting ? kGreen : kRed;
    int y = y0 + 19;
    const u16 target = group.GetTarget();
    if (target == kDefenceMissionIndex) {
        // Made again when the row's work or the mission's name changes.
        if (m_aDefenceName[g] != group.m_strDefenceName) {
            m_aDefenceName[g] = group.m_strDefenceName;
            lines[0].Invalidate();
        }
        const char* name = lines[0].Get(MixKey(state, target), [&] {
            return BoundedPrintf(text, sizeof(text), "防御任务[%s]", m_aDefenceName[g].c_str());
        });
        DrawTextRel(this, 2, y, name, kWhite);
        DrawTextRel(this, 2, y + 19, "奖励倍数:1.0", kWhite);
        const u32 left = SecondsLeft(group.GetJobSeconds(), group.m_dwStateStamp, now);
        const char* time = lines[1].Get(MixKey(state, target, left), [&] {
            return BoundedPrintf(text, sizeof(text), "%s%s", timeLabel, FormatTimeClock(left).c_str());
        });
        DrawTextRel(this, 2, y + 38, time, timeColour);
        return;
    }
    if (const CXmlFight* fight = CXmlAerieMgr::GetSingleton()->FindFight(target)) {
        DrawTextRel(this, 2, y, fight->m_strName.c_str(), kWhite);
        y += 19;
    }
    const AerieFightMission* mission = AerieView::FindFightMission(target);
    if (mission == nullptr) {
        return;
    }
    const u8 a = mission->GetMultiplier();
    const u8 c = mission->GetMultiplier2();
    const char* award = lines[0].Get(MixKey(state, target, a, c), [&] {
        return c > 10 ? BoundedPrintf(text, sizeof(text), "奖励倍数:%.1f×%.1f", a / 10.0, c / 10.0)
                      : BoundedPrintf(text, sizeof(text), "奖励倍数:%.1f", a / 10.0);
    });
    DrawTextRel(this, 2, y, award, kWhite);
    const u32 left = waiting ? SatAdd(GetFightWaitLeft(*mission), GetFightFriendWaitLeft(*mission))
                             : GetFightTimeLeft(*mission);
    const char* time = lines[1].Get(MixKey(state, target, left, 1), [&] {
        return BoundedPrintf(text, sizeof(text), "%s%s", timeLabel, FormatTimeClock(left).c_str());
    });
    DrawTextRel(this, 2, y + 19, time, timeColour);
}
