// The guardian-beast windows at unload: the chooser and a hatching page whose incubator holds a
// host-made character drawer are left open, and the host's callback object dies before the
// library unloads. Nothing may reach the host then (no drawer given back to a gone host, no box
// closed through it). POSIX only: the child is forked (see tests/maingame/UnloadTest.cpp).
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVButton.h"
#include "framework/xml/XmlTestFiles.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ChildRun.h"
#include "support/RecordingHost.h"

namespace {

using namespace orv::test;

constexpr char kChildEnv[] = "ORVANE_BEAST_UNLOAD_CHILD";

TEST(BeastUnloadChild, WindowsAndDrawerLeftOpenAtUnload)
{
    if (std::getenv(kChildEnv) == nullptr) {
        GTEST_SKIP() << "runs only as the child of the BeastUnload case";
    }
    using namespace aerie_layout;
    auto* host = new RecordingHost();
    host->m_strPlayerName = "me";
    CORVMgr::GetSingleton().SetORVCallBack(host);
    CXmlAerieMgr::GetSingleton()->Load(RepoDataPath("help/aerie.xml").c_str());
    ORVMsg chooser(ORV_MSG_CHOOSEBEAST, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&chooser);

    CAerieDataMgr& store = CAerieDataMgr::GetSingleton();
    store.m_bShowOwn = 1;
    unsigned char incubators[3 * kIncubatorSize] = {};
    incubators[kIncOpened] = 1;
    incubators[kIncEggType] = 1;
    incubators[kIncHatchSeconds] = 100;
    incubators[kIncSlaveName] = 'p';
    store.GetOwnCity().m_Incubators.Rebuild(incubators, sizeof incubators, 0);
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    auto* game = dynamic_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
    ASSERT_NE(game, nullptr);
    ORVMsg click(kNotifyLeftClick, 0, game->m_pBeastBtn);
    game->OnMessage(&click);
    auto* beast = dynamic_cast<CAerieBeastWnd*>(game->m_pSubWnd);
    ASSERT_NE(beast, nullptr);
    beast->SwitchPage(1);
    ASSERT_EQ(host->LiveDrawers(), 1);
    DebugLog("child: beast windows open\n");
    delete host;   // the host's callback object dies before the library unloads
}

TEST(BeastUnload, NothingReachesTheGoneHost)
{
    const ChildRun run = RunChildCase("orvane_tests", kChildEnv, "BeastUnloadChild.WindowsAndDrawerLeftOpenAtUnload");
    EXPECT_TRUE(EndedCleanly(run, {"child: beast windows open"}));
}

}  // namespace

#endif
