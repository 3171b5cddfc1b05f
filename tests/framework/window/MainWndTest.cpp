#include <gtest/gtest.h>

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

TEST_F(MainWndTest, CloseGameClosesTheGameWindowAndTheChooserWhicheverStand)
{
    Attach();
    ScopedSystemWindowRecord game(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CTestWindow));
    ScopedSystemWindowRecord chooser(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CTestWindow));
    for (const std::vector<u32>& open : std::vector<std::vector<u32>>{
             {}, {ORV_MSG_GAMEWND}, {ORV_MSG_CHOOSEBEAST}, {ORV_MSG_GAMEWND, ORV_MSG_CHOOSEBEAST}}) {
        for (const u32 id : open) {
            Route(ORVMsg(id, kSysWndOpen));
        }
        EXPECT_EQ(MainWnd().IsGameOpen(), !open.empty());
        MainWnd().CloseGame();
        EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND), nullptr);
        EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST), nullptr);
        EXPECT_FALSE(MainWnd().IsGameOpen());
    }
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

}  // namespace
