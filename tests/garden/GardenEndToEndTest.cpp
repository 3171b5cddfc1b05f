// The Garden road end to end over 127.0.0.1: login, the player record (52), the enter request
// (0x04), the enter reply (501), the garden screen standing (the watchdog off), the scripted
// answers split anywhere with noise, and the end of the connection when the screen closes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/xml/XmlTestFiles.h"
#include "garden/windows/GardenWnd.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"
#include "support/NetRigFrames.h"
#include "tools/GardenBytes.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;

std::vector<int> g_Commands;
std::string g_strLogin;

int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    g_Commands.push_back(command);
    if (command == HOSTCMD_GET_LOGIN && out != nullptr) {
        g_strLogin.copy(out, g_strLogin.size());
        return static_cast<int>(g_strLogin.size());
    }
    return command == HOSTCMD_GET_TIMEOUT ? 3000 : 0;
}

class GardenEndToEndTest : public ::testing::Test {
protected:
    GardenEndToEndTest()
    {
        g_Commands.clear();
        glimmer_test::Reset();
        ClearGardenPackets();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        SetGardenDispatcher(&DispatchGardenPacket);
        m_Rig.m_Deliver = [](const orv::platform::WindowMessage& m) { g_ORVMgr.WndProc(m.hwnd, m.msg, m.wParam, m.lParam); };
        g_strLogin = "pt\nme\npw\n1.2.3.4\n80\n127.0.0.1\n" + std::to_string(m_Rig.m_Server.Port()) + "\nme\nMe";
    }
    ~GardenEndToEndTest() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        glimmer_test::Reset();
    }
    // Socket rounds and frames until pred holds.
    bool Run(const std::function<bool()>& pred)
    {
        return FramesUntil(m_Rig, pred);
    }

    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;
};

TEST_F(GardenEndToEndTest, LogsInEntersOpensTheScreenAndClosesTheConnection)
{
    gb::GardenDesc garden;
    garden.guid = "me";
    garden.info.wealth = 900;
    garden.plots = {{.number = 1}, {.number = 2}};
    garden.plants = {{.id = 1, .plot = 1, .seconds = 4000}};
    std::string player(88, '\0');
    player.replace(8, 2, "me");
    m_Rig.m_Server.Script({{48, FakeGardenServer::kAnySub, {gb::Packet(52, 0, player)}},
                           {884, 0x04, {gb::Enter501(garden), gb::Reply(505, gb::U16(1) + gb::U16(3), 0, 1, 4)}}});
    m_Rig.m_Server.SetDelivery(7, true);
    ASSERT_EQ(g_ORVMgr.Init(&HostProc, 0, reinterpret_cast<HWND>(0x1), nullptr, nullptr, nullptr), 0);
    g_ORVMgr.OpenGarden();
    ASSERT_TRUE(Run([] { return g_ORVMgr.IsGardenOpen(); }));
    ASSERT_TRUE(Run([] { return !GetGardenDataMgr().m_vSeedBag.empty(); }));
    EXPECT_EQ(GetGardenDataMgr().m_bEntered, 1);
    EXPECT_EQ(GetGardenDataMgr().m_bOwnGarden, 1);
    EXPECT_EQ(GetGardenDataMgr().m_ShownInfo.U32(garden_layout::kInfoWealth), 900u);
    EXPECT_EQ(GetGardenDataMgr().m_Plots.Size(), 2u);
    const std::vector<ServerFrame> frames = m_Rig.m_Server.Frames();
    // Login and enter; the screen's own requests (its panels' lists) may follow.
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(FakeGardenServer::MessageId(frames[0].packet), 48);
    EXPECT_EQ(frames[1].packet, gb::Packet(884, 0x04, "me"));
    // The screen told the host; the watchdog, long past its time-out, stays quiet.
    EXPECT_EQ(std::count(g_Commands.begin(), g_Commands.end(), HOSTCMD_GARDEN_OPENED), 1);
    m_Rig.m_Fake.m_dwTick += 100000;
    g_ORVMgr.Render();
    EXPECT_EQ(std::count(g_Commands.begin(), g_Commands.end(), HOSTCMD_CONNECT_TIMEOUT), 0);
    EXPECT_NE(GetGardenWnd(), nullptr);
    // Closing the screen closes the connection: the server reads the end of the stream.
    g_ORVMgr.CloseGarden();
    EXPECT_EQ(g_Commands.back(), HOSTCMD_GARDEN_CLOSED);
    EXPECT_EQ(GetGardenDataMgr().m_Plots.Size(), 0u);
    for (int i = 0; i < 200 && m_Rig.m_Server.HasClient(); ++i) {
        m_Rig.Step();
    }
    EXPECT_FALSE(m_Rig.m_Server.HasClient());
}

}  // namespace
}  // namespace orv::test
