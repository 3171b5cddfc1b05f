#include "framework/richtext/ORVRichTextBuilder.h"

#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/text/TextUtil.h"

constinit const XmlAttrEntry CORVRichTextParser::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CORVRichTextParser, CXmlObj)

constinit const XmlAttrEntry CORVRichTextBuilder::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CORVRichTextBuilder, CORVRichTextParser)

constinit const XmlAttrEntry CStyleParser::s_XmlEntries[] = {
    XmlInt<&CStyleParser::m_nColor>("Color", -1),
    XmlInt<&CStyleParser::m_nBack>("Back", -1),
    XmlInt<&CStyleParser::m_nFont>("Font", -1),
    XmlString<&CStyleParser::m_strULine>("ULine"),
    XmlString<&CStyleParser::m_strBlink>("Blink"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CStyleParser, CORVRichTextParser)

constinit const XmlAttrEntry CImageParser::s_XmlEntries[] = {
    XmlInt<&CImageParser::m_nId>("Id"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CImageParser, CORVRichTextParser)

namespace {

CORVRichTextBuilder* g_pCurrentRichTextBuilder = nullptr;

// An on/off attribute: "On" or "1" sets the flag, another text clears it, an empty one keeps it.
void ApplySwitch(CTextBlock& style, u32 flag, const std::string& value)
{
    if (!value.empty()) {
        style.SetFlag(flag, value == "On" || value == "1");
    }
}

}  // namespace

// ---- CORVRichTextParser ----

CORVRichTextParser::CORVRichTextParser() : m_pBuilder(CORVRichTextBuilder::Current()) {}

CORVRichTextParser::CORVRichTextParser(CORVRichTextBuilder* builder) : m_pBuilder(builder) {}

CORVRichTextParser::~CORVRichTextParser() = default;

bool CORVRichTextParser::OnText(TiXmlText* text)
{
    if (m_pBuilder != nullptr && text != nullptr) {
        m_pBuilder->AddText(orv::xml::TextValue(text));
    }
    return true;
}

bool CORVRichTextParser::OnChildElement(TiXmlElement* child)
{
    if (m_pBuilder == nullptr) {
        return false;
    }
    if (IsElementNamed(child, "Style", true)) {
        CStyleParser style(m_pBuilder);
        style.ParseElement(child);
        return true;
    }
    if (IsElementNamed(child, "Image", true)) {
        CImageParser image(m_pBuilder);
        image.ParseElement(child);
        return true;
    }
    return false;
}

// ---- CStyleParser, CImageParser ----

CStyleParser::~CStyleParser()
{
    if (m_bPushed && m_pBuilder != nullptr) {
        m_pBuilder->PopStyle();
    }
}

void CStyleParser::OnAttributesLoaded()
{
    if (m_pBuilder != nullptr && !m_bPushed) {
        const std::size_t depth = m_pBuilder->Fill().Depth();
        m_pBuilder->PushStyle(*this);
        m_bPushed = m_pBuilder->Fill().Depth() > depth;
    }
}

void CImageParser::OnAttributesLoaded()
{
    if (m_pBuilder != nullptr) {
        m_pBuilder->AddImage(*this);
    }
}

// ---- CORVRichTextBuilder ----

CORVRichTextBuilder* CORVRichTextBuilder::Current()
{
    return g_pCurrentRichTextBuilder;
}

CORVRichTextBuilder::CORVRichTextBuilder() : CORVRichTextParser(this)
{
    g_pCurrentRichTextBuilder = this;
}

CORVRichTextBuilder::~CORVRichTextBuilder()
{
    if (g_pCurrentRichTextBuilder == this) {
        g_pCurrentRichTextBuilder = nullptr;
    }
}

CORVRichParagraph* CORVRichTextBuilder::BuildParagraph(TiXmlElement* element)
{
    m_Fill.Reset();
    if (element == nullptr) {
        return nullptr;
    }
    auto* paragraph = new CORVRichParagraph;
    m_Fill.Start(paragraph, *CTextBlock::GetDefaultStyle());
    ParseElement(element);
    m_Fill.Reset();
    return paragraph;
}

void CORVRichTextBuilder::AddText(const char* text)
{
    if (text == nullptr) {
        return;
    }
    // At most kTextSize bytes, never half of a two-byte character.
    const auto limit = static_cast<std::size_t>(kTextSize);
    const char* end = text + GbkWholePrefix(text, strnlen(text, limit + 1), limit);
    if (*end != '\0' && GbkNextChar(end) != end) {
        DebugLog("Error,rich text: a text longer than %d bytes is cut there!\n", kTextSize);
    }
    m_Fill.AddRun(text, static_cast<int>(end - text));
}

void CORVRichTextBuilder::PushStyle(const CStyleParser& element)
{
    CTextBlock* style = m_Fill.PushCopy();
    if (style == nullptr) {
        return;
    }
    if (element.m_nColor != -1) {
        style->m_byColorIndex = static_cast<u8>(element.m_nColor);
    }
    if (element.m_nBack != -1) {
        style->m_byBackIndex = static_cast<u8>(element.m_nBack);
    }
    if (element.m_nFont != -1) {
        style->SetFont(element.m_nFont);
    }
    ApplySwitch(*style, CTextBlock::kUnderline, element.m_strULine);
    ApplySwitch(*style, CTextBlock::kBlink, element.m_strBlink);
}

void CORVRichTextBuilder::PopStyle()
{
    m_Fill.Pop();
}

void CORVRichTextBuilder::AddImage(const CImageParser& element)
{
    m_Fill.AddImage(static_cast<int>(static_cast<u16>(element.m_nId)));
}
