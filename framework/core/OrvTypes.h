// Basic types and build-wide guards of the framework.
#pragma once

#include <cstdint>

// The system's texts are GBK byte strings; the sources are UTF-8 compiled with
// -fexec-charset=GBK. A two-byte GBK character keeps a three-byte literal with its NUL.
static_assert(sizeof("中") == 3, "compile with -finput-charset=UTF-8 -fexec-charset=GBK");

#define ORV_EXPORT __attribute__((visibility("default")))

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using i32 = std::int32_t;
using ARGB = std::uint32_t;
