#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/AerieStartup.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

// The game's side, as hooks: what the exported manager asked of it, in order.
std::vector<std::string> g_vGameLog;

void InstallGameHooks()
{
    g_vGameLog.clear();
    g_GameHooks.pfnNewBieReset = [] { g_vGameLog.push_back("reset"); };
    g_GameHooks.pfnVisitCity = [](const char* owner) { g_vGameLog.push_back(std::string("visit ") + owner); };
    g_GameHooks.pfnOnRecv = [](const char* data, int len) {
        g_vGameLog.push_back("recv " + std::string(data, static_cast<std::size_t>(len)));
    };
}

class ORVMgrTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        InstallGameHooks();
    }
    CORVMgr& Mgr() { return CORVMgr::GetSingleton(); }
};

TEST_F(ORVMgrTest, BeforeAnyCallbackNothingIsDrawnAndNoInputIsTaken)
{
    Mgr().Render();
    EXPECT_FALSE(Mgr().WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(10, 10)));
    EXPECT_FALSE(Mgr().IsAerieOpen());
    Mgr().CloseAerie();
    EXPECT_FALSE(MainWndCreated());
    EXPECT_TRUE(m_Host.m_vCalls.empty());
}

TEST_F(ORVMgrTest, FirstCallbackStaysForTheLifeOfTheLibrary)
{
    RecordingHost second;
    Mgr().SetORVCallBack(&m_Host);
    EXPECT_EQ(*GetORVCallBack(), &m_Host);
    EXPECT_EQ(CtrlMgr().m_MainWnd.m_nX, 112) << "the main window was created on the first callback";
    Mgr().OpenAerie(&second, "owner");
    Mgr().SetORVCallBack(&second);
    EXPECT_EQ(*GetORVCallBack(), &m_Host);
    EXPECT_TRUE(second.m_vCalls.empty());
    EXPECT_EQ(g_vGameLog, (std::vector<std::string>{"reset", "visit owner"}));
}

TEST_F(ORVMgrTest, NullCallbackOrOwnerIsRefused)
{
    Mgr().SetORVCallBack(nullptr);
    EXPECT_EQ(*GetORVCallBack(), nullptr);
    EXPECT_FALSE(MainWndCreated());
    Mgr().OpenAerie(nullptr, "owner");
    EXPECT_TRUE(g_vGameLog.empty()) << "no callback: the request could not go out";
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("null callback"));

    Mgr().OpenAerie(&m_Host, nullptr);
    EXPECT_EQ(*GetORVCallBack(), &m_Host);
    EXPECT_TRUE(g_vGameLog.empty());
    Mgr().OpenAerie(nullptr, "owner");   // a callback is held: the null one is ignored
    EXPECT_EQ(g_vGameLog, (std::vector<std::string>{"reset", "visit owner"}));
}

TEST_F(ORVMgrTest, OpenAerieWhileTheGameIsOpenSendsNothing)
{
    ScopedSystemWindowRecord chooser(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CTestWindow));
    Mgr().SetORVCallBack(&m_Host);
    Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kSysWndOpen));
    EXPECT_TRUE(Mgr().IsAerieOpen()) << "the chooser alone counts as open";
    Mgr().OpenAerie(&m_Host, "owner");
    EXPECT_TRUE(g_vGameLog.empty());
}

TEST_F(ORVMgrTest, RenderAndInputPassOnlyWhileTheGameIsOpen)
{
    Mgr().SetORVCallBack(&m_Host);
    CTestWindow* game = OpenGame();
    ASSERT_TRUE(Mgr().IsAerieOpen());
    game->m_wBackFrame = 31;
    m_Host.ClearLog();
    Mgr().Render();
    EXPECT_NE(m_Host.FindImage(31, 93), nullptr);
    EXPECT_FALSE(Mgr().WndProc(nullptr, 0x0010, 0, 0));
    Mgr().WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(7, 8));
    EXPECT_EQ(m_Host.Count("OnMouseMove"), 1);

    Mgr().CloseAerie();
    EXPECT_FALSE(Mgr().IsAerieOpen());
    m_Host.ClearLog();
    Mgr().Render();
    EXPECT_FALSE(Mgr().WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(9, 9)));
    EXPECT_TRUE(m_Host.m_vCalls.empty());
    EXPECT_EQ(g_nMouseX, 7u) << "input is not looked at while the game is closed";
    EXPECT_EQ(CtrlMgr().m_MainWnd.m_nWidth, 800) << "the main window stays";
}

TEST_F(ORVMgrTest, RecvHandsServerBytesToTheGame)
{
    Mgr().SetORVCallBack(&m_Host);
    Mgr().Recv(nullptr, 5);
    EXPECT_TRUE(g_vGameLog.empty());
    Mgr().Recv("abc", 3);
    EXPECT_EQ(g_vGameLog, (std::vector<std::string>{"recv abc"}));
}

// Messages handed over while an export runs (here from inside the game's own handling of one)
// are applied in arrival order once the outermost export returns, copied when they came; a
// negative length is dropped with a debug line, a throwing one does not stop the next.
TEST_F(ORVMgrTest, RecvFromInsideAnExportWaitsForTheOutermostInArrivalOrder)
{
    Mgr().SetORVCallBack(&m_Host);
    g_GameHooks.pfnOnRecv = [](const char* data, int len) {
        const std::string msg(data, static_cast<std::size_t>(len));
        g_vGameLog.push_back("recv " + msg);
        if (msg == "outer") {
            std::string inner = "in1";
            CORVMgr::GetSingleton().Recv(inner.data(), 3);
            inner = "xxx";   // the message was copied when it came
            CORVMgr::GetSingleton().Recv("bad", -1);
            CORVMgr::GetSingleton().Recv("throw", 5);
            CORVMgr::GetSingleton().Recv("in2", 3);
            g_vGameLog.push_back("outer done");
        } else if (msg == "throw") {
            throw 1;
        } else if (msg == "in2") {
            CORVMgr::GetSingleton().Recv("in3", 3);
        }
    };
    Mgr().Recv("outer", 5);
    EXPECT_EQ(g_vGameLog,
              (std::vector<std::string>{"recv outer", "outer done", "recv in1", "recv throw", "recv in2", "recv in3"}));
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Aerie message of -1 bytes dropped"));
}

TEST_F(ORVMgrTest, ExceptionsStopAtTheBoundary)
{
    g_GameHooks.pfnOnRecv = [](const char*, int) { throw 1; };
    EXPECT_NO_THROW(Mgr().Recv("x", 1));
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Recv"));
}

// The callback and an open handed over from inside an export (here the game's handling of a server
// message) wait for the outermost export: the first callback still wins, the main window is
// created only then, and the owner name is the one given, copied when it came.
TEST_F(ORVMgrTest, CallbackAndOpenFromInsideAnExportWaitForTheOutermost)
{
    static RecordingHost* s_pHost = nullptr;
    static RecordingHost s_Second;
    s_pHost = &m_Host;
    g_GameHooks.pfnOnRecv = [](const char*, int) {
        g_vGameLog.push_back("recv");
        CORVMgr::GetSingleton().SetORVCallBack(s_pHost);
        CORVMgr::GetSingleton().SetORVCallBack(&s_Second);
        std::string owner = "owner";
        CORVMgr::GetSingleton().OpenAerie(&s_Second, owner.c_str());
        owner = "xxxxx";
        CORVMgr::GetSingleton().OpenAerie(nullptr, nullptr);
        g_vGameLog.push_back(MainWndCreated() ? "created inside" : "recv done");
    };
    Mgr().Recv("m", 1);
    EXPECT_EQ(g_vGameLog, (std::vector<std::string>{"recv", "recv done", "reset", "visit owner"}));
    EXPECT_EQ(*GetORVCallBack(), &m_Host);
    EXPECT_TRUE(MainWndCreated());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("OpenAerie without an owner name"));
}

// A game that answers the enter request by opening again, every time: the open asked for while
// one runs is dropped, so OpenAerie returns with one visit.
TEST_F(ORVMgrTest, OpenAerieAskedAgainWhileItRunsReturnsWithOneVisit)
{
    Mgr().SetORVCallBack(&m_Host);
    static int s_nVisits = 0;
    s_nVisits = 0;
    g_GameHooks.pfnVisitCity = [](const char*) {
        if (++s_nVisits < 50) {   // a bound, so a looping library still ends
            CORVMgr::GetSingleton().OpenAerie(*GetORVCallBack(), "owner");
        }
    };
    Mgr().OpenAerie(&m_Host, "owner");
    EXPECT_EQ(s_nVisits, 1);
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("OpenAerie from inside a host callback dropped"));
}

// A held call counts as running while it is applied. A host that opens the city from inside
// SendToServer, every time: the open it asks for while a server message runs is held; applying it
// sends the visit request, and the open the host asks for from there is dropped, not applied.
TEST_F(ORVMgrTest, AHeldOpenAerieBeingAppliedDropsTheOpenItsVisitAsksFor)
{
    Mgr().SetORVCallBack(&m_Host);
    InstallAerieHooks();   // the game's visit sends its request through the host
    g_GameHooks.pfnOnRecv = [](const char*, int) { ORVCallBack()->SendToServer("ack", 3); };
    static int s_nOpens = 0;
    s_nOpens = 0;
    m_Host.m_fnOnSend = [](const char*, int) {
        if (++s_nOpens < 50) {   // a bound, so a looping library still ends
            CORVMgr::GetSingleton().OpenAerie(*GetORVCallBack(), "owner");
        }
    };
    Mgr().Recv("m", 1);
    m_Host.m_fnOnSend = nullptr;
    const std::vector<SentRequest> sent = m_Host.Requests();
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const SentRequest& r) { return r.m_bHasHeader && r.m_wSub == REQ_VISIT_CITY; }),
              1);
    EXPECT_EQ(s_nOpens, 2);
    EXPECT_EQ(std::count_if(m_Fake.m_vDebugLines.begin(), m_Fake.m_vDebugLines.end(),
                            [](const std::string& line) {
                                return line.find("OpenAerie from inside a host callback dropped") != std::string::npos;
                            }),
              1);
}

// An owner name held for later is read as far as the open itself reads it: a name with no NUL
// within the bound (an exact-size buffer) goes out cut at the bound, and nothing past it is read.
TEST_F(ORVMgrTest, AHeldOpenReadsTheOwnerNameWithinItsBound)
{
    Mgr().SetORVCallBack(&m_Host);
    InstallAerieHooks();
    static std::unique_ptr<char[]> s_pName;
    s_pName = std::make_unique<char[]>(kMaxHostText + 44);
    std::fill_n(s_pName.get(), kMaxHostText + 44, 'n');
    g_GameHooks.pfnOnRecv = [](const char*, int) { CORVMgr::GetSingleton().OpenAerie(*GetORVCallBack(), s_pName.get()); };
    Mgr().Recv("m", 1);
    s_pName.reset();
    const std::vector<SentRequest> sent = m_Host.Requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, REQ_VISIT_CITY);
    EXPECT_EQ(sent[0].m_strBody, std::string(kMaxHostText, 'n'));
}

// A window message from inside an export answers false and is applied afterwards; a frame asked
// for there draws nothing.
TEST_F(ORVMgrTest, WndProcFromInsideIsHeldAndRenderDrawsNothing)
{
    Mgr().SetORVCallBack(&m_Host);
    CTestWindow* game = OpenGame();
    game->m_wBackFrame = 31;
    static std::vector<bool> s_vAnswers;
    s_vAnswers.clear();
    g_GameHooks.pfnOnRecv = [](const char*, int) {
        s_vAnswers.push_back(CORVMgr::GetSingleton().WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(7, 8)));
        CORVMgr::GetSingleton().Render();
        s_vAnswers.push_back(g_nMouseX == 7);
    };
    m_Host.ClearLog();
    Mgr().Recv("m", 1);
    EXPECT_EQ(s_vAnswers, (std::vector<bool>{false, false}));
    EXPECT_EQ(m_Host.FindImage(31, 93), nullptr) << "drawn from inside";
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Render from inside a host callback skipped"));
    EXPECT_EQ(g_nMouseX, 7u) << "the move came after Recv";
    EXPECT_EQ(m_Host.Count("OnMouseMove"), 1);
}

}  // namespace
