// Every Garden message and reply code: the state it leaves, the topics it routes in order and the
// requests it sends, as tables; malformed bodies as a table of their own.
// Garden descriptions name only the fields a case sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <cstring>
#include <functional>

#include "GardenFixture.h"
#include "framework/core/ByteOrder.h"
#include "framework/widgets/ORVToolTip.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;
namespace L = garden_layout;

CGardenDataMgr& State() { return GetGardenDataMgr(); }

gb::GardenDesc OwnGarden()
{
    gb::GardenDesc g;
    g.guid = "me";
    g.display = "Me";
    g.info.wealth = 5000;
    g.info.level = 3;
    g.plots = {{.number = 1}, {.number = 2, .water = 1, .flags = 2 | 0x08}, {.number = 11, .soilLevel = 2}};
    g.plants = {{.id = 1, .plot = 1, .seconds = 28800}, {.id = 0, .plot = 2}, {.id = 2, .plot = 11, .seconds = 100}};
    // Level 3 allows plants 1, 2, 5 and 6 (list A, highest level first); 4 needs 8, 3 needs 5
    // (list B, lowest need first). Id 0 is skipped.
    g.plantList = {{4, 1}, {1, 2}, {0, 9}, {3, 1}, {5, 7}, {6, 2}, {2, 2}};
    return g;
}

std::vector<u16> PlantIds(const std::vector<u32>& list)
{
    std::vector<u16> ids;
    for (u32 e : list) ids.push_back(EntryId(e));
    return ids;
}

std::string Z(std::size_t n) { return std::string(n, '\0'); }
std::string Request(u16 sub, const std::string& body = "") { return gb::Packet(884, sub, body); }

struct Case {
    const char* name;
    std::vector<std::string> before;   // delivered first; their topics and requests are dropped
    std::string packet;
    std::vector<Topic> topics;
    std::vector<std::string> requests;
    std::function<void()> check;
    std::function<void()> setup;   // after the state's reset, before the packets
};

class GardenRepliesTest : public GardenStateTest {
protected:
    void Run(const std::vector<Case>& cases)
    {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            State().Reset();
            GetToolCardStore().Clear();
            if (c.setup) {
                c.setup();
            }
            for (const std::string& p : c.before) {
                Deliver(p);
            }
            TakeTopics();
            TakeRequests();
            Deliver(c.packet);
            EXPECT_EQ(TakeTopics(), c.topics);
            EXPECT_EQ(TakeRequests(), c.requests);
            if (c.check) {
                c.check();
            }
        }
    }
};

TEST_F(GardenRepliesTest, EnterGarden)
{
    gb::GardenDesc friendGarden = OwnGarden();
    friendGarden.guid = "pal";
    friendGarden.display = "Pal";
    friendGarden.info.wealth = 7;
    friendGarden.info.level = 9;
    const std::string own501 = gb::Enter501(OwnGarden());
    Run({
        {"own garden: both infos, plots, plants without id 0, sorted plant list, opened", {}, own501,
         {{275, 108, 0, ""}, {275, 100, 0, ""}}, {},
         [] {
             EXPECT_EQ(State().m_bOwnGarden, 1);
             EXPECT_EQ(State().m_bEntered, 1);
             EXPECT_STREQ(State().m_szOwnerGuid, "me");
             EXPECT_STREQ(State().m_szOwnerDisplay, "Me");
             EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 5000u);
             EXPECT_EQ(State().m_ShownInfo.U32(L::kInfoWealth), 5000u);
             EXPECT_EQ(State().m_Plots.Size(), 3u);
             EXPECT_EQ(State().m_Plants.Size(), 3u);   // keyed by plot; the id-0 plant is a record too
             EXPECT_EQ(PlantIds(State().m_vPlantList), (std::vector<u16>{5, 1, 6, 2, 3, 4}));
             EXPECT_EQ(State().m_vOwnPlantList, State().m_vPlantList);
             EXPECT_TRUE(State().IsPlantRipe(1));
             EXPECT_FALSE(State().IsPlantRipe(11));
             EXPECT_TRUE(State().IsSoilState2(2));
             EXPECT_TRUE(State().NeedsNoWater(1));
             EXPECT_FALSE(State().NeedsNoWater(2));
         }},
        {"a friend's garden leaves the own info and own plant list", {own501}, gb::Enter501(friendGarden),
         {{275, 108, 0, ""}, {275, 100, 0, ""}}, {},
         [] {
             EXPECT_EQ(State().m_bOwnGarden, 0);
             EXPECT_STREQ(State().m_szOwnerGuid, "pal");
             EXPECT_EQ(State().m_ShownInfo.U32(L::kInfoWealth), 7u);
             EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 5000u);
             EXPECT_EQ(PlantIds(State().m_vOwnPlantList), (std::vector<u16>{5, 1, 6, 2, 3, 4}));
             // Level 9 allows every plant: one list, highest level first, stable.
             EXPECT_EQ(PlantIds(State().m_vPlantList), (std::vector<u16>{5, 1, 6, 2, 4, 3}));
         }},
        {"first parameter 3: no opening, not entered", {}, gb::Enter501(OwnGarden(), 3),
         {{275, 108, 0, ""}, {275, 100, 0, ""}}, {}, [] { EXPECT_EQ(State().m_bEntered, 0); }},
        {"an unknown kind ends the walk: kind 7 behind it is not read", {},
         gb::Reply(501, gb::Item(11, "me") + gb::Item(99, "x") + gb::Item(7, gb::InfoBytes({.wealth = 9}))),
         {{275, 108, 0, ""}, {275, 100, 0, ""}}, {},
         [] { EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 0u); }},
    });
}

TEST_F(GardenRepliesTest, EnterOpensTheGameWindow)
{
    ORVMsg close(kMsgGardenTopic, kSysWndClose);
    CtrlMgr().RouteMessage(&close);
    ASSERT_EQ(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic), nullptr);
    Deliver(gb::Enter501(OwnGarden()));
    EXPECT_NE(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic), nullptr);
}

TEST_F(GardenRepliesTest, GardenUpdates)
{
    const std::string own = gb::Enter501(OwnGarden());
    Run({
        {"502: info, plot, plant, text with the plot number, erase", {own},
         gb::Reply(502, gb::Item(7, gb::InfoBytes({.wealth = 42})) + gb::Item(12, gb::PlotBytes({.number = 4, .water = 3})) +
                            gb::Item(13, gb::PlantBytes({.id = 3, .plot = 4})) + gb::Item(15, "hi") +
                            gb::Item(21, gb::U16(11)) + gb::Item(77, "skipped") + gb::Item(12, gb::PlotBytes({.number = 5})),
                   0, 4),
         {{275, 147, 4, "hi"}, {275, 100, 0, ""}}, {},
         [] {
             EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 42u);
             EXPECT_TRUE(State().NeedsNoWater(4));
             EXPECT_TRUE(State().HasPlant(4));
             EXPECT_FALSE(State().HasPlant(11));
             PlotRecord p;
             EXPECT_TRUE(State().GetPlot(5, p));
         }},
        {"503 own: wealth in both, then the seed bag request", {own}, gb::Reply(503, "", 777),
         {{275, 100, 0, ""}}, {Request(0x10)},
         [] { EXPECT_EQ(State().m_ShownInfo.U32(L::kInfoWealth), 777u); }},
        {"503 in a friend's garden: only the request", {gb::Enter501({.guid = "pal"})}, gb::Reply(503, "", 777), {},
         {Request(0x10)}, [] { EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 0u); }},
        {"504: nursery ids", {}, gb::Reply(504, gb::U16(3) + gb::U16(9) + "\x01"), {{275, 159, 0, ""}}, {},
         [] { EXPECT_EQ(State().m_vNursery, (std::vector<u16>{3, 9})); }},
        {"505: seed bag records at their stride", {},
         gb::Reply(505, gb::U16(7) + gb::U16(2) + "xx" + gb::U16(8) + gb::U16(5) + "yy", 0, 2, 6),
         {{275, 103, 0, ""}, {275, 156, 0, ""}}, {},
         [] {
             u32 e = 0;
             ASSERT_TRUE(State().FindSeedBagEntry(8, e));
             EXPECT_EQ(e >> 16, 5u);
         }},
        {"506: warehouse", {}, gb::Reply(506, gb::U16(7) + gb::U32(3) + gb::U32(1), 0, 1, 10),
         {{275, 145, 0, ""}}, {}, [] { EXPECT_EQ(State().m_vWarehouse.size(), 1u); }},
        {"507: harvest text per plot, then the warehouse request", {own},
         gb::Reply(507, gb::Item(12, gb::PlotBytes({.number = 2})) + gb::Item(3, "x"), 0, 6),
         {{275, 147, 2, "收获数量：6"}, {275, 100, 0, ""}}, {Request(0x11)}, nullptr},
        {"507 with an empty body", {}, gb::Reply(507), {{275, 100, 0, ""}}, {Request(0x11)}, nullptr},
        {"508: discovered", {}, gb::Reply(508, std::string("\0\1", 2), 0, 3, 5),
         {{275, 147, 3, "采摘时被人发现后逃跑，采摘数量：5"}}, {}, nullptr},
        {"508: with a card but no card used", {}, gb::Reply(508, "\1\1", 0, 3, 5), {{275, 147, 3, "采摘数量：5"}}, {}, nullptr},
        {"508: with a card and the card used: half of n picked, n got", {}, gb::Reply(508, "\1\1", 0, 3, 5),
         {{275, 147, 3, "采摘数量：2，由于使用幻影采摘卡，获得了5个果实"}}, {}, nullptr,
         [] { State().m_bStealCardUsed = 1; }},
        {"509: count, then 0 removes", {gb::Reply(506, gb::U16(7) + gb::U32(3) + gb::U32(1) + gb::U16(8) + Z(8), 0, 2, 10)},
         gb::Reply(509, std::string(1, '\0'), 0, 7, 0), {}, {},
         [] {
             ASSERT_EQ(State().m_vWarehouse.size(), 1u);
             EXPECT_EQ(State().m_vWarehouse[0].U16(L::kWareId), 8);
         }},
        {"510 of a bare header: the count's missing bytes are 0", {gb::Reply(506, gb::U16(7) + gb::U32(3) + Z(4), 0, 1, 10)},
         gb::Reply(510, "", 0, 7, 0x0005), {}, {},
         [] { EXPECT_EQ(State().m_vWarehouse[0].U32(L::kWareCount), 5u); }},
    });
}

TEST_F(GardenRepliesTest, ListsAndTexts)
{
    Run({
        {"511: value and text pairs", {}, gb::Reply(511, gb::Item(14, gb::U32(9)) + gb::Item(15, "a") + gb::Item(15, "b")),
         {{275, 163, 0, ""}}, {},
         [] {
             ASSERT_EQ(State().m_vReply511.size(), 2u);
             EXPECT_EQ(State().m_vReply511[1].m_dwValue, 9u);
             EXPECT_EQ(State().m_vReply511[1].m_strText, "b");
         }},
        {"512: friends sorted by display name, then guid", {},
         gb::Reply(512, gb::FriendBytes("g3", "bob") + gb::FriendBytes("g2", "amy") + gb::FriendBytes("g1", "bob"), 0, 3, 73),
         {{275, 134, 0, ""}}, {},
         [] {
             ASSERT_EQ(State().m_vFriends.size(), 3u);
             EXPECT_EQ(State().m_vFriends[0].Text(0, 36), "g2");
             EXPECT_EQ(State().m_vFriends[1].Text(0, 36), "g1");
             EXPECT_EQ(State().m_vFriends[2].Text(0, 36), "g3");
         }},
        {"524: strangers", {}, gb::Reply(524, gb::FriendBytes("s", "s"), 0, 1, 73), {{275, 134, 1, ""}}, {},
         [] { EXPECT_EQ(State().m_vStrangers.size(), 1u); }},
        {"513 and 517: ten-byte records, no topic", {}, gb::Reply(513, gb::U16(2) + Z(8), 0, 1, 10), {}, {},
         [] { EXPECT_EQ(State().m_vOwnedBackgrounds.size(), 1u); }},
        {"515: news cut at 1,023 bytes", {}, gb::Reply(515, std::string(1100, 'n') + std::string(1, '\0') + "b"),
         {{275, 151, 0, ""}}, {},
         [] {
             ASSERT_EQ(State().m_vNews.size(), 2u);
             EXPECT_EQ(State().m_vNews[0].size(), 1023u);
             EXPECT_EQ(State().m_vNews[1], "b");
         }},
        {"515 empty: cleared, no topic", {gb::Reply(515, "x")}, gb::Reply(515), {}, {},
         [] { EXPECT_TRUE(State().m_vNews.empty()); }},
        {"519: whole pairs, the incomplete one dropped", {}, gb::Reply(519, std::string("a\0b\0c\0d", 7)),
         {{276, 164, 0, ""}}, {},
         [] {
             ASSERT_EQ(State().m_vMessagePairs.size(), 1u);
             EXPECT_EQ(State().m_vMessagePairs[0].m_strSecond, "b");
         }},
        {"528: tasks of at least 6 bytes", {}, gb::Reply(528, gb::Item(25, gb::U16(1) + gb::U16(2) + gb::U16(3) + "do") + gb::Item(25, "short")),
         {{275, 161, 0, ""}}, {},
         [] {
             ASSERT_EQ(State().m_vTasks.size(), 1u);
             EXPECT_EQ(State().m_vTasks[0].m_strText, "do");
         }},
        {"530: count clamped to the body", {}, gb::Reply(530, Z(25), 0, 9), {}, {},
         [] { EXPECT_EQ(State().m_vReply530.size(), 2u); }},
        {"message 100 with an image code, routed only once news are held", {gb::Reply(515, "n")},
         gb::Packet(100, 0, std::string("line\0junk", 9), 2, 0, 256), {{275, 152, 0, ""}}, {},
         [] { EXPECT_EQ(State().m_vNoticeLines.back(), "\xFF\x9C line"); }},
    });
}

TEST_F(GardenRepliesTest, OwnInfoLevelUpAndFlags)
{
    const std::string own = gb::Enter501(OwnGarden());
    Run({
        {"520 about the garden on screen", {own}, gb::Reply(520, gb::Item(11, "me") + gb::Item(7, gb::InfoBytes({.wealth = 3}))),
         {{275, 100, 0, ""}}, {}, [] { EXPECT_EQ(State().m_ShownInfo.U32(L::kInfoWealth), 3u); }},
        {"520 while a friend's garden is shown", {gb::Enter501({.guid = "pal"})},
         gb::Reply(520, gb::Item(11, "me") + gb::Item(7, gb::InfoBytes({.wealth = 3}))), {}, {},
         [] {
             EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 3u);
             EXPECT_EQ(State().m_ShownInfo.U32(L::kInfoWealth), 0u);
         }},
        // Plots (5) and plants (8) pass whole, record size and records, to the item behind them.
        {"525: plots passed whole, kind 7 read", {},
         gb::Reply(525, gb::Item(11, "me") + gb::Counted(5, 17, {Z(17)}) + gb::Item(7, gb::InfoBytes({.wealth = 8}))),
         {}, {}, [] { EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 8u); }},
        {"525: plants passed whole, kind 7 read", {},
         gb::Reply(525, gb::Counted(8, 86, {Z(86), Z(86)}) + gb::Item(7, gb::InfoBytes({.wealth = 8}))),
         {}, {}, [] { EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 8u); }},
        {"526: options", {}, gb::Reply(526, gb::U16(2) + gb::U32(50) + gb::U16(6) + gb::U16(3)), {{275, 126, 0, ""}}, {},
         [] { EXPECT_EQ(State().m_LevelUp.U16(L::kLevelUpPlantId), 6); }},
        {"527 of 30 bytes copies 9 and levels the own plant", {own},
         gb::Reply(527, gb::U16(6) + "x" + gb::U16(5) + std::string(13, 'z')), {{275, 129, 0, ""}}, {},
         [] {
             EXPECT_EQ(State().GetOwnPlantLevel(6), 5);
             EXPECT_EQ(State().m_LevelResult.m_Bytes[8], 'z');
         }},
        {"522, 537", {}, gb::Reply(522, "", 0, 7), {}, {}, [] { EXPECT_EQ(State().m_wReply522, 7); }},
        {"537", {}, gb::Reply(537, "", 0, 1), {}, {}, [] { EXPECT_EQ(State().m_bReply537, 1); }},
        {"unlisted codes are ignored", {}, gb::Reply(514, "x"), {}, {}, nullptr},
    });
}

// Reads the record of topic 110 while the topic is handled.
std::string g_strNotice;
class CNoticeWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CNoticeWnd)
public:
    bool ProcessMessage(ORVMsg* msg) override
    {
        if (msg->m_nId == kMsgGardenTopic && msg->m_wParam == TOPIC_SERVER_NOTICE) {
            g_strNotice.assign(reinterpret_cast<const char*>(SenderAsValue(*msg)), 12);
        }
        return CORVWindow::ProcessMessage(msg);
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CNoticeWnd, CORVWindow)

TEST_F(GardenRepliesTest, ServerNoticeRecordRidesInTheSenderField)
{
    ScopedSystemWindowRecord notice(kMsgGardenTopic, ORV_RUNTIME_CLASS(CNoticeWnd));
    CtrlMgr().DestroyWindowTree();
    OpenWindows();
    Deliver(gb::Reply(535, "", 0x01020304, 5, 6));
    EXPECT_EQ(g_strNotice, gb::U32(0x01020304) + gb::U16(275) + gb::U16(150) + gb::U16(5) + gb::U16(6));
}

TEST_F(GardenRepliesTest, WeatherPeriods)
{
    m_Fake.m_nZoneSeconds = 8 * 3600;
    // 2024-01-01 14:00:00 local (06:00 UTC): periods end 22:00, 06:00, 14:00, 22:00.
    const std::int64_t t = 1704088800;
    std::string body = gb::U32(static_cast<u32>(t)) + gb::U32(0);
    for (int i = 0; i < 4; ++i) {
        body += gb::U16(i == 1 ? 9 : static_cast<u16>(i)) + gb::U16(5) + gb::U16(3) + gb::U16(static_cast<u16>(-2));
    }
    Deliver(gb::Reply(521, body));
    const WeatherPeriod* w = State().m_Weather;
    EXPECT_EQ(w[0].m_nStart, t);
    EXPECT_EQ(w[0].m_tmStart.tm_hour, 14);
    EXPECT_EQ(w[0].m_tmEnd.tm_hour, 22);
    EXPECT_EQ(w[1].m_tmEnd.tm_hour, 6);
    EXPECT_EQ(w[1].m_tmEnd.tm_mday, 2);
    EXPECT_EQ(w[3].m_nEnd, w[0].m_nEnd + 3 * 28800);
    EXPECT_EQ(w[1].m_wKind, 0);   // 9 is stored as 0
    EXPECT_EQ(w[2].m_nTemperature, -2);
    EXPECT_EQ(w[3].m_nForecast, 3);
    // A time that cannot be converted, or one not positive, moves no period; the values still arrive.
    for (const std::int64_t bad : {std::int64_t{0x7FFFFFFFFFFFFFF0}, std::int64_t{-5}, std::int64_t{0}}) {
        std::string b = gb::U32(static_cast<u32>(bad)) + gb::U32(static_cast<u32>(static_cast<std::uint64_t>(bad) >> 32));
        for (int i = 0; i < 4; ++i) b += gb::U16(4) + Z(6);
        Deliver(gb::Reply(521, b));
        EXPECT_EQ(w[0].m_nStart, t);
        EXPECT_EQ(w[0].m_wKind, 4);
    }
    Deliver(gb::Reply(521, body + "x"));   // not exactly 52 bytes: ignored
    EXPECT_EQ(w[0].m_wKind, 4);
}

TEST_F(GardenRepliesTest, PickSkillNoticeFormatsWithoutDividingByZero)
{
    Deliver(gb::Reply(529, "", 0, 1));
    const auto& tips = CAutoTip::GetSingleton().GetTips();
    ASSERT_FALSE(tips.empty());
    EXPECT_EQ(StaminaRecoveryPercent(*GetXmlGardenMgr().GetStealRow(2), *GetXmlGardenMgr().GetStealRow(1)), 120);
    CStealConfig zero;
    zero.m_nStrengthDaily = 0;
    EXPECT_EQ(StaminaRecoveryPercent(zero, zero), 0);
    EXPECT_EQ(HoursPerStaminaPoint(zero), 0.0);
    const std::size_t before = tips.size();
    Deliver(gb::Reply(529, "", 0, 3));   // level 4: no row
    EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), before);
}

TEST_F(GardenRepliesTest, MessagesBesideTheReplies)
{
    GetLoginInfo().strEnterGuidName = "pal";
    SetPlayerName("x");
    Deliver(gb::Packet(52, 0, std::string(8, '\0') + "me"));
    EXPECT_EQ(GetLoginInfo().m_PlayerInfo.Name(), "me");
    Deliver(gb::Packet(1016, 0, std::string("a\0b\0", 4)));
    Deliver(gb::Packet(1016, 0, std::string("a\0b", 3)));      // the second text without its NUL
    Deliver(gb::Packet(1016, 0, std::string("a\0b\0", 4), 0, 1));
    SendEnterGarden("", 0, kRefreshGarden);
    EXPECT_EQ(TakeRequests(), (std::vector<std::string>{Request(4, "pal"), Request(4, "b"), gb::Packet(884, 4, "", 0, 1)}));
    Deliver(gb::Packet(433, 0, gb::U16(2) + gb::U16(8) + "yo"));
    EXPECT_EQ(GetLoginInfo().m_PlayerInfo.Name(), "yo");
    const std::size_t tips = CAutoTip::GetSingleton().GetTips().size();
    Deliver(gb::Packet(2812, 0, gb::U16(2) + gb::U16(1) + "x" + gb::U16(1) + gb::U16(2) + "ok" + gb::U16(1) + gb::U16(9) + "cut"));
    EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + 1);
    // 885: a whole tip stream goes to the floating tips; one running past its body is dropped.
    std::string tip = gb::U32(100) + gb::U16(1) + std::string(1, '\0');
    tip += gb::U32(0xFFFFFFFF) + gb::U16(12) + std::string(1, '\1') + "tip" + std::string(1, '\0');
    Deliver(gb::Packet(885, 0, tip));
    EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + 2);
    Deliver(gb::Packet(885, 0, tip.substr(0, tip.size() - 3)));
    EXPECT_EQ(CAutoTip::GetSingleton().GetTips().size(), tips + 2);
    Deliver(gb::Packet(0, 0, "x"));
    Deliver(gb::Packet(884, 501, "").substr(0, 11));
    EXPECT_TRUE(TakeTopics().empty());
}

TEST_F(GardenRepliesTest, MalformedBodiesKeepWhatIsHeld)
{
    Deliver(gb::Enter501(OwnGarden()));
    TakeTopics();
    struct Bad {
        const char* name;
        std::string packet;
    };
    const Bad cases[] = {
        {"501 item past the body", gb::Reply(501, gb::U16(7) + gb::U16(500) + "abc", 0, 1)},
        {"501 counted list with a huge count", gb::Reply(501, gb::U16(5) + gb::U16(60000) + gb::U16(17) + Z(20), 0, 1)},
        {"501 counted list of size 0", gb::Reply(501, gb::U16(8) + gb::U16(3) + gb::U16(0), 0, 1)},
        {"505 count past the body", gb::Reply(505, Z(5), 0, 100, 4)},
        {"512 size 0", gb::Reply(512, Z(10), 0, 3, 0)},
        {"516 broken zlib", gb::Reply(516, "not zlib")},
        {"521 short", gb::Reply(521, Z(10))},
        {"527 bare", gb::Reply(527)},
    };
    for (const Bad& b : cases) {
        SCOPED_TRACE(b.name);
        Deliver(b.packet);
    }
    EXPECT_EQ(State().m_OwnInfo.U32(L::kInfoWealth), 5000u);
    EXPECT_STREQ(State().m_szOwnerGuid, "me");
}

TEST_F(GardenRepliesTest, RankingsKeepEveryRecordInServerOrder)
{
    Deliver(gb::Ranking516(100, 500));
    EXPECT_EQ(State().m_vRank1.size(), 100u);
    EXPECT_EQ(State().m_vRank4.size(), 100u);
    ASSERT_EQ(State().m_vRankRecords.size(), 500u);
    const RankRecord* r = State().FindRanking("p7");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->m_Bytes[L::kRankRecordByte], 7);   // 0 takes byte 1 of the word at 0
    EXPECT_EQ(State().m_vRankRecords[499].Text(L::kRankRecordName, 36), "p499");
}

}  // namespace
}  // namespace orv::test
