// Windows input for tests of either build, through TranslateWindowMessage (the path each build's
// CORVMgr::WndProc takes while the game is open); each returns whether the framework handled it.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "platform/fake/FakePlatform.h"

namespace orv::test {

LPARAM Pos(int x, int y);
bool SendWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
bool MouseMove(int x, int y);
bool LButtonDown(int x, int y);
bool LButtonUp(int x, int y);
bool LClick(int x, int y);            // down and up at one point; the result of the up
bool LDblClk(int x, int y);
bool RButtonDown(int x, int y);
bool RButtonUp(int x, int y);
bool RClick(int x, int y);
bool RDblClk(int x, int y);
bool MButtonDown(int x, int y);
bool MButtonUp(int x, int y);
bool Wheel(int delta);                // Windows delta: +120 one notch away from the user
bool KeyDown(int vk);
bool KeyUp(int vk);
bool Char(int code);
// Input-method text: the fake's result string is set to bytes, then the composition message.
bool ImeText(orv::platform::FakePlatform& fake, const std::string& bytes);

}  // namespace orv::test
