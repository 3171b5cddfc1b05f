// The main window's system windows as both builds have them, compiled into both test programs with
// each build's ids: 1 opens once, 2 toggles, 0 closes, anything else is a topic for the open
// window; a close request from a window empties its slot only where the build says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <iterator>

#include "shared/BothBuildsFixture.h"
#include "support/TestWindow.h"

namespace {

using namespace orv::test;

// The build's game window: its slot empties on the window's own close request.
constexpr u32 kGameWnd = kSysWndGameIds[0];

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

TEST_F(MainWndBothBuildsTest, WindowWithoutARecordCannotOpen)
{
    ScopedSystemWindowRecord none(kSysWndLastId, nullptr);
    EXPECT_TRUE(Route(ORVMsg(kSysWndLastId, kSysWndOpen)));
    EXPECT_EQ(MainWnd().GetSystemWindow(kSysWndLastId), nullptr);
    EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("no window class"));
}

// A window whose destructor routes a topic to its own slot: the field is already clear, so the
// dying window is not reached.
class CRoutingOnDeathWnd : public CTestWindow {
    ORV_DECLARE_RUNTIME_CLASS(CRoutingOnDeathWnd)
public:
    ~CRoutingOnDeathWnd() override
    {
        ORVMsg topic(kGameWnd, 41);
        CORVCtrlMgr::GetSingleton().RouteMessage(&topic);
        ORVMsg note(kSysWndFirstId, kSysWndClose);
        PostToManager(&note, 1);
    }
    bool ProcessMessage(ORVMsg* msg) override
    {
        ++s_nCalls;
        return CTestWindow::ProcessMessage(msg);
    }
    static int s_nCalls;
};
int CRoutingOnDeathWnd::s_nCalls = 0;
ORV_IMPLEMENT_RUNTIME_CLASS(CRoutingOnDeathWnd, CTestWindow)

TEST_F(MainWndBothBuildsTest, FieldIsClearedBeforeTheWindowDies)
{
    ScopedSystemWindowRecord game(kGameWnd, ORV_RUNTIME_CLASS(CRoutingOnDeathWnd));
    Route(ORVMsg(kGameWnd, kSysWndOpen));
    CRoutingOnDeathWnd::s_nCalls = 0;
    Route(ORVMsg(kGameWnd, kSysWndClose));
    EXPECT_EQ(CRoutingOnDeathWnd::s_nCalls, 0);
    EXPECT_EQ(MainWnd().GetSystemWindow(kGameWnd), nullptr);

    // The same at teardown: every window goes while the manager and its queue live.
    Route(ORVMsg(kGameWnd, kSysWndOpen));
    CtrlMgr().DestroyWindowTree();
    EXPECT_EQ(CRoutingOnDeathWnd::s_nCalls, 0);
    EXPECT_TRUE(MainWnd().m_lstChildren.empty());
    EXPECT_EQ(CtrlMgr().m_MsgQueue.GetPendingCount(), 0u);
}

// A window at one address at a time: the next one is built in the same bytes, as an allocator may
// hand a freed block out again.
class CReusedWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CReusedWnd)
public:
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept
    {
        return size <= sizeof(s_Storage) ? s_Storage : nullptr;
    }
    static void* operator new(std::size_t size) { return operator new(size, std::nothrow); }
    static void operator delete(void*) noexcept {}

private:
    alignas(std::max_align_t) static inline unsigned char s_Storage[1024];
};
ORV_IMPLEMENT_RUNTIME_CLASS(CReusedWnd, CORVWindow)

// A window asks to close, dies before the request is handed out, and a new window takes its
// address in the same frame: the stale request does not close the new window.
TEST_F(MainWndBothBuildsTest, StaleCloseRequestDoesNotCloseANewWindowAtTheSameAddress)
{
    ScopedSystemWindowRecord record(kGameWnd, ORV_RUNTIME_CLASS(CReusedWnd));
    Route(ORVMsg(kGameWnd, kSysWndOpen));
    auto* first = static_cast<CORVWindow*>(MainWnd().GetSystemWindow(kGameWnd));
    ASSERT_NE(first, nullptr);
    first->Close();                                      // close request posted, sender = first
    Route(ORVMsg(kGameWnd, kSysWndClose));        // first dies
    Route(ORVMsg(kGameWnd, kSysWndOpen));         // second, at the same address
    CORVControl* second = MainWnd().GetSystemWindow(kGameWnd);
    ASSERT_EQ(second, first);
    MainWnd().PumpPostedMessages();
    ASSERT_EQ(MainWnd().GetSystemWindow(kGameWnd), second);

    // A request from the live window still closes it.
    static_cast<CORVWindow*>(second)->Close();
    MainWnd().PumpPostedMessages();
    EXPECT_EQ(MainWnd().GetSystemWindow(kGameWnd), nullptr);
}

}  // namespace
