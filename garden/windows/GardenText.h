// Texts the Garden windows share.
#pragma once

#include "framework/core/OrvTypes.h"

// Decimal text with a comma before every group of three digits from the right (1000 gives
// "1,000", -1234567 gives "-1,234,567"), in one static buffer that the next call overwrites.
const char* FormatThousands(i32 value);
