// The fixed-width names and the export mark that the installed headers use (part of the installed
// headers; the library's own code adds its build-wide guards in framework/core/OrvTypes.h).
#pragma once

#include <cstdint>

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
