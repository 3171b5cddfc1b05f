#include "support/WindowInput.h"

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ORVMsg.h"

namespace orv::test {

LPARAM Pos(int x, int y)
{
    return static_cast<LPARAM>(PackPos(x, y));
}

bool SendWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return TranslateWindowMessage(nullptr, msg, wParam, lParam);
}

bool MouseMove(int x, int y) { return SendWindowMessage(WM_MOUSEMOVE, 0, Pos(x, y)); }
bool LButtonDown(int x, int y) { return SendWindowMessage(WM_LBUTTONDOWN, 1, Pos(x, y)); }
bool LButtonUp(int x, int y) { return SendWindowMessage(WM_LBUTTONUP, 0, Pos(x, y)); }
bool LDblClk(int x, int y) { return SendWindowMessage(WM_LBUTTONDBLCLK, 1, Pos(x, y)); }
bool RButtonDown(int x, int y) { return SendWindowMessage(WM_RBUTTONDOWN, 2, Pos(x, y)); }
bool RButtonUp(int x, int y) { return SendWindowMessage(WM_RBUTTONUP, 0, Pos(x, y)); }
bool RDblClk(int x, int y) { return SendWindowMessage(WM_RBUTTONDBLCLK, 2, Pos(x, y)); }
bool MButtonDown(int x, int y) { return SendWindowMessage(WM_MBUTTONDOWN, 0x10, Pos(x, y)); }
bool MButtonUp(int x, int y) { return SendWindowMessage(WM_MBUTTONUP, 0, Pos(x, y)); }

bool LClick(int x, int y)
{
    LButtonDown(x, y);
    return LButtonUp(x, y);
}

bool RClick(int x, int y)
{
    RButtonDown(x, y);
    return RButtonUp(x, y);
}

bool Wheel(int delta)
{
    const WPARAM wParam = static_cast<WPARAM>((static_cast<unsigned>(delta) & 0xFFFF) << 16);
    return SendWindowMessage(WM_MOUSEWHEEL, wParam, Pos(5000, 5000));   // screen coordinates: unused
}

bool KeyDown(int vk) { return SendWindowMessage(WM_KEYDOWN, static_cast<WPARAM>(vk), 0); }
bool KeyUp(int vk) { return SendWindowMessage(WM_KEYUP, static_cast<WPARAM>(vk), 0); }
bool Char(int code) { return SendWindowMessage(WM_CHAR, static_cast<WPARAM>(code), 0); }

bool ImeText(orv::platform::FakePlatform& fake, const std::string& bytes)
{
    fake.m_ImeResult = bytes;
    return SendWindowMessage(WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
}

}  // namespace orv::test
