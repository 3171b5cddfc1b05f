#include <gtest/gtest.h>

#include "AerieCityWindowsFixture.h"
#include "aerie/windows/AerieBuyResourceWnd.h"
#include "aerie/windows/AerieExchangeWnd.h"
#include "framework/core/ByteOrder.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"

using namespace orv::test;

namespace {

// The purchase technology (19) at level 1 is 100 %; the granary (13) and the warehouse (14) at
// level 1 hold 1,000.
constexpr char kStores[] =
    R"(<Science Id="19" Name="交易" Effect="0,100" ResGrass="1" ResWood="1" ResStone="1" ResMetal="1" LvlupTime="1"/>)"
    R"(<Building Id="13" Name="粮仓" Effect="0,1000,2000"/><Building Id="14" Name="仓库" Effect="0,1000,2000"/>)";

class AerieResourceWindows : public AerieCityWindowsTest {
protected:
    CAerieBuyResourceWnd* OpenBuy(const std::string& items, bool visited = false)
    {
        if (Enter(City() + items, visited) == nullptr) {
            return nullptr;
        }
        Event(EVT_BUYRESOURCE_WND);
        return Sub<CAerieBuyResourceWnd>();
    }
    CAerieExchangeWnd* OpenExchange(const std::string& items)
    {
        if (Enter(City() + items) == nullptr) {
            return nullptr;
        }
        Wnd()->m_ExchangeWnd.Close();
        Event(EVT_EXCHANGE_WND);
        return dynamic_cast<CAerieExchangeWnd*>(Wnd()->m_pExchangeWnd);
    }
    static ORVMsgBoxQueue& Boxes() { return ORVMsgBoxQueue::GetSingleton(); }
    // Types a number into an edit as the player does: the edit's change notice follows.
    void Type(CORVEdit* edit, const char* digits)
    {
        edit->SetText(digits);
        ORVMsg changed(kNotifyEditChange, 0, edit);
        edit->m_pParent->OnMessage(&changed);
        Frame(2);
    }
    void Drag(CORVHScroll* bar, int pos)
    {
        bar->SetPos(pos);
        Frame(3);
    }
    // The OK button of the box now up, clicked as the player does; its answer is routed.
    void ClickBoxOk()
    {
        Frame();
        auto* box = static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX));
        ASSERT_NE(box, nullptr);
        ClickOn(box, box->m_pOkButton);
        Frame(3);
    }
    // The eight amounts of each exchange request sent since the log was cleared.
    std::vector<CAerieExchangeWnd::Amounts> SentExchanges()
    {
        std::vector<CAerieExchangeWnd::Amounts> out;
        for (const SentRequest& r : Sent()) {
            CAerieExchangeWnd::Amounts a{};
            const auto* b = reinterpret_cast<const unsigned char*>(r.m_strBody.data());
            for (std::size_t i = 0; r.m_wSub == 0xcd && r.m_strBody.size() == 32 && i < a.size(); ++i) {
                a[i] = ReadLE32(b + 4 * i);
            }
            out.push_back(a);
        }
        return out;
    }
};

}  // namespace

TEST_F(AerieResourceWindows, YieldFallsBlockByBlock)
{
    struct Case {
        std::uint64_t coins;
        u32 yield;
    } cases[] = {{0, 0}, {100, 100}, {20000, 20000}, {20100, 20075}, {40000, 35000}, {500000, 79939},
                 {0xFFFFFFFFull + 20000, 80000}};
    for (const Case& c : cases) {
        EXPECT_EQ(AerieResourceYield(c.coins), c.yield) << c.coins;
    }
    EXPECT_EQ(AerieResourceGain(20000, 100, 100.0f), 75u);
    EXPECT_EQ(AerieResourceGain(20000, 100, 0.0f), 0u);   // without the technology nothing is bought
    EXPECT_EQ(AerieResourceGain(0xFFFFFFFFu, 100, 100.0f), 0u);
}

TEST_F(AerieResourceWindows, BuyRangeFollowsBalanceAndQuota)
{
    struct Case {
        u32 coins, spent;
        int range;
    } cases[] = {{250, 0, 2}, {1000000, 0, 5000}, {1000000, 499950, 0}, {1000000, 600000, 0}, {99, 0, 0}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        CAerieBuyResourceWnd* wnd = OpenBuy(Owner(c.coins, 0, 0, 0, 0, c.spent));
        ASSERT_NE(wnd, nullptr);
        Frame();
        EXPECT_EQ(wnd->m_pScroll->m_nRange, c.range) << c.coins << " " << c.spent;
    }
    // At the quota's end OK only asks for an amount.
    ClearTips();
    m_Host.ClearLog();
    ClickOn(Sub<CAerieBuyResourceWnd>(), Sub<CAerieBuyResourceWnd>()->m_pOkBtn);
    EXPECT_EQ(Tips(), std::vector<std::string>{"请拖动滚动条选择要兑换的数量！"});
    EXPECT_TRUE(Sent().empty());
}

TEST_F(AerieResourceWindows, BuyChecksTheStoreThenSendsCoinsAndKind)
{
    LoadGameData(kStores);
    struct Case {
        int kind;
        u32 stock;         // of the chosen resource
        const char* tip;   // null: sent
    } cases[] = {
        {0, 925, nullptr},   // 925 + 75 = 1,000: exactly full
        {0, 926, "此次兑换将超过粮仓上限，请升级粮仓！"},
        {2, 925, nullptr},
        {2, 926, "此次兑换将超过仓库上限，请升级仓库！"},
        {3, 0xFFFFFFFFu, "此次兑换将超过仓库上限，请升级仓库！"},   // the sum does not wrap
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        u32 stocks[4] = {0, 0, 0, 0};
        stocks[c.kind] = c.stock;
        CAerieBuyResourceWnd* wnd =
            OpenBuy(City(3, {{13, 1}, {14, 1}}) + Tech(19, 1) + Owner(5000, stocks[0], stocks[1], stocks[2], stocks[3], 20000));
        ASSERT_NE(wnd, nullptr);
        wnd->m_pChoice->SetCurSel(c.kind);
        ClickOn(wnd, wnd->m_pPlusBtn);
        Frame(2);
        EXPECT_EQ(wnd->m_pScroll->m_nPos, 1);
        EXPECT_EQ(wnd->m_nGain, 75u);
        DrawFrame();
        EXPECT_NE(LastText("兑换率:75.00%"), nullptr) << m_Host.Dump();
        EXPECT_NE(m_Host.FindImage(642 + c.kind, 93), nullptr);
        ClearTips();
        m_Host.ClearLog();
        ClickOn(wnd, wnd->m_pOkBtn);
        if (c.tip == nullptr) {
            ASSERT_EQ(Sent().size(), 1u) << c.kind;
            EXPECT_EQ(Sent()[0].m_wSub, 0x02);
            EXPECT_EQ(Sent()[0].m_nOwner, 100u);   // the coins in the header's first word
            EXPECT_EQ(Sent()[0].m_wParam1, c.kind);
            EXPECT_EQ(wnd->m_pScroll->m_nPos, 0);
        } else {
            EXPECT_TRUE(Sent().empty());
            EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
        }
    }
}

TEST_F(AerieResourceWindows, BuyGainFollowsTheCityAndTheWheel)
{
    LoadGameData(kStores);
    CAerieBuyResourceWnd* wnd = OpenBuy(City(3, {{13, 2}}) + Tech(19, 1) + Owner(5000, 0, 0, 0, 0, 0));
    ASSERT_NE(wnd, nullptr);
    ORVMsg wheel(ORV_MSG_MOUSEWHEEL, PackPos(wnd->m_nAbsX + 5, wnd->m_nAbsY + 5), static_cast<u32>(-120), "");
    EXPECT_TRUE(wnd->ProcessMessage(&wheel));
    Frame(2);
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 1);
    EXPECT_EQ(wnd->m_nGain, 100u);
    // The day's purchases arrive: the same 100 coins now buy less, without moving the bar.
    Recv(Message(kOwnId, 1, Owner(5000, 0, 0, 0, 0, 20000)));
    DrawFrame();
    EXPECT_EQ(wnd->m_nGain, 75u);
    EXPECT_NE(LastText("75"), nullptr);
    EXPECT_NE(LastText("今日剩余兑换量：480000"), nullptr);
    ClickOn(wnd, wnd->m_pMinusBtn);
    ClickOn(wnd, wnd->m_pMinusBtn);
    Frame(2);
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 0);
}

TEST_F(AerieResourceWindows, BuyIsOffWhileVisiting)
{
    CAerieBuyResourceWnd* wnd = OpenBuy(Owner(5000, 0, 0, 0, 0), true);
    ASSERT_NE(wnd, nullptr);
    DrawFrame();
    EXPECT_FALSE(wnd->m_pOkBtn->m_bEnabled);
    EXPECT_NE(LastText("资源购买"), nullptr);
}

TEST_F(AerieResourceWindows, ExchangeKeepsTheAskedTotalWithinTheOffer)
{
    CAerieExchangeWnd* wnd = OpenExchange(Owner(0, 5000, 300, 400, 50));
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_apBar[0][0]->m_nRange, 5000);   // grass
    EXPECT_EQ(wnd->m_apBar[0][1]->m_nRange, 400);    // wood
    EXPECT_EQ(wnd->m_apBar[0][2]->m_nRange, 300);    // stone
    EXPECT_EQ(std::string(wnd->m_apEdit[1][3]->GetText()), "0");
    // Typing above the stock shows the stock.
    Type(wnd->m_apEdit[0][0], "999999999");
    EXPECT_EQ(std::string(wnd->m_apEdit[0][0]->GetText()), "5000");
    EXPECT_EQ(wnd->m_apBar[0][0]->m_nPos, 5000);
    EXPECT_EQ(wnd->m_nTotal, 5000u);
    EXPECT_EQ(wnd->m_apBar[1][0]->m_nRange, 5000);
    // Asking: a row cannot take more than what the others leave.
    Drag(wnd->m_apBar[1][1], 3000);
    Drag(wnd->m_apBar[1][2], 4000);
    EXPECT_EQ(wnd->m_apBar[1][2]->m_nPos, 2000);
    EXPECT_EQ(std::string(wnd->m_apEdit[1][2]->GetText()), "2000");
    // Typing into a row when the others already take the total: the typed amount stays, the others
    // go to 0.
    Type(wnd->m_apEdit[1][3], "10");
    EXPECT_EQ(std::string(wnd->m_apEdit[1][3]->GetText()), "10");
    EXPECT_EQ(wnd->m_apBar[1][3]->m_nPos, 10);
    EXPECT_EQ(wnd->m_apBar[1][1]->m_nPos, 0);
    EXPECT_EQ(std::string(wnd->m_apEdit[1][2]->GetText()), "0");
    // Lowering the offer below the asked total drops every asked amount.
    Drag(wnd->m_apBar[0][0], 3000);
    EXPECT_EQ(wnd->m_apBar[1][3]->m_nPos, 10);
    Drag(wnd->m_apBar[0][0], 5);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(wnd->m_apBar[1][k]->m_nPos, 0) << k;
        EXPECT_EQ(std::string(wnd->m_apEdit[1][k]->GetText()), "0") << k;
    }
    EXPECT_EQ(wnd->m_nTotal, 5u);
}

TEST_F(AerieResourceWindows, ExchangeRefusesOrAsksOrSends)
{
    LoadGameData(kStores);
    struct Case {
        const char* name;
        u32 wood;            // wood already held; the warehouse holds 1,000
        int offer;           // grass offered
        int askWood, askStone;
        const char* refusal; // a one-button box
        bool asks;           // the overflow box first
    } cases[] = {
        {"nothing asked", 0, 100, 0, 0, "请输入你想要兑换的资源数量！", false},
        {"unbalanced", 0, 100, 60, 30, "资源兑换不平衡！", false},
        {"fits", 0, 100, 60, 40, nullptr, false},
        {"overflows", 950, 100, 60, 40, nullptr, true},
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        Boxes().m_vMsgBuf.clear();
        CAerieExchangeWnd* wnd = OpenExchange(City(3, {{13, 1}, {14, 1}}) + Owner(0, 500, 0, c.wood, 0));
        ASSERT_NE(wnd, nullptr) << c.name;
        Drag(wnd->m_apBar[0][0], c.offer);
        Drag(wnd->m_apBar[1][1], c.askWood);
        Drag(wnd->m_apBar[1][2], c.askStone);
        m_Host.ClearLog();
        ClickOn(wnd, wnd->m_pExchangeBtn);
        if (c.refusal != nullptr) {
            ASSERT_EQ(Boxes().m_vMsgBuf.size(), 1u) << c.name;
            EXPECT_EQ(Boxes().m_vMsgBuf.front().m_strText, c.refusal);
            EXPECT_TRUE(Sent().empty());
            continue;
        }
        if (c.asks) {
            EXPECT_TRUE(Sent().empty()) << c.name;
            ASSERT_EQ(Boxes().m_vMsgBuf.size(), 1u);
            EXPECT_EQ(Boxes().m_vMsgBuf.front().m_strText, "本次兑换资源为牧草0，木材60，石料40，金属0。是否要继续兑换？");
            AnswerOk();
        }
        ASSERT_EQ(Sent().size(), 1u) << c.name;
        EXPECT_EQ(Sent()[0].m_wSub, 0xcd);
        const std::string body = Sent()[0].m_strBody;
        ASSERT_EQ(body.size(), 32u);
        const auto* b = reinterpret_cast<const unsigned char*>(body.data());
        const u32 expected[8] = {100, 0, 0, 0, 0, 60, 40, 0};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(ReadLE32(b + 4 * i), expected[i]) << c.name << " " << i;
        }
    }
}

TEST_F(AerieResourceWindows, ExchangeCapsAHugeStock)
{
    CAerieExchangeWnd* wnd = OpenExchange(Owner(0, 0xFFFFFFFFu, 0, 0, 0));
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_apBar[0][0]->m_nRange, 0x7FFFFFFF);
    Drag(wnd->m_apBar[0][0], 0x7FFFFFFF);
    EXPECT_EQ(wnd->m_nTotal, 0x7FFFFFFFu);
    DrawFrame();
    EXPECT_NE(LastText("牧草：4294967295/10000"), nullptr) << m_Host.Dump();
    EXPECT_NE(LastText("2147483647"), nullptr);
}

// Whatever a step sets an edit to, its bar follows, and the request asks what the edits show.
TEST_F(AerieResourceWindows, ExchangeAsksWhatTheEditsShow)
{
    LoadGameData(kStores);
    CAerieExchangeWnd* wnd = OpenExchange(City(3, {{13, 1}, {14, 1}}) + Owner(0, 500, 0, 300, 0));
    ASSERT_NE(wnd, nullptr);
    const auto barsFollowEdits = [wnd] {
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(wnd->m_apBar[side][i]->m_nPos, wnd->m_apEdit[side][i]->m_nValue) << side << " " << i;
            }
        }
    };
    Type(wnd->m_apEdit[0][1], "100");   // 100 wood offered
    Type(wnd->m_apEdit[1][0], "100");   // 100 grass asked
    EXPECT_EQ(wnd->m_apBar[1][0]->m_nPos, 100);
    Type(wnd->m_apEdit[1][1], "0");     // the grass asked already takes the total: it goes to 0
    EXPECT_EQ(std::string(wnd->m_apEdit[1][0]->GetText()), "0");
    barsFollowEdits();
    m_Host.ClearLog();
    ClickOn(wnd, wnd->m_pExchangeBtn);
    ASSERT_EQ(Boxes().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(Boxes().m_vMsgBuf.front().m_strText, "请输入你想要兑换的资源数量！");
    EXPECT_TRUE(Sent().empty());
    Boxes().m_vMsgBuf.clear();

    // Typed past what the others leave: the edit and the bar both take the remainder.
    Type(wnd->m_apEdit[1][2], "60");
    Type(wnd->m_apEdit[1][3], "70");
    EXPECT_EQ(std::string(wnd->m_apEdit[1][3]->GetText()), "40");
    barsFollowEdits();
    ClickOn(wnd, wnd->m_pExchangeBtn);
    EXPECT_TRUE(Boxes().m_vMsgBuf.empty());
    ASSERT_EQ(Sent().size(), 1u);
    const std::string body = Sent()[0].m_strBody;
    ASSERT_EQ(body.size(), 32u);
    const auto* b = reinterpret_cast<const unsigned char*>(body.data());
    const u32 expected[8] = {0, 100, 0, 0, 0, 0, 60, 40};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ReadLE32(b + 4 * i), expected[i]) << i;
    }
}

// The overflow box asks for 60 wood and 40 stone against 100 grass; a key typed meanwhile still
// reaches the offered grass field behind it (100 becomes 1007, shown as the stock 500), and the
// box's OK sends the amounts it asked for, balanced, once. Asking again before the answer leaves
// the later question the one to send; an answer whose window closed sends nothing.
TEST_F(AerieResourceWindows, ExchangeSendsWhatTheBoxAsked)
{
    LoadGameData(kStores);
    using A = CAerieExchangeWnd::Amounts;
    const struct {
        const char* name;
        bool askAgain;              // 460 wood asked against the 500 offered, before the first answer
        bool closeBeforeAnswering;  // the window closes (and another opens) before the answer
        std::vector<A> sent;
    } cases[] = {
        {"typed behind the box", false, false, {A{100, 0, 0, 0, 0, 60, 40, 0}}},
        {"asked again", true, false, {A{500, 0, 0, 0, 0, 460, 40, 0}}},
        {"window gone", false, true, {}},
    };
    for (const auto& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        Boxes().m_vMsgBuf.clear();
        CAerieExchangeWnd* wnd = OpenExchange(City(3, {{13, 1}, {14, 1}}) + Owner(0, 500, 0, 950, 0));
        ASSERT_NE(wnd, nullptr) << c.name;
        Drag(wnd->m_apBar[0][0], 100);
        Drag(wnd->m_apBar[1][1], 60);
        Drag(wnd->m_apBar[1][2], 40);
        CtrlMgr().SetFocusControl(wnd->m_apEdit[0][0]);
        m_Host.ClearLog();
        ClickOn(wnd, wnd->m_pExchangeBtn);
        Frame();
        ASSERT_EQ(Boxes().m_vMsgBuf.size(), 1u) << c.name;
        const ORVMsg firstOk = Boxes().m_vMsgBuf.front().m_OkMsg;
        EXPECT_TRUE(Char('7'));
        Frame(2);
        EXPECT_EQ(std::string(wnd->m_apEdit[0][0]->GetText()), "500") << c.name;
        if (c.askAgain) {
            Type(wnd->m_apEdit[1][1], "460");
            ClickOn(wnd, wnd->m_pExchangeBtn);
            ClickBoxOk();   // the first box showed 60 wood, which is no longer the question
            EXPECT_TRUE(SentExchanges().empty()) << c.name;
        }
        if (c.closeBeforeAnswering) {
            Wnd()->m_ExchangeWnd.Close();
            Event(EVT_EXCHANGE_WND);
            ASSERT_NE(Wnd()->m_pExchangeWnd, nullptr) << c.name;
        }
        for (int box = 0; box < 2 && !Boxes().m_vMsgBuf.empty(); ++box) {
            ClickBoxOk();
        }
        Route(firstOk);   // the first answer once more
        Frame();
        EXPECT_EQ(SentExchanges(), c.sent) << c.name;
    }
}
