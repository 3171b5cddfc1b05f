// Two sessions of the game in one process, through the exports: what the first session left
// (the tooltip under the mouse, a timed notice, its questions) is not drawn by the second. Each
// second session draws exactly what the same session draws as the first of a fresh library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AerieCityFixture.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/WindowInput.h"

using namespace orv::test;

namespace {

// The back button of a visited city, under the mouse (below the building at its top).
constexpr int kBackX = 760;
constexpr int kBackY = 580;

class AerieSessions : public AerieCityTest {
protected:
    static CORVMgr& Mgr() { return CORVMgr::GetSingleton(); }

    // A session that shows another player's city with the mouse on the back button (its tooltip
    // up), the entry notice queued, a question of the game shown and another waiting. The host
    // closes it, or the game closes itself (its garden button hands the player to the host's
    // garden).
    void VisitAndLeave(bool byGardenButton)
    {
        m_Host.m_strPlayerName = "me";
        Mgr().OpenAerie(&m_Host, "other");
        ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)), true), nullptr);
        for (const char* text : {"first question", "second question"}) {
            ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(GameEvent(0x501, 0, "", Wnd()), ORVMsg(), text);
        }
        MouseMove(kBackX, kBackY);
        DrawFrame();
        ASSERT_NE(Text("返回"), nullptr) << m_Host.Dump();
        ASSERT_NE(Text("您已进入到other的琉璃台"), nullptr) << m_Host.Dump();
        ASSERT_NE(Text("first question"), nullptr) << m_Host.Dump();
        if (byGardenButton) {
            Click(Wnd()->m_pGardenBtn);
            DrawFrame();   // the game's own close request is posted
        } else {
            Mgr().CloseAerie();
        }
        ASSERT_FALSE(Mgr().IsAerieOpen());
    }
    // The second session: a new player's beast chooser, or the own city.
    void OpenSecond(bool chooser)
    {
        m_Host.m_strPlayerName = chooser ? "new" : "me";
        Mgr().OpenAerie(&m_Host, m_Host.m_strPlayerName.c_str());
        if (chooser) {
            Recv(Message(kOwnId, 101));
        } else {
            EnterOwnCity(Buildings(std::vector<u16>(18, 3)));
        }
    }
    // The drawing calls of frames frames of the second session, each without its frame number.
    std::vector<std::string> DrawnBySecond(bool chooser, int frames)
    {
        OpenSecond(chooser);
        m_Host.ClearLog();
        Frame(frames);
        std::vector<std::string> drawn;
        for (const HostCall& call : m_Host.m_vCalls) {
            if (call.m_strName.rfind("Draw", 0) == 0) {
                HostCall bare = call;
                bare.m_nFrame = 0;
                drawn.push_back(bare.Describe());
            }
        }
        Mgr().CloseAerie();
        return drawn;
    }
};

TEST_F(AerieSessions, TheNextSessionDrawsNothingOfThePrevious)
{
    struct Case {
        bool m_bChooser;         // the second session: a new player's beast chooser, or the own city
        bool m_bByGardenButton;  // the first ends by the game's own garden button, or by the host
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{true, true}, Case{false, true}}) {
        SCOPED_TRACE(c.m_bChooser ? "a new player's beast chooser" : "the own city");
        SCOPED_TRACE(c.m_bByGardenButton ? "the game closed itself" : "the host closed the game");
        MouseMove(kBackX, kBackY);
        const std::vector<std::string> alone = DrawnBySecond(c.m_bChooser, 3);
        ASSERT_FALSE(alone.empty());
        VisitAndLeave(c.m_bByGardenButton);
        if (HasFatalFailure()) {
            return;
        }
        const std::vector<std::string> after = DrawnBySecond(c.m_bChooser, 3);
        EXPECT_EQ(after, alone);
        EXPECT_EQ(m_Host.FindText("返回"), nullptr);
        EXPECT_EQ(m_Host.FindText("您已进入到other的琉璃台"), nullptr);
        EXPECT_EQ(m_Host.FindText("second question"), nullptr);
        EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);
        EXPECT_EQ(CtrlMgr().m_pFocus, nullptr);
    }
}

}  // namespace
