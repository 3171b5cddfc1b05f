// The printing host shared by the sample programs: an IORVCallBack that prints what the library
// asks of the host (requests as hex with their decoded header, draw calls per frame, the system's
// GBK texts decoded to UTF-8 through iconv) and answers a 1024 x 768 screen. A frame can be kept
// quiet (its calls only counted) or drawn into a picture as well.
#pragma once

#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/core/ORVCallBack.h"
#include "tools/FramePicture.h"

namespace orv::sample {

// A GBK text as UTF-8, for the terminal.
inline std::string GbkToUtf8(const char* text)
{
    if (text == nullptr) {
        return "(null)";
    }
    static iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return text;
    }
    std::string in(text);
    std::string out(in.size() * 3 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0 && iconv(cd, &src, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
        if (outLeft == 0) {
            break;
        }
        *dst++ = '?';   // a byte that is no GBK character
        --outLeft;
        ++src;
        --inLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}

class PrintingHost final : public IORVCallBack {
public:
    int m_nFrame = 0;
    int m_nDrawCalls = 0;
    bool m_bQuiet = false;                 // draw calls counted, not printed (texts still are)
    FramePicture* m_pPicture = nullptr;    // draw calls also drawn here

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
    // Image sizes as a game's images might be: the game's frame 800 x 600, building windows
    // 500 x 420, buildings and picture buttons 120 x 130, digits 10 x 14, toolbar buttons 36 x 36;
    // other windows of set 93 340 x 150, other buttons of set 92 98 x 26, anything else 32 x 32.
    static void ImageSize(int frame, int set, int* w, int* h)
    {
        int width = set == 93 ? 340 : set == 92 ? 98 : 32;
        int height = set == 93 ? 150 : set == 92 ? 26 : 32;
        auto in = [frame](int lo, int hi) { return frame >= lo && frame <= hi; };
        if (set == 93 && (frame == 1 || frame == 375)) {
            width = 800, height = 600;
        } else if (set == 93 && in(20, 33)) {
            width = 500, height = 420;
        } else if (set == 93 && (in(300, 330) || in(376, 379))) {
            width = 120, height = 130;
        } else if (set == 93 && in(40, 53)) {
            width = 64, height = 64;
        } else if (set == 93 && in(137, 149)) {
            width = 10, height = 14;
        } else if (set == 93 && in(160, 170)) {
            width = 36, height = 20;
        } else if (set == 93 && frame == 396) {
            width = 160, height = 22;
        } else if (set == 93 && frame == 397) {
            width = 160, height = 81;
        } else if (set == 92 && (in(101, 121) || frame == 212 || frame == 284 || frame == 287 || frame == 63)) {
            width = 36, height = 36;
        } else if (set == 92 && (frame == 302 || frame == 305)) {
            width = 37, height = 34;
        } else if (set == 92 && frame == 3) {
            width = 20, height = 20;
        } else if (set == 92 && frame == 149) {
            width = 60, height = 24;
        }
        if (w) *w = width;
        if (h) *h = height;
    }
    void GetImageSize(int frame, int set, int* w, int* h) override { ImageSize(frame, set, w, h); }
    void DrawImage(int x, int y, int frame, int set, u32 colour, int, int) override
    {
        ++m_nDrawCalls;
        if (m_pPicture != nullptr) {
            int w = 0, h = 0;
            ImageSize(frame, set, &w, &h);
            m_pPicture->Image(x, y, w, h, set, frame);
        }
        if (!m_bQuiet) {
            std::printf("[frame %d] image %d/%d at (%d,%d) colour %08X\n", m_nFrame, set, frame, x, y, colour);
        }
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
        if (m_pPicture != nullptr && text != nullptr) {
            // Measured as the library measures: 6 px a byte in font 1, 7 px in the other font.
            const int w = static_cast<int>(std::strlen(text)) * (font == 1 ? 6 : 7);
            const int left = align == 1 ? x - w / 2 : align == 2 ? x - w : x;
            m_pPicture->TextBox(left, y, w, 12, colour);
        }
        std::printf("[frame %d] text at (%d,%d) align %d font %d colour %08X: \"%s\"\n", m_nFrame, x, y, align, font,
                    colour, GbkToUtf8(text).c_str());
    }
    void DrawRectFrame(u32 colour, int x, int y, int w, int h) override
    {
        ++m_nDrawCalls;
        if (m_pPicture != nullptr) {
            m_pPicture->Frame(colour, x, y, w, h);
        }
        if (!m_bQuiet) {
            std::printf("[frame %d] frame %08X (%d,%d %dx%d)\n", m_nFrame, colour, x, y, w, h);
        }
    }
    void FillRect(u32 colour, int x, int y, int w, int h) override
    {
        ++m_nDrawCalls;
        if (m_pPicture != nullptr) {
            m_pPicture->Fill(colour, x, y, w, h);
        }
        if (!m_bQuiet) {
            std::printf("[frame %d] fill %08X (%d,%d %dx%d)\n", m_nFrame, colour, x, y, w, h);
        }
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
    void OpenPlayerRestaurant(const char* name) override { std::printf("open restaurant of %s\n", GbkToUtf8(name).c_str()); }
    void OpenPlayerGarden(const char* name) override { std::printf("open garden of %s\n", GbkToUtf8(name).c_str()); }
    void StartImageAnimation(int, int, int, int) override {}
    void Reserved17() override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int cx, int cy, int r, float angle, u32 colour) override
    {
        ++m_nDrawCalls;
        if (!m_bQuiet) {
            std::printf("[frame %d] sector at (%d,%d) radius %d angle %.2f colour %08X\n", m_nFrame, cx, cy, r, angle,
                        colour);
        }
    }
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
