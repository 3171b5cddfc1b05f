// A minimal host built against the installed headers and library only: it implements the
// callback interface, hands it over and checks what the exports answer. Exit code 0 when all
// answers are right.
#include <cstdio>

#include "maingame/orvane/ORVMgr.h"

namespace {

class Host final : public IORVCallBack {
public:
    int m_nSizeQueries = 0;

    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int* w, int* h) override { *w = *h = 0; }
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return false; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { ++m_nSizeQueries; return 1024; }
    int GetScreenHeight() override { ++m_nSizeQueries; return 768; }
    const char* GetPlayerName() override { return "host"; }
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
    u16 GetCharacterLevel() override { return 1; }
    void NotifyGameWindow(int) override {}
    void OnMouseMove(LPARAM) override {}
    void Reserved27() override {}
    bool HasBagItem(int, int, int) override { return false; }
    void Reserved29() override {}
    void Reserved30() override {}
};

int g_nFailures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_nFailures += ok ? 0 : 1;
}

}  // namespace

int main()
{
    Host host;
    CORVMgr& mgr = CORVMgr::GetSingleton();
    Check(&mgr == &CORVMgr::GetSingleton(), "one manager");
    Check(fnOrvane() == 42, "fnOrvane() is 42");
    Check(nOrvane == 0, "nOrvane is 0");
    mgr.SetORVCallBack(&host);
    Check(host.m_nSizeQueries > 0, "the callback places the main window on the host's screen");
    Check(!mgr.IsAerieOpen(), "the game is closed");
    Check(!mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, 0), "window messages are left to the host");
    mgr.Render();
    mgr.Recv(nullptr, 0);
    std::printf("installed host: %s\n", g_nFailures == 0 ? "every check passed" : "checks failed");
    return g_nFailures == 0 ? 0 : 1;
}
