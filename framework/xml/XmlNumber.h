// Numbers read from XML attribute text. The readings are the framework's own, independent of the
// C locale the host may have set, and give the same values on every platform (32-bit results,
// saturating where a C library's long would differ).
#pragma once

#include <string_view>

#include "framework/core/OrvTypes.h"

// atoi-like: leading blanks (space, \t, \n, \v, \f, \r), an optional sign, decimal digits; reading
// stops at the first other byte. No digits: 0. Beyond the 32-bit range: INT32_MAX or INT32_MIN.
i32 XmlTextToInt(const char* text);

// strtoul in base 16, 32 bits wide: leading blanks, an optional sign, an optional 0x or 0X, hex
// digits; reading stops at the first non-hex byte. No digits: 0. Beyond 32 bits: 0xFFFFFFFF;
// a minus sign negates modulo 2^32.
u32 XmlTextToHex(const char* text);

// atof: the longest leading part that reads as a floating-point number, in the "C" locale's
// syntax (decimal point '.'); 0.0 when there is none.
double XmlTextToDouble(const char* text);
// What XmlTextToDouble does when the system cannot make a "C" numeric locale: the process's own
// locale reads the text when its decimal point is '.', else the result is 0 with a debug line.
double XmlTextToDoubleWithoutCLocale(const char* text);

// Strict reading of one whole piece: an optional '+' or '-' followed by one or more decimal
// digits and nothing else, within the 32-bit signed range. False for anything else (an empty
// piece, a blank anywhere, a stray byte, out of range); out is then unchanged.
bool XmlStrictToInt(std::string_view piece, i32& out);
