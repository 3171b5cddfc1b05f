// The renderer the engine-drawn build draws through: the classes and globals it calls, with the
// arguments it passes. This library stands in for the real renderer on machines without one: it
// records every call in order (a trace that BeginScene splits into frames), answers texture sizes,
// frame counts and offsets from a texture catalogue, and exposes knobs for what the device would
// decide (GlimmerTest.h).
#pragma once

#include <cstdint>

#include "orvane/Direct3DTypes.h"

#if defined(_WIN32) && defined(GLIMMER_BUILDING)
#define GLIMMER_API __declspec(dllexport)
#elif defined(_WIN32)
#define GLIMMER_API
#else
#define GLIMMER_API __attribute__((visibility("default")))
#endif

struct HWND__;

// A clip rectangle as the renderer takes it: left, top, right, bottom.
struct GlimmerRect {
    long left;
    long top;
    long right;
    long bottom;
};

class GLIMMER_API CTex {
public:
    // Binds the texture (group, id); false (and an empty texture) when the catalogue lacks it.
    bool LoadTex(std::uint16_t group, std::uint16_t id, bool flag);
    void DrawTex(int x, int y, std::uint32_t argb);
    int GetFrames();
    void AnimationControl(bool run, int frame);
    // 2 when (x, y) lies inside the texture's current frame scaled by (sx, sy), else 0.
    int IsPointInTex(int x, int y, float sx, float sy);

    std::uint16_t m_wGroup = 0;
    std::uint16_t m_wId = 0;
    bool m_bLoaded = false;
    int m_nFrame = 0;
};

class GLIMMER_API CGraphicD3D {
public:
    bool CreateD3D(HWND__* hwnd, IDirect3DDevice9* device, ID3DXSprite* sprite, int a, int b,
                   int displayMode, bool flag);
    void SetFPS(int fps);
    void BeginScene();
    void EndScene(void* dirty);
    void OnDeviceLost();
    void OnDeviceReset(D3DPRESENT_PARAMETERS* params);
    bool WillShowFrame();
    void ValidateDX();
    void KillD3D();
    void SetRenderMode(int mode);
    void DrawRectangleWithFrame(std::uint32_t frameArgb, std::uint32_t fillArgb, int x1, int y1, int x2,
                                int y2, int width);
    void DrawFillRect(int x, int y, int w, int h, std::uint32_t argb);
    void DrawRectangle(std::uint32_t argb, int x1, int y1, int x2, int y2, int width);

    int m_nScreenWidth = 800;
    int m_nScreenHeight = 600;
    std::uint32_t m_dwFrameTime = 0;   // frames drawn so far; BeginScene counts it up
};

class GLIMMER_API CFontD3D {
public:
    void DrawTextA(int x, int y, const char* text, std::uint32_t argb, int size, int flags,
                   std::uint32_t background);
    void DrawTextA(int x, int y, const char* text, std::uint32_t argb, int size, bool a, int b, bool c);
    void DrawTextPart(int x, int y, const char* text, std::uint32_t argb, int cut, int size, int flags,
                      std::uint32_t background);
    // Draws text wrapped inside the box (x, y, w, h): size / 2 pixels a byte, a two-byte character
    // never split, lineHeight pixels a line; lines below the box are not drawn.
    void DrawScrollText(int x, int y, const char* text, std::uint32_t argb, int w, int h, int a,
                        int size, int lineHeight, int b, bool c);
};

class GLIMMER_API CTexMgr {
public:
    void DrawTexture(int x, int y, std::uint16_t id, std::uint16_t group, std::uint32_t argb, bool flag);
    void DrawTextureZoom(int x, int y, std::uint16_t id, std::uint16_t group, float sx, float sy,
                         std::uint32_t argb, const GlimmerRect* clip, bool flag);
    // The catalogued size of (group, id); false and 0 x 0 when it is not catalogued.
    bool GetTextureOriginSize(std::uint16_t group, std::uint16_t id, int& w, int& h);
    // The manager's own texture of (group, id), loaded; null when it is not catalogued.
    CTex* GetTextureImm(std::uint16_t group, std::uint16_t id);
    CTex* GetTexture(std::uint16_t group, std::uint16_t id, int priority);
    CTex* NewTexture();
    void DeleteTexture(CTex* tex);
    void WashTexture(int age);
    void PopThreadReaded();
};

// The texture pool manager: free room is total minus used.
class GLIMMER_API CTex9PoolMgr {
public:
    void ReleaseSomePool();
    std::uint32_t m_dwPoolTotal = 0x4000000;
    std::uint32_t m_dwPoolUsed = 0;
};

// The texture buffer pool: bytes in use are third minus first.
struct TexBufPool {
    std::uint32_t m_dwFirst = 0;
    std::uint32_t m_dwSecond = 0;
    std::uint32_t m_dwThird = 0;
};

extern GLIMMER_API CGraphicD3D g_CG;
extern GLIMMER_API CFontD3D g_Font;
extern GLIMMER_API CTexMgr g_TexMgr;
extern GLIMMER_API CTex9PoolMgr g_Tex9Mgr;
extern GLIMMER_API TexBufPool g_TexBufPool;
