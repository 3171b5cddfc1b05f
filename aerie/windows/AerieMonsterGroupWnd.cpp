#include "aerie/windows/AerieMonsterGroupWnd.h"

#include <new>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonGroupSkillIcon.h"
#include "aerie/windows/AerieMonsterCtrl.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/DebugLog.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonsterGroupWnd, CAerieContainer)

namespace {

struct MonsterGroupWndRegistration {
    MonsterGroupWndRegistration()
    {
        SetAerieWindowRecord(AerieWndKind::MonsterGroup, ORV_RUNTIME_CLASS(CAerieMonsterGroupWnd));
    }
} g_MonsterGroupWndRegistration;

constexpr GameTopic<CAerieMonsterGroupWnd> kTopics[] = {
    {EVT_SKILL_REFRESH, &CAerieMonsterGroupWnd::OnSkillRefreshEvent},
    {EVT_HIGH_SKILL_REFRESH, &CAerieMonsterGroupWnd::OnHighSkillRefreshEvent},
};

// Researches: 29 opens monster cells (the working rows have its effect + 5), 26 skill cells.
constexpr int kCellScience = 29;
constexpr int kSkillScience = 26;
constexpr u16 kBaseOpenCells = 5;

// Choice items: 0 common, 1 senior, 2..7 the skill cards of levels 3..8.
constexpr int kFirstCardChoice = 2;
constexpr int kLastCardChoice = 7;
constexpr int kSeniorKind = 1;
// Skills above this level ask once more before a refresh.
constexpr u16 kHighSkillLevel = 4;
// The card of choice s is bag item kFirstCardItem + s.
constexpr int kCardItemBase = 5999;
constexpr int kBagA = 47;
constexpr int kBagB = 268;
constexpr u32 kCardTipColour = 0xFFFFFF00;
constexpr int kCardTipFrames = 300;

// The left column's tooltips: one entry per group, 93 px apart from y 41.
constexpr ORVToolTipStyle kGroupTipStyle{.m_dwFrameColour = 0x8CF09F3F, .m_dwFillColour = 0x80150800};
constexpr int kTipLeft = 130;
constexpr int kTipRight = 204;
constexpr int kEntryTop = 41;
constexpr int kEntryPitch = 93;
constexpr int kEntryHeight = 82;
constexpr const char* kGroupTips[] = {
    "生产组最适合进行生产，建议放入生产型怪物。",
    "工程组最适合进行工程，建议放入工程型怪物。",
    "战斗组最适合进行战斗，建议放入战斗型怪物。",
    "闲置组为怪物临时仓库，怪物不进行任何行为，但仍消耗牧草。",
};

}  // namespace

CClickThrottle& CAerieMonsterGroupWnd::RefreshThrottle()
{
    return WindowKeep().m_SkillRefresh;
}

CAerieMonsterGroupWnd::CAerieMonsterGroupWnd() = default;
CAerieMonsterGroupWnd::~CAerieMonsterGroupWnd() = default;

int CAerieMonsterGroupWnd::GetTopLevel(const CXmlMonGroupSkill& skill)
{
    return skill.m_vEffect.empty() ? 0 : static_cast<int>(skill.m_vEffect.size()) - 1;
}

void CAerieMonsterGroupWnd::SetUpFrame()
{
    m_nWantPage = kOverviewPage;
    m_bOwnCity = AerieView::IsOwnCityShown() ? 1 : 0;
    ShowPage(kOverviewPage);
    CreateCloseButton();
    Guide().SetStepTarget(25, m_pCloseButton);
    CenterInParent();
    CreateButton(22, 379, &m_pBackBtn, 221, true, true, "");
    Guide().SetStepTarget(20, m_pBackBtn);
    for (int g = 0; g < kWorkingGroups; ++g) {
        CreateButton(22, 100 + kEntryPitch * g, &m_pGroupBtn[g], 224, true, true, "");
    }
    Guide().SetStepTarget(18, m_pGroupBtn[1]);
    Guide().SetStepTarget(40, this);
}

void CAerieMonsterGroupWnd::DeleteSkillPage()
{
    for (CAerieMonGroupSkillIcon*& cell : m_pSkill) {
        DeleteChildAndReset(cell);
    }
    DeleteChildAndReset(m_pChoice);
    DeleteChildAndReset(m_pRefreshBtn);
}

void CAerieMonsterGroupWnd::DeleteOverview()
{
    for (CAerieMonsterCtrl*& cell : m_pMonster) {
        DeleteChildAndReset(cell);
    }
    DeleteChildAndReset(m_pPrevBtn);
    DeleteChildAndReset(m_pNextBtn);
}

void CAerieMonsterGroupWnd::ShowPage(int page)
{
    if (page == m_nPage) {
        return;
    }
    if (page == kOverviewPage) {
        SetBackground(kOverviewPage);
        m_nPage = kOverviewPage;
        DeleteSkillPage();
        const u16 open = static_cast<u16>(AerieView::GetWholeScienceEffect(kCellScience) + kBaseOpenCells);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCellsPerRow; ++c) {
                auto* cell = new (std::nothrow) CAerieMonsterCtrl();
                if (cell == nullptr) {
                    continue;
                }
                AddChild(cell, false);
                cell->CreateIcon(this, 196 + 56 * c, 69 + 93 * r, static_cast<u16>(kCellsPerRow * r + c),
                                 CAerieMonsterCtrl::kSize, CAerieMonsterCtrl::kSize);
                cell->m_bReadOnly = m_bOwnCity != 0 ? 0 : 1;
                cell->m_bAvailable = (c < open || r == CAerieMonsterCtrl::kIdleGroup) ? 1 : 0;
                m_pMonster[kCellsPerRow * r + c] = cell;
            }
        }
        // The idle row shows the idle page kept from before (page 0 the first time).
        RelabelIdleRow();
        Guide().SetStepTarget(22, m_pMonster[0]);
        Guide().SetStepTarget(24, m_pMonster[20]);
        Guide().SetStepTarget(21, m_pMonster[30]);
        Guide().SetStepTarget(23, m_pMonster[31]);
        CreateButton(680, 323, &m_pPrevBtn, 54, true, true, "");
        CreateButton(725, 323, &m_pNextBtn, 57, true, true, "");
    } else if (page == kGroupPage) {
        m_wBackFrame = kGroupPage;
        m_nPage = kGroupPage;
        DeleteOverview();
        m_Help.SetText("刷新说明：先选中想要刷新的技能，再选择下拉列表的刷新类别，然后点击刷新按钮，会对当前选中技能刷新。"
                       "刷新出的技能类别不会与其他格子中已有的技能相同。\n\n\n\n技能说明：小组天生拥有天赋技能。"
                       "通过进行怪物技能科技研究，每次将开启一个被动技能格，并随机获得一个新被动技能。",
                       580, 0xFFFFFFFF, 1);
    }
}

void CAerieMonsterGroupWnd::RelabelIdleRow()
{
    const int first = CAerieMonsterCtrl::kIdleGroup * kCellsPerRow;
    for (int c = 0; c < kCellsPerRow; ++c) {
        if (CAerieMonsterCtrl* cell = m_pMonster[first + c]) {
            cell->m_wItemId = static_cast<u16>(kCellsPerRow * m_nIdlePage + first + c);
        }
    }
}

void CAerieMonsterGroupWnd::ShowGroupSkills(int group)
{
    m_nSkill = -1;
    const u16 open = AerieView::GetWholeScienceEffect(kSkillScience);
    for (int i = 0; i < kSkillCells; ++i) {
        const u16 key = static_cast<u16>(kSkillCells * group + i);
        if (m_pSkill[i] != nullptr) {
            m_pSkill[i]->m_wItemId = key;
            continue;
        }
        auto* cell = new (std::nothrow) CAerieMonGroupSkillIcon();
        if (cell == nullptr) {
            continue;
        }
        AddChild(cell, false);
        cell->CreateIcon(this, 140 + 56 * i, 68, key, CAerieMonGroupSkillIcon::kSize, CAerieMonGroupSkillIcon::kSize);
        cell->m_bReadOnly = m_bOwnCity != 0 ? 0 : 1;
        cell->m_bAvailable = i <= open ? 1 : 0;
        m_pSkill[i] = cell;
    }
    Guide().SetStepTarget(19, m_pSkill[0]);
    if (m_bOwnCity == 0) {
        return;
    }
    if (m_pChoice == nullptr) {
        m_pChoice = new (std::nothrow) CORVChoice();
        if (m_pChoice != nullptr) {
            AddChild(m_pChoice, false);
            m_pChoice->CreateBox(this, 185, 144, 442);
            m_pChoice->AddItem("技能普通刷新，刷新费用1点券一次", 0xFF00FF00, 0);
            m_pChoice->AddItem("技能高级刷新，高概率出现高等级技能，刷新费用5点券一次", 0xFF00FF00, 0);
            for (int level = kFirstCardChoice + 1; level <= kLastCardChoice + 1; ++level) {
                char text[kShortTextBound];
                m_pChoice->AddItem(BoundedPrintf(text, sizeof text, "%d级怪物技能卡", level), 0xFF00FF00, 0);
            }
        }
    }
    if (m_pRefreshBtn == nullptr) {
        CreateButton(634, 145, &m_pRefreshBtn, 263, true, true, "");
    }
}

void CAerieMonsterGroupWnd::OpenGroup(int group)
{
    m_nWantPage = kGroupPage;
    m_nGroup = group;
    ShowPage(kGroupPage);
    ShowGroupSkills(group);
    Guide().OnStepEvent(18);
}

bool CAerieMonsterGroupWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    if (msg->m_nId == kNotifyPick && msg->m_wParam == kPickGroupSkill) {
        m_nSkill = static_cast<i32>(msg->m_lParam);
        return true;
    }
    if (FollowChoice(m_pChoice, msg)) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId != kNotifyLeftClick || sender == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    if (sender == m_pBackBtn) {
        m_nWantPage = kOverviewPage;
        ShowPage(kOverviewPage);
        Guide().OnStepEvent(20);
        return true;
    }
    if (sender == m_pPrevBtn || sender == m_pNextBtn) {
        m_nIdlePage += sender == m_pNextBtn ? 1 : -1;
        m_nIdlePage = m_nIdlePage < 0 ? 0 : (m_nIdlePage > kLastIdlePage ? kLastIdlePage : m_nIdlePage);
        RelabelIdleRow();
        return true;
    }
    if (sender == m_pRefreshBtn) {
        if (RefuseDuringTutorial("请您先完成新手任务，再来刷新！") || m_pChoice == nullptr) {
            return true;
        }
        const int s = m_pChoice->m_nCurSel;
        if (s >= 0 && s < kFirstCardChoice) {
            AskSkillRefresh(s);
        } else if (s >= kFirstCardChoice) {
            UseSkillCard(s);
        }
        return true;
    }
    for (int g = 0; g < kWorkingGroups; ++g) {
        if (sender == m_pGroupBtn[g]) {
            OpenGroup(g);
            return true;
        }
    }
    if (sender == m_pCloseButton) {
        const ORVLifeWatch life = Watch();   // a step's action may reach the host
        for (u16 step : {21, 22, 23, 24, 25}) {
            Guide().OnStepEvent(step);
        }
        if (life.expired()) {
            return true;
        }
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieMonsterGroupWnd::OnMouseMove(int x, int y)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.SetStyle(kGroupTipStyle);
    tip.Clear();
    if (x > kTipLeft && x <= kTipRight) {
        const int entries = m_nPage == kOverviewPage ? kRows : kWorkingGroups;
        for (int g = 0; g < entries; ++g) {
            const int top = kEntryTop + kEntryPitch * g;
            if (y >= top && y <= top + kEntryHeight) {
                tip.AddText(7, kGroupTips[g], 0);
            }
        }
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

void CAerieMonsterGroupWnd::AskSkillRefresh(int kind)
{
    if (m_nSkill < 0) {
        GameTip("您未选中要刷新的技能！");
        return;
    }
    if (!AskWithCheckIfNeeded(GetGroupSkillRefreshKey(m_nGroup, kind), "刷新将要扣除您的点券，您确定要刷新吗？",
                              kCheckCaption, GameEvent(EVT_SKILL_REFRESH, static_cast<u32>(kind), std::string(), this),
                              ORVMsg(), ConfirmWrite::ZeroOnlyWhenTicked)) {
        ConfirmHighSkillRefresh(kind);
    }
}

void CAerieMonsterGroupWnd::ConfirmHighSkillRefresh(int kind)
{
    RefreshThrottle().Mark(TickNow());
    const u16 level = AerieView::GetGroupSkill(false, static_cast<u32>(m_nSkill)).GetLevel();
    if (level <= kHighSkillLevel) {
        SendSkillRefresh(kind);
    } else {
        AskThen("当前技能是高等级的哦，确定要继续刷新吗？",
                GameEvent(EVT_HIGH_SKILL_REFRESH, static_cast<u32>(kind), std::string(), this));
    }
}

void CAerieMonsterGroupWnd::UseSkillCard(int choice)
{
    const int cardLevel = choice + 1;
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || !host->HasBagItem(kBagA, kBagB, kCardItemBase + choice)) {
        char text[kBoxTextBound];
        GameTip(BoundedPrintf(text, sizeof text, "很抱歉，你包裹内没有“%d级怪物技能卡”，无法\n进行怪物技能升级。", cardLevel),
                kCardTipColour, kCardTipFrames);
        return;
    }
    if (m_nSkill < 0) {
        GameTip("请先选中本次需要升级的怪物技能，然后再\n使用对应级别的怪物技能卡进行升级，谢谢", kCardTipColour,
                kCardTipFrames);
        return;
    }
    const int level = AerieView::GetGroupSkill(false, static_cast<u32>(m_nSkill)).GetLevel();
    if (level > cardLevel) {
        GameTip("很抱歉，你本次升级的怪物技能等级高于怪物\n升级卡等级，使用后将降低该等级。为了确保\n你的利益，请使用高于升级技能等级的怪物技\n能卡进行升级。",
                kCardTipColour, kCardTipFrames);
    } else if (level == cardLevel) {
        GameTip("很抱歉，你本次升级的怪物技能等级和怪物升\n级卡等级相同，使用后将对该技能等级无任何\n影响。为了确保你的利益，请使用高于升级技\n能等级的怪物技能卡进行升级。",
                kCardTipColour, kCardTipFrames);
    } else {
        SendSkillRefresh(choice);
    }
}

void CAerieMonsterGroupWnd::SendSkillRefresh(int choice)
{
    // An answer that arrives after the pick was undone (another group shown), or in a visited
    // city, or with a choice of no item, refreshes nothing.
    if (m_nSkill < 0 || m_bOwnCity == 0 || choice < 0 || choice > kLastCardChoice) {
        DebugLog("Error,group skill refresh without a skill or choice (%d, %d)\n", m_nSkill, choice);
        return;
    }
    const u16 p2 = static_cast<u16>(choice == 0 ? 1 : (choice == kSeniorKind ? 5 : choice + 4));
    CAerieRequest::GetSingleton().RefreshGroupSkill(static_cast<u16>(m_nSkill), p2);
}

namespace {

// The refresh kind an answer carries (0 common, 1 senior); false, with a debug line, for another.
bool KindOfAnswer(const ORVMsg* msg, int* kind)
{
    if (msg->m_lParam > static_cast<u32>(kSeniorKind)) {
        DebugLog("Error,group skill refresh kind %u\n", static_cast<unsigned>(msg->m_lParam));
        return false;
    }
    *kind = static_cast<int>(msg->m_lParam);
    return true;
}

}  // namespace

bool CAerieMonsterGroupWnd::OnSkillRefreshEvent(ORVMsg* msg)
{
    int kind = 0;
    if (KindOfAnswer(msg, &kind)) {
        ConfirmHighSkillRefresh(kind);
    }
    return true;
}

bool CAerieMonsterGroupWnd::OnHighSkillRefreshEvent(ORVMsg* msg)
{
    int kind = 0;
    if (KindOfAnswer(msg, &kind)) {
        SendSkillRefresh(kind);
    }
    return true;
}

bool CAerieMonsterGroupWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}
