#include "framework/richtext/ORVRichParagraph.h"

#include <algorithm>

#include "framework/richtext/ORVTextContext.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVRichParagraph, CBlock)

CORVRichParagraph::CORVRichParagraph() = default;

CORVRichParagraph::~CORVRichParagraph()
{
    CORVRichParagraph::Clear();
}

void CORVRichParagraph::Clear()
{
    CBlock::Clear();
    CBlockList source;
    source.swap(m_vSource);
    for (CBlock* block : source) {
        delete block;
    }
    m_strText.clear();
}

void CORVRichParagraph::CopyTo(CBlock* dst) const
{
    CBlock::CopyTo(dst);
    auto* paragraph = static_cast<CORVRichParagraph*>(dst);
    paragraph->m_strText = m_strText;
    paragraph->m_nNumber = m_nNumber;
    paragraph->m_nWrapIndent = m_nWrapIndent;
    paragraph->m_nLineSpacing = m_nLineSpacing;
}

CBlock* CORVRichParagraph::AppendBlock(CBlock* block)
{
    return AppendChild(m_vSource, block);
}

int CORVRichParagraph::AppendText(const char* bytes, int len)
{
    const int before = static_cast<int>(m_strText.size());
    if (bytes != nullptr && len > 0) {
        m_strText.append(bytes, static_cast<std::size_t>(len));
    }
    return before;
}

void CORVRichParagraph::LayoutLines()
{
    CBlock::Clear();
    if (CTextContext* context = GetContext()) {
        m_nWidth = context->m_nWidth;
    }
    m_nCursorX = m_nCursorY = 0;
    m_nNextX = m_nNextY = 0;
    m_bLineEmpty = true;
    for (CBlock* block : m_vSource) {
        block->Layout();
    }
    AlignLineBottoms();
    m_nHeight = 0;
    for (const CBlock* child : m_vChildren) {
        m_nHeight = std::max(m_nHeight, child->Bottom());
    }
    UpdateAbsPos();
}

void CORVRichParagraph::PlaceBlock(CBlock* piece)
{
    if (piece == nullptr) {
        return;
    }
    piece->m_pParent = this;
    m_vChildren.push_back(piece);
    piece->MoveTo(m_nCursorX, m_nCursorY);
    m_nCursorX += piece->m_nWidth;
    m_nNextY = std::max(m_nNextY, m_nCursorY + piece->m_nHeight + m_nLineSpacing);
    m_bLineEmpty = false;
}

void CORVRichParagraph::PlaceWhole(const CBlock* block)
{
    if (!m_bLineEmpty && m_nCursorX + block->m_nWidth > m_nWidth) {
        NewLine();
    }
    PlaceBlock(block->Clone());
}

void CORVRichParagraph::NewLine()
{
    if (m_bLineEmpty) {
        // A line without blocks (a break right after a break) still takes a line's height.
        m_nNextY = std::max(m_nNextY, m_nCursorY + kRichLeastBlockSide + m_nLineSpacing);
    }
    m_nNextX = m_nWrapIndent;
    m_nCursorX = m_nNextX;
    m_nCursorY = m_nNextY;
    m_bLineEmpty = true;
}

void CORVRichParagraph::AlignLineBottoms()
{
    // A line is a run of laid-out blocks that share a top; each is moved down so that its
    // bottom meets the tallest one's.
    for (std::size_t first = 0; first < m_vChildren.size();) {
        const int top = m_vChildren[first]->m_nY;
        std::size_t last = first;
        int height = 0;
        while (last < m_vChildren.size() && m_vChildren[last]->m_nY == top) {
            height = std::max(height, m_vChildren[last]->m_nHeight);
            ++last;
        }
        for (std::size_t i = first; i < last; ++i) {
            CBlock* block = m_vChildren[i];
            block->MoveTo(block->m_nX, top + height - block->m_nHeight);
        }
        first = last;
    }
}

void CORVRichParagraph::Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo)
{
    for (CBlock* child : m_vChildren) {
        child->Draw(clipFrom, clipTo);
    }
}

bool CORVRichParagraph::HitTest(int x, int y, int mode)
{
    for (CBlock* child : m_vChildren) {
        child->HitTest(x, y, mode);
    }
    return false;
}
