// The plunder and defence pages of the mission window.
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVToolTip.h"

namespace {

constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr int kTextDx = 15;
constexpr int kTextDy = 6;
constexpr u8 kFlagRewardWaits = 0x01;
constexpr u8 kFlagWaiting = 0x02;
constexpr u8 kFlagFriendWaiting = 0x04;
constexpr u8 kPhaseNone = 3;   // a phase byte of 3 or more: no group fights

// The first own group (0..2) that fights mission i (state 3, 4 or 5), or -1.
int GroupOnMission(u32 i)
{
    for (int g = 0; g < 3; ++g) {
        const CAerieMonsterGroup& group = AerieView::GetOwnGroup(g);
        if (group.IsFighting() && group.GetTarget() == i) {
            return g;
        }
    }
    return -1;
}

// (difficulty << 16) | mission, the argument of the fight sheets.
u32 SheetArg(int difficulty, u32 type)
{
    return (static_cast<u32>(difficulty < 0 ? 0 : difficulty) << 16) | (type & 0xFFFF);
}

// "等待中 %s", "战斗中  %s", "好友等待  %s" with the mission's clock, and the phase image; false
// for another state.
bool PhaseText(int state, const AerieFightMission& m, char* out, std::size_t size, int* image, int* imageDx)
{
    switch (state) {
    case 3:
        BoundedPrintf(out, size, "等待中 %s", FormatTimeClock(GetFightWaitLeft(m)).c_str());
        *image = 399;
        *imageDx = 135;
        return true;
    case 4:
        BoundedPrintf(out, size, "战斗中  %s", FormatTimeClock(GetFightTimeLeft(m)).c_str());
        *image = 464;
        *imageDx = 130;
        return true;
    case 5:
        BoundedPrintf(out, size, "好友等待  %s", FormatTimeClock(GetFightFriendWaitLeft(m)).c_str());
        *image = 399;
        *imageDx = 130;
        return true;
    default:
        return false;
    }
}

// x strictly inside the list's width and y strictly inside its rows.
bool InListArea(int x, int y, int left, int width, int top, int rows, int pitch)
{
    return x > left && x < left + width && y > top && y < top + rows * pitch;
}

}  // namespace

// ---- Plunder page ----

CAerieMissionRobItem::CAerieMissionRobItem() : CAerieMissionPage(23, 120, 405, 33, kRows) {}

constexpr GameTopic<CAerieMissionRobItem> kRobTopics[] = {
    {EVT_MISSION_CHANGED, &CAerieMissionRobItem::OnMissionChanged},
    {EVT_CLAIM_FIGHT_AWARD, &CAerieMissionRobItem::OnClaimAnswer},
};

bool CAerieMissionRobItem::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kRobTopics);
}

void CAerieMissionRobItem::OnCreatePage()
{
    CreateDifficultyChoice(false);
    for (int i = 0; i < kRows; ++i) {
        const int y = 120 + 33 * i + kTextDy - 4;
        CreateButton(23 + kTextDx + 320, y, &m_aRaiseButton[i], 290, false, false, "");
        CreateButton(23 + kTextDx + 320, y, &m_aClaimButton[i], 293, false, false, "");
    }
    AerieView::GetFightsOfGroup(1, m_vFights);
    Refresh();
    if (!m_vFights.empty()) {
        m_Rows.SelectEntry(0);
        FillDifficulty();
    }
    CAerieNewBie::GetSingleton().SetStepTarget(36, m_pGoButton);
    CAerieNewBie::GetSingleton().SetStepTarget(35, m_pDifficulty);
    CAerieNewBie::GetSingleton().SetStepTarget(34, this);
}

void CAerieMissionRobItem::Refresh()
{
    for (int i = 0; i < kRows; ++i) {
        const int g = GroupOnMission(static_cast<u32>(i));
        m_aState[i] = g < 0 ? 0 : AerieView::GetOwnGroup(g).GetState();
        const AerieFightMission* m = AerieView::FindFightMissionOf(true, static_cast<u32>(i));
        const bool pending = m != nullptr && (m->GetFlags() & kFlagRewardWaits) != 0;
        SetChildState(reinterpret_cast<CORVControl**>(&m_aClaimButton[i]), pending, pending);
        SetChildState(reinterpret_cast<CORVControl**>(&m_aRaiseButton[i]), false, false);
        if (!pending && m_aState[i] == 3) {
            SetChildState(reinterpret_cast<CORVControl**>(&m_aRaiseButton[i]), true, true);
        }
    }
}

bool CAerieMissionRobItem::OnMissionChanged(ORVMsg*)
{
    Refresh();
    return true;
}

void CAerieMissionRobItem::FillDifficulty()
{
    if (m_pDifficulty == nullptr || !ValidFight(Selected())) {
        return;
    }
    m_pDifficulty->ClearItems();
    for (const char* item : {"初级", "中级", "高级"}) {
        m_pDifficulty->AddItem(item, 0xFFFFFFFF, 0);
    }
    m_pDifficulty->SetCurSel(0);
    const int g = GroupOnMission(static_cast<u32>(Selected()));
    if (g >= 0) {
        const u8 difficulty = AerieView::GetOwnGroup(g).GetDifficulty();
        if (difficulty < 3) {
            m_pDifficulty->SetCurSel(difficulty);
        }
    }
}

bool CAerieMissionRobItem::IsRunning() const
{
    const int sel = Selected();
    return ValidFight(sel) && m_vFights[sel].m_nType == sel && sel < kRows && m_aState[sel] >= 3 &&
           m_aState[sel] <= 5;
}

bool CAerieMissionRobItem::DifficultyRefused() const
{
    if (m_pDifficulty == nullptr) {
        return true;
    }
    static constexpr struct {
        u16 level;
        const char* tip;
    } kNeeds[] = {
        {1, "您的主城等级需要达到1级才能进行初级难度战斗"},
        {8, "您的主城等级需要达到8级才能进行中级难度战斗"},
        {16, "您的主城等级需要达到16级才能进行高级难度战斗"},
    };
    const int sel = m_pDifficulty->m_nCurSel;
    if (sel < 0 || sel > 2) {
        return true;
    }
    if (AerieView::GetMainCityLevel(true) < kNeeds[sel].level) {
        GameTip(kNeeds[sel].tip);
        return true;
    }
    return false;
}

bool CAerieMissionRobItem::OnMouseMove(int x, int y)
{
    m_Rows.Hover(x, y, static_cast<int>(m_vFights.size()));
    return CAerieMissionPage::OnMouseMove(x, y);
}

bool CAerieMissionRobItem::OnLButtonUp(int x, int y)
{
    if (InListArea(x, y, 23, 405, 120, kRows, 33)) {
        if (m_Rows.Select(x, y, static_cast<int>(m_vFights.size()))) {
            CAerieNewBie::GetSingleton().OnStepEvent(35);
            CAerieNewBie::GetSingleton().OnStepEvent(34);
        }
        FillDifficulty();
    }
    return CAerieMissionPage::OnLButtonUp(x, y);
}

bool CAerieMissionRobItem::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr) {
        for (int i = 0; i < kRows; ++i) {
            if (msg->m_pSender == m_aRaiseButton[i]) {
                const int g = GroupOnMission(static_cast<u32>(i));
                const u32 difficulty = g < 0 ? 0 : AerieView::GetOwnGroup(g).GetDifficulty();
                DeliverGameEvent(EVT_AWARDREFRESH_WND, (difficulty << 16) | static_cast<u32>(i));
                return true;
            }
            if (msg->m_pSender == m_aClaimButton[i]) {
                ConfirmClaim(i);
                return true;
            }
        }
    }
    return CAerieMissionPage::OnMessage(msg);
}

void CAerieMissionRobItem::OnGo()
{
    if (m_pDifficulty == nullptr) {
        return;
    }
    const int sel = Selected();
    if (!ValidFight(sel)) {
        GameTip("请选择一个查看的战斗");
        return;
    }
    const CXmlFight& fight = m_vFights[sel];
    const u32 arg = SheetArg(m_pDifficulty->m_nCurSel, static_cast<u32>(fight.m_nType));
    const AerieFightMission* m = AerieView::FindFightMissionOf(true, static_cast<u32>(fight.m_nType));
    if (m != nullptr && (m->GetFlags() & kFlagRewardWaits) != 0) {
        GameTip("领取战斗奖励后才能继续进行战斗");
        return;
    }
    if (IsRunning()) {
        DeliverGameEvent(EVT_FIGHTINFO_WND, arg);
        return;
    }
    DeliverGameEvent(EVT_FIGHTROB_WND, arg);
    CAerieNewBie::GetSingleton().OnStepEvent(34);
    CAerieNewBie::GetSingleton().OnStepEvent(35);
    CAerieNewBie::GetSingleton().OnStepEvent(36);
}

void CAerieMissionRobItem::OnChoiceDrop()
{
    if (IsRunning()) {
        GameTip("该场战斗已开始，无法选择难度");
        return;
    }
    if (m_pDifficulty != nullptr) {
        m_pDifficulty->m_bOpen ? m_pDifficulty->CloseList() : m_pDifficulty->DropDown();
    }
}

void CAerieMissionRobItem::OnChoicePicked(int before)
{
    if (!DifficultyRefused()) {
        CAerieNewBie::GetSingleton().OnStepEvent(35);
    } else if (before >= 0 && m_pDifficulty != nullptr) {
        m_pDifficulty->SetCurSel(before);
    }
}

void CAerieMissionRobItem::ConfirmClaim(int i)
{
    const AerieFightMission* m = AerieView::FindFightMissionOf(true, static_cast<u32>(i));
    if (m == nullptr) {
        return;
    }
    const double multiplier = (m->GetMultiplier() / 10.0) * (m->GetMultiplier2() / 10.0);
    const u32 grass = ClampToU32(m->GetReward(0) * multiplier);
    const u32 stone = ClampToU32(m->GetReward(1) * multiplier);
    const u32 wood = ClampToU32(m->GetReward(2) * multiplier);
    const u32 metal = ClampToU32(m->GetReward(3) * multiplier);
    AskThen(RewardQuestion(grass, wood, stone, metal), GameEvent(EVT_CLAIM_FIGHT_AWARD, static_cast<u32>(i), "", this));
}

bool CAerieMissionRobItem::OnClaimAnswer(ORVMsg* msg)
{
    if (msg->m_lParam < static_cast<u32>(kRows)) {
        CAerieRequest::GetSingleton().ClaimFightReward(static_cast<u16>(msg->m_lParam));
    }
    return true;
}

void CAerieMissionRobItem::OnDraw()
{
    DrawFightHeadings();
    for (int i = 0; i < kRows; ++i) {
        const int y = m_Rows.RowTop(i);
        DrawRowBar(i);
        if (!ValidFight(i)) {
            continue;
        }
        const CXmlFight& fight = m_vFights[i];
        const u32 colour = m_Rows.SelectedRow() == i || m_Rows.HoverRow() == i ? CListRows::kActiveTextColour : kTipWhite;
        DrawTextRel(this, 38, y + kTextDy, fight.m_strName.c_str(), colour);
        const AerieFightMission* m = AerieView::FindFightMissionOf(true, static_cast<u32>(fight.m_nType));
        if (m == nullptr || fight.m_nType != i) {
            continue;
        }
        char text[kShortTextBound];
        int image = 0;
        int imageDx = 0;
        if (!PhaseText(m_aState[i], *m, text, sizeof text, &image, &imageDx)) {
            continue;
        }
        DrawTextRel(this, 23 + kTextDx + 160, y + kTextDy, text, kGreen);
        DrawImageRel(this, 23 + kTextDx + imageDx, y + 2, image);
        if (m_aState[i] == 3) {
            BoundedPrintf(text, sizeof text, "%.1f倍奖励", m->GetMultiplier() / 10.0);
            DrawTextRel(this, 23 + kTextDx + 260, y + kTextDy, text, colour);
        }
    }
}

// ---- Defence page ----

CAerieMissionDefendItem::CAerieMissionDefendItem() : CAerieMissionPage(23, 92, 405, 27, kRows) {}

constexpr GameTopic<CAerieMissionDefendItem> kDefendTopics[] = {
    {EVT_MISSION_CHANGED, &CAerieMissionDefendItem::OnMissionChanged},
};

bool CAerieMissionDefendItem::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kDefendTopics);
}

void CAerieMissionDefendItem::TabStrip(u16* baseFrame, int* count) const
{
    const bool own = AerieView::IsOwnCityShown();
    *baseFrame = own ? 239 : 242;
    *count = own ? 3 : 1;
}

void CAerieMissionDefendItem::OnCreatePage()
{
    if (!AerieView::IsOwnCityShown() && m_pTabs != nullptr) {
        m_pTabs->m_bEnabled = 0;
    }
    if (CreateDifficultyChoice(true) != nullptr) {
        SetChildState(reinterpret_cast<CORVControl**>(&m_pDifficulty), false, false);
    }
    AerieView::GetFightsOfGroup(2, m_vFights);
    Refresh();
    if (!m_vFights.empty()) {
        m_Rows.SelectEntry(0);
    }
}

void CAerieMissionDefendItem::Refresh()
{
    m_nState = 0;
    if (const AerieFightMission* m = AerieView::FindFightMission(kMissionIndex)) {
        if ((m->GetFlags() & kFlagWaiting) != 0) {
            m_nState = 3;
        } else if ((m->GetFlags() & kFlagFriendWaiting) != 0) {
            m_nState = 5;
        } else if (m->GetPhase() < kPhaseNone) {
            m_nState = 4;
        }
    }
    m_vHelpRows.clear();
    if (AerieView::IsOwnCityShown()) {
        const std::string_view own = GetOwnPlayerName();
        for (int g = 0; g < 3; ++g) {
            const CAerieMonsterGroup& group = AerieView::GetOwnGroup(g);
            if (group.GetState() == 4 && group.GetTarget() == kMissionIndex && !group.m_strTargetOwnerName.empty() &&
                group.m_strTargetOwnerName != own) {
                m_vHelpRows.push_back(g);
            }
        }
    }
    if (Selected() > static_cast<int>(m_vHelpRows.size())) {
        m_Rows.SelectEntry(0);
    }
}

bool CAerieMissionDefendItem::OnMissionChanged(ORVMsg*)
{
    Refresh();
    return true;
}

bool CAerieMissionDefendItem::HasOtherFighter() const
{
    if (m_vFights.empty()) {
        return false;
    }
    const AerieFightMission* m = AerieView::FindFightMission(static_cast<u32>(m_vFights[0].m_nType));
    if (m == nullptr || m->GetPhase() >= kPhaseNone) {
        return false;
    }
    const std::string_view name = m->GetFighterName();
    return !name.empty() && (!AerieView::IsOwnCityShown() || name != GetOwnPlayerName());
}

bool CAerieMissionDefendItem::OnMouseMove(int x, int y)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    tip.Clear();
    if (m_Rows.Hover(x, y, RowCount()) >= 0) {
        tip.AddText(6, "参加防御任务前请保持仓库与粮仓的充裕，否则将无法获得奖励", 0);
    }
    return CAerieMissionPage::OnMouseMove(x, y);
}

bool CAerieMissionDefendItem::OnLButtonUp(int x, int y)
{
    m_Rows.Select(x, y, RowCount());
    return CAerieMissionPage::OnLButtonUp(x, y);
}

void CAerieMissionDefendItem::OnGo()
{
    if (m_pDifficulty == nullptr) {
        return;
    }
    const int sel = Selected();
    if (sel > 0 && sel <= static_cast<int>(m_vHelpRows.size())) {
        const std::string& owner = AerieView::GetOwnGroup(m_vHelpRows[sel - 1]).m_strTargetOwnerName;
        // The game window opens the missions on the next entry only when the visit goes out.
        if (!owner.empty() && !NewBieIsActive()) {
            DeliverGameEvent(EVT_LEAVE_FOR_DEFENCE);
        }
        if (!owner.empty()) {
            AerieView::SendVisitCity(owner);
        }
        return;
    }
    if (HasOtherFighter()) {
        const AerieFightMission* m = AerieView::FindFightMission(static_cast<u32>(m_vFights[0].m_nType));
        char text[kShortTextBound];
        const std::string name(m->GetFighterName());
        GameTip(BoundedPrintf(text, sizeof text, "%s正在战斗", name.c_str()));
        return;
    }
    if (sel < 0 || sel >= static_cast<int>(m_vFights.size())) {
        GameTip("请选择一个查看的战斗");
        return;
    }
    const CXmlFight& fight = m_vFights[sel];
    const u32 arg = SheetArg(m_pDifficulty->m_nCurSel, static_cast<u32>(fight.m_nType));
    if (AerieView::GetMainCityLevel(true) < 3) {
        GameTip("您的主城等级需要达到3级才能进行防御战斗");
        return;
    }
    if (AerieView::FindFightMission(static_cast<u32>(fight.m_nType)) == nullptr) {
        return;
    }
    const bool own = AerieView::IsOwnCityShown();
    if (m_nState == 4) {
        DeliverGameEvent(EVT_FIGHTINFO_WND, arg);
    } else if (m_nState == (own ? 3 : 5)) {
        DeliverGameEvent(EVT_FIGHTDEFEND_WND, arg);
    } else if (m_nState == 5) {
        GameTip("现在是好友等待时间，自己无法参与战斗");
    } else if (m_nState == 3) {
        GameTip("现在是他人的等待时间，自己无法参与战斗");
    } else {
        GameTip("防御战斗还未开始");
    }
}

void CAerieMissionDefendItem::OnDraw()
{
    DrawFightHeadings();
    DrawTextRel(this, 33, 206, "等待时间：只有该琉璃台的城主才能参加该场防御任务", kTipWhite);
    DrawTextRel(this, 33, 233, "好友时间：只有好友才能参加该场防御任务，城主无法参加", kTipWhite);
    DrawTextRel(this, 33, 260, "防御任务奖励：无论自己或好友的防御任务，参加战斗的人才能获得奖励", kTipWhite);
    DrawRowBar(0);
    if (m_vFights.empty()) {
        return;
    }
    const CXmlFight& fight = m_vFights[0];
    const auto colour = [this](int r) {
        return m_Rows.SelectedRow() == r || m_Rows.HoverRow() == r ? CListRows::kActiveTextColour : kTipWhite;
    };
    DrawTextRel(this, 38, m_Rows.RowTop(0) + kTextDy, fight.m_strName.c_str(), colour(0));
    // Own groups defending other cities: the owner they help, fighting.
    for (std::size_t h = 0; h < m_vHelpRows.size() && h + 1 < static_cast<std::size_t>(kRows); ++h) {
        const int r = static_cast<int>(h) + 1;
        const int y = m_Rows.RowTop(r);
        DrawRowBar(r);
        DrawTextRel(this, 38, y + kTextDy, AerieView::GetOwnGroup(m_vHelpRows[h]).m_strTargetOwnerName.c_str(), colour(r));
        DrawImageRel(this, 138, y + 2, 464);
        DrawTextRel(this, 168, y + kTextDy, "战斗中", kGreen);
    }
    const AerieFightMission* m = AerieView::FindFightMission(static_cast<u32>(fight.m_nType));
    if (AerieView::GetMainCityLevel(true) < 3 || m == nullptr || fight.m_nType != kMissionIndex) {
        return;
    }
    const int y = m_Rows.RowTop(0);
    char text[kShortTextBound];
    int image = 0;
    int imageDx = 0;
    if (PhaseText(m_nState, *m, text, sizeof text, &image, &imageDx)) {
        DrawImageRel(this, 23 + kTextDx + imageDx - 30, y + 2, image);
        DrawTextRel(this, 168, y + kTextDy, text, kGreen);
        if (m_nState == 4 && HasOtherFighter()) {
            const std::string name(m->GetFighterName());
            DrawTextRel(this, 278, y + kTextDy, BoundedPrintf(text, sizeof text, "参加好友：%s", name.c_str()), kYellow);
        }
        return;
    }
    BoundedPrintf(text, sizeof text, "怪物入侵时间：%s", FormatTimeDHMS(GetInvasionTimeLeft(*m)).c_str());
    DrawTextRel(this, 168, y + kTextDy, text, kGreen);
}
