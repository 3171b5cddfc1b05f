#include "aerie/standin/AerieStandInWnd.h"

#include <algorithm>

#include "framework/core/GameHooks.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieStandInWnd, CORVWindow)

namespace {

struct StandInRecords {
    StandInRecords()
    {
        SetSystemWindowRecord(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CAerieStandInWnd));
    }
};

const StandInRecords g_StandInRecords;

}  // namespace

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
