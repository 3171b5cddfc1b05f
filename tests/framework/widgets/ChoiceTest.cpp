// Drop-down lists through the recording host and real input: opening down and up, the scroll bar
// past the row limit, hover rows and the notifications of clicks, closing when the mouse leaves,
// the selection rules and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/WidgetTestSupport.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

class ChoiceTest : public WidgetTest {
protected:

    CORVChoice* AddChoice(int x, int y, int width, int items)
    {
        auto* choice = new CORVChoice();
        m_pWnd->AddChild(choice, false);
        choice->CreateBox(m_pWnd, x, y, width);
        for (int i = 0; i < items; ++i) {
            choice->AddItem("item" + std::to_string(i), 0xFF000000u + i, static_cast<u32>(i % 3));
        }
        return choice;
    }

    // Notifications (id, p1) of the choice that reached the window by the next frame.
    std::vector<std::pair<u32, u32>> Notified()
    {
        Frame();
        std::vector<std::pair<u32, u32>> out;
        for (const ArrivedMsg& m : m_pWnd->m_vPosted) {
            out.emplace_back(m.m_nId, m.m_wParam);
        }
        m_pWnd->m_vPosted.clear();
        return out;
    }

};

TEST_F(ChoiceTest, SelectionOutsideTheItemsChangesNothingAndClearingKeepsTheIndex)
{
    CORVChoice* choice = AddChoice(10, 0, 120, 0);
    EXPECT_EQ(choice->m_nCurSel, -1);
    EXPECT_EQ(choice->AddItem("a", kWhite, 0), 1);
    EXPECT_EQ(choice->m_nCurSel, 0);
    choice->AddItem("b", kWhite, 0);
    choice->AddItem("c", kWhite, 0);
    choice->DropDown();
    for (int index : {-1, 3}) {
        choice->SetCurSel(index);
        EXPECT_EQ(choice->m_nCurSel, 0);
        EXPECT_TRUE(choice->m_bOpen);
    }
    choice->SetCurSel(2);
    EXPECT_EQ(choice->m_nCurSel, 2);
    EXPECT_FALSE(choice->m_bOpen);

    // The index outlives the items: drawing and readers treat it as no selection.
    choice->ClearItems();
    EXPECT_EQ(choice->m_nCurSel, 2);
    choice->AddItem("only", kWhite, 0);
    EXPECT_EQ(choice->m_nCurSel, 2);
    EXPECT_EQ(choice->GetSelectedItem(), nullptr);
    m_Host.ClearLog();
    Frame();
    EXPECT_EQ(m_Host.Count("DrawText"), 0);
    choice->m_nCurSel = -1;
    choice->ClearItems();
    choice->AddItem("first", kWhite, 0);
    EXPECT_EQ(choice->m_nCurSel, 0);
}

TEST_F(ChoiceTest, DrawsTheBoxArrowTextAndTheOpenList)
{
    CORVChoice* choice = AddChoice(10, 258, 120, 3);   // opens upward
    const int ax = kWndAbsX + 10;
    m_Host.ClearLog();
    Frame();
    std::vector<std::string> log;
    for (const HostCall& c : m_Host.CallsInFrame(m_Host.m_nFrame)) {
        log.push_back(c.m_strName + (c.m_strText.empty() ? "" : ":" + c.m_strText));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"DrawImageScaled", "DrawImage", "DrawImage", "DrawImage", "DrawText:item0"}));
    const HostCall middle = m_Host.Calls("DrawImageScaled")[0];
    EXPECT_EQ(middle.m_vInts, (std::vector<long long>{ax, kWndAbsY + 258, 119, 93, kWhite, 0, 0}));
    EXPECT_EQ(middle.m_vFloats, (std::vector<float>{1.2f, 1.0f}));
    EXPECT_EQ(m_Host.FindImage(118, 93)->m_vInts, (std::vector<long long>{ax - 5, kWndAbsY + 258, 118, 93, kWhite, 0, 0}));
    EXPECT_EQ(m_Host.FindImage(120, 93)->m_vInts, (std::vector<long long>{ax + 120, kWndAbsY + 258, 120, 93, kWhite, 0, 0}));
    EXPECT_EQ(m_Host.FindImage(15, 92)->m_vInts, (std::vector<long long>{ax + 105, kWndAbsY + 262, 15, 92, kWhite, 0, 0}));
    EXPECT_EQ(m_Host.FindText("item0")->m_vInts,
              (std::vector<long long>{ax, kWndAbsY + 263, 0xFF000000, 0, 0, 0, 1, 1, 0}));

    // Open upward with the mouse on row 1: the box at the bottom, the list above it.
    choice->DropDown();
    MouseMove(ax + 30, kWndAbsY + 204 + 20);
    ASSERT_EQ(choice->m_nHover, 1);
    m_Host.ClearLog();
    Frame();
    const int top = kWndAbsY + 204;
    EXPECT_EQ(m_Host.FindImage(118, 93)->Int(1), top + 54);
    EXPECT_EQ(m_Host.FindImage(16, 92)->m_vInts, (std::vector<long long>{ax + 105, top + 58, 16, 92, kWhite, 0, 0}));
    ASSERT_EQ(m_Host.Count("FillRect"), 1);
    EXPECT_EQ(m_Host.Calls("FillRect")[0].m_vInts, (std::vector<long long>{0x80150800, ax, top, 120, 54}));
    ASSERT_EQ(m_Host.Count("DrawRectFrame"), 1);
    EXPECT_EQ(m_Host.Calls("DrawRectFrame")[0].m_vInts, (std::vector<long long>{0xF0F4C48A, ax, top + 18, 120, 18}));
    // Rows at 18 i + 3 in their colour and alignment (item i aligned i % 3).
    EXPECT_EQ(m_Host.Calls("DrawText").size(), 4u);   // selected text + 3 rows
    const std::vector<HostCall> texts = m_Host.Calls("DrawText");
    EXPECT_EQ(texts[1].m_vInts, (std::vector<long long>{ax, top + 3, 0xFF000000, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(texts[2].m_vInts, (std::vector<long long>{ax + 60, top + 21, 0xFF000001, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(texts[3].m_vInts, (std::vector<long long>{ax + 120, top + 39, 0xFF000002, 2, 0, 0, 1, 1, 0}));
}

}  // namespace
}  // namespace orv::test
