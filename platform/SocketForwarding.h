// The socket part of a native platform object: every socket call of IPlatform handed to the
// system's socket set (POSIX sockets or Winsock), which each native implementation names.
#pragma once

#include <vector>

#include "platform/Platform.h"

namespace orv::platform {

template <class Sockets>
class SocketForwarding : public IPlatform {
public:
    bool SocketStartup() override { return m_Sockets.Startup(); }
    void SocketCleanup() override { m_Sockets.Cleanup(); }
    Socket SocketOpen() override { return m_Sockets.Open(); }
    bool SocketSelect(Socket s, HWND hwnd, UINT msg, long mask) override { return m_Sockets.Select(s, hwnd, msg, mask); }
    int SocketConnect(Socket s, const char* ip, int port) override { return m_Sockets.Connect(s, ip, port); }
    int SocketSend(Socket s, const void* data, int len) override { return m_Sockets.Send(s, data, len); }
    int SocketRecv(Socket s, void* buf, int cap) override { return m_Sockets.Recv(s, buf, cap); }
    void SocketClose(Socket s) override { m_Sockets.Close(s); }
    int SocketLastError() override { return m_Sockets.LastError(); }
    void PollSocketEvents(std::vector<WindowMessage>* out, int timeoutMs) override { m_Sockets.Poll(out, timeoutMs); }

private:
    Sockets m_Sockets;
};

}  // namespace orv::platform
