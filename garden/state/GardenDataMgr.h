// The client-side mirror of the garden on screen and of the player's own garden. Replies of
// message 884 (and message 100) rewrite part of it; most then announce the change as framework
// message 275 with a topic, routed at once through the control manager, so the Garden windows
// react before the reply's handler returns. Windows read the state when they draw.
//
// Records are kept as the server's bytes (layouts in GardenRecordLayout.h); the keyed collections
// are sorted vectors and every list keeps its room, so applying a reply allocates nothing once the
// collections have grown to the garden's size.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/core/ByteOrder.h"
#include "framework/core/OrvTypes.h"
#include "garden/state/BodyCursor.h"
#include "garden/state/GardenRecordLayout.h"

class CTex;
class CORVControl;
struct ORVMsg;
class CStealConfig;

inline constexpr u32 kMsgGardenTopic = 275;     // framework message of the garden screen's topics
inline constexpr u32 kMsgExchangeTopic = 276;   // the exchange window's

// Topics of message 275.
enum GardenTopic : u32 {
    TOPIC_OPEN = 1,
    TOPIC_REFRESH = 100,
    TOPIC_SEED_BAG_MAIN = 103,
    TOPIC_ENTERED = 108,
    TOPIC_SERVER_NOTICE = 110,
    TOPIC_LEVELUP_OPTIONS = 126,
    TOPIC_LEVELUP_RESULT = 129,
    TOPIC_FRIENDS = 134,
    TOPIC_WAREHOUSE = 145,
    TOPIC_PLOT_TEXT = 147,
    TOPIC_NEWS = 151,
    TOPIC_NOTICE_LINE = 152,
    TOPIC_SEED_BAG = 156,
    TOPIC_NURSERY = 159,
    TOPIC_TASKS = 161,
    TOPIC_REPLY511 = 163,
    TOPIC_MESSAGE_PAIRS = 164,   // of message 276
};

// A small value carried in a framework message's pointer-sized sender field (a plot number, a
// plant id, a card index, a record's address), and read back.
CORVControl* ValueAsSender(std::uintptr_t value);
std::uintptr_t SenderAsValue(const ORVMsg& msg);
// Posts msg into the control manager's queue with value in its sender field, handed out as it
// was: a posted sender is otherwise watched as a control, which a value is not.
void PostWithValue(ORVMsg msg, std::uintptr_t value, u32 delay);

template <std::size_t N>
struct GardenRecord {
    static constexpr std::size_t kSize = N;
    u8 m_Bytes[N] = {};
    ByteSpan Span() const { return ByteSpan(m_Bytes, N); }
    u16 U16(std::size_t off) const { return ReadLE16(m_Bytes + off); }
    u32 U32(std::size_t off) const { return ReadLE32(m_Bytes + off); }
    // A NUL-terminated text of at most max bytes at off.
    std::string_view Text(std::size_t off, std::size_t max) const { return ByteSpan(m_Bytes + off, N - off).Text(max); }
    bool operator==(const GardenRecord&) const = default;
};

using GardenInfo = GardenRecord<garden_layout::kGardenInfoSize>;
using PlotRecord = GardenRecord<garden_layout::kPlotSize>;
using PlantRecord = GardenRecord<garden_layout::kPlantSize>;
using FriendRecord = GardenRecord<garden_layout::kFriendSize>;
using Record10 = GardenRecord<garden_layout::kRecord10>;
using RankRow129 = GardenRecord<garden_layout::kRankRow129>;
using RankRow131 = GardenRecord<garden_layout::kRankRow131>;
using RankRecord = GardenRecord<garden_layout::kRankRecord>;
using LevelUpRecord = GardenRecord<garden_layout::kLevelUpSize>;
using LevelUpResult = GardenRecord<garden_layout::kLevelResultSize>;

// Records keyed by a u16, in key order.
template <class R>
class KeyedRecords {
public:
    R& Put(u16 key)
    {
        auto it = LowerBound(key);
        if (it != m_v.end() && it->first == key) {
            return it->second;
        }
        return m_v.insert(it, {key, R{}})->second;
    }
    const R* Find(u16 key) const
    {
        for (const auto& e : m_v) {
            if (e.first == key) {
                return &e.second;
            }
        }
        return nullptr;
    }
    bool Erase(u16 key)
    {
        auto it = LowerBound(key);
        if (it == m_v.end() || it->first != key) {
            return false;
        }
        m_v.erase(it);
        return true;
    }
    void Clear() { m_v.clear(); }
    std::size_t Size() const { return m_v.size(); }
    const std::vector<std::pair<u16, R>>& Entries() const { return m_v; }
    bool operator==(const KeyedRecords&) const = default;

private:
    typename std::vector<std::pair<u16, R>>::iterator LowerBound(u16 key)
    {
        auto it = m_v.begin();
        while (it != m_v.end() && it->first < key) {
            ++it;
        }
        return it;
    }
    std::vector<std::pair<u16, R>> m_v;
};

// One eight-hour weather period: the current one first, then the three following.
struct WeatherPeriod {
    std::tm m_tmStart{};
    std::int64_t m_nStart = 0;
    std::tm m_tmEnd{};
    std::int64_t m_nEnd = 0;
    u16 m_wKind = 0;          // 0 to 6 (a larger value is stored as 0)
    u16 m_wLight = 0;         // half-steps
    u16 m_wHumidity = 0;      // half-steps
    std::int16_t m_nTemperature = 0;   // degrees Celsius
    i32 m_nForecast = 0;      // 0 for the current period, else its slot index
    bool operator==(const WeatherPeriod& o) const;
};
inline constexpr int kWeatherPeriods = 4;
inline constexpr std::int64_t kWeatherPeriodSeconds = 28800;
// Where the period that starts at start ends: ((start + 7200) / 28800) x 28800 + 21600.
std::int64_t WeatherPeriodEnd(std::int64_t start);

struct TextPair {
    std::string m_strFirst;
    std::string m_strSecond;
    bool operator==(const TextPair&) const = default;
};
struct TaskRecord {
    u16 m_wA = 0;
    u16 m_wB = 0;
    u16 m_wC = 0;
    std::string m_strText;
    bool operator==(const TaskRecord&) const = default;
};
struct Reply511Record {
    u32 m_dwValue = 0;
    std::string m_strText;
    bool operator==(const Reply511Record&) const = default;
};

// Plant-list entries: u16 plant id (low half), u16 plant level (high half).
inline u16 EntryId(u32 entry) { return static_cast<u16>(entry & 0xFFFF); }
inline u16 EntryLevel(u32 entry) { return static_cast<u16>(entry >> 16); }

// A gene-fragment figure with a server's amount added, held within i32: the server's u32 counts
// saturate the figure rather than wrap it.
inline i32 AddFragments(i32 figure, std::int64_t amount)
{
    const std::int64_t sum = std::int64_t{figure} + amount;
    return static_cast<i32>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

// Reply 529's and the tool strip's stamina figures: the recovery speed in percent of the first
// row's, and the hours one point takes; 0 where a daily figure is 0.
int StaminaRecoveryPercent(const CStealConfig& row, const CStealConfig& first);
double HoursPerStaminaPoint(const CStealConfig& row);

// What the Garden windows keep between their openings within one session.
struct GardenWindowKeep {
    i32 m_anResearchFaces[6] = {139, 140, 141, 142, 143, 144};   // the research's faces, shuffled by its picks
    i32 m_nFriendListMode = 0;       // the friend window's list: 0 friends, 1 strangers
    u32 m_dwRankRequestAt = 0;       // when the last ranking request went out
    u8 m_bRankRequestSent = 0;       // a clock near 0 must not block the first one
    bool operator==(const GardenWindowKeep&) const = default;
};

// One session's state: every record the replies fill and what the windows keep. A session starts
// from a value-initialised one (Reset), so a member added here starts empty in every session
// without further code; whatever outlives a reply or a window's opening belongs here.
struct GardenSessionState {
    std::vector<RankRow129> m_vRank1;
    std::vector<RankRow131> m_vRank2;
    std::vector<RankRow131> m_vRank3;
    std::vector<RankRow131> m_vRank4;
    std::vector<RankRecord> m_vRankRecords;   // every record, in server order
    LevelUpRecord m_LevelUp;
    LevelUpResult m_LevelResult;
    WeatherPeriod m_Weather[kWeatherPeriods];
    u8 m_bOwnGarden = 1;
    char m_szOwnerGuid[garden_layout::kNameSize] = {};
    char m_szOwnerDisplay[garden_layout::kNameSize] = {};
    GardenInfo m_ShownInfo;
    GardenInfo m_OwnInfo;
    KeyedRecords<PlotRecord> m_Plots;
    KeyedRecords<PlantRecord> m_Plants;
    std::vector<u16> m_vNursery;
    std::vector<u32> m_vSeedBag;
    std::vector<Record10> m_vWarehouse;
    std::vector<Reply511Record> m_vReply511;
    std::vector<Record10> m_vReply517;
    std::vector<Record10> m_vOwnedBackgrounds;   // reply 513
    std::vector<FriendRecord> m_vFriends;
    std::vector<FriendRecord> m_vStrangers;
    std::vector<TextPair> m_vMessagePairs;
    std::vector<std::string> m_vNews;
    std::vector<TaskRecord> m_vTasks;
    std::vector<u32> m_vPlantList;
    std::vector<u32> m_vOwnPlantList;
    std::vector<Record10> m_vReply530;
    std::vector<std::string> m_vNoticeLines;
    u8 m_bReply537 = 0;
    u8 m_bEntered = 0;
    u8 m_bStealCardUsed = 0;
    u16 m_wReply522 = 2;
    GardenWindowKeep m_Keep;
    bool operator==(const GardenSessionState&) const = default;
};

class CGardenDataMgr : public GardenSessionState {
public:
    CGardenDataMgr();
    ~CGardenDataMgr();
    CGardenDataMgr(const CGardenDataMgr&) = delete;
    CGardenDataMgr& operator=(const CGardenDataMgr&) = delete;

    // The state of a new session: every record and every window's kept state as constructed. The
    // soil textures stay (loaded and freed with the garden screen).
    void Reset();
    void LoadSoilTextures();
    void FreeSoilTextures();
    CTex* GetSoilTexture(const PlotRecord& plot, u16 row) const;

    // Message 884's replies, by the reply code in the sub field (the handler table).
    void OnReply(const u8* packet, int len);
    // Message 100.
    void OnNoticeLine(const u8* packet, int len);
    // Weather periods from the local clock, as reply 521 sets them from the server's time.
    void SetDefaultWeatherTimes();
    // The four periods from t on; a time that cannot be converted changes no period's times.
    bool SetWeatherTimes(std::int64_t t);

    // ---- Lookups ----
    bool HasPlant(u16 plot) const { return m_Plants.Find(plot) != nullptr; }
    bool HasSoilState(u16 plot) const;
    bool IsSoilState2(u16 plot) const;
    bool NeedsNoWater(u16 plot) const;
    bool IsPlantRipe(u16 plot) const;
    bool GetPlot(u16 plot, PlotRecord& out) const;
    bool GetPlant(u16 plot, PlantRecord& out) const;
    bool FindSeedBagEntry(u16 id, u32& out) const;
    bool FindPlantEntry(u16 id, u32& out) const;
    u16 GetPlantLevel(u16 id) const;
    bool FindOwnPlantEntry(u16 id, u32& out) const;
    u16 GetOwnPlantLevel(u16 id) const;
    static u16 GetLevelBadge(int level);
    bool HasStealCard() const;
    bool CanPlantHere(u16 plantId) const;
    u16 ShownGardenLevel() const { return m_ShownInfo.U16(garden_layout::kInfoLevel); }
    u16 OwnGardenLevel() const { return m_OwnInfo.U16(garden_layout::kInfoLevel); }
    u32 OwnGeneFragments() const { return m_OwnInfo.U32(garden_layout::kInfoGeneFragments); }
    u32 LevelResultFragments() const { return m_LevelResult.U32(garden_layout::kLevelResultFragments2); }
    const RankRecord* FindRanking(std::string_view name) const;

    // The soil textures, loaded and freed with the garden screen; no session's state.
    CTex* m_SoilA[5][6] = {};
    CTex* m_SoilB[5][6] = {};
    u16 m_SoilIdA[5][6] = {};
    u16 m_SoilIdB[5][6] = {};

    // ---- Reply handlers (found through the table in OnReply) ----
    void Reply501(const BodyCursor& c);
    void Reply502(const BodyCursor& c);
    void Reply503(const BodyCursor& c);
    void Reply504(const BodyCursor& c);
    void Reply505(const BodyCursor& c);
    void Reply506(const BodyCursor& c);
    void Reply507(const BodyCursor& c);
    void Reply508(const BodyCursor& c);
    void Reply509(const BodyCursor& c);
    void Reply511(const BodyCursor& c);
    void Reply512(const BodyCursor& c);
    void Reply513(const BodyCursor& c);
    void Reply515(const BodyCursor& c);
    void Reply516(const BodyCursor& c);
    void Reply517(const BodyCursor& c);
    void Reply519(const BodyCursor& c);
    void Reply520(const BodyCursor& c);
    void Reply521(const BodyCursor& c);
    void Reply522(const BodyCursor& c);
    void Reply524(const BodyCursor& c);
    void Reply525(const BodyCursor& c);
    void Reply526(const BodyCursor& c);
    void Reply527(const BodyCursor& c);
    void Reply528(const BodyCursor& c);
    void Reply529(const BodyCursor& c);
    void Reply530(const BodyCursor& c);
    void Reply535(const BodyCursor& c);
    void Reply536(const BodyCursor& c);
    void Reply537(const BodyCursor& c);

private:
    void Route(u32 topic, u32 second = 0, std::string_view text = {}, std::uintptr_t sender = 0,
               u32 msgId = kMsgGardenTopic);
    void SetShownInfo(const ByteSpan& item);
    void SortPlantList(u16 level);
    void FillFriends(std::vector<FriendRecord>& list, const BodyCursor& c);
    bool InflateRankRecords(const ByteSpan& item);   // false: the walk stops

    std::vector<std::uint64_t> m_vSortScratch;   // sort keys of the plant list: list, order, position
    std::vector<u32> m_vSortEntries;             // the plant list as it came
    std::vector<u8> m_vRankInflate;                    // the nested ranking records, inflated
};

CGardenDataMgr& GetGardenDataMgr();
