#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ScratchBuffer.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

class CtrlMgrTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        m_pCatcher = Place(MainWnd(), new Catcher(), 0, 0, 800, 600);
    }
    Catcher* m_pCatcher = nullptr;
};

TEST_F(CtrlMgrTest, WindowsMessagesBecomeFrameworkMessages)
{
    struct Case {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        u32 id, p1, p2;
    };
    const LPARAM pos = Pos(300, 200);
    const Case cases[] = {
        {WM_KEYDOWN, 0x12341B, 0, ORV_MSG_KEYDOWN, 0x341B, 0},
        {WM_SYSKEYDOWN, 0x41, 0, ORV_MSG_KEYDOWN, 0x41, 0},
        {WM_KEYUP, 0x41, 0, ORV_MSG_KEYUP, 0x41, 0},
        {WM_SYSKEYUP, 0x41, 0, ORV_MSG_KEYUP, 0x41, 0},
        {WM_CHAR, 0x61, 0, ORV_MSG_CHAR, 0x61, 0},
        {WM_LBUTTONDOWN, 1, pos, ORV_MSG_LBUTTONDOWN, 0x00C8012C, 0},
        {WM_LBUTTONUP, 0, pos, ORV_MSG_LBUTTONUP, 0x00C8012C, 0},
        {WM_LBUTTONDBLCLK, 1, pos, ORV_MSG_LBUTTONDBLCLK, 0x00C8012C, 0},
        {WM_RBUTTONDOWN, 2, pos, ORV_MSG_RBUTTONDOWN, 0x00C8012C, 0},
        {WM_RBUTTONUP, 0, pos, ORV_MSG_RBUTTONUP, 0x00C8012C, 0},
        {WM_RBUTTONDBLCLK, 2, pos, ORV_MSG_RBUTTONDBLCLK, 0x00C8012C, 0},
        {WM_MBUTTONDOWN, 0x10, pos, ORV_MSG_MBUTTONDOWN, 0x00C8012C, 0},
        {WM_MBUTTONUP, 0, pos, ORV_MSG_MBUTTONUP, 0x00C8012C, 0},
        {WM_MOUSEMOVE, 0, pos, ORV_MSG_MOUSEMOVE, 0x00C8012C, 0},
    };
    for (const Case& c : cases) {
        m_pCatcher->m_vMsgs.clear();
        EXPECT_TRUE(SendWindowMessage(c.msg, c.wParam, c.lParam)) << std::hex << c.msg;
        ASSERT_EQ(m_pCatcher->m_vMsgs.size(), 1u) << std::hex << c.msg;
        const ORVMsg& m = m_pCatcher->m_vMsgs[0];
        EXPECT_EQ(m.m_nId, c.id) << std::hex << c.msg;
        EXPECT_EQ(m.m_wParam, c.p1) << std::hex << c.msg;
        EXPECT_EQ(m.m_lParam, c.p2) << std::hex << c.msg;
        EXPECT_TRUE(m.m_strText.empty());
        EXPECT_EQ(m.m_pSender, nullptr);
    }
    m_pCatcher->m_vMsgs.clear();
    EXPECT_FALSE(SendWindowMessage(0x0010, 0, 0));
    EXPECT_TRUE(m_pCatcher->m_vMsgs.empty());
    m_pCatcher->m_bResult = false;
    EXPECT_FALSE(MouseMove(1, 1)) << "the routing result is the call's result";
}

TEST_F(CtrlMgrTest, MouseMoveStoresThePositionAndTellsTheHostAfterRouting)
{
    m_Host.ClearLog();
    MouseMove(300, 200);
    EXPECT_EQ(g_nMouseX, 300u);
    EXPECT_EQ(g_nMouseY, 200u);
    const auto calls = m_Host.Calls("OnMouseMove");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Int(0), Pos(300, 200));
}

TEST_F(CtrlMgrTest, WheelArrivesAtTheLastMousePositionWithItsUnsignedDelta)
{
    MouseMove(300, 200);
    m_pCatcher->m_vMsgs.clear();
    Wheel(120);
    Wheel(-120);
    ASSERT_EQ(m_pCatcher->m_vMsgs.size(), 2u);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_nId, ORV_MSG_MOUSEWHEEL);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_wParam, 0x00C8012Cu);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_lParam, 120u);
    EXPECT_EQ(m_pCatcher->m_vMsgs[1].m_lParam, 65416u);
}

// The handlers take the wheel signed: one notch towards the user is -120.
TEST_F(CtrlMgrTest, WheelHandlersGetASignedDelta)
{
    MainWnd().DeleteChild(m_pCatcher);
    auto* ctrl = Place(MainWnd(), new ProbeControl("c"), 0, 0, 800, 600);
    MouseMove(112 + 5, 84 + 6);
    Wheel(-120);
    Wheel(240);
    EXPECT_TRUE(ctrl->Has("Wheel(5,6,-120)"));
    EXPECT_TRUE(ctrl->Has("Wheel(5,6,240)"));
}

TEST_F(CtrlMgrTest, InputMethodTextBecomesOneCharacterPerByte)
{
    EXPECT_TRUE(ImeText(m_Fake, "\xB2\xBB" "a"));
    ASSERT_EQ(m_pCatcher->m_vMsgs.size(), 3u);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_nId, ORV_MSG_CHAR);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_wParam, 0xFFB2u);
    EXPECT_EQ(m_pCatcher->m_vMsgs[1].m_wParam, 0xFFBBu);
    EXPECT_EQ(m_pCatcher->m_vMsgs[2].m_wParam, 0x61u);

    // The text is read from the input-method context of the window the message came to.
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x5A0));
    EXPECT_TRUE(TranslateWindowMessage(window, WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
    EXPECT_EQ(m_Fake.m_hImeWindow, window);

    // No context, an empty result, or a composition without a result string: nothing.
    m_pCatcher->m_vMsgs.clear();
    m_Fake.m_ImeResult.reset();
    EXPECT_FALSE(SendWindowMessage(WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
    EXPECT_FALSE(ImeText(m_Fake, ""));
    m_Fake.m_ImeResult = "x";
    EXPECT_FALSE(SendWindowMessage(WM_IME_COMPOSITION, 0, 0x8));
    EXPECT_TRUE(m_pCatcher->m_vMsgs.empty());
}

// A handler that reuses the scratch buffer does not change the bytes still to come.
TEST_F(CtrlMgrTest, InputMethodBytesSurviveAHandlerUsingTheScratchBuffer)
{
    MainWnd().DeleteChild(m_pCatcher);
    class Scribbler : public Catcher {
    public:
        bool ProcessMessage(ORVMsg* msg) override
        {
            g_ScratchBuffer[0] = 'Z';
            g_ScratchBuffer[1] = 'Z';
            return Catcher::ProcessMessage(msg);
        }
    };
    auto* s = Place(MainWnd(), new Scribbler(), 0, 0, 800, 600);
    ImeText(m_Fake, "abc");
    ASSERT_EQ(s->m_vMsgs.size(), 3u);
    EXPECT_EQ(s->m_vMsgs[1].m_wParam, static_cast<u32>('b'));
    EXPECT_EQ(s->m_vMsgs[2].m_wParam, static_cast<u32>('c'));

    // A result as long as the whole buffer is read, and not a byte more.
    s->m_vMsgs.clear();
    ImeText(m_Fake, std::string(kScratchBufferSize + 10, 'q'));
    EXPECT_EQ(s->m_vMsgs.size(), kScratchBufferSize);
}

TEST_F(CtrlMgrTest, KeysGoToTheFocusControlOrElseTheTree)
{
    m_pCatcher->m_vMsgs.clear();
    KeyDown('B');
    ASSERT_EQ(m_pCatcher->m_vMsgs.size(), 1u) << "no focus: offered to the tree";
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_wParam, static_cast<u32>('B'));
    auto* ctrl = Place(MainWnd(), new ProbeControl("c"), 0, 0, 50, 50);
    ctrl->m_bEnabled = 0;   // keys are not hit-tested: a disabled front control passes them on
    KeyDown('D');
    EXPECT_EQ(m_pCatcher->m_vMsgs.size(), 2u);
    ctrl->m_bEnabled = 1;
    CtrlMgr().SetFocusControl(ctrl);
    KeyDown('C');
    KeyUp('C');
    Char('c');
    EXPECT_TRUE(ctrl->Has("KeyDown(0,67)"));
    EXPECT_TRUE(ctrl->Has("KeyUp(0,67)"));
    EXPECT_TRUE(ctrl->Has("Char(99)"));
    EXPECT_EQ(m_pCatcher->m_vMsgs.size(), 2u);
}

TEST_F(CtrlMgrTest, CapturedMovesAreClampedToTheHostScreen)
{
    auto* ctrl = Place(MainWnd(), new ProbeControl("c"), 100, 100, 50, 50);   // absolute (212, 184)
    LButtonDown(212 + 1, 184 + 1);
    ASSERT_EQ(CtrlMgr().m_pCapture, ctrl);
    MouseMove(-5, -7);
    MouseMove(2000, 900);
    EXPECT_TRUE(ctrl->Has("Move(-212,-184)"));
    EXPECT_TRUE(ctrl->Has("Move(812,584)"));
}

TEST_F(CtrlMgrTest, CtrlKeyIsReadFromTheKeyState)
{
    EXPECT_EQ(IsCtrlDown(), 0);
    m_Fake.SetKeyDown(VK_CONTROL, true);
    EXPECT_EQ(IsCtrlDown(), 1);
}

}  // namespace
