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

TEST_F(ContainerTest, FrontChildTakesInputFirstAndIsDrawnLast)
{
    ProbeContainer parent("parent");
    parent.CreateAt(nullptr, 0, 0, 200, 200);
    auto* a = Place(parent, new ProbeControl("A"), 0, 0, 100, 100);
    auto* b = Place(parent, new ProbeControl("B"), 50, 50, 100, 100);   // front
    ORVMsg down(ORV_MSG_LBUTTONDOWN, PackPos(60, 60));
    EXPECT_EQ(parent.DispatchToChildren(&down), b);
    ProbeLog().clear();
    parent.RenderChildren();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"A:Draw", "B:Draw"}));

    parent.BringToFront(a);
    EXPECT_EQ(parent.DispatchToChildren(&down), a);
    ProbeLog().clear();
    parent.RenderChildren();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B:Draw", "A:Draw"}));
    parent.BringToFront(nullptr);   // absent: nothing
    EXPECT_EQ(parent.m_lstChildren.front(), a);
}

TEST_F(ContainerTest, DisabledChildIsDrawnButSkippedInvisibleChildIsNeither)
{
    ProbeContainer parent("parent");
    parent.CreateAt(nullptr, 0, 0, 200, 200);
    auto* back = Place(parent, new ProbeControl("back"), 0, 0, 100, 100);
    auto* front = Place(parent, new ProbeControl("front"), 0, 0, 100, 100);
    ORVMsg down(ORV_MSG_LBUTTONDOWN, PackPos(10, 10));

    front->m_bEnabled = 0;
    EXPECT_EQ(parent.DispatchToChildren(&down), back);
    ProbeLog().clear();
    parent.RenderChildren();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"back:Draw", "front:Draw"}));

    front->m_bEnabled = 1;
    front->m_bVisible = 0;
    EXPECT_EQ(parent.DispatchToChildren(&down), back);
    ProbeLog().clear();
    parent.RenderChildren();
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"back:Draw"}));
}

TEST_F(ContainerTest, AddChildPlacesAtFrontOrBackAndIgnoresNull)
{
    CORVControlContainer parent;
    auto* a = new CORVControl();
    auto* b = new CORVControl();
    EXPECT_FALSE(parent.AddChild(nullptr, false));
    EXPECT_TRUE(parent.AddChild(a, false));
    EXPECT_TRUE(parent.AddChild(b, true));
    EXPECT_EQ(parent.m_lstChildren, (std::list<CORVControl*>{a, b}));
    EXPECT_TRUE(parent.HasChild(b));
    EXPECT_FALSE(parent.HasChild(nullptr));
}

TEST_F(ContainerTest, DeletionSurvivesDestructorsThatDeleteSiblings)
{
    auto* parent = new CORVControlContainer();
    auto* a = new ProbeControl("A");
    auto* b = new ProbeControl("B");
    parent->AddChild(b, false);
    parent->AddChild(a, false);   // front: deleted first, and deletes B on its way
    a->m_fnOnDestroy = [parent, b] { parent->DeleteChild(b); };
    CORVControl stranger;
    parent->DeleteChild(&stranger);   // not a child: nothing
    parent->DeleteChild(nullptr);
    EXPECT_EQ(parent->m_lstChildren.size(), 2u);
    delete parent;   // ASan reports any touch of a freed child
}

TEST_F(ContainerTest, DeleteChildAndResetClearsTheField)
{
    CORVControlContainer parent;
    CORVButton* button = nullptr;
    parent.CreateButton(1, 2, &button, 0, true, true, "");
    ASSERT_NE(button, nullptr);
    parent.DeleteChildAndReset(button);
    EXPECT_EQ(button, nullptr);
    EXPECT_TRUE(parent.m_lstChildren.empty());
    CORVControl* none = nullptr;
    parent.DeleteChildAndReset(none);
}

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

TEST_F(ContainerTest, MovingAContainerMovesItsWholeSubtree)
{
    CORVControlContainer outer;
    outer.CreateAt(nullptr, 0, 0, 300, 300);
    auto* mid = Place(outer, new CORVControlContainer(), 10, 10, 100, 100);
    auto* leaf = Place(*mid, new CORVControl(), 5, 5, 10, 10);
    outer.SetPos(100, 200);
    EXPECT_EQ(leaf->m_nAbsX, 115);
    EXPECT_EQ(leaf->m_nAbsY, 215);
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

// Drawing walks the children in place, without a copy: a child's draw that deletes a sibling,
// itself, every child or the container leaves the walk sound (ASan watches), each live child is
// drawn once, a deleted one no more, and the list holds no gap once the walk is over.
TEST_F(ContainerTest, DrawingWalkSurvivesDrawsThatDeleteControls)
{
    struct Case {
        const char* name;
        std::vector<std::string> drawn;
        std::vector<std::string> left;   // front to back
    };
    const Case cases[] = {
        {"sibling", {"A:Draw", "B:Draw", "D:Draw"}, {"D", "B", "A"}},
        {"itself", {"A:Draw", "B:Draw", "C:Draw", "D:Draw"}, {"D", "C", "A"}},
        {"all", {"A:Draw", "B:Draw"}, {}},
        {"container", {"A:Draw", "B:Draw"}, {}},
    };
    for (const Case& c : cases) {
        auto* parent = new ProbeContainer("parent");
        parent->CreateAt(nullptr, 0, 0, 100, 100);
        auto* a = Place(*parent, new ProbeControl("A"), 0, 0, 10, 10);
        auto* b = Place(*parent, new ProbeControl("B"), 0, 0, 10, 10);
        auto* cc = Place(*parent, new ProbeControl("C"), 0, 0, 10, 10);
        Place(*parent, new ProbeControl("D"), 0, 0, 10, 10);
        const std::string what = c.name;
        b->m_fnOnDraw = [&, parent, b, cc] {
            if (what == "sibling") {
                parent->DeleteChild(cc);
            } else if (what == "itself") {
                parent->DeleteChild(b);
            } else if (what == "all") {
                parent->DeleteAllChildren();
            } else {
                delete parent;
            }
        };
        const ORVLifeWatch life = parent->Watch();
        ProbeLog().clear();
        parent->Render();
        std::vector<std::string> drawn;
        for (const std::string& e : ProbeLog()) {
            if (e.find(":Draw") != std::string::npos && e.rfind("parent", 0) != 0) {
                drawn.push_back(e);
            }
        }
        EXPECT_EQ(drawn, c.drawn) << c.name;
        if (life.expired()) {
            EXPECT_EQ(what, "container");
            continue;
        }
        std::vector<std::string> left;
        for (CORVControl* child : parent->m_lstChildren) {
            left.push_back(child != nullptr ? ProbeControl::NameOf(child) : "(gap)");
        }
        EXPECT_EQ(left, c.left) << c.name;
        (void)a;
        delete parent;
    }
}

// A handler that deletes the container whose children are being walked, or a sibling still to be
// offered the message: the walk stops or skips, and nothing freed is touched (ASan).
TEST_F(ContainerTest, ChildWalkSurvivesHandlersThatDeleteControls)
{
    auto* outer = Place(MainWnd(), new ProbeContainer("outer"), 0, 0, 400, 400);
    auto* back = Place(*outer, new ProbeControl("back"), 0, 0, 100, 100);
    auto* front = Place(*outer, new ProbeControl("front"), 0, 0, 100, 100);
    int calls = 0;
    front->m_fnOnLButtonDown = [&] {
        ++calls;
        outer->DeleteChild(back);
    };
    // Left down on front deletes back; the walk ends at front, which took it.
    EXPECT_TRUE(LButtonDown(112 + 10, 84 + 10));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(outer->HasChild(back));

    // Now front deletes its own parent while the main window walks its children.
    front->m_fnOnLButtonDown = [&] { MainWnd().DeleteChild(outer); };
    const ORVLifeWatch life = outer->Watch();
    EXPECT_TRUE(LButtonDown(112 + 10, 84 + 10));
    EXPECT_TRUE(life.expired());
}

}  // namespace

namespace {

using namespace orv::test;

// A dying container is out of the manager's capture, hover, focus and modal fields before its
// children go: their destructors (and whatever they route) never find the half-destroyed container.
TEST_F(ContainerTest, LeavesTheManagersFieldsBeforeItsChildrenAreDeleted)
{
    auto* parent = new ProbeContainer("parent");
    parent->m_bModal = 1;
    parent->CreateAt(nullptr, 0, 0, 100, 100);
    auto* child = Place(*parent, new ProbeControl("child"), 0, 0, 10, 10);
    CtrlMgr().m_pCapture = parent;
    CtrlMgr().m_pHover = parent;
    CtrlMgr().m_pFocus = parent;
    ASSERT_EQ(CtrlMgr().m_vModal.size(), 1u);
    std::vector<std::string> stillHeld;
    const CORVControl* dying = parent;
    child->m_fnOnDestroy = [&] {
        CORVCtrlMgr& mgr = CtrlMgr();
        if (mgr.m_pCapture == dying) stillHeld.push_back("capture");
        if (mgr.m_pHover == dying) stillHeld.push_back("hover");
        if (mgr.m_pFocus == dying) stillHeld.push_back("focus");
        if (!mgr.m_vModal.empty()) stillHeld.push_back("modal");
    };
    delete parent;
    EXPECT_EQ(stillHeld, std::vector<std::string>{});
}

}  // namespace
