// The main-line page of the mission window.
#include <cstring>
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVScroll.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMissionMainItem, CORVWindow)

namespace {

constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kGreen = 0xFF00FF00;
constexpr std::size_t kStatusBytes = 10;

bool StatusIs(const std::string& status, const char* word)
{
    return std::strncmp(status.c_str(), word, kStatusBytes) == 0;
}

// The store's mission with that key, or null.
const AerieMainMission* FindByKey(u32 key)
{
    for (int i = 0; i < AerieView::GetMainMissionCount(); ++i) {
        const AerieMainMission* m = AerieView::GetMainMission(i);
        if (m != nullptr && m->m_dwKey == key) {
            return m;
        }
    }
    return nullptr;
}

}  // namespace

CAerieMissionMainItem::CAerieMissionMainItem() : CAerieMissionPage(22, 90, 174, 27, kRows) {}

constexpr GameTopic<CAerieMissionMainItem> kMainTopics[] = {
    {EVT_MAINMISSION_LIST, &CAerieMissionMainItem::OnListChanged},
    {EVT_MAINMISSION_REWARD, &CAerieMissionMainItem::OnClaim},
    {EVT_MAINMISSION_CLAIM, &CAerieMissionMainItem::OnClaim},
};

bool CAerieMissionMainItem::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kMainTopics);
}

CORVScroll* CAerieMissionMainItem::ScrollBar() const
{
    return m_pScroll;
}

void CAerieMissionMainItem::OnCreatePage()
{
    m_pScroll = new (std::nothrow) CORVVScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->CreateBar(this, 200, 90, 186);
        m_pScroll->m_nStep = 1;
        UpdateScroll();
    }
    CAerieRequest::GetSingleton().FetchMainMissions();
}

void CAerieMissionMainItem::UpdateScroll()
{
    if (m_pScroll == nullptr) {
        return;
    }
    const int range = AerieView::GetMainMissionCount() - kRows;
    m_pScroll->SetRange(range > 0 ? range : 0);
    const bool on = m_pScroll->m_nRange > 0;
    SetChildState(reinterpret_cast<CORVControl**>(&m_pScroll), on, on);
}

void CAerieMissionMainItem::Clamp()
{
    if (m_pScroll == nullptr) {
        return;
    }
    UpdateScroll();
    const int n = AerieView::GetMainMissionConfigCount();
    const int top = m_Rows.First();
    if (n == 0 || m_pScroll->m_nRange == 0) {
        m_Rows.SetFirst(0);
        m_Rows.SelectEntry(-1);
        m_Rows.ClearHover();
    } else if (top + kRows > n) {
        m_Rows.SelectEntry(-1);
        m_Rows.SetFirst(n - kRows);
    } else if (m_Rows.SelectedEntry() > n) {
        m_Rows.SelectEntry(-1);
    }
    // The bar follows the first row.
    m_pScroll->SetPos(m_Rows.First());
}

bool CAerieMissionMainItem::OnListChanged(ORVMsg*)
{
    Clamp();
    return true;
}

void CAerieMissionMainItem::OnScrolled()
{
    if (m_pScroll == nullptr || m_pScroll->m_nPos == m_Rows.First()) {
        return;
    }
    m_Rows.SetFirst(FirstShownEntry(m_pScroll->m_nPos, 1));
    if (m_Rows.SelectedRow() < 0) {
        m_Rows.SelectEntry(-1);
    }
}

bool CAerieMissionMainItem::OnMessage(ORVMsg* msg)
{
    return CAerieMissionPage::OnMessage(msg);
}

bool CAerieMissionMainItem::OnMouseMove(int x, int y)
{
    m_Rows.Hover(x, y, AerieView::GetMainMissionCount());
    return CAerieMissionPage::OnMouseMove(x, y);
}

bool CAerieMissionMainItem::OnLButtonUp(int x, int y)
{
    m_Rows.Select(x, y, AerieView::GetMainMissionCount());
    return CAerieMissionPage::OnLButtonUp(x, y);
}

void CAerieMissionMainItem::OnGo()
{
    const int sel = m_Rows.SelectedEntry();
    if (sel < 0) {
        GameTip("请选择要领取奖励的任务");
        return;
    }
    const AerieMainMission* m = AerieView::GetMainMission(sel);
    if (m == nullptr) {
        return;
    }
    if (StatusIs(m->m_strStatus, "未完成")) {
        GameTip("该任务未完成");
        return;
    }
    const u32 amount = m->m_dwReward;
    AerieView::ResourceBar own;
    AerieView::GetOwnResources(&own);
    DebugLog("领奖前:%u|%u|%u|%u 奖励：%u\n", own.m_dwGrass, own.m_dwWood, own.m_dwStone, own.m_dwMetal, amount);
    // The answer names the mission, so an update meanwhile cannot turn it into another one.
    AskThen(RewardQuestion(amount, amount, amount, amount), GameEvent(EVT_MAINMISSION_CLAIM, m->m_dwKey, "", this));
}

bool CAerieMissionMainItem::OnClaim(ORVMsg* msg)
{
    const AerieMainMission* m = nullptr;
    if (msg->m_wParam == EVT_MAINMISSION_CLAIM) {
        m = FindByKey(msg->m_lParam);
    } else if (m_Rows.SelectedEntry() >= 0) {
        m = AerieView::GetMainMission(m_Rows.SelectedEntry());
    }
    if (m == nullptr || m->m_dwKey > 0xFFFF) {
        return true;
    }
    if (CAerieRequest::GetSingleton().ClaimMainMission(static_cast<u16>(m->m_dwKey))) {
        DebugLog("领取主线任务奖励：%d\n", static_cast<int>(m->m_dwKey));
    }
    return true;
}

void CAerieMissionMainItem::OnDraw()
{
    DrawTextRel(this, 192, 68, "主线任务", kYellow, 0, 2);
    DrawTextRel(this, 232, 92, "任务", kYellow, 0, 2);
    DrawTextRel(this, 232, 178, "任务奖励", kYellow, 0, 2);
    const int count = AerieView::GetMainMissionCount();
    char text[kBoxTextBound];
    for (int r = 0; r < kRows; ++r) {
        DrawRowBar(r);
        const int entry = m_Rows.EntryOfRow(r, count);
        const AerieMainMission* m = entry >= 0 ? AerieView::GetMainMission(entry) : nullptr;
        if (m == nullptr) {
            continue;
        }
        const int y = m_Rows.RowTop(r) + 6;
        const u32 colour = m_Rows.TextColour(r, kTipWhite);
        DrawTextRel(this, 32, y, m->m_strName.c_str(), colour);
        if (!m->m_strStatus.empty()) {
            const u32 statusColour = StatusIs(m->m_strStatus, "未领奖")   ? kYellow
                                     : StatusIs(m->m_strStatus, "未完成") ? kGreen
                                                                          : colour;
            DrawTextRel(this, 32 + GetTextWidth(m->m_strName.c_str(), 1), y,
                        BoundedPrintf(text, kShortTextBound, "（%s）", m->m_strStatus.c_str()), statusColour);
        }
    }
    const AerieMainMission* sel = m_Rows.SelectedEntry() >= 0 ? AerieView::GetMainMission(m_Rows.SelectedEntry()) : nullptr;
    if (sel == nullptr) {
        return;
    }
    if (m_dwDescKey != sel->m_dwKey + 1) {
        m_dwDescKey = sel->m_dwKey + 1;
        m_Desc.SetText(BoundedPrintf(text, sizeof text, "描述：%s\n目标：%s", sel->m_strDescription.c_str(),
                                     sel->m_strGoal.c_str()),
                       190, kTipWhite, 1);
    }
    m_Desc.Draw(m_nAbsX + 232, m_nAbsY + 115);
    int y = 200;
    if (sel->m_dwExperience != 0) {
        DrawTextRel(this, 232, y, BoundedPrintf(text, kShortTextBound, "经验球：%u", sel->m_dwExperience), kTipWhite);
        y = 215;
    }
    if (sel->m_dwReward != 0) {
        const u32 amount = sel->m_dwReward;
        DrawTextRel(this, 232, y, BoundedPrintf(text, kShortTextBound, "牧草：%u", amount), kTipWhite);
        DrawTextRel(this, 232, y + 15, BoundedPrintf(text, kShortTextBound, "木材：%u", amount), kTipWhite);
        DrawTextRel(this, 232, y + 30, BoundedPrintf(text, kShortTextBound, "石料：%u", amount), kTipWhite);
        DrawTextRel(this, 232, y + 45, BoundedPrintf(text, kShortTextBound, "金属：%u", amount), kTipWhite);
    }
}
