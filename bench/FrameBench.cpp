// One steady frame of the library: a host that does nothing, an 800 x 600 game window holding 28
// captioned image buttons, and a visible tooltip. Reports the time per frame and the heap
// allocations per frame (a steady frame should allocate nothing). Beside it, the same frame's host
// calls replayed from a flat list straight to the host and through the library's guard of the
// host's callback: the guard's cost to the frame is their difference.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "AllocCounter.h"
#include "HostCallReplay.h"
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

// The host calls of one steady frame, recorded once.
const std::vector<RecordedHostCall>& SteadyFrameHostCalls()
{
    static const std::vector<RecordedHostCall> s_vCalls = [] {
        BuildScene();
        IORVCallBack** holder = GetORVCallBack();
        IORVCallBack* const host = *holder;
        HostCallRecorder recorder(*host);
        *holder = &recorder;
        CORVMgr::GetSingleton().Render();
        *holder = host;
        return std::move(recorder.m_vCalls);
    }();
    return s_vCalls;
}

template <class To>
void MeasureReplay(benchmark::State& state, To& to)
{
    const std::vector<RecordedHostCall>& calls = SteadyFrameHostCalls();
    for (const RecordedHostCall& call : calls) {
        if (call.slot == RecordedHostCall::Other) {
            state.SkipWithError("the frame makes a call the replay does not make");
            return;
        }
    }
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReplayHostCalls(to, calls));
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
    state.counters["host_calls"] = benchmark::Counter(static_cast<double>(calls.size()));
}

void BM_SteadyFrameHostCallsStraight(benchmark::State& state)
{
    SteadyFrameHostCalls();
    MeasureReplay(state, **GetORVCallBack());
}
BENCHMARK(BM_SteadyFrameHostCallsStraight);

void BM_SteadyFrameHostCallsGuarded(benchmark::State& state)
{
    SteadyFrameHostCalls();
    MeasureReplay(state, *ORVCallBack());
}
BENCHMARK(BM_SteadyFrameHostCallsGuarded);

}  // namespace
