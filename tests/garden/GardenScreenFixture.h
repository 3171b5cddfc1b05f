// The garden screen's test bed on the garden state's: the real screen in slot 275 over an entered
// garden (reply 501 handed in first), the settings file in the temporary directory, the recording
// renderer, requests read back as whole packets and plot messages read from the plots.
#pragma once

#include <string>
#include <vector>

#include "GardenFixture.h"
#include "engine/ORVConfigMgr.h"
#include "framework/window/ORVMainWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"

namespace orv::test {

namespace gb = orv::garden_bytes;

class GardenScreenFixture : public GardenStateTest {
protected:
    GardenScreenFixture()
    {
        glimmer_test::Reset();
        CloseScreen();
        TakeRequests();
    }
    ~GardenScreenFixture() override
    {
        CtrlMgr().DestroyWindowTree();
        glimmer_test::Reset();
        CORVConfigMgr::GetSingleton().Load("");
    }

    // The settings file with the two pick-card keys.
    void SetPickKeys(int openTip, int autoUse)
    {
        const std::string text = "<config>\n<key Index=\"0\" Name=\"OpenStealCardTip\" Value=\"" + std::to_string(openTip) +
                                 "\"/>\n<key Index=\"1\" Name=\"AutoUseStealCard\" Value=\"" + std::to_string(autoUse) +
                                 "\"/>\n</config>\n";
        const std::string path = m_Dir.Write("orvdata/help/config.xml", text);
        ASSERT_TRUE(CORVConfigMgr::GetSingleton().Load(path.c_str()));
    }
    static void CloseScreen()
    {
        ORVMsg close(kMsgGardenTopic, kSysWndClose);
        CtrlMgr().RouteMessage(&close);
    }
    // Enters the garden (reply 501) as the player "me" and opens the screen on it; requests sent so
    // far are dropped. The tutorial is over, so no welcome box is queued.
    CGardenWnd& Open(const gb::GardenDesc& garden, bool own = true)
    {
        SetPlayerName("me");   // a screen closed before ended its session, the login with it
        GetGardenGuide().SetStep(GardenGuide::kFinishedStep);
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        Deliver(gb::Enter501(garden));
        GetGardenDataMgr().m_bOwnGarden = own ? 1 : 0;
        ORVMsg open(kMsgGardenTopic, kSysWndOpen);
        CtrlMgr().RouteMessage(&open);
        CGardenWnd* screen = GetGardenWnd();
        EXPECT_NE(screen, nullptr);
        TakeRequests();
        return *screen;
    }
    static void Event(u32 kind, std::uintptr_t value = 0)
    {
        ORVMsg msg(kMsgGardenTopic, kind, ValueAsSender(value));
        CtrlMgr().RouteMessage(&msg);
    }
    // Frames: posted messages (box answers, notifications) come out here.
    static void Frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            CtrlMgr().RouteDueMessages();
            CtrlMgr().m_MainWnd.Render();
        }
    }
    static std::string LastPlotLine(int plot)
    {
        const CGardenLandItem* p = GetGardenWnd() != nullptr ? GetGardenWnd()->Plot(plot) : nullptr;
        return p == nullptr || p->Lines().empty() ? std::string() : p->Lines().back();
    }
    static std::string Request(u16 sub, u16 p1, u16 p2 = 0, std::string_view body = {})
    {
        return gb::Packet(884, sub, body, 0, p1, p2);
    }

    ScopedSystemWindowRecord m_Screen{kMsgGardenTopic, ORV_RUNTIME_CLASS(CGardenWnd)};
};

}  // namespace orv::test
