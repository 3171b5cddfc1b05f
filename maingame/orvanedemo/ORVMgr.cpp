#include "maingame/orvanedemo/ORVMgr.h"

#include <algorithm>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/Net.h"
#include "engine/ORVConfigMgr.h"
#include "engine/ui/EngineInput.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/xml/XmlNumber.h"
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
        if (m_bInited == 0 || info.m_pfnHostProc == nullptr) {
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

void CORVMgr::CloseGarden()
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
    try {
        if (msg != kMsgSocketNotify && !IsGardenOpen()) {
            return false;
        }
        return TranslateEngineMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        DebugLog("Error,exception in CORVMgr::WndProc\n");
        return false;
    }
}

void CORVMgr::OnDeviceLost()
{
    try {
        if (m_bInited != 0) {
            g_CG.OnDeviceLost();
        }
    } catch (...) {
    }
}

void CORVMgr::OnDeviceReset(D3DPRESENT_PARAMETERS* params)
{
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
    try {
        if (m_bInited == 0) {
            return;
        }
        CloseGarden();
        g_CG.KillD3D();
        m_bInited = 0;
    } catch (...) {
        m_bInited = 0;
    }
}

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
