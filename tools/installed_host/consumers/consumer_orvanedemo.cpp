// The installed headers of OrvaneDemo, every one included and every function they declare called:
// it links only when the library exports (or the header defines) all that the headers declare.
// Nothing runs unless the program is given an argument; a host's every call is in place.
#include <orvane/Direct3DTypes.h>
#include <orvane/ORVHostProc.h>
#include <orvane/OrvTypes.h>
#include <orvane/OrvaneDemo.h>
#include <orvane/WinTypes.h>

namespace {

int ORV_STDCALL HostProc(int, char*, int, char*)
{
    return 0;
}

#ifndef _WIN32
void Deliver(HWND, UINT, WPARAM, LPARAM, void*) {}
#endif

void CallEverything()
{
    CORVMgr own;         // the exported constructor, destructor and assignment
    own = g_ORVMgr;

    (void)g_ORVMgr.Init(&HostProc, 0, nullptr, static_cast<IDirect3DDevice9*>(nullptr),
                        static_cast<ID3DXSprite*>(nullptr), nullptr);
    g_ORVMgr.OpenGarden();
    (void)g_ORVMgr.IsGardenOpen();
    g_ORVMgr.Render();
    (void)g_ORVMgr.WndProc(nullptr, kMsgSocketNotify, 0, 0);
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(static_cast<D3DPRESENT_PARAMETERS*>(nullptr));
    (void)g_ORVMgr.ShoudRender();
    g_ORVMgr.CloseGarden();
    g_ORVMgr.Release();
#ifndef _WIN32
    (void)ORVPumpWindowMessages(&Deliver, nullptr, 0);
#endif
}

}  // namespace

int main(int argc, char**)
{
    if (argc > 1) {
        CallEverything();
    }
    return 0;
}
