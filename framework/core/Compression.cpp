#include "framework/core/Compression.h"

#include <zlib.h>

#include "framework/core/ScratchBuffer.h"

int UncompressBuffer(unsigned char* dest, unsigned long* destLen, const unsigned char* src, unsigned long srcLen)
{
    if (dest == nullptr || destLen == nullptr || src == nullptr) {
        return Z_STREAM_ERROR;
    }
    if (*destLen == 0) {
        *destLen = kScratchBufferSize;
    }
    uLongf out = *destLen;
    const int rc = uncompress(dest, &out, src, srcLen);
    *destLen = rc == Z_OK ? out : 0;
    return rc;
}
