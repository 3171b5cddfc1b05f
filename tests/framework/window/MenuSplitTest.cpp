// The popup menu and the quantity split window, opened through their commands on the main window
// and driven by real input: where the menu opens, its rows, the command it posts and when it
// closes; the split window's children, how it keeps the typed amount in range and the request
// it sends.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/WidgetTestSupport.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVSplitWnd.h"
#include "support/ProbeControl.h"
#include "support/TestHarness.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kCmdA = 0x601;
constexpr u32 kCmdB = 0x602;
constexpr u32 kCmdC = 0x603;

// The main window sits at (112, 84) on the 1024 x 768 host; a record window covers it and sees
// the commands the menu posts (routed to the tree).
class MenuSplitTest : public RecordWindowTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        GetPopupMenuItems().clear();
        m_Host.SetImageSize(30, 93, 320, 120);
        for (int frame : {48, 60}) {
            m_Host.SetImageSize(frame, 92, 60, 24);
        }
        for (int frame : {42, 45}) {
            m_Host.SetImageSize(frame, 92, 20, 20);
        }
        OpenWithRecordWindow(0, 0, 800, 600);   // covers the main window, under the system windows
    }
    void TearDown() override
    {
        LibraryTest::TearDown();
        GetPopupMenuItems().clear();
    }

    CORVMenuWnd* Menu() { return static_cast<CORVMenuWnd*>(MainWnd().GetSystemWindow(ORV_MSG_POPMENU)); }
    CORVSplitWnd* Split() { return static_cast<CORVSplitWnd*>(MainWnd().GetSystemWindow(ORV_MSG_SPLITWND)); }

    // Three items; the menu opened at the mouse (300, 200).
    void OpenMenu()
    {
        std::vector<ORVMenuItem>& items = GetPopupMenuItems();
        items.emplace_back(ORVMsg(kCmdA, 0), "拆分");
        items.emplace_back(ORVMsg(kCmdB, 7), "升级");
        items.emplace_back(ORVMsg(kCmdC, 0), "放生");
        MouseMove(300, 200);
        ShowPopupMenu();
        Frame();
    }

    std::vector<u32> RoutedCommands() const
    {
        std::vector<u32> out;
        for (const ArrivedMsg& m : m_pWnd->m_vRouted) {
            if (m.m_nId >= kCmdA && m.m_nId <= kCmdC) {
                out.push_back(m.m_nId);
            }
        }
        return out;
    }

    // Opens the split window for item 0x0102 with the given maximum.
    void OpenSplit(int max, std::string text = std::string("\x02\x01", 2))
    {
        Route(ORVMsg(ORV_MSG_SPLITWND, kSysWndOpen, static_cast<u32>(max), text));
        Frame();
    }
};

// ---- Popup menu ----

TEST_F(MenuSplitTest, MenuOpensAtTheMouseWithOneRowPerItemAndTakesTheFocus)
{
    OpenMenu();
    CORVMenuWnd* menu = Menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->m_nX, 188);
    EXPECT_EQ(menu->m_nY, 116);
    EXPECT_EQ(menu->m_nAbsX, 300);
    EXPECT_EQ(menu->m_nWidth, 97);
    EXPECT_EQ(menu->m_nHeight, 63);
    EXPECT_EQ(CtrlMgr().m_pFocus, menu);
    EXPECT_FALSE(menu->m_bDraggable);
    EXPECT_TRUE(CtrlMgr().m_vModal.empty());

    // Rows by (y - 1) / 21: local 21 is row 0, 22 row 1.
    MouseMove(310, 221);
    EXPECT_EQ(menu->m_nHover, 0);
    MouseMove(310, 222);
    EXPECT_EQ(menu->m_nHover, 1);

    // A second ShowPopupMenu replaces the menu.
    MouseMove(400, 300);
    ShowPopupMenu();
    Frame();
    ASSERT_NE(Menu(), nullptr);
    EXPECT_EQ(Menu()->m_nAbsX, 400);
    EXPECT_EQ(Menu()->m_nAbsY, 300);
}

TEST_F(MenuSplitTest, MenuOpenedLeftOfOrAboveTheOriginStaysThere)
{
    const struct {
        int x, y;
    } cases[] = {{-20, 40}, {40, -10}, {-32768, -1}, {32767, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        GetPopupMenuItems().emplace_back(ORVMsg(kCmdA, 0), "拆分");
        Route(ORVMsg(ORV_MSG_POPMENU, kSysWndOpen, PackPos(c.x, c.y), ""));
        ASSERT_NE(Menu(), nullptr);
        EXPECT_EQ(Menu()->m_nAbsX, c.x);
        EXPECT_EQ(Menu()->m_nAbsY, c.y);
        Route(ORVMsg(ORV_MSG_POPMENU, kSysWndClose));
    }
}

TEST_F(MenuSplitTest, MenuDrawsRowsByStateAndTintsDisabledItems)
{
    OpenMenu();
    GetPopupMenuItems()[2].m_bEnabled = 0;
    MouseMove(310, 230);   // row 1
    m_Host.ClearLog();
    Frame();
    const std::vector<HostCall> images = m_Host.Calls("DrawImage");
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].m_vInts, (std::vector<long long>{300, 200, 39, 92, kWhite, 0, 0}));
    EXPECT_EQ(images[1].m_vInts, (std::vector<long long>{300, 221, 40, 92, kWhite, 0, 0}));
    EXPECT_EQ(images[2].m_vInts, (std::vector<long long>{300, 242, 39, 92, 0xFFDDDDDD, 0, 0}));
    EXPECT_EQ(m_Host.FindText("拆分")->m_vInts, (std::vector<long long>{348, 204, kWhite, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(m_Host.FindText("升级")->m_vInts, (std::vector<long long>{348, 225, kYellow, 1, 0, 0, 1, 1, 0}));

    // Pressed: the row's third image and the caption one pixel in.
    LButtonDown(310, 230);
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.Calls("DrawImage")[1].Int(2), 41);
    EXPECT_EQ(m_Host.FindText("升级")->m_vInts, (std::vector<long long>{349, 226, kYellow, 1, 0, 0, 1, 1, 0}));
}

TEST_F(MenuSplitTest, ChoosingARowPostsItsCommandAndClosesTheMenu)
{
    OpenMenu();
    MouseMove(310, 230);
    LClick(310, 230);
    Frame();   // the menu's close request reaches the main window; the command is routed
    Frame();
    EXPECT_EQ(RoutedCommands(), std::vector<u32>{kCmdB});
    EXPECT_EQ(m_pWnd->m_vRouted.back().m_wParam, 7u);
    EXPECT_EQ(Menu(), nullptr);

    // A click elsewhere takes the focus away: the menu closes and posts nothing.
    m_pWnd->m_vRouted.clear();
    OpenMenu();
    ASSERT_NE(Menu(), nullptr);
    LClick(150, 500);
    Frame(2);
    EXPECT_EQ(Menu(), nullptr);
    EXPECT_TRUE(RoutedCommands().empty());
}

TEST_F(MenuSplitTest, ACommandWhoseSenderDiedIsNotPosted)
{
    auto* sender = Place(*m_pWnd, new ProbeControl("sender"), 0, 0, 10, 10);
    GetPopupMenuItems().emplace_back(ORVMsg(kCmdA, 0, sender), "拆分");
    MouseMove(300, 200);
    ShowPopupMenu();
    Frame();
    ASSERT_NE(Menu(), nullptr);
    m_pWnd->DeleteChild(sender);
    MouseMove(310, 205);
    LClick(310, 205);
    Frame(2);
    EXPECT_TRUE(RoutedCommands().empty());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("sender of menu command"));
    EXPECT_EQ(Menu(), nullptr);
}

// ---- Split window ----

TEST_F(MenuSplitTest, SplitArgumentsAreBoundedAndReadByteByByte)
{
    struct Case {
        int m_nArg;
        std::string m_strText;
        u32 m_nMax;
        u16 m_wItem;
    };
    const Case cases[] = {
        {7, std::string("\x02\x01", 2), 7, 0x0102},
        {35, std::string("\xFF", 1), 35, 0x00FF},   // one byte: the high byte counts as 0
        {5, "", 5, 0},
        {-3, std::string("\x01\x00\x09", 3), 0, 0x0001},
        {70000, "ab", 65535, 0x6261},
    };
    for (const Case& c : cases) {
        CORVSplitWnd split;
        split.SetArgs(c.m_nArg, c.m_strText);
        EXPECT_EQ(split.m_nMaxCount, c.m_nMax) << c.m_nArg;
        EXPECT_EQ(split.m_wItemId, c.m_wItem) << c.m_nArg;
    }
}

TEST_F(MenuSplitTest, SplitWindowLaysOutItsChildrenAndIsModal)
{
    for (int max : {7, 35, 0}) {
        SCOPED_TRACE(max);
        OpenSplit(max);
        CORVSplitWnd* split = Split();
        ASSERT_NE(split, nullptr);
        EXPECT_EQ(split->m_nAbsX, 112 + 240);
        EXPECT_EQ(split->m_nAbsY, 84 + 240);
        EXPECT_EQ(split->m_nWidth, 320);
        EXPECT_EQ(split->m_wBackFrame, 30);
        EXPECT_EQ(CtrlMgr().m_vModal.back(), split);
        const std::pair<CORVControl*, std::vector<int>> children[] = {
            {split->m_pOkButton, {48, 85}},   {split->m_pCancelButton, {193, 85}}, {split->m_pScroll, {48, 52}},
            {split->m_pIncButton, {275, 49}}, {split->m_pDecButton, {18, 49}},     {split->m_pEdit, {100, 22}},
        };
        for (const auto& [child, at] : children) {
            ASSERT_NE(child, nullptr);
            EXPECT_EQ((std::vector<int>{child->m_nX, child->m_nY}), at);
        }
        EXPECT_EQ(split->m_lstChildren.front(), split->m_pEdit);
        EXPECT_EQ(split->m_pScroll->m_nWidth, 222);
        EXPECT_EQ(split->m_pScroll->m_nRange, max);
        EXPECT_EQ(split->m_pScroll->m_nStep, max == 35 ? 3 : 1);
        EXPECT_EQ(split->m_pEdit->m_nMaxLen, 5);
        EXPECT_TRUE(split->m_pEdit->m_bNumber);
        EXPECT_EQ(split->m_pEdit->m_wFrame, 0);
        EXPECT_EQ(CtrlMgr().m_pFocus, split->m_pEdit);
        // The bar's first position shows in the field one frame later.
        Frame();
        EXPECT_EQ(std::string(split->m_pEdit->GetText()), max == 0 ? "" : "1");
        Route(ORVMsg(ORV_MSG_SPLITWND, kSysWndClose));
    }
}

TEST_F(MenuSplitTest, TypedAmountIsKeptBetweenOneAndTheMaximumAndTheBarFollows)
{
    OpenSplit(7);
    Frame();
    CORVSplitWnd* split = Split();
    CORVEdit* edit = split->m_pEdit;
    struct Step {
        const char* m_pszAction;   // text typed after clearing, or "+", "-" (buttons), "w" (wheel down)
        const char* m_pszShown;
        int m_nBar;
    };
    const Step steps[] = {
        {"0", "1", 1}, {"9", "7", 7}, {"+", "7", 7}, {"3", "3", 3}, {"-", "2", 2}, {"-", "1", 1},
        {"-", "1", 1}, {"+", "2", 2}, {"w", "3", 3}, {"", "", 3},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.m_pszAction);
        const std::string action = s.m_pszAction;
        if (action == "+") {
            ClickOn(split->m_pIncButton);
        } else if (action == "-") {
            ClickOn(split->m_pDecButton);
        } else if (action == "w") {
            MouseMove(split->m_nAbsX + 5, split->m_nAbsY + 5);
            Wheel(-120);
        } else {
            ClickOn(edit);   // the buttons took the focus
            KeyDown(0x1B);   // Escape empties the field
            for (char c : action) {
                Char(c);
            }
        }
        Frame(2);
        EXPECT_EQ(std::string(edit->GetText()), s.m_pszShown);
        EXPECT_EQ(split->m_pScroll->m_nPos, s.m_nBar);
    }
}

TEST_F(MenuSplitTest, OkSendsTheSplitRequestAndAnEmptyFieldSendsNothing)
{
    OpenSplit(7);
    Frame();
    CORVSplitWnd* split = Split();
    KeyDown(0x1B);
    ClickOn(split->m_pOkButton);
    Frame(3);
    EXPECT_TRUE(m_Host.Requests().empty());
    ASSERT_EQ(Split(), split);   // the window stays

    ClickOn(split->m_pEdit);   // the OK button took the focus
    Char('7');
    ClickOn(split->m_pOkButton);
    Frame(3);
    const std::vector<SentRequest> sent = m_Host.Requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_strBytes, std::string("\x00\x00\x00\x00\x67\x03\x14\x00\x02\x01\x07\x00", 12));
    EXPECT_EQ(Split(), nullptr);

    // A number typed and sent in one frame, before the frame's correction, is still kept in range.
    OpenSplit(7);
    Frame();
    KeyDown(0x1B);
    Char('9');
    ClickOn(Split()->m_pOkButton);
    Frame(3);
    ASSERT_EQ(m_Host.Requests().size(), 2u);
    EXPECT_EQ(m_Host.Requests()[1].m_strBytes.substr(10), std::string("\x07\x00", 2));

    // Cancel closes without a request.
    OpenSplit(7);
    Frame();
    ClickOn(Split()->m_pCancelButton);
    Frame(3);
    EXPECT_EQ(Split(), nullptr);
    EXPECT_EQ(m_Host.Requests().size(), 2u);
}

// With nothing to split the amount is min(max(n, 1), 0) = 0: the field settles on "0" and OK
// sends nothing.
TEST_F(MenuSplitTest, AMaximumOfZeroShowsZeroFrameAfterFrameAndSendsNothing)
{
    for (const char* typed : {"0", "5"}) {
        SCOPED_TRACE(typed);
        OpenSplit(0);
        Frame();
        CORVSplitWnd* split = Split();
        ASSERT_NE(split, nullptr);
        ClickOn(split->m_pEdit);
        KeyDown(0x1B);
        Char(typed[0]);
        std::vector<std::string> shown;
        for (int frame = 0; frame < 4; ++frame) {
            Frame();
            shown.push_back(split->m_pEdit->GetText());
        }
        EXPECT_EQ(shown, std::vector<std::string>(4, "0"));
        ClickOn(split->m_pOkButton);
        Frame(3);
        EXPECT_TRUE(m_Host.Requests().empty());
        ASSERT_EQ(Split(), split);   // the window stays
        ClickOn(split->m_pCancelButton);
        Frame(3);
        ASSERT_EQ(Split(), nullptr);
    }
}

}  // namespace
}  // namespace orv::test
