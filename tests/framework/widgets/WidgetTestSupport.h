// Shared by the widget and system-window tests: the library attached, the game open and a record
// window laid over the main window (which sits at (112, 84) on the 1024 x 768 host).
#pragma once

#include <gtest/gtest.h>

#include "framework/widgets/ButtonTestSupport.h"
#include "support/TestHarness.h"

namespace orv::test {

class RecordWindowTest : public LibraryTest {
protected:
    // Attaches the library, opens the game and puts the record window at (x, y), w x h, in the
    // main window, above the main window's other children.
    void OpenWithRecordWindow(int x, int y, int w, int h)
    {
        Attach();
        OpenGame();
        m_pWnd = new CRecordWnd();
        MainWnd().AddChild(m_pWnd, false);
        m_pWnd->CreateAt(&MainWnd(), x, y, w, h);
    }

    // A left click just inside the control's corner.
    static void ClickOn(CORVControl* ctrl)
    {
        ASSERT_NE(ctrl, nullptr);
        LClick(ctrl->m_nAbsX + 3, ctrl->m_nAbsY + 3);
    }

    CRecordWnd* m_pWnd = nullptr;
};

// A 400 x 300 record window at (10, 20) in the main window, so a child at (x, y) in it is at
// (x + 122, y + 104) on the screen.
class WidgetTest : public RecordWindowTest {
protected:
    static constexpr int kWndAbsX = 122;
    static constexpr int kWndAbsY = 104;

    void SetUp() override
    {
        LibraryTest::SetUp();
        OpenWithRecordWindow(10, 20, 400, 300);
    }
};

}  // namespace orv::test
