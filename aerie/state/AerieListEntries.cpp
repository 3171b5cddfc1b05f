#include "aerie/state/AerieListEntries.h"

#include "aerie/state/NetMsgHeader.h"

using namespace aerie_layout;

template <std::size_t N>
std::string_view AerieRecord<N>::GetName() const
{
    return CountedText(m_Data, std::min(N, kListNameSize));
}

template struct AerieRecord<kSlaveSize>;
template struct AerieRecord<kFriendSize>;
template struct AerieRecord<kBeastEntrySize>;
template struct AerieRecord<kRankEntrySize>;

u32 AerieSlaveEntry::GetWorth() const { return ReadLE32(m_Data + kSlaveWorth); }
u16 AerieSlaveEntry::GetGuardMinutes() const { return ReadLE16(m_Data + kSlaveGuardMinutes); }
u16 AerieSlaveEntry::GetPopularity() const { return ReadLE16(m_Data + kSlavePopularity); }
u16 AerieSlaveEntry::GetGreenChance() const { return ReadLE16(m_Data + kSlaveGreenChance); }
u16 AerieSlaveEntry::GetBlueChance() const { return ReadLE16(m_Data + kSlaveBlueChance); }
u16 AerieBeastEntry::GetBeastKey() const { return ReadLE16(m_Data + kBeastEntryKey); }
u16 AerieBeastEntry::GetJob() const { return ReadLE16(m_Data + kBeastEntryJob); }

void SortFriendsByFlags(std::vector<AerieFriendEntry>& friends)
{
    const auto pass = [](const AerieFriendEntry& f) {
        switch (f.GetFlags() & 3) {
        case 3:
            return 0;
        case 1:
            return 1;
        case 2:
            return 2;
        default:
            return 3;
        }
    };
    std::stable_sort(friends.begin(), friends.end(),
                     [&](const AerieFriendEntry& a, const AerieFriendEntry& b) { return pass(a) < pass(b); });
}

std::string_view GetSlaveName(const std::vector<AerieSlaveEntry>& list, int index)
{
    const AerieSlaveEntry* e = EntryAt(list, index);
    return e != nullptr ? e->GetName() : std::string_view();
}
u32 GetSlaveWorth(const std::vector<AerieSlaveEntry>& list, int index) { return FieldOr(EntryAt(list, index), &AerieSlaveEntry::GetWorth); }
u16 GetSlaveGreenChance(const std::vector<AerieSlaveEntry>& list, int index) { return FieldOr(EntryAt(list, index), &AerieSlaveEntry::GetGreenChance); }
u16 GetSlaveBlueChance(const std::vector<AerieSlaveEntry>& list, int index) { return FieldOr(EntryAt(list, index), &AerieSlaveEntry::GetBlueChance); }
u16 GetSlaveGuardMinutes(const std::vector<AerieSlaveEntry>& list, int index) { return FieldOr(EntryAt(list, index), &AerieSlaveEntry::GetGuardMinutes); }
u16 GetSlavePopularity(const std::vector<AerieSlaveEntry>& list, int index) { return FieldOr(EntryAt(list, index), &AerieSlaveEntry::GetPopularity); }

const char* BeastJobText(u16 job)
{
    switch (job) {
    case 1:
        return "工程";
    case 2:
        return "生产";
    case 3:
        return "战斗";
    default:
        return "普通";
    }
}

const char* GetBeastJobName(const std::vector<AerieBeastEntry>& list, int index)
{
    const AerieBeastEntry* e = EntryAt(list, index);
    return e != nullptr ? BeastJobText(e->GetJob()) : nullptr;
}
