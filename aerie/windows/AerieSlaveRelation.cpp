#include "aerie/windows/AerieSlaveRelation.h"

#include <cstring>
#include <new>

#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieSlaveRelationWnd, CAerieContainer)

namespace {

constexpr u16 kBackFrame = 25;

int SlaveCount()
{
    return static_cast<int>(AerieView::SlaveList().size());
}

constexpr GameTopic<CAerieSlaveRelationWnd> kTopics[] = {
    {EVT_SLAVE_LIST, &CAerieSlaveRelationWnd::OnSlaveList},
};

}  // namespace

CAerieSlaveRelationWnd::CAerieSlaveRelationWnd()
{
    m_bDraggable = 0;
}

CAerieSlaveRelationWnd::~CAerieSlaveRelationWnd()
{
    BeginTeardown();
    Guide().OnStepEvent(11);
    Guide().OnStepEvent(12);
}

void CAerieSlaveRelationWnd::SetArgs(int arg, std::string)
{
    m_nIncubator = arg;
}

void CAerieSlaveRelationWnd::SetUpFrame()
{
    SetBackground(kBackFrame);
    CreateButton(m_nWidth - 16, 7, &m_pCloseButton, 6, true, true, "");
}

void CAerieSlaveRelationWnd::OnCreateControls()
{
    CreateButton(232, 7, &m_pSearchBtn, 146, true, true, "");
    CreateButton(39, 259, &m_pHireBtn, 281, true, true, "");
    CreateButton(168, 259, &m_pRefreshBtn, 263, true, true, "");
    m_pNameEdit = AddNameEdit(this, 20, 10);
    m_pScroll = AddListScroll(this, m_nWidth - 25, 45, 212);
    if (m_pParent != nullptr) {
        SetPos(m_pParent->m_nWidth - 460, m_pParent->m_nHeight - 420);
    }
    CAerieRequest::GetSingleton().FetchSlaveList(AerieView::SlaveList());
    ResetList();
    Guide().SetStepTarget(11, this);
    Guide().SetStepTarget(12, m_pHireBtn);
}

CORVScroll* CAerieSlaveRelationWnd::ScrollBar() const
{
    return m_pScroll;
}

void CAerieSlaveRelationWnd::OnScrolled()
{
    FollowListScroll(m_Rows, m_pScroll, SlaveCount());
}

void CAerieSlaveRelationWnd::ViewOnly()
{
    CORVControl* hire = m_pHireBtn;
    SetChildState(&hire, false, false);
    if (m_pRefreshBtn != nullptr) {
        m_pRefreshBtn->SetPos(111, 259);
    }
}

void CAerieSlaveRelationWnd::ResetList()
{
    m_Rows.SetFirst(0);
    m_Rows.ClearHover();
    m_Rows.SelectEntry(-1);
    SetListScroll(m_pScroll, SlaveCount());
}

bool CAerieSlaveRelationWnd::OnSlaveList(ORVMsg*)
{
    ResetList();
    return true;
}

bool CAerieSlaveRelationWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}

bool CAerieSlaveRelationWnd::OnMouseMove(int x, int y)
{
    const int row = m_Rows.Hover(x, y, SlaveCount());
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    if (row >= 0) {
        const std::vector<AerieSlaveEntry>& list = AerieView::SlaveList();
        const int index = m_Rows.EntryOfRow(row, SlaveCount());
        const u16 minutes = GetSlaveGuardMinutes(list, index);
        const std::string guard = minutes == 0 ? std::string("0") : FormatTimeDHM(static_cast<u32>(minutes) * 60u);
        char card[kBoxTextBound];
        BoundedPrintf(card, sizeof card,
                      "%s\n人气：%u\n身价：%u\n孵化绿色怪物概率：%.2f%%\n孵化蓝色怪物概率：%.2f%%\n防盗时间：%s\n（人气越高效果越好）",
                      EntryNameText(GetSlaveName(list, index)).c_str(),
                      static_cast<unsigned>(GetSlavePopularity(list, index)),
                      static_cast<unsigned>(GetSlaveWorth(list, index)),
                      static_cast<double>(static_cast<float>(GetSlaveGreenChance(list, index) / 1000.0)),
                      static_cast<double>(static_cast<float>(GetSlaveBlueChance(list, index) / 1000.0)), guard.c_str());
        tip.AddText(6, card, 1);
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

bool CAerieSlaveRelationWnd::OnLButtonUp(int x, int y)
{
    if (m_Rows.Select(x, y, SlaveCount())) {
        const ORVLifeWatch life = Watch();
        Guide().OnStepEvent(11);
        if (life.expired()) {
            return true;
        }
    }
    return CAerieGameWnd::OnLButtonUp(x, y);
}

bool CAerieSlaveRelationWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr || msg->m_nId != kNotifyLeftClick) {
        return CAerieGameWnd::OnMessage(msg);   // the scroll bar; the close button
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pSearchBtn) {
        if (const char* name = TypedPlayerName(m_pNameEdit)) {
            CAerieRequest::GetSingleton().FindSlave(name);
        }
        return true;
    }
    if (sender == m_pHireBtn) {
        const int index = m_Rows.SelectedEntry();
        if (index < 0) {
            GameTip("请选择雇佣的奴隶");
        } else if (index < SlaveCount()) {
            CAerieRequest::GetSingleton().HireSlave(AerieView::SlaveList(), index, static_cast<u16>(m_nIncubator));
        }
        return true;
    }
    if (sender == m_pRefreshBtn) {
        const ORVLifeWatch life = Watch();
        CAerieRequest::GetSingleton().FetchSlaveList(AerieView::SlaveList());
        if (!life.expired()) {
            ResetList();
        }
        return true;
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieSlaveRelationWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDBLCLK) {
        return true;
    }
    return CAerieGameWnd::ProcessMessage(msg);
}
