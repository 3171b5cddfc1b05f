// The daily task panel's drawing: headings, then per visible task its description, state and
// reward.
#include "framework/text/TextUtil.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanelKit.h"
#include "garden/windows/GardenTaskWnd.h"

namespace {

constexpr u32 kUndoneColour = 0xFFFF0000;
constexpr u32 kDoneColour = 0xFF468C7C;
constexpr u32 kSelectedColour = 0xFF00FF00;

// "未完成", "已完成", "进行中".
const char* StateText(u16 state, u32* colour)
{
    switch (state) {
    case 0: *colour = kUndoneColour; return "\xCE\xB4\xCD\xEA\xB3\xC9";
    case 1: *colour = kDoneColour; return "\xD2\xD1\xCD\xEA\xB3\xC9";
    default: *colour = kPanelTextColour; return "\xBD\xF8\xD0\xD0\xD6\xD0";
    }
}

// The reward by kind with its amount; null for a kind without a text.
const char* RewardFormat(u16 kind)
{
    switch (kind) {
    case 1: return "%d\xB5\xE3\xB0\xAE\xD0\xC4";                       // "%d点爱心"
    case 2: return "%d\xB5\xE3\xB2\xC6\xB8\xBB";                       // "%d点财富"
    case 3: return "%d\xBE\xAD\xD1\xE9\xC7\xF2";                       // "%d经验球"
    case 4: return "%d\xB8\xF6\xD7\xAA\xBB\xF9\xD2\xF2\xD6\xD6\xD7\xD3";   // "%d个转基因种子"
    default: return nullptr;
    }
}

void SetTableColours(GardenListTable& t, u32 text, u32 hover, u32 selected)
{
    t.m_dwTextColour = text;
    t.m_dwHoverTextColour = hover;
    t.m_dwSelectedTextColour = selected;
    t.m_dwRowFill = 0;
    t.m_dwHoverRowFill = 0;
    t.m_dwSelectedRowFill = 0;
}

}  // namespace

void CGardenTaskWnd::OnDraw()
{
    const int x = m_nAbsX;
    const int y = m_nAbsY;
    DrawPanelText(x + m_nWidth / 2, y + 13, "\xBB\xA8\xD4\xB0\xC3\xBF\xC8\xD5\xC8\xCE\xCE\xF1", kPanelTextColour,
                  kPanelTitleSize, 1);                                                    // "花园每日任务"
    DrawPanelText(x + 165, y + 74, "\xC8\xCE\xCE\xF1\xC4\xDA\xC8\xDD");                  // "任务内容"
    DrawPanelText(x + 374, y + 74, "\xCD\xEA\xB3\xC9\xC7\xE9\xBF\xF6");                  // "完成情况"
    DrawPanelText(x + 490, y + 74, "\xBD\xB1\xC0\xF8");                                  // "奖励"
    const std::vector<TaskRecord>& tasks = GetGardenDataMgr().m_vTasks;
    const int n = static_cast<int>(tasks.size());
    if (n == 0) {
        // "当前没有花园每日任务", with the first font flag.
        DrawPanelText(x + 290, y + 205, "\xB5\xB1\xC7\xB0\xC3\xBB\xD3\xD0\xBB\xA8\xD4\xB0\xC3\xBF\xC8\xD5\xC8\xCE\xCE\xF1",
                      kPanelTextColour, kTextSizeDefault, 1, 1);
        return;
    }
    if (!m_pTable) {
        return;
    }
    GardenListTable& table = *m_pTable;
    const int first = ScrollPos();
    char text[128];
    for (int i = 0; i < kRows && first + i < n; ++i) {
        const TaskRecord& task = tasks[static_cast<std::size_t>(first + i)];
        table.DrawCell(x, y, i, 0, task.m_strText.c_str(), 128);
        u32 colour = 0;
        const char* state = StateText(task.m_wC, &colour);
        SetTableColours(table, colour, colour, colour);
        table.DrawCell(x, y, i, 1, state, 10);
        SetTableColours(table, kPanelTextColour, kDoneColour, kSelectedColour);
        if (const char* format = RewardFormat(task.m_wA)) {
            BoundedPrintf(text, sizeof text, format, static_cast<int>(task.m_wB));
            table.DrawCell(x, y, i, 2, text, 20);
        }
    }
}
