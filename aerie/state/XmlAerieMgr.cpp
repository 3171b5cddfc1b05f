#include "aerie/state/XmlAerieMgr.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"

constinit const XmlAttrEntry CXmlAerieMgr::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CXmlAerieMgr, CXmlObj)

namespace {

template <class Rec>
const Rec* FindIn(const std::map<i32, Rec>& table, i32 key)
{
    const auto it = table.find(key);
    return it == table.end() ? nullptr : &it->second;
}

// Reads element into a fresh record, runs its list building, and inserts it under its key unless
// the key is taken.
template <class Rec, class KeyOwner, class Lists>
void ReadRecord(TiXmlElement* element, std::map<i32, Rec>& table, i32 KeyOwner::*key, Lists buildLists)
{
    Rec record;
    record.ParseElement(element);
    buildLists(record);
    const i32 k = record.*key;
    table.try_emplace(k, std::move(record));
}

template <class Rec>
void NoLists(Rec&)
{
}

// Game windows read the manager, also from their destructors: it is created before the control
// manager, so it outlives the window tree.
struct CXmlAerieMgrRegistration {
    CXmlAerieMgrRegistration() { RegisterTreeService([] { CXmlAerieMgr::GetSingleton(); }); }
};

const CXmlAerieMgrRegistration g_CXmlAerieMgrRegistration;

}  // namespace

CXmlAerieMgr* CXmlAerieMgr::GetSingleton()
{
    static CXmlAerieMgr s_Mgr;
    return &s_Mgr;
}

CXmlAerieMgr::CXmlAerieMgr(const char* path)
{
    Load(path);
}

CXmlAerieMgr::~CXmlAerieMgr() = default;

void CXmlAerieMgr::Clear()
{
    m_mapBeast.clear();
    m_mapBeast2.clear();
    m_mapFight.clear();
    m_mapMissionMain.clear();
    m_mapLab.clear();
    m_mapBuilding.clear();
    m_mapScience.clear();
    m_mapMonsterType.clear();
    m_mapMonster.clear();
    m_mapMonGroupSkill.clear();
    m_Creavity = CXmlCreavity();
}

bool CXmlAerieMgr::Load(const char* path)
{
    Clear();
    CXmlDocument document;
    if (!document.LoadFile(path)) {
        DebugLog("Aerie game data %s not loaded: %s\n", path ? path : "(null)", document.ErrorText());
        return false;
    }
    return ParseDocument(document);
}

bool CXmlAerieMgr::OnChildElement(TiXmlElement* child)
{
    const char* name = orv::xml::ElementName(child);
    try {
        if (std::strcmp(name, "beast") == 0) {
            CXmlBeast beast;
            beast.ParseElement(child);
            const i32 key = beast.m_nType;
            (beast.m_nSex == 0 ? m_mapBeast : m_mapBeast2).try_emplace(key, std::move(beast));
        } else if (std::strcmp(name, "fight") == 0) {
            ReadRecord(child, m_mapFight, &CXmlFight::m_nType, NoLists<CXmlFight>);
        } else if (std::strcmp(name, "missionmain") == 0) {
            ReadRecord(child, m_mapMissionMain, &CXmlMissionMain::m_nId, NoLists<CXmlMissionMain>);
        } else if (std::strcmp(name, "technology") == 0) {
            ReadRecord(child, m_mapLab, &CLab::m_nId, NoLists<CLab>);
        } else if (std::strcmp(name, "Building") == 0) {
            ReadRecord(child, m_mapBuilding, &CXmlBuilding::m_nId,
                       [](CXmlBuilding& r) { r.ParseLooksLists(); });
        } else if (std::strcmp(name, "Science") == 0) {
            ReadRecord(child, m_mapScience, &CXmlScience::m_nId,
                       [](CXmlScience& r) { r.ParseLevelLists(); });
        } else if (std::strcmp(name, "MonsterType") == 0) {
            ReadRecord(child, m_mapMonsterType, &CXmlMonsterType::m_nType, NoLists<CXmlMonsterType>);
        } else if (std::strcmp(name, "Monster") == 0) {
            ReadRecord(child, m_mapMonster, &CXmlMonster::m_nID, NoLists<CXmlMonster>);
        } else if (std::strcmp(name, "MonSkill") == 0) {
            ReadRecord(child, m_mapMonGroupSkill, &CXmlMonGroupSkill::m_nID,
                       [](CXmlMonGroupSkill& r) { r.SplitEffectList(); });
        } else if (std::strcmp(name, "Creavity") == 0) {
            // A later table replaces an earlier one entirely; a table with a bad number does not
            // replace anything.
            CXmlCreavity creavity;
            creavity.ParseElement(child);
            creavity.ParseEffectList();
            m_Creavity = std::move(creavity);
        } else {
            return false;
        }
    } catch (XmlConversionError& e) {
        e.SetElement(child);
        throw;
    }
    return true;
}

const CLab* CXmlAerieMgr::FindLab(i32 id) const { return FindIn(m_mapLab, id); }
const CXmlBuilding* CXmlAerieMgr::FindBuilding(i32 id) const { return FindIn(m_mapBuilding, id); }
const CXmlScience* CXmlAerieMgr::FindScience(i32 id) const { return FindIn(m_mapScience, id); }
const CXmlFight* CXmlAerieMgr::FindFight(i32 type) const { return FindIn(m_mapFight, type); }
const CXmlMonster* CXmlAerieMgr::FindMonster(i32 id) const { return FindIn(m_mapMonster, id); }

const CXmlMonGroupSkill* CXmlAerieMgr::FindMonGroupSkill(i32 id) const
{
    return FindIn(m_mapMonGroupSkill, id);
}

const CXmlBeast* CXmlAerieMgr::FindBeast(i32 type, bool second) const
{
    return FindIn(second ? m_mapBeast2 : m_mapBeast, type);
}

const CXmlBeast* CXmlAerieMgr::GetBeastByIndex(i32 index, bool second) const
{
    const std::map<i32, CXmlBeast>& table = second ? m_mapBeast2 : m_mapBeast;
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return nullptr;
    }
    return &std::next(table.begin(), index)->second;
}

const char* CXmlAerieMgr::GetBeastName(i32 type) const
{
    const CXmlBeast* beast = FindIn(m_mapBeast, type);
    return beast ? beast->m_strName.c_str() : nullptr;
}

const char* CXmlAerieMgr::GetMonsterTypeName(i32 type) const
{
    const CXmlMonsterType* kind = FindIn(m_mapMonsterType, type);
    return kind ? kind->m_strName.c_str() : nullptr;
}

void CXmlAerieMgr::GetFightsOfGroup(i32 group, std::vector<CXmlFight>& out) const
{
    out.clear();
    for (const auto& [type, fight] : m_mapFight) {
        if (fight.m_nGroup == group) {
            out.push_back(fight);
        }
    }
}
