#include <gtest/gtest.h>

#include <string>

#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVControl.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "support/TestHarness.h"

namespace {

class AerieTutorial : public orv::test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        guide.InstallGameHooks();   // the test reset forgets the hooks
        guide.Reset();
        guide.BuildSteps();
    }
    void TearDown() override
    {
        guide.Reset();
        LibraryTest::TearDown();
    }

    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
};

}  // namespace

TEST_F(AerieTutorial, TableHoldsFortyFourRecordsWithTheirHintsAndOffsets)
{
    ASSERT_EQ(guide.m_vSteps.size(), 44u);
    for (u16 empty : {0, 1, 13, 43}) {
        EXPECT_TRUE(guide.m_vSteps[empty].m_strHint.empty()) << empty;
    }
    int filled = 0;
    for (const NewBieStep& step : guide.m_vSteps) {
        filled += step.m_strHint.empty() ? 0 : 1;
        EXPECT_EQ(step.m_bBelow, 0);
        EXPECT_EQ(step.m_pTarget, nullptr);
    }
    EXPECT_EQ(filled, 40);
    struct Case {
        u16 step;
        const char* hint;
        int dx, dy;
    } cases[] = {
        {2, "选择守护兽的性别", 0, 0},
        {6, "选择你要进行繁殖的守护兽", 150, -20},
        {9, "鼠标右键点击需要孵化的怪物蛋，选择孵化", -135, 0},
        {26, "点击这里进入主城", 20, 0},
        {31, "选择小组进行升级操作（建议优先选择工程力最高的工程组这样可以节约时间和资源）", 0, 20},
        {40, "可以随时查看小组的当前行为，以及小组技能", -350, -150},
        {42, "查看主线任务并完成它们领取奖励", 0, -120},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(guide.m_vSteps[c.step].m_strHint, c.hint) << c.step;
        EXPECT_EQ(guide.m_vSteps[c.step].m_nDx, c.dx) << c.step;
        EXPECT_EQ(guide.m_vSteps[c.step].m_nDy, c.dy) << c.step;
    }
}

TEST_F(AerieTutorial, OnlyTheCurrentStepAdvances)
{
    guide.SetStep(7);
    guide.OnStepEvent(5);
    EXPECT_EQ(guide.m_wStep, 7);
    guide.OnStepEvent(7);
    EXPECT_EQ(guide.m_wStep, 8);
    EXPECT_EQ(guide.m_Text.m_vLines.empty(), false);   // the new step is laid out
}

TEST_F(AerieTutorial, StepTwelveAsksTheFirstHatchBoxWhoseButtonPostsTopic48)
{
    guide.SetStep(12);
    guide.OnStepEvent(12);
    EXPECT_EQ(guide.m_wStep, 13);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    const ORVMsgBoxRequest& req = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front();
    EXPECT_EQ(req.m_strText,
              "由于您首次孵化怪物，魔法师为了让你更快体验新的内容，破例使用魔法让你的蛋瞬间孵化，你愿意么？");
    EXPECT_EQ(req.m_nStyle & kMsgBoxStyleTwoButtons, 0u);
    EXPECT_EQ(req.m_OkMsg.m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(req.m_OkMsg.m_wParam, 48u);
}

TEST_F(AerieTutorial, StepTwentyShowsTheGiftNoticeAndTakesTheGift)
{
    Attach();
    guide.SetStep(20);
    guide.OnStepEvent(20);
    EXPECT_EQ(guide.m_wStep, 21);
    ASSERT_EQ(CAutoTip::GetSingleton().GetTips().size(), 1u);
    ASSERT_EQ(m_Host.Requests().size(), 1u);
    EXPECT_EQ(m_Host.Requests()[0].m_wSub, 0xCC);
}

TEST_F(AerieTutorial, StepsTwentySixAndThirtyNinePostTheirNextStepFramesLater)
{
    Attach();
    orv::test::CTestWindow* game = OpenGame();
    struct Case {
        u16 step;
        int frames;
    } cases[] = {{26, 100}, {39, 200}};
    for (const Case& c : cases) {
        game->m_vProcessed.clear();
        guide.SetStep(c.step);
        guide.OnStepEvent(c.step);
        EXPECT_EQ(guide.m_wStep, c.step + 1);
        Frame(c.frames - 1);
        EXPECT_TRUE(game->m_vProcessed.empty()) << c.step;
        Frame();
        ASSERT_EQ(game->m_vProcessed.size(), 1u) << c.step;
        EXPECT_EQ(game->m_vProcessed[0].m_nId, ORV_MSG_GAMEWND);
        EXPECT_EQ(game->m_vProcessed[0].m_wParam, 50u);
        EXPECT_EQ(game->m_vProcessed[0].m_lParam, static_cast<u32>(c.step + 1));
    }
}

TEST_F(AerieTutorial, StepThirtyEightFinishesTheGuideOnTheServerThenShowsTheRewardBox)
{
    Attach();
    guide.SetStep(38);
    guide.OnStepEvent(38);
    ASSERT_EQ(m_Host.Requests().size(), 1u);
    EXPECT_EQ(m_Host.Requests()[0].m_wSub, 0xCB);
    EXPECT_EQ(guide.m_wStep, 39);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    const ORVMsgBoxRequest& req = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front();
    EXPECT_EQ(req.m_strText, "您已完成新手任务，您将获得一份新手奖励。\n请在枫岚镇琉璃台使者“白羽君”（558，483）处领取。");
    EXPECT_EQ(req.m_OkMsg.m_nId, 0u);
}

TEST_F(AerieTutorial, StepFortyTwoEndsTheGuideAndErasesTheRecords)
{
    CORVControl target;
    guide.SetStep(42);
    guide.SetStepTarget(42, &target);
    guide.OnStepEvent(42);
    EXPECT_FALSE(guide.IsActive());
    EXPECT_TRUE(guide.m_vSteps.empty());
    guide.OnStepEvent(0);   // off: nothing happens
    EXPECT_FALSE(guide.IsActive());
}

TEST_F(AerieTutorial, TheToolkitReachesTheGuideThroughItsHooks)
{
    CORVControl* target = new CORVControl();
    guide.SetStep(5);
    guide.SetStepTarget(5, target);
    EXPECT_EQ(guide.m_vSteps[5].m_pTarget, target);
    delete target;   // a dying control is forgotten
    EXPECT_EQ(guide.m_vSteps[5].m_pTarget, nullptr);
    EXPECT_EQ(CORVNewBie::Installed(), &guide);
    // The game's requests reach it too: visiting is refused while it runs.
    EXPECT_TRUE(NewBieIsActive());
    NewBieOnStepEvent(5);
    EXPECT_EQ(guide.m_wStep, 6);
}
