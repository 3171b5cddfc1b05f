#include "aerie/state/AerieMonsterGroup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "aerie/state/NetMsgHeader.h"
#include "aerie/state/XmlAerieMgr.h"

using namespace aerie_layout;

namespace {

struct GroupLook {
    u32 weights[3];
    const char* name;
    u16 icon;
    ARGB colour;
};

constexpr GroupLook kGroupLooks[kAerieGroupCount] = {
    {{650, 200, 250}, "生产组", 380, 0xFF00FF00},
    {{200, 700, 200}, "工程组", 381, 0xFF00FFFF},
    {{300, 200, 600}, "战斗组", 382, 0xFFFF2A00},
    {{0, 0, 0}, "闲置组", 399, 0xFFFFFF00},
};

// Slots of each group: groups 0-2 ten from 10 x group, the idle group forty from 30.
constexpr u16 kIdleFirstSlot = 30;
constexpr u16 kIdleSlots = 40;
constexpr u16 kGroupSlots = 10;

}  // namespace

// ---- Monster entry ----

u16 AerieMonsterEntry::GetSlot() const { return ReadLE16(m_Data + kMonsterSlot); }
u16 AerieMonsterEntry::GetMonsterId() const { return ReadLE16(m_Data + kMonsterId); }
u32 AerieMonsterEntry::GetCount() const { return ReadLE32(m_Data + kMonsterCount); }
u16 AerieMonsterEntry::GetProduction() const { return ReadLE16(m_Data + kMonsterAttrA); }
u16 AerieMonsterEntry::GetEngineering() const { return ReadLE16(m_Data + kMonsterAttrB); }
u16 AerieMonsterEntry::GetFighting() const { return ReadLE16(m_Data + kMonsterAttrC); }
u32 AerieMonsterEntry::GetReviveSeconds() const { return ReadLE32(m_Data + kMonsterTimer); }

void AerieMonsterEntry::Update(const unsigned char* value, std::size_t len, u32 now)
{
    if (value == nullptr || len < 2) {
        return;
    }
    if (len > 2) {
        std::memcpy(m_Data, value, std::min(len, kMonsterSize));
        if (GetReviveSeconds() != 0) {
            m_dwStamp = now;
        }
        m_pConfig = CXmlAerieMgr::GetSingleton()->FindMonster(GetMonsterId());
    } else {
        std::memset(m_Data, 0, sizeof m_Data);
        m_pConfig = nullptr;
    }
    std::fill(std::begin(m_adwLevelCount), std::end(m_adwLevelCount), 0u);
    // A level outside 1..4 in the game data places nothing.
    if (m_pConfig != nullptr && m_pConfig->m_nLvl >= 1 && m_pConfig->m_nLvl <= 4) {
        m_adwLevelCount[m_pConfig->m_nLvl - 1] = GetCount();
    }
}

const char* GetMonsterWorkName(const AerieMonsterEntry& entry)
{
    if (entry.m_pConfig == nullptr) {
        return nullptr;
    }
    switch (entry.m_pConfig->m_nGroupIcon) {
    case 380:
        return "生产";
    case 381:
        return "工程";
    case 382:
        return "战斗";
    default:
        return nullptr;
    }
}

// ---- Group skill ----

u16 AerieGroupSkillEntry::GetKey() const { return ReadLE16(m_Data); }
u16 AerieGroupSkillEntry::GetSkillId() const { return ReadLE16(m_Data + 2); }
u16 AerieGroupSkillEntry::GetLevel() const { return ReadLE16(m_Data + 4); }

void AerieGroupSkillEntry::Update(const unsigned char* value, std::size_t len)
{
    if (value == nullptr || len < 2) {
        return;
    }
    if (len > 2) {
        std::memcpy(m_Data, value, std::min(len, kSkillSize));
        m_pConfig = CXmlAerieMgr::GetSingleton()->FindMonGroupSkill(GetSkillId());
    } else {
        std::memset(m_Data, 0, sizeof m_Data);
        m_pConfig = nullptr;
    }
}

// ---- Group ----

CAerieMonsterGroup::CAerieMonsterGroup(u32 index) : m_dwIndex(index)
{
    if (index < kAerieGroupCount) {
        const GroupLook& look = kGroupLooks[index];
        std::copy(std::begin(look.weights), std::end(look.weights), m_adwWeight);
        m_strGroupName = look.name;
        m_wIcon = look.icon;
        m_dwColour = look.colour;
    }
}

u16 CAerieMonsterGroup::GetState() const { return ReadLE16(m_WorkState + kWorkState); }
u16 CAerieMonsterGroup::GetTarget() const { return ReadLE16(m_WorkState + kWorkTarget); }
u32 CAerieMonsterGroup::GetJobSeconds() const { return ReadLE32(m_WorkState + kWorkSeconds); }
u8 CAerieMonsterGroup::GetDifficulty() const { return m_WorkState[kWorkDifficulty]; }
u8 CAerieMonsterGroup::GetAwardByte() const { return m_WorkState[kWorkAwardByte]; }
u32 CAerieMonsterGroup::GetFightId() const { return ReadLE16(m_WorkState + kWorkFightId); }
u32 CAerieMonsterGroup::GetProductionPerHour() const { return ReadLE32(m_WorkState + kWorkProductionPerHour); }
u32 CAerieMonsterGroup::GetProductionCount() const { return ReadLE32(m_WorkState + kWorkProductionCount); }

float CAerieMonsterGroup::GetBonusPercent(int resource) const
{
    if (resource < 0 || resource > 3) {
        return 0.0f;
    }
    return static_cast<float>(m_WorkState[kWorkBonusPercent + static_cast<std::size_t>(resource)]);
}

bool CAerieMonsterGroup::IsFighting() const
{
    const u16 s = GetState();
    return s >= 3 && s <= 5;
}

bool CAerieMonsterGroup::IsEngineering() const
{
    const u16 s = GetState();
    return s == 1 || s == 2;
}

void CAerieMonsterGroup::SetWorkState(const unsigned char* value, std::size_t len, u32 now)
{
    std::memcpy(m_WorkState, value, std::min(len, kWorkStateSize));
    m_dwStateStamp = now;
}

u32 ClampToU32(double v)
{
    if (!(v > 0.0)) {   // negative, zero or NaN
        return 0;
    }
    if (v >= 4294967295.0) {
        return 0xFFFFFFFFu;
    }
    return static_cast<u32>(v);
}

void CAerieMonsterGroup::Recompute(const AerieMonsterMap& monsters, const AerieGroupSkillMap& skills)
{
    m_dwMonsterCount = 0;
    std::fill(std::begin(m_adwBase), std::end(m_adwBase), 0u);
    std::fill(std::begin(m_adwTotal), std::end(m_adwTotal), 0u);
    for (auto& row : m_adwKindCount) {
        std::fill(std::begin(row), std::end(row), 0u);
    }
    const bool idle = m_dwIndex >= 3;
    const u16 first = idle ? kIdleFirstSlot : static_cast<u16>(kGroupSlots * m_dwIndex);
    const u16 count = idle ? kIdleSlots : kGroupSlots;
    const u32 row = std::min<u32>(m_dwIndex, 3);
    for (auto it = monsters.lower_bound(first); it != monsters.end() && it->first < first + count; ++it) {
        const AerieMonsterEntry& e = it->second;
        const u32 n = e.GetCount();
        m_dwMonsterCount += n;
        m_adwBase[0] += n * e.GetProduction();
        m_adwBase[1] += n * e.GetEngineering();
        m_adwBase[2] += n * e.GetFighting();
        for (int k = 0; k < 4; ++k) {
            m_adwKindCount[row][k] += e.m_adwLevelCount[k];
        }
    }

    // F[i]: the first of the group's 11 skill slots whose skill id is i decides; an absent slot
    // counts as skill id 0 without configuration.
    std::fill(std::begin(m_afSkillEffect), std::end(m_afSkillEffect), 0.0f);
    if (!idle) {
        bool decided[kAerieSkillEffects] = {};
        for (int j = 0; j < kAerieSkillSlots; ++j) {
            const u16 key = static_cast<u16>(m_dwIndex * kAerieSkillSlots + j);
            const auto it = skills.find(key);
            const u16 id = it != skills.end() ? it->second.GetSkillId() : 0;
            if (id >= kAerieSkillEffects || decided[id]) {
                continue;
            }
            decided[id] = true;
            if (it != skills.end() && it->second.m_pConfig != nullptr) {
                const std::string text = it->second.m_pConfig->GetLevelValue(it->second.GetLevel());
                m_afSkillEffect[id] = static_cast<float>(std::atof(text.c_str()));
            }
        }
    }

    // The sum is a u32, its product with the effect a float (rounded as a float), then / 100.0.
    const auto bonus = [](u32 w, u32 s, float f) { return ClampToU32(static_cast<float>(w + s) * f / 100.0); };
    m_adwBonus[0] = bonus(m_adwWeight[0], m_adwBase[0], m_afSkillEffect[0]);
    m_adwBonus[1] = bonus(m_adwWeight[1], m_adwBase[1], m_afSkillEffect[1]);
    m_adwBonus[2] = bonus(m_adwWeight[2], m_adwBase[2], m_afSkillEffect[2]);
    m_adwBonus[3] = bonus(m_adwWeight[2], m_adwBase[2], m_afSkillEffect[11]);
    m_adwTotal[0] = m_adwBonus[0] + m_adwWeight[0] + m_adwBase[0];
    m_adwTotal[1] = m_adwBonus[1] + m_adwWeight[1] + m_adwBase[1];
    m_adwTotal[2] = m_adwBonus[3] + m_adwBonus[2] + m_adwWeight[2] + m_adwBase[2];
}

// ---- Fight missions ----

u32 AerieFightMission::GetReward(int resource) const
{
    if (resource < 0 || resource > 3) {
        return 0;
    }
    return ReadLE32(m_Record + kFightRewards + 4 * static_cast<std::size_t>(resource));
}
u32 AerieFightMission::GetWait() const { return ReadLE32(m_Record + kFightWait); }
u32 AerieFightMission::GetFight() const { return ReadLE32(m_Record + kFightFight); }
u32 AerieFightMission::GetFriendWait() const { return ReadLE32(m_Record + kFightFriendWait); }
u32 AerieFightMission::GetInvasion() const { return ReadLE32(m_Record + kFightInvasion); }

std::string_view AerieFightMission::GetFighterName() const
{
    return CountedText(m_Record + kFightFighterName, kFightFighterNameSize);
}

void AerieFightMission::FillRecord(unsigned char* record, const unsigned char* value, std::size_t len)
{
    const std::size_t n = std::min(len, kFightSize);
    std::memset(record, 0, kFightSize);
    std::memcpy(record, value, n);
    if (n <= kFightMultiplier) {
        record[kFightMultiplier] = kFightMultiplierDefault;
    }
    if (n <= kFightMultiplier2) {
        record[kFightMultiplier2] = kFightMultiplierDefault;
    }
}

void AerieFightMissionTable::Update(const unsigned char* value, std::size_t len, u32 now)
{
    if (value == nullptr || len == 0) {
        return;
    }
    const u32 index = value[kFightIndex];
    auto [it, created] = m_mapMissions.try_emplace(index);
    AerieFightMission::FillRecord(it->second.m_Record, value, len);
    if (created) {
        std::memcpy(it->second.m_Record2, it->second.m_Record, kFightSize);
    }
    it->second.m_dwStamp = now;
}

AerieFightMission* FindFightMission(AerieFightMissionTable& table, u32 index)
{
    const auto it = table.m_mapMissions.find(index);
    return it != table.m_mapMissions.end() ? &it->second : nullptr;
}

const AerieFightMission* FindFightMission(const AerieFightMissionTable& table, u32 index)
{
    const auto it = table.m_mapMissions.find(index);
    return it != table.m_mapMissions.end() ? &it->second : nullptr;
}

u32 GetFightWaitLeft(const AerieFightMission& m)
{
    return SecondsLeft(m.GetWait(), m.m_dwStamp, TickNow());
}

u32 GetFightFriendWaitLeft(const AerieFightMission& m)
{
    const u32 elapsed = ElapsedSeconds(m.m_dwStamp, TickNow());
    if (elapsed < m.GetWait()) {
        return m.GetFriendWait();
    }
    return SatSub(SatAdd(m.GetWait(), m.GetFriendWait()), elapsed);
}

u32 GetFightTimeLeft(const AerieFightMission& m)
{
    const u32 elapsed = ElapsedSeconds(m.m_dwStamp, TickNow());
    const u32 waits = SatAdd(m.GetWait(), m.GetFriendWait());
    if (elapsed < waits) {
        return m.GetFight();
    }
    return SatSub(SatAdd(waits, m.GetFight()), elapsed);
}

u32 GetInvasionTimeLeft(const AerieFightMission& m)
{
    if (m.GetIndex() != kDefenceMissionIndex) {
        return 0;
    }
    return SecondsLeft(m.GetInvasion(), m.m_dwStamp, TickNow());
}
