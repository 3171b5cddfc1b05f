#include "engine/WriteLog.h"

#include <cstdarg>
#include <fstream>

void WriteLog(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatLogText(
        [](const char* text) {
            std::ofstream file(kLogFileName, std::ios::out | std::ios::app);
            if (file) {
                file << text;
                file.flush();
            }
        },
        format, args);
    va_end(args);
}
