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
// not known yet), OpenGarden, CloseGarden and Release. Render is skipped with a debug line: a
// frame drawn later would come outside the host's frame, and the next Render draws. Init,
// IsGardenOpen, ShoudRender and the device calls run at once: they answer a result at once or
// touch only the renderer (a nested Init finds the library initialised, or, after a Release,
// comes from the watchdog's command 4, with no window code running).
enum HeldCall : u32 {
    kHeldWndProc = 1,
    kHeldOpenGarden,
    kHeldCloseGarden,
    kHeldRelease,
};

struct HeldWindowMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

bool WndProcNow(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void OpenGardenNow(CORVMgr& mgr);
void CloseGardenNow();
void ReleaseNow(CORVMgr& mgr);

void ApplyHeld(u32 kind, const char* bytes, std::size_t len, void* ctx)
{
    CORVMgr& mgr = *static_cast<CORVMgr*>(ctx);
    switch (kind) {
    case kHeldWndProc:
        if (len == sizeof(HeldWindowMessage)) {
            HeldWindowMessage m;
            std::memcpy(&m, bytes, sizeof m);
            WndProcNow(m.hwnd, m.msg, m.wParam, m.lParam);
        }
        break;
    case kHeldOpenGarden:
        OpenGardenNow(mgr);
        break;
    case kHeldCloseGarden:
        CloseGardenNow();
        break;
    case kHeldRelease:
        ReleaseNow(mgr);
        break;
    default:
        break;
    }
}

// True when the call came from inside a host callback and was held (or dropped at the bounds).
bool HeldFromCallback(HeldCall kind, const char* what, const void* bytes = nullptr, std::size_t len = 0)
{
    if (!ExportGate().Busy()) {
        return false;
    }
    ExportGate().Hold(kind, bytes, len, what);
    return true;
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
    if (HeldFromCallback(kHeldOpenGarden, "OpenGarden")) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this);
    OpenGardenNow(*this);
}

void CORVMgr::CloseGarden()
{
    if (HeldFromCallback(kHeldCloseGarden, "CloseGarden")) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this);
    CloseGardenNow();
}

namespace {

void OpenGardenNow(CORVMgr& mgr)
{
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

void CloseGardenNow()
{
    try {
        if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
            ORVMsg msg(kMsgGardenWnd, kSysWndClose);
            mgr->RouteMessage(&msg);
        }
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::CloseGarden\n");
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
        GetGameNet().Close(0);
        CallHost(HOSTCMD_CONNECT_TIMEOUT);
        info.m_bWatchdogArmed = false;
    }
}

void CORVMgr::Render()
{
    if (ExportGate().Busy()) {
        DebugLog("Error,Render from inside a host callback skipped\n");
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
    const HeldWindowMessage held{hwnd, msg, wParam, lParam};
    if (HeldFromCallback(kHeldWndProc, "WndProc", &held, sizeof held)) {
        return msg == kMsgSocketNotify;
    }
    const CExportScope scope(&ApplyHeld, this);
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
    if (HeldFromCallback(kHeldRelease, "Release")) {
        return;
    }
    const CExportScope scope(&ApplyHeld, this);
    ReleaseNow(*this);
}

namespace {

void ReleaseNow(CORVMgr& mgr)
{
    try {
        if (mgr.m_bInited == 0) {
            return;
        }
        CloseGardenNow();
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
