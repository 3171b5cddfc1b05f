// zlib's one-call uncompress for compressed server messages.
#pragma once

// Inflates srcLen bytes into dest, whose capacity *destLen gives on entry (0 stands for a buffer
// of kScratchBufferSize bytes); *destLen receives the inflated length. Returns zlib's code:
// anything but Z_OK (0) means nothing usable was inflated, including data that would not fit.
int UncompressBuffer(unsigned char* dest, unsigned long* destLen, const unsigned char* src, unsigned long srcLen);
