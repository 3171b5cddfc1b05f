#include "tools/FramePicture.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/PictureFont.h"

namespace orv::sample {

namespace {

// Rows of 3 dots, top to bottom, the left dot in bit 2.
struct Glyph {
    char c;
    u8 rows[kLabelDots];
};
constexpr Glyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'/', {1, 1, 2, 4, 4}},
};
constexpr int kGlyphAdvance = 4;   // dots: 3 of the glyph and 1 of space
constexpr int kLabelMargin = 2;
constexpr double kTwoPi = 6.283185307179586;

const Glyph* FindGlyph(char c)
{
    for (const Glyph& g : kGlyphs) {
        if (g.c == c) {
            return &g;
        }
    }
    return nullptr;
}

int Scaled(int size, float scale)
{
    if (!(scale >= 0.0f)) {   // negative or NaN
        return 0;
    }
    const double v = std::lround(static_cast<double>(size) * scale);
    return static_cast<int>(std::clamp(v, 0.0, 1e6));
}

// The colour with its alpha multiplied by tint's alpha.
u32 WithTintAlpha(u32 argb, u32 tint)
{
    const u32 a = ((argb >> 24) * (tint >> 24) + 127) / 255;
    return a << 24 | (argb & 0xFFFFFF);
}

std::string ImageLabel(const DrawOp& op)
{
    return std::to_string(op.m_nSet) + "/" + std::to_string(op.m_nFrame);
}

}  // namespace

Box ScaledImageBox(int x, int y, int w, int h, float scaleX, float scaleY)
{
    return {x, y, Scaled(w, scaleX), Scaled(h, scaleY)};
}

Box TextBox(int x, int y, int width, int lineHeight, int align)
{
    const int left = align == 1 ? x - width / 2 : align == 2 ? x - width : x;
    return {left, y, width, lineHeight};
}

u32 BlendOver(u32 rgb, u32 argb)
{
    const u32 a = argb >> 24;
    u32 out = 0xFF000000;
    for (int shift = 0; shift <= 16; shift += 8) {
        const u32 src = (argb >> shift) & 0xFF;
        const u32 dst = (rgb >> shift) & 0xFF;
        out |= ((src * a + dst * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

int LabelWidth(std::string_view text, int scale)
{
    // The last character's trailing space does not count.
    return text.empty() ? 0 : (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}

int LabelScaleFor(const Box& box, std::string_view text)
{
    for (int scale = 2; scale >= 1; --scale) {
        if (LabelWidth(text, scale) + 2 * kLabelMargin <= box.w && kLabelDots * scale + 2 * kLabelMargin <= box.h) {
            return scale;
        }
    }
    return 0;
}

Canvas::Canvas(int w, int h, u32 background)
    : m_nWidth(std::max(w, 0)), m_nHeight(std::max(h, 0)),
      m_vRgb(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight) * 3)
{
    for (std::size_t i = 0; i < m_vRgb.size(); i += 3) {
        m_vRgb[i] = static_cast<unsigned char>(background >> 16);
        m_vRgb[i + 1] = static_cast<unsigned char>(background >> 8);
        m_vRgb[i + 2] = static_cast<unsigned char>(background);
    }
}

u32 Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        return 0;
    }
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)) * 3;
    return 0xFF000000u | static_cast<u32>(m_vRgb[i]) << 16 | static_cast<u32>(m_vRgb[i + 1]) << 8 | m_vRgb[i + 2];
}

void Canvas::Blend(int x, int y, u32 argb)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        return;
    }
    const u32 out = BlendOver(Pixel(x, y), argb);
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)) * 3;
    m_vRgb[i] = static_cast<unsigned char>(out >> 16);
    m_vRgb[i + 1] = static_cast<unsigned char>(out >> 8);
    m_vRgb[i + 2] = static_cast<unsigned char>(out);
}

void Canvas::FillBox(const Box& box, u32 argb)
{
    FillSpan(box.x, box.y, static_cast<long long>(box.x) + box.w, static_cast<long long>(box.y) + box.h, argb);
}

// Clipped first, in 64 bits, so a huge box costs no more than the canvas and nothing overflows.
void Canvas::FillSpan(long long left, long long top, long long right, long long bottom, u32 argb)
{
    const long long x0 = std::max(left, 0LL);
    const long long y0 = std::max(top, 0LL);
    const long long x1 = std::min(right, static_cast<long long>(m_nWidth));
    const long long y1 = std::min(bottom, static_cast<long long>(m_nHeight));
    for (long long y = y0; y < y1; ++y) {
        for (long long x = x0; x < x1; ++x) {
            Blend(static_cast<int>(x), static_cast<int>(y), argb);
        }
    }
}

void Canvas::OutlineBox(const Box& box, u32 argb)
{
    if (box.w <= 0 || box.h <= 0) {
        return;
    }
    const long long left = box.x;
    const long long top = box.y;
    const long long right = left + box.w;     // past the last column
    const long long bottom = top + box.h;     // past the last row
    FillSpan(left, top, right, top + 1, argb);
    if (box.h > 1) {
        FillSpan(left, bottom - 1, right, bottom, argb);
    }
    if (box.h > 2) {
        FillSpan(left, top + 1, left + 1, bottom - 1, argb);
        if (box.w > 1) {
            FillSpan(right - 1, top + 1, right, bottom - 1, argb);
        }
    }
}

void Canvas::Label(long long x, long long y, std::string_view text, u32 argb, int scale)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* g = FindGlyph(text[i]);
        if (g == nullptr) {
            continue;
        }
        const long long left = x + static_cast<long long>(i) * kGlyphAdvance * scale;
        for (int row = 0; row < kLabelDots; ++row) {
            for (int col = 0; col < 3; ++col) {
                if ((g->rows[row] >> (2 - col)) & 1) {
                    const long long dotX = left + col * scale;
                    const long long dotY = y + static_cast<long long>(row) * scale;
                    FillSpan(dotX, dotY, dotX + scale, dotY + scale, argb);
                }
            }
        }
    }
}

void Canvas::Pie(int cx, int cy, int radius, float angle, u32 argb)
{
    if (radius <= 0 || !(angle > 0.0f)) {
        return;
    }
    // Only the rows and columns of the circle that lie on the canvas.
    const long long r = radius;
    const long long y0 = std::max(cy - r, 0LL);
    const long long y1 = std::min(cy + r, static_cast<long long>(m_nHeight) - 1);
    const long long x0 = std::max(cx - r, 0LL);
    const long long x1 = std::min(cx + r, static_cast<long long>(m_nWidth) - 1);
    for (long long y = y0; y <= y1; ++y) {
        for (long long x = x0; x <= x1; ++x) {
            const long long dx = x - cx;
            const long long dy = y - cy;
            if (dx * dx + dy * dy > r * r) {
                continue;
            }
            double a = std::atan2(static_cast<double>(dx), static_cast<double>(-dy));
            if (a < 0) {
                a += kTwoPi;
            }
            if (a <= angle) {
                Blend(static_cast<int>(x), static_cast<int>(y), argb);
            }
        }
    }
}

void Canvas::Paint(const DrawOp& op, const LabelSpot* spot, const PictureFont* font)
{
    switch (op.m_kind) {
    case DrawKind::Image:
    case DrawKind::ScaledImage: {
        const u32 outline = WithTintAlpha(kImageOutline, op.m_colour);
        FillBox(op.m_box, WithTintAlpha(op.m_bOpaque ? kOpaqueImageFill : kImageFill, op.m_colour));
        OutlineBox(op.m_box, outline);
        const std::string label = ImageLabel(op);
        LabelSpot topLeft{static_cast<long long>(op.m_box.x) + kLabelMargin,
                          static_cast<long long>(op.m_box.y) + kLabelMargin, LabelScaleFor(op.m_box, label)};
        if (spot == nullptr) {
            spot = &topLeft;
        }
        if (spot->scale > 0) {
            Label(spot->x, spot->y, label, outline, spot->scale);
        }
        break;
    }
    case DrawKind::Text:
        if (font != nullptr && font->IsLoaded()) {
            font->DrawText(*this, op.m_box, op.m_strText, op.m_colour);
            break;
        }
        FillBox(op.m_box, WithTintAlpha(kTextFillAlpha << 24 | (op.m_colour & 0xFFFFFF), op.m_colour));
        OutlineBox(op.m_box, op.m_colour);
        break;
    case DrawKind::RectFrame:
        OutlineBox(op.m_box, op.m_colour);
        break;
    case DrawKind::Fill:
        FillBox(op.m_box, op.m_colour);
        break;
    case DrawKind::Sector:
        Pie(op.m_box.x, op.m_box.y, op.m_box.w, op.m_fAngle, op.m_colour);
        break;
    }
}

bool PlaceLabel(const std::vector<DrawOp>& ops, std::size_t i, LabelSpot* spot)
{
    if (i >= ops.size() || (ops[i].m_kind != DrawKind::Image && ops[i].m_kind != DrawKind::ScaledImage)) {
        return false;
    }
    const Box& box = ops[i].m_box;
    const std::string label = ImageLabel(ops[i]);
    for (int scale = LabelScaleFor(box, label); scale > 0; --scale) {
        const long long w = LabelWidth(label, scale);
        const long long h = static_cast<long long>(kLabelDots) * scale;
        // Another call comes near the label when it reaches within kLabelGap of it.
        const auto near = [&](const Box& b, long long x0, long long y0) {
            return b.w > 0 && b.h > 0 && x0 - kLabelGap < static_cast<long long>(b.x) + b.w &&
                   b.x < x0 + w + kLabelGap && y0 - kLabelGap < static_cast<long long>(b.y) + b.h &&
                   b.y < y0 + h + kLabelGap;
        };
        const long long left = static_cast<long long>(box.x) + kLabelMargin;
        const long long top = static_cast<long long>(box.y) + kLabelMargin;
        const long long right = static_cast<long long>(box.x) + box.w - kLabelMargin - w;
        const long long bottom = static_cast<long long>(box.y) + box.h - kLabelMargin - h;
        const long long corners[4][2] = {{left, top}, {left, bottom}, {right, top}, {right, bottom}};
        for (const auto& corner : corners) {
            bool covered = false;
            for (std::size_t j = 0; j < ops.size() && !covered; ++j) {
                // Later calls cover the label; of the earlier ones, texts show through an image
                // that is no background.
                const bool counts = j > i ? ops[j].m_kind != DrawKind::Sector
                                          : j < i && ops[j].m_kind == DrawKind::Text && !ops[i].m_bOpaque;
                covered = counts && near(ops[j].m_box, corner[0], corner[1]);
            }
            if (!covered) {
                *spot = {corner[0], corner[1], scale};
                return true;
            }
        }
    }
    return false;
}

bool Canvas::WritePng(const std::string& path) const
{
    if (m_nWidth == 0 || m_nHeight == 0) {
        return false;
    }
    return stbi_write_png(path.c_str(), m_nWidth, m_nHeight, 3, m_vRgb.data(), m_nWidth * 3) != 0;
}

Canvas PaintFrame(const std::vector<DrawOp>& ops, int w, int h)
{
    return PaintFrame(ops, w, h, PictureFont::Default());
}

Canvas PaintFrame(const std::vector<DrawOp>& ops, int w, int h, const PictureFont* font)
{
    Canvas canvas(w, h, kPictureBackground);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        LabelSpot spot;
        if (!PlaceLabel(ops, i, &spot)) {
            spot.scale = 0;   // no label
        }
        canvas.Paint(ops[i], &spot, font);
    }
    return canvas;
}

}  // namespace orv::sample
