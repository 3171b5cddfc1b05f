#include "garden/state/ToolCardStore.h"

#include <algorithm>

#include "engine/GardenPackets.h"
#include "framework/core/DebugLog.h"
#include "garden/state/BodyCursor.h"

namespace L = garden_layout;

u32 ToolCard::Id() const { return ReadLE32(m_Bytes + L::kCardId); }
u16 ToolCard::Count() const { return ReadLE16(m_Bytes + L::kCardCount); }
u16 ToolCard::ItemId() const { return ReadLE16(m_Bytes + L::kCardItem); }
u16 ToolCard::Type() const { return ReadLE16(m_Bytes + L::kCardType); }

std::string_view ToolCard::Name() const
{
    return ByteSpan(m_Bytes + L::kCardName, L::kCardNameSize).Text(L::kCardNameSize);
}

ToolCardStore::ToolCardStore() = default;

void ToolCardStore::Clear()
{
    m_vFirst.clear();
    m_vSecond.clear();
}

void ToolCardStore::Refill(std::vector<ToolCard>& list, const u8* packet, int len)
{
    if (packet == nullptr || len <= static_cast<int>(L::kHeader) || len > static_cast<int>(L::kToolListMax)) {
        return;
    }
    list.clear();
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    const u16 count = c.Param2();
    if (count == 0) {
        return;
    }
    const std::size_t body = c.Length() - L::kHeader;
    const std::size_t stride = std::min<std::size_t>(static_cast<u16>(body / count), L::kCardSize);
    // A stride below 52 (a count too large for the body) reads the bytes past the body as 0.
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t from = L::kHeader + i * stride;
        ToolCard& card = list.emplace_back();
        ByteSpan(c.Span(from, from + L::kCardSize)).CopyTo(card.m_Bytes, L::kCardSize);
    }
}

void ToolCardStore::RefillFirst(const u8* packet, int len) { Refill(m_vFirst, packet, len); }
void ToolCardStore::RefillSecond(const u8* packet, int len) { Refill(m_vSecond, packet, len); }

void ToolCardStore::Add(const u8* packet, int len)
{
    if (packet == nullptr || len <= static_cast<int>(L::kHeader)) {
        return;
    }
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    ByteSpan(c.Body()).CopyTo(m_vFirst.emplace_back().m_Bytes, L::kCardSize);
}

void ToolCardStore::EraseById(const u8* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(L::kHeader)) {
        return;
    }
    const u32 id = BodyCursor(packet, static_cast<std::size_t>(len)).UserId();
    const auto it = std::find_if(m_vFirst.begin(), m_vFirst.end(), [id](const ToolCard& c) { return c.Id() == id; });
    if (it != m_vFirst.end()) {
        m_vFirst.erase(it);
    }
}

void ToolCardStore::UpdateById(const u8* packet, int len)
{
    if (packet == nullptr || len <= static_cast<int>(L::kHeader) || len > static_cast<int>(L::kToolListMax)) {
        return;
    }
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    const u32 id = c.UserId();
    const auto it = std::find_if(m_vFirst.begin(), m_vFirst.end(), [id](const ToolCard& card) { return card.Id() == id; });
    if (it != m_vFirst.end()) {
        const std::string_view body = c.Body();
        ApplyRecordPatches(it->m_Bytes, L::kCardSize, body.data(), body.size());
    }
}

bool ToolCardStore::HasType(u16 type) const
{
    return std::any_of(m_vFirst.begin(), m_vFirst.end(), [type](const ToolCard& c) { return c.Type() == type; });
}

bool ToolCardStore::HasItem(u16 itemId) const
{
    return std::any_of(m_vFirst.begin(), m_vFirst.end(), [itemId](const ToolCard& c) { return c.ItemId() == itemId; });
}

ToolCardStore& GetToolCardStore()
{
    static ToolCardStore s_Store;
    return s_Store;
}
