#include <gtest/gtest.h>

#include "AerieBeastFixture.h"
#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/text/TextUtil.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "support/WindowInput.h"

using namespace orv::test;
using namespace aerie_layout;

namespace {

class AerieFriendLists : public AerieBeastTest {
protected:
    // The own city with its main city at castleLevel.
    CAerieWnd* EnterCity(u16 castleLevel = 1)
    {
        std::vector<u16> levels(18, 1);
        levels[0] = castleLevel;
        return Enter(Buildings(levels) + BeastItem(1, 0));
    }
    CAerieFriendWnd* OpenFriends()
    {
        Click(Wnd()->m_pFriendBtn);
        return dynamic_cast<CAerieFriendWnd*>(Wnd()->m_pSubWnd);
    }
    // The visited city's hatch page with its friend list open.
    CAerieHatchRelationWnd* OpenHatchFriends()
    {
        if (Enter(BeastItem(1, 0), true) == nullptr || OpenBeast() == nullptr) {
            return nullptr;
        }
        auto* page = Page<CAerieBeastHatchOtherItem>();
        if (page == nullptr) {
            return nullptr;
        }
        ClickOn(page, page->m_pFriendsBtn);
        return dynamic_cast<CAerieHatchRelationWnd*>(page->m_FriendWnd.Get());
    }
    // Friends "f0" .. "f<n-1>" (flags by index), as reply 117 brings them.
    void Friends(int n, u8 flags = 0)
    {
        std::vector<std::string> records;
        for (int i = 0; i < n; ++i) {
            records.push_back(RecordBytes(kFriendSize).Text(0, "f" + std::to_string(i)).U8(kFriendFlags, flags).Str());
        }
        Recv(RecordList(117, kFriendSize, records));
    }
    void Slaves(const std::vector<std::string>& records) { Recv(RecordList(112, kSlaveSize, records)); }
    static std::string Slave(const std::string& name, u32 worth, u16 popularity, u16 guardMinutes = 0,
                             u16 green = 250)
    {
        return RecordBytes(kSlaveSize)
            .Text(0, name)
            .U32(kSlaveWorth, worth)
            .U16(kSlavePopularity, popularity)
            .U16(kSlaveGuardMinutes, guardMinutes)
            .U16(kSlaveGreenChance, green)
            .Str();
    }
    // Local point inside row r of a list.
    static int RowY(const CListRows& rows, int r) { return rows.RowTop(r) + 5; }
};

}  // namespace

TEST_F(AerieFriendLists, BothListsAskForTheirModeAndVisit)
{
    struct Case {
        bool hatch;
        int mode;            // the remembered mode on opening
        bool closesAfterVisit;
        bool resetsOnMode;
    } cases[] = {{false, 2, true, false}, {true, 1, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hatch ? "hatch relation" : "friend window");
        CAerieDataMgr::GetSingleton().Reset();
        WindowKeep().m_nFriendMode = c.hatch ? 0 : c.mode;
        WindowKeep().m_nHatchFriendMode = c.hatch ? c.mode : 0;
        if (!c.hatch) {
            ASSERT_NE(EnterCity(), nullptr);
        }
        TakeSent();
        CAerieFriendListWnd* wnd = c.hatch ? static_cast<CAerieFriendListWnd*>(OpenHatchFriends()) : OpenFriends();
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(wnd->m_wBackFrame, 6);
        EXPECT_EQ(wnd->m_pModeGroup->m_nCurSel, c.mode);
        std::vector<SentRequest> sent = TakeSent();
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.back().m_wSub, 0x75);
        EXPECT_EQ(sent.back().m_wParam1, c.mode);
        // Placed from the parent's bottom-right corner.
        const CORVControl* parent = wnd->m_pParent;
        EXPECT_EQ(wnd->m_nX, parent->m_nWidth - wnd->m_nWidth - (c.hatch ? 25 : 10));
        EXPECT_EQ(wnd->m_nY, parent->m_nHeight - wnd->m_nHeight - (c.hatch ? 70 : 50));

        // Topic 6: 14 friends, range 4; scrolling two rows moves a selected row 5 to row 3.
        Friends(14);
        EXPECT_EQ(wnd->m_pScroll->m_nRange, 4);
        EXPECT_EQ(wnd->m_pScroll->m_bVisible, 1);
        wnd->OnLButtonUp(50, RowY(wnd->m_Rows, 5));
        EXPECT_EQ(wnd->m_Rows.SelectedRow(), 5);
        wnd->m_pScroll->SetPos(2);
        Notify(wnd, wnd->m_pScroll, kNotifyScroll, 2);
        EXPECT_EQ(wnd->m_Rows.SelectedRow(), 3);
        EXPECT_EQ(wnd->m_Rows.First(), 2);
        wnd->m_pScroll->SetPos(0);
        Notify(wnd, wnd->m_pScroll, kNotifyScroll);
        EXPECT_EQ(wnd->m_Rows.SelectedRow(), 5);

        // A short name only focuses the field; four bytes or more visit that player.
        wnd->m_pNameEdit->SetText("abc");
        ClickOn(wnd, wnd->m_pVisitBtn);
        EXPECT_TRUE(TakeSent().empty());
        EXPECT_TRUE(wnd->m_pNameEdit->HasFocus());
        wnd->m_pNameEdit->SetText("abcd");
        ClickOn(wnd, wnd->m_pVisitBtn);
        sent = TakeSent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, 0x00);
        EXPECT_EQ(sent[0].m_strBody, "abcd");

        // A double click visits the hovered row's friend (not the selected one).
        wnd->OnMouseMove(50, RowY(wnd->m_Rows, 1));
        EXPECT_EQ(wnd->m_Rows.HoverRow(), 1);
        ORVMsg dbl(ORV_MSG_LBUTTONDBLCLK, 0);
        EXPECT_TRUE(wnd->ProcessMessage(&dbl));
        sent = TakeSent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_strBody, "f1");
        Frame(3);
        CORVControl* held = c.hatch ? Page<CAerieBeastHatchOtherItem>()->m_FriendWnd.Get() : Wnd()->m_pSubWnd;
        EXPECT_EQ(held == nullptr, c.closesAfterVisit);
        if (!c.closesAfterVisit) {
            // Off the rows: a double click does nothing.
            wnd->OnMouseMove(50, RowY(wnd->m_Rows, 10) + 30);
            EXPECT_EQ(wnd->m_Rows.HoverRow(), -1);
            EXPECT_TRUE(wnd->ProcessMessage(&dbl));
            EXPECT_TRUE(TakeSent().empty());

            // A mode change asks again; the hatch list starts afresh.
            wnd->m_pScroll->SetPos(3);
            Notify(wnd, wnd->m_pScroll, kNotifyScroll);
            wnd->m_pModeGroup->SetCurSel(2);
            ClickOn(wnd, wnd->m_pModeGroup);
            sent = TakeSent();
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].m_wParam1, 2);
            EXPECT_EQ(WindowKeep().m_nHatchFriendMode, 2);
            EXPECT_EQ(wnd->m_Rows.First(), c.resetsOnMode ? 0 : 3);
            EXPECT_EQ(wnd->m_Rows.SelectedRow(), -1);
            EXPECT_EQ(wnd->m_pScroll->m_bVisible, c.resetsOnMode ? 0 : 1);
            DrawFrame();
            EXPECT_NE(Text("没有可访问的陌生人"), nullptr);   // emptied until the reply
        }
        Wnd()->m_SubWnd.Close();
    }
}

TEST_F(AerieFriendLists, FlagsByCastleLevelAndTheTooltip)
{
    struct Case {
        u16 castle;
        u8 flags;
        bool fight;
        bool egg;
    } cases[] = {{2, 2, false, false}, {3, 2, true, false}, {3, 1, false, true}, {5, 3, true, true}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(EnterCity(c.castle), nullptr);
        CAerieFriendWnd* wnd = OpenFriends();
        ASSERT_NE(wnd, nullptr);
        Friends(1, c.flags);
        DrawFrame();
        const HostCall* fight = Text("[战]");
        const HostCall* egg = Text("[孵]");
        EXPECT_EQ(fight != nullptr, c.fight) << c.castle << "/" << int(c.flags);
        EXPECT_EQ(egg != nullptr, c.egg);
        const int right = wnd->m_nAbsX + 12 + 177;
        if (fight != nullptr) {
            EXPECT_EQ(fight->m_vInts, (std::vector<long long>{right - GetTextWidth("[战]", 1) - 50, wnd->m_nAbsY + 59 + 6,
                                                              0xFFFF0000, 0, 0, 0, 1, 1, 0}));
        }
        if (egg != nullptr) {
            EXPECT_EQ(egg->Int(0), right - GetTextWidth("[孵]", 1) - 10);
            EXPECT_EQ(egg->Int(2), 0xFF00FF00);
        }
        wnd->OnMouseMove(50, 59 + 5);
        EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"双击可直接进入其琉璃台", "[战]：该玩家防御任务进入好友等待时间。",
                                                            "[孵]：表示有蛋孵化完成"}));
        wnd->OnMouseMove(50, 59 + 21 + 5);   // a row without an entry
        EXPECT_TRUE(ToolTipLines().empty());
        Wnd()->m_SubWnd.Close();
    }
}

TEST_F(AerieFriendLists, HireListShowsSearchesRefreshesAndHires)
{
    ASSERT_NE(EnterCity(), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    static_cast<CAerieBeastWnd*>(Wnd()->m_pSubWnd)->SwitchPage(1);
    auto* page = Page<CAerieBeastHatchItem>();
    ASSERT_NE(page, nullptr);
    CAerieNewBie::GetSingleton().m_wStep = 11;
    Event(EVT_INCUBATOR_SELECTED, 2);
    auto* list = dynamic_cast<CAerieSlaveRelationWnd*>(page->m_SlaveWnd.Get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_nX, page->m_nWidth - 460);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_vSteps[12].m_pTarget, list->m_pHireBtn);
    TakeSent();

    // Hire without a row: a notice.
    ClickOn(list, list->m_pHireBtn);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请选择雇佣的奴隶"}));
    EXPECT_TRUE(TakeSent().empty());

    std::vector<std::string> records{Slave("me", 10, 3), Slave("free", 0, 4), Slave("dear", 500, 9, 90)};
    for (int i = 0; i < 9; ++i) {
        records.push_back(Slave("s" + std::to_string(i), 1, 1));
    }
    Slaves(records);   // topic 9
    EXPECT_EQ(list->m_pScroll->m_nRange, 2);
    DrawFrame();
    const HostCall* free = Text("免费");
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->m_vInts, (std::vector<long long>{list->m_nAbsX + 8 + 3 + 133, list->m_nAbsY + 46 + 21 + 6,
                                                      0xFFFFFF00, 1, 0, 0, 1, 1, 0}));
    EXPECT_NE(Text("500"), nullptr);
    EXPECT_EQ(Text("s8"), nullptr);   // the eleventh row

    // The card of a row.
    list->OnMouseMove(50, RowY(list->m_Rows, 2));
    const std::vector<std::string> card = ToolTipLines();
    ASSERT_EQ(card.size(), 7u);
    EXPECT_EQ(card[0], "dear");
    EXPECT_EQ(card[3], "孵化绿色怪物概率：0.25%");
    EXPECT_EQ(card[5], "防盗时间：" + FormatTimeDHM(90 * 60));
    list->OnMouseMove(50, RowY(list->m_Rows, 1));
    EXPECT_EQ(ToolTipLines()[5], "防盗时间：0");

    // Hiring oneself is refused; another is hired for the list's incubator.
    list->OnLButtonUp(50, RowY(list->m_Rows, 0));
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 12);
    ClickOn(list, list->m_pHireBtn);
    EXPECT_TRUE(TakeSent().empty());
    list->OnLButtonUp(50, RowY(list->m_Rows, 2));
    ClickOn(list, list->m_pHireBtn);
    std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x71);
    EXPECT_EQ(sent[0].m_wParam1, 2);
    EXPECT_EQ(sent[0].m_nOwner, 500u);
    EXPECT_EQ(sent[0].m_strBody, "dear");

    // Search: three bytes only focus the field.
    list->m_pNameEdit->SetText("abc");
    ClickOn(list, list->m_pSearchBtn);
    EXPECT_TRUE(TakeSent().empty());
    list->m_pNameEdit->SetText("abcd");
    ClickOn(list, list->m_pSearchBtn);
    sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x70);

    // Refresh: asked again, selection and scroll back to the start at once.
    list->m_pScroll->SetPos(2);
    Notify(list, list->m_pScroll, kNotifyScroll);
    ClickOn(list, list->m_pRefreshBtn);
    sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x6f);
    EXPECT_EQ(list->m_Rows.SelectedRow(), -1);
    EXPECT_EQ(list->m_Rows.First(), 0);
    EXPECT_EQ(list->m_pScroll->m_bVisible, 0);

    // Closing it moves the guide past its steps.
    Event(EVT_SLAVE_HIRED);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 13);
}

TEST_F(AerieFriendLists, TheTutorialKeepsThePlayerHome)
{
    ASSERT_NE(EnterCity(), nullptr);
    CAerieFriendWnd* wnd = OpenFriends();
    ASSERT_NE(wnd, nullptr);
    Friends(2);
    TakeSent();
    CAerieNewBie::GetSingleton().m_wStep = 20;
    wnd->OnMouseMove(50, RowY(wnd->m_Rows, 0));
    ORVMsg dbl(ORV_MSG_LBUTTONDBLCLK, 0);
    wnd->ProcessMessage(&dbl);
    wnd->m_pNameEdit->SetText("abcd");
    ClickOn(wnd, wnd->m_pVisitBtn);
    EXPECT_TRUE(TakeSent().empty());
    const std::vector<std::string> tips = Tips();   // the same notice twice shows once
    ASSERT_FALSE(tips.empty());
    EXPECT_EQ(tips[0], "请您先完成新手任务，再去好友的琉璃台！");
}
