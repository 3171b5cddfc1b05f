// The 12-byte header that every Aerie message carries in both directions, and the byte readers
// that decode server bytes. Server bytes are untrusted and their fields unaligned: every field is
// read byte by byte, little-endian, within the bytes that are there.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/core/OrvTypes.h"

inline constexpr u16 kAerieMainId = 0x367;
inline constexpr int kNetMsgHeaderSize = 12;

// Little-endian reads of bytes known to be there.
inline u16 ReadLE16(const unsigned char* p)
{
    return static_cast<u16>(p[0] | (p[1] << 8));
}
inline u32 ReadLE32(const unsigned char* p)
{
    return static_cast<u32>(p[0]) | static_cast<u32>(p[1]) << 8 | static_cast<u32>(p[2]) << 16 |
           static_cast<u32>(p[3]) << 24;
}
// Reads of a field at an offset in a byte run of len bytes: bytes past the end read as 0.
u16 ReadLE16At(const unsigned char* p, std::size_t len, std::size_t offset);
u32 ReadLE32At(const unsigned char* p, std::size_t len, std::size_t offset);

inline void WriteLE16(unsigned char* p, u16 v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
inline void WriteLE32(unsigned char* p, u32 v)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

// A text field of at most maxLen bytes, cut at its first NUL (a full field has none).
std::string_view CountedText(const void* p, std::size_t maxLen);

struct NetMsgHeader {
    u32 m_dwOwnerId = 0;       // requests: 0 or an amount; server messages: the city's owner id
    u16 m_wMainId = kAerieMainId;
    u16 m_wSubId = 0;
    u16 m_wParam1 = 0;
    u16 m_wParam2 = 0;

    // The 12 bytes, appended.
    void AppendTo(std::string& out) const;
    // The header of a message of len bytes; fields the bytes do not reach read as 0.
    static NetMsgHeader Read(const char* buf, int len);
};
