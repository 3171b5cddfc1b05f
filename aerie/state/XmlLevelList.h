// Per-level lists of the game data: one value per level in a single attribute, separated by
// commas. The list is split at every ',' from the start; each piece is one entry, taken as it
// stands (no blanks trimmed). A comma at the very end adds no entry, two commas in a row give an
// empty entry, an empty text gives no entries. Text lists keep the pieces; int lists read each
// piece strictly (XmlStrictToInt) and raise XmlConversionError for a piece that is not a number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/OrvTypes.h"

// Calls f(piece) for every entry of the list, in order.
template <class F>
void ForEachLevelPiece(std::string_view list, F&& f)
{
    // Pieces are short: a plain scan beats a search call per piece.
    const char* p = list.data();
    const char* const end = p + list.size();
    while (p != end) {
        const char* stop = p;
        while (stop != end && *stop != ',') {
            ++stop;
        }
        f(std::string_view(p, static_cast<std::size_t>(stop - p)));
        if (stop == end) {
            return;
        }
        p = stop + 1;
    }
}

// Replaces out with the pieces of list.
void SplitTextLevelList(std::string_view list, std::vector<std::string>& out);

// Replaces out with the numbers of list. A piece that is not a number raises XmlConversionError
// naming attribute and the piece; out is then empty.
void ParseIntLevelList(std::string_view list, std::vector<i32>& out, const char* attribute);

// Entry index of a list, or the reader's default (0, "") when index is outside the list.
i32 LevelEntry(const std::vector<i32>& list, i32 index);
std::string LevelText(const std::vector<std::string>& list, i32 index);
