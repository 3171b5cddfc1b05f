// The exchange window per mode: the quantity it takes, the trade it sends and what it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GardenCardsFixture.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/windows/GardenExchangeWnd.h"
#include "garden/windows/GardenGuide.h"

namespace orv::test {
namespace {

namespace L = garden_layout;

class GardenExchangeTest : public GardenCardsFixture {
protected:
    GardenExchangeTest() : m_Record(kMsgExchangeTopic, ORV_RUNTIME_CLASS(CGardenExchangeWnd))
    {
        Route(kSysWndClose);   // the state fixture's stand-in
        WriteLE32(GetGardenDataMgr().m_OwnInfo.m_Bytes + L::kInfoWealth, 100);
    }
    static void Route(u32 kind, u32 second = 0, std::uintptr_t value = 0) { RouteGardenEvent(kMsgExchangeTopic, kind, second, value); }
    // Opens the window in mode and hands it the item; the opening request (0x1c) is dropped.
    CGardenExchangeWnd* Open(i32 mode, std::uintptr_t item)
    {
        Route(kSysWndOpen, static_cast<u32>(mode));
        Route(140, 0, item);
        TakeSent();
        return Window();
    }
    static CGardenExchangeWnd* Window()
    {
        return dynamic_cast<CGardenExchangeWnd*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgExchangeTopic));
    }
    static void Type(CGardenExchangeWnd& w, const char* text)
    {
        w.m_pEdit->SetText(text);
        w.OnDraw();
    }
    static void Ok(CGardenExchangeWnd& w) { Click(w, w.m_pOkButton); }
    // The OK button of the box now up, clicked as the player does; its answer is routed.
    static void ClickBoxOk()
    {
        Pump();
        CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
        ASSERT_NE(box, nullptr);
        Click(*box, box->m_pOkButton);
        Pump();
    }
    // A key typed while the box is up: it goes to the focused field behind the box.
    static void TypeKey(char c)
    {
        ORVMsg key(ORV_MSG_CHAR, static_cast<u8>(c));
        CtrlMgr().RouteMessage(&key);
    }
    // The manager's queue, pumped a few frames (posted closes, box answers).
    static void Pump(int frames = 3)
    {
        for (int i = 0; i < frames; ++i) {
            CtrlMgr().RouteDueMessages();
            CtrlMgr().m_MainWnd.Render();
        }
    }

    Record10 m_Fruit = Ware(kRadish, 37, 2);
    ScopedSystemWindowRecord m_Record;
};

TEST_F(GardenExchangeTest, OpeningAsksForTheGiftQuotaAndTypedQuantitiesAreClamped)
{
    Route(kSysWndOpen, CGardenExchangeWnd::kSell);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x1c, 0, 0, ""}}));
    Route(140, 0, reinterpret_cast<std::uintptr_t>(&m_Fruit));
    CGardenExchangeWnd* w = Window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->m_wMax, 37);
    EXPECT_EQ(w->m_pScroll->m_nRange, 36);
    const struct {
        const char* typed;
        const char* shown;
        u16 quantity;
    } cases[] = {{"0", "1", 1}, {"", "1", 1}, {"12", "12", 12}, {"999", "37", 37}};
    for (const auto& c : cases) {
        Type(*w, c.typed);
        EXPECT_STREQ(w->m_pEdit->GetText(), c.shown) << c.typed;
        EXPECT_EQ(w->m_wQuantity, c.quantity) << c.typed;
    }
    // The bar sets position + 1.
    w->m_pScroll->SetPos(4);
    ORVMsg moved(kNotifyScroll, 4, w->m_pScroll);
    w->OnMessage(&moved);
    EXPECT_STREQ(w->m_pEdit->GetText(), "5");
}

// The most one trade takes: selling stops at the count held and at 600, a gift at 10 (the bar
// at the count held, at most ten steps).
TEST_F(GardenExchangeTest, QuantityLimitsFollowTheModeAndTheCountHeld)
{
    const struct {
        i32 mode;
        u32 count;
        u16 max;
        int range;
    } cases[] = {{CGardenExchangeWnd::kSell, 600, 600, 599},
                 {CGardenExchangeWnd::kSell, 601, 600, 599},
                 {CGardenExchangeWnd::kGive, 10, 10, 9},
                 {CGardenExchangeWnd::kGive, 11, 10, 9}};
    for (const auto& c : cases) {
        m_Fruit = Ware(kRadish, c.count, 2);
        CGardenExchangeWnd* w = Open(c.mode, reinterpret_cast<std::uintptr_t>(&m_Fruit));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->m_wMax, c.max) << c.mode << " " << c.count;
        EXPECT_EQ(w->m_pScroll->m_nRange, c.range) << c.mode << " " << c.count;
        Route(kSysWndClose);
        Pump();
    }
}

// Selling 5 puts the quantity in the header's first word; the warehouse is asked for again and
// the window closes.
TEST_F(GardenExchangeTest, SellSendsTheQuantityInTheUserIdThenClosesTheWindow)
{
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kSell, reinterpret_cast<std::uintptr_t>(&m_Fruit));
    ASSERT_NE(w, nullptr);
    Type(*w, "5");
    Ok(*w);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{5, 884, 0x0c, kRadish, 0, ""}, {0, 884, 0x11, 0, 0, ""}}));
    Pump();
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(GardenExchangeTest, GiftGoesToTheChosenFriendAtMostTenAtATime)
{
    m_Fruit = Ware(kRadish, 4, 2);
    std::string rec = garden_bytes::Field("guidA", 36) + garden_bytes::Field("Anna", 36) + std::string(1, '\0');
    FriendRecord f;
    std::copy(rec.begin(), rec.end(), f.m_Bytes);
    GetGardenDataMgr().m_vFriends = {f};
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kGive, reinterpret_cast<std::uintptr_t>(&m_Fruit));
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->m_pFriends, nullptr);
    EXPECT_EQ(w->m_pScroll->m_nRange, 3);   // four held
    Type(*w, "99");
    EXPECT_EQ(w->m_wQuantity, 10);

    Ok(*w);   // no friend chosen: nothing
    EXPECT_TRUE(TakeSent().empty());
    Route(TOPIC_MESSAGE_PAIRS);
    ASSERT_EQ(w->m_pFriends->m_vItems.size(), 1u);
    EXPECT_EQ(w->m_pFriends->m_vItems[0].m_strText, "Anna");
    w->m_pFriends->SetCurSel(0);
    Type(*w, "3");
    Ok(*w);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x0e, kRadish, 3, "guidA"}, {0, 884, 0x11, 0, 0, ""}}));
}

TEST_F(GardenExchangeTest, SeedPurchaseChecksTheWealthFirst)
{
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kBuySeeds, kRadish);   // 10 a seed, wealth 100
    ASSERT_NE(w, nullptr);
    Type(*w, "11");
    Ok(*w);
    EXPECT_TRUE(TakeSent().empty());
    ASSERT_NE(Window(), nullptr);
    GetGardenGuide().SetStep(7);
    Type(*w, "10");
    Ok(*w);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x01, kRadish, 10, ""}}));
    EXPECT_EQ(GetGardenGuide().Step(), 8);   // the tutorial's confirmation step moves on
    GetGardenGuide().Reset();
}

TEST_F(GardenExchangeTest, GeneSeedsAreBoughtOnlyAfterTheBoxsOk)
{
    WriteLE16(GetGardenDataMgr().m_OwnInfo.m_Bytes + L::kInfoLevel, 3);
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kBuySeeds, kGeneRose);
    ASSERT_NE(w, nullptr);
    Type(*w, "2");
    const std::size_t boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size();
    Ok(*w);
    EXPECT_TRUE(TakeSent().empty());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), boxes + 1);
    const ORVMsgBoxRequest& box = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.back();
    EXPECT_EQ(box.m_OkMsg.m_nId, kMsgExchangeTopic);
    EXPECT_EQ(box.m_OkMsg.m_wParam, 141u);
    const ORVMsg ok = box.m_OkMsg;
    ClickBoxOk();
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0, 884, 0x01, kGeneRose, 2, ""}}));
    EXPECT_EQ(Window(), nullptr);
    // The same answer again, while a window sells fruit: nothing is bought.
    ASSERT_NE(Open(CGardenExchangeWnd::kSell, reinterpret_cast<std::uintptr_t>(&m_Fruit)), nullptr);
    ORVMsg late = ok;
    CtrlMgr().RouteMessage(&late);
    Route(141);
    EXPECT_TRUE(TakeSent().empty());
}

// The box asks for 12; keys typed meanwhile still reach the quantity field behind it (12 becomes
// 127 there), and the box's OK buys the 12 it asked for, once. Asking again before the answer
// leaves the later question the one to buy; an answer whose window closed buys nothing.
TEST_F(GardenExchangeTest, TheBoxsOkBuysWhatTheBoxAsked)
{
    WriteLE16(GetGardenDataMgr().m_OwnInfo.m_Bytes + L::kInfoLevel, 3);
    const struct {
        const char* name;
        bool askAgainWith5;          // the window asks a second time, for 5, before the first answer
        bool closeBeforeAnswering;   // the window closes (and another opens) before the answer
        std::vector<Sent> sent;
    } cases[] = {
        {"typed behind the box", false, false, {{0, 884, 0x01, kGeneRose, 12, ""}}},
        {"asked again", true, false, {{0, 884, 0x01, kGeneRose, 5, ""}}},
        {"window gone", false, true, {}},
    };
    for (const auto& c : cases) {
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kBuySeeds, kGeneRose);
        ASSERT_NE(w, nullptr) << c.name;
        Type(*w, "12");
        CtrlMgr().SetFocusControl(w->m_pEdit);
        Ok(*w);
        ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u) << c.name;
        const ORVMsg firstOk = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_OkMsg;
        Pump();
        ASSERT_NE(ORVMsgBoxQueue::GetSingleton().m_pBox, nullptr) << c.name;
        TypeKey('7');
        Pump();
        EXPECT_STREQ(w->m_pEdit->GetText(), "127") << c.name;
        if (c.askAgainWith5) {
            Type(*w, "5");
            Ok(*w);
            ClickBoxOk();   // the first box showed 12, which is no longer the question
            EXPECT_TRUE(TakeSent().empty()) << c.name;
            ASSERT_EQ(Window(), w) << c.name;
            Type(*w, "77");   // behind the second box
        }
        if (c.closeBeforeAnswering) {
            Route(kSysWndClose);
            Pump();
            ASSERT_NE(Open(CGardenExchangeWnd::kBuySeeds, kGeneRose), nullptr) << c.name;
        }
        for (int box = 0; box < 2 && !ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty(); ++box) {
            ClickBoxOk();
        }
        ORVMsg again = firstOk;   // the first answer once more
        CtrlMgr().RouteMessage(&again);
        EXPECT_EQ(TakeSent(), c.sent) << c.name;
        Route(kSysWndClose);
        Pump();
    }
}

TEST_F(GardenExchangeTest, ItemsAreBoughtThroughMessage1014)
{
    ToolCard card;
    WriteLE32(card.m_Bytes + L::kCardId, 0x0102);
    std::string packet = garden_bytes::Packet(217, 0, std::string(reinterpret_cast<const char*>(card.m_Bytes), L::kCardSize), 0, 0, 1);
    GetToolCardStore().RefillSecond(reinterpret_cast<const u8*>(packet.data()), static_cast<int>(packet.size()));
    ASSERT_EQ(GetToolCardStore().Second().size(), 1u);
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kBuyItems, 1);
    ASSERT_NE(w, nullptr);
    Type(*w, "7");
    Ok(*w);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{0x0102, 1014, 1, 0, 7, ""}}));
}

// An item that cannot be found closes the window without a request: an unknown plant, a card
// index of 0 or past the list, a fruit count of 0 (no quantity to trade).
TEST_F(GardenExchangeTest, MissingItemsCloseTheWindowAndSendNothing)
{
    const struct {
        i32 mode;
        std::uintptr_t item;
    } cases[] = {{CGardenExchangeWnd::kBuySeeds, 99}, {CGardenExchangeWnd::kBuyItems, 0},
                 {CGardenExchangeWnd::kBuyItems, 3}, {CGardenExchangeWnd::kSell, 0}};
    for (const auto& c : cases) {
        ASSERT_NE(Open(c.mode, c.item), nullptr);
        Pump();
        EXPECT_EQ(Window(), nullptr) << c.mode << " " << c.item;
        EXPECT_TRUE(TakeSent().empty());
    }
    m_Fruit = Ware(kRadish, 0, 2);
    CGardenExchangeWnd* w = Open(CGardenExchangeWnd::kSell, reinterpret_cast<std::uintptr_t>(&m_Fruit));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->m_pScroll->m_nRange, 0);
    Ok(*w);
    EXPECT_TRUE(TakeSent().empty());
}

}  // namespace
}  // namespace orv::test
