#include "support/AerieStandInWnd.h"

#include <algorithm>
#include <cstdio>

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieStandInWnd, CORVWindow)

CAerieStandInWnd::CAerieStandInWnd() = default;

void CAerieStandInWnd::CreateCloseButton() {}

bool CAerieStandInWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && (msg->m_nId == ORV_MSG_GAMEWND || msg->m_nId == ORV_MSG_CHOOSEBEAST)) {
        if (m_nTopics == kKeptTopics) {
            std::copy(m_adwTopics + 1, m_adwTopics + kKeptTopics, m_adwTopics);
            --m_nTopics;
        }
        m_adwTopics[m_nTopics++] = msg->m_wParam;
        ++m_dwReceived;
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}

void CAerieStandInWnd::OnDraw()
{
    char line[160];
    int used = std::snprintf(line, sizeof line, "stand-in game window, topics:");
    for (int i = 0; i < m_nTopics && used > 0 && static_cast<std::size_t>(used) < sizeof line; ++i) {
        used += std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), " %u", m_adwTopics[i]);
    }
    DrawText(0, 0, line, 0xFFFFFFFF, 0, 0, 0, 1);
}
