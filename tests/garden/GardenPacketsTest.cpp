// The Garden packet queue: limits, arrival order across drains, dispatch filtering and guards, the
// record patch walk, the request bytes, and the client holding packets back while the queue is full.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/Net.h"
#include "framework/core/ByteOrder.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"
#include "support/NetRig.h"

namespace {

using orv::test::FakeGardenServer;
using orv::test::NetRig;
using orv::test::ServerFrame;

std::vector<std::string> g_Got;
bool g_bPushWhileDraining = false;
bool g_bThrowOnFirst = false;

void Collect(const u8* data, int len)
{
    g_Got.emplace_back(reinterpret_cast<const char*>(data), static_cast<std::size_t>(len));
    if (g_Got.size() == 1 && g_bPushWhileDraining) {
        const std::string p = FakeGardenServer::Packet(7, 0, "pushed while draining");
        PushGardenPacket(p.data(), static_cast<int>(p.size()));   // waits for the next drain
    }
    if (g_Got.size() == 1 && g_bThrowOnFirst) {
        throw std::runtime_error("handler failed");
    }
}

class GardenQueueTest : public ::testing::Test {
protected:
    GardenQueueTest()
    {
        ClearGardenPackets();
        g_Got.clear();
        g_bPushWhileDraining = false;
        g_bThrowOnFirst = false;
        SetGardenDispatcher(&Collect);
    }
    ~GardenQueueTest() override
    {
        SetGardenDispatcher(nullptr);
        ClearGardenPackets();
    }
    orv::platform::FakePlatform m_Fake;
};

std::string Sized(std::size_t n, u16 id = 884)
{
    std::string p(n, 'x');
    if (n >= 12) {
        p.replace(0, 12, FakeGardenServer::Packet(id, 0, "").substr(0, 12));
    }
    return p;
}

TEST_F(GardenQueueTest, HoldsWithinItsLimits)
{
    struct Case {
        const char* name;
        std::vector<std::size_t> sizes;
        std::size_t held;
    };
    const Case cases[] = {
        {"131,070 bytes fit an empty queue", {131070}, 1},
        {"131,071 bytes never fit", {131071}, 0},
        {"one byte stays unused behind the last", {12, 131058, 12}, 2},
        {"under a header", {11, 12}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearGardenPackets();
        for (std::size_t n : c.sizes) {
            const std::string p = Sized(n);
            PushGardenPacket(p.data(), static_cast<int>(p.size()));
        }
        EXPECT_EQ(HeldGardenPacketCount(), c.held);
    }
    ClearGardenPackets();
    const std::string p = Sized(12);
    for (std::size_t i = 0; i < kHeldPacketsMax; ++i) {
        ASSERT_TRUE(PushGardenPacket(p.data(), 12));
    }
    EXPECT_FALSE(PushGardenPacket(p.data(), 12));   // the 8,197th
    DrainGardenPackets();
    EXPECT_EQ(g_Got.size(), kHeldPacketsMax);
    EXPECT_EQ(HeldGardenPacketCount(), 0u);
}

TEST_F(GardenQueueTest, DrainsInArrivalOrderAndKeepsWhatArrivesMeanwhile)
{
    g_bPushWhileDraining = true;
    g_bThrowOnFirst = true;
    const std::string packets[] = {
        FakeGardenServer::Packet(52, 0, "first"),
        FakeGardenServer::Packet(0, 0, "id 0: ignored"),
        FakeGardenServer::Packet(884, 501, "third"),
    };
    for (const std::string& p : packets) {
        PushGardenPacket(p.data(), static_cast<int>(p.size()));
    }
    DrainGardenPackets();
    ASSERT_EQ(g_Got.size(), 2u);   // the first handler threw: the next still ran
    EXPECT_EQ(g_Got[0], packets[0]);
    EXPECT_EQ(g_Got[1], packets[2]);
    EXPECT_EQ(HeldGardenPacketCount(), 1u);
    g_bPushWhileDraining = false;
    DrainGardenPackets();
    ASSERT_EQ(g_Got.size(), 3u);
    EXPECT_EQ(g_Got[2], FakeGardenServer::Packet(7, 0, "pushed while draining"));
    EXPECT_EQ(HeldGardenPacketCount(), 0u);
}

TEST(ApplyRecordPatches, AppliesWholePatchesUntilOneDoesNotFit)
{
    struct Case {
        const char* name;
        std::string data;
        std::string record;   // the 8-byte record afterwards, from "abcdefgh"
        int applied;
    };
    const Case cases[] = {
        {"empty data", "", "abcdefgh", 0},
        {"two patches", LE16(2) + LE16(1) + "XY" + LE16(1) + LE16(7) + "Z", "aXYdefgZ", 2},
        {"reaching the record's end", LE16(8) + LE16(0) + "12345678", "12345678", 1},
        {"past the record ends the walk", LE16(1) + LE16(0) + "Q" + LE16(2) + LE16(7) + "RS", "Qbcdefgh", 1},
        {"bytes past the data", LE16(1) + LE16(0) + "Q" + LE16(5) + LE16(0) + "RS", "Qbcdefgh", 1},
        {"a cut header", LE16(1) + LE16(3) + "Q" + "\x01", "abcQefgh", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        u8 record[8];
        std::memcpy(record, "abcdefgh", 8);
        std::vector<u8> data(c.data.begin(), c.data.end());   // exactly its size
        EXPECT_EQ(ApplyRecordPatches(record, 8, data.data(), data.size()), c.applied);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), c.record);
    }
}

class GardenRequestTest : public ::testing::Test {
protected:
    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;

    void SetUp() override
    {
        GetGameNet().Connect(0, 0);
        ASSERT_TRUE(m_Rig.StepUntil([] { return GetGameNet().GetRecord(0)->m_bConnected != 0; }));
        m_Rig.StepUntil([&] { return m_Rig.m_Server.Frames().size() >= 2; });
        m_Rig.m_Server.Take();
    }
    std::vector<ServerFrame> Frames(std::size_t n)
    {
        m_Rig.StepUntil([&] { return m_Rig.m_Server.Frames().size() >= n; });
        for (int i = 0; i < 3; ++i) {
            m_Rig.Step();
        }
        return m_Rig.m_Server.Take();
    }
};

TEST_F(GardenRequestTest, BuildersSendTheirBytes)
{
    PacketQueue& q = GetPacketQueue();
    GardenHeader enter;
    enter.m_wSub = 0x04;
    q.SendGardenMessage(enter, "gid", 3);
    EXPECT_EQ(enter.m_wMsgId, 884);
    GardenHeader water;
    water.m_wSub = 0x07;
    water.m_wParam1 = 3;
    q.SendGardenMessage(water, nullptr, 0);
    q.UseToolCard(0x01020304);
    q.SendMsg1014(77, 5);
    q.SendMsg1016("ab", 2);
    q.SendLogin(std::string("a\0b", 3));
    q.SendText("hi\0there", 8);
    const std::string tenThousand(10000, 't');
    q.SendText(tenThousand.c_str(), 10000);
    EXPECT_EQ(q.SendText(tenThousand.c_str(), 10001), -1);
    const std::string expected[] = {
        FakeGardenServer::Packet(884, 4, "gid"),
        FakeGardenServer::Packet(884, 7, "", 0, 3),
        FakeGardenServer::Packet(1000, 0xFD00, "", 0x01020304),
        FakeGardenServer::Packet(1014, 1, "", 77, 0, 5),
        FakeGardenServer::Packet(1016, 2, "ab"),
        FakeGardenServer::Packet(48, 0, std::string("a\0b", 3)),
        FakeGardenServer::Packet(3030, 0, std::string("hi\0\0\0\0\0\0", 8)),
        FakeGardenServer::Packet(3030, 0, tenThousand),
    };
    const std::vector<ServerFrame> frames = Frames(std::size(expected));
    ASSERT_EQ(frames.size(), std::size(expected));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].packet, expected[i]) << "request " << i;
    }
}

TEST_F(GardenRequestTest, ABurstLargerThanTheQueueArrivesWholeInOrder)
{
    ClearGardenPackets();
    g_Got.clear();
    g_bPushWhileDraining = false;
    g_bThrowOnFirst = false;
    CGameNet::SetPacketHandler(&PushGardenPacket);
    SetGardenDispatcher(&Collect);
    std::string burst;
    for (int i = 0; i < 400; ++i) {
        burst += FakeGardenServer::Frame(FakeGardenServer::Packet(884, 600, std::string(988, 'a' + i % 26), i));
    }
    ASSERT_TRUE(m_Rig.m_Server.SendRaw(burst));
    // The whole burst reaches the client between two frames.
    m_Rig.StepUntil([] { return GetGameNet().IsHoldingBack(); });
    for (int i = 0; i < 20; ++i) {
        m_Rig.Step();
    }
    std::vector<std::size_t> perFrame;
    for (int round = 0; round < 400 && g_Got.size() < 400; ++round) {
        if (round > 0) {
            m_Rig.Step();
        }
        const std::size_t before = g_Got.size();
        DrainGardenPackets();
        if (g_Got.size() > before) {
            perFrame.push_back(g_Got.size() - before);
        }
    }
    ASSERT_EQ(g_Got.size(), 400u);
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(ReadLE32(reinterpret_cast<const u8*>(g_Got[i].data())), static_cast<u32>(i)) << i;
        EXPECT_EQ(g_Got[i].size(), 1000u);
    }
    ASSERT_FALSE(perFrame.empty());
    EXPECT_EQ(perFrame[0], 131u);   // the queue's room a frame
    EXPECT_LE(*std::max_element(perFrame.begin(), perFrame.end()), 131u);
    EXPECT_FALSE(GetGameNet().IsHoldingBack());
    SetGardenDispatcher(nullptr);
}

}  // namespace
