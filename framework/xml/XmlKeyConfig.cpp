#include "framework/xml/XmlKeyConfig.h"

#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/xml/XmlNumber.h"

constinit const XmlAttrEntry CXmlKeyConfig::s_XmlEntries[] = {
    XmlInt<&CXmlKeyConfig::m_nIndex>("Index"),
    XmlString<&CXmlKeyConfig::m_strName>("Name"),
    XmlString<&CXmlKeyConfig::m_strValue>("Value"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlKeyConfig, CXmlObj)

constinit const XmlAttrEntry CXmlKeyConfigMgr::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CXmlKeyConfigMgr, CXmlObj)

namespace {

// The attribute of element that the binding reads for the entry named attributeName (names
// compare without regard to case; the last such attribute is the one that binds).
const TiXmlAttribute* FindBoundAttribute(const TiXmlElement* element, const char* attributeName)
{
    const TiXmlAttribute* found = nullptr;
    for (const TiXmlAttribute* a = orv::xml::FirstAttribute(element); a; a = orv::xml::NextAttribute(a)) {
        if (CXmlObj::CompareName(orv::xml::AttributeName(a), attributeName, true)) {
            found = a;
        }
    }
    return found;
}

}  // namespace

void CXmlKeyConfig::OnBeginLoad()
{
    m_strText.clear();
}

bool CXmlKeyConfig::OnText(TiXmlText* text)
{
    const char* value = orv::xml::TextValue(text);
    m_strText = value != nullptr ? value : "";
    return true;
}

CXmlKeyConfigMgr::CXmlKeyConfigMgr() = default;
CXmlKeyConfigMgr::~CXmlKeyConfigMgr() = default;

void CXmlKeyConfigMgr::OnBeginLoad()
{
    m_mapConfig.clear();
}

bool CXmlKeyConfigMgr::OnChildElement(TiXmlElement* child)
{
    if (std::strcmp(orv::xml::ElementName(child), "key") != 0) {
        return false;
    }
    CXmlKeyConfig entry;
    entry.ParseElement(child);
    std::string name = entry.m_strName;
    m_mapConfig.try_emplace(std::move(name), std::move(entry));
    return true;
}

bool CXmlKeyConfigMgr::Load(const char* path)
{
    OnBeginLoad();
    m_pDoc = std::make_unique<CXmlDocument>();
    if (!m_pDoc->LoadFile(path)) {
        DebugLog("Settings %s not loaded: %s\n", path ? path : "(null)", m_pDoc->ErrorText());
        return false;
    }
    return ParseDocument(*m_pDoc);
}

i32 CXmlKeyConfigMgr::GetValue(const std::string& name) const
{
    const auto it = m_mapConfig.find(name);
    return it == m_mapConfig.end() ? 0 : XmlTextToInt(it->second.m_strValue.c_str());
}

void CXmlKeyConfigMgr::SetValue(const std::string& name, const i32& value)
{
    const auto it = m_mapConfig.find(name);
    if (it == m_mapConfig.end() || m_pDoc == nullptr) {
        return;
    }
    const std::string text = std::to_string(value);
    for (TiXmlElement* e = orv::xml::FirstChildElement(m_pDoc->RootElement(), "key"); e != nullptr;
         e = orv::xml::NextSiblingElement(e, "key")) {
        const TiXmlAttribute* nameAttr = FindBoundAttribute(e, "Name");
        if (name != (nameAttr ? orv::xml::AttributeValue(nameAttr) : "")) {
            continue;
        }
        const TiXmlAttribute* valueAttr = FindBoundAttribute(e, "Value");
        orv::xml::SetAttribute(e, valueAttr ? orv::xml::AttributeName(valueAttr) : "Value", text.c_str());
        CXmlKeyConfig entry;
        entry.ParseElement(e);
        it->second = std::move(entry);
    }
    if (!m_pDoc->SaveFile()) {
        DebugLog("Settings %s could not be written; the change holds until the game closes\n",
                 m_pDoc->GetPath().c_str());
    }
}
