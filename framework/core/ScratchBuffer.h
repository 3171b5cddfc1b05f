// The one shared scratch buffer of the library. Users take it in turn (input-method reader, edit
// field paste, help text, compressed server messages, formatted texts); none may keep data in it
// across a call that another user could make, and every use is bounded by its size.
#pragma once

#include <cstddef>

inline constexpr std::size_t kScratchBufferSize = 159776;

extern char g_ScratchBuffer[kScratchBufferSize];
