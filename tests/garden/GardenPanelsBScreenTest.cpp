// The weather, yield-estimate and research panels opened by the real garden screen: what they post
// comes back to them (or to the screen) through the screen's routing.
#include <gtest/gtest.h>

#include "GardenScreenFixture.h"
#include "garden/windows/GardenProductEstimate.h"
#include "garden/windows/GardenResearchWnd.h"
#include "garden/windows/GardenWnd.h"
#include "garden/windows/PlantLvlUpWnd.h"

namespace {

using orv::test::GardenScreenFixture;

class GardenPanelsBScreenTest : public GardenScreenFixture {
protected:
    static void Click(CORVControl* parent, CORVControl* child)
    {
        ORVMsg msg(kNotifyLeftClick, 0, child);
        parent->OnMessage(&msg);
    }
};

// The level-up window's close posts topic 132; the screen hands it to its children and the
// research panel removes the window and gives the buttons back.
TEST_F(GardenPanelsBScreenTest, LevelUpWindowIsRemovedThroughTheScreen)
{
    CGardenWnd& screen = Open(orv::garden_bytes::GardenDesc{});
    screen.TogglePanel(GardenPanelSlot::kResearch);
    auto* research = dynamic_cast<CGardenResearchWnd*>(screen.Panel(GardenPanelSlot::kResearch));
    ASSERT_NE(research, nullptr);
    Click(research, research->m_apIntegrations[2]);
    ASSERT_NE(research->m_pLevelUp, nullptr);
    EXPECT_FALSE(research->m_pStartButton->m_bEnabled);
    Click(research->m_pLevelUp, research->m_pLevelUp->m_pCloseButton);
    Frames(2);
    EXPECT_EQ(research->m_pLevelUp, nullptr);
    EXPECT_TRUE(research->m_pStartButton->m_bEnabled);
}

// The estimate's OK posts 116 and 104 with the plant: the screen closes the panel and goes on to
// sow that plant.
TEST_F(GardenPanelsBScreenTest, EstimateOkClosesItAndSows)
{
    CGardenWnd& screen = Open(orv::garden_bytes::GardenDesc{});
    GetGardenDataMgr().m_vSeedBag = {1 | (3u << 16)};
    Event(116, 1);
    auto* estimate = dynamic_cast<CGardenProductEstimate*>(screen.Panel(GardenPanelSlot::kYieldEstimate));
    ASSERT_NE(estimate, nullptr);
    EXPECT_EQ(estimate->m_Plant.m_nId, 1);
    Click(estimate, estimate->m_pOkButton);
    Frames(2);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kYieldEstimate), nullptr);
    EXPECT_EQ(screen.ToolMode(), ToolSow);
}

}  // namespace
