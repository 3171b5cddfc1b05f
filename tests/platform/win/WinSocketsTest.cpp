// Sockets of the Windows platform layer: Winsock with WSAAsyncSelect notifications, taken from a
// real window's queue (the layer's own hidden window, or the caller's).
#ifdef _WIN32

#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace {

using orv::platform::Native;
using orv::platform::UseSystemSockets;
using orv::platform::Socket;
using orv::platform::WindowMessage;

constexpr UINT kNotify = WM_USER + 100;
constexpr long kEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;

// A loopback listener of the test's own, through Winsock directly.
class Listener {
public:
    Listener()
    {
        m_Socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = ::inet_addr("127.0.0.1");
        int len = sizeof(addr);
        if (::bind(m_Socket, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0 && ::listen(m_Socket, 4) == 0 &&
            ::getsockname(m_Socket, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
            m_nPort = ::ntohs(addr.sin_port);
        }
    }
    ~Listener()
    {
        if (m_Peer != INVALID_SOCKET) {
            ::closesocket(m_Peer);
        }
        ::closesocket(m_Socket);
    }
    SOCKET Accept() { return m_Peer = ::accept(m_Socket, nullptr, nullptr); }

    SOCKET m_Socket = INVALID_SOCKET;
    SOCKET m_Peer = INVALID_SOCKET;
    int m_nPort = 0;
};

class WinSocketsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSystemSockets();
        ASSERT_TRUE(Native().SocketStartup());
    }
    void TearDown() override
    {
        if (m_Socket != orv::platform::kNoSocket) {
            Native().SocketClose(m_Socket);
        }
        Native().SocketCleanup();
    }

    // The next notifications, waiting up to about a second for them.
    std::vector<WindowMessage> Next()
    {
        std::vector<WindowMessage> out;
        for (int i = 0; i < 50 && out.empty(); ++i) {
            Native().PollSocketEvents(&out, 20);
        }
        return out;
    }
    static std::uint32_t Event(const WindowMessage& m) { return static_cast<std::uint32_t>(m.lParam) & 0xFFFF; }
    static int Error(const WindowMessage& m) { return static_cast<int>((static_cast<std::uint32_t>(m.lParam) >> 16) & 0xFFFF); }

    // A message-only window of the caller's, of its own window class.
    static HWND ProbeWindow(const char* className)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        ::RegisterClassA(&wc);
        return ::CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }

    Socket m_Socket = orv::platform::kNoSocket;
};

TEST_F(WinSocketsTest, ConnectReadAndCloseArriveAsMessagesOfTheLayersOwnWindow)
{
    Listener server;
    ASSERT_NE(server.m_nPort, 0);
    m_Socket = Native().SocketOpen();
    ASSERT_NE(m_Socket, orv::platform::kNoSocket);
    ASSERT_TRUE(Native().SocketSelect(m_Socket, nullptr, kNotify, kEvents));
    if (Native().SocketConnect(m_Socket, "127.0.0.1", server.m_nPort) != 0) {
        EXPECT_EQ(Native().SocketLastError(), orv::platform::kSockErrWouldBlock);
    }

    std::vector<WindowMessage> got = Next();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0].hwnd, nullptr);   // as selected
    EXPECT_EQ(got[0].msg, kNotify);
    EXPECT_EQ(static_cast<Socket>(got[0].wParam), m_Socket);
    EXPECT_EQ(Event(got[0]), orv::platform::kSockEventConnect);
    EXPECT_EQ(Error(got[0]), 0);

    ASSERT_NE(server.Accept(), INVALID_SOCKET);
    ASSERT_EQ(::send(server.m_Peer, "hello", 5, 0), 5);
    bool readSeen = false;
    for (int i = 0; i < 5 && !readSeen; ++i) {
        for (const WindowMessage& m : Next()) {
            readSeen |= Event(m) == orv::platform::kSockEventRead;
        }
    }
    ASSERT_TRUE(readSeen);
    char buf[16];
    ASSERT_EQ(Native().SocketRecv(m_Socket, buf, sizeof(buf)), 5);
    EXPECT_EQ(std::string(buf, 5), "hello");

    ASSERT_EQ(Native().SocketSend(m_Socket, "ok", 2), 2);
    char peerBuf[4];
    EXPECT_EQ(::recv(server.m_Peer, peerBuf, sizeof(peerBuf), 0), 2);

    // The peer ends: a close notification, then reads of 0.
    ::closesocket(server.m_Peer);
    server.m_Peer = INVALID_SOCKET;
    bool closeSeen = false;
    for (int i = 0; i < 5 && !closeSeen; ++i) {
        for (const WindowMessage& m : Next()) {
            closeSeen |= Event(m) == orv::platform::kSockEventClose;
        }
    }
    EXPECT_TRUE(closeSeen);
    EXPECT_EQ(Native().SocketRecv(m_Socket, buf, sizeof(buf)), 0);
}

TEST_F(WinSocketsTest, RefusedConnectionAndTheCallersWindow)
{
    // A message-only window of the caller's: the notification names it.
    HWND window = ProbeWindow("OrvaneSocketProbe");
    ASSERT_NE(window, nullptr);

    // A port nobody listens on: the listener is closed before the connection starts.
    int port = 0;
    {
        Listener gone;
        port = gone.m_nPort;
    }
    m_Socket = Native().SocketOpen();
    ASSERT_TRUE(Native().SocketSelect(m_Socket, window, kNotify, kEvents));
    EXPECT_EQ(Native().SocketConnect(m_Socket, "127.0.0.1", port), -1);

    std::vector<WindowMessage> got = Next();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0].hwnd, window);
    EXPECT_EQ(Event(got[0]), orv::platform::kSockEventConnect);
    EXPECT_EQ(Error(got[0]), orv::platform::kSockErrRefused);

    // Notifications still queued for a socket closed since are not handed out.
    Listener server;
    m_Socket = Native().SocketOpen();
    ASSERT_TRUE(Native().SocketSelect(m_Socket, window, kNotify, kEvents));
    Native().SocketConnect(m_Socket, "127.0.0.1", server.m_nPort);
    ::Sleep(200);   // the connect notification is posted meanwhile
    Native().SocketClose(m_Socket);
    m_Socket = orv::platform::kNoSocket;
    std::vector<WindowMessage> after;
    Native().PollSocketEvents(&after, 50);
    EXPECT_TRUE(after.empty());
    ::DestroyWindow(window);
}

// The system gives a closed socket's number to the next socket at once: closing takes the closed
// socket's queued notifications out of the queue, and leaves the others' in their order.
TEST_F(WinSocketsTest, ClosingEmptiesTheQueueOfTheClosedSocketsNotifications)
{
    HWND window = ProbeWindow("OrvaneSocketQueueProbe");
    ASSERT_NE(window, nullptr);
    const Socket closing = Native().SocketOpen();
    m_Socket = Native().SocketOpen();
    ASSERT_TRUE(Native().SocketSelect(closing, window, kNotify, kEvents));
    ASSERT_TRUE(Native().SocketSelect(m_Socket, window, kNotify, kEvents));
    const auto post = [&](Socket s, long event) {
        ::PostMessageA(window, kNotify, static_cast<WPARAM>(s), static_cast<LPARAM>(event));
    };
    post(closing, FD_CONNECT);
    post(m_Socket, FD_CONNECT);
    post(closing, FD_READ);
    post(m_Socket, FD_READ);
    Native().SocketClose(closing);

    std::vector<std::pair<WPARAM, LPARAM>> queued;
    MSG m;
    while (::PeekMessageA(&m, window, kNotify, kNotify, PM_REMOVE)) {
        queued.emplace_back(m.wParam, m.lParam);
    }
    const std::vector<std::pair<WPARAM, LPARAM>> expected = {
        {static_cast<WPARAM>(m_Socket), FD_CONNECT}, {static_cast<WPARAM>(m_Socket), FD_READ}};
    EXPECT_EQ(queued, expected);
    ::DestroyWindow(window);
}

}  // namespace

#endif
