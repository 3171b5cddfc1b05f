#include "aerie/state/AerieIncubator.h"

#include <cstring>

#include "aerie/state/AerieCountdown.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/NetMsgHeader.h"
#include "platform/Platform.h"

using namespace aerie_layout;

bool AerieIncubator::IsOpened() const { return m_Data[kIncOpened] != 0; }
u16 AerieIncubator::GetEggType() const { return ReadLE16(m_Data + kIncEggType); }
u32 AerieIncubator::GetHatchSeconds() const { return ReadLE32(m_Data + kIncHatchSeconds); }
u32 AerieIncubator::GetGuardSeconds() const { return ReadLE32(m_Data + kIncGuardSeconds); }
std::string_view AerieIncubator::GetSlaveName() const { return CountedText(m_Data + kIncSlaveName, kIncSlaveNameSize); }
u16 AerieIncubator::GetWorth() const { return ReadLE16(m_Data + kIncWorth); }
u16 AerieIncubator::GetProtectMinutes() const { return ReadLE16(m_Data + kIncProtectMinutes); }
u16 AerieIncubator::GetGreenChance() const { return ReadLE16(m_Data + kIncGreenChance); }
u16 AerieIncubator::GetBlueChance() const { return ReadLE16(m_Data + kIncBlueChance); }
u16 AerieIncubator::GetPopularity() const { return ReadLE16(m_Data + kIncPopularity); }
i32 AerieIncubator::GetHappiness() const { return static_cast<i32>(ReadLE32(m_Data + kIncHappiness)); }
std::int8_t AerieIncubator::GetTreatment() const { return static_cast<std::int8_t>(m_Data[kIncTreatment]); }

namespace {

u32 ToMilliseconds(u32 seconds)
{
    return seconds > 0xFFFFFFFFu / 1000 ? 0xFFFFFFFFu : seconds * 1000;
}

}  // namespace

void AerieIncubators::Rebuild(const unsigned char* value, std::size_t len, u32 now)
{
    m_vList.clear();
    if (value == nullptr) {
        return;
    }
    const std::size_t n = len / kIncubatorSize;
    for (std::size_t i = 0; i < n; ++i) {
        AerieIncubator& inc = m_vList.emplace_back();
        std::memcpy(inc.m_Data, value + i * kIncubatorSize, kIncubatorSize);
        AerieIncubatorTimer& t = m_mapTimers[static_cast<u32>(i)];
        t.m_dwIndex = static_cast<u32>(i);
        t.m_dwStamp = now;
        t.m_dwHatchMs = ToMilliseconds(inc.GetHatchSeconds());
        t.m_dwGuardMs = ToMilliseconds(inc.GetGuardSeconds());
    }
}

const AerieIncubator* AerieIncubators::At(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_vList.size()) {
        return nullptr;
    }
    return &m_vList[static_cast<std::size_t>(index)];
}

const AerieIncubatorTimer* GetIncubatorTimers(AerieIncubators& c, int index)
{
    if (c.At(index) == nullptr) {
        return nullptr;
    }
    AerieIncubatorTimer& t = c.m_mapTimers[static_cast<u32>(index)];
    const u32 now = TickNow();
    t.m_dwHatchMs = MillisLeft(t.m_dwHatchMs, t.m_dwStamp, now);
    t.m_dwGuardMs = MillisLeft(t.m_dwGuardMs, t.m_dwStamp, now);
    t.m_dwStamp = now;
    return &t;
}

bool IncubatorHasEgg(const AerieIncubators& c, int index)
{
    const AerieIncubator* inc = c.At(index);
    return inc != nullptr && inc->IsOpened() && inc->GetEggType() != 0;
}

bool IsIncubatorFinished(const AerieIncubators& c, int index)
{
    const AerieIncubator* inc = c.At(index);
    return inc != nullptr && inc->GetHatchSeconds() == 0;
}

bool AnyIncubatorFinished(const AerieIncubators& c)
{
    for (const AerieIncubator& inc : c.m_vList) {
        if (inc.IsOpened() && inc.GetEggType() != 0 && inc.GetHatchSeconds() == 0) {
            return true;
        }
    }
    return false;
}

bool HasFreeIncubator(const AerieIncubators& c)
{
    for (const AerieIncubator& inc : c.m_vList) {
        if (inc.IsOpened() && inc.GetEggType() == 0) {
            return true;
        }
    }
    return false;
}

bool AllIncubatorsBusy(const AerieIncubators& c)
{
    return !HasFreeIncubator(c);
}

bool AllIncubatorsOpened(const AerieIncubators& c)
{
    for (const AerieIncubator& inc : c.m_vList) {
        if (!inc.IsOpened()) {
            return false;
        }
    }
    return true;
}

bool HasHiredSlave(const AerieIncubators& c, int index)
{
    const AerieIncubator* inc = c.At(index);
    return inc != nullptr && inc->IsOpened() && !inc->GetSlaveName().empty();
}

std::string_view GetHiredSlaveName(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetSlaveName); }
u16 GetHiredSlaveWorth(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetWorth); }
u16 GetHiredSlavePopularity(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetPopularity); }
i32 GetHiredSlaveHappiness(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetHappiness); }
u16 GetIncubatorProtectMinutes(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetProtectMinutes); }
u16 GetHiredSlaveGreenChance(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetGreenChance); }
u16 GetHiredSlaveBlueChance(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetBlueChance); }
u16 GetIncubatorEggType(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetEggType); }
std::int8_t GetSlaveTreatment(const AerieIncubators& c, int index) { return FieldOr(c.At(index), &AerieIncubator::GetTreatment); }

bool IsSlaveTreated(const AerieIncubators& c, int index)
{
    const AerieIncubator* inc = c.At(index);
    return HasHiredSlave(c, index) && inc->GetTreatment() != 0;
}


void PostIncubatorSelected(const AerieIncubators& c, int index)
{
    if (c.At(index) != nullptr) {
        DeliverGameEvent(EVT_INCUBATOR_SELECTED, static_cast<u32>(index));
    }
}
