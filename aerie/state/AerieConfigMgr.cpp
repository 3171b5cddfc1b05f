#include "aerie/state/AerieConfigMgr.h"

#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/xml/XmlNumber.h"

constinit const XmlAttrEntry CAerieConfig::s_XmlEntries[] = {
    XmlInt<&CAerieConfig::m_nIndex>("Index"),
    XmlString<&CAerieConfig::m_strName>("Name"),
    XmlString<&CAerieConfig::m_strValue>("Value"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CAerieConfig, CXmlObj)

constinit const XmlAttrEntry CAerieConfigMgr::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CAerieConfigMgr, CXmlObj)

namespace {

constexpr const char* kGroupSkillRefreshKeys[6] = {
    AerieConfigKey::ProductCommonRefurbish, AerieConfigKey::ProductSeniornRefurbish,
    AerieConfigKey::CreateCommonRefurbish,  AerieConfigKey::CreateSeniorRefurbish,
    AerieConfigKey::FightCommonRefurbish,   AerieConfigKey::FightSeniorRefurbish,
};

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

// Game windows read the manager, also from their destructors: it is created before the control
// manager, so it outlives the window tree.
struct CAerieConfigMgrRegistration {
    CAerieConfigMgrRegistration() { RegisterTreeService([] { CAerieConfigMgr::GetSingleton(); }); }
};

const CAerieConfigMgrRegistration g_CAerieConfigMgrRegistration;

}  // namespace

const char* GetGroupSkillRefreshKey(int group, int kind)
{
    if (group < 0 || group > 2 || kind < 0 || kind > 1) {
        return nullptr;
    }
    return kGroupSkillRefreshKeys[group * 2 + kind];
}

bool CAerieConfig::OnText(TiXmlText*)
{
    return true;
}

CAerieConfigMgr* CAerieConfigMgr::GetSingleton()
{
    static CAerieConfigMgr s_Mgr;
    return &s_Mgr;
}

CAerieConfigMgr::CAerieConfigMgr(const char* path)
{
    Load(path);
}

CAerieConfigMgr::~CAerieConfigMgr() = default;

void CAerieConfigMgr::OnBeginLoad()
{
    m_mapConfig.clear();
}

bool CAerieConfigMgr::OnChildElement(TiXmlElement* child)
{
    if (std::strcmp(orv::xml::ElementName(child), "key") != 0) {
        return false;
    }
    CAerieConfig entry;
    entry.ParseElement(child);
    std::string name = entry.m_strName;
    m_mapConfig.try_emplace(std::move(name), std::move(entry));
    return true;
}

bool CAerieConfigMgr::Load(const char* path)
{
    OnBeginLoad();
    m_pDoc = std::make_unique<CXmlDocument>();
    if (!m_pDoc->LoadFile(path)) {
        DebugLog("Aerie settings %s not loaded: %s\n", path ? path : "(null)", m_pDoc->ErrorText());
        return false;
    }
    return ParseDocument(*m_pDoc);
}

i32 CAerieConfigMgr::GetValue(const std::string& name) const
{
    const auto it = m_mapConfig.find(name);
    return it == m_mapConfig.end() ? 0 : XmlTextToInt(it->second.m_strValue.c_str());
}

void CAerieConfigMgr::SetValue(const std::string& name, const i32& value)
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
        CAerieConfig entry;
        entry.ParseElement(e);
        it->second = std::move(entry);
    }
    if (!m_pDoc->SaveFile()) {
        DebugLog("Aerie settings %s could not be written; the change holds until the game closes\n",
                 m_pDoc->GetPath().c_str());
    }
}

bool CAerieConfigMgr::AsksConfirmation(const std::string& key) const
{
    const i32 value = GetValue(key);
    if (key == AerieConfigKey::AwardRefreshHint || key == AerieConfigKey::ChangeJobHint) {
        return value > 0;
    }
    return value != 0;
}

void CAerieConfigMgr::AnswerConfirmation(const std::string& key, bool checked)
{
    SetValue(key, checked ? 0 : 1);
}
