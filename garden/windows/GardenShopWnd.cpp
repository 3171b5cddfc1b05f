#include "garden/windows/GardenShopWnd.h"

#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenGuide.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenShopWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_ShopRecord(GardenPanelSlot::kNursery, ORV_RUNTIME_CLASS(CGardenShopWnd));

constexpr u16 kBackground = 5;
constexpr int kCloseRight = 33, kCloseTop = 4;
constexpr u16 kCloseFrame = 3;
constexpr u16 kGuideStepCloseNursery = 17;
constexpr u16 kSubNursery = 0x0f;

}  // namespace

CGardenShopWnd::CGardenShopWnd() : CGardenGridPanel(TOPIC_NURSERY, "苗圃") {}
CGardenShopWnd::~CGardenShopWnd() = default;

void CGardenShopWnd::OnCreate()
{
    CreatePanelFrame(kBackground, kCloseRight, kCloseTop, kCloseFrame);
    CGardenPanel::OnCreate();   // centred in the screen
    GetGardenGuide().SetTarget(kGuideStepCloseNursery, m_pCloseButton);
    m_Grid.Create(this, CGardenPlantItem::kModeNursery);
    FillCards();
    SendGardenRequest(kSubNursery);
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
