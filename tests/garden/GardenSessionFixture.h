// Whole Garden sessions through the library's exports over 127.0.0.1: a host that hands over a
// login text and records what it is asked, a fake server that logs the player in and enters the
// garden, the real screen over the sample game data, and what a session sends and draws. Each test
// case runs in a process of its own (ctest), so a test's first session is a fresh process's.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"
#include "garden/state/GardenDispatch.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"
#include "support/NetRigFrames.h"
#include "support/WindowInput.h"
#include "tools/GardenBytes.h"

namespace orv::test {

namespace gb = orv::garden_bytes;

inline HWND const kSessionWnd = reinterpret_cast<HWND>(0x1);
inline constexpr int kSessionTimeout = 3000;   // the host's answer to command 5
inline constexpr u16 kGeneSeed = 6;            // the sample data's golden rose, bought with gene points

// The host: its login text, its answer to command 6, the command it throws on (0: none) and the
// commands it was asked, in order.
struct SessionHost {
    std::string login;
    int verify = 0;
    int throwOn = 0;
    std::vector<int> asked;
};
inline SessionHost g_SessionHost;

inline int ORV_STDCALL SessionHostProc(int command, char*, int, char* out)
{
    g_SessionHost.asked.push_back(command);
    if (command == g_SessionHost.throwOn) {
        // Not every host throws a standard exception.
        if (command % 2 == 0) {
            throw std::runtime_error("host failure");
        }
        throw command;
    }
    switch (command) {
    case HOSTCMD_GET_LOGIN:
        if (out != nullptr) {
            g_SessionHost.login.copy(out, g_SessionHost.login.size());
        }
        return static_cast<int>(g_SessionHost.login.size());
    case HOSTCMD_GET_TIMEOUT:
        return kSessionTimeout;
    case HOSTCMD_NEED_VERIFY:
        return g_SessionHost.verify;
    default:
        return 0;
    }
}

class GardenSessionFixture : public ::testing::Test {
protected:
    GardenSessionFixture()
    {
        glimmer_test::Reset();
        // What is clicked takes its image's size: the OK of the exchange window and of a box, the
        // level-up, the box itself.
        glimmer_test::RegisterTexture(2, 9, 64, 24);
        glimmer_test::RegisterTexture(2, 198, 40, 20);
        glimmer_test::RegisterTexture(1, kMsgBoxBackFrame, 320, 140);
        ClearGardenPackets();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        SetGardenDispatcher(&DispatchGardenPacket);
        m_Rig.m_Deliver = [](const orv::platform::WindowMessage& m) { g_ORVMgr.WndProc(m.hwnd, m.msg, m.wParam, m.lParam); };
        g_SessionHost = SessionHost{};
        g_SessionHost.login = "pt\nme\npw\n1.2.3.4\n80\n127.0.0.1\n" + std::to_string(m_Rig.m_Server.Port()) + "\nme\nMe";
        m_Dir.Write("orvdata/help/GardenMgr.xml", ReadFileBytes(std::string(ORVANE_SOURCE_DIR) +
                                                                 "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml"));
        m_Rig.m_Server.Script(LoginAndEnter());
    }
    ~GardenSessionFixture() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        SetGardenDispatcher(nullptr);
        glimmer_test::Reset();
    }
    static int Init() { return g_ORVMgr.Init(&SessionHostProc, 0, kSessionWnd, nullptr, nullptr, nullptr); }

    // The server's answers to a login: the player record of "me" (40 bytes, as short as a server
    // may send it: the bytes behind stay as they were), then the garden on entering.
    static std::vector<FakeGardenServer::Answer> LoginAndEnter()
    {
        gb::GardenDesc garden;
        garden.plots.resize(2);   // plots 1 and 2
        garden.plots[1].number = 2;
        garden.plantList = {{kGeneSeed, 1}};
        std::string player(40, '\0');
        player.replace(8, 2, "me");
        return {{48, FakeGardenServer::kAnySub, {gb::Packet(52, 0, player)}, false, {}},
                {884, 0x04, {gb::Enter501(garden)}, false, {}}};
    }

    // Socket rounds and frames until pred holds.
    bool Run(const std::function<bool()>& pred, int rounds = 400)
    {
        return FramesUntil(m_Rig, pred, rounds);
    }
    // A session from OpenGarden until its screen stands and the server has read what it sent:
    // the packets the server received, each led by its sequence character.
    std::vector<std::string> OpenSession()
    {
        g_ORVMgr.OpenGarden();
        EXPECT_TRUE(Run([] { return g_ORVMgr.IsGardenOpen(); }));
        Run([] { return false; }, 10);
        std::vector<std::string> sent;
        for (const ServerFrame& f : m_Rig.m_Server.Take()) {
            sent.push_back(f.seq + f.packet);
        }
        return sent;
    }
    // The draw calls of one frame, the mouse away from every window.
    static std::vector<std::string> DrawnFrame()
    {
        g_ORVMgr.WndProc(kSessionWnd, WM_MOUSEMOVE, 0, Pos(1, 1));
        glimmer_test::ClearTrace();
        g_ORVMgr.Render();
        std::vector<std::string> draws;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op.rfind("Draw", 0) == 0) {
                draws.push_back(glimmer_test::Format(c));
            }
        }
        return draws;
    }
    // Frames, with the socket stepped, until the server has seen the connection end.
    void AwaitEndOfConnection()
    {
        for (int i = 0; i < 200 && m_Rig.m_Server.HasClient(); ++i) {
            m_Rig.Step();
        }
        EXPECT_FALSE(m_Rig.m_Server.HasClient());
        m_Rig.m_Server.Take();
    }

    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;
};

}  // namespace orv::test
