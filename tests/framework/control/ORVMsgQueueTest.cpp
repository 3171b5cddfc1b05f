#include <gtest/gtest.h>

#include <vector>

#include "framework/core/ORVMsg.h"

namespace {

// The pump (1-based, counted from the post) that hands out a message posted with a delay.
TEST(ORVMsgQueue, MessageComesOutOnThePumpItsDelayNames)
{
    struct Case {
        u32 delay;
        int pump;
    };
    for (Case c : {Case{0, 1}, Case{1, 1}, Case{2, 2}, Case{100, 100}}) {
        ORVMsgQueue queue;
        queue.PostMessage(ORVMsg(42, 7), c.delay);
        int outAt = 0;
        for (int pump = 1; pump <= 101 && outAt == 0; ++pump) {
            const auto& due = queue.Pump();
            if (!due.empty()) {
                ASSERT_EQ(due.size(), 1u);
                EXPECT_EQ(due[0].m_Msg.m_nId, 42u);
                EXPECT_EQ(due[0].m_Msg.m_wParam, 7u);
                outAt = pump;
            }
        }
        EXPECT_EQ(outAt, c.pump) << "delay " << c.delay;
        EXPECT_EQ(queue.GetPendingCount(), 0u);
        EXPECT_TRUE(queue.Pump().empty()) << "handed out once only";
    }
}

TEST(ORVMsgQueue, DueMessagesComeOutInPostingOrder)
{
    ORVMsgQueue queue;
    EXPECT_EQ(queue.PostMessage(ORVMsg(1, 0), 1), 1u);
    EXPECT_EQ(queue.PostMessage(ORVMsg(2, 0), 1), 2u);
    // A posted earlier with delay 2, B one pump later with delay 1: both due together, A first.
    queue.PostMessage(ORVMsg(10, 0), 2);
    auto first = queue.Pump();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].m_Msg.m_nId, 1u);
    EXPECT_EQ(first[1].m_Msg.m_nId, 2u);
    queue.PostMessage(ORVMsg(11, 0), 1);
    auto second = queue.Pump();
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].m_Msg.m_nId, 10u);
    EXPECT_EQ(second[1].m_Msg.m_nId, 11u);
}

TEST(ORVMsgQueue, PostedTextIsACopy)
{
    ORVMsgQueue queue;
    ORVMsg msg(5, 1, 2, "abc");
    queue.PostMessage(msg, 1);
    msg.m_strText = "changed";
    auto due = queue.Pump();
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].m_Msg.m_strText, "abc");
    EXPECT_EQ(due[0].m_Msg.m_lParam, 2u);
    EXPECT_EQ(due[0].m_Msg.m_pSender, nullptr);
}

}  // namespace
