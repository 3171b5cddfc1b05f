#include <gtest/gtest.h>

#include "AerieCityWindowsFixture.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieRankWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"

using namespace orv::test;

namespace {

class AerieRankWindow : public AerieCityWindowsTest {
protected:
    // One ranking entry: a 16-byte name field and the value.
    static std::string Entry(const std::string& name, u32 value)
    {
        return RecordBytes(aerie_layout::kRankEntrySize).Text(0, name).U32(aerie_layout::kRankValue, value).Str();
    }
    // list 0 with n entries "p1" .. "pn", values 100 + i; list 12 with one.
    void SendLists(int n)
    {
        std::string items;
        for (int i = 1; i <= n; ++i) {
            items += Item(0, Entry("p" + std::to_string(i), 100 + i));
        }
        items += Item(12, Entry("skills", 7));
        Recv(Message(kOwnId, 120, items));
    }
    CAerieRankWnd* Open()
    {
        Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Rank), true, 0);
        return Sub<CAerieRankWnd>();
    }
    // Picks a tab of a group as the player does (the group tells the window).
    void Pick(CAerieRankWnd* wnd, CORVRadioGroup* group, int index)
    {
        group->SetCurSel(index);
        ClickOn(wnd, group);
    }
};

}  // namespace

TEST_F(AerieRankWindow, TheTwoChoicesPickTheListAndItsHeading)
{
    ASSERT_NE(Enter(City()), nullptr);
    SendLists(3);
    CAerieRankWnd* wnd = Open();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_pSubChoice, nullptr);   // category 0 has none
    EXPECT_EQ(wnd->ListNumber(), 0);
    struct Case {
        int category, sub, list;
        const char* heading;
    } cases[] = {{1, 3, 12, "总技能等级"}, {1, 0, 1, "总生产力"}, {2, 2, 6, "奴隶悲情指数"}, {3, 4, 11, "城堡科技点"},
                 {0, 0, 0, "建筑总等级"}};
    for (const Case& c : cases) {
        Pick(wnd, wnd->m_pCategory, c.category);
        if (c.category != 0) {
            ASSERT_NE(wnd->m_pSubChoice, nullptr);
            EXPECT_EQ(wnd->m_pSubChoice->m_nY, 66);
            Pick(wnd, wnd->m_pSubChoice, c.sub);
        } else {
            EXPECT_EQ(wnd->m_pSubChoice, nullptr);
        }
        EXPECT_EQ(wnd->ListNumber(), c.list) << c.category << "/" << c.sub;
        DrawFrame();
        const HostCall* heading = Text(c.heading);   // the window draws before its tabs' captions
        ASSERT_NE(heading, nullptr) << c.heading;
        EXPECT_EQ(heading->Int(0), wnd->m_nAbsX + 350);
        EXPECT_EQ(heading->Int(1), wnd->m_nAbsY + 94);
    }
    // Category 1 / 3 shows list 12's one row; the choice is remembered for the next opening.
    Pick(wnd, wnd->m_pCategory, 1);
    Pick(wnd, wnd->m_pSubChoice, 3);
    DrawFrame();
    EXPECT_NE(LastText("skills"), nullptr);
    Wnd()->m_SubWnd.Close();
    wnd = Open();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->ListNumber(), 12);
}

TEST_F(AerieRankWindow, RowsScrollTenAtATimeAndFollowTheLists)
{
    ASSERT_NE(Enter(City()), nullptr);
    SendLists(25);
    CAerieRankWnd* wnd = Open();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 15);
    wnd->m_pScroll->SetPos(15);
    Frame();
    DrawFrame();
    const HostCall* first = LastText("16");
    ASSERT_NE(first, nullptr) << m_Host.Dump();
    EXPECT_EQ(first->Int(0), wnd->m_nAbsX + 60);
    EXPECT_EQ(first->Int(1), wnd->m_nAbsY + 115);
    const HostCall* name = LastText("p25");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Int(1), wnd->m_nAbsY + 115 + 21 * 9);
    EXPECT_EQ(static_cast<u32>(name->Int(2)), 0xFFFFFF00u);
    EXPECT_NE(LastText("125"), nullptr);
    EXPECT_EQ(LastText("p15"), nullptr);
    // A new ranking message with fewer entries: the rows stop at the list's end at once.
    SendLists(18);
    DrawFrame();
    EXPECT_NE(LastText("p18"), nullptr);
    EXPECT_EQ(LastText("p19"), nullptr);
    // Topic 27 refreshes the range from the top.
    Event(EVT_RANKLIST_CHANGED);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 8);
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 0);
}

TEST_F(AerieRankWindow, HoverBoundsAndClickSelect)
{
    ASSERT_NE(Enter(City()), nullptr);
    SendLists(3);
    CAerieRankWnd* wnd = Open();
    ASSERT_NE(wnd, nullptr);
    struct Case {
        int x, y, row;
    } cases[] = {{31, 112, 0}, {30, 112, -1}, {439, 112, 0}, {440, 112, -1}, {100, 111, -1},
                 {100, 152, 1}, {100, 153, 2}, {100, 175, -1}};   // row 3 shows nothing
    for (const Case& c : cases) {
        wnd->OnMouseMove(c.x, c.y);
        EXPECT_EQ(wnd->m_Rows.HoverRow(), c.row) << c.x << "," << c.y;
    }
    wnd->OnMouseMove(100, 140);
    EXPECT_EQ(ToolTipLines(), std::vector<std::string>{"双击可进入此人琉璃台"});
    wnd->OnClick(0);
    EXPECT_EQ(wnd->m_Rows.SelectedEntry(), 1);
    wnd->OnMouseMove(5, 5);
    EXPECT_TRUE(ToolTipLines().empty());
}

TEST_F(AerieRankWindow, DoubleClickVisitsOrRefusesDuringTheTutorial)
{
    ASSERT_NE(Enter(City()), nullptr);
    SendLists(3);
    CAerieRankWnd* wnd = Open();
    ASSERT_NE(wnd, nullptr);
    // During the tutorial: its own notice, nothing sent.
    CAerieNewBie::GetSingleton().SetStep(5);
    ClearTips();
    m_Host.ClearLog();
    wnd->OnMouseMove(100, 112);
    wnd->OnLButtonDblClk(100, 112);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Tips(), std::vector<std::string>{"请您完成新手任务，再去好友的琉璃台！"});
    CAerieNewBie::GetSingleton().SetStep(0);
    wnd->OnMouseMove(100, 133);
    wnd->OnLButtonDblClk(100, 133);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].m_wSub, 0x00);
    EXPECT_EQ(Sent()[0].m_strBody, "p2");
}

TEST_F(AerieRankWindow, NoDataAndNamesWithoutNul)
{
    ASSERT_NE(Enter(City()), nullptr);
    CAerieRankWnd* wnd = Open();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->EntryCount(), 0);
    wnd->OnMouseMove(100, 112);
    m_Host.ClearLog();
    wnd->OnLButtonDblClk(100, 112);
    EXPECT_TRUE(Sent().empty());
    DrawFrame();
    EXPECT_EQ(LastText("1"), nullptr);
    EXPECT_NE(LastText("今日排名：0"), nullptr);
    // A name that fills its 16 bytes ends there, before the value.
    Recv(Message(kOwnId, 120, Item(0, Entry("ABCDEFGHIJKLMNOP", 0x41414141))));
    DrawFrame();
    EXPECT_NE(LastText("ABCDEFGHIJKLMNOP"), nullptr) << m_Host.Dump();
    const std::vector<HostCall> extra = m_Host.Calls("DrawRankExtra");
    ASSERT_EQ(extra.size(), 1u);
    EXPECT_EQ(extra[0].Int(0), wnd->m_nAbsX + 30);
}
