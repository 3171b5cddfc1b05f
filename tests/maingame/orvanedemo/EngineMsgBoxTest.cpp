// The message box as OrvaneDemo has it: ShowOkBox asks for two buttons, the check box sits at the
// back of the children, the text is laid out by the renderer, and the queue's error lines reach
// log.txt as well as the debugger output.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "BuildProfile.h"
#include "engine/WriteLog.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "glimmer/GlimmerTest.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;

// The log is a text file (CR LF lines on Windows): read back as text.
std::string ReadLog()
{
    std::ifstream in(kLogFileName);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Box texture 1 of group 1 is 200 x 140, on the 800 x 600 main window at the screen's corner:
// the box sits at (300, 230).
class EngineMsgBoxTest : public BothBuildsTest {
protected:
    EngineMsgBoxTest()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(1, 1, 200, 140);
        glimmer_test::RegisterTexture(2, 9, 64, 24);
        glimmer_test::RegisterTexture(2, 12, 64, 24);
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
    }
    ~EngineMsgBoxTest() override
    {
        CtrlMgr().DestroyWindowTree();
        Queue().m_vMsgBuf.clear();
        Queue().m_pBox = nullptr;
        glimmer_test::Reset();
    }
    static ORVMsgBoxQueue& Queue() { return ORVMsgBoxQueue::GetSingleton(); }
    static CORVMsgBox* Box() { return static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(273)); }
    static void Frame(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            CtrlMgr().RouteDueMessages();
            MainWnd().Render();
        }
    }
};

TEST_F(EngineMsgBoxTest, OkBoxHasTwoButtonsAndItsSecondAnswersTheEmptyCancelMessage)
{
    struct Taker : CORVWindow {
        bool ProcessMessage(ORVMsg* msg) override
        {
            if (msg->m_nId == 0 || msg->m_nId == 0x501) {
                ids.push_back(msg->m_nId);
                senders.push_back(msg->m_pSender);
            }
            return false;
        }
        std::vector<u32> ids;
        std::vector<CORVControl*> senders;
    };
    auto* taker = new Taker();
    MainWnd().AddChild(taker, false);
    taker->CreateAt(&MainWnd(), 0, 0, 800, 600);

    Queue().ShowOkBox(ORVMsg(0x501, 7), "test");
    ASSERT_EQ(Queue().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(Queue().m_vMsgBuf.front().m_nStyle, 0x220u);
    Frame();
    CORVMsgBox* box = Box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->m_nAbsX, 300);
    EXPECT_EQ(box->m_nAbsY, 230);
    ASSERT_NE(box->m_pOkButton, nullptr);
    ASSERT_NE(box->m_pCancelButton, nullptr);
    EXPECT_EQ(box->m_pOkButton->m_nX, 18);
    EXPECT_EQ(box->m_pCancelButton->m_nX, 118);
    EXPECT_EQ(box->m_pOkButton->m_nY, 103);

    glimmer_test::ClearTrace();
    box->OnDraw();
    ASSERT_EQ(glimmer_test::Trace().size(), 1u);
    const glimmer_test::Call& text = glimmer_test::Trace()[0];
    EXPECT_EQ(text.op, "DrawScrollText");
    EXPECT_EQ(text.text, "test");
    EXPECT_EQ(text.ints, (std::vector<long long>{332, 270, 0xFF8D6365, 260, 80, 0, 12, 16, 0, 0}));

    box->m_pCancelButton->OnClick(0);
    Frame(3);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(taker->ids, std::vector<u32>{0});   // the default cancel message: id 0, no sender
    EXPECT_EQ(taker->senders, std::vector<CORVControl*>{nullptr});
}

TEST_F(EngineMsgBoxTest, CheckBoxGoesAtTheBackTickedWithItsCaption)
{
    ORVMsgBoxRequest req;
    req.m_nStyle = 0x224;
    req.m_strText = "steal?";
    req.m_strCheckText = "以后不再显示";
    req.m_bChecked = 1;
    Queue().ShowMsgBox(req);
    Frame();
    CORVMsgBox* box = Box();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->m_pCheck, nullptr);
    EXPECT_EQ(box->m_lstChildren.back(), box->m_pCheck);
    EXPECT_EQ(box->m_pCheck->m_nX, 35);
    EXPECT_EQ(box->m_pCheck->m_nY, 73);
    EXPECT_EQ(box->m_pCheck->m_nWidth, 20);
    EXPECT_EQ(box->m_pCheck->m_strCaption, "以后不再显示");
    EXPECT_TRUE(box->IsChecked());
    box->m_pCheck->OnClick(0);
    EXPECT_FALSE(box->IsChecked());
}

TEST_F(EngineMsgBoxTest, QueueErrorLinesAreAppendedToTheLogFile)
{
    const std::size_t before = ReadLog().size();
    // Not the box the queue holds, and an empty queue: both lines. The pointer is only compared.
    Queue().m_pBox = reinterpret_cast<CORVMsgBox*>(alignof(CORVMsgBox));
    Queue().CloseMsgBox(nullptr);
    const std::string added = ReadLog().substr(before);
    EXPECT_EQ(added, "Error,m_pBox is error when CloseMsgBox!\nError,m_vMsgBuf is empty when CloseMsgBox!\n");
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("Error,m_vMsgBuf is empty when CloseMsgBox!\n"));
}

}  // namespace
