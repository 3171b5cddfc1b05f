#include "framework/file/ORVStream.h"

#include <cstdio>
#include <cstring>

#include "framework/core/DebugLog.h"

CORVStream* CORVStream::GetSingleton()
{
    static CORVStream s_Stream;
    return &s_Stream;
}

CORVStream::CORVStream()
{
    std::snprintf(m_szRootPath, sizeof(m_szRootPath), "%s", "../");
}

CORVStream::~CORVStream() = default;

ORVStreamHandle* CORVStream::Open(const char* path)
{
    if (path == nullptr) {
        DebugLog("Error,CORVStream::Open: null path!\n");
        return nullptr;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    auto* handle = new (std::nothrow) ORVStreamHandle;
    if (handle == nullptr) {
        std::fclose(file);
        return nullptr;
    }
    handle->m_pSource = file;
    return handle;
}

u32 CORVStream::Read(ORVStreamHandle* handle, void* buffer)
{
    if (handle == nullptr || handle->m_pSource == nullptr || buffer == nullptr) {
        return 0;
    }
    if (handle->m_nIndex >= kFirstMemImageIndex) {
        const auto* image = static_cast<const ORVStreamMemImage*>(handle->m_pSource);
        if (image->m_pData == nullptr || handle->m_nPosition >= image->m_nSize) {
            return 0;
        }
        const u32 left = image->m_nSize - handle->m_nPosition;
        const u32 count = left < kPieceSize ? left : kPieceSize;
        std::memcpy(buffer, image->m_pData + handle->m_nPosition, count);
        handle->m_nPosition += count;
        return count;
    }
    return static_cast<u32>(std::fread(buffer, 1, kPieceSize, static_cast<std::FILE*>(handle->m_pSource)));
}

int CORVStream::Close(ORVStreamHandle* handle)
{
    if (handle == nullptr) {
        return 0;
    }
    int result = 0;
    if (handle->m_nIndex >= kFirstMemImageIndex) {
        if (handle->m_pSource != nullptr) {
            static_cast<ORVStreamMemImage*>(handle->m_pSource)->m_bInUse = 0;
        }
        result = 1;
    } else if (handle->m_pSource != nullptr) {
        result = std::fclose(static_cast<std::FILE*>(handle->m_pSource));
    }
    delete handle;
    return result;
}
