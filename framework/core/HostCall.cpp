#include "framework/core/HostCall.h"

#include "framework/core/DebugLog.h"

void DebugHostThrew(const char* what, int number) noexcept
{
    try {
        if (number >= 0) {
            DebugLog("Error,the host's %s %d threw; the call answers its neutral value\n", what, number);
        } else {
            DebugLog("Error,the host's %s threw; the call answers its neutral value\n", what);
        }
    } catch (...) {
        // The debug output failed too: the line is lost, the call still answers.
    }
}
