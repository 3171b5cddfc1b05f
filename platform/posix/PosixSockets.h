// Sockets of the native platform on POSIX systems, with the notifications a window would receive:
// each registered socket is polled and its events come out as window messages (socket,
// event | error << 16), one read notification at a time until the socket is read again, one write
// notification after a send found the socket full, and one close notification when the peer ends.
#pragma once

#include <poll.h>

#include <map>
#include <vector>

#include "platform/Platform.h"

namespace orv::platform {

class PosixSockets {
public:
    bool Startup();
    void Cleanup();
    Socket Open();
    bool Select(Socket s, HWND hwnd, UINT msg, long eventMask);
    int Connect(Socket s, const char* ip, int port);
    int Send(Socket s, const void* data, int len);
    int Recv(Socket s, void* buf, int cap);
    void Close(Socket s);
    int LastError() const { return m_nLastError; }
    void Poll(std::vector<WindowMessage>* out, int timeoutMs);

private:
    struct Watch {
        HWND hwnd = nullptr;
        UINT msg = 0;
        long mask = 0;
        bool connecting = false;
        bool readNotified = false;   // a read notification is out; the next one waits for a read
        bool wantWrite = false;      // a send found the socket full
        bool done = false;           // closed or failed: nothing more to tell
    };
    void SetErrorFromErrno(int err);
    void Notify(std::vector<WindowMessage>* out, Socket s, const Watch& w, std::uint32_t event, int error);

    std::map<Socket, Watch> m_mapWatch;
    std::map<Socket, bool> m_mapConnecting;   // sockets whose connect is under way (before Select)
    std::vector<pollfd> m_vPollFds;           // kept between polls: a steady poll allocates nothing
    int m_nLastError = 0;
    int m_nStarted = 0;
};

// Maps a POSIX errno to the socket error code the layer reports.
int SocketErrorFromErrno(int err);

}  // namespace orv::platform
