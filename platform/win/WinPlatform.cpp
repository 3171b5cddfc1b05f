// Windows platform layer: thin wrappers over the system calls.
#ifdef _WIN32

// <windows.h> first: its message and key numbers are the ones platform/WinTypes.h leaves alone.
#include <windows.h>
#include <imm.h>
#include <shellapi.h>
// The platform interface's own names, not KERNEL32's A/W macros.
#undef OutputDebugString
#undef ReplaceFile

#include "platform/win/WinPlatform.h"

#include <algorithm>
#include <cstring>

namespace orv::platform {
namespace {

SocketSet* g_pSocketSet = nullptr;

class WindowsPlatform final : public IPlatform {
public:
    // Sockets: the installed set's, or none.
    bool SocketStartup() override { return g_pSocketSet != nullptr ? g_pSocketSet->Startup() : IPlatform::SocketStartup(); }
    void SocketCleanup() override { g_pSocketSet != nullptr ? g_pSocketSet->Cleanup() : IPlatform::SocketCleanup(); }
    Socket SocketOpen() override { return g_pSocketSet != nullptr ? g_pSocketSet->Open() : IPlatform::SocketOpen(); }
    bool SocketSelect(Socket s, HWND hwnd, UINT msg, long mask) override
    {
        return g_pSocketSet != nullptr ? g_pSocketSet->Select(s, hwnd, msg, mask) : IPlatform::SocketSelect(s, hwnd, msg, mask);
    }
    int SocketConnect(Socket s, const char* ip, int port) override
    {
        return g_pSocketSet != nullptr ? g_pSocketSet->Connect(s, ip, port) : IPlatform::SocketConnect(s, ip, port);
    }
    int SocketSend(Socket s, const void* data, int len) override
    {
        return g_pSocketSet != nullptr ? g_pSocketSet->Send(s, data, len) : IPlatform::SocketSend(s, data, len);
    }
    int SocketRecv(Socket s, void* buf, int cap) override
    {
        return g_pSocketSet != nullptr ? g_pSocketSet->Recv(s, buf, cap) : IPlatform::SocketRecv(s, buf, cap);
    }
    void SocketClose(Socket s) override { g_pSocketSet != nullptr ? g_pSocketSet->Close(s) : IPlatform::SocketClose(s); }
    int SocketLastError() override { return g_pSocketSet != nullptr ? g_pSocketSet->LastError() : IPlatform::SocketLastError(); }
    void PollSocketEvents(std::vector<WindowMessage>* out, int timeoutMs) override
    {
        g_pSocketSet != nullptr ? g_pSocketSet->Poll(out, timeoutMs) : IPlatform::PollSocketEvents(out, timeoutMs);
    }

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

void InstallSocketSet(SocketSet* set)
{
    g_pSocketSet = set;
}

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
