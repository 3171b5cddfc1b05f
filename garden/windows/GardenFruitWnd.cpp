#include "garden/windows/GardenFruitWnd.h"

#include "garden/state/GardenDataMgr.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenFruitWnd, CORVWindow)

namespace {

struct FruitRecord {
    FruitRecord() { SetGardenPanelRecord(GardenPanelSlot::kWarehouse, ORV_RUNTIME_CLASS(CGardenFruitWnd)); }
};
const FruitRecord g_FruitRecord;

// The warehouse shares the nursery's six-card window (background 5 of the window set).
constexpr u16 kBackground = 5;
constexpr int kCloseRight = 32, kCloseTop = 4;
constexpr u16 kCloseFrame = 3;
constexpr u16 kSubWarehouse = 0x11;

}  // namespace

CGardenFruitWnd::CGardenFruitWnd() : CGardenPanel(TOPIC_WAREHOUSE) {}
CGardenFruitWnd::~CGardenFruitWnd() = default;

void CGardenFruitWnd::OnCreate()
{
    CreatePanelFrame(kBackground, kCloseRight, kCloseTop, kCloseFrame);
    CGardenPanel::OnCreate();   // centred in the screen
    m_Grid.Create(this, CGardenPlantItem::kModeWarehouse);
    FillCards();
    SendGardenRequest(kSubWarehouse);
}

void CGardenFruitWnd::Reload(const ORVMsg&) { FillCards(); }

void CGardenFruitWnd::FillCards()
{
    const std::vector<Record10>& ware = GetGardenDataMgr().m_vWarehouse;
    m_Grid.Fill(ware.size(), [&ware](CGardenPlantItem& card, std::size_t i) { card.LoadFromWarehouse(ware[i]); });
}

bool CGardenFruitWnd::OnMessage(ORVMsg* msg)
{
    bool changed = false;
    if (msg != nullptr && m_Grid.OnPageClick(*msg, &changed)) {
        if (changed) {
            FillCards();
        }
        return true;
    }
    return CGardenPanel::OnMessage(msg);
}

void CGardenFruitWnd::OnDraw() { m_Grid.Draw(*this, "仓库"); }
