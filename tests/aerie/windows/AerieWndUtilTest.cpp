#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"
#include "support/TestHarness.h"

namespace {

class AerieWndUtil : public orv::test::LibraryTest {};

// A window with a table of two topics: one that stops, one that passes the event on.
class CTopicWindow : public CORVWindow {
public:
    bool OnStop(ORVMsg* msg) { m_vSeen.push_back(msg->m_lParam); return true; }
    bool OnPass(ORVMsg* msg) { m_vSeen.push_back(100 + msg->m_lParam); return false; }
    bool OnMouseWheel(int x, int y, int delta) override
    {
        m_vWheel = {x, y, delta};
        return true;
    }
    std::vector<u32> m_vSeen;
    std::vector<int> m_vWheel;
};

constexpr GameTopic<CTopicWindow> kTopics[] = {
    {3, &CTopicWindow::OnStop},
    {5, &CTopicWindow::OnPass},
};

}  // namespace

TEST_F(AerieWndUtil, CountdownsNeverGoBelowZeroAndSurviveTheTickWrap)
{
    struct Case {
        u32 duration, stamp, now, left;
    } seconds[] = {
        {10, 1000, 1000, 10},
        {10, 1000, 1999, 10},          // 999 ms is no whole second
        {10, 1000, 11000, 0},
        {10, 1000, 500000, 0},
        {100, 0xFFFFFC18, 1000, 98},   // 2,000 ms across the wrap of the tick clock
        {0, 5, 5, 0},
    };
    for (const Case& c : seconds) {
        EXPECT_EQ(SecondsLeft(c.duration, c.stamp, c.now), c.left) << c.duration << " " << c.now;
    }
    const Case millis[] = {
        {5000, 1000, 1999, 4001},
        {5000, 0xFFFFFC18, 1000, 3000},
        {5000, 1000, 6000, 0},
        {5000, 1000, 900000, 0},
    };
    for (const Case& c : millis) {
        EXPECT_EQ(MillisLeft(c.duration, c.stamp, c.now), c.left) << c.duration << " " << c.now;
    }
}

TEST_F(AerieWndUtil, ThreeCountdownTexts)
{
    EXPECT_EQ(FormatDurationHMS(0), "00:00:00");
    EXPECT_EQ(FormatDurationHMS(3661), "01:01:01");
    EXPECT_EQ(FormatDurationHMS(90000), "25:00:00");           // hours unbounded
    EXPECT_EQ(FormatDurationHMS(0xFFFFFFFF), "1193046:28:15");
    EXPECT_EQ(FormatTimeClock(90000), "1天1小时");               // the clock switches to days
    EXPECT_EQ(FormatTimeDHMS(3661), "1小时1分1秒");
}

TEST_F(AerieWndUtil, BoundedFormattingCutsOnWholeCharactersAndNeverThrows)
{
    // 20 two-byte characters cut to a 10-byte buffer: 4 whole characters (8 bytes), never 9.
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "金";
    }
    EXPECT_EQ(BoundedFormat(10, text).size(), 8u);
    EXPECT_EQ(BoundedFormat(8, "a金%1%", 12345), "a金1234");
    EXPECT_EQ(BoundedFormat(kShortTextBound, "%1%/%2%", 3), "3/");   // missing argument left empty
    EXPECT_EQ(BoundedFormat(kShortTextBound, "100%", 3), "100%");     // unparsable: as it stands

    char out[6];
    EXPECT_STREQ(BoundedPrintf(out, sizeof(out), "ab%s", "金金"), "ab金");
    EXPECT_STREQ(BoundedPrintf(out, sizeof(out), "%u", 12345678u), "12345");
    EXPECT_STREQ(BoundedPrintf(out, sizeof(out), "%.1f", 1.5), "1.5");
}

TEST_F(AerieWndUtil, ClickThrottleStrictAndInclusive)
{
    CClickThrottle strict(300, true);
    CClickThrottle inclusive(1000, false);
    EXPECT_TRUE(strict.Ready(0));   // never used
    strict.Mark(5000);
    inclusive.Mark(5000);
    EXPECT_FALSE(strict.Ready(5300));
    EXPECT_TRUE(strict.Ready(5301));
    EXPECT_FALSE(inclusive.Ready(5999));
    EXPECT_TRUE(inclusive.Ready(6000));

    m_Fake.m_dwTick = 100;
    CClickThrottle throttle(300, true);
    EXPECT_TRUE(throttle.TryNow());
    m_Fake.m_dwTick = 400;
    EXPECT_FALSE(throttle.TryNow());
    m_Fake.m_dwTick = 401;
    EXPECT_TRUE(throttle.TryNow());
}

TEST_F(AerieWndUtil, TopicTableRunsItsHandlersAndPassesTheRestOn)
{
    CTopicWindow wnd;
    ORVMsg stop = GameEvent(3, 7);
    ORVMsg pass = GameEvent(5, 8);
    ORVMsg other = GameEvent(9, 9);
    ORVMsg notGame(ORV_MSG_MSGBOX, 3);
    EXPECT_TRUE(DispatchGameEvent(&wnd, &stop, kTopics));
    EXPECT_FALSE(DispatchGameEvent(&wnd, &pass, kTopics));
    EXPECT_FALSE(DispatchGameEvent(&wnd, &other, kTopics));
    EXPECT_FALSE(DispatchGameEvent(&wnd, &notGame, kTopics));
    EXPECT_FALSE(DispatchGameEvent(&wnd, static_cast<ORVMsg*>(nullptr), kTopics));
    EXPECT_EQ(wnd.m_vSeen, (std::vector<u32>{7, 108}));
}

TEST_F(AerieWndUtil, WheelGoesToTheWindowInLocalCoordinatesOnlyWithABar)
{
    CTopicWindow wnd;
    wnd.CreateAt(nullptr, 100, 50, 200, 200);
    CORVControl bar;
    ORVMsg wheel(ORV_MSG_MOUSEWHEEL, PackPos(130, 90), static_cast<u32>(-120) & 0xFFFF, "");
    EXPECT_FALSE(ForwardWheel(&wnd, &wheel, nullptr));
    EXPECT_TRUE(wnd.m_vWheel.empty());
    EXPECT_TRUE(ForwardWheel(&wnd, &wheel, &bar));
    EXPECT_EQ(wnd.m_vWheel, (std::vector<int>{30, 40, -120}));
    wnd.m_vWheel.clear();
    ORVMsg outside(ORV_MSG_MOUSEWHEEL, PackPos(300, 90), 120, "");   // right of the window
    EXPECT_FALSE(ForwardWheel(&wnd, &outside, &bar));
    EXPECT_TRUE(wnd.m_vWheel.empty());
    ORVMsg click(ORV_MSG_LBUTTONDOWN, PackPos(130, 90));
    EXPECT_FALSE(ForwardWheel(&wnd, &click, &bar));
}

TEST_F(AerieWndUtil, GameEventsPostedArriveLaterDeliveredArriveAtOnce)
{
    Attach();
    orv::test::CTestWindow* game = OpenGame();
    PostGameEventAfter(54, 2, 3);
    DeliverGameEvent(55, 1);
    ASSERT_EQ(game->m_vProcessed.size(), 1u);
    EXPECT_EQ(game->m_vProcessed[0].m_wParam, 55u);
    Frame(2);
    EXPECT_EQ(game->m_vProcessed.size(), 1u);
    Frame();
    ASSERT_EQ(game->m_vProcessed.size(), 2u);
    EXPECT_EQ(game->m_vProcessed[1].m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(game->m_vProcessed[1].m_wParam, 54u);
    EXPECT_EQ(game->m_vProcessed[1].m_lParam, 2u);
}

TEST_F(AerieWndUtil, TutorialGuardRefusesWithItsCallersTextOnlyWhileTheGuideRuns)
{
    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.Reset();
    EXPECT_FALSE(RefuseDuringTutorial("请您先完成新手任务，再来刷新！"));
    EXPECT_TRUE(CAutoTip::GetSingleton().GetTips().empty());
    guide.BuildSteps();
    guide.SetStep(5);
    EXPECT_TRUE(RefuseDuringTutorial("请您先完成新手任务，再来刷新！"));
    ASSERT_EQ(CAutoTip::GetSingleton().GetTips().size(), 1u);
    guide.Reset();
}

TEST_F(AerieWndUtil, ConfirmationKeyAsksWithACheckBoxAndRemembersTheAnswer)
{
    XmlTempDir dir;
    const std::string path = dir.Write("aerieconfig.xml",
                                       "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<config>\n"
                                       "<key Index=\"0\" Name=\"AwardRefreshHint\" Value=\"1\"/>\n"
                                       "<key Index=\"1\" Name=\"CommonRefurbish\" Value=\"-1\"/>\n"
                                       "</config>\n");
    CAerieConfigMgr* cfg = CAerieConfigMgr::GetSingleton();
    ASSERT_TRUE(cfg->Load(path.c_str()));
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();

    // A missing key and a negative value of a positive-only key do not ask.
    EXPECT_FALSE(AskWithCheckIfNeeded("Missing", "t", "c", GameEvent(51)));
    cfg->SetValue(AerieConfigKey::AwardRefreshHint, -1);
    EXPECT_FALSE(AskWithCheckIfNeeded(AerieConfigKey::AwardRefreshHint, "t", "c", GameEvent(51)));
    EXPECT_TRUE(boxes.m_vMsgBuf.empty());
    // Any value but 0 asks for the other keys.
    EXPECT_TRUE(AskWithCheckIfNeeded(AerieConfigKey::CommonRefurbish, "确认？", "不要再提示我", GameEvent(51, 2)));
    ASSERT_EQ(boxes.m_vMsgBuf.size(), 1u);
    const ORVMsgBoxRequest& req = boxes.m_vMsgBuf.front();
    EXPECT_EQ(req.m_nStyle, 0x224u);
    EXPECT_EQ(req.m_strText, "确认？");
    EXPECT_EQ(req.m_strCheckText, "不要再提示我");
    EXPECT_EQ(req.m_OkMsg.m_wParam, 51u);
    EXPECT_EQ(req.m_OkMsg.m_lParam, 2u);

    // No box up (or its check box unticked): 1 is stored.
    EXPECT_TRUE(RememberConfirmAnswer(req.m_OkMsg));
    EXPECT_EQ(cfg->GetValue(AerieConfigKey::CommonRefurbish), 1);
    cfg->Load(kAerieConfigPath);   // leave the singleton as other tests find it
}

TEST_F(AerieWndUtil, PlainConfirmationQueuesTwoButtonsWithTheAnswers)
{
    AskThen("确定吗？", GameEvent(43, 9), ORVMsg());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    const ORVMsgBoxRequest& req = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front();
    EXPECT_EQ(req.m_nStyle & kMsgBoxStyleTwoButtons, kMsgBoxStyleTwoButtons);
    EXPECT_EQ(req.m_OkMsg.m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(req.m_OkMsg.m_lParam, 9u);
    EXPECT_EQ(req.m_CancelMsg.m_nId, 0u);
}

TEST_F(AerieWndUtil, FrameSetUpSizesFromTheImageCentresAndPlacesTheCloseButton)
{
    Attach();
    m_Host.SetImageSize(20, 93, 500, 400);
    m_Host.SetImageSize(3, 92, 20, 20);
    CORVWindow* wnd = static_cast<CORVWindow*>(MainWnd().CreateChild(ORV_RUNTIME_CLASS(CORVWindow), 0, ""));
    ASSERT_NE(wnd, nullptr);
    InitFrame(wnd, 20, 36, 5);
    EXPECT_EQ(wnd->m_wBackFrame, 20);
    EXPECT_EQ(wnd->m_nWidth, 500);
    EXPECT_EQ(wnd->m_nX, 150);
    EXPECT_EQ(wnd->m_nY, 100);
    ASSERT_NE(wnd->m_pCloseButton, nullptr);
    EXPECT_EQ(wnd->m_pCloseButton->m_nX, 464);
    EXPECT_EQ(wnd->m_pCloseButton->m_nY, 5);
}

TEST_F(AerieWndUtil, WindowRelativeTextAndImages)
{
    Attach();
    CORVControl ctrl;
    ctrl.CreateAt(nullptr, 10, 20, 5, 5);
    m_Host.ClearLog();
    DrawTextRel(&ctrl, 3, 4, "abc", 0xFF00FF00, 2, 2);
    DrawTextRel(&ctrl, 3, 4, nullptr, 0xFF00FF00);
    DrawImageRel(&ctrl, 1, 2, 646);
    ASSERT_EQ(m_Host.m_vCalls.size(), 2u);
    EXPECT_EQ(m_Host.m_vCalls[0].m_vInts, (std::vector<long long>{13, 24, 0xFF00FF00, 2, 0, 0, 1, 2, 0}));
    EXPECT_EQ(m_Host.m_vCalls[1].m_vInts, (std::vector<long long>{11, 22, 646, 93, 0xFFFFFFFF, 0, 0}));
}
