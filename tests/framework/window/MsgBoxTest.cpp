// Message boxes and their queue, driven through the recording host and real input: layout and
// drawing, the frame in which each answer is routed and each box opens and closes, modality,
// and the error paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/WidgetTestSupport.h"
#include "framework/window/ORVMsgBox.h"
#include "support/TestHarness.h"

namespace orv::test {
namespace {

constexpr u32 kAnswerId = 0x501;   // answers are routed to the tree, where the record window sees them
constexpr u32 kWhite = 0xFFFFFFFF;

// Box background 340 x 150 on a 1024 x 768 host: the main window sits at (112, 84), the box at
// (230, 225) inside it, (342, 309) on the screen. Buttons are 98 x 30.
class MsgBoxTest : public RecordWindowTest {
protected:
    static constexpr int kBoxX = 342;
    static constexpr int kBoxY = 309;

    void SetUp() override
    {
        LibraryTest::SetUp();
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
        m_Host.SetImageSize(31, 93, 340, 150);
        m_Host.SetImageSize(9, 92, 98, 30);
        m_Host.SetImageSize(12, 92, 98, 30);
        m_Host.SetImageSize(50, 92, 98, 30);
        OpenWithRecordWindow(0, 0, 800, 600);   // covers the whole main window, under any box
    }
    void TearDown() override
    {
        LibraryTest::TearDown();
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
    }

    static ORVMsgBoxQueue& Queue() { return ORVMsgBoxQueue::GetSingleton(); }
    CORVMsgBox* Box() { return static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX)); }

    // The answers (kAnswerId) routed so far: wParam and frame.
    std::vector<std::pair<u32, int>> Answers() const
    {
        std::vector<std::pair<u32, int>> out;
        for (const ArrivedMsg& m : m_pWnd->m_vRouted) {
            if (m.m_nId == kAnswerId) {
                out.emplace_back(m.m_wParam, m.m_nFrame);
            }
        }
        return out;
    }

    static ORVMsg Answer(u32 n) { return ORVMsg(kAnswerId, n); }

};

TEST_F(MsgBoxTest, TwoButtonLayoutAndDrawing)
{
    static u16 s_wStep;
    static CORVControl* s_pTarget;
    s_wStep = 0;
    s_pTarget = nullptr;
    g_GameHooks.pfnNewBieSetStepTarget = [](u16 step, CORVControl* target) {
        s_wStep = step;
        s_pTarget = target;
    };

    Queue().ShowOkCancelBox(Answer(1), Answer(2), "Hello");
    Frame();
    CORVMsgBox* box = Box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->m_nX, 230);
    EXPECT_EQ(box->m_nY, 225);
    EXPECT_EQ(box->m_nWidth, 340);
    EXPECT_EQ(box->m_nHeight, 150);
    ASSERT_NE(box->m_pOkButton, nullptr);
    ASSERT_NE(box->m_pCancelButton, nullptr);
    EXPECT_EQ(box->m_pOkButton->m_nX, 36);
    EXPECT_EQ(box->m_pCancelButton->m_nX, 206);
    EXPECT_EQ(box->m_pOkButton->m_nY, 110);
    EXPECT_EQ(box->m_pCheck, nullptr);
    EXPECT_EQ(box->m_pCloseButton, nullptr);
    EXPECT_EQ(s_wStep, 10);
    EXPECT_EQ(s_pTarget, box->m_pOkButton);

    // Background, text, then the buttons.
    const int textIndex = m_Host.IndexOfText("Hello");
    ASSERT_GE(textIndex, 0);
    const HostCall& text = m_Host.m_vCalls[textIndex];
    EXPECT_EQ(text.m_vInts, (std::vector<long long>{kBoxX + 20, kBoxY + 20, kWhite, 0, 0, 0, 0, 1, 0}));
    const HostCall* back = m_Host.FindImage(31, 93);
    const HostCall* ok = m_Host.FindImage(9, 92);
    const HostCall* cancel = m_Host.FindImage(12, 92);
    ASSERT_TRUE(back && ok && cancel);
    EXPECT_EQ(back->m_vInts, (std::vector<long long>{kBoxX, kBoxY, 31, 93, kWhite, 0, 0}));
    EXPECT_EQ(ok->m_vInts, (std::vector<long long>{kBoxX + 36, kBoxY + 110, 9, 92, kWhite, 0, 0}));
    EXPECT_EQ(cancel->m_vInts, (std::vector<long long>{kBoxX + 206, kBoxY + 110, 12, 92, kWhite, 0, 0}));
    EXPECT_LT(m_Host.FirstIndex("DrawImage"), textIndex);
    EXPECT_LT(textIndex, m_Host.LastIndex("DrawImage"));
}

TEST_F(MsgBoxTest, OneButtonIsCentredAndOwnFramesAreUsed)
{
    static bool s_bTargetSet;
    s_bTargetSet = false;
    g_GameHooks.pfnNewBieSetStepTarget = [](u16, CORVControl*) { s_bTargetSet = true; };
    ORVMsgBoxRequest req;
    req.m_nStyle = kMsgBoxStyleBase;
    req.m_OkMsg = Answer(1);
    req.m_wOkFrame = 50;
    req.m_strText = "Notice";
    Queue().ShowMsgBox(req);
    Frame();
    ASSERT_NE(Box(), nullptr);
    ASSERT_NE(Box()->m_pOkButton, nullptr);
    EXPECT_EQ(Box()->m_pCancelButton, nullptr);
    EXPECT_EQ(Box()->m_pOkButton->m_nX, 121);
    EXPECT_EQ(Box()->m_pOkButton->m_wFrame, 50);
    EXPECT_FALSE(s_bTargetSet);
    EXPECT_FALSE(Box()->IsChecked());
}

TEST_F(MsgBoxTest, LongTextIsWrappedToTheBoxWidth)
{
    const std::string text(60, 'a');   // font 1: 290 px hold 48 bytes
    Queue().ShowOkBox(Answer(1), text);
    Frame();
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Box()->m_Text.m_vLines, (std::vector<std::string>{std::string(48, 'a'), std::string(12, 'a')}));
    EXPECT_NE(m_Host.FindText(std::string(12, 'a')), nullptr);
    EXPECT_EQ(m_Host.FindText(std::string(12, 'a'))->Int(1), kBoxY + 20 + 14);
}

TEST_F(MsgBoxTest, CheckBoxStateIsReadableWhileTheAnswerIsHandled)
{
    struct Case {
        const char* m_pszName;
        u8 m_bInitial;
        int m_nToggles;
        bool m_bExpected;
    };
    const Case cases[] = {{"ticked by the player", 0, 1, true},
                          {"ticked from the start", 1, 0, true},
                          {"unticked by the player", 1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        ORVMsgBoxRequest req;
        req.m_nStyle = 0x224;
        req.m_OkMsg = Answer(1);
        req.m_strText = "Pay?";
        req.m_strCheckText = "不再提示我";
        req.m_bChecked = c.m_bInitial;
        Queue().ShowMsgBox(req);

        std::vector<bool> seen;
        m_pWnd->m_fnOnRouted = [&](const ORVMsg& msg) {
            if (msg.m_nId == kAnswerId) {
                ASSERT_NE(Queue().m_pBox, nullptr);
                seen.push_back(Queue().m_pBox->IsChecked());
            }
        };
        Frame();
        CORVMsgBox* box = Box();
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->m_pCheck, nullptr);
        EXPECT_EQ(box->m_pCheck->m_nX, 35);
        EXPECT_EQ(box->m_pCheck->m_nY, 80);
        EXPECT_EQ(box->m_pCheck->m_strCaption, "不再提示我");
        EXPECT_EQ(box->m_pCheck->m_nLatch, c.m_bInitial);
        EXPECT_EQ(box->m_lstChildren.front(), box->m_pCheck);
        const HostCall* image = m_Host.FindImage(18 + 3 * c.m_bInitial, 92);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Int(0), kBoxX + 35);
        EXPECT_EQ(image->Int(1), kBoxY + 80);
        const HostCall* caption = m_Host.FindText("不再提示我");
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->Int(0), kBoxX + 35 + 20);

        for (int i = 0; i < c.m_nToggles; ++i) {
            ClickOn(box->m_pCheck);
        }
        ClickOn(box->m_pOkButton);
        Frame(3);
        EXPECT_EQ(seen, std::vector<bool>{c.m_bExpected});
        EXPECT_EQ(Box(), nullptr);
        m_pWnd->m_fnOnRouted = nullptr;
        m_pWnd->m_vRouted.clear();
        m_Host.ClearLog();
    }
}

TEST_F(MsgBoxTest, CancelPostsTheCancelMessageAndAnEmptyAnswerIsOfferedToTheTree)
{
    Queue().ShowOkCancelBox(ORVMsg(), Answer(2), "Sure?");
    Queue().ShowOkBox(ORVMsg(), "Done");
    Frame();
    ClickOn(Box()->m_pCancelButton);
    Frame(3);   // handled in 2, answer in 3, close in 4
    EXPECT_EQ(Answers(), (std::vector<std::pair<u32, int>>{{2, 3}}));
    Frame();    // 5: the second box
    ASSERT_NE(Box(), nullptr);
    ClickOn(Box()->m_pOkButton);
    Frame(2);
    int emptyAnswers = 0;
    for (const ArrivedMsg& m : m_pWnd->m_vRouted) {
        if (m.m_nId == 0 && m.m_nFrame == 7) {
            ++emptyAnswers;
        }
    }
    EXPECT_EQ(emptyAnswers, 1);
}

TEST_F(MsgBoxTest, ClicksOutsideTheBoxReachNothingUnderneath)
{
    CORVButton* under = nullptr;
    m_pWnd->CreateButton(10, 10, &under, 9, true, true, "");
    const int x = under->m_nAbsX + 3;
    const int y = under->m_nAbsY + 3;
    Queue().ShowOkBox(Answer(1), "Wait");
    Frame();
    ASSERT_NE(Box(), nullptr);
    LClick(x, y);
    RClick(x, y);
    Frame(2);
    EXPECT_TRUE(m_pWnd->m_vPosted.empty());

    ClickOn(Box()->m_pOkButton);
    Frame(3);
    ASSERT_EQ(Box(), nullptr);
    LClick(x, y);   // with the box gone the same click works
    Frame();
    ASSERT_EQ(m_pWnd->m_vPosted.size(), 1u);
    EXPECT_EQ(m_pWnd->m_vPosted[0].m_pSender, under);
}

TEST_F(MsgBoxTest, DraggingKeepsTheBoxInsideTheMainWindow)
{
    Queue().ShowOkBox(Answer(1), "Drag me");
    Frame();
    CORVMsgBox* box = Box();
    ASSERT_NE(box, nullptr);
    LButtonDown(kBoxX + 5, kBoxY + 5);   // free area of the box
    MouseMove(kBoxX + 105, kBoxY + 15);
    EXPECT_EQ(box->m_nX, 330);
    EXPECT_EQ(box->m_nY, 235);
    MouseMove(kBoxX + 3000, kBoxY + 3000);   // clamped to the host screen first, then to the window
    EXPECT_EQ(box->m_nX, 800 - 340);
    EXPECT_EQ(box->m_nY, 600 - 150);
    EXPECT_EQ(box->m_pOkButton->m_nAbsX, 112 + 460 + 121);
    MouseMove(0, 0);
    EXPECT_EQ(box->m_nX, 0);
    EXPECT_EQ(box->m_nY, 0);
    LButtonUp(0, 0);
}

TEST_F(MsgBoxTest, BoxWithoutRequestShowsOnlyItsBackgroundAndReportsOnClose)
{
    Route(ORVMsg(ORV_MSG_MSGBOX, kSysWndOpen));
    ASSERT_NE(Box(), nullptr);
    EXPECT_TRUE(Box()->m_lstChildren.empty());
    m_Host.ClearLog();
    Frame();
    int boxDrawing = 0;
    for (const HostCall& c : m_Host.m_vCalls) {
        if (c.m_strName == "DrawText" || (c.m_strName == "DrawImage" && c.Int(3) == 92)) {
            ++boxDrawing;
        }
    }
    EXPECT_EQ(boxDrawing, 0);
    EXPECT_NE(m_Host.FindImage(31, 93), nullptr);

    Route(ORVMsg(ORV_MSG_MSGBOX, kSysWndClose));
    EXPECT_EQ(Box(), nullptr);
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Error,m_vMsgBuf is empty when CloseMsgBox!\n"));
}

TEST_F(MsgBoxTest, TipTextIsAFloatingNoticeNotABox)
{
    ShowTipText("Not enough wood");
    Frame();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_TRUE(Queue().m_vMsgBuf.empty());
    const HostCall* tip = m_Host.FindText("Not enough wood");
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(static_cast<u32>(tip->Int(2)), kWhite);
}

}  // namespace
}  // namespace orv::test
