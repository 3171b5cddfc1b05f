// The library's only door to the operating system. Every call that Windows would answer
// (tick count, debug output, key state, clipboard, input-method text) goes through the
// active IPlatform. The default is the native implementation; tests install a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace orv::platform {

// A socket of the platform layer; kNoSocket is "none" (0 is a valid descriptor on some systems).
using Socket = int;
inline constexpr Socket kNoSocket = -1;

// Socket notification events (the low word of a notification) and the error codes in its high word.
inline constexpr std::uint32_t kSockEventRead = 1;
inline constexpr std::uint32_t kSockEventWrite = 2;
inline constexpr std::uint32_t kSockEventConnect = 16;
inline constexpr std::uint32_t kSockEventClose = 32;
inline constexpr int kSockErrWouldBlock = 10035;
inline constexpr int kSockErrConnAborted = 10053;
inline constexpr int kSockErrConnReset = 10054;
inline constexpr int kSockErrTimedOut = 10060;
inline constexpr int kSockErrRefused = 10061;
inline constexpr int kSockErrNetUnreach = 10051;
inline constexpr int kSockErrHostUnreach = 10065;

// WM_NCHITTEST's answer for the client area.
inline constexpr int kHitClient = 1;

// One window message the platform produced for the host's loop to hand on (socket notifications:
// wParam the socket, lParam the event | error << 16).
struct WindowMessage {
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class IPlatform {
public:
    virtual ~IPlatform() = default;

    // Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount's role).
    virtual std::uint32_t GetTickCount() = 0;

    // One debug line, as given (OutputDebugStringA's role).
    virtual void OutputDebugString(const char* text) = 0;

    // GetKeyState's value for a virtual-key code: bit 15 set (value & 0x8000, also 0x100
    // for Ctrl as the toolkit tests it) while the key is down.
    virtual std::int16_t GetKeyState(int virtualKey) = 0;

    // Clipboard, in the order the toolkit uses it: open, [empty, set] or [get], close.
    // Texts are CF_TEXT bytes: a byte string that ends at its first NUL.
    virtual bool OpenClipboard() = 0;
    virtual bool EmptyClipboard() = 0;
    virtual bool SetClipboardText(const char* bytes, std::size_t len) = 0;
    virtual bool GetClipboardText(std::string* out) = 0;
    virtual void CloseClipboard() = 0;

    // The input method's result string of the current composition of window hWnd, copied into buf
    // (at most cap bytes). Returns the number of bytes copied, or -1 when the window has no
    // input-method context.
    virtual int GetImeResultString(HWND hWnd, char* buf, int cap) = 0;

    // A pseudo-random number from 0 to 32767: the C runtime's rand, on POSIX and Windows alike.
    virtual int Rand();

    // ---- Window-side calls of the engine-drawn build. The defaults keep the state in-process. ----

    // Mouse capture of a window (SetCapture / GetCapture / ReleaseCapture).
    virtual void SetCapture(HWND hwnd);
    virtual HWND GetCapture();
    virtual void ReleaseCapture();
    // ShowCursor: raises (show) or lowers the cursor display count; returns the new count.
    virtual int ShowCursor(bool show);
    // DefWindowProc's answer to WM_NCHITTEST at lParam's screen position.
    virtual int NcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Opens a web address in the system's browser (ShellExecuteA's role); a failing start is
    // ignored. The default, for systems without one, only writes a debug line naming the link.
    virtual void OpenLink(const char* url);

    // ---- Local time (_localtime64's role). The default is the C library's, in the process's zone. ----

    // The broken-down local time of a moment in seconds since 1970; false (out untouched) when
    // the moment cannot be converted.
    virtual bool LocalTime(std::int64_t seconds, std::tm* out);

    // ---- Sockets: TCP over IPv4, non-blocking, notifications as window messages. ----
    // The defaults have no network: start-up fails and nothing can be opened.

    // WSAStartup / WSACleanup.
    virtual bool SocketStartup();
    virtual void SocketCleanup();
    // A non-blocking TCP socket with small writes leaving at once; kNoSocket on failure.
    virtual Socket SocketOpen();
    // Notifies (hwnd, msg, socket, event | error << 16) for the events in eventMask, from now on.
    virtual bool SocketSelect(Socket s, HWND hwnd, UINT msg, long eventMask);
    // Starts connecting to a dotted IPv4 address; 0 when connected at once, -1 otherwise (then
    // SocketLastError is kSockErrWouldBlock while the connection is under way).
    virtual int SocketConnect(Socket s, const char* ip, int port);
    // Bytes taken or read, -1 on error (SocketLastError tells which); a read of 0: the peer closed.
    // Sending never raises a signal.
    virtual int SocketSend(Socket s, const void* data, int len);
    virtual int SocketRecv(Socket s, void* buf, int cap);
    // Shuts both directions and closes; no notification for it follows.
    virtual void SocketClose(Socket s);
    virtual int SocketLastError();
    // Appends the notifications due now to out; waits up to timeoutMs for one when none is due.
    virtual void PollSocketEvents(std::vector<WindowMessage>* out, int timeoutMs);

private:
    HWND m_hCapture = nullptr;
    int m_nCursorCount = 0;
};

// The active platform; never null.
IPlatform& Get();

// Moves the file from over the file to, replacing it in one step; false (and to untouched) on failure.
bool ReplaceFile(const char* from, const char* to);

// Gives the native platform the system's sockets, before the first socket call of a program that
// opens sockets. (POSIX: they are always there. Windows: Winsock, whose library and WS2_32 only
// such a program links.)
void UseSystemSockets();

// The native implementation, whichever platform is active (a fake may hand calls on to it).
IPlatform& Native();

// Installs p as the active platform (null restores the native one). Returns the previous one.
IPlatform* Install(IPlatform* p);

}  // namespace orv::platform
