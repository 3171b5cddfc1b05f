// A picture of one frame as the library drew it through the host callback: the frame's draw calls
// are recorded, then painted on a canvas the size of the host's screen and written as PNG. The
// host has no images here, so an image is an outlined box of its size labelled "set/frame" (filled
// solid when it is a background); a text is drawn itself in its colour, in the box of its measured
// width and line height, with a CJK font (PictureFont.h), or is that box in its colour where no
// font is found; rectangle frames, fills and pies are drawn in their colours. Every colour is
// ARGB, blended over what is already there by its alpha.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/OrvTypes.h"

namespace orv::sample {

class PictureFont;

struct Box {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Box&) const = default;
};

enum class DrawKind : u8 { Image, ScaledImage, Text, RectFrame, Fill, Sector };

// One draw call of a frame. m_box is what it covers on screen (a pie: its centre in x, y and its
// radius in w and h).
struct DrawOp {
    DrawKind m_kind = DrawKind::Image;
    Box m_box;
    u32 m_colour = 0;
    int m_nSet = 0;          // images
    int m_nFrame = 0;
    bool m_bOpaque = false;  // images: a background that hides what lies beneath it
    float m_fScaleX = 1.0f;  // scaled images
    float m_fScaleY = 1.0f;
    float m_fAngle = 0.0f;   // pies: radians, clockwise from twelve o'clock
    int m_nFont = 0;         // texts
    int m_nAlign = 0;        // texts: x is the left edge (0), the centre (1) or the right edge (2)
    std::string m_strText;   // texts: the GBK bytes as drawn
    bool operator==(const DrawOp&) const = default;
};

// Where a scaled image lands: its top-left corner stays at (x, y), its size is the image's size
// times the scale, rounded; a negative or not-a-number scale covers nothing.
Box ScaledImageBox(int x, int y, int w, int h, float scaleX, float scaleY);

// The box of a text of that width and line height drawn at (x, y) with that alignment (0 left
// edge at x, 1 centred on x, 2 right edge at x; any other value as 0).
Box TextBox(int x, int y, int width, int lineHeight, int align);

// The canvas's colour after painting argb over the opaque colour rgb (0xRRGGBB; the result has
// alpha 0xFF): each channel src * a + dst * (255 - a), divided by 255 and rounded.
u32 BlendOver(u32 rgb, u32 argb);

// The label font: digits and '/' of 3 x 5 dots, a dot being scale x scale pixels, a character
// advancing 4 dots. Other characters are skipped blank.
int LabelWidth(std::string_view text, int scale);
inline constexpr int kLabelDots = 5;
// The largest scale (2 or 1) at which a label fits inside a box with a 2-pixel margin; 0 when it
// does not fit at all (the box is drawn without label).
int LabelScaleFor(const Box& box, std::string_view text);

// Where the label of image call i of a frame goes: the first corner of its box (top-left,
// bottom-left, top-right, bottom-right, a 2-pixel margin inside) where no later call of the frame
// (image, text, fill or rectangle) comes within kLabelGap pixels of the label, nor an earlier text
// that shows through the image (any image but a background), so that the label stays readable and
// stands clear of every text; at the larger scale where a corner is free, else at scale 1. False
// when the label does not fit in the box or no corner is free at either scale.
inline constexpr int kLabelGap = 2;
struct LabelSpot {
    long long x = 0;
    long long y = 0;
    int scale = 0;
};
bool PlaceLabel(const std::vector<DrawOp>& ops, std::size_t i, LabelSpot* spot);

class Canvas {
public:
    Canvas(int w, int h, u32 background);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The pixel as 0xFFRRGGBB; 0 outside the canvas.
    u32 Pixel(int x, int y) const;

    void Blend(int x, int y, u32 argb);              // outside the canvas: nothing
    void FillBox(const Box& box, u32 argb);
    void OutlineBox(const Box& box, u32 argb);       // one pixel inside the box's edge
    void Label(long long x, long long y, std::string_view text, u32 argb, int scale);
    void Pie(int cx, int cy, int radius, float angle, u32 argb);
    // Paints one call; an image's label at spot, or at its box's top-left corner without one; a
    // text with font, or as its box without one.
    void Paint(const DrawOp& op, const LabelSpot* spot = nullptr, const PictureFont* font = nullptr);

    // Writes the canvas as an RGB PNG; false when the file cannot be written.
    bool WritePng(const std::string& path) const;

private:
    void FillSpan(long long left, long long top, long long right, long long bottom, u32 argb);

    int m_nWidth;
    int m_nHeight;
    std::vector<unsigned char> m_vRgb;   // 3 bytes a pixel, rows top to bottom
};

// The colours of image boxes: a light outline and label, and a faint fill so that overlapping
// images show which lies on top; an opaque image (a background) is filled solid. All take the
// alpha of the image's tint colour into account.
inline constexpr u32 kImageOutline = 0xFF6FB7E0;
inline constexpr u32 kImageFill = 0x30304860;
inline constexpr u32 kOpaqueImageFill = 0xFF232C38;
// Texts without a font: the box filled with the text's colour at this alpha, outlined in the
// text's colour.
inline constexpr u32 kTextFillAlpha = 0x50;
inline constexpr u32 kPictureBackground = 0x181818;

// Paints the draw calls in order on a canvas of w x h, each image's label where PlaceLabel puts it,
// the texts with font (none: as boxes); the first form with PictureFont::Default().
Canvas PaintFrame(const std::vector<DrawOp>& ops, int w, int h);
Canvas PaintFrame(const std::vector<DrawOp>& ops, int w, int h, const PictureFont* font);

}  // namespace orv::sample
