// Containers as both builds have them (child order, walks that survive deletions, moves of a
// subtree), compiled into both test programs.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;

class ContainerBothBuildsTest : public BothBuildsTest {};

TEST_F(ContainerBothBuildsTest, FrontChildTakesInputFirstAndIsDrawnLast)
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

TEST_F(ContainerBothBuildsTest, DisabledChildIsDrawnButSkippedInvisibleChildIsNeither)
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

TEST_F(ContainerBothBuildsTest, AddChildPlacesAtFrontOrBackAndIgnoresNull)
{
    CORVControlContainer parent;
    auto* a = new CORVControl();
    auto* b = new CORVControl();
    EXPECT_TRUE(parent.AddChild(nullptr, false));   // ignored
    EXPECT_TRUE(parent.AddChild(a, false));
    EXPECT_TRUE(parent.AddChild(b, true));
    EXPECT_EQ(parent.m_lstChildren, (std::list<CORVControl*>{a, b}));
    EXPECT_TRUE(parent.HasChild(b));
    EXPECT_FALSE(parent.HasChild(nullptr));
}

TEST_F(ContainerBothBuildsTest, DeletionSurvivesDestructorsThatDeleteSiblings)
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

TEST_F(ContainerBothBuildsTest, DeleteChildAndResetClearsTheField)
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

TEST_F(ContainerBothBuildsTest, MovingAContainerMovesItsWholeSubtree)
{
    CORVControlContainer outer;
    outer.CreateAt(nullptr, 0, 0, 300, 300);
    auto* mid = Place(outer, new CORVControlContainer(), 10, 10, 100, 100);
    auto* leaf = Place(*mid, new CORVControl(), 5, 5, 10, 10);
    outer.SetPos(100, 200);
    EXPECT_EQ(leaf->m_nAbsX, 115);
    EXPECT_EQ(leaf->m_nAbsY, 215);
}

// Drawing walks the children in place, without a copy: a child's draw that deletes a sibling,
// itself, every child or the container leaves the walk sound (ASan watches), each live child is
// drawn once, a deleted one no more, and the list holds no gap once the walk is over.
TEST_F(ContainerBothBuildsTest, DrawingWalkSurvivesDrawsThatDeleteControls)
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
TEST_F(ContainerBothBuildsTest, ChildWalkSurvivesHandlersThatDeleteControls)
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
    EXPECT_TRUE(LButtonDown(10, 10));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(outer->HasChild(back));

    // Now front deletes its own parent while the main window walks its children.
    front->m_fnOnLButtonDown = [&] { MainWnd().DeleteChild(outer); };
    const ORVLifeWatch life = outer->Watch();
    EXPECT_TRUE(LButtonDown(10, 10));
    EXPECT_TRUE(life.expired());
}

// A dying container is out of the manager's capture, hover, focus and modal fields before its
// children go: their destructors (and whatever they route) never find the half-destroyed container.
TEST_F(ContainerBothBuildsTest, LeavesTheManagersFieldsBeforeItsChildrenAreDeleted)
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
