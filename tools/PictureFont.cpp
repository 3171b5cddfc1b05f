#include "tools/PictureFont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tools/FramePicture.h"
#include "tools/GbkText.h"

// stb_truetype's functions compiled here, private to this file (the system's stb library need not
// hold them).
#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_truetype.h>
#pragma GCC diagnostic pop

namespace orv::sample {

struct PictureFont::Face {
    stbtt_fontinfo info{};
    float ascentShare = 0.8f;   // the part of the em above the baseline
};

namespace {

constexpr int kLeastEm = 6;   // pixels: a smaller box is painted with a 6-pixel em, clipped
// A text whose brightness (0.3 R + 0.59 G + 0.11 B) lies below this level stands on a plate of
// this colour and alpha (times the text's alpha).
constexpr u32 kDarkTextLevel = 0x40;
constexpr u32 kPlateColour = 0xD8DCE0;
constexpr u32 kPlateAlpha = 0xC0;

// The em of a text in its box: two bytes' share of the measured width (a two-byte character
// fills its width), at most the box's height.
int EmFor(const Box& box, std::size_t bytes)
{
    const long long twoBytes = bytes > 0 ? 2LL * box.w / static_cast<long long>(bytes) : box.h;
    return static_cast<int>(std::max<long long>(kLeastEm, std::min<long long>(box.h, twoBytes)));
}

}  // namespace

PictureFont::PictureFont() = default;
PictureFont::~PictureFont() = default;

bool PictureFont::Load(const std::string& path)
{
    m_pFace.reset();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    m_vData.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    const int offset = m_vData.empty() ? -1 : stbtt_GetFontOffsetForIndex(m_vData.data(), 0);
    auto face = std::make_unique<Face>();
    if (offset < 0 || !stbtt_InitFont(&face->info, m_vData.data(), offset)) {
        m_vData.clear();
        return false;
    }
    int ascent = 0;
    int descent = 0;
    int gap = 0;
    stbtt_GetFontVMetrics(&face->info, &ascent, &descent, &gap);
    if (ascent > 0 && ascent - descent > 0) {
        face->ascentShare = static_cast<float>(ascent) / static_cast<float>(ascent - descent);
    }
    m_pFace = std::move(face);
    return true;
}

bool PictureFont::HasGlyph(char32_t codePoint) const
{
    return m_pFace != nullptr && stbtt_FindGlyphIndex(&m_pFace->info, static_cast<int>(codePoint)) != 0;
}

void PictureFont::DrawText(Canvas& canvas, const Box& box, std::string_view gbk, u32 argb) const
{
    // Only the part of the box on the canvas is painted: the line's coverage is kept for it alone.
    const long long clipLeft = std::max<long long>(box.x, 0);
    const long long clipTop = std::max<long long>(box.y, 0);
    const long long clipRight = std::min<long long>(static_cast<long long>(box.x) + box.w, canvas.Width());
    const long long clipBottom = std::min<long long>(static_cast<long long>(box.y) + box.h, canvas.Height());
    if (m_pFace == nullptr || clipLeft >= clipRight || clipTop >= clipBottom || (argb >> 24) == 0) {
        return;
    }
    const auto clipW = static_cast<std::size_t>(clipRight - clipLeft);
    const auto clipH = static_cast<std::size_t>(clipBottom - clipTop);
    m_vLine.assign(clipW * clipH, 0);

    const stbtt_fontinfo* info = &m_pFace->info;
    const std::u32string text = GbkToCodePoints(gbk);
    const int em = EmFor(box, gbk.size());
    const float scale = stbtt_ScaleForMappingEmToPixels(info, static_cast<float>(em));

    // The line's natural width, to squeeze it into the box when it is wider.
    std::vector<int> glyphs;
    glyphs.reserve(text.size());
    long long natural = 0;
    for (char32_t cp : text) {
        const int glyph = stbtt_FindGlyphIndex(info, static_cast<int>(cp));
        int advance = 0;
        int bearing = 0;
        stbtt_GetGlyphHMetrics(info, glyph, &advance, &bearing);
        natural += advance;
        glyphs.push_back(glyph);
    }
    const float naturalPx = static_cast<float>(natural) * scale;
    const float scaleX = naturalPx > static_cast<float>(box.w) ? scale * static_cast<float>(box.w) / naturalPx : scale;

    // The em centred in the line; the baseline at the font's share of it.
    const long long emTop = box.y + (box.h - em) / 2;
    const long long baseline = emTop + std::lround(m_pFace->ascentShare * static_cast<float>(em));
    float pen = static_cast<float>(box.x);
    for (int glyph : glyphs) {
        int advance = 0;
        int bearing = 0;
        stbtt_GetGlyphHMetrics(info, glyph, &advance, &bearing);
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
        const float shift = pen - std::floor(pen);
        stbtt_GetGlyphBitmapBoxSubpixel(info, glyph, scaleX, scale, shift, 0.0f, &x0, &y0, &x1, &y1);
        const int w = x1 - x0;
        const int h = y1 - y0;
        if (w > 0 && h > 0) {
            m_vGlyph.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
            stbtt_MakeGlyphBitmapSubpixel(info, m_vGlyph.data(), w, h, w, scaleX, scale, shift, 0.0f, glyph);
            const long long left = static_cast<long long>(std::floor(pen)) + x0;
            const long long top = baseline + y0;
            for (int row = 0; row < h; ++row) {
                const long long y = top + row;
                for (int col = 0; col < w && y >= clipTop && y < clipBottom; ++col) {
                    const long long x = left + col;
                    if (x >= clipLeft && x < clipRight) {
                        unsigned char& cell = m_vLine[static_cast<std::size_t>(y - clipTop) * clipW + static_cast<std::size_t>(x - clipLeft)];
                        cell = std::max(cell, m_vGlyph[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) + static_cast<std::size_t>(col)]);
                    }
                }
            }
        }
        pen += static_cast<float>(advance) * scaleX;
    }

    // A dark text stands on a light plate the size of its box, so it stays readable on the
    // picture's dark boxes.
    const u32 alpha = argb >> 24;
    const u32 r = argb >> 16 & 0xFF;
    const u32 g = argb >> 8 & 0xFF;
    const u32 b = argb & 0xFF;
    if (30 * r + 59 * g + 11 * b < 100 * kDarkTextLevel) {
        canvas.FillBox(box, ((kPlateAlpha * alpha + 127) / 255) << 24 | kPlateColour);
    }
    for (std::size_t y = 0; y < clipH; ++y) {
        for (std::size_t x = 0; x < clipW; ++x) {
            if (const u32 coverage = m_vLine[y * clipW + x]) {
                canvas.Blend(static_cast<int>(clipLeft + static_cast<long long>(x)),
                             static_cast<int>(clipTop + static_cast<long long>(y)),
                             ((alpha * coverage + 127) / 255) << 24 | (argb & 0xFFFFFF));
            }
        }
    }
}

const PictureFont* PictureFont::Default()
{
    static const PictureFont* const font = [] () -> const PictureFont* {
        static PictureFont loaded;
        if (const char* chosen = std::getenv(kPictureFontVariable)) {
            return chosen[0] != '\0' && loaded.Load(chosen) ? &loaded : nullptr;
        }
        for (const char* path : kPictureFontFiles) {
            if (loaded.Load(path)) {
                return &loaded;
            }
        }
        return nullptr;
    }();
    return font;
}

}  // namespace orv::sample
