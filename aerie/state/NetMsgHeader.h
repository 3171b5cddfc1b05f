// The 12-byte header that every Aerie message carries in both directions, and the byte readers
// that decode server bytes (the little-endian field reads are framework/core/ByteOrder.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/core/ByteOrder.h"
#include "framework/core/OrvTypes.h"

inline constexpr u16 kAerieMainId = 0x367;
inline constexpr int kNetMsgHeaderSize = 12;

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
