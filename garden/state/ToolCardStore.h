// The player's tool cards as the Garden server sends them: two lists of 52-byte records, filled,
// patched and emptied by server messages only (201 and 217 refill, 200 adds, 202 erases and 945
// patches a card of the first list). Layout in GardenRecordLayout.h.
#pragma once

#include <string_view>
#include <vector>

#include "framework/core/OrvTypes.h"
#include "garden/state/GardenRecordLayout.h"

struct ToolCard {
    u8 m_Bytes[garden_layout::kCardSize] = {};

    u32 Id() const;
    u16 Count() const;
    u16 ItemId() const;
    u16 Type() const;
    // The name, up to its NUL within its 38 bytes.
    std::string_view Name() const;
};

class ToolCardStore {
public:
    ToolCardStore();
    void Clear();
    // Each takes the whole packet (12-byte header and body).
    void RefillFirst(const u8* packet, int len);
    void RefillSecond(const u8* packet, int len);
    void Add(const u8* packet, int len);
    void EraseById(const u8* packet, int len);
    void UpdateById(const u8* packet, int len);

    const std::vector<ToolCard>& First() const { return m_vFirst; }
    const std::vector<ToolCard>& Second() const { return m_vSecond; }
    // The first list holds a card of that type / item id.
    bool HasType(u16 type) const;
    bool HasItem(u16 itemId) const;

private:
    static void Refill(std::vector<ToolCard>& list, const u8* packet, int len);

    std::vector<ToolCard> m_vFirst;
    std::vector<ToolCard> m_vSecond;
};

ToolCardStore& GetToolCardStore();
