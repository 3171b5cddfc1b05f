#include "engine/WriteLog.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>

void WriteLog(const char* format, ...)
{
    if (format == nullptr) {
        return;
    }
    char buffer[8192] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::ofstream file(kLogFileName, std::ios::out | std::ios::app);
    if (!file) {
        return;
    }
    file << buffer;
    file.flush();
}
