// Calls into the host under one rule for both libraries: what the host throws stays on its side of
// the call. The exception is caught, one debug line names what was called, and the call answers
// its neutral value (false, 0, null; out-parameters as the library set them). Nothing is
// allocated unless the host throws. Sizes from outside (the host's screen and images, the
// renderer's) enter the library through HostSize.
#pragma once

#include <utility>

// The range of every screen and image size the library takes from outside, in pixels: a negative
// size counts as 0 and a larger one as kHostSizeMax. Positions and sizes of the library's controls
// derive from these, so sums, differences and doubles of a few of them, and the product of two,
// stay far inside an int, and a point of the screen fits the signed 16 bits a mouse position
// travels in.
inline constexpr int kHostSizeMax = 16384;

// An answer out of the range, taken into it, with a debug line naming who answered it. Never throws.
int TakeOutOfRangeHostSize(const char* who, int answered) noexcept;

// A size answered from outside (who: the slot or field that answered, for the debug line), taken
// into the range.
[[gnu::always_inline]] inline int HostSize(const char* who, int answered) noexcept
{
    return answered >= 0 && answered <= kHostSizeMax ? answered : TakeOutOfRangeHostSize(who, answered);
}

// Writes the debug line of a host call that threw: what was called, and number when it is not
// negative (the command of the host's procedure). Never throws.
void DebugHostThrew(const char* what, int number = -1) noexcept;

// Runs call() and answers what it answers; when it throws, writes the debug line and answers
// neutral.
template <typename R, typename Call>
[[gnu::always_inline]] inline R CallHostCatching(const char* what, int number, R neutral, Call&& call) noexcept
{
    try {
        return std::forward<Call>(call)();
    } catch (...) {
        DebugHostThrew(what, number);
        return neutral;
    }
}

template <typename Call>
[[gnu::always_inline]] inline void CallHostCatching(const char* what, int number, Call&& call) noexcept
{
    try {
        std::forward<Call>(call)();
    } catch (...) {
        DebugHostThrew(what, number);
    }
}
