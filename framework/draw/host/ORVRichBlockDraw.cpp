// Rich text measured and drawn through the host callback: text widths of the host's fonts, image
// sizes from the host's image sets, runs drawn with the host's text and rectangle operations and
// pictures with its image operation. Kept apart from the block model, which another build
// measures and draws its own way.
#include <algorithm>

#include "framework/control/SizeSeam.h"
#include "framework/core/ORVCallBack.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/text/TextUtil.h"
#include "platform/Platform.h"

namespace {

constexpr ARGB kSelectionColour = 0xC0FF0000;
constexpr ARGB kImageColour = 0xFFFFFFFF;
constexpr int kTextTopAboveBottom = 12;   // a run's text top stands this far above its block's bottom
constexpr int kDrawFont = 1;

// A block is drawn only when it lies between the top and the bottom of the visible part: a run
// or picture cut by either edge is left out rather than drawn past the view.
bool RowsVisible(int top, int bottom, ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    return top >= clipFrom.y && bottom <= clipTo.y;
}

}  // namespace

int RichTextRangeWidth(const char* begin, const char* end, int font)
{
    return GetTextRangeWidth(begin, end, font);
}

int RichTextFontHeight(int)
{
    return kTextLineHeight;
}

void CImageBlock::ResolveImage()
{
    m_nWidth = 0;
    m_nHeight = 0;
    int w = 0;
    int h = 0;
    if (m_wImageId != 0 && GetBuildImageSize(m_wImageId, m_wKind, &w, &h)) {
        m_nWidth = w;
        m_nHeight = h;
    }
}

void CImageBlock::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || m_wImageId == 0 || !MeetsClip(clipFrom, clipTo) ||
        !RowsVisible(m_nAbsY, m_nAbsY + m_nHeight, clipFrom, clipTo)) {
        return;
    }
    const ORVRichPoint offset = ScreenOffset(clipFrom);
    host->DrawImage(m_nAbsX + offset.x, m_nAbsY + offset.y, m_wImageId, m_wKind, kImageColour, 0, 0);
}

void CTextBlock::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || GetContext() == nullptr || GetParagraph() == nullptr || m_nEnd <= m_nStart ||
        !MeetsClip(clipFrom, clipTo)) {
        return;
    }
    const ORVRichPoint offset = ScreenOffset(clipFrom);
    const int bottom = m_nAbsY + m_nHeight;

    int box[4] = {};
    if (GetSelectionBox(clipFrom, clipTo, box)) {
        host->FillRect(kSelectionColour, box[0], box[1], box[2], box[3]);
    }

    const int textTop = bottom - kTextTopAboveBottom;
    if (!RowsVisible(textTop, bottom, clipFrom, clipTo)) {
        return;
    }
    host->DrawText(m_nAbsX + offset.x, textTop + offset.y, CopyRunText(),
                   GetDrawColour(orv::platform::Get().GetTickCount()), 0, 0, 0, 0, kDrawFont, 0);
}
