// Rows of the player lists (friends, hireable slaves, guardian beasts found): a list entry's
// 16-byte name as a drawable text.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

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

class CORVControl;
class CORVScroll;

// The ten rows of a player list inside a window: geometry (window-local), the entry shown in the
// first row (the scroll position), the row under the mouse and the row last picked (-1 none).
// The friend window, the hatch relation window and the slave list share it.
struct PlayerListRows {
    static constexpr int kRows = 10;

    i32 m_nLeft;
    i32 m_nTop;
    i32 m_nRowWidth;
    i32 m_nRowHeight;
    i32 m_nTextX;
    i32 m_nTextY;
    i32 m_nFirstRow = 0;
    i32 m_nHoverRow = -1;
    i32 m_nSelRow = -1;

    // The visible row at (x, y), strictly inside the list area, showing one of count entries;
    // else -1.
    int HitRow(int x, int y, int count) const;
    // First row 0, nothing hovered or picked.
    void Reset();
    // The bar follows count entries: range max(0, count - 10), position 0, shown and enabled only
    // with something to scroll. Nothing without a bar.
    static void UpdateScroll(CORVScroll* bar, int count);
    // The bar moved to pos: the picked row moves with the list and is dropped once it leaves the
    // ten rows or the entries; then pos is the first row.
    void OnScroll(int pos, int count);
    // The hover and selection bars (frames 124 and 121) relative to ctrl.
    void DrawBars(CORVControl* ctrl) const;
};
