// Closing the Garden through the library's exports over 127.0.0.1, by the host or by the game
// itself: whatever the Garden had open when it closed (a trade, its question, a focused field, a
// box of the screen, questions waiting behind a box, a dropped list, a floating notice), the next
// session sends what a fresh one sends and draws what a fresh one draws, and a click where the
// box's OK stood answers nothing.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "garden/windows/GardenExchangeWnd.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"
#include "support/WindowInput.h"
#include "tools/GardenBytes.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;

HWND const kWnd = reinterpret_cast<HWND>(0x1);
constexpr u16 kGeneSeed = 6;   // the sample data's golden rose, bought with gene points

std::string g_strLogin;

int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    if (command == HOSTCMD_GET_LOGIN && out != nullptr) {
        g_strLogin.copy(out, g_strLogin.size());
        return static_cast<int>(g_strLogin.size());
    }
    return command == HOSTCMD_GET_TIMEOUT ? 3000 : 0;
}

void Route(u32 id, u32 code, std::uintptr_t value = 0)
{
    ORVMsg msg(id, code, ValueAsSender(value));
    CORVCtrlMgr::GetSingleton().RouteMessage(&msg);
}

// A left click at a point, and at a control's centre, as the host delivers it.
void ClickAt(LPARAM at)
{
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, at);
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 1, at);
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONUP, 0, at);
}
LPARAM Centre(const CORVControl& ctrl)
{
    return Pos(ctrl.m_nAbsX + ctrl.m_nWidth / 2, ctrl.m_nAbsY + ctrl.m_nHeight / 2);
}
void Click(const CORVControl* ctrl)
{
    ASSERT_NE(ctrl, nullptr);
    ClickAt(Centre(*ctrl));
}

CGardenExchangeWnd* Exchange()
{
    return dynamic_cast<CGardenExchangeWnd*>(CORVCtrlMgr::GetSingleton().m_MainWnd.GetSystemWindow(kMsgExchangeTopic));
}

// The exchange window in a mode, opened and given its item as the nursery's and the warehouse's
// buttons do (an item of 0 is none).
CGardenExchangeWnd* OpenExchange(CGardenExchangeWnd::Mode mode, std::uintptr_t item)
{
    ORVMsg open(kMsgExchangeTopic, kSysWndOpen);
    open.m_lParam = static_cast<u32>(mode);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    if (item != 0) {
        Route(kMsgExchangeTopic, 140, item);
    }
    return Exchange();
}

// The exchange window's question: 12 gene seeds, OK clicked.
constexpr const char* kAskedToBuy = "购买12个金色玫瑰种子";
void AskToBuyTwelve()
{
    CGardenExchangeWnd* w = OpenExchange(CGardenExchangeWnd::kBuySeeds, kGeneSeed);
    ASSERT_NE(w, nullptr);
    w->m_pEdit->SetText("12");
    Click(w->m_pOkButton);
}

class GardenCloseTest : public ::testing::Test {
protected:
    GardenCloseTest()
    {
        glimmer_test::Reset();
        // What is clicked takes its image's size: the OK of the exchange window and of a box, the
        // level-up, the box itself.
        glimmer_test::RegisterTexture(2, 9, 64, 24);
        glimmer_test::RegisterTexture(2, 198, 40, 20);
        glimmer_test::RegisterTexture(1, kMsgBoxBackFrame, 320, 140);
        ClearGardenPackets();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        SetGardenDispatcher(&DispatchGardenPacket);
        m_Rig.m_Deliver = [](const orv::platform::WindowMessage& m) { g_ORVMgr.WndProc(m.hwnd, m.msg, m.wParam, m.lParam); };
        g_strLogin = "pt\nme\npw\n1.2.3.4\n80\n127.0.0.1\n" + std::to_string(m_Rig.m_Server.Port()) + "\nme\nMe";
        m_Dir.Write("orvdata/help/GardenMgr.xml", ReadFileBytes(std::string(ORVANE_SOURCE_DIR) +
                                                                 "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml"));
        gb::GardenDesc garden;
        garden.plots = {{.number = 1}, {.number = 2}};
        garden.plantList = {{kGeneSeed, 1}};
        std::string player(88, '\0');
        player.replace(8, 2, "me");
        m_Rig.m_Server.Script({{48, FakeGardenServer::kAnySub, {gb::Packet(52, 0, player)}},
                               {884, 0x04, {gb::Enter501(garden)}}});
    }
    ~GardenCloseTest() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        SetGardenDispatcher(nullptr);
        glimmer_test::Reset();
    }
    // Socket rounds and frames until pred holds.
    bool Run(const std::function<bool()>& pred, int rounds = 400)
    {
        for (int i = 0; i < rounds; ++i) {
            m_Rig.Step();
            g_ORVMgr.Render();
            if (pred()) {
                return true;
            }
        }
        return false;
    }
    // A session from OpenGarden until its screen stands and the server has read what it sent:
    // the packets the server received.
    std::vector<std::string> OpenSession()
    {
        g_ORVMgr.OpenGarden();
        EXPECT_TRUE(Run([] { return g_ORVMgr.IsGardenOpen(); }));
        Run([] { return false; }, 10);
        std::vector<std::string> sent;
        for (const ServerFrame& f : m_Rig.m_Server.Take()) {
            sent.push_back(f.packet);
        }
        return sent;
    }
    // The draw calls of one frame, the mouse away from every window.
    static std::vector<std::string> DrawnFrame()
    {
        g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, Pos(1, 1));
        glimmer_test::ClearTrace();
        g_ORVMgr.Render();
        std::vector<std::string> draws;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.op.rfind("Draw", 0) == 0) {
                draws.push_back(glimmer_test::Format(c));
            }
        }
        return draws;
    }
    // Frames, with the socket stepped, until the server has seen the connection end.
    void AwaitEndOfConnection()
    {
        for (int i = 0; i < 200 && m_Rig.m_Server.HasClient(); ++i) {
            m_Rig.Step();
        }
        EXPECT_FALSE(m_Rig.m_Server.HasClient());
        m_Rig.m_Server.Take();
    }

    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;
};

// What stands at the close, and how the Garden closes.
struct OpenAtClose {
    const char* name;
    std::function<void()> open;
    std::function<bool()> standing;   // what was opened stands at the close
};
struct CloseWay {
    const char* name;
    std::function<void()> close;
};

TEST_F(GardenCloseTest, TheNextSessionSendsAndDrawsWhatAFreshOneDoes)
{
    const auto boxAsks = [](const char* start) {
        const CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
        return box != nullptr && box->m_Request && box->m_Request->m_strText.rfind(start, 0) == 0;
    };
    // A question waits behind the box shown.
    const auto waits = [](const char* start) {
        const std::deque<ORVMsgBoxRequest>& asked = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
        return asked.size() > 1 && std::any_of(asked.begin() + 1, asked.end(), [start](const ORVMsgBoxRequest& req) {
                   return req.m_strText.rfind(start, 0) == 0;
               });
    };
    const OpenAtClose opened[] = {
        {"the exchange window", [] { OpenExchange(CGardenExchangeWnd::kBuySeeds, kGeneSeed); },
         [] { return Exchange() != nullptr; }},
        {"the exchange window's question", [] { AskToBuyTwelve(); }, [&] { return boxAsks(kAskedToBuy); }},
        {"the quantity field typed into",
         [] {
             CGardenExchangeWnd* w = OpenExchange(CGardenExchangeWnd::kBuySeeds, kGeneSeed);
             ASSERT_NE(w, nullptr);
             Click(w->m_pEdit);
             g_ORVMgr.WndProc(kWnd, WM_CHAR, '7', 0);
         },
         [] { return Exchange() != nullptr && CORVCtrlMgr::GetSingleton().m_pFocus == Exchange()->m_pEdit; }},
        {"the screen's level-up question", [] { Click(GetGardenWnd()->LevelUpButton()); },
         [&] { return boxAsks("升级花园"); }},
        {"the give window's friend list dropped",
         [] {
             CGardenExchangeWnd* w = OpenExchange(CGardenExchangeWnd::kGive, 0);
             ASSERT_NE(w, nullptr);
             ASSERT_NE(w->m_pFriends, nullptr);
             Click(w->m_pFriends);
         },
         [] { return Exchange() != nullptr && Exchange()->m_pFriends->m_bOpen != 0; }},
        // Questions waiting behind the box shown (one box is up at a time), asked with no sender or
        // by a window that closes with the Garden.
        {"a question the server's garden update asks (the welcome, no sender) waiting behind the exchange "
         "window's",
         [&] {
             AskToBuyTwelve();
             ASSERT_TRUE(Run([&] { return boxAsks(kAskedToBuy); }, 4));
             gb::InfoDesc untaught;
             untaught.tutorialDone = 0;
             m_Rig.m_Server.SendRaw(FakeGardenServer::Frame(gb::Reply(502, gb::Item(7, gb::InfoBytes(untaught)))));
         },
         [&] { return boxAsks(kAskedToBuy) && waits("欢迎进入"); }},
        {"the level-up question (no sender) waiting behind itself: the button clicked twice before the box "
         "opened",
         [] {
             Click(GetGardenWnd()->LevelUpButton());
             Click(GetGardenWnd()->LevelUpButton());
         },
         [&] { return boxAsks("升级花园") && waits("升级花园"); }},
        {"the exchange window's question (its asker closes) waiting behind the level-up question",
         [] {
             Click(GetGardenWnd()->LevelUpButton());   // handled first: its question is shown
             AskToBuyTwelve();
         },
         [&] { return boxAsks("升级花园") && waits(kAskedToBuy); }},
        {"the server's floating notice (a pick-skill level)",
         [this] { m_Rig.m_Server.SendRaw(FakeGardenServer::Frame(gb::Reply(529, "", 0, 1))); },
         [] { return !CAutoTip::GetSingleton().GetTips().empty(); }},
    };
    const CloseWay ways[] = {
        {"CloseGarden", [] { g_ORVMgr.CloseGarden(); }},
        {"the game's own close", [] { GetGardenWnd()->Close(); }},
    };
    ASSERT_EQ(g_ORVMgr.Init(&HostProc, 0, kWnd, nullptr, nullptr, nullptr), 0);
    const std::vector<std::string> freshSent = OpenSession();
    const std::vector<std::string> freshDrawn = DrawnFrame();
    g_ORVMgr.Release();
    AwaitEndOfConnection();
    for (const OpenAtClose& o : opened) {
        for (const CloseWay& way : ways) {
            SCOPED_TRACE(std::string(o.name) + ", closed by " + way.name);
            // Each case from a library started afresh, so that one case's leftovers fail it alone.
            ASSERT_EQ(g_ORVMgr.Init(&HostProc, 0, kWnd, nullptr, nullptr, nullptr), 0);
            OpenSession();
            ASSERT_NE(GetGardenWnd(), nullptr);
            o.open();
            Run([] { return false; }, 4);   // boxes open, the clicks' messages are handed out
            ASSERT_TRUE(o.standing());
            // Where the box's OK stood, if a box is up.
            const CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
            const CORVControl* ok = box != nullptr ? box->m_pOkButton : nullptr;
            const bool okStood = ok != nullptr;
            const LPARAM okAt = okStood ? Centre(*ok) : 0;
            way.close();
            Run([] { return !g_ORVMgr.IsGardenOpen(); }, 4);
            ASSERT_FALSE(g_ORVMgr.IsGardenOpen());
            AwaitEndOfConnection();

            EXPECT_EQ(OpenSession(), freshSent);
            EXPECT_EQ(DrawnFrame(), freshDrawn);
            if (okStood) {
                ClickAt(okAt);   // answers no question of the last session
            }
            Run([] { return false; }, 10);
            EXPECT_TRUE(m_Rig.m_Server.Take().empty()) << "the next session sent a request of the last one";
            g_ORVMgr.Release();
            AwaitEndOfConnection();
        }
    }
}

}  // namespace
}  // namespace orv::test
