#include "aerie/state/AerieDataMgr.h"

#include <algorithm>

#include "aerie/state/NetMsgHeader.h"
#include "aerie/state/XmlAerieMgr.h"

CAerieDataMgr& CAerieDataMgr::GetSingleton()
{
    static CAerieDataMgr s_Mgr;
    return s_Mgr;
}

CAerieDataMgr::CAerieDataMgr() = default;

void CAerieDataMgr::StartSession()
{
    static_cast<AerieSessionState&>(*this) = AerieSessionState();
}

void CAerieDataMgr::Reset()
{
    StartSession();
    for (CORVHelpText& page : m_aHelpPages) {
        page = CORVHelpText();
    }
    m_vItems.clear();
    m_byTouched = 0;
    m_bBuildingChanged = false;
}

CAerieCityData& CAerieDataMgr::GetCityOfMessage(const char* buf, int len)
{
    if (buf == nullptr || len < kNetMsgHeaderSize) {
        return m_OwnCity;
    }
    const u32 owner = ReadLE32(reinterpret_cast<const unsigned char*>(buf));
    return owner == m_dwOwnPlayerId ? m_OwnCity : m_VisitedCity;
}

const std::vector<AerieRankEntry>* CAerieDataMgr::FindRankList(int list) const
{
    if (list < 0 || list > 0xFFFF) {
        return nullptr;
    }
    const auto it = m_mapRankLists.find(static_cast<u16>(list));
    return it != m_mapRankLists.end() ? &it->second : nullptr;
}

const AerieMainMission* CAerieDataMgr::GetMainMission(int index) const
{
    return EntryAt(m_vMainMissions, index);
}

bool CAerieDataMgr::IsUpgrading(int kind, int id)
{
    const u16 wanted = kind == 0 ? 1 : kind == 1 ? 2 : 0;
    if (wanted == 0) {
        return false;
    }
    const CAerieCityData& city = GetShownCity();
    for (int g = 0; g < 3; ++g) {
        const CAerieMonsterGroup& group = city.m_aGroups[g];
        if (group.GetState() == wanted && static_cast<int>(group.GetTarget()) == id) {
            return true;
        }
    }
    return false;
}

namespace {

// The configuration and level of building slot id (kind 0) or technology id (kind 1) of a city;
// null configuration when there is none.
const CXmlLvlupConfig* LevelConfig(const CAerieCityData& city, int kind, int id, u16* level)
{
    *level = 0;
    if (kind == 0) {
        if (id < 0 || id >= kAerieBuildingSlots) {
            return nullptr;
        }
        *level = city.m_aBuildings[id].m_wLevel;
        return city.m_aBuildings[id].m_pConfig;
    }
    if (kind == 1) {
        if (id < 0 || id > 0xFFFF) {
            return nullptr;
        }
        const auto it = city.m_mapTech.find(static_cast<u16>(id));
        if (it == city.m_mapTech.end()) {
            return nullptr;
        }
        *level = it->second.m_wLevel;
        return it->second.m_pConfig;
    }
    return nullptr;
}

i32 EffectAtLevel(const CAerieCityData& city, int kind, int id)
{
    u16 level = 0;
    const CXmlLvlupConfig* config = LevelConfig(city, kind, id, &level);
    return config != nullptr ? config->GetEffect(level) : 0;
}

}  // namespace

bool CAerieDataMgr::IsMaxLevel(int kind, int id)
{
    u16 level = 0;
    const CXmlLvlupConfig* config = LevelConfig(GetShownCity(), kind, id, &level);
    return config != nullptr && static_cast<i32>(level) >= config->m_nMaxLevel;
}

float CAerieDataMgr::GetScienceEffectFloat(int id)
{
    return static_cast<float>(EffectAtLevel(GetShownCity(), 1, id));
}

u16 CAerieDataMgr::GetScienceEffect(int id)
{
    const i32 v = EffectAtLevel(GetShownCity(), 1, id);
    return static_cast<u16>(std::clamp<i32>(v, 0, 0xFFFF));
}

u32 CAerieDataMgr::GetBuildingEffect(int slot)
{
    return static_cast<u32>(std::max<i32>(0, EffectAtLevel(GetShownCity(), 0, slot)));
}

float CAerieDataMgr::GetGroupCreavityPercent(int group)
{
    if (group < 0 || group >= kAerieGroupCount) {
        return 0.0f;
    }
    const CAerieCityData& city = GetShownCity();
    const CXmlCreavity& creavity = CXmlAerieMgr::GetSingleton()->GetCreavity();
    const u16 level = city.m_aBuildings[0].m_wLevel;
    if (level >= creavity.m_vEffect.size() || creavity.m_vEffect[level] == 0) {
        return 0.0f;
    }
    const float percent = static_cast<float>(city.m_aGroups[group].m_adwTotal[1]) /
                          static_cast<float>(creavity.m_vEffect[level]);
    return std::min(percent, 100.0f);
}

int CountBagEggs(const u16 bag[kAerieEggBagSlots])
{
    if (bag == nullptr) {
        return 0;
    }
    return static_cast<int>(std::count_if(bag, bag + kAerieEggBagSlots, [](u16 egg) { return egg != 0; }));
}
