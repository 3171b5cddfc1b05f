// What the game-window benchmarks share: the sample game data and settings loaded, a host whose
// calls do nothing, the store filled and the game window opened over it; then steady frames
// measured with their CPU time and heap allocations, and the game window closed again.
#pragma once

#include <benchmark/benchmark.h>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/control/ORVCtrlMgr.h"
#include "maingame/orvane/ORVMgr.h"

#include "AllocCounter.h"
#include "NullHost.h"

// Loads the data, hands the host over, fills the store (fill) and opens the game window. Null,
// with the benchmark skipped, when it did not open. Every image is 30 x 30: the drawing does
// nothing, so the game's frame need not have its size.
inline CAerieWnd* OpenGameWindowForBench(benchmark::State& state, void (*fill)())
{
    CXmlAerieMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerie.xml");
    CAerieConfigMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerieconfig.xml");
    static NullHost host(30, 30, true, "me");
    CORVMgr::GetSingleton().SetORVCallBack(&host);
    fill();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    auto* wnd = static_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
    }
    return wnd;
}

// Ten frames to settle (posted messages handed out, texts made), then one frame per iteration,
// each after extra(); reports "allocs_per_frame" and closes the game window.
template <class Extra>
void MeasureSteadyFrames(benchmark::State& state, Extra extra)
{
    CORVMgr& mgr = CORVMgr::GetSingleton();
    for (int i = 0; i < 10; ++i) {
        mgr.Render();
    }
    long long allocations = 0;
    long long frames = 0;
    for (auto _ : state) {
        const long long before = static_cast<long long>(AllocationCount());
        extra();
        mgr.Render();
        allocations += static_cast<long long>(AllocationCount()) - before;
        ++frames;
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(frames > 0 ? static_cast<double>(allocations) / static_cast<double>(frames) : 0);
    ORVMsg close(ORV_MSG_GAMEWND, kSysWndClose);
    CORVCtrlMgr::GetSingleton().RouteMessage(&close);
}
