#include "support/TestHarness.h"

#include <algorithm>

#include "framework/core/DragIcon.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "maingame/orvane/ORVMgr.h"

namespace orv::test {

ORV_IMPLEMENT_RUNTIME_CLASS(CTestWindow, CORVWindow)

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
}

bool MainWndCreated()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && mgr->m_MainWnd.m_nWidth != 0;
}

ScopedSystemWindowRecord::ScopedSystemWindowRecord(u32 msgId, const RuntimeClassRecord* record)
    : m_nMsgId(msgId), m_pOld(GetSystemWindowRecord(msgId))
{
    SetSystemWindowRecord(msgId, record);
}

ScopedSystemWindowRecord::~ScopedSystemWindowRecord()
{
    SetSystemWindowRecord(m_nMsgId, m_pOld);
}

// ---- CTestWindow ----

CTestWindow::CTestWindow()
{
    Live().push_back(this);
}

CTestWindow::~CTestWindow()
{
    auto& live = Live();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    ++DestroyedCount();
}

std::vector<CTestWindow*>& CTestWindow::Live()
{
    // Never destroyed: windows left open at exit die after every function-local static.
    static auto* live = new std::vector<CTestWindow*>();
    return *live;
}

int& CTestWindow::DestroyedCount()
{
    static int count = 0;
    return count;
}

void CTestWindow::SetArgs(int arg, std::string text)
{
    m_nArg = arg;
    m_strArg = std::move(text);
}

void CTestWindow::OnCreate()
{
    m_bCreated = true;
}

bool CTestWindow::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr) {
        m_vProcessed.push_back(*msg);
    }
    return CORVWindow::ProcessMessage(msg);
}

bool CTestWindow::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr) {
        m_vPosted.push_back(*msg);
    }
    return CORVWindow::OnMessage(msg);
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
