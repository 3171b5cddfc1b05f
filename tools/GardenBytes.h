// Garden server bytes built from one garden description, for the fake Garden server, the tests,
// the sample host and the benchmark: packets, item lists, counted lists and the records of the
// garden state, laid out as garden/state/GardenRecordLayout.h says.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/core/ByteOrder.h"
#include "garden/state/GardenRecordLayout.h"

namespace orv::garden_bytes {

// Fields written into a growing byte string (framework/core/ByteOrder.h underneath).
inline void Put16(std::string& s, std::size_t off, std::uint16_t v)
{
    if (s.size() < off + 2) s.resize(off + 2, '\0');
    WriteLE16(reinterpret_cast<unsigned char*>(s.data()) + off, v);
}
inline void Put32(std::string& s, std::size_t off, std::uint32_t v)
{
    if (s.size() < off + 4) s.resize(off + 4, '\0');
    WriteLE32(reinterpret_cast<unsigned char*>(s.data()) + off, v);
}
inline std::string U16(std::uint16_t v) { return LE16(v); }
inline std::string U32(std::uint32_t v) { return LE32(v); }
// A text in a fixed field of size bytes, NUL-padded (cut to size - 1 characters).
inline std::string Field(std::string_view text, std::size_t size)
{
    std::string s(text.substr(0, size - 1));
    s.resize(size, '\0');
    return s;
}

inline std::string Packet(std::uint16_t msgId, std::uint16_t sub, std::string_view body = {}, std::uint32_t userId = 0,
                          std::uint16_t p1 = 0, std::uint16_t p2 = 0)
{
    std::string s = U32(userId) + U16(msgId) + U16(sub) + U16(p1) + U16(p2);
    s.append(body);
    return s;
}
inline std::string Reply(std::uint16_t code, std::string_view body = {}, std::uint32_t userId = 0, std::uint16_t p1 = 0,
                         std::uint16_t p2 = 0)
{
    return Packet(884, code, body, userId, p1, p2);
}
// {u16 kind, u16 length, bytes}.
inline std::string Item(std::uint16_t kind, std::string_view bytes)
{
    return U16(kind) + U16(static_cast<std::uint16_t>(bytes.size())) + std::string(bytes);
}
// {u16 kind, u16 count, u16 size, records}: every record padded or cut to size.
inline std::string Counted(std::uint16_t kind, std::uint16_t size, const std::vector<std::string>& records)
{
    std::string s = U16(kind) + U16(static_cast<std::uint16_t>(records.size())) + U16(size);
    for (const std::string& r : records) {
        std::string rec = r.substr(0, size);
        rec.resize(size, '\0');
        s += rec;
    }
    return s;
}
// zlib's compress of bytes.
inline std::string Zlib(std::string_view bytes)
{
    uLongf n = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(n, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(bytes.data()),
             static_cast<uLong>(bytes.size()));
    out.resize(n);
    return out;
}

namespace L = garden_layout;

struct InfoDesc {
    std::uint32_t love = 0;
    std::uint32_t wealth = 0;
    std::uint32_t totalWealth = 0;
    std::uint16_t level = 1;
    std::uint32_t upgradeTime = 0;
    std::uint16_t pickLevel = 1;
    std::uint32_t genePoints = 0;
    std::uint32_t pickExp = 0;
    std::uint32_t researchCost = 0;
    std::uint16_t stamina = 0;
    std::uint8_t tutorialDone = 1;
    std::uint16_t background = 0;
    std::uint32_t geneFragments = 0;
};
inline std::string InfoBytes(const InfoDesc& d)
{
    std::string s(L::kGardenInfoSize, '\0');
    Put32(s, L::kInfoLovePoints, d.love);
    Put32(s, L::kInfoWealth, d.wealth);
    Put32(s, L::kInfoTotalWealth, d.totalWealth);
    Put16(s, L::kInfoLevel, d.level);
    Put32(s, L::kInfoUpgradeTime, d.upgradeTime);
    Put16(s, L::kInfoPickLevel, d.pickLevel);
    Put32(s, L::kInfoGenePoints, d.genePoints);
    Put32(s, L::kInfoPickExp, d.pickExp);
    Put32(s, L::kInfoResearchCost, d.researchCost);
    Put16(s, L::kInfoStamina, d.stamina);
    s[L::kInfoTutorialDone] = static_cast<char>(d.tutorialDone);
    Put16(s, L::kInfoBackground, d.background);
    Put32(s, L::kInfoGeneFragments, d.geneFragments);
    return s;
}

struct PlotDesc {
    std::uint8_t number = 1;
    std::uint8_t soilLevel = 0;
    std::uint8_t water = 3;
    std::uint8_t flags = 1;       // land state 1: developed
    std::uint8_t soilState = 1;
    std::uint32_t exp = 0;
    std::uint32_t expNeeded = 100;
    std::uint16_t plantedA = 0;
    std::uint16_t plantedB = 0;
};
inline std::string PlotBytes(const PlotDesc& d)
{
    std::string s(L::kPlotSize, '\0');
    s[L::kPlotNumber] = static_cast<char>(d.number);
    s[L::kPlotSoilLevel] = static_cast<char>(d.soilLevel);
    s[L::kPlotWater] = static_cast<char>(d.water);
    s[L::kPlotFlags] = static_cast<char>(d.flags);
    s[L::kPlotSoilState] = static_cast<char>(d.soilState);
    Put32(s, L::kPlotSoilExp, d.exp);
    Put32(s, L::kPlotExpNeeded, d.expNeeded);
    Put16(s, L::kPlotPlantedA, d.plantedA);
    Put16(s, L::kPlotPlantedB, d.plantedB);
    return s;
}

struct PlantDesc {
    std::uint16_t id = 0;
    std::uint8_t plot = 1;
    std::uint32_t seconds = 0;
    std::string sower;
};
inline std::string PlantBytes(const PlantDesc& d)
{
    std::string s(L::kPlantSize, '\0');
    Put16(s, L::kPlantId, d.id);
    s[L::kPlantPlot] = static_cast<char>(d.plot);
    Put32(s, L::kPlantSeconds, d.seconds);
    s.replace(L::kPlantSower, L::kNameSize, Field(d.sower, L::kNameSize));
    return s;
}

// One garden as the server describes it on entering.
struct GardenDesc {
    std::string guid = "me";
    std::string display = "Me";
    InfoDesc info;
    std::vector<PlotDesc> plots;
    std::vector<PlantDesc> plants;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> plantList;   // {plant id, plant level}
};

// Reply 501: items 11, 26, 7, 5, 8, 24, in the order the client applies them.
inline std::string EnterBody(const GardenDesc& g)
{
    std::vector<std::string> plots;
    for (const PlotDesc& p : g.plots) plots.push_back(PlotBytes(p));
    std::vector<std::string> plants;
    for (const PlantDesc& p : g.plants) plants.push_back(PlantBytes(p));
    std::string list;
    for (const auto& [id, level] : g.plantList) list += U16(id) + U16(level);
    return Item(11, g.guid + std::string(1, '\0')) + Item(26, g.display + std::string(1, '\0')) +
           Item(7, InfoBytes(g.info)) + Counted(5, L::kPlotSize, plots) + Counted(8, L::kPlantSize, plants) +
           Item(24, list);
}
inline std::string Enter501(const GardenDesc& g, std::uint16_t p1 = 0)
{
    return Reply(501, EnterBody(g), 0, p1);
}

// A tool card record.
inline std::string CardBytes(std::uint32_t id, std::string_view name, std::uint16_t count, std::uint16_t item,
                             std::uint16_t type)
{
    std::string s(L::kCardSize, '\0');
    Put32(s, L::kCardId, id);
    s.replace(L::kCardName, L::kCardNameSize, Field(name, L::kCardNameSize));
    Put16(s, L::kCardCount, count);
    Put16(s, L::kCardItem, item);
    Put16(s, L::kCardType, type);
    return s;
}

// A friend record.
inline std::string FriendBytes(std::string_view guid, std::string_view display, std::uint8_t flags = 0)
{
    return Field(guid, L::kNameSize) + Field(display, L::kNameSize) + std::string(1, static_cast<char>(flags));
}

// The name of ranked player i: "p" and the number.
inline std::string PlayerName(int i)
{
    std::string name(1, 'p');
    name += std::to_string(i);
    return name;
}

// Reply 516: four ranking lists of n rows each and n nested records, compressed twice.
inline std::string Ranking516(int rows, int records)
{
    auto rowsOf = [rows](std::size_t size) {
        std::string s;
        for (int i = 0; i < rows; ++i) {
            std::string r(size, '\0');
            r[0] = static_cast<char>(i + 1);
            r.replace(L::kRankRowGuid, L::kNameSize, Field(PlayerName(i), L::kNameSize));
            Put32(r, L::kRankRowValue, static_cast<std::uint32_t>(1000 - i));
            s += r;
        }
        return s;
    };
    std::string nested;
    for (int i = 0; i < records; ++i) {
        std::string r(L::kRankRecord, '\0');
        Put32(r, L::kRankRecordWord, static_cast<std::uint32_t>(i) << 8);
        r.replace(L::kRankRecordName, L::kNameSize, Field(PlayerName(i), L::kNameSize));
        nested += r;
    }
    const std::string list = Item(16, rowsOf(L::kRankRow129)) + Item(17, rowsOf(L::kRankRow131)) +
                             Item(18, rowsOf(L::kRankRow131)) + Item(22, rowsOf(L::kRankRow131)) +
                             Item(23, Zlib(nested));
    return Reply(516, Zlib(list));
}

}  // namespace orv::garden_bytes
