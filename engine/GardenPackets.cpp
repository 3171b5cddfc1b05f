#include "engine/GardenPackets.h"

#include <cstring>

#include "engine/Net.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/DebugLog.h"

namespace {

inline constexpr u16 kMsgLoginId = 48;
inline constexpr u16 kMsgTextId = 3030;
inline constexpr u32 kTextMax = 10000;
inline constexpr std::size_t kTextZeroed = 10240;

void WriteHeader(u8* p, const GardenHeader& h)
{
    WriteLE32(p, h.m_dwUserId);
    WriteLE16(p + 4, h.m_wMsgId);
    WriteLE16(p + 6, h.m_wSub);
    WriteLE16(p + 8, h.m_wParam1);
    WriteLE16(p + 10, h.m_wParam2);
}

}  // namespace

bool PacketQueue::Push(const void* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(kGardenHeaderBytes)) {
        return false;
    }
    const std::size_t n = static_cast<std::size_t>(len);
    const std::size_t offset = m_nCount == 0 ? 0 : std::size_t{m_Index[m_nCount - 1].m_dwOffset} +
                                                       m_Index[m_nCount - 1].m_dwLength;
    if (m_nCount >= kHeldPacketsMax || n > kHeldPacketBytesMax || offset + n + 1 >= kHeldPacketAreaBytes) {
        return false;
    }
    m_Index[m_nCount] = {static_cast<u32>(offset), static_cast<u32>(n)};
    std::memcpy(m_Data + offset, packet, n);
    ++m_nCount;
    return true;
}

const u8* PacketQueue::Packet(u32 i, int* len) const
{
    if (i >= m_nCount) {
        if (len != nullptr) *len = 0;
        return nullptr;
    }
    if (len != nullptr) *len = static_cast<int>(m_Index[i].m_dwLength);
    return m_Data + m_Index[i].m_dwOffset;
}

void PacketQueue::Drain()
{
    if (m_bDraining) {
        return;   // a drain inside a handler: the outer drain goes on
    }
    m_bDraining = true;
    const u32 count = m_nCount;
    for (u32 i = 0; i < count && i < m_nCount; ++i) {
        Dispatch(m_Data + m_Index[i].m_dwOffset, static_cast<int>(m_Index[i].m_dwLength));
    }
    // Packets pushed meanwhile move to the front for the next drain.
    if (m_nCount > count) {
        const u32 base = m_Index[count].m_dwOffset;
        const u32 last = m_nCount - 1;
        const std::size_t bytes = std::size_t{m_Index[last].m_dwOffset} + m_Index[last].m_dwLength - base;
        std::memmove(m_Data, m_Data + base, bytes);
        for (u32 i = count; i < m_nCount; ++i) {
            m_Index[i - count] = {m_Index[i].m_dwOffset - base, m_Index[i].m_dwLength};
        }
        m_nCount -= count;
    } else {
        m_nCount = 0;
    }
    m_bDraining = false;
}

void PacketQueue::Dispatch(const u8* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(kGardenHeaderBytes) || ReadLE16(packet + 4) == 0 ||
        m_pfnDispatcher == nullptr) {
        return;
    }
    try {
        m_pfnDispatcher(packet, len);
    } catch (...) {
        DebugLog("Error : exception while Garden message %u was handled\n", unsigned{ReadLE16(packet + 4)});
    }
}

int PacketQueue::SendBuilt(const GardenHeader& header, const void* body, std::size_t len, std::size_t zeroed)
{
    if (len > kBuildAreaBytes - kGardenHeaderBytes) {
        DebugLog("Error : Garden message %u with a body of %zu bytes not sent\n", unsigned{header.m_wMsgId}, len);
        return -1;
    }
    const std::size_t total = kGardenHeaderBytes + len;
    std::memset(m_Build, 0, std::min(std::max(total, zeroed), kBuildAreaBytes));
    WriteHeader(m_Build, header);
    if (len > 0 && body != nullptr) {
        std::memcpy(m_Build + kGardenHeaderBytes, body, len);
    }
    return GetGameNet().Send(0, m_Build, static_cast<int>(total), true);
}

int PacketQueue::SendGardenMessage(GardenHeader& header, const void* body, int len)
{
    header.m_wMsgId = kMsgGarden;
    return SendBuilt(header, body, len > 0 ? static_cast<std::size_t>(len) : 0, 0);
}

int PacketQueue::SendLogin(const std::string& body)
{
    GardenHeader h;
    h.m_wMsgId = kMsgLoginId;
    return SendBuilt(h, body.data(), body.size(), 0);
}

int PacketQueue::SendText(const char* text, u32 len)
{
    if (len > kTextMax) {
        DebugLog("Error : text message of %u characters not sent\n", len);
        return -1;
    }
    GardenHeader h;
    h.m_wMsgId = kMsgTextId;
    // The packet keeps its stated length; characters behind a NUL stay zero.
    std::memset(m_Build, 0, kTextZeroed);
    WriteHeader(m_Build, h);
    if (text != nullptr) {
        std::memcpy(m_Build + kGardenHeaderBytes, text, strnlen(text, len));
    }
    return GetGameNet().Send(0, m_Build, static_cast<int>(kGardenHeaderBytes + len), true);
}

int PacketQueue::UseToolCard(u32 cardId)
{
    GardenHeader h;
    h.m_dwUserId = cardId;
    h.m_wMsgId = kMsgUseToolCard;
    h.m_wSub = static_cast<u16>(253u << 8);
    return SendBuilt(h, nullptr, 0, 0);
}

int PacketQueue::SendMsg1014(u32 userId, u16 param)
{
    GardenHeader h;
    h.m_dwUserId = userId;
    h.m_wMsgId = kMsg1014;
    h.m_wSub = 1;
    h.m_wParam2 = param;
    return SendBuilt(h, nullptr, 0, 0);
}

int PacketQueue::SendMsg1016(const std::string& text, u16 sub)
{
    GardenHeader h;
    h.m_wMsgId = kMsgGardenSwitch;
    h.m_wSub = sub;
    return SendBuilt(h, text.data(), text.size(), 0);
}

int ApplyRecordPatches(u8* record, std::size_t size, const void* data, std::size_t len)
{
    if (record == nullptr || data == nullptr) {
        return 0;
    }
    const u8* p = static_cast<const u8*>(data);
    std::size_t pos = 0;
    int applied = 0;
    while (pos < len) {
        if (len - pos < 4) {
            DebugLog("Error : record patch header cut at %zu\n", pos);
            break;
        }
        const std::size_t length = ReadLE16(p + pos);
        const std::size_t offset = ReadLE16(p + pos + 2);
        if (len - pos - 4 < length || offset > size || length > size - offset) {
            DebugLog("Error : record patch {%zu, %zu} at %zu out of bounds\n", length, offset, pos);
            break;
        }
        std::memcpy(record + offset, p + pos + 4, length);
        pos += 4 + length;
        ++applied;
    }
    return applied;
}

PacketQueue& GetPacketQueue()
{
    static PacketQueue s_Queue;
    return s_Queue;
}

bool PushGardenPacket(const char* data, int len)
{
    return GetPacketQueue().Push(data, len);
}

void DrainGardenPackets()
{
    GetPacketQueue().Drain();
    GetGameNet().ResumeReceiving();
}

void SetGardenDispatcher(GardenDispatcher dispatcher)
{
    GetPacketQueue().SetDispatcher(dispatcher);
}

u32 HeldGardenPacketCount()
{
    return GetPacketQueue().Count();
}

void ClearGardenPackets()
{
    GetPacketQueue().Clear();
}

void EndGardenSession()
{
    GetGameNet().EndSession(0);
    ClearGardenPackets();
    CNet::ResetSequence();
}
