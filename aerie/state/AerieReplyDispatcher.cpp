// The reply dispatcher: decodes one server message (dispatch on the sub id, inflating the two
// compressed kinds), applies its data items to the own or the visited city or to the store, and
// announces every change to the windows as game events.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include <zlib.h>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/NetMsgHeader.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/DragIcon.h"
#include "framework/core/ORVCallBack.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "platform/Platform.h"

using namespace aerie_layout;

namespace {

constexpr int kMinMessageSize = 8;          // enough for the sub id
constexpr std::size_t kNoticeBufferSize = 128;
constexpr std::size_t kMaxListText = 1023;
constexpr u16 kLastItemKind = 14;

// The full city data: its header, then up to a scratch buffer's worth of inflated items.
unsigned char g_CityMessage[kNetMsgHeaderSize + kScratchBufferSize];

const unsigned char* Bytes(const char* p)
{
    return reinterpret_cast<const unsigned char*>(p);
}

// Inflates the body of a message (after its header) into dest of kScratchBufferSize bytes; the
// inflated length, or 0 when zlib reports anything but success (a corrupt stream, or data that
// would not fit).
bool InflateBody(const char* buf, int len, unsigned char* dest, unsigned long* inflated)
{
    const bool hasBody = len > kNetMsgHeaderSize;
    *inflated = kScratchBufferSize;
    const int rc = UncompressBuffer(dest, inflated, hasBody ? Bytes(buf) + kNetMsgHeaderSize : Bytes(buf),
                                    hasBody ? static_cast<unsigned long>(len - kNetMsgHeaderSize) : 0);
    if (rc != Z_OK) {
        DebugLog("Error,Aerie message %u cannot be inflated (%d): dropped\n", NetMsgHeader::Read(buf, len).m_wSubId,
                 rc);
        return false;
    }
    return true;
}

// Sets bytes [0, n) of a u16 array from value bytes, little-endian, leaving the rest.
void PatchLE16Array(u16* dst, std::size_t count, const unsigned char* value, std::size_t n)
{
    n = std::min(n, count * 2);
    for (std::size_t i = 0; i < n; ++i) {
        u16& w = dst[i / 2];
        w = (i % 2 == 0) ? static_cast<u16>((w & 0xFF00) | value[i]) : static_cast<u16>((w & 0x00FF) | value[i] << 8);
    }
}

}  // namespace

void CAerieDataMgr::MarkTouched(const CAerieCityData& city)
{
    m_byTouched |= &city == &m_OwnCity ? 1 : 2;
}

void CAerieDataMgr::ApplyDataItems(const char* buf, int len)
{
    if (buf == nullptr || len <= kNetMsgHeaderSize) {
        return;
    }
    ParseDataItems(Bytes(buf) + kNetMsgHeaderSize, static_cast<std::size_t>(len - kNetMsgHeaderSize), m_vItems);
    const u32 now = orv::platform::Get().GetTickCount();
    m_bBuildingChanged = false;
    for (const NetDataItem& item : m_vItems) {
        ApplyItem(item, buf, len, now);
    }
    if (m_bBuildingChanged) {
        m_bBuildingChanged = false;
        PostGameEvent(EVT_BUILDINGS_CHANGED);
    }
}

void CAerieDataMgr::ApplyItem(const NetDataItem& item, const char* buf, int len, u32 now)
{
    if (item.m_wKind > kLastItemKind) {
        return;
    }
    // Evaluated per item: a kind-0 item may have just named the own player.
    CAerieCityData& city = GetCityOfMessage(buf, len);
    const unsigned char* v = item.m_pValue;
    const std::size_t n = item.m_wLen;
    switch (item.m_wKind) {
    case 0: {
        const std::string_view name = CountedText(v, n);
        if (name == GetOwnPlayerName()) {
            m_dwOwnPlayerId = ReadLE32(Bytes(buf));
            m_bShowOwn = 1;
            m_OwnCity.m_strOwnerName.assign(name);
        } else {
            m_bShowOwn = 0;
            m_VisitedCity.m_strOwnerName.assign(name);
            char notice[kNoticeBufferSize];
            ShowGameNotice(BoundedPrintf(notice, sizeof notice, "您已进入到%s的琉璃台",
                                         m_VisitedCity.m_strOwnerName.c_str()));
        }
        m_bEntered = 1;
        break;
    }
    case 1:
        city.SetOwnerRecord(v, n);
        break;
    case 2: {
        if (n < 3 || ReadLE16(v) >= kAerieBuildingSlots) {
            break;
        }
        const u16 slot = ReadLE16(v);
        AerieBuildingSlot& b = city.m_aBuildings[slot];
        u16 fields[2] = {b.m_wId, b.m_wLevel};
        PatchLE16Array(fields, 2, v, n);
        b.m_wId = fields[0];
        b.m_wLevel = fields[1];
        b.m_pConfig = CXmlAerieMgr::GetSingleton()->FindBuilding(b.m_wId);
        m_bBuildingChanged = true;
        break;
    }
    case 3: {
        if (n < 3) {
            break;
        }
        AerieTechEntry& t = city.m_mapTech[ReadLE16(v)];
        u16 fields[2] = {t.m_wId, t.m_wLevel};
        PatchLE16Array(fields, 2, v, n);
        t.m_wId = fields[0];
        t.m_wLevel = fields[1];
        t.m_pConfig = CXmlAerieMgr::GetSingleton()->FindScience(t.m_wId);
        break;
    }
    case 4:
        if (n >= 2) {
            city.m_mapGroupSkills[ReadLE16(v)].Update(v, n);
            m_bRecompute = 1;
        }
        break;
    case 5:
        if (n >= 2) {
            city.m_mapMonsters[ReadLE16(v)].Update(v, n, now);
            m_bRecompute = 1;
        }
        break;
    case 6:
        std::memcpy(city.m_Beast, v, std::min(n, kBeastSize));
        MarkTouched(city);
        DeliverGameEvent(EVT_BEAST_CHANGED);
        return;
    case 7:
        std::memcpy(city.m_szText, v, std::min(n, sizeof city.m_szText));
        break;
    case 8:
        PatchLE16Array(m_awEggBag, kAerieEggBagSlots, v, n);
        break;
    case 9:
        city.m_Incubators.Rebuild(v, n, now);
        MarkTouched(city);
        DeliverGameEvent(EVT_INCUBATORS_CHANGED);
        return;
    case 10:
        if (n >= 2) {
            m_NewMonster.Update(v, n, now);
        }
        break;
    case 11:
        if (n >= 3 && ReadLE16(v) < 3) {
            city.SetWorkState(v, n, now);
            MarkTouched(city);
            PostMissionAndCityChanged();
            return;
        }
        break;
    case 12: {
        for (std::size_t i = 0; i < kRankListCount; ++i) {
            m_awRankToday[i] = ReadLE16At(v, n, 6 * i);
            m_awRankWeek[i] = ReadLE16At(v, n, 6 * i + 2);
            m_awRankLastWeek[i] = ReadLE16At(v, n, 6 * i + 4);
        }
        break;
    }
    case 13:
        city.m_FightMissions.Update(v, n, now);
        MarkTouched(city);
        PostMissionAndCityChanged();
        return;
    case 14: {
        m_vTexts.clear();
        std::size_t pos = 0;
        while (pos < n) {
            const std::string_view text = CountedText(v + pos, n - pos);
            m_vTexts.emplace_back(text.substr(0, kMaxListText));
            pos += text.size() + 1;
        }
        break;
    }
    default:
        break;
    }
    MarkTouched(city);
}

void CAerieDataMgr::ApplyCompressedCity(const char* buf, int len)
{
    // A city message handed over inside another one's events gets a buffer of its own.
    std::unique_ptr<unsigned char[]> nested;
    unsigned char* city = g_CityMessage;
    if (m_nRecvDepth > 1) {
        nested = std::make_unique<unsigned char[]>(sizeof g_CityMessage);
        city = nested.get();
    }
    unsigned long inflated = 0;
    if (!InflateBody(buf, len, city + kNetMsgHeaderSize, &inflated)) {
        return;
    }
    std::memcpy(city, buf, kNetMsgHeaderSize);
    ApplyDataItems(reinterpret_cast<const char*>(city), static_cast<int>(kNetMsgHeaderSize + inflated));
    DeliverGameEvent(EVT_OPEN_GAMEWND);
    if (m_bEntered) {
        m_bEntered = 0;
        DeliverGameEvent(EVT_CITY_ENTERED);
        DeliverGameEvent(EVT_CITY_ENTERED_BEASTS);
        DeliverGameEvent(EVT_NOTICE_CHECK);
    }
    FinishMessage();
}

void CAerieDataMgr::ApplyMainMissions(const char* buf, int len)
{
    unsigned long inflated = 0;
    auto* scratch = reinterpret_cast<unsigned char*>(g_ScratchBuffer);
    if (!InflateBody(buf, len, scratch, &inflated)) {
        return;
    }
    // One mission per key (a key named again goes on filling its mission), in key order.
    std::map<u32, AerieMainMission> missions;
    ParseDataItems(scratch, inflated, m_vItems);
    AerieMainMission* current = nullptr;
    for (const NetDataItem& item : m_vItems) {
        const std::string_view text(reinterpret_cast<const char*>(item.m_pValue), item.m_wLen);
        if (item.m_wKind == 0) {
            current = nullptr;
            if (item.m_wLen >= 4) {
                const u32 key = ReadLE32(item.m_pValue);
                current = &missions[key];
                current->m_dwKey = key;
            }
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        switch (item.m_wKind) {
        case 1:
            current->m_strName.assign(text);
            break;
        case 2:
            current->m_strGoal.assign(text);
            break;
        case 3:
            current->m_strDescription.assign(text);
            break;
        case 4:
            current->m_dwExperience = ReadLE32At(item.m_pValue, item.m_wLen, 0);
            break;
        case 5:
            current->m_dwReward = ReadLE32At(item.m_pValue, item.m_wLen, 0);
            break;
        case 6:
            current->m_strStatus.assign(text);
            break;
        default:
            break;
        }
    }
    m_vMainMissions.clear();
    for (auto& entry : missions) {
        m_vMainMissions.push_back(std::move(entry.second));
    }
    // The unclaimed ones before all others (the status read up to its first NUL, as the mission
    // page reads it).
    std::stable_partition(m_vMainMissions.begin(), m_vMainMissions.end(), [](const AerieMainMission& m) {
        return CountedText(m.m_strStatus.data(), m.m_strStatus.size()) == "未领奖";
    });
    DeliverGameEvent(EVT_MAINMISSION_LIST);
    FinishMessage();
}

void CAerieDataMgr::ApplyRankLists(const unsigned char* body, std::size_t len)
{
    for (u16 list = 0; list < kRankListCount; ++list) {
        m_mapRankLists[list].clear();
    }
    ParseDataItems(body, len, m_vItems);
    for (const NetDataItem& item : m_vItems) {
        if (item.m_wKind >= kRankListCount) {
            continue;
        }
        AerieRankEntry& e = m_mapRankLists[item.m_wKind].emplace_back();
        std::memcpy(e.m_Data, item.m_pValue, std::min<std::size_t>(item.m_wLen, kRankEntrySize));
    }
}

void CAerieDataMgr::ApplyFightHeader(const char* buf, int len)
{
    CAerieCityData& city = GetCityOfMessage(buf, len);
    const auto* body = Bytes(buf) + kNetMsgHeaderSize;
    const std::size_t n = len > kNetMsgHeaderSize ? static_cast<std::size_t>(len - kNetMsgHeaderSize) : 0;
    for (std::size_t i = 0; i < 4; ++i) {
        city.m_FightMissions.m_adwHeader[i] = ReadLE32At(body, n, 4 * i);
    }
    PostGameEvent(EVT_FIGHT_TABLE_CHANGED);
}

void CAerieDataMgr::FinishMessage()
{
    if (m_bRecompute) {
        m_byTouched |= m_bShowOwn ? 1 : 2;
    }
    for (CAerieCityData* city : {&m_OwnCity, &m_VisitedCity}) {
        const u8 bit = city == &m_OwnCity ? 1 : 2;
        if ((m_byTouched & bit) == 0) {
            continue;
        }
        if (m_bRecompute) {
            city->RecomputeGroups();
        }
        city->RefreshGroupTexts();
    }
    m_bRecompute = 0;
    m_byTouched = 0;
}

void CAerieDataMgr::OnRecv(const char* buf, int len)
{
    if (buf == nullptr || len < kMinMessageSize) {
        if (buf != nullptr) {
            DebugLog("Error,Aerie message of %d bytes dropped\n", len);
        }
        return;
    }
    if (m_nRecvDepth > 0) {
        // A message applied from inside another one's events (the library's boundary holds what
        // the host hands over meanwhile, so only code inside the library can get here). The outer
        // message's items and pending work stay where they are; this one starts clean, and what
        // it leaves pending joins the outer's.
        std::vector<NetDataItem> outerItems;
        outerItems.swap(m_vItems);
        const u8 outerTouched = m_byTouched;
        const bool outerBuildingChanged = m_bBuildingChanged;
        const u8 outerRecompute = m_bRecompute;
        const u8 outerEntered = m_bEntered;
        m_bRecompute = 0;
        m_bEntered = 0;
        ++m_nRecvDepth;
        Dispatch(buf, len);
        --m_nRecvDepth;
        m_vItems.swap(outerItems);
        m_byTouched = outerTouched;
        m_bBuildingChanged = outerBuildingChanged;
        m_bRecompute |= outerRecompute;
        m_bEntered |= outerEntered;
        return;
    }
    ++m_nRecvDepth;
    Dispatch(buf, len);
    --m_nRecvDepth;
}

void CAerieDataMgr::Dispatch(const char* buf, int len)
{
    const NetMsgHeader h = NetMsgHeader::Read(buf, len);
    const auto* body = Bytes(buf) + std::min(len, kNetMsgHeaderSize);
    const std::size_t bodyLen = len > kNetMsgHeaderSize ? static_cast<std::size_t>(len - kNetMsgHeaderSize) : 0;
    m_byTouched = 0;
    switch (h.m_wSubId) {
    case 0:
        ApplyCompressedCity(buf, len);
        return;
    case 35:
        ApplyMainMissions(buf, len);
        return;
    case 1: case 2: case 3: case 20: case 22: case 24: case 25: case 26: case 36:
    case 104: case 106: case 107: case 110: case 116: case 119: case 121: case 1000:
        ApplyDataItems(buf, len);
        break;
    case 6:
        if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
            mgr->m_MainWnd.CloseGame();
        }
        break;
    case 21:
        ApplyDataItems(buf, len);
        PostGameEvent(EVT_MONSTER_NOTICE, 0, std::string(4, '\0'));
        break;
    case 23:
        ApplyDataItems(buf, len);
        GetDragIcon().m_bDragging = 0;
        GetDragIcon().m_nSource = -1;
        break;
    case 27:
        PostGameEvent(EVT_GETMONSTER_WND, 0);
        m_NewMonster.Clear();
        ApplyDataItems(buf, len);
        break;
    case 28:
        PostGameEvent(EVT_GETMONSTER_WND, 0);
        m_NewMonster.Clear();
        break;
    case 29: case 31:
        ApplyDataItems(buf, len);
        PostMissionAndCityChanged();
        break;
    case 30:
        ApplyDataItems(buf, len);
        PostMissionAndCityChanged();
        PostGameEvent(EVT_AWARDREFRESH_DATA, h.m_wParam2);
        break;
    case 32:
        ApplyFightHeader(buf, len);
        break;
    case 33:
        ApplyDataItems(buf, len);
        DebugLog("领取资源地升级的奖励\n");
        break;
    case 34:
        ApplyDataItems(buf, len);
        PostMissionAndCityChanged();
        DebugLog("领取资源地升级的奖励\n");
        break;
    case 37:
        if (h.m_wParam1 == 1) {
            DeliverGameEvent(EVT_SPEEDUP_ANSWER);
        }
        ApplyDataItems(buf, len);
        break;
    case 101:
        DeliverGameEvent(EVT_CLOSE_GAMEWND);
        DeliverFrameworkMsg(ORV_MSG_CHOOSEBEAST, kSysWndOpen);
        break;
    case 105:
        FillRecordList(m_vBeasts, body, bodyLen, h.m_wParam2);
        DeliverGameEvent(EVT_BEAST_LIST);
        break;
    case 108:
        ApplyDataItems(buf, len);
        ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(
            ORVMsg(ORV_MSG_GAMEWND, EVT_HIRE_HELPER_OK, h.m_wParam1, std::string()),
            ORVMsg(ORV_MSG_GAMEWND, EVT_HIRE_HELPER_CANCEL, h.m_wParam1, std::string()),
            "你是否要雇佣其他玩家来帮助你孵化？\n\n雇佣玩家可减少1小时孵化时间哦，雇佣的玩家人气越高，防盗时间越长，"
            "同时有高概率孵化出高属性怪物");
        break;
    case 109:
        PostGameEvent(EVT_GETMONSTER_WND, 1);
        ApplyDataItems(buf, len);
        break;
    case 112:
        FillRecordList(m_vSlaves, body, bodyLen, h.m_wParam2);
        DeliverGameEvent(EVT_SLAVE_LIST);
        break;
    case 113:
        ApplyDataItems(buf, len);
        DeliverGameEvent(EVT_SLAVE_HIRED);
        break;
    case 117:
        FillRecordList(m_vFriends, body, bodyLen, h.m_wParam2);
        SortFriendsByFlags(m_vFriends);
        DeliverGameEvent(EVT_FRIEND_LIST);
        break;
    case 120:
        ApplyRankLists(body, bodyLen);
        break;
    case 201:
        if (const std::string_view notice = CountedText(body, bodyLen); !notice.empty()) {
            ShowGameNotice(notice);
        }
        break;
    case 205:
        ApplyDataItems(buf, len);
        PostGameEvent(EVT_EXCHANGE_WND);
        break;
    default:
        break;
    }
    FinishMessage();
}
