#include "framework/window/ORVMsgBox.h"

#include <algorithm>

#include "framework/control/BuildLog.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/BackgroundFit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVMsgBox, CORVWindow)

namespace {

// Frames between a click and what follows it: the answer is routed one frame after the click is
// handled, the box closes one frame after that, and the next box opens one frame later again.
constexpr u32 kOpenDelay = 1;
constexpr u32 kAnswerDelay = 1;
constexpr u32 kCloseDelay = 2;

// Floating notice of ShowTipText.
constexpr u32 kTipColour = 0xFFFFFFFF;
constexpr int kTipFrames = 150;

constexpr int kTextFont = 1;
constexpr u32 kTextColour = 0xFFFFFFFF;

void PostBoxCommand(u32 code, u32 delay)
{
    ORVMsg msg(ORV_MSG_MSGBOX, code);
    PostToManager(&msg, delay);
}

// The queue must outlive every box (a box's destructor calls it), the main window opens the box
// through its record, and a closing game drops the questions of its windows.
struct MsgBoxRegistration {
    MsgBoxRegistration()
    {
        RegisterTreeService([] { ORVMsgBoxQueue::GetSingleton(); });
        SetSystemWindowRecord(ORV_MSG_MSGBOX, ORV_RUNTIME_CLASS(CORVMsgBox));
        SetDropBoxesOfClosedGame([] { ORVMsgBoxQueue::GetSingleton().DropRequestsOfClosedGame(); });
    }
};

const MsgBoxRegistration g_MsgBoxRegistration;

}  // namespace

// ---- ORVMsgBoxQueue ----

ORVMsgBoxQueue& ORVMsgBoxQueue::GetSingleton()
{
    static ORVMsgBoxQueue g_MsgBoxQueue;
    return g_MsgBoxQueue;
}

void ORVMsgBoxQueue::ShowMsgBox(const ORVMsgBoxRequest& req)
{
    ORVMsgBoxRequest& stored = m_vMsgBuf.emplace_back(req);
    // The asker may close before the box is answered: its life is watched from now on.
    WatchSender(stored.m_OkMsg);
    WatchSender(stored.m_CancelMsg);
    if (m_vMsgBuf.size() == 1) {
        PostBoxCommand(kSysWndOpen, kOpenDelay);
    }
}

void ORVMsgBoxQueue::ShowOkBox(const ORVMsg& ok, const std::string& text)
{
    ORVMsgBoxRequest req;
    req.m_nStyle = kMsgBoxOkBoxStyle;
    req.m_OkMsg = ok;
    req.m_strText = text;
    ShowMsgBox(req);
}

void ORVMsgBoxQueue::ShowOkCancelBox(const ORVMsg& ok, const ORVMsg& cancel, const std::string& text)
{
    ORVMsgBoxRequest req;
    req.m_nStyle = kMsgBoxStyleBase | kMsgBoxStyleTwoButtons;
    req.m_OkMsg = ok;
    req.m_CancelMsg = cancel;
    req.m_strText = text;
    ShowMsgBox(req);
}

void ORVMsgBoxQueue::CloseMsgBox(CORVMsgBox* box)
{
    if (box != m_pBox) {
        BuildLogLine("Error,m_pBox is error when CloseMsgBox!\n");
    }
    m_pBox = nullptr;
    if (m_vMsgBuf.empty()) {
        BuildLogLine("Error,m_vMsgBuf is empty when CloseMsgBox!\n");
        return;
    }
    // A box that opened on an empty queue showed no request: the front request arrived while it
    // was up and has not been seen yet, so it stays and is shown next.
    if (box == nullptr || box->m_Request.has_value()) {
        m_vMsgBuf.pop_front();
    }
    if (!m_vMsgBuf.empty()) {
        PostBoxCommand(kSysWndOpen, kOpenDelay);
    }
}

void ORVMsgBoxQueue::DropRequestsOfClosedGame()
{
    const bool frontShown = m_pBox != nullptr && m_pBox->m_Request.has_value();
    const auto waiting = m_vMsgBuf.begin() + (frontShown && !m_vMsgBuf.empty() ? 1 : 0);
    const auto kept =
        std::remove_if(waiting, m_vMsgBuf.end(), [](const ORVMsgBoxRequest& req) { return req.AskedByClosedGame(); });
    const bool dropped = kept != m_vMsgBuf.end();
    m_vMsgBuf.erase(kept, m_vMsgBuf.end());
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr) {
        return;
    }
    // An answered box closes by its own command.
    if (frontShown && !m_pBox->m_bAnswered && m_pBox->m_Request->AskedByClosedGame()) {
        ORVMsg close(ORV_MSG_MSGBOX, kSysWndClose);   // its close opens the next request, if any
        mgr->RouteMessage(&close);
    }
    if (m_pBox != nullptr) {
        return;
    }
    // No box is up: a close command still queued has nothing to close (it would close the next
    // box), and an open command queued for requests all dropped would open an empty box.
    const bool openStale = dropped && m_vMsgBuf.empty();
    mgr->m_MsgQueue.RemoveIf([openStale](const PostedMsg& entry) {
        return entry.m_Msg.m_nId == ORV_MSG_MSGBOX &&
               (entry.m_Msg.m_wParam == kSysWndClose || (openStale && entry.m_Msg.m_wParam == kSysWndOpen));
    });
}

void ShowTipText(const std::string& text)
{
    CAutoTip::GetSingleton().AddText(text, kTipColour, kTipFrames);
}

// ---- CORVMsgBox ----

CORVMsgBox::CORVMsgBox()
{
    m_bModal = 1;
}

CORVMsgBox::~CORVMsgBox()
{
    ORVMsgBoxQueue::GetSingleton().CloseMsgBox(this);
}

void CORVMsgBox::CreateCloseButton() {}

void CORVMsgBox::OnCreate()
{
    FitToBackground(*this, kMsgBoxBackFrame);

    ORVMsgBoxQueue& queue = ORVMsgBoxQueue::GetSingleton();
    if (queue.m_pBox != nullptr) {
        BuildLogLine("Error,m_pBox is not null when SetMsgBox!\n");
    }
    queue.m_pBox = this;
    if (queue.m_vMsgBuf.empty()) {
        return;   // an empty box: only its background
    }
    m_Request = queue.m_vMsgBuf.front();
    const ORVMsgBoxRequest& req = *m_Request;

    if (req.m_nStyle & kMsgBoxStyleTwoButtons) {
        CreateButton(m_nWidth / 4 - kMsgBoxButtonHalfWidth, kMsgBoxButtonY, &m_pOkButton, req.m_wOkFrame, true, true,
                     "");
        CreateButton(3 * m_nWidth / 4 - kMsgBoxButtonHalfWidth, kMsgBoxButtonY, &m_pCancelButton, req.m_wCancelFrame,
                     true, true, "");
        NewBieSetStepTarget(kMsgBoxGuideStep, m_pOkButton);
    } else {
        CreateButton(m_nWidth / 2 - kMsgBoxButtonHalfWidth, kMsgBoxButtonY, &m_pOkButton, req.m_wOkFrame, true, true,
                     "");
    }

    if (req.m_nStyle & kMsgBoxStyleCheck) {
        m_pCheck = new CORVCheck();
        AddChild(m_pCheck, !kMsgBoxCheckAtFront);
        m_pCheck->CreateCheck(this, kMsgBoxCheckX, kMsgBoxCheckY);
        m_pCheck->m_strCaption = req.m_strCheckText;
        m_pCheck->SetLatch(req.m_bChecked != 0 ? 1 : 0);
    }

    m_Text.SetText(req.m_strText, kMsgBoxTextWidth, kTextColour, kTextFont);
}

bool CORVMsgBox::OnMouseMove(int x, int y)
{
    // Dragged like any window, but always kept inside the parent (the main window), not the
    // host screen.
    if (m_bDraggable && IsCaptured() && m_pParent != nullptr) {
        MoveWithinBounds(x, y, m_nGrabX, m_nGrabY, m_pParent->m_nWidth, m_pParent->m_nHeight);
    }
    return CORVControl::OnMouseMove(x, y);
}

bool CORVMsgBox::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || !m_Request || m_bAnswered) {
        return true;
    }
    const ORVMsg* answer = nullptr;
    if (m_pOkButton != nullptr && msg->m_pSender == m_pOkButton) {
        answer = &m_Request->m_OkMsg;
    } else if (m_pCancelButton != nullptr && msg->m_pSender == m_pCancelButton) {
        answer = &m_Request->m_CancelMsg;
    }
    if (answer == nullptr) {
        return true;
    }
    m_bAnswered = true;
    if (answer->SenderGone()) {
        DebugLog("MsgBox: the window that asked is gone, answer 0x%X dropped\n", answer->m_nId);
    } else {
        ORVMsg copy = *answer;
        PostToManager(&copy, kAnswerDelay);
    }
    PostBoxCommand(kSysWndClose, kCloseDelay);
    return true;
}

bool CORVMsgBox::IsChecked()
{
    return m_pCheck != nullptr && m_pCheck->m_nLatch == 1;
}
