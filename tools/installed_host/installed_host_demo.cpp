// A minimal host of the engine-drawn library OrvaneDemo, built against the installed headers and
// libraries only (OrvaneDemo and the renderer it loads): it checks what Init answers, starts it on
// the installed renderer and releases it. Exit code 0 when all answers are right.
#include <cstdio>

#include "maingame/orvanedemo/ORVMgr.h"

namespace {

int g_nFailures = 0;
HWND const kWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x100));

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_nFailures += ok ? 0 : 1;
}

int ORV_STDCALL HostProc(int, char*, int, char*)
{
    return 0;
}

}  // namespace

int main()
{
    Check(g_ORVMgr.Init(&HostProc, 0, nullptr, nullptr, nullptr, nullptr) == 2, "Init without a window answers 2");
    Check(g_ORVMgr.Init(nullptr, 0, kWindow, nullptr, nullptr, nullptr) == 3, "Init without a callback answers 3");
    Check(g_ORVMgr.Init(&HostProc, 0, kWindow, nullptr, nullptr, nullptr) == 0, "Init starts on the renderer");
    Check(g_ORVMgr.m_bInited == 1, "the manager counts as initialised");
    Check(!g_ORVMgr.IsGardenOpen(), "the Garden is closed");
    g_ORVMgr.Render();
    g_ORVMgr.Release();
    Check(g_ORVMgr.m_bInited == 0, "Release ends it");
    std::printf("installed demo host: %s\n", g_nFailures == 0 ? "every check passed" : "checks failed");
    return g_nFailures == 0 ? 0 : 1;
}
