// The markup builders that turn one text into one rich-text paragraph.
//
// CORVSimpleBuilder2::BuildParagraph reads the '#' markup: "##" a '#', '#' and up to four digits
// a picture, "#B" "#G" "#K" "#L" "#Q" "#R" "#W" a colour, "#u" underline on/off, "#b" blink,
// "#n" back to the base style, "#r" a line break; "#D" "#Y" "#m" are read and do nothing; any other
// character after '#' stays as text without the '#'.
//
// CORVSimpleBuilder::Parse reads tags written between '<' and '>': the text between tags becomes
// runs; inside a tag the letter after '<' is skipped and the digits are the value handed to the
// top tag parser (CORVSimpleStyleParser, CORVSimpleImageParser), which '>' closes. No tag letter
// stacks a parser, so a tag only splits the text into runs.
#pragma once

#include <memory>
#include <vector>

#include "framework/richtext/ORVRichFill.h"

class CORVSimpleBuilder;

// A tag parser: a code and a value, applied to a builder when its tag has its value and closed
// when the tag ends. The base does nothing.
class CORVSimpleParser : public CORVCtrlBaseTag {
    ORV_DECLARE_RUNTIME_CLASS(CORVSimpleParser)
public:
    CORVSimpleParser() = default;
    virtual void Apply(CORVSimpleBuilder* builder);     // 3
    virtual void Close(CORVSimpleBuilder* builder);     // 4

    u32 m_nCode = 0;
    u32 m_nValue = 0;
};

// Pushes a copy of the top style changed by its code: 'B' back colour index = value, 'C' colour
// index = value - 8, 'K' blink = value != 0, 'U' underline = value != 0 (another code: unchanged).
// Closing pops it.
class CORVSimpleStyleParser : public CORVSimpleParser {
    ORV_DECLARE_RUNTIME_CLASS(CORVSimpleStyleParser)
public:
    CORVSimpleStyleParser() = default;
    void Apply(CORVSimpleBuilder* builder) override;
    void Close(CORVSimpleBuilder* builder) override;
};

// Appends the picture numbered by its value.
class CORVSimpleImageParser : public CORVSimpleParser {
    ORV_DECLARE_RUNTIME_CLASS(CORVSimpleImageParser)
public:
    CORVSimpleImageParser() = default;
    void Apply(CORVSimpleBuilder* builder) override;
};

class CORVSimpleBuilder : public CORVSimpleParser {
    ORV_DECLARE_RUNTIME_CLASS(CORVSimpleBuilder)
public:
    static constexpr int kPendingSize = 512;   // bytes of one run; the rest of a longer run is dropped
    static constexpr int kDefaultWrapIndent = 16;

    CORVSimpleBuilder();
    ~CORVSimpleBuilder() override;

    // 5: a new paragraph of the tag markup; null for a null text.
    virtual CORVRichParagraph* Parse(const char* text);

    // Drops the tag parsers and styles, empties the pending text, text mode, no open paragraph.
    void Reset();

    CORVRichFill& Fill() { return m_Fill; }

    i32 m_nWrapIndent = kDefaultWrapIndent;    // copied into each new paragraph
    i32 m_nLineSpacing = 0;

protected:
    // Opens a new paragraph with base as its only style.
    void OpenParagraph(const CTextBlock& base);
    // Appends one character (n bytes) to the pending text; once a character does not fit, the
    // rest of the run is dropped.
    void AppendPending(const char* bytes, int n);
    // Text mode: the pending text becomes a run in the top style. Tag mode: it is the top tag
    // parser's value, which is applied.
    void Flush();

    enum : u8 { kModeTag = 0, kModeText = 1 };

    CORVRichFill m_Fill;
    std::vector<std::unique_ptr<CORVSimpleParser>> m_vParsers;   // tag parsers, top at the back
    char m_szPending[kPendingSize] = {};
    int m_nPending = 0;
    bool m_bPendingFull = false;
    u8 m_byMode = kModeText;
};

class CORVSimpleBuilder2 : public CORVSimpleBuilder {
    ORV_DECLARE_RUNTIME_CLASS(CORVSimpleBuilder2)
public:
    CORVSimpleBuilder2() = default;

    // 6: a new paragraph of the '#' markup in text (at most length bytes when length >= 0, up to
    // its NUL), its base style in colour (made opaque) and font; null for a null text. The third
    // argument is not used.
    virtual CORVRichParagraph* BuildParagraph(const char* text, ARGB colour, int unused, int length, int font);
};
