// Rich text measured and drawn through the renderer: runs at their own pixel size (size / 2 a
// byte, a pair led by 0xFF 16 px), pictures from the renderer's textures with a validity rule and
// a fallback picture. A run or picture cut by the top or bottom of the view is drawn in part.
#include <algorithm>

#include "framework/control/SizeSeam.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"
#include "platform/Platform.h"

namespace {

constexpr ARGB kSelectionColour = 0xC0FF0000;
constexpr ARGB kImageColour = 0xFFFFFFFF;
constexpr int kReadPriority = 2;

// Pictures of group 7 exist only in these id ranges; any other id, or a picture that does not
// load, shows the fallback picture.
struct IdRange {
    u16 first;
    u16 last;
};
constexpr IdRange kPictureIds[] = {{301, 323}, {501, 527}, {1201, 1433}};
constexpr IdRange kTallPictureIds = {1201, 1433};   // these are 24 high
constexpr int kTallPictureHeight = 24;
constexpr u16 kFallbackKind = 3;
constexpr u16 kFallbackId = 17;

bool InRange(IdRange r, u16 id)
{
    return id >= r.first && id <= r.last;
}

bool IsPictureId(u16 kind, u16 id)
{
    if (kind != kImageSetPicture) {
        return true;
    }
    return std::any_of(std::begin(kPictureIds), std::end(kPictureIds), [id](IdRange r) { return InRange(r, id); });
}

// Renderer flags of a run: 1 underline, 2 and 0x10 for style bits 7 and 8.
constexpr u32 kStyleBit7 = 1u << 7;
constexpr u32 kStyleBit8 = 1u << 8;

}  // namespace

int RichTextRangeWidth(const char* begin, const char* end, int font)
{
    return GetTextRangeWidth(begin, end, font);
}

int RichTextFontHeight(int font)
{
    return TextPixelSize(font);
}

// Loads the picture into a texture of its own to learn its size, then gives the texture back on
// every path. A picture id outside the known ranges, or one that does not load, is replaced by the
// fallback picture; when even that does not load the block keeps no picture (id 0).
void CImageBlock::ResolveImage()
{
    m_nWidth = kRichLeastBlockSide;
    m_nHeight = kRichLeastBlockSide;
    if (m_wImageId == 0) {
        return;
    }
    CTex* tex = g_TexMgr.NewTexture();
    if (tex == nullptr) {
        m_wImageId = 0;   // nothing to load into: no picture
        return;
    }
    bool loaded = IsPictureId(m_wKind, m_wImageId) && tex->LoadTex(m_wKind, m_wImageId, false);
    if (!loaded) {
        m_wKind = kFallbackKind;
        m_wImageId = kFallbackId;
        loaded = tex->LoadTex(m_wKind, m_wImageId, false);
    }
    int w = 0;
    int h = 0;
    if (loaded && GetBuildImageSize(m_wImageId, m_wKind, &w, &h)) {
        m_nWidth = std::max(w, kRichLeastBlockSide);
        m_nHeight = std::max(h, kRichLeastBlockSide);
        if (m_wKind == kImageSetPicture && InRange(kTallPictureIds, m_wImageId)) {
            m_nHeight = kTallPictureHeight;
        }
    } else {
        m_wImageId = 0;
    }
    g_TexMgr.DeleteTexture(tex);
}

void CImageBlock::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    if (m_wImageId == 0 || !MeetsClip(clipFrom, clipTo)) {
        return;
    }
    CTex* tex = g_TexMgr.GetTexture(m_wKind, m_wImageId, kReadPriority);
    if (tex == nullptr) {
        return;   // gone since it was measured: nothing to draw
    }
    const ORVRichPoint offset = ScreenOffset(clipFrom);
    const int x = m_nAbsX + offset.x;
    const int y = m_nAbsY + offset.y;
    const int top = m_nAbsY;
    const int bottom = m_nAbsY + m_nHeight;
    if (top >= clipFrom.y && bottom <= clipTo.y) {
        tex->DrawTex(x, y, kImageColour);
        return;
    }
    // Cut by the top or bottom of the view: only the visible rows, in the picture's own
    // coordinates, at the picture's place.
    const GlimmerRect clip{0, std::max(0, clipFrom.y - top), m_nWidth, m_nHeight - std::max(0, bottom - clipTo.y)};
    g_TexMgr.DrawTextureZoom(x, y, m_wImageId, m_wKind, 1.0f, 1.0f, kImageColour, &clip, true);
}

// A run cut by the top of the view is drawn in part with the hidden pixel rows as a positive cut,
// one cut by the bottom with them as a negative cut.
void CTextBlock::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    if (GetContext() == nullptr || GetParagraph() == nullptr || m_nEnd <= m_nStart || !MeetsClip(clipFrom, clipTo)) {
        return;
    }
    const ORVRichPoint offset = ScreenOffset(clipFrom);
    const int top = m_nAbsY;
    const int bottom = m_nAbsY + m_nHeight;

    int box[4] = {};
    if (GetSelectionBox(clipFrom, clipTo, box)) {
        g_CG.DrawFillRect(box[0], box[1], box[2], box[3], kSelectionColour);
    }

    const int size = TextPixelSize(GetFont());
    const ARGB colour = GetDrawColour(orv::platform::Get().GetTickCount());
    const int flags = (HasFlag(kUnderline) ? 1 : 0) | (HasFlag(kStyleBit7) ? 2 : 0) | (HasFlag(kStyleBit8) ? 0x10 : 0);
    const ARGB background = m_byBackIndex != 255 ? 0xFFFFFF : 0;
    const char* text = CopyRunText();
    const int sx = m_nAbsX + offset.x;
    const int sy = top + offset.y;
    if (top < clipFrom.y) {
        g_Font.DrawTextPart(sx, sy, text, colour, clipFrom.y - top, size, flags, background);
    } else if (bottom > clipTo.y) {
        g_Font.DrawTextPart(sx, sy, text, colour, clipTo.y - bottom, size, flags, background);
    } else {
        g_Font.DrawTextA(sx, sy, text, colour, size, flags, background);
    }
}
