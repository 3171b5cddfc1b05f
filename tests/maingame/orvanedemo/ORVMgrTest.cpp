#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/Net.h"
#include "engine/ui/EngineInput.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/xml/XmlTestFiles.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"
#include "support/TestWindow.h"

namespace {

using orv::test::FakeGardenServer;
using orv::test::NetRig;

HWND const kWnd = reinterpret_cast<HWND>(0x1234);

constexpr int kUseLength = -0x7FFFFFFF;   // command 1 answers the login's length

// What the host answers and what it was asked.
struct Host {
    std::vector<int> commands;
    std::vector<unsigned> ticks;   // the fake clock at each call
    int timeout = 0;
    int verify = 0;
    std::string login;
    int loginAnswer = kUseLength;
    std::function<void(int command)> answer;   // a host calling the library back from inside
};
Host g_Host;
orv::platform::FakePlatform* g_pFake = nullptr;

int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    g_Host.commands.push_back(command);
    g_Host.ticks.push_back(g_pFake != nullptr ? g_pFake->m_dwTick : 0);
    if (g_Host.answer) {
        g_Host.answer(command);
    }
    switch (command) {
    case HOSTCMD_GET_TIMEOUT:
        return g_Host.timeout;
    case HOSTCMD_NEED_VERIFY:
        return g_Host.verify;
    case HOSTCMD_GET_LOGIN:
        if (out != nullptr) {
            g_Host.login.copy(out, g_Host.login.size());
        }
        return g_Host.loginAnswer != kUseLength ? g_Host.loginAnswer : static_cast<int>(g_Host.login.size());
    default:
        return 0;
    }
}

// A stand-in for the Garden main window.
class CGardenStandIn : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenStandIn)
public:
    void OnDraw() override { g_Font.DrawTextA(m_nAbsX, m_nAbsY, "garden", 0xFFFFFFFF, 12, 0, 0); }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CGardenStandIn, CORVWindow)

std::vector<std::string> g_Dispatched;
void Dispatch(const u8* data, int len)
{
    g_Dispatched.emplace_back(reinterpret_cast<const char*>(data), static_cast<std::size_t>(len));
}

class OrvaneDemoTest : public ::testing::Test {
protected:
    OrvaneDemoTest()
    {
        g_pFake = &m_Rig.m_Fake;
        g_Host = Host{};
        g_Dispatched.clear();
        glimmer_test::Reset();
        ClearGardenPackets();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        SetGardenDispatcher(&Dispatch);
        m_Rig.m_Deliver = [](const orv::platform::WindowMessage& m) {
            g_ORVMgr.WndProc(m.hwnd, m.msg, m.wParam, m.lParam);
        };
    }
    ~OrvaneDemoTest() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        SetGardenDispatcher(nullptr);
        glimmer_test::Reset();
        g_pFake = nullptr;
    }
    int InitOk() { return g_ORVMgr.Init(&HostProc, 0, kWnd, nullptr, nullptr, nullptr); }
    void OpenGardenWindow()
    {
        ORVMsg open(kMsgGardenWnd, kSysWndOpen);
        CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    }
    std::string LoginText() const
    {
        return "pt\nguid\npw\n1.2.3.4\n80\n127.0.0.1\n" + std::to_string(m_Rig.m_Server.Port()) + "\nenter\nme";
    }

    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    // The garden slot's own record is put back for the tests that follow.
    orv::test::ScopedSystemWindowRecord m_GardenRecord{kMsgGardenWnd, ORV_RUNTIME_CLASS(CGardenStandIn)};
    NetRig m_Rig;
};

TEST_F(OrvaneDemoTest, InitAnswersItsCodesAndStartsTheRendererOnce)
{
    EXPECT_EQ(g_ORVMgr.Init(nullptr, 0, nullptr, nullptr, nullptr, nullptr), 2);   // window tested first
    EXPECT_EQ(g_ORVMgr.Init(nullptr, 0, kWnd, nullptr, nullptr, nullptr), 3);
    glimmer_test::SetCreateResult(0);
    EXPECT_EQ(InitOk(), 1);
    glimmer_test::SetCreateResult(2);
    EXPECT_EQ(InitOk(), 1);   // a throw before the renderer stood is no success
    glimmer_test::SetCreateResult(1);
    const struct {
        int mode;
        long long displayMode;
    } modes[] = {{1, 0}, {0, 2}, {2, 2}};
    for (const auto& m : modes) {
        glimmer_test::ClearTrace();
        ASSERT_EQ(g_ORVMgr.Init(&HostProc, m.mode, kWnd, nullptr, nullptr, nullptr), 0);
        const std::vector<glimmer_test::Call>& calls = glimmer_test::Trace();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(glimmer_test::Format(calls[0]), "CreateD3D(0, 0, " + std::to_string(m.displayMode) + ", 0)");
        EXPECT_EQ(glimmer_test::Format(calls[1]), "SetFPS(50)");
        glimmer_test::ClearTrace();
        EXPECT_EQ(InitOk(), 0);   // again: nothing happens
        EXPECT_TRUE(glimmer_test::Trace().empty());
        g_ORVMgr.Release();
    }
    EXPECT_EQ(CORVCtrlMgr::GetSingleton().m_MainWnd.m_nWidth, 800);
}

TEST_F(OrvaneDemoTest, DeviceCallsPassOnlyWhenInitialised)
{
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(nullptr);
    g_ORVMgr.Release();
    glimmer_test::SetWillShowFrame(false);
    EXPECT_FALSE(g_ORVMgr.ShoudRender());   // answered before Init too
    EXPECT_EQ(glimmer_test::Ops(), std::vector<std::string>{"WillShowFrame"});
    ASSERT_EQ(InitOk(), 0);
    glimmer_test::ClearTrace();
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(nullptr);
    g_ORVMgr.Release();
    EXPECT_EQ(glimmer_test::Ops(), (std::vector<std::string>{"OnDeviceLost", "OnDeviceReset", "KillD3D"}));
    EXPECT_EQ(g_ORVMgr.m_bInited, 0);
}

TEST_F(OrvaneDemoTest, RenderRunsItsStepsInOrder)
{
    ASSERT_EQ(InitOk(), 0);
    g_ORVMgr.Render();   // the Garden is closed: nothing drawn
    glimmer_test::ClearTrace();
    EXPECT_TRUE(glimmer_test::Ops().empty());
    OpenGardenWindow();
    glimmer_test::SetPoolFigures(0x100, 0x4000000);
    g_ORVMgr.Render();
    EXPECT_EQ(glimmer_test::Ops(), (std::vector<std::string>{"WashTexture", "PopThreadReaded", "ValidateDX", "BeginScene",
                                                             "DrawTextA", "EndScene"}));
}

TEST_F(OrvaneDemoTest, TextureHousekeepingFollowsThePoolFigures)
{
    ASSERT_EQ(InitOk(), 0);
    OpenGardenWindow();
    const struct {
        u32 used;
        u32 room;
        const char* wash;
        bool release;
    } cases[] = {
        {0x2FFFFF, 0x100000, "WashTexture(600)", false},
        {0x300000, 0x100000, "WashTexture(3000)", false},
        {0x9FFFFF, 0xFFFFF, "WashTexture(3000)", true},
        {0xA00000, 0x100000, nullptr, false},
    };
    for (const auto& c : cases) {
        glimmer_test::SetPoolFigures(c.used, c.room);
        glimmer_test::ClearTrace();
        g_ORVMgr.Render();
        std::string ops;
        for (const auto& call : glimmer_test::Trace()) {
            if (call.op == "WashTexture" || call.op == "ReleaseSomePool") {
                ops += glimmer_test::Format(call);
            }
        }
        EXPECT_EQ(ops, std::string(c.wash ? c.wash : "") + (c.release ? "ReleaseSomePool()" : "")) << c.used;
    }
}

TEST_F(OrvaneDemoTest, WndProcPassesOnlySocketNotificationsWhileTheGardenIsClosed)
{
    ASSERT_EQ(InitOk(), 0);
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, 0));
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 0, 0));
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(m_Rig.m_Fake.GetCapture(), nullptr);
    EXPECT_TRUE(g_ORVMgr.WndProc(kWnd, kMsgSocketNotify, 9999, 1));
}

TEST_F(OrvaneDemoTest, InputOfTheOpenGardenIsTranslated)
{
    ASSERT_EQ(InitOk(), 0);
    OpenGardenWindow();
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(m_Rig.m_Fake.GetCapture(), kWnd);
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(m_Rig.m_Fake.GetCapture(), nullptr);
    // The hit test hides the system cursor over the client area and brings it back elsewhere.
    m_Rig.m_Fake.m_nCursorCount = 2;
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_NCHITTEST, 0, 0));
    EXPECT_EQ(m_Rig.m_Fake.m_nCursorCount, -1);
    EXPECT_EQ(g_bSystemCursor, 0);
    m_Rig.m_Fake.m_nHitTestAnswer = 2;
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_NCHITTEST, 0, 0));
    EXPECT_EQ(m_Rig.m_Fake.m_nCursorCount, 0);
    EXPECT_EQ(g_bSystemCursor, 1);
    // The library's own cursor is drawn at the last mouse position while the system one is hidden.
    g_bSystemCursor = 0;
    glimmer_test::RegisterTexture(7, 1, 16, 16);
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, (40 << 16) | 30);
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    bool cursor = false;
    for (const auto& call : glimmer_test::Trace()) {
        cursor = cursor || glimmer_test::Format(call) == "DrawTex(30, 40, 4294967295, 7, 1, 0)";
    }
    EXPECT_TRUE(cursor);
}

TEST_F(OrvaneDemoTest, OpenGardenArmsTheWatchdogThenAsksTimeOutThenLogin)
{
    m_Rig.m_Fake.m_dwTick = 0;   // a start tick of 0 still arms the watchdog
    g_Host.timeout = 0;
    g_Host.loginAnswer = 0;      // an empty text: parsing fails, nothing connects
    ASSERT_EQ(InitOk(), 0);
    g_ORVMgr.OpenGarden();
    ASSERT_GE(g_Host.commands.size(), 2u);
    EXPECT_EQ(g_Host.commands[0], HOSTCMD_GET_TIMEOUT);
    EXPECT_EQ(g_Host.commands[1], HOSTCMD_GET_LOGIN);
    EXPECT_NE(ReadFileBytes("log.txt").find("orv ptid error"), std::string::npos);
    g_Host.commands.clear();
    m_Rig.m_Fake.m_dwTick = 2000;   // exactly the default time-out: not yet
    g_ORVMgr.Render();
    EXPECT_TRUE(g_Host.commands.empty());
    m_Rig.m_Fake.m_dwTick = 2001;
    g_ORVMgr.Render();
    g_ORVMgr.Render();
    EXPECT_EQ(g_Host.commands, std::vector<int>{HOSTCMD_CONNECT_TIMEOUT});
}

// What the host's procedure throws stays on its side: each command it throws on answers 0 with a
// debug line naming it; the open goes on as with an empty login, the watchdog still tells of the
// time-out.
TEST_F(OrvaneDemoTest, AHostProcedureThatThrowsAnswersZero)
{
    m_Rig.m_Fake.m_dwTick = 0;
    g_Host.login = LoginText();
    ASSERT_EQ(InitOk(), 0);
    g_Host.answer = [](int command) {
        if (command == HOSTCMD_GET_LOGIN) {
            throw command;
        }
        throw std::runtime_error("host failure");
    };
    g_ORVMgr.OpenGarden();
    m_Rig.m_Fake.m_dwTick = 2001;   // the default time-out, as the throwing command 2 answered 0
    g_ORVMgr.Render();
    g_Host.answer = nullptr;
    EXPECT_TRUE(GetLoginInfo().strLoginText.empty());
    for (const int command : {HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN, HOSTCMD_CONNECT_TIMEOUT}) {
        EXPECT_TRUE(m_Rig.m_Fake.HasDebugLineContaining("the host's procedure, command " + std::to_string(command) +
                                                        " threw"))
            << command;
    }
}

TEST_F(OrvaneDemoTest, WatchdogRunsWithoutInitAndStopsWhenTheGardenOpens)
{
    g_Host.timeout = 5000;
    m_Rig.m_Fake.m_dwTick = 100;
    g_ORVMgr.OpenGarden();   // no callback held yet: armed all the same, nobody to tell
    EXPECT_EQ(GetLoginInfo().m_dwTimeout, 2000u);
    m_Rig.m_Fake.m_dwTick = 100000;
    g_ORVMgr.Render();
    EXPECT_TRUE(g_Host.commands.empty());
    ASSERT_EQ(InitOk(), 0);
    g_Host.loginAnswer = 0;
    m_Rig.m_Fake.m_dwTick = 200000;
    g_ORVMgr.OpenGarden();
    EXPECT_EQ(GetLoginInfo().m_dwTimeout, 5000u);   // the host's answer
    OpenGardenWindow();
    g_ORVMgr.Render();   // the Garden opened in time: the watchdog is off
    g_Host.commands.clear();
    m_Rig.m_Fake.m_dwTick = 300000;
    g_ORVMgr.Render();
    EXPECT_TRUE(g_Host.commands.empty());
}

TEST_F(OrvaneDemoTest, LogsInOverTcpAndQueuesReceivedPacketsForTheFrame)
{
    g_Host.verify = 1;
    g_Host.login = LoginText();
    ASSERT_EQ(InitOk(), 0);
    g_ORVMgr.OpenGarden();
    ASSERT_TRUE(m_Rig.StepUntil([&] { return m_Rig.m_Server.Frames().size() >= 2; }));
    const std::vector<orv::test::ServerFrame> frames = m_Rig.m_Server.Take();
    EXPECT_EQ(frames[0].packet, FakeGardenServer::Packet(48, 0, std::string("pt\0guid\0pw\0" "1.2.3.4\0" "80", 21)));
    EXPECT_EQ(frames[1].packet, FakeGardenServer::Packet(3030, 0, "@verifyresult guid me"));
    EXPECT_NE(ReadFileBytes("log.txt").find("garden connect ok"), std::string::npos);
    // A reply split across two writes reaches the dispatcher in the next frame.
    const std::string reply = FakeGardenServer::Packet(52, 0, std::string(88, 'p'));
    const std::string wire = FakeGardenServer::Frame(reply, '2');
    m_Rig.m_Server.SendRaw(wire.substr(0, 40));
    m_Rig.StepUntil([] { return false; }, 5);
    m_Rig.m_Server.SendRaw(wire.substr(40));
    ASSERT_TRUE(m_Rig.StepUntil([] { return HeldGardenPacketCount() != 0; }));
    EXPECT_TRUE(g_Dispatched.empty());
    g_ORVMgr.Render();
    ASSERT_EQ(g_Dispatched.size(), 1u);
    EXPECT_EQ(g_Dispatched[0], reply);
}

TEST_F(OrvaneDemoTest, CommandOneAnswersAreClampedToTheBuffer)
{
    g_Host.loginAnswer = 1 << 30;   // more than the buffer: only the buffer is read
    g_Host.login = LoginText();
    ASSERT_EQ(InitOk(), 0);
    g_ORVMgr.OpenGarden();
    EXPECT_EQ(GetLoginInfo().strLoginText.size(), static_cast<std::size_t>(kLoginTextBytes));
    g_Host.loginAnswer = -5;
    g_ORVMgr.OpenGarden();
    EXPECT_TRUE(GetLoginInfo().strLoginText.empty());
}

// A host that answers the login request with more bytes than it wrote this time reads zero bytes
// there, never the login text (the password) of the open before.
TEST_F(OrvaneDemoTest, OneLoginTextNeverReachesTheNextOpen)
{
    g_Host.login = LoginText();
    ASSERT_EQ(InitOk(), 0);
    g_ORVMgr.OpenGarden();
    ASSERT_EQ(GetLoginInfo().strLoginText, g_Host.login);
    const std::size_t written = g_Host.login.size();
    g_Host.login.clear();
    g_Host.loginAnswer = static_cast<int>(written);
    g_ORVMgr.OpenGarden();
    EXPECT_EQ(GetLoginInfo().strLoginText, std::string(written, '\0'));
}

TEST_F(OrvaneDemoTest, CloseGardenAndReleaseRemoveTheGardenWindow)
{
    ASSERT_EQ(InitOk(), 0);
    OpenGardenWindow();
    EXPECT_TRUE(g_ORVMgr.IsGardenOpen());
    g_ORVMgr.CloseGarden();
    EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
    OpenGardenWindow();
    g_ORVMgr.Release();
    EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();   // after Release nothing is drawn
    EXPECT_TRUE(glimmer_test::Ops().empty());
    ASSERT_EQ(InitOk(), 0);   // and Init sets everything up afresh
    EXPECT_EQ(GetGameNet().GetRecordCount(), 1);
}

// A Garden window that tells the host it stands and that it goes, as the Garden main window does.
class CNoticingGarden : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CNoticingGarden)
public:
    void OnCreate() override { CallHost(HOSTCMD_GARDEN_OPENED); }
    ~CNoticingGarden() override { CallHost(HOSTCMD_GARDEN_CLOSED); }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CNoticingGarden, CORVWindow)

// The packet that enters the Garden opens its window at once, inside Render.
void OpenOnPacket(const u8*, int)
{
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
}

// A whole packet (its 12-byte header and a body) that OpenOnPacket answers by opening the Garden.
void PushEnterPacket()
{
    const std::string packet = FakeGardenServer::Packet(501, 0, "enter");
    ASSERT_TRUE(PushGardenPacket(packet.data(), static_cast<int>(packet.size())));
}

// A host that closes the Garden, or releases the library, from inside the window's opened notice:
// the close waits until Render returns, so the window is built whole first and then goes.
TEST_F(OrvaneDemoTest, CloseOrReleaseFromInsideTheCallbackWaitsForTheOutermostExport)
{
    const struct {
        const char* name;
        void (*call)();
        u8 inited;
    } cases[] = {
        {"CloseGarden", [] { g_ORVMgr.CloseGarden(); }, 1},
        {"Release", [] { g_ORVMgr.Release(); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(InitOk(), 0);
        SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CNoticingGarden));
        SetGardenDispatcher(&OpenOnPacket);
        g_Host.commands.clear();
        bool openWhenAsked = false;
        g_Host.answer = [&](int command) {
            if (command == HOSTCMD_GARDEN_OPENED) {
                c.call();
                openWhenAsked = g_ORVMgr.IsGardenOpen();
            }
        };
        PushEnterPacket();
        g_ORVMgr.Render();
        g_Host.answer = nullptr;
        EXPECT_FALSE(openWhenAsked) << "the window is not in its slot while it is being built";
        EXPECT_EQ(g_Host.commands, (std::vector<int>{HOSTCMD_GARDEN_OPENED, HOSTCMD_GARDEN_CLOSED}));
        EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
        EXPECT_EQ(g_ORVMgr.m_bInited, c.inited);
        g_ORVMgr.Release();
    }
}

// Input and socket notices handed to WndProc from inside a callback are applied after the export
// that called the host; a frame asked for there is skipped (the watchdog fires once).
TEST_F(OrvaneDemoTest, WndProcFromInsideTheCallbackIsHeldAndRenderSkipped)
{
    ASSERT_EQ(InitOk(), 0);
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CNoticingGarden));
    SetGardenDispatcher(&OpenOnPacket);
    std::vector<bool> answers;
    g_Host.answer = [&](int command) {
        if (command == HOSTCMD_GARDEN_OPENED) {
            answers.push_back(g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 0, 0));
            answers.push_back(g_ORVMgr.WndProc(kWnd, kMsgSocketNotify, 9999, 1));
            answers.push_back(m_Rig.m_Fake.GetCapture() == kWnd);
        }
    };
    PushEnterPacket();
    g_ORVMgr.Render();
    EXPECT_EQ(answers, (std::vector<bool>{false, true, false})) << "nothing applied inside the callback";
    EXPECT_EQ(m_Rig.m_Fake.GetCapture(), kWnd) << "the button press came after Render";
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONUP, 0, 0);
    g_ORVMgr.CloseGarden();

    // The watchdog's command 4, answered with a frame: skipped, so the watchdog fires once.
    int frames = 0;
    g_Host.answer = [&](int command) {
        if (command == HOSTCMD_CONNECT_TIMEOUT && ++frames < 4) {
            g_ORVMgr.Render();
        }
    };
    g_Host.commands.clear();
    g_Host.loginAnswer = 0;
    g_ORVMgr.OpenGarden();
    m_Rig.m_Fake.m_dwTick += 100000;
    g_ORVMgr.Render();
    g_Host.answer = nullptr;
    EXPECT_EQ(g_Host.commands, (std::vector<int>{HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN, HOSTCMD_CONNECT_TIMEOUT}));
    EXPECT_TRUE(m_Rig.m_Fake.HasDebugLineContaining("Render from inside a host callback skipped"));
}

// A host that answers the login request by opening the Garden again, every time: the open asked
// for while one runs is dropped, so OpenGarden returns with one login sent.
TEST_F(OrvaneDemoTest, OpenGardenAskedAgainFromTheLoginRequestReturnsWithOneLogin)
{
    g_Host.login = LoginText();
    ASSERT_EQ(InitOk(), 0);
    int answers = 0;
    g_Host.answer = [&](int command) {
        if (command == HOSTCMD_GET_LOGIN && ++answers < 50) {   // a bound, so a looping library still ends
            g_ORVMgr.OpenGarden();
        }
    };
    g_ORVMgr.OpenGarden();
    g_Host.answer = nullptr;
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(m_Rig.m_Fake.HasDebugLineContaining("OpenGarden from inside a host callback dropped"));
    ASSERT_TRUE(m_Rig.StepUntil([&] { return !m_Rig.m_Server.Frames().empty(); }));
    m_Rig.StepUntil([] { return false; }, 10);
    int logins = 0;
    for (const orv::test::ServerFrame& f : m_Rig.m_Server.Frames()) {
        logins += FakeGardenServer::MessageId(f.packet) == 48 ? 1 : 0;
    }
    EXPECT_EQ(logins, 1);
}

// A held call counts as running while it is applied. A host that opens the Garden again when told
// the connection timed out (inside Render, so the open is held) and answers the login request by
// opening again: applying the held open asks for the login once, and the open asked for from there
// is dropped, not applied.
TEST_F(OrvaneDemoTest, AHeldOpenGardenBeingAppliedDropsTheOpenItsLoginRequestAsksFor)
{
    ASSERT_EQ(InitOk(), 0);
    g_Host.loginAnswer = 0;
    g_ORVMgr.OpenGarden();
    g_Host.loginAnswer = kUseLength;
    g_Host.login = LoginText();
    int opens = 0;
    g_Host.answer = [&](int command) {
        if ((command == HOSTCMD_CONNECT_TIMEOUT || command == HOSTCMD_GET_LOGIN) && ++opens < 50) {   // a bound
            g_ORVMgr.OpenGarden();
        }
    };
    g_Host.commands.clear();
    m_Rig.m_Fake.m_dwTick += 100000;
    g_ORVMgr.Render();
    g_Host.answer = nullptr;
    EXPECT_EQ(g_Host.commands, (std::vector<int>{HOSTCMD_CONNECT_TIMEOUT, HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN,
                                                 HOSTCMD_NEED_VERIFY}));
    const std::vector<std::string>& lines = m_Rig.m_Fake.m_vDebugLines;
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find("OpenGarden from inside a host callback dropped") != std::string::npos;
                            }),
              1);
}

// CloseGarden and Release end the session at every stage of the login: the server sees the
// connection closed, and a second session in the same process sends only its own login and
// dispatches nothing the first one received or left waiting.
TEST_F(OrvaneDemoTest, ClosingAtAnyStageOfTheLoginClosesTheConnectionAndForgetsTheSession)
{
    enum Stage { kConnecting, kLoginUnanswered, kEntered };
    const struct {
        const char* name;
        Stage stage;
        bool release;
    } cases[] = {
        {"CloseGarden while connecting", kConnecting, false},
        {"CloseGarden with the login unanswered", kLoginUnanswered, false},
        {"CloseGarden in the Garden", kEntered, false},
        {"Release while connecting", kConnecting, true},
        {"Release with the login unanswered", kLoginUnanswered, true},
        {"Release in the Garden", kEntered, true},
    };
    const std::string oldPacket = FakeGardenServer::Packet(77, 0, "first session");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_Dispatched.clear();
        g_Host.login = LoginText();
        ASSERT_EQ(InitOk(), 0);
        g_ORVMgr.OpenGarden();
        SendGardenText("old", 3);   // waits while connecting, goes out once connected
        if (c.stage != kConnecting) {
            ASSERT_TRUE(m_Rig.StepUntil([&] { return m_Rig.m_Server.Frames().size() >= 2; }));
            // The server's packet reaches the client's queue; no frame drains it.
            m_Rig.m_Server.SendRaw(FakeGardenServer::Frame(oldPacket));
            ASSERT_TRUE(m_Rig.StepUntil([] { return HeldGardenPacketCount() != 0; }));
            if (c.stage == kEntered) {
                OpenGardenWindow();
            }
        }
        if (c.release) {
            g_ORVMgr.Release();
        } else {
            g_ORVMgr.CloseGarden();
        }
        EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
        // The server accepts whatever reached it and reads the end of the stream.
        m_Rig.StepUntil([] { return false; }, 20);
        EXPECT_FALSE(m_Rig.m_Server.HasClient()) << "the connection stays open";
        m_Rig.m_Server.Take();

        // The second session.
        ASSERT_EQ(InitOk(), 0);
        g_ORVMgr.OpenGarden();
        ASSERT_TRUE(m_Rig.StepUntil([&] { return !m_Rig.m_Server.Frames().empty(); }));
        m_Rig.StepUntil([] { return false; }, 10);
        const std::vector<orv::test::ServerFrame> frames = m_Rig.m_Server.Take();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(FakeGardenServer::MessageId(frames[0].packet), 48) << "the login alone";
        g_ORVMgr.Render();
        EXPECT_TRUE(g_Dispatched.empty()) << "a packet of the first session was dispatched";
        g_ORVMgr.Release();
        m_Rig.StepUntil([] { return false; }, 20);
        m_Rig.m_Server.Take();
    }
}

}  // namespace
