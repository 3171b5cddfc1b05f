#include "framework/control/ORVControl.h"

#include <vector>

#include "framework/control/SizeSeam.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVControl, CORVCtrlBaseTag)

CORVControl::CORVControl() = default;

CORVControl::~CORVControl()
{
    m_Life.End();
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->ForgetControl(this);
    }
    NewBieForgetControl(this);
}

// ---- Creation, position and size ----

bool CORVControl::Create(CORVControl* parent)
{
    return CreateAt(parent, 0, 0, 0, 0);
}

bool CORVControl::CreateAt(CORVControl* parent, int x, int y, int w, int h)
{
    m_pParent = parent;
    if (!SetPos(x, y)) {
        return false;
    }
    if (!SetSize(w, h)) {
        return false;
    }
    m_nDepth = parent != nullptr ? parent->m_nDepth + 1 : 0;
    OnCreate();
    if (m_bModal) {
        if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
            mgr->AddModal(this);
        }
    }
    return true;
}

bool CORVControl::SetPos(int x, int y)
{
    m_nX = x;
    m_nY = y;
    UpdateAbsPos();
    return true;
}

bool CORVControl::SetSize(int w, int h)
{
    m_nWidth = w;
    m_nHeight = h;
    OnSize();
    return true;
}

void CORVControl::UpdateAbsPos()
{
    m_nAbsX = m_pParent != nullptr ? m_pParent->m_nAbsX + m_nX : m_nX;
    m_nAbsY = m_pParent != nullptr ? m_pParent->m_nAbsY + m_nY : m_nY;
}

void CORVControl::OnSize() {}
void CORVControl::OnCreate() {}
void CORVControl::Reserved11() {}
void CORVControl::Reserved42() {}

void CORVControl::SetArgs(int, std::string) {}

// ---- Manager state ----

bool CORVControl::IsHover()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_pHover == this;
}

bool CORVControl::IsCaptured()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_pCapture == this;
}

bool CORVControl::HasFocus()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_pFocus == this;
}

// ---- Focus ----

bool CORVControl::OnSetFocus(CORVControl* old)
{
    if (!m_bFocusable) {
        return false;
    }
    NotifyParentSetFocus(old);
    return true;
}

bool CORVControl::OnKillFocus(CORVControl* next)
{
    NotifyParentKillFocus(next);
    return true;
}

void CORVControl::NotifyParentSetFocus(CORVControl* old)
{
    if (m_pParent != nullptr) {
        m_pParent->OnChildSetFocus(this, old);
    }
}

void CORVControl::NotifyParentKillFocus(CORVControl* next)
{
    if (m_pParent != nullptr) {
        m_pParent->OnChildKillFocus(this, next);
    }
}

void CORVControl::OnChildSetFocus(CORVControl*, CORVControl*) {}
void CORVControl::OnChildKillFocus(CORVControl*, CORVControl*) {}

void CORVControl::SetFocus()
{
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->SetFocusControl(this);
    }
}

// ---- Input handlers (base behaviour) ----

bool CORVControl::OnKeyDown(int, int) { return kKeyResult; }
bool CORVControl::OnKeyUp(int, int) { return kKeyResult; }
bool CORVControl::OnChar(int) { return kKeyResult; }

void CORVControl::ShowOwnToolTip()
{
    if (!m_strToolTip.empty()) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        tip.AddText(m_nToolTipStyle, m_strToolTip, 1);
    }
}

bool CORVControl::OnMouseMove(int, int)
{
    if (!kToolTipOnEnter) {
        ShowOwnToolTip();
    }
    return kMouseMoveResult;
}

bool CORVControl::OnMouseEnter(int, int, CORVControl* prev)
{
    m_dwHoverStart = GetBuildFrameTime();
    if (kToolTipOnEnter) {
        ShowOwnToolTip();
    }
    if (m_pParent != nullptr) {
        m_pParent->OnChildMouseEnter(this, prev);
    }
    return true;
}

bool CORVControl::OnMouseLeave(int, int, CORVControl* next)
{
    CORVToolTip::GetSingleton().Clear();
    if (m_pParent != nullptr) {
        m_pParent->OnChildMouseLeave(this, next);
    }
    return true;
}

bool CORVControl::OnChildMouseEnter(CORVControl*, CORVControl*) { return true; }
bool CORVControl::OnChildMouseLeave(CORVControl*, CORVControl*) { return true; }
bool CORVControl::OnMouseWheel(int, int, int) { return true; }
bool CORVControl::OnMessage10E() { return false; }

bool CORVControl::OnLButtonDown(int, int)
{
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->m_pCapture = this;
        mgr->SetFocusControl(this);
    }
    return true;
}

bool CORVControl::OnLButtonUp(int x, int y)
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr != nullptr && mgr->m_pCapture == this) {
        OnClick(static_cast<int>(kNotifyLeftClick));
        // The click's handlers may have ended the manager's life (never in a frame, but the
        // manager is asked again rather than trusted).
        if ((mgr = CORVCtrlMgr::GetIfAlive()) != nullptr) {
            mgr->m_pCapture = nullptr;
        }
        return true;
    }
    // The button went down on another control and is released over this one: a drop.
    OnDrop(x, y);
    mgr = CORVCtrlMgr::GetIfAlive();
    if (kTellsDragEnd && mgr != nullptr && mgr->m_pCapture != nullptr) {
        mgr->m_pCapture->OnDragEnd(x, y, this);
        mgr = CORVCtrlMgr::GetIfAlive();
    }
    if (mgr != nullptr) {
        mgr->m_pCapture = nullptr;
    }
    return true;
}

bool CORVControl::OnDragEnd(int, int, CORVControl*) { return true; }
bool CORVControl::OnChildButton(int, u32, CORVControl*) { return false; }
bool CORVControl::OnMessage(ORVMsg*) { return kOnMessageResult; }
bool CORVControl::OnDrop(int, int) { return kDropResult; }

bool CORVControl::OnLButtonDblClk(int, int)
{
    if (kPostsDoubleClicks) {
        ORVMsg msg(kNotifyLeftDblClk, 0, this);
        PostToParent(&msg);
    }
    return true;
}

bool CORVControl::OnRButtonDown(int, int) { return kRButtonResult; }

bool CORVControl::OnRButtonUp(int, int)
{
    return OnClick(static_cast<int>(kNotifyRightClick));
}

bool CORVControl::OnRButtonDblClk(int, int)
{
    if (kPostsDoubleClicks) {
        ORVMsg msg(kNotifyRightDblClk, 0, this);
        PostToParent(&msg);
    }
    return true;
}

bool CORVControl::OnMButtonDown(int, int) { return kMButtonResult; }
bool CORVControl::OnMButtonUp(int, int) { return kMButtonResult; }

bool CORVControl::OnClick(int kind)
{
    if (kind == static_cast<int>(kNotifyLeftClick) || kind == static_cast<int>(kNotifyRightClick) ||
        kind == static_cast<int>(kNotifyOtherClick)) {
        ORVMsg msg(static_cast<u32>(kind), 0, this);
        PostToParent(&msg);
    }
    return true;
}

// ---- Routing ----

bool CORVControl::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || !m_bEnabled) {
        return false;
    }
    const u32 id = msg->m_nId;
    const int high = static_cast<int>(msg->m_wParam >> 16);
    const int low = static_cast<int>(msg->m_wParam & 0xFFFF);
    switch (id) {
    case ORV_MSG_KEYDOWN:
        return OnKeyDown(high, low);
    case ORV_MSG_KEYUP:
        return OnKeyUp(high, low);
    case ORV_MSG_CHAR:
        return OnChar(low);
    case ORV_MSG_COMMAND10E:
        return OnMessage10E();
    default:
        break;
    }
    if (id < ORV_MSG_MOUSEMOVE || id > ORV_MSG_MBUTTONUP) {
        return DispatchToChildren(msg) != nullptr;
    }

    const int x = PackedX(msg->m_wParam) - m_nAbsX;
    const int y = PackedY(msg->m_wParam) - m_nAbsY;
    if (!m_bVisible || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight || !HitTest(x, y)) {
        return false;
    }
    const ORVLifeWatch life = Watch();
    if (DispatchToChildren(msg) != nullptr) {
        return true;
    }
    if (life.expired()) {
        return true;   // a child's handler removed this control: the message was used
    }
    switch (id) {
    case ORV_MSG_MOUSEMOVE: {
        const bool r = OnMouseMove(x, y);
        CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
        if (r && !life.expired() && mgr != nullptr) {
            mgr->SetHoverControl(this);
        }
        return r;
    }
    case ORV_MSG_MOUSEWHEEL:
        return OnMouseWheel(x, y, WheelDelta(msg->m_lParam));
    case ORV_MSG_LBUTTONDOWN:
        if (m_pParent != nullptr && m_pParent->OnChildButton(0, msg->m_wParam, this)) {
            return true;
        }
        return !life.expired() && OnLButtonDown(x, y);
    case ORV_MSG_LBUTTONUP:
        if (m_pParent != nullptr && m_pParent->OnChildButton(1, msg->m_wParam, this)) {
            return true;
        }
        return !life.expired() && OnLButtonUp(x, y);
    case ORV_MSG_LBUTTONDBLCLK:
        return OnLButtonDblClk(x, y);
    case ORV_MSG_RBUTTONDOWN:
        return OnRButtonDown(x, y);
    case ORV_MSG_RBUTTONUP:
        return OnRButtonUp(x, y);
    case ORV_MSG_RBUTTONDBLCLK:
        return OnRButtonDblClk(x, y);
    case ORV_MSG_MBUTTONDOWN:
        return OnMButtonDown(x, y);
    case ORV_MSG_MBUTTONUP:
        return OnMButtonUp(x, y);
    default:
        return false;
    }
}

CORVControl* CORVControl::DispatchToChildren(ORVMsg*)
{
    return nullptr;
}

bool CORVControl::HitTest(int, int)
{
    return kHitTestResult;
}

// ---- Frame ----

void CORVControl::Render()
{
    // Only handing out a posted message can end this control's life here: the life is watched
    // only when one is pending (a steady frame takes no watch).
    if (m_MsgQueue.GetPendingCount() != 0) {
        const ORVLifeWatch life = Watch();
        PumpPostedMessages();
        if (life.expired()) {
            return;
        }
    } else {
        PumpPostedMessages();
    }
    OnDraw();
}

void CORVControl::RenderOverlay()
{
    OnDrawOverlay();
}

void CORVControl::OnDraw() {}
void CORVControl::OnDrawOverlay() {}

void CORVControl::PumpPostedMessages()
{
    if (m_MsgQueue.GetPendingCount() == 0) {
        return;   // no watch taken on a steady frame
    }
    // A handler may delete this control (and with it the queue): stop as soon as it is gone.
    const ORVLifeWatch life = Watch();
    HandOutDueMessages(
        m_MsgQueue, [&life] { return !life.expired(); }, [this](ORVMsg* msg) { OnMessage(msg); });
}

// ---- Notifications and placement ----

void CORVControl::PostToParent(ORVMsg* msg)
{
    if (m_pParent != nullptr) {
        m_pParent->PostToSelf(msg, kNotifyDelay);
    }
}

void CORVControl::PostToSelf(ORVMsg* msg, u32 delay)
{
    if (msg != nullptr) {
        WatchSender(*msg);
        m_MsgQueue.PostMessage(*msg, delay);
    }
}

void WatchSender(ORVMsg& msg)
{
    msg.m_SenderLife = msg.m_pSender != nullptr ? msg.m_pSender->Watch() : ORVLifeWatch();
}

void ForgetDeadSender(ORVMsg& msg)
{
    if (msg.SenderGone()) {
        msg.m_pSender = nullptr;
    }
}

void CORVControl::CenterInParent()
{
    int pw = 0;
    int ph = 0;
    if (m_pParent != nullptr) {
        pw = m_pParent->m_nWidth;
        ph = m_pParent->m_nHeight;
    } else {
        GetBuildScreenSize(&pw, &ph);
    }
    SetPos((pw - m_nWidth) / 2, (ph - m_nHeight) / 2);
}

bool CORVControl::IsPointInRect(int left, int top, int px, int py, int h, int w)
{
    return px > left && px <= left + w && py <= top + h;
}
