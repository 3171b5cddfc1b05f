#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/control/ORVControl.h"
#include "framework/core/GameHooks.h"
#include "framework/text/DrawnCalls.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVNewBie.h"
#include "framework/window/ORVMainWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/TestHarness.h"

namespace {

using orv::test::Drawn;
using orv::test::Image;
using orv::test::Text;

// A game's guide: steps 0..count-1, hint "hint<n>", every step above its target.
class CTestNewBie : public CORVNewBie {
public:
    explicit CTestNewBie(int count = 6) : m_nCount(count) {}

    void BuildSteps() override
    {
        m_vSteps.assign(m_nCount, NewBieStep{});
        for (int i = 0; i < m_nCount; ++i) {
            m_vSteps[i].m_strHint = "hint" + std::to_string(i);
        }
    }

    int m_nCount;
};

std::unique_ptr<CORVControl> MakeControl(int x, int y, int w, int h)
{
    auto ctrl = std::make_unique<CORVControl>();
    ctrl->CreateAt(nullptr, x, y, w, h);
    return ctrl;
}

class NewBie : public orv::test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        guide.BuildSteps();
        guide.InstallHooks();
        *GetORVCallBack() = &m_Host;
    }

    // Step 2 pointing at a 40 x 20 control at (100, 200): its centre is (120, 210).
    CORVControl* PointStep2At(const std::string& hint, int dx, int dy, u8 below)
    {
        target = MakeControl(100, 200, 40, 20);
        guide.m_vSteps[2].m_strHint = hint;
        guide.m_vSteps[2].m_nDx = dx;
        guide.m_vSteps[2].m_nDy = dy;
        guide.m_vSteps[2].m_bBelow = below;
        guide.SetStep(0);
        guide.SetStep(2);   // lays the hint out
        guide.SetStepTarget(2, target.get());
        return target.get();
    }

    CTestNewBie guide;
    std::unique_ptr<CORVControl> target;
};

}  // namespace

TEST_F(NewBie, StepEventsAdvanceOnlyFromTheCurrentStep)
{
    EXPECT_FALSE(guide.IsActive());
    guide.OnStepEvent(0);                  // inactive: nothing
    EXPECT_EQ(guide.m_wStep, 0);

    guide.SetStep(4);
    EXPECT_TRUE(guide.IsActive());
    EXPECT_EQ(guide.m_Text.m_vLines, std::vector<std::string>{"hint4"});
    guide.OnStepEvent(5);                  // out of order: ignored
    EXPECT_EQ(guide.m_wStep, 4);
    guide.OnStepEvent(4);
    EXPECT_EQ(guide.m_wStep, 5);
    EXPECT_EQ(guide.m_Text.m_vLines, std::vector<std::string>{"hint5"});
    EXPECT_EQ(guide.m_Text.m_dwColor, 0xFF000010u);
    EXPECT_EQ(guide.m_Text.m_nFont, 1);
    EXPECT_EQ(guide.m_Text.GetHeight(), 20);

    // Setting the same step lays nothing out again.
    guide.m_Text.m_vLines.clear();
    guide.SetStep(5);
    EXPECT_TRUE(guide.m_Text.m_vLines.empty());
}

TEST_F(NewBie, HintWrapsAtOneHundredPixels)
{
    guide.m_vSteps[1].m_strHint = std::string(20, 'a');
    guide.SetStep(1);
    EXPECT_EQ(guide.m_Text.m_vLines, (std::vector<std::string>{std::string(16, 'a'), "aaaa"}));
    EXPECT_EQ(guide.m_Text.GetHeight(), 40);
}

TEST_F(NewBie, TargetsAreSetOnlyWhileActiveAndInRange)
{
    auto ctrl = MakeControl(0, 0, 10, 10);
    guide.SetStepTarget(2, ctrl.get());
    EXPECT_EQ(guide.m_vSteps[2].m_pTarget, nullptr);
    guide.SetStep(1);
    guide.SetStepTarget(6, ctrl.get());     // one past the table
    guide.SetStepTarget(2, ctrl.get());
    EXPECT_EQ(guide.m_vSteps[2].m_pTarget, ctrl.get());
}

TEST_F(NewBie, ResetEmptiesTheTableAndSwitchesOff)
{
    guide.SetStep(3);
    guide.Reset();
    EXPECT_FALSE(guide.IsActive());
    EXPECT_TRUE(guide.m_vSteps.empty());
    // Entering a city resets the installed guide.
    guide.BuildSteps();
    guide.SetStep(3);
    CORVMgr::GetSingleton().OpenAerie(&m_Host, "owner");
    EXPECT_FALSE(guide.IsActive());
    EXPECT_TRUE(guide.m_vSteps.empty());
}

TEST_F(NewBie, DyingControlsAreForgotten)
{
    auto keep = MakeControl(0, 0, 10, 10);
    auto dies = MakeControl(0, 0, 10, 10);
    guide.SetStep(1);
    guide.SetStepTarget(1, dies.get());
    guide.SetStepTarget(2, dies.get());
    guide.SetStepTarget(3, keep.get());
    dies.reset();
    EXPECT_EQ(guide.m_vSteps[1].m_pTarget, nullptr);
    EXPECT_EQ(guide.m_vSteps[2].m_pTarget, nullptr);
    EXPECT_EQ(guide.m_vSteps[3].m_pTarget, keep.get());
}

TEST_F(NewBie, ControlDyingWhileTheGuideIsOffIsForgottenToo)
{
    auto dies = MakeControl(0, 0, 10, 10);
    guide.SetStep(2);
    guide.SetStepTarget(2, dies.get());
    guide.SetStep(0);
    dies.reset();
    guide.SetStep(2);
    EXPECT_EQ(guide.m_vSteps[2].m_pTarget, nullptr);
    m_Host.ClearLog();
    guide.Draw();
    EXPECT_FALSE(m_Host.AnyDrawing());
}

TEST_F(NewBie, HooksFollowTheInstalledGuide)
{
    EXPECT_EQ(CORVNewBie::Installed(), &guide);
    {
        CTestNewBie other;
        other.BuildSteps();
        other.InstallHooks();
        EXPECT_EQ(CORVNewBie::Installed(), &other);
        auto ctrl = MakeControl(0, 0, 10, 10);
        other.SetStep(1);
        other.SetStepTarget(1, ctrl.get());
        guide.SetStep(1);
        guide.SetStepTarget(1, ctrl.get());
        ctrl.reset();
        EXPECT_EQ(other.m_vSteps[1].m_pTarget, nullptr);
        // Only the installed guide hears of dying controls.
        EXPECT_NE(guide.m_vSteps[1].m_pTarget, nullptr);
        guide.m_vSteps[1].m_pTarget = nullptr;
    }
    // A guide that goes away takes its hooks with it: later deaths call nothing.
    EXPECT_EQ(CORVNewBie::Installed(), nullptr);
    EXPECT_EQ(g_GameHooks.pfnNewBieForgetControl, nullptr);
    EXPECT_EQ(g_GameHooks.pfnNewBieDraw, nullptr);
    EXPECT_EQ(g_GameHooks.pfnNewBieReset, nullptr);
    EXPECT_EQ(g_GameHooks.pfnNewBieSetStepTarget, nullptr);
    MakeControl(0, 0, 10, 10).reset();
    // A guide that is not installed leaves the installed one's hooks alone.
    guide.InstallHooks();
    { CTestNewBie notInstalled; }
    EXPECT_EQ(CORVNewBie::Installed(), &guide);
}

TEST_F(NewBie, HintBoxGeometry)
{
    struct Case {
        std::string hint;
        int dx, dy;
        u8 below;
        int cols, rows;
    } cases[] = {
        {std::string(10, 'a'), 0, 0, 0, 2, 2},    // 60 px, one line
        {std::string(10, 'a'), 5, -8, 1, 2, 2},
        {std::string(16, 'a'), 0, 0, 0, 3, 2},    // 96 px: (96 + 6) / 36 + 1 = 3
        {std::string(20, 'a'), 0, 0, 1, 3, 3},    // two lines, 40 px high
        {"", 0, 0, 0, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint + (c.below ? " below" : " above"));
        PointStep2At(c.hint, c.dx, c.dy, c.below);
        m_Host.ClearLog();
        guide.Draw();

        const int px = 120 + c.dx, py = 210 + c.dy;
        const int left = px - (36 * c.cols - 36) / 2;
        const int top = c.below ? py + 14 : py - 20 * c.rows - 14;
        std::vector<Drawn> expected;
        for (int i = 0; i < c.rows; ++i) {
            for (int j = 0; j < c.cols; ++j) {
                const int colKind = j == 0 ? 0 : (j == c.cols - 1 ? 2 : 1);
                const int rowKind = i == 0 ? 0 : (i == c.rows - 1 ? 2 : 1);
                expected.push_back(Image(left + 36 * j, top + 20 * i, 160 + colKind + 3 * rowKind, 0xC0FFFFFF));
            }
        }
        expected.push_back(c.below ? Image(px, py, 170, 0xC0FFFFFF) : Image(px, py - 20, 169, 0xC0FFFFFF));
        const int w = guide.m_Text.m_nWidth, h = guide.m_Text.GetHeight();
        for (std::size_t i = 0; i < guide.m_Text.m_vLines.size(); ++i) {
            expected.push_back(Text(left + (36 * c.cols - w) / 2, top + (20 * c.rows - h) / 2 + 20 * static_cast<int>(i),
                                    guide.m_Text.m_vLines[i], 0xFF000010, 0, 1));
        }
        EXPECT_EQ(orv::test::DrawnCalls(m_Host), expected);
    }
    // The one-line 60 px hint: a 2 x 2 box whose left edge is 18 px left of the point.
    PointStep2At(std::string(10, 'a'), 0, 0, 0);
    m_Host.ClearLog();
    guide.Draw();
    EXPECT_EQ(orv::test::DrawnCalls(m_Host, 'I').front().x, 120 - 18);
}

TEST_F(NewBie, DrawsNothingWithoutATargetOrBeyondTheTable)
{
    PointStep2At("hint", 0, 0, 0);
    guide.m_vSteps[2].m_pTarget = nullptr;
    guide.Draw();
    EXPECT_FALSE(m_Host.AnyDrawing());

    CTestNewBie three(3);
    three.BuildSteps();
    three.SetStep(3);
    EXPECT_TRUE(three.IsActive());
    three.Draw();
    EXPECT_FALSE(m_Host.AnyDrawing());
}

TEST_F(NewBie, MainWindowDrawsTheInstalledGuideEveryFrame)
{
    Attach();
    OpenGame();
    PointStep2At("hint", 0, 0, 0);
    Frame();
    EXPECT_NE(m_Host.FindText("hint"), nullptr);
    EXPECT_NE(m_Host.FindImage(169, 93), nullptr);
    guide.SetStep(0);
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.FindText("hint"), nullptr);
}

// The toolkit points steps at its own controls through the hooks: a question box aims step 10 at
// its OK button, and the guide lets go of the button when the box closes.
TEST_F(NewBie, AQuestionBoxPointsStepTenAtItsOkButton)
{
    CTestNewBie guide11(11);
    guide11.BuildSteps();
    guide11.InstallHooks();
    guide11.SetStep(10);
    m_Host.SetImageSize(31, 93, 340, 150);
    m_Host.SetImageSize(9, 92, 98, 30);
    m_Host.SetImageSize(12, 92, 98, 30);
    Attach();
    OpenGame();
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ORVMsg(0x501, 1), ORVMsg(0x501, 2), "Sure?");
    Frame();
    auto* box = static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->m_pOkButton, nullptr);
    EXPECT_EQ(guide11.m_vSteps[10].m_pTarget, box->m_pOkButton);

    m_Host.ClearLog();
    Frame();
    EXPECT_NE(m_Host.FindImage(169, 93), nullptr);   // the hint points at the button

    orv::test::LClick(box->m_pOkButton->m_nAbsX + 3, box->m_pOkButton->m_nAbsY + 3);
    Frame(4);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
    EXPECT_EQ(guide11.m_vSteps[10].m_pTarget, nullptr);
}
