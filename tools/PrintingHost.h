// The printing host shared by the sample programs: an IORVCallBack that prints what the library
// asks of the host (requests as hex with their decoded header, draw calls per frame, ASCII texts
// as they stand) and answers a 1024 x 768 screen.
#pragma once

#include <cstdio>
#include <cstring>

#include "framework/core/ORVCallBack.h"

namespace orv::sample {

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
    // Image sizes: window backgrounds of set 93 are 340 x 150, buttons of set 92 are 98 x 26,
    // anything else 32 x 32.
    void GetImageSize(int, int set, int* w, int* h) override
    {
        const int width = set == 93 ? 340 : set == 92 ? 98 : 32;
        const int height = set == 93 ? 150 : set == 92 ? 26 : 32;
        if (w) *w = width;
        if (h) *h = height;
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
        bool ascii = text != nullptr;
        for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
            ascii = ascii && static_cast<unsigned char>(*p) < 0x80;
        }
        if (ascii) {
            std::printf("[frame %d] text at (%d,%d) align %d font %d colour %08X: \"%s\"\n", m_nFrame, x, y, align,
                        font, colour, text);
        } else {
            std::printf("[frame %d] text at (%d,%d) align %d font %d colour %08X: %zu GBK bytes\n", m_nFrame, x, y,
                        align, font, colour, text ? std::strlen(text) : 0);
        }
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

inline LPARAM Pos(int x, int y)
{
    return static_cast<LPARAM>((static_cast<unsigned>(y) << 16) | (static_cast<unsigned>(x) & 0xFFFF));
}

}  // namespace orv::sample
