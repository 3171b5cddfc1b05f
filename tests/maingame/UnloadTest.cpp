// The library's teardown at unload, seen from outside. The scene is set up in a fresh process
// (this test binary again, running only the UnloadChild case) which then ends normally, so the
// static teardown runs as it does when a host unloads the library; the parent checks what the
// child wrote to standard error (debug lines, sanitizer reports) and how it ended.
// POSIX only: the child is forked, and on Windows debug lines go to the debugger
// (OutputDebugStringA), not to standard error.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ChildRun.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

constexpr char kChildEnv[] = "ORVANE_UNLOAD_CHILD";

std::size_t CountOf(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Created before the control manager (a tree service), so destroyed after it: uses the toolkit the
// way a service outliving the window tree may, once the manager is gone.
struct AfterTeardown {
    ~AfterTeardown()
    {
        CORVControl ctrl;
        ctrl.m_bModal = 1;
        ctrl.CreateAt(nullptr, 0, 0, 10, 10);   // would join the modal list
        ctrl.SetFocus();
        ctrl.OnLButtonDown(1, 1);
        ctrl.OnLButtonUp(1, 1);
        ORVMsg move(ORV_MSG_MOUSEMOVE, PackPos(1, 1));
        ctrl.ProcessMessage(&move);             // would become the hover control
        TranslateWindowMessage(nullptr, WM_MOUSEMOVE, 0, 0);
        CORVMgr::GetSingleton().Render();
        DebugLog("child: after teardown\n");
        CORVCtrlMgr::GetSingleton();            // the one call that asks for the gone manager
    }
};

// The child: a game window left open with a window in it, a host whose callback object is gone
// before the unload, a debug line written after the manager's creation (the first use of the
// platform object), and a service that outlives the manager.
TEST(UnloadChild, GameLeftOpenAtUnload)
{
    if (std::getenv(kChildEnv) == nullptr) {
        GTEST_SKIP() << "runs only as the child of the Unload cases";
    }
    RegisterTreeService([] { static AfterTeardown s_After; });
    auto* host = new RecordingHost();
    CORVMgr::GetSingleton().SetORVCallBack(host);
    DebugLog("child: running\n");
    SetSystemWindowRecord(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CTestWindow));
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    auto* game = static_cast<CTestWindow*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
    ASSERT_NE(game, nullptr);
    auto* wnd = Place(*game, new ProbeWindow("left open"), 0, 0, 10, 10);
    wnd->m_fnOnDestroy = [] {
        DebugLog("child: window destroyed at unload\n");
        if (CORVCtrlMgr::GetIfAlive() != nullptr) {
            DebugLog("child: manager alive while its tree goes\n");
        }
        // What the game window does when it closes: tell the host, through the callback.
        if (CHostCallBackGuard* cb = ORVCallBack()) {
            cb->NotifyGameWindow(1);
        }
        ORVMsg note(ORV_MSG_GAMEWND, 5);
        PostToManager(&note, 1);
    };
    CORVCtrlMgr::GetSingleton().SetFocusControl(wnd);
    delete host;   // the host's callback object dies before the library unloads
}

TEST(Unload, TreeGoesFirstWithoutCallingTheHostAndNothingReachesTheGoneManager)
{
    const ChildRun run = RunChildCase("orvane_tests", kChildEnv, "UnloadChild.GameLeftOpenAtUnload");
    EXPECT_TRUE(EndedCleanly(run, {}));
    EXPECT_EQ(CountOf(run.err, "child: running"), 1u) << run.err;
    EXPECT_EQ(CountOf(run.err, "child: window destroyed at unload"), 1u) << run.err;
    EXPECT_EQ(CountOf(run.err, "child: manager alive while its tree goes"), 1u) << run.err;
    EXPECT_EQ(CountOf(run.err, "child: after teardown"), 1u) << run.err;
    EXPECT_EQ(CountOf(run.err, "asked for after its teardown"), 1u) << run.err;
}

}  // namespace

#endif
