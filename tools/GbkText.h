// The sample programs print the system's texts, which are GBK byte strings, on a UTF-8 terminal.
#pragma once

#include <string>
#include <string_view>

namespace orv::sample {

// The UTF-8 form of a GBK byte string, decoded through iconv ("GBK" to "UTF-8"), stepping over
// characters as the framework does (a byte of 0x80 or above and the byte after it form one
// character). A character iconv does not decode, a lone lead byte at the end, and every control
// byte (below 0x20, and 0x7F) are written as \xNN per byte, so one text stays one line.
std::string GbkToUtf8(std::string_view gbk);

// The Unicode code points of a GBK byte string, for drawing it: stepped and decoded as GbkToUtf8
// does, control bytes left out, and a character that does not decode (a lone lead byte at the end
// too) given as kUndecodedCodePoint.
inline constexpr char32_t kUndecodedCodePoint = 0xFFFD;
std::u32string GbkToCodePoints(std::string_view gbk);

}  // namespace orv::sample
