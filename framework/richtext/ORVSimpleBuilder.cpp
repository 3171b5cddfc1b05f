#include "framework/richtext/ORVSimpleBuilder.h"

#include <cstring>

#include "framework/core/DebugLog.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/text/TextUtil.h"
#include "framework/xml/XmlNumber.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVSimpleParser, CORVCtrlBaseTag)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVSimpleStyleParser, CORVSimpleParser)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVSimpleImageParser, CORVSimpleParser)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVSimpleBuilder, CORVSimpleParser)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVSimpleBuilder2, CORVSimpleBuilder)

namespace {

constexpr int kMaxImageDigits = 4;

// Bytes of the character at p: 1 below 0x80, 2 for a lead byte with a byte behind it; 0 at the
// end (a lead byte with nothing behind it ends the text).
int CharBytes(const char* p, const char* end)
{
    return p < end ? static_cast<int>(GbkCharBytes(p, static_cast<std::size_t>(end - p))) : 0;
}

// The end of a markup text: its NUL, or length bytes when length >= 0 comes first.
const char* TextEnd(const char* text, int length)
{
    return text + (length >= 0 ? strnlen(text, static_cast<std::size_t>(length)) : std::strlen(text));
}

struct ColourCode {
    char code;
    ARGB colour;
};
constexpr ColourCode kColourCodes[] = {
    {'B', 0xFF00FFFF}, {'G', 0xFF00FF00}, {'K', 0xFF000000}, {'L', 0xFF0000FF},
    {'Q', 0xFF8D6365}, {'R', 0xFFFF0000}, {'W', 0xFFFFFFFF},
};

}  // namespace

// ---- Tag parsers ----

void CORVSimpleParser::Apply(CORVSimpleBuilder*) {}
void CORVSimpleParser::Close(CORVSimpleBuilder*) {}

void CORVSimpleStyleParser::Apply(CORVSimpleBuilder* builder)
{
    CTextBlock* style = builder != nullptr ? builder->Fill().PushCopy() : nullptr;
    if (style == nullptr) {
        return;
    }
    switch (m_nCode) {
    case 'B': style->m_byBackIndex = static_cast<u8>(m_nValue); break;
    case 'C': style->m_byColorIndex = static_cast<u8>((m_nValue - 8) & 0xFF); break;
    case 'K': style->SetFlag(CTextBlock::kBlink, m_nValue != 0); break;
    case 'U': style->SetFlag(CTextBlock::kUnderline, m_nValue != 0); break;
    default: break;
    }
}

void CORVSimpleStyleParser::Close(CORVSimpleBuilder* builder)
{
    if (builder != nullptr) {
        builder->Fill().Pop();
    }
}

void CORVSimpleImageParser::Apply(CORVSimpleBuilder* builder)
{
    if (builder != nullptr) {
        builder->Fill().AddImage(static_cast<int>(m_nValue & 0xFFFF));
    }
}

// ---- CORVSimpleBuilder ----

CORVSimpleBuilder::CORVSimpleBuilder() = default;
CORVSimpleBuilder::~CORVSimpleBuilder() = default;

void CORVSimpleBuilder::Reset()
{
    m_vParsers.clear();
    m_Fill.Reset();
    m_nPending = 0;
    m_bPendingFull = false;
    m_byMode = kModeText;
}

void CORVSimpleBuilder::OpenParagraph(const CTextBlock& base)
{
    auto* paragraph = new CORVRichParagraph;
    paragraph->m_nWrapIndent = m_nWrapIndent;
    paragraph->m_nLineSpacing = m_nLineSpacing;
    m_Fill.Start(paragraph, base);
    m_nPending = 0;
    m_bPendingFull = false;
    m_byMode = kModeText;
}

void CORVSimpleBuilder::AppendPending(const char* bytes, int n)
{
    if (m_bPendingFull || m_nPending + n > kPendingSize) {
        if (!m_bPendingFull) {
            DebugLog("Error,rich text: a run longer than %d bytes is cut there!\n", kPendingSize);
        }
        m_bPendingFull = true;
        return;
    }
    std::memcpy(m_szPending + m_nPending, bytes, static_cast<std::size_t>(n));
    m_nPending += n;
}

void CORVSimpleBuilder::Flush()
{
    if (m_byMode == kModeText) {
        m_Fill.AddRun(m_szPending, m_nPending);
    } else if (!m_vParsers.empty()) {
        const std::string digits(m_szPending, static_cast<std::size_t>(m_nPending));
        m_vParsers.back()->m_nValue = static_cast<u32>(XmlTextToInt(digits.c_str()));
        m_vParsers.back()->Apply(this);
    }
    m_nPending = 0;
    m_bPendingFull = false;
}

CORVRichParagraph* CORVSimpleBuilder::FinishParagraph()
{
    Flush();
    CORVRichParagraph* paragraph = m_Fill.Paragraph();
    m_Fill.Reset();
    return paragraph;
}

CORVRichParagraph* CORVSimpleBuilder::Parse(const char* text)
{
    Reset();
    if (text == nullptr) {
        return nullptr;
    }
    OpenParagraph(*CTextBlock::GetDefaultStyle());
    const char* const end = TextEnd(text, -1);
    bool tagOpen = false;   // between a '<' and its '>'
    for (const char* p = text; int n = CharBytes(p, end);) {
        const char c = *p;
        if (c == '<') {
            Flush();
            m_byMode = kModeTag;
            tagOpen = true;
            p += 1;
            p += CharBytes(p, end);   // the tag letter; nothing behind a '<' at the end
        } else if (c == '>') {
            if (tagOpen) {
                Flush();
                if (!m_vParsers.empty()) {
                    m_vParsers.back()->Close(this);
                    m_vParsers.pop_back();
                }
                m_byMode = kModeText;
                tagOpen = false;
            }
            p += 1;   // a '>' with no tag open is dropped
        } else if (c == ' ' && m_byMode == kModeTag) {
            Flush();
            m_byMode = kModeText;
            p += 1;
        } else {
            AppendPending(p, n);
            p += n;
        }
    }
    return FinishParagraph();
}

// ---- CORVSimpleBuilder2 ----

CORVRichParagraph* CORVSimpleBuilder2::BuildParagraph(const char* text, ARGB colour, int, int length, int font)
{
    Reset();
    if (text == nullptr) {
        return nullptr;
    }
    CTextBlock base;
    base.CopyStyleFrom(*CTextBlock::GetDefaultStyle());
    base.SetFont(font);
    base.m_dwColor = colour | 0xFF000000u;
    base.m_byBackIndex = 255;
    OpenParagraph(base);
    if (m_nWrapIndent != 0) {
        auto* mark = new CTypeMark;
        mark->SetImage(kRichTypeMarkImage);
        m_Fill.AddBlock(mark);
    }

    const char* const end = TextEnd(text, length);
    for (const char* p = text; int n = CharBytes(p, end);) {
        if (*p != '#') {
            AppendPending(p, n);
            p += n;
            continue;
        }
        Flush();
        ++p;
        if (CharBytes(p, end) == 0) {
            break;   // a '#' at the end is dropped
        }
        const char code = *p;
        if (code == '#') {
            AppendPending(p, 1);
            ++p;
        } else if (code >= '0' && code <= '9') {
            int number = 0;
            for (int i = 0; i < kMaxImageDigits && p < end && *p >= '0' && *p <= '9'; ++i, ++p) {
                number = number * 10 + (*p - '0');
            }
            m_Fill.AddImage(number);
        } else if (code == 'u' || code == 'b') {
            if (CTextBlock* style = m_Fill.PushCopy()) {
                if (code == 'u') {
                    style->SetFlag(CTextBlock::kUnderline, !style->HasFlag(CTextBlock::kUnderline));
                } else {
                    style->SetFlag(CTextBlock::kBlink, true);
                }
            }
            ++p;
        } else if (code == 'n') {
            m_Fill.PopToBase();
            ++p;
        } else if (code == 'r') {
            m_Fill.AddBlock(new CNewLineMark);
            ++p;
        } else if (code == 'D' || code == 'Y' || code == 'm') {
            ++p;
        } else {
            const ColourCode* found = nullptr;
            for (const ColourCode& entry : kColourCodes) {
                if (entry.code == code) {
                    found = &entry;
                }
            }
            if (found != nullptr) {
                if (CTextBlock* style = m_Fill.PushCopy()) {
                    style->m_dwColor = found->colour;
                }
                ++p;
            }
            // Any other character stays as text; only the '#' is dropped.
        }
    }
    return FinishParagraph();
}
