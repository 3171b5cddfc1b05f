// A host for the benchmarks: every call does nothing; image sizes, the screen, the player's name
// and the image hit test answer what the benchmark sets.
#pragma once

#include "framework/core/ORVCallBack.h"

class NullHost final : public IORVCallBack {
public:
    int m_nScreenW = 1024;
    int m_nScreenH = 768;
    const char* m_pszPlayer = "bench";
    bool m_bHit = false;
    int m_nImageW = 32;           // every image ...
    int m_nImageH = 32;
    int m_nBigFrame = -1;         // ... but this one of set 93
    int m_nBigW = 0;
    int m_nBigH = 0;

    void SendToServer(const char*, int) override {}
    void GetImageSize(int frame, int set, int* w, int* h) override
    {
        const bool big = frame == m_nBigFrame && set == 93;
        *w = big ? m_nBigW : m_nImageW;
        *h = big ? m_nBigH : m_nImageH;
    }
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return m_bHit; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return m_nScreenW; }
    int GetScreenHeight() override { return m_nScreenH; }
    const char* GetPlayerName() override { return m_pszPlayer; }
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
