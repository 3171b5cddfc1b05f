// Steady frames of the own garden screen (fifteen plots, each with a plant) through CORVMgr::Render
// with one side panel open: the ranking panel on its plant category with 100 rows shown under the
// choice (among 300 records) and a row hovered, or the gene research panel with its three cards
// flipping. The screen opens as a Garden session opens it (the enter reply routes the open), with
// the client's requests waiting in its send queue. The renderer stand-in records nothing, so what
// is counted is the library's own work; time and heap allocations per frame are reported (a steady
// frame should allocate nothing).
#include <cstdint>
#include <string>

#include "AllocCounter.h"
#include "GardenBench.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "garden/windows/GardenRank.h"
#include "garden/windows/GardenResearchWnd.h"

namespace {

namespace gb = orv::garden_bytes;
namespace L = garden_layout;
using garden_bench::Deliver;

constexpr int kPlantRows = 100;     // records of the chosen plant ("所有植物")
constexpr int kOtherRecords = 200;  // records of other plants, skipped by the scan

// Reply 516 with ten rows in each list and the plant records: kPlantRows under "所有植物", the
// others under plant names no choice item shows.
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

// The panels' own textures, once per process.
void RegisterPanelTextures()
{
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    glimmer_test::RegisterTexture(1, 15, 610, 400);   // ranking panel
    glimmer_test::RegisterTexture(1, 20, 700, 560);   // research panel
    glimmer_test::RegisterTexture(1, 90, 90, 24, 2);  // ranking categories
    for (u16 frame : {147, 933, 156, 161}) {          // the card flip
        glimmer_test::RegisterTexture(3, frame, 80, 110, 12);
    }
    for (u16 frame = 139; frame <= 144; ++frame) {    // card faces
        glimmer_test::RegisterTexture(3, frame, 80, 110);
    }
}

// The own garden's screen with the rankings delivered.
struct PanelSession : garden_bench::ScreenSession {
    PanelSession()
    {
        RegisterPanelTextures();
        Deliver(Ranking());
    }
    // The panel of slot opened on the screen; null (the run skipped) when screen or panel is missing.
    template <class Panel>
    Panel* Open(benchmark::State& state, GardenPanelSlot slot) const
    {
        if (m_pScreen == nullptr) {
            state.SkipWithError("the garden screen did not open");
            return nullptr;
        }
        m_pScreen->TogglePanel(slot);
        auto* panel = static_cast<Panel*>(m_pScreen->Panel(slot));
        if (panel == nullptr) {
            state.SkipWithError("the panel did not open");
        }
        return panel;
    }
};

void BM_GardenRankPlantsHovered(benchmark::State& state)
{
    const PanelSession session;
    auto* rank = session.Open<CGardenRank>(state, GardenPanelSlot::kRank);
    if (rank == nullptr) {
        return;
    }
    rank->m_pCategories->SetCurSel(CGardenRank::kPlantCategory);
    ORVMsg pick(kNotifyLeftClick, 0, rank->m_pCategories);
    rank->OnMessage(&pick);
    ORVMsg plant(kNotifyChoiceSelect, 0, rank->m_pPlants);   // "所有植物"
    rank->OnMessage(&plant);
    rank->OnMouseMove(100, 91 + 27 * 3 + 5);
    const std::size_t calls = garden_bench::Settle();
    if (rank->CountRows() != kPlantRows || rank->m_nHoverRow != 3) {
        state.SkipWithError("the plant category does not show its 100 rows hovered");
        return;
    }
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        g_ORVMgr.Render();
    }
    garden_bench::Report(state, calls, AllocationCount() - before);
}
BENCHMARK(BM_GardenRankPlantsHovered);

void BM_GardenResearchReveal(benchmark::State& state)
{
    const PanelSession session;
    auto* research = session.Open<CGardenResearchWnd>(state, GardenPanelSlot::kResearch);
    if (research == nullptr) {
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
    garden_bench::MeasureSteadyFrames(state, [&] {
        if (research->m_anPhase[0] >= 4) {
            flip();
        }
    });
}
BENCHMARK(BM_GardenResearchReveal);

}  // namespace
