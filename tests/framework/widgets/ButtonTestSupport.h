// Shared by the widget and system-window tests: a window that records the messages handed to it
// (posted notifications, and routed ones) with the host frame in which they arrived.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/control/ORVWindow.h"
#include "support/RecordingHost.h"

namespace orv::test {

struct ArrivedMsg {
    u32 m_nId = 0;
    u32 m_wParam = 0;
    CORVControl* m_pSender = nullptr;
    int m_nFrame = 0;
    std::string m_strText;
};

inline int HostFrame()
{
    auto* host = static_cast<RecordingHost*>(*GetORVCallBack());
    return host != nullptr ? host->m_nFrame : -1;
}

class CRecordWnd : public CORVWindow {
public:
    // Posted messages (the children's notifications).
    bool OnMessage(ORVMsg* msg) override
    {
        m_vPosted.push_back({msg->m_nId, msg->m_wParam, msg->m_pSender, HostFrame(), msg->m_strText});
        return true;
    }
    // Routed messages that reach this window (topics through the main window, id 0 offered to
    // the tree, ...); mouse input is left out.
    bool ProcessMessage(ORVMsg* msg) override
    {
        if (msg->m_nId < 0x101 || msg->m_nId > 0x10e) {
            m_vRouted.push_back({msg->m_nId, msg->m_wParam, msg->m_pSender, HostFrame(), msg->m_strText});
            if (m_fnOnRouted) {
                m_fnOnRouted(*msg);
            }
        }
        return CORVWindow::ProcessMessage(msg);
    }

    std::vector<ArrivedMsg> m_vPosted;
    std::vector<ArrivedMsg> m_vRouted;
    std::function<void(const ORVMsg&)> m_fnOnRouted;   // runs for each recorded routed message
};

}  // namespace orv::test
