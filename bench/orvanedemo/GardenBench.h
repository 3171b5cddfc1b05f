// What the garden-screen benchmarks share: the library set up once per process (the renderer
// stand-in's textures, the game data, the player), the own garden entered as a Garden session
// enters it (the enter reply routes the open of the screen; fifteen plots, each with a plant),
// the settling frames before measuring, one screen per benchmark run and the figures reported
// (renderer calls of one recorded frame, heap allocations per frame).
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AllocCounter.h"
#include "engine/LoginText.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "tools/GardenBytes.h"

namespace garden_bench {

namespace gb = orv::garden_bytes;

inline int ORV_STDCALL QuietHost(int, char*, int, char*)
{
    return 0;
}

inline void Deliver(const std::string& packet)
{
    const std::vector<u8> bytes(packet.begin(), packet.end());
    DispatchGardenPacket(bytes.data(), static_cast<int>(bytes.size()));
}

// Once per process: the soils and plants every screen draws, the manager, the game data and the
// player record.
inline void SetUpLibrary()
{
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (u16 id = 101; id <= 200; ++id) {   // soils
        glimmer_test::RegisterTexture(4, id, 150, 80);
    }
    for (u16 id = 1000; id < 1080; ++id) {  // plants by stage
        glimmer_test::RegisterTexture(4, id, 80, 100);
    }
    g_ORVMgr.Init(&QuietHost, 0, reinterpret_cast<HWND>(0x1), nullptr, nullptr, nullptr);
    GetXmlGardenMgr().Load(ORVANE_SOURCE_DIR "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml");
    std::string player(88, '\0');
    player.replace(8, 2, "me");
    GetLoginInfo().m_PlayerInfo.Assign(player.data(), player.size());
}

// The own garden: fifteen developed plots, each with a plant at its own stage.
inline gb::GardenDesc OwnGarden()
{
    gb::GardenDesc garden;
    garden.guid = "me";
    garden.info.wealth = 123456;
    for (int n = 1; n <= CGardenWnd::kPlots; ++n) {
        garden.plots.push_back({.number = static_cast<std::uint8_t>(n), .water = static_cast<std::uint8_t>(n % 5)});
        garden.plants.push_back({static_cast<std::uint16_t>(n % 6 + 1), static_cast<std::uint8_t>(n),
                                 static_cast<std::uint32_t>(600 * n), "me"});
    }
    garden.plantList = {{1, 3}, {2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 1}};
    return garden;
}

// Enters the garden (the screen opens on the enter reply) for a player past the tutorial (no
// welcome box over the screen). Null when the screen did not open.
inline CGardenWnd* EnterGarden(const gb::GardenDesc& garden)
{
    SetUpLibrary();
    GetGardenGuide().SetStep(GardenGuide::kFinishedStep);
    Deliver(gb::Enter501(garden));
    return g_ORVMgr.IsGardenOpen() ? GetGardenWnd() : nullptr;
}

// One recorded frame tells how many renderer calls a frame makes; then a few frames so that every
// queue and buffer reaches its steady size, recording switched off.
inline std::size_t Settle()
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

// One benchmark run's screen over the garden: closed again as the run ends (the host's
// CloseGarden), with the renderer stand-in recording again, so nothing outlives the run.
struct ScreenSession {
    explicit ScreenSession(const gb::GardenDesc& garden = OwnGarden()) : m_pScreen(EnterGarden(garden)) {}
    ~ScreenSession()
    {
        g_ORVMgr.CloseGarden();
        glimmer_test::SetRecording(true);
    }
    ScreenSession(const ScreenSession&) = delete;
    ScreenSession& operator=(const ScreenSession&) = delete;
    CGardenWnd* m_pScreen;
};

inline void Report(benchmark::State& state, std::size_t calls, unsigned long long allocations)
{
    state.counters["renderer_calls"] = benchmark::Counter(static_cast<double>(calls));
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
}

// Settles, then measures one g_ORVMgr.Render per iteration, each after step(); reports the figures.
template <class Step>
void MeasureSteadyFrames(benchmark::State& state, Step step)
{
    const std::size_t calls = Settle();
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        step();
        g_ORVMgr.Render();
    }
    Report(state, calls, AllocationCount() - before);
}

}  // namespace garden_bench
