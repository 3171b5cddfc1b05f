#include "engine/WireCodec.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "framework/core/DebugLog.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
// The vector paths are compiled for their instruction sets and chosen at run time, so the build
// keeps running on any x86 processor.
#define ORV_WIRE_X86 1
#endif

namespace {

static_assert(std::endian::native == std::endian::little, "the word-wise codec assumes little-endian words");

constexpr u8 kArmourBase = 0x3B;

// Every codec path below computes the same bit moves, one group of three bytes per 32-bit lane
// (byte 0 = x1, byte 1 = x2, byte 2 = x3; the lane's byte 3 is unused on input):
//   character 0: x1 bits 7-4 -> value bits 5-2, x1 bits 1-0 -> value bits 1-0
//   character 1: the same from x2
//   character 2: x3 bits 5-0
//   character 3: x3 bits 7-6 -> value bits 5-4, x1 bits 3-2 -> 3-2, x2 bits 3-2 -> 1-0
// and the reverse for decoding. The masks are those lane constants, repeated per lane.
constexpr std::uint64_t Lanes(std::uint32_t lane)
{
    return (static_cast<std::uint64_t>(lane) << 32) | lane;
}

// Armours the masked groups of a word: one group per 32-bit lane.
inline std::uint64_t ArmourLanes(std::uint64_t y)
{
    return (((y & Lanes(0x0000F0F0u)) >> 2) | (y & Lanes(0x003F0303u)) | ((y & Lanes(0x00C00000u)) << 6) |
            ((y & Lanes(0x0000000Cu)) << 24) | ((y & Lanes(0x00000C00u)) << 14)) +
           Lanes(0x3B3B3B3Bu);
}

// De-armours the values (characters minus 0x3B) of a word: one group per 32-bit lane; byte 3 of
// each lane comes out as garbage.
inline std::uint64_t DearmourLanes(std::uint64_t v)
{
    return (((v & Lanes(0x00003C3Cu)) << 2) | (v & Lanes(0x00FF0303u)) | ((v & Lanes(0x30000000u)) >> 6) |
            ((v & Lanes(0x0C000000u)) >> 24) | ((v & Lanes(0x03000000u)) >> 14)) ^
           Lanes(0x005E5E5Eu);
}

// Each byte of v minus 0x3B modulo 256, with no borrow between bytes.
inline std::uint64_t ValuesOf(std::uint64_t v)
{
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    return ((v | kHigh) - 0x3B3B3B3B3B3B3B3Bull) ^ (~v & kHigh);
}

inline std::uint64_t Load64(const void* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

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

#ifdef ORV_WIRE_X86

// The lane formulas above on 16 and 32 bytes at once. Encoding spreads 12 bytes over the four
// lanes of a 128-bit half, decoding packs the four lanes' three bytes back together.
#define ORV_ARMOUR_LANES(V, and_, or_, sll, srl, add8, set1)                                        \
    add8(or_(or_(or_(srl(and_(V, set1(0x0000F0F0)), 2), and_(V, set1(0x003F0303))),               \
                 or_(sll(and_(V, set1(0x00C00000)), 6), sll(and_(V, set1(0x0000000C)), 24))),      \
             sll(and_(V, set1(0x00000C00)), 14)),                                                  \
         set1(0x3B3B3B3B))
#define ORV_DEARMOUR_LANES(V, and_, or_, xor_, sll, srl, set1)                                      \
    xor_(or_(or_(or_(sll(and_(V, set1(0x00003C3C)), 2), and_(V, set1(0x00FF0303))),               \
                 or_(srl(and_(V, set1(0x30000000)), 6), srl(and_(V, set1(0x0C000000)), 24))),      \
             srl(and_(V, set1(0x03000000)), 14)),                                                  \
         set1(0x005E5E5E))

__attribute__((target("ssse3"))) std::size_t EncodeBlocksSsse3(const u8* data, std::size_t len, char* out)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i mask = _mm_set1_epi8(static_cast<char>(kWireMask));
    std::size_t i = 0;
    for (; i + 16 <= len; i += 12, out += 16) {
        const __m128i y = _mm_shuffle_epi8(_mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)), mask), spread);
        const __m128i r = ORV_ARMOUR_LANES(y, _mm_and_si128, _mm_or_si128, _mm_slli_epi32, _mm_srli_epi32, _mm_add_epi8, _mm_set1_epi32);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), r);
    }
    return i;
}

__attribute__((target("avx2"))) std::size_t EncodeBlocksAvx2(const u8* data, std::size_t len, char* out)
{
    const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,
                                            0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i mask = _mm256_set1_epi8(static_cast<char>(kWireMask));
    std::size_t i = 0;
    for (; i + 28 <= len; i += 24, out += 32) {
        const __m256i raw = _mm256_inserti128_si256(
            _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i))),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 12)), 1);
        const __m256i y = _mm256_shuffle_epi8(_mm256_xor_si256(raw, mask), spread);
        const __m256i r = ORV_ARMOUR_LANES(y, _mm256_and_si256, _mm256_or_si256, _mm256_slli_epi32, _mm256_srli_epi32, _mm256_add_epi8, _mm256_set1_epi32);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), r);
    }
    return i;
}

// Decodes whole 16-character blocks; returns the characters taken (3 bytes out per 4).
__attribute__((target("ssse3"))) std::size_t DecodeBlocksSsse3(const char* text, std::size_t len, char* out)
{
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m128i base = _mm_set1_epi8(static_cast<char>(kArmourBase));
    std::size_t i = 0;
    for (; i + 16 <= len; i += 16, out += 12) {
        const __m128i v = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i)), base);
        const __m128i r = _mm_shuffle_epi8(ORV_DEARMOUR_LANES(v, _mm_and_si128, _mm_or_si128, _mm_xor_si128, _mm_slli_epi32, _mm_srli_epi32, _mm_set1_epi32), pack);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), r);
        const std::uint32_t last = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(r, 8)));
        std::memcpy(out + 8, &last, 4);
    }
    return i;
}

__attribute__((target("avx2"))) std::size_t DecodeBlocksAvx2(const char* text, std::size_t len, char* out)
{
    const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                          0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i base = _mm256_set1_epi8(static_cast<char>(kArmourBase));
    std::size_t i = 0;
    for (; i + 32 <= len; i += 32, out += 24) {
        const __m256i v = _mm256_sub_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i)), base);
        const __m256i r = _mm256_shuffle_epi8(ORV_DEARMOUR_LANES(v, _mm256_and_si256, _mm256_or_si256, _mm256_xor_si256, _mm256_slli_epi32, _mm256_srli_epi32, _mm256_set1_epi32), pack);
        // Bytes 0-11 of each half are the output; the low half's 16-byte store is overwritten by
        // the high half's 12 bytes.
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(r));
        const __m128i hi = _mm256_extracti128_si256(r, 1);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 12), hi);
        const std::uint32_t last = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(hi, 8)));
        std::memcpy(out + 20, &last, 4);
    }
    return i;
}

// Index of the first of '#', '!', '*', '+' in [from, len), or len. '!' and '#' differ only in bit
// 1, '*' and '+' only in bit 0.
__attribute__((target("avx2"))) std::size_t FindFramingAvx2(const u8* data, std::size_t from, std::size_t len)
{
    const __m256i notBit1 = _mm256_set1_epi8(static_cast<char>(0xFD));
    const __m256i notBit0 = _mm256_set1_epi8(static_cast<char>(0xFE));
    const __m256i endOrStart = _mm256_set1_epi8(kFrameEnd);
    const __m256i fillers = _mm256_set1_epi8(kFrameFiller1);
    for (; from + 32 <= len; from += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + from));
        const __m256i hit = _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_and_si256(v, notBit1), endOrStart),
                                            _mm256_cmpeq_epi8(_mm256_and_si256(v, notBit0), fillers));
        const unsigned bits = static_cast<unsigned>(_mm256_movemask_epi8(hit));
        if (bits != 0) {
            return from + static_cast<std::size_t>(__builtin_ctz(bits));
        }
    }
    return from;
}

__attribute__((target("sse2"))) std::size_t FindFramingSse2(const u8* data, std::size_t from, std::size_t len)
{
    const __m128i notBit1 = _mm_set1_epi8(static_cast<char>(0xFD));
    const __m128i notBit0 = _mm_set1_epi8(static_cast<char>(0xFE));
    const __m128i endOrStart = _mm_set1_epi8(kFrameEnd);
    const __m128i fillers = _mm_set1_epi8(kFrameFiller1);
    for (; from + 16 <= len; from += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        const __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(_mm_and_si128(v, notBit1), endOrStart),
                                         _mm_cmpeq_epi8(_mm_and_si128(v, notBit0), fillers));
        const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (bits != 0) {
            return from + static_cast<std::size_t>(__builtin_ctz(bits));
        }
    }
    return from;
}

#undef ORV_ARMOUR_LANES
#undef ORV_DEARMOUR_LANES

// The widest vector path this processor runs: 2 AVX2, 1 SSSE3, 0 none.
int VectorLevel()
{
    static const int level = __builtin_cpu_supports("avx2") ? 2 : __builtin_cpu_supports("ssse3") ? 1 : 0;
    return level;
}

#endif  // ORV_WIRE_X86

// Index of the first framing byte in [from, len), or len: vector blocks where the processor has
// them, then words of eight bytes, then single bytes.
std::size_t FindFramingByte(const u8* data, std::size_t from, std::size_t len)
{
#ifdef ORV_WIRE_X86
    if (VectorLevel() == 2) {
        from = FindFramingAvx2(data, from, len);
    } else if (__builtin_cpu_supports("sse2")) {
        from = FindFramingSse2(data, from, len);
    }
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    for (; from + 8 <= len; from += 8) {
        const std::uint64_t w = Load64(data + from);
        // A zero byte marks a hit; the lowest flagged byte is always a true one.
        const std::uint64_t a = (w & (kOnes * 0xFD)) ^ (kOnes * static_cast<u8>(kFrameEnd));
        const std::uint64_t b = (w & (kOnes * 0xFE)) ^ (kOnes * static_cast<u8>(kFrameFiller1));
        const std::uint64_t hits = (((a - kOnes) & ~a) | ((b - kOnes) & ~b)) & kHigh;
        if (hits != 0) {
            return from + static_cast<std::size_t>(std::countr_zero(hits) / 8);
        }
    }
    for (; from < len; ++from) {
        const u8 b = data[from];
        if ((b & 0xFD) == static_cast<u8>(kFrameEnd) || (b & 0xFE) == static_cast<u8>(kFrameFiller1)) {
            break;
        }
    }
    return from;
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
#ifdef ORV_WIRE_X86
    const int level = VectorLevel();
    if (level == 2) {
        i = EncodeBlocksAvx2(data, len, p);
    }
    if (level >= 1) {
        const std::size_t j = EncodeBlocksSsse3(data + i, len - i, p + i / 3 * 4);
        i += j;
    }
    p += i / 3 * 4;
#endif
    // Two groups per word while eight bytes can be read.
    constexpr std::uint64_t kMask = 0x5E5E5E5E5E5E5E5Eull;
    for (; i + 8 <= len; i += 6, p += 8) {
        const std::uint64_t v = Load64(data + i) ^ kMask;
        const std::uint64_t r = ArmourLanes((v & 0xFFFFFFull) | ((v << 8) & 0x00FFFFFF00000000ull));
        std::memcpy(p, &r, 8);
    }
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
#ifdef ORV_WIRE_X86
    const int level = VectorLevel();
    if (level == 2) {
        i = DecodeBlocksAvx2(text, len, p);
    }
    if (level >= 1) {
        i += DecodeBlocksSsse3(text + i, len - i, p + i / 4 * 3);
    }
    p += i / 4 * 3;
#endif
    // Two groups per word.
    for (; i + 8 <= len; i += 8, p += 6) {
        const std::uint64_t r = DearmourLanes(ValuesOf(Load64(text + i)));
        const std::uint64_t packed = (r & 0xFFFFFFull) | ((r >> 8) & 0xFFFFFF000000ull);
        std::memcpy(p, &packed, 6);
    }
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

void FrameScanner::EndFrame(const char* text, std::size_t len, void (*sink)(void*, const char*, int), void* ctx)
{
    if (len < kMinFrameText) {
        if (len != 0) {
            DebugLog("Error : ProcessBuffer, short frame dropped (%zu characters)\n", len);
        }
        return;
    }
    DecodeWireInto(text, len, m_strPacket);
    if (m_strPacket.size() < kPacketHeaderBytes) {
        DebugLog("Error : ProcessBuffer");
    } else if (sink != nullptr) {
        sink(ctx, m_strPacket.data(), static_cast<int>(m_strPacket.size()));
    }
}

void FrameScanner::Feed(const u8* data, std::size_t len, void (*sink)(void*, const char*, int), void* ctx)
{
    if (data == nullptr) {
        return;
    }
    std::size_t i = 0;
    while (i < len) {
        const char ch = static_cast<char>(data[i]);
        if (m_bSkipNext) {
            // The sequence character, also when it comes in the next read. A '#' there cannot be
            // one: it starts the frame anew.
            m_bSkipNext = false;
            if (ch != kFrameStart) {
                ++i;
                continue;
            }
        }
        if (ch == kFrameFiller1 || ch == kFrameFiller2) {
            ++i;
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
            ++i;
            continue;
        }
        if (ch == kFrameEnd) {
            if (m_bOverlong) {
                m_bOverlong = false;
            } else {
                EndFrame(m_strText.data(), m_strText.size(), sink, ctx);
            }
            m_strText.clear();
            ++i;
            continue;
        }
        // A run of text characters up to the next framing character is taken at once.
        const std::size_t end = FindFramingByte(data, i + 1, len);
        const std::size_t run = end - i;
        if (!m_bOverlong) {
            if (m_strText.empty() && end < len && data[end] == static_cast<u8>(kFrameEnd) && run <= kMaxFrameText) {
                // The whole text of the frame lies in this read: decoded where it stands.
                EndFrame(reinterpret_cast<const char*>(data + i), run, sink, ctx);
                i = end + 1;
                continue;
            }
            // A text within kMaxFrameText decodes to at most kMaxPacketBytes.
            if (m_strText.size() + run > kMaxFrameText) {
                DebugLog("Error : ProcessBuffer, frame longer than %zu characters dropped\n", kMaxFrameText);
                m_strText.clear();
                m_bOverlong = true;
            } else {
                m_strText.append(reinterpret_cast<const char*>(data + i), run);
            }
        }
        i = end;
    }
}
