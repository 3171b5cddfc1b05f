#include "garden/state/GardenDataMgr.h"

#include <algorithm>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/WriteLog.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/Compression.h"
#include "framework/core/DebugLog.h"
#include "framework/core/ORVMsg.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/widgets/ORVToolTip.h"
#include "glimmer/Glimmer.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "platform/Platform.h"

namespace L = garden_layout;

CORVControl* ValueAsSender(std::uintptr_t value)
{
    return reinterpret_cast<CORVControl*>(value);
}

std::uintptr_t SenderAsValue(const ORVMsg& msg)
{
    return reinterpret_cast<std::uintptr_t>(msg.m_pSender);
}

void PostWithValue(ORVMsg msg, std::uintptr_t value, u32 delay)
{
    // One watch that lives as long as the process keeps every value sender through the pump.
    static const ORVLifeToken s_ValueLife;
    if (CORVCtrlMgr::IsTornDown()) {
        return;
    }
    msg.m_pSender = ValueAsSender(value);
    msg.m_SenderLife = value != 0 ? s_ValueLife.Watch() : ORVLifeWatch();
    CORVCtrlMgr::GetSingleton().m_MsgQueue.PostMessage(msg, delay);
}

std::int64_t WeatherPeriodEnd(std::int64_t start)
{
    return (start + 7200) / kWeatherPeriodSeconds * kWeatherPeriodSeconds + 21600;
}

namespace {

bool SameTime(const std::tm& a, const std::tm& b)
{
    return a.tm_sec == b.tm_sec && a.tm_min == b.tm_min && a.tm_hour == b.tm_hour && a.tm_mday == b.tm_mday &&
           a.tm_mon == b.tm_mon && a.tm_year == b.tm_year && a.tm_wday == b.tm_wday && a.tm_yday == b.tm_yday &&
           a.tm_isdst == b.tm_isdst;
}

}  // namespace

bool WeatherPeriod::operator==(const WeatherPeriod& o) const
{
    return SameTime(m_tmStart, o.m_tmStart) && m_nStart == o.m_nStart && SameTime(m_tmEnd, o.m_tmEnd) &&
           m_nEnd == o.m_nEnd && m_wKind == o.m_wKind && m_wLight == o.m_wLight && m_wHumidity == o.m_wHumidity &&
           m_nTemperature == o.m_nTemperature && m_nForecast == o.m_nForecast;
}

int StaminaRecoveryPercent(const CStealConfig& row, const CStealConfig& first)
{
    if (first.m_nStrengthDaily == 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(row.m_nStrengthDaily) / first.m_nStrengthDaily * 100.0);
}

double HoursPerStaminaPoint(const CStealConfig& row)
{
    return row.m_nStrengthDaily == 0 ? 0.0 : 24.0 / row.m_nStrengthDaily;
}

namespace {

// A name item into a 36-byte field: zeroed, then at most 35 characters up to the item's first NUL.
void SetName(char (&field)[L::kNameSize], const ByteSpan& item)
{
    std::memset(field, 0, sizeof field);
    const std::string_view text = item.Text(L::kNameSize - 1);
    if (!text.empty()) {
        std::memcpy(field, text.data(), text.size());
    }
}

std::string_view FieldText(const char (&field)[L::kNameSize])
{
    return {field, strnlen(field, L::kNameSize)};
}

// The logged-in player's name: bytes 8 on of the player record, up to its NUL.
std::string_view PlayerName()
{
    const GardenPlayerInfo& info = GetLoginInfo().m_PlayerInfo;
    return ByteSpan(info.m_Bytes + L::kPlayerName, L::kPlayerNameEnd - L::kPlayerName).Text(L::kPlayerNameEnd - L::kPlayerName);
}

// Copies up to the record's size of an item over the start of a record (the rest stays).
template <std::size_t N>
void CopyOver(GardenRecord<N>& record, const ByteSpan& item)
{
    const std::size_t k = std::min(item.n, N);
    if (k > 0) {
        std::memcpy(record.m_Bytes, item.p, k);
    }
}

// A stable insertion sort (the lists are short; nothing is allocated).
template <class T, class Less>
void StableSort(std::vector<T>& v, Less less)
{
    for (std::size_t i = 1; i < v.size(); ++i) {
        T x = v[i];
        std::size_t j = i;
        while (j > 0 && less(x, v[j - 1])) {
            v[j] = v[j - 1];
            --j;
        }
        v[j] = x;
    }
}

// The records of a counted body: count at offset 8, record size at offset 10, records from 12.
CountedRecords HeaderCounted(const BodyCursor& c)
{
    const ByteSpan body(c.Body());
    return ClampRecords(body.p, body.n, c.Param1(), c.Param2());
}

void SendRequest(u16 sub)
{
    GardenHeader h;
    h.m_wSub = sub;
    GetPacketQueue().SendGardenMessage(h, nullptr, 0);
}

using ReplyHandler = void (CGardenDataMgr::*)(const BodyCursor&);
struct ReplyEntry {
    u16 code;
    ReplyHandler handler;
};

// Reply codes of message 884 and their handlers; 514, 518, 523, 531 to 534 and codes not listed
// are ignored.
constexpr ReplyEntry kReplies[] = {
    {501, &CGardenDataMgr::Reply501}, {502, &CGardenDataMgr::Reply502}, {503, &CGardenDataMgr::Reply503},
    {504, &CGardenDataMgr::Reply504}, {505, &CGardenDataMgr::Reply505}, {506, &CGardenDataMgr::Reply506},
    {507, &CGardenDataMgr::Reply507}, {508, &CGardenDataMgr::Reply508}, {509, &CGardenDataMgr::Reply509},
    {510, &CGardenDataMgr::Reply509}, {511, &CGardenDataMgr::Reply511}, {512, &CGardenDataMgr::Reply512},
    {513, &CGardenDataMgr::Reply513}, {515, &CGardenDataMgr::Reply515}, {516, &CGardenDataMgr::Reply516},
    {517, &CGardenDataMgr::Reply517}, {519, &CGardenDataMgr::Reply519}, {520, &CGardenDataMgr::Reply520},
    {521, &CGardenDataMgr::Reply521}, {522, &CGardenDataMgr::Reply522}, {524, &CGardenDataMgr::Reply524},
    {525, &CGardenDataMgr::Reply525}, {526, &CGardenDataMgr::Reply526}, {527, &CGardenDataMgr::Reply527},
    {528, &CGardenDataMgr::Reply528}, {529, &CGardenDataMgr::Reply529}, {530, &CGardenDataMgr::Reply530},
    {535, &CGardenDataMgr::Reply535}, {536, &CGardenDataMgr::Reply536}, {537, &CGardenDataMgr::Reply537},
};

}  // namespace

CGardenDataMgr::CGardenDataMgr()
{
    Reset();
}

CGardenDataMgr::~CGardenDataMgr() = default;

void CGardenDataMgr::Reset()
{
    static_cast<GardenSessionState&>(*this) = GardenSessionState();
}

void CGardenDataMgr::LoadSoilTextures()
{
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 6; ++c) {
            m_SoilIdA[r][c] = static_cast<u16>(101 + 10 * r + (r >= 3 ? c : 0));
            m_SoilIdB[r][c] = static_cast<u16>(151 + 10 * r + (r >= 3 ? c : 0));
            for (auto* pair : {&m_SoilA, &m_SoilB}) {
                CTex*& tex = (*pair)[r][c];
                if (tex != nullptr) {
                    g_TexMgr.DeleteTexture(tex);
                }
                tex = g_TexMgr.NewTexture();
                if (tex != nullptr) {
                    tex->LoadTex(4, pair == &m_SoilA ? m_SoilIdA[r][c] : m_SoilIdB[r][c], false);
                }
            }
        }
    }
}

void CGardenDataMgr::FreeSoilTextures()
{
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 6; ++c) {
            g_TexMgr.DeleteTexture(m_SoilA[r][c]);
            g_TexMgr.DeleteTexture(m_SoilB[r][c]);
            m_SoilA[r][c] = m_SoilB[r][c] = nullptr;
        }
    }
}

CTex* CGardenDataMgr::GetSoilTexture(const PlotRecord& plot, u16 row) const
{
    const u8 number = plot.m_Bytes[L::kPlotNumber];
    const u8 column = plot.m_Bytes[L::kPlotSoilLevel];
    if (number > 15 || column >= 6 || row >= 5) {
        return nullptr;
    }
    return number >= 11 ? m_SoilB[row][column] : m_SoilA[row][column];
}

void CGardenDataMgr::Route(u32 topic, u32 second, std::string_view text, std::uintptr_t sender, u32 msgId)
{
    ORVMsg msg(msgId, topic);
    msg.m_lParam = second;
    if (!text.empty()) {
        msg.m_strText.assign(text.data(), text.size());
    }
    msg.m_pSender = ValueAsSender(sender);
    CORVCtrlMgr::GetSingleton().RouteMessage(&msg);
}

void CGardenDataMgr::OnReply(const u8* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(L::kHeader)) {
        return;
    }
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    const u16 code = c.Code();
    for (const ReplyEntry& e : kReplies) {
        if (e.code != code) {
            continue;
        }
        try {
            (this->*e.handler)(c);
        } catch (...) {
            DebugLog("Error : exception in the handler of Garden reply %u\n", unsigned{code});
        }
        return;
    }
}

void CGardenDataMgr::SetShownInfo(const ByteSpan& item)
{
    CopyOver(m_ShownInfo, item);
    if (m_bOwnGarden != 0) {
        CopyOver(m_OwnInfo, item);
    }
}

void CGardenDataMgr::SortPlantList(u16 level)
{
    // A: plants the garden's level allows, highest plant level first; B: the others, lowest
    // required level first. Both stable: each entry is sorted under one key made of its list, its
    // order within the list and its position, so a plain sort keeps equal entries in place.
    const CXmlGardenMgr& data = GetXmlGardenMgr();
    m_vSortScratch.clear();
    m_vSortEntries.assign(m_vPlantList.begin(), m_vPlantList.end());
    for (std::size_t i = 0; i < m_vPlantList.size(); ++i) {
        const u32 entry = m_vPlantList[i];
        const int need = data.GetPlantNeedLevel(EntryId(entry));
        const bool inA = need <= static_cast<int>(level);
        const std::uint64_t order = inA ? 0xFFFFu - EntryLevel(entry) : static_cast<std::uint64_t>(std::max(need, 0));
        m_vSortScratch.push_back((inA ? 0 : std::uint64_t{1} << 63) | (order & 0x7FFFFFFFu) << 32 | i);
    }
    std::sort(m_vSortScratch.begin(), m_vSortScratch.end());
    for (std::size_t i = 0; i < m_vSortScratch.size(); ++i) {
        m_vPlantList[i] = m_vSortEntries[m_vSortScratch[i] & 0xFFFFFFFFu];
    }
}

void CGardenDataMgr::Reply501(const BodyCursor& c)
{
    // The garden screen opens once the items apply, so it is built on the entered garden (its
    // figures, plots and the tutorial's done flag).
    const bool open = c.Param1() == 0;
    ItemWalker w(c.Body());
    u16 kind = 0;
    u16 length = 0;
    bool walking = true;
    while (walking && w.Next(kind, length)) {
        ByteSpan item;
        switch (kind) {
        case 11:
            walking = w.Take(length, item);
            if (walking) {
                SetName(m_szOwnerGuid, item);
                m_bOwnGarden = FieldText(m_szOwnerGuid) == PlayerName() ? 1 : 0;
            }
            break;
        case 26:
            walking = w.Take(length, item);
            if (walking) {
                SetName(m_szOwnerDisplay, item);
            }
            break;
        case 7:
            walking = w.Take(length, item);
            if (walking) {
                SetShownInfo(item);
            }
            break;
        case 5: {
            m_Plots.Clear();
            const CountedRecords r = w.TakeCounted(length);
            for (std::size_t i = 0; i < r.count; ++i) {
                const ByteSpan rec = r.Record(i);
                rec.CopyTo(m_Plots.Put(rec.U8(L::kPlotNumber)).m_Bytes, L::kPlotSize);
            }
            break;
        }
        case 8: {
            m_Plants.Clear();
            const CountedRecords r = w.TakeCounted(length);
            for (std::size_t i = 0; i < r.count; ++i) {
                const ByteSpan rec = r.Record(i);
                rec.CopyTo(m_Plants.Put(rec.U8(L::kPlantPlot)).m_Bytes, L::kPlantSize);
            }
            break;
        }
        case 24:
            walking = w.Take(length, item);
            if (walking) {
                m_vPlantList.clear();
                for (std::size_t off = 0; off + 4 <= item.n; off += 4) {
                    const u32 entry = item.U32(off);
                    if (EntryId(entry) != 0) {
                        m_vPlantList.push_back(entry);
                    }
                }
                SortPlantList(m_bOwnGarden != 0 ? OwnGardenLevel() : ShownGardenLevel());
                if (m_bOwnGarden != 0) {
                    m_vOwnPlantList = m_vPlantList;
                }
            }
            break;
        default:
            walking = false;
            break;
        }
    }
    if (open) {
        WriteLog("garden data enter ok\n");
        m_bEntered = 1;
        Route(TOPIC_OPEN);
    }
    Route(TOPIC_ENTERED);
    Route(TOPIC_REFRESH);
}

void CGardenDataMgr::Reply502(const BodyCursor& c)
{
    ForEachItem(c.Body(), [&](u16 kind, const ByteSpan& item) {
        switch (kind) {
        case 7:
            SetShownInfo(item);
            break;
        case 12:
            item.CopyTo(m_Plots.Put(item.U8(L::kPlotNumber)).m_Bytes, L::kPlotSize);
            break;
        case 13:
            item.CopyTo(m_Plants.Put(item.U8(L::kPlantPlot)).m_Bytes, L::kPlantSize);
            break;
        case 15:
            Route(TOPIC_PLOT_TEXT, c.Param1(), std::string_view(reinterpret_cast<const char*>(item.p), item.n));
            break;
        case 21:
            m_Plants.Erase(item.U16(0));
            break;
        default:
            break;
        }
        return true;
    });
    Route(TOPIC_REFRESH);
}

void CGardenDataMgr::Reply503(const BodyCursor& c)
{
    if (m_bOwnGarden != 0) {
        WriteLE32(m_ShownInfo.m_Bytes + L::kInfoWealth, c.UserId());
        WriteLE32(m_OwnInfo.m_Bytes + L::kInfoWealth, c.UserId());
        Route(TOPIC_REFRESH);
    }
    SendRequest(0x10);
}

void CGardenDataMgr::Reply504(const BodyCursor& c)
{
    m_vNursery.clear();
    const ByteSpan body(c.Body());
    for (std::size_t off = 0; off + 2 <= body.n; off += 2) {
        m_vNursery.push_back(body.U16(off));
    }
    Route(TOPIC_NURSERY);
}

void CGardenDataMgr::Reply505(const BodyCursor& c)
{
    m_vSeedBag.clear();
    const CountedRecords r = HeaderCounted(c);
    for (std::size_t i = 0; i < r.count; ++i) {
        m_vSeedBag.push_back(r.Record(i).U32(0));
    }
    Route(TOPIC_SEED_BAG_MAIN);
    Route(TOPIC_SEED_BAG);
}

void CGardenDataMgr::Reply507(const BodyCursor& c)
{
    ForEachItem(c.Body(), [&](u16 kind, const ByteSpan& item) {
        if (kind == 12) {
            const u8 plot = item.U8(L::kPlotNumber);
            item.CopyTo(m_Plots.Put(plot).m_Bytes, L::kPlotSize);
            char text[128];
            std::snprintf(text, sizeof text, "收获数量：%d", static_cast<int>(c.Param1()));
            Route(TOPIC_PLOT_TEXT, plot, text);
        }
        return true;
    });
    Route(TOPIC_REFRESH);
    SendRequest(0x11);
}

void CGardenDataMgr::Reply508(const BodyCursor& c)
{
    const ByteSpan body(c.Body());
    const int n = c.Param2();
    char text[128];
    if (body.U8(0) == 0) {
        std::snprintf(text, sizeof text, "采摘时被人发现后逃跑，采摘数量：%d", n);
    } else if (body.U8(1) != 0 && m_bStealCardUsed != 0) {
        std::snprintf(text, sizeof text, "采摘数量：%d，由于使用幻影采摘卡，获得了%d个果实", n / 2, n);
    } else {
        std::snprintf(text, sizeof text, "采摘数量：%d", n);
    }
    Route(TOPIC_PLOT_TEXT, c.Param1(), text);
}

void CGardenDataMgr::Reply509(const BodyCursor& c)
{
    const u16 id = c.Param1();
    for (auto it = m_vWarehouse.begin(); it != m_vWarehouse.end(); ++it) {
        if (it->U16(L::kWareId) != id) {
            continue;
        }
        const u32 count = c.U32At(L::kParam2);   // spans the second parameter and the body's start
        WriteLE32(it->m_Bytes + L::kWareCount, count);
        if (count == 0) {
            m_vWarehouse.erase(it);
        }
        return;
    }
}

void CGardenDataMgr::Reply511(const BodyCursor& c)
{
    m_vReply511.clear();
    Reply511Record building;
    ForEachItem(c.Body(), [&](u16 kind, const ByteSpan& item) {
        if (kind == 14) {
            building.m_dwValue = item.U32(0);
        } else if (kind == 15) {
            building.m_strText.assign(reinterpret_cast<const char*>(item.p), item.n);
            m_vReply511.push_back(building);
        }
        return true;
    });
    Route(TOPIC_REPLY511);
}

void CGardenDataMgr::FillFriends(std::vector<FriendRecord>& list, const BodyCursor& c)
{
    list.clear();
    const CountedRecords r = HeaderCounted(c);
    for (std::size_t i = 0; i < r.count; ++i) {
        r.Record(i).CopyTo(list.emplace_back().m_Bytes, L::kFriendSize);
    }
    if (list.size() > 1) {
        StableSort(list, [](const FriendRecord& a, const FriendRecord& b) {
            const std::string_view da = a.Text(L::kFriendDisplay, L::kNameSize);
            const std::string_view db = b.Text(L::kFriendDisplay, L::kNameSize);
            if (da != db) {
                return da < db;
            }
            return a.Text(L::kFriendGuid, L::kNameSize) < b.Text(L::kFriendGuid, L::kNameSize);
        });
    }
}

void CGardenDataMgr::Reply512(const BodyCursor& c)
{
    FillFriends(m_vFriends, c);
    Route(TOPIC_FRIENDS, 0);
}

void CGardenDataMgr::Reply524(const BodyCursor& c)
{
    FillFriends(m_vStrangers, c);
    Route(TOPIC_FRIENDS, 1);
}

namespace {

void FillRecords10(std::vector<Record10>& list, const BodyCursor& c)
{
    list.clear();
    const CountedRecords r = HeaderCounted(c);
    for (std::size_t i = 0; i < r.count; ++i) {
        r.Record(i).CopyTo(list.emplace_back().m_Bytes, L::kRecord10);
    }
}

}  // namespace

void CGardenDataMgr::Reply506(const BodyCursor& c)
{
    FillRecords10(m_vWarehouse, c);
    Route(TOPIC_WAREHOUSE);
}

void CGardenDataMgr::Reply513(const BodyCursor& c) { FillRecords10(m_vOwnedBackgrounds, c); }
void CGardenDataMgr::Reply517(const BodyCursor& c) { FillRecords10(m_vReply517, c); }

void CGardenDataMgr::Reply515(const BodyCursor& c)
{
    m_vNews.clear();
    const std::string_view body = c.Body();
    std::size_t pos = 0;
    while (pos < body.size()) {
        const std::size_t nul = body.find('\0', pos);
        const std::size_t end = nul == std::string_view::npos ? body.size() : nul;
        m_vNews.emplace_back(body.substr(pos, std::min(end - pos, L::kNewsMax)));
        pos = end + 1;
    }
    if (!m_vNews.empty()) {
        Route(TOPIC_NEWS);
    }
}

void CGardenDataMgr::Reply516(const BodyCursor& c)
{
    const std::string_view body = c.Body();
    unsigned long inflated = kScratchBufferSize;
    if (UncompressBuffer(reinterpret_cast<unsigned char*>(g_ScratchBuffer), &inflated,
                         reinterpret_cast<const unsigned char*>(body.data()), body.size()) != 0) {
        DebugLog("Error : ranking reply not inflated\n");
        return;
    }
    const auto fill = [](auto& list, const ByteSpan& item) {
        using Row = typename std::decay_t<decltype(list)>::value_type;
        list.clear();
        if (item.n % Row::kSize != 0) {
            return;
        }
        for (std::size_t off = 0; off < item.n; off += Row::kSize) {
            std::memcpy(list.emplace_back().m_Bytes, item.p + off, Row::kSize);
        }
    };
    ForEachItem(std::string_view(g_ScratchBuffer, inflated), [&](u16 kind, const ByteSpan& item) {
        switch (kind) {
        case 16: fill(m_vRank1, item); break;
        case 17: fill(m_vRank2, item); break;
        case 18: fill(m_vRank3, item); break;
        case 22: fill(m_vRank4, item); break;
        case 23: return InflateRankRecords(item);
        default: break;
        }
        return true;
    });
}

bool CGardenDataMgr::InflateRankRecords(const ByteSpan& item)
{
    // Its source lies in the scratch buffer: inflated into a buffer of its own.
    m_vRankRecords.clear();
    if (m_vRankInflate.size() < kScratchBufferSize) {
        m_vRankInflate.resize(kScratchBufferSize);
    }
    unsigned long size = kScratchBufferSize;
    if (UncompressBuffer(m_vRankInflate.data(), &size, item.p, item.n) != 0) {
        DebugLog("Error : ranking records not inflated\n");
        return false;   // the whole walk stops
    }
    if (size % L::kRankRecord != 0) {
        return true;
    }
    for (std::size_t off = 0; off < size; off += L::kRankRecord) {
        RankRecord& rec = m_vRankRecords.emplace_back();
        std::memcpy(rec.m_Bytes, m_vRankInflate.data() + off, L::kRankRecord);
        if (rec.m_Bytes[L::kRankRecordByte] == 0) {
            rec.m_Bytes[L::kRankRecordByte] = rec.m_Bytes[L::kRankRecordWord + 1];
        }
    }
    return true;
}

const RankRecord* CGardenDataMgr::FindRanking(std::string_view name) const
{
    for (const RankRecord& r : m_vRankRecords) {
        if (r.Text(L::kRankRecordName, L::kNameSize) == name) {
            return &r;
        }
    }
    return nullptr;
}

void CGardenDataMgr::Reply519(const BodyCursor& c)
{
    m_vMessagePairs.clear();
    const std::string_view body = c.Body();
    std::size_t pos = 0;
    for (;;) {
        const std::size_t end1 = body.find('\0', pos);
        if (end1 == std::string_view::npos) {
            break;
        }
        const std::size_t end2 = body.find('\0', end1 + 1);
        if (end2 == std::string_view::npos) {
            break;   // an incomplete pair is dropped
        }
        m_vMessagePairs.push_back({std::string(body.substr(pos, end1 - pos)),
                                   std::string(body.substr(end1 + 1, end2 - end1 - 1))});
        pos = end2 + 1;
    }
    if (!m_vMessagePairs.empty()) {
        Route(TOPIC_MESSAGE_PAIRS, 0, {}, 0, kMsgExchangeTopic);
    }
}

void CGardenDataMgr::Reply520(const BodyCursor& c)
{
    GardenInfo copy = m_OwnInfo;
    bool shown = false;
    ForEachItem(c.Body(), [&](u16 kind, const ByteSpan& item) {
        if (kind == 11) {
            shown = item.Text(L::kNameSize) == FieldText(m_szOwnerGuid);
        } else if (kind == 7) {
            CopyOver(copy, item);
        } else {
            return false;
        }
        return true;
    });
    m_OwnInfo = copy;
    if (shown) {
        m_ShownInfo = copy;
        Route(TOPIC_REFRESH);
    }
}

bool CGardenDataMgr::SetWeatherTimes(std::int64_t t)
{
    // Periods far enough from the ends of the 64-bit range that no sum wraps.
    constexpr std::int64_t kRoom = 5 * kWeatherPeriodSeconds;
    if (t > std::numeric_limits<std::int64_t>::max() - kRoom || t < std::numeric_limits<std::int64_t>::min() + kRoom) {
        return false;
    }
    std::int64_t starts[kWeatherPeriods + 1];
    starts[0] = t;
    starts[1] = WeatherPeriodEnd(t);
    for (int i = 2; i <= kWeatherPeriods; ++i) {
        starts[i] = starts[i - 1] + kWeatherPeriodSeconds;
    }
    std::tm parts[kWeatherPeriods + 1];
    for (int i = 0; i <= kWeatherPeriods; ++i) {
        if (!orv::platform::Get().LocalTime(starts[i], &parts[i])) {
            DebugLog("Error : weather time %" PRId64 " not converted\n", starts[i]);
            return false;
        }
    }
    for (int i = 0; i < kWeatherPeriods; ++i) {
        m_Weather[i].m_nStart = starts[i];
        m_Weather[i].m_tmStart = parts[i];
        m_Weather[i].m_nEnd = starts[i + 1];
        m_Weather[i].m_tmEnd = parts[i + 1];
    }
    return true;
}

void CGardenDataMgr::SetDefaultWeatherTimes()
{
    SetWeatherTimes(static_cast<std::int64_t>(std::time(nullptr)));
}

void CGardenDataMgr::Reply521(const BodyCursor& c)
{
    if (c.Length() != L::kWeatherPacket) {
        return;
    }
    for (int i = 0; i < kWeatherPeriods; ++i) {
        const std::size_t off = L::kWeatherRecords + 8 * static_cast<std::size_t>(i);
        WeatherPeriod& w = m_Weather[i];
        const u16 kind = c.U16At(off);
        w.m_wKind = kind > 6 ? 0 : kind;
        w.m_wLight = c.U16At(off + 2);
        w.m_wHumidity = c.U16At(off + 4);
        w.m_nTemperature = static_cast<std::int16_t>(c.U16At(off + 6));
        w.m_nForecast = i;
    }
    const std::int64_t t = static_cast<std::int64_t>(static_cast<std::uint64_t>(c.U32At(L::kWeatherTime)) |
                                   static_cast<std::uint64_t>(c.U32At(L::kWeatherTime + 4)) << 32);
    if (t > 0) {
        SetWeatherTimes(t);
    }
}

void CGardenDataMgr::Reply522(const BodyCursor& c) { m_wReply522 = c.Param1(); }

void CGardenDataMgr::Reply525(const BodyCursor& c)
{
    ItemWalker w(c.Body());
    u16 kind = 0;
    u16 length = 0;
    ByteSpan item;
    while (w.Next(kind, length)) {
        if (kind == 5 || kind == 8) {
            w.TakeCounted(length);   // passed whole: counted lists here too (GardenRecordLayout.h)
            continue;
        }
        if (!w.Take(length, item)) {
            break;
        }
        if (kind == 7) {
            CopyOver(m_OwnInfo, item);
        } else if (kind != 11) {
            break;
        }
    }
}

void CGardenDataMgr::Reply526(const BodyCursor& c)
{
    ByteSpan(c.Body()).CopyTo(m_LevelUp.m_Bytes, L::kLevelUpSize);
    Route(TOPIC_LEVELUP_OPTIONS);
}

void CGardenDataMgr::Reply527(const BodyCursor& c)
{
    const ByteSpan body(c.Body());
    const std::size_t n = c.Length() <= 20 ? body.n : L::kLevelResultSize;
    ByteSpan(body.p, std::min(n, body.n)).CopyTo(m_LevelResult.m_Bytes, L::kLevelResultSize);
    const u16 id = m_LevelResult.U16(L::kLevelResultPlant);
    for (u32& entry : m_vOwnPlantList) {
        if (EntryId(entry) == id) {
            entry = id | static_cast<u32>(m_LevelResult.U16(L::kLevelResultLevel)) << 16;
            break;
        }
    }
    Route(TOPIC_LEVELUP_RESULT);
}

void CGardenDataMgr::Reply528(const BodyCursor& c)
{
    m_vTasks.clear();
    ForEachItem(c.Body(), [&](u16 kind, const ByteSpan& item) {
        if (kind == 25 && item.n >= 6) {
            TaskRecord& t = m_vTasks.emplace_back();
            t.m_wA = item.U16(0);
            t.m_wB = item.U16(2);
            t.m_wC = item.U16(4);
            const std::string_view text = ByteSpan(item.p + 6, item.n - 6).Text(item.n - 6);
            t.m_strText.assign(text.data(), text.size());
        }
        return true;
    });
    if (!m_vTasks.empty()) {
        Route(TOPIC_TASKS);
    }
}

void CGardenDataMgr::Reply529(const BodyCursor& c)
{
    const CXmlGardenMgr& data = GetXmlGardenMgr();
    const int level = c.Param1() + 1;
    const CStealConfig* row = data.GetStealRow(level);
    const CStealConfig* first = data.GetStealRow(1);
    if (row == nullptr || first == nullptr) {
        return;
    }
    std::string stream;
    CAutoTip::AppendHeader(stream, 300, 4);
    char text[128];
    std::snprintf(text, sizeof text, "采摘术升至%u级!", static_cast<unsigned>(level));
    CAutoTip::AppendLine(0xFFFFFF00, 2, stream, text);
    std::snprintf(text, sizeof text, "最大体力值提升至：%u", static_cast<unsigned>(row->m_nStrength));
    CAutoTip::AppendLine(0xFF00FFFF, 1, stream, text);
    std::snprintf(text, sizeof text, "体力恢复速度：%d%%(%.1f小时恢复1点)", StaminaRecoveryPercent(*row, *first),
                  HoursPerStaminaPoint(*row));
    CAutoTip::AppendLine(0xFF00FFFF, 12, stream, text);
    std::snprintf(text, sizeof text, "采摘%d级以下土地作物成功率极高", level);
    CAutoTip::AppendLine(0xFF00FFFF, 12, stream, text);
    CAutoTip::GetSingleton().Add(stream);
}

void CGardenDataMgr::Reply530(const BodyCursor& c)
{
    const ByteSpan body(c.Body());
    const std::size_t count = std::min<std::size_t>(c.Param1(), body.n / L::kRecord10);
    m_vReply530.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(m_vReply530[i].m_Bytes, body.p + i * L::kRecord10, L::kRecord10);
    }
}

void CGardenDataMgr::Reply535(const BodyCursor& c)
{
    u8 record[12];
    WriteLE32(record, c.UserId());
    WriteLE16(record + 4, kMsgGardenTopic);
    WriteLE16(record + 6, 150);
    WriteLE16(record + 8, c.Param1());
    WriteLE16(record + 10, c.Param2());
    Route(TOPIC_SERVER_NOTICE, 0, {}, reinterpret_cast<std::uintptr_t>(record));
}

void CGardenDataMgr::Reply536(const BodyCursor&) { GetXmlGardenMgr().ClearGuardTimes(); }
void CGardenDataMgr::Reply537(const BodyCursor& c) { m_bReply537 = c.Param1() != 0 ? 1 : 0; }

void CGardenDataMgr::OnNoticeLine(const u8* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(L::kHeader) || len > static_cast<int>(L::kToolListMax)) {
        return;
    }
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    std::string line;
    const u8 low = static_cast<u8>(c.UserId() & 0xFF);
    if ((c.Param2() == 256 || c.Param2() == 6) && (low == 1 || low == 2)) {
        line.push_back(static_cast<char>(0xFF));
        line.push_back(static_cast<char>(low + 154));
        line.push_back(' ');
    }
    line.append(ByteSpan(c.Body()).Text(c.Body().size()));
    m_vNoticeLines.push_back(std::move(line));
    if (!m_vNews.empty()) {
        Route(TOPIC_NOTICE_LINE);
    }
}

// ---- Lookups ----

namespace {

u8 LandState(const PlotRecord& p) { return p.m_Bytes[L::kPlotFlags] & L::kPlotLandStateMask; }

bool FindFirst(const std::vector<u32>& list, u16 id, u32& out)
{
    for (u32 e : list) {
        if (EntryId(e) == id) {
            out = e;
            return true;
        }
    }
    return false;
}

u16 LastLevel(const std::vector<u32>& list, u16 id)
{
    u16 level = 0;
    for (u32 e : list) {
        if (EntryId(e) == id) {
            level = EntryLevel(e);
        }
    }
    return level;
}

}  // namespace

bool CGardenDataMgr::HasSoilState(u16 plot) const
{
    const PlotRecord* p = m_Plots.Find(plot);
    return p != nullptr && (LandState(*p) == 1 || LandState(*p) == 2);
}

bool CGardenDataMgr::IsSoilState2(u16 plot) const
{
    const PlotRecord* p = m_Plots.Find(plot);
    return p != nullptr && LandState(*p) == 2;
}

bool CGardenDataMgr::NeedsNoWater(u16 plot) const
{
    const PlotRecord* p = m_Plots.Find(plot);
    return p != nullptr && p->m_Bytes[L::kPlotWater] == 3;
}

bool CGardenDataMgr::IsPlantRipe(u16 plot) const
{
    const PlantRecord* p = m_Plants.Find(plot);
    if (p == nullptr) {
        return false;
    }
    const CPlantItem* item = GetXmlGardenMgr().FindPlant(p->U16(L::kPlantId));
    return item != nullptr && GetGrowthStage(ReadLE32(p->m_Bytes + L::kPlantSeconds), *item) == kStageRipe;
}

bool CGardenDataMgr::GetPlot(u16 plot, PlotRecord& out) const
{
    const PlotRecord* p = m_Plots.Find(plot);
    if (p != nullptr) {
        out = *p;
    }
    return p != nullptr;
}

bool CGardenDataMgr::GetPlant(u16 plot, PlantRecord& out) const
{
    const PlantRecord* p = m_Plants.Find(plot);
    if (p != nullptr) {
        out = *p;
    }
    return p != nullptr;
}

bool CGardenDataMgr::FindSeedBagEntry(u16 id, u32& out) const { return FindFirst(m_vSeedBag, id, out); }
bool CGardenDataMgr::FindPlantEntry(u16 id, u32& out) const { return FindFirst(m_vPlantList, id, out); }
u16 CGardenDataMgr::GetPlantLevel(u16 id) const { return LastLevel(m_vPlantList, id); }
bool CGardenDataMgr::FindOwnPlantEntry(u16 id, u32& out) const { return FindFirst(m_vOwnPlantList, id, out); }
u16 CGardenDataMgr::GetOwnPlantLevel(u16 id) const { return LastLevel(m_vOwnPlantList, id); }

u16 CGardenDataMgr::GetLevelBadge(int level)
{
    if (level <= 20) return 7822;
    if (level <= 30) return 7823;
    if (level <= 40) return 7824;
    if (level <= 50) return 7825;
    return 7820;
}

bool CGardenDataMgr::HasStealCard() const
{
    return GetToolCardStore().HasType(static_cast<u16>(L::kStealCardType));
}

bool CGardenDataMgr::CanPlantHere(u16 plantId) const
{
    return OwnGardenLevel() >= GetXmlGardenMgr().GetPlantNeedLevel(plantId);
}

CGardenDataMgr& GetGardenDataMgr()
{
    static CGardenDataMgr s_Mgr;
    return s_Mgr;
}
