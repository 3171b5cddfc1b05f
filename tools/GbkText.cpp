#include "tools/GbkText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cstdio>

namespace orv::sample {

namespace {

void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (unsigned char c : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += hex;
    }
}

// Decodes one GBK character of len bytes (the whole of them) into UTF-8 at out (room for 8 bytes);
// the number of bytes written, or 0 when the bytes are no GBK character.
#ifdef _WIN32
// Through the system's code page 936, which also holds single bytes above 0x7F (0x80 is the euro
// sign there): only a lead byte with its trail byte counts, as in GBK.
std::size_t DecodeCharacter(const char* bytes, std::size_t len, char* out)
{
    constexpr UINT kGbk = 936;
    wchar_t wide[2];
    if (len != 2 || !::IsDBCSLeadByteEx(kGbk, static_cast<BYTE>(bytes[0])) ||
        ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) != 1) {
        return 0;
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, 1, out, 8, nullptr, nullptr);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}
#else
// One decoder for the program's life; (iconv_t)-1 when the C library has no GBK converter, in
// which case every byte of 0x80 or above is escaped.
iconv_t Decoder()
{
    static const iconv_t decoder = iconv_open("UTF-8", "GBK");
    return decoder;
}

std::size_t DecodeCharacter(const char* bytes, std::size_t len, char* out)
{
    const iconv_t decoder = Decoder();
    if (decoder == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    char pair[2] = {bytes[0], len == 2 ? bytes[1] : '\0'};
    char* in = pair;
    char* put = out;
    std::size_t inLeft = len;
    std::size_t outLeft = 8;
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    const bool decoded = iconv(decoder, &in, &inLeft, &put, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    return decoded ? static_cast<std::size_t>(put - out) : 0;
}
#endif

}  // namespace

namespace {

// Walks a GBK byte string character by character, the way the framework steps (a byte of 0x80 or
// above and the byte after it form one character), handing each character's bytes to take with
// its UTF-8 form, or with an empty one when it is a control byte (below 0x20, or 0x7F) or does not
// decode.
template <typename Take>
void WalkGbk(std::string_view gbk, Take take)
{
    std::size_t i = 0;
    while (i < gbk.size()) {
        const unsigned char c = static_cast<unsigned char>(gbk[i]);
        const std::size_t len = c >= 0x80 && i + 1 < gbk.size() ? 2 : 1;
        char utf8[8];
        std::size_t decoded = 0;
        if (c >= 0x80) {
            decoded = DecodeCharacter(gbk.data() + i, len, utf8);
        } else if (c >= 0x20 && c != 0x7F) {
            utf8[0] = static_cast<char>(c);
            decoded = 1;
        }
        take(gbk.substr(i, len), std::string_view(utf8, decoded));
        i += len;
    }
}

// The code point of one UTF-8 character as iconv or the system writes it (well-formed).
char32_t CodePointOf(std::string_view utf8)
{
    const auto b = [&utf8](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
    switch (utf8.size()) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    case 4: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    default: return kUndecodedCodePoint;
    }
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    WalkGbk(gbk, [&out](std::string_view bytes, std::string_view utf8) {
        if (utf8.empty()) {
            AppendEscaped(out, bytes);
        } else {
            out += utf8;
        }
    });
    return out;
}

std::u32string GbkToCodePoints(std::string_view gbk)
{
    std::u32string out;
    out.reserve(gbk.size());
    WalkGbk(gbk, [&out](std::string_view bytes, std::string_view utf8) {
        const bool control = bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 0x80;
        if (!utf8.empty()) {
            out += CodePointOf(utf8);
        } else if (!control) {
            out += kUndecodedCodePoint;
        }
    });
    return out;
}

}  // namespace orv::sample
