#include "garden/standin/GardenStandInWnd.h"

#include <algorithm>
#include <cstdio>

#include "engine/LoginText.h"
#include "engine/Net.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenExchangeWnd, CORVWindow)

namespace {

struct StandInRecords {
    StandInRecords()
    {
        SetSystemWindowRecord(kMsgExchangeTopic, ORV_RUNTIME_CLASS(CGardenExchangeWnd));
    }
};

const StandInRecords g_StandInRecords;

constexpr u32 kTextColour = 0xFFFFFFFF;
constexpr int kTextSize = 12;

}  // namespace

void CGardenExchangeWnd::CreateCloseButton() {}

bool CGardenExchangeWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kMsgExchangeTopic) {
        m_dwLastTopic = msg->m_wParam;
        ++m_dwReceived;
        DebugLog("exchange stand-in: topic %u\n", msg->m_wParam);
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}

void CGardenExchangeWnd::OnDraw()
{
    char line[64];
    std::snprintf(line, sizeof line, "exchange: %u topics, last %u", m_dwReceived, m_dwLastTopic);
    g_Font.DrawTextA(m_nAbsX + 8, m_nAbsY + 8, line, kTextColour, kTextSize, 0, 0);
}
