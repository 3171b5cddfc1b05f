#include "aerie/windows/AerieCityView.h"

#include <utility>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"

namespace AerieView {

namespace {

CAerieDataMgr& Store()
{
    return CAerieDataMgr::GetSingleton();
}

CAerieCityData& Shown()
{
    return Store().GetShownCity();
}

// Group g of city; an empty group for a g of no group.
const CAerieMonsterGroup& GroupOf(const CAerieCityData& city, int g)
{
    static const CAerieMonsterGroup kNoGroup;
    return g >= 0 && g < kAerieGroupCount ? city.m_aGroups[g] : kNoGroup;
}

// The upgrade work of group g of the shown city: state 1 building, 2 technology.
constexpr u16 kWorkBuilding = 1;

}  // namespace

bool IsOwnCityShown()
{
    return Store().IsShowingOwnCity();
}

bool GetBuildingLevel(u32 id, u16* level)
{
    *level = 0;
    if (id >= kBuildingCount) {
        return false;
    }
    *level = Shown().m_aBuildings[id].m_wLevel;
    return true;
}

bool IsBuildingUpgrading(u32 id)
{
    for (int g = 0; g < 3; ++g) {
        if (GroupWorksOn(g, kWorkBuilding, id)) {
            return true;
        }
    }
    return false;
}

u32 GetGardenLevel()
{
    return Shown().GetGardenLevel();
}

u32 GetRestaurantLevel()
{
    return Shown().GetRestaurantLevel();
}

const CXmlBuilding* FindBuildingConfig(u32 id)
{
    return CXmlAerieMgr::GetSingleton()->FindBuilding(static_cast<i32>(id));
}

bool IsUpgrading(u16 kind, u16 id)
{
    return Store().IsUpgrading(kind, id);
}

bool IsMaxLevel(u16 kind, u16 id)
{
    return Store().IsMaxLevel(kind, id);
}

u8 GetProductionMultiplier()
{
    return Shown().GetProductionMultiplier();
}

const char* GetShownOwnerName()
{
    return Shown().m_strOwnerName.c_str();
}

namespace {

void ResourcesOf(const CAerieCityData& city, ResourceBar* out)
{
    *out = ResourceBar();
    out->m_dwCoins = city.GetCoins();
    out->m_dwMonsters = city.GetMonsterCount();
    out->m_dwGrass = city.GetGrass();
    out->m_dwWood = city.GetWood();
    out->m_dwStone = city.GetStone();
    out->m_dwMetal = city.GetMetal();
}

}  // namespace

void GetResources(ResourceBar* out)
{
    ResourcesOf(Shown(), out);
}

u32 GetBuildingEffect(u32 n)
{
    return Store().GetBuildingEffect(static_cast<int>(n));
}

u32 GetTotalLevel()
{
    const CAerieCityData& city = Shown();
    u32 total = 0;
    for (const AerieBuildingSlot& slot : city.m_aBuildings) {
        total = SatAdd(total, slot.m_wLevel);
    }
    return SatAdd(SatAdd(total, city.GetGardenLevel()), city.GetRestaurantLevel());
}

u16 GetMainCityLevel(bool own)
{
    return (own ? Store().GetOwnCity() : Shown()).m_aBuildings[0].m_wLevel;
}

bool GetShownBeast(i32* type, i32* sex)
{
    const CAerieCityData& city = Shown();
    *type = city.GetBeastType();
    *sex = city.GetBeastSex();
    return true;
}

u16 GetBeastBreedingsToday()
{
    return Shown().GetBeastBreedsToday();
}

bool HasNewMonster()
{
    return Store().m_NewMonster.GetMonsterId() != 0;
}

bool GetDefenceMission(u8* byte2, u8* byte3, u32* invasionSecondsLeft)
{
    const AerieFightMission* mission = FindFightMission(Shown().m_FightMissions, kDefenceMissionIndex);
    if (mission == nullptr) {
        return false;
    }
    *byte2 = mission->GetPhase();
    *byte3 = mission->GetFlags();
    *invasionSecondsLeft = GetInvasionTimeLeft(*mission);
    return true;
}

bool GetIncubatorTimers(int i, u32* hatchMsLeft, u32* protectMsLeft)
{
    AerieIncubators& incubators = Shown().m_Incubators;
    const AerieIncubator* incubator = incubators.At(i);
    if (incubator == nullptr || !incubator->IsOpened() || !IncubatorHasEgg(incubators, i)) {
        return false;
    }
    const AerieIncubatorTimer* timer = ::GetIncubatorTimers(incubators, i);
    if (timer == nullptr) {
        return false;
    }
    *hatchMsLeft = timer->m_dwHatchMs;
    *protectMsLeft = timer->m_dwGuardMs;
    return true;
}

u32 CountBagEggs()
{
    return static_cast<u32>(::CountBagEggs(Store().m_awEggBag));
}

bool HasFreeIncubator()
{
    return ::HasFreeIncubator(Shown().m_Incubators);
}

bool AnyIncubatorFinished()
{
    return ::AnyIncubatorFinished(Shown().m_Incubators);
}

const CXmlMonster* FindShownMonsterBySlot(u16 slot)
{
    return Shown().GetMonster(slot).m_pConfig;
}

bool GetGroupWork(int g, u16* kind, u16* target)
{
    if (g < 0 || g >= 3) {
        return false;
    }
    const CAerieMonsterGroup& group = Shown().m_aGroups[g];
    *kind = group.GetState();
    *target = group.GetTarget();
    return true;
}

bool GroupWorksOn(int g, u16 kind, u32 target)
{
    u16 work = 0;
    u16 on = 0;
    return GetGroupWork(g, &work, &on) && work == kind && on == target;
}

const AerieBuildingSlot* GetBuildingSlot(u32 id)
{
    return id < kBuildingCount ? &Shown().m_aBuildings[id] : nullptr;
}

const CAerieMonsterGroup& GetGroup(int g)
{
    return GroupOf(Shown(), g);
}

const AerieMonsterEntry& GetShownMonster(u16 slot)
{
    return GetMonster(false, slot);
}

const AerieFightMission* FindFightMission(u32 index)
{
    return ::FindFightMission(std::as_const(Shown()).m_FightMissions, index);
}

u32 GetGrassPerHour()
{
    return Shown().GetGrassPerHour();
}

float GetScienceEffect(int id)
{
    return Store().GetScienceEffectFloat(id);
}

OwnerFigures GetOwnerFigures(bool own)
{
    const CAerieCityData& city = own ? Store().GetOwnCity() : Shown();
    OwnerFigures out;
    out.m_dwWorth = city.GetWorth();
    out.m_nHappiness = city.GetHappiness();
    out.m_wPopularity = city.GetPopularity();
    return out;
}

OwnBeast GetOwnBeast()
{
    const CAerieCityData& city = Store().GetOwnCity();
    OwnBeast out;
    out.m_wKey = city.GetBeastType();
    out.m_wTable = city.GetBeastSex();
    out.m_wJob = city.GetBeastJob();
    out.m_wRegisterMask = city.GetBeastRegisterMask();
    return out;
}

u16 GetOwnBuildingLevel(u32 id)
{
    return id < kBuildingCount ? Store().GetOwnCity().m_aBuildings[id].m_wLevel : 0;
}

u16 GetOwnTechLevel(u16 id)
{
    return Store().GetOwnCity().GetTechLevel(id);
}

u16 GetBagEgg(int slot)
{
    return slot >= 0 && slot < kAerieEggBagSlots ? Store().m_awEggBag[slot] : 0;
}

AerieIncubators& ShownIncubators()
{
    return Shown().m_Incubators;
}

const std::vector<AerieBeastEntry>& BeastList()
{
    return Store().m_vBeasts;
}

const std::vector<AerieFriendEntry>& FriendList()
{
    return Store().m_vFriends;
}

std::vector<AerieSlaveEntry>& SlaveList()
{
    return Store().m_vSlaves;
}

void ClearBeastList()
{
    Store().m_vBeasts.clear();
}

void SendVisitCity(std::string_view ownerName)
{
    CAerieRequest::GetSingleton().VisitCity(std::string(ownerName));
}

void SendLeave()
{
    CAerieRequest::GetSingleton().LeaveGame();
}

void SendUpgrade(u16 sub, u16 target, u16 group)
{
    if (sub == 0x01) {
        CAerieRequest::GetSingleton().UpgradeBuilding(target, group);
    } else {
        CAerieRequest::GetSingleton().UpgradeScience(target, group);
    }
}

const AerieMonsterEntry& GetMonster(bool own, u32 slot)
{
    static const AerieMonsterEntry kEmpty;
    if (slot > 0xFFFF) {
        return kEmpty;
    }
    return (own ? Store().GetOwnCity() : Shown()).GetMonster(static_cast<u16>(slot));
}

const AerieGroupSkillEntry& GetGroupSkill(bool own, u32 key)
{
    static const AerieGroupSkillEntry kEmpty;
    if (key > 0xFFFF) {
        return kEmpty;
    }
    return (own ? Store().GetOwnCity() : Shown()).GetGroupSkill(static_cast<u16>(key));
}

const CAerieMonsterGroup& GetOwnGroup(int g)
{
    return GroupOf(Store().GetOwnCity(), g);
}

// ---- Missions and fights ----

const AerieFightMission* FindFightMissionOf(bool own, u32 index)
{
    const CAerieCityData& city = own ? Store().GetOwnCity() : Shown();
    return ::FindFightMission(city.m_FightMissions, index);
}

u32 GetFightHeader(bool own, int i)
{
    const CAerieCityData& city = own ? Store().GetOwnCity() : Shown();
    return i >= 0 && i < 4 ? city.m_FightMissions.m_adwHeader[i] : 0;
}

u8 GetServerAwardMultiplier()
{
    return Shown().GetAwardMultiplier();
}

void GetOwnResources(ResourceBar* out)
{
    ResourcesOf(Store().GetOwnCity(), out);
}

const CXmlFight* FindFightConfig(u32 type)
{
    return type <= 0x7FFFFFFF ? CXmlAerieMgr::GetSingleton()->FindFight(static_cast<i32>(type)) : nullptr;
}

void GetFightsOfGroup(int group, std::vector<CXmlFight>& out)
{
    out.clear();
    CXmlAerieMgr::GetSingleton()->GetFightsOfGroup(group, out);
}

const CXmlMonGroupSkill* FindGroupSkillConfig(u32 id)
{
    return id <= 0x7FFFFFFF ? CXmlAerieMgr::GetSingleton()->FindMonGroupSkill(static_cast<i32>(id)) : nullptr;
}

const AerieMainMission* GetMainMission(int index)
{
    return Store().GetMainMission(index);
}

int GetMainMissionCount()
{
    return Store().GetMainMissionCount();
}

int GetMainMissionConfigCount()
{
    return CXmlAerieMgr::GetSingleton()->GetMissionMainCount();
}

}  // namespace AerieView
