#include "platform/posix/PosixSockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace orv::platform {

int SocketErrorFromErrno(int err)
{
    switch (err) {
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
    case EINPROGRESS:
        return kSockErrWouldBlock;
    case ECONNREFUSED:
        return kSockErrRefused;
    case ETIMEDOUT:
        return kSockErrTimedOut;
    case ENETUNREACH:
        return kSockErrNetUnreach;
    case EHOSTUNREACH:
        return kSockErrHostUnreach;
    case ECONNRESET:
    case EPIPE:
        return kSockErrConnReset;
    default:
        return kSockErrConnAborted;
    }
}

void PosixSockets::SetErrorFromErrno(int err)
{
    m_nLastError = SocketErrorFromErrno(err);
}

bool PosixSockets::Startup()
{
    ++m_nStarted;
    return true;
}

void PosixSockets::Cleanup()
{
    if (m_nStarted > 0) {
        --m_nStarted;
    }
}

Socket PosixSockets::Open()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) {
        SetErrorFromErrno(errno);
        return kNoSocket;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

bool PosixSockets::Select(Socket s, HWND hwnd, UINT msg, long eventMask)
{
    if (s < 0) {
        return false;
    }
    Watch& w = m_mapWatch[s];
    w.hwnd = hwnd;
    w.msg = msg;
    w.mask = eventMask;
    const auto it = m_mapConnecting.find(s);
    if (it != m_mapConnecting.end()) {
        w.connecting = true;
        m_mapConnecting.erase(it);
    }
    return true;
}

int PosixSockets::Connect(Socket s, const char* ip, int port)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port & 0xFFFF));
    if (ip == nullptr || ::inet_pton(AF_INET, ip, &addr.sin_addr) != 1) {
        addr.sin_addr.s_addr = INADDR_NONE;
    }
    if (::connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) {
        return 0;
    }
    const int err = errno;
    SetErrorFromErrno(err);
    if (err == EINPROGRESS) {
        const auto it = m_mapWatch.find(s);
        if (it != m_mapWatch.end()) {
            it->second.connecting = true;
        } else {
            m_mapConnecting[s] = true;
        }
    }
    return -1;
}

int PosixSockets::Send(Socket s, const void* data, int len)
{
    const ssize_t n = ::send(s, data, static_cast<std::size_t>(len > 0 ? len : 0), MSG_NOSIGNAL);
    if (n < 0) {
        const int err = errno;
        SetErrorFromErrno(err);
        if (err == EAGAIN || err == EWOULDBLOCK) {
            const auto it = m_mapWatch.find(s);
            if (it != m_mapWatch.end()) {
                it->second.wantWrite = true;
            }
        }
        return -1;
    }
    return static_cast<int>(n);
}

int PosixSockets::Recv(Socket s, void* buf, int cap)
{
    const auto it = m_mapWatch.find(s);
    if (it != m_mapWatch.end()) {
        it->second.readNotified = false;
    }
    const ssize_t n = ::recv(s, buf, static_cast<std::size_t>(cap > 0 ? cap : 0), 0);
    if (n < 0) {
        SetErrorFromErrno(errno);
        return -1;
    }
    return static_cast<int>(n);
}

void PosixSockets::Close(Socket s)
{
    if (s < 0) {
        return;
    }
    m_mapWatch.erase(s);
    m_mapConnecting.erase(s);
    ::shutdown(s, SHUT_RDWR);
    ::close(s);
}

void PosixSockets::Notify(std::vector<WindowMessage>* out, Socket s, const Watch& w, std::uint32_t event,
                          int error)
{
    if ((static_cast<std::uint32_t>(w.mask) & event) == 0) {
        return;
    }
    WindowMessage m;
    m.hwnd = w.hwnd;
    m.msg = w.msg;
    m.wParam = static_cast<WPARAM>(s);
    m.lParam = static_cast<LPARAM>(event | (static_cast<std::uint32_t>(error) << 16));
    out->push_back(m);
}

void PosixSockets::Poll(std::vector<WindowMessage>* out, int timeoutMs)
{
    if (out == nullptr) {
        return;
    }
    std::vector<pollfd>& fds = m_vPollFds;
    fds.clear();
    for (const auto& [s, w] : m_mapWatch) {
        if (w.done) {
            continue;
        }
        short events = 0;
        if (w.connecting || w.wantWrite) {
            events |= POLLOUT;
        }
        if (!w.connecting && !w.readNotified) {
            events |= POLLIN;
        }
        if (events != 0) {
            fds.push_back(pollfd{s, events, 0});
        }
    }
    if (fds.empty()) {
        return;
    }
    if (::poll(fds.data(), fds.size(), timeoutMs < 0 ? 0 : timeoutMs) <= 0) {
        return;
    }
    for (const pollfd& p : fds) {
        if (p.revents == 0) {
            continue;
        }
        Watch& w = m_mapWatch[p.fd];
        if (w.connecting) {
            int err = 0;
            socklen_t len = sizeof err;
            ::getsockopt(p.fd, SOL_SOCKET, SO_ERROR, &err, &len);
            w.connecting = false;
            if (err != 0) {
                w.done = true;
                Notify(out, p.fd, w, kSockEventConnect, SocketErrorFromErrno(err));
                continue;
            }
            Notify(out, p.fd, w, kSockEventConnect, 0);
            Notify(out, p.fd, w, kSockEventWrite, 0);
            continue;
        }
        if ((p.revents & POLLOUT) != 0 && w.wantWrite) {
            w.wantWrite = false;
            Notify(out, p.fd, w, kSockEventWrite, 0);
        }
        if ((p.revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !w.readNotified) {
            char probe = 0;
            const ssize_t n = ::recv(p.fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
            if (n > 0) {
                w.readNotified = true;
                Notify(out, p.fd, w, kSockEventRead, 0);
            } else if (n == 0) {
                w.done = true;
                Notify(out, p.fd, w, kSockEventClose, 0);
            } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
                w.done = true;
                Notify(out, p.fd, w, kSockEventClose, SocketErrorFromErrno(errno));
            }
        }
    }
}

}  // namespace orv::platform
