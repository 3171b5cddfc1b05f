// What a library test needs around the recording host: Windows input helpers, frame stepping,
// a reset of the library's state, stand-in windows for the main window's system-window slots and
// a fixture that puts it together.
//
//   class MyTest : public orv::test::LibraryTest {};
//   TEST_F(MyTest, Something) {
//       Attach();                       // hands m_Host over: the main window is created
//       OpenGame();                     // a stand-in game window opens: Render and WndProc pass on
//       ... add controls to MainWnd(), send input with orv::test::LButtonDown(x, y) ...
//       Frame();                        // one CORVMgr::Render, logged as the next frame
//   }
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "platform/fake/FakePlatform.h"
#include "support/RecordingHost.h"
#include "support/TestWindow.h"
#include "support/WindowInput.h"

namespace orv::test {

// Tears the window tree down, puts the main window back to its uncreated size and place, and
// empties the floating tips, the tooltip, the message-box queue, the callback holder, the mouse
// position, the drag icon and the game hooks: a test sees the library as a fresh process does.
// System-window records are left alone (see ScopedSystemWindowRecord).
void ResetLibrary();

// True once a callback has created the main window (since the last ResetLibrary).
bool MainWndCreated();

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // SetORVCallBack(&m_Host): the main window is created.
    void Attach();
    // Installs CTestWindow as the game window (0x113) and opens it: the game counts as open.
    // Returns the stand-in (0 by 0, so it takes no mouse input).
    CTestWindow* OpenGame();
    // n frames: m_Host.m_nFrame + 1, then CORVMgr::Render (which draws only while the game is open).
    void Frame(int n = 1);
    // Routes a framework message now, as the control manager does with due messages.
    bool Route(ORVMsg msg);

    CORVCtrlMgr& CtrlMgr() { return CORVCtrlMgr::GetSingleton(); }
    CORVMainWnd& MainWnd() { return CORVCtrlMgr::GetSingleton().m_MainWnd; }

    orv::platform::FakePlatform m_Fake;
    RecordingHost m_Host;

private:
    std::unique_ptr<ScopedSystemWindowRecord> m_pGameRecord;
};

}  // namespace orv::test
