// The Windows implementation of the platform layer: every call is the system's own
// (KERNEL32, USER32, IMM32, WS2_32).
#pragma once

#ifdef _WIN32

#include "platform/Platform.h"

namespace orv::platform {

// The one Windows platform object; Get() answers with it while no other platform is installed.
IPlatform& WinPlatform();

}  // namespace orv::platform

#endif
