// Steady frames over the entered own city (all 18 buildings, the resource bar, the toolbar, the
// caption window with its work-state panel): with an open building window, with the plunder sheet,
// with the beast window's hatching page (three incubators with their countdowns, a hired
// friend, the egg bag), and with the monster group window's overview (40 cells, the four groups'
// totals). Drawn through a host whose calls do nothing; reports the CPU time and the
// heap allocations per frame.
#include <benchmark/benchmark.h>

#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieMonsterGroupWnd.h"
#include "framework/widgets/ORVButton.h"

#include "GameWindowBench.h"

namespace {

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

// The plunder sheet of mission 0 at the middle difficulty over the entered city: 31 icons, the
// powers and the loss estimate of the fight group with monsters of every kind.
void BM_PlunderSheetSteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenGameWindowForBench(state, FillOwnCity);
    if (wnd == nullptr) {
        return;
    }
    CAerieCityData& city = CAerieDataMgr::GetSingleton().GetOwnCity();
    unsigned char mission[aerie_layout::kFightSize] = {};
    mission[aerie_layout::kFightPhase] = 3;
    WriteLE32(mission + aerie_layout::kFightRewards, 900);
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
    MeasureSteadyFrames(state, [] {});
}
BENCHMARK(BM_PlunderSheetSteadyFrame);

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
        WriteLE32(r + kIncHatchSeconds, i == 2 ? 0 : 7200u + 60u * static_cast<u32>(i));
        WriteLE32(r + kIncGuardSeconds, 1800);
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
    CAerieWnd* wnd = OpenGameWindowForBench(state, [] {
        FillOwnCity();
        FillHatchState();
    });
    if (wnd == nullptr) {
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
    MeasureSteadyFrames(state, [] {});
}
BENCHMARK(BM_BeastHatchPageSteadyFrame);

// Monsters in every group (stacks of each kind, the idle row full on its first page) and talent
// values, so that every total takes its talent form.
void FillMonsters()
{
    using namespace aerie_layout;
    CAerieCityData& city = CAerieDataMgr::GetSingleton().GetOwnCity();
    for (u16 slot = 0; slot < 40; ++slot) {
        if (slot % 10 >= 5 && slot < 30) {
            continue;   // the locked cells of the working rows stay empty
        }
        unsigned char record[kMonsterSize] = {};
        WriteLE16(record + kMonsterSlot, slot);
        WriteLE16(record + kMonsterId, static_cast<u16>(1 + slot % 8));
        WriteLE32(record + kMonsterCount, 1u + slot % 5);
        WriteLE16(record + kMonsterAttrA, 10);
        WriteLE16(record + kMonsterAttrB, 20);
        WriteLE16(record + kMonsterAttrC, 30);
        city.m_mapMonsters[slot].Update(record, sizeof record, 0);
    }
    city.RecomputeGroups();
    for (CAerieMonsterGroup& group : city.m_aGroups) {
        group.m_adwBonus[0] = 11;
        group.m_adwBonus[1] = 12;
        group.m_adwBonus[2] = 13;
        group.m_adwBonus[3] = 14;
    }
}

// One steady frame of the monster group window's overview over the entered city.
void BM_MonsterGroupOverviewSteadyFrame(benchmark::State& state)
{
    CAerieWnd* wnd = OpenGameWindowForBench(state, [] {
        FillOwnCity();
        FillMonsters();
    });
    if (wnd == nullptr) {
        return;
    }
    ORVMsg click(kNotifyLeftClick, 0, wnd->m_pMonsterBtn);
    wnd->OnMessage(&click);
    if (dynamic_cast<CAerieMonsterGroupWnd*>(wnd->m_pSubWnd) == nullptr) {
        state.SkipWithError("the monster group window did not open");
        return;
    }
    MeasureSteadyFrames(state, [] {});
}
BENCHMARK(BM_MonsterGroupOverviewSteadyFrame);

}  // namespace
