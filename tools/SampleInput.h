// Mouse input of the sample programs, handed to the library as a host's window procedure hands it.
#pragma once

#include "framework/core/ORVMsg.h"
#include "maingame/orvane/ORVMgr.h"

namespace orv::sample {

// The lParam of a mouse message at (x, y).
inline LPARAM Pos(int x, int y)
{
    return static_cast<LPARAM>(PackPos(x, y));
}

// Moves the mouse to (x, y); true when the library used the message.
inline bool MoveMouse(CORVMgr& mgr, int x, int y)
{
    return mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(x, y));
}

// Moves the mouse to (x, y), presses and releases the left button there; true when the library
// used any of the three messages.
inline bool Click(CORVMgr& mgr, int x, int y)
{
    bool used = MoveMouse(mgr, x, y);
    used |= mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(x, y));
    used |= mgr.WndProc(nullptr, WM_LBUTTONUP, 0, Pos(x, y));
    return used;
}

// Moves the mouse to (x, y), presses and releases the right button there.
inline bool RightClick(CORVMgr& mgr, int x, int y)
{
    bool used = MoveMouse(mgr, x, y);
    used |= mgr.WndProc(nullptr, WM_RBUTTONDOWN, 2, Pos(x, y));
    used |= mgr.WndProc(nullptr, WM_RBUTTONUP, 0, Pos(x, y));
    return used;
}

// Presses the left button at (x0, y0), moves a little and then to (x1, y1), and releases it there:
// a drag and drop.
inline bool DragTo(CORVMgr& mgr, int x0, int y0, int x1, int y1)
{
    bool used = MoveMouse(mgr, x0, y0);
    used |= mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(x0, y0));
    used |= MoveMouse(mgr, x0 + 5, y0);
    used |= MoveMouse(mgr, x1, y1);
    used |= mgr.WndProc(nullptr, WM_LBUTTONUP, 0, Pos(x1, y1));
    return used;
}

}  // namespace orv::sample
