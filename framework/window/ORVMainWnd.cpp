#include "framework/window/ORVMainWnd.h"

#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/DragIcon.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVMainWnd, CORVWindow)

CORVMainWnd::CORVMainWnd() = default;

CORVMainWnd::~CORVMainWnd()
{
    DestroyWindows();
}

void CORVMainWnd::OnCreate()
{
    SetSize(kMainWndWidth, kMainWndHeight);
    CenterInParent();
}

void CORVMainWnd::CreateCloseButton() {}

bool CORVMainWnd::IsGameOpen() const
{
    return m_pGameWnd != nullptr || m_pChooseBeastWnd != nullptr;
}

void CORVMainWnd::CloseGameWindow()
{
    if (m_pGameWnd != nullptr) {
        ORVMsg msg(ORV_MSG_GAMEWND, kSysWndClose);
        ProcessMessage(&msg);
    } else if (m_pChooseBeastWnd != nullptr) {
        ORVMsg msg(ORV_MSG_CHOOSEBEAST, kSysWndClose);
        ProcessMessage(&msg);
    }
}

CORVControl** CORVMainWnd::GetSystemWindowField(u32 msgId)
{
    switch (msgId) {
    case ORV_MSG_MSGBOX:
        return &m_pMsgBox;
    case ORV_MSG_CHOOSEBEAST:
        return &m_pChooseBeastWnd;
    case ORV_MSG_GAMEWND:
        return &m_pGameWnd;
    case ORV_MSG_POPMENU:
        return &m_pMenuWnd;
    case ORV_MSG_SPLITWND:
        return &m_pSplitWnd;
    default:
        return nullptr;
    }
}

void CORVMainWnd::DestroyWindows()
{
    // Fields first: a dying window may route messages that would otherwise reach it again.
    m_pChooseBeastWnd = nullptr;
    m_pGameWnd = nullptr;
    m_pMsgBox = nullptr;
    m_pMenuWnd = nullptr;
    m_pSplitWnd = nullptr;
    m_pCloseButton = nullptr;
    DeleteAllChildren();
}

bool CORVMainWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return false;
    }
    // The floating notices lie above every window: they see every message first.
    if (CAutoTip::GetSingleton().ProcessMessage(msg)) {
        return true;
    }
    CORVControl** field = GetSystemWindowField(msg->m_nId);
    if (field == nullptr) {
        return DispatchToChildren(msg) != nullptr;
    }

    const u32 code = msg->m_wParam;
    if (code == kSysWndClose || (code == kSysWndToggle && *field != nullptr)) {
        DeleteChildAndReset(*field);   // the field is cleared before the window dies
    } else if (code == kSysWndOpen || code == kSysWndToggle) {
        if (*field == nullptr) {
            const RuntimeClassRecord* record = GetSystemWindowRecord(msg->m_nId);
            if (record == nullptr) {
                DebugLog("Error,no window class for message 0x%X\n", msg->m_nId);
            } else {
                *field = CreateChild(record, static_cast<int>(msg->m_lParam), msg->m_strText);
            }
        }
    } else if (*field != nullptr) {
        (*field)->ProcessMessage(msg);   // a topic for the open window
    }
    return true;
}

bool CORVMainWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyClose || msg->m_pSender == nullptr) {
        return true;
    }
    // The message box closes through its own command id, not through a close request.
    CORVControl** closable[] = {&m_pChooseBeastWnd, &m_pGameWnd, &m_pMenuWnd, &m_pSplitWnd};
    for (CORVControl** field : closable) {
        if (*field != nullptr && *field == msg->m_pSender) {
            DeleteChildAndReset(*field);
            break;
        }
    }
    return true;
}

void CORVMainWnd::Render()
{
    CORVWindow::Render();
    RenderTopLayers();
}

void CORVMainWnd::RenderTopLayers()
{
    CAutoTip::GetSingleton().Render();
    NewBieDraw();
    if (GetDragIcon().m_bDragging) {
        DrawDragIcon();
    }
    CORVToolTip::GetSingleton().Draw();
}
