#include "aerie/state/AerieCityData.h"

#include <algorithm>
#include <cstring>

#include "aerie/state/NetMsgHeader.h"
#include "aerie/state/XmlAerieMgr.h"

using namespace aerie_layout;

CAerieCityData::CAerieCityData()
    : m_aGroups{CAerieMonsterGroup(0), CAerieMonsterGroup(1), CAerieMonsterGroup(2), CAerieMonsterGroup(3)}
{
}

u32 CAerieCityData::GetCoins() const { return ReadLE32(m_OwnerRecord + kOwnerCoins); }
u32 CAerieCityData::GetGrass() const { return ReadLE32(m_OwnerRecord + kOwnerGrass); }
u32 CAerieCityData::GetStone() const { return ReadLE32(m_OwnerRecord + kOwnerStone); }
u32 CAerieCityData::GetWood() const { return ReadLE32(m_OwnerRecord + kOwnerWood); }
u32 CAerieCityData::GetMetal() const { return ReadLE32(m_OwnerRecord + kOwnerMetal); }
u32 CAerieCityData::GetPurchasesToday() const { return ReadLE32(m_OwnerRecord + kOwnerPurchasesToday); }
u32 CAerieCityData::GetGrassPerHour() const { return ReadLE32(m_OwnerRecord + kOwnerGrassPerHour); }
u32 CAerieCityData::GetMonsterCount() const { return ReadLE32(m_OwnerRecord + kOwnerMonsterCount); }
u32 CAerieCityData::GetWorth() const { return ReadLE32(m_OwnerRecord + kOwnerWorth); }
u32 CAerieCityData::GetGardenLevel() const { return ReadLE32(m_OwnerRecord + kOwnerGardenLevel); }
u32 CAerieCityData::GetRestaurantLevel() const { return ReadLE32(m_OwnerRecord + kOwnerRestaurantLevel); }
i32 CAerieCityData::GetHappiness() const { return static_cast<i32>(ReadLE32(m_OwnerRecord + kOwnerHappiness)); }
u32 CAerieCityData::GetGardenWealth() const { return ReadLE32(m_OwnerRecord + kOwnerGardenWealth); }
u32 CAerieCityData::GetRestaurantFunds() const { return ReadLE32(m_OwnerRecord + kOwnerRestaurantFunds); }
u32 CAerieCityData::GetExperience() const { return ReadLE32(m_OwnerRecord + kOwnerExperience); }
u8 CAerieCityData::GetAwardMultiplier() const { return m_OwnerRecord[kOwnerAwardMultiplier]; }
u8 CAerieCityData::GetProductionMultiplier() const { return m_OwnerRecord[kOwnerProductionMultiplier]; }
u16 CAerieCityData::GetLooks1() const { return ReadLE16(m_OwnerRecord + kOwnerLooks1); }
u16 CAerieCityData::GetLooks2() const { return ReadLE16(m_OwnerRecord + kOwnerLooks2); }
u8 CAerieCityData::GetLooks3() const { return m_OwnerRecord[kOwnerLooks3]; }

u16 CAerieCityData::GetBeastType() const { return ReadLE16(m_Beast + kBeastType); }
u16 CAerieCityData::GetBeastSex() const { return ReadLE16(m_Beast + kBeastSex); }
u16 CAerieCityData::GetBeastJob() const { return ReadLE16(m_Beast + kBeastJob); }
u16 CAerieCityData::GetBeastRegisterMask() const { return ReadLE16(m_Beast + kBeastRegisterMask); }
u16 CAerieCityData::GetBeastBreedsToday() const { return ReadLE16(m_Beast + kBeastBreedsToday); }

const CXmlBeast* CAerieCityData::GetBeastConfig() const
{
    return CXmlAerieMgr::GetSingleton()->FindBeast(GetBeastType(), GetBeastSex() != 0);
}

const AerieMonsterEntry& CAerieCityData::GetMonster(u16 slot) const
{
    static const AerieMonsterEntry kEmpty;
    const auto it = m_mapMonsters.find(slot);
    return it != m_mapMonsters.end() ? it->second : kEmpty;
}

const AerieGroupSkillEntry& CAerieCityData::GetGroupSkill(u16 key) const
{
    static const AerieGroupSkillEntry kEmpty;
    const auto it = m_mapGroupSkills.find(key);
    return it != m_mapGroupSkills.end() ? it->second : kEmpty;
}

u16 CAerieCityData::GetTechLevel(u16 id) const
{
    const auto it = m_mapTech.find(id);
    return it != m_mapTech.end() ? it->second.m_wLevel : 0;
}

void CAerieCityData::SetOwnerRecord(const unsigned char* value, std::size_t len)
{
    std::memset(m_OwnerRecord, 0, sizeof m_OwnerRecord);
    m_wPopularity = 0;
    m_dwRefreshPoints = 0;
    if (value == nullptr) {
        return;
    }
    std::memcpy(m_OwnerRecord, value, std::min(len, kOwnerRecordSize));
    m_wPopularity = ReadLE16At(value, len, kOwnerPopularityInValue);
    m_dwRefreshPoints = ReadLE32At(value, len, kOwnerRefreshPointsInValue);
}

void CAerieCityData::SetWorkState(const unsigned char* value, std::size_t len, u32 now)
{
    if (value == nullptr || len < 3 || ReadLE16(value) >= 3) {
        return;
    }
    const u16 group = ReadLE16(value);
    CAerieMonsterGroup& g = m_aGroups[group];
    g.SetWorkState(value, len, now);
    const u16 target = g.GetTarget();
    if (g.GetState() == 1 && target < kAerieBuildingSlots) {
        const AerieBuildingSlot& slot = m_aBuildings[target];
        g.m_strTargetName = slot.m_pConfig != nullptr ? slot.m_pConfig->m_strName : std::string();
        g.m_wTargetLevel = slot.m_wLevel;
    } else if (g.GetState() == 2) {
        const auto it = m_mapTech.find(target);
        const bool known = it != m_mapTech.end() && it->second.m_pConfig != nullptr;
        g.m_strTargetName = known ? it->second.m_pConfig->m_strName : std::string();
        g.m_wTargetLevel = it != m_mapTech.end() ? it->second.m_wLevel : 0;
    }
}

void CAerieCityData::RecomputeGroups()
{
    for (CAerieMonsterGroup& g : m_aGroups) {
        g.Recompute(m_mapMonsters, m_mapGroupSkills);
    }
}

void CAerieCityData::RefreshGroupTexts()
{
    for (CAerieMonsterGroup& g : m_aGroups) {
        std::string_view owner;
        const char* defence = nullptr;
        if (g.IsFighting()) {
            if (const AerieFightMission* m = FindFightMission(m_FightMissions, g.GetTarget())) {
                owner = m->GetFighterName();
            }
            if (g.GetTarget() == kDefenceMissionIndex) {
                if (const CXmlFight* fight = CXmlAerieMgr::GetSingleton()->FindFight(static_cast<i32>(g.GetFightId()))) {
                    defence = fight->m_strName.c_str();
                }
            }
        }
        g.m_strTargetOwnerName.assign(owner);
        g.m_strDefenceName.assign(defence != nullptr ? defence : "");
    }
}
