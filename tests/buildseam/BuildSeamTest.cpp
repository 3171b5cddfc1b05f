// The toolkit compiled against a second build profile (tests/buildseam/profile): every value below
// comes from that profile, none from Orvane's, and the core (compiled once, with no profile) reads
// the build's text metrics through its seam.
#include <gtest/gtest.h>

#include "framework/control/ORVControlContainer.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/text/TextUtil.h"
#include "platform/fake/FakePlatform.h"
#include "tests/buildseam/SeamSizes.h"

namespace {

TEST(BuildSeam, ToolkitAndCoreTakeTheBuildsValues)
{
    orv::platform::FakePlatform platform;
    // Control defaults.
    CORVControl control;
    EXPECT_EQ(control.m_bFocusable, 0);
    EXPECT_EQ(control.m_nToolTipStyle, 2);
    // The core's width and wrapping code: 5 px a byte for font 1, 8 px otherwise, 11 px for a
    // symbol pair, line steps 13 and 17.
    EXPECT_EQ(GetTextWidth("abc", 1), 15);
    EXPECT_EQ(GetTextWidth("abc", 2), 24);
    EXPECT_EQ(GetTextWidth("\xF8\xA1", 1), 11);
    EXPECT_EQ(TextMetrics::LineStep(1), 13);
    EXPECT_EQ(TextMetrics::LineStep(2), 17);
}

TEST(BuildSeam, WindowAsksToCloseWithTheBuildsNotification)
{
    orv::platform::FakePlatform platform;
    CORVControlContainer parent;
    CORVWindow* window = new CORVWindow();
    parent.AddChild(window, false);
    window->m_pParent = &parent;
    window->Close();
    const std::vector<PostedMsg>& due = parent.m_MsgQueue.Pump();
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].m_Msg.m_nId, 6u);
    EXPECT_EQ(due[0].m_Msg.m_pSender, window);
}

TEST(BuildSeam, SystemWindowRangeIsTheBuilds)
{
    orv::platform::FakePlatform platform;
    SetSystemWindowRecord(0x114, ORV_RUNTIME_CLASS(CORVWindow));
    EXPECT_EQ(GetSystemWindowRecord(0x114), ORV_RUNTIME_CLASS(CORVWindow));
    SetSystemWindowRecord(0x115, ORV_RUNTIME_CLASS(CORVWindow));   // Orvane's split window: not here
    EXPECT_EQ(GetSystemWindowRecord(0x115), nullptr);
    EXPECT_EQ(platform.m_vDebugLines.size(), 1u);
    SetSystemWindowRecord(0x114, nullptr);
}

}  // namespace

namespace {

class SeamControlTest : public ::testing::Test {
protected:
    orv::platform::FakePlatform m_Platform;
    CORVControlContainer m_Parent;
    CORVControl* m_pChild = nullptr;

    void SetUp() override
    {
        m_Parent.CreateAt(nullptr, 0, 0, 100, 100);
        m_pChild = new CORVControl();
        m_Parent.AddChild(m_pChild, false);
        m_pChild->CreateAt(&m_Parent, 10, 10, 20, 20);
    }
    void TearDown() override
    {
        m_Parent.DeleteAllChildren();
        CORVToolTip::GetSingleton().Clear();
    }
};

// Handler defaults and behaviour of this build: keys are handled by a plain control, double clicks
// post nothing, the tooltip fills on entering rather than on moving.
TEST_F(SeamControlTest, HandlersFollowTheBuildsProfile)
{
    EXPECT_TRUE(m_pChild->OnKeyDown(0, 'A'));
    EXPECT_TRUE(m_pChild->OnChar('A'));
    EXPECT_TRUE(m_pChild->OnLButtonDblClk(1, 1));
    EXPECT_TRUE(m_pChild->OnRButtonDblClk(1, 1));
    EXPECT_TRUE(m_Parent.m_MsgQueue.Pump().empty());

    m_pChild->m_strToolTip = "tip";
    m_pChild->OnMouseMove(1, 1);
    EXPECT_TRUE(CORVToolTip::GetSingleton().IsEmpty());
    m_pChild->OnMouseEnter(1, 1, nullptr);
    EXPECT_FALSE(CORVToolTip::GetSingleton().IsEmpty());
}

// Screen and image sizes come through the build's size seam (tests/buildseam/SeamSizes.cpp).
TEST_F(SeamControlTest, SizesComeThroughTheBuildsSeam)
{
    CORVControl top;
    top.CreateAt(nullptr, 0, 0, 40, 20);
    top.CenterInParent();
    EXPECT_EQ(top.m_nX, 300);
    EXPECT_EQ(top.m_nY, 230);

    CORVButton* button = nullptr;
    m_Parent.CreateButton(5, 5, &button, 7, true, true, "");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->m_nWidth, 30);
    EXPECT_EQ(button->m_nHeight, 20);
}

// A routed mouse move goes on through the build's seam, not to a host callback this build does
// not hold.
TEST_F(SeamControlTest, MouseMovesGoOnThroughTheBuildsSeam)
{
    SeamMouseMoves().clear();
    const LPARAM at = (25 << 16) | 15;
    TranslateWindowMessage(nullptr, WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(SeamMouseMoves(), std::vector<LPARAM>{at});
}

}  // namespace
