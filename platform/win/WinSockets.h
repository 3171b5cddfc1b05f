// Winsock sockets of the Windows platform layer, with WSAAsyncSelect notifications. A socket
// selected for a window notifies that window (the host's loop hands the message on to WndProc); one
// selected without a window, or with a handle that names none, notifies the layer's own hidden
// message-only window. PollSocketEvents takes the notifications waiting for the open sockets out
// of those windows' queues, naming the window the caller gave.
#pragma once

#ifdef _WIN32

#include <map>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/win/WinPlatform.h"

namespace orv::platform {

class WinSockets final : public SocketSet {
public:
    bool Startup() override;
    void Cleanup() override;
    Socket Open() override;
    bool Select(Socket s, HWND hwnd, UINT msg, long eventMask) override;
    int Connect(Socket s, const char* ip, int port) override;
    int Send(Socket s, const void* data, int len) override;
    int Recv(Socket s, void* buf, int cap) override;
    void Close(Socket s) override;
    int LastError() override { return m_nLastError; }
    void Poll(std::vector<WindowMessage>* out, int timeoutMs) override;

private:
    struct Watch {
        HWND hwnd = nullptr;     // as the caller gave it
        HWND target = nullptr;   // the window notified
        UINT msg = 0;
    };
    HWND HiddenWindow();
    bool Take(std::vector<WindowMessage>* out);

    std::map<Socket, Watch> m_mapWatch;
    std::vector<std::pair<HWND, UINT>> m_vQueues;   // kept between polls: a steady poll allocates nothing
    std::vector<MSG> m_vRequeue;                    // other sockets' notifications met at a closing
    HWND m_hHidden = nullptr;
    int m_nLastError = 0;
};

}  // namespace orv::platform

#endif
