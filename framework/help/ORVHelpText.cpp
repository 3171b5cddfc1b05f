#include "framework/help/ORVHelpText.h"

#include <cstring>

#include "framework/core/ScratchBuffer.h"
#include "framework/text/TextUtil.h"
#include "framework/xml/XmlNumber.h"

namespace {

constexpr int kHelpFont = 1;            // pages are measured in the small font
constexpr i32 kNewLineHeight = 16;      // height of a line as it starts
constexpr ARGB kNoAlphaLimit = 0x01000000;

// Reading a tag. A token is the bytes up to its separator, or up to a CR, LF, '<' or '>' that
// stops it early; its first byte is always taken (whatever it is), but never the end of the text.
// The separator and a '>' are consumed. A token that stops anywhere but on its separator ends
// the tag: a '>' closes it, while a CR, LF or '<' is left in place, so that a tag cut off by a
// line end or by the next tag keeps that line end or tag.
struct TagReader {
    const char* p;
    const char* end;

    struct Token {
        std::string text;
        bool found = false;   // stopped on its separator
    };

    static bool IsStop(char c) { return c == '\r' || c == '\n' || c == '<' || c == '>'; }

    Token Read(char separator)
    {
        Token token;
        if (p >= end) {
            return token;
        }
        const char* start = p++;
        while (p < end && *p != separator && !IsStop(*p)) {
            ++p;
        }
        token.text.assign(start, p);
        if (p < end && (*p == separator || *p == '>')) {
            token.found = *p == separator;
            ++p;
        }
        return token;
    }

    // Skips one line end (CR, CR LF or LF) right at the cursor.
    void SkipLineEnd()
    {
        if (p < end && *p == '\r') {
            ++p;
        }
        if (p < end && *p == '\n') {
            ++p;
        }
    }
};

// ASCII letters to lower case; the trail byte of a two-byte character is left as it is.
void LowerAscii(std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t bytes = GbkCharBytes(text.data() + i, text.size() - i);
        const auto c = static_cast<unsigned char>(text[i]);
        if (bytes == 1 && c >= 'A' && c <= 'Z') {
            text[i] = static_cast<char>(c + ('a' - 'A'));
        }
        i += bytes == 0 ? 1 : bytes;   // a NUL or a lone lead byte: on to the next byte
    }
}

// Where the number at the front of text ends, read the way the markup's numbers are read
// ("%d", or "%x" when hex): blanks, one sign, then digits (hex: after an optional 0x). text itself
// when no digit follows, and then nothing is converted: the value read into stays as it was.
const char* NumberEnd(const char* text, bool hex)
{
    auto isDigit = [hex](char c) {
        return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    };
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) {
        ++p;
    }
    if (*p == '+' || *p == '-') {
        ++p;
    }
    if (hex && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && isDigit(p[2])) {
        p += 2;
    }
    if (!isDigit(*p)) {
        return text;
    }
    while (isDigit(*p)) {
        ++p;
    }
    return p;
}

// Reads the number at the front of text into value; value stays as it was when there is none.
// Returns where the number ends (text itself without one).
const char* ReadHex(const char* text, u32& value)
{
    const char* end = NumberEnd(text, true);
    if (end != text) {
        value = XmlTextToHex(text);
    }
    return end;
}

const char* ReadInt(const char* text, i32& value)
{
    const char* end = NumberEnd(text, false);
    if (end != text) {
        value = XmlTextToInt(text);
    }
    return end;
}

// "first,second": the second number is read only right behind the first and its comma; a number
// that is not there reads as 0.
void ReadNumberPair(const char* text, i32& first, i32& second)
{
    first = 0;
    second = 0;
    const char* end = ReadInt(text, first);
    if (end != text && *end == ',') {
        ReadInt(end + 1, second);
    }
}

}  // namespace

void CORVHelpText::Clear()
{
    m_vLines.clear();
    m_vSource.clear();
}

void CORVHelpText::Layout()
{
    LayoutText(g_ScratchBuffer, kScratchBufferSize);
}

void CORVHelpText::LayoutText(const char* text, std::size_t len)
{
    Clear();
    if (text == nullptr) {
        len = 0;
        text = "";
    }
    TagReader reader{text, text + strnlen(text, len)};
    ORVHelpLine line;

    auto append = [&line](ORVHelpItem&& item) { line.m_vItems.push_back(std::move(item)); };
    auto defaultColour = [this](ORVHelpItem& item) {
        if (item.m_dwColor < kNoAlphaLimit) {
            item.m_dwColor = m_dwColor;
        }
    };
    const char* runStart = reader.p;
    auto flushText = [&](const char* runEnd) {
        if (runEnd > runStart) {
            ORVHelpItem item;
            item.m_nKind = ORV_HELP_TEXT;
            item.m_strText.assign(runStart, runEnd);
            item.m_dwColor = m_dwColor;
            append(std::move(item));
        }
    };

    while (reader.p < reader.end) {
        const char c = *reader.p;
        if (c == '\r') {
            flushText(reader.p);
            if (line.m_vItems.empty()) {
                ORVHelpItem empty;
                empty.m_nKind = ORV_HELP_EMPTY;
                empty.m_dwColor = m_dwColor;
                append(std::move(empty));
            }
            m_vSource.push_back(std::move(line));
            line = ORVHelpLine{};
            ++reader.p;
            if (reader.p < reader.end && *reader.p == '\n') {
                ++reader.p;
            }
            runStart = reader.p;
            continue;
        }
        if (c != '<') {
            ++reader.p;
            continue;
        }
        flushText(reader.p);
        ++reader.p;
        TagReader::Token name = reader.Read('/');
        if (name.found && name.text == "option") {
            // Pairs of key ":" value, separated by "/"; an unknown key skips to the tag's end.
            for (;;) {
                TagReader::Token key = reader.Read(':');
                if (!key.found) {
                    break;
                }
                LowerAscii(key.text);
                if (key.text != "color" && key.text != "height") {
                    reader.Read('>');
                    break;
                }
                const TagReader::Token value = reader.Read('/');
                if (key.text == "color") {
                    ReadHex(value.text.c_str(), m_dwColor);
                } else {
                    ReadInt(value.text.c_str(), m_nLineHeight);
                }
                if (!value.found) {
                    break;
                }
            }
            reader.SkipLineEnd();
            runStart = reader.p;
            continue;
        }
        TagReader::Token keyword;
        TagReader::Token param;
        if (name.found) {
            keyword = reader.Read(':');
            LowerAscii(keyword.text);
            if (keyword.found) {
                param = reader.Read('>');
            }
        }
        runStart = reader.p;
        if (name.text.empty()) {
            continue;   // a '<' at the very end of the text
        }

        ORVHelpItem item;
        item.m_strText = std::move(name.text);
        const std::string& kw = keyword.text;
        bool applyDefault = true;
        if (kw == "color") {
            item.m_nKind = ORV_HELP_COLOR;
            ReadHex(param.text.c_str(), item.m_dwColor);
        } else if (kw == "pic") {
            item.m_nKind = ORV_HELP_PIC;
            item.m_strText = "@=" + param.text;
            applyDefault = false;
        } else if (kw == "http") {
            item.m_nKind = ORV_HELP_HTTP;
            item.m_strLink = "http:" + param.text;
        } else if (kw == "local") {
            item.m_nKind = ORV_HELP_LOCAL;
            item.m_strLink = param.text;
        } else if (kw == "background") {
            i32 first = 0;
            i32 second = 0;
            ReadNumberPair(param.text.c_str(), first, second);
            item.m_nKind = ORV_HELP_BACKGROUND;
            item.m_dwColor = (static_cast<u32>(second) << 16) | static_cast<u32>(first);
            m_dwBackground = item.m_dwColor;
            applyDefault = false;
        } else if (kw == "area") {
            // The phrase holds the area's numbers: the first is kept in the colour field, the
            // second is not kept. The item is placed like text; nothing acts on the numbers.
            item.m_nKind = ORV_HELP_AREA;
            item.m_dwColor = static_cast<u32>(XmlTextToInt(item.m_strText.c_str()));
            item.m_strLink = param.text;
            applyDefault = false;
        } else if (kw == "back") {
            item.m_nKind = ORV_HELP_BACK;
        } else if (kw == "ie") {
            item.m_nKind = ORV_HELP_IE;
            item.m_strLink = "http://" + param.text;
        } else {
            item.m_nKind = ORV_HELP_TEXT;
        }
        if (applyDefault) {
            defaultColour(item);
        }
        append(std::move(item));
    }
    flushText(reader.p);
    if (!line.m_vItems.empty()) {
        m_vSource.push_back(std::move(line));
    }
    Wrap(m_nWidth);
}

void CORVHelpText::Wrap(int width)
{
    m_vLines.clear();
    m_nHeight = 0;

    ORVHelpLine open;
    int x = 0;
    auto closeLine = [&]() {
        if (!open.m_vItems.empty()) {
            m_nHeight += open.m_nHeight;
            m_vLines.push_back(std::move(open));
        }
        open = ORVHelpLine{};
        x = 0;
    };
    auto place = [&](const ORVHelpItem& model, std::string text, int w) {
        ORVHelpItem piece = model;
        piece.m_strText = std::move(text);
        piece.m_nWidth = w;
        open.m_vItems.push_back(std::move(piece));
        x += w;
    };

    for (ORVHelpLine& source : m_vSource) {
        closeLine();
        for (ORVHelpItem& item : source.m_vItems) {
            item.m_nWidth = GetTextWidth(item.m_strText.c_str(), kHelpFont);
            const int w = item.m_nWidth;
            const bool wholePicture =
                item.m_nKind == ORV_HELP_PIC ||
                ((item.m_nKind == ORV_HELP_HTTP || item.m_nKind == ORV_HELP_LOCAL) &&
                 item.m_strText.compare(0, 2, "@=") == 0);
            if (x + w > width && wholePicture) {
                closeLine();
                open.m_nHeight = item.m_nHeight;
                place(item, item.m_strText, w);
                continue;
            }
            // Text: the part that fits stays on this line, the rest goes on in new lines.
            const char* const text = item.m_strText.c_str();
            const char* rest = text;
            while (rest == text || *rest != '\0') {
                const int restWidth = GetTextWidth(rest, kHelpFont);
                if (x + restWidth <= width || GbkNextChar(rest) == rest) {
                    // It fits (or holds no whole character any more): placed.
                    place(item, rest, restWidth);
                    if (x == width) {
                        closeLine();
                    }
                    break;
                }
                const char* cut = rest;
                for (const char* next = GbkNextChar(cut);
                     next != cut && x + GetTextRangeWidth(rest, next, kHelpFont) <= width;
                     next = GbkNextChar(cut)) {
                    cut = next;
                }
                if (cut == rest && open.m_vItems.empty()) {
                    cut = GbkNextChar(rest);   // a line takes at least one character
                }
                if (cut > rest) {
                    const std::string part(rest, cut);
                    place(item, part, GetTextWidth(part.c_str(), kHelpFont));
                }
                closeLine();
                rest = cut;
            }
        }
        closeLine();
    }
}
