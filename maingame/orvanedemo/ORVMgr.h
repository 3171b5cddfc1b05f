// The exported manager of the engine-drawn library OrvaneDemo. A host that owns a window and a
// Direct3D device initialises it once (Init), opens the Garden (OpenGarden), calls Render once a
// frame, forwards every window message to WndProc and brackets device resets; it hears back through
// its callback (ORVHostProc, commands 1 to 6). Nothing is thrown to the host. Installed as
// orvane/OrvaneDemo.h.
#pragma once

#include "orvane/Direct3DTypes.h"
#include "orvane/ORVHostProc.h"
#include "orvane/OrvTypes.h"
#include "orvane/WinTypes.h"

// The framework message that opens (1), closes (0) or toggles (2) the Garden main window.
inline constexpr u32 kMsgGardenWnd = 275;
// The socket notification the host forwards (WM_USER + 100).
inline constexpr UINT kMsgSocketNotify = WM_USER + 100;

class ORV_EXPORT CORVMgr {
public:
    CORVMgr();
    ~CORVMgr();
    CORVMgr& operator=(const CORVMgr& other);

    // 0 initialised (or already), 1 the renderer did not start on the device, 2 no window,
    // 3 no callback. mode 1 asks the renderer for display mode 0, any other for 2.
    int Init(ORVHostProc proc, int mode, HWND hwnd, IDirect3DDevice9* device, ID3DXSprite* sprite,
             HINSTANCE instance);
    void OpenGarden();
    void CloseGarden();
    bool IsGardenOpen();
    void Render();
    bool WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnDeviceLost();
    void OnDeviceReset(D3DPRESENT_PARAMETERS* params);
    bool ShoudRender();
    void Release();

    u8 m_bInited = 0;

private:
    bool UpdateEngine();
    void UpdateMsg();
    void Watchdog();
};

extern ORV_EXPORT CORVMgr g_ORVMgr;

#ifndef _WIN32
// Where no window receives the socket notifications (message 1124) from the system: the host's
// loop calls this once a frame; each notification due (waiting up to timeoutMs for the first) goes
// to deliver, which passes it to CORVMgr::WndProc as a window procedure would. Returns how many.
using ORVWindowMessageSink = void (*)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, void* ctx);
extern "C" ORV_EXPORT int ORVPumpWindowMessages(ORVWindowMessageSink deliver, void* ctx, int timeoutMs);
#endif

// Renderer texture memory limits of UpdateEngine.
inline constexpr u32 kWashBelowBytes = 0x300000;        // wash textures older than 600
inline constexpr u32 kWashHardBelowBytes = 0xA00000;    // wash textures older than 3000
inline constexpr u32 kPoolRoomMinBytes = 0x100000;      // below this room, release pools
