#include "garden/windows/GardenSeedInfoWnd.h"

#include "garden/state/GardenDataMgr.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenSeedInfoWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_SeedInfoRecord(GardenPanelSlot::kPlantStatus, ORV_RUNTIME_CLASS(CGardenSeedInfoWnd));

}  // namespace

CGardenSeedInfoWnd::CGardenSeedInfoWnd() : CGardenGridPanel(kTopic, "植物状态") {}
CGardenSeedInfoWnd::~CGardenSeedInfoWnd() = default;

void CGardenSeedInfoWnd::SetArgs(int arg, std::string)
{
    if (arg == kListShownPlants || arg == kListNursery) {
        m_nListMode = arg;
    }
}

void CGardenSeedInfoWnd::OnCreate()
{
    CreateGridPanel(0, static_cast<u32>(m_nListMode), 0);   // sends nothing
}

// The cards load in their own mode: the shown garden's plants at that garden's levels, the
// nursery's at the own ones.
void CGardenSeedInfoWnd::FillCards()
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    if (m_nListMode == kListShownPlants) {
        const std::vector<u32>& plants = s.m_vPlantList;
        m_Grid.Fill(plants.size(), [&plants](CGardenPlantItem& card, std::size_t i) { card.LoadForMode(EntryId(plants[i])); });
    } else if (m_nListMode == kListNursery) {
        const std::vector<u16>& ids = s.m_vNursery;
        m_Grid.Fill(ids.size(), [&ids](CGardenPlantItem& card, std::size_t i) { card.LoadForMode(ids[i]); });
    } else {
        m_Grid.Fill(0, [](CGardenPlantItem&, std::size_t) {});
    }
}
