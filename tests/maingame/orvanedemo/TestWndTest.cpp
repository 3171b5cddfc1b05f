// The developer test window: its children, its button's box and notice, the drop-down list it
// refills on every opening, and the vertical bar's numbers at its top.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/window/ORVTestWnd.h"
#include "glimmer/GlimmerTest.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;

class TestWndTest : public BothBuildsTest {
protected:
    TestWndTest()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(2, 9, 64, 24);
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        while (!CAutoTip::GetSingleton().GetTips().empty()) {
            CAutoTip::GetSingleton().Next();
        }
        m_pWnd = static_cast<CORVTestWnd*>(ORV_RUNTIME_CLASS(CORVTestWnd)->m_pfnCreate());
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), 100, 50, 500, 450);
        m_pWnd->SetPos(100, 50);   // windows centre themselves when created
    }
    ~TestWndTest() override
    {
        CtrlMgr().DestroyWindowTree();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        glimmer_test::Reset();
    }
    static void Frame(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            CtrlMgr().RouteDueMessages();
            MainWnd().Render();
        }
    }

    CORVTestWnd* m_pWnd = nullptr;
};

TEST_F(TestWndTest, BuildsOneOfEachWidgetInPlace)
{
    CORVTestWnd& w = *m_pWnd;
    ASSERT_NE(w.m_pRadio, nullptr);
    ASSERT_NE(w.m_pEdit, nullptr);
    ASSERT_NE(w.m_pVScroll, nullptr);
    ASSERT_NE(w.m_pHScroll, nullptr);
    ASSERT_NE(w.m_pChoice, nullptr);
    ASSERT_NE(w.m_pCheck, nullptr);
    ASSERT_NE(w.m_pTestButton, nullptr);
    EXPECT_EQ(w.m_pRadio->m_vItems.size(), 4u);
    EXPECT_EQ(w.m_pRadio->m_vItems[1]->m_nX, 90);
    EXPECT_EQ(w.m_pRadio->m_vItems[3]->m_wFrame, 10849 + 9);
    EXPECT_EQ(CtrlMgr().m_pFocus, w.m_pEdit);
    EXPECT_EQ(w.m_pEdit->m_nAbsX, 200);
    EXPECT_EQ(w.m_pEdit->m_dwTextColor, 0xFFFF0000u);
    EXPECT_EQ(w.m_pVScroll->m_nRange, 50);
    EXPECT_EQ(w.m_pVScroll->m_nHeight, 100);
    EXPECT_EQ(w.m_pHScroll->m_nWidth, 100);
    EXPECT_EQ(w.m_pChoice->m_nMaxRows, 10);
    EXPECT_EQ(w.m_pCheck->m_nWidth, 40);
    EXPECT_EQ(w.m_pTestButton->m_nX, 60);
    EXPECT_EQ(w.m_pTestButton->m_nWidth, 64);
    // The children in creation order at the back; the button, made last, at the front.
    std::vector<CORVControl*> order(w.m_lstChildren.begin(), w.m_lstChildren.end());
    EXPECT_EQ(order, (std::vector<CORVControl*>{w.m_pTestButton, w.m_pRadio, w.m_pEdit, w.m_pVScroll, w.m_pHScroll,
                                                 w.m_pChoice, w.m_pCheck}));

    glimmer_test::ClearTrace();
    w.OnDraw();
    ASSERT_EQ(glimmer_test::Trace().size(), 1u);
    EXPECT_EQ(glimmer_test::Format(glimmer_test::Trace()[0]), "DrawTextA(140, 50, 4294967040, 12, 0, 0, \"0/50\")");
    w.m_pVScroll->SetPos(7);
    glimmer_test::ClearTrace();
    w.OnDraw();
    EXPECT_EQ(glimmer_test::Trace()[0].text, "7/50");
}

TEST_F(TestWndTest, ButtonQueuesATwoButtonTestBoxAndAWhiteNotice)
{
    LClick(m_pWnd->m_pTestButton->m_nAbsX + 3, m_pWnd->m_pTestButton->m_nAbsY + 3);
    Frame();
    ORVMsgBoxQueue& queue = ORVMsgBoxQueue::GetSingleton();
    ASSERT_EQ(queue.m_vMsgBuf.size(), 1u);
    EXPECT_EQ(queue.m_vMsgBuf.front().m_strText, "test");
    EXPECT_EQ(queue.m_vMsgBuf.front().m_nStyle, 0x220u);
    ASSERT_EQ(CAutoTip::GetSingleton().GetTips().size(), 1u);
    const AutoTipItem& tip = CAutoTip::GetSingleton().GetTips().front();
    EXPECT_GE(tip.m_nFrames, 149);   // 150, counted down once if the notice was drawn in that frame
    ASSERT_EQ(tip.m_vLines.size(), 1u);
    EXPECT_EQ(tip.m_vLines[0].m_strText, "Test");
    EXPECT_EQ(tip.m_vLines[0].m_dwColour, 0xFFFFFFFFu);
}

TEST_F(TestWndTest, EveryOpeningRefillsEighteenNumbersAndARowClickSelects)
{
    CORVChoice* choice = m_pWnd->m_pChoice;
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        LClick(choice->m_nAbsX + 30, choice->m_nAbsY + 5);
        Frame(2);
        ASSERT_TRUE(choice->m_bOpen);
        ASSERT_EQ(choice->m_vItems.size(), 18u);
        EXPECT_EQ(choice->m_vItems[17].m_strText, "18");
        EXPECT_EQ(choice->m_vItems[0].m_dwColour, 0xFFFF0000u);
        EXPECT_EQ(choice->m_vItems[0].m_nAlign, 1u);
        ASSERT_NE(choice->m_pScroll, nullptr);
        EXPECT_EQ(choice->m_pScroll->m_nRange, 8);
        // Row 2 with the bar at 3: item 5, the number "6".
        choice->m_pScroll->SetPos(3);
        const int rowY = choice->m_nAbsY + 22 + 2 * 18 + 5;
        MouseMove(choice->m_nAbsX + 30, rowY);
        LClick(choice->m_nAbsX + 30, rowY);
        Frame(2);
        EXPECT_FALSE(choice->m_bOpen);
        EXPECT_EQ(choice->m_nCurSel, 5);
    }
}

}  // namespace
