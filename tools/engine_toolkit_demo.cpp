// The engine-drawn toolkit at work, with OrvaneDemo's code linked statically: the manager starts
// on the stand-in renderer, a stand-in Garden window opens with a background texture and a control
// that has a tooltip, a floating notice is queued, the mouse moves over the control; every frame's
// renderer calls are printed as the renderer received them.
#include <cstdio>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVMsg.h"
#include "framework/widgets/ORVToolTip.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"

namespace {

HWND const kHostWindow = reinterpret_cast<HWND>(0x1);

int ORV_STDCALL HostProc(int command, char*, int, char*)
{
    std::printf("    host: command %d\n", command);
    return 0;
}

// A stand-in Garden window: background texture 5 of group 1 and one control with a tooltip.
class CDemoGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CDemoGardenWnd)
public:
    void OnCreate() override
    {
        SetBackground(5);
        CORVWindow::OnCreate();
        auto* spot = new CORVControl();
        spot->m_strToolTip = "A plot\nready to plough";
        AddChild(spot, false);
        spot->CreateAt(this, 20, 20, 60, 40);
        CreateCloseButton();
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CDemoGardenWnd, CORVWindow)

void Frame(int n)
{
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    std::printf("-- frame %d\n", n);
    for (const glimmer_test::Call& call : glimmer_test::Trace()) {
        std::printf("    %s\n", glimmer_test::Format(call).c_str());
    }
}

}  // namespace

int main()
{
    glimmer_test::RegisterTexture(1, 5, 300, 200);   // the window's background
    glimmer_test::RegisterTexture(2, 3, 16, 16);     // the close button
    glimmer_test::RegisterTexture(7, 1, 12, 18);     // the library's cursor
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CDemoGardenWnd));

    std::printf("-- Init = %d\n", g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr));
    std::printf("-- the Garden window opens (as the enter reply would open it)\n");
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    const CORVControl* wnd = CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(kMsgGardenWnd);
    std::printf("    IsGardenOpen() = %s, window at (%d,%d) %d x %d\n", g_ORVMgr.IsGardenOpen() ? "true" : "false",
                wnd->m_nAbsX, wnd->m_nAbsY, wnd->m_nWidth, wnd->m_nHeight);
    Frame(1);

    std::printf("-- a floating notice is queued\n");
    CAutoTip::GetSingleton().AddText("Seeds bought", 0xFFFFFFFF, 2);
    Frame(2);

    std::printf("-- the mouse moves onto the control: its tooltip shows; the library draws its cursor\n");
    const int x = wnd->m_nAbsX + 40;
    const int y = wnd->m_nAbsY + 30;
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, static_cast<LPARAM>(PackPos(x, y)));
    Frame(3);
    Frame(4);

    std::printf("-- Release\n");
    g_ORVMgr.Release();
    std::printf("    IsGardenOpen() = %s\n", g_ORVMgr.IsGardenOpen() ? "true" : "false");
    return 0;
}
