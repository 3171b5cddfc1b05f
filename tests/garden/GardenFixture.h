// The garden state's test bed: the main window with recording stand-ins in slots 275 and 276 (the
// topics routed to them, in order), the Garden client set up without a connection (requests wait
// in its send queue, read back decoded), packets handed in as exact-size buffers through the
// dispatcher, and the sample game data.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/Net.h"
#include "framework/xml/XmlTestFiles.h"
#include "framework/control/ORVCtrlMgr.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "platform/fake/FakePlatform.h"
#include "support/ExactBytes.h"
#include "support/FakeGardenServer.h"
#include "support/TestWindow.h"
#include "tools/GardenBytes.h"

namespace orv::test {

inline std::string SampleGardenData()
{
    return std::string(ORVANE_SOURCE_DIR) + "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml";
}

// One routed topic: the message id (275 or 276), the topic, the second parameter and the text.
struct Topic {
    u32 msg = 0;
    u32 topic = 0;
    u32 second = 0;
    std::string text;
    bool operator==(const Topic&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Topic& t)
{
    return os << "{" << t.msg << ", " << t.topic << ", " << t.second << ", \"" << t.text << "\"}";
}

class GardenStateTest : public ::testing::Test {
protected:
    GardenStateTest()
        : m_Garden(kMsgGardenTopic, ORV_RUNTIME_CLASS(CTestWindow)),
          m_Exchange(kMsgExchangeTopic, ORV_RUNTIME_CLASS(CTestWindow))
    {
        CtrlMgr().DestroyWindowTree();
        if (CtrlMgr().m_MainWnd.m_nWidth == 0) {
            CtrlMgr().m_MainWnd.CreateAt(nullptr, 0, 0, 800, 600);
        }
        GetGardenDataMgr().Reset();
        GetToolCardStore().Clear();
        GetLoginInfo() = ORVLoginInfo{};
        GetGameNet().Init(1, nullptr, kSocketMessage, kSocketEventMask);
        GetXmlGardenMgr().Unload();
        GetXmlGardenMgr().Load(SampleGardenData().c_str());
        SetPlayerName("me");
        OpenWindows();
    }
    ~GardenStateTest() override
    {
        CtrlMgr().DestroyWindowTree();
        GetGameNet().Close(0);
        GetXmlGardenMgr().Unload();
    }
    static CORVCtrlMgr& CtrlMgr() { return CORVCtrlMgr::GetSingleton(); }

    static void SetPlayerName(const std::string& name)
    {
        std::string record(88, '\0');
        record.replace(8, name.size(), name);
        GetLoginInfo().m_PlayerInfo.Assign(record.data(), 88);
    }
    static void OpenWindows()
    {
        for (u32 id : {kMsgGardenTopic, kMsgExchangeTopic}) {
            ORVMsg open(id, kSysWndOpen);
            CtrlMgr().RouteMessage(&open);
        }
    }
    // Hands one packet to the dispatcher as the queue's drain would, in a buffer of its exact size.
    static void Deliver(const std::string& packet)
    {
        const std::vector<u8> bytes = ExactBytes<u8>(packet);
        DispatchGardenPacket(bytes.data(), static_cast<int>(bytes.size()));
    }
    // The topics the stand-ins got since the last call, in order (275's window first opened).
    std::vector<Topic> TakeTopics()
    {
        std::vector<Topic> out;
        for (CTestWindow* w : CTestWindow::Live()) {
            for (const ORVMsg& m : w->m_vProcessed) {
                if (m.m_nId == kMsgGardenTopic || m.m_nId == kMsgExchangeTopic) {
                    out.push_back({m.m_nId, m.m_wParam, m.m_lParam, m.m_strText});
                }
            }
            w->m_vProcessed.clear();
        }
        return out;
    }
    // The requests waiting in the client's send queue, decoded; the queue is emptied.
    static std::vector<std::string> TakeRequests()
    {
        std::vector<std::string> out;
        ConnectionRecord* rec = GetGameNet().GetRecord(0);
        if (rec == nullptr) {
            return out;
        }
        for (const std::string& frame : rec->m_qSend) {
            out.push_back(FakeGardenServer::Unarmour(frame.substr(2, frame.size() - 3)));
        }
        rec->m_qSend.clear();
        rec->m_nQueued = 0;
        return out;
    }

    XmlTempDir m_Dir;                  // log.txt is written here
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    orv::platform::FakePlatform m_Fake;
    ScopedSystemWindowRecord m_Garden;
    ScopedSystemWindowRecord m_Exchange;
};

}  // namespace orv::test
