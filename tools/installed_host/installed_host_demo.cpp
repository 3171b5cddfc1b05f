// tools/installed_host/installed_host_demo.cpp
// A minimal host of the engine-drawn library OrvaneDemo, built against the installed package alone
// (OrvaneDemo and the renderer it loads): Init on the host's window and device, the login text,
// OpenGarden, the frame loop until the connection watchdog gives up (no Garden server listens
// here), a device loss and reset, and Release. Exit code 0 when every check passed.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <orvane/OrvaneDemo.h>

namespace {

int g_nFailures = 0;
bool g_bTimedOut = false;

// Init needs the host's window handle, never null. On Windows it is the window the host created
// (this test has none: a handle no window has). Linux has no such handle: the library never reads
// through it, only keeps it and hands it back with the socket notifications it delivers
// (ORVPumpWindowMessages), so a Linux host passes the address of its own window object.
#ifdef _WIN32
HWND const kWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x100));
#else
struct HostWindow {
    int width = 1024;
    int height = 768;
};
HostWindow g_Window;
HWND const kWindow = reinterpret_cast<HWND>(&g_Window);
#endif

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_nFailures += ok ? 0 : 1;
}

// The login text, one field a line: pt id, guid name, password, game server address and port,
// Garden server address and port, the guid name of the garden to enter (and, when the host
// answers command 6 with non-zero, the own display name).
const char kLogin[] =
    "10001\n"
    "player-guid\n"
    "secret\n"
    "127.0.0.1\n"
    "7000\n"
    "127.0.0.1\n"
    "9\n"
    "player-guid\n";

// The host's callback; arg2 and arg3 are 0 in every call, out is a buffer only for command 1.
int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    g_bTimedOut = g_bTimedOut || command == HOSTCMD_CONNECT_TIMEOUT;
    switch (command) {
    case HOSTCMD_GET_LOGIN:        // write the login text, answer its length
        std::memcpy(out, kLogin, sizeof kLogin - 1);
        return static_cast<int>(sizeof kLogin - 1);
    case HOSTCMD_GET_TIMEOUT:      // ms until the watchdog gives up (0: 2000)
        return 300;
    case HOSTCMD_NEED_VERIFY:      // 0: no ninth line, no verification line
        return 0;
    default:                       // 2 opened, 3 closed, 4 connection timed out
        return 0;
    }
}

#ifndef _WIN32
// Where no window receives the socket notifications, the host hands them to WndProc itself.
void Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, void*)
{
    g_ORVMgr.WndProc(hwnd, msg, wParam, lParam);
}
#endif

void OneFrame()
{
#ifdef _WIN32
    Sleep(20);                      // the host's own message loop delivers socket notifications
#else
    ORVPumpWindowMessages(&Deliver, nullptr, 0);
    usleep(20000);
#endif
    g_ORVMgr.Render();
}

}  // namespace

int main()
{
    Check(g_ORVMgr.Init(&HostProc, 0, nullptr, nullptr, nullptr, nullptr) == 2, "Init without a window answers 2");
    Check(g_ORVMgr.Init(nullptr, 0, kWindow, nullptr, nullptr, nullptr) == 3, "Init without a callback answers 3");
    // The host's window, Direct3D device and sprite (the stand-in renderer takes none).
    Check(g_ORVMgr.Init(&HostProc, 0, kWindow, nullptr, nullptr, nullptr) == 0, "Init starts on the renderer");

    // OpenGarden asks for the time-out (5) and the login text (1), then connects.
    g_ORVMgr.OpenGarden();
    for (int frame = 0; frame < 150 && !g_bTimedOut; ++frame) {
        OneFrame();
    }
    Check(g_bTimedOut, "without a Garden server the watchdog tells command 4");
    Check(!g_ORVMgr.IsGardenOpen(), "the Garden stays closed");

    // Device loss and reset, as the host's device reports them.
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(nullptr);
    g_ORVMgr.Release();
    Check(g_ORVMgr.m_bInited == 0, "Release ends it");
    std::printf("installed demo host: %s\n", g_nFailures == 0 ? "every check passed" : "checks failed");
    return g_nFailures == 0 ? 0 : 1;
}
