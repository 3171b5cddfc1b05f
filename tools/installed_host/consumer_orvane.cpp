// The installed headers of Orvane, every one included and every function they declare called: it
// links only when the library exports (or the header defines) all that the headers declare.
// Nothing runs unless the program is given an argument; a host's every call is in place.
#include <orvane/ORVCallBack.h>
#include <orvane/Orvane.h>
#include <orvane/OrvTypes.h>
#include <orvane/WinTypes.h>

namespace {

class Host final : public IORVCallBack {
public:
    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int* width, int* height) override { *width = *height = 0; }
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return false; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
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

class Drawer final : public IORVDrawCharacter {
public:
    void SetAppearance(const void*, int) override {}
    void SetValue2(u32) override {}
    void SetValue3(u32) override {}
    bool IsMouseOver() override { return false; }
    void Draw(int, int) override {}
};

void CallEverything()
{
    Host host;
    Host copy(host);      // the interfaces' exported constructors and assignment
    copy = host;
    Drawer drawer;
    Drawer drawerCopy(drawer);
    drawerCopy = drawer;

    CORVMgr& mgr = CORVMgr::GetSingleton();
    mgr = mgr;
    mgr.SetORVCallBack(&host);
    mgr.OpenAerie(&host, "host");
    (void)mgr.IsAerieOpen();
    mgr.Render();
    mgr.Recv("", 0);
    (void)mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, 0);
    mgr.CloseAerie();

    (void)fnOrvane();
    (void)nOrvane;
    COrvane extra;
    COrvane other;
    other = extra;
}

}  // namespace

int main(int argc, char**)
{
    if (argc > 1) {
        CallEverything();
    }
    return 0;
}
