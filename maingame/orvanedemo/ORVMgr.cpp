#include "maingame/orvanedemo/ORVMgr.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/Net.h"
#include "engine/ORVConfigMgr.h"
#include "engine/ui/EngineInput.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/ExportGate.h"
#include "framework/xml/XmlNumber.h"
#include "garden/windows/GardenSession.h"
#include "glimmer/Glimmer.h"
#include "platform/Platform.h"

// The notification the host forwards is the one the Garden client's sockets are set up to post.
static_assert(kMsgSocketNotify == kSocketMessage);

namespace {

CORVMainWnd* MainWnd()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr ? &mgr->m_MainWnd : nullptr;
}

// The buffer the host writes the login text into (command 1).
std::vector<char>& LoginBuffer()
{
    static std::vector<char> s_Buffer(kLoginTextBytes);
    return s_Buffer;
}

// Calls the host makes from inside its callback (while another export runs), see ExportGate.h.
// Held, and applied in arrival order when the outermost export returns: the calls that change
// the window tree or the connection, WndProc (its four values; it answers true for the socket
// notification, which the library always takes, and false for any other message, whose fate is
// not known yet), OpenGarden, CloseGarden and Release. OpenGarden, CloseGarden and Release are
// dropped while one of their kind runs: a host that answers the login request (command 1) by
// opening again gets one login, not an open that never returns. Render is skipped with a debug
// line: a frame drawn later would come outside the host's frame, and the next Render draws. Init,
// IsGardenOpen, ShoudRender and the device calls run at once: they answer a result at once or
// touch only the renderer (a nested Init finds the library initialised, or, after a Release,
// comes from the watchdog's command 4, with no window code running).
using Repeat = CExportGate::Repeat;
constexpr CExportGate::HeldCall kHeldWndProc{1, "WndProc", Repeat::Hold};
constexpr CExportGate::HeldCall kHeldOpenGarden{2, "OpenGarden", Repeat::Drop};
constexpr CExportGate::HeldCall kHeldCloseGarden{3, "CloseGarden", Repeat::Drop};
constexpr CExportGate::HeldCall kHeldRelease{4, "Release", Repeat::Drop};

struct HeldWindowMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

bool WndProcNow(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void OpenGardenNow(CORVMgr& mgr);
void EndSessionNow();
void ReleaseNow(CORVMgr& mgr);

void ApplyHeld(u32 kind, const char* bytes, std::size_t len, void* ctx)
{
    CORVMgr& mgr = *static_cast<CORVMgr*>(ctx);
    if (kind == kHeldWndProc.m_nKind) {
        HeldWindowMessage m{};
        if (CExportGate::ReadHeld(bytes, len, &m)) {
            WndProcNow(m.hwnd, m.msg, m.wParam, m.lParam);
        }
    } else if (kind == kHeldOpenGarden.m_nKind) {
        OpenGardenNow(mgr);
    } else if (kind == kHeldCloseGarden.m_nKind) {
        EndSessionNow();
    } else if (kind == kHeldRelease.m_nKind) {
        ReleaseNow(mgr);
    }
}

}  // namespace

CORVMgr::CORVMgr() = default;
CORVMgr::~CORVMgr() = default;

CORVMgr& CORVMgr::operator=(const CORVMgr& other)
{
    m_bInited = other.m_bInited;
    return *this;
}

int CORVMgr::Init(ORVHostProc proc, int mode, HWND hwnd, IDirect3DDevice9* device, ID3DXSprite* sprite, HINSTANCE)
{
    const CExportScope scope(&ApplyHeld, this);
    if (m_bInited != 0) {
        return 0;
    }
    if (hwnd == nullptr) {
        return 2;
    }
    if (proc == nullptr) {
        return 3;
    }
    GetLoginInfo().m_pfnHostProc = proc;
    try {
        m_bInited = g_CG.CreateD3D(hwnd, device, sprite, 0, 0, mode == 1 ? 0 : 2, false) ? 1 : 0;
        if (m_bInited == 0) {
            return 1;
        }
        g_CG.SetFPS(50);
        // After a Release the window tree and the connection records are set up afresh.
        CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
        mgr.DestroyWindowTree();
        mgr.m_MainWnd.Create(nullptr);
        GetGameNet().Init(1, hwnd, kMsgSocketNotify, kSocketEventMask);
        CORVConfigMgr::GetSingleton().Load(kORVConfigPath);
        return 0;
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::Init\n");
        return m_bInited != 0 ? 0 : 1;
    }
}

void CORVMgr::OpenGarden()
{
    if (ExportGate().HoldIfBusy(kHeldOpenGarden)) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this, kHeldOpenGarden.m_nKind);
    OpenGardenNow(*this);
}

void CORVMgr::CloseGarden()
{
    if (ExportGate().HoldIfBusy(kHeldCloseGarden)) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this, kHeldCloseGarden.m_nKind);
    EndSessionNow();
}

namespace {

void OpenGardenNow(CORVMgr& mgr)
{
    // A new session starts as in a newly loaded library, whatever the last one left and however
    // far it came: an open while the Garden stands ends that session first.
    EndSessionNow();
    try {
        ORVLoginInfo& info = GetLoginInfo();
        info.m_dwWatchdogStart = orv::platform::Get().GetTickCount();
        info.m_bWatchdogArmed = true;
        if (info.m_pfnHostProc != nullptr) {
            // A negative answer is taken as no answer.
            const int timeout = CallHost(HOSTCMD_GET_TIMEOUT);
            info.m_dwTimeout = timeout > 0 ? static_cast<u32>(timeout) : 0;
        }
        if (info.m_dwTimeout == 0) {
            info.m_dwTimeout = kDefaultConnectTimeout;
        }
        if (mgr.m_bInited == 0 || info.m_pfnHostProc == nullptr) {
            return;
        }
        std::vector<char>& buffer = LoginBuffer();
        const int length = std::clamp(CallHost(HOSTCMD_GET_LOGIN, buffer.data()), 0, kLoginTextBytes);
        if (!ParseLoginText(std::string(buffer.data(), static_cast<std::size_t>(length)))) {
            return;   // the watchdog tells the host later
        }
        CGameNet& net = GetGameNet();
        net.SetHost(0, info.strGardenServerIP.c_str(), XmlTextToInt(info.strGardenServerPort.c_str()));
        net.Connect(0, 0);
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::OpenGarden\n");
    }
}

// Every end of a Garden session comes here (CloseGarden, Release, the connection's time-out), and
// every OpenGarden starts here. At whatever stage the session stands (connecting, waiting for the
// server's answer, answered, entered) it ends: the Garden screen closes with every window it
// opened, the session's records, the login and its watchdog, the connection with what it had not
// sent or handled, the login text the host wrote, and what the game left in the window tree
// (questions, notices, posted messages) go.
void EndSessionNow()
{
    try {
        if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
            ORVMsg msg(kMsgGardenWnd, kSysWndClose);
            mgr->RouteMessage(&msg);
        }
    } catch (...) {
        DebugLog("Error,exception while the Garden screen closed\n");
    }
    try {
        ForgetGardenSession();
        std::vector<char>& buffer = LoginBuffer();
        std::fill(buffer.begin(), buffer.end(), '\0');
        if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
            mgr->ForgetClosedGame();
        }
    } catch (...) {
        DebugLog("Error,exception while the Garden session ended\n");
    }
}

}  // namespace

bool CORVMgr::IsGardenOpen()
{
    try {
        CORVMainWnd* main = MainWnd();
        return main != nullptr && main->GetSystemWindow(kMsgGardenWnd) != nullptr;
    } catch (...) {
        return false;
    }
}

void CORVMgr::Watchdog()
{
    ORVLoginInfo& info = GetLoginInfo();
    if (!info.m_bWatchdogArmed) {
        return;
    }
    if (IsGardenOpen()) {
        info.m_bWatchdogArmed = false;
        return;
    }
    if (orv::platform::Get().GetTickCount() - info.m_dwWatchdogStart > info.m_dwTimeout) {
        EndSessionNow();   // disarms the watchdog too
        CallHost(HOSTCMD_CONNECT_TIMEOUT);
    }
}

void CORVMgr::Render()
{
    if (ExportGate().SkipIfBusy("Render")) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this);
    try {
        Watchdog();
        if (m_bInited == 0) {
            return;
        }
        DrainGardenPackets();
        if (!IsGardenOpen()) {
            return;
        }
        UpdateEngine();
        UpdateMsg();
        g_CG.BeginScene();
        if (CORVMainWnd* main = MainWnd()) {
            main->Render();
        }
        g_CG.EndScene(nullptr);
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::Render\n");
    }
}

bool CORVMgr::UpdateEngine()
{
    const u32 used = g_TexBufPool.m_dwThird - g_TexBufPool.m_dwFirst;
    if (used < kWashBelowBytes) {
        g_TexMgr.WashTexture(600);
    } else if (used < kWashHardBelowBytes) {
        g_TexMgr.WashTexture(3000);
    }
    if (g_Tex9Mgr.m_dwPoolTotal - g_Tex9Mgr.m_dwPoolUsed < kPoolRoomMinBytes) {
        g_Tex9Mgr.ReleaseSomePool();
    }
    g_TexMgr.PopThreadReaded();
    g_CG.ValidateDX();
    return true;
}

void CORVMgr::UpdateMsg()
{
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->RouteDueMessages();
    }
}

bool CORVMgr::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (ExportGate().HoldIfBusy(kHeldWndProc, HeldWindowMessage{hwnd, msg, wParam, lParam})) {
        return msg == kMsgSocketNotify;
    }
    const CExportScope scope(&ApplyHeld, this, kHeldWndProc.m_nKind);
    return WndProcNow(hwnd, msg, wParam, lParam);
}

namespace {

bool WndProcNow(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try {
        if (msg != kMsgSocketNotify && !g_ORVMgr.IsGardenOpen()) {
            return false;
        }
        return TranslateEngineMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::WndProc\n");
        return false;
    }
}

}  // namespace

void CORVMgr::OnDeviceLost()
{
    const CExportScope scope(&ApplyHeld, this);
    try {
        if (m_bInited != 0) {
            g_CG.OnDeviceLost();
        }
    } catch (...) {
    }
}

void CORVMgr::OnDeviceReset(D3DPRESENT_PARAMETERS* params)
{
    const CExportScope scope(&ApplyHeld, this);
    try {
        if (m_bInited != 0) {
            g_CG.OnDeviceReset(params);
        }
    } catch (...) {
    }
}

bool CORVMgr::ShoudRender()
{
    try {
        return g_CG.WillShowFrame();
    } catch (...) {
        return false;
    }
}

void CORVMgr::Release()
{
    if (ExportGate().HoldIfBusy(kHeldRelease)) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this, kHeldRelease.m_nKind);
    ReleaseNow(*this);
}

namespace {

void ReleaseNow(CORVMgr& mgr)
{
    try {
        if (mgr.m_bInited == 0) {
            return;
        }
        EndSessionNow();
        g_CG.KillD3D();
        mgr.m_bInited = 0;
    } catch (...) {
        mgr.m_bInited = 0;
    }
}

}  // namespace

#ifndef _WIN32
int ORVPumpWindowMessages(ORVWindowMessageSink deliver, void* ctx, int timeoutMs)
{
    try {
        // The host pumps every frame: the message list keeps its room between calls. It is taken
        // out while the messages go out, so a pump from inside a delivery gets a list of its own.
        static std::vector<orv::platform::WindowMessage> s_Kept;
        std::vector<orv::platform::WindowMessage> msgs;
        msgs.swap(s_Kept);
        msgs.clear();
        orv::platform::Get().PollSocketEvents(&msgs, timeoutMs);
        for (const orv::platform::WindowMessage& m : msgs) {
            if (deliver != nullptr) {
                deliver(m.hwnd, m.msg, m.wParam, m.lParam, ctx);
            }
        }
        const int count = static_cast<int>(msgs.size());
        msgs.clear();
        s_Kept.swap(msgs);
        return count;
    } catch (...) {
        return 0;
    }
}
#endif
