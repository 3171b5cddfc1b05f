// Posted messages of the toolkit's controls (their queues, PostToParent, a handler that deletes its
// own control), compiled into both test programs.
#include <gtest/gtest.h>

#include "shared/BothBuildsFixture.h"

namespace {

using orv::test::ProbeControl;
using orv::test::ProbeWindow;

class PostedMessages : public orv::test::BothBuildsTest {};

// A handler that posts into its own queue while the pump's messages are handed out: the new
// message waits for the next pump.
TEST_F(PostedMessages, PostDuringHandOutWaitsForTheNextPump)
{
    ProbeControl ctrl("c");
    int handled = 0;
    ctrl.m_fnOnMessage = [&](ORVMsg* msg) {
        ++handled;
        if (msg->m_nId == 1) {
            ctrl.m_MsgQueue.PostMessage(ORVMsg(2, 0), 0);
        }
    };
    ctrl.m_MsgQueue.PostMessage(ORVMsg(1, 0), 1);
    ctrl.PumpPostedMessages();
    EXPECT_EQ(handled, 1);
    ctrl.PumpPostedMessages();
    EXPECT_EQ(handled, 2);
    ASSERT_EQ(ctrl.m_vMessages.size(), 2u);
    EXPECT_EQ(ctrl.m_vMessages[1].m_nId, 2u);
}

TEST_F(PostedMessages, PostToParentNeedsAParent)
{
    ProbeWindow parent("p");
    auto* child = orv::test::Place(parent, new ProbeControl("c"), 0, 0, 10, 10);
    ProbeControl orphan("o");
    ORVMsg msg(9, 3, &orphan);
    orphan.PostToParent(&msg);   // nothing, nowhere
    ORVMsg note(9, 4, child);
    child->PostToParent(&note);
    EXPECT_EQ(orphan.m_MsgQueue.GetPendingCount(), 0u);
    EXPECT_EQ(parent.m_MsgQueue.GetPendingCount(), 1u);
    parent.PumpPostedMessages();
    ASSERT_EQ(parent.m_vMessages.size(), 1u);
    EXPECT_EQ(parent.m_vMessages[0].m_pSender, child);
    EXPECT_EQ(parent.m_vMessages[0].m_wParam, 4u);
}

// A handler that deletes its own control stops the hand-out: nothing of the dead control is
// touched and the rest of its messages are dropped.
TEST_F(PostedMessages, ControlDeletedByItsOwnHandlerStopsThePump)
{
    ProbeWindow parent("p");
    auto* child = orv::test::Place(parent, new ProbeControl("c"), 0, 0, 10, 10);
    int handled = 0;
    child->m_fnOnMessage = [&](ORVMsg*) {
        ++handled;
        parent.DeleteChild(child);
    };
    child->m_MsgQueue.PostMessage(ORVMsg(1, 0), 1);
    child->m_MsgQueue.PostMessage(ORVMsg(2, 0), 1);
    parent.RenderChildren();   // the child pumps (and dies) inside its Render
    EXPECT_EQ(handled, 1);
    EXPECT_FALSE(parent.HasChild(child));
}

}  // namespace
