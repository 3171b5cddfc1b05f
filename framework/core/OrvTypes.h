// Basic types and build-wide guards of the framework: the installed headers' fixed-width names
// and export mark, and what only the library's own code uses.
#pragma once

#include <cstdint>

#include "orvane/OrvTypes.h"

// The system's texts are GBK byte strings; the sources are UTF-8 compiled with
// -fexec-charset=GBK. A two-byte GBK character keeps a three-byte literal with its NUL.
// (A host that includes the public headers keeps its own charset.)
#ifdef ORVANE_BUILDING_LIBRARY
static_assert(sizeof("中") == 3, "compile with -finput-charset=UTF-8 -fexec-charset=GBK");
#endif

using i32 = std::int32_t;
using ARGB = std::uint32_t;
