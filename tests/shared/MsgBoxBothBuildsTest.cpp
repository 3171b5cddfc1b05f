// The message-box queue as both builds have it, compiled into both test programs: one box at a
// time in order, the frame of each answer and each close, one answer per box, and the error paths.
// A button's click is its own click notification (OnClick), as a real click ends.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BuildProfile.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "shared/BothBuildsFixture.h"
#include "support/TestWindow.h"

namespace {

using namespace orv::test;

constexpr u32 kAnswerId = 0x501;

// Keeps the answers routed down the tree: first parameter and frame.
class CAnswerWnd : public CORVWindow {
public:
    bool ProcessMessage(ORVMsg* msg) override
    {
        if (msg->m_nId == kAnswerId || msg->m_nId == 0) {
            m_vAnswers.emplace_back(msg->m_nId == 0 ? 0u : msg->m_wParam, *m_pFrame);
        }
        return false;
    }
    std::vector<std::pair<u32, int>> m_vAnswers;
    const int* m_pFrame = nullptr;
};

class MsgBoxBothBuildsTest : public BothBuildsTest {
protected:
    MsgBoxBothBuildsTest()
    {
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
        m_pWnd = new CAnswerWnd();
        m_pWnd->m_pFrame = &m_nFrame;
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), 0, 0, 800, 600);
    }
    ~MsgBoxBothBuildsTest() override
    {
        CtrlMgr().DestroyWindowTree();
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
    }
    static ORVMsgBoxQueue& Queue() { return ORVMsgBoxQueue::GetSingleton(); }
    static CORVMsgBox* Box() { return static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(kSysWndFirstId)); }
    static ORVMsg Answer(u32 n) { return ORVMsg(kAnswerId, n); }
    static bool Route(ORVMsg msg) { return CtrlMgr().RouteMessage(&msg); }
    void Frame(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            ++m_nFrame;
            CtrlMgr().RouteDueMessages();
            MainWnd().Render();
        }
    }
    static void Click(CORVButton* button)
    {
        ASSERT_NE(button, nullptr);
        button->OnClick(0);
    }
    std::vector<std::pair<u32, int>> Answers() const
    {
        std::vector<std::pair<u32, int>> out;
        for (auto a : m_pWnd->m_vAnswers) {
            if (a.first != 0) {
                out.push_back(a);
            }
        }
        return out;
    }

    int m_nFrame = 0;
    CAnswerWnd* m_pWnd = nullptr;
};

TEST_F(MsgBoxBothBuildsTest, OneRequestOpensAnswersBeforeTheBoxClosesFrameByFrame)
{
    Queue().ShowOkCancelBox(Answer(1), Answer(2), "Sure?");
    EXPECT_EQ(Box(), nullptr);
    Frame();   // 1: the box opens
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Queue().m_pBox, Box());
    ASSERT_EQ(CtrlMgr().m_vModal.size(), 1u);
    EXPECT_EQ(CtrlMgr().m_vModal.back(), Box());
    Click(Box()->m_pOkButton);
    Frame();   // 2: the box handles its button's click
    EXPECT_TRUE(Answers().empty());
    Frame();   // 3: the answer is routed while the box still exists
    EXPECT_EQ(Answers(), (std::vector<std::pair<u32, int>>{{1, 3}}));
    EXPECT_NE(Box(), nullptr);
    Frame();   // 4: the box closes
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(Queue().m_pBox, nullptr);
    EXPECT_TRUE(Queue().m_vMsgBuf.empty());
    EXPECT_TRUE(CtrlMgr().m_vModal.empty());
}

TEST_F(MsgBoxBothBuildsTest, RequestsAreShownOneAtATimeInOrder)
{
    Queue().ShowOkBox(Answer(1), "first");
    Queue().ShowOkCancelBox(Answer(2), Answer(20), "second");
    Queue().ShowOkBox(Answer(3), "third");
    EXPECT_EQ(CtrlMgr().m_MsgQueue.GetPendingCount(), 1u);   // one open command for three requests
    std::vector<int> openFrames;
    std::vector<std::string> texts;
    for (int box = 0; box < 3; ++box) {
        for (int guard = 0; Box() == nullptr && guard < 10; ++guard) {
            Frame();
        }
        ASSERT_NE(Box(), nullptr);
        openFrames.push_back(m_nFrame);
        ASSERT_TRUE(Box()->m_Request.has_value());
        texts.push_back(Box()->m_Request->m_strText);
        Click(Box()->m_pOkButton);
        CORVMsgBox* answered = Box();
        while (Box() == answered) {
            Frame();
        }
    }
    EXPECT_EQ(openFrames, (std::vector<int>{1, 5, 9}));
    EXPECT_EQ(texts, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(Answers(), (std::vector<std::pair<u32, int>>{{1, 3}, {2, 7}, {3, 11}}));
    EXPECT_TRUE(Queue().m_vMsgBuf.empty());
}

TEST_F(MsgBoxBothBuildsTest, TheBoxAnswersOnceAndItsCancelAnswersTheCancelMessage)
{
    Queue().ShowOkCancelBox(Answer(1), Answer(2), "Buy?");
    Queue().ShowOkCancelBox(Answer(3), Answer(4), "Sell?");
    Frame();
    CORVMsgBox* box = Box();
    ASSERT_NE(box, nullptr);
    Click(box->m_pOkButton);
    Click(box->m_pOkButton);   // twice before the box sees the first
    Frame();                   // 2: answered
    Click(box->m_pOkButton);   // the box lives one more frame: clicks land on it
    Click(box->m_pCancelButton);
    Frame(3);                  // 3 answer, 4 close, 5 the next box
    ASSERT_NE(Box(), nullptr);
    Click(Box()->m_pCancelButton);
    Frame(3);
    EXPECT_EQ(Answers(), (std::vector<std::pair<u32, int>>{{1, 3}, {4, 7}}));
    EXPECT_EQ(Box(), nullptr);
}

TEST_F(MsgBoxBothBuildsTest, AnEmptyBoxReportsOnCloseAndARequestMadeMeanwhileIsShownNext)
{
    Route(ORVMsg(kSysWndFirstId, kSysWndOpen));
    ASSERT_NE(Box(), nullptr);
    EXPECT_TRUE(Box()->m_lstChildren.empty());
    Queue().ShowOkBox(Answer(1), "late");
    Frame();   // the open command finds the empty box still up
    Route(ORVMsg(kSysWndFirstId, kSysWndClose));
    EXPECT_FALSE(m_Fake.HasDebugLineContaining("Error,m_vMsgBuf is empty when CloseMsgBox!\n"));
    ASSERT_EQ(Queue().m_vMsgBuf.size(), 1u);
    Frame();
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Box()->m_Request->m_strText, "late");
    Click(Box()->m_pOkButton);
    Frame(3);
    EXPECT_EQ(Answers().size(), 1u);
    EXPECT_EQ(Box(), nullptr);

    Route(ORVMsg(kSysWndFirstId, kSysWndOpen));
    Route(ORVMsg(kSysWndFirstId, kSysWndClose));
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Error,m_vMsgBuf is empty when CloseMsgBox!\n"));
}

TEST_F(MsgBoxBothBuildsTest, ASecondBoxBesideTheFirstIsReportedAndLeavesTheFirstItsOwnRequest)
{
    Queue().ShowOkBox(Answer(1), "first");
    Queue().ShowOkBox(Answer(2), "second");
    Frame();
    CORVMsgBox* first = Box();
    ASSERT_NE(first, nullptr);
    auto* extra = new CORVMsgBox();
    MainWnd().AddChild(extra, false);
    extra->Create(&MainWnd());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Error,m_pBox is not null when SetMsgBox!\n"));
    EXPECT_EQ(Queue().m_pBox, extra);
    MainWnd().DeleteChild(extra);   // drops the front request ("first")
    ASSERT_EQ(Queue().m_vMsgBuf.size(), 1u);
    Click(first->m_pOkButton);
    Frame(3);
    EXPECT_EQ(Answers(), (std::vector<std::pair<u32, int>>{{1, 3}}));
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Error,m_pBox is error when CloseMsgBox!\n"));
}

// A window that asks: the box's answers name it as their sender.
CORVWindow* NewAsker(CORVWindow& parent)
{
    auto* asker = new CORVWindow();
    parent.AddChild(asker, false);
    asker->CreateAt(&parent, 0, 0, 10, 10);
    return asker;
}

// The asker closes at each moment before its answer is posted: with its question queued behind
// another box, while its box is up, and after the player clicked (twice) but before the box saw
// the click. Its answer goes nowhere; the box still closes and the next one opens.
TEST_F(MsgBoxBothBuildsTest, AnAnswerForAnAskerThatIsGoneGoesNowhere)
{
    enum class Gone { WhileQueued, WhileShown, AfterTheClick };
    struct Case {
        Gone m_When;
        bool m_bCancel;
    };
    for (const Case c : {Case{Gone::WhileQueued, false}, Case{Gone::WhileShown, true}, Case{Gone::AfterTheClick, false},
                         Case{Gone::AfterTheClick, true}}) {
        SCOPED_TRACE(static_cast<int>(c.m_When) * 2 + (c.m_bCancel ? 1 : 0));
        m_pWnd->m_vAnswers.clear();
        m_Fake.m_vDebugLines.clear();
        CORVWindow* asker = NewAsker(MainWnd());
        if (c.m_When == Gone::WhileQueued) {
            Queue().ShowOkBox(Answer(9), "before");
        }
        Queue().ShowOkCancelBox(ORVMsg(kAnswerId, 1, asker), ORVMsg(kAnswerId, 2, asker), "Sure?");
        Queue().ShowOkBox(Answer(3), "after");
        Frame();
        if (c.m_When == Gone::WhileQueued) {
            MainWnd().DeleteChild(asker);
            Click(Box()->m_pOkButton);
            Frame(4);
        }
        ASSERT_NE(Box(), nullptr);
        ASSERT_EQ(Box()->m_Request->m_strText, "Sure?");
        if (c.m_When == Gone::WhileShown) {
            MainWnd().DeleteChild(asker);
        }
        CORVButton* button = c.m_bCancel ? Box()->m_pCancelButton : Box()->m_pOkButton;
        Click(button);
        Click(button);
        if (c.m_When == Gone::AfterTheClick) {
            MainWnd().DeleteChild(asker);
        }
        Frame(4);   // the click, the answer's frame, the close, the next box
        ASSERT_NE(Box(), nullptr);
        EXPECT_EQ(Box()->m_Request->m_strText, "after");
        Click(Box()->m_pOkButton);
        Frame(3);
        std::vector<u32> answered;
        for (auto a : Answers()) {
            answered.push_back(a.first);
        }
        EXPECT_EQ(answered, (c.m_When == Gone::WhileQueued ? std::vector<u32>{9, 3} : std::vector<u32>{3}));
        EXPECT_TRUE(m_Fake.HasDebugLineContaining("the window that asked is gone"));
        EXPECT_TRUE(Queue().m_vMsgBuf.empty());
    }
}

// A game window open (the build's first game id) with an asking child: closing the game takes
// both.
class MsgBoxGameCloseTest : public MsgBoxBothBuildsTest {
protected:
    MsgBoxGameCloseTest() : m_Record(kSysWndGameIds[0], ORV_RUNTIME_CLASS(CTestWindow))
    {
        Route(ORVMsg(kSysWndGameIds[0], kSysWndOpen));
        CORVControl* game = MainWnd().GetSystemWindow(kSysWndGameIds[0]);
        EXPECT_NE(game, nullptr);
        if (game != nullptr) {
            m_pAsker = NewAsker(*static_cast<CORVWindow*>(game));
        }
    }
    void AskFromGame(u32 n) { Queue().ShowOkBox(ORVMsg(kAnswerId, n, m_pAsker), "game " + std::to_string(n)); }
    // The texts of the boxes shown from now on, each answered OK as it opens.
    std::vector<std::string> AnswerEveryBox()
    {
        std::vector<std::string> texts;
        for (int frame = 0; frame < 30; ++frame) {
            Frame();
            if (Box() != nullptr && Box()->m_Request && !Box()->m_bAnswered) {
                texts.push_back(Box()->m_Request->m_strText);
                Click(Box()->m_pOkButton);
            }
        }
        return texts;
    }

    ScopedSystemWindowRecord m_Record;
    CORVWindow* m_pAsker = nullptr;
};

// Whatever stands in front when the game closes, every question of the game goes, named by one of
// its windows or asked with no sender, shown or waiting; the questions of a window outside the game
// that stays are shown in their order and answered. Only those are answered.
TEST_F(MsgBoxGameCloseTest, TheQuestionsOfAClosedGameGoWithItOthersStay)
{
    enum class Asker { Game, Stays, Nobody };
    const std::vector<Asker> cases[] = {
        {Asker::Game, Asker::Stays, Asker::Game, Asker::Nobody, Asker::Stays},
        {Asker::Nobody, Asker::Nobody, Asker::Stays},
        {Asker::Stays, Asker::Nobody, Asker::Game, Asker::Stays},
    };
    CORVWindow* stays = NewAsker(MainWnd());
    for (const std::vector<Asker>& asked : cases) {
        SCOPED_TRACE(static_cast<int>(asked.front()));
        m_pWnd->m_vAnswers.clear();
        if (MainWnd().GetSystemWindow(kSysWndGameIds[0]) == nullptr) {
            Route(ORVMsg(kSysWndGameIds[0], kSysWndOpen));
            m_pAsker = NewAsker(*static_cast<CORVWindow*>(MainWnd().GetSystemWindow(kSysWndGameIds[0])));
        }
        std::vector<std::string> kept;
        std::vector<u32> keptAnswers;
        for (u32 n = 1; n <= asked.size(); ++n) {
            const std::string text = "question " + std::to_string(n);
            const Asker who = asked[n - 1];
            CORVControl* sender = who == Asker::Game ? m_pAsker : who == Asker::Stays ? stays : nullptr;
            Queue().ShowOkBox(ORVMsg(kAnswerId, n, sender), text);
            if (who == Asker::Stays) {
                kept.push_back(text);
                keptAnswers.push_back(n);
            }
        }
        Frame();
        ASSERT_NE(Box(), nullptr);
        MainWnd().CloseGame();
        EXPECT_EQ(Box() != nullptr, asked.front() == Asker::Stays);
        EXPECT_EQ(AnswerEveryBox(), kept);
        std::vector<u32> answered;
        for (auto a : Answers()) {
            answered.push_back(a.first);
        }
        EXPECT_EQ(answered, keptAnswers);
        EXPECT_TRUE(Queue().m_vMsgBuf.empty());
    }
}

// The game closes before its questions were shown, or after its box was answered but before the
// answer was routed, the box left up or closed with the game (as a game closes its boxes): no box
// of the closed game opens afterwards, empty or not, no answer of it arrives, and the next question
// opens and stays up until it is answered.
TEST_F(MsgBoxGameCloseTest, NoBoxAndNoAnswerOfAClosedGameReachTheNextGame)
{
    enum class Closed { BeforeShown, AnsweredBoxUp, AnsweredBoxClosedWithIt };
    for (const Closed when : {Closed::BeforeShown, Closed::AnsweredBoxUp, Closed::AnsweredBoxClosedWithIt}) {
        SCOPED_TRACE(static_cast<int>(when));
        m_pWnd->m_vAnswers.clear();
        if (MainWnd().GetSystemWindow(kSysWndGameIds[0]) == nullptr) {
            Route(ORVMsg(kSysWndGameIds[0], kSysWndOpen));
            m_pAsker = NewAsker(*static_cast<CORVWindow*>(MainWnd().GetSystemWindow(kSysWndGameIds[0])));
        }
        AskFromGame(1);
        AskFromGame(2);
        if (when != Closed::BeforeShown) {
            Frame();
            Click(Box()->m_pOkButton);
            Frame();   // the box posts the answer
        }
        if (when == Closed::AnsweredBoxClosedWithIt) {
            Route(ORVMsg(kSysWndFirstId, kSysWndClose));
        }
        MainWnd().CloseGame();
        EXPECT_TRUE(Queue().m_vMsgBuf.size() <= (when == Closed::AnsweredBoxUp ? 1u : 0u));
        Queue().ShowOkBox(Answer(5), "next game");
        EXPECT_EQ(AnswerEveryBox(), std::vector<std::string>{"next game"});
        EXPECT_EQ(Answers().size(), 1u);
        EXPECT_TRUE(Queue().m_vMsgBuf.empty());
        EXPECT_EQ(CtrlMgr().m_MsgQueue.GetPendingCount(), 0u);
    }
}

// The tooltip and the floating notices the game left (a notice resting under the mouse too) are
// gone once no window of the game is left; while one is (Orvane: the beast chooser), they stay.
TEST_F(MsgBoxGameCloseTest, TheTooltipAndTheFloatingNoticesGoWhenTheLastGameWindowCloses)
{
    CAutoTip::GetSingleton().Clear();
    CORVToolTip::GetSingleton().Reset();
    std::vector<std::unique_ptr<ScopedSystemWindowRecord>> others;
    for (std::size_t i = 1; i < std::size(kSysWndGameIds); ++i) {
        others.push_back(std::make_unique<ScopedSystemWindowRecord>(kSysWndGameIds[i], ORV_RUNTIME_CLASS(CTestWindow)));
        Route(ORVMsg(kSysWndGameIds[i], kSysWndOpen));
    }
    CORVToolTip::GetSingleton().SetStyle(kToolTipHoverStyle);
    CORVToolTip::GetSingleton().AddText(1, "back", 0);
    CAutoTip& tips = CAutoTip::GetSingleton();
    ShowTipText("entered");
    CtrlMgr().SetHoverControl(&tips);
    for (std::size_t open = 0; open + 1 < std::size(kSysWndGameIds); ++open) {
        Route(ORVMsg(kSysWndGameIds[open], kSysWndClose));
        EXPECT_FALSE(CORVToolTip::GetSingleton().IsEmpty());
        EXPECT_EQ(tips.GetTips().size(), 1u);
    }
    Route(ORVMsg(kSysWndGameIds[std::size(kSysWndGameIds) - 1], kSysWndClose));
    EXPECT_FALSE(MainWnd().IsGameOpen());
    EXPECT_TRUE(CORVToolTip::GetSingleton().IsEmpty());
    EXPECT_EQ(CORVToolTip::GetSingleton().GetStyle().m_dwFrameColour, kToolTipDefaultStyle.m_dwFrameColour);
    EXPECT_TRUE(tips.GetTips().empty());
    EXPECT_FALSE(tips.m_bVisible);
    EXPECT_EQ(CtrlMgr().m_pHover, nullptr);
}

}  // namespace
