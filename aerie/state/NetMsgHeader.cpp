#include "aerie/state/NetMsgHeader.h"

#include <cstring>

std::string_view CountedText(const void* p, std::size_t maxLen)
{
    if (p == nullptr) {
        return {};
    }
    const char* text = static_cast<const char*>(p);
    const void* nul = std::memchr(text, 0, maxLen);
    return {text, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : maxLen};
}

void NetMsgHeader::AppendTo(std::string& out) const
{
    unsigned char bytes[kNetMsgHeaderSize];
    WriteLE32(bytes, m_dwOwnerId);
    WriteLE16(bytes + 4, m_wMainId);
    WriteLE16(bytes + 6, m_wSubId);
    WriteLE16(bytes + 8, m_wParam1);
    WriteLE16(bytes + 10, m_wParam2);
    out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

NetMsgHeader NetMsgHeader::Read(const char* buf, int len)
{
    NetMsgHeader h;
    if (buf == nullptr || len <= 0) {
        h.m_wMainId = 0;
        return h;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(buf);
    const auto n = static_cast<std::size_t>(len);
    h.m_dwOwnerId = ReadLE32At(p, n, 0);
    h.m_wMainId = ReadLE16At(p, n, 4);
    h.m_wSubId = ReadLE16At(p, n, 6);
    h.m_wParam1 = ReadLE16At(p, n, 8);
    h.m_wParam2 = ReadLE16At(p, n, 10);
    return h;
}
