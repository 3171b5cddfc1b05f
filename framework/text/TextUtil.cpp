#include "framework/text/TextUtil.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/core/ORVCallBack.h"
#include "platform/Platform.h"

namespace {

inline bool IsLeadByte(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

// The bubble's tiles and pointer are drawn untinted.
constexpr ARGB kBubbleImageColour = 0xFFFFFFFF;
constexpr ARGB kBubbleTextColour = 0xFF000000;
// Bytes on one bubble line before the next byte starts a new line.
constexpr std::size_t kBubbleLineBytes = 63;

}  // namespace

const char* GbkNextChar(const char* p)
{
    if (p == nullptr || *p == '\0') {
        return p;
    }
    if (IsLeadByte(*p)) {
        return p[1] == '\0' ? p : p + 2;
    }
    return p + 1;
}

int GetTextWidth(const char* text, int font)
{
    if (text == nullptr) {
        return 0;
    }
    const int bytePx = TextMetrics::BytePx(font);
    int width = 0;
    for (const char* p = text;;) {
        const char* next = GbkNextChar(p);
        if (next == p) {
            break;
        }
        const auto lead = static_cast<unsigned char>(p[0]);
        const auto trail = static_cast<unsigned char>(p[1]);
        if (next - p == 2 && lead == 0xF8 && trail >= 0xA1 && trail <= 0xFE) {
            width += TextMetrics::kSymbolPairPx;
        } else {
            width += bytePx * static_cast<int>(next - p);
        }
        p = next;
    }
    return width;
}

int GetTextRangeWidth(const char* begin, const char* end, int font)
{
    if (begin == nullptr || end == nullptr) {
        return 0;
    }
    const int bytePx = TextMetrics::BytePx(font);
    int width = 0;
    for (const char* p = begin; p < end;) {
        const char* next = GbkNextChar(p);
        if (next == p) {
            break;
        }
        if (next - p == 2 && static_cast<unsigned char>(p[0]) == 0xFF) {
            width += TextMetrics::kWidePairPx;
        } else {
            width += bytePx * static_cast<int>(next - p);
        }
        p = next;
    }
    return width;
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

void DrawNumber(int x, int y, int value)
{
    IORVCallBack* cb = ORVCallBack();
    if (cb == nullptr) {
        return;
    }
    const std::string digits = IntToString(value);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        // '0'..'9' land on frames 140..149 and '-' on frame 137.
        cb->DrawImage(x + 10 * static_cast<int>(i), y, static_cast<unsigned char>(digits[i]) + 0x5C,
                      kImageSetWindow, 0xFFFFFFFF, 0, 0);
    }
}

void DrawHintTiles(int left, int top, int cols, int rows, ARGB colour)
{
    IORVCallBack* cb = ORVCallBack();
    if (cb == nullptr) {
        return;
    }
    auto kind = [](int index, int count) { return index == 0 ? 0 : (index == count - 1 ? 2 : 1); };
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            cb->DrawImage(left + HintBox::kTileW * j, top + HintBox::kTileH * i,
                          HintBox::kFirstTileFrame + kind(j, cols) + 3 * kind(i, rows),
                          HintBox::kImageSet, colour, 0, 0);
        }
    }
}

namespace {

// Cuts a bubble text into lines: at each newline (dropped) and wherever the next character would
// not fit in kBubbleLineBytes bytes; a two-byte character is never split.
std::vector<std::string> CutBubbleLines(const char* text)
{
    std::vector<std::string> lines(1);
    for (const char* p = text;;) {
        const char* next = GbkNextChar(p);
        if (next == p) {
            break;
        }
        if (*p == '\n') {
            lines.emplace_back();
        } else {
            const auto bytes = static_cast<std::size_t>(next - p);
            if (lines.back().size() + bytes > kBubbleLineBytes) {
                lines.emplace_back();
            }
            lines.back().append(p, bytes);
        }
        p = next;
    }
    return lines;
}

}  // namespace

void DrawBubbleText(int x, int y, const char* text)
{
    IORVCallBack* cb = ORVCallBack();
    if (text == nullptr || cb == nullptr) {
        return;
    }
    const std::vector<std::string> lines = CutBubbleLines(text);
    const int n = static_cast<int>(lines.size());
    const int w1 = GetTextWidth(lines.front().c_str(), 1);
    const int cols = std::max((std::max(w1, 96) + 42) / HintBox::kTileW, 2);
    const int rows = std::max(n + 1, 2);

    const int left = x - (cols * HintBox::kTileW) / 5;
    int top = y - HintBox::kTileH * rows;
    const bool below = top < 0;
    int pointerY = y - 6;
    int pointerFrame = HintBox::kPointerUp;
    if (below) {
        top = y + 40;
        pointerY = y + 26;
        pointerFrame = HintBox::kPointerDown;
    }
    DrawHintTiles(left, top, cols, rows, kBubbleImageColour);
    cb->DrawImage(x, pointerY, pointerFrame, HintBox::kImageSet, kBubbleImageColour, 0, 0);

    const int x0 = x - w1 / 5 + 7;
    // A single line above the point sits one pixel higher than the first of several lines.
    const int firstY = (n == 1 && !below) ? y - 27 : top + 14;
    for (int i = 0; i < n; ++i) {
        cb->DrawText(x0, firstY + 20 * i, lines[i].c_str(), kBubbleTextColour, 0, 0, 0, 0, 1, 0);
    }
}
