// Byte layouts of the records the Aerie server sends, in one place. Every record is kept as the
// server's bytes and read through these offsets (little-endian, unaligned).
//
// Fields marked "chosen" are read by the game windows but have no place fixed by the server's
// documented layout; they sit in bytes that no documented field uses, so that no documented
// offset moves:
//  - group work state (27 bytes, item kind 11): difficulty at 10, award byte at 11, fight id
//    (u16) at 12, production per hour (u32) at 14, production count (u32, 0 = no production
//    figures) at 18, the four production bonus percentages (u8 whole percent: grass, stone,
//    wood, metal) at 22-25; byte 26 is unused;
//  - owner record (67 bytes, item kind 1): the monsters' hourly grass consumption (u32) at 24,
//    the owner's worth as a hireable friend (u32) at 32, happiness (i32) at 44. The record has 12
//    unused bytes for 14 bytes of figures; the popularity (u16) and the monster refresh points
//    (u32) are the extension: bytes 67-68 and 69-72 of the kind-1 value, kept beside the record
//    (the record itself keeps exactly 67 bytes);
//  - guardian beast (11 bytes, item kind 6): the registration mask (u16, bit 1 << job per wanted
//    partner job) at 6;
//  - fight mission (53 bytes, item kind 13): the fighter's name, 16 bytes at 36;
//  - main-line missions (compressed reply 35): item kind 1 name, 2 goal, 3 description,
//    4 experience (u32), 5 reward (u32), 6 status text;
//  - derived, not on the wire: a fighting group's target-city owner name is the fighter name of
//    the city's fight mission of the group's target; its defence-mission name is the name of the
//    game data's fight of the group's fight id.
#pragma once

#include <cstddef>

namespace aerie_layout {

// Owner record, item kind 1.
inline constexpr std::size_t kOwnerRecordSize = 67;
inline constexpr std::size_t kOwnerCoins = 0;
inline constexpr std::size_t kOwnerGrass = 4;
inline constexpr std::size_t kOwnerStone = 8;
inline constexpr std::size_t kOwnerWood = 12;
inline constexpr std::size_t kOwnerMetal = 16;
inline constexpr std::size_t kOwnerPurchasesToday = 20;
inline constexpr std::size_t kOwnerGrassPerHour = 24;          // chosen
inline constexpr std::size_t kOwnerMonsterCount = 28;
inline constexpr std::size_t kOwnerWorth = 32;                 // chosen
inline constexpr std::size_t kOwnerGardenLevel = 36;
inline constexpr std::size_t kOwnerRestaurantLevel = 40;
inline constexpr std::size_t kOwnerHappiness = 44;             // chosen
inline constexpr std::size_t kOwnerGardenWealth = 48;
inline constexpr std::size_t kOwnerRestaurantFunds = 52;
inline constexpr std::size_t kOwnerExperience = 56;
inline constexpr std::size_t kOwnerAwardMultiplier = 60;
inline constexpr std::size_t kOwnerProductionMultiplier = 61;
inline constexpr std::size_t kOwnerLooks1 = 62;
inline constexpr std::size_t kOwnerLooks2 = 64;
inline constexpr std::size_t kOwnerLooks3 = 66;
inline constexpr std::size_t kOwnerPopularityInValue = 67;     // chosen extension: value bytes 67-68
inline constexpr std::size_t kOwnerRefreshPointsInValue = 69;  // chosen extension: value bytes 69-72

// Guardian beast, item kind 6.
inline constexpr std::size_t kBeastSize = 11;
inline constexpr std::size_t kBeastType = 0;
inline constexpr std::size_t kBeastSex = 2;
inline constexpr std::size_t kBeastJob = 4;
inline constexpr std::size_t kBeastRegisterMask = 6;           // chosen
inline constexpr std::size_t kBeastBreedsToday = 8;

// Monster entry, item kinds 5 and 10.
inline constexpr std::size_t kMonsterSize = 18;
inline constexpr std::size_t kMonsterSlot = 0;
inline constexpr std::size_t kMonsterId = 2;
inline constexpr std::size_t kMonsterCount = 4;
inline constexpr std::size_t kMonsterAttrA = 8;
inline constexpr std::size_t kMonsterAttrB = 10;
inline constexpr std::size_t kMonsterAttrC = 12;
inline constexpr std::size_t kMonsterTimer = 14;

// Group skill, item kind 4.
inline constexpr std::size_t kSkillSize = 6;

// Group work state, item kind 11.
inline constexpr std::size_t kWorkStateSize = 27;
inline constexpr std::size_t kWorkGroup = 0;
inline constexpr std::size_t kWorkState = 2;
inline constexpr std::size_t kWorkTarget = 4;
inline constexpr std::size_t kWorkSeconds = 6;
inline constexpr std::size_t kWorkDifficulty = 10;             // chosen
inline constexpr std::size_t kWorkAwardByte = 11;              // chosen
inline constexpr std::size_t kWorkFightId = 12;                // chosen (u16)
inline constexpr std::size_t kWorkProductionPerHour = 14;      // chosen
inline constexpr std::size_t kWorkProductionCount = 18;        // chosen
inline constexpr std::size_t kWorkBonusPercent = 22;           // chosen, u8[4]

// Fight mission, item kind 13.
inline constexpr std::size_t kFightSize = 53;
inline constexpr std::size_t kFightIndex = 0;
inline constexpr std::size_t kFightMultiplier = 1;
inline constexpr std::size_t kFightPhase = 2;
inline constexpr std::size_t kFightFlags = 3;
inline constexpr std::size_t kFightRewards = 4;                // u32[4] grass, stone, wood, metal
inline constexpr std::size_t kFightWait = 20;
inline constexpr std::size_t kFightFight = 24;
inline constexpr std::size_t kFightFriendWait = 28;
inline constexpr std::size_t kFightInvasion = 32;
inline constexpr std::size_t kFightFighterName = 36;           // chosen, 16 bytes
inline constexpr std::size_t kFightFighterNameSize = 16;
inline constexpr std::size_t kFightMultiplier2 = 52;
inline constexpr unsigned char kFightMultiplierDefault = 10;

// Incubator, item kind 9.
inline constexpr std::size_t kIncubatorSize = 91;
inline constexpr std::size_t kIncOpened = 0;
inline constexpr std::size_t kIncEggType = 1;
inline constexpr std::size_t kIncHatchSeconds = 3;
inline constexpr std::size_t kIncGuardSeconds = 8;
inline constexpr std::size_t kIncSlaveName = 13;
inline constexpr std::size_t kIncSlaveNameSize = 28;           // bytes 13-40
inline constexpr std::size_t kIncWorth = 41;
inline constexpr std::size_t kIncProtectMinutes = 47;
inline constexpr std::size_t kIncGreenChance = 49;
inline constexpr std::size_t kIncBlueChance = 51;
inline constexpr std::size_t kIncPopularity = 53;
inline constexpr std::size_t kIncHappiness = 55;
inline constexpr std::size_t kIncTreatment = 63;

// Record lists (replies 112, 117, 105).
inline constexpr std::size_t kSlaveSize = 28;
inline constexpr std::size_t kFriendSize = 18;
inline constexpr std::size_t kBeastEntrySize = 22;
inline constexpr std::size_t kListNameSize = 16;
inline constexpr std::size_t kSlaveWorth = 16;
inline constexpr std::size_t kSlaveGuardMinutes = 20;
inline constexpr std::size_t kSlavePopularity = 22;
inline constexpr std::size_t kSlaveGreenChance = 24;
inline constexpr std::size_t kSlaveBlueChance = 26;
inline constexpr std::size_t kFriendFlags = 16;
inline constexpr std::size_t kBeastEntryKey = 16;
inline constexpr std::size_t kBeastEntryJob = 18;

// Ranking entry (reply 120) and own ranking positions (item kind 12).
inline constexpr std::size_t kRankEntrySize = 20;
inline constexpr std::size_t kRankValue = 16;                  // u32 after the 16-byte name
inline constexpr std::size_t kRankListCount = 13;

}  // namespace aerie_layout
