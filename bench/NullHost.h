// A host for benchmarks that answers with fixed values and draws nothing, so what a benchmark
// measures is the library's own cost.
#pragma once

#include "framework/core/ORVCallBack.h"

class NullHost final : public IORVCallBack {
public:
    // Every image has this size; every image hit test answers m_bHit.
    NullHost(int imageW, int imageH, bool hit, const char* playerName)
        : m_nImageW(imageW), m_nImageH(imageH), m_bHit(hit), m_szPlayerName(playerName)
    {
    }

    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int* w, int* h) override
    {
        *w = m_nImageW;
        *h = m_nImageH;
    }
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return m_bHit; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
    const char* GetPlayerName() override { return m_szPlayerName; }
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

private:
    int m_nImageW;
    int m_nImageH;
    bool m_bHit;
    const char* m_szPlayerName;
};
