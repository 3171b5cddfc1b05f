// One steady frame of the library: a host that does nothing, an 800 x 600 game window holding 28
// captioned image buttons, and a visible tooltip. Reports the time per frame and the heap
// allocations per frame (a steady frame should allocate nothing).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <string>

#include "AllocCounter.h"
#include "NullHost.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "maingame/orvane/ORVMgr.h"


namespace {


class CBenchGameWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CBenchGameWnd)
};
ORV_IMPLEMENT_RUNTIME_CLASS(CBenchGameWnd, CORVWindow)

constexpr int kButtonColumns = 7;
constexpr int kButtonRows = 4;

// Opens the game window with its buttons and puts the mouse on the first button, so the tooltip
// shows. Once per process: the library's state lives for the whole run.
void BuildScene()
{
    static NullHost host(60, 24, true, "");
    static bool built = false;
    if (built) {
        return;
    }
    built = true;
    CORVMgr::GetSingleton().SetORVCallBack(&host);
    SetSystemWindowRecord(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CBenchGameWnd));
    CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    mgr.RouteMessage(&open);
    auto* wnd = static_cast<CORVWindow*>(*mgr.m_MainWnd.GetSystemWindowField(ORV_MSG_GAMEWND));
    wnd->SetSize(800, 600);
    wnd->SetPos(0, 0);
    for (int i = 0; i < kButtonColumns * kButtonRows; ++i) {
        CORVButton* button = nullptr;
        wnd->CreateButton(20 + 100 * (i % kButtonColumns), 40 + 60 * (i / kButtonColumns), &button, 9, true, true,
                          "按钮说明 " + std::to_string(i));
        button->m_strCaption = "按钮" + std::to_string(i);
    }
    const int mx = mgr.m_MainWnd.m_nAbsX + 30;
    const int my = mgr.m_MainWnd.m_nAbsY + 50;
    CORVMgr::GetSingleton().WndProc(nullptr, WM_MOUSEMOVE, 0, static_cast<LPARAM>((my << 16) | mx));
    // A few frames so that every queue and buffer reaches its steady size.
    for (int i = 0; i < 8; ++i) {
        CORVMgr::GetSingleton().Render();
    }
}

void BM_SteadyFrame(benchmark::State& state)
{
    BuildScene();
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        CORVMgr::GetSingleton().Render();
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SteadyFrame);

}  // namespace
