#include "aerie/state/XmlLevelList.h"

#include <algorithm>

#include "framework/xml/XmlNumber.h"
#include "framework/xml/XmlObj.h"

namespace {

std::size_t CountPieces(std::string_view list)
{
    if (list.empty()) {
        return 0;
    }
    const std::size_t commas = static_cast<std::size_t>(std::count(list.begin(), list.end(), ','));
    return list.back() == ',' ? commas : commas + 1;
}

}  // namespace

void SplitTextLevelList(std::string_view list, std::vector<std::string>& out)
{
    out.clear();
    out.reserve(CountPieces(list));
    ForEachLevelPiece(list, [&out](std::string_view piece) { out.emplace_back(piece); });
}

void ParseIntLevelList(std::string_view list, std::vector<i32>& out, const char* attribute)
{
    out.clear();
    out.reserve(CountPieces(list));
    ForEachLevelPiece(list, [&](std::string_view piece) {
        i32 value = 0;
        if (!XmlStrictToInt(piece, value)) {
            out.clear();
            throw XmlConversionError(attribute, piece);
        }
        out.push_back(value);
    });
}

i32 LevelEntry(const std::vector<i32>& list, i32 index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return 0;
    }
    return list[static_cast<std::size_t>(index)];
}

std::string LevelText(const std::vector<std::string>& list, i32 index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return std::string();
    }
    return list[static_cast<std::size_t>(index)];
}
