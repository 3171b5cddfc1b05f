// OrvaneDemo writes the toolkit's error lines to the debugger output and appends them to log.txt.
#include "engine/WriteLog.h"
#include "framework/control/BuildLog.h"
#include "framework/core/DebugLog.h"

void BuildLogLine(const char* line)
{
    if (line == nullptr) {
        return;
    }
    DebugLog("%s", line);
    WriteLog("%s", line);
}
