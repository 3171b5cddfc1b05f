// Bounds-checked reading of one Garden packet: header fields, fields at packet offsets (missing
// bytes read as 0), and walks over item lists and counted record lists. Every reply handler reads
// through it; none computes offsets into a raw pointer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/core/ByteOrder.h"
#include "garden/state/GardenRecordLayout.h"

class BodyCursor {
public:
    // The whole packet (header and body).
    BodyCursor(const u8* packet, std::size_t len) : m_pData(packet), m_nLen(packet != nullptr ? len : 0) {}

    std::size_t Length() const { return m_nLen; }
    u32 UserId() const { return U32At(garden_layout::kUserId); }
    u16 MsgId() const { return U16At(garden_layout::kMsgId); }
    u16 Code() const { return U16At(garden_layout::kSub); }
    u16 Param1() const { return U16At(garden_layout::kParam1); }
    u16 Param2() const { return U16At(garden_layout::kParam2); }

    // Fields at packet offsets; bytes past the end read as 0.
    u8 U8At(std::size_t off) const { return off < m_nLen ? m_pData[off] : 0; }
    u16 U16At(std::size_t off) const { return ReadLE16At(m_pData, m_nLen, off); }
    u32 U32At(std::size_t off) const { return ReadLE32At(m_pData, m_nLen, off); }

    // The body: from byte 12 to the end (empty for a bare header).
    std::string_view Body() const { return Span(garden_layout::kHeader, m_nLen); }
    // Bytes [from, to) of the packet, cut to what is there.
    std::string_view Span(std::size_t from, std::size_t to) const
    {
        if (from >= m_nLen || to <= from) {
            return {};
        }
        return {reinterpret_cast<const char*>(m_pData) + from, std::min(to, m_nLen) - from};
    }

private:
    const u8* m_pData;
    std::size_t m_nLen;
};

// A run of bytes read as fields; bytes past its end read as 0.
struct ByteSpan {
    const u8* p = nullptr;
    std::size_t n = 0;

    ByteSpan() = default;
    ByteSpan(const u8* data, std::size_t len) : p(data), n(data != nullptr ? len : 0) {}
    explicit ByteSpan(std::string_view s) : p(reinterpret_cast<const u8*>(s.data())), n(s.size()) {}
    u8 U8(std::size_t off) const { return off < n ? p[off] : 0; }
    u16 U16(std::size_t off) const { return ReadLE16At(p, n, off); }
    u32 U32(std::size_t off) const { return ReadLE32At(p, n, off); }
    // Copies min(n, size) bytes into a record of size bytes and zeroes the rest.
    void CopyTo(u8* record, std::size_t size) const
    {
        const std::size_t k = std::min(n, size);
        if (k > 0) {
            std::memcpy(record, p, k);
        }
        std::memset(record + k, 0, size - k);
    }
    // The text in the first max bytes, up to its first NUL.
    std::string_view Text(std::size_t max) const
    {
        const std::size_t k = std::min(n, max);
        const char* s = reinterpret_cast<const char*>(p);
        return k == 0 ? std::string_view{} : std::string_view(s, strnlen(s, k));
    }
};

// Counted records: count records of size bytes each, count clamped to the whole records present.
struct CountedRecords {
    const u8* p = nullptr;
    std::size_t count = 0;
    std::size_t size = 0;

    // Record i; a record shorter than what the reader wants reads its missing bytes as 0.
    ByteSpan Record(std::size_t i) const { return ByteSpan(p + i * size, size); }
};

// count records of size bytes at data (avail bytes there): clamped to whole records; size 0 gives
// none.
inline CountedRecords ClampRecords(const u8* data, std::size_t avail, std::size_t count, std::size_t size)
{
    CountedRecords r;
    if (data == nullptr || size == 0) {
        return r;
    }
    r.p = data;
    r.size = size;
    r.count = std::min(count, avail / size);
    return r;
}

// Walks an item list {u16 kind, u16 length, length bytes}. The walk ends at the list's end or at
// an item running past it.
class ItemWalker {
public:
    explicit ItemWalker(std::string_view list)
        : m_pData(reinterpret_cast<const u8*>(list.data())), m_nLen(list.size()) {}

    // The next item's kind and length field; false at the end (fewer than 4 bytes left).
    bool Next(u16& kind, u16& length)
    {
        if (m_nLen - m_nPos < garden_layout::kItemHeader) {
            m_nPos = m_nLen;
            return false;
        }
        kind = ReadLE16(m_pData + m_nPos);
        length = ReadLE16(m_pData + m_nPos + 2);
        m_nPos += garden_layout::kItemHeader;
        return true;
    }
    // The item's length bytes; false (the walk ends) when they run past the list.
    bool Take(u16 length, ByteSpan& out)
    {
        if (m_nLen - m_nPos < length) {
            m_nPos = m_nLen;
            return false;
        }
        out = ByteSpan(m_pData + m_nPos, length);
        m_nPos += length;
        return true;
    }
    // A counted item whose length field was count: the u16 record size and the records present.
    // The walk goes on behind 2 + count x size bytes (the list's end when that runs past it).
    CountedRecords TakeCounted(u16 count)
    {
        const std::size_t avail = m_nLen - m_nPos;
        if (avail < garden_layout::kCountedSize) {
            m_nPos = m_nLen;
            return {};
        }
        const std::size_t size = ReadLE16(m_pData + m_nPos);
        const std::size_t body = avail - garden_layout::kCountedSize;
        CountedRecords r = ClampRecords(m_pData + m_nPos + garden_layout::kCountedSize, body, count, size);
        const std::size_t span = std::size_t{count} * size;
        m_nPos += garden_layout::kCountedSize + std::min(span, body);
        return r;
    }
    bool AtEnd() const { return m_nPos >= m_nLen; }

private:
    const u8* m_pData;
    std::size_t m_nLen;
    std::size_t m_nPos = 0;
};

// Calls f(kind, item) for each whole item of the list, in order. The walk ends at the list's end,
// at an item running past it, or when f answers false.
template <class F>
void ForEachItem(std::string_view list, F f)
{
    ItemWalker w(list);
    u16 kind = 0;
    u16 length = 0;
    ByteSpan item;
    while (w.Next(kind, length) && w.Take(length, item)) {
        if (!f(kind, item)) {
            return;
        }
    }
}
