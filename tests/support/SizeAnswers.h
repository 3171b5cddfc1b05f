// The answers a screen or image size is tried with from outside the library (the host's callback,
// the renderer), each with what the library takes it as; the cases of a test that tries every
// answer in each of its size slots; the debug line of an answer taken into the range; and the
// drag that carries a window far past the screen's corners.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "framework/core/HostCall.h"
#include "platform/WinTypes.h"
#include "support/WindowInput.h"

namespace orv::test {

struct SizeAnswer {
    int answered;
    int taken;
};

inline constexpr SizeAnswer kSizeAnswers[] = {
    {INT_MIN, 0},
    {-1, 0},
    {0, 0},
    {1, 1},
    {kHostSizeMax, kHostSizeMax},
    {kHostSizeMax + 1, kHostSizeMax},
    {1 << 30, kHostSizeMax},
    {INT_MAX, kHostSizeMax},
};

// One answer in one of a test's size slots (an index into its slot names).
struct SizeCase {
    int slot;
    SizeAnswer answer;
};

inline std::vector<SizeCase> EverySizeCase(std::size_t slots)
{
    std::vector<SizeCase> cases;
    for (int slot = 0; slot < static_cast<int>(slots); ++slot) {
        for (const SizeAnswer& answer : kSizeAnswers) {
            cases.push_back({slot, answer});
        }
    }
    return cases;
}

inline void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << "slot " << c.slot << " answers " << c.answer.answered;
}

// The test name of a case: the slot's name and the answer (ScreenWidth_minus1).
template <int N>
std::string SizeCaseName(const char* const (&slotNames)[N], const ::testing::TestParamInfo<SizeCase>& info)
{
    const long long v = info.param.answer.answered;
    return std::string(slotNames[info.param.slot]) + "_" + (v < 0 ? "minus" + std::to_string(-v) : std::to_string(v));
}

// The debug line of an answer out of the range: who answered it (as the library names it) and
// what it is taken as.
inline std::string SizeTakenLine(const std::string& who, const SizeAnswer& answer)
{
    return who + " answered the size " + std::to_string(answer.answered) + "; it is taken as " +
           std::to_string(answer.taken);
}

// A window grabbed at (x, y) and dragged far past the screen's bottom right and top left corners,
// then let go, through send(msg, wParam, lParam) (a build's WndProc).
template <typename Send>
void DragFarPastTheCorners(Send&& send, int x, int y)
{
    send(WM_LBUTTONDOWN, 1, Pos(x, y));
    send(WM_MOUSEMOVE, 1, Pos(30000, 30000));
    send(WM_MOUSEMOVE, 1, Pos(-30000, -30000));
    send(WM_LBUTTONUP, 0, Pos(-30000, -30000));
}

}  // namespace orv::test
