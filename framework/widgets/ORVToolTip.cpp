#include "framework/widgets/ORVToolTip.h"

#include <algorithm>

#include "framework/control/SizeSeam.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/DebugLog.h"
#include "framework/text/TextUtil.h"

namespace {

// Tooltip text: every segment is drawn in font 1 with a fixed width per byte.
constexpr int kToolTipFont = 1;

constexpr ARGB kToolTipColours[kToolTipColourCount] = {
    0x00000000,   // 0 invisible
    0xFFFFFFFF,   // 1 white
    0xFF000000,   // 2 black
    0xFFFF0000,   // 3 red
    0xFF00FF00,   // 4 green
    0xFF0000FF,   // 5 blue
    0xFFFFFF00,   // 6 yellow
    0xFF00FFFF,   // 7 cyan
    0xFFFF00FF,   // 8 magenta
    0xFF0096FF,   // 9
    0xFFFF4600,   // 10
    0xFFE4600A,   // 11
    0xFF93CDDD,   // 12
};

int NormalColourIndex(int index)
{
    return index >= 0 && index < kToolTipColourCount ? index : kToolTipWhite;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Up to three decimal digits at pos: their value (0 when there is none) and their count.
int ReadColourNumber(std::string_view text, std::size_t pos, std::size_t* digits)
{
    int value = 0;
    std::size_t n = 0;
    while (n < 3 && pos + n < text.size() && IsDigit(text[pos + n])) {
        value = value * 10 + (text[pos + n] - '0');
        ++n;
    }
    *digits = n;
    return value;
}

}  // namespace

// ---- Tooltip: colours and the line model ----

ARGB ToolTipColour(int index)
{
    return kToolTipColours[NormalColourIndex(index)];
}

ORVToolTipLine BuildToolTipLine(std::string_view text, int style, int align)
{
    text = text.substr(0, text.find('\0'));

    ORVToolTipLine line;
    line.m_nAlign = align;
    line.m_nTopMargin = kToolTipLineMargin;
    line.m_nBottomMargin = kToolTipLineMargin;
    line.m_nHeight = kToolTipLineMargin + kTextLineHeight + kToolTipLineMargin;
    if (kToolTipLineFromRuns) {
        line.m_nHeight = 0;   // as high as its last run, below
    }

    std::size_t pos = 0;
    while (pos < text.size()) {
        int colour = style;
        std::string run;
        if (text[pos] == '$') {
            if (pos + 1 < text.size() && text[pos + 1] == '$') {
                run.push_back('$');
                pos += 2;
            } else {
                std::size_t digits = 0;
                colour = ReadColourNumber(text, pos + 1, &digits);
                pos += 1 + digits;
            }
        }
        const std::size_t end = std::min(text.find('$', pos), text.size());
        run.append(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && !(pos + 1 < text.size() && text[pos + 1] == '$')) {
            // A '$' with zeros or no digit only returns to the style's colour: drop it here.
            std::size_t digits = 0;
            if (ReadColourNumber(text, pos + 1, &digits) == 0) {
                pos += 1 + digits;
            }
        }
        if (run.empty()) {
            continue;
        }
        ORVToolTipSegment seg;
        seg.m_nX = line.m_nWidth;
        seg.m_nColour = NormalColourIndex(colour);
        seg.m_nFont = kToolTipFont;
        seg.m_nWidth = static_cast<int>(run.size()) * kFont1ByteWidth;
        seg.m_nHeight = kToolTipRunHeight;
        seg.m_strText = std::move(run);
        line.m_nWidth += seg.m_nWidth;
        if (kToolTipLineFromRuns) {
            line.m_nHeight = seg.m_nHeight;
        }
        line.m_vSegments.push_back(std::move(seg));
    }
    return line;
}

std::vector<std::string_view> SplitTextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t brk = text.find('\n', start);
        if (brk == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, brk - start));
        start = brk + 1;
    }
}

// ---- The tooltip ----

CORVToolTip& CORVToolTip::GetSingleton()
{
    static CORVToolTip g_ToolTip;
    return g_ToolTip;
}

CORVToolTip::CORVToolTip()
{
    Reset();
}

void CORVToolTip::Reset()
{
    m_Style = kToolTipDefaultStyle;
    Clear();
}

void CORVToolTip::Clear()
{
    m_vLines.clear();
    m_nBoxWidth = m_Style.m_nBoxWidth;
    m_nBoxHeight = m_Style.m_nBoxHeight;
    m_pOwner = nullptr;
    m_OwnerLife = ORVLifeWatch();
}

void CORVToolTip::AddText(int style, const std::string& text, int align)
{
    if (text.empty()) {
        return;
    }
    const CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    CORVControl* hover = mgr != nullptr ? mgr->m_pHover : nullptr;
    if (hover != nullptr) {
        m_pOwner = hover;
        m_OwnerLife = hover->Watch();
    }
    for (std::string_view piece : SplitTextLines(text)) {
        ORVToolTipLine line = BuildToolTipLine(piece, style, align);
        m_nBoxHeight += line.m_nHeight;
        m_nBoxWidth = std::max(m_nBoxWidth, line.m_nWidth + 2 * m_Style.m_nMargin);
        m_vLines.push_back(std::move(line));
    }
    PlaceLines();
}

// Every line is placed again, so that centred and right-aligned lines follow a box that a later
// line made wider.
void CORVToolTip::PlaceLines()
{
    const int margin = m_Style.m_nMargin;
    int y = m_Style.m_nFirstLineY;
    for (ORVToolTipLine& line : m_vLines) {
        line.m_nY = y;
        y += line.m_nHeight;
        switch (line.m_nAlign) {
        case 0:
            line.m_nX = margin;
            break;
        case 1:
            line.m_nX = margin + (m_nBoxWidth - 2 * margin - line.m_nWidth) / 2;
            break;
        case 2:
            line.m_nX = m_nBoxWidth - margin - line.m_nWidth;
            break;
        default:
            line.m_nX = 0;
            break;
        }
    }
}

void CORVToolTip::Place(int mouseX, int mouseY, int screenW, int screenH, int* x, int* y) const
{
    *x = mouseX + kToolTipMouseOffset;
    *y = mouseY + kToolTipMouseOffset;
    if (*x + m_nBoxWidth > screenW) {
        *x = screenW - m_nBoxWidth;
    }
    if (*y + m_nBoxHeight > screenH) {
        *y = screenH - m_nBoxHeight;
    }
}

bool CORVToolTip::OwnerClosed() const
{
    if (m_pOwner == nullptr) {
        return false;
    }
    if (m_OwnerLife.expired()) {
        return true;
    }
    for (const CORVControl* c = m_pOwner; c != nullptr; c = c->m_pParent) {
        if (!c->m_bVisible) {
            return true;
        }
    }
    return false;
}

void CORVToolTip::Draw()
{
    if (OwnerClosed()) {
        Clear();
    }
    int screenW = 0;
    int screenH = 0;
    if (m_vLines.empty() || !GetBuildScreenSize(&screenW, &screenH)) {
        return;
    }
    int x = 0;
    int y = 0;
    Place(static_cast<int>(g_nMouseX), static_cast<int>(g_nMouseY), screenW, screenH, &x, &y);
    DrawBox(x, y);
}

// ---- Floating tips: the tip stream ----

bool ReadBufU8(std::string_view buf, std::size_t& pos, u8* out)
{
    if (pos >= buf.size()) {
        return false;
    }
    *out = static_cast<u8>(buf[pos]);
    pos += 1;
    return true;
}

bool ReadBufU16(std::string_view buf, std::size_t& pos, u16* out)
{
    if (pos > buf.size() || buf.size() - pos < 2) {
        return false;
    }
    *out = ReadLE16(reinterpret_cast<const unsigned char*>(buf.data()) + pos);
    pos += 2;
    return true;
}

bool ReadBufU32(std::string_view buf, std::size_t& pos, u32* out)
{
    if (pos > buf.size() || buf.size() - pos < 4) {
        return false;
    }
    *out = ReadLE32(reinterpret_cast<const unsigned char*>(buf.data()) + pos);
    pos += 4;
    return true;
}

bool ReadBufString(std::string_view buf, std::size_t& pos, std::string* out)
{
    if (pos >= buf.size()) {
        return false;
    }
    const std::size_t nul = buf.find('\0', pos);
    if (nul == std::string_view::npos) {
        return false;
    }
    out->assign(buf.substr(pos, nul - pos));
    pos = nul + 1;
    return true;
}

bool ParseTipStream(std::string_view stream, AutoTipItem* item)
{
    std::size_t pos = 0;
    u32 frames = 0;
    u16 count = 0;
    u8 kind = 0;
    if (!ReadBufU32(stream, pos, &frames) || !ReadBufU16(stream, pos, &count) ||
        !ReadBufU8(stream, pos, &kind)) {
        return false;
    }
    AutoTipItem tip;
    tip.m_nFrames = static_cast<i32>(frames);
    tip.m_byKind = kind;
    for (u16 i = 0; i < count; ++i) {
        u32 colour = 0;
        u16 font = 0;
        u8 align = 0;
        std::string text;
        if (!ReadBufU32(stream, pos, &colour) || !ReadBufU16(stream, pos, &font) ||
            !ReadBufU8(stream, pos, &align) || !ReadBufString(stream, pos, &text)) {
            return false;
        }
        if (font != kAutoTipLineFontLarge) {
            font = kAutoTipLineFont;
        }
        for (std::string_view piece : SplitTextLines(text)) {
            tip.m_vLines.push_back(AutoTipLine{std::string(piece), colour, font, align});
        }
    }
    *item = std::move(tip);
    return true;
}

void CAutoTip::AppendHeader(std::string& stream, i32 frames, u16 lineCount, u8 kind)
{
    stream += LE32(static_cast<u32>(frames));
    stream += LE16(lineCount);
    stream.push_back(static_cast<char>(kind));
}

// ---- The floating-tip control ----

CAutoTip& CAutoTip::GetSingleton()
{
    static CAutoTip g_AutoTip;
    return g_AutoTip;
}

CAutoTip::CAutoTip()
{
    m_bVisible = 0;   // shown while tips are queued
}

CAutoTip::~CAutoTip() = default;

void CAutoTip::AddText(const std::string& text, u32 colour, int frames)
{
    std::string stream;
    AppendHeader(stream, frames, 1, 0);
    AppendLine(colour, stream, text.c_str());
    Add(stream);
}

void CAutoTip::AppendLine(u32 colour, u16 font, std::string& stream, const char* text)
{
    if (text == nullptr) {
        DebugLog("Error,null text when CAutoTip::AppendLine!\n");
        return;
    }
    stream += LE32(colour);
    stream += LE16(font);
    stream.push_back(1);   // centred
    stream.append(text);
    stream.push_back('\0');
}

void CAutoTip::Add(std::string_view stream)
{
    AutoTipItem tip;
    if (!ParseTipStream(stream, &tip)) {
        DebugLog("Error,bad tip stream (%zu bytes) when CAutoTip::Add!\n", stream.size());
        return;
    }
    if (kAutoTipDropsRepeat && !m_dqTips.empty() && m_dqTips.back().m_byKind == tip.m_byKind &&
        m_dqTips.back().m_vLines == tip.m_vLines) {
        return;
    }
    m_dqTips.push_back(std::move(tip));
    m_bVisible = 1;
    if (m_dqTips.size() == 1) {
        LayoutFront();
    }
}

void CAutoTip::Next()
{
    if (!m_dqTips.empty()) {
        m_dqTips.pop_front();
    }
    if (m_dqTips.empty()) {
        m_bVisible = 0;
    } else {
        LayoutFront();
    }
}

void CAutoTip::Clear()
{
    m_dqTips.clear();
    m_bVisible = 0;
}

// The box fits the widest line and is centred on the host screen.
void CAutoTip::DrawLines(const AutoTipItem& tip)
{
    int y = kAutoTipFirstLineY;
    for (const AutoTipLine& line : tip.m_vLines) {
        DrawAlignedText(y, m_nWidth, line.m_strText.c_str(), line.m_dwColour, line.DrawnAlign(), 0, line.m_wFont);
        y += kAutoTipLineStep;
    }
}

void CAutoTip::LayoutFront()
{
    const AutoTipItem& tip = m_dqTips.front();
    int width = 0;
    for (const AutoTipLine& line : tip.m_vLines) {
        width = std::max(width, GetTextWidth(line.m_strText.c_str(), line.m_wFont));
    }
    width = std::max(width + kAutoTipPadWidth, kAutoTipMinWidth);
    const int height = static_cast<int>(tip.m_vLines.size()) * kAutoTipLineStep + kAutoTipPadHeight;

    int screenW = 0;
    int screenH = 0;
    GetBuildScreenSize(&screenW, &screenH);
    SetPos((screenW - width) / 2, (screenH - height) / 2);
    SetSize(width, height);
}

// The front tip loses one frame unless the mouse rests on it, and is shown while it has frames
// left; a tip whose count is 0 or below has expired and makes way for the next.
void CAutoTip::Render()
{
    if (!m_bVisible) {
        return;
    }
    if (m_dqTips.empty()) {
        m_bVisible = 0;
        return;
    }
    AutoTipItem& tip = m_dqTips.front();
    if (!IsHover()) {
        tip.m_nFrames = tip.m_nFrames > 0 ? tip.m_nFrames - 1 : 0;
    }
    if (tip.m_nFrames > 0) {
        DrawFront(tip, m_dqTips.size());
    } else {
        Next();
    }
}

bool CAutoTip::OnMouseMove(int, int)
{
    return true;
}

bool CAutoTip::OnClick(int kind)
{
    if (kind == static_cast<int>(kNotifyLeftClick)) {
        Next();
    } else if (kind == static_cast<int>(kNotifyRightClick)) {
        Clear();
    }
    return CORVControl::OnClick(kind);
}
