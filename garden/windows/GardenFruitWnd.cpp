#include "garden/windows/GardenFruitWnd.h"

#include "garden/state/GardenDataMgr.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenFruitWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_FruitRecord(GardenPanelSlot::kWarehouse, ORV_RUNTIME_CLASS(CGardenFruitWnd));

// The warehouse shares the nursery's six-card window (background 5 of the window set).
constexpr u16 kBackground = 5;
constexpr int kCloseRight = 32, kCloseTop = 4;
constexpr u16 kCloseFrame = 3;
constexpr u16 kSubWarehouse = 0x11;

}  // namespace

CGardenFruitWnd::CGardenFruitWnd() : CGardenGridPanel(TOPIC_WAREHOUSE, "仓库") {}
CGardenFruitWnd::~CGardenFruitWnd() = default;

void CGardenFruitWnd::OnCreate()
{
    CreatePanelFrame(kBackground, kCloseRight, kCloseTop, kCloseFrame);
    CGardenPanel::OnCreate();   // centred in the screen
    m_Grid.Create(this, CGardenPlantItem::kModeWarehouse);
    FillCards();
    SendGardenRequest(kSubWarehouse);
}

void CGardenFruitWnd::FillCards()
{
    const std::vector<Record10>& ware = GetGardenDataMgr().m_vWarehouse;
    m_Grid.Fill(ware.size(), [&ware](CGardenPlantItem& card, std::size_t i) { card.LoadFromWarehouse(ware[i]); });
}
