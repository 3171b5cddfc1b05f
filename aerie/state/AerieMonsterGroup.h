// A city's monsters and the four groups they work in (production, engineering, fight, idle), the
// group skills, the production figures recomputed after a message, and the fight missions with
// their countdowns. Records are kept as the server's bytes (layouts in AerieRecordLayout.h).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "aerie/state/AerieCountdown.h"
#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

class CXmlMonster;
class CXmlMonGroupSkill;

// One monster slot: a stack of monsters of one kind.
struct AerieMonsterEntry {
    unsigned char m_Data[aerie_layout::kMonsterSize] = {};
    const CXmlMonster* m_pConfig = nullptr;   // null when the id is unknown
    u32 m_dwStamp = 0;                        // tick when it arrived with a non-zero timer
    u32 m_adwLevelCount[4] = {};              // the count, placed by its configuration's level 1-4

    u16 GetSlot() const;
    u16 GetMonsterId() const;                 // 0: no monster
    u32 GetCount() const;
    u16 GetProduction() const;                // attribute A
    u16 GetEngineering() const;               // attribute B
    u16 GetFighting() const;                  // attribute C
    u32 GetReviveSeconds() const;             // the timer

    // Item kinds 5 and 10: a value of more than 2 bytes updates, of 2 bytes clears.
    void Update(const unsigned char* value, std::size_t len, u32 now);
    void Clear() { *this = AerieMonsterEntry(); }
};

// One skill slot of a group, keyed group x 11 + slot.
struct AerieGroupSkillEntry {
    unsigned char m_Data[aerie_layout::kSkillSize] = {};
    const CXmlMonGroupSkill* m_pConfig = nullptr;

    u16 GetKey() const;
    u16 GetSkillId() const;                   // 0: empty slot
    u16 GetLevel() const;
    // Item kind 4: more than 2 bytes update, 2 bytes clear.
    void Update(const unsigned char* value, std::size_t len);
};

using AerieMonsterMap = std::map<u16, AerieMonsterEntry>;
using AerieGroupSkillMap = std::map<u16, AerieGroupSkillEntry>;

inline constexpr int kAerieGroupCount = 4;
inline constexpr int kAerieSkillSlots = 11;
inline constexpr int kAerieSkillEffects = 13;

class CAerieMonsterGroup {
public:
    explicit CAerieMonsterGroup(u32 index = 0);

    float m_afSkillEffect[kAerieSkillEffects] = {};   // F: percent per skill id
    u32 m_dwIndex = 0;
    u32 m_adwWeight[3] = {};                  // W: production, engineering, fight
    u32 m_adwTotal[3] = {};                   // T
    u32 m_adwBase[3] = {};                    // S
    u32 m_adwBonus[4] = {};                   // B0, B1, B2, B2b
    u32 m_dwMonsterCount = 0;
    u32 m_adwKindCount[4][4] = {};            // [group][level - 1]
    std::string m_strTargetName;
    std::string m_strGroupName;
    u16 m_wTargetLevel = 0;
    u16 m_wIcon = 0;
    ARGB m_dwColour = 0;
    u32 m_dwStateStamp = 0;                   // tick when the work state arrived
    unsigned char m_WorkState[aerie_layout::kWorkStateSize] = {};
    // Derived after every message (see AerieRecordLayout.h).
    std::string m_strTargetOwnerName;
    std::string m_strDefenceName;

    u16 GetState() const;                     // 0 idle/producing, 1 building, 2 researching, 3-5 fight
    u16 GetTarget() const;
    u32 GetJobSeconds() const;
    u8 GetDifficulty() const;
    u8 GetAwardByte() const;
    u32 GetFightId() const;
    u32 GetProductionPerHour() const;
    u32 GetProductionCount() const;
    float GetBonusPercent(int resource) const;   // 0 grass, 1 stone, 2 wood, 3 metal

    bool IsFighting() const;                  // state 3, 4 or 5
    bool IsEngineering() const;               // state 1 or 2

    // Stores the work state bytes (at most 27) with the stamp.
    void SetWorkState(const unsigned char* value, std::size_t len, u32 now);
    // Recomputes counts, sums, skill effects, bonuses and totals from the city's maps.
    void Recompute(const AerieMonsterMap& monsters, const AerieGroupSkillMap& skills);
};

// Truncates a product toward zero into 0..4294967295.
u32 ClampToU32(double v);

// A monster's work name by its configuration's group icon: "生产", "工程", "战斗", else null.
const char* GetMonsterWorkName(const AerieMonsterEntry& entry);

// ---- Fight missions ----

struct AerieFightMission {
    unsigned char m_Record[aerie_layout::kFightSize] = {};
    unsigned char m_Record2[aerie_layout::kFightSize] = {};
    u32 m_dwStamp = 0;

    u8 GetIndex() const { return m_Record[aerie_layout::kFightIndex]; }
    u8 GetMultiplier() const { return m_Record[aerie_layout::kFightMultiplier]; }
    u8 GetPhase() const { return m_Record[aerie_layout::kFightPhase]; }
    u8 GetFlags() const { return m_Record[aerie_layout::kFightFlags]; }
    u8 GetMultiplier2() const { return m_Record[aerie_layout::kFightMultiplier2]; }
    u32 GetReward(int resource) const;        // 0 grass, 1 stone, 2 wood, 3 metal
    u32 GetWait() const;
    u32 GetFight() const;
    u32 GetFriendWait() const;
    u32 GetInvasion() const;
    std::string_view GetFighterName() const;

    // Fills a record from a value of at most 53 bytes; bytes it does not reach are 0, bytes 1 and
    // 52 then 10.
    static void FillRecord(unsigned char* record, const unsigned char* value, std::size_t len);
};

struct AerieFightMissionTable {
    u32 m_adwHeader[4] = {};
    std::map<u32, AerieFightMission> m_mapMissions;   // 0-4 rob missions, 5 defence

    // Item kind 13.
    void Update(const unsigned char* value, std::size_t len, u32 now);
};

inline constexpr u32 kDefenceMissionIndex = 5;

AerieFightMission* FindFightMission(AerieFightMissionTable& table, u32 index);
const AerieFightMission* FindFightMission(const AerieFightMissionTable& table, u32 index);

// Seconds left, floored at 0.
u32 GetFightWaitLeft(const AerieFightMission& m);
u32 GetFightFriendWaitLeft(const AerieFightMission& m);
u32 GetFightTimeLeft(const AerieFightMission& m);
u32 GetInvasionTimeLeft(const AerieFightMission& m);
