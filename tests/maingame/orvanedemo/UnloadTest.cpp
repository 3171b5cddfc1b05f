// OrvaneDemo's teardown at unload, seen from outside: a child process (this test binary again,
// running only the child case) leaves the Garden screen open with a message box over it and a connection standing, then ends
// normally, so the static teardown runs as when a host unloads the library. The window tree goes
// first, the host is not called, and the sockets and the platform go down cleanly after it.
// POSIX only: the child is forked, and on Windows debug lines go to the debugger
// (OutputDebugStringA), not to standard error.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/LoginText.h"
#include "engine/Net.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/windows/GardenWnd.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/ChildRun.h"
#include "support/FakeGardenServer.h"

namespace {

constexpr char kChildEnv[] = "ORVANEDEMO_UNLOAD_CHILD";

int ORV_STDCALL LoudHost(int command, char*, int, char*)
{
    std::fprintf(stderr, "child: host command %d\n", command);
    return 0;
}

// The Garden screen itself, telling the child's standard error when it goes.
class CClosingGardenWnd : public CGardenWnd {
    ORV_DECLARE_RUNTIME_CLASS(CClosingGardenWnd)
public:
    ~CClosingGardenWnd() override { std::fprintf(stderr, "child: garden window destroyed\n"); }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CClosingGardenWnd, CGardenWnd)

TEST(OrvaneDemoUnloadChild, GardenLeftOpenAtUnload)
{
    if (std::getenv(kChildEnv) == nullptr) {
        GTEST_SKIP() << "runs only as the child of the unload case";
    }
    static orv::test::FakeGardenServer s_Server;   // outlives the library's objects
    ASSERT_EQ(g_ORVMgr.Init(&LoudHost, 0, reinterpret_cast<HWND>(0x5), nullptr, nullptr, nullptr), 0);
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CClosingGardenWnd));
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    ASSERT_TRUE(g_ORVMgr.IsGardenOpen());
    GetGameNet().SetHost(0, "127.0.0.1", s_Server.Port());
    GetGameNet().Connect(0, 0);
    // A message box stands open over the screen.
    ORVMsgBoxRequest box;
    box.m_strText = "open at unload";
    ORVMsgBoxQueue::GetSingleton().ShowMsgBox(box);
    CORVCtrlMgr::GetSingleton().RouteDueMessages();
    ASSERT_NE(ORVMsgBoxQueue::GetSingleton().m_pBox, nullptr);
    std::fprintf(stderr, "child: running\n");
}

TEST(OrvaneDemoUnload, TreeGoesFirstWithoutCallingTheHost)
{
    const orv::test::ChildRun run =
        orv::test::RunChildCase("orvanedemo_tests", kChildEnv, "OrvaneDemoUnloadChild.GardenLeftOpenAtUnload");
    EXPECT_TRUE(orv::test::EndedCleanly(run, {"child: running", "child: garden window destroyed"}));
    EXPECT_EQ(run.err.find("child: host command 3"), std::string::npos) << run.err;
}

}  // namespace

#endif
