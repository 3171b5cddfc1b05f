// The main window's system windows as both builds have them, compiled into both test programs with
// each build's ids: 1 opens once, 2 toggles, 0 closes, anything else is a topic for the open
// window; a close request from a window empties its slot only where the build says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "shared/BothBuildsFixture.h"
#include "support/TestWindow.h"

namespace {

using namespace orv::test;

class MainWndBothBuildsTest : public BothBuildsTest {
protected:
    static bool Route(ORVMsg msg) { return CtrlMgr().RouteMessage(&msg); }
};

TEST_F(MainWndBothBuildsTest, SystemWindowCommandsOpenToggleCloseAndCarryTopics)
{
    for (u32 id = kSysWndFirstId; id <= kSysWndLastId; ++id) {
        ScopedSystemWindowRecord record(id, ORV_RUNTIME_CLASS(CTestWindow));
        CORVControl** field = MainWnd().GetSystemWindowField(id);
        ASSERT_NE(field, nullptr);

        EXPECT_TRUE(Route(ORVMsg(id, 4)));   // a topic while closed: swallowed
        EXPECT_EQ(*field, nullptr);

        EXPECT_TRUE(Route(ORVMsg(id, kSysWndOpen, 0x12345, "args")));
        auto* wnd = static_cast<CTestWindow*>(*field);
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(wnd->m_nArg, 0x12345);
        EXPECT_TRUE(wnd->m_bCreated);
        EXPECT_EQ(wnd->m_pParent, &MainWnd());
        EXPECT_TRUE(Route(ORVMsg(id, kSysWndOpen)));
        EXPECT_EQ(*field, wnd) << "opening an open window does nothing";
        EXPECT_EQ(CTestWindow::Live().size(), 1u);

        EXPECT_TRUE(Route(ORVMsg(id, 9, 5, "topic")));
        ASSERT_FALSE(wnd->m_vProcessed.empty());
        EXPECT_EQ(wnd->m_vProcessed.back().m_wParam, 9u);
        EXPECT_EQ(wnd->m_vProcessed.back().m_strText, "topic");

        EXPECT_TRUE(Route(ORVMsg(id, kSysWndToggle)));
        EXPECT_EQ(*field, nullptr);
        EXPECT_TRUE(CTestWindow::Live().empty());
        EXPECT_TRUE(Route(ORVMsg(id, kSysWndToggle)));
        EXPECT_NE(*field, nullptr);
        EXPECT_TRUE(Route(ORVMsg(id, kSysWndClose)));
        EXPECT_EQ(*field, nullptr);
        EXPECT_TRUE(Route(ORVMsg(id, kSysWndClose)));
        EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    }
}

TEST_F(MainWndBothBuildsTest, CloseRequestEmptiesOnlyTheSlotsTheBuildNames)
{
    for (u32 id = kSysWndFirstId; id <= kSysWndLastId; ++id) {
        ScopedSystemWindowRecord record(id, ORV_RUNTIME_CLASS(CTestWindow));
        Route(ORVMsg(id, kSysWndOpen));
        CORVControl** field = MainWnd().GetSystemWindowField(id);
        auto* wnd = static_cast<CTestWindow*>(*field);
        ASSERT_NE(wnd, nullptr);
        wnd->Close();
        MainWnd().PumpPostedMessages();
        const bool closes = std::find(std::begin(kSysWndClosedOnRequest), std::end(kSysWndClosedOnRequest), id) !=
                            std::end(kSysWndClosedOnRequest);
        if (closes) {
            EXPECT_EQ(*field, nullptr) << id;
        } else {
            EXPECT_EQ(*field, wnd) << id << " closes through its own command";
            Route(ORVMsg(id, kSysWndClose));
        }
        EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    }
}

}  // namespace
