#include "framework/xml/XmlDocument.h"

#include <tinyxml2.h>

#include <cstdio>

#include "platform/Platform.h"

namespace orv::xml {

const char* ElementName(const TiXmlElement* element)
{
    const char* name = element ? element->Name() : nullptr;
    return name ? name : "";
}

int ElementLine(const TiXmlElement* element)
{
    return element ? element->GetLineNum() : 0;
}

const TiXmlAttribute* FirstAttribute(const TiXmlElement* element)
{
    return element ? element->FirstAttribute() : nullptr;
}

const TiXmlAttribute* NextAttribute(const TiXmlAttribute* attribute)
{
    return attribute ? attribute->Next() : nullptr;
}

const char* AttributeName(const TiXmlAttribute* attribute)
{
    return attribute ? attribute->Name() : nullptr;
}

const char* AttributeValue(const TiXmlAttribute* attribute)
{
    const char* value = attribute ? attribute->Value() : nullptr;
    return value ? value : "";
}

void SetAttribute(TiXmlElement* element, const char* name, const char* value)
{
    if (element && name && value) {
        element->SetAttribute(name, value);
    }
}

TiXmlNode* FirstChild(TiXmlElement* element)
{
    return element ? element->FirstChild() : nullptr;
}

TiXmlNode* NextSibling(TiXmlNode* node)
{
    return node ? node->NextSibling() : nullptr;
}

NodeKind KindOf(TiXmlNode* node)
{
    if (node == nullptr) {
        return NodeKind::Other;
    }
    if (node->ToElement()) {
        return NodeKind::Element;
    }
    if (node->ToText()) {
        return NodeKind::Text;   // CDATA sections are text nodes too
    }
    if (node->ToComment()) {
        return NodeKind::Comment;
    }
    return NodeKind::Other;
}

TiXmlElement* AsElement(TiXmlNode* node)
{
    return node ? node->ToElement() : nullptr;
}

TiXmlText* AsText(TiXmlNode* node)
{
    return node ? node->ToText() : nullptr;
}

TiXmlComment* AsComment(TiXmlNode* node)
{
    return node ? node->ToComment() : nullptr;
}

TiXmlElement* FirstChildElement(TiXmlElement* element, const char* name)
{
    return element ? element->FirstChildElement(name) : nullptr;
}

TiXmlElement* NextSiblingElement(TiXmlElement* element, const char* name)
{
    return element ? element->NextSiblingElement(name) : nullptr;
}

const char* TextValue(const TiXmlText* text)
{
    const char* value = text ? text->Value() : nullptr;
    return value ? value : "";
}

const char* CommentValue(const TiXmlComment* comment)
{
    const char* value = comment ? comment->Value() : nullptr;
    return value ? value : "";
}

}  // namespace orv::xml

CXmlDocument::CXmlDocument()
    : m_pDoc(std::make_unique<tinyxml2::XMLDocument>(true, tinyxml2::COLLAPSE_WHITESPACE))
{
}

CXmlDocument::~CXmlDocument() = default;

bool CXmlDocument::LoadFile(const char* path)
{
    m_strPath = path ? path : "";
    m_bLoaded = path != nullptr && m_pDoc->LoadFile(path) == tinyxml2::XML_SUCCESS;
    return m_bLoaded;
}

bool CXmlDocument::Parse(const char* text, std::size_t len)
{
    m_strPath.clear();   // text from memory has no file to be saved back to
    m_bLoaded = text != nullptr && m_pDoc->Parse(text, len) == tinyxml2::XML_SUCCESS;
    return m_bLoaded;
}

bool CXmlDocument::SaveFile()
{
    if (!m_bLoaded || m_strPath.empty()) {
        return false;
    }
    // Written beside the file, then moved over it: a failed write never damages the file.
    const std::string temp = m_strPath + ".new";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = m_pDoc->SaveFile(file) == tinyxml2::XML_SUCCESS;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !orv::platform::ReplaceFile(temp.c_str(), m_strPath.c_str())) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

TiXmlElement* CXmlDocument::RootElement()
{
    return m_bLoaded ? m_pDoc->RootElement() : nullptr;
}

const char* CXmlDocument::ErrorText() const
{
    if (m_strPath.empty() && !m_bLoaded && m_pDoc->ErrorID() == tinyxml2::XML_SUCCESS) {
        return "no file given";
    }
    const char* text = m_pDoc->ErrorStr();
    return text ? text : "";
}
