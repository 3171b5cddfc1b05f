// Closing the Garden through the library's exports over 127.0.0.1, by the host or by the game
// itself: whatever the Garden had open when it closed (a trade, its question, a focused field, a
// box of the screen, questions waiting behind a box, a dropped list, a floating notice), the next
// session sends what a fresh one sends and draws what a fresh one draws, and a click where the
// box's OK stood answers nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "GardenSessionFixture.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenExchangeWnd.h"

namespace orv::test {
namespace {

HWND const kWnd = kSessionWnd;

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

using GardenCloseTest = GardenSessionFixture;

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
    ASSERT_EQ(Init(), 0);
    const std::vector<std::string> freshSent = OpenSession();
    const std::vector<std::string> freshDrawn = DrawnFrame();
    g_ORVMgr.Release();
    AwaitEndOfConnection();
    for (const OpenAtClose& o : opened) {
        for (const CloseWay& way : ways) {
            SCOPED_TRACE(std::string(o.name) + ", closed by " + way.name);
            // Each case from a library started afresh, so that one case's leftovers fail it alone.
            ASSERT_EQ(Init(), 0);
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
