#include "framework/text/TextUtil.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/Platform.h"

namespace {

inline bool IsLeadByte(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

const char* GbkNextCharIn(const char* p, const char* end)
{
    const std::size_t n = p != nullptr && p < end ? GbkCharBytes(p, static_cast<std::size_t>(end - p)) : 0;
    return n != 0 ? p + n : nullptr;
}

const char* GbkNextChar(const char* p)
{
    // A NUL-terminated text holds the byte after any non-NUL byte, so two bytes may be read.
    return p == nullptr ? p : p + GbkCharBytes(p, 2);
}

std::size_t GbkWholePrefix(const char* text, std::size_t len, std::size_t maxBytes)
{
    const std::size_t limit = len < maxBytes ? len : maxBytes;
    std::size_t keep = 0;
    while (keep < limit) {
        const std::size_t step = IsLeadByte(text[keep]) ? 2 : 1;
        if (keep + step > limit) {
            break;
        }
        keep += step;
    }
    return keep;
}

namespace {

using PairTest = bool (*)(unsigned char lead, unsigned char trail);

// Pixel width of the characters from begin up to end (a character that starts before end counts
// whole; a null end: no bound) or to the end of the text: the font's pixels a byte, but a pair
// that isSpecialPair accepts counts specialPairPx.
int MeasureChars(const char* begin, const char* end, int font, PairTest isSpecialPair, int specialPairPx)
{
    const int bytePx = TextMetrics::BytePx(font);
    int width = 0;
    for (const char* p = begin; end == nullptr || p < end;) {
        const char* next = GbkNextChar(p);
        if (next == p) {
            break;
        }
        if (next - p == 2 && isSpecialPair(static_cast<unsigned char>(p[0]), static_cast<unsigned char>(p[1]))) {
            width += specialPairPx;
        } else {
            width += bytePx * static_cast<int>(next - p);
        }
        p = next;
    }
    return width;
}

}  // namespace

int GetTextWidth(const char* text, int font)
{
    return GetTextSpanWidth(text, nullptr, font);
}

int GetTextSpanWidth(const char* begin, const char* end, int font)
{
    if (begin == nullptr) {
        return 0;
    }
    return MeasureChars(
        begin, end, font,
        [](unsigned char lead, unsigned char trail) { return lead == 0xF8 && trail >= 0xA1 && trail <= 0xFE; },
        TextMetrics::kBuild.symbolPairPx);
}

int GetTextRangeWidth(const char* begin, const char* end, int font)
{
    if (begin == nullptr || end == nullptr) {
        return 0;
    }
    return MeasureChars(
        begin, end, font, [](unsigned char lead, unsigned char) { return lead == 0xFF; },
        TextMetrics::kBuild.widePairPx);
}

bool CopyToClipboard(const char* text, int len)
{
    if (text == nullptr) {
        DebugLog("Error,CopyToClipboard: null text!\n");
        return false;
    }
    if (len < 1) {
        return false;
    }
    // CF_TEXT ends at its first NUL: never read past one, whatever len says.
    const std::size_t bytes = strnlen(text, static_cast<std::size_t>(len));
    orv::platform::IPlatform& platform = orv::platform::Get();
    if (!platform.OpenClipboard()) {
        DebugLog("Error,CopyToClipboard: OpenClipboard failed!\n");
        return false;
    }
    bool ok = platform.EmptyClipboard();
    if (!ok) {
        DebugLog("Error,CopyToClipboard: EmptyClipboard failed!\n");
    } else if (!(ok = platform.SetClipboardText(text, bytes))) {
        DebugLog("Error,CopyToClipboard: SetClipboardData failed!\n");
    }
    platform.CloseClipboard();
    return ok;
}

std::string IntToString(int value)
{
    return std::to_string(value);
}

namespace {

struct TimeParts {
    u32 days, hours, minutes, seconds;
};

TimeParts SplitTime(u32 s)
{
    return {s / 86400, s / 3600 % 24, s / 60 % 60, s % 60};
}

// Appends "%u<unit>" when value is not 0.
void AppendPart(std::string& out, u32 value, const char* unit)
{
    if (value == 0) {
        return;
    }
    char part[64];
    std::snprintf(part, sizeof(part), "%u%s", value, unit);
    out += part;
}

std::string JoinParts(const TimeParts& t, bool withSeconds)
{
    std::string out;
    AppendPart(out, t.days, "天");
    AppendPart(out, t.hours, "小时");
    AppendPart(out, t.minutes, "分");
    if (withSeconds) {
        AppendPart(out, t.seconds, "秒");
    }
    return out;
}

}  // namespace

std::string FormatTimeDHM(u32 seconds)
{
    TimeParts t = SplitTime(seconds);
    if (t.minutes == 0 && t.seconds != 0) {
        t.minutes = 1;
    }
    std::string out = JoinParts(t, false);
    return out.empty() ? std::string("1分钟") : out;
}

std::string FormatTimeDHMS(u32 seconds)
{
    std::string out = JoinParts(SplitTime(seconds), true);
    return out.empty() ? std::string("0秒") : out;
}

std::string FormatTimeClock(u32 seconds)
{
    const TimeParts t = SplitTime(seconds);
    if (t.days != 0) {
        return FormatTimeDHMS(seconds);
    }
    char clock[64];
    std::snprintf(clock, sizeof(clock), "%02u:%02u:%02u", t.hours, t.minutes, t.seconds);
    return clock;
}

const char* BoundedPrintf(char* out, std::size_t size, const char* fmt, ...)
{
    if (out == nullptr || size == 0) {
        return out;
    }
    out[0] = '\0';
    if (fmt == nullptr) {
        return out;
    }
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(out, size, fmt, args);
    va_end(args);
    if (n < 0) {
        out[0] = '\0';
        return out;
    }
    if (static_cast<std::size_t>(n) >= size) {
        out[GbkWholePrefix(out, size - 1, size - 1)] = '\0';   // never half of a two-byte character at the end
    }
    return out;
}
