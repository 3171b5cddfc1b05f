// Steady frames of the own garden screen (fifteen plots, each with a plant) through CORVMgr::Render
// with one side panel open: the ranking panel on its plant category with 100 rows shown under the
// choice (among 300 records) and a row hovered, or the gene research panel with its three cards
// flipping. The screen opens as a Garden session opens it (the enter reply routes the open), with
// the client's requests waiting in its send queue. The renderer stand-in records nothing, so what
// is counted is the library's own work; time and heap allocations per frame are reported (a steady
// frame should allocate nothing).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AllocCounter.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenRank.h"
#include "garden/windows/GardenResearchWnd.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "tools/GardenBytes.h"

namespace {

namespace gb = orv::garden_bytes;
namespace L = garden_layout;

HWND const kHostWindow = reinterpret_cast<HWND>(0x1);

int ORV_STDCALL QuietHost(int, char*, int, char*)
{
    return 0;
}

constexpr int kPlantRows = 100;     // records of the chosen plant ("所有植物")
constexpr int kOtherRecords = 200;  // records of other plants, skipped by the scan

void Deliver(const std::string& packet)
{
    const std::vector<u8> bytes(packet.begin(), packet.end());
    DispatchGardenPacket(bytes.data(), static_cast<int>(bytes.size()));
}

// Reply 516 with ten rows in each list and the plant records: kPlantRows under "所有植物", the
// others under plant names no choice item shows.
CGardenWnd* EnterGarden();

std::string Ranking()
{
    const std::string allPlants = "\xCB\xF9\xD3\xD0\xD6\xB2\xCE\xEF";
    std::string rows129;
    std::string rows131;
    for (int i = 0; i < 10; ++i) {
        std::string r(L::kRankRow129, '\0');
        r[0] = static_cast<char>(i + 1);
        r.replace(L::kRankRowGuid, L::kNameSize, gb::Field(gb::PlayerName(i), L::kNameSize));
        rows129 += r;
        std::string s(L::kRankRow131, '\0');
        s[0] = static_cast<char>(i + 1);
        rows131 += s;
    }
    std::string nested;
    for (int i = 0; i < kPlantRows + kOtherRecords; ++i) {
        std::string r(L::kRankRecord, '\0');
        // Every third record of the first 300 belongs to the chosen plant until there are 100.
        const bool chosen = i % 3 == 0 && i / 3 < kPlantRows;
        r[L::kRankRecordByte] = static_cast<char>(i % 100 + 1);
        r.replace(L::kRankRecordName, L::kNameSize, gb::Field(chosen ? allPlants : "other", L::kNameSize));
        r.replace(L::kRankRecordGuid, L::kNameSize, gb::Field(gb::PlayerName(i), L::kNameSize));
        r.replace(L::kRankRecordDisplay, L::kNameSize, gb::Field(gb::PlayerName(i), L::kNameSize));
        gb::Put16(r, L::kRankRecordLevel, static_cast<std::uint16_t>(i % 20));
        nested += r;
    }
    const std::string list = gb::Item(16, rows129) + gb::Item(17, rows131) + gb::Item(18, rows131) +
                             gb::Item(22, rows131) + gb::Item(23, gb::Zlib(nested));
    return gb::Reply(516, gb::Zlib(list));
}

// Opens the own garden; the library is set up once per process. Null when the screen did not
// open.
CGardenWnd* OpenScreen()
{
    static bool built = false;
    if (built) {
        return EnterGarden();
    }
    built = true;
    glimmer_test::RegisterTexture(1, 15, 610, 400);   // ranking panel
    glimmer_test::RegisterTexture(1, 20, 700, 560);   // research panel
    glimmer_test::RegisterTexture(1, 90, 90, 24, 2);  // ranking categories
    for (u16 frame : {147, 933, 156, 161}) {          // the card flip
        glimmer_test::RegisterTexture(3, frame, 80, 110, 12);
    }
    for (u16 frame = 139; frame <= 144; ++frame) {    // card faces
        glimmer_test::RegisterTexture(3, frame, 80, 110);
    }
    for (u16 id = 101; id <= 200; ++id) {             // soils
        glimmer_test::RegisterTexture(4, id, 150, 80);
    }
    for (u16 id = 1000; id < 1080; ++id) {            // plants by stage
        glimmer_test::RegisterTexture(4, id, 80, 100);
    }
    g_ORVMgr.Init(&QuietHost, 0, kHostWindow, nullptr, nullptr, nullptr);
    GetXmlGardenMgr().Load(ORVANE_SOURCE_DIR "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml");
    std::string player(88, '\0');
    player.replace(8, 2, "me");
    GetLoginInfo().m_PlayerInfo.Assign(player.data(), player.size());
    return EnterGarden();
}

// The enter reply (the screen opens) and the rankings.
CGardenWnd* EnterGarden()
{
    // A player past the tutorial: no welcome box over the screen.
    GetGardenGuide().SetStep(GardenGuide::kFinishedStep);
    gb::GardenDesc garden;
    garden.guid = "me";
    garden.info.wealth = 123456;
    for (int n = 1; n <= CGardenWnd::kPlots; ++n) {
        garden.plots.push_back({.number = static_cast<std::uint8_t>(n), .water = static_cast<std::uint8_t>(n % 5)});
        garden.plants.push_back({static_cast<std::uint16_t>(n % 6 + 1), static_cast<std::uint8_t>(n),
                                 static_cast<std::uint32_t>(600 * n), "me"});
    }
    garden.plantList = {{1, 3}, {2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 1}};
    Deliver(gb::Enter501(garden));
    Deliver(Ranking());
    return GetGardenWnd();
}

// One recorded frame tells how many renderer calls a frame makes; then a few frames so that every
// queue and buffer reaches its steady size, recording switched off.
std::size_t Settle()
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

// One benchmark run's screen: closed again as the run ends (the host's CloseGarden), with the
// renderer stand-in recording again, so nothing outlives the run.
struct ScreenSession {
    ScreenSession() : m_pScreen(OpenScreen()) {}
    ~ScreenSession()
    {
        g_ORVMgr.CloseGarden();
        glimmer_test::SetRecording(true);
    }
    CGardenWnd* m_pScreen;
};

void Report(benchmark::State& state, std::size_t calls, unsigned long long allocations)
{
    state.counters["renderer_calls"] = benchmark::Counter(static_cast<double>(calls));
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
}

void BM_GardenRankPlantsHovered(benchmark::State& state)
{
    const ScreenSession session;
    CGardenWnd* screen = session.m_pScreen;
    if (screen == nullptr || !g_ORVMgr.IsGardenOpen()) {
        state.SkipWithError("the garden screen did not open");
        return;
    }
    screen->TogglePanel(GardenPanelSlot::kRank);
    auto* rank = static_cast<CGardenRank*>(screen->Panel(GardenPanelSlot::kRank));
    if (rank == nullptr) {
        state.SkipWithError("the ranking panel did not open");
        return;
    }
    rank->m_pCategories->SetCurSel(CGardenRank::kPlantCategory);
    ORVMsg pick(kNotifyLeftClick, 0, rank->m_pCategories);
    rank->OnMessage(&pick);
    ORVMsg plant(kNotifyChoiceSelect, 0, rank->m_pPlants);   // "所有植物"
    rank->OnMessage(&plant);
    rank->OnMouseMove(100, 91 + 27 * 3 + 5);
    const std::size_t calls = Settle();
    if (rank->CountRows() != kPlantRows || rank->m_nHoverRow != 3) {
        state.SkipWithError("the plant category does not show its 100 rows hovered");
        return;
    }
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        g_ORVMgr.Render();
    }
    Report(state, calls, AllocationCount() - before);
}
BENCHMARK(BM_GardenRankPlantsHovered);

void BM_GardenResearchReveal(benchmark::State& state)
{
    const ScreenSession session;
    CGardenWnd* screen = session.m_pScreen;
    if (screen == nullptr || !g_ORVMgr.IsGardenOpen()) {
        state.SkipWithError("the garden screen did not open");
        return;
    }
    screen->TogglePanel(GardenPanelSlot::kResearch);
    auto* research = static_cast<CGardenResearchWnd*>(screen->Panel(GardenPanelSlot::kResearch));
    if (research == nullptr) {
        state.SkipWithError("the research panel did not open");
        return;
    }
    // The flip restarts before its last animation ends, so every frame is mid-reveal.
    const auto flip = [research] {
        for (int i = 0; i < CGardenResearchWnd::kCards; ++i) {
            ORVMsg click(kNotifyLeftClick, 0, research->m_apCards[i]);
            research->OnMessage(&click);
        }
    };
    flip();
    const std::size_t calls = Settle();
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        g_ORVMgr.Render();
        if (research->m_anPhase[0] >= 4) {
            flip();
        }
    }
    Report(state, calls, AllocationCount() - before);
}
BENCHMARK(BM_GardenResearchReveal);

}  // namespace
