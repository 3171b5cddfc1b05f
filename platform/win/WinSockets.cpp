// Winsock sockets with window-message notifications.
#ifdef _WIN32

#include <winsock2.h>
#include <windows.h>
#undef OutputDebugString

#include "platform/win/WinSockets.h"

#include <algorithm>
#include <utility>

namespace orv::platform {
namespace {

SOCKET ToSocket(Socket s)
{
    return static_cast<SOCKET>(static_cast<unsigned int>(s));
}

}  // namespace

bool WinSockets::Startup()
{
    WSADATA data;
    const int err = ::WSAStartup(MAKEWORD(2, 2), &data);
    m_nLastError = err;
    return err == 0;
}

void WinSockets::Cleanup()
{
    ::WSACleanup();
}

Socket WinSockets::Open()
{
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    // Handles are kept in 32 bits (the system guarantees it); anything else is refused.
    if (s == INVALID_SOCKET || s > 0x7FFFFFFF) {
        m_nLastError = s == INVALID_SOCKET ? ::WSAGetLastError() : kSockErrConnAborted;
        if (s != INVALID_SOCKET) {
            ::closesocket(s);
        }
        return kNoSocket;
    }
    u_long nonBlocking = 1;
    ::ioctlsocket(s, FIONBIO, &nonBlocking);
    const BOOL noDelay = TRUE;
    ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof(noDelay));
    return static_cast<Socket>(s);
}

HWND WinSockets::HiddenWindow()
{
    if (m_hHidden == nullptr) {
        static const char kClass[] = "OrvaneSocketWindow";
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        ::RegisterClassA(&wc);   // a second registration fails harmlessly
        m_hHidden = ::CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    return m_hHidden;
}

bool WinSockets::Select(Socket s, HWND hwnd, UINT msg, long eventMask)
{
    if (s < 0) {
        return false;
    }
    // A handle that names no window (none given, or one already gone) cannot receive them.
    const HWND target = hwnd != nullptr && ::IsWindow(hwnd) ? hwnd : HiddenWindow();
    if (target == nullptr || ::WSAAsyncSelect(ToSocket(s), target, msg, eventMask) != 0) {
        m_nLastError = ::WSAGetLastError();
        return false;
    }
    m_mapWatch[s] = Watch{hwnd, target, msg};
    return true;
}

int WinSockets::Connect(Socket s, const char* ip, int port)
{
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = ::htons(static_cast<u_short>(port & 0xFFFF));
    addr.sin_addr.s_addr = ip != nullptr ? ::inet_addr(ip) : INADDR_NONE;
    if (::connect(ToSocket(s), reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0) {
        return 0;
    }
    m_nLastError = ::WSAGetLastError();
    return -1;
}

int WinSockets::Send(Socket s, const void* data, int len)
{
    WSABUF buf;
    buf.len = static_cast<ULONG>(len > 0 ? len : 0);
    buf.buf = static_cast<char*>(const_cast<void*>(data));
    DWORD sent = 0;
    if (::WSASend(ToSocket(s), &buf, 1, &sent, 0, nullptr, nullptr) != 0) {
        m_nLastError = ::WSAGetLastError();
        return -1;
    }
    return static_cast<int>(sent);
}

int WinSockets::Recv(Socket s, void* buf, int cap)
{
    WSABUF wb;
    wb.len = static_cast<ULONG>(cap > 0 ? cap : 0);
    wb.buf = static_cast<char*>(buf);
    DWORD got = 0;
    DWORD flags = 0;
    if (::WSARecv(ToSocket(s), &wb, 1, &got, &flags, nullptr, nullptr) != 0) {
        m_nLastError = ::WSAGetLastError();
        return -1;
    }
    return static_cast<int>(got);
}

void WinSockets::Close(Socket s)
{
    if (s < 0) {
        return;
    }
    ::shutdown(ToSocket(s), SD_BOTH);
    ::closesocket(ToSocket(s));
    // The system reuses handle numbers at once: notifications of this socket still queued would
    // reach the next socket given the same number. They are taken out of the queue now; the other
    // sockets' notifications taken with them are posted again, each socket's in its order.
    const auto it = m_mapWatch.find(s);
    if (it == m_mapWatch.end()) {
        return;
    }
    const Watch w = it->second;
    m_mapWatch.erase(it);
    std::vector<MSG>& others = m_vRequeue;
    others.clear();
    MSG m;
    while (::PeekMessageA(&m, w.target, w.msg, w.msg, PM_REMOVE)) {
        if (static_cast<Socket>(m.wParam) != s) {
            others.push_back(m);
        }
    }
    for (const MSG& o : others) {
        ::PostMessageA(w.target, o.message, o.wParam, o.lParam);
    }
}

bool WinSockets::Take(std::vector<WindowMessage>* out)
{
    // Each (window, message) queue once, in order.
    std::vector<std::pair<HWND, UINT>>& queues = m_vQueues;
    queues.clear();
    for (const auto& [s, w] : m_mapWatch) {
        queues.emplace_back(w.target, w.msg);
    }
    std::sort(queues.begin(), queues.end());
    queues.erase(std::unique(queues.begin(), queues.end()), queues.end());
    bool took = false;
    for (const auto& [target, msg] : queues) {
        MSG m;
        while (::PeekMessageA(&m, target, msg, msg, PM_REMOVE)) {
            // A notification of a socket closed since is dropped, as closing promises.
            const auto it = m_mapWatch.find(static_cast<Socket>(m.wParam));
            if (it == m_mapWatch.end() || it->second.target != target) {
                continue;
            }
            out->push_back(WindowMessage{it->second.hwnd, m.message, m.wParam, m.lParam});
            took = true;
        }
    }
    return took;
}

void WinSockets::Poll(std::vector<WindowMessage>* out, int timeoutMs)
{
    if (out == nullptr || m_mapWatch.empty()) {
        return;
    }
    if (Take(out) || timeoutMs <= 0) {
        return;
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_POSTMESSAGE);
    Take(out);
}

void UseSystemSockets()
{
    static WinSockets s_Sockets;
    InstallSocketSet(&s_Sockets);
}

}  // namespace orv::platform

#endif
