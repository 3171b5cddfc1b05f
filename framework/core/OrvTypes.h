// Basic types and build-wide guards of the framework.
#pragma once

#include <cstdint>

// The system's texts are GBK byte strings; the sources are UTF-8 compiled with
// -fexec-charset=GBK. A two-byte GBK character keeps a three-byte literal with its NUL.
// (A host that includes the public headers keeps its own charset.)
#ifdef ORVANE_BUILDING_LIBRARY
static_assert(sizeof("中") == 3, "compile with -finput-charset=UTF-8 -fexec-charset=GBK");
#endif

// The library's exports. A Windows DLL exports exactly what is marked (unmarked, the linker would
// export every global). Code outside the library sees plain declarations: a host links the DLL
// through its import library (mingw's linker imports the data too), and code linked with the
// library's objects statically (tests, tools) finds them there.
#if defined(_WIN32) && defined(ORVANE_BUILDING_LIBRARY)
#define ORV_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define ORV_EXPORT
#else
#define ORV_EXPORT __attribute__((visibility("default")))
#endif

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using i32 = std::int32_t;
using ARGB = std::uint32_t;
