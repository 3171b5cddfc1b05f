#include "framework/window/ORVMainWnd.h"

#include <iterator>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/DragIcon.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVMainWnd, CORVWindow)

namespace {

constinit const RuntimeClassRecord* g_SystemWindowRecords[kSysWndLastId - kSysWndFirstId + 1] = {};

}  // namespace

void SetSystemWindowRecord(u32 msgId, const RuntimeClassRecord* record)
{
    if (msgId < kSysWndFirstId || msgId > kSysWndLastId) {
        DebugLog("Error,no system window for message 0x%X\n", msgId);
        return;
    }
    g_SystemWindowRecords[msgId - kSysWndFirstId] = record;
}

const RuntimeClassRecord* GetSystemWindowRecord(u32 msgId)
{
    if (msgId < kSysWndFirstId || msgId > kSysWndLastId) {
        return nullptr;
    }
    return g_SystemWindowRecords[msgId - kSysWndFirstId];
}

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

bool CORVMainWnd::IsGameWindowId(u32 msgId)
{
    for (const u32 id : kSysWndGameIds) {
        if (id == msgId) {
            return true;
        }
    }
    return false;
}

bool CORVMainWnd::IsGameOpen() const
{
    for (const u32 id : kSysWndGameIds) {
        if (GetSystemWindow(id) != nullptr) {
            return true;
        }
    }
    return false;
}

void CORVMainWnd::CloseGame()
{
    // The first id's window, the game's main window, goes last: when it tells the host that it
    // closed, no window of the game is left.
    for (auto id = std::rbegin(kSysWndGameIds); id != std::rend(kSysWndGameIds); ++id) {
        if (GetSystemWindow(*id) != nullptr) {
            ORVMsg msg(*id, kSysWndClose);
            ProcessMessage(&msg);   // forgets what the game left behind once none of it is open
        }
    }
}

CORVControl** CORVMainWnd::GetSystemWindowField(u32 msgId)
{
    if (msgId < kSysWndFirstId || msgId > kSysWndLastId) {
        return nullptr;
    }
    return &m_apSystemWnd[msgId - kSysWndFirstId];
}

CORVControl* CORVMainWnd::GetSystemWindow(u32 msgId) const
{
    if (msgId < kSysWndFirstId || msgId > kSysWndLastId) {
        return nullptr;
    }
    return m_apSystemWnd[msgId - kSysWndFirstId];
}

void CORVMainWnd::DestroyWindows()
{
    // Slots first: a dying window may route messages that would otherwise reach it again.
    for (CORVControl*& slot : m_apSystemWnd) {
        slot = nullptr;
    }
    m_pCloseButton = nullptr;
    DeleteAllChildren();
}

void CORVMainWnd::DestroyWindow(CORVControl* wnd)
{
    for (CORVControl*& slot : m_apSystemWnd) {
        if (slot == wnd) {
            DeleteChildAndReset(slot);
            return;
        }
    }
    DeleteChild(wnd);
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
        const bool closesGame = *field != nullptr && IsGameWindowId(msg->m_nId);
        DeleteChildAndReset(*field);   // the field is cleared before the window dies
        // The last window of the game is gone, whoever closed it (the host, the server, the game
        // itself): the game is over, and what it left behind goes with it. A window of the game
        // that closes itself on request while the next one opens (OnMessage) ends no game.
        CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
        if (closesGame && mgr != nullptr && !IsGameOpen()) {
            mgr->ForgetClosedGame();
        }
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
    for (const u32 id : kSysWndClosedOnRequest) {
        CORVControl** field = GetSystemWindowField(id);
        if (field != nullptr && *field != nullptr && *field == msg->m_pSender) {
            DeleteChildAndReset(*field);
            break;
        }
    }
    return true;
}

void CORVMainWnd::Render()
{
    m_bOwnCursorHidden = 0;
    CORVWindow::Render();
    RenderTopLayers();
}

void CORVMainWnd::RenderTopLayers()
{
    CAutoTip::GetSingleton().Render();
    NewBieDraw();
    DrawBuildLayer();
    if (GetDragIcon().m_bDragging) {
        DrawDragIcon();
    }
    CORVToolTip::GetSingleton().Draw();
}
