// Where the Garden game reads its fields: every offset and size of the server's records, in one
// place. All numbers are little-endian and read byte by byte (framework/core/ByteOrder.h).
//
// Fields the server protocol gives no place are laid out here, clear of every given offset; the
// fake server, the sample data and the windows use these same names.
#pragma once

#include <cstddef>

namespace garden_layout {

// ---- Packet header ----
inline constexpr std::size_t kHeader = 12;
inline constexpr std::size_t kUserId = 0;      // u32
inline constexpr std::size_t kMsgId = 4;       // u16
inline constexpr std::size_t kSub = 6;         // u16: request sub, reply code
inline constexpr std::size_t kParam1 = 8;      // u16
inline constexpr std::size_t kParam2 = 10;     // u16

// ---- Item lists: {u16 kind, u16 length, length bytes}; counted kinds: {u16 kind, u16 count,
// u16 record size, count records} ----
inline constexpr std::size_t kItemHeader = 4;
inline constexpr std::size_t kCountedSize = 2;
// Kinds 5 (plots) and 8 (plants) are counted lists wherever they stand, in reply 525 as in 501
// (chosen): the own-info walk of 525 reads neither, and passes each whole, header, record size and
// records. Passing the 4-byte header alone would walk on into the record size and the records and
// read their bytes as items, so that a record could pose as a kind-7 item and overwrite the own
// garden's figures, and the real items behind the list would be lost.

// ---- Garden info (74 bytes) ----
inline constexpr std::size_t kGardenInfoSize = 74;
inline constexpr std::size_t kInfoLovePoints = 0;        // u32 (chosen)
inline constexpr std::size_t kInfoWealth = 4;            // u32
inline constexpr std::size_t kInfoTotalWealth = 8;       // u32 (chosen)
inline constexpr std::size_t kInfoLevelUpBits = 12;      // u16 (chosen)
inline constexpr std::size_t kInfoLevel = 14;            // u16
inline constexpr std::size_t kInfoUpgradeTime = 16;      // u32 seconds a plot upgrade still runs (chosen)
inline constexpr std::size_t kInfoVisitors = 20;         // 4 x u16 visitor figures (chosen)
inline constexpr std::size_t kInfoDoubleStamina = 28;    // u32 double-stamina seconds (chosen)
inline constexpr std::size_t kInfoPickLevel = 32;        // u16 pick-skill level (chosen)
inline constexpr std::size_t kInfoGenePoints = 34;       // u32
inline constexpr std::size_t kInfoPickExp = 38;          // u32 pick experience (chosen)
inline constexpr std::size_t kInfoResearchCost = 42;     // u32
inline constexpr std::size_t kInfoStamina = 46;          // u16 (chosen)
inline constexpr std::size_t kInfoTutorialDone = 48;     // u8 (chosen)
inline constexpr std::size_t kInfoBackground = 50;       // u16 background id (chosen)
inline constexpr std::size_t kInfoResearchesToday = 52;  // u16 (chosen)
inline constexpr std::size_t kInfoGeneFragments = 70;    // u32

// ---- Plot (17 bytes) ----
inline constexpr std::size_t kPlotSize = 17;
inline constexpr std::size_t kPlotNumber = 0;       // u8, 1 to 15 (11 to 15 love plots)
inline constexpr std::size_t kPlotSoilLevel = 1;    // u8, 0-based
inline constexpr std::size_t kPlotWater = 2;        // u8, 3 = full
inline constexpr std::size_t kPlotFlags = 3;        // u8: bits 0-1 land state, 0x04 pests, 0x08 weeds, 0x10, 0x20 upgrading
inline constexpr std::size_t kPlotSoilState = 4;    // u8: the soil frame's state
inline constexpr std::size_t kPlotSoilExp = 5;      // u32
inline constexpr std::size_t kPlotExpNeeded = 9;    // u32
inline constexpr std::size_t kPlotPlantedA = 13;    // u16 planting time (chosen): the pair that must be
inline constexpr std::size_t kPlotPlantedB = 15;    // u16 planting time (chosen)  equal and non-zero to upgrade
// The upgrade time of a plot is the garden info's kInfoUpgradeTime (no room in the plot record).
inline constexpr unsigned kPlotFlagPests = 0x04;
inline constexpr unsigned kPlotFlagWeeds = 0x08;
inline constexpr unsigned kPlotLandStateMask = 0x03;

// ---- Plant (86 bytes) ----
inline constexpr std::size_t kPlantSize = 86;
inline constexpr std::size_t kPlantId = 0;          // u16
inline constexpr std::size_t kPlantPlot = 2;        // u8, the key
inline constexpr std::size_t kPlantSeconds = 3;     // u32 seconds grown
inline constexpr std::size_t kPlantYield = 7;       // u8 yield of a ripe plant
inline constexpr std::size_t kPlantLeft = 9;        // u16 fruits left on a ripe plant
inline constexpr std::size_t kPlantSower = 11;      // char[36] sower guid name (chosen)
inline constexpr std::size_t kPlantFlags = 83;      // u8: bit 0 picked
inline constexpr unsigned kPlantFlagPicked = 0x01;
inline constexpr std::size_t kNameSize = 36;

// ---- Friend (73 bytes) ----
inline constexpr std::size_t kFriendSize = 73;
inline constexpr std::size_t kFriendGuid = 0;       // char[36] (chosen)
inline constexpr std::size_t kFriendDisplay = 36;   // char[36] (chosen)
inline constexpr std::size_t kFriendFlags = 72;     // u8 (chosen)

// ---- Ranking rows and records (reply 516) ----
inline constexpr std::size_t kRankRow129 = 129;     // u8 rank, guid[36] at 1, display[36] at 37, u32 at 73, u16 at 77, 50 bytes at 79 (chosen)
inline constexpr std::size_t kRankRow131 = 131;     // u8 rank, guid[36] at 1, display[36] at 37, u32 at 73, u32 at 77, 50 bytes at 81 (chosen)
inline constexpr std::size_t kRankRowGuid = 1;
inline constexpr std::size_t kRankRowDisplay = 37;
inline constexpr std::size_t kRankRowValue = 73;
inline constexpr std::size_t kRankRecord = 160;
inline constexpr std::size_t kRankRecordWord = 0;   // u32
inline constexpr std::size_t kRankRecordName = 4;   // char[36] the name it is kept under (chosen)
inline constexpr std::size_t kRankRecordByte = 144; // u8: 0 takes byte 1 of the word at 0
// A plant-level ranking row is one 160-byte record, listed under the plant name it is kept under
// (chosen): that name at 4 is the row's plant name, the place is the byte at 144.
inline constexpr std::size_t kRankRecordGuid = 40;      // char[36]
inline constexpr std::size_t kRankRecordDisplay = 76;   // char[36]
inline constexpr std::size_t kRankRecordReward = 112;   // char[32]
inline constexpr std::size_t kRankRecordRewardSize = 32;
inline constexpr std::size_t kRankRecordLevel = 145;    // u16 plant level
inline constexpr std::size_t kRankRowWealth = 73;       // 129-byte rows: i32 wealth, u16 garden level at 77
inline constexpr std::size_t kRankRowLevel = 77;
inline constexpr std::size_t kRankRowValueB = 77;       // 131-byte rows: u32 value B
inline constexpr std::size_t kRankRow129Reward = 79;
inline constexpr std::size_t kRankRow131Reward = 81;
inline constexpr std::size_t kRankRowRewardSize = 50;

// ---- Ten-byte records ----
inline constexpr std::size_t kRecord10 = 10;
inline constexpr std::size_t kWareId = 0;           // u16
inline constexpr std::size_t kWareCount = 2;        // u32
inline constexpr std::size_t kWareValue = 6;        // u32
inline constexpr std::size_t kOwnedBgId = 0;        // reply 513: u16 background id (chosen)
inline constexpr std::size_t kOwnedBgSeconds = 2;   // reply 513: i64 seconds left (chosen)

// ---- Plant level-up (526, 20 bytes) and its result (527, 9 bytes) ----
inline constexpr std::size_t kLevelUpSize = 20;
inline constexpr std::size_t kLevelUpOption = 0;     // u16: also the result kind
inline constexpr std::size_t kLevelUpFragments = 2;  // u32, the first fragments field
inline constexpr std::size_t kLevelUpPlantId = 6;    // u16
inline constexpr std::size_t kLevelUpCount = 8;      // u16
inline constexpr std::size_t kLevelUpPlants = 6;     // up to 7 u16 plant ids from here
inline constexpr std::size_t kLevelResultSize = 9;
inline constexpr std::size_t kLevelResultPlant = 0;  // u16
inline constexpr std::size_t kLevelResultCode = 2;   // u8: 0 failed, 1 raised, 2 lowered
inline constexpr std::size_t kLevelResultLevel = 3;  // u16
inline constexpr std::size_t kLevelResultFragments2 = 5;   // u32, the second fragments field (chosen)

// ---- Tool card (52 bytes) ----
inline constexpr std::size_t kCardSize = 52;
inline constexpr std::size_t kCardId = 0;           // u32
inline constexpr std::size_t kCardName = 8;         // char[38]
inline constexpr std::size_t kCardNameSize = 38;
inline constexpr std::size_t kCardCount = 46;       // u16
inline constexpr std::size_t kCardItem = 48;        // u16
inline constexpr std::size_t kCardType = 50;        // u16
inline constexpr unsigned kStealCardType = 1562;

// ---- Player record (88 bytes, message 52) ----
inline constexpr std::size_t kPlayerName = 8;
inline constexpr std::size_t kPlayerNameEnd = 84;

// ---- Weather (521: exactly 52 bytes) ----
inline constexpr std::size_t kWeatherPacket = 52;
inline constexpr std::size_t kWeatherTime = 12;     // i64 (low u32, high u32)
inline constexpr std::size_t kWeatherRecords = 20;  // 4 x {u16 kind, u16 light, u16 humidity, i16 temperature}

// ---- Other limits ----
inline constexpr std::size_t kNewsMax = 1023;
inline constexpr std::size_t kToolListMax = 40960;   // tool-card lists and notice lines: longer packets are ignored

}  // namespace garden_layout
