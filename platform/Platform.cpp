#include "platform/Platform.h"

#ifdef _WIN32
#include "platform/win/WinPlatform.h"
#endif

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include "platform/SocketForwarding.h"
#include "platform/posix/PosixSockets.h"
#endif

namespace orv::platform {

// ---- Defaults of the window-side calls: state held in-process. ----

void IPlatform::SetCapture(HWND hwnd) { m_hCapture = hwnd; }
HWND IPlatform::GetCapture() { return m_hCapture; }
void IPlatform::ReleaseCapture() { m_hCapture = nullptr; }

int IPlatform::ShowCursor(bool show)
{
    m_nCursorCount += show ? 1 : -1;
    return m_nCursorCount;
}

int IPlatform::NcHitTest(HWND, WPARAM, LPARAM) { return kHitClient; }

bool IPlatform::LocalTime(std::int64_t seconds, std::tm* out)
{
    if (out == nullptr) {
        return false;
    }
    std::tm parts{};
#ifdef _WIN32
    const __time64_t t = seconds;
    if (_localtime64_s(&parts, &t) != 0) {
        return false;
    }
#else
    const std::time_t t = static_cast<std::time_t>(seconds);
    if (static_cast<std::int64_t>(t) != seconds || localtime_r(&t, &parts) == nullptr) {
        return false;
    }
#endif
    *out = parts;
    return true;
}

void IPlatform::OpenLink(const char* url)
{
    // Bounded: the link comes from a help file.
    char line[300];
    std::snprintf(line, sizeof(line), "OpenLink: %.256s\n", url != nullptr ? url : "");
    OutputDebugString(line);
}

// ---- Defaults of the sockets: no network. ----

bool IPlatform::SocketStartup() { return false; }
void IPlatform::SocketCleanup() {}
Socket IPlatform::SocketOpen() { return kNoSocket; }
bool IPlatform::SocketSelect(Socket, HWND, UINT, long) { return false; }
int IPlatform::SocketConnect(Socket, const char*, int) { return -1; }
int IPlatform::SocketSend(Socket, const void*, int) { return -1; }
int IPlatform::SocketRecv(Socket, void*, int) { return -1; }
void IPlatform::SocketClose(Socket) {}
int IPlatform::SocketLastError() { return kSockErrConnAborted; }
void IPlatform::PollSocketEvents(std::vector<WindowMessage>*, int) {}
int IPlatform::Rand() { return std::rand() & 0x7FFF; }

namespace {

#ifndef _WIN32
// Native implementation for hosts without a desktop clipboard or input method of their own:
// a real monotonic clock and standard error for debug lines; the clipboard is held in-process
// and no input-method context exists.
class NativePlatform final : public SocketForwarding<PosixSockets> {
public:
    std::uint32_t GetTickCount() override
    {
        // <chrono> cannot be used: its C++20 unit suffixes do not encode in GBK.
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                                          static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u);
    }

    void OutputDebugString(const char* text) override
    {
        if (text != nullptr) {
            std::fputs(text, stderr);
        }
    }

    std::int16_t GetKeyState(int) override { return 0; }

    bool OpenClipboard() override
    {
        if (m_bOpen) {
            return false;
        }
        m_bOpen = true;
        return true;
    }
    bool EmptyClipboard() override
    {
        if (!m_bOpen) {
            return false;
        }
        m_strClipboard.clear();
        m_bHasText = false;
        return true;
    }
    bool SetClipboardText(const char* bytes, std::size_t len) override
    {
        if (!m_bOpen || bytes == nullptr) {
            return false;
        }
        m_strClipboard.assign(bytes, strnlen(bytes, len));
        m_bHasText = true;
        return true;
    }
    bool GetClipboardText(std::string* out) override
    {
        if (!m_bOpen || !m_bHasText || out == nullptr) {
            return false;
        }
        *out = m_strClipboard;
        return true;
    }
    void CloseClipboard() override { m_bOpen = false; }

    int GetImeResultString(HWND, char*, int) override { return -1; }

private:
    std::string m_strClipboard;
    bool m_bHasText = false;
    bool m_bOpen = false;
};

NativePlatform& NativeInstance()
{
    static NativePlatform s_Native;
    return s_Native;
}
#else
IPlatform& NativeInstance()
{
    return WinPlatform();
}
#endif

IPlatform* g_pActive = nullptr;

}  // namespace

#ifndef _WIN32
// (Windows: platform/win.)
void UseSystemSockets() {}

bool ReplaceFile(const char* from, const char* to)
{
    if (from == nullptr || to == nullptr) {
        return false;
    }
    return std::rename(from, to) == 0;
}
#endif

IPlatform& Native()
{
    return NativeInstance();
}

IPlatform& Get()
{
    // The native object is created on the first call whatever is installed, so that code which
    // creates its services in order (the control manager) has it created before itself.
    IPlatform& native = NativeInstance();
    return g_pActive != nullptr ? *g_pActive : native;
}

IPlatform* Install(IPlatform* p)
{
    IPlatform& native = NativeInstance();
    IPlatform* prev = g_pActive != nullptr ? g_pActive : &native;
    g_pActive = p;
    return prev;
}

}  // namespace orv::platform
