#include "maingame/orvane/ORVMgr.h"

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

// The one call the host may make from inside a callback that is held (see ExportGate.h): a
// server message. Every other export runs at once, as it always did.
constexpr u32 kHeldRecv = 1;

void ApplyServerMessage(const char* data, int len)
{
    if (data != nullptr && g_GameHooks.pfnOnRecv != nullptr) {
        g_GameHooks.pfnOnRecv(data, len);
    }
}

void ApplyHeld(u32 kind, const char* bytes, std::size_t len, void*)
{
    if (kind == kHeldRecv) {
        ApplyServerMessage(len > 0 ? bytes : "", static_cast<int>(len));
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
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
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
    ORV_EXPORT_CATCH("SetORVCallBack", )
}

void CORVMgr::OpenAerie(IORVCallBack* cb, const char* ownerName)
{
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
    SetORVCallBack(cb);
    if (ORVCallBack() == nullptr) {
        DebugLog("Error,OpenAerie without a callback\n");
        return;
    }
    if (IsAerieOpen()) {
        return;
    }
    if (ownerName == nullptr) {
        DebugLog("Error,OpenAerie without an owner name\n");
        return;
    }
    NewBieReset();
    if (g_GameHooks.pfnVisitCity != nullptr) {
        g_GameHooks.pfnVisitCity(ownerName);
    }
    ORV_EXPORT_CATCH("OpenAerie", )
}

void CORVMgr::CloseAerie()
{
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->m_MainWnd.CloseGameWindow();
    }
    ORV_EXPORT_CATCH("CloseAerie", )
}

bool CORVMgr::IsAerieOpen()
{
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_MainWnd.IsGameOpen();
    ORV_EXPORT_CATCH("IsAerieOpen", false)
}

void CORVMgr::Render()
{
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
    if (ExportGate().Busy()) {
        // From inside a host callback: applied once the outermost export returns.
        if (len < 0) {
            DebugLog("Error,Aerie message of %d bytes dropped\n", len);
            return;
        }
        ExportGate().Hold(kHeldRecv, data, static_cast<std::size_t>(len), "Recv");
        return;
    }
    const CExportScope scope(&ApplyHeld, nullptr);
    ApplyServerMessage(data, len);
    ORV_EXPORT_CATCH("Recv", )
}

bool CORVMgr::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const CExportScope scope(&ApplyHeld, nullptr);
    ORV_EXPORT_TRY
    if (!IsAerieOpen()) {
        return false;
    }
    return TranslateWindowMessage(hWnd, msg, wParam, lParam);
    ORV_EXPORT_CATCH("WndProc", false)
}
