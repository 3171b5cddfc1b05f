// CAerieDataMgr: the game's data store. It mirrors what the game server reports: the own city,
// the city being visited, and what belongs to the player rather than to a city (lists of beasts,
// friends and slaves, the egg bag, the newly obtained monster, main-line missions, rankings, a
// text list and the help window's two pages). The reply dispatcher (OnRecv,
// AerieReplyDispatcher.cpp) is the only writer of those records; windows read them every frame
// and keep no copies. The windows' own choices between openings (m_Keep) are theirs to write.
//
// Which city the windows show is only the show-own flag; which city a server message changes is
// only the message's owner id compared with the own player id, item by item: a first entry into
// the own city lands in the own record from its kind-0 item on.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "aerie/state/AerieCityData.h"
#include "aerie/state/AerieCountdown.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/NetDataItem.h"
#include "framework/help/ORVHelpText.h"

struct AerieMainMission {
    u32 m_dwKey = 0;
    std::string m_strName;
    std::string m_strGoal;
    std::string m_strDescription;
    u32 m_dwExperience = 0;
    u32 m_dwReward = 0;
    std::string m_strStatus;                  // "未领奖" while its reward is not claimed
};

inline constexpr int kAerieEggBagSlots = 20;

// A refresh step of the group window's skills, or of the get-monster window's monster, leaves
// its refresh off for this long (ms, strictly more).
inline constexpr u32 kAerieSkillRefreshThrottleMs = 300;
inline constexpr u32 kAerieMonsterRefreshThrottleMs = 300;

// What the game's windows keep between their openings within one session (a fresh session
// starts with these values).
struct AerieWindowKeep {
    i32 m_nRankCategory = 0;         // the ranking window's category and sub-choice
    i32 m_nRankSubChoice = 0;
    std::string m_strHelpLink;       // the help content's link (empty: the index's first) and kind
    i32 m_nHelpLinkKind = 0;
    i32 m_nHelpScroll = 0;           // the help content's scroll position when it last closed
    i32 m_nFriendMode = 0;           // the friend window's list
    i32 m_nHatchFriendMode = 0;      // the friend list of a visited city's hatch page
    i32 m_nMissionTab = 0;           // the mission window's tab (also back to 0 as the game closes)
    CClickThrottle m_SkillRefresh{kAerieSkillRefreshThrottleMs, true};       // every group window's
    CClickThrottle m_MonsterRefresh{kAerieMonsterRefreshThrottleMs, true};   // every get-monster window's
};

// Every record the server's replies fill, as a new session starts with them: the own and the
// visited city, the show-own flag and the own player id, the player's lists, the egg bag, the new
// monster, the missions, the rankings, the texts, the dispatcher's flags between items and what
// the windows keep. A record added here starts each session anew with no further code
// (CAerieDataMgr::StartSession); whatever outlives a reply or a window's opening belongs here.
struct AerieSessionState {
    CAerieCityData m_OwnCity;
    CAerieCityData m_VisitedCity;
    u8 m_bShowOwn = 1;
    u32 m_dwOwnPlayerId = 0;
    std::vector<AerieBeastEntry> m_vBeasts;
    std::vector<AerieFriendEntry> m_vFriends;
    std::vector<AerieSlaveEntry> m_vSlaves;
    u16 m_awEggBag[kAerieEggBagSlots] = {};
    AerieMonsterEntry m_NewMonster;
    std::vector<AerieMainMission> m_vMainMissions;
    std::map<u16, std::vector<AerieRankEntry>> m_mapRankLists;
    u16 m_awRankToday[aerie_layout::kRankListCount] = {};
    u16 m_awRankWeek[aerie_layout::kRankListCount] = {};
    u16 m_awRankLastWeek[aerie_layout::kRankListCount] = {};
    std::vector<std::string> m_vTexts;
    u8 m_bEntered = 0;
    u8 m_bRecompute = 0;
    AerieWindowKeep m_Keep;
};

class CAerieDataMgr : public AerieSessionState {
public:
    static CAerieDataMgr& GetSingleton();

    CAerieDataMgr();
    CAerieDataMgr(const CAerieDataMgr&) = delete;
    CAerieDataMgr& operator=(const CAerieDataMgr&) = delete;

    // A new session (an open while the game is closed) starts with the records as they are at
    // first use: within a session the next city overwrites them item by item, but a session knows
    // nothing of the last one. The help pages stay (the help window lays them out as it opens).
    void StartSession();
    // Back to the first-use state, help pages too (tests).
    void Reset();

    // ---- Reply dispatcher (AerieReplyDispatcher.cpp) ----
    // One server message. A null message, a negative length or one under 8 bytes is ignored.
    // A message handed over while another is applied (from a window that a delivered event
    // reached) is applied whole first; the outer one then goes on.
    void OnRecv(const char* buf, int len);
    // Applies the items of the body after the 12-byte header (generic update).
    void ApplyDataItems(const char* buf, int len);

    // ---- Accessors ----
    CAerieCityData& GetShownCity() { return m_bShowOwn ? m_OwnCity : m_VisitedCity; }
    CAerieCityData& GetOwnCity() { return m_OwnCity; }
    bool IsShowingOwnCity() const { return m_bShowOwn != 0; }
    // The own city for a null or short message and for the own player id; else the visited one.
    CAerieCityData& GetCityOfMessage(const char* buf, int len);
    // The ranking list of that number; null before the first ranking message or out of range.
    const std::vector<AerieRankEntry>* FindRankList(int list) const;
    // The index-th main-line mission (unclaimed ones first, then by key); null past the end.
    const AerieMainMission* GetMainMission(int index) const;
    int GetMainMissionCount() const { return static_cast<int>(m_vMainMissions.size()); }
    // Kind 0 building / 1 technology: a group of the shown city works on it.
    bool IsUpgrading(int kind, int id);
    // Kind 0 building slot / 1 technology of the shown city is at its configuration's top level.
    bool IsMaxLevel(int kind, int id);
    float GetScienceEffectFloat(int id);
    u16 GetScienceEffect(int id);
    u32 GetBuildingEffect(int slot);
    // The engineering total of a group of the shown city against the castle's creativity, in
    // percent, capped at 100.
    float GetGroupCreavityPercent(int group);

    // Two laid-out pages of help text that the help window fills; empty until then.
    CORVHelpText m_aHelpPages[2];

private:
    // Dispatcher helpers (AerieReplyDispatcher.cpp).
    void Dispatch(const char* buf, int len);
    void ApplyItem(const NetDataItem& item, const char* buf, int len, u32 now);
    void ApplyCompressedCity(const char* buf, int len);
    void ApplyMainMissions(const char* buf, int len);
    void ApplyRankLists(const unsigned char* body, std::size_t len);
    void ApplyFightHeader(const char* buf, int len);
    void FinishMessage();
    void MarkTouched(const CAerieCityData& city);

    std::vector<NetDataItem> m_vItems;        // reused by every message
    u8 m_byTouched = 0;                       // bit 0 own, bit 1 visited: changed by this message
    int m_nRecvDepth = 0;                     // messages being applied
    bool m_bBuildingChanged = false;
};

// What the windows keep between their openings in this session.
inline AerieWindowKeep& WindowKeep()
{
    return CAerieDataMgr::GetSingleton().m_Keep;
}

// The number of non-empty egg-bag slots.
int CountBagEggs(const u16 bag[kAerieEggBagSlots]);
