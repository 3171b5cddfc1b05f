#include "garden/windows/GardenShopWnd.h"

#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenGuide.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenShopWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_ShopRecord(GardenPanelSlot::kNursery, ORV_RUNTIME_CLASS(CGardenShopWnd));

constexpr int kCloseRight = 33;
constexpr u16 kGuideStepCloseNursery = 17;
constexpr u16 kSubNursery = 0x0f;

}  // namespace

CGardenShopWnd::CGardenShopWnd() : CGardenGridPanel(TOPIC_NURSERY, "苗圃") {}
CGardenShopWnd::~CGardenShopWnd() = default;

void CGardenShopWnd::OnCreate()
{
    CreateGridPanel(kCloseRight, CGardenPlantItem::kModeNursery, kSubNursery);
    GetGardenGuide().SetTarget(kGuideStepCloseNursery, m_pCloseButton);
}

void CGardenShopWnd::Close()
{
    CGardenGridPanel::Close();
    GetGardenGuide().AdvanceFrom(kGuideStepCloseNursery);
}

// A nursery seed is bought at the own plant's level: the card locks it (and its buy button)
// until the own garden reaches the plant's required level.
void CGardenShopWnd::FillCards()
{
    const std::vector<u16>& ids = GetGardenDataMgr().m_vNursery;
    m_Grid.Fill(ids.size(), [&ids](CGardenPlantItem& card, std::size_t i) { card.LoadOwnPlant(ids[i]); });
}
