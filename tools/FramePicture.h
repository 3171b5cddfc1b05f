// A picture of one frame, for a game developer without the game's images: every image the library
// draws is an outlined box of its size labelled "set/frame", rectangles and fills are drawn in
// their colours (alpha blended), and every text is a box of its measured width. Written as PNG
// through stb's image writer (Debian libstb-dev).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <stb/stb_easy_font.h>
#include <stb/stb_image_write.h>

namespace orv::sample {

class FramePicture {
public:
    FramePicture(int w, int h) : m_nW(w), m_nH(h), m_Pixels(static_cast<std::size_t>(w) * h * 4)
    {
        Fill(0xFF202020, 0, 0, w, h);
    }

    // An image reference: its box in a faint fill (window-sized images nearly opaque, so a window
    // hides what lies under it), outlined, labelled with set and frame.
    void Image(int x, int y, int w, int h, int set, int frame)
    {
        const std::uint32_t colour = set == 92 ? 0xFF60A0FF : 0xFF70D070;
        const bool window = w >= 300 && h >= 200;
        Fill(window ? 0xE0283828 : (colour & 0x00FFFFFF) | 0x30000000, x, y, w, h);
        Frame(colour, x, y, w, h);
        char label[32];
        std::snprintf(label, sizeof label, "%d/%d", set, frame);
        Label(x + 2, y + 2, label, colour);
    }
    // A text: a box of its width and line height in the text's colour.
    void TextBox(int x, int y, int w, int h, std::uint32_t colour)
    {
        Fill((colour & 0x00FFFFFF) | 0x60000000, x, y, w, h);
        Frame(colour | 0xFF000000, x, y, w, h);
    }
    // A filled rectangle, alpha blended over what is there.
    void Fill(std::uint32_t argb, int x, int y, int w, int h)
    {
        const int x0 = std::max(x, 0), y0 = std::max(y, 0);
        const int x1 = std::min(x + w, m_nW), y1 = std::min(y + h, m_nH);
        for (int py = y0; py < y1; ++py) {
            for (int px = x0; px < x1; ++px) {
                Blend(px, py, argb);
            }
        }
    }
    // A rectangle's outline.
    void Frame(std::uint32_t argb, int x, int y, int w, int h)
    {
        Fill(argb, x, y, w, 1);
        Fill(argb, x, y + h - 1, w, 1);
        Fill(argb, x, y, 1, h);
        Fill(argb, x + w - 1, y, 1, h);
    }
    // A short ASCII label in stb's small vector font.
    void Label(int x, int y, const char* text, std::uint32_t argb)
    {
        static float quads[4 * 4 * 300];
        const int n = stb_easy_font_print(0, 0, const_cast<char*>(text), nullptr, quads, sizeof quads);
        for (int q = 0; q < n; ++q) {
            const float* v = quads + q * 16;   // four vertices of x, y, z, colour
            const int qx = static_cast<int>(v[0]), qy = static_cast<int>(v[1]);
            const int qw = static_cast<int>(v[4] - v[0]), qh = static_cast<int>(v[9] - v[1]);
            Fill(argb, x + qx, y + qy, std::max(qw, 1), std::max(qh, 1));
        }
    }
    bool Save(const std::string& path) const
    {
        return stbi_write_png(path.c_str(), m_nW, m_nH, 4, m_Pixels.data(), m_nW * 4) != 0;
    }

private:
    void Blend(int px, int py, std::uint32_t argb)
    {
        unsigned char* p = &m_Pixels[(static_cast<std::size_t>(py) * m_nW + px) * 4];
        const unsigned a = argb >> 24;
        const unsigned src[3] = {(argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF};
        for (int c = 0; c < 3; ++c) {
            p[c] = static_cast<unsigned char>((src[c] * a + p[c] * (255 - a)) / 255);
        }
        p[3] = 255;
    }

    int m_nW;
    int m_nH;
    std::vector<unsigned char> m_Pixels;   // RGBA rows
};

}  // namespace orv::sample
