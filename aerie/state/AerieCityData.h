// One city as the server reports it: owner, guardian beast, incubators, the owner record with
// coins and resources, technologies, monsters, group skills, buildings, the four monster groups
// and the fight missions. Windows read it every frame; only the reply dispatcher writes it.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "aerie/state/AerieIncubator.h"
#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/AerieRecordLayout.h"

class CXmlBuilding;
class CXmlScience;
class CXmlBeast;

inline constexpr int kAerieBuildingSlots = 18;

struct AerieBuildingSlot {
    u16 m_wId = 0;
    u16 m_wLevel = 0;
    const CXmlBuilding* m_pConfig = nullptr;
};

struct AerieTechEntry {
    u16 m_wId = 0;
    u16 m_wLevel = 0;
    const CXmlScience* m_pConfig = nullptr;
};

class CAerieCityData {
public:
    CAerieCityData();

    std::string m_strOwnerName;
    unsigned char m_Beast[aerie_layout::kBeastSize] = {};
    char m_szText[62] = {};
    AerieIncubators m_Incubators;
    unsigned char m_OwnerRecord[aerie_layout::kOwnerRecordSize] = {};
    u16 m_wPopularity = 0;                    // bytes 67-68 of the owner value (AerieRecordLayout.h)
    u32 m_dwRefreshPoints = 0;                // bytes 69-72 of the owner value: monster refresh points
    std::map<u16, AerieTechEntry> m_mapTech;
    AerieMonsterMap m_mapMonsters;
    AerieGroupSkillMap m_mapGroupSkills;
    AerieBuildingSlot m_aBuildings[kAerieBuildingSlots];
    CAerieMonsterGroup m_aGroups[kAerieGroupCount];
    AerieFightMissionTable m_FightMissions;

    // Owner record.
    u32 GetCoins() const;
    u32 GetGrass() const;
    u32 GetStone() const;
    u32 GetWood() const;
    u32 GetMetal() const;
    u32 GetPurchasesToday() const;
    u32 GetGrassPerHour() const;
    u32 GetMonsterCount() const;
    u32 GetWorth() const;
    u32 GetGardenLevel() const;
    u32 GetRestaurantLevel() const;
    i32 GetHappiness() const;
    u32 GetGardenWealth() const;
    u32 GetRestaurantFunds() const;
    u32 GetExperience() const;
    u8 GetAwardMultiplier() const;            // tenths
    u8 GetProductionMultiplier() const;       // tenths
    u16 GetLooks1() const;
    u16 GetLooks2() const;
    u8 GetLooks3() const;
    u16 GetPopularity() const { return m_wPopularity; }

    // Guardian beast.
    u16 GetBeastType() const;
    u16 GetBeastSex() const;                  // non-zero: the second beast table
    u16 GetBeastJob() const;
    u16 GetBeastRegisterMask() const;
    u16 GetBeastBreedsToday() const;
    const CXmlBeast* GetBeastConfig() const;

    // Reads that never insert: an absent key reads as an empty entry.
    const AerieMonsterEntry& GetMonster(u16 slot) const;
    const AerieGroupSkillEntry& GetGroupSkill(u16 key) const;
    u16 GetTechLevel(u16 id) const;           // 0 when absent

    // Item kind 1: the record is zeroed, then filled from the value.
    void SetOwnerRecord(const unsigned char* value, std::size_t len);
    // Item kind 11 (length >= 3, group index < 3): the work state, with the target's name and
    // level taken from this city.
    void SetWorkState(const unsigned char* value, std::size_t len, u32 now);
    // The four groups' production figures and the texts derived from the fight missions.
    void RecomputeGroups();
    void RefreshGroupTexts();
};
