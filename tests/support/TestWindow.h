// Stand-ins for the main window's system windows, for tests of either build: a window that keeps
// its arguments and messages, and a scoped install of a system-window record.
#pragma once

#include <string>
#include <vector>

#include "framework/control/ORVWindow.h"
#include "framework/window/ORVMainWnd.h"

namespace orv::test {

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

}  // namespace orv::test
