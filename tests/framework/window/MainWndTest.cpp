#include <gtest/gtest.h>

#include <cstddef>
#include <new>
#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DragIcon.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

class MainWndTest : public LibraryTest {};

TEST_F(MainWndTest, MainWindowIs800By600CentredOnTheHostScreen)
{
    struct Case {
        int w, h, x, y;
    };
    for (Case c : {Case{1024, 768, 112, 84}, Case{800, 600, 0, 0}, Case{640, 480, -80, -60}, Case{1025, 769, 112, 84}}) {
        ResetLibrary();
        m_Host.m_nScreenWidth = c.w;
        m_Host.m_nScreenHeight = c.h;
        Attach();
        EXPECT_EQ(MainWnd().m_nX, c.x) << c.w;
        EXPECT_EQ(MainWnd().m_nY, c.y) << c.w;
        EXPECT_EQ(MainWnd().m_nAbsX, c.x);
        EXPECT_EQ(MainWnd().m_nWidth, 800);
        EXPECT_EQ(MainWnd().m_nHeight, 600);
        EXPECT_EQ(MainWnd().m_pCloseButton, nullptr);
    }
}

TEST_F(MainWndTest, WindowWithoutARecordCannotOpen)
{
    Attach();
    ScopedSystemWindowRecord none(ORV_MSG_SPLITWND, nullptr);
    EXPECT_TRUE(Route(ORVMsg(ORV_MSG_SPLITWND, kSysWndOpen)));
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_SPLITWND), nullptr);
    EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("0x115"));
}

TEST_F(MainWndTest, CloseGameWindowPrefersTheGameWindowThenTheChooser)
{
    Attach();
    ScopedSystemWindowRecord game(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CTestWindow));
    ScopedSystemWindowRecord chooser(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CTestWindow));
    MainWnd().CloseGameWindow();   // neither: nothing
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kSysWndOpen));
    EXPECT_TRUE(MainWnd().IsGameOpen());
    MainWnd().CloseGameWindow();
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
    EXPECT_NE(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST), nullptr);
    EXPECT_TRUE(MainWnd().IsGameOpen());
    MainWnd().CloseGameWindow();
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST), nullptr);
    EXPECT_FALSE(MainWnd().IsGameOpen());
}

// A window whose destructor routes a topic to its own slot: the field is already clear, so the
// dying window is not reached.
class CRoutingOnDeathWnd : public CTestWindow {
    ORV_DECLARE_RUNTIME_CLASS(CRoutingOnDeathWnd)
public:
    ~CRoutingOnDeathWnd() override
    {
        ORVMsg topic(ORV_MSG_GAMEWND, 41);
        CORVCtrlMgr::GetSingleton().RouteMessage(&topic);
        ORVMsg note(ORV_MSG_MSGBOX, kSysWndClose);
        PostToManager(&note, 1);
    }
    bool ProcessMessage(ORVMsg* msg) override
    {
        ++s_nCalls;
        return CTestWindow::ProcessMessage(msg);
    }
    static int s_nCalls;
};
int CRoutingOnDeathWnd::s_nCalls = 0;
ORV_IMPLEMENT_RUNTIME_CLASS(CRoutingOnDeathWnd, CTestWindow)

TEST_F(MainWndTest, FieldIsClearedBeforeTheWindowDies)
{
    Attach();
    ScopedSystemWindowRecord game(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CRoutingOnDeathWnd));
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    CRoutingOnDeathWnd::s_nCalls = 0;
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndClose));
    EXPECT_EQ(CRoutingOnDeathWnd::s_nCalls, 0);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);

    // The same at teardown: every window goes while the manager and its queue live.
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    CtrlMgr().DestroyWindowTree();
    EXPECT_EQ(CRoutingOnDeathWnd::s_nCalls, 0);
    EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    EXPECT_EQ(CtrlMgr().m_MsgQueue.GetPendingCount(), 0u);
}

int g_nNewBieDraws = 0;
RecordingHost* g_pHostForHooks = nullptr;

TEST_F(MainWndTest, FrameRoutesTheManagersQueueFirstAndDrawsTheTopLayersInOrder)
{
    Attach();
    CTestWindow* game = OpenGame();
    ASSERT_NE(game, nullptr);
    auto* wnd = Place(MainWnd(), new ProbeWindow("wnd"), 0, 0, 100, 100);
    wnd->m_fnOnDraw = [&] { m_Host.Log("marker:window"); };
    g_pHostForHooks = &m_Host;
    g_GameHooks.pfnNewBieDraw = [] {
        ++g_nNewBieDraws;
        g_pHostForHooks->Log("marker:newbie");
    };
    GetDragIcon().m_bDragging = 1;
    GetDragIcon().m_wFrame = 300;
    GetDragIcon().m_wSet = 93;
    MouseMove(500, 400);
    CAutoTip::GetSingleton().AddText("notice", 0xFFFFFFFF, 150);

    // Posted during frame 1's drawing, routed at the start of frame 2.
    wnd->m_fnOnMessage = [&](ORVMsg* msg) { m_Host.Log("marker:routed " + std::to_string(msg->m_wParam)); };
    game->m_vProcessed.clear();
    ORVMsg topic(ORV_MSG_GAMEWND, 8);
    Frame();
    PostToManager(&topic, 1);
    m_Host.ClearLog();
    CORVToolTip::GetSingleton().Reset();
    CORVToolTip::GetSingleton().AddText(6, "tip", 1);
    Frame();
    ASSERT_EQ(game->m_vProcessed.size(), 1u);
    EXPECT_EQ(game->m_vProcessed[0].m_wParam, 8u);

    const int windowAt = m_Host.FirstIndex("marker:window");
    const int newbieAt = m_Host.FirstIndex("marker:newbie");
    const HostCall* drag = m_Host.FindImage(300, 93);
    ASSERT_NE(drag, nullptr) << m_Host.Dump();
    EXPECT_EQ(drag->Int(0), 500 - 24);
    EXPECT_EQ(drag->Int(1), 400 - 24);
    const int dragAt = static_cast<int>(drag - m_Host.m_vCalls.data());
    const int noticeAt = m_Host.IndexOfText("notice");
    const int tipAt = m_Host.IndexOfText("tip");
    EXPECT_LT(windowAt, noticeAt) << m_Host.Dump();
    EXPECT_LT(noticeAt, newbieAt);
    EXPECT_LT(newbieAt, dragAt);
    EXPECT_LT(dragAt, tipAt);
    EXPECT_EQ(g_nNewBieDraws, 2);

    GetDragIcon().m_bDragging = 0;
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.FindImage(300, 93), nullptr);
}

// A posted topic reaches the open game window in the frame after the post; the manager's queue is
// not pumped while the game is closed.
TEST_F(MainWndTest, ManagersQueueWaitsWhileTheGameIsClosed)
{
    Attach();
    ScopedSystemWindowRecord game(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CTestWindow));
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    PostToManager(&open, 1);
    Frame(3);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
    CORVCtrlMgr::GetSingleton().RouteDueMessages();   // a frame of the manager's queue routes the due command
    EXPECT_NE(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
}

// A window at one address at a time: the next one is built in the same bytes, as an allocator may
// hand a freed block out again.
class CReusedWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CReusedWnd)
public:
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept
    {
        return size <= sizeof(s_Storage) ? s_Storage : nullptr;
    }
    static void* operator new(std::size_t size) { return operator new(size, std::nothrow); }
    static void operator delete(void*) noexcept {}

private:
    alignas(std::max_align_t) static inline unsigned char s_Storage[1024];
};
ORV_IMPLEMENT_RUNTIME_CLASS(CReusedWnd, CORVWindow)

// A window asks to close, dies before the request is handed out, and a new window takes its
// address in the same frame: the stale request does not close the new window.
TEST_F(MainWndTest, StaleCloseRequestDoesNotCloseANewWindowAtTheSameAddress)
{
    Attach();
    ScopedSystemWindowRecord record(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CReusedWnd));
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    auto* first = static_cast<CORVWindow*>(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND));
    ASSERT_NE(first, nullptr);
    first->Close();                                      // close request posted, sender = first
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndClose));        // first dies
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));         // second, at the same address
    CORVControl* second = MainWnd().GetSystemWindow(ORV_MSG_GAMEWND);
    ASSERT_EQ(second, first);
    MainWnd().PumpPostedMessages();
    ASSERT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), second);

    // A request from the live window still closes it.
    static_cast<CORVWindow*>(second)->Close();
    MainWnd().PumpPostedMessages();
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
}

}  // namespace
