// The engine-drawn build's half of CORVMgr::WndProc: the window messages the toolkit's translation
// does not know (the socket notification, the hit test that hides or shows the system cursor) and
// the mouse capture around the left button; everything else goes on to TranslateWindowMessage.
#pragma once

#include "framework/core/OrvTypes.h"
#include "platform/WinTypes.h"

bool TranslateEngineMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// 0 while the system cursor is hidden over the client area (the library draws its own), else 1.
extern u8 g_bSystemCursor;
