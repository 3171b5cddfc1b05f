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
#include "support/WindowInput.h"

namespace orv::test {

// Tears the window tree down, puts the main window back to its uncreated size and place, and
// empties the floating tips, the tooltip, the message-box queue, the callback holder, the mouse
// position, the drag icon and the game hooks: a test sees the library as a fresh process does.
// System-window records are left alone (see ScopedSystemWindowRecord).
void ResetLibrary();

// True once a callback has created the main window (since the last ResetLibrary).
bool MainWndCreated();

// Installs a system-window record for the life of the object, then puts the old one back.
class ScopedSystemWindowRecord {
public:
    ScopedSystemWindowRecord(u32 msgId, const RuntimeClassRecord* record);
    ~ScopedSystemWindowRecord();
    ScopedSystemWindowRecord(const ScopedSystemWindowRecord&) = delete;
    ScopedSystemWindowRecord& operator=(const ScopedSystemWindowRecord&) = delete;

private:
    u32 m_nMsgId;
    const RuntimeClassRecord* m_pOld;
};

// A stand-in window for any system-window slot: remembers its arguments and every message it gets.
class CTestWindow : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CTestWindow)
public:
    CTestWindow();
    ~CTestWindow() override;

    void SetArgs(int arg, std::string text) override;
    bool ProcessMessage(ORVMsg* msg) override;   // logs, then the window's own routing
    bool OnMessage(ORVMsg* msg) override;        // logs, then the window's own handling

    int m_nArg = 0;
    std::string m_strArg;
    bool m_bCreated = false;
    std::vector<ORVMsg> m_vProcessed;   // given to ProcessMessage (topics, routed input)
    std::vector<ORVMsg> m_vPosted;      // handed out by its queue

    void OnCreate() override;

    // Every CTestWindow alive, in creation order; and how many were destroyed.
    static std::vector<CTestWindow*>& Live();
    static int& DestroyedCount();
};

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
