#include "framework/xml/XmlNumber.h"

#include <cstdint>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <locale.h>
#include <stdlib.h>

#include "framework/core/DebugLog.h"

namespace {

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The start shared by the C readings: leading blanks skipped, then one optional sign. Returns the
// first byte after them; negative tells whether the sign was '-'.
const unsigned char* SkipBlanksAndSign(const char* text, bool& negative)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (IsBlank(*p)) {
        ++p;
    }
    negative = *p == '-';
    if (*p == '+' || *p == '-') {
        ++p;
    }
    return p;
}

int HexDigitValue(unsigned char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

i32 XmlTextToInt(const char* text)
{
    if (text == nullptr) {
        return 0;
    }
    bool negative = false;
    const unsigned char* p = SkipBlanksAndSign(text, negative);
    // Accumulate the magnitude up to one past the largest representable value, then clamp.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<i32>::max()} + 1;
    std::int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value < kLimit) {
            value = value * 10 + (*p - '0');
        }
    }
    if (negative) {
        return value >= kLimit ? std::numeric_limits<i32>::min() : static_cast<i32>(-value);
    }
    return value >= kLimit ? std::numeric_limits<i32>::max() : static_cast<i32>(value);
}

u32 XmlTextToHex(const char* text)
{
    if (text == nullptr) {
        return 0;
    }
    bool negative = false;
    const unsigned char* p = SkipBlanksAndSign(text, negative);
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigitValue(p[2]) >= 0) {
        p += 2;
    }
    std::uint64_t value = 0;
    bool overflow = false;
    for (int digit = HexDigitValue(*p); digit >= 0; digit = HexDigitValue(*++p)) {
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0xFFFFFFFFu;
        }
    }
    if (overflow) {
        return 0xFFFFFFFFu;
    }
    const u32 result = static_cast<u32>(value);
    return negative ? static_cast<u32>(0u - result) : result;
}

double XmlTextToDouble(const char* text)
{
    if (text == nullptr) {
        return 0.0;
    }
#if defined(_WIN32)
    static const _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
    if (cLocale != nullptr) {
        return _strtod_l(text, nullptr, cLocale);
    }
#else
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    if (cLocale != static_cast<locale_t>(0)) {
        return strtod_l(text, nullptr, cLocale);
    }
#endif
    return XmlTextToDoubleWithoutCLocale(text);
}

double XmlTextToDoubleWithoutCLocale(const char* text)
{
    if (text == nullptr) {
        return 0.0;
    }
    // The process's own numeric locale reads the text as "C" does when its decimal point is '.'.
    const lconv* conv = std::localeconv();
    if (conv != nullptr && conv->decimal_point != nullptr && std::strcmp(conv->decimal_point, ".") == 0) {
        return std::strtod(text, nullptr);
    }
    DebugLog("Error,no \"C\" numeric locale: \"%.32s\" read as 0\n", text);
    return 0.0;
}

bool XmlStrictToInt(std::string_view piece, i32& out)
{
    std::size_t i = 0;
    bool negative = false;
    if (!piece.empty() && (piece[0] == '+' || piece[0] == '-')) {
        negative = piece[0] == '-';
        i = 1;
    }
    // After the one optional sign, one or more digits and nothing else ("+-5", "-", "" fail).
    if (i == piece.size()) {
        return false;
    }
    // The magnitude may reach 2^31 for a negative number; it is checked after every digit, so it
    // never grows past 2^35 in 64 bits.
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t value = 0;
    for (; i < piece.size(); ++i) {
        const unsigned digit = static_cast<unsigned char>(piece[i]) - static_cast<unsigned>('0');
        value = value * 10 + digit;
        if (digit > 9 || value > limit) {
            return false;
        }
    }
    out = negative ? static_cast<i32>(0u - value) : static_cast<i32>(value);
    return true;
}
