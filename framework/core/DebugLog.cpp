#include "framework/core/DebugLog.h"

#include <cstdarg>
#include <cstdio>

#include "platform/Platform.h"

void DebugLog(const char* fmt, ...)
{
    if (fmt == nullptr) {
        return;
    }
    char buf[8192] = {};
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof(buf), fmt, args);
    va_end(args);
    orv::platform::Get().OutputDebugString(buf);
}
