// Bytes as the Aerie server sends them, built for the sample programs, the benchmarks and the
// tests' scripted server: data items and deflated bodies.
#pragma once

#include <zlib.h>

#include <string>
#include <string_view>

#include "framework/core/ByteOrder.h"

namespace orv::sample {

// A data item: u16 kind, u16 length (the value's size modulo 65,536), then the whole value.
inline std::string DataItem(u16 kind, std::string_view value)
{
    return LE16(kind) + LE16(static_cast<u16>(value.size())) + std::string(value);
}

// body deflated with zlib's one-call compress at level (Z_BEST_SPEED .. Z_BEST_COMPRESSION, or
// Z_DEFAULT_COMPRESSION) into out. False, with out empty, when zlib fails.
inline bool Deflate(std::string_view body, int level, std::string& out)
{
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    out.assign(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(body.data()),
                  static_cast<uLong>(body.size()), level) != Z_OK) {
        out.clear();
        return false;
    }
    out.resize(size);
    return true;
}

}  // namespace orv::sample
