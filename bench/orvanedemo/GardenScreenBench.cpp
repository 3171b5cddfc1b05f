// One steady frame of the own garden screen through CORVMgr::Render: fifteen plots with plants,
// the farm-tool strip shown, the mouse resting on a plot's soil with its tooltip, the seed bag
// open, the watering cursor playing over the plot, and both countdowns of the top row (double
// stamina, garden upgrade) drawn. The renderer stand-in records nothing, so what is counted is
// the library's own work; time and heap allocations per frame are reported (a steady frame should
// allocate nothing).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "GardenBench.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ByteOrder.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenSubOperWnd.h"
#include "garden/windows/GardenTipsWnd.h"
#include "platform/WinTypes.h"

namespace {

namespace L = garden_layout;

constexpr int kHoveredPlot = 8;
constexpr u16 kCursorFrames = 8;
constexpr u16 kCursorSpeed = 6;

// The garden with an upgrade running; both countdowns are long enough that their texts do not fit
// a string's own small buffer. The double stamina is not in the enter reply's info.
garden_bench::gb::GardenDesc UpgradingGarden()
{
    garden_bench::gb::GardenDesc garden = garden_bench::OwnGarden();
    garden.info.upgradeTime = 1000 * 86400 + 12 * 3600 + 17 * 60;
    return garden;
}

void BM_GardenScreenSteadyFrame(benchmark::State& state)
{
    glimmer_test::RegisterTexture(7, 403, 60, 60, kCursorFrames);   // the watering cursor
    const garden_bench::ScreenSession session(UpgradingGarden());
    CGardenWnd* screen = session.m_pScreen;
    if (screen == nullptr) {
        state.SkipWithError("the garden screen did not open");
        return;
    }
    CGardenDataMgr& garden = GetGardenDataMgr();
    WriteLE32(garden.m_ShownInfo.m_Bytes + L::kInfoDoubleStamina, 1234 * 86400 + 15 * 3600 + 40 * 60);
    for (u16 id = 1; id <= 6; ++id) {
        garden.m_vSeedBag.push_back(id | (3u << 16));
    }

    // The farm tools under the bottom button, the watering tool chosen, then the seed bag.
    CORVControl* farmWork = screen->BottomButton(CGardenWnd::kFarmWork);
    screen->OnChildMouseEnter(farmWork, nullptr);
    screen->SetToolMode(ToolWater);
    screen->ToggleSeedBag();

    // The mouse on the middle of the plot's soil, as the window procedure hands it in.
    CLandItem* soil = screen->Plot(kHoveredPlot)->Soil();
    const int x = soil->m_nAbsX + soil->m_nWidth / 2;
    const int y = soil->m_nAbsY + soil->m_nHeight / 2;
    TranslateWindowMessage(reinterpret_cast<HWND>(0x1), WM_MOUSEMOVE, 0, static_cast<LPARAM>((y << 16) | x));
    const CGardenTipsWnd* tip = screen->Plot(kHoveredPlot)->ToolTip();
    if (CORVCtrlMgr::GetSingleton().m_pHover != soil || tip == nullptr || tip->m_bVisible == 0 ||
        screen->Panel(GardenPanelSlot::kSeedBag) == nullptr || screen->ToolStrip()->m_bVisible == 0) {
        state.SkipWithError("the plot is not hovered with its tooltip, the seed bag and the tool strip");
        return;
    }

    // The screen plays a tool's cursor after each action on a plot; the frames here play it
    // again as soon as it ends, without the action's request.
    auto& cursor = const_cast<GardenAnim&>(screen->Cursor(ToolWater));
    cursor.Start(kCursorSpeed);
    garden_bench::MeasureSteadyFrames(state, [&cursor] {
        if (cursor.GetState() != GardenAnim::kPlaying) {
            cursor.Start(kCursorSpeed);
        }
    });
}
BENCHMARK(BM_GardenScreenSteadyFrame);

}  // namespace
