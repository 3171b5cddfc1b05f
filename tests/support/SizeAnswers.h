// The answers a screen or image size is tried with from outside the library (the host's callback,
// the renderer), each with what the library takes it as; and the cases of a test that tries every
// answer in each of its size slots.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "framework/core/HostCall.h"

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

}  // namespace orv::test
