#include "aerie/windows/AerieGetMonsterWnd.h"

#include <new>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieGetMonsterWnd, CAerieContainer)

namespace {

struct GetMonsterWndRegistration {
    GetMonsterWndRegistration() { SetAerieWindowRecord(AerieWndKind::GetMonster, ORV_RUNTIME_CLASS(CAerieGetMonsterWnd)); }
} g_GetMonsterWndRegistration;

constexpr GameTopic<CAerieGetMonsterWnd> kTopics[] = {
    {EVT_RELEASE_NEW_MONSTER, &CAerieGetMonsterWnd::OnReleaseEvent},
    {EVT_TOPUP_POINTS, &CAerieGetMonsterWnd::OnTopUpEvent},
    {EVT_COMMON_MONSTER_REFRESH, &CAerieGetMonsterWnd::OnCommonRefreshEvent},
    {EVT_SENIOR_MONSTER_REFRESH, &CAerieGetMonsterWnd::OnSeniorRefreshEvent},
    {EVT_HIGH_MONSTER_REFRESH, &CAerieGetMonsterWnd::OnHighRefreshEvent},
};

// Requests of the window (main id 0x367, no body).
constexpr u16 kSubRefresh = 0x19;
constexpr u16 kSubTopUp = 0x1a;
constexpr u16 kSubAssign = 0x1b;
constexpr u16 kSubRelease = 0x1c;
// The refresh of a new monster names no slot.
constexpr u16 kNoSlot = 0xFFFF;
// Monsters of this grade and above (blue, purple) ask once more before a refresh.
constexpr i32 kHighGrade = 3;
// The tutorial step of taking the new monster (and of closing the window).
constexpr u16 kStepTaken = 16;

const char* const kRefreshQuestion = "刷新将要扣除您对应的刷新点数，您确定要刷新吗？";

}  // namespace

CClickThrottle& CAerieGetMonsterWnd::RefreshThrottle()
{
    return WindowKeep().m_MonsterRefresh;
}

CAerieGetMonsterWnd::CAerieGetMonsterWnd() = default;
CAerieGetMonsterWnd::~CAerieGetMonsterWnd() = default;

void CAerieGetMonsterWnd::SetArgs(int arg, std::string text)
{
    m_nMode = arg;
    m_wSlot = ReadLE16At(reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0);
}

void CAerieGetMonsterWnd::OnCreateControls()
{
    if (m_nMode == kNewMonsterMode) {
        CreateButton(137, 150, &m_pAssignBtn, 266, true, true, "");
        CAerieNewBie::GetSingleton().SetStepTarget(kStepTaken, m_pAssignBtn);
        CreateButton(275, 150, &m_pReleaseBtn, 269, true, true, "");
    }
    CreateButton(57, 337, &m_pCommonBtn, 272, true, true, "");
    CreateButton(245, 337, &m_pSeniorBtn, 275, true, true, "");
    CreateButton(310, 310, &m_pTopUpBtn, 278, true, true, "");
    m_pCoupons = new (std::nothrow) CORVChoice();
    if (m_pCoupons != nullptr) {
        AddChild(m_pCoupons, false);
        m_pCoupons->CreateBox(this, 30, 307, 273);
        m_pCoupons->AddItem("充入1点券（增加3刷新点数）", 0xFF00FF00, 0);
        m_pCoupons->AddItem("充入10点券（增加32刷新点数）", 0xFF00FF00, 0);
    }
    m_Info.SetText(m_nMode == kNewMonsterMode
                       ? "经智能系统研究，该怪物为    型，即将归入    小组。如果对怪物满意，请点击“归组”按钮将其归组并返回孵蛋工厂。如果对怪物不满意请进行刷新。"
                       : "如果对怪物满意，请关闭刷新界面并返回怪\n\n物总览。如果对怪物仍不满意请继续进行刷\n\n新。",
                   238, 0xFFFFFFFF, 1);
    m_Help.SetText("点击“刷新”按钮后会重新获得新的怪物，但怪物的小组不会变化。如生产组的怪物无论如何刷新，\t获得的都是生产组怪物。"
                   "首先选择您要充入的点券，再点击充入点数，则会增加对应的刷新点数。\t然后点击普通刷新或高级刷新，"
                   "                                                     \t高级刷新有高概率获得高级怪物。",
                   344, 0xFFFFFFFF, 1);
}

const AerieMonsterEntry& CAerieGetMonsterWnd::GetShownMonster() const
{
    return m_nMode == kNewMonsterMode ? AerieView::GetNewMonster() : AerieView::GetMonster(false, m_wSlot);
}

void CAerieGetMonsterWnd::SendRefresh(int kind)
{
    if (kind < 0) {
        return;
    }
    Request().GetMonsterAction(kSubRefresh, static_cast<u16>(kind), m_nMode == kNewMonsterMode ? kNoSlot : m_wSlot);
}

void CAerieGetMonsterWnd::SendTopUp()
{
    if (m_pCoupons == nullptr) {
        return;
    }
    Request().GetMonsterAction(kSubTopUp, m_pCoupons->m_nCurSel == 0 ? 1 : 10, 0);
}

void CAerieGetMonsterWnd::ConfirmRefresh(int kind)
{
    RefreshThrottle().Mark(TickNow());
    const AerieMonsterEntry& monster = GetShownMonster();
    if (monster.GetMonsterId() == 0) {
        return;
    }
    if (monster.m_pConfig == nullptr || monster.m_pConfig->m_nLvl < kHighGrade) {
        SendRefresh(kind);
        return;
    }
    AskThen("当前怪物是高等级的哦，确定要继续刷新吗？\n（怪物等级按照白，绿，蓝，紫四种颜色依次提高，紫色怪物为最高级怪物）",
            GameEvent(EVT_HIGH_MONSTER_REFRESH, static_cast<u32>(kind), std::string(), this));
}

void CAerieGetMonsterWnd::AskRefresh(const char* key, int kind, u32 okTopic)
{
    if (RefuseDuringTutorial("请您先完成新手任务，再来刷新！")) {
        return;
    }
    if (!AskWithCheckIfNeeded(key, kRefreshQuestion, kCheckCaption, GameEvent(okTopic, 0, std::string(), this), ORVMsg(),
                              ConfirmWrite::ZeroOnlyWhenTicked)) {
        ConfirmRefresh(kind);
    }
}

bool CAerieGetMonsterWnd::OnMessage(ORVMsg* msg)
{
    if (FollowChoice(m_pCoupons, msg)) {
        return true;
    }
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pAssignBtn) {
        Request().GetMonsterAction(kSubAssign, 0, 0);
        CAerieNewBie::GetSingleton().OnStepEvent(kStepTaken);
        return true;
    }
    if (sender == m_pReleaseBtn) {
        AskThen("您确定要放生该怪物吗？", GameEvent(EVT_RELEASE_NEW_MONSTER, 0, std::string(), this));
        return true;
    }
    if (sender == m_pCommonBtn) {
        AskRefresh(AerieConfigKey::CommonRefurbish, kCommonRefresh, EVT_COMMON_MONSTER_REFRESH);
        return true;
    }
    if (sender == m_pSeniorBtn) {
        AskRefresh(AerieConfigKey::SeniorRefurbish, kSeniorRefresh, EVT_SENIOR_MONSTER_REFRESH);
        return true;
    }
    if (sender == m_pTopUpBtn) {
        if (!RefuseDuringTutorial("请您先完成新手任务，再来充入点数！") &&
            !AskWithCheckIfNeeded(AerieConfigKey::AddPointTip, "将要扣除您对应的游戏点券，您确定要充入刷新点数吗？",
                                  kCheckCaption, GameEvent(EVT_TOPUP_POINTS, 0, std::string(), this), ORVMsg(),
                                  ConfirmWrite::ZeroOnlyWhenTicked)) {
            SendTopUp();
        }
        return true;
    }
    if (sender == m_pCloseButton) {
        const ORVLifeWatch life = Watch();   // the step's action may reach the host
        CAerieNewBie::GetSingleton().OnStepEvent(kStepTaken);
        if (life.expired()) {
            return true;
        }
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieGetMonsterWnd::OnReleaseEvent(ORVMsg*)
{
    Request().GetMonsterAction(kSubRelease, 0, 0);
    return true;
}

bool CAerieGetMonsterWnd::OnTopUpEvent(ORVMsg*)
{
    SendTopUp();
    return true;
}

bool CAerieGetMonsterWnd::OnCommonRefreshEvent(ORVMsg*)
{
    ConfirmRefresh(kCommonRefresh);
    return true;
}

bool CAerieGetMonsterWnd::OnSeniorRefreshEvent(ORVMsg*)
{
    ConfirmRefresh(kSeniorRefresh);
    return true;
}

bool CAerieGetMonsterWnd::OnHighRefreshEvent(ORVMsg* msg)
{
    if (msg->m_lParam != kCommonRefresh && msg->m_lParam != kSeniorRefresh) {
        DebugLog("Error,monster refresh kind %u\n", static_cast<unsigned>(msg->m_lParam));
        return true;
    }
    SendRefresh(static_cast<int>(msg->m_lParam));
    return true;
}

bool CAerieGetMonsterWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}
