// Robustness: fixed-seed mutated valid packets of every message id and reply code go through the
// queue and the dispatcher (cut, lengths, counts and sizes corrupted, unknown kinds, broken
// zlib): nothing crashes, nothing is thrown, and the state stays usable.
// Garden descriptions name only the fields a case sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "GardenFixture.h"
#include "framework/widgets/ORVToolTip.h"
#include "support/Mutation.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;

std::vector<std::string> Seeds()
{
    gb::GardenDesc g;
    g.plots = {{.number = 1}, {.number = 2}};
    g.plants = {{.id = 1, .plot = 1, .seconds = 5000}};
    g.plantList = {{1, 2}, {2, 1}};
    const std::string card = gb::CardBytes(1, "c", 1, 7437, 1562);
    std::string tip;
    tip += gb::U32(100) + gb::U16(1) + std::string(1, '\0') + gb::U32(0xFFFFFFFF) + gb::U16(12) + std::string(1, '\1') + "tip" + std::string(1, '\0');
    std::string weather = gb::U32(1704088800) + gb::U32(0);
    for (int i = 0; i < 4; ++i) weather += gb::U16(1) + gb::U16(3) + gb::U16(4) + gb::U16(20);
    return {
        gb::Enter501(g),
        gb::Reply(502, gb::Item(7, gb::InfoBytes({})) + gb::Item(12, gb::PlotBytes({})) + gb::Item(13, gb::PlantBytes({.id = 2})) + gb::Item(15, "t") + gb::Item(21, gb::U16(1))),
        gb::Reply(503, "", 5),
        gb::Reply(504, gb::U16(1) + gb::U16(2)),
        gb::Reply(505, gb::U16(1) + gb::U16(2), 0, 1, 4),
        gb::Reply(506, std::string(20, '\1'), 0, 2, 10),
        gb::Reply(507, gb::Item(12, gb::PlotBytes({})), 0, 3),
        gb::Reply(508, "\1\1", 0, 1, 2),
        gb::Reply(509, "\0\0", 0, 257, 3),
        gb::Reply(510, "\0\0", 0, 257, 0),
        gb::Reply(511, gb::Item(14, gb::U32(1)) + gb::Item(15, "x")),
        gb::Reply(512, gb::FriendBytes("a", "b") + gb::FriendBytes("c", "d"), 0, 2, 73),
        gb::Reply(513, std::string(10, '\2'), 0, 1, 10),
        gb::Reply(515, std::string("a\0b\0", 4)),
        gb::Ranking516(3, 4),
        gb::Reply(517, std::string(10, '\2'), 0, 1, 10),
        gb::Reply(519, std::string("a\0b\0", 4)),
        gb::Reply(520, gb::Item(11, "me") + gb::Item(7, gb::InfoBytes({}))),
        gb::Reply(521, weather),
        gb::Reply(522, "", 0, 3),
        gb::Reply(524, gb::FriendBytes("a", "b"), 0, 1, 73),
        gb::Reply(525, gb::Item(11, "me") + gb::Counted(5, 17, {std::string(17, '\1')}) + gb::Item(7, gb::InfoBytes({}))),
        gb::Reply(526, std::string(20, '\3')),
        gb::Reply(527, std::string(9, '\1')),
        gb::Reply(528, gb::Item(25, std::string(8, '\1'))),
        gb::Reply(529, "", 0, 1),
        gb::Reply(530, std::string(20, '\4'), 0, 2),
        gb::Reply(535, "", 1, 2, 3),
        gb::Reply(536),
        gb::Reply(537, "", 0, 1),
        gb::Packet(52, 0, std::string(88, 'p')),
        gb::Packet(100, 0, "notice", 1, 0, 6),
        gb::Packet(200, 0, card),
        gb::Packet(201, 0, card + card, 0, 0, 2),
        gb::Packet(202, 0, "", 1),
        gb::Packet(217, 0, card, 0, 0, 1),
        gb::Packet(433, 0, gb::U16(2) + gb::U16(8) + "me"),
        gb::Packet(885, 0, tip),
        gb::Packet(945, 0, gb::U16(2) + gb::U16(46) + gb::U16(9), 1),
        gb::Packet(1016, 0, std::string("a\0b\0", 4)),
        gb::Packet(2812, 0, gb::U16(1) + gb::U16(2) + "hi"),
    };
}

TEST_F(GardenStateTest, MutatedPacketsLeaveTheStateUsable)
{
    GetLoginInfo().strEnterGuidName = "pal";
    SetGardenDispatcher(&DispatchGardenPacket);
    ClearGardenPackets();
    const std::vector<std::string> seeds = Seeds();
    const char specials[] = {'\0', '\x01', '\x05', '\x07', '\x08', '\x0B', '\x0C', '\x11', '\x17', '\x18',
                             '\x19', '\x1A', '\x7F', '\x80', '\xFE', '\xFF', '\x78', '\x9C'};
    MutationRng next(20261210);
    for (int i = 0; i < 100000; ++i) {
        std::string m = seeds[next() % seeds.size()];
        const unsigned how = next() % 4;
        if (how == 0) {
            CutAtRandomLength(m, next);
        } else if (how == 1 && m.size() > 12) {
            // Damage only the body: lengths, counts, sizes, kinds, zlib streams.
            std::string body = m.substr(12);
            ReplaceRandomBytes(body, 1 + static_cast<int>(next() % 4), std::string_view(specials, sizeof specials), next);
            m = m.substr(0, 12) + body;
        } else {
            ReplaceRandomBytes(m, 1 + static_cast<int>(next() % 3), std::string_view(specials, sizeof specials), next);
            if (how == 3) {
                CutAtRandomLength(m, next);
            }
        }
        const std::vector<u8> bytes = ExactBytes<u8>(m);
        PushGardenPacket(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
        if (i % 64 == 63) {
            DrainGardenPackets();
            TakeRequests();
            while (!CAutoTip::GetSingleton().GetTips().empty()) {
                CAutoTip::GetSingleton().Next();
            }
            for (CTestWindow* w : CTestWindow::Live()) {
                w->m_vProcessed.clear();
            }
        }
    }
    DrainGardenPackets();
    // A valid 501 then applies exactly.
    SetPlayerName("me");
    gb::GardenDesc g;
    g.info.wealth = 123;
    g.plots = {{.number = 3, .water = 3}};
    g.plants = {{.id = 2, .plot = 3}};
    g.plantList = {{2, 4}};
    Deliver(gb::Enter501(g));
    EXPECT_EQ(GetGardenDataMgr().m_bOwnGarden, 1);
    EXPECT_EQ(GetGardenDataMgr().m_OwnInfo.U32(garden_layout::kInfoWealth), 123u);
    EXPECT_EQ(GetGardenDataMgr().m_Plots.Size(), 1u);
    EXPECT_TRUE(GetGardenDataMgr().NeedsNoWater(3));
    EXPECT_TRUE(GetGardenDataMgr().HasPlant(3));
    EXPECT_EQ(GetGardenDataMgr().GetPlantLevel(2), 4);
    SetGardenDispatcher(nullptr);
}

}  // namespace
}  // namespace orv::test
