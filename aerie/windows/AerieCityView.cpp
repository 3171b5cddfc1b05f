#include "aerie/windows/AerieCityView.h"

#include <utility>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/core/ByteOrder.h"

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
// Group skills that shorten building projects and technology research.
constexpr int kBuildSkill = 8;
constexpr int kTechSkill = 9;

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

const CXmlLvlupConfig* FindLvlupConfig(u16 kind, u16 id)
{
    CXmlAerieMgr* data = CXmlAerieMgr::GetSingleton();
    if (kind == 0) {
        return data->FindBuilding(id);
    }
    return data->FindScience(id);
}

const CLab* FindLab(int id)
{
    return CXmlAerieMgr::GetSingleton()->FindLab(id);
}

u16 GetTechLevel(u16 id)
{
    return Shown().GetTechLevel(id);
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

bool GetGroupView(int g, GroupView* out)
{
    if (g < 0 || g >= 3) {
        return false;
    }
    const CAerieMonsterGroup& group = Shown().m_aGroups[g];
    out->m_wState = group.GetState();
    out->m_wTarget = group.GetTarget();
    out->m_dwEngineering = group.m_adwBase[1];
    out->m_dwMonsters = group.m_dwMonsterCount;
    out->m_fCreavity = Store().GetGroupCreavityPercent(g);
    out->m_fBuildSkill = group.m_afSkillEffect[kBuildSkill];
    out->m_fTechSkill = group.m_afSkillEffect[kTechSkill];
    out->m_wIcon = group.m_wIcon;
    out->m_dwStamp = group.m_dwStateStamp;
    out->m_dwSeconds = group.GetJobSeconds();
    out->m_pszName = group.m_strGroupName.c_str();
    out->m_pszTarget = group.m_strTargetName.c_str();
    return true;
}

void GetOwnerStock(bool own, OwnerStock* out)
{
    const CAerieCityData& city = own ? Store().GetOwnCity() : Shown();
    out->m_dwCoins = city.GetCoins();
    out->m_adwResource[0] = city.GetGrass();
    out->m_adwResource[1] = city.GetStone();
    out->m_adwResource[2] = city.GetWood();
    out->m_adwResource[3] = city.GetMetal();
    out->m_dwPurchasesToday = city.GetPurchasesToday();
    out->m_dwGardenWealth = city.GetGardenWealth();
    out->m_dwRestaurantFunds = city.GetRestaurantFunds();
    out->m_dwExperience = city.GetExperience();
}

void GetLooks(u16* a, u16* b, u8* c)
{
    const CAerieCityData& city = Shown();
    *a = city.GetLooks1();
    *b = city.GetLooks2();
    *c = city.GetLooks3();
}

const std::vector<AerieRankEntry>* FindRankList(int list)
{
    return Store().FindRankList(list);
}

u16 GetRankPosition(int list, int period)
{
    if (list < 0 || list >= static_cast<int>(aerie_layout::kRankListCount)) {
        return 0;
    }
    const CAerieDataMgr& store = Store();
    switch (period) {
    case 0:
        return store.m_awRankToday[list];
    case 1:
        return store.m_awRankWeek[list];
    case 2:
        return store.m_awRankLastWeek[list];
    default:
        return 0;
    }
}

u32 GetRankValue(const AerieRankEntry& entry)
{
    return ReadLE32(entry.m_Data + aerie_layout::kRankValue);
}

const std::vector<std::string>& GetRecordTexts()
{
    return Store().m_vTexts;
}

CORVHelpText* GetHelpPage(int page)
{
    return page == 0 || page == 1 ? &Store().m_aHelpPages[page] : nullptr;
}

void SendVisitCity(std::string_view ownerName)
{
    CAerieRequest::GetSingleton().VisitCity(std::string(ownerName));
}

void SendVisitOwnCity()
{
    CAerieRequest::GetSingleton().VisitOwnCity();
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

u16 GetWholeScienceEffect(int id)
{
    return Store().GetScienceEffect(id);
}

float GetGroupCreavityPercent(int g)
{
    return Store().GetGroupCreavityPercent(g);
}

const AerieMonsterEntry& GetNewMonster()
{
    return Store().m_NewMonster;
}

u32 GetOwnRefreshPoints()
{
    return Store().GetOwnCity().m_dwRefreshPoints;
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

void SendBuyResource(u32 coins, u16 kind)
{
    CAerieRequest::GetSingleton().BuyResource(coins, kind);
}

void SendExchange(const std::string& body)
{
    CAerieRequest::GetSingleton().ExchangeResources(body);
}

void SendSpeedUp(int option, u16 group)
{
    CAerieRequest::GetSingleton().SpeedUp(option, group);
}

}  // namespace AerieView
