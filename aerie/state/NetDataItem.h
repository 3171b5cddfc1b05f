// Data items, the unit of most server message bodies: u16 kind, u16 length, then length bytes of
// value, one after another to the end of the body. And the one-call inflate of the two compressed
// server messages.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/core/Compression.h"

#include "framework/core/OrvTypes.h"

struct NetDataItem {
    u16 m_wKind = 0;
    u16 m_wLen = 0;
    const unsigned char* m_pValue = nullptr;   // inside the body; owns nothing
};

// Empties out and splits the body. The list ends where fewer than 4 bytes remain, at an item of
// length 0, or at an item whose value would run past the end (that item is not kept). Returns the
// number of items kept.
int ParseDataItems(const unsigned char* body, std::size_t len, std::vector<NetDataItem>& out);

// UncompressBuffer: framework/core/Compression.h.
