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

int TakeOutOfRangeHostSize(const char* who, int answered) noexcept
{
    const int taken = answered < 0 ? 0 : kHostSizeMax;
    try {
        DebugLog("Error,%s answered the size %d; it is taken as %d\n", who, answered, taken);
    } catch (...) {
        // The debug output failed: the line is lost, the size is still taken.
    }
    return taken;
}
