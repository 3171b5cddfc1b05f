// A fixed-seed stream of mutated valid server messages through CORVMgr::Recv: truncated, lengths
// and counts corrupted, unknown kinds and sub ids, huge counts. Nothing may crash or trip the
// sanitizers, and the store must still take a good message afterwards.
#include <gtest/gtest.h>

#include <random>

#include "aerie/state/AerieRecordLayout.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "support/ScriptedServer.h"

namespace orv::test {
namespace {

using namespace aerie_layout;

std::vector<std::string> SeedMessages(u32 own, u32 other)
{
    const std::string city = Item(0, "me") + Item(1, RecordBytes(80, 7)) + Item(2, LE16(3) + LE16(2)) +
                             Item(3, LE16(20) + LE16(1)) + Item(4, LE16(11) + LE16(1) + LE16(1)) +
                             Item(5, MonsterRecord(10, 11, 3, 1, 2, 3, 9)) + Item(6, RecordBytes(11, 1)) +
                             Item(7, std::string(62, 't')) + Item(8, std::string(40, '\x02')) +
                             Item(9, Incubator(true, 2, 5, 5, "slave") + Incubator(false, 0, 0, 0)) +
                             Item(10, MonsterRecord(1, 12, 1, 1, 1, 1)) + Item(11, WorkState(1, 1, 3, 60)) +
                             Item(12, std::string(78, '\x01')) + Item(13, FightRecord(5, 1, 2, 3, 4)) +
                             Item(14, std::string("a\0b\0", 4)) + Item(15, "x");
    const std::string missions = Item(0, LE32(3)) + Item(1, "n") + Item(4, LE32(1)) + Item(6, "未领奖") +
                                 Item(0, LE32(1)) + Item(2, "g") + Item(5, LE32(2));
    std::vector<std::string> seeds = {
        Compressed(own, 0, city),
        Compressed(other, 0, Item(0, "other") + city.substr(6)),
        Compressed(own, 35, missions),
        Message(own, 120, Item(0, "r0") + Item(12, std::string(20, 'r')) + Item(13, "bad")),
        RecordList(112, 28, {NamedRecord(28, "s1"), NamedRecord(28, std::string(28, 'S'))}),
        RecordList(117, 18, {NamedRecord(18, "f1"), RecordBytes(18).U8(16, 3)}),
        RecordList(105, 22, {NamedRecord(22, "b1")}),
        Message(own, 32, LE32(1) + LE32(2) + LE32(3) + LE32(4)),
        Message(own, 201, "notice"),
        Message(own, 108, city, 1),
        Message(own, 37, city, 1),
        Message(own, 101),
        Message(own, 6),
    };
    for (u16 sub : {1, 2, 3, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33, 34, 36, 104, 106, 107, 109, 110, 113,
                    116, 119, 121, 205, 1000}) {
        seeds.push_back(Message(own, sub, city.substr(6), 1, 28));
    }
    return seeds;
}

std::string Mutate(std::string msg, std::mt19937& rng)
{
    const auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    static const u16 kSubs[] = {0, 1, 6, 21, 27, 28, 30, 32, 35, 37, 101, 105, 108, 112, 113, 117, 120, 201, 205, 300, 5000, 0xFFFF};
    const int rounds = 1 + static_cast<int>(pick(3));
    for (int r = 0; r < rounds; ++r) {
        switch (pick(8)) {
        case 0:   // truncate
            msg.resize(pick(msg.size() + 1));
            break;
        case 1:   // flip bytes
            for (std::size_t i = 0, n = 1 + pick(8); i < n && !msg.empty(); ++i) {
                msg[pick(msg.size())] = static_cast<char>(pick(256));
            }
            break;
        case 2:   // a length or count of 0xFFFF, 0 or a random value somewhere in the body
            if (msg.size() > 14) {
                const std::size_t at = 12 + pick(msg.size() - 13);
                const u16 values[] = {0xFFFF, 0, static_cast<u16>(pick(0x10000)), 91, 53, 1, 2, 3};
                msg.replace(at, 2, LE16(values[pick(8)]));
            }
            break;
        case 3:   // another sub id
            if (msg.size() >= 8) {
                msg.replace(6, 2, LE16(kSubs[pick(std::size(kSubs))]));
            }
            break;
        case 4:   // a huge record size or another owner
            if (msg.size() >= 12) {
                msg.replace(10, 2, LE16(static_cast<u16>(pick(0x10000))));
                msg.replace(0, 4, LE32(pick(2) ? 1001 : static_cast<u32>(pick(5))));
            }
            break;
        case 5:   // unknown item kinds
            msg += Item(static_cast<u16>(pick(40)), std::string(pick(120), static_cast<char>(pick(256))));
            break;
        case 6:   // junk tail
            msg += std::string(pick(40), static_cast<char>(pick(256)));
            break;
        default:  // cut to a tiny message
            msg.resize(std::min(msg.size(), pick(14)));
            break;
        }
    }
    return msg;
}

class AerieRobustnessTest : public AerieTest {};

TEST_F(AerieRobustnessTest, MutatedServerStreamsLeaveTheStoreUsable)
{
    LoadGameData("<Monster ID=\"11\" Lvl=\"2\"/><Monster ID=\"12\" Lvl=\"7\"/><MonSkill ID=\"1\" Effect=\"0,5\"/>"
                 "<Building Id=\"3\" Name=\"b\" Effect=\"1,2,3\"/><Science Id=\"20\" Name=\"s\" Effect=\"1\"/>"
                 "<fight Type=\"5\" Name=\"f\"/><Creavity Effect=\"0,1\"/>");
    const std::vector<std::string> seeds = SeedMessages(kOwnId, kOtherId);
    std::mt19937 rng(20261210);
    constexpr int kMessages = 100000;
    for (int i = 0; i < kMessages; ++i) {
        const std::string& seed = seeds[static_cast<std::size_t>(i) % seeds.size()];
        Recv(i % 10 == 0 ? seed : Mutate(seed, rng));
        if (i % 16 == 0) {
            Frame();
            CAerieDataMgr& s = Store();
            for (int g = 0; g < 4; ++g) {
                (void)s.GetGroupCreavityPercent(g);
            }
            for (int k = 0; k < 2; ++k) {
                (void)s.IsMaxLevel(k, i % 40);
                (void)s.IsUpgrading(k, i % 40);
            }
            for (const auto& [index, mission] : s.GetShownCity().m_FightMissions.m_mapMissions) {
                (void)GetFightTimeLeft(mission);
                (void)GetInvasionTimeLeft(mission);
                (void)mission.GetFighterName();
            }
            (void)GetIncubatorTimers(s.GetShownCity().m_Incubators, i % 4);
        }
        if (i % 2000 == 0) {
            ClearTips();
            ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        }
    }
    // The store still takes a good message.
    EnterOwnCity(Item(1, RecordBytes(67).U32(kOwnerCoins, 4242)) + Item(5, MonsterRecord(0, 11, 5, 1, 1, 1)));
    EXPECT_EQ(Store().m_OwnCity.GetCoins(), 4242u);
    EXPECT_TRUE(Store().IsShowingOwnCity());
    EXPECT_EQ(Store().m_OwnCity.GetMonster(0).m_adwLevelCount[1], 5u);
    EXPECT_NE(GameWnd(), nullptr);
}

}  // namespace
}  // namespace orv::test
