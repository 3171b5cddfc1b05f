// A word-wrapped block of GBK lines drawn through the host callback: the message box, the
// tutorial hint and many game windows lay their explanations out with it.
#pragma once

#include <string>
#include <vector>

#include "framework/core/OrvTypes.h"

class CWrappedText {
public:
    CWrappedText() = default;

    // Wraps text into lines of at most width pixels: newlines start new lines (an empty text
    // gives no lines, an empty source line an empty line), a two-byte character never splits,
    // and a line always takes at least one character, however narrow the width. Stores font and
    // colour and clears the flag.
    void SetText(const std::string& text, int width, ARGB colour, int font);

    // Lines x the line step (m_wLineHeight, or the font's default when it is 0).
    int GetHeight() const;

    // Draws each line at screen position (x, y + i x line step).
    void Draw(int x, int y) const;

    int GetLineStep() const;

    std::vector<std::string> m_vLines;   // the wrapped lines
    int m_nFont = 1;                     // 1 small font, anything else the large font
    u8 m_bFlag = 0;                      // passed through to the host's DrawText
    ARGB m_dwColor = 0xFFFFFFFF;
    u16 m_wLineHeight = 0;               // 0: the font's default step
    i32 m_nWidth = 0;                    // pixel width of the widest line
};
