#include "framework/core/DebugLog.h"

#include <cstdio>

#include "platform/Platform.h"

void FormatLogText(void (*write)(const char* text), const char* fmt, std::va_list args)
{
    if (fmt == nullptr || write == nullptr) {
        return;
    }
    char buf[8192] = {};
    std::vsnprintf(buf, sizeof(buf), fmt, args);
    write(buf);
}

void DebugLog(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    FormatLogText([](const char* text) { orv::platform::Get().OutputDebugString(text); }, fmt, args);
    va_end(args);
}
