// CORVStream: the library's file reading. A file opened by path is handed out in pieces of at most
// 1,024 bytes; a caller reads a whole file by reading into successive places of its buffer until
// a piece comes back short. A handle may also stand for a memory image (an index of 4,096 or
// more), read the same way from its bytes.
#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "framework/core/OrvTypes.h"

// One open source: a FILE* or a memory image, a read position within a memory image, and the
// index (0 for a file).
struct ORVStreamHandle {
    void* m_pSource = nullptr;
    u32 m_nPosition = 0;
    u32 m_nIndex = 0;
};

// Bytes held in memory, read through a handle like a file.
struct ORVStreamMemImage {
    const unsigned char* m_pData = nullptr;
    u32 m_nSize = 0;
    u8 m_bInUse = 0;
};

class CORVStream {
public:
    static constexpr u32 kPieceSize = 1024;           // the most bytes one Read hands out
    static constexpr u32 kFirstMemImageIndex = 4096;  // handle indexes from here on are memory images

    static CORVStream* GetSingleton();

    CORVStream();
    virtual ~CORVStream();
    CORVStream(const CORVStream&) = delete;
    CORVStream& operator=(const CORVStream&) = delete;

    // Opens the file at path for reading ("rb"). Null when it cannot be opened.
    ORVStreamHandle* Open(const char* path);
    // Reads the next piece into buffer, which must hold kPieceSize bytes. Returns the bytes read:
    // fewer than kPieceSize at the end of the source, 0 for a null handle.
    u32 Read(ORVStreamHandle* handle, void* buffer);
    // Closes the source and deletes the handle: a file's fclose result, 1 for a memory image,
    // 0 for a null handle.
    int Close(ORVStreamHandle* handle);

    // The prefix under which callers build their paths ("../").
    const char* GetRootPath() const { return m_szRootPath; }

private:
    char m_szRootPath[260];
    std::vector<u32> m_vSlotsInUse;                 // resource slots: in-use word each (none filled)
    std::map<u32, ORVStreamMemImage> m_mapImages;   // memory images by index (none filled)
};
