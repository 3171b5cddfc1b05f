// Rows of the player lists (friends, hireable slaves, guardian beasts found): a list entry's
// 16-byte name as a drawable text, and a list's scroll bar following its size.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

class CORVScroll;

// Rows a player list shows at once.
inline constexpr int kPlayerListRows = 10;

// A list entry's name, NUL-terminated in a buffer of the name field's size + 1; no allocation.
struct EntryNameText {
    char m_sz[aerie_layout::kListNameSize + 1] = {};

    explicit EntryNameText(std::string_view name)
    {
        const std::size_t n = name.size() < aerie_layout::kListNameSize ? name.size() : aerie_layout::kListNameSize;
        std::memcpy(m_sz, name.data(), n);
        m_sz[n] = '\0';
    }
    const char* c_str() const { return m_sz; }
};

// The bar of a list of count entries shown kPlayerListRows at a time: range max(0, count - rows),
// position 0, shown and enabled only with something to scroll. Nothing without a bar.
void SetListScroll(CORVScroll* bar, int count);
