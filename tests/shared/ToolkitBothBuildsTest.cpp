// Toolkit behaviour that is the same in both builds, written once and compiled into both test
// programs: each expects the ids and answers of the profile it is built with.
#include <gtest/gtest.h>

#include <vector>

#include "BuildProfile.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "shared/BothBuildsFixture.h"

namespace {

// A window that keeps the notifications its children post to it.
class CNoteTaker : public CORVWindow {
public:
    bool OnMessage(ORVMsg* msg) override
    {
        m_vIds.push_back(msg->m_nId);
        return true;
    }
    std::vector<u32> m_vIds;
};

class ToolkitBothBuildsTest : public orv::test::BothBuildsTest {
protected:
    ToolkitBothBuildsTest()
    {
        m_pParent = new CNoteTaker();
        Main().AddChild(m_pParent, false);
        m_pParent->CreateAt(&Main(), 0, 0, 400, 300);
        m_pChild = new CORVControl();
        m_pParent->AddChild(m_pChild, false);
        m_pChild->CreateAt(m_pParent, 10, 10, 50, 20);
    }
    static CORVMainWnd& Main() { return MainWnd(); }
    // One frame of the parent's queue; returns what it received.
    std::vector<u32> Pump()
    {
        m_pParent->m_vIds.clear();
        m_pParent->PumpPostedMessages();
        return m_pParent->m_vIds;
    }

    CNoteTaker* m_pParent = nullptr;
    CORVControl* m_pChild = nullptr;
};

TEST_F(ToolkitBothBuildsTest, NotificationsCarryTheBuildsIdsOneFrameLater)
{
    m_pChild->OnClick(0);
    m_pChild->OnClick(1);
    m_pChild->OnClick(2);
    m_pChild->OnClick(3);   // no notification of its own
    m_pChild->OnLButtonDblClk(0, 0);
    m_pChild->OnRButtonDblClk(0, 0);
    std::vector<u32> expect = {kNotifyLeftClick, kNotifyRightClick, kNotifyOtherClick};
    if (kPostsDoubleClicks) {
        expect.push_back(kNotifyLeftDblClk);
        expect.push_back(kNotifyRightDblClk);
    }
    EXPECT_EQ(Pump(), expect);
    EXPECT_TRUE(Pump().empty());

    auto* wnd = new CORVWindow();
    m_pParent->AddChild(wnd, false);
    wnd->CreateAt(m_pParent, 0, 0, 100, 100);
    wnd->Close();
    EXPECT_EQ(Pump(), std::vector<u32>{kNotifyClose});
}

TEST_F(ToolkitBothBuildsTest, PlainControlsAnswerWithTheBuildsDefaults)
{
    EXPECT_EQ(m_pChild->OnKeyDown(0, 'A'), kKeyResult);
    EXPECT_EQ(m_pChild->OnChar('a'), kKeyResult);
    EXPECT_EQ(m_pChild->m_bFocusable, kDefaultFocusable);
    CORVCtrlMgr::GetSingleton().SetFocusControl(m_pChild);
    EXPECT_EQ(CORVCtrlMgr::GetSingleton().m_pFocus, kDefaultFocusable != 0 ? m_pChild : nullptr);
}

TEST_F(ToolkitBothBuildsTest, ButtonsGoOnlyToTheTopmostModalControl)
{
    auto* modal = new CNoteTaker();
    modal->m_bModal = 1;
    Main().AddChild(modal, false);
    modal->CreateAt(&Main(), 500, 400, 50, 50);
    ASSERT_EQ(CORVCtrlMgr::GetSingleton().m_vModal.back(), modal);
    struct Probe : CORVControl {
        bool ProcessMessage(ORVMsg* msg) override
        {
            ids.push_back(msg->m_nId);
            return true;
        }
        std::vector<u32> ids;
    };
    auto* under = new Probe();
    m_pParent->AddChild(under, false);
    under->CreateAt(m_pParent, 0, 0, 400, 300);
    for (u32 id : {ORV_MSG_LBUTTONDOWN, ORV_MSG_RBUTTONUP, ORV_MSG_RBUTTONDBLCLK, ORV_MSG_MBUTTONDOWN}) {
        ORVMsg msg(id, PackPos(under->m_nAbsX + 5, under->m_nAbsY + 5), 0, std::string());
        CORVCtrlMgr::GetSingleton().RouteMessage(&msg);
    }
    EXPECT_EQ(under->ids, (std::vector<u32>{ORV_MSG_RBUTTONDBLCLK, ORV_MSG_MBUTTONDOWN}));
}

TEST_F(ToolkitBothBuildsTest, ADropTellsTheControlThatHeldTheMouseOnlyWhereTheBuildDoes)
{
    struct Dragged : CORVControl {
        bool OnDragEnd(int, int, CORVControl*) override
        {
            ++ends;
            return true;
        }
        int ends = 0;
    };
    auto* dragged = new Dragged();
    m_pParent->AddChild(dragged, false);
    dragged->CreateAt(m_pParent, 100, 100, 20, 20);
    dragged->OnLButtonDown(0, 0);
    m_pChild->OnLButtonUp(0, 0);
    EXPECT_EQ(dragged->ends, kTellsDragEnd ? 1 : 0);
    EXPECT_EQ(CORVCtrlMgr::GetSingleton().m_pCapture, nullptr);
}

}  // namespace
