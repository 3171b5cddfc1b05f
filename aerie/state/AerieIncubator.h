// The incubators of a city (item kind 9): hatching eggs, hired players (slaves) sitting at them,
// theft protection, and the local countdowns of each incubator's hatching and anti-theft times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

struct AerieIncubator {
    unsigned char m_Data[aerie_layout::kIncubatorSize] = {};

    bool IsOpened() const;
    u16 GetEggType() const;
    u32 GetHatchSeconds() const;
    u32 GetGuardSeconds() const;
    std::string_view GetSlaveName() const;   // bytes 13-40, cut at the first NUL
    u16 GetWorth() const;
    u16 GetProtectMinutes() const;
    u16 GetGreenChance() const;
    u16 GetBlueChance() const;
    u16 GetPopularity() const;
    i32 GetHappiness() const;
    std::int8_t GetTreatment() const;
};

struct AerieIncubatorTimer {
    u32 m_dwIndex = 0;
    u32 m_dwStamp = 0;
    u32 m_dwHatchMs = 0;
    u32 m_dwGuardMs = 0;
};

struct AerieIncubators {
    std::vector<AerieIncubator> m_vList;              // in the server's order
    std::map<u32, AerieIncubatorTimer> m_mapTimers;   // by incubator index

    // Rebuilds the list from 91-byte records back to back (a partial trailing record is ignored)
    // and restarts every timer.
    void Rebuild(const unsigned char* value, std::size_t len, u32 now);
    const AerieIncubator* At(int index) const;
};

// Counts both countdowns down to now (floor 0), re-stamps and returns the timer; null for an
// index outside the list.
const AerieIncubatorTimer* GetIncubatorTimers(AerieIncubators& c, int index);

bool IncubatorHasEgg(const AerieIncubators& c, int index);
bool IsIncubatorFinished(const AerieIncubators& c, int index);
bool AnyIncubatorFinished(const AerieIncubators& c);
bool HasFreeIncubator(const AerieIncubators& c);
bool AllIncubatorsBusy(const AerieIncubators& c);
bool AllIncubatorsOpened(const AerieIncubators& c);
bool HasHiredSlave(const AerieIncubators& c, int index);
std::string_view GetHiredSlaveName(const AerieIncubators& c, int index);
u16 GetHiredSlaveWorth(const AerieIncubators& c, int index);
u16 GetHiredSlavePopularity(const AerieIncubators& c, int index);
i32 GetHiredSlaveHappiness(const AerieIncubators& c, int index);
u16 GetIncubatorProtectMinutes(const AerieIncubators& c, int index);
u16 GetHiredSlaveGreenChance(const AerieIncubators& c, int index);
u16 GetHiredSlaveBlueChance(const AerieIncubators& c, int index);
u16 GetIncubatorEggType(const AerieIncubators& c, int index);
bool IsSlaveTreated(const AerieIncubators& c, int index);
std::int8_t GetSlaveTreatment(const AerieIncubators& c, int index);
// Delivers game event 8 with the index as value, for a valid index.
void PostIncubatorSelected(const AerieIncubators& c, int index);
