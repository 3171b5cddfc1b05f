// tools/installed_host/MinimalHost.h
// The callback object of the minimal hosts (installed_host.cpp, consumers/consumer_orvane.cpp):
// every slot of IORVCallBack, keeping what a test looks at: the requests sent, the draw calls of a
// frame and the last game-window notice.
#pragma once

#include <string>
#include <vector>

#include <orvane/Orvane.h>

class MinimalHost final : public IORVCallBack {
public:
    std::vector<std::string> m_vSent;      // requests for the game server, in order
    int m_nDrawCalls = 0;                  // draw calls of the current frame
    int m_nGameWindowState = -1;           // the last NotifyGameWindow

    // Requests: the host sends them to its game server as they are.
    void SendToServer(const char* request, int length) override { m_vSent.emplace_back(request, length); }
    // Images: the host's own art, addressed by (frame, set).
    void GetImageSize(int, int, int* width, int* height) override { *width = *height = 32; }
    void DrawImage(int, int, int, int, u32, int, int) override { ++m_nDrawCalls; }
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override { ++m_nDrawCalls; }
    bool HitTestImage(int x, int y, int, int) override { return x >= 0 && y >= 0 && x < 32 && y < 32; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override { ++m_nDrawCalls; }
    void DrawRectFrame(u32, int, int, int, int) override { ++m_nDrawCalls; }
    void FillRect(u32, int, int, int, int) override { ++m_nDrawCalls; }
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
    const char* GetPlayerName() override { return "host"; }
    // No character drawer: the library then draws no hired friend.
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char*) override {}
    void OpenPlayerGarden(const char*) override {}
    void StartImageAnimation(int, int, int, int) override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override { ++m_nDrawCalls; }
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 1; }
    // Any export may be called from inside a callback.
    void NotifyGameWindow(int state) override { m_nGameWindowState = state; (void)CORVMgr::GetSingleton().IsAerieOpen(); }
    void OnMouseMove(LPARAM) override {}
    bool HasBagItem(int, int, int) override { return false; }
    // Slots the library never calls.
    void Reserved17() override {}
    void Reserved21() override {}
    void Reserved27() override {}
    void Reserved29() override {}
    void Reserved30() override {}
};
