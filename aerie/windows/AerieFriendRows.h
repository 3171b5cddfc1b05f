// Rows of the player lists (friends, hireable slaves, guardian beasts found): a list entry's
// 16-byte name as a drawable text, and a list's scroll bar following its size.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/core/OrvTypes.h"

class CListRows;
class CORVControlContainer;
class CORVEdit;
class CORVScroll;
class CORVVScroll;

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

// The bar moved: the list's first row follows it; the selected entry moves with the list and is
// dropped once its row leaves the list or the count entries.
void FollowListScroll(CListRows& rows, const CORVScroll* bar, int count);

// The player-name field of a list window at (x, y): 150 x 14, white, centred, at most 16 bytes.
CORVEdit* AddNameEdit(CORVControlContainer* wnd, int x, int y);
// The list's vertical bar at (x, y), length long, one row a step.
CORVVScroll* AddListScroll(CORVControlContainer* wnd, int x, int y, int length);
// The name typed into edit when it is a player's (4 bytes or more); else the field takes the focus
// and the answer is null.
const char* TypedPlayerName(CORVEdit* edit);
