// Little-endian reads and writes of 16- and 32-bit fields, the byte order of every message the
// servers and the host exchange. Fields are read and written byte by byte, so they may stand at
// any offset of untrusted bytes; nothing is cast to a struct.
#pragma once

#include <cstddef>
#include <string>

#include "framework/core/OrvTypes.h"

// Reads of bytes known to be there.
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
inline u16 ReadLE16At(const unsigned char* p, std::size_t len, std::size_t offset)
{
    u16 v = 0;
    for (std::size_t i = 0; i < 2 && offset + i < len; ++i) {
        v = static_cast<u16>(v | p[offset + i] << (8 * i));
    }
    return v;
}
inline u32 ReadLE32At(const unsigned char* p, std::size_t len, std::size_t offset)
{
    u32 v = 0;
    for (std::size_t i = 0; i < 4 && offset + i < len; ++i) {
        v |= static_cast<u32>(p[offset + i]) << (8 * i);
    }
    return v;
}

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

// The bytes of a field as a byte string, for building messages piece by piece.
inline std::string LE16(u16 v)
{
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
inline std::string LE32(u32 v)
{
    return LE16(static_cast<u16>(v)) + LE16(static_cast<u16>(v >> 16));
}
