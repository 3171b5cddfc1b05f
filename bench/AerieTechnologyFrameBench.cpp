// One steady frame of the technology window on the castle institute over the entered own city:
// three technology items, their upgrade buttons, the lab tabs, the work panel and the point
// totals summed again (as in the one second of ten that recounts them), drawn through a host
// whose calls do nothing. Reports the CPU time and the heap allocations per frame.
#include <benchmark/benchmark.h>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieTechnologyWnd.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/control/ORVCtrlMgr.h"
#include "maingame/orvane/ORVMgr.h"

#include "AllocCounter.h"
#include "NullHost.h"

namespace {

// The own city with its buildings at level 2, the castle institute's technologies at levels 0 to
// 3 and the engineering group researching technology 24.
void FillResearchingCity()
{
    CAerieDataMgr& store = CAerieDataMgr::GetSingleton();
    store.Reset();
    store.m_bShowOwn = 1;
    CAerieCityData& city = store.GetOwnCity();
    city.m_strOwnerName = "me";
    CXmlAerieMgr* data = CXmlAerieMgr::GetSingleton();
    for (int i = 0; i < kAerieBuildingSlots; ++i) {
        city.m_aBuildings[i] = AerieBuildingSlot{static_cast<u16>(i), 2, data->FindBuilding(i)};
    }
    if (const CLab* lab = data->FindLab(2)) {
        u16 level = 0;
        for (const CXmlTech& tech : lab->m_vTechs) {
            const u16 id = static_cast<u16>(tech.m_nId);
            city.m_mapTech[id] = AerieTechEntry{id, static_cast<u16>(level++ % 4), data->FindScience(id)};
        }
    }
    const unsigned char work[aerie_layout::kWorkStateSize] = {1, 0, 2, 0, 24, 0, 0x10, 0x0E};   // 3,600 s
    city.SetWorkState(work, sizeof work, 0);
}

void BM_TechnologyWindowSteadyFrame(benchmark::State& state)
{
    CXmlAerieMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerie.xml");
    CAerieConfigMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerieconfig.xml");
    static NullHost host(30, 30, true, "me");
    CORVMgr& mgr = CORVMgr::GetSingleton();
    mgr.SetORVCallBack(&host);
    FillResearchingCity();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    auto* wnd = static_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
        return;
    }
    wnd->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Technology), true, 2);
    auto* technology = dynamic_cast<CAerieTechnologyWnd*>(wnd->m_pSubWnd);
    if (technology == nullptr) {
        state.SkipWithError("the technology window did not open");
        return;
    }
    for (int i = 0; i < 10; ++i) {
        mgr.Render();   // posted messages handed out, texts made
    }
    long long allocations = 0;
    long long frames = 0;
    for (auto _ : state) {
        const long long before = static_cast<long long>(AllocationCount());
        technology->RecountPoints();   // every frame, as in the recounting second
        mgr.Render();
        allocations += static_cast<long long>(AllocationCount()) - before;
        ++frames;
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(frames > 0 ? static_cast<double>(allocations) / static_cast<double>(frames) : 0);
    ORVMsg close(ORV_MSG_GAMEWND, kSysWndClose);
    CORVCtrlMgr::GetSingleton().RouteMessage(&close);
}
BENCHMARK(BM_TechnologyWindowSteadyFrame);

}  // namespace
