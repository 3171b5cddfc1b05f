#include "framework/richtext/ORVRichFill.h"

#include "framework/richtext/ORVRichParagraph.h"

CORVRichFill::CORVRichFill() = default;
CORVRichFill::~CORVRichFill() = default;

void CORVRichFill::Reset()
{
    m_vStyles.clear();
    m_pParagraph = nullptr;
}

void CORVRichFill::Start(CORVRichParagraph* paragraph, const CTextBlock& base)
{
    Reset();
    m_pParagraph = paragraph;
    auto style = std::make_unique<CTextBlock>();
    style->CopyStyleFrom(base);
    m_vStyles.push_back(std::move(style));
}

CTextBlock* CORVRichFill::Top()
{
    return m_vStyles.empty() ? nullptr : m_vStyles.back().get();
}

CTextBlock* CORVRichFill::PushCopy()
{
    if (m_vStyles.empty()) {
        return nullptr;
    }
    auto style = std::make_unique<CTextBlock>();
    style->CopyStyleFrom(*m_vStyles.back());
    m_vStyles.push_back(std::move(style));
    return m_vStyles.back().get();
}

void CORVRichFill::Pop()
{
    if (m_vStyles.size() >= 2) {
        m_vStyles.pop_back();
    }
}

void CORVRichFill::PopToBase()
{
    while (m_vStyles.size() >= 2) {
        m_vStyles.pop_back();
    }
}

void CORVRichFill::AddRun(const char* bytes, int len)
{
    CTextBlock* style = Top();
    if (m_pParagraph == nullptr || style == nullptr || bytes == nullptr || len <= 0) {
        return;
    }
    const int start = m_pParagraph->AppendText(bytes, len);
    auto* run = new CTextBlock;
    run->CopyStyleFrom(*style);
    m_pParagraph->AppendBlock(run);
    run->SetRange(start, start + len);
}

void CORVRichFill::AddImage(int number)
{
    if (m_pParagraph == nullptr) {
        return;
    }
    auto* image = new CImageBlock;
    image->m_wIdOffset = kRichImageIdOffset;
    image->SetImage(number);
    m_pParagraph->AppendBlock(image);
}

void CORVRichFill::AddBlock(CBlock* block)
{
    if (m_pParagraph == nullptr) {
        delete block;
        return;
    }
    m_pParagraph->AppendBlock(block);
}
