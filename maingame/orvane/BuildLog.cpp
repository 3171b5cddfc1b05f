// Orvane keeps the toolkit's error lines in the debugger output only.
#include "framework/control/BuildLog.h"
#include "framework/core/DebugLog.h"

void BuildLogLine(const char* line)
{
    DebugLog("%s", line != nullptr ? line : "");
}
