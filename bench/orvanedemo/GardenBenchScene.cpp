#include "GardenBenchScene.h"

#include "AllocCounter.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"

namespace {

HWND const kHostWindow = reinterpret_cast<HWND>(0x1);

int ORV_STDCALL QuietHost(int, char*, int, char*)
{
    return 0;
}

// The Garden slot must hold a window for the manager to draw: an 800 x 600 stand-in.
class CBenchGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CBenchGardenWnd)
public:
    void OnCreate() override { SetSize(800, 600); }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CBenchGardenWnd, CORVWindow)

}  // namespace

CORVWindow* OpenBenchGarden()
{
    static CORVWindow* s_pGarden = nullptr;
    static bool s_bOpened = false;
    if (s_bOpened) {
        return s_pGarden;
    }
    s_bOpened = true;
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CBenchGardenWnd));
    g_ORVMgr.Init(&QuietHost, 0, kHostWindow, nullptr, nullptr, nullptr);
    CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    mgr.RouteMessage(&open);
    s_pGarden = static_cast<CORVWindow*>(mgr.m_MainWnd.GetSystemWindow(kMsgGardenWnd));
    return s_pGarden;
}

std::size_t SettleBenchFrames()
{
    glimmer_test::SetRecording(true);
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    const std::size_t calls = glimmer_test::Trace().size();
    glimmer_test::SetRecording(false);
    for (int i = 0; i < 8; ++i) {
        g_ORVMgr.Render();
    }
    return calls;
}

void RunSteadyFrames(benchmark::State& state, std::size_t callsPerFrame)
{
    if (!g_ORVMgr.IsGardenOpen()) {
        state.SkipWithError("the scene did not open: nothing would be drawn");
        return;
    }
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        g_ORVMgr.Render();
    }
    const unsigned long long allocations = AllocationCount() - before;
    state.counters["renderer_calls"] = benchmark::Counter(static_cast<double>(callsPerFrame));
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
}
