#include "support/TestWindow.h"

#include <algorithm>
#include <utility>

#include "framework/core/GameHooks.h"

namespace orv::test {

ORV_IMPLEMENT_RUNTIME_CLASS(CTestWindow, CORVWindow)

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

}  // namespace orv::test
