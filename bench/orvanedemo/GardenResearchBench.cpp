// One steady frame of the gene research panel mid-reveal through CORVMgr::Render, over a stand-in
// garden window: the three gene cards flipping (long animations, so every measured frame is one of
// the flip), the figures, the fragments counter running, a ticked automatic check box. The
// renderer stand-in records nothing. Reports the time and the heap allocations per frame (a
// steady frame should allocate nothing).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "GardenBenchScene.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenResearchWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"

namespace {

std::size_t s_nCallsPerFrame = 0;
CGardenResearchWnd* s_pPanel = nullptr;

void BuildScene()
{
    static bool built = false;
    if (built) {
        return;
    }
    built = true;
    glimmer_test::RegisterTexture(1, 20, 720, 540);
    for (u16 id : {147, 933, 156, 157, 161}) {
        glimmer_test::RegisterTexture(3, id, 90, 120, 60000);
    }
    for (u16 id : {3, 201, 204, 207, 210, 228}) {
        glimmer_test::RegisterTexture(2, id, 60, 24);
    }
    CORVWindow* garden = OpenBenchGarden();
    if (garden == nullptr) {
        return;
    }
    s_pPanel = static_cast<CGardenResearchWnd*>(garden->CreateChild(ORV_RUNTIME_CLASS(CGardenResearchWnd), 0, ""));
    if (s_pPanel == nullptr) {
        return;
    }
    // A seed result, revealed at once by the ticked check box, with fragments counting on.
    u8* r = GetGardenDataMgr().m_LevelUp.m_Bytes;
    r[0] = 1;          // kind: seeds
    r[2] = 200;        // first fragments
    r[6] = 1;          // plant 1
    r[8] = 20;         // 20 seeds
    s_pPanel->m_pAutoCheck->SetLatch(1);
    ORVMsg result(kMsgGardenTopic, CGardenResearchWnd::kTopicResult, 0, "");
    s_pPanel->ProcessMessage(&result);

    s_nCallsPerFrame = SettleBenchFrames();
}

void BM_ResearchMidRevealFrame(benchmark::State& state)
{
    BuildScene();
    if (s_pPanel == nullptr) {
        state.SkipWithError("the research panel did not open");
        return;
    }
    RunSteadyFrames(state, s_nCallsPerFrame);
}
BENCHMARK(BM_ResearchMidRevealFrame);

}  // namespace
