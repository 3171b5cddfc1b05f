// The engine-drawn build's log file: each call appends one printf-style text to "log.txt" in the
// current directory, opening and closing the file every time.
#pragma once

#include "framework/core/DebugLog.h"

// Formatted into a zeroed 8,192-byte buffer; a longer text is cut at 8,191 bytes.
void WriteLog(const char* format, ...) ORV_PRINTF_LIKE(1, 2);

inline constexpr const char kLogFileName[] = "log.txt";
