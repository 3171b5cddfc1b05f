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

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenWnd, CORVWindow)

namespace {

struct StandInRecords {
    StandInRecords()
    {
        SetSystemWindowRecord(kMsgGardenTopic, ORV_RUNTIME_CLASS(CGardenWnd));
    }
};

const StandInRecords g_StandInRecords;

constexpr u32 kTextColour = 0xFFFFFFFF;
constexpr int kTextSize = 12;
constexpr int kLineStep = 16;

}  // namespace

CGardenWnd::CGardenWnd()
{
    GetGardenDataMgr().Reset();
    GetXmlGardenMgr().Load(kGardenDataPath);
}

CGardenWnd::~CGardenWnd()
{
    try {
        GetGameNet().Close(0);
        GetGardenDataMgr().Reset();
        GetToolCardStore().Clear();
        CallHost(HOSTCMD_GARDEN_CLOSED);
    } catch (...) {
        DebugLog("Error,exception while the garden screen closed\n");
    }
}

void CGardenWnd::CreateCloseButton() {}

void CGardenWnd::OnCreate()
{
    m_nWidth = g_CG.m_nScreenWidth;
    m_nHeight = g_CG.m_nScreenHeight;
    CallHost(HOSTCMD_GARDEN_OPENED);
}

bool CGardenWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kMsgGardenTopic) {
        if (m_nTopics == kKeptTopics) {
            std::copy(m_adwTopics + 1, m_adwTopics + kKeptTopics, m_adwTopics);
            --m_nTopics;
        }
        m_adwTopics[m_nTopics++] = msg->m_wParam;
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}

void CGardenWnd::OnDraw()
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    const CXmlGardenMgr& data = GetXmlGardenMgr();
    char line[160];
    int y = m_nAbsY + 8;
    const auto draw = [&]() {
        g_Font.DrawTextA(m_nAbsX + 8, y, line, kTextColour, kTextSize, 0, 0);
        y += kLineStep;
    };
    std::snprintf(line, sizeof line, "%s %.35s (%.35s)", s.m_bOwnGarden != 0 ? "own garden" : "garden of",
                  s.m_szOwnerDisplay, s.m_szOwnerGuid);
    draw();
    std::snprintf(line, sizeof line, "level %u, wealth %u", unsigned{s.ShownGardenLevel()},
                  s.m_ShownInfo.U32(garden_layout::kInfoWealth));
    draw();
    for (const auto& [number, plot] : s.m_Plots.Entries()) {
        const PlantRecord* plant = s.m_Plants.Find(number);
        int used = std::snprintf(line, sizeof line, "plot %u: level %u, water %u, flags 0x%02X", unsigned{number},
                                 plot.m_Bytes[garden_layout::kPlotSoilLevel] + 1u, unsigned{plot.m_Bytes[garden_layout::kPlotWater]},
                                 unsigned{plot.m_Bytes[garden_layout::kPlotFlags]});
        if (plant != nullptr && used > 0 && static_cast<std::size_t>(used) < sizeof line) {
            const u16 id = plant->U16(garden_layout::kPlantId);
            const CPlantItem* item = data.FindPlant(id);
            const u32 seconds = plant->U32(garden_layout::kPlantSeconds);
            std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), ", %s stage %u",
                          item != nullptr ? item->m_strName.c_str() : "?",
                          item != nullptr ? GetGrowthStage(seconds, *item) : 0u);
        }
        draw();
    }
    int used = std::snprintf(line, sizeof line, "topics:");
    for (int i = 0; i < m_nTopics && used > 0 && static_cast<std::size_t>(used) < sizeof line; ++i) {
        used += std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), " %u", m_adwTopics[i]);
    }
    draw();
}
