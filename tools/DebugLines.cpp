#include "tools/DebugLines.h"

#include <cstdio>
#include <cstdlib>

#include "tools/GbkText.h"

namespace orv::sample {

std::string DebugLineDecoder::Line(std::string_view gbk) const
{
    if (!gbk.empty() && gbk.back() == '\r') {
        gbk.remove_suffix(1);
    }
    return m_strPrefix + GbkToUtf8(gbk) + "\n";
}

std::string DebugLineDecoder::Feed(std::string_view bytes)
{
    std::string out;
    std::size_t end = 0;
    while ((end = bytes.find('\n')) != std::string_view::npos) {
        if (m_strPending.empty()) {
            out += Line(bytes.substr(0, end));
        } else {
            m_strPending.append(bytes.substr(0, end));
            out += Line(m_strPending);
            m_strPending.clear();
        }
        bytes.remove_prefix(end + 1);
    }
    m_strPending.append(bytes);
    return out;
}

std::string DebugLineDecoder::Finish()
{
    if (m_strPending.empty()) {
        return {};
    }
    std::string out = Line(m_strPending);
    m_strPending.clear();
    return out;
}

#if defined(__GLIBC__)
namespace {

DebugLineDecoder& Decoder()
{
    static DebugLineDecoder decoder("  debug: ");
    return decoder;
}

ssize_t WriteDecoded(void*, const char* bytes, size_t size)
{
    const std::string lines = Decoder().Feed(std::string_view(bytes, size));
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    return static_cast<ssize_t>(size);
}

void FinishAtExit()
{
    const std::string line = Decoder().Finish();
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

void ShowDebugLinesOnStdout()
{
    cookie_io_functions_t io{};
    io.write = &WriteDecoded;
    FILE* stream = fopencookie(nullptr, "w", io);
    if (stream == nullptr) {
        return;
    }
    std::setvbuf(stream, nullptr, _IONBF, 0);   // each write reaches the decoder at once
    Decoder();   // made before the exit handler is registered, so it outlives that handler
    std::fflush(stderr);
    stderr = stream;
    std::atexit(&FinishAtExit);
}
#else
void ShowDebugLinesOnStdout() {}
#endif

}  // namespace orv::sample
