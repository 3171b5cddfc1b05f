// One steady frame of the technology window on the castle institute over the entered own city:
// three technology items, their upgrade buttons, the lab tabs, the work panel and the point
// totals summed again (as in the one second of ten that recounts them), drawn through a host
// whose calls do nothing. Reports the CPU time and the heap allocations per frame.
#include "aerie/state/AerieDataMgr.h"
#include "aerie/windows/AerieTechnologyWnd.h"

#include "GameWindowBench.h"

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
    CAerieWnd* wnd = OpenGameWindowForBench(state, FillResearchingCity);
    if (wnd == nullptr) {
        return;
    }
    wnd->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Technology), true, 2);
    auto* technology = dynamic_cast<CAerieTechnologyWnd*>(wnd->m_pSubWnd);
    if (technology == nullptr) {
        state.SkipWithError("the technology window did not open");
        return;
    }
    // The points summed every frame, as in the recounting second.
    MeasureSteadyFrames(state, [technology] { technology->RecountPoints(); });
}
BENCHMARK(BM_TechnologyWindowSteadyFrame);

}  // namespace
