// Drawing of the stand-in game window: one line naming the topics it received.
#include <cstdio>

#include "aerie/standin/AerieStandInWnd.h"

void CAerieStandInWnd::OnDraw()
{
    char line[160];
    int used = std::snprintf(line, sizeof line, "stand-in game window, topics:");
    for (int i = 0; i < m_nTopics && used > 0 && static_cast<std::size_t>(used) < sizeof line; ++i) {
        used += std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), " %u", m_adwTopics[i]);
    }
    DrawText(0, 0, line, 0xFFFFFFFF, 0, 0, 0, 1);
}
