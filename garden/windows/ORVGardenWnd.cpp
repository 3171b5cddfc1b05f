#include "garden/windows/ORVGardenWnd.h"

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/window/ORVTestWnd.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVGardenWnd, CORVWindow)

namespace {

constexpr u32 kMsgTestHost = 274;
// The test window's own room: its widgets reach (420, 420).
constexpr int kTestWndWidth = 500;
constexpr int kTestWndHeight = 450;

struct TestHostRecord {
    TestHostRecord() { SetSystemWindowRecord(kMsgTestHost, ORV_RUNTIME_CLASS(CORVGardenWnd)); }
};
const TestHostRecord g_TestHostRecord;

}  // namespace

CORVGardenWnd::CORVGardenWnd() = default;
CORVGardenWnd::~CORVGardenWnd() = default;

void CORVGardenWnd::OnCreate()
{
    if (m_pParent != nullptr) {
        SetSize(m_pParent->m_nWidth, m_pParent->m_nHeight);
    }
    CORVWindow::OnCreate();
    CreateCloseButton();
    m_pTestWnd = static_cast<CORVTestWnd*>(CreateChildAt(ORV_RUNTIME_CLASS(CORVTestWnd), 0, 0, kTestWndWidth,
                                                         kTestWndHeight, 0, ""));
}

bool CORVGardenWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyClose && msg->m_pSender != nullptr &&
        msg->m_pSender == m_pTestWnd) {
        DeleteChildAndReset(m_pTestWnd);
        return true;
    }
    return CORVWindow::OnMessage(msg);
}

void CORVGardenWnd::Close()
{
    ORVMsg close(kMsgTestHost, kSysWndClose);
    CORVCtrlMgr::GetSingleton().RouteMessage(&close);   // this window is gone afterwards
}
