// The fixture of the toolkit tests compiled into both test programs: a fake platform, the main
// window at the screen's corner with the build's size, and nothing of either build's host or
// renderer. Positions of Windows input are therefore main-window positions.
#pragma once

#include <gtest/gtest.h>

#include "BuildProfile.h"
#include "framework/control/ORVCtrlMgr.h"
#include "platform/fake/FakePlatform.h"
#include "support/ProbeControl.h"
#include "support/WindowInput.h"

namespace orv::test {

class BothBuildsTest : public ::testing::Test {
protected:
    BothBuildsTest()
    {
        CtrlMgr().DestroyWindowTree();
        if (MainWnd().m_nWidth == 0) {
            MainWnd().CreateAt(nullptr, 0, 0, kMainWndWidth, kMainWndHeight);
        }
        MainWnd().SetPos(0, 0);
        ProbeLog().clear();
    }
    ~BothBuildsTest() override
    {
        CtrlMgr().DestroyWindowTree();
        ProbeLog().clear();
    }
    static CORVCtrlMgr& CtrlMgr() { return CORVCtrlMgr::GetSingleton(); }
    static CORVMainWnd& MainWnd() { return CORVCtrlMgr::GetSingleton().m_MainWnd; }

    orv::platform::FakePlatform m_Fake;
};

}  // namespace orv::test
