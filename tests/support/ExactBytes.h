// Untrusted bytes for a parser under test, in a heap buffer of exactly their size with nothing
// behind them (unlike std::string, whose NUL would hide a read one past the end from the address
// sanitizer). No bytes give no buffer at all (data() may be null): a test that must hand over a
// real pointer with a length of 0 allocates its own.
//
//   const std::vector<unsigned char> body = ExactBytes<unsigned char>(bytes);
//   Parse(body.data(), body.size());
#pragma once

#include <string_view>
#include <vector>

namespace orv::test {

template <typename Byte = char>
std::vector<Byte> ExactBytes(std::string_view bytes)
{
    return std::vector<Byte>(bytes.begin(), bytes.end());
}

}  // namespace orv::test
