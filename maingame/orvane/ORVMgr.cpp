#include "maingame/orvane/ORVMgr.h"

#include <string>
#include <string_view>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/NetMsgHeader.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/ExportGate.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVCallBack.h"

// Nothing throws across the library boundary: every export ends what might escape here.
#define ORV_EXPORT_TRY try {
#define ORV_EXPORT_CATCH(what, failValue)                         \
    }                                                             \
    catch (...)                                                   \
    {                                                             \
        DebugLog("Error,exception in CORVMgr::%s\n", what);       \
        return failValue;                                         \
    }

namespace {

// Calls the host makes from inside its callback (while another export runs), see ExportGate.h.
// Held, and applied in arrival order when the outermost export returns: every export that changes
// the window tree or the game. SetORVCallBack is held too (its pointer): only the first callback
// ever is taken, and a main window created right there would be created under the code that
// called the host. OpenAerie is held with its callback and the owner name's bytes; the calls that
// open, close or set what runs already are dropped while one of their kind runs (a host answering
// the enter request by opening again), server and window messages are all held. A held WndProc
// answers false (whether the game takes the message is not known yet). Render draws nothing and
// writes a debug line: a frame drawn later would come outside the host's frame, and the next
// Render draws. IsAerieOpen answers at once.
using Repeat = CExportGate::Repeat;
constexpr CExportGate::HeldCall kHeldSetCallBack{1, "SetORVCallBack", Repeat::Drop};
constexpr CExportGate::HeldCall kHeldOpenAerie{2, "OpenAerie", Repeat::Drop};
constexpr CExportGate::HeldCall kHeldCloseAerie{3, "CloseAerie", Repeat::Drop};
constexpr CExportGate::HeldCall kHeldRecv{4, "Recv", Repeat::Hold};
constexpr CExportGate::HeldCall kHeldWndProc{5, "WndProc", Repeat::Hold};

// OpenAerie's arguments; the owner name's bytes (without a NUL) follow when there is a name.
struct HeldOpenAerie {
    IORVCallBack* m_pCallBack;
    bool m_bHasOwner;
};

struct HeldWindowMessage {
    HWND m_hWnd;
    UINT m_uMsg;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

void SetCallBackNow(IORVCallBack* cb)
{
    if (cb == nullptr) {
        // The main window is placed through the callback: a null one is refused.
        DebugLog("Error,SetORVCallBack with a null callback\n");
        return;
    }
    IORVCallBack** holder = GetORVCallBack();
    if (*holder != nullptr) {
        return;   // the first callback stays for the life of the library
    }
    *holder = cb;
    CORVCtrlMgr::GetSingleton().m_MainWnd.Create(nullptr);
}

bool IsGameOpen()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_MainWnd.IsGameOpen();
}

void OpenAerieNow(IORVCallBack* cb, const char* ownerName)
{
    SetCallBackNow(cb);
    if (ORVCallBack() == nullptr) {
        DebugLog("Error,OpenAerie without a callback\n");
        return;
    }
    if (IsGameOpen()) {
        return;
    }
    if (ownerName == nullptr || ownerName[0] == '\0') {
        DebugLog("Error,OpenAerie without an owner name\n");
        return;
    }
    // A new session starts as in a newly loaded library: the records of the last one and whatever
    // reached the closed game since (a late reply's question, its posted events) are gone.
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->ForgetClosedGame();
    }
    CAerieDataMgr::GetSingleton().StartSession();
    NewBieReset();
    if (g_GameHooks.pfnVisitCity != nullptr) {
        g_GameHooks.pfnVisitCity(ownerName);
    }
}

void CloseAerieNow()
{
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->m_MainWnd.CloseGame();
    }
}

void ApplyServerMessage(const char* data, int len)
{
    if (data != nullptr && g_GameHooks.pfnOnRecv != nullptr) {
        g_GameHooks.pfnOnRecv(data, len);
    }
}

bool WndProcNow(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsGameOpen()) {
        return false;
    }
    return TranslateWindowMessage(hWnd, msg, wParam, lParam);
}

void ApplyHeld(u32 kind, const char* bytes, std::size_t len, void*)
{
    std::string_view tail;
    if (kind == kHeldSetCallBack.m_nKind) {
        IORVCallBack* cb = nullptr;
        if (CExportGate::ReadHeld(bytes, len, &cb)) {
            SetCallBackNow(cb);
        }
    } else if (kind == kHeldOpenAerie.m_nKind) {
        HeldOpenAerie open{};
        if (CExportGate::ReadHeld(bytes, len, &open, &tail)) {
            // The name's bytes were held without their NUL.
            const std::string owner(tail);
            OpenAerieNow(open.m_pCallBack, open.m_bHasOwner ? owner.c_str() : nullptr);
        }
    } else if (kind == kHeldCloseAerie.m_nKind) {
        CloseAerieNow();
    } else if (kind == kHeldRecv.m_nKind) {
        ApplyServerMessage(len > 0 ? bytes : "", static_cast<int>(len));
    } else if (kind == kHeldWndProc.m_nKind) {
        HeldWindowMessage m{};
        if (CExportGate::ReadHeld(bytes, len, &m)) {
            WndProcNow(m.m_hWnd, m.m_uMsg, m.m_wParam, m.m_lParam);
        }
    }
}

}  // namespace

CORVMgr& CORVMgr::GetSingleton()
{
    static CORVMgr m;
    return m;
}

CORVMgr& CORVMgr::operator=(const CORVMgr&)
{
    return *this;
}

void CORVMgr::SetORVCallBack(IORVCallBack* cb)
{
    if (ExportGate().HoldIfBusy(kHeldSetCallBack, cb)) {
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr, kHeldSetCallBack.m_nKind);
    ORV_EXPORT_TRY
    SetCallBackNow(cb);
    ORV_EXPORT_CATCH("SetORVCallBack", )
}

void CORVMgr::OpenAerie(IORVCallBack* cb, const char* ownerName)
{
    ORV_EXPORT_TRY
    const HeldOpenAerie held{cb, ownerName != nullptr};
    // A held name is read as far as a request can carry it, as the open itself reads it.
    const std::string_view owner = ownerName != nullptr ? CountedText(ownerName, kMaxHostText) : std::string_view();
    if (ExportGate().HoldIfBusy(kHeldOpenAerie, held, owner.data(), owner.size())) {
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr, kHeldOpenAerie.m_nKind);
    OpenAerieNow(cb, ownerName);
    ORV_EXPORT_CATCH("OpenAerie", )
}

void CORVMgr::CloseAerie()
{
    if (ExportGate().HoldIfBusy(kHeldCloseAerie)) {
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr, kHeldCloseAerie.m_nKind);
    ORV_EXPORT_TRY
    CloseAerieNow();
    ORV_EXPORT_CATCH("CloseAerie", )
}

bool CORVMgr::IsAerieOpen()
{
    ORV_EXPORT_TRY
    return IsGameOpen();
    ORV_EXPORT_CATCH("IsAerieOpen", false)
}

void CORVMgr::Render()
{
    if (ExportGate().SkipIfBusy("Render")) {
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr != nullptr && mgr->m_MainWnd.IsGameOpen()) {
        mgr->RouteDueMessages();   // the manager's queue first, each due message routed like input
        if (CORVCtrlMgr* live = CORVCtrlMgr::GetIfAlive()) {
            live->m_MainWnd.Render();
        }
    }
    ORV_EXPORT_CATCH("Render", )
}

void CORVMgr::Recv(const char* data, int len)
{
    ORV_EXPORT_TRY
    if (data == nullptr) {
        return;
    }
    if (ExportGate().Busy() && len < 0) {
        DebugLog("Error,Aerie message of %d bytes dropped\n", len);
        return;
    }
    if (ExportGate().HoldIfBusy(kHeldRecv, data, static_cast<std::size_t>(len))) {
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr, kHeldRecv.m_nKind);
    ApplyServerMessage(data, len);
    ORV_EXPORT_CATCH("Recv", )
}

bool CORVMgr::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (ExportGate().HoldIfBusy(kHeldWndProc, HeldWindowMessage{hWnd, msg, wParam, lParam})) {
        return false;
    }
    const CExportScope scope(&ApplyHeld, nullptr, kHeldWndProc.m_nKind);
    ORV_EXPORT_TRY
    return WndProcNow(hWnd, msg, wParam, lParam);
    ORV_EXPORT_CATCH("WndProc", false)
}
