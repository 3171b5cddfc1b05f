// The plant card, the paged six-card grid of the warehouse and the seed bag, through the
// recording renderer and the Garden client's send queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenFruitWnd.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenSeedWnd.h"
#include "glimmer/GlimmerTest.h"
#include "GardenCardsFixture.h"

namespace orv::test {
namespace {

namespace L = garden_layout;

class GardenCardsTest : public GardenCardsFixture {};

TEST_F(GardenCardsTest, ModesSizeTheCardAndOthersHideIt)
{
    const struct {
        u32 mode;
        int w, h;
        bool shown;
    } cases[] = {{1, 50, 50, true},   {2, 380, 140, true}, {3, 380, 140, true}, {6, 50, 50, true},
                 {7, 380, 170, true}, {8, 383, 141, true}, {4, 10, 10, true},   {9, 10, 10, false},
                 {0, 10, 10, false}};
    for (const auto& c : cases) {
        CGardenPlantItem& card = NewCard();
        card.SetSize(10, 10);
        card.SetMode(c.mode, 1);
        EXPECT_EQ(card.m_nWidth, c.w) << c.mode;
        EXPECT_EQ(card.m_nHeight, c.h) << c.mode;
        EXPECT_EQ(card.m_bVisible != 0, c.shown) << c.mode;
        EXPECT_EQ(card.m_bEnabled != 0, c.shown) << c.mode;
    }
}

// Strawberries need garden level 8: in a level-1 garden the nursery card shows the lock, "???"
// values and the red notice, and its buy button stays disabled; radishes (level 1) can be bought.
TEST_F(GardenCardsTest, LockedPlantShowsLockUnknownValuesAndNoBuying)
{
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeNursery, 1);
    ASSERT_TRUE(card.LoadOwnPlant(kStrawberry));
    EXPECT_EQ(card.m_bUnlocked, 0);
    EXPECT_TRUE(card.m_pBuyButton->m_bVisible);
    EXPECT_FALSE(card.m_pBuyButton->m_bEnabled);
    EXPECT_FALSE(card.m_pSellButton->m_bVisible);

    const std::vector<glimmer_test::Call> calls = DrawCard(card);
    EXPECT_TRUE(HasTexture(calls, 3, 7819));
    EXPECT_TRUE(HasTexture(calls, 3, 7820));
    EXPECT_FALSE(HasTexture(calls, 4, 1030));
    EXPECT_EQ(TextColour(calls, "花园需要升级到8级"), 0xFFFF0000u);
    EXPECT_EQ(CountText(calls, "???"), 2);   // cycle and yield
    EXPECT_EQ(CountText(calls, "防盗时间："), 0);

    ASSERT_TRUE(card.LoadOwnPlant(kRadish));
    EXPECT_EQ(card.m_bUnlocked, 1);
    EXPECT_TRUE(card.m_pBuyButton->m_bEnabled);
    const std::vector<glimmer_test::Call> open = DrawCard(card);
    EXPECT_TRUE(HasTexture(open, 4, 1000));
    EXPECT_EQ(CountText(open, "80%几率1倍产量"), 1);   // level row 1
    EXPECT_EQ(CountText(open, "20分钟"), 1);   // row 1 guards an 8-hour plant 20 minutes
}

TEST_F(GardenCardsTest, GenePlantShowsItsBonusWithTheCycleAndNoGuardTime)
{
    WriteLE16(GetGardenDataMgr().m_OwnInfo.m_Bytes + L::kInfoLevel, 3);
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeOwnPlant, 0);
    ASSERT_TRUE(card.LoadForMode(kGeneRose));
    const std::vector<glimmer_test::Call> calls = DrawCard(card);
    EXPECT_EQ(CountText(calls, "收获时变为一种10小时作物，其等级效果保留"), 1);
    EXPECT_EQ(CountText(calls, "防盗时间："), 0);
    EXPECT_EQ(CountText(calls, "12%"), 1);
    EXPECT_TRUE(HasTexture(calls, 3, 7825));
}

// Light 6 is three whole icons; delicacy stops at five icons.
TEST_F(GardenCardsTest, ConditionIconsFollowTheValues)
{
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeNursery, 1);
    ASSERT_TRUE(card.LoadOwnPlant(kRadish));
    card.m_Plant.m_nLight = 5;
    card.m_Plant.m_nAdaptability = 7;
    const std::vector<glimmer_test::Call> calls = DrawCard(card);
    EXPECT_EQ(CountTexture(calls, 3, 128), 2);
    EXPECT_EQ(CountTexture(calls, 3, 127), 1);
    EXPECT_EQ(CountTexture(calls, 3, 132), 5);
}

TEST_F(GardenCardsTest, LoadersRefuseUnknownPlantsAndHideTheCard)
{
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeWarehouse, 0);
    EXPECT_FALSE(card.LoadOwnPlant(0));
    EXPECT_FALSE(card.LoadOwnPlant(99));
    EXPECT_FALSE(card.LoadFromSeedBag(kRadish));   // not in the seed bag
    EXPECT_FALSE(card.m_bVisible);
    EXPECT_EQ(card.m_wPlantId, 0);
    EXPECT_TRUE(DrawCard(card).empty() || CountText(DrawCard(card), "植物名称：") == 0);
}

TEST_F(GardenCardsTest, SellAllSendsTheCountInTheUserIdThenAsksForTheWarehouse)
{
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeWarehouse, 0);
    ASSERT_TRUE(card.LoadFromWarehouse(Ware(kRadish, 37, 2)));
    EXPECT_TRUE(card.m_pSellAllButton->m_bVisible);
    Click(card, card.m_pSellAllButton);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{37, 884, 0x0c, kRadish, 0, ""}, {0, 884, 0x11, 0, 0, ""}}));
}

// Selling opens the exchange window in sell mode and hands it the card's warehouse record; one
// open in another mode is closed first.
TEST_F(GardenCardsTest, SellAndBuyOpenTheExchangeWindowWithTheirItem)
{
    CGardenPlantItem& card = NewCard();
    card.SetMode(CGardenPlantItem::kModeWarehouse, 0);
    ASSERT_TRUE(card.LoadFromWarehouse(Ware(kRadish, 37, 2)));
    Click(card, card.m_pSellButton);
    CTestWindow* exchange = ExchangeStandIn();
    ASSERT_NE(exchange, nullptr);
    EXPECT_EQ(exchange->m_nArg, 0);
    ASSERT_EQ(exchange->m_vProcessed.size(), 1u);
    EXPECT_EQ(exchange->m_vProcessed[0].m_wParam, 140u);
    EXPECT_EQ(SenderAsValue(exchange->m_vProcessed[0]), reinterpret_cast<std::uintptr_t>(&card.m_Source));
    Click(card, card.m_pGiveButton);   // giving: mode 1, the same record
    exchange = ExchangeStandIn();
    ASSERT_NE(exchange, nullptr);
    EXPECT_EQ(exchange->m_nArg, 1);
    ASSERT_EQ(exchange->m_vProcessed.size(), 1u);
    EXPECT_EQ(SenderAsValue(exchange->m_vProcessed[0]), reinterpret_cast<std::uintptr_t>(&card.m_Source));

    CGardenPlantItem& buy = NewCard();
    buy.SetMode(CGardenPlantItem::kModeNursery, 0);   // card 0: the tutorial points at its buy button
    EXPECT_EQ(GetGardenGuide().StepRecord(6).m_pTarget, buy.m_pBuyButton);
    ASSERT_TRUE(buy.LoadOwnPlant(kRadish));
    GetGardenGuide().SetStep(6);
    Click(buy, buy.m_pBuyButton);
    EXPECT_EQ(GetGardenGuide().Step(), 7);
    GetGardenGuide().Reset();
    exchange = ExchangeStandIn();
    ASSERT_NE(exchange, nullptr);
    EXPECT_EQ(exchange->m_nArg, 2);
    ASSERT_EQ(exchange->m_vProcessed.size(), 1u);
    EXPECT_EQ(SenderAsValue(exchange->m_vProcessed[0]), std::uintptr_t{kRadish});
}

TEST_F(GardenCardsTest, WarehousePagesSixCardsAndShowsItsPageText)
{
    CGardenFruitWnd* wnd = OpenPanel<CGardenFruitWnd>(ORV_RUNTIME_CLASS(CGardenFruitWnd));
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x11, 0, 0, ""}}));
    EXPECT_EQ(CountText(DrawWindow(*wnd), "0 / 0"), 1);
    for (CGardenPlantItem* card : wnd->m_Grid.m_apCards) {
        EXPECT_FALSE(card->m_bVisible);
    }

    std::vector<std::string> records;
    for (int i = 0; i < 7; ++i) {
        records.push_back(std::string(RecordBytes(Ware(i % 2 == 0 ? kRadish : kCabbage, 10u + i, 2))));
    }
    Deliver(WarehouseReply(records));
    EXPECT_EQ(CountText(DrawWindow(*wnd), "1 / 2"), 1);
    EXPECT_EQ(wnd->m_Grid.m_apCards[5]->m_Source.U32(L::kWareCount), 15u);
    Click(*wnd, wnd->m_Grid.m_pNextButton);
    EXPECT_EQ(CountText(DrawWindow(*wnd), "2 / 2"), 1);
    EXPECT_TRUE(wnd->m_Grid.m_apCards[0]->m_bVisible);
    EXPECT_EQ(wnd->m_Grid.m_apCards[0]->m_Source.U32(L::kWareCount), 16u);
    EXPECT_FALSE(wnd->m_Grid.m_apCards[1]->m_bVisible);
    Click(*wnd, wnd->m_Grid.m_pNextButton);   // no third page
    EXPECT_EQ(wnd->m_Grid.m_nPage, 1);

    // A warehouse that shrinks below the page shown goes back to its last page.
    Deliver(WarehouseReply({records[0]}));
    EXPECT_EQ(wnd->m_Grid.m_nPage, 0);
    EXPECT_EQ(CountText(DrawWindow(*wnd), "1 / 1"), 1);
}

TEST_F(GardenCardsTest, SeedBagOfFiveCannotPageRightAndAskesForTheSeeds)
{
    SetSeedBag({kRadish, kCabbage, kRadish, kCabbage, kRadish});
    CGardenSeedWnd* bag = OpenPanel<CGardenSeedWnd>(ORV_RUNTIME_CLASS(CGardenSeedWnd));
    ASSERT_NE(bag, nullptr);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x10, 0, 0, ""}}));
    EXPECT_EQ(bag->m_nY, 465);
    EXPECT_EQ(bag->m_nX, (800 - bag->m_nWidth) / 2);
    for (CGardenPlantItem* card : bag->m_apCards) {
        EXPECT_TRUE(card->m_bVisible);
    }
    Click(*bag, bag->m_pRightButton);
    EXPECT_EQ(bag->m_nFirst, 0);

    SetSeedBag({kRadish, kCabbage, kRadish, kCabbage, kRadish, kCabbage});
    Click(*bag, bag->m_pRightButton);
    EXPECT_EQ(bag->m_nFirst, 5);
    EXPECT_TRUE(bag->m_apCards[0]->m_bVisible);
    EXPECT_FALSE(bag->m_apCards[1]->m_bVisible);
    Click(*bag, bag->m_pLeftButton);
    EXPECT_EQ(bag->m_nFirst, 0);

    // A bag that shrinks below the page shown goes back a page (reply 505: 4-byte entries).
    Click(*bag, bag->m_pRightButton);
    std::string body;
    for (int i = 0; i < 5; ++i) {
        body += std::string("\x01\x00\x03\x00", 4);   // radish, count 3
    }
    Deliver(garden_bytes::Reply(505, body, 0, 5, 4));
    ASSERT_EQ(GetGardenDataMgr().m_vSeedBag.size(), 5u);
    EXPECT_EQ(bag->m_nFirst, 0);
    EXPECT_TRUE(bag->m_apCards[4]->m_bVisible);
}

TEST_F(GardenCardsTest, HoveringASeedShowsItsDetailCardAndLeavingHidesIt)
{
    SetSeedBag({kRadish, kCabbage});
    CGardenSeedWnd* bag = OpenPanel<CGardenSeedWnd>(ORV_RUNTIME_CLASS(CGardenSeedWnd));
    ASSERT_NE(bag, nullptr);
    bag->OnChildMouseEnter(bag->m_apCards[1], nullptr);
    EXPECT_TRUE(bag->m_pDetail->m_bVisible);
    EXPECT_EQ(bag->m_pDetail->m_dwMode, u32{CGardenPlantItem::kModeSeedDetail});
    EXPECT_EQ(bag->m_pDetail->m_wPlantId, kCabbage);
    EXPECT_EQ(bag->m_pDetail->m_Source.U32(L::kWareCount), 3u);
    bag->OnChildMouseLeave(bag->m_apCards[1], nullptr);
    EXPECT_FALSE(bag->m_pDetail->m_bVisible);
    EXPECT_FALSE(bag->m_pDetail->m_bEnabled);
}

// Clicking a seed asks the screen for its yield estimate (event 116 with the plant) and moves the
// tutorial's seed step on.
TEST_F(GardenCardsTest, ClickingASeedAsksTheScreenForItsEstimate)
{
    SetSeedBag({kRadish, kCabbage});
    CGardenSeedWnd* bag = OpenPanel<CGardenSeedWnd>(ORV_RUNTIME_CLASS(CGardenSeedWnd));
    ASSERT_NE(bag, nullptr);
    auto* screen = dynamic_cast<CTestWindow*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic));
    ASSERT_NE(screen, nullptr);
    screen->m_vProcessed.clear();
    GetGardenGuide().SetStep(8);
    bag->m_apCards[1]->OnClick(static_cast<int>(kNotifyLeftClick));
    EXPECT_EQ(GetGardenGuide().Step(), 9);
    GetGardenGuide().Reset();
    ASSERT_EQ(screen->m_vProcessed.size(), 1u);
    EXPECT_EQ(screen->m_vProcessed[0].m_wParam, 116u);
    EXPECT_EQ(SenderAsValue(screen->m_vProcessed[0]), std::uintptr_t{kCabbage});
}

}  // namespace
}  // namespace orv::test
