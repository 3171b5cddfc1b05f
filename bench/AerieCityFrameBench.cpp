// Steady frames of the entered own city: all 18 buildings, the resource bar, the toolbar, the
// caption window with its work-state panel and an open building window; and the plunder sheet
// over the city. Drawn through a host whose calls do nothing; reports the CPU time and the heap
// allocations per frame.
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

// The game window opened over the own city; null when it did not open.
CAerieWnd* OpenOverOwnCity()
{
    CXmlAerieMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerie.xml");
    CAerieConfigMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerieconfig.xml");
    // Every image 30 x 30 (the drawing does nothing, so the game's frame need not have its size).
    static NullHost host(30, 30, true, "me");
    CORVMgr::GetSingleton().SetORVCallBack(&host);
    FillOwnCity();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    return static_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
}

// Frames until the posted messages are handed out and the texts made, then the steady frames
// timed with their allocations counted; the game window closes at the end.
void TimeSteadyFrames(benchmark::State& state)
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
    CAerieWnd* wnd = OpenOverOwnCity();
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
        return;
    }
    ORVMsg click(kNotifyLeftClick, 0, wnd->m_pBuildings[1]);
    wnd->OnMessage(&click);   // the building window of building 1
    TimeSteadyFrames(state);
}
BENCHMARK(BM_EnteredCitySteadyFrame);

// The plunder sheet of mission 0 at the middle difficulty over the entered city: 31 icons, the
// powers and the loss estimate of the fight group with monsters of every kind.
void BM_PlunderSheetSteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenOverOwnCity();
    if (wnd == nullptr) {
        state.SkipWithError("the game window did not open");
        return;
    }
    CAerieCityData& city = CAerieDataMgr::GetSingleton().GetOwnCity();
    unsigned char mission[aerie_layout::kFightSize] = {};
    mission[aerie_layout::kFightPhase] = 3;
    PutLE32(mission + aerie_layout::kFightRewards, 900);
    AerieFightMission::FillRecord(city.m_FightMissions.m_mapMissions[0].m_Record, mission, sizeof mission);
    city.m_FightMissions.m_adwHeader[0] = 5000;
    CAerieMonsterGroup& group = city.m_aGroups[2];
    group.m_dwMonsterCount = 40;
    for (int k = 0; k < 4; ++k) {
        group.m_adwKindCount[2][k] = 10;
    }
    group.m_adwTotal[2] = 1234;
    DeliverGameEvent(EVT_FIGHTROB_WND, 1u << 16);
    DeliverGameEvent(EVT_FIGHT_TABLE_CHANGED);
    if (wnd->m_pFightWnd == nullptr) {
        state.SkipWithError("the plunder sheet did not open");
        return;
    }
    TimeSteadyFrames(state);
}
BENCHMARK(BM_PlunderSheetSteadyFrame);

}  // namespace
