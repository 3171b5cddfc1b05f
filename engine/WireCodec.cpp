#include "engine/WireCodec.h"

#include <algorithm>
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
// (byte 0 = x1, byte 1 = x2, byte 2 = x3; for armouring byte 3 holds x2 again, so that x2's
// carry bits take the same shift as the high nibbles):
//   character 0: x1 bits 7-4 -> value bits 5-2, x1 bits 1-0 -> value bits 1-0
//   character 1: the same from x2
//   character 2: x3 bits 5-0
//   character 3: x3 bits 7-6 -> value bits 5-4, x1 bits 3-2 -> 3-2, x2 bits 3-2 -> 1-0
// and the reverse for decoding. The masks are these lane constants, repeated per lane.
enum : std::uint32_t {
    // armour: x1, x2 high nibbles and x2's copy's bits 3-2 (shifted down 2); x1, x2 bits 1-0 and
    // x3 bits 5-0 (in place); x3 bits 7-6 (up 6); x1 bits 3-2 (up 24); the character base
    kArHigh = 0x0C00F0F0u, kArKeep = 0x003F0303u, kArTop = 0x00C00000u, kArCarry1 = 0x0000000Cu,
    kArBase = 0x3B3B3B3Bu,
    // de-armour: a, b bits 5-2 (up 2); a, b bits 1-0 and all of c (in place); d bits 5-4 (down 6),
    // 3-2 (down 24), 1-0 (down 14); the wire mask on the three bytes
    kDeHigh = 0x00003C3Cu, kDeKeep = 0x00FF0303u, kDeTop = 0x30000000u, kDeCarry1 = 0x0C000000u, kDeCarry2 = 0x03000000u,
    kDeMask = 0x005E5E5Eu,
};

constexpr std::uint64_t Lanes(std::uint32_t lane)
{
    return (static_cast<std::uint64_t>(lane) << 32) | lane;
}

// Armours the masked groups of a word: one group per 32-bit lane.
inline std::uint64_t ArmourLanes(std::uint64_t y)
{
    return (((y & Lanes(kArHigh)) >> 2) | (y & Lanes(kArKeep)) | ((y & Lanes(kArTop)) << 6) | ((y & Lanes(kArCarry1)) << 24)) +
           Lanes(kArBase);
}

// De-armours the values (characters minus 0x3B) of a word: one group per 32-bit lane; byte 3 of
// each lane comes out as garbage.
inline std::uint64_t DearmourLanes(std::uint64_t v)
{
    return (((v & Lanes(kDeHigh)) << 2) | (v & Lanes(kDeKeep)) | ((v & Lanes(kDeTop)) >> 6) | ((v & Lanes(kDeCarry1)) >> 24) |
            ((v & Lanes(kDeCarry2)) >> 14)) ^
           Lanes(kDeMask);
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

// The lane formulas above on 16 and 32 bytes at once (K(x) gives the vector of lane constant x).
// Encoding spreads 12 bytes over the four lanes of a 128-bit half, decoding packs the four lanes'
// three bytes back together.
#define ORV_ARMOUR_LANES(V, and_, or_, sll, srl, add8, K)                                           \
    add8(or_(or_(srl(and_(V, K(kArHigh)), 2), and_(V, K(kArKeep))),                                \
             or_(sll(and_(V, K(kArTop)), 6), sll(and_(V, K(kArCarry1)), 24))),                     \
         K(kArBase))
#define ORV_DEARMOUR_LANES(V, and_, or_, xor_, sll, srl, K)                                         \
    xor_(or_(or_(or_(sll(and_(V, K(kDeHigh)), 2), and_(V, K(kDeKeep))),                            \
                 or_(srl(and_(V, K(kDeTop)), 6), srl(and_(V, K(kDeCarry1)), 24))),                 \
             srl(and_(V, K(kDeCarry2)), 14)),                                                      \
         K(kDeMask))
#define ORV_SET128(x) _mm_set1_epi32(static_cast<int>(x))

// Armours 12 bytes into 16 characters per step from byte i while 16 bytes can be read; returns
// the bytes done.
__attribute__((target("ssse3"), always_inline)) inline std::size_t EncodeSteps16(const u8* data, std::size_t len, char* out, std::size_t i)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, 1, 3, 4, 5, 4, 6, 7, 8, 7, 9, 10, 11, 10);
    const __m128i mask = _mm_set1_epi8(static_cast<char>(kWireMask));
    for (char* p = out + i / 3 * 4; i + 16 <= len; i += 12, p += 16) {
        const __m128i y = _mm_shuffle_epi8(_mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)), mask), spread);
        const __m128i r = ORV_ARMOUR_LANES(y, _mm_and_si128, _mm_or_si128, _mm_slli_epi32, _mm_srli_epi32, _mm_add_epi8, ORV_SET128);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), r);
    }
    return i;
}

// De-armours 16 characters into 12 bytes per step from character i; returns the characters done.
__attribute__((target("ssse3"), always_inline)) inline std::size_t DecodeSteps16(const char* text, std::size_t len, char* out, std::size_t i)
{
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m128i base = _mm_set1_epi8(static_cast<char>(kArmourBase));
    for (char* p = out + i / 4 * 3; i + 16 <= len; i += 16, p += 12) {
        const __m128i v = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i)), base);
        const __m128i r = _mm_shuffle_epi8(ORV_DEARMOUR_LANES(v, _mm_and_si128, _mm_or_si128, _mm_xor_si128, _mm_slli_epi32, _mm_srli_epi32, ORV_SET128), pack);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), r);
        const std::uint32_t last = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(r, 8)));
        std::memcpy(p + 8, &last, 4);
    }
    return i;
}

__attribute__((target("ssse3"))) std::size_t EncodeSsse3(const u8* data, std::size_t len, char* out)
{
    return EncodeSteps16(data, len, out, 0);
}

__attribute__((target("ssse3"))) std::size_t DecodeSsse3(const char* text, std::size_t len, char* out)
{
    return DecodeSteps16(text, len, out, 0);
}

// Keeps a constant in its register: without this the compiler rebuilds some of them from
// general registers inside the loop.
__attribute__((target("avx2"), always_inline)) inline void Pin(__m256i& v)
{
    asm("" : "+x"(v));
}

// The lane constants of the 32-byte steps, named as above, made once per call.
struct Lanes32 {
    __m256i kArHigh, kArKeep, kArTop, kArCarry1, kArBase;
    __m256i kDeHigh, kDeKeep, kDeTop, kDeCarry1, kDeCarry2, kDeMask;
};
#define ORV_LANE32(x) k.x

__attribute__((target("avx2"), always_inline)) inline Lanes32 MakeLanes32(bool armour)
{
    Lanes32 k{};
    if (armour) {
        k.kArHigh = _mm256_set1_epi32(kArHigh), k.kArKeep = _mm256_set1_epi32(kArKeep), k.kArTop = _mm256_set1_epi32(kArTop);
        k.kArCarry1 = _mm256_set1_epi32(kArCarry1), k.kArBase = _mm256_set1_epi32(kArBase);
        for (__m256i* v : {&k.kArHigh, &k.kArKeep, &k.kArTop, &k.kArCarry1, &k.kArBase}) {
            Pin(*v);
        }
    } else {
        k.kDeHigh = _mm256_set1_epi32(kDeHigh), k.kDeKeep = _mm256_set1_epi32(kDeKeep), k.kDeTop = _mm256_set1_epi32(kDeTop);
        k.kDeCarry1 = _mm256_set1_epi32(kDeCarry1), k.kDeCarry2 = _mm256_set1_epi32(kDeCarry2), k.kDeMask = _mm256_set1_epi32(kDeMask);
        for (__m256i* v : {&k.kDeHigh, &k.kDeKeep, &k.kDeTop, &k.kDeCarry1, &k.kDeCarry2, &k.kDeMask}) {
            Pin(*v);
        }
    }
    return k;
}

__attribute__((target("avx2"))) std::size_t EncodeAvx2(const u8* data, std::size_t len, char* out)
{
    std::size_t i = 0;
    if (len >= 28) {
        const Lanes32 k = MakeLanes32(true);
        __m256i spread = _mm256_setr_epi8(0, 1, 2, 1, 3, 4, 5, 4, 6, 7, 8, 7, 9, 10, 11, 10,
                                          0, 1, 2, 1, 3, 4, 5, 4, 6, 7, 8, 7, 9, 10, 11, 10);
        __m256i mask = _mm256_set1_epi8(static_cast<char>(kWireMask));
        Pin(spread);
        Pin(mask);
        for (char* p = out; i + 28 <= len; i += 24, p += 32) {
            const __m256i raw = _mm256_inserti128_si256(
                _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i))),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 12)), 1);
            const __m256i y = _mm256_shuffle_epi8(_mm256_xor_si256(raw, mask), spread);
            const __m256i r = ORV_ARMOUR_LANES(y, _mm256_and_si256, _mm256_or_si256, _mm256_slli_epi32, _mm256_srli_epi32, _mm256_add_epi8, ORV_LANE32);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), r);
        }
    }
    return EncodeSteps16(data, len, out, i);
}

// The constants of the 32-character de-armour step.
struct DecodeConsts32 {
    Lanes32 lanes;
    __m256i base, pack, join;
};

__attribute__((target("avx2"), always_inline)) inline DecodeConsts32 MakeDecodeConsts32()
{
    DecodeConsts32 c{MakeLanes32(false), _mm256_set1_epi8(static_cast<char>(kArmourBase)),
                     _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                      0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1),
                     _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7)};
    Pin(c.base);
    return c;
}

// De-armours 32 characters into 24 bytes, in the low 24 bytes of the result.
__attribute__((target("avx2"), always_inline)) inline __m256i DecodeBlock32(__m256i raw, const DecodeConsts32& c)
{
    const Lanes32& k = c.lanes;
    const __m256i v = _mm256_sub_epi8(raw, c.base);
    const __m256i r = ORV_DEARMOUR_LANES(v, _mm256_and_si256, _mm256_or_si256, _mm256_xor_si256, _mm256_slli_epi32, _mm256_srli_epi32, ORV_LANE32);
    return _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(r, c.pack), c.join);
}

// Stores the 24 bytes of a de-armoured block; a whole 32-byte store where room allows.
__attribute__((target("avx2"), always_inline)) inline void Store24(__m256i r, char* p, char* end)
{
    if (end - p >= 32) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), r);
    } else {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(r));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p + 16), _mm256_extracti128_si256(r, 1));
    }
}

__attribute__((target("avx2"))) std::size_t DecodeAvx2(const char* text, std::size_t len, char* out)
{
    std::size_t i = 0;
    if (len >= 32) {
        const DecodeConsts32 k = MakeDecodeConsts32();
        char* const end = out + len / 4 * 3;
        for (char* p = out; i + 32 <= len; i += 32, p += 24) {
            Store24(DecodeBlock32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i)), k), p, end);
        }
    }
    return DecodeSteps16(text, len, out, i);
}

// The bytes of a block that are '#', '!', '*' or '+' (0xFF each). All four are 0x2_: a byte is one
// when the entry its low nibble picks equals it; entries for other nibbles hold 0x80, which no
// byte it is compared with can be (bytes from 0x80 pick 0).
__attribute__((target("avx2"), always_inline)) inline __m256i FramingHits32(__m256i v)
{
    const __m256i byNibble = _mm256_setr_epi8(-128, '!', -128, '#', -128, -128, -128, -128, -128, -128, '*', '+', -128, -128, -128, -128,
                                              -128, '!', -128, '#', -128, -128, -128, -128, -128, -128, '*', '+', -128, -128, -128, -128);
    return _mm256_cmpeq_epi8(_mm256_shuffle_epi8(byNibble, v), v);
}

__attribute__((target("avx2"), always_inline)) inline __m256i Load32(const void* at)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

// De-armours whole 32-character blocks up to the first block that holds a framing byte; returns
// the characters done.
__attribute__((target("avx2"))) std::size_t DecodeTextAvx2(const char* text, std::size_t len, char* out)
{
    const DecodeConsts32 k = MakeDecodeConsts32();
    char* const end = out + len / 4 * 3;
    std::size_t i = 0;
    for (char* p = out; i + 32 <= len; i += 32, p += 24) {
        const __m256i raw = Load32(text + i);
        const __m256i hits = FramingHits32(raw);
        if (!_mm256_testz_si256(hits, hits)) {
            break;
        }
        Store24(DecodeBlock32(raw, k), p, end);
    }
    return i;
}

// Index of the first framing byte in [from, len) within whole 64-byte blocks, or the start of
// the first block not taken.
__attribute__((target("avx2"))) std::size_t FindFramingAvx2(const u8* data, std::size_t from, std::size_t len)
{
    for (; from + 64 <= len; from += 64) {
        const __m256i a = FramingHits32(Load32(data + from));
        const __m256i b = FramingHits32(Load32(data + from + 32));
        const __m256i any = _mm256_or_si256(a, b);
        if (!_mm256_testz_si256(any, any)) {
            const std::uint64_t bits = static_cast<std::uint32_t>(_mm256_movemask_epi8(a)) |
                                       (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(b))) << 32);
            return from + static_cast<std::size_t>(std::countr_zero(bits));
        }
    }
    return from;
}

#undef ORV_ARMOUR_LANES
#undef ORV_DEARMOUR_LANES
#undef ORV_SET128
#undef ORV_LANE32

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
    if (len - from >= 64 && VectorLevel() == 2) {
        from = FindFramingAvx2(data, from, len);
    }
#endif
#ifdef __SSE2__
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
            return from + static_cast<std::size_t>(std::countr_zero(bits));
        }
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

// De-armours the leading whole blocks of text that hold no framing byte, where the processor has
// a vector path for it; returns the characters done (whole groups of four).
std::size_t DecodeTextBlocks(const char* text, std::size_t len, char* out)
{
#ifdef ORV_WIRE_X86
    if (VectorLevel() == 2) {
        return DecodeTextAvx2(text, len, out);
    }
#endif
    return 0;
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
    if (len >= 16) {
        const int level = VectorLevel();
        i = level == 2 && len >= 28 ? EncodeAvx2(data, len, p) : level >= 1 ? EncodeSsse3(data, len, p) : 0;
        p += i / 3 * 4;
    }
#endif
    // Two groups per word while eight bytes can be read; the last one or two whole groups from
    // the word that ends with them (a group done twice comes out the same).
    auto armourWord = [](std::uint64_t v) {   // the groups are in the low six bytes
        v ^= 0x5E5E5E5E5E5E5E5Eull;
        const std::uint64_t lanes = (v & 0xFFFFFFull) | ((v << 8) & 0x00FFFFFF00000000ull);
        return ArmourLanes(lanes | ((lanes & 0x0000FF000000FF00ull) << 16));
    };
    for (; i + 8 <= len; i += 6, p += 8) {
        const std::uint64_t r = armourWord(Load64(data + i));
        std::memcpy(p, &r, 8);
    }
    const std::size_t whole = len - len % 3;
    if (whole > i && whole >= 8) {
        const std::uint64_t r = armourWord(Load64(data + whole - 8) >> 16);
        p += (whole - i) / 3 * 4;
        std::memcpy(p - 8, &r, 8);
        i = whole;
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

namespace {

// Decoded length of len characters: 3 per whole group of four, 1 or 2 for a tail of 2 or 3.
std::size_t DecodedLength(std::size_t len)
{
    const std::size_t tail = len % 4;
    return len / 4 * 3 + (tail >= 2 ? tail - 1 : 0);
}

// Decodes len characters into the DecodedLength(len) bytes at p.
void DecodeTo(const char* text, std::size_t len, char* p)
{
    const std::size_t tail = len % 4;
    std::size_t i = 0;
#ifdef ORV_WIRE_X86
    if (len >= 16) {
        const int level = VectorLevel();
        i = level == 2 && len >= 32 ? DecodeAvx2(text, len, p) : level >= 1 ? DecodeSsse3(text, len, p) : 0;
        p += i / 4 * 3;
    }
#endif
    // Two groups per word; a last whole group from the word that ends with it.
    auto dearmourWord = [](std::uint64_t v) {
        const std::uint64_t r = DearmourLanes(ValuesOf(v));
        return (r & 0xFFFFFFull) | ((r >> 8) & 0xFFFFFF000000ull);
    };
    for (; i + 8 <= len; i += 8, p += 6) {
        const std::uint64_t packed = dearmourWord(Load64(text + i));
        std::memcpy(p, &packed, 6);
    }
    const std::size_t whole = len - tail;
    if (whole > i && whole >= 8) {
        const std::uint64_t packed = dearmourWord(Load64(text + whole - 8));
        p += 3;
        std::memcpy(p - 6, &packed, 6);
        i = whole;
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

}  // namespace

void DecodeWireInto(const char* text, std::size_t len, std::string& out)
{
    out.resize(DecodedLength(len));
    DecodeTo(text, len, out.data());
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

char* FrameScanner::PacketRoom(std::size_t len)
{
    if (m_strPacket.size() < len) {
        m_strPacket.resize(len);
    }
    return m_strPacket.data();
}

void FrameScanner::EndFrame(const char* text, std::size_t len, void (*sink)(void*, const char*, int), void* ctx)
{
    if (len < kMinFrameText) {
        if (len != 0) {
            DebugLog("Error : ProcessBuffer, short frame dropped (%zu characters)\n", len);
        }
        return;
    }
    DecodeTo(text, len, PacketRoom(DecodedLength(len)));
    HandOn(DecodedLength(len), sink, ctx);
}

void FrameScanner::HandOn(std::size_t packetLen, void (*sink)(void*, const char*, int), void* ctx)
{
    if (packetLen < kPacketHeaderBytes) {
        DebugLog("Error : ProcessBuffer");
    } else if (sink != nullptr) {
        sink(ctx, m_strPacket.data(), static_cast<int>(packetLen));
    }
}

std::size_t FrameScanner::DecodeAhead(const u8* data, std::size_t start, std::size_t len, std::size_t& decoded)
{
    // Text blocks are decoded in the same pass that looks for the run's end, while they are in
    // cache; a text past kMaxFrameText cannot be handed on.
    const std::size_t span = std::min(len - start, kMaxFrameText);
    decoded = 0;
    if (span >= 64) {
        decoded = DecodeTextBlocks(reinterpret_cast<const char*>(data + start), span, PacketRoom(DecodedLength(span)));
    }
    return FindFramingByte(data, start + std::max<std::size_t>(decoded, 1), len);
}

std::size_t FrameScanner::Feed(const u8* data, std::size_t len, void (*sink)(void*, const char*, int), void* ctx)
{
    if (data == nullptr) {
        return len;
    }
    m_bPause = false;
    std::size_t i = 0;
    while (i < len) {
        if (m_bPause) {
            m_bPause = false;
            return i;
        }
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
        if (m_bOverlong) {
            i = FindFramingByte(data, i + 1, len);
            continue;
        }
        std::size_t decoded = 0;
        const std::size_t end = m_strText.empty() ? DecodeAhead(data, i, len, decoded) : FindFramingByte(data, i + 1, len);
        const std::size_t run = end - i;
        if (m_strText.empty() && end < len && data[end] == static_cast<u8>(kFrameEnd) && run <= kMaxFrameText) {
            // The whole text of the frame lies in this read: decoded where it stands.
            if (decoded == 0) {
                EndFrame(reinterpret_cast<const char*>(data + i), run, sink, ctx);
            } else {
                DecodeTo(reinterpret_cast<const char*>(data + i + decoded), run - decoded, PacketRoom(DecodedLength(run)) + decoded / 4 * 3);
                HandOn(DecodedLength(run), sink, ctx);
            }
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
        i = end;
    }
    m_bPause = false;
    return len;
}
