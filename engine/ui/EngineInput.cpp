#include "engine/ui/EngineInput.h"

#include "engine/Net.h"
#include "framework/control/ORVCtrlMgr.h"
#include "platform/Platform.h"

// The Garden screen hides the system cursor; until the first hit test the library's own is drawn.
u8 g_bSystemCursor = 0;

namespace {

// Hit test: over the client area the system cursor goes (display count below 0), elsewhere it
// comes back (count 0 or more).
void FollowHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    orv::platform::IPlatform& p = orv::platform::Get();
    // Bounded: a platform whose count does not move cannot hold the window thread.
    constexpr int kMaxSteps = 256;
    if (p.NcHitTest(hwnd, wParam, lParam) == orv::platform::kHitClient) {
        g_bSystemCursor = 0;
        for (int i = 0; i < kMaxSteps && p.ShowCursor(false) >= 0; ++i) {
        }
    } else {
        g_bSystemCursor = 1;
        for (int i = 0; i < kMaxSteps && p.ShowCursor(true) < 0; ++i) {
        }
    }
}

}  // namespace

bool TranslateEngineMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    orv::platform::IPlatform& p = orv::platform::Get();
    switch (msg) {
    case kSocketMessage:
        GetGameNet().OnSocketEvent(wParam, lParam);
        return true;
    case WM_NCHITTEST:
        FollowHitTest(hwnd, wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        if (p.GetCapture() != hwnd) {
            p.SetCapture(hwnd);
        }
        break;
    case WM_LBUTTONUP:
        p.ReleaseCapture();
        break;
    default:
        break;
    }
    return TranslateWindowMessage(hwnd, msg, wParam, lParam);
}
