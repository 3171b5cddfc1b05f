// The award refresh window: a plunder's carried resources times its multiplier, raised by a paid
// refresh or set by multiplier cards.
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieFightWnds.h"
#include "framework/widgets/ORVButton.h"

namespace {

constexpr u8 kHighMultiplier = 40;   // 4.0: a refresh above it asks first

}  // namespace

CAerieFightAwardRefreshWnd::CAerieFightAwardRefreshWnd() = default;

constexpr GameTopic<CAerieFightAwardRefreshWnd> kAwardTopics[] = {
    {EVT_AWARDREFRESH_HIGH_OK, &CAerieFightAwardRefreshWnd::OnHighAnswer},
    {EVT_AWARDREFRESH_COST_OK, &CAerieFightAwardRefreshWnd::OnCostAnswer},
    {EVT_AWARDREFRESH_CARD_OK, &CAerieFightAwardRefreshWnd::OnCardAnswer},
    {EVT_AWARDREFRESH_CARD_CANCEL, &CAerieFightAwardRefreshWnd::OnCardCancel},
    {EVT_AWARDREFRESH_DATA, &CAerieFightAwardRefreshWnd::OnServerAnswer},
};

bool CAerieFightAwardRefreshWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kAwardTopics);
}

void CAerieFightAwardRefreshWnd::SetArgs(int arg, std::string)
{
    m_wFightId = static_cast<u16>(static_cast<u32>(arg) & 0xFFFF);
    m_wHigh = static_cast<u16>(static_cast<u32>(arg) >> 16);
}

u8 CAerieFightAwardRefreshWnd::CurrentByte() const
{
    const AerieFightMission* m = AerieView::FindFightMissionOf(true, m_wFightId);
    return m != nullptr ? m->GetMultiplier() : 0;
}

void CAerieFightAwardRefreshWnd::SetUpFrame()
{
    const CXmlFight* fight = AerieView::FindFightConfig(m_wFightId);
    if (AerieView::FindFightMissionOf(true, m_wFightId) == nullptr || fight == nullptr) {
        Close();
        return;
    }
    m_Fight = *fight;
    m_bHasFight = true;
    std::string title = m_Fight.m_strName;
    CutGbk(title, kShortTextBound - 1);
    SetTitleText(title.c_str(), 155, 14, kTipWhite, 1);
    InitFrame(this, 28);
}

void CAerieFightAwardRefreshWnd::OnCreateControls()
{
    if (!m_bHasFight) {
        return;
    }
    CreateButton(95, 142, &m_pRefreshButton, 296, true, true, "");
    CreateButton(265, 142, &m_pCardButton, 317, true, true, "可使用翻倍卡直接翻倍获得的资源数量");
    char text[kBoxTextBound];
    for (int k = 0; k < kCards; ++k) {
        const double m = CardMultiplier(k);
        CreateButton(15 + 85 * (k % 5), k < 5 ? 135 : 157, &m_apCard[k], 320, false, false,
                     BoundedPrintf(text, kShortTextBound, "使用%0.1f倍卡后，可获得%0.1f倍资源", m, m));
        if (m_apCard[k] != nullptr) {
            m_apCard[k]->m_strCaption = BoundedPrintf(text, kShortTextBound, "%0.1f倍", m);
        }
    }
    const char* name = m_Fight.m_strName.c_str();
    m_strRefreshText = BoundedPrintf(text, sizeof text,
                                     "%s\n通过刷新可以增加战斗获得资源数量。\n%s刷新奖励需要扣除%d点券，最高可提升%d倍奖励。",
                                     name, name, m_Fight.m_nHour, m_Fight.m_nMaxTimes);
    m_strCardText = BoundedPrintf(text, sizeof text,
                                  "%s\n选择倍数后可直接获得对应倍数资源数量。\n%s每次需要使用%d张同倍数的倍数卡。", name,
                                  name, m_Fight.m_nHour);
    m_Help.m_wLineHeight = 20;
    SetMode(false);
}

void CAerieFightAwardRefreshWnd::SetMode(bool cards)
{
    m_bCardMode = cards;
    m_Help.SetText(cards ? m_strCardText : m_strRefreshText, 400, kTipWhite, 1);
    SetChildState(reinterpret_cast<CORVControl**>(&m_pRefreshButton), !cards, !cards);
    SetChildState(reinterpret_cast<CORVControl**>(&m_pCardButton), !cards, !cards);
    for (CORVButton*& card : m_apCard) {
        SetChildState(reinterpret_cast<CORVControl**>(&card), cards, cards);
    }
}

bool CAerieFightAwardRefreshWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr || msg->m_nId != kNotifyLeftClick) {
        CAerieGameWnd::OnMessage(msg);
        return true;
    }
    if (msg->m_pSender == m_pRefreshButton) {
        OnRefreshClick();
        return true;
    }
    if (msg->m_pSender == m_pCardButton) {
        SetMode(true);
        return true;
    }
    for (int k = 0; k < kCards; ++k) {
        if (msg->m_pSender == m_apCard[k]) {
            OnCardClick(k);
            return true;
        }
    }
    CAerieGameWnd::OnMessage(msg);
    return true;
}

void CAerieFightAwardRefreshWnd::OnRefreshClick()
{
    if (!m_Throttle.TryNow()) {
        GameTip("刷新的速度太快了，请稍候再点");
        return;
    }
    char text[kBoxTextBound];
    if (AskWithCheckIfNeeded(AerieConfigKey::AwardRefreshHint,
                             BoundedPrintf(text, sizeof text, "本次刷新将扣除%u点券，你确定要刷新吗？",
                                           AwardRefreshCost(m_wFightId)),
                             "不再提示我", GameEvent(EVT_AWARDREFRESH_COST_OK, 0, "", this))) {
        return;
    }
    if (AskIfHigh()) {
        return;
    }
    SendRefresh(0);
}

bool CAerieFightAwardRefreshWnd::AskIfHigh()
{
    const u8 byte = CurrentByte();
    if (byte < kHighMultiplier) {
        return false;
    }
    char text[kBoxTextBound];
    AskThen(BoundedPrintf(text, sizeof text, "当前奖励是%.1f倍，确定要继续刷新吗？", byte / 10.0),
            GameEvent(EVT_AWARDREFRESH_HIGH_OK, 0, "", this));
    return true;
}

void CAerieFightAwardRefreshWnd::SendRefresh(u16 multiplierTimesTen)
{
    CAerieRequest::GetSingleton().RefreshFightAward(0, m_wFightId, multiplierTimesTen);
}

bool CAerieFightAwardRefreshWnd::OnHighAnswer(ORVMsg*)
{
    SendRefresh(0);
    return true;
}

bool CAerieFightAwardRefreshWnd::OnCostAnswer(ORVMsg*)
{
    // The hint setting was written from the box's check box before this handler.
    if (!AskIfHigh()) {
        SendRefresh(0);
    }
    return true;
}

void CAerieFightAwardRefreshWnd::OnCardClick(int k)
{
    if (k < 0 || k >= kCards || !m_bHasFight || m_apCard[k] == nullptr ||
        AerieView::FindFightMissionOf(true, m_wFightId) == nullptr) {
        return;
    }
    const float current = static_cast<float>(CurrentByte()) / 10.0f;
    const float wanted = CardMultiplier(k);
    if (current < wanted) {
        m_fChosen = wanted;
        char text[kBoxTextBound];
        AskThen(BoundedPrintf(text, sizeof text, "您确定要刷新到%0.1f倍吗？", static_cast<double>(wanted)),
                GameEvent(EVT_AWARDREFRESH_CARD_OK, static_cast<u32>(k), "", this),
                GameEvent(EVT_AWARDREFRESH_CARD_CANCEL, static_cast<u32>(k), "", this));
        return;
    }
    GameTip("您选择的倍数低于或等于当前倍数");
}

bool CAerieFightAwardRefreshWnd::OnCardAnswer(ORVMsg* msg)
{
    if (msg->m_lParam < static_cast<u32>(kCards)) {
        SendRefresh(static_cast<u16>(CardMultiplier(static_cast<int>(msg->m_lParam)) * 10.0f));
    }
    return true;
}

bool CAerieFightAwardRefreshWnd::OnCardCancel(ORVMsg*)
{
    m_fChosen = 0.0f;
    return true;
}

bool CAerieFightAwardRefreshWnd::OnServerAnswer(ORVMsg* msg)
{
    if (msg->m_lParam == 1) {
        GameTip("包裹内没有足够相应的倍数卡");
        m_fChosen = 0.0f;
        SetMode(false);
    }
    return true;
}

void CAerieFightAwardRefreshWnd::OnDraw()
{
    m_Help.Draw(m_nAbsX + 25, m_nAbsY + 195);
    DrawTextRel(this, 175, 46, "敌军携带资源", kTipWhite, 0, 2);
    const AerieFightMission* m = AerieView::FindFightMissionOf(true, m_wFightId);
    if (m == nullptr) {
        return;
    }
    const double shown = m_fChosen >= 1.5f ? static_cast<double>(m_fChosen) : m->GetMultiplier() / 10.0;
    char text[kShortTextBound];
    DrawTextRel(this, 90, 75, BoundedPrintf(text, sizeof text, "牧草：%u×%.1f", m->GetReward(0), shown), kTipWhite);
    DrawTextRel(this, 90, 95, BoundedPrintf(text, sizeof text, "木材：%u×%.1f", m->GetReward(2), shown), kTipWhite);
    DrawTextRel(this, 250, 75, BoundedPrintf(text, sizeof text, "石料：%u×%.1f", m->GetReward(1), shown), kTipWhite);
    DrawTextRel(this, 250, 95, BoundedPrintf(text, sizeof text, "金属：%u×%.1f", m->GetReward(3), shown), kTipWhite);
}
