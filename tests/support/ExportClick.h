// A left click on a control as the host delivers it: mouse move, button down and up at the
// control's centre handed to CORVMgr::WndProc, then a frame (CORVMgr::Render) for the messages
// the click posted. Everything it causes happens inside an export of the host-drawn library.
#pragma once

#include "framework/control/ORVControl.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/WindowInput.h"

namespace orv::test {

inline void ClickThroughExports(const CORVControl* ctrl)
{
    if (ctrl == nullptr) {
        return;
    }
    const LPARAM at = Pos(ctrl->m_nAbsX + ctrl->m_nWidth / 2, ctrl->m_nAbsY + ctrl->m_nHeight / 2);
    CORVMgr& mgr = CORVMgr::GetSingleton();
    mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, at);
    mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, at);
    mgr.WndProc(nullptr, WM_LBUTTONUP, 0, at);
    mgr.Render();
}

}  // namespace orv::test
