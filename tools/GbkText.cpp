#include "tools/GbkText.h"

#include <iconv.h>

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

// One decoder for the program's life; (iconv_t)-1 when the C library has no GBK converter, in
// which case every byte of 0x80 or above is escaped.
iconv_t Decoder()
{
    static const iconv_t decoder = iconv_open("UTF-8", "GBK");
    return decoder;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    const iconv_t decoder = Decoder();
    std::size_t i = 0;
    while (i < gbk.size()) {
        const unsigned char c = static_cast<unsigned char>(gbk[i]);
        if (c < 0x20 || c == 0x7F) {
            AppendEscaped(out, gbk.substr(i, 1));
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t len = i + 1 < gbk.size() ? 2 : 1;
        char pair[2] = {gbk[i], len == 2 ? gbk[i + 1] : '\0'};
        char utf8[8];
        char* in = pair;
        char* put = utf8;
        std::size_t inLeft = len;
        std::size_t outLeft = sizeof utf8;
        bool decoded = false;
        if (decoder != reinterpret_cast<iconv_t>(-1)) {
            iconv(decoder, nullptr, nullptr, nullptr, nullptr);
            decoded = iconv(decoder, &in, &inLeft, &put, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
        }
        if (decoded) {
            out.append(utf8, static_cast<std::size_t>(put - utf8));
        } else {
            AppendEscaped(out, gbk.substr(i, len));
        }
        i += len;
    }
    return out;
}

}  // namespace orv::sample
