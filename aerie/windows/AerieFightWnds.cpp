#include "aerie/windows/AerieFightWnds.h"

#include <cstdlib>
#include <new>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonsterIconCtrl.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieSkillIconCtrl.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieFightRobBeforeWnd, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieFightDefendBeforeWnd, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieFightInfoWnd, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieFightAwardRefreshWnd, CORVWindow)

namespace {

struct FightRegistration {
    FightRegistration()
    {
        SetAerieWindowRecord(AerieWndKind::FightRobBefore, ORV_RUNTIME_CLASS(CAerieFightRobBeforeWnd));
        SetAerieWindowRecord(AerieWndKind::FightDefendBefore, ORV_RUNTIME_CLASS(CAerieFightDefendBeforeWnd));
        SetAerieWindowRecord(AerieWndKind::FightInfo, ORV_RUNTIME_CLASS(CAerieFightInfoWnd));
        SetAerieWindowRecord(AerieWndKind::FightAwardRefresh, ORV_RUNTIME_CLASS(CAerieFightAwardRefreshWnd));
    }
} g_FightRegistration;

constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kOrange = 0xFFFF7030;
constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kRed = 0xFFFF0000;
constexpr u32 kSkillLossId = 11;     // the group skill that lowers the losses
constexpr u8 kNoFightingGroup = 3;
constexpr const char* kGroupNames[] = {"生产组", "工程组", "战斗组", "闲置组"};
constexpr const char* kLevelNames[] = {"初级", "中级", "高级"};

const char* LevelName(u16 difficulty)
{
    return difficulty < 3 ? kLevelNames[difficulty] : "未知";
}

float EnemyFactor(int difficulty)
{
    switch (difficulty) {
    case 0:
        return 0.5f;
    case 1:
        return 0.7f;
    case 2:
        return 0.9f;
    default:
        return 1.0f;
    }
}

// The group's fight power: its fight total.
u32 FightPower(u32 g)
{
    return AerieView::GetOwnGroup(static_cast<int>(g)).m_adwTotal[2];
}

// The four carried resources at their places: grass (value 0), wood (2), stone (1), metal (3).
struct ResourcePlace {
    int x, y, value;
    const char* plain;
    const char* times;
};
constexpr ResourcePlace kResources[] = {
    {335, 66, 0, "牧草：%u", "牧草：%u×%.1f"},
    {335, 81, 2, "木材：%u", "木材：%u×%.1f"},
    {475, 66, 1, "石料：%u", "石料：%u×%.1f"},
    {475, 81, 3, "金属：%u", "金属：%u×%.1f"},
};

}  // namespace

float EstimateFightLoss(int g, int difficulty)
{
    if (g < 0 || g >= kAerieGroupCount) {
        return 0.0f;
    }
    float factor = 1.0f;
    for (int slot = 0; slot < kAerieSkillSlots; ++slot) {
        const AerieGroupSkillEntry& skill = AerieView::GetGroupSkill(true, static_cast<u32>(g * kAerieSkillSlots + slot));
        if (skill.GetSkillId() != kSkillLossId) {
            continue;
        }
        const CXmlMonGroupSkill* config = AerieView::FindGroupSkillConfig(kSkillLossId);
        const int level = skill.GetLevel();
        if (config != nullptr && level >= 1 && level <= GetSkillTopLevel(*config)) {
            // In floating point: an integer division would zero every value below 100.
            factor = 1.0f - static_cast<float>(std::atoi(config->GetLevelValue(level).c_str())) / 100.0f;
        }
        break;
    }
    const CAerieMonsterGroup& group = AerieView::GetOwnGroup(g);
    const u32* t = group.m_adwKindCount[g];
    float power = static_cast<float>(t[0]) * 13.51f + static_cast<float>(t[1]) * 20.26f +
                  static_cast<float>(t[2]) * 28.37f + static_cast<float>(t[3]) * 40.53f;
    if (power <= 1.0f) {
        power = 1.0f;
    }
    const u32 n = group.m_dwMonsterCount == 0 ? 1 : group.m_dwMonsterCount;
    const float s = static_cast<float>(AerieView::GetFightHeader(false, 0));
    float loss = 0.0f;
    switch (difficulty) {
    case 0:
        loss = n < 10 ? 0.0f : 100.0f / static_cast<float>(n);
        break;
    case 1:
    case 2: {
        const float rate = difficulty == 1 ? 0.07f : 0.14f;
        loss = s * rate * factor / (power * 5.0f) * 100.0f;
        if (loss > 100.0f) {
            loss = 100.0f;
        }
        break;
    }
    default:
        break;
    }
    return loss;
}

u32 EnemyPower(u32 ownPower, int difficulty)
{
    const float factor = difficulty >= 0 && difficulty <= 2 ? EnemyFactor(difficulty) : 0.5f;
    return ClampToU32(static_cast<double>(ownPower) * static_cast<double>(factor));
}

u32 AwardRefreshCost(u32 fightId)
{
    static constexpr u32 kCost[] = {1, 5, 8, 12, 16};
    return fightId < 5 ? kCost[fightId] : 0;
}

// ---- The sheet ----

void CAerieFightSheet::SetArgs(int arg, std::string)
{
    m_wFightId = static_cast<u16>(static_cast<u32>(arg) & 0xFFFF);
    m_wDifficulty = static_cast<u16>(static_cast<u32>(arg) >> 16);
}

void CAerieFightSheet::SetUpFrame()
{
    if (const CXmlFight* fight = AerieView::FindFightConfig(m_wFightId)) {
        m_Fight = *fight;
        CutGbk(m_Fight.m_strName, kShortTextBound - 1);
        CutGbk(m_Fight.m_strScale, kShortTextBound - 1);
    }
    SetTitleText(m_Fight.m_strName.c_str(), 270, 14, kTipWhite, 1);
    InitFrame(this, FrameImage());
}

void CAerieFightSheet::CreateIcons(float enemyFactor)
{
    for (int i = 0; i < kEnemyIcons; ++i) {
        auto* enemy = new (std::nothrow) CAerieEnemyMonsterIconCtrl();
        if (enemy != nullptr) {
            AddChild(enemy, false);
            enemy->m_wFightId = m_wFightId;
            enemy->m_wStrength = m_wDifficulty;
            enemy->m_fScale = enemyFactor;
            enemy->m_bReadOnly = 1;
            enemy->CreateIcon(this, 55 + 56 * i, 225, static_cast<u16>(i), CAerieMonsterIconCtrl::kSize,
                              CAerieMonsterIconCtrl::kSize);
            m_apEnemy[i] = enemy;
        }
        auto* own = new (std::nothrow) CAerieMonsterIconCtrl();
        if (own != nullptr) {
            AddChild(own, false);
            own->m_bReadOnly = 1;
            own->CreateIcon(this, 55 + 56 * i, 373, static_cast<u16>(i), CAerieMonsterIconCtrl::kSize,
                            CAerieMonsterIconCtrl::kSize);
            m_apOwn[i] = own;
        }
    }
    for (int i = 0; i < kSkillIcons; ++i) {
        auto* skill = new (std::nothrow) CAerieSkillIconCtrl();
        if (skill != nullptr) {
            AddChild(skill, false);
            skill->m_bReadOnly = 1;
            skill->CreateIcon(this, 29 + 53 * i, 454, static_cast<u16>(i), 48, 48);
            m_apSkill[i] = skill;
        }
    }
    ShowGroup(m_nGroup);
}

void CAerieFightSheet::ShowGroup(u32 g)
{
    for (CAerieEnemyMonsterIconCtrl* icon : m_apEnemy) {
        if (icon != nullptr) {
            icon->m_nKind = static_cast<i32>(4 + g);
        }
    }
    for (CAerieMonsterIconCtrl* icon : m_apOwn) {
        if (icon != nullptr) {
            icon->m_nKind = static_cast<i32>(4 + g);
        }
    }
    for (CAerieSkillIconCtrl* icon : m_apSkill) {
        if (icon != nullptr) {
            icon->m_nKind = static_cast<i32>(10 + g);
        }
    }
}

void CAerieFightSheet::DrawSheetTop() const
{
    DrawTextRel(this, 124, 45, "敌军规模情报", kYellow, 0, 2);
    DrawTextRel(this, 410, 45, "敌军携带资源情报", kYellow, 0, 2);
    DrawTextRel(this, 261, 179, "敌军战斗力情报", kOrange, 0, 2);
    DrawTextRel(this, 261, 296, "我军战斗力情报", kYellow, 0, 2);
    DrawTextRel(this, 274, 431, "我军技能情报", kYellow, 0, 2);
    static constexpr const char* kLabel[] = {"战", "斗", "组"};
    for (int i = 0; i < 3; ++i) {
        DrawTextRel(this, 31, 226 + 17 * i, kLabel[i], kGreen, 0, 2);
        DrawTextRel(this, 31, 374 + 17 * i, kLabel[i], kGreen, 0, 2);
    }
    char text[kShortTextBound];
    DrawTextRel(this, 50, 66, BoundedPrintf(text, sizeof text, "战斗规模：%s", m_Fight.m_strScale.c_str()), kTipWhite);
    DrawTextRel(this, 50, 81, BoundedPrintf(text, sizeof text, "战斗等级：%s", LevelName(m_wDifficulty)), kTipWhite);
}

void CAerieFightSheet::DrawSheetPowers(int enemyDifficulty) const
{
    char text[kShortTextBound];
    const u8 server = AerieView::GetServerAwardMultiplier();
    if (server > 10) {
        char value[16];
        BoundedPrintf(value, sizeof value, "%.1f", server / 10.0);
        DrawTextRel(this, 330, 102, BoundedPrintf(text, sizeof text, "服务器任务奖励翻倍开启，奖励倍数为：%s", value), kRed);
    }
    const u32 power = FightPower(m_nGroup);
    DrawTextRel(this, 78, 203, BoundedPrintf(text, sizeof text, "总战斗力：%u", EnemyPower(power, enemyDifficulty)),
                kTipWhite);
    DrawTextRel(this, 358, 326, BoundedPrintf(text, sizeof text, "战斗损失预估：%0.2f%%", static_cast<double>(m_fLoss)),
                kTipWhite);
    DrawTextRel(this, 78, 352, BoundedPrintf(text, sizeof text, "总战斗力：%u", power), kTipWhite);
}

// ---- Before the fight ----

constexpr GameTopic<CAerieFightBeforeWnd> kBeforeTopics[] = {
    {EVT_FIGHT_TABLE_CHANGED, &CAerieFightBeforeWnd::OnFightTableChanged},
};

bool CAerieFightBeforeWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kBeforeTopics);
}

void CAerieFightBeforeWnd::OnCreateControls()
{
    CreateButton(157, 515, &m_pStartButton, 257, true, true, "");
    CAerieNewBie::GetSingleton().SetStepTarget(38, m_pStartButton);
    CreateButton(385, 515, &m_pCancelButton, 12, true, true, "");
    CreateIcons(EnemyFactor(m_wDifficulty));
    m_pGroupChoice = new (std::nothrow) CORVChoice();
    if (m_pGroupChoice != nullptr) {
        AddChild(m_pGroupChoice, false);
        m_pGroupChoice->CreateBox(this, 117, 321, 152);
        for (int g = 0; g < 3; ++g) {
            m_pGroupChoice->AddItem(kGroupNames[g], 0xFFFFFFFF, 0);
        }
        if (m_nGroup < 3) {
            m_pGroupChoice->SetCurSel(static_cast<int>(m_nGroup));
        }
        CAerieNewBie::GetSingleton().SetStepTarget(37, m_pGroupChoice);
    }
    SendQuery();
}

void CAerieFightBeforeWnd::SendQuery() const
{
    CAerieRequest::GetSingleton().ConfirmBeforeFight(m_wDifficulty, static_cast<u16>(m_nGroup), m_wFightId);
}

bool CAerieFightBeforeWnd::OnFightTableChanged(ORVMsg*)
{
    ComputeLoss();
    return true;
}

bool CAerieFightBeforeWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pStartButton) {
        OnStart();
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pCancelButton) {
        Close();
        return true;
    }
    if (FollowChoice(m_pGroupChoice, msg, [this](int before) { OnGroupPicked(before); })) {
        return true;
    }
    CAerieGameWnd::OnMessage(msg);
    return true;
}

void CAerieFightBeforeWnd::OnGroupPicked(int before)
{
    const int row = m_pGroupChoice->m_nCurSel;
    CAerieNewBie::GetSingleton().OnStepEvent(37);
    if (row != before && row >= 0) {
        m_nGroup = static_cast<u32>(row);
        ShowGroup(m_nGroup);
        SendQuery();
    }
}

void CAerieFightBeforeWnd::OnStart()
{
    if (m_pGroupChoice == nullptr || m_pGroupChoice->m_nCurSel < 0) {
        return;
    }
    const u32 group = static_cast<u32>(m_pGroupChoice->m_nCurSel);
    const CAerieMonsterGroup& g =
        StartFromOwnCity() ? AerieView::GetOwnGroup(static_cast<int>(group)) : AerieView::GetGroup(static_cast<int>(group));
    if (g.m_dwMonsterCount == 0) {
        GameTip("没有可战斗的怪物");
        return;
    }
    const u16 state = g.GetState();
    if (state == 1 || (state >= 3 && state <= 5)) {
        GameTip("当前小组正在进行工程或战斗，无法进行相关操作");
        return;
    }
    const ORVLifeWatch life = Watch();
    if (!SendStart(group) || life.expired()) {
        return;   // nothing went out (the sheet stays), or the sheet is gone
    }
    CAerieNewBie::GetSingleton().OnStepEvent(37);
    CAerieNewBie::GetSingleton().OnStepEvent(38);
    Close();
}

bool CAerieFightRobBeforeWnd::SendStart(u32 group)
{
    return CAerieRequest::GetSingleton().StartPlunder(m_wDifficulty, static_cast<u16>(group), m_wFightId);
}

bool CAerieFightDefendBeforeWnd::SendStart(u32 group)
{
    return CAerieRequest::GetSingleton().StartDefence(m_wDifficulty, static_cast<u16>(group), m_wFightId);
}

void CAerieFightRobBeforeWnd::OnDraw()
{
    DrawSheetTop();
    char text[kShortTextBound];
    DrawTextRel(this, 178, 66, BoundedPrintf(text, sizeof text, "等待时间：%d分钟", m_Fight.m_nWait + m_Fight.m_nFriendWait),
                kTipWhite);
    DrawTextRel(this, 178, 81, BoundedPrintf(text, sizeof text, "战斗时间：%d分钟", m_Fight.m_nFight), kTipWhite);
    if (AerieView::FindFightMissionOf(true, m_wFightId) == nullptr) {
        return;
    }
    for (const ResourcePlace& r : kResources) {
        DrawTextRel(this, r.x, r.y, BoundedPrintf(text, sizeof text, r.times, AerieView::GetFightHeader(true, r.value), 1.0),
                    kTipWhite);
    }
    DrawTextRel(this, 63, 326, "战斗组：", kTipWhite);
    DrawSheetPowers(m_wDifficulty);
}

void CAerieFightDefendBeforeWnd::OnDraw()
{
    DrawSheetTop();
    const AerieFightMission* m = AerieView::FindFightMissionOf(false, m_wFightId);
    if (m == nullptr) {
        return;
    }
    char text[kShortTextBound];
    DrawTextRel(this, 178, 66,
                BoundedPrintf(text, sizeof text, "等待时间：%s", FormatTimeClock(GetFightWaitLeft(*m)).c_str()), kTipWhite);
    const u32 fightSeconds = m_Fight.m_nFight > 0 ? ClampToU32(m_Fight.m_nFight * 60.0) : 0;
    DrawTextRel(this, 178, 81, BoundedPrintf(text, sizeof text, "战斗时间：%s", FormatTimeClock(fightSeconds).c_str()),
                kTipWhite);
    for (const ResourcePlace& r : kResources) {
        DrawTextRel(this, r.x, r.y, BoundedPrintf(text, sizeof text, r.plain, AerieView::GetFightHeader(false, r.value)),
                    kTipWhite);
    }
    DrawTextRel(this, 63, 326, "战斗组：", kTipWhite);
    // The defence sheet's enemy is always at half the own power.
    DrawSheetPowers(0);
}

// ---- A fight under way ----

constexpr GameTopic<CAerieFightInfoWnd> kInfoTopics[] = {
    {EVT_CANCEL_FIGHT, &CAerieFightInfoWnd::OnCancelFight},
};

bool CAerieFightInfoWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kInfoTopics);
}

void CAerieFightInfoWnd::OnCreateControls()
{
    m_nFightingGroup = kNoFightingGroup;
    for (int g = 0; g < 3; ++g) {
        const CAerieMonsterGroup& group = AerieView::GetOwnGroup(g);
        if (group.IsFighting() && group.GetTarget() == m_wFightId) {
            m_nFightingGroup = static_cast<u32>(g);
            break;
        }
    }
    CreateButton(195, 515, &m_pCancelFightButton, 308, true, true, "");
    CreateButton(345, 515, &m_pCloseWndButton, 12, true, true, "");
    m_nGroup = m_nFightingGroup;
    CreateIcons(1.0f);
    for (CAerieEnemyMonsterIconCtrl* icon : m_apEnemy) {
        if (icon != nullptr) {
            icon->m_wStrength = 0;
            icon->m_wFightId = 0;
        }
    }
    ComputeLoss();
}

bool CAerieFightInfoWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pCancelFightButton) {
        AskThen("确认要取消本次战斗任务吗？", GameEvent(EVT_CANCEL_FIGHT, 0, "", this));
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pCloseWndButton) {
        Close();
        return true;
    }
    CAerieGameWnd::OnMessage(msg);
    return true;
}

bool CAerieFightInfoWnd::OnCancelFight(ORVMsg*)
{
    const AerieFightMission* m = AerieView::FindFightMissionOf(false, m_wFightId);
    if (m == nullptr || m->GetPhase() >= kNoFightingGroup) {
        return true;
    }
    const u8 group = m->GetPhase();
    const ORVLifeWatch life = Watch();
    CAerieRequest::GetSingleton().CancelWork(0, group, 0);
    if (!life.expired()) {
        Close();
    }
    return true;
}

void CAerieFightInfoWnd::OnDraw()
{
    DrawSheetTop();
    const AerieFightMission* m = AerieView::FindFightMissionOf(false, m_wFightId);
    if (m == nullptr) {
        return;
    }
    char text[kShortTextBound];
    const u32 wait = GetFightWaitLeft(*m) + GetFightFriendWaitLeft(*m);
    DrawTextRel(this, 178, 66, BoundedPrintf(text, sizeof text, "等待时间：%s", FormatTimeClock(wait).c_str()), kTipWhite);
    DrawTextRel(this, 178, 81,
                BoundedPrintf(text, sizeof text, "战斗时间：%s", FormatTimeClock(GetFightTimeLeft(*m)).c_str()), kTipWhite);
    const double multiplier = m->GetMultiplier() / 10.0;
    for (const ResourcePlace& r : kResources) {
        const u32 amount = m->GetReward(r.value);
        if (m_wFightId == kDefenceMissionIndex) {
            BoundedPrintf(text, sizeof text, r.plain, amount);
        } else {
            BoundedPrintf(text, sizeof text, r.times, amount, multiplier);
        }
        DrawTextRel(this, r.x, r.y, text, kTipWhite);
    }
    DrawTextRel(this, 63, 326,
                BoundedPrintf(text, sizeof text, "战斗组：%s", kGroupNames[m_nFightingGroup < 3 ? m_nFightingGroup : 3]),
                kTipWhite);
    DrawSheetPowers(m_wDifficulty);
}
