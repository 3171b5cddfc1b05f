// The font that frame pictures draw texts with: a TrueType font (or the first font of a
// collection) rasterised by stb_truetype. Each text is decoded from GBK and drawn in its measured
// box: the em size follows the box (the framework's width of a two-byte character, at most the line
// height), the line is squeezed across when the font's letters are wider than the framework
// measured them, and nothing is painted outside the box. A dark text stands on a light plate the
// size of its box, so that it stays readable on the picture's dark image boxes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/OrvTypes.h"

namespace orv::sample {

class Canvas;
struct Box;

// Where frame pictures look for a CJK font, in order (Debian's fonts-wqy-microhei first). The
// variable ORVANE_PICTURE_FONT, when set, names the one file to use instead; set empty, it asks
// for no font (texts are then drawn as boxes).
inline constexpr const char* kPictureFontFiles[] = {
    "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
    "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
};
inline constexpr const char* kPictureFontVariable = "ORVANE_PICTURE_FONT";

class PictureFont {
public:
    PictureFont();
    ~PictureFont();
    PictureFont(const PictureFont&) = delete;
    PictureFont& operator=(const PictureFont&) = delete;

    // Reads the font file; false when it cannot be read or holds no font stb_truetype takes.
    bool Load(const std::string& path);
    bool IsLoaded() const { return m_pFace != nullptr; }
    // Whether the font has a glyph of its own for the code point.
    bool HasGlyph(char32_t codePoint) const;

    // Paints the GBK text in argb (its alpha times each pixel's coverage) inside box, its left edge
    // at the box's left, a dark text on a light plate; nothing for an empty box or while no font is
    // loaded.
    void DrawText(Canvas& canvas, const Box& box, std::string_view gbk, u32 argb) const;

    // The pictures' font: the first of kPictureFontFiles that loads, or the file named by
    // ORVANE_PICTURE_FONT; loaded once. Null when there is none.
    static const PictureFont* Default();

private:
    struct Face;
    std::vector<unsigned char> m_vData;   // the file, which the face reads from
    std::unique_ptr<Face> m_pFace;
    mutable std::vector<unsigned char> m_vGlyph;   // one glyph's coverage, reused
    mutable std::vector<unsigned char> m_vLine;    // the line's coverage over its box on the canvas
};

}  // namespace orv::sample
