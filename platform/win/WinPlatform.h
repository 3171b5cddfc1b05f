// The Windows implementation of the platform layer: every call is the system's own
// (KERNEL32, USER32, IMM32; WS2_32 through the installed socket set).
#pragma once

#ifdef _WIN32

#include <vector>

#include "platform/Platform.h"

namespace orv::platform {

// The one Windows platform object; Get() answers with it while no other platform is installed.
IPlatform& WinPlatform();

// The socket calls of the Windows platform object go to the socket set installed here; with none
// it has no network (IPlatform's defaults). Winsock's set (platform/win/WinSockets.cpp) is a
// library of its own, linked with WS2_32 only into what opens sockets, and installed by
// UseSystemSockets() (platform/Platform.h).
class SocketSet {
public:
    virtual ~SocketSet() = default;
    virtual bool Startup() = 0;
    virtual void Cleanup() = 0;
    virtual Socket Open() = 0;
    virtual bool Select(Socket s, HWND hwnd, UINT msg, long eventMask) = 0;
    virtual int Connect(Socket s, const char* ip, int port) = 0;
    virtual int Send(Socket s, const void* data, int len) = 0;
    virtual int Recv(Socket s, void* buf, int cap) = 0;
    virtual void Close(Socket s) = 0;
    virtual int LastError() = 0;
    virtual void Poll(std::vector<WindowMessage>* out, int timeoutMs) = 0;
};
void InstallSocketSet(SocketSet* set);

}  // namespace orv::platform

#endif
