// One steady frame of the library: a host that does nothing, an 800 x 600 game window holding 28
// captioned image buttons, and a visible tooltip. Reports the time per frame and the heap
// allocations per frame (a steady frame should allocate nothing).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <string>

#include "AllocCounter.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "maingame/orvane/ORVMgr.h"


namespace {

// A host that answers and draws nothing: the frame's cost is the library's own.
class NoOpHost final : public IORVCallBack {
public:
    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int* w, int* h) override
    {
        *w = 60;
        *h = 24;
    }
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return true; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
    const char* GetPlayerName() override { return ""; }
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char*) override {}
    void OpenPlayerGarden(const char*) override {}
    void StartImageAnimation(int, int, int, int) override {}
    void Reserved17() override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override {}
    void Reserved21() override {}
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 0; }
    void NotifyGameWindow(int) override {}
    void OnMouseMove(LPARAM) override {}
    void Reserved27() override {}
    bool HasBagItem(int, int, int) override { return false; }
    void Reserved29() override {}
    void Reserved30() override {}
};

class CBenchGameWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CBenchGameWnd)
};
ORV_IMPLEMENT_RUNTIME_CLASS(CBenchGameWnd, CORVWindow)

constexpr int kButtonColumns = 7;
constexpr int kButtonRows = 4;

// Opens the game window with its buttons and puts the mouse on the first button, so the tooltip
// shows. Once per process: the library's state lives for the whole run.
void BuildScene()
{
    static NoOpHost host;
    static bool built = false;
    if (built) {
        return;
    }
    built = true;
    CORVMgr::GetSingleton().SetORVCallBack(&host);
    SetSystemWindowRecord(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CBenchGameWnd));
    CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    mgr.RouteMessage(&open);
    auto* wnd = static_cast<CORVWindow*>(*mgr.m_MainWnd.GetSystemWindowField(ORV_MSG_GAMEWND));
    wnd->SetSize(800, 600);
    wnd->SetPos(0, 0);
    for (int i = 0; i < kButtonColumns * kButtonRows; ++i) {
        CORVButton* button = nullptr;
        wnd->CreateButton(20 + 100 * (i % kButtonColumns), 40 + 60 * (i / kButtonColumns), &button, 9, true, true,
                          "按钮说明 " + std::to_string(i));
        button->m_strCaption = "按钮" + std::to_string(i);
    }
    const int mx = mgr.m_MainWnd.m_nAbsX + 30;
    const int my = mgr.m_MainWnd.m_nAbsY + 50;
    CORVMgr::GetSingleton().WndProc(nullptr, WM_MOUSEMOVE, 0, static_cast<LPARAM>((my << 16) | mx));
    // A few frames so that every queue and buffer reaches its steady size.
    for (int i = 0; i < 8; ++i) {
        CORVMgr::GetSingleton().Render();
    }
}

void BM_SteadyFrame(benchmark::State& state)
{
    BuildScene();
    const unsigned long long before = AllocationCount();
    for (auto _ : state) {
        CORVMgr::GetSingleton().Render();
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SteadyFrame);

}  // namespace
