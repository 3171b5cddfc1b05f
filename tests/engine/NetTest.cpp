#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/LoginText.h"
#include "engine/Net.h"
#include "framework/xml/XmlTestFiles.h"
#include "support/NetRig.h"

namespace {

using orv::test::FakeGardenServer;
using orv::test::NetRig;
using orv::test::ServerFrame;

ConnectionRecord& Rec()
{
    return *GetGameNet().GetRecord(0);
}

std::string Request(std::uint16_t sub, const std::string& body = "")
{
    return FakeGardenServer::Packet(884, sub, body);
}

class NetTest : public ::testing::Test {
protected:
    XmlTempDir m_Dir;                  // the connected step writes log.txt here
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;

    bool Connect()
    {
        GetGameNet().Connect(0, 0);
        return m_Rig.StepUntil([] { return Rec().m_bConnected != 0; });
    }
    std::vector<ServerFrame> FramesUntil(std::size_t n)
    {
        m_Rig.StepUntil([&] { return m_Rig.m_Server.Frames().size() >= n; });
        for (int i = 0; i < 5; ++i) {
            m_Rig.Step();   // anything sent twice would show up now
        }
        return m_Rig.m_Server.Take();
    }
};

TEST_F(NetTest, SequenceCharactersRunOneToNineAndWrap)
{
    std::string seen;
    for (int i = 0; i < 11; ++i) {
        seen.push_back(CNet::NextSequenceChar());
    }
    EXPECT_EQ(seen, "12345678912");
}

TEST_F(NetTest, EarlyRequestsLeaveInOrderBeforeTheLoginAndNothingTwice)
{
    m_Rig.SetLogin("pt", "g", "pw", "1.2.3.4", "80");
    EXPECT_EQ(GetGameNet().Send(0, Request(0x0f).data(), 12, true), 0);   // not connected: waits
    EXPECT_EQ(GetGameNet().Send(0, Request(0x10).data(), 12, true), 0);
    // The connect notification alone sends what waited, then the login.
    std::size_t queuedAfterConnect = 1;
    m_Rig.m_Deliver = [&](const orv::platform::WindowMessage& m) {
        GetGameNet().OnSocketEvent(m.wParam, m.lParam);
        if ((m.lParam & 0xFFFF) == orv::platform::kSockEventConnect) {
            queuedAfterConnect = Rec().m_nQueued;
        }
    };
    ASSERT_TRUE(Connect());
    EXPECT_EQ(queuedAfterConnect, 0u);
    const std::vector<ServerFrame> frames = FramesUntil(4);
    ASSERT_EQ(frames.size(), 4u);   // two requests, login, verification (no callback held)
    EXPECT_EQ(frames[0].seq, '1');
    EXPECT_EQ(frames[0].packet, Request(0x0f));
    EXPECT_EQ(frames[1].packet, Request(0x10));
    EXPECT_EQ(frames[2].seq, '3');
    EXPECT_EQ(frames[2].packet, FakeGardenServer::Packet(48, 0, std::string("pt\0g\0pw\0" "1.2.3.4\0" "80", 18)));
    EXPECT_EQ(frames[3].packet, FakeGardenServer::Packet(3030, 0, "@verifyresult g "));
    EXPECT_EQ(Rec().m_nQueued, 0u);
    EXPECT_EQ(GetGameNet().m_bGardenConnected, 1);
}

TEST_F(NetTest, PartialAndBlockedWritesArriveWholeInOrderOnce)
{
    ASSERT_TRUE(Connect());
    m_Rig.m_Server.Take();   // the login
    const struct {
        int chunk;
        int budget;
    } cases[] = {{3, -1}, {0, 7}, {5, 0}};
    for (const auto& c : cases) {
        m_Rig.m_Fake.m_nSendChunk = c.chunk;
        m_Rig.m_Fake.m_nSendBudget = c.budget;
        m_Rig.m_Fake.m_nSendRefill = c.budget < 0 ? -1 : 11;
        std::vector<std::string> sent;
        for (int i = 0; i < 6; ++i) {
            sent.push_back(Request(static_cast<std::uint16_t>(i), std::string(static_cast<std::size_t>(i * 9), 'a' + i)));
            EXPECT_GE(GetGameNet().Send(0, sent.back().data(), static_cast<int>(sent.back().size()), true), 0);
        }
        const std::vector<ServerFrame> frames = FramesUntil(sent.size());
        ASSERT_EQ(frames.size(), sent.size()) << c.chunk << "/" << c.budget;
        for (std::size_t i = 0; i < sent.size(); ++i) {
            EXPECT_EQ(frames[i].packet, sent[i]);
        }
        m_Rig.m_Fake.m_nSendBudget = -1;
        m_Rig.m_Fake.m_nSendRefill = -1;
    }
}

TEST_F(NetTest, AFrameSplitAtEveryByteGivesOnePacket)
{
    ASSERT_TRUE(Connect());
    const std::string packet = FakeGardenServer::Packet(52, 0, std::string("\x01\x02name\0", 7));
    const std::string wire = FakeGardenServer::Frame(packet, '7');
    for (char ch : wire) {
        m_Rig.m_Server.SendRaw(std::string(1, ch));
        m_Rig.StepUntil([&] { return Rec().m_nLastRead > 0; }, 50);
        Rec().m_nLastRead = 0;
    }
    m_Rig.StepUntil([&] { return !m_Rig.Packets().empty(); }, 50);
    ASSERT_EQ(m_Rig.Packets().size(), 1u);
    EXPECT_EQ(m_Rig.Packets()[0], packet);
}

TEST_F(NetTest, RefusedConnectLeavesTheRecordDownWithoutLogin)
{
    m_Rig.m_Server.StopListening();
    GetGameNet().Connect(0, 0);
    m_Rig.StepUntil([] { return false; }, 30);
    EXPECT_EQ(Rec().m_bConnected, 0);
    EXPECT_EQ(GetGameNet().m_bGardenConnected, 0);
    EXPECT_EQ(ReadFileBytes("log.txt").find("garden connect ok"), std::string::npos);
}

TEST_F(NetTest, PeerCloseClearsConnectedAndLaterSendsWait)
{
    ASSERT_TRUE(Connect());
    m_Rig.m_Server.DropClient();
    ASSERT_TRUE(m_Rig.StepUntil([] { return Rec().m_bConnected == 0; }));
    EXPECT_EQ(GetGameNet().Send(0, Request(1).data(), 12, true), 0);
    EXPECT_GT(Rec().m_nQueued, 0u);
    const std::size_t queued = Rec().m_nQueued;
    GetGameNet().Close(0);
    EXPECT_EQ(Rec().m_nQueued, queued);   // a whole message waits for the next connection
    EXPECT_EQ(Rec().m_Socket, orv::platform::kNoSocket);
}

TEST_F(NetTest, ConnectAndCloseDropAPartlySentMessageAndKeepWholeOnes)
{
    for (const bool reconnect : {true, false}) {
        SCOPED_TRACE(reconnect ? "Connect" : "Close");
        GetGameNet().Close(0);
        while (!Rec().m_qSend.empty()) {
            Rec().m_qSend.pop_front();
        }
        Rec().m_nQueued = 0;
        ASSERT_TRUE(Connect());
        FramesUntil(2);   // login and verification
        m_Rig.m_Fake.m_nSendBudget = 10;   // the socket takes ten bytes of the first message
        EXPECT_EQ(GetGameNet().Send(0, Request(0x0f, "first").data(), 17, true), 10);
        EXPECT_EQ(GetGameNet().Send(0, Request(0x10).data(), 12, true), 0);
        m_Rig.m_Fake.m_nSendBudget = -1;
        ASSERT_EQ(Rec().m_qSend.size(), 2u);
        const std::string whole = Rec().m_qSend.back();
        if (reconnect) {
            GetGameNet().Connect(0, 0);
        } else {
            GetGameNet().Close(0);
        }
        ASSERT_EQ(Rec().m_qSend.size(), 1u);
        EXPECT_EQ(Rec().m_qSend.front(), whole);
        EXPECT_EQ(Rec().m_qSend.front()[0], '#');
        EXPECT_EQ(Rec().m_nQueued, whole.size());
        // On the next connection the server reads whole frames: the waiting message first.
        m_Rig.m_Server.Take();
        if (!reconnect) {
            GetGameNet().Connect(0, 0);
        }
        ASSERT_TRUE(m_Rig.StepUntil([] { return Rec().m_bConnected != 0; }));
        const std::vector<ServerFrame> frames = FramesUntil(1);
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames[0].packet, Request(0x10));
    }
}

TEST_F(NetTest, AReadOfZeroBytesClearsConnected)
{
    ASSERT_TRUE(Connect());
    const WPARAM s = static_cast<WPARAM>(Rec().m_Socket);
    m_Rig.m_Server.DropClient();
    // Only read notifications reach the client: the end of the stream is seen by the read alone.
    for (int i = 0; i < 200 && Rec().m_bConnected != 0; ++i) {
        std::vector<orv::platform::WindowMessage> ignored;
        m_Rig.m_Fake.PollSocketEvents(&ignored, 2);
        GetGameNet().OnSocketEvent(s, orv::platform::kSockEventRead);
    }
    EXPECT_EQ(Rec().m_bConnected, 0);
}

TEST_F(NetTest, RefusesWhatCannotBeSentWhole)
{
    // A framed message over 262,144 bytes.
    const std::vector<char> big(196606, 'x');   // 262,142 armoured characters + 3
    EXPECT_EQ(GetGameNet().Send(0, big.data(), static_cast<int>(big.size()), true), -1);
    const std::vector<char> fits(196605, 'x');   // 262,140 + 3
    EXPECT_EQ(GetGameNet().Send(0, fits.data(), static_cast<int>(fits.size()), true), 0);
    // The queue holds at most 1 MiB: a message beyond it is refused whole.
    const std::vector<char> raw(kSendQueueCap - Rec().m_nQueued, 'r');
    EXPECT_EQ(GetGameNet().Send(0, raw.data(), static_cast<int>(raw.size()), false), 0);
    const std::size_t before = Rec().m_nQueued;
    EXPECT_EQ(GetGameNet().Send(0, "x", 1, false), -1);
    EXPECT_EQ(Rec().m_nQueued, before);
    EXPECT_EQ(GetGameNet().Send(1, "x", 1, false), -1);   // no such connection
    EXPECT_EQ(GetGameNet().Send(0, nullptr, 4, false), -1);
}

TEST_F(NetTest, HardSendErrorDropsThatMessageOnly)
{
    ASSERT_TRUE(Connect());
    m_Rig.m_Server.Take();
    m_Rig.m_Fake.m_bFailSend = true;
    EXPECT_EQ(GetGameNet().Send(0, Request(1).data(), 12, true), -1);
    m_Rig.m_Fake.m_bFailSend = false;
    EXPECT_EQ(Rec().m_nQueued, 0u);
    EXPECT_EQ(GetGameNet().Send(0, Request(2).data(), 12, true), 19);
    const std::vector<ServerFrame> frames = FramesUntil(1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].packet, Request(2));
}

TEST_F(NetTest, ConnectClosesASocketStillHeld)
{
    GetGameNet().Connect(0, 0);
    const int open = m_Rig.m_Fake.m_nOpenSockets;
    GetGameNet().Connect(0, 0);
    EXPECT_EQ(m_Rig.m_Fake.m_nOpenSockets, open);
}

TEST_F(NetTest, NotificationsAreDispatchedByTheWholeEventWord)
{
    ASSERT_TRUE(Connect());
    const WPARAM s = static_cast<WPARAM>(Rec().m_Socket);
    GetGameNet().OnSocketEvent(s, 3);                    // two event bits at once: ignored
    EXPECT_EQ(Rec().m_bConnected, 1);
    GetGameNet().OnSocketEvent(s + 1000, 32);            // a socket no record holds: ignored
    EXPECT_EQ(Rec().m_bConnected, 1);
    GetGameNet().OnSocketEvent(s, (10061 << 16) | 16);   // an error word: OnError
    EXPECT_EQ(Rec().m_bConnected, 0);
}

}  // namespace
