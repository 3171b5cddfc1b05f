#include "support/TestHarness.h"

#include <algorithm>

#include "framework/core/DragIcon.h"
#include "framework/core/ExportGate.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "maingame/orvane/ORVMgr.h"

namespace orv::test {

void ResetLibrary()
{
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->DestroyWindowTree();
        // Back to the uncreated main window: the next callback creates and places it again.
        mgr->m_MainWnd.SetPos(0, 0);
        mgr->m_MainWnd.SetSize(0, 0);
    }
    // The services the windows share keep no state from one test to the next. They are created
    // here when they do not exist yet, before the control manager as it creates them itself.
    CAutoTip& autoTip = CAutoTip::GetSingleton();
    while (!autoTip.GetTips().empty()) {
        autoTip.Next();
    }
    autoTip.m_MsgQueue.Clear();
    CORVToolTip::GetSingleton().Reset();
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    boxes.m_vMsgBuf.clear();
    boxes.m_pBox = nullptr;

    *GetORVCallBack() = nullptr;
    g_nMouseX = 0;
    g_nMouseY = 0;
    GetDragIcon().Reset();
    g_GameHooks = GameHooks{};
    ExportGate().Reset();
}

bool MainWndCreated()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_MainWnd.m_nWidth != 0;
}

// ---- LibraryTest ----

void LibraryTest::SetUp()
{
    ResetLibrary();
}

void LibraryTest::TearDown()
{
    ResetLibrary();
}

void LibraryTest::Attach()
{
    CORVMgr::GetSingleton().SetORVCallBack(&m_Host);
}

CTestWindow* LibraryTest::OpenGame()
{
    m_pGameRecord = std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CTestWindow));
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    return static_cast<CTestWindow*>(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND));
}

void LibraryTest::Frame(int n)
{
    for (int i = 0; i < n; ++i) {
        ++m_Host.m_nFrame;
        CORVMgr::GetSingleton().Render();
    }
}

bool LibraryTest::Route(ORVMsg msg)
{
    return CtrlMgr().RouteMessage(&msg);
}

}  // namespace orv::test
