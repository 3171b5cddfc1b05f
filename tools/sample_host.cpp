// A small host game: loads the Orvane shared library through its exports only, hands over a
// callback that prints what the library asks of the host, and drives a few frames of input.
// It shows the library's life before the game opens: nothing happens before the callback is
// handed over; the callback creates the 800 x 600 main window, centred on the host's screen (the
// library asks the host for its screen size); while the game is closed every frame draws nothing
// and every window message is left to the host (WndProc returns false).
#include <cstdio>

#include "maingame/orvane/ORVMgr.h"
#include "tools/PrintingHost.h"

using orv::sample::Pos;
using orv::sample::PrintingHost;

int main()
{
    PrintingHost host;
    CORVMgr& mgr = CORVMgr::GetSingleton();
    std::printf("fnOrvane() = %d\n", fnOrvane());

    std::printf("-- before any callback\n");
    mgr.Render();
    std::printf("WndProc(mouse move) = %s\n", mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(10, 10)) ? "true" : "false");

    std::printf("-- callback handed over, game closed\n");
    mgr.SetORVCallBack(&host);
    std::printf("main window created: the library asked the screen size %d times "
                "(an 800 x 600 window centred on 1024 x 768 sits at (112, 84))\n",
                host.m_nSizeQueries);
    PrintingHost other;
    mgr.SetORVCallBack(&other);
    std::printf("a second callback is ignored: it was asked %d times\n", other.m_nSizeQueries);
    for (host.m_nFrame = 1; host.m_nFrame <= 3; ++host.m_nFrame) {
        mgr.Render();
        bool used = mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONUP, 0, Pos(400, 300));
        std::printf("[frame %d] click consumed: %s\n", host.m_nFrame, used ? "true" : "false");
    }
    std::printf("IsAerieOpen() = %s, draw calls while closed: %d\n", mgr.IsAerieOpen() ? "true" : "false",
                host.m_nDrawCalls);
    // Before the library unloads (and before the callback object dies), close the game: at unload
    // the library no longer calls the host, so only this sends the leave request and tells the host.
    mgr.CloseAerie();
    return 0;
}
