#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace {

using namespace orv::test;

class ContainerTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();   // main window at (112, 84)
    }
};

TEST_F(ContainerTest, CreateButtonMakesOneTopmostButtonSizedToItsImage)
{
    m_Host.SetImageSize(3, 92, 21, 19);
    CORVControlContainer parent;
    parent.CreateAt(nullptr, 10, 10, 100, 100);
    CORVButton* button = nullptr;
    parent.CreateButton(65, 4, &button, 3, false, false, "tip");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(parent.m_lstChildren.front(), button);
    EXPECT_EQ(button->m_pParent, &parent);
    EXPECT_EQ(button->m_nAbsX, 75);
    EXPECT_EQ(button->m_nWidth, 21);
    EXPECT_EQ(button->m_nHeight, 19);
    EXPECT_EQ(button->m_strToolTip, "tip");
    EXPECT_FALSE(button->m_bVisible);
    EXPECT_FALSE(button->m_bEnabled);
    CORVButton* before = button;
    parent.CreateButton(0, 0, &button, 3, true, true, "");
    EXPECT_EQ(button, before);
    EXPECT_EQ(parent.m_lstChildren.size(), 1u);

    CORVControl* field = button;
    parent.SetChildState(&field, true, true);
    EXPECT_TRUE(button->m_bVisible && button->m_bEnabled);
    CORVControl* none = nullptr;
    parent.SetChildState(&none, true, true);
}

// MoveWithin(x, y, grabX, grabY) moves by (x - grabX, y - grabY) and keeps the window inside its
// parent, or inside the host screen when the parent is the main window.
TEST_F(ContainerTest, MovedWindowStaysWithinItsBounds)
{
    struct Case {
        const char* name;
        int parentW, parentH;   // 0: the window's parent is the main window (bounds = host screen)
        int x, y, w, h;
        int dx, dy;
        int endX, endY;
    };
    const Case cases[] = {
        {"inside a 400x300 parent, far right", 400, 300, 10, 10, 100, 50, 1000, 0, 300, 10},
        {"inside a 400x300 parent, far left and up", 400, 300, 10, 10, 100, 50, -1000, -1000, 0, 0},
        {"inside a 400x300 parent, a small step", 400, 300, 10, 10, 100, 50, 7, 9, 17, 19},
        {"wider than its parent ends at a negative x", 400, 300, 10, 10, 500, 50, 5, 0, -100, 10},
        {"under the main window: the host screen", 0, 0, 10, 10, 100, 50, 2000, 2000, 924, 718},
    };
    for (const Case& c : cases) {
        CORVControlContainer* bound = &MainWnd();
        if (c.parentW > 0) {
            bound = Place(MainWnd(), new ProbeContainer("parent"), 0, 0, c.parentW, c.parentH);
        }
        auto* wnd = Place(*bound, new ProbeWindow("wnd"), c.x, c.y, c.w, c.h);
        wnd->MoveWithin(3 + c.dx, 4 + c.dy, 3, 4);
        EXPECT_EQ(wnd->m_nX, c.endX) << c.name;
        EXPECT_EQ(wnd->m_nY, c.endY) << c.name;
        MainWnd().DeleteAllChildren();
    }
}

// Dragged by the mouse: the window follows the movement from its grab point; the mouse itself
// cannot leave the host screen.
TEST_F(ContainerTest, WindowFollowsTheMouseWhileDragged)
{
    auto* wnd = Place(MainWnd(), new ProbeWindow("wnd"), 10, 10, 100, 50);
    LButtonDown(112 + 12, 84 + 12);
    ASSERT_EQ(CtrlMgr().m_pCapture, wnd);
    MouseMove(112 + 52, 84 + 42);
    EXPECT_EQ(wnd->m_nX, 50);
    EXPECT_EQ(wnd->m_nY, 40);
    MouseMove(5000, 5000);   // clamped to (1024, 768): window corner at (1022, 766) on screen
    EXPECT_EQ(wnd->m_nAbsX, 1022);
    EXPECT_EQ(wnd->m_nAbsY, 766);
    LButtonUp(0, 0);
    wnd->m_bDraggable = 0;   // not draggable: a held button moves nothing
    LButtonDown(wnd->m_nAbsX + 1, wnd->m_nAbsY + 1);
    const int x = wnd->m_nX;
    MouseMove(10, 10);
    EXPECT_EQ(wnd->m_nX, x);
}

TEST_F(ContainerTest, DragOnAContainerThatMovesItsParentMovesTheParent)
{
    auto* wnd = Place(MainWnd(), new ProbeWindow("wnd"), 100, 100, 200, 200);
    auto* bar = Place(*wnd, new ProbeWindow("bar"), 0, 0, 200, 20);
    bar->SetDragMovesParent(true);
    EXPECT_TRUE(bar->GetDragMovesParent());
    LButtonDown(112 + 110, 84 + 105);
    ASSERT_EQ(CtrlMgr().m_pCapture, bar);
    MouseMove(112 + 140, 84 + 125);
    EXPECT_EQ(wnd->m_nX, 130);
    EXPECT_EQ(wnd->m_nY, 120);
    EXPECT_EQ(bar->m_nX, 0);
}

class WindowTest : public ContainerTest {};

TEST_F(WindowTest, RenderDrawsBackgroundTitleThenHandlesMessagesThenDrawsItselfChildrenOverlay)
{
    auto* wnd = Place(MainWnd(), new ProbeWindow("wnd"), 10, 20, 300, 200);
    wnd->m_wBackFrame = 31;
    wnd->SetTitle("T", 5, 6, 0xFF00FF00, 2);
    Place(*wnd, new ProbeControl("child"), 0, 0, 10, 10);
    wnd->m_MsgQueue.PostMessage(ORVMsg(77, 0), 1);
    m_Host.ClearLog();
    ProbeLog().clear();
    wnd->m_fnOnMessage = [&](ORVMsg*) { m_Host.Log("marker:message"); };
    wnd->m_fnOnDraw = [&] { m_Host.Log("marker:draw"); };
    wnd->Render();
    ASSERT_GE(m_Host.m_vCalls.size(), 4u) << m_Host.Dump();
    EXPECT_EQ(m_Host.m_vCalls[0].m_strName, "DrawImage");
    EXPECT_EQ(m_Host.m_vCalls[0].m_vInts, (std::vector<long long>{122, 104, 31, 93, 0xFFFFFFFF, 0, 0}));
    EXPECT_EQ(m_Host.m_vCalls[1].m_strName, "DrawText");
    EXPECT_EQ(m_Host.m_vCalls[1].m_vInts, (std::vector<long long>{127, 110, 0xFF00FF00, 0, 0, 0, 1, 2, 0}));
    EXPECT_EQ(m_Host.m_vCalls[2].m_strName, "marker:message");
    EXPECT_EQ(m_Host.m_vCalls[3].m_strName, "marker:draw");
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"wnd:Msg(77)", "wnd:Draw", "child:Draw", "wnd:Overlay"}));
}

TEST_F(WindowTest, NullTitleTextClearsTheTitle)
{
    CORVWindow wnd;
    wnd.SetTitleText("old", 1, 2, 3, 4);
    EXPECT_EQ(wnd.m_strTitle, "old");
    wnd.SetTitleText(nullptr, 5, 6, 7, 8);
    EXPECT_TRUE(wnd.m_strTitle.empty());
    EXPECT_EQ(wnd.m_nTitleX, 5);
    EXPECT_EQ(wnd.m_nTitleFlag, 8);
    m_Host.ClearLog();
    wnd.DrawTitle();
    EXPECT_EQ(m_Host.Count("DrawText"), 0);
}

// The close button: the click reaches the window in the next frame, the close request its parent
// in the frame after, and the parent removes the window then.
TEST_F(WindowTest, CloseButtonRemovesTheWindowTwoFramesAfterTheClick)
{
    m_Host.SetImageSize(3, 92, 20, 20);
    auto* parent = Place(MainWnd(), new ProbeWindow("parent"), 0, 0, 600, 400);
    auto* wnd = Place(*parent, new ProbeWindow("wnd"), 100, 100, 300, 200);
    parent->m_fnOnMessage = [&](ORVMsg* msg) {
        if (msg->m_nId == kNotifyClose) {
            parent->DeleteChild(msg->m_pSender);
        }
    };
    wnd->CreateCloseButton();
    ASSERT_NE(wnd->m_pCloseButton, nullptr);
    EXPECT_EQ(wnd->m_pCloseButton->m_nX, 300 - 35);
    EXPECT_EQ(wnd->m_pCloseButton->m_nY, 4);
    const ORVLifeWatch life = wnd->Watch();
    LClick(wnd->m_pCloseButton->m_nAbsX + 1, wnd->m_pCloseButton->m_nAbsY + 1);
    parent->Render();   // frame 1: the window handles the click and asks to close
    EXPECT_FALSE(life.expired());
    parent->Render();   // frame 2: the parent removes it
    EXPECT_TRUE(life.expired());
    EXPECT_TRUE(parent->m_lstChildren.empty());
}

TEST_F(WindowTest, CloseWithoutAParentPostsNothing)
{
    ProbeWindow wnd("w");
    wnd.Close();
    EXPECT_EQ(wnd.m_MsgQueue.GetPendingCount(), 0u);
}

TEST_F(WindowTest, CreateChildMakesATopmostChildFromARecordAndHandsItsArguments)
{
    auto* wnd = Place(MainWnd(), new ProbeWindow("wnd"), 10, 10, 300, 200);
    Place(*wnd, new ProbeControl("old"), 0, 0, 10, 10);
    CORVControl* sub = wnd->CreateChild(ORV_RUNTIME_CLASS(CTestWindow), 42, "text");
    ASSERT_NE(sub, nullptr);
    auto* test = static_cast<CTestWindow*>(sub);
    EXPECT_EQ(wnd->m_lstChildren.front(), sub);
    EXPECT_EQ(test->m_nArg, 42);
    EXPECT_EQ(test->m_strArg, "text");
    EXPECT_TRUE(test->m_bCreated);
    EXPECT_EQ(sub->m_pParent, wnd);
    EXPECT_EQ(sub->m_nDepth, wnd->m_nDepth + 1);

    CORVControl* at = wnd->CreateChildAt(ORV_RUNTIME_CLASS(CTestWindow), 20, 48, 456, 188, 0, "");
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->m_nAbsX, wnd->m_nAbsX + 20);
    EXPECT_EQ(at->m_nWidth, 456);

    // No record, a failing factory, or a class that is not a control: null, nothing added.
    static RuntimeClassRecord failing = {"Failing", &CORVWindow::classCORVWindow, nullptr, 0,
                                         +[]() -> CORVCtrlBaseTag* { return nullptr; }, "Failing", 1};
    const std::size_t before = wnd->m_lstChildren.size();
    EXPECT_EQ(wnd->CreateChild(nullptr, 0, ""), nullptr);
    EXPECT_EQ(wnd->CreateChild(&failing, 0, ""), nullptr);
    EXPECT_EQ(wnd->CreateChild(ORV_RUNTIME_CLASS(CORVCtrlBaseTag), 0, ""), nullptr);
    EXPECT_EQ(wnd->m_lstChildren.size(), before);
}

}  // namespace

