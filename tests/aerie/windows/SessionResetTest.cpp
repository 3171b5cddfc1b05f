// Two sessions of the game in one process, through the exports: what the first session left
// (the tooltip under the mouse, a timed notice, its questions, its city records, a dragged icon)
// is not drawn by the second. Each second session draws and sends exactly what the same session
// draws and sends as the first of a fresh library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AerieBeastFixture.h"
#include "AerieCityFixture.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieGetMonsterWnd.h"
#include "aerie/windows/AerieHelpWnd.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "aerie/windows/AerieMonGroupSkillIcon.h"
#include "aerie/windows/AerieMonsterGroupWnd.h"
#include "aerie/windows/AerieRankWnd.h"
#include "framework/core/DragIcon.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/WindowInput.h"

using namespace orv::test;

namespace {

// The back button of a visited city, under the mouse (below the building at its top).
constexpr int kBackX = 760;
constexpr int kBackY = 580;

CORVMgr& Mgr()
{
    return CORVMgr::GetSingleton();
}

// Every drawing call of the host's log (images, texts, rectangles, sectors), without frame numbers.
std::vector<std::string> EveryDrawCall(const RecordingHost& host)
{
    std::vector<std::string> drawn;
    for (const HostCall& call : host.m_vCalls) {
        if (call.m_strName.rfind("Draw", 0) == 0) {
            HostCall bare = call;
            bare.m_nFrame = 0;
            drawn.push_back(bare.Describe());
        }
    }
    return drawn;
}

class AerieSessions : public AerieCityTest {
protected:
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
        std::vector<std::string> drawn = EveryDrawCall(m_Host);
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

// What a session draws and sends: every drawing call (without its frame number) and every
// request's bytes.
struct SessionSeen {
    std::vector<std::string> m_vDrawn;
    std::vector<std::string> m_vSent;
};

// A player's own city with its beast, incubators and eggs, its hatching page open, then a second
// session of another character: the hatching page over a city that has none of those.
class AerieHatchSessions : public AerieBeastTest {
protected:
    enum class Ask {
        Hire,      // the server's reply 108 asks whether to hire a helper
        Discard,   // the player asks to discard the first egg of the bag
    };
    void SetUp() override
    {
        AerieBeastTest::SetUp();
        m_Host.SetImageSize(kMsgBoxBackFrame, kImageSetWindow, 340, 150);
    }

    // The first player's own city with its guardian beast, an egg hatching in the first incubator,
    // the second free and eggs in the bag: the city draws the beast's icon, the eggs' notice and
    // the hatching row.
    void OpenFirstCity()
    {
        m_Host.m_strPlayerName = "first";
        Mgr().OpenAerie(&m_Host, "first");
        const std::string incubators =
            Incubators(Incubator(true, 2, 5399, 0), Incubator(true, 0, 0, 0), Incubator(false, 0, 0, 0));
        ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3)) + BeastItem(1, 0) + incubators + EggBag({1, 0, 3})),
                  nullptr);
        DrawFrame();
        ASSERT_NE(m_Host.FindImage(720, 92), nullptr) << m_Host.Dump();
        ASSERT_NE(Text(kEggsNotice), nullptr) << m_Host.Dump();
        ASSERT_NE(Text(kHatchingRow), nullptr) << m_Host.Dump();
    }
    // The first session asks in that order; one frame shows the first question and the others
    // wait; the player may click its OK, the host closing the game before the answer arrives. An
    // icon is being dragged (as a monster's is until the server's reply) when the host closes.
    // The server's hire question may come late, after the close.
    void FirstSession(const std::vector<Ask>& asks, bool clickOk, bool lateQuestion)
    {
        OpenFirstCity();
        if (HasFatalFailure()) {
            return;
        }
        ASSERT_NE(OpenBeast(), nullptr);
        static_cast<CAerieBeastWnd*>(Wnd()->m_pSubWnd)->SwitchPage(1);
        auto* page = Page<CAerieBeastHatchItem>();
        ASSERT_NE(page, nullptr);
        for (const Ask ask : asks) {
            if (ask == Ask::Hire) {
                Recv(Message(kOwnId, 108, std::string(), 1));
            } else {
                ORVMsg discard(ORV_MSG_GAMEWND, EVT_EGG_ACTION, page->m_pEggBag->m_pEggs[0]);
                discard.m_lParam = 1;
                Route(discard);
            }
        }
        DrawFrame();
        CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->m_pOkButton, nullptr);
        ASSERT_EQ(box->m_pOkButton->m_nAbsX + box->m_pOkButton->m_nWidth / 2, kOkX);
        ASSERT_EQ(box->m_pOkButton->m_nAbsY + box->m_pOkButton->m_nHeight / 2, kOkY);
        if (clickOk) {
            ClickOkPlace();
            Frame();   // the box takes the click and posts its answer for the next frame
            ASSERT_TRUE(box->m_bAnswered);
        }
        ORVDragIcon& drag = GetDragIcon();
        drag.m_bDragging = 1;
        drag.m_nSource = 3;
        drag.m_wFrame = 77;
        drag.m_wSet = kImageSetWindow;
        Mgr().CloseAerie();
        ASSERT_FALSE(Mgr().IsAerieOpen());
        if (lateQuestion) {
            Recv(Message(kOwnId, 108, std::string(), 1));
        }
    }
    void ClickOkPlace()
    {
        const LPARAM ok = Pos(kOkX, kOkY);
        Mgr().WndProc(nullptr, WM_MOUSEMOVE, 0, ok);
        Mgr().WndProc(nullptr, WM_LBUTTONDOWN, 1, ok);
        Mgr().WndProc(nullptr, WM_LBUTTONUP, 0, ok);
    }
    // The second session: another character's own city with buildings only, its hatching page
    // open; a click where the first session's box had its OK.
    SessionSeen SecondSession()
    {
        m_Host.m_strPlayerName = "second";
        m_Host.ClearLog();
        Mgr().OpenAerie(&m_Host, "second");
        EnterOwnCity(Buildings(std::vector<u16>(18, 3)));
        if (CAerieBeastWnd* beast = OpenBeast()) {
            beast->SwitchPage(1);
        }
        Frame(3);
        ClickOkPlace();
        Frame(4);
        SessionSeen seen;
        seen.m_vDrawn = EveryDrawCall(m_Host);
        for (const SentRequest& sent : m_Host.Requests()) {
            seen.m_vSent.push_back(sent.m_strBytes);
        }
        Mgr().CloseAerie();
        return seen;
    }

    static constexpr const char* kEggsNotice = "仓库中有未孵化的蛋，快来这里孵化";
    static constexpr const char* kHatchingRow = "1号孵化器: 孵化剩余时间 01:29:59";
    // The OK button of a question in a box of 340 x 150 (AerieHatchSessions::SetUp).
    static constexpr int kOkX = 281;
    static constexpr int kOkY = 350;
};

// The server's hire question twice (one box shown, one waiting); the player's question to discard
// an egg waiting behind it; that question shown and its OK clicked just before the host closed the
// game; a hire question that came after the close. The second session shows no question and gets
// no answer of the first, draws none of the first city's beast, incubators or eggs nor its dragged
// icon, and a click where OK was sends nothing of the first session.
TEST_F(AerieHatchSessions, ANewSessionDrawsAndSendsWhatAFreshOneDoes)
{
    struct Case {
        std::vector<Ask> m_vAsks;
        bool m_bOkClicked;
        bool m_bLateQuestion;
    };
    const Case cases[] = {
        {{Ask::Hire, Ask::Hire}, false, false},
        {{Ask::Hire, Ask::Discard}, false, true},
        {{Ask::Discard, Ask::Hire, Ask::Discard}, true, false},
    };
    const SessionSeen fresh = SecondSession();
    ASSERT_FALSE(fresh.m_vDrawn.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        FirstSession(c.m_vAsks, c.m_bOkClicked, c.m_bLateQuestion);
        if (HasFatalFailure()) {
            return;
        }
        const SessionSeen after = SecondSession();
        EXPECT_EQ(after.m_vDrawn, fresh.m_vDrawn);
        EXPECT_EQ(after.m_vSent, fresh.m_vSent);
        EXPECT_EQ(m_Host.FindImage(720, 92), nullptr);
        EXPECT_EQ(Text(kEggsNotice), nullptr);
        EXPECT_EQ(Text(kHatchingRow), nullptr);
        EXPECT_TRUE(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty());
    }
}

// A city that comes while a new player's beast chooser is open opens the game window beside it
// (after the chooser, or after a city that the answer 101 closed); the server then asks twice
// whether to hire a helper. One close, the host's or the server's, ends the game with both
// windows: the leave request once, NotifyGameWindow(1) once with the game already closed, nothing
// drawn after; the next open sends its enter request and its session draws and sends what a
// fresh one does.
TEST_F(AerieHatchSessions, OneCloseEndsTheGameWithTheChooserAndACityOpen)
{
    enum class Closer { Host, Server };
    struct Case {
        std::vector<u16> m_vReplies;   // 0 a city, 101 the chooser
        Closer m_Closer;
    };
    const Case cases[] = {
        {{101, 0}, Closer::Host},
        {{0, 101, 0}, Closer::Host},
        {{101, 0}, Closer::Server},
    };
    const SessionSeen fresh = SecondSession();
    ASSERT_FALSE(fresh.m_vDrawn.empty());
    ASSERT_FALSE(fresh.m_vSent.empty());   // its enter request
    std::vector<bool> openWhenToldClosed;
    m_Host.m_fnOnNotifyGameWindow = [&](int state) {
        if (state == 1) {
            openWhenToldClosed.push_back(Mgr().IsAerieOpen());
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        m_Host.m_strPlayerName = "first";
        Mgr().OpenAerie(&m_Host, "first");
        for (const u16 reply : c.m_vReplies) {
            if (reply == 0) {
                EnterOwnCity(Buildings(std::vector<u16>(18, 3)));
            } else {
                Recv(Message(kOwnId, reply));
            }
        }
        Recv(Message(kOwnId, 108, std::string(), 1));
        Recv(Message(kOwnId, 108, std::string(), 1));
        DrawFrame();
        ASSERT_NE(Wnd(), nullptr);
        ASSERT_NE(Text("选择守护兽"), nullptr) << m_Host.Dump();

        m_Host.ClearLog();
        openWhenToldClosed.clear();
        if (c.m_Closer == Closer::Host) {
            Mgr().CloseAerie();
        } else {
            Recv(Message(kOwnId, 6));
        }
        EXPECT_FALSE(Mgr().IsAerieOpen());
        EXPECT_EQ(openWhenToldClosed, std::vector<bool>{false});
        const std::vector<SentRequest> sent = m_Host.Requests();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, REQ_LEAVE_GAME);
        Frame();
        EXPECT_FALSE(m_Host.AnyDrawing()) << m_Host.Dump();

        const SessionSeen after = SecondSession();
        EXPECT_EQ(after.m_vDrawn, fresh.m_vDrawn);
        EXPECT_EQ(after.m_vSent, fresh.m_vSent);
        EXPECT_EQ(Text("选择守护兽"), nullptr);
        EXPECT_TRUE(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty());
    }
}

// An open while the game is open starts no session: the city, its records and its questions
// stay, and nothing is sent.
TEST_F(AerieHatchSessions, AnOpenWhileTheGameIsOpenKeepsTheSession)
{
    OpenFirstCity();
    ASSERT_FALSE(HasFatalFailure());
    Recv(Message(kOwnId, 108, std::string(), 1));
    Recv(Message(kOwnId, 108, std::string(), 1));
    DrawFrame();
    const std::vector<std::string> before = EveryDrawCall(m_Host);
    const std::size_t sent = Sent().size();
    for (const char* owner : {"first", "second"}) {
        Mgr().OpenAerie(&m_Host, owner);
    }
    DrawFrame();
    EXPECT_EQ(EveryDrawCall(m_Host), before);
    EXPECT_EQ(Sent().size(), sent);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 2u);
}

// The windows whose choices outlive an opening: the ranking window, the help, the friend window,
// a visited city's hatch friend list, the mission window and the refresh buttons of the group and
// the get-monster windows (which rest a while after a refresh). A first session changes the window's
// choice as a player does and the host closes the game; the next session opens the same window
// and draws and sends what the window draws and sends in a fresh library.
class AerieWindowSessions : public AerieBeastTest {
protected:
    void SetUp() override
    {
        AerieBeastTest::SetUp();
        SetAerieWindowRecord(AerieWndKind::Help, ORV_RUNTIME_CLASS(CAerieHelpWnd));
        SetAerieWindowRecord(AerieWndKind::Rank, ORV_RUNTIME_CLASS(CAerieRankWnd));
        SetAerieWindowRecord(AerieWndKind::Mission, ORV_RUNTIME_CLASS(CAerieMissionWnd));
        SetAerieWindowRecord(AerieWndKind::MonsterGroup, ORV_RUNTIME_CLASS(CAerieMonsterGroupWnd));
        SetAerieWindowRecord(AerieWndKind::GetMonster, ORV_RUNTIME_CLASS(CAerieGetMonsterWnd));
        m_Host.SetImageSize(29, 93, 540, 420);   // help
        m_Host.SetImageSize(2, 93, 480, 440);    // ranking
        m_Host.SetImageSize(19, 93, 640, 420);   // mission window, plunder page
        m_Host.SetImageSize(14, 93, 780, 470);   // group window
        m_Host.SetImageSize(26, 93, 420, 380);   // get-monster
        m_Host.SetImageSize(kMsgBoxBackFrame, kImageSetWindow, 340, 150);
        // The help reads "../data/help/" from the working folder: an index entry of 30 lines.
        m_Dir.Write("data/help/aeriemain.txt", "<入门/local:help/p1.txt>\r");
        std::string lines;
        for (int i = 0; i < 30; ++i) {
            lines += "line " + std::to_string(i) + "\r";
        }
        m_Dir.Write("data/help/p1.txt", lines);
        std::filesystem::create_directories(m_Dir.Root() / "run");
        m_pCwd = std::make_unique<XmlScopedCwd>(m_Dir.Root() / "run");
    }
    void TearDown() override
    {
        AerieBeastTest::TearDown();
        m_pCwd.reset();
    }

    // A left click at the middle of a control, as the player makes it on the drawn screen, then
    // the frames for what it posted.
    void PlayerClick(const CORVControl* ctrl)
    {
        ASSERT_NE(ctrl, nullptr);
        Frame();
        const int x = ctrl->m_nAbsX + ctrl->m_nWidth / 2;
        const int y = ctrl->m_nAbsY + ctrl->m_nHeight / 2;
        MouseMove(x, y);
        LButtonDown(x, y);
        LButtonUp(x, y);
        Frame(2);   // a tab's group hears its button's click a frame before its window hears it
    }
    // The OK of the question that a click asked, clicked.
    void ClickOkOfTheQuestion()
    {
        Frame();
        CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
        ASSERT_NE(box, nullptr);
        PlayerClick(box->m_pOkButton);
    }
    template <class W>
    W* Sub()
    {
        return dynamic_cast<W*>(Wnd()->m_pSubWnd);
    }

    struct Case {
        const char* m_pszName;
        bool m_bVisited;                                 // another player's city, else the own
        void (*m_pfnOpen)(AerieWindowSessions& t);       // opens the window in the city
        void (*m_pfnChange)(AerieWindowSessions& t);     // changes the window's choice
    };
    // A session of the own or a visited city with the window open: what its first frames draw
    // and what the session sent. When change is set, the choice is changed before the host closes.
    SessionSeen Session(const Case& c, bool change)
    {
        m_Host.m_strPlayerName = "me";
        m_Host.ClearLog();
        Mgr().OpenAerie(&m_Host, c.m_bVisited ? "other" : "me");
        SessionSeen seen;
        const std::string groupSkill = Item(4, LE16(1) + LE16(3) + LE16(1));   // group 0's first, level 1
        if (Enter(Buildings(std::vector<u16>(18, 3)) + BeastItem(1, 0) + groupSkill, c.m_bVisited) == nullptr) {
            ADD_FAILURE() << "no game window";
            return seen;
        }
        c.m_pfnOpen(*this);
        if (change) {
            c.m_pfnChange(*this);
        }
        MouseMove(0, 0);
        Frame(2);
        seen.m_vDrawn = EveryDrawCall(m_Host);
        for (const SentRequest& sent : m_Host.Requests()) {
            seen.m_vSent.push_back(sent.m_strBytes);
        }
        Mgr().CloseAerie();
        return seen;
    }

    // Each window: how it opens in the city and how the player changes its choice. A row's first
    // session is its fresh reference: no row changes another's window, so nothing a row leaves
    // reaches a later row's reference.
    static std::vector<Case> Cases()
    {
        using T = AerieWindowSessions;
        return {
            // Each session picks a category with sub-choices: a kept category shows in the frame
            // before the pick, a kept sub-choice in the tabs the pick builds.
            {"ranking: a category and its sub-choice", false,
             [](T& t) {
                 t.PlayerClick(t.Wnd()->m_pRankBtn);
                 auto* rank = t.Sub<CAerieRankWnd>();
                 ASSERT_NE(rank, nullptr);
                 t.PlayerClick(rank->m_pCategory->m_vItems[2]);
                 ASSERT_NE(rank->m_pSubChoice, nullptr);
             },
             [](T& t) {
                 auto* rank = t.Sub<CAerieRankWnd>();
                 ASSERT_NE(rank, nullptr);
                 t.PlayerClick(rank->m_pSubChoice->m_vItems[2]);
                 ASSERT_EQ(rank->ListNumber(), 6);
             }},
            {"help: the content scrolled", false,
             [](T& t) { t.PlayerClick(t.Wnd()->m_pHelpBtn); },
             [](T& t) {
                 auto* help = t.Sub<CAerieHelpWnd>();
                 ASSERT_NE(help, nullptr);
                 MouseMove(help->m_nAbsX + 200, help->m_nAbsY + 100);
                 Wheel(-120 * 5);
                 t.Frame();
                 ASSERT_EQ(help->m_pScroll->m_nPos, 5);
             }},
            {"friends: the list's mode", false,
             [](T& t) { t.PlayerClick(t.Wnd()->m_pFriendBtn); },
             [](T& t) {
                 auto* friends = t.Sub<CAerieFriendWnd>();
                 ASSERT_NE(friends, nullptr);
                 t.PlayerClick(friends->m_pModeGroup->m_vItems[2]);
                 ASSERT_EQ(friends->m_pModeGroup->m_nCurSel, 2);
             }},
            {"a visited city's hatch friends: the list's mode", true,
             [](T& t) {
                 t.PlayerClick(t.Wnd()->m_pBeastBtn);
                 auto* page = t.Page<CAerieBeastHatchOtherItem>();
                 ASSERT_NE(page, nullptr);
                 t.PlayerClick(page->m_pFriendsBtn);
             },
             [](T& t) {
                 auto* page = t.Page<CAerieBeastHatchOtherItem>();
                 ASSERT_NE(page, nullptr);
                 auto* friends = dynamic_cast<CAerieHatchRelationWnd*>(page->m_FriendWnd.Get());
                 ASSERT_NE(friends, nullptr);
                 t.PlayerClick(friends->m_pModeGroup->m_vItems[1]);
                 ASSERT_EQ(friends->m_pModeGroup->m_nCurSel, 1);
             }},
            {"missions: the tab", false,
             [](T& t) { t.PlayerClick(t.Wnd()->m_pMissionBtn); },
             [](T& t) {
                 auto* missions = t.Sub<CAerieMissionWnd>();
                 ASSERT_NE(missions, nullptr);
                 auto* page = dynamic_cast<CAerieMissionPage*>(missions->m_pTabItem);
                 ASSERT_NE(page, nullptr);
                 t.PlayerClick(page->m_pTabs->m_vItems[2]);
                 t.Frame();   // the page tells its window a frame later
                 ASSERT_EQ(MissionWndTab(), 2);
             }},
            {"a group's skill refreshed", false,
             [](T& t) {
                 t.PlayerClick(t.Wnd()->m_pMonsterBtn);
                 auto* groups = t.Sub<CAerieMonsterGroupWnd>();
                 ASSERT_NE(groups, nullptr);
                 t.PlayerClick(groups->m_pGroupBtn[0]);
             },
             [](T& t) {
                 auto* groups = t.Sub<CAerieMonsterGroupWnd>();
                 ASSERT_NE(groups, nullptr);
                 t.PlayerClick(groups->m_pSkill[0]);
                 t.PlayerClick(groups->m_pRefreshBtn);
                 t.ClickOkOfTheQuestion();
                 ASSERT_EQ(t.Sent().back().m_wSub, 0x18);
                 t.Frame();
                 ASSERT_EQ(groups->m_pRefreshBtn->m_bEnabled, 0);
             }},
            {"a new monster refreshed", false,
             [](T& t) {
                 t.Recv(Message(kOwnId, 109));   // the server offers a new monster
                 t.Frame();
             },
             [](T& t) {
                 auto* monster = dynamic_cast<CAerieGetMonsterWnd*>(t.Wnd()->m_pGetMonsterWnd);
                 ASSERT_NE(monster, nullptr);
                 t.PlayerClick(monster->m_pSeniorBtn);
                 t.ClickOkOfTheQuestion();
                 t.Frame();
                 ASSERT_EQ(monster->m_pSeniorBtn->m_bEnabled, 0);
             }},
        };
    }

    XmlTempDir m_Dir;
    std::unique_ptr<XmlScopedCwd> m_pCwd;   // left before the folder goes
};

TEST_F(AerieWindowSessions, ANewSessionOpensEachWindowAsAFreshOne)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.m_pszName);
        const SessionSeen fresh = Session(c, false);
        ASSERT_FALSE(fresh.m_vDrawn.empty());
        Session(c, true);
        if (HasFatalFailure()) {
            return;
        }
        const SessionSeen after = Session(c, false);
        EXPECT_EQ(after.m_vDrawn, fresh.m_vDrawn);
        EXPECT_EQ(after.m_vSent, fresh.m_vSent);
    }
}

}  // namespace
