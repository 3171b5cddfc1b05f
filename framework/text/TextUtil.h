// Text utilities shared by the toolkit and the game windows: GBK character stepping and pixel
// widths, the clipboard copy, texts of numbers and durations, numbers drawn as digit images and
// the speech-bubble hint. Every text is a GBK byte string; drawing goes through the host callback
// and does nothing while no callback is held.
#pragma once

#include <cstddef>
#include <string>

#include "framework/core/DebugLog.h"
#include "framework/core/OrvTypes.h"
#include "framework/text/TextMetrics.h"

// GBK stepping, the one step every text walk takes: a byte below 0x80 is a one-byte character, a
// byte of 0x80 or above starts a two-byte character. A NUL, or a byte of 0x80 or above followed by
// NUL, ends the text (a lone lead byte at the end is not a character).
//
// The bytes of the character that starts at p, reading nothing at or past p + avail: 1 or 2, or 0
// when no character starts there (avail 0, a NUL, or a lead byte whose second byte is NUL or lies
// past avail).
// (Inlined wherever it is taken: every text walk runs through it, per character.)
[[gnu::always_inline]] inline std::size_t GbkCharBytes(const char* p, std::size_t avail)
{
    if (p == nullptr || avail == 0 || *p == '\0') {
        return 0;
    }
    if (static_cast<unsigned char>(*p) < 0x80) {
        return 1;
    }
    return avail >= 2 && p[1] != '\0' ? 2 : 0;
}

// The step in the text [p, end), which need not end with a NUL: where the next character starts,
// or null when none starts at p (p at or past end, at a NUL, or a lead byte without its second
// byte before end).
const char* GbkNextCharIn(const char* p, const char* end);

// The step in a NUL-terminated text: p itself at the end of the text (and for a null p), else the
// start of the next character.
const char* GbkNextChar(const char* p);

// Bytes of the longest front of text[0, len) that holds whole characters only and at most
// maxBytes bytes: a byte of 0x80 or above takes the byte after it along, and a lead byte whose
// trail would fall past the limit (or past len) is left out. NULs count as one-byte characters.
std::size_t GbkWholePrefix(const char* text, std::size_t len, std::size_t maxBytes);

// printf-style formatting into out[size] (size > 0), always terminated and never cut inside a
// two-byte character. Returns out.
const char* BoundedPrintf(char* out, std::size_t size, const char* fmt, ...) ORV_PRINTF_LIKE(3, 4);

// Pixel width of a whole text (the build's text metrics; in Orvane 6 px a byte for font 1, 7 px
// otherwise, a pair F8 A1..FE 12 px whatever the font). 0 for a null or empty text.
int GetTextWidth(const char* text, int font);
// The same rule for the characters that start before end (null: no bound) or the end of the text.
int GetTextSpanWidth(const char* begin, const char* end, int font);

// Pixel width of the characters that start at or after begin and before end (a character that
// starts before end counts whole), stopping at the end of the text: the font's pixels a byte, but a
// pair whose lead byte is FF counts the build's wide-pair width (16 px in Orvane). 0 for a null or empty range.
int GetTextRangeWidth(const char* begin, const char* end, int font);

// Puts the first len bytes of text (up to its first NUL) on the clipboard as CF_TEXT. False for a
// null text, len < 1, or any failing clipboard step; the clipboard is closed whenever it was opened,
// and stays as it was unless it was emptied.
bool CopyToClipboard(const char* text, int len);

// Decimal text of a number.
std::string IntToString(int value);

// Durations. d = s / 86400, h = s / 3600 % 24, m = s / 60 % 60, r = s % 60; the parts "%d天",
// "%d小时", "%d分", "%d秒" appear only when not 0, joined without separators.
// Days, hours, minutes; 0 minutes with seconds left count as 1 minute; 0 s gives "1分钟".
std::string FormatTimeDHM(u32 seconds);
// Days, hours, minutes, seconds; 0 s gives "0秒".
std::string FormatTimeDHMS(u32 seconds);
// From one day on as FormatTimeDHMS; under a day "hh:mm:ss" with two digits each.
std::string FormatTimeClock(u32 seconds);

// The decimal text of value as digit images of set 93 ('0'..'9' frames 140..149, '-' frame 137),
// 10 px apart from (x, y).
void DrawNumber(int x, int y, int value);

// A speech-bubble hint pointing at (x, y): lines cut at newlines and every 63 bytes (never inside
// a two-byte character), a box of hint tiles above the point (below it when it would leave the
// top of the screen), the pointer, and the lines in black with font 1. Nothing for a null text.
void DrawBubbleText(int x, int y, const char* text);

// Draws a box of cols x rows hint tiles with its top-left corner at (left, top).
void DrawHintTiles(int left, int top, int cols, int rows, ARGB colour);
