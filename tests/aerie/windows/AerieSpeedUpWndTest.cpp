#include <gtest/gtest.h>

#include "AerieCityWindowsFixture.h"
#include "aerie/windows/AerieSpeedUpWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"

using namespace orv::test;

namespace {

class AerieSpeedUpWindow : public AerieCityWindowsTest {
protected:
    // Group 1 upgrades the pasture: 3,600 s from tick 1,000.
    CAerieSpeedUpWnd* OpenOnWork(u32 group = 1)
    {
        m_Fake.m_dwTick = 1000;
        if (Enter(City() + Work(1, 1, 1, 3600)) == nullptr) {
            return nullptr;
        }
        Event(EVT_SPEEDUP_WND, group);
        return dynamic_cast<CAerieSpeedUpWnd*>(Wnd()->m_pSpeedUpWnd);
    }
    static ORVMsgBoxQueue& Boxes() { return ORVMsgBoxQueue::GetSingleton(); }
};

}  // namespace

TEST_F(AerieSpeedUpWindow, ShowsTheTimeLeftOfTheWork)
{
    CAerieSpeedUpWnd* wnd = OpenOnWork();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 33);
    EXPECT_EQ(wnd->m_apOptions[3]->m_nY, 146);
    m_Fake.m_dwTick = 1000 + 61500;   // 61.5 s: 61 whole seconds, 3,539 s left (as the work panel)
    DrawFrame();
    const HostCall* left = LastText("剩余时间:00:58:59");
    ASSERT_NE(left, nullptr) << m_Host.Dump();
    EXPECT_EQ(left->m_vInts, (std::vector<long long>{wnd->m_nAbsX + wnd->m_nWidth / 2, wnd->m_nAbsY + 46, 0xFFFFFF00, 1,
                                                     0, 0, 1, 2, 0}));
    EXPECT_NE(Text("牧场加速"), nullptr);
    EXPECT_NE(Text("减少工程时间8小时"), nullptr);
    m_Fake.m_dwTick = 1000 + 4000000;   // long past: never below 0
    DrawFrame();
    EXPECT_NE(Text("剩余时间:00:00:00"), nullptr);
}

TEST_F(AerieSpeedUpWindow, OptionAsksThenSendsItsCards)
{
    struct Case {
        int option;
        u16 cards;
    } cases[] = {{0, 1}, {3, 16}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        Boxes().m_vMsgBuf.clear();
        CAerieSpeedUpWnd* wnd = OpenOnWork();
        ASSERT_NE(wnd, nullptr);
        ClickOn(wnd, wnd->m_apOptions[c.option]);
        ASSERT_EQ(Boxes().m_vMsgBuf.size(), 1u);
        EXPECT_EQ(Boxes().m_vMsgBuf.front().m_strText,
                  "本次加速需要消耗" + std::to_string(c.cards) + "张加速卡（可在商城购买），确定要加速吗？");
        m_Host.ClearLog();
        AnswerOk();
        ASSERT_EQ(Sent().size(), 1u);
        EXPECT_EQ(Sent()[0].m_wSub, 0x25);
        EXPECT_EQ(Sent()[0].m_wParam1, 1);
        EXPECT_EQ(Sent()[0].m_wParam2, c.cards);
    }
    // Cancel posts nothing; an option above 3 is not this window's.
    EXPECT_EQ(Boxes().m_vMsgBuf.front().m_CancelMsg.m_nId, ORVMsg().m_nId);
    m_Host.ClearLog();
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_SPEEDUP, 4, ""));
    EXPECT_TRUE(Sent().empty());
}

TEST_F(AerieSpeedUpWindow, ClosesWhenTheWorkEndsOrOnTopic63)
{
    CAerieSpeedUpWnd* wnd = OpenOnWork();
    ASSERT_NE(wnd, nullptr);
    // The work ends: a click before the next frame only tells so.
    Recv(Message(kOwnId, 1, Work(1, 0, 0)));
    ClearTips();
    ClickOn(wnd, wnd->m_apOptions[0]);
    EXPECT_TRUE(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty());
    EXPECT_EQ(Tips(), std::vector<std::string>{"升级已经完毕或被取消，不需要加速"});
    DrawFrame();
    EXPECT_EQ(Text("牧场加速"), nullptr);   // draws nothing
    Frame(2);
    EXPECT_EQ(Wnd()->m_pSpeedUpWnd, nullptr);
    // Topic 63 closes an open window.
    Recv(Message(kOwnId, 1, Work(1, 2, 24, 600)));
    Event(EVT_SPEEDUP_WND, 1);
    ASSERT_NE(Wnd()->m_pSpeedUpWnd, nullptr);
    Event(EVT_SPEEDUP_ANSWER);
    Frame(2);
    EXPECT_EQ(Wnd()->m_pSpeedUpWnd, nullptr);
}

TEST_F(AerieSpeedUpWindow, AGroupOutsideTheThreeHasNoWork)
{
    CAerieSpeedUpWnd* wnd = OpenOnWork(7);
    ASSERT_NE(wnd, nullptr);
    EXPECT_FALSE(wnd->HasWork());
    ClearTips();
    ClickOn(wnd, wnd->m_apOptions[1]);
    EXPECT_EQ(Tips(), std::vector<std::string>{"升级已经完毕或被取消，不需要加速"});
    Frame(3);
    EXPECT_EQ(Wnd()->m_pSpeedUpWnd, nullptr);
}
