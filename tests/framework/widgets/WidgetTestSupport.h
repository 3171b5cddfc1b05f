// Shared by the scroll-bar, drop-down and edit tests: the library attached, the game open and a
// 400 x 300 record window at (10, 20) in the main window (which sits at (112, 84) on the
// 1024 x 768 host), so a child at (x, y) in it is at (x + 122, y + 104) on the screen.
#pragma once

#include "framework/widgets/ButtonTestSupport.h"
#include "support/TestHarness.h"

namespace orv::test {

class WidgetTest : public LibraryTest {
protected:
    static constexpr int kWndAbsX = 122;
    static constexpr int kWndAbsY = 104;

    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        OpenGame();
        m_pWnd = new CRecordWnd();
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), 10, 20, 400, 300);
    }

    CRecordWnd* m_pWnd = nullptr;
};

}  // namespace orv::test
