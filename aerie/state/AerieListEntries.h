// The player's lists that arrive as record lists (slaves, friends, guardian beasts) and ranking
// entries. Each entry is a zeroed record of fixed size filled with the server's bytes; names are
// 16-byte fields cut at their first NUL.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

template <std::size_t N>
struct AerieRecord {
    static constexpr std::size_t kSize = N;
    unsigned char m_Data[N] = {};

    std::string_view GetName() const;   // the first 16 bytes, cut at the first NUL
};

struct AerieSlaveEntry : AerieRecord<aerie_layout::kSlaveSize> {
    u32 GetWorth() const;
    u16 GetGuardMinutes() const;
    u16 GetPopularity() const;
    u16 GetGreenChance() const;         // thousandths of a percent
    u16 GetBlueChance() const;
};

struct AerieFriendEntry : AerieRecord<aerie_layout::kFriendSize> {
    u8 GetFlags() const { return m_Data[aerie_layout::kFriendFlags]; }   // bit 0 "[孵]", bit 1 "[战]"
};

struct AerieBeastEntry : AerieRecord<aerie_layout::kBeastEntrySize> {
    u16 GetBeastKey() const;            // into the first beast table
    u16 GetJob() const;                 // 1 engineering, 2 production, 3 fight, else ordinary
};

struct AerieRankEntry : AerieRecord<aerie_layout::kRankEntrySize> {};

// A record list: records of recordSize bytes back to back; each fills the first
// min(recordSize, entry size) bytes of a zeroed entry; a partial trailing record is ignored and a
// record size of 0 gives an empty list.
template <typename Entry>
void FillRecordList(std::vector<Entry>& out, const unsigned char* body, std::size_t len, std::size_t recordSize)
{
    out.clear();
    if (body == nullptr || recordSize == 0) {
        return;
    }
    const std::size_t n = len / recordSize;
    const std::size_t copy = std::min(recordSize, Entry::kSize);
    for (std::size_t i = 0; i < n; ++i) {
        Entry& e = out.emplace_back();
        std::memcpy(e.m_Data, body + i * recordSize, copy);
    }
}

// Friends reordered in four passes, each keeping the list's order: both flag bits, bit 0 only,
// bit 1 only, neither.
void SortFriendsByFlags(std::vector<AerieFriendEntry>& friends);

std::string_view GetSlaveName(const std::vector<AerieSlaveEntry>& list, int index);   // empty out of range
u32 GetSlaveWorth(const std::vector<AerieSlaveEntry>& list, int index);
u16 GetSlaveGreenChance(const std::vector<AerieSlaveEntry>& list, int index);
u16 GetSlaveBlueChance(const std::vector<AerieSlaveEntry>& list, int index);
u16 GetSlaveGuardMinutes(const std::vector<AerieSlaveEntry>& list, int index);
u16 GetSlavePopularity(const std::vector<AerieSlaveEntry>& list, int index);
// The text of a guardian beast's job: "工程", "生产", "战斗" for jobs 1-3, "普通" otherwise.
const char* BeastJobText(u16 job);
// The job text of entry index; null out of range.
const char* GetBeastJobName(const std::vector<AerieBeastEntry>& list, int index);

// The entry at index, or null.
template <typename Entry>
const Entry* EntryAt(const std::vector<Entry>& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index)];
}

// A field of an entry, or the field type's zero without one.
template <typename Entry, typename T>
T FieldOr(const Entry* e, T (Entry::*get)() const)
{
    return e != nullptr ? (e->*get)() : T{};
}
