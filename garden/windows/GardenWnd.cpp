#include "garden/windows/GardenWnd.h"

#include "engine/LoginText.h"
#include "engine/Net.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/window/ORVMainWnd.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenWnd, CORVWindow)

namespace {

CGardenWnd* g_pGardenWnd = nullptr;   // the garden-window-exists flag, as the screen itself

struct GardenWndRecord {
    GardenWndRecord() { SetSystemWindowRecord(kMsgGardenTopic, ORV_RUNTIME_CLASS(CGardenWnd)); }
};
const GardenWndRecord g_GardenWndRecord;

}  // namespace

CGardenWnd* GetGardenWnd()
{
    return g_pGardenWnd;
}

CGardenWnd::CGardenWnd()
{
    g_pGardenWnd = this;
}

CGardenWnd::~CGardenWnd()
{
    if (g_pGardenWnd == this) {
        g_pGardenWnd = nullptr;
    }
    try {
        GetGardenDataMgr().Reset();
        GetToolCardStore().Clear();
        GetGameNet().Close(0);
        CallHost(HOSTCMD_GARDEN_CLOSED);
    } catch (...) {
        DebugLog("Error,exception while the garden screen closed\n");
    }
}

void CGardenWnd::OnCreate()
{
    SetSize(800, 600);
    CenterInParent();
    CORVWindow::OnCreate();
    GetXmlGardenMgr().Load(kGardenDataPath);
    CallHost(HOSTCMD_GARDEN_OPENED);
}

void CGardenWnd::TogglePanel(GardenPanelSlot slot, int arg)
{
    TogglePanel(GetGardenPanelRecord(slot), slot, arg);
}

void CGardenWnd::TogglePanel(const RuntimeClassRecord*, GardenPanelSlot, int) {}

void CGardenWnd::SetToolMode(i32 mode)
{
    m_nToolMode = mode;
}

void CGardenWnd::ToggleSeedBag() {}
void CGardenWnd::ToggleResearchRules() {}
void CGardenWnd::TogglePlantStatus(int) {}
void CGardenWnd::ReopenNursery() {}
void CGardenWnd::ShowPlotMessage(int, const char*) {}

CORVWindow* CGardenWnd::Panel(GardenPanelSlot slot) const
{
    const int i = static_cast<int>(slot);
    return i >= 0 && slot < GardenPanelSlot::kCount ? m_apPanels[i] : nullptr;
}

CGardenLandItem* CGardenWnd::Plot(int number) const
{
    return number >= 1 && number <= kPlots ? m_apPlots[number] : nullptr;
}
