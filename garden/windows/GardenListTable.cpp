#include "garden/windows/GardenListTable.h"

#include <cstring>

#include "BuildProfile.h"

#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"

namespace {

constexpr u16 kDigitSet = 3;
constexpr u16 kDigitFirstFrame = 3900;
constexpr int kDigitStep = 8;
constexpr int kTextInset = 3;
constexpr int kDigitInset = 4;
constexpr std::size_t kCellBuffer = 128;

}  // namespace

GardenListTable::GardenListTable(int left, int top, int right, int bottom, float rowHeight)
    : m_nX(left), m_nY(top), m_nWidth(right - left), m_nHeight(bottom - top), m_fRowHeight(rowHeight)
{
}

GardenListTable::~GardenListTable()
{
    if (m_bOwnTextures == 0) {
        return;
    }
    for (CTex*& tex : m_apDigits) {
        if (tex != nullptr) {
            g_TexMgr.DeleteTexture(tex);
            tex = nullptr;
        }
    }
}

void GardenListTable::AddColumn(int width)
{
    int x = m_nX;
    for (const Column& c : m_vColumns) {
        x += c.m_nWidth;
    }
    m_vColumns.push_back({x, width});
}

int GardenListTable::ShownRows() const
{
    if (m_nRowCount <= m_nVisibleRows + m_nFirstRow) {
        return m_nRowCount - m_nFirstRow;
    }
    return m_nVisibleRows;
}

void GardenListTable::HoverTest(int px, int py)
{
    m_nHoverRow = -1;
    m_nHoverColumn = -1;
    if (px < m_nX || px > m_nX + m_nWidth || py < m_nY || py > m_nY + m_nHeight || m_fRowHeight <= 0) {
        return;
    }
    const int row = static_cast<int>(static_cast<float>(py - m_nY) / m_fRowHeight);
    if (row < 0 || row >= ShownRows()) {
        return;
    }
    m_nHoverRow = row;
    for (std::size_t i = 0; i < m_vColumns.size(); ++i) {
        const Column& c = m_vColumns[i];
        if (c.m_nX <= px && px <= c.m_nX + c.m_nWidth) {
            m_nHoverColumn = static_cast<int>(i);
            break;
        }
    }
}

void GardenListTable::DrawCell(int sx, int sy, int row, int col, const char* text, std::size_t maxBytes)
{
    if (row < 0 || col < 0 || row >= m_nVisibleRows || col >= static_cast<int>(m_vColumns.size())) {
        return;
    }
    char cell[kCellBuffer + 1] = {};
    if (text != nullptr) {
        const std::size_t len = std::strlen(text);
        const std::size_t n = GbkWholePrefix(text, len, maxBytes < kCellBuffer ? maxBytes : kCellBuffer);
        std::memcpy(cell, text, n);
    }
    const Column& c = m_vColumns[static_cast<std::size_t>(col)];
    const int cx = sx + c.m_nX + (c.m_nWidth - GetTextWidth(cell, kTextSizeDefault)) / 2;
    const int ry = sy + m_nY + static_cast<int>(static_cast<float>(row) * m_fRowHeight);
    const bool selected = row == m_nSelectedRow;
    const bool hovered = row == m_nHoverRow;
    if (col == 0) {
        u32 fill = m_dwRowFill;
        if (selected && m_dwSelectedRowFill != 0) {
            fill = m_dwSelectedRowFill;
        } else if (hovered && m_dwHoverRowFill != 0) {
            fill = m_dwHoverRowFill;
        }
        if (fill != 0) {
            g_CG.DrawFillRect(sx + m_nX + 1, ry, m_nWidth, static_cast<int>(m_fRowHeight) - 2, fill);
        }
        if (m_bOwnTextures != 0) {
            DrawDigits(cx + kDigitInset, ry + kDigitInset, cell);
            return;
        }
    }
    const u32 colour = selected ? m_dwSelectedTextColour : (hovered ? m_dwHoverTextColour : m_dwTextColour);
    // The text's background argument is the row fill (0: none); the two flags go as bits 0 and 1.
    const int flags = (m_byFontFlag1 != 0 ? 1 : 0) | (m_byFontFlag2 != 0 ? 2 : 0);
    g_Font.DrawTextA(cx + kTextInset, ry + kTextInset, cell, colour, m_nFontSize, flags, m_dwRowFill);
}

void GardenListTable::DrawDigits(int x, int y, const char* text)
{
    if (m_apDigits[0] == nullptr) {
        for (int d = 0; d < kDigits; ++d) {
            m_apDigits[d] = g_TexMgr.NewTexture();
            if (m_apDigits[d] != nullptr) {
                m_apDigits[d]->LoadTex(kDigitSet, static_cast<u16>(kDigitFirstFrame + d), false);
            }
        }
    }
    for (int k = 0; text[k] != '\0'; ++k) {
        const char ch = text[k];
        if (ch < '0' || ch > '9') {
            continue;
        }
        if (CTex* tex = m_apDigits[ch - '0']) {
            tex->DrawTex(x + kDigitStep * k, y, 0xFFFFFFFF);
        }
    }
}
