#include "garden/windows/GardenFruitWnd.h"

#include "garden/state/GardenDataMgr.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenFruitWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_FruitRecord(GardenPanelSlot::kWarehouse, ORV_RUNTIME_CLASS(CGardenFruitWnd));

constexpr int kCloseRight = 32;
constexpr u16 kSubWarehouse = 0x11;

}  // namespace

CGardenFruitWnd::CGardenFruitWnd() : CGardenGridPanel(TOPIC_WAREHOUSE, "仓库") {}
CGardenFruitWnd::~CGardenFruitWnd() = default;

void CGardenFruitWnd::OnCreate()
{
    CreateGridPanel(kCloseRight, CGardenPlantItem::kModeWarehouse, kSubWarehouse);
}

void CGardenFruitWnd::FillCards()
{
    const std::vector<Record10>& ware = GetGardenDataMgr().m_vWarehouse;
    m_Grid.Fill(ware.size(), [&ware](CGardenPlantItem& card, std::size_t i) { card.LoadFromWarehouse(ware[i]); });
}
