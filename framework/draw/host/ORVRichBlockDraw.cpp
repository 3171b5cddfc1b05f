// Rich text measured and drawn through the host callback: text widths of the host's fonts, image
// sizes from the host's image sets, runs drawn with the host's text and rectangle operations and
// pictures with its image operation. Kept apart from the block model, which another build
// measures and draws its own way.
#include <algorithm>
#include <cstring>

#include "framework/control/SizeSeam.h"
#include "framework/core/ORVCallBack.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/text/TextUtil.h"
#include "platform/Platform.h"

namespace {

constexpr ARGB kSelectionColour = 0xC0FF0000;
constexpr ARGB kImageColour = 0xFFFFFFFF;
constexpr int kTextTopAboveBottom = 12;   // a run's text top stands this far above its block's bottom
constexpr int kDrawFont = 1;

// The screen offset of document points: the view's text position less the clip origin.
ORVRichPoint ScreenOffset(CTextContext* context, ORVRichPoint clipFrom)
{
    ORVRichPoint screen;
    if (context != nullptr && context->GetView() != nullptr) {
        screen = context->GetView()->GetTextScreenPos();
    }
    return {screen.x - clipFrom.x, screen.y - clipFrom.y};
}

// A block is drawn only when it lies between the top and the bottom of the visible part: a run
// or picture cut by either edge is left out rather than drawn past the view.
bool RowsVisible(int top, int bottom, ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    return top >= clipFrom.y && bottom <= clipTo.y;
}

bool MeetsClip(const CBlock& block, ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    return block.m_nAbsX + block.m_nWidth > clipFrom.x && block.m_nAbsX < clipTo.x &&
           block.m_nAbsY + block.m_nHeight > clipFrom.y && block.m_nAbsY < clipTo.y;
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
    IORVCallBack* host = ORVCallBack();
    if (host == nullptr || m_wImageId == 0 || !MeetsClip(*this, clipFrom, clipTo) ||
        !RowsVisible(m_nAbsY, m_nAbsY + m_nHeight, clipFrom, clipTo)) {
        return;
    }
    const ORVRichPoint offset = ScreenOffset(GetContext(), clipFrom);
    host->DrawImage(m_nAbsX + offset.x, m_nAbsY + offset.y, m_wImageId, m_wKind, kImageColour, 0, 0);
}

void CTextBlock::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    IORVCallBack* host = ORVCallBack();
    CTextContext* context = GetContext();
    CORVRichParagraph* paragraph = GetParagraph();
    if (host == nullptr || context == nullptr || paragraph == nullptr || m_nEnd <= m_nStart ||
        !MeetsClip(*this, clipFrom, clipTo)) {
        return;
    }
    const ORVRichPoint offset = ScreenOffset(context, clipFrom);
    const char* text = GetTextBuffer();
    const int top = m_nAbsY;
    const int bottom = m_nAbsY + m_nHeight;

    int from = 0;
    int to = 0;
    if (context->GetSelectedPart(paragraph->m_nNumber, m_nStart, m_nEnd, from, to)) {
        const int x = m_nAbsX + RichTextRangeWidth(text + m_nStart, text + from, GetFont());
        const int width = RichTextRangeWidth(text + from, text + to, GetFont());
        const int fillTop = std::max(top, clipFrom.y);
        const int fillBottom = std::min(bottom, clipTo.y);
        host->FillRect(kSelectionColour, x + offset.x, fillTop + offset.y, width, fillBottom - fillTop);
    }

    const int textTop = bottom - kTextTopAboveBottom;
    if (!RowsVisible(textTop, bottom, clipFrom, clipTo)) {
        return;
    }
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(m_nEnd - m_nStart),
                                                     kScratchBufferSize - 1);
    std::memcpy(g_ScratchBuffer, text + m_nStart, length);
    g_ScratchBuffer[length] = '\0';
    host->DrawText(m_nAbsX + offset.x, textTop + offset.y, g_ScratchBuffer,
                   GetDrawColour(orv::platform::Get().GetTickCount()), 0, 0, 0, 0, kDrawFont, 0);
}
