// A host for benchmarks that answers with fixed values and draws nothing, so what a benchmark
// measures is the library's own cost.
#pragma once

#include "tools/QuietHost.h"

// A character drawer that draws nothing and is never under the mouse.
class NullDrawer final : public IORVDrawCharacter {
public:
    void SetAppearance(const void*, int) override {}
    void SetValue2(u32) override {}
    void SetValue3(u32) override {}
    bool IsMouseOver() override { return false; }
    void Draw(int, int) override {}
};

class NullHost final : public orv::sample::QuietHost {
public:
    // Every image has this size; every image hit test answers m_bHit.
    NullHost(int imageW, int imageH, bool hit, const char* playerName)
        : m_nImageW(imageW), m_nImageH(imageH), m_bHit(hit), m_szPlayerName(playerName)
    {
    }

    void GetImageSize(int, int, int* w, int* h) override
    {
        *w = m_nImageW;
        *h = m_nImageH;
    }
    bool HitTestImage(int, int, int, int) override { return m_bHit; }
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
    const char* GetPlayerName() override { return m_szPlayerName; }
    u16 GetCharacterLevel() override { return 1; }
    // One shared drawer for every character (it keeps nothing).
    IORVDrawCharacter* CreateDrawCharacter() override { return &m_Drawer; }

private:
    int m_nImageW;
    int m_nImageH;
    bool m_bHit;
    const char* m_szPlayerName;
    NullDrawer m_Drawer;
};
