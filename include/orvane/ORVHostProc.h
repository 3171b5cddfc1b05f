// The callback function through which the engine-drawn library OrvaneDemo asks its host for the
// login text and tells it what happened (part of the installed headers).
#pragma once

#ifdef _WIN32
#define ORV_STDCALL __stdcall
#else
#define ORV_STDCALL
#endif

// (command, 0, 0, the login-text buffer for command 1 else null) -> the command's answer. The
// library passes 0 for arg2 and arg3 in every call.
using ORVHostProc = int(ORV_STDCALL*)(int command, char* arg2, int arg3, char* out);

enum HostCommand : int {
    HOSTCMD_GET_LOGIN = 1,         // out: the login text; answer: its length in bytes
    HOSTCMD_GARDEN_OPENED = 2,
    HOSTCMD_GARDEN_CLOSED = 3,
    HOSTCMD_CONNECT_TIMEOUT = 4,
    HOSTCMD_GET_TIMEOUT = 5,       // answer: the connection time-out in ms (0: the default)
    HOSTCMD_NEED_VERIFY = 6,       // answer non-zero: a ninth line and the verification line
};

// The size of the buffer that command 1 writes the login text into.
inline constexpr int kLoginTextBytes = 159776;
