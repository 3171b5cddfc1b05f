// Debug lines: printf-style text handed to the platform's debug output.
#pragma once

#include <cstdarg>

// gnu_printf: the C99 formats (%zu, %lld), which mingw-w64's C++ printf family also takes.
#if defined(__GNUC__)
#define ORV_PRINTF_LIKE(fmtIndex, firstArg) __attribute__((format(gnu_printf, fmtIndex, firstArg)))
#else
#define ORV_PRINTF_LIKE(fmtIndex, firstArg)
#endif

// Formats into a bounded 8,192-byte buffer (text past 8,191 bytes is cut, the buffer always
// ends with NUL) and writes it to the debug output. A null format writes nothing.
void DebugLog(const char* fmt, ...) ORV_PRINTF_LIKE(1, 2);

// The bounded formatting both logs use: formats into a zeroed 8,192-byte buffer (text past 8,191
// bytes is cut) and hands the text to write. A null format writes nothing.
void FormatLogText(void (*write)(const char* text), const char* fmt, std::va_list args);
