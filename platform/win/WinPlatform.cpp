// Windows platform layer: thin wrappers over the system calls.
#ifdef _WIN32

// <windows.h> first: its message and key numbers are the ones platform/WinTypes.h leaves alone
// (and <winsock2.h> before it).
#include <winsock2.h>
#include <windows.h>
#include <imm.h>
#include <shellapi.h>
// The platform interface's own names, not KERNEL32's A/W macros.
#undef OutputDebugString
#undef ReplaceFile

#include "platform/win/WinPlatform.h"
#include "platform/win/WinSockets.h"
#include "platform/SocketForwarding.h"

#include <algorithm>
#include <cstring>

namespace orv::platform {
namespace {

class WindowsPlatform final : public SocketForwarding<WinSockets> {
public:
    std::uint32_t GetTickCount() override { return ::GetTickCount(); }

    void OutputDebugString(const char* text) override
    {
        if (text != nullptr) {
            ::OutputDebugStringA(text);
        }
    }

    std::int16_t GetKeyState(int virtualKey) override { return ::GetKeyState(virtualKey); }

    // The clipboard is opened without an owner window, as the toolkit always does.
    bool OpenClipboard() override { return ::OpenClipboard(nullptr) != FALSE; }
    bool EmptyClipboard() override { return ::EmptyClipboard() != FALSE; }

    bool SetClipboardText(const char* bytes, std::size_t len) override
    {
        if (bytes == nullptr) {
            return false;
        }
        const std::size_t n = strnlen(bytes, len);
        // Zeroed, so the byte after the text is its NUL.
        HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, n + 1);
        if (mem == nullptr) {
            return false;
        }
        void* dst = ::GlobalLock(mem);
        if (dst == nullptr) {
            ::GlobalFree(mem);
            return false;
        }
        std::memcpy(dst, bytes, n);
        ::GlobalUnlock(mem);
        // On success the clipboard owns the memory; otherwise it is still ours.
        if (::SetClipboardData(CF_TEXT, mem) == nullptr) {
            ::GlobalFree(mem);
            return false;
        }
        return true;
    }

    bool GetClipboardText(std::string* out) override
    {
        if (out == nullptr) {
            return false;
        }
        HANDLE mem = ::GetClipboardData(CF_TEXT);
        if (mem == nullptr) {
            return false;
        }
        const SIZE_T size = ::GlobalSize(mem);
        const char* src = static_cast<const char*>(::GlobalLock(mem));
        if (src == nullptr) {
            return false;
        }
        // Another program's data: never read past its block, even without a NUL.
        out->assign(src, strnlen(src, size));
        ::GlobalUnlock(mem);
        return true;
    }

    void CloseClipboard() override { ::CloseClipboard(); }

    int GetImeResultString(HWND hWnd, char* buf, int cap) override
    {
        HIMC context = ::ImmGetContext(hWnd);
        if (context == nullptr) {
            return -1;
        }
        LONG got = 0;
        if (buf != nullptr && cap > 0) {
            got = ::ImmGetCompositionStringA(context, GCS_RESULTSTR, buf, static_cast<DWORD>(cap));
        }
        ::ImmReleaseContext(hWnd, context);
        // Errors (IMM_ERROR_NODATA, IMM_ERROR_GENERAL) are negative: no text.
        return std::clamp<LONG>(got, 0, cap > 0 ? cap : 0);
    }

    void SetCapture(HWND hwnd) override { ::SetCapture(hwnd); }
    HWND GetCapture() override { return ::GetCapture(); }
    void ReleaseCapture() override { ::ReleaseCapture(); }
    int ShowCursor(bool show) override { return ::ShowCursor(show ? TRUE : FALSE); }
    int NcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) override
    {
        return static_cast<int>(::DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam));
    }
    // The browser the game names, given the link as its parameter; a failing start is ignored.
    void OpenLink(const char* url) override
    {
        if (url != nullptr) {
            ::ShellExecuteA(nullptr, "open", "iexplore.exe", url, nullptr, SW_SHOW);
        }
    }
};

}  // namespace

IPlatform& WinPlatform()
{
    static WindowsPlatform s_Platform;
    return s_Platform;
}

bool ReplaceFile(const char* from, const char* to)
{
    if (from == nullptr || to == nullptr) {
        return false;
    }
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace orv::platform

#endif
