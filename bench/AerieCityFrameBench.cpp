// One steady frame of the entered own city: all 18 buildings, the resource bar, the toolbar, the
// caption window with its work-state panel and an open building window, drawn through a host
// whose calls do nothing. Reports the CPU time and the heap allocations per frame.
#include <benchmark/benchmark.h>

#include <string>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/control/ORVCtrlMgr.h"
#include "maingame/orvane/ORVMgr.h"

#include "GameWindowBench.h"

namespace {

void PutLE32(unsigned char* p, u32 v)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

// The own city in the store: owner, resources, 18 buildings, two groups at work.
void FillOwnCity()
{
    using namespace aerie_layout;
    CAerieDataMgr& store = CAerieDataMgr::GetSingleton();
    store.Reset();
    store.m_bShowOwn = 1;
    CAerieCityData& city = store.GetOwnCity();
    city.m_strOwnerName = "me";
    unsigned char owner[kOwnerRecordSize] = {};
    PutLE32(owner + kOwnerCoins, 123456);
    PutLE32(owner + kOwnerGrass, 4000);
    PutLE32(owner + kOwnerStone, 3000);
    PutLE32(owner + kOwnerWood, 2000);
    PutLE32(owner + kOwnerMetal, 1000);
    PutLE32(owner + kOwnerMonsterCount, 42);
    PutLE32(owner + kOwnerGardenLevel, 5);
    PutLE32(owner + kOwnerRestaurantLevel, 7);
    owner[kOwnerProductionMultiplier] = 15;
    city.SetOwnerRecord(owner, sizeof owner);
    for (int i = 0; i < kAerieBuildingSlots; ++i) {
        city.m_aBuildings[i].m_wId = static_cast<u16>(i);
        city.m_aBuildings[i].m_wLevel = static_cast<u16>(1 + i % 4);
        city.m_aBuildings[i].m_pConfig = CXmlAerieMgr::GetSingleton()->FindBuilding(i);
    }
    unsigned char work[kWorkStateSize] = {};
    work[kWorkGroup] = 1;
    work[kWorkState] = 1;   // building 3
    work[kWorkTarget] = 3;
    PutLE32(work + kWorkSeconds, 3600);
    city.SetWorkState(work, sizeof work, 0);
    work[kWorkGroup] = 0;
    work[kWorkState] = 0;   // producing
    PutLE32(work + kWorkProductionPerHour, 120);
    PutLE32(work + kWorkProductionCount, 5);
    city.SetWorkState(work, sizeof work, 0);
}

void BM_EnteredCitySteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenGameWindowForBench(state, FillOwnCity);
    if (wnd == nullptr) {
        return;
    }
    ORVMsg click(kNotifyLeftClick, 0, wnd->m_pBuildings[1]);
    wnd->OnMessage(&click);   // the building window of building 1
    MeasureSteadyFrames(state, [] {});
}
BENCHMARK(BM_EnteredCitySteadyFrame);

}  // namespace
