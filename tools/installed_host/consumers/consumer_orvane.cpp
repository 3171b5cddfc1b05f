// The installed headers of Orvane, every one included and every function they declare called: it
// links only when the library exports (or the header defines) all that the headers declare.
// Nothing runs unless the program is given an argument; a host's every call is in place.
#include <orvane/ORVCallBack.h>
#include <orvane/Orvane.h>
#include <orvane/OrvTypes.h>
#include <orvane/WinTypes.h>

#include "MinimalHost.h"

namespace {

class Drawer final : public IORVDrawCharacter {
public:
    void SetAppearance(const void*, int) override {}
    void SetValue2(u32) override {}
    void SetValue3(u32) override {}
    bool IsMouseOver() override { return false; }
    void Draw(int, int) override {}
};

void CallEverything()
{
    MinimalHost host;
    MinimalHost copy(host);      // the interfaces' exported constructors and assignment
    copy = host;
    Drawer drawer;
    Drawer drawerCopy(drawer);
    drawerCopy = drawer;

    CORVMgr& mgr = CORVMgr::GetSingleton();
    mgr = mgr;
    mgr.SetORVCallBack(&host);
    mgr.OpenAerie(&host, "host");
    (void)mgr.IsAerieOpen();
    mgr.Render();
    mgr.Recv("", 0);
    (void)mgr.WndProc(nullptr, WM_LBUTTONDOWN, MK_LBUTTON, 0);   // a press carries its button's flag
    mgr.CloseAerie();

    (void)fnOrvane();
    volatile int exported = nOrvane;   // the exported variable is read, not only named
    (void)exported;
    COrvane extra;
    COrvane other;
    other = extra;
}

}  // namespace

int main(int argc, char**)
{
    if (argc > 1) {
        CallEverything();
    }
    return 0;
}
