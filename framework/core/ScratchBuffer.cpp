#include "framework/core/ScratchBuffer.h"

char g_ScratchBuffer[kScratchBufferSize];
