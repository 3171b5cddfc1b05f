// The city windows left open when the library unloads: in a fresh process (this test program
// again, running only the child case) the game window opens and the level-up, records and exchange
// windows stay open; the process then ends normally, so the static teardown deletes
// them. The parent checks that it ends cleanly: no sanitizer report, exit status 0.
// POSIX only, like the library's own unload test.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/xml/XmlTestFiles.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ChildRun.h"
#include "support/RecordingHost.h"

namespace {

using namespace orv::test;

constexpr char kChildEnv[] = "ORVANE_CITY_WINDOWS_UNLOAD_CHILD";

TEST(CityWindowsUnloadChild, WindowsLeftOpen)
{
    if (std::getenv(kChildEnv) == nullptr) {
        GTEST_SKIP() << "runs only as the child of the city windows' unload case";
    }
    ASSERT_TRUE(CXmlAerieMgr::GetSingleton()->Load(RepoDataPath("help/aerie.xml").c_str()));
    auto* host = new RecordingHost();
    host->m_strPlayerName = "me";
    CORVMgr::GetSingleton().SetORVCallBack(host);
    CAerieDataMgr::GetSingleton().m_vTexts.push_back("a record");
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    auto* game = dynamic_cast<CAerieWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(ORV_MSG_GAMEWND));
    ASSERT_NE(game, nullptr);
    for (u32 topic : {EVT_INFO_WND, EVT_EXCHANGE_WND}) {
        ORVMsg event(ORV_MSG_GAMEWND, topic, 0, "");
        CORVCtrlMgr::GetSingleton().RouteMessage(&event);
    }
    ORVMsg lvlup(ORV_MSG_GAMEWND, EVT_LVLUP_WND, (24u << 16) | 1, "");
    CORVCtrlMgr::GetSingleton().RouteMessage(&lvlup);
    ASSERT_NE(game->m_pSubWnd, nullptr);
    ASSERT_NE(game->m_pLvlupWnd, nullptr);
    ASSERT_NE(game->m_pExchangeWnd, nullptr);
    CORVMgr::GetSingleton().Render();
    DebugLog("child: windows open\n");
    delete host;   // the host's callback object dies before the library unloads
}

TEST(CityWindowsUnload, WindowsLeftOpenEndWithTheLibrary)
{
    const ChildRun run = RunChildCase("orvane_tests", kChildEnv, "CityWindowsUnloadChild.WindowsLeftOpen");
    EXPECT_TRUE(EndedCleanly(run, {"child: windows open"}));
}

}  // namespace

#endif
