// One steady frame of the entered own city: all 18 buildings, the resource bar, the toolbar, the
// caption window with its work-state panel and an open building window, drawn through a host
// whose calls do nothing; and one of the beast window's hatching page over it (three incubators
// with their countdowns, a hired friend, the egg bag). Reports the CPU time and the heap
// allocations per frame.
#include <benchmark/benchmark.h>

#include <string>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/control/ORVCtrlMgr.h"
#include "maingame/orvane/ORVMgr.h"

#include "AllocCounter.h"
#include "NullHost.h"

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

// The game data, a host whose calls do nothing (every image 30 x 30: the drawing does nothing, so
// the game's frame need not have its size), the own city filled by fill and the game window
// opened on it; null when it did not open.
template <class Fill>
CAerieWnd* OpenGameWindow(Fill fill)
{
    CXmlAerieMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerie.xml");
    CAerieConfigMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerieconfig.xml");
    static NullHost host(30, 30, true, "me");
    CORVMgr::GetSingleton().SetORVCallBack(&host);
    fill();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    return static_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
}

// A few frames to hand out the posted messages and make the texts, then the steady frames timed
// with their heap allocations counted; the game window closes at the end.
void MeasureSteadyFrames(benchmark::State& state)
{
    CORVMgr& mgr = CORVMgr::GetSingleton();
    for (int i = 0; i < 10; ++i) {
        mgr.Render();
    }
    long long allocations = 0;
    long long frames = 0;
    for (auto _ : state) {
        const long long before = static_cast<long long>(AllocationCount());
        mgr.Render();
        allocations += static_cast<long long>(AllocationCount()) - before;
        ++frames;
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(frames > 0 ? static_cast<double>(allocations) / static_cast<double>(frames) : 0);
    ORVMsg close(ORV_MSG_GAMEWND, kSysWndClose);
    CORVCtrlMgr::GetSingleton().RouteMessage(&close);
}

void BM_EnteredCitySteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenGameWindow(FillOwnCity);
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
        return;
    }
    ORVMsg click(kNotifyLeftClick, 0, wnd->m_pBuildings[1]);
    wnd->OnMessage(&click);   // the building window of building 1
    MeasureSteadyFrames(state);
}
BENCHMARK(BM_EnteredCitySteadyFrame);

// The own city's guardian beast, three incubators (two hatching with a friend hired at one, one
// finished under protection) and an egg bag of seven eggs.
void FillHatchState()
{
    using namespace aerie_layout;
    CAerieDataMgr& store = CAerieDataMgr::GetSingleton();
    CAerieCityData& city = store.GetOwnCity();
    city.m_Beast[kBeastType] = 1;
    unsigned char records[3 * kIncubatorSize] = {};
    for (int i = 0; i < 3; ++i) {
        unsigned char* r = records + i * kIncubatorSize;
        r[kIncOpened] = 1;
        r[kIncEggType] = static_cast<unsigned char>(1 + i);
        PutLE32(r + kIncHatchSeconds, i == 2 ? 0 : 7200u + 60u * static_cast<u32>(i));
        PutLE32(r + kIncGuardSeconds, 1800);
    }
    const char friendName[] = "pal";
    for (std::size_t k = 0; k < sizeof friendName - 1; ++k) {
        records[kIncSlaveName + k] = static_cast<unsigned char>(friendName[k]);
    }
    city.m_Incubators.Rebuild(records, sizeof records, 0);
    for (int slot = 0; slot < 7; ++slot) {
        store.m_awEggBag[slot] = static_cast<u16>(1 + slot % 3);
    }
}

// One steady frame of the beast window's hatching page over the entered city.
void BM_BeastHatchPageSteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenGameWindow([] {
        FillOwnCity();
        FillHatchState();
    });
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
        return;
    }
    ORVMsg click(kNotifyLeftClick, 0, wnd->m_pBeastBtn);
    wnd->OnMessage(&click);
    auto* beast = dynamic_cast<CAerieBeastWnd*>(wnd->m_pSubWnd);
    if (beast == nullptr) {
        state.SkipWithError("the beast window did not open");
        return;
    }
    beast->SwitchPage(1);
    MeasureSteadyFrames(state);
}
BENCHMARK(BM_BeastHatchPageSteadyFrame);

}  // namespace
