// Drawing of the hire list.

#include "aerie/state/AerieListEntries.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieSlaveRelation.h"

void CAerieSlaveRelationWnd::OnDraw()
{
    m_Rows.DrawBars(this);
    DrawTextRel(this, 26, 32, "玩家名称", 0xFFFFFFFF);
    DrawTextRel(this, 132, 32, "身价", 0xFFFFFFFF);
    DrawTextRel(this, 209, 32, "人气", 0xFFFFFFFF);
    const std::vector<AerieSlaveEntry>& list = AerieView::SlaveList();
    const int x = m_Rows.m_nLeft + m_Rows.m_nTextX;
    if (list.empty()) {
        DrawTextRel(this, x, m_Rows.m_nTop + m_Rows.m_nTextY, "没有可雇佣的奴隶", 0xFFFFFFFF);
        return;
    }
    const int count = static_cast<int>(list.size());
    char text[kShortTextBound];
    for (int i = 0; i < PlayerListRows::kRows && m_Rows.m_nFirstRow + i < count; ++i) {
        const AerieSlaveEntry& entry = list[static_cast<std::size_t>(m_Rows.m_nFirstRow + i)];
        const int y = m_Rows.m_nTop + m_Rows.m_nRowHeight * i + m_Rows.m_nTextY;
        const u32 colour = i == m_Rows.m_nSelRow ? 0xFF40FDFB : 0xFFFFFF00;
        DrawTextRel(this, x, y, EntryNameText(entry.GetName()).c_str(), colour);
        if (entry.GetWorth() == 0) {
            DrawTextRel(this, x + 133, y, "免费", colour, 1);
        } else {
            BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(entry.GetWorth()));
            DrawTextRel(this, x + 133, y, text, colour, 1);
        }
        BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(entry.GetPopularity()));
        DrawTextRel(this, x + 211, y, text, colour, 1);
    }
}
