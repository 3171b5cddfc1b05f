#include "engine/WireCodec.h"

#include "framework/core/DebugLog.h"

namespace {

constexpr u8 kArmourBase = 0x3B;

// The character of one byte under rules 1 and 2: bits 7-4 as value bits 5-2, bits 1-0 as 1-0.
inline char ByteChar(u8 x)
{
    return static_cast<char>(kArmourBase + (((x >> 4) << 2) | (x & 3)));
}

// Bits 3-2 of a byte, the part its carry character keeps.
inline u8 Carry(u8 x)
{
    return (x >> 2) & 3;
}

inline u8 Value(char c)
{
    return static_cast<u8>(static_cast<u8>(c) - kArmourBase);
}

// The byte of value v (rules 1 and 2) with bits 3-2 taken from carry.
inline u8 ByteOf(u8 v, u8 carry)
{
    return static_cast<u8>((((v >> 2) & 0x0F) << 4) | ((carry & 3) << 2) | (v & 3));
}

// '#', '!', '*' and '+': the bytes the scanner treats one by one.
inline bool IsFramingByte(u8 b)
{
    return b == '#' || b == '!' || b == '*' || b == '+';
}

}  // namespace

std::size_t ArmouredLength(std::size_t n)
{
    const std::size_t tail = n % 3;
    return n / 3 * 4 + (tail == 0 ? 0 : tail + 1);
}

void AppendEncodedWire(const u8* data, std::size_t len, std::string& out)
{
    const std::size_t start = out.size();
    out.resize(start + ArmouredLength(len));
    char* p = out.data() + start;
    std::size_t i = 0;
    for (; i + 3 <= len; i += 3) {
        const u8 x1 = data[i] ^ kWireMask;
        const u8 x2 = data[i + 1] ^ kWireMask;
        const u8 x3 = data[i + 2] ^ kWireMask;
        p[0] = ByteChar(x1);
        p[1] = ByteChar(x2);
        p[2] = static_cast<char>(kArmourBase + (x3 & 0x3F));
        p[3] = static_cast<char>(kArmourBase + (((x3 >> 6) << 4) | (Carry(x1) << 2) | Carry(x2)));
        p += 4;
    }
    if (len - i == 1) {
        const u8 x1 = data[i] ^ kWireMask;
        p[0] = ByteChar(x1);
        p[1] = static_cast<char>(kArmourBase + Carry(x1));
    } else if (len - i == 2) {
        const u8 x1 = data[i] ^ kWireMask;
        const u8 x2 = data[i + 1] ^ kWireMask;
        p[0] = ByteChar(x1);
        p[1] = ByteChar(x2);
        p[2] = static_cast<char>(kArmourBase + ((Carry(x1) << 2) | Carry(x2)));
    }
}

std::string EncodeWire(const void* data, int len)
{
    std::string out;
    if (data != nullptr && len > 0) {
        AppendEncodedWire(static_cast<const u8*>(data), static_cast<std::size_t>(len), out);
    }
    return out;
}

void DecodeWireInto(const char* text, std::size_t len, std::string& out)
{
    const std::size_t tail = len % 4;
    out.resize(len / 4 * 3 + (tail >= 2 ? tail - 1 : 0));
    char* p = out.data();
    std::size_t i = 0;
    for (; i + 4 <= len; i += 4) {
        const u8 a = Value(text[i]);
        const u8 b = Value(text[i + 1]);
        const u8 c = Value(text[i + 2]);
        const u8 d = Value(text[i + 3]);
        p[0] = static_cast<char>(ByteOf(a, d >> 2) ^ kWireMask);
        p[1] = static_cast<char>(ByteOf(b, d) ^ kWireMask);
        p[2] = static_cast<char>(static_cast<u8>((((d >> 4) & 3) << 6) | c) ^ kWireMask);
        p += 3;
    }
    if (tail == 2) {
        p[0] = static_cast<char>(ByteOf(Value(text[i]), Value(text[i + 1])) ^ kWireMask);
    } else if (tail == 3) {
        const u8 d = Value(text[i + 2]);
        p[0] = static_cast<char>(ByteOf(Value(text[i]), d >> 2) ^ kWireMask);
        p[1] = static_cast<char>(ByteOf(Value(text[i + 1]), d) ^ kWireMask);
    }
}

std::string DecodeWire(const char* text, int len)
{
    std::string out;
    if (text != nullptr && len > 0) {
        DecodeWireInto(text, static_cast<std::size_t>(len), out);
    }
    return out;
}

// The buffers grow to the largest frame seen and keep that room.
FrameScanner::FrameScanner() = default;

void FrameScanner::Reset()
{
    m_strText.clear();
    m_bSkipNext = false;
    m_bOverlong = false;
}

void FrameScanner::Feed(const u8* data, std::size_t len, void (*sink)(void*, const char*, int), void* ctx)
{
    if (data == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < len; ++i) {
        const char ch = static_cast<char>(data[i]);
        if (m_bSkipNext) {
            // The sequence character, also when it comes in the next read. A '#' there cannot be
            // one: it starts the frame anew.
            m_bSkipNext = false;
            if (ch != kFrameStart) {
                continue;
            }
        }
        if (ch == kFrameFiller1 || ch == kFrameFiller2) {
            continue;
        }
        if (ch == kFrameStart) {
            // A new frame: whatever was gathered without its '!' is dropped.
            if (!m_strText.empty()) {
                DebugLog("Error : ProcessBuffer, frame without end dropped (%zu characters)\n", m_strText.size());
            }
            m_strText.clear();
            m_bOverlong = false;
            m_bSkipNext = true;
            continue;
        }
        if (ch == kFrameEnd) {
            if (m_bOverlong) {
                m_bOverlong = false;
            } else if (m_strText.size() < kMinFrameText) {
                if (!m_strText.empty()) {
                    DebugLog("Error : ProcessBuffer, short frame dropped (%zu characters)\n", m_strText.size());
                }
            } else {
                DecodeWireInto(m_strText.data(), m_strText.size(), m_strPacket);
                if (m_strPacket.size() < kPacketHeaderBytes) {
                    DebugLog("Error : ProcessBuffer");
                } else if (sink != nullptr) {
                    sink(ctx, m_strPacket.data(), static_cast<int>(m_strPacket.size()));
                }
            }
            m_strText.clear();
            continue;
        }
        // A run of text characters up to the next framing character is taken at once.
        std::size_t end = i + 1;
        while (end < len && !IsFramingByte(data[end])) {
            ++end;
        }
        if (!m_bOverlong) {
            // A text within kMaxFrameText decodes to at most kMaxPacketBytes.
            if (m_strText.size() + (end - i) > kMaxFrameText) {
                DebugLog("Error : ProcessBuffer, frame longer than %zu characters dropped\n", kMaxFrameText);
                m_strText.clear();
                m_bOverlong = true;
            } else {
                m_strText.append(reinterpret_cast<const char*>(data + i), end - i);
            }
        }
        i = end - 1;
    }
}
