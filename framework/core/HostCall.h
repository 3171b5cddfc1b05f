// Calls into the host under one rule for both libraries: what the host throws stays on its side of
// the call. The exception is caught, one debug line names what was called, and the call answers
// its neutral value (false, 0, null; out-parameters as the library set them). Nothing is
// allocated unless the host throws.
#pragma once

#include <utility>

// Writes the debug line of a host call that threw: what was called, and number when it is not
// negative (the command of the host's procedure). Never throws.
void DebugHostThrew(const char* what, int number = -1) noexcept;

// Runs call() and answers what it answers; when it throws, writes the debug line and answers
// neutral.
template <typename R, typename Call>
R CallHostCatching(const char* what, int number, R neutral, Call&& call) noexcept
{
    try {
        return std::forward<Call>(call)();
    } catch (...) {
        DebugHostThrew(what, number);
        return neutral;
    }
}

template <typename Call>
void CallHostCatching(const char* what, int number, Call&& call) noexcept
{
    try {
        std::forward<Call>(call)();
    } catch (...) {
        DebugHostThrew(what, number);
    }
}
