// The group window's drawing: the left column of groups on both pages, the overview's grid
// captions and totals, the group page's skill captions, figures and totals.
#include "aerie/windows/AerieMonsterGroupWnd.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/windows/AerieCityView.h"
#include "framework/widgets/ORVButton.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kCyan = 0xFF00FFFF;
constexpr u32 kGreen = 0xFF00FF00;
constexpr int kEntryPitch = 93;

// What a group is doing, as the left column and the group page name it.
const char* StateWord(const CAerieMonsterGroup& group)
{
    if (group.m_dwMonsterCount == 0) {
        return " 无";
    }
    switch (group.GetState()) {
    case 0:
        return "生产";
    case 1:
    case 2:
        return "工程";
    case 3:
    case 4:
    case 5:
        return "战斗";
    default:
        return "无";
    }
}

// One of a group's three totals: the shown value (the weight and base figures), the talent part
// (production and engineering talents, for fight the fight talent and the 天神降临 value) and
// which talents make it up.
struct Total {
    std::uint64_t m_qValue = 0;
    std::uint64_t m_qTalent = 0;
    bool m_bTalent = false;   // the group's own talent of this power is non-zero
    bool m_bDescent = false;  // fight only: the 天神降临 value is non-zero
};

Total TotalOf(const CAerieMonsterGroup& group, int power)
{
    Total t;
    t.m_qValue = static_cast<std::uint64_t>(group.m_adwWeight[power]) + group.m_adwBase[power];
    t.m_qTalent = group.m_adwBonus[power];
    t.m_bTalent = group.m_adwBonus[power] != 0;
    if (power == 2) {
        t.m_qTalent += group.m_adwBonus[3];
        t.m_bDescent = group.m_adwBonus[3] != 0;
    }
    return t;
}

constexpr const char* kPlainForms[3] = {"总生产力：%1%", "总工程力：%1%", "总战斗力：%1%"};
constexpr const char* kTalentForms[3] = {"总生产力：%1%(+%2%)", "总工程力：%1%(+%2%)", "总战斗力：%1%(+%2%)"};

// The form of a total: the overview adds the talent part whenever there is one; a group page
// names the talent on the page of the group it belongs to (the 天神降临 value on every page).
const char* TotalForm(const Total& t, int power, int pageGroup)
{
    if (pageGroup < 0) {
        return t.m_bTalent || t.m_bDescent ? kTalentForms[power] : kPlainForms[power];
    }
    if (power < 2) {
        if (t.m_bTalent && pageGroup == power) {
            return power == 0 ? "总生产力：%1%(+%2%)由于拥有生产天才技能获得加成"
                              : "总工程力：%1%(+%2%)由于拥有工程天才技能获得加成";
        }
        return kPlainForms[power];
    }
    const bool fightPage = pageGroup == 2;
    if (t.m_bDescent && !t.m_bTalent) {
        return "总战斗力：%1%(+%2%)由于拥有天神降临技能获得加成";
    }
    if (fightPage && t.m_bTalent && !t.m_bDescent) {
        return "总战斗力：%1%(+%2%)由于拥有战斗天才技能获得加成";
    }
    if (fightPage && t.m_bTalent && t.m_bDescent) {
        return "总战斗力：%1%(+%2%)由于拥有战斗天才技能和天神降临获得加成";
    }
    return kPlainForms[2];
}

}  // namespace

void CAerieMonsterGroupWnd::DrawTotals(int g, int x0, int x1, int x2, int y, bool page)
{
    const CAerieMonsterGroup& group = AerieView::GetGroup(g);
    const int xs[3] = {x0, x1, x2};
    const int ys[3] = {y, page ? y + 20 : y, page ? y + 40 : y};
    for (int power = 0; power < 3; ++power) {
        const Total t = TotalOf(group, power);
        const char* form = TotalForm(t, power, page ? m_nGroup : -1);
        CCachedText& text = page ? m_aPageTotals[power] : m_aTotals[g][power];
        const char* shown = text.Get(MixKey(t.m_qValue, t.m_qTalent, reinterpret_cast<std::uintptr_t>(form)), [&] {
            return BoundedFormat(kShortTextBound, form, t.m_qValue, t.m_qTalent);
        });
        DrawTextRel(this, xs[power], ys[power], shown, kYellow);
    }
}

void CAerieMonsterGroupWnd::DrawNavigation()
{
    const int highlightY = m_nPage == kOverviewPage ? 321 : 41 + kEntryPitch * m_nGroup;
    if (m_nPage == kOverviewPage || m_nGroup >= 0) {
        DrawImageRel(this, 18, highlightY, 647);
    }
    DrawTextRel(this, 29, 324, "怪物总览", kYellow);
    for (int g = 0; g < kWorkingGroups; ++g) {
        const CAerieMonsterGroup& group = AerieView::GetGroup(g);
        const int dy = kEntryPitch * g;
        DrawImageRel(this, 20, 44 + dy, group.m_wIcon);
        DrawImageRel(this, 20 + 22 * g, 349, group.m_wIcon);
        DrawTextRel(this, 42, 45 + dy, group.m_strGroupName.c_str(), group.m_dwColour);
        DrawTextRel(this, 27, 66 + dy, "目前行为：", kWhite);
        DrawTextRel(this, 38, 83 + dy, StateWord(group), kWhite);
    }
}

void CAerieMonsterGroupWnd::DrawOverview()
{
    DrawTextRel(this, 338, 13, "怪物小组总览", kWhite);
    DrawTextRel(this, 706, 325, m_IdlePage.Get(static_cast<u32>(m_nIdlePage), [&] {
        return BoundedFormat(kShortTextBound, "%1%", m_nIdlePage + 1);
    }), kWhite);
    for (int g = 0; g < kRows; ++g) {
        const CAerieMonsterGroup& group = AerieView::GetGroup(g);
        const int dy = kEntryPitch * g;
        DrawImageRel(this, 155, 78 + dy, group.m_wIcon);
        DrawTextRel(this, 145, 102 + dy, group.m_strGroupName.c_str(), group.m_dwColour);
        DrawTotals(g, 194, 382, 555, 121 + dy, false);
    }
}

void CAerieMonsterGroupWnd::DrawGroupPage()
{
    if (m_nSkill >= 0) {
        DrawImageRel(this, 138 + 56 * (m_nSkill % kSkillCells), 66, 651);
    }
    DrawTextRel(this, 338, 13, "怪物小组技能", kWhite);
    DrawTextRel(this, 156, 225, "天赋技能只刷新技能等级，被动技能则是技能等级与技能类别同时刷新。", kCyan);
    m_Help.Draw(m_nAbsX + 156, m_nAbsY + 184);
    if (m_nGroup < 0) {
        return;
    }
    const CAerieMonsterGroup& group = AerieView::GetGroup(m_nGroup);
    const char* state = StateWord(group);
    DrawTextRel(this, 156, 250, m_PageName.Get(MixKey(m_nGroup, std::hash<std::string_view>{}(group.m_strGroupName)), [&] {
        return BoundedFormat(kShortTextBound, "%1%技能", group.m_strGroupName);
    }), kGreen);
    DrawTextRel(this, 156, 270, m_PageState.Get(reinterpret_cast<std::uintptr_t>(state), [&] {
        return BoundedFormat(kShortTextBound, "目前行为：%1%", state);
    }), kWhite);
    const float percent = AerieView::GetGroupCreavityPercent(m_nGroup);
    u32 bits = 0;
    std::memcpy(&bits, &percent, sizeof bits);
    DrawTextRel(this, 156, 290, m_PageCreavity.Get(bits, [&] {
        char text[kShortTextBound];
        return std::string(BoundedPrintf(text, sizeof text, "当前小组工程力能够缩短%1.2f%%的工程时间", percent));
    }), kYellow);
    DrawTotals(m_nGroup, 156, 156, 156, 310, true);
}

void CAerieMonsterGroupWnd::OnDraw()
{
    const bool ready = RefreshThrottle().SettleAt(TickNow());
    if (m_pRefreshBtn != nullptr) {
        m_pRefreshBtn->m_bEnabled = ready ? 1 : 0;
    }
    DrawNavigation();
    if (m_nPage == kOverviewPage) {
        DrawOverview();
    } else {
        DrawGroupPage();
    }
}
