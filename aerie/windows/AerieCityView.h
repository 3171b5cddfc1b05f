// What the city view and the game windows read of the city shown (own or visited): one place
// between the windows and the city data store. Every reader answers "nothing" (false, 0, null)
// while no city is shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/OrvTypes.h"

class CAerieMonsterGroup;
class CLab;
class CORVHelpText;
class CXmlBuilding;
class CXmlLvlupConfig;
class CXmlMonster;
class CXmlFight;
class CXmlMonGroupSkill;
struct AerieMainMission;
struct AerieBuildingSlot;
struct AerieFightMission;
struct AerieGroupSkillEntry;
struct AerieMonsterEntry;
struct AerieIncubators;
struct AerieBeastEntry;
struct AerieFriendEntry;
struct AerieSlaveEntry;
struct AerieRankEntry;

namespace AerieView {

// Number of building slots of a city (ids 0 to 17).
inline constexpr u32 kBuildingCount = 18;

// The own city is shown (not a visited one).
bool IsOwnCityShown();
// Level of building slot id of the shown city; false when the city has no such slot.
bool GetBuildingLevel(u32 id, u16* level);
// One of the shown city's three working groups upgrades building id (work kind 1 on that target).
bool IsBuildingUpgrading(u32 id);
// Levels of the shown owner's garden and restaurant (owner record).
u32 GetGardenLevel();
u32 GetRestaurantLevel();

// The game data's record of building id, or null.
const CXmlBuilding* FindBuildingConfig(u32 id);

// Facility id of kind 0 (building) or 1 (technology) of the shown city is being upgraded, or is
// at its top level.
bool IsUpgrading(u16 kind, u16 id);
bool IsMaxLevel(u16 kind, u16 id);
// The shown city's production multiplier in tenths (10 = normal).
u8 GetProductionMultiplier();

// Owner name of the shown city ("" when none).
const char* GetShownOwnerName();

// The resource bar's values of the shown city.
struct ResourceBar {
    u32 m_dwCoins = 0;
    u32 m_dwMonsters = 0;
    u32 m_dwGrass = 0;
    u32 m_dwWood = 0;
    u32 m_dwStone = 0;
    u32 m_dwMetal = 0;
};
void GetResources(ResourceBar* out);
// The shown city's building effect n (capacities and the like).
u32 GetBuildingEffect(u32 n);
// Sum of the shown city's 18 building levels plus its garden and restaurant levels.
u32 GetTotalLevel();
// Level of the main city (building 0) of the own or of the shown city.
u16 GetMainCityLevel(bool own);

// The shown city's guardian beast (type, sex); false without one.
bool GetShownBeast(i32* type, i32* sex);
// Breedings of the guardian beast today.
u16 GetBeastBreedingsToday();
// The store holds a new monster waiting to be taken.
bool HasNewMonster();

// The shown city's defence mission: its record's bytes 2 and 3 and the seconds left until the
// invasion; false when it has none.
bool GetDefenceMission(u8* byte2, u8* byte3, u32* invasionSecondsLeft);

// Incubator i (0..2) of the shown city, when it exists, is opened and holds an egg: the
// milliseconds left of hatching and of protection.
bool GetIncubatorTimers(int i, u32* hatchMsLeft, u32* protectMsLeft);
u32 CountBagEggs();
bool HasFreeIncubator();
bool AnyIncubatorFinished();

// The game data's record of the monster in slot index of the shown city, or null.
const CXmlMonster* FindShownMonsterBySlot(u16 slot);

// Work of group g (0..2) of the shown city: 1 building upgrade, 2 science upgrade, else other;
// target = the building or science id. False without such a group.
bool GetGroupWork(int g, u16* kind, u16* target);
// Whether group g (0..2) of the shown city does that work on that target.
bool GroupWorksOn(int g, u16 kind, u32 target);

// ---- Records of the shown city, read-only, for the information controls and icons ----

// Building slot id of the shown city, or null for an id of no slot.
const AerieBuildingSlot* GetBuildingSlot(u32 id);
// Group g of the shown city (0 to kAerieGroupCount - 1); an empty group for any other g.
const CAerieMonsterGroup& GetGroup(int g);
// The shown city's monster entry in slot (an empty one when absent).
const AerieMonsterEntry& GetShownMonster(u16 slot);
// The shown city's fight-mission record of mission index, or null.
const AerieFightMission* FindFightMission(u32 index);
// Grass the shown city's monsters eat per hour.
u32 GetGrassPerHour();
// The effect of research id in the shown city, as a float (a percent bonus).
float GetScienceEffect(int id);
// ---- Guardian beast, eggs, incubators and the player's lists ----

// Worth, happiness and popularity of the own city's owner (own) or of the shown one.
struct OwnerFigures {
    u32 m_dwWorth = 0;
    i32 m_nHappiness = 0;
    u16 m_wPopularity = 0;
};
OwnerFigures GetOwnerFigures(bool own);
// The own city's guardian beast: its key, table selector (non-zero: the second table), job and
// registration mask (bit 1 << job per partner job wanted).
struct OwnBeast {
    u16 m_wKey = 0;
    u16 m_wTable = 0;
    u16 m_wJob = 0;
    u16 m_wRegisterMask = 0;
};
OwnBeast GetOwnBeast();
// Level of building slot id (0..17) and of technology id of the own city; 0 for none.
u16 GetOwnBuildingLevel(u32 id);
u16 GetOwnTechLevel(u16 id);
// The egg type in bag slot (0 for an empty slot or one outside the bag).
u16 GetBagEgg(int slot);
// The shown city's incubators (the incubator readers of AerieIncubator.h take them).
AerieIncubators& ShownIncubators();
// The player's lists as the last replies left them.
const std::vector<AerieBeastEntry>& BeastList();
const std::vector<AerieFriendEntry>& FriendList();
std::vector<AerieSlaveEntry>& SlaveList();
// A breed page opens on an empty search list.
void ClearBeastList();


// ---- What the city windows read (level-up, technologies, speed-up, resources, rankings,
// records, help) ----

// Upgrade data of building id (kind 0) or science id (any other kind), or null.
const CXmlLvlupConfig* FindLvlupConfig(u16 kind, u16 id);
// Lab id (0 garden, 1 restaurant, 2 castle, 3 character) of the game data, or null.
const CLab* FindLab(int id);
// Level of technology id in the shown city; 0 when the city does not hold it (nothing is added).
u16 GetTechLevel(u16 id);

// One of the shown city's working groups (0..2) as the upgrade windows read it.
struct GroupView {
    u16 m_wState = 0;              // 0 none, 1 building, 2 technology, 3-5 fighting
    u16 m_wTarget = 0;             // the building or technology id it works on
    u32 m_dwEngineering = 0;       // the engineering sum of its monsters
    u32 m_dwMonsters = 0;
    float m_fCreavity = 0;         // its creativity percent
    float m_fBuildSkill = 0;       // skill effects shortening building and technology projects
    float m_fTechSkill = 0;
    u16 m_wIcon = 0;
    u32 m_dwStamp = 0;             // tick when its work state arrived
    u32 m_dwSeconds = 0;           // the work's duration then
    const char* m_pszName = "";    // group name
    const char* m_pszTarget = "";  // name of what it works on
};
// False (out untouched) for a group outside 0..2.
bool GetGroupView(int g, GroupView* out);

// Owner record values of the own city (own) or of the shown one.
struct OwnerStock {
    u32 m_dwCoins = 0;
    u32 m_adwResource[4] = {};     // grass, stone, wood, metal
    u32 m_dwPurchasesToday = 0;    // coins spent on resources today
    u32 m_dwGardenWealth = 0;
    u32 m_dwRestaurantFunds = 0;
    u32 m_dwExperience = 0;
};
void GetOwnerStock(bool own, OwnerStock* out);
// The shown owner's three appearance values.
void GetLooks(u16* a, u16* b, u8* c);

// Ranking list number list (0..12): null before any ranking message or out of range.
const std::vector<AerieRankEntry>* FindRankList(int list);
// The shown owner's position in list today (0), this week (1) or last week (2); 0 outside.
u16 GetRankPosition(int list, int period);
// Value of a ranking entry.
u32 GetRankValue(const AerieRankEntry& entry);

// The record texts of the own city.
const std::vector<std::string>& GetRecordTexts();
// One of the two help pages the store keeps for the help window (0 index, 1 content); null
// outside.
CORVHelpText* GetHelpPage(int page);

// ---- Requests the game windows send ----
void SendVisitCity(std::string_view ownerName);
// Enters the own city; nothing goes out when the host gives no player name.
void SendVisitOwnCity();
// Leaves the game (sub 6).
void SendLeave();
// Repeats an upgrade request (sub 1 building, 3 science) for target by group.
void SendUpgrade(u16 sub, u16 target, u16 group);
// Buys amount coins' worth of resource kind (0 grass, 1 stone, 2 wood, 3 metal).
void SendBuyResource(u32 coins, u16 kind);
// Exchanges resources: the 32-byte body of offered and asked amounts.
void SendExchange(const std::string& body);
// Speeds the work of group up by option (0..3).
void SendSpeedUp(int option, u16 group);

// ---- Monsters and group skills ----
// The monster stack in slot of the own city (own) or of the shown one; an empty entry (monster
// id 0) when the city has none there or the slot lies beyond 65535.
const AerieMonsterEntry& GetMonster(bool own, u32 slot);
// The group-skill slot key (group x 11 + slot) of the own or the shown city; an empty entry
// (skill id 0) when absent. Never inserts.
const AerieGroupSkillEntry& GetGroupSkill(bool own, u32 key);
// Group g of the own city (0 to kAerieGroupCount - 1); an empty group for any other g.
const CAerieMonsterGroup& GetOwnGroup(int g);
// The effect of research id in the shown city as a whole number (0..65535): the open cells of
// the group window.
u16 GetWholeScienceEffect(int id);
// How far group g's engineering shortens the shown city's work, in percent (at most 100).
float GetGroupCreavityPercent(int g);
// The monster waiting to be taken into a group (monster id 0 when none).
const AerieMonsterEntry& GetNewMonster();
// The own city's monster refresh points.
u32 GetOwnRefreshPoints();

// ---- Missions and fights ----
// The fight-mission record of mission index of the own (own) or the shown city, or null.
const AerieFightMission* FindFightMissionOf(bool own, u32 index);
// Header value i (0..3) of the own or the shown city's fight-mission table; 0 for another i.
u32 GetFightHeader(bool own, int i);
// The shown city's mission-award multiplier of the server, in tenths.
u8 GetServerAwardMultiplier();
// The own city's stocks (the resource bar's values of the own city).
void GetOwnResources(ResourceBar* out);
// The game data's fight of that mission index, or null; the fights of group 1 (plunder) or 2
// (defence) in key order.
const CXmlFight* FindFightConfig(u32 type);
void GetFightsOfGroup(int group, std::vector<CXmlFight>& out);
// The game data's group skill id, or null.
const CXmlMonGroupSkill* FindGroupSkillConfig(u32 id);
// Main-line missions of the store (index-th, null past the end) and the game data's count.
const AerieMainMission* GetMainMission(int index);
int GetMainMissionCount();
int GetMainMissionConfigCount();

}  // namespace AerieView
