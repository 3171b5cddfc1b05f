// The reply dispatcher: item splitting, each reply's effect and events, compressed envelopes,
// city attribution, and the bounds on every field the server fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "aerie/state/AerieEvents.h"
#include "aerie/state/NetMsgHeader.h"
#include "framework/core/DragIcon.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "aerie/state/AerieStartup.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ScriptedServer.h"

namespace orv::test {
namespace {

using namespace aerie_layout;

TEST(ParseDataItems, ItemsEndAtAZeroLengthAShortTailOrAnOverrun)
{
    struct Case {
        const char* what;
        std::string body;
        std::vector<std::pair<u16, std::string>> items;
    };
    const Case cases[] = {
        {"ABC then a zero-length header", std::string("\x01\x00\x03\x00" "ABC" "\x00\x00", 9), {{1, "ABC"}}},
        {"two items", Item(2, "ab") + Item(7, "c"), {{2, "ab"}, {7, "c"}}},
        {"a value past the end is not kept", Item(2, "ab") + LE16(3) + LE16(9) + "xyz", {{2, "ab"}}},
        {"fewer than 4 bytes left", Item(2, "ab") + "\x05\x00\x01", {{2, "ab"}}},
        {"a zero length ends the list", Item(2, "ab") + LE16(4) + LE16(0) + Item(5, "zz"), {{2, "ab"}}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        const std::vector<unsigned char> body = ExactBytes<unsigned char>(c.body);
        std::vector<NetDataItem> out(3);
        EXPECT_EQ(ParseDataItems(body.data(), body.size(), out), static_cast<int>(c.items.size())) << c.what;
        ASSERT_EQ(out.size(), c.items.size()) << c.what;
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_EQ(out[i].m_wKind, c.items[i].first) << c.what;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(out[i].m_pValue), out[i].m_wLen), c.items[i].second)
                << c.what;
        }
    }
}

class AerieRecvTest : public AerieTest {
protected:
    // Enters the own city and forgets the topics of the entry.
    void EnterAndClear(const std::string& items = std::string())
    {
        EnterOwnCity(items);
        ASSERT_NE(GameWnd(), nullptr);
        GameWnd()->m_nTopics = 0;
    }
    std::vector<u32> TakeTopics()
    {
        std::vector<u32> t = GameTopics();
        if (GameWnd() != nullptr) {
            GameWnd()->m_nTopics = 0;
        }
        return t;
    }
};

TEST_F(AerieRecvTest, EnteringTheOwnCityOpensTheGameAndTellsItInOrder)
{
    EnterOwnCity(Item(1, RecordBytes(67).U32(kOwnerCoins, 1234)) + Item(2, LE16(3) + LE16(4)));
    ASSERT_NE(GameWnd(), nullptr);
    EXPECT_EQ(GameTopics(), (std::vector<u32>{3, 29, 5}));
    EXPECT_EQ(Store().m_dwOwnPlayerId, kOwnId);
    EXPECT_TRUE(Store().IsShowingOwnCity());
    EXPECT_EQ(Store().m_bEntered, 0);
    // Items after the kind-0 item land in the own record although the own id was 0 before.
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 1234u);
    EXPECT_EQ(Store().m_OwnCity.m_aBuildings[3].m_wLevel, 4);
    EXPECT_EQ(Store().m_OwnCity.m_strOwnerName, "me");
    EXPECT_EQ(Store().m_VisitedCity.GetCoins(), 0u);
    // The buildings item posts topic 59 for the next frame.
    Frame();
    EXPECT_EQ(TakeTopics(), (std::vector<u32>{3, 29, 5, 59}));
}

TEST_F(AerieRecvTest, ALongVisitedOwnerNameIsCutOnAWholeCharacter)
{
    // 117 bytes are left for the name: 58 two-byte characters and the lead byte of the 59th.
    std::string name;
    for (int i = 0; i < 60; ++i) {
        name += "中";
    }
    EnterAndClear();
    Recv(Compressed(kOtherId, 0, Item(0, name)));
    ASSERT_EQ(Tips().size(), 1u);
    EXPECT_EQ(Tips()[0], std::string("您已进入到") + name.substr(0, 116));
}

TEST_F(AerieRecvTest, VisitingAnotherCityNotifiesAndKeepsOwnMessagesOnTheOwnRecord)
{
    EnterAndClear();
    Recv(Compressed(kOtherId, 0, Item(0, "other") + Item(1, RecordBytes(67).U32(kOwnerCoins, 77))));
    EXPECT_FALSE(Store().IsShowingOwnCity());
    EXPECT_EQ(Store().m_VisitedCity.m_strOwnerName, "other");
    EXPECT_EQ(Store().m_VisitedCity.GetCoins(), 77u);
    EXPECT_EQ(&Store().GetShownCity(), &Store().m_VisitedCity);
    EXPECT_EQ(Tips(), std::vector<std::string>{"您已进入到other的琉璃台"});
    // A long name is cut so that the notice keeps within its 128 bytes.
    ClearTips();
    Recv(Compressed(kOtherId, 0, Item(0, std::string(300, 'n'))));
    ASSERT_EQ(Tips().size(), 1u);
    EXPECT_EQ(Tips()[0], std::string("您已进入到") + std::string(127 - 10, 'n'));
    Recv(Compressed(kOtherId, 0, Item(0, "other")));
    // While visiting, a message about the own city still changes the own record.
    Recv(Message(kOwnId, 1, Item(1, RecordBytes(67).U32(kOwnerCoins, 5))));
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 5u);
    EXPECT_EQ(Store().m_VisitedCity.GetCoins(), 77u);
}

TEST_F(AerieRecvTest, AttributionOfShortAndUnknownMessages)
{
    EXPECT_EQ(&Store().GetCityOfMessage(nullptr, 0), &Store().m_OwnCity);
    const std::string eight = Header(kOtherId, 1).substr(0, 8);
    EXPECT_EQ(&Store().GetCityOfMessage(eight.data(), 8), &Store().m_OwnCity);
    const std::string zero = Header(0, 1);
    const std::string other = Header(kOtherId, 1);
    EXPECT_EQ(&Store().GetCityOfMessage(zero.data(), 12), &Store().m_OwnCity);
    EXPECT_EQ(&Store().GetCityOfMessage(other.data(), 12), &Store().m_VisitedCity);
}

TEST_F(AerieRecvTest, CompressedCityDataThatIsCorruptOrTooLargeChangesNothing)
{
    EnterAndClear();
    Store().m_bRecompute = 1;
    const std::string big = Item(1, RecordBytes(67).U32(0, 99)) + std::string(200000, '\0');
    std::string corrupt = Compressed(kOwnId, 0, Item(1, RecordBytes(67).U32(0, 98)));
    corrupt[corrupt.size() - 3] ^= 0x55;
    for (const std::string& msg : {Compressed(kOwnId, 0, big), corrupt, Header(kOwnId, 0) + "junk",
                                   Header(kOwnId, 0), Header(kOwnId, 35) + "junk"}) {
        Recv(msg);
    }
    Frame();
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 0u);
    EXPECT_TRUE(GameTopics().empty());
    EXPECT_EQ(Store().m_bRecompute, 1) << "a dropped message runs no recompute";
}

TEST_F(AerieRecvTest, CompressedCityDataFillingTheWholeBufferIsAccepted)
{
    const std::string head = Item(0, "me") + Item(1, RecordBytes(67).U32(0, 42));
    std::string body = head + LE16(7) + LE16(62) + std::string(62, 'x');
    // Pad with whole items up to exactly the buffer's size.
    while (body.size() + 4 + 1000 <= kScratchBufferSize) {
        body += Item(15, std::string(1000, 'p'));
    }
    body += Item(15, std::string(kScratchBufferSize - body.size() - 4, 'q'));
    ASSERT_EQ(body.size(), kScratchBufferSize);
    Recv(Compressed(kOwnId, 0, body));
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 42u);
    EXPECT_EQ(GameTopics(), (std::vector<u32>{3, 29, 5}));
}

TEST_F(AerieRecvTest, ShortMessagesAreIgnoredAndRunNoRecompute)
{
    EnterAndClear();
    Store().m_bRecompute = 1;
    Recv(Header(kOwnId, 29).substr(0, 7));
    CORVMgr::GetSingleton().Recv(Header(kOwnId, 29).data(), -5);
    EXPECT_EQ(Store().m_bRecompute, 1);
    Frame();
    EXPECT_TRUE(GameTopics().empty());
    // An unknown sub changes nothing but runs a pending recompute of the shown city.
    const std::string monster = MonsterRecord(3, 0, 6, 1, 1, 1);
    std::memcpy(Store().m_OwnCity.m_mapMonsters[3].m_Data, monster.data(), monster.size());
    Recv(Message(kOwnId, 5000, Item(1, RecordBytes(67).U32(0, 9))));
    EXPECT_EQ(Store().m_bRecompute, 0);
    EXPECT_EQ(Store().m_OwnCity.m_aGroups[0].m_dwMonsterCount, 6u);
    Store().m_bRecompute = 1;
    Recv(Message(kOwnId, 300));
    EXPECT_EQ(Store().m_bRecompute, 0);
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 0u);
}

// Each reply's effect and the events it delivers (seen at once) and posts (seen on the next frame).
TEST_F(AerieRecvTest, EachReplyAppliesAndAnnouncesAsItsSubSays)
{
    struct Case {
        u16 sub;
        std::string msg;
        std::vector<u32> delivered;
        std::vector<u32> posted;
        std::function<void()> check;   // may be null
    };
    const std::string coins = Item(1, RecordBytes(67).U32(0, 500));
    const auto coinsArrived = [&] { EXPECT_EQ(Store().m_OwnCity.GetCoins(), 500u); };
    const std::vector<Case> cases = {
        {1, Message(kOwnId, 1, coins), {}, {}, coinsArrived},
        {1000, Message(kOwnId, 1000, coins), {}, {}, coinsArrived},
        {21, Message(kOwnId, 21, coins), {}, {16}, coinsArrived},
        {27, Message(kOwnId, 27, coins + Item(10, MonsterRecord(1, 2, 3, 0, 0, 0))), {}, {37},
         [&] {
             coinsArrived();
             EXPECT_EQ(Store().m_NewMonster.GetCount(), 3u) << "27 clears first, then applies";
         }},
        {28, Message(kOwnId, 28, coins), {}, {37},
         [&] {
             EXPECT_EQ(Store().m_OwnCity.GetCoins(), 0u);
             EXPECT_EQ(Store().m_NewMonster.GetMonsterId(), 0);
         }},
        {29, Message(kOwnId, 29, coins), {}, {45, 4}, coinsArrived},
        {30, Message(kOwnId, 30, coins, 0, 7), {}, {45, 4, 73}, coinsArrived},
        {31, Message(kOwnId, 31), {}, {45, 4}, nullptr},
        {32, Message(kOwnId, 32, LE32(1) + LE32(2) + LE32(3) + LE32(4)), {}, {67},
         [&] { EXPECT_EQ(Store().m_OwnCity.m_FightMissions.m_adwHeader[3], 4u); }},
        {32, Message(kOwnId, 32, LE32(8) + "\x09"), {}, {67},
         [&] {
             EXPECT_EQ(Store().m_OwnCity.m_FightMissions.m_adwHeader[0], 8u);
             EXPECT_EQ(Store().m_OwnCity.m_FightMissions.m_adwHeader[1], 9u) << "missing bytes read as 0";
             EXPECT_EQ(Store().m_OwnCity.m_FightMissions.m_adwHeader[2], 0u);
         }},
        {33, Message(kOwnId, 33, coins), {}, {}, [&] {
             coinsArrived();
             EXPECT_TRUE(m_Fake.HasDebugLineContaining("领取资源地升级的奖励"));
         }},
        {34, Message(kOwnId, 34, coins), {}, {45, 4}, coinsArrived},
        {37, Message(kOwnId, 37, coins, 1), {63}, {}, coinsArrived},
        {37, Message(kOwnId, 37, coins, 2), {}, {}, coinsArrived},
        {109, Message(kOwnId, 109, coins), {}, {37}, coinsArrived},
        {113, Message(kOwnId, 113, coins), {13}, {}, coinsArrived},
        {205, Message(kOwnId, 205, coins), {}, {68}, coinsArrived},
        {6, Message(kOwnId, 6, coins), {}, {}, [&] {
             EXPECT_EQ(GameWnd(), nullptr);
             EXPECT_EQ(Store().m_OwnCity.GetCoins(), 0u);
         }},
        {23, Message(kOwnId, 23, coins), {}, {}, [&] {
             coinsArrived();
             EXPECT_EQ(GetDragIcon().m_bDragging, 0);
             EXPECT_EQ(GetDragIcon().m_nSource, -1);
         }},
        {201, Message(kOwnId, 201, std::string("hello\0tail", 10)), {}, {},
         [&] { EXPECT_EQ(Tips(), std::vector<std::string>{"hello"}); }},
        {2, Message(kOwnId, 2, Item(2, LE16(1) + LE16(1)) + Item(2, LE16(2) + LE16(1)) + Item(2, LE16(3) + LE16(1))), {},
         {59}, nullptr},
        {2, Message(kOwnId, 2, Item(2, LE16(18) + LE16(1)) + Item(2, "\x01\x00")), {}, {}, nullptr},
        {2, Message(kOwnId, 2, Item(6, RecordBytes(11).U16(0, 3)) + Item(9, Incubator(true, 1, 5, 0))), {31, 32}, {},
         [&] {
             EXPECT_EQ(Store().m_OwnCity.GetBeastType(), 3);
             EXPECT_EQ(Store().m_OwnCity.m_Incubators.m_vList.size(), 1u);
         }},
        {2, Message(kOwnId, 2, Item(11, WorkState(1, 1, 4)) + Item(13, FightRecord(2, 1, 1, 1))), {}, {45, 4, 45, 4},
         nullptr},
        {2, Message(kOwnId, 2, Item(11, WorkState(3, 1, 4))), {}, {}, [&] {
             EXPECT_EQ(Store().m_OwnCity.m_aGroups[3].GetState(), 0) << "a work state for group 3 is ignored";
         }},
        {4000, Message(kOwnId, 4000, coins), {}, {}, [&] { EXPECT_EQ(Store().m_OwnCity.GetCoins(), 0u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sub " << c.sub);
        Store().Reset();
        ResetLibrary();
        InstallAerieHooks();
        Attach();
        EnterAndClear();
        Store().m_OwnCity.SetOwnerRecord(nullptr, 0);
        ClearTips();
        Recv(c.msg);
        EXPECT_EQ(TakeTopics(), c.delivered);
        Frame();
        EXPECT_EQ(TakeTopics(), c.posted);
        if (c.check) {
            c.check();
        }
    }
}

TEST_F(AerieRecvTest, TheServerOpensTheBeastChooserInPlaceOfTheGame)
{
    EnterAndClear();
    Recv(Message(kOwnId, 101));
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
    EXPECT_NE(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST), nullptr);
}

TEST_F(AerieRecvTest, HireOfferAsksWithTheIncubatorInBothAnswers)
{
    Recv(Message(kOwnId, 108, std::string(), 2));
    const auto& boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].m_OkMsg.m_wParam, 11u);
    EXPECT_EQ(boxes[0].m_OkMsg.m_lParam, 2u);
    EXPECT_EQ(boxes[0].m_CancelMsg.m_wParam, 12u);
    EXPECT_EQ(boxes[0].m_CancelMsg.m_lParam, 2u);
    EXPECT_EQ(boxes[0].m_strText.substr(0, 10), std::string("你是否要雇佣其他玩家来帮助你孵化？").substr(0, 10));
}

TEST_F(AerieRecvTest, OwnerRecordKeepsSixtySevenBytesAndThePopularityBeyondThem)
{
    std::string value(80, '\0');
    for (std::size_t i = 0; i < value.size(); ++i) {
        value[i] = static_cast<char>(i + 1);
    }
    Recv(Message(0, 1, Item(1, value)));   // before any entry the own id is 0
    const CAerieCityData& own = Store().m_OwnCity;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(own.m_OwnerRecord), 67), value.substr(0, 67));
    EXPECT_EQ(own.GetPopularity(), 68 | 69 << 8);
    EXPECT_EQ(own.GetCoins(), 0x04030201u);
    EXPECT_EQ(own.GetProductionMultiplier(), 62);
    // A shorter value zeroes the rest of the record.
    Recv(Message(0, 1, Item(1, "\x05")));
    EXPECT_EQ(own.GetCoins(), 5u);
    EXPECT_EQ(own.GetExperience(), 0u);
    EXPECT_EQ(own.GetPopularity(), 0);
}

TEST_F(AerieRecvTest, PlayerLevelItemsAreBoundedByTheirFields)
{
    std::string ranks;
    for (u16 i = 0; i < 13; ++i) {
        ranks += LE16(i) + LE16(100 + i) + LE16(200 + i);
    }
    Recv(Message(0, 1,
                 Item(8, LE16(5) + LE16(0) + LE16(7) + std::string(60, '\x01')) + Item(12, ranks.substr(0, 77)) +
                     Item(14, std::string("one\0\0three\0", 11) + std::string(1100, 'L')) +
                     Item(7, std::string(70, 'T'))));
    EXPECT_EQ(Store().m_awEggBag[0], 5);
    EXPECT_EQ(Store().m_awEggBag[2], 7);
    EXPECT_EQ(Store().m_awEggBag[19], 0x0101);
    EXPECT_EQ(CountBagEggs(Store().m_awEggBag), 19);
    EXPECT_EQ(Store().m_awRankToday[12], 12);
    EXPECT_EQ(Store().m_awRankWeek[12], 112);
    EXPECT_EQ(Store().m_awRankLastWeek[12], 200 + 12 - 256 * 0 - ((200 + 12) & 0xFF00)) << "missing byte reads 0";
    ASSERT_EQ(Store().m_vTexts.size(), 4u);
    EXPECT_EQ(Store().m_vTexts[0], "one");
    EXPECT_EQ(Store().m_vTexts[1], "");
    EXPECT_EQ(Store().m_vTexts[2], "three");
    EXPECT_EQ(Store().m_vTexts[3], std::string(1023, 'L'));
    EXPECT_EQ(std::string(Store().m_OwnCity.m_szText, 62), std::string(62, 'T'));
}

TEST_F(AerieRecvTest, MainMissionsComeUnclaimedFirstThenByKey)
{
    const auto mission = [](u32 key, const std::string& status) {
        return Item(0, LE32(key)) + Item(1, "n" + std::to_string(key)) + Item(2, "goal") + Item(3, "des") +
               Item(4, LE32(key * 10)) + Item(5, LE32(7)) + Item(6, status);
    };
    // Key 20 comes twice: its second run goes on filling the one mission. Key 5's status ends in
    // a NUL, as a server's C string may.
    const std::string body = Item(1, "orphan") + Item(0, "ab") + Item(1, "short key") + mission(30, "未完成") +
                             mission(10, "未领奖") + mission(20, "done") + mission(5, std::string("未领奖\0", 7)) +
                             Item(0, LE32(20)) + Item(1, "again") + Item(9, "skip");
    EnterAndClear();
    Recv(Compressed(kOwnId, 35, body));
    EXPECT_EQ(TakeTopics(), std::vector<u32>{56});
    ASSERT_EQ(Store().GetMainMissionCount(), 4);
    const u32 order[] = {5, 10, 20, 30};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Store().GetMainMission(i)->m_dwKey, order[i]);
    }
    const AerieMainMission* m = Store().GetMainMission(1);
    EXPECT_EQ(m->m_strName, "n10");
    EXPECT_EQ(m->m_strGoal, "goal");
    EXPECT_EQ(m->m_strDescription, "des");
    EXPECT_EQ(m->m_dwExperience, 100u);
    EXPECT_EQ(m->m_dwReward, 7u);
    EXPECT_EQ(m->m_strStatus, "未领奖");
    EXPECT_EQ(Store().GetMainMission(2)->m_strName, "again");
    EXPECT_EQ(Store().GetMainMission(2)->m_strGoal, "goal");
    EXPECT_EQ(Store().GetMainMission(4), nullptr);
    EXPECT_EQ(Store().GetMainMission(-1), nullptr);
}

TEST_F(AerieRecvTest, RankingListsAllExistAfterTheFirstMessage)
{
    EXPECT_EQ(Store().FindRankList(0), nullptr);
    Recv(Message(kOwnId, 120, Item(3, "first") + Item(13, "skipped") + Item(3, std::string(25, 'x')) + Item(0, "z")));
    for (int list = 0; list < 13; ++list) {
        ASSERT_NE(Store().FindRankList(list), nullptr) << list;
    }
    EXPECT_EQ(Store().FindRankList(13), nullptr);
    const auto& three = *Store().FindRankList(3);
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(three[0].m_Data), 20), std::string("first") + std::string(15, '\0'));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(three[1].m_Data), 20), std::string(20, 'x'));
    Recv(Message(kOwnId, 120));
    EXPECT_TRUE(Store().FindRankList(3)->empty());
}

TEST_F(AerieRecvTest, RecordListsTakeTheirRecordSizeFromParam2)
{
    EnterAndClear();
    const std::string slave = RecordBytes(28).Text(0, "s").U32(16, 900).U16(22, 55).Str();
    Recv(RecordList(112, 28, {slave, slave}));
    EXPECT_EQ(Store().m_vSlaves.size(), 2u);
    EXPECT_EQ(GetSlaveWorth(Store().m_vSlaves, 1), 900u);
    EXPECT_EQ(GetSlavePopularity(Store().m_vSlaves, 1), 55);
    EXPECT_EQ(GetSlaveWorth(Store().m_vSlaves, 2), 0u);
    Recv(RecordList(112, 20, {slave, slave, slave}));
    ASSERT_EQ(Store().m_vSlaves.size(), 3u);
    EXPECT_EQ(GetSlaveWorth(Store().m_vSlaves, 0), 900u);
    EXPECT_EQ(GetSlavePopularity(Store().m_vSlaves, 0), 0) << "bytes past the record size are 0";
    Recv(Message(kOwnId, 112, slave + "partial", 0, 28));
    EXPECT_EQ(Store().m_vSlaves.size(), 1u);
    Recv(Message(kOwnId, 112, slave, 0, 0));
    EXPECT_TRUE(Store().m_vSlaves.empty());
    EXPECT_EQ(TakeTopics(), (std::vector<u32>{9, 9, 9, 9}));

    std::vector<std::string> friends;
    for (u8 flags : {0, 3, 1, 2, 3}) {
        friends.push_back(RecordBytes(18).Text(0, "f" + std::to_string(friends.size())).U8(16, flags));
    }
    Recv(RecordList(117, 18, friends));
    std::vector<std::string> names;
    for (const AerieFriendEntry& f : Store().m_vFriends) {
        names.emplace_back(f.GetName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"f1", "f4", "f2", "f3", "f0"}));

    Recv(RecordList(105, 22, {RecordBytes(22).Text(0, std::string(16, 'B')).U16(18, 3), RecordBytes(22).U16(18, 9)}));
    EXPECT_EQ(Store().m_vBeasts[0].GetName(), std::string(16, 'B'));
    EXPECT_STREQ(GetBeastJobName(Store().m_vBeasts, 0), "战斗");
    EXPECT_STREQ(GetBeastJobName(Store().m_vBeasts, 1), "普通");
    EXPECT_EQ(GetBeastJobName(Store().m_vBeasts, 2), nullptr);
    EXPECT_EQ(TakeTopics(), (std::vector<u32>{6, 7}));
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

// A game window that hands the server a message of its own when the guardian beast changes:
// through CORVMgr::Recv, as a host answering at once would, or (Direct) straight to the store, as
// code inside the library could. It notes building 7's level when a city entry is told.
class CNestingWnd : public CAerieStandInWnd {
    ORV_DECLARE_RUNTIME_CLASS(CNestingWnd)
public:
    static std::string& Nested()
    {
        static std::string msg;
        return msg;
    }
    static bool& Direct()
    {
        static bool direct = false;
        return direct;
    }
    static int& LevelAtEntry()
    {
        static int level = -1;
        return level;
    }
    bool ProcessMessage(ORVMsg* msg) override
    {
        if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND && msg->m_wParam == EVT_BEAST_CHANGED && !Nested().empty()) {
            const std::vector<char> bytes = ExactBytes(Nested());
            Nested().clear();
            if (Direct()) {
                CAerieDataMgr::GetSingleton().OnRecv(bytes.data(), static_cast<int>(bytes.size()));
            } else {
                CORVMgr::GetSingleton().Recv(bytes.data(), static_cast<int>(bytes.size()));
            }
        }
        if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND && msg->m_wParam == EVT_CITY_ENTERED) {
            LevelAtEntry() = CAerieDataMgr::GetSingleton().m_OwnCity.m_aBuildings[7].m_wLevel;
        }
        return CAerieStandInWnd::ProcessMessage(msg);
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CNestingWnd, CAerieStandInWnd)

TEST_F(AerieRecvTest, AMessageHandedOverDuringAnotherIsAppliedWholeAndTheOuterGoesOn)
{
    ScopedSystemWindowRecord nesting(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CNestingWnd));
    EnterAndClear();
    std::string many;
    for (u16 slot = 0; slot < 40; ++slot) {
        many += Item(5, MonsterRecord(slot, 0, 1, 0, 0, 0));
    }
    CNestingWnd::Nested() = Compressed(kOwnId, 0, Item(1, RecordBytes(67).U32(0, 5)) + many);
    Recv(Compressed(kOwnId, 0, Item(6, RecordBytes(11).U16(0, 2)) + Item(2, LE16(7) + LE16(3)) +
                                    Item(5, MonsterRecord(60, 0, 9, 0, 0, 0))));
    EXPECT_TRUE(CNestingWnd::Nested().empty());
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 5u);
    EXPECT_EQ(Store().m_OwnCity.m_aBuildings[7].m_wLevel, 3) << "the outer message goes on after the nested one";
    EXPECT_EQ(Store().m_OwnCity.m_aGroups[3].m_dwMonsterCount, 9u + 10u);
    EXPECT_EQ(Store().m_OwnCity.m_aGroups[0].m_dwMonsterCount, 10u);
}

// Library code that applies a message from inside another one's events (the boundary holds the
// host's): the inner one neither takes the outer's pending recompute nor its entry.
TEST_F(AerieRecvTest, AMessageAppliedInsideAnotherLeavesItsRecomputeAndEntryToIt)
{
    ScopedSystemWindowRecord nesting(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CNestingWnd));
    CNestingWnd::Direct() = true;
    EnterAndClear();
    // The inner message shows another player's city: its own end of message must not recompute
    // (and so clear) the own city's groups that the outer message changed.
    CNestingWnd::Nested() = Message(kOtherId, 1, Item(0, "other"));
    Recv(Message(kOwnId, 1, Item(5, MonsterRecord(60, 0, 9, 0, 0, 0)) + Item(6, RecordBytes(11).U16(0, 2))));
    EXPECT_TRUE(CNestingWnd::Nested().empty());
    EXPECT_EQ(Store().m_OwnCity.m_aGroups[3].m_dwMonsterCount, 9u);
    EXPECT_EQ(Store().m_bRecompute, 0);

    // The inner city message does not take the outer one's entry: the outer tells it once its
    // own items (building 7 at level 3) are in.
    EnterAndClear();
    CNestingWnd::Nested() = Compressed(kOwnId, 0, Item(1, RecordBytes(67).U32(0, 5)));
    CNestingWnd::LevelAtEntry() = -1;
    Recv(Compressed(kOwnId, 0, Item(0, m_Host.m_strPlayerName) + Item(6, RecordBytes(11).U16(0, 2)) +
                                    Item(2, LE16(7) + LE16(3))));
    const std::vector<u32> topics = TakeTopics();
    EXPECT_EQ(std::count(topics.begin(), topics.end(), u32{EVT_CITY_ENTERED}), 1);
    EXPECT_EQ(CNestingWnd::LevelAtEntry(), 3);
    CNestingWnd::Direct() = false;
}

}  // namespace
}  // namespace orv::test
