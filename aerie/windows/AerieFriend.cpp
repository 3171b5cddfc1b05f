#include "aerie/windows/AerieFriend.h"

#include <cstring>
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieFriendWnd, CAerieContainer)

namespace {

struct FriendRecords {
    FriendRecords() { SetAerieWindowRecord(AerieWndKind::Friend, ORV_RUNTIME_CLASS(CAerieFriendWnd)); }
};
const FriendRecords g_FriendRecords;

constexpr u16 kBackFrame = 6;
constexpr int kModes = 3;

int FriendCount()
{
    return static_cast<int>(AerieView::FriendList().size());
}

constexpr GameTopic<CAerieFriendListWnd> kTopics[] = {
    {EVT_FRIEND_LIST, &CAerieFriendListWnd::OnFriendList},
};

}  // namespace

// ---- CAerieFriendListWnd ----

CAerieFriendListWnd::CAerieFriendListWnd()
{
    m_bDraggable = 0;
}

CAerieFriendListWnd::~CAerieFriendListWnd() = default;

void CAerieFriendListWnd::SetUpFrame()
{
    SetBackground(kBackFrame);
    CreateButton(m_nWidth - 16, 7, &m_pCloseButton, 6, true, true, "");
}

void CAerieFriendListWnd::OnCreateControls()
{
    CreateButton(189, 30, &m_pVisitBtn, 146, true, true, "");
    i32& mode = Mode();
    if (mode < 0 || mode >= kModes) {
        mode = 0;
    }
    m_pModeGroup = new (std::nothrow) CORVRadioGroup();
    if (m_pModeGroup != nullptr) {
        AddChild(m_pModeGroup, false);
        m_pModeGroup->CreateGroup(this, 4, 5, 137, kModes, mode, 65, false);
    }
    m_pNameEdit = AddNameEdit(this, 20, 32);
    m_pScroll = AddListScroll(this, m_nWidth - 25, 58, 215);
    if (m_pParent != nullptr) {
        SetPos(m_pParent->m_nWidth - m_nWidth - MarginRight(), m_pParent->m_nHeight - m_nHeight - MarginBottom());
    }
    CAerieRequest::GetSingleton().FetchFriendList(mode);
    UpdateFriendScroll();
}

CORVScroll* CAerieFriendListWnd::ScrollBar() const
{
    return m_pScroll;
}

void CAerieFriendListWnd::UpdateFriendScroll()
{
    SetListScroll(m_pScroll, FriendCount());
}

void CAerieFriendListWnd::OnFriendScroll()
{
    FollowListScroll(m_Rows, m_pScroll, FriendCount());
}

bool CAerieFriendListWnd::SelectFriendRow(int x, int y)
{
    return m_Rows.Select(x, y, FriendCount());
}

bool CAerieFriendListWnd::OnMouseMove(int x, int y)
{
    const int row = m_Rows.Hover(x, y, FriendCount());
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    if (row >= 0) {
        tip.AddText(6, "双击可直接进入其琉璃台\n[战]：该玩家防御任务进入好友等待时间。\n[孵]：表示有蛋孵化完成", 0);
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

bool CAerieFriendListWnd::OnLButtonUp(int x, int y)
{
    SelectFriendRow(x, y);
    return CAerieGameWnd::OnLButtonUp(x, y);
}

bool CAerieFriendListWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr || msg->m_nId != kNotifyLeftClick) {
        return CAerieGameWnd::OnMessage(msg);   // the scroll bar; the close button
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pVisitBtn) {
        if (const char* name = TypedPlayerName(m_pNameEdit)) {
            CAerieRequest::GetSingleton().VisitPlayerCity(name);
        }
        return true;
    }
    if (sender == m_pModeGroup) {
        const int mode = m_pModeGroup->m_nCurSel;
        if (mode >= 0 && mode < kModes) {
            const ORVLifeWatch life = Watch();
            const bool sent = CAerieRequest::GetSingleton().FetchFriendList(mode);
            if (life.expired()) {
                return true;
            }
            if (!sent) {
                m_pModeGroup->SetCurSel(Mode());   // nothing went out: the list and its mode stay
                return true;
            }
            Mode() = mode;
            if (ResetsOnModeChange()) {
                m_Rows.SetFirst(0);
                m_Rows.ClearHover();
                m_Rows.SelectEntry(-1);
                if (m_pScroll != nullptr) {
                    m_pScroll->SetRange(0);
                    m_pScroll->SetPos(0);
                    m_pScroll->m_bVisible = 0;
                    m_pScroll->m_bEnabled = 0;
                }
            }
        }
        return true;
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieFriendListWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}

bool CAerieFriendListWnd::OnFriendList(ORVMsg*)
{
    OnListArrived();
    UpdateFriendScroll();
    return true;
}

bool CAerieFriendListWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDBLCLK) {
        const int index = m_Rows.EntryOfRow(m_Rows.HoverRow(), FriendCount());
        if (index >= 0) {
            const ORVLifeWatch life = Watch();
            CAerieRequest::GetSingleton().VisitFriendCity(AerieView::FriendList(), index);
            if (!life.expired() && ClosesAfterVisit()) {
                Close();
            }
        }
        return true;
    }
    return CAerieGameWnd::ProcessMessage(msg);
}

// ---- CAerieFriendWnd ----

CAerieFriendWnd::CAerieFriendWnd() = default;
CAerieFriendWnd::~CAerieFriendWnd() = default;

i32& CAerieFriendWnd::Mode()
{
    return WindowKeep().m_nFriendMode;
}
