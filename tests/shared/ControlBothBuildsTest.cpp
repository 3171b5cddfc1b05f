// Controls and the control manager's routing as both builds have them, compiled into both test
// programs: each expects the notification ids and defaults of the profile it is built with. A
// control that must take the focus says so (the engine-drawn build's controls refuse it by default).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "shared/BothBuildsFixture.h"

namespace {

using namespace orv::test;

class ControlBothBuildsTest : public BothBuildsTest {};

class RoutingBothBuildsTest : public BothBuildsTest {
protected:
    RoutingBothBuildsTest() { m_pCatcher = Place(MainWnd(), new Catcher(), 0, 0, kMainWndWidth, kMainWndHeight); }
    Catcher* m_pCatcher = nullptr;
};

class CreateOrderControl : public CORVControl {
public:
    void OnCreate() override
    {
        m_nSeenX = m_nAbsX;
        m_nSeenW = m_nWidth;
    }
    int m_nSeenX = -1;
    int m_nSeenW = -1;
};


TEST_F(ControlBothBuildsTest, DisabledControlTakesNothingAndTheSiblingBehindGetsIt)
{
    auto* back = Place(MainWnd(), new ProbeControl("back"), 0, 0, 100, 100);
    auto* front = Place(MainWnd(), new ProbeControl("front"), 0, 0, 100, 100);
    front->m_bEnabled = 0;
    ORVMsg key(ORV_MSG_KEYDOWN, 65);
    EXPECT_FALSE(front->ProcessMessage(&key));
    EXPECT_TRUE(LButtonDown(10, 10));
    EXPECT_TRUE(back->Has("LDown(10,10)"));
    EXPECT_TRUE(front->m_vEvents.empty());
}

TEST_F(ControlBothBuildsTest, ChildrenFirstAndTheParentMaySwallowTheChildsLeftButton)
{
    auto* panel = Place(MainWnd(), new ProbeContainer("panel"), 10, 10, 200, 200);
    auto* child = Place(*panel, new ProbeControl("child"), 20, 20, 50, 50);
    EXPECT_TRUE(LButtonDown(40, 40));
    EXPECT_TRUE(panel->Has("ChildButton(0,child)"));
    EXPECT_TRUE(child->Has("LDown(10,10)"));
    EXPECT_FALSE(panel->Has("LDown(30,30)"));

    panel->m_bChildButtonResult = true;
    child->m_vEvents.clear();
    EXPECT_TRUE(LButtonUp(40, 40));
    EXPECT_TRUE(panel->Has("ChildButton(1,child)"));
    EXPECT_TRUE(child->m_vEvents.empty()) << "swallowed by the parent";
}

// Each input and the notification it leaves in the parent's queue (none: -1).
TEST_F(ControlBothBuildsTest, InputsPostTheirNotificationsToTheParentForTheNextFrame)
{
    struct Case {
        const char* name;
        bool (*send)(int, int);
        int notification;
    };
    const Case cases[] = {
        {"left click", &LClick, static_cast<int>(kNotifyLeftClick)},
        {"right click", &RClick, static_cast<int>(kNotifyRightClick)},
        {"right up alone", &RButtonUp, static_cast<int>(kNotifyRightClick)},
        {"left double click", &LDblClk, kPostsDoubleClicks ? static_cast<int>(kNotifyLeftDblClk) : -1},
        {"right double click", &RDblClk, kPostsDoubleClicks ? static_cast<int>(kNotifyRightDblClk) : -1},
        {"left down alone", &LButtonDown, -1},
        {"middle down", &MButtonDown, -1},
    };
    for (const Case& c : cases) {
        auto* parent = Place(MainWnd(), new ProbeWindow("parent"), 0, 0, 300, 300);
        parent->m_bDraggable = 0;
        parent->SetPos(0, 0);   // where a build centres its windows on creation
        auto* ctrl = Place(*parent, new ProbeControl("ctrl"), 10, 10, 50, 50);
        EXPECT_TRUE(c.send(20, 20)) << c.name;
        EXPECT_TRUE(parent->m_vMessages.empty()) << c.name << ": not before the next pump";
        parent->PumpPostedMessages();
        if (c.notification < 0) {
            EXPECT_TRUE(parent->m_vMessages.empty()) << c.name;
        } else {
            ASSERT_EQ(parent->m_vMessages.size(), 1u) << c.name;
            EXPECT_EQ(parent->m_vMessages[0].m_nId, static_cast<u32>(c.notification)) << c.name;
            EXPECT_EQ(parent->m_vMessages[0].m_wParam, 0u) << c.name;
            EXPECT_EQ(parent->m_vMessages[0].m_pSender, ctrl) << c.name;
        }
        MainWnd().DeleteChild(parent);
        CtrlMgr().m_pCapture = nullptr;
    }
}

TEST_F(ControlBothBuildsTest, OnClickPostsOnlyTheThreeClickKinds)
{
    ProbeWindow parent("p");
    auto* ctrl = Place(parent, new ProbeControl("c"), 0, 0, 10, 10);
    for (int kind : {0, 1, 2, 3, 7, -1}) {
        EXPECT_TRUE(ctrl->OnClick(kind));
    }
    parent.PumpPostedMessages();
    ASSERT_EQ(parent.m_vMessages.size(), 3u);
    for (u32 i = 0; i < 3; ++i) {
        EXPECT_EQ(parent.m_vMessages[i].m_nId, i);
    }
}

TEST_F(ControlBothBuildsTest, NotFocusableControlLeavesTheFocusWhereItWas)
{
    auto* a = Place(MainWnd(), new ProbeControl("A"), 0, 0, 50, 50);
    auto* b = Place(MainWnd(), new ProbeControl("B"), 100, 0, 50, 50);
    a->m_bFocusable = 1;
    b->m_bFocusable = 0;
    LClick(10, 10);
    EXPECT_EQ(CtrlMgr().m_pFocus, a);
    LClick(110, 10);
    EXPECT_EQ(CtrlMgr().m_pFocus, a);
    EXPECT_TRUE(a->HasFocus());
    EXPECT_FALSE(a->Has("KillFocus"));
}

TEST_F(ControlBothBuildsTest, CreateAtPlacesSizesThenRunsOnCreateAndJoinsTheModalListOnce)
{
    ProbeContainer outer("outer");
    outer.CreateAt(nullptr, 5, 6, 100, 100);
    auto* ctrl = Place(outer, new CreateOrderControl(), 10, 20, 30, 40);
    EXPECT_EQ(ctrl->m_nSeenX, 15);
    EXPECT_EQ(ctrl->m_nSeenW, 30);
    EXPECT_EQ(ctrl->m_nAbsY, 26);
    EXPECT_EQ(outer.m_nDepth, 0);
    EXPECT_EQ(ctrl->m_nDepth, 1);

    auto* modal = new ProbeControl("m");
    modal->m_bModal = 1;
    Place(outer, modal, 0, 0, 10, 10);
    modal->CreateAt(&outer, 0, 0, 10, 10);
    ASSERT_EQ(CtrlMgr().m_vModal.size(), 1u);
    outer.DeleteChild(modal);
    EXPECT_TRUE(CtrlMgr().m_vModal.empty());
}

TEST_F(ControlBothBuildsTest, RenderHandsOutPostedMessagesBeforeDrawing)
{
    ProbeControl ctrl("c");
    ctrl.m_MsgQueue.PostMessage(ORVMsg(5, 0), 1);
    ctrl.Render();
    ASSERT_EQ(ctrl.m_vEvents.size(), 2u);
    EXPECT_EQ(ctrl.m_vEvents[0], "Msg(5)");
    EXPECT_EQ(ctrl.m_vEvents[1], "Draw");
}

TEST_F(RoutingBothBuildsTest, ModalWindowTakesLeftAndRightButtonsOnly)
{
    auto* modal = new ProbeControl("modal");
    modal->m_bModal = 1;
    Place(MainWnd(), modal, 300, 300, 100, 100);
    auto* focus = Place(MainWnd(), new ProbeControl("focus"), 0, 0, 50, 50);
    focus->m_bFocusable = 1;
    CtrlMgr().SetFocusControl(focus);
    focus->m_vEvents.clear();
    m_pCatcher->m_vMsgs.clear();

    // Outside the modal window: the buttons reach nothing else.
    for (auto send : {&LButtonDown, &LButtonUp, &LDblClk, &RButtonDown, &RButtonUp}) {
        EXPECT_FALSE(send(10, 10));
    }
    EXPECT_TRUE(m_pCatcher->m_vMsgs.empty());
    EXPECT_TRUE(focus->m_vEvents.empty());
    // Not restricted: right double click, middle buttons, moves and the wheel go to the tree,
    // keys to the focus control.
    RDblClk(10, 10);
    MButtonDown(10, 10);
    MouseMove(10, 10);
    KeyDown('A');
    EXPECT_TRUE(focus->Has("MDown"));
    EXPECT_TRUE(focus->Has("Move(10,10)"));
    EXPECT_TRUE(focus->Has("KeyDown(0,65)"));
    // Inside it: the modal window takes the click.
    LButtonDown(310, 310);
    EXPECT_TRUE(modal->Has("LDown(10,10)"));
}

TEST_F(RoutingBothBuildsTest, ReleaseThatNoControlTakesClearsTheCaptureUnlessAModalWindowIsOpen)
{
    MainWnd().DeleteChild(m_pCatcher);
    auto* ctrl = Place(MainWnd(), new ProbeControl("c"), 0, 0, 50, 50);
    LButtonDown(1, 1);
    ASSERT_EQ(CtrlMgr().m_pCapture, ctrl);
    EXPECT_FALSE(LButtonUp(700, 500));
    EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);

    LButtonDown(1, 1);
    auto* modal = new ProbeControl("modal");
    modal->m_bModal = 1;
    Place(MainWnd(), modal, 300, 300, 100, 100);
    EXPECT_FALSE(LButtonUp(700, 500));
    EXPECT_EQ(CtrlMgr().m_pCapture, ctrl);
}

TEST_F(RoutingBothBuildsTest, FocusMovesOnlyWhenTheNewControlAccepts)
{
    auto* a = Place(MainWnd(), new ProbeControl("A"), 0, 0, 10, 10);
    auto* b = Place(MainWnd(), new ProbeControl("B"), 0, 0, 10, 10);
    a->m_bFocusable = 1;
    b->m_bFocusable = 1;
    CtrlMgr().SetFocusControl(a);
    ProbeLog().clear();
    CtrlMgr().SetFocusControl(b);
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B:SetFocus", "A:KillFocus"}));
    EXPECT_EQ(CtrlMgr().m_pFocus, b);

    a->m_bThrowOnSetFocus = true;
    CtrlMgr().SetFocusControl(a);
    EXPECT_EQ(CtrlMgr().m_pFocus, b) << "a throwing control refuses";
    a->m_bThrowOnSetFocus = false;
    a->m_bFocusable = 0;
    CtrlMgr().SetFocusControl(a);
    EXPECT_EQ(CtrlMgr().m_pFocus, b);

    ProbeLog().clear();
    CtrlMgr().SetFocusControl(nullptr);
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B:KillFocus"}));
    EXPECT_EQ(CtrlMgr().m_pFocus, nullptr);
}

TEST_F(RoutingBothBuildsTest, HoverLeavesBeforeItEntersAndStaysOverEmptyArea)
{
    MainWnd().DeleteChild(m_pCatcher);
    auto* a = Place(MainWnd(), new ProbeControl("A"), 0, 0, 50, 50);
    auto* b = Place(MainWnd(), new ProbeControl("B"), 100, 0, 50, 50);
    MouseMove(10, 10);
    EXPECT_EQ(CtrlMgr().m_pHover, a);
    ProbeLog().clear();
    MouseMove(110, 10);
    EXPECT_EQ(CtrlMgr().m_pHover, b);
    EXPECT_EQ(ProbeLog(), (std::vector<std::string>{"B:Move(10,10)", "A:Leave(B)", "B:Enter(A)"}));
    // Nothing takes the move: the hover control stays.
    MouseMove(500, 500);
    EXPECT_EQ(CtrlMgr().m_pHover, b);
    // A control whose move handler says no does not become the hover control.
    a->m_bMoveResult = false;
    MouseMove(10, 10);
    EXPECT_EQ(CtrlMgr().m_pHover, b);
}

TEST_F(RoutingBothBuildsTest, DyingControlLeavesNoTraceInTheManager)
{
    auto* ctrl = new ProbeControl("c");
    ctrl->m_bModal = 1;
    ctrl->m_bFocusable = 1;
    Place(MainWnd(), ctrl, 0, 0, 50, 50);
    CtrlMgr().m_pCapture = ctrl;
    CtrlMgr().m_pHover = ctrl;
    CtrlMgr().SetFocusControl(ctrl);
    MainWnd().DeleteChild(ctrl);
    EXPECT_EQ(CtrlMgr().m_pCapture, nullptr);
    EXPECT_EQ(CtrlMgr().m_pHover, nullptr);
    EXPECT_EQ(CtrlMgr().m_pFocus, nullptr);
    EXPECT_TRUE(CtrlMgr().m_vModal.empty());
}

// A control whose key and focus handlers throw.
class CThrower : public CORVControl {
public:
    CThrower() { m_bFocusable = 1; }
    bool OnKeyDown(int, int) override { throw std::runtime_error("key"); }
    bool OnKillFocus(CORVControl*) override { throw std::runtime_error("kill focus"); }
};

TEST_F(RoutingBothBuildsTest, AThrowingHandlerLeavesItsMessageUnhandledAndTheRestGoesOn)
{
    auto* thrower = Place(MainWnd(), new CThrower(), 0, 0, 10, 10);
    CtrlMgr().SetFocusControl(thrower);
    ASSERT_EQ(CtrlMgr().m_pFocus, thrower);
    bool handled = true;
    EXPECT_NO_THROW(handled = KeyDown('A'));
    EXPECT_FALSE(handled);

    // The manager's queue: the message after the one whose handler threw is still delivered.
    m_pCatcher->m_vMsgs.clear();
    CtrlMgr().m_MsgQueue.PostMessage(ORVMsg(ORV_MSG_KEYDOWN, 'B'), 1);
    CtrlMgr().m_MsgQueue.PostMessage(ORVMsg(500, 7), 1);
    EXPECT_NO_THROW(CtrlMgr().RouteDueMessages());
    ASSERT_EQ(m_pCatcher->m_vMsgs.size(), 1u);
    EXPECT_EQ(m_pCatcher->m_vMsgs[0].m_nId, 500u);

    // The old focus control throws on losing the focus: it keeps it.
    auto* next = Place(MainWnd(), new ProbeControl("next"), 20, 0, 10, 10);
    next->m_bFocusable = 1;
    EXPECT_NO_THROW(CtrlMgr().SetFocusControl(next));
    EXPECT_EQ(CtrlMgr().m_pFocus, thrower);
    EXPECT_NO_THROW(CtrlMgr().SetFocusControl(nullptr));
    EXPECT_EQ(CtrlMgr().m_pFocus, thrower);
}

TEST_F(ControlBothBuildsTest, EveryClickKindTogglesTheCheckBoxAndNotifies)
{
    auto* parent = Place(MainWnd(), new ProbeWindow("parent"), 0, 0, 300, 300);
    parent->SetPos(0, 0);   // where a build centres its windows on creation
    auto* check = new CORVCheck();
    parent->AddChild(check, false);
    check->CreateCheck(parent, 50, 60);
    LClick(50 + 3, 60 + 3);
    EXPECT_EQ(check->m_nLatch, 1u);
    RClick(50 + 3, 60 + 3);
    EXPECT_EQ(check->m_nLatch, 0u);
    EXPECT_TRUE(parent->m_vMessages.empty()) << "not before the next pump";
    parent->PumpPostedMessages();
    ASSERT_EQ(parent->m_vMessages.size(), 2u);
    EXPECT_EQ(parent->m_vMessages[0].m_nId, kNotifyLeftClick);
    EXPECT_EQ(parent->m_vMessages[1].m_nId, kNotifyRightClick);
    EXPECT_EQ(parent->m_vMessages[1].m_pSender, check);
}

}  // namespace
