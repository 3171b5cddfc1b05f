// The nursery, the plant-status panel and the seed-ranking panel, on the plant card's test bed:
// their lists from the garden state, paging, the screen events they send and the tutorial steps
// they point at or move on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GardenCardsFixture.h"
#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenSeedInfoWnd.h"
#include "garden/windows/GardenSeedRankWnd.h"
#include "garden/windows/GardenShopWnd.h"
#include "tools/GardenBytes.h"

namespace orv::test {
namespace {

class GardenNurseryTest : public GardenCardsFixture {
protected:
    GardenNurseryTest()
    {
        glimmer_test::RegisterTexture(1, 21, 80, 220);   // the seed-ranking panel
        GetGardenDataMgr().m_vNursery.clear();           // the state's reset keeps it
        GetGardenGuide().Reset();
    }
    ~GardenNurseryTest() override { GetGardenGuide().Reset(); }

    // Reply 504: the nursery's plant ids.
    static void DeliverNursery(const std::vector<u16>& ids)
    {
        std::string body;
        for (u16 id : ids) {
            body += static_cast<char>(id & 0xFF);
            body += static_cast<char>(id >> 8);
        }
        Deliver(garden_bytes::Reply(504, body));
    }
    // The plant ids the cards show, 0 for a hidden card.
    template <std::size_t N>
    static std::vector<u16> Shown(CGardenPlantItem* const (&cards)[N])
    {
        std::vector<u16> out;
        for (const CGardenPlantItem* card : cards) {
            out.push_back(card->IsShown() ? card->m_wPlantId : 0);
        }
        return out;
    }
    // The plant-status events (275, 131) the screen got, each with the value in its sender field.
    static std::vector<std::uintptr_t> PlantStatusEvents()
    {
        std::vector<std::uintptr_t> out;
        for (CTestWindow* w : CTestWindow::Live()) {
            for (const ORVMsg& m : w->m_vProcessed) {
                if (m.m_nId == kMsgGardenTopic && m.m_wParam == 131) {
                    out.push_back(reinterpret_cast<std::uintptr_t>(m.m_pSender));
                }
            }
            w->m_vProcessed.clear();
        }
        return out;
    }
    static void UseFriendsGarden() { GetGardenDataMgr().m_bOwnGarden = 0; }
};

TEST_F(GardenNurseryTest, NurseryAsksForItsListAndPagesSixBuyCards)
{
    CGardenShopWnd* shop = OpenPanel<CGardenShopWnd>(ORV_RUNTIME_CLASS(CGardenShopWnd));
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x0f, 0, 0, ""}}));
    EXPECT_EQ(CountText(DrawWindow(*shop), "0 / 0"), 1);
    Click(*shop, shop->m_Grid.m_pNextButton);   // no pages: stays
    EXPECT_EQ(shop->m_Grid.m_nPage, 0);
    EXPECT_EQ(Shown(shop->m_Grid.m_apCards), (std::vector<u16>(6, 0)));

    DeliverNursery({kRadish, kCabbage, kStrawberry, kRadish, kCabbage, kStrawberry});
    EXPECT_EQ(CountText(DrawWindow(*shop), "1 / 1"), 1);
    EXPECT_EQ(Shown(shop->m_Grid.m_apCards), (std::vector<u16>{kRadish, kCabbage, kStrawberry, kRadish, kCabbage, kStrawberry}));
    CGardenPlantItem* first = shop->m_Grid.m_apCards[0];
    EXPECT_EQ(first->m_dwMode, u32{CGardenPlantItem::kModeNursery});
    EXPECT_TRUE(first->m_pBuyButton->m_bVisible && first->m_pBuyButton->m_bEnabled);

    DeliverNursery({kRadish, kCabbage, kStrawberry, kRadish, kCabbage, kStrawberry, kGeneRose});
    Click(*shop, shop->m_Grid.m_pNextButton);
    EXPECT_EQ(CountText(DrawWindow(*shop), "2 / 2"), 1);
    EXPECT_EQ(Shown(shop->m_Grid.m_apCards), (std::vector<u16>{kGeneRose, 0, 0, 0, 0, 0}));

    // A list that shrinks below the page shown goes back to its last page.
    DeliverNursery({kCabbage});
    EXPECT_EQ(shop->m_Grid.m_nPage, 0);
    EXPECT_EQ(Shown(shop->m_Grid.m_apCards), (std::vector<u16>{kCabbage, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TakeSent(), std::vector<Sent>{});
}

TEST_F(GardenNurseryTest, ClosingTheNurseryMovesTheTutorialOnOnlyFromItsStep)
{
    CGardenShopWnd* shop = OpenPanel<CGardenShopWnd>(ORV_RUNTIME_CLASS(CGardenShopWnd));
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(GetGardenGuide().StepRecord(17).m_pTarget, shop->m_pCloseButton);
    EXPECT_EQ(shop->m_pCloseButton->m_nX, shop->m_nWidth - 33);
    GetGardenGuide().SetStep(16);
    Click(*shop, shop->m_pCloseButton);
    EXPECT_EQ(GetGardenGuide().Step(), 16);
    GetGardenGuide().SetStep(17);
    Click(*shop, shop->m_pCloseButton);
    EXPECT_EQ(GetGardenGuide().Step(), 18);
}

// Plant status pages the list its opening value names: the shown garden's plants (4), the nursery
// (5), or nothing for any other value.
TEST_F(GardenNurseryTest, PlantStatusShowsTheListItsValueNames)
{
    DeliverNursery({kStrawberry, kCabbage, kStrawberry, kCabbage, kStrawberry, kCabbage, kRadish});
    GetGardenDataMgr().m_vPlantList = {kGeneRose | (1u << 16), kRadish | (1u << 16)};
    struct Case {
        int value;
        std::vector<u16> firstPage;
        const char* pager;
        u32 mode;
    };
    const Case cases[] = {
        {5, {kStrawberry, kCabbage, kStrawberry, kCabbage, kStrawberry, kCabbage}, "1 / 2", 5},
        {4, {kGeneRose, kRadish, 0, 0, 0, 0}, "1 / 1", 4},
        {7, {0, 0, 0, 0, 0, 0}, "0 / 0", 0},
    };
    CORVWindow* screen = dynamic_cast<CORVWindow*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic));
    ASSERT_NE(screen, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto* info = dynamic_cast<CGardenSeedInfoWnd*>(screen->CreateChild(ORV_RUNTIME_CLASS(CGardenSeedInfoWnd), c.value, std::string()));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(Shown(info->m_Grid.m_apCards), c.firstPage);
        EXPECT_EQ(info->m_Grid.m_apCards[0]->m_dwMode, c.mode);
        const auto calls = DrawWindow(*info);
        EXPECT_EQ(CountText(calls, c.pager), 1);
        EXPECT_EQ(CountText(calls, "植物状态"), 1);
        EXPECT_NE(info->m_pCloseButton, nullptr);
        screen->DeleteChild(info);
    }
    EXPECT_EQ(TakeSent(), std::vector<Sent>{});
}

TEST_F(GardenNurseryTest, PlantStatusOfTheNurseryPagesAndRefillsOnItsTopic)
{
    DeliverNursery({kStrawberry, kCabbage, kStrawberry, kCabbage, kStrawberry, kCabbage, kRadish});
    CORVWindow* screen = dynamic_cast<CORVWindow*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic));
    ASSERT_NE(screen, nullptr);
    auto* info = dynamic_cast<CGardenSeedInfoWnd*>(screen->CreateChild(ORV_RUNTIME_CLASS(CGardenSeedInfoWnd), 5, std::string()));
    ASSERT_NE(info, nullptr);
    Click(*info, info->m_Grid.m_pNextButton);
    EXPECT_EQ(Shown(info->m_Grid.m_apCards), (std::vector<u16>{kRadish, 0, 0, 0, 0, 0}));
    // The nursery list changes under it: only its topic fills the cards again.
    GetGardenDataMgr().m_vNursery = {kCabbage};
    EXPECT_EQ(Shown(info->m_Grid.m_apCards), (std::vector<u16>{kRadish, 0, 0, 0, 0, 0}));
    ORVMsg topic(kMsgGardenTopic, CGardenSeedInfoWnd::kTopic);
    EXPECT_TRUE(info->ProcessMessage(&topic));
    EXPECT_EQ(info->m_Grid.m_nPage, 0);
    EXPECT_EQ(Shown(info->m_Grid.m_apCards), (std::vector<u16>{kCabbage, 0, 0, 0, 0, 0}));
}

TEST_F(GardenNurseryTest, SeedRankingShowsTheFirstThreePlantsAndEmptiesCardsPastTheList)
{
    GetGardenDataMgr().m_vPlantList = {kCabbage | (1u << 16), kRadish | (1u << 16)};
    auto* rank = OpenPanel<CGardenSeedRankWnd>(ORV_RUNTIME_CLASS(CGardenSeedRankWnd));
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(rank->m_nX, 11);
    EXPECT_EQ(rank->m_nY, 600 - 220);
    EXPECT_EQ(rank->m_pCloseButton, nullptr);
    EXPECT_EQ(GetGardenGuide().StepRecord(16).m_pTarget, rank);
    EXPECT_EQ(Shown(rank->m_apCards), (std::vector<u16>{kCabbage, kRadish, 0}));
    EXPECT_EQ(rank->m_apCards[2]->m_nY, 37 + 61 * 2);

    GetGardenDataMgr().m_vPlantList = {kGeneRose | (1u << 16), kStrawberry | (1u << 16), kRadish | (1u << 16), kCabbage | (1u << 16)};
    rank->OnScreenEvent(100, 0);
    EXPECT_EQ(Shown(rank->m_apCards), (std::vector<u16>{kGeneRose, kStrawberry, kRadish}));
    // A friend's shorter list after the screen's refresh leaves no plant of the last one.
    UseFriendsGarden();
    GetGardenDataMgr().m_vPlantList = {kCabbage | (1u << 16)};
    rank->OnScreenEvent(100, 0);
    EXPECT_EQ(Shown(rank->m_apCards), (std::vector<u16>{kCabbage, 0, 0}));
    EXPECT_EQ(rank->m_apCards[0]->m_strToolTip, "");
    EXPECT_EQ(TakeSent(), std::vector<Sent>{});
}

TEST_F(GardenNurseryTest, SeedRankingTooltipsAndOutlineFollowTheHoverAndTheGarden)
{
    GetGardenDataMgr().m_vPlantList = {kCabbage | (1u << 16)};
    auto* rank = OpenPanel<CGardenSeedRankWnd>(ORV_RUNTIME_CLASS(CGardenSeedRankWnd));
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(rank->m_apCards[0]->m_strToolTip, "单击查看该玩家植物状态");
    DrawWindow(*rank);
    EXPECT_EQ(rank->m_strToolTip, "");

    CtrlMgr().SetHoverControl(rank);
    auto calls = DrawWindow(*rank);
    EXPECT_EQ(rank->m_strToolTip, "点击打开苗圃");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].op, "DrawRectangle");
    UseFriendsGarden();
    DrawWindow(*rank);
    EXPECT_EQ(rank->m_strToolTip, "点击查看该玩家植物状态");
    CtrlMgr().SetHoverControl(nullptr);
    EXPECT_TRUE(DrawWindow(*rank).empty());
    EXPECT_EQ(rank->m_strToolTip, "");
}

// A click on the panel or on a card shows the plant status of the shown garden (value 4): routed as
// the screen's event in the own garden, asked of the screen in a friend's; tutorial step 16 moves on.
TEST_F(GardenNurseryTest, SeedRankingClickShowsPlantStatusAndMovesTheTutorialOn)
{
    GetGardenDataMgr().m_vPlantList = {kCabbage | (1u << 16)};
    auto* rank = OpenPanel<CGardenSeedRankWnd>(ORV_RUNTIME_CLASS(CGardenSeedRankWnd));
    ASSERT_NE(rank, nullptr);
    PlantStatusEvents();
    GetGardenGuide().SetStep(16);
    rank->OnClick(static_cast<int>(kNotifyLeftClick));
    EXPECT_EQ(PlantStatusEvents(), (std::vector<std::uintptr_t>{4}));
    EXPECT_EQ(GetGardenGuide().Step(), 17);

    UseFriendsGarden();
    rank->m_apCards[0]->OnClick(static_cast<int>(kNotifyLeftClick));
    EXPECT_EQ(PlantStatusEvents(), (std::vector<std::uintptr_t>{4}));
    EXPECT_EQ(GetGardenGuide().Step(), 17);
    EXPECT_EQ(TakeSent(), std::vector<Sent>{});
}

TEST_F(GardenNurseryTest, SeedRankingStaysInsideTheScreen)
{
    auto* rank = OpenPanel<CGardenSeedRankWnd>(ORV_RUNTIME_CLASS(CGardenSeedRankWnd));
    ASSERT_NE(rank, nullptr);
    struct Case {
        int x, y, wantX, wantY;
    };
    const int right = 800 - rank->m_nWidth, bottom = 600 - rank->m_nHeight;
    const Case cases[] = {{-30, -5, 0, 0}, {900, 700, right, bottom}, {40, 50, 40, 50}, {right + 1, 10, right, 10}};
    for (const Case& c : cases) {
        rank->SetPos(c.x, c.y);
        EXPECT_EQ(rank->m_nX, c.wantX) << c.x;
        EXPECT_EQ(rank->m_nY, c.wantY) << c.y;
        EXPECT_EQ(rank->m_nAbsX, rank->m_pParent->m_nAbsX + c.wantX);
        EXPECT_EQ(rank->m_apCards[0]->m_nAbsY, rank->m_nAbsY + 37);
    }
}

TEST_F(GardenNurseryTest, EnteringAFriendsGardenDrawsTheHintOnceInFour)
{
    auto* rank = OpenPanel<CGardenSeedRankWnd>(ORV_RUNTIME_CLASS(CGardenSeedRankWnd));
    ASSERT_NE(rank, nullptr);
    struct Case {
        bool own;
        int rand;
        u8 hint;
    };
    const Case cases[] = {{false, 8, 1}, {false, 9, 0}, {true, 8, 0}, {false, 32767, 0}};
    for (const Case& c : cases) {
        GetGardenDataMgr().m_bOwnGarden = c.own ? 1 : 0;
        m_Fake.m_nRand = c.rand;
        rank->m_bHint = 2;
        rank->OnScreenEvent(108, 0);
        EXPECT_EQ(rank->m_bHint, c.hint) << c.own << " " << c.rand;
    }
}

}  // namespace
}  // namespace orv::test
