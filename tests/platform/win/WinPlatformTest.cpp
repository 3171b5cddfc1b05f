// The Windows platform layer against the system's own calls (run under wine on Linux).
#ifdef _WIN32

#include <windows.h>
#include <imm.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/text/TextUtil.h"
#include "platform/Platform.h"

namespace {

orv::platform::IPlatform& Native()
{
    return orv::platform::Get();
}

// The clipboard's CF_TEXT bytes read through the layer; false (out untouched) when there are none.
bool ReadClipboard(std::string* out)
{
    if (!Native().OpenClipboard()) {
        return false;
    }
    const bool ok = Native().GetClipboardText(out);
    Native().CloseClipboard();
    return ok;
}

TEST(WinPlatform, TickCountIsTheSystemClock)
{
    const std::uint32_t before = Native().GetTickCount();
    EXPECT_LE(::GetTickCount() - before, 1000u);   // the same clock, whatever its wrap
    ::Sleep(60);
    const std::uint32_t elapsed = Native().GetTickCount() - before;
    EXPECT_GE(elapsed, 40u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(WinPlatform, ClipboardRoundTripKeepsGbkBytesAndEndsAtTheFirstNul)
{
    // The toolkit's copy puts CF_TEXT on the system clipboard; the layer reads it back.
    const std::vector<char> text = {'\xD6', '\xD0', 'a', 'b', '\0', 'z'};
    ASSERT_TRUE(CopyToClipboard(text.data(), static_cast<int>(text.size())));
    std::string got;
    ASSERT_TRUE(ReadClipboard(&got));
    EXPECT_EQ(got, std::string("\xD6\xD0" "ab"));

    // Another writer's text (through the system calls directly) reads the same way.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ASSERT_TRUE(::EmptyClipboard());
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(mem, nullptr);
    std::memcpy(::GlobalLock(mem), "xyz", 4);
    ::GlobalUnlock(mem);
    ASSERT_NE(::SetClipboardData(CF_TEXT, mem), nullptr);
    ::CloseClipboard();
    ASSERT_TRUE(ReadClipboard(&got));
    EXPECT_EQ(got, "xyz");

    // Emptied: no text to read, and the layer says so.
    ASSERT_TRUE(Native().OpenClipboard());
    ASSERT_TRUE(Native().EmptyClipboard());
    Native().CloseClipboard();
    got = "kept";
    EXPECT_FALSE(ReadClipboard(&got));
    EXPECT_EQ(got, "kept");

    // Steps out of order fail instead of touching a clipboard that is not open.
    EXPECT_FALSE(Native().EmptyClipboard());
    EXPECT_FALSE(Native().SetClipboardText("q", 1));
}

TEST(WinPlatform, KeyStateFollowsTheThreadsKeyboard)
{
    BYTE keys[256] = {};
    ASSERT_TRUE(::GetKeyboardState(keys));
    BYTE down[256];
    std::memcpy(down, keys, sizeof(down));
    down[VK_CONTROL] = 0x80;
    ASSERT_TRUE(::SetKeyboardState(down));
    EXPECT_NE(Native().GetKeyState(VK_CONTROL) & 0x8000, 0);
    EXPECT_EQ(IsCtrlDown(), 1);

    down[VK_CONTROL] = 0;
    ASSERT_TRUE(::SetKeyboardState(down));
    EXPECT_EQ(Native().GetKeyState(VK_CONTROL) & 0x8000, 0);
    EXPECT_EQ(IsCtrlDown(), 0);
    ::SetKeyboardState(keys);
}

// A top-level window (the input method is bound to one): needs a display (Xvfb under wine).
class WinImeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvaneImeProbe";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "ime", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr) << "no top-level window: run under a display (xvfb-run)";
    }
    void TearDown() override
    {
        if (m_hWnd != nullptr) {
            ::DestroyWindow(m_hWnd);
        }
    }
    HWND m_hWnd = nullptr;
};

TEST_F(WinImeTest, ResultStringOfTheWindowsContext)
{
    char buf[64];
    EXPECT_EQ(Native().GetImeResultString(nullptr, buf, sizeof(buf)), -1);   // no window, no context
    EXPECT_EQ(Native().GetImeResultString(m_hWnd, buf, sizeof(buf)), 0);     // nothing composed yet

    // A finished composition: its result string in the ANSI code page (GBK under code page 936).
    const wchar_t typed[] = L"\u4E2Dzq";
    HIMC context = ::ImmGetContext(m_hWnd);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(::ImmSetOpenStatus(context, TRUE));
    ASSERT_TRUE(::ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(typed),
                                           sizeof(typed) - sizeof(wchar_t), nullptr, 0));
    ASSERT_TRUE(::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
    ::ImmReleaseContext(m_hWnd, context);
    char expected[16];
    const int n = ::WideCharToMultiByte(CP_ACP, 0, typed, 3, expected, sizeof(expected), nullptr, nullptr);
    ASSERT_GT(n, 0);
    const int got = Native().GetImeResultString(m_hWnd, buf, sizeof(buf));
    ASSERT_GE(got, 0);
    EXPECT_EQ(std::string(buf, got), std::string(expected, n));

    // A smaller buffer is never written past.
    char small[3] = {0, 0, '#'};
    const int cut = Native().GetImeResultString(m_hWnd, small, 2);
    EXPECT_GE(cut, 0);
    EXPECT_LE(cut, 2);
    EXPECT_EQ(small[2], '#');
}

}  // namespace

#endif
