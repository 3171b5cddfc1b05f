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
    const int x = kListLeft + kTextX;
    if (list.empty()) {
        DrawTextRel(this, x, kListTop + kTextY, "没有可雇佣的奴隶", 0xFFFFFFFF);
        return;
    }
    const int count = static_cast<int>(list.size());
    const int selected = m_Rows.SelectedRow();
    char text[kShortTextBound];
    for (int r = 0; r < m_Rows.Rows(); ++r) {
        const int index = m_Rows.EntryOfRow(r, count);
        if (index < 0) {
            break;
        }
        const AerieSlaveEntry& entry = list[static_cast<std::size_t>(index)];
        const int y = m_Rows.RowTop(r) + kTextY;
        const u32 colour = r == selected ? CListRows::kActiveTextColour : 0xFFFFFF00;
        DrawTextRel(this, x, y, EntryNameText(entry.GetName()).c_str(), colour);
        const char* worth = entry.GetWorth() == 0
                                ? "免费"
                                : BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(entry.GetWorth()));
        DrawTextRel(this, x + 133, y, worth, colour, 1);
        DrawTextRel(this, x + 211, y, BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(entry.GetPopularity())),
                    colour, 1);
    }
}
