// A small host game: loads the Orvane shared library through its exports only, hands over a
// callback that prints what the library asks of the host, and drives a few frames of input.
// It shows the library's life before the game opens: nothing happens before the callback is
// handed over; the callback creates the 800 x 600 main window, centred on the host's screen (the
// library asks the host for its screen size); while the game is closed every frame draws nothing
// and every window message is left to the host (WndProc returns false).
#include <cstdio>
#include <cstring>
#include <string>

#include "maingame/orvane/ORVMgr.h"

namespace {

class PrintingHost final : public IORVCallBack {
public:
    int m_nFrame = 0;
    int m_nDrawCalls = 0;

    void SendToServer(const char* data, int len) override
    {
        std::printf("[frame %d] request, %d bytes:", m_nFrame, len);
        for (int i = 0; i < len; ++i) {
            std::printf(" %02X", static_cast<unsigned char>(data[i]));
        }
        std::printf("\n");
        if (len >= 12) {
            auto word = [&](int at) {
                return static_cast<unsigned>(static_cast<unsigned char>(data[at]) |
                                             static_cast<unsigned char>(data[at + 1]) << 8);
            };
            std::printf("           header: owner %u main 0x%X sub 0x%X params %u %u; body \"%.*s\"\n",
                        word(0) | word(2) << 16, word(4), word(6), word(8), word(10), len - 12, data + 12);
        }
    }
    void GetImageSize(int, int, int* w, int* h) override
    {
        if (w) *w = 32;
        if (h) *h = 32;
    }
    void DrawImage(int x, int y, int frame, int set, u32 colour, int, int) override
    {
        ++m_nDrawCalls;
        std::printf("[frame %d] image %d/%d at (%d,%d) colour %08X\n", m_nFrame, set, frame, x, y, colour);
    }
    void DrawImageScaled(int x, int y, int frame, int set, float sx, float sy, u32, int, int) override
    {
        ++m_nDrawCalls;
        std::printf("[frame %d] image %d/%d at (%d,%d) scaled %.2f x %.2f\n", m_nFrame, set, frame, x, y, sx, sy);
    }
    bool HitTestImage(int, int, int, int) override { return true; }
    void DrawText(int x, int y, const char* text, u32 colour, int align, int, int, int, int font, int) override
    {
        ++m_nDrawCalls;
        std::printf("[frame %d] text at (%d,%d) align %d font %d colour %08X: %zu GBK bytes\n", m_nFrame, x, y,
                    align, font, colour, text ? std::strlen(text) : 0);
    }
    void DrawRectFrame(u32 colour, int x, int y, int w, int h) override
    {
        ++m_nDrawCalls;
        std::printf("[frame %d] frame %08X (%d,%d %dx%d)\n", m_nFrame, colour, x, y, w, h);
    }
    void FillRect(u32 colour, int x, int y, int w, int h) override
    {
        ++m_nDrawCalls;
        std::printf("[frame %d] fill %08X (%d,%d %dx%d)\n", m_nFrame, colour, x, y, w, h);
    }
    int m_nSizeQueries = 0;

    int GetScreenWidth() override
    {
        ++m_nSizeQueries;
        std::printf("[frame %d] library asks the screen width: 1024\n", m_nFrame);
        return 1024;
    }
    int GetScreenHeight() override
    {
        ++m_nSizeQueries;
        std::printf("[frame %d] library asks the screen height: 768\n", m_nFrame);
        return 768;
    }
    const char* GetPlayerName() override { return "host"; }
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char* name) override { std::printf("open restaurant of %s\n", name); }
    void OpenPlayerGarden(const char* name) override { std::printf("open garden of %s\n", name); }
    void StartImageAnimation(int, int, int, int) override {}
    void Reserved17() override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override { ++m_nDrawCalls; }
    void Reserved21() override {}
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 30; }
    void NotifyGameWindow(int state) override { std::printf("game window %s\n", state == 0 ? "created" : "destroyed"); }
    void OnMouseMove(LPARAM) override {}
    void Reserved27() override {}
    bool HasBagItem(int, int, int) override { return false; }
    void Reserved29() override {}
    void Reserved30() override {}
};

LPARAM Pos(int x, int y)
{
    return static_cast<LPARAM>((static_cast<unsigned>(y) << 16) | (static_cast<unsigned>(x) & 0xFFFF));
}

}  // namespace

int main()
{
    PrintingHost host;
    CORVMgr& mgr = CORVMgr::GetSingleton();
    std::printf("fnOrvane() = %d\n", fnOrvane());

    std::printf("-- before any callback\n");
    mgr.Render();
    std::printf("WndProc(mouse move) = %s\n", mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(10, 10)) ? "true" : "false");

    std::printf("-- callback handed over, game closed\n");
    mgr.SetORVCallBack(&host);
    std::printf("main window created: the library asked the screen size %d times "
                "(an 800 x 600 window centred on 1024 x 768 sits at (112, 84))\n",
                host.m_nSizeQueries);
    PrintingHost other;
    mgr.SetORVCallBack(&other);
    std::printf("a second callback is ignored: it was asked %d times\n", other.m_nSizeQueries);
    for (host.m_nFrame = 1; host.m_nFrame <= 3; ++host.m_nFrame) {
        mgr.Render();
        bool used = mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONUP, 0, Pos(400, 300));
        std::printf("[frame %d] click consumed: %s\n", host.m_nFrame, used ? "true" : "false");
    }
    std::printf("IsAerieOpen() = %s, draw calls while closed: %d\n", mgr.IsAerieOpen() ? "true" : "false",
                host.m_nDrawCalls);
    return 0;
}
