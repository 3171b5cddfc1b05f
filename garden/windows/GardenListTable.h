// A table of rows and columns drawn one cell at a time: it lays out the columns side by side from
// the table's left edge, tracks the row and column under the mouse, and draws a cell's text
// centred in its column (column 0 with the row's fill first). In digit mode column 0 draws its
// text as digit images of set 3 (frames 3900 to 3909). Positions are in its window's coordinates.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/core/OrvTypes.h"

class CTex;

class GardenListTable {
public:
    struct Column {
        i32 m_nX = 0;
        i32 m_nWidth = 0;
    };
    static constexpr int kDigits = 10;

    GardenListTable(int left, int top, int right, int bottom, float rowHeight);
    ~GardenListTable();
    GardenListTable(const GardenListTable&) = delete;
    GardenListTable& operator=(const GardenListTable&) = delete;

    // A new column starts where the last one ends.
    void AddColumn(int width);
    void ClearColumns() { m_vColumns.clear(); }
    // Rows with something to show: the visible rows, or fewer when the rows run out first.
    int ShownRows() const;
    // The row and column under the window point (px, py); -1 for both outside the shown rows.
    void HoverTest(int px, int py);
    // One cell's text (at most maxBytes of it, whole characters) for a window at screen point
    // (sx, sy); nothing for a row or column outside the table.
    void DrawCell(int sx, int sy, int row, int col, const char* text, std::size_t maxBytes);

    std::vector<Column> m_vColumns;
    i32 m_nX = 0;
    i32 m_nY = 0;
    i32 m_nWidth = 0;
    i32 m_nHeight = 0;
    i32 m_nVisibleRows = 9;
    float m_fRowHeight = 0;
    i32 m_nRowCount = 0;
    i32 m_nFirstRow = 0;
    i32 m_nHoverRow = -1;
    i32 m_nHoverColumn = -1;
    i32 m_nSelectedRow = -1;
    i32 m_nSpare = 0;
    u32 m_dwTextColour = 0xFFFFFFFF;
    u32 m_dwHoverTextColour = 0xFFFF0000;
    u32 m_dwSelectedTextColour = 0xFFFFFF00;
    u32 m_dwRowFill = 0;                  // 0: no fill
    u32 m_dwHoverRowFill = 0xFFC0C0C0;
    u32 m_dwSelectedRowFill = 0xFF808080;
    i32 m_nFontSize = 12;
    u8 m_byFontFlag1 = 0;
    u8 m_byFontFlag2 = 0;
    u8 m_bOwnTextures = 0;                // digit mode
    CTex* m_apDigits[kDigits] = {};

private:
    void DrawDigits(int x, int y, const char* text);
};
