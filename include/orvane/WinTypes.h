// Windows scalar types and message numbers that cross the host boundary (part of the installed
// headers). On Windows the types come from the system headers; elsewhere they are declared here
// with the same widths. The message and key numbers are the system's values.
#pragma once

#include <cstdint>

#ifdef _WIN32
// The scalar types only: <windows.h> would bring USER32's A/W name macros (DrawText,
// OutputDebugString, ...) into every file that names a window type.
#include <windef.h>
#else
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD = std::uint32_t;
using BOOL = int;
#endif

#ifndef WM_KEYDOWN
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_IME_COMPOSITION 0x010F
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_RBUTTONDBLCLK 0x0206
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MOUSEWHEEL 0x020A
#define WM_USER 0x0400
#define WM_NCHITTEST 0x0084
#endif
// The key-state flags in the low word of a mouse message's wParam (a button press carries its
// button's flag). The library takes the position from lParam and does not read these flags.
#ifndef MK_LBUTTON
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_MBUTTON 0x0010
#endif
#ifndef GCS_RESULTSTR
#define GCS_RESULTSTR 0x0800
#endif

#ifndef VK_BACK
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E
#endif
