// One steady frame of OrvaneDemo's developer test window through CORVMgr::Render: the drop-down
// list open with its 18 numbers and scroll bar, a selection in the edit field, and a rich-text
// viewer of 50 lines beside them, over a stand-in Garden window. The renderer stand-in records
// nothing, so what is counted is the library's own work. Reports the time per frame and the heap
// allocations per frame (a steady frame should allocate nothing).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>

#include "GardenBenchScene.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/window/ORVTestWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"

namespace {

std::size_t s_nCallsPerFrame = 0;

// Once per process: the library's state lives for the whole run.
void BuildScene()
{
    static bool built = false;
    if (built) {
        return;
    }
    built = true;
    for (u16 id : {10, 11, 12}) {
        glimmer_test::RegisterTexture(3, id, 5, 22);
    }
    for (u16 id = 15; id <= 17; ++id) {
        glimmer_test::RegisterTexture(2, id, 14, 16);
    }
    glimmer_test::RegisterTexture(2, 9, 64, 24);
    glimmer_test::RegisterTexture(3, 17, 16, 16);
    glimmer_test::RegisterTexture(7, 301, 20, 18);
    CORVWindow* garden = OpenBenchGarden();
    if (garden == nullptr) {
        return;
    }

    auto* wnd = static_cast<CORVTestWnd*>(ORV_RUNTIME_CLASS(CORVTestWnd)->m_pfnCreate());
    garden->AddChild(wnd, false);
    wnd->CreateAt(garden, 100, 50, 600, 500);

    // The list open (as its owner answers a click on the box).
    ORVMsg drop(kNotifyChoiceDrop, 0, wnd->m_pChoice);
    wnd->OnMessage(&drop);
    // Text in the edit field, all of it selected; the field keeps the focus.
    wnd->m_pEdit->SetText("选择");
    wnd->m_pEdit->SelectAll();

    // A viewer of 50 lines, scrolled to the bottom.
    static std::unique_ptr<CTextContext> doc = std::make_unique<CTextContext>();
    auto* viewer = new CORVRichTextViewer();
    wnd->AddChild(viewer, true);
    viewer->CreateAt(wnd, 20, 150, 250, 200);
    viewer->SetContext(doc.get());
    viewer->SetScrollStep();
    for (int i = 0; i < 50; ++i) {
        doc->AddText(("#R第" + std::to_string(i) + "行#n rich text line #301").c_str(), 0xFFFFFFFF);
    }
    viewer->ScrollToBottom();

    s_nCallsPerFrame = SettleBenchFrames();
}

void BM_TestWndSteadyFrame(benchmark::State& state)
{
    BuildScene();
    RunSteadyFrames(state, s_nCallsPerFrame);
}
BENCHMARK(BM_TestWndSteadyFrame);

}  // namespace

