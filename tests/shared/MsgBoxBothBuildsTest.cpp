// The message-box queue as both builds have it, compiled into both test programs: one box at a
// time in order, the frame of each answer and each close, one answer per box, and the error paths.
// A button's click is its own click notification (OnClick), as a real click ends.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "BuildProfile.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "shared/BothBuildsFixture.h"

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

}  // namespace
