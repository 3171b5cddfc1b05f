// Drawing of the text helpers through the host callback: numbers as digit images, hint tiles,
// the speech-bubble hint and the lines of a wrapped text block. Kept apart from the text logic (TextUtil.cpp) so that another build
// can draw them differently. Nothing is drawn while no callback is held.
#include <algorithm>
#include <cstring>
#include <string>

#include "BuildProfile.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/text/WrappedText.h"

namespace {

// The bubble's tiles and pointer are drawn untinted.
constexpr ARGB kBubbleImageColour = 0xFFFFFFFF;
constexpr ARGB kBubbleTextColour = 0xFF000000;
// Bytes on one bubble line before the next byte starts a new line.
constexpr std::size_t kBubbleLineBytes = 63;

}  // namespace

void DrawNumber(int x, int y, int value)
{
    CHostCallBackGuard* cb = ORVCallBack();
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
    CHostCallBackGuard* cb = ORVCallBack();
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

// Walks a bubble text line by line, calling visit(line) with each line as a NUL-terminated copy:
// a line ends at each newline (dropped) and wherever the next character would not fit in
// kBubbleLineBytes bytes; a two-byte character is never split. Nothing is allocated, so the
// bubble can be drawn every frame.
template <class Visit>
int ForEachBubbleLine(const char* text, Visit visit)
{
    char line[kBubbleLineBytes + 1];
    std::size_t used = 0;
    int count = 0;
    auto flush = [&]() {
        line[used] = '\0';
        visit(static_cast<const char*>(line));
        used = 0;
        ++count;
    };
    for (const char* p = text;;) {
        const char* next = GbkNextChar(p);
        if (next == p) {
            break;
        }
        if (*p == '\n') {
            flush();
        } else {
            const auto bytes = static_cast<std::size_t>(next - p);
            if (used + bytes > kBubbleLineBytes) {
                flush();
            }
            std::memcpy(line + used, p, bytes);
            used += bytes;
        }
        p = next;
    }
    flush();
    return count;
}

}  // namespace

void DrawBubbleText(int x, int y, const char* text)
{
    CHostCallBackGuard* cb = ORVCallBack();
    if (text == nullptr || cb == nullptr) {
        return;
    }
    int w1 = -1;
    const int n = ForEachBubbleLine(text, [&w1](const char* line) {
        if (w1 < 0) {
            w1 = GetTextWidth(line, 1);
        }
    });
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
    int lineY = firstY;
    ForEachBubbleLine(text, [&](const char* line) {
        cb->DrawText(x0, lineY, line, kBubbleTextColour, 0, 0, 0, 0, 1, 0);
        lineY += 20;
    });
}

void CWrappedText::Draw(int x, int y) const
{
    CHostCallBackGuard* cb = ORVCallBack();
    if (cb == nullptr) {
        return;
    }
    const int step = GetLineStep();
    for (std::size_t i = 0; i < m_vLines.size(); ++i) {
        cb->DrawText(x, y + static_cast<int>(i) * step, m_vLines[i].c_str(), m_dwColor, 0, 0, 0, m_bFlag,
                     m_nFont, 0);
    }
}
