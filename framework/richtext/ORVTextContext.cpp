#include "framework/richtext/ORVTextContext.h"

#include <algorithm>
#include <cstring>

#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextBuilder.h"
#include "framework/richtext/ORVSimpleBuilder.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CTextContext, CBlock)

bool IsTextPosAfter(const ORVTextPos& a, const ORVTextPos& b)
{
    if (a.m_nParagraph != b.m_nParagraph) {
        return a.m_nParagraph > b.m_nParagraph;
    }
    return a.m_nOffset > b.m_nOffset;
}

CTextContext::CTextContext()
    : m_pBuilder(std::make_unique<CORVSimpleBuilder2>()), m_pXmlBuilder(std::make_unique<CORVRichTextBuilder>())
{
}

CTextContext::~CTextContext()
{
    IRichTextView* view = m_pView;
    m_pView = nullptr;
    if (view != nullptr) {
        view->OnContextDestroyed(this);
    }
    CTextContext::Clear();
}

void CTextContext::Clear()
{
    CBlock::Clear();
    std::deque<CORVRichParagraph*> paragraphs;
    paragraphs.swap(m_dqParagraphs);
    for (CORVRichParagraph* paragraph : paragraphs) {
        delete paragraph;
    }
    ClearSelection();
    m_nHeight = 0;
    if (m_pView != nullptr) {
        m_pView->UpdateScrollRange(m_nHeight);
    }
}

CORVControl* CTextContext::GetOwnerCtrl()
{
    return m_pView != nullptr ? m_pView->GetViewCtrl() : nullptr;
}

void CTextContext::AddText(const char* text, ARGB colour)
{
    if (text == nullptr) {
        return;
    }
    AppendParagraph(m_pBuilder->BuildParagraph(text, colour, 0, -1, kRichAddTextFont));
}

void CTextContext::AppendParagraph(CORVRichParagraph* paragraph)
{
    if (paragraph == nullptr) {
        return;
    }
    paragraph->m_nNumber = m_nNextNumber++;
    paragraph->m_pParent = this;
    paragraph->LayoutLines();
    m_dqParagraphs.push_back(paragraph);
    while (m_dqParagraphs.size() > kMaxParagraphs) {
        CORVRichParagraph* oldest = m_dqParagraphs.front();
        m_dqParagraphs.pop_front();
        delete oldest;
    }
    StackParagraphs();
    if (m_pView != nullptr) {
        m_pView->UpdateScrollRange(m_nHeight);
    }
}

void CTextContext::StackParagraphs()
{
    int y = 0;
    for (CORVRichParagraph* paragraph : m_dqParagraphs) {
        paragraph->MoveTo(0, y);
        y += paragraph->m_nHeight;
    }
    m_nHeight = y;
}

void CTextContext::SetOrigin(int x, int y)
{
    const int width = m_EndPoint.x - m_Origin.x;
    const int height = m_EndPoint.y - m_Origin.y;
    m_Origin = {x, y};
    m_EndPoint = {x + width, y + height};
}

void CTextContext::Resize(int width, int height)
{
    m_EndPoint = {m_Origin.x + width, m_Origin.y + height};
    if (width != m_nWidth) {
        m_nWidth = width;
        for (CORVRichParagraph* paragraph : m_dqParagraphs) {
            paragraph->LayoutLines();
        }
    }
    StackParagraphs();
    if (m_pView != nullptr) {
        m_pView->UpdateScrollRange(m_nHeight);
    }
    ClearSelection();
}

void CTextContext::DrawParagraphs()
{
    for (CORVRichParagraph* paragraph : m_dqParagraphs) {
        const int top = paragraph->m_nAbsY;
        if (top + paragraph->m_nHeight > m_Origin.y && top < m_EndPoint.y) {
            paragraph->Draw(m_Origin, m_EndPoint);
        }
    }
}

void CTextContext::SelectAt(int x, int y, int mode)
{
    const int px = x + m_Origin.x;
    const int py = y + m_Origin.y;
    for (CORVRichParagraph* paragraph : m_dqParagraphs) {
        if (py >= paragraph->m_nAbsY && py < paragraph->m_nAbsY + paragraph->m_nHeight) {
            paragraph->HitTest(px, py, mode);
        }
    }
}

void CTextContext::BeginSelection(const ORVTextPos& pos)
{
    m_bSelection = true;
    m_Anchor = pos;
    m_End = pos;
    m_SelStart = pos;
    m_SelEnd = pos;
}

void CTextContext::ExtendSelection(const ORVTextPos& pos)
{
    if (!m_bSelection) {
        return;
    }
    m_End = pos;
    const bool backwards = IsTextPosAfter(m_Anchor, m_End);
    m_SelStart = backwards ? m_End : m_Anchor;
    m_SelEnd = backwards ? m_Anchor : m_End;
}

void CTextContext::ClearSelection()
{
    m_bSelection = false;
}

bool CTextContext::HasSelection() const
{
    return m_bSelection && !(m_SelStart == m_SelEnd);
}

bool CTextContext::GetSelectedPart(u32 paragraph, int start, int end, int& from, int& to) const
{
    if (!HasSelection() || paragraph < m_SelStart.m_nParagraph || paragraph > m_SelEnd.m_nParagraph) {
        return false;
    }
    from = start;
    to = end;
    if (paragraph == m_SelStart.m_nParagraph) {
        from = std::max(from, static_cast<int>(std::min<u32>(m_SelStart.m_nOffset, static_cast<u32>(end))));
    }
    if (paragraph == m_SelEnd.m_nParagraph) {
        to = std::min(to, static_cast<int>(std::min<u32>(m_SelEnd.m_nOffset, static_cast<u32>(end))));
    }
    return from < to;
}

const char* CTextContext::GetSelectedText()
{
    static char s_Text[kSelectedTextSize];
    if (!HasSelection()) {
        return nullptr;
    }
    std::size_t length = 0;
    bool first = true;
    for (const CORVRichParagraph* paragraph : m_dqParagraphs) {
        const u32 number = paragraph->m_nNumber;
        if (number < m_SelStart.m_nParagraph) {
            continue;
        }
        if (number > m_SelEnd.m_nParagraph) {
            break;
        }
        if (!first) {
            if (length + 1 >= kSelectedTextSize) {
                break;
            }
            s_Text[length++] = '\n';
        }
        first = false;
        int from = 0;
        int to = 0;
        if (!GetSelectedPart(number, 0, static_cast<int>(paragraph->m_strText.size()), from, to)) {
            continue;
        }
        const auto part = static_cast<std::size_t>(to - from);
        if (length + part >= kSelectedTextSize) {
            break;
        }
        std::memcpy(s_Text + length, paragraph->m_strText.data() + from, part);
        length += part;
    }
    s_Text[length] = '\0';
    return s_Text;
}
