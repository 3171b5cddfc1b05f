#include "framework/text/WrappedText.h"

#include <algorithm>

#include "framework/text/TextUtil.h"

namespace {

// Number of bytes of the text's first character; 0 at its end.
std::size_t FirstCharBytes(const char* p)
{
    return static_cast<std::size_t>(GbkNextChar(p) - p);
}

// Drops what the stepping rule does not count: everything from the first NUL on, and a lone lead
// byte at the end.
std::string CountedPart(const std::string& line)
{
    const char* begin = line.c_str();
    const char* p = begin;
    for (const char* next = GbkNextChar(p); next != p; next = GbkNextChar(p)) {
        p = next;
    }
    return std::string(begin, static_cast<std::size_t>(p - begin));
}

}  // namespace

void CWrappedText::SetText(const std::string& text, int width, ARGB colour, int font)
{
    m_nFont = font;
    m_dwColor = colour;
    m_bFlag = 0;
    m_nWidth = 0;
    m_vLines.clear();
    if (text.empty()) {
        return;
    }
    const int charW = 2 * TextMetrics::BytePx(font);
    const std::size_t limit = width > 0 ? static_cast<std::size_t>(width / charW) * 2 : 0;

    auto append = [&](std::string line) {
        m_nWidth = std::max(m_nWidth, charW * static_cast<int>(line.size()) / 2);
        m_vLines.push_back(std::move(line));
    };

    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = text.find('\n', start);
        const std::string rest =
            CountedPart(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        // Lines are cut off the front by moving an offset: each byte is walked once or twice, so a
        // long text wraps in linear time. However narrow the width, a line takes at least one
        // character.
        std::size_t begin = 0;
        while (rest.size() - begin > std::max(limit, FirstCharBytes(rest.c_str() + begin))) {
            // Walk whole characters up to the limit; one that straddles it moves to the next line.
            const char* line = rest.c_str() + begin;
            std::size_t pos = 0;
            while (pos < limit) {
                pos += FirstCharBytes(line + pos);
            }
            const std::size_t cut = std::max(pos > limit ? limit - 1 : limit, FirstCharBytes(line));
            append(rest.substr(begin, cut));
            begin += cut;
        }
        append(rest.substr(begin));
        if (nl == std::string::npos) {
            break;
        }
        start = nl + 1;
    }
}

int CWrappedText::GetLineStep() const
{
    return m_wLineHeight != 0 ? m_wLineHeight : TextMetrics::LineStep(m_nFont);
}

int CWrappedText::GetHeight() const
{
    return static_cast<int>(m_vLines.size()) * GetLineStep();
}
