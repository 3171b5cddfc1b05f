#include "framework/xml/XmlObj.h"

#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/text/TextUtil.h"
#include "framework/xml/XmlNumber.h"

constinit const XmlAttrEntry CXmlObj::s_XmlEntries[] = {XmlAttrEnd()};
constinit const XmlAttrMap CXmlObj::s_XmlMap = {nullptr, CXmlObj::s_XmlEntries};

namespace {

constexpr std::size_t kMaxPieceInMessage = 64;

bool IsEnd(const XmlAttrEntry& entry)
{
    return entry.name == nullptr || entry.setter == nullptr;
}

unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Case-insensitive equality of two names of the same length. Names shorter than 256 bytes are
// compared with ASCII letters folded (the trail byte of a GBK pair as it stands); longer names
// are compared unchanged.
bool NamesEqual(const char* a, const char* b, std::size_t length)
{
    if (length >= 256) {
        return std::memcmp(a, b, length) == 0;
    }
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    for (std::size_t i = 0; i < length;) {
        // A GBK pair: both bytes must be the same; any other byte (a lead byte at the very end
        // stands alone) is compared folded, which leaves bytes of 0x80 or above as they are.
        const std::size_t bytes = GbkCharBytes(a + i, length - i);
        if (bytes == 2) {
            if (pa[i] != pb[i] || pa[i + 1] != pb[i + 1]) {
                return false;
            }
        } else if (FoldAscii(pa[i]) != FoldAscii(pb[i])) {
            return false;
        }
        i += bytes == 2 ? 2 : 1;
    }
    return true;
}

}  // namespace

XmlConversionError::XmlConversionError(const char* attribute, std::string_view piece)
    : m_strAttribute(attribute ? attribute : "")
{
    // Keep at most kMaxPieceInMessage bytes, never half of a GBK pair.
    m_strPiece.assign(piece.data(), GbkWholePrefix(piece.data(), piece.size(), kMaxPieceInMessage));
}

void XmlConversionError::SetElement(const TiXmlElement* element)
{
    if (m_strElement.empty() && element != nullptr) {
        m_strElement = orv::xml::ElementName(element);
        m_nLine = orv::xml::ElementLine(element);
    }
}

CXmlObj::~CXmlObj() = default;

bool CXmlObj::OnText(TiXmlText*) { return false; }
bool CXmlObj::OnChildElement(TiXmlElement*) { return false; }
bool CXmlObj::OnComment(TiXmlComment*) { return false; }
bool CXmlObj::OnElement(TiXmlElement*) { return false; }
void CXmlObj::OnBeginLoad() {}
void CXmlObj::OnAttributesLoaded() {}

const XmlAttrMap* CXmlObj::GetXmlMap() const
{
    return &s_XmlMap;
}

void CXmlObj::SetDefaults()
{
    try {
        for (const XmlAttrMap* map = GetXmlMap(); map != nullptr; map = map->base) {
            for (const XmlAttrEntry* entry = map->entries; entry && !IsEnd(*entry); ++entry) {
                entry->setter(*this, entry->def);
            }
        }
    } catch (...) {
        DebugLog("XML binding: a default could not be stored; the remaining defaults are skipped\n");
    }
}

bool CXmlObj::ParseAttribute(const TiXmlAttribute* attribute)
{
    const char* name = orv::xml::AttributeName(attribute);
    if (name == nullptr) {
        return true;
    }
    // Entries whose name differs in length or in its first letter are passed over at once.
    const std::uint64_t key = XmlAttrEntry::NameKey(name);
    const std::size_t length = static_cast<std::size_t>(key >> 8);
    for (const XmlAttrMap* map = GetXmlMap(); map != nullptr; map = map->base) {
        for (const XmlAttrEntry* entry = map->entries; entry && !IsEnd(*entry); ++entry) {
            if (entry->nameKey != key || !NamesEqual(entry->name, name, length)) {
                continue;
            }
            const char* text = orv::xml::AttributeValue(attribute);
            XmlValue value{};
            switch (entry->type) {
            case XML_TYPE_STRING: value.pszText = text; break;
            case XML_TYPE_INT: value.nInt = XmlTextToInt(text); break;
            case XML_TYPE_HEX: value.dwHex = XmlAttributeHexValue(*attribute); break;
            case XML_TYPE_DOUBLE: value.dValue = XmlTextToDouble(text); break;
            default: return true;
            }
            try {
                entry->setter(*this, value);
            } catch (...) {
                DebugLog("XML binding: attribute %s could not be stored\n", entry->name);
            }
            return true;
        }
    }
    return true;
}

bool CXmlObj::ParseElement(TiXmlElement* element)
{
    OnBeginLoad();
    SetDefaults();
    if (element == nullptr) {
        return false;
    }
    OnElement(element);
    for (const TiXmlAttribute* attribute = orv::xml::FirstAttribute(element); attribute != nullptr;
         attribute = orv::xml::NextAttribute(attribute)) {
        ParseAttribute(attribute);
    }
    OnAttributesLoaded();
    for (TiXmlNode* node = orv::xml::FirstChild(element); node != nullptr;
         node = orv::xml::NextSibling(node)) {
        switch (orv::xml::KindOf(node)) {
        case orv::xml::NodeKind::Element: OnChildElement(orv::xml::AsElement(node)); break;
        case orv::xml::NodeKind::Comment: OnComment(orv::xml::AsComment(node)); break;
        case orv::xml::NodeKind::Text: OnText(orv::xml::AsText(node)); break;
        case orv::xml::NodeKind::Other: break;
        }
    }
    return true;
}

bool CXmlObj::ParseDocument(CXmlDocument& document)
{
    const char* path = document.GetPath().c_str();
    try {
        return ParseElement(document.RootElement());
    } catch (const XmlConversionError& e) {
        DebugLog("XML %s: \"%s\" in attribute %s of element <%s> (line %d) is not a number; "
                 "that element and the rest of the file are not loaded\n",
                 path, e.m_strPiece.c_str(), e.m_strAttribute.c_str(),
                 e.m_strElement.empty() ? "?" : e.m_strElement.c_str(), e.m_nLine);
    } catch (const std::exception& e) {
        DebugLog("XML %s: reading stopped (%s); the rest of the file is not loaded\n", path, e.what());
    } catch (...) {
        DebugLog("XML %s: reading stopped; the rest of the file is not loaded\n", path);
    }
    return false;
}

bool CXmlObj::CompareName(const char* a, const char* b, bool ignoreCase)
{
    if (a == nullptr || b == nullptr) {
        return false;
    }
    if (!ignoreCase) {
        return std::strcmp(a, b) == 0;
    }
    const std::size_t length = std::strlen(a);
    return length == std::strlen(b) && NamesEqual(a, b, length);
}

bool CXmlObj::IsElementNamed(const TiXmlElement* element, const char* name, bool ignoreCase)
{
    if (element == nullptr || name == nullptr) {
        return false;
    }
    const char* tag = orv::xml::ElementName(element);
    if (*tag == '\0') {
        return false;
    }
    return CompareName(tag, name, ignoreCase);
}

u32 XmlAttributeHexValue(const TiXmlAttribute& attribute)
{
    return XmlTextToHex(orv::xml::AttributeValue(&attribute));
}
