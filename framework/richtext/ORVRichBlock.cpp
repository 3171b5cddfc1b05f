#include "framework/richtext/ORVRichBlock.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/core/ScratchBuffer.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CBlock, CORVCtrlBaseTag)
ORV_IMPLEMENT_RUNTIME_CLASS(CTextBlock, CBlock)
ORV_IMPLEMENT_RUNTIME_CLASS(CNameBlock, CTextBlock)
ORV_IMPLEMENT_RUNTIME_CLASS(CImageBlock, CBlock)
ORV_IMPLEMENT_RUNTIME_CLASS(CTypeMark, CImageBlock)
ORV_IMPLEMENT_RUNTIME_CLASS(CNewLineMark, CBlock)

namespace {

// The blink cycle: during the first half of every 768 ms a blinking run fades to alpha 79 and back.
constexpr u32 kBlinkPeriod = 768;
constexpr u32 kBlinkFadeTime = 384;
constexpr double kBlinkHalfFade = 192.0;
constexpr double kBlinkAlphaDrop = 176.0;
constexpr ARGB kColourZeroDrawnAs = 0x00FFFFFF;

}  // namespace

// ---- CBlock ----

CBlock::CBlock() = default;

CBlock::~CBlock()
{
    CBlock::Clear();
}

CBlock* CBlock::Clone() const
{
    CORVCtrlBaseTag* object = GetRuntimeClass()->m_pfnCreate();
    auto* block = static_cast<CBlock*>(object);
    if (block != nullptr) {
        CopyTo(block);
    }
    return block;
}

void CBlock::Clear()
{
    CBlockList children;
    children.swap(m_vChildren);
    for (CBlock* child : children) {
        delete child;
    }
}

void CBlock::Draw(ORVRichPoint, ORVRichPoint) {}

void CBlock::Layout() {}

void CBlock::CopyTo(CBlock* dst) const
{
    dst->m_nX = m_nX;
    dst->m_nY = m_nY;
    dst->m_nWidth = m_nWidth;
    dst->m_nHeight = m_nHeight;
    dst->m_nAbsX = m_nAbsX;
    dst->m_nAbsY = m_nAbsY;
}

bool CBlock::HitTest(int, int, int)
{
    return false;
}

CORVControl* CBlock::GetOwnerCtrl()
{
    CTextContext* context = GetContext();
    return context != nullptr && context != this ? context->GetOwnerCtrl() : nullptr;
}

ORVRichPoint CBlock::GetOrigin()
{
    CTextContext* context = GetContext();
    return context != nullptr && context != this ? context->GetOrigin() : ORVRichPoint{};
}

ORVRichPoint CBlock::GetEndPoint()
{
    CTextContext* context = GetContext();
    return context != nullptr && context != this ? context->GetEndPoint() : ORVRichPoint{};
}

ORVRichPoint CBlock::GetExtent()
{
    return {m_nWidth, m_nHeight};
}

CBlock* CBlock::AppendChild(CBlockList& list, CBlock* child)
{
    if (child == nullptr) {
        return nullptr;
    }
    if (child->m_pParent != nullptr) {
        child = child->Clone();
        if (child == nullptr) {
            return nullptr;
        }
    }
    child->m_pParent = this;
    list.push_back(child);
    return child;
}

void CBlock::MoveTo(int x, int y)
{
    m_nX = x;
    m_nY = y;
    UpdateAbsPos();
}

void CBlock::UpdateAbsPos()
{
    m_nAbsX = m_nX + (m_pParent != nullptr ? m_pParent->m_nAbsX : 0);
    m_nAbsY = m_nY + (m_pParent != nullptr ? m_pParent->m_nAbsY : 0);
    for (CBlock* child : m_vChildren) {
        child->UpdateAbsPos();
    }
}

CORVRichParagraph* CBlock::GetParagraph()
{
    for (CBlock* block = this; block != nullptr; block = block->m_pParent) {
        if (block->IsKindOf(ORV_RUNTIME_CLASS(CORVRichParagraph))) {
            return static_cast<CORVRichParagraph*>(block);
        }
    }
    return nullptr;
}

CTextContext* CBlock::GetContext()
{
    for (CBlock* block = this; block != nullptr; block = block->m_pParent) {
        if (block->IsKindOf(ORV_RUNTIME_CLASS(CTextContext))) {
            return static_cast<CTextContext*>(block);
        }
    }
    return nullptr;
}

ORVRichPoint CBlock::ScreenOffset(ORVRichPoint clipFrom)
{
    ORVRichPoint screen;
    CTextContext* context = GetContext();
    if (context != nullptr && context->GetView() != nullptr) {
        screen = context->GetView()->GetTextScreenPos();
    }
    return {screen.x - clipFrom.x, screen.y - clipFrom.y};
}

bool CBlock::MeetsClip(ORVRichPoint clipFrom, ORVRichPoint clipTo) const
{
    return m_nAbsX + m_nWidth > clipFrom.x && m_nAbsX < clipTo.x && m_nAbsY + m_nHeight > clipFrom.y &&
           m_nAbsY < clipTo.y;
}

// ---- CTextBlock ----

bool CTextBlock::GetSelectionBox(ORVRichPoint clipFrom, ORVRichPoint clipTo, int box[4])
{
    CTextContext* context = GetContext();
    CORVRichParagraph* paragraph = GetParagraph();
    int from = 0;
    int to = 0;
    if (context == nullptr || paragraph == nullptr ||
        !context->GetSelectedPart(paragraph->m_nNumber, m_nStart, m_nEnd, from, to)) {
        return false;
    }
    const char* text = GetTextBuffer();
    const ORVRichPoint offset = ScreenOffset(clipFrom);
    const int top = std::max(m_nAbsY, clipFrom.y);
    const int bottom = std::min(m_nAbsY + m_nHeight, clipTo.y);
    box[0] = m_nAbsX + RichTextRangeWidth(text + m_nStart, text + from, GetFont()) + offset.x;
    box[1] = top + offset.y;
    box[2] = RichTextRangeWidth(text + from, text + to, GetFont());
    box[3] = bottom - top;
    return true;
}

const char* CTextBlock::CopyRunText()
{
    const char* text = GetTextBuffer();
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(std::max(m_nEnd - m_nStart, 0)),
                                                     kScratchBufferSize - 1);
    std::memcpy(g_ScratchBuffer, text + m_nStart, length);
    g_ScratchBuffer[length] = '\0';
    return g_ScratchBuffer;
}

CTextBlock::CTextBlock() : m_dwFlags(static_cast<u32>(kRichDefaultFont) & kFontMask) {}

CTextBlock* CTextBlock::GetDefaultStyle()
{
    static CTextBlock s_DefaultStyle;
    return &s_DefaultStyle;
}

void CTextBlock::CopyStyleFrom(const CTextBlock& style)
{
    m_dwFlags = style.m_dwFlags;
    m_byColorIndex = style.m_byColorIndex;
    m_byBackIndex = style.m_byBackIndex;
    m_dwColor = style.m_dwColor;
}

void CTextBlock::CopyTo(CBlock* dst) const
{
    CBlock::CopyTo(dst);
    auto* text = static_cast<CTextBlock*>(dst);
    text->CopyStyleFrom(*this);
    text->m_nStart = m_nStart;
    text->m_nEnd = m_nEnd;
}

const char* CTextBlock::GetTextBuffer()
{
    CORVRichParagraph* paragraph = GetParagraph();
    return paragraph != nullptr ? paragraph->m_strText.c_str() : "";
}

void CTextBlock::SetRange(int start, int end)
{
    const char* text = GetTextBuffer();
    const int length = static_cast<int>(std::strlen(text));
    m_nStart = std::clamp(start, 0, length);
    m_nEnd = std::clamp(end, m_nStart, length);
    m_nWidth = RichTextRangeWidth(text + m_nStart, text + m_nEnd, GetFont());
    m_nHeight = std::max(RichTextFontHeight(GetFont()), kRichLeastBlockSide);
}

void CTextBlock::Layout()
{
    CORVRichParagraph* paragraph = GetParagraph();
    if (paragraph == nullptr || m_nEnd <= m_nStart) {
        return;
    }
    const char* text = GetTextBuffer();
    const char* const end = text + m_nEnd;
    const char* pieceStart = text + m_nStart;
    const char* p = pieceStart;
    int pieceWidth = 0;
    auto placePiece = [&](const char* pieceEnd) {
        CBlock* piece = Clone();
        if (piece != nullptr) {
            piece->m_pParent = paragraph;
            static_cast<CTextBlock*>(piece)->SetRange(static_cast<int>(pieceStart - text),
                                                      static_cast<int>(pieceEnd - text));
            paragraph->PlaceBlock(piece);
        }
    };
    while (const char* next = RichNextChar(p, end)) {
        const int charWidth = RichTextRangeWidth(p, next, GetFont());
        // A line takes at least one character: the first of an empty line always stays.
        const bool mayBreak = p != pieceStart || !paragraph->IsLineEmpty();
        if (mayBreak && paragraph->m_nCursorX + pieceWidth + charWidth > paragraph->m_nWidth) {
            if (p > pieceStart) {
                placePiece(p);
            }
            paragraph->NewLine();
            pieceStart = p;
            pieceWidth = 0;
            continue;
        }
        pieceWidth += charWidth;
        p = next;
    }
    if (p > pieceStart) {
        placePiece(p);
    }
}

bool CTextBlock::HitTest(int x, int y, int mode)
{
    if (x < m_nAbsX || x >= m_nAbsX + m_nWidth || y < m_nAbsY || y >= m_nAbsY + m_nHeight) {
        return false;
    }
    CORVRichParagraph* paragraph = GetParagraph();
    CTextContext* context = GetContext();
    if (paragraph == nullptr || context == nullptr || (mode != 0 && mode != 1)) {
        return false;
    }
    // The character boundary nearest to x: the left half of a character gives the boundary
    // before it, the right half the one after it.
    const char* text = GetTextBuffer();
    const char* const end = text + m_nEnd;
    const char* p = text + m_nStart;
    int left = m_nAbsX;
    while (const char* next = RichNextChar(p, end)) {
        const int width = RichTextRangeWidth(p, next, GetFont());
        if (2 * (x - left) < width) {
            break;
        }
        left += width;
        p = next;
    }
    const ORVTextPos pos{paragraph->m_nNumber, static_cast<u32>(p - text)};
    if (mode == 0) {
        context->BeginSelection(pos);
    } else {
        context->ExtendSelection(pos);
    }
    return false;
}

ARGB CTextBlock::GetDrawColour(u32 tick) const
{
    const ARGB colour = m_dwColor == 0 ? kColourZeroDrawnAs : m_dwColor;
    if (!HasFlag(kBlink)) {
        return colour;
    }
    const u32 t = tick % kBlinkPeriod;
    if (t >= kBlinkFadeTime) {
        return colour;
    }
    const double distance = std::abs(static_cast<double>(t) - kBlinkHalfFade);
    const auto alpha = static_cast<u32>(255.0 - (1.0 - distance / kBlinkHalfFade) * kBlinkAlphaDrop);
    return (colour & 0x00FFFFFFu) | (alpha << 24);
}

// ---- CImageBlock, CTypeMark ----

CImageBlock::CImageBlock() : m_wKind(kRichImageKind)
{
    m_nWidth = kRichLeastBlockSide;
    m_nHeight = kRichLeastBlockSide;
}

void CImageBlock::SetImage(int number)
{
    m_wImageId = static_cast<u16>(m_wIdOffset + number);
    ResolveImage();
    m_nWidth = std::max(m_nWidth, kRichLeastBlockSide);
    m_nHeight = std::max(m_nHeight, kRichLeastBlockSide);
}

void CImageBlock::CopyTo(CBlock* dst) const
{
    CBlock::CopyTo(dst);
    auto* image = static_cast<CImageBlock*>(dst);
    image->m_wImageId = m_wImageId;
    image->m_wKind = m_wKind;
    image->m_wIdOffset = m_wIdOffset;
}

void CImageBlock::Layout()
{
    if (CORVRichParagraph* paragraph = GetParagraph()) {
        paragraph->PlaceWhole(this);
    }
}

CTypeMark::CTypeMark()
{
    m_wKind = kRichTypeMarkKind;
    m_wIdOffset = kRichTypeMarkIdOffset;
}

// ---- CNewLineMark ----

void CNewLineMark::Layout()
{
    if (CORVRichParagraph* paragraph = GetParagraph()) {
        paragraph->NewLine();
    }
}
