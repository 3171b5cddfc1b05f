#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/text/DrawnCalls.h"
#include "framework/widgets/ORVScroll.h"
#include "support/TestHarness.h"

namespace {

class Viewer : public orv::test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        // As the records window does it: the viewer at (20, 43), 408 x 312, its own document.
        m_pViewer = new CORVRichTextViewer();
        MainWnd().AddChild(m_pViewer, false);
        m_pViewer->CreateAt(&MainWnd(), 20, 43, 408, 312);
        m_pDoc = std::make_unique<CTextContext>();
        m_pViewer->SetContext(m_pDoc.get());
        m_pViewer->SetScrollStep();
    }
    void TearDown() override
    {
        m_pDoc.reset();
        LibraryTest::TearDown();
    }

    void AddLines(int count)
    {
        for (int i = 0; i < count; ++i) {
            m_pDoc->AddText(("line" + std::to_string(i)).c_str());
        }
    }
    CORVVScroll& Bar() { return *m_pViewer->m_pScroll; }
    int OriginY() { return m_pDoc->GetOrigin().y; }

    CORVRichTextViewer* m_pViewer = nullptr;
    std::unique_ptr<CTextContext> m_pDoc;
};

}  // namespace

TEST_F(Viewer, LaysTheDocumentOutBesideItsScrollBar)
{
    ASSERT_NE(m_pViewer->m_pScroll, nullptr);
    EXPECT_EQ(Bar().m_nX, 408 - 18);
    EXPECT_EQ(Bar().m_nY, 0);
    EXPECT_EQ(Bar().m_nWidth, 18);
    EXPECT_EQ(Bar().m_nHeight, 312);
    EXPECT_EQ(m_pDoc->m_nWidth, 408 - 2 - 18);
    EXPECT_EQ(Bar().m_nStep, 16);
    EXPECT_EQ(m_pDoc->GetEndPoint().y - m_pDoc->GetOrigin().y, 312);
    CORVRichTextViewer fresh;
    fresh.CreateAt(nullptr, 0, 0, 100, 50);
    EXPECT_EQ(fresh.m_pScroll->m_nStep, 5) << "until SetScrollStep";
}

TEST_F(Viewer, ScrollRangeFollowsTheDocumentAndScrollsToTheBottom)
{
    AddLines(30);   // 30 x 16 = 480 px in a 312 px viewer
    EXPECT_EQ(Bar().m_nRange, 480 - 312);
    EXPECT_EQ(Bar().m_nPos, 0);
    m_pViewer->ScrollToBottom();
    EXPECT_EQ(Bar().m_nPos, 168);
    EXPECT_EQ(OriginY(), 168);
    // The newest line is drawn whole at the viewer's bottom.
    m_Host.ClearLog();
    m_pViewer->OnDraw();
    const orv::test::HostCall* last = m_Host.FindText("line29");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Int(1), m_pViewer->m_nAbsY + 312 - 12);
    EXPECT_EQ(last->Int(0), m_pViewer->m_nAbsX + 16) << "after the paragraph's type mark";
    EXPECT_EQ(m_Host.FindText("line9"), nullptr) << "scrolled away";
    // The bar's notification moves the document when the viewer pumps its queue.
    Bar().SetPos(40);
    m_pViewer->PumpPostedMessages();
    EXPECT_EQ(OriginY(), 40);
    // The wheel inside the viewer steps by 16 px a notch.
    EXPECT_TRUE(m_pViewer->OnMouseWheel(5, 5, -240));
    EXPECT_EQ(Bar().m_nPos, 72);
    EXPECT_FALSE(m_pViewer->OnMouseWheel(-1, 5, -120));
    EXPECT_EQ(Bar().m_nPos, 72);
    // Emptying the document empties the range.
    m_pDoc->Clear();
    EXPECT_EQ(Bar().m_nRange, 0);
    EXPECT_EQ(OriginY(), 0);
}

TEST_F(Viewer, BarHidesWhileTheDocumentFitsWhenAsked)
{
    m_pViewer->m_bHideWhenFits = 1;
    AddLines(2);
    EXPECT_FALSE(Bar().m_bVisible);
    AddLines(30);
    EXPECT_TRUE(Bar().m_bVisible);
    EXPECT_EQ(Bar().m_nRange, 32 * 16 - 312);
    // Emptied while scrolled: the bar hides, and new text shows from the document's top.
    m_pViewer->ScrollToBottom();
    m_pDoc->Clear();
    EXPECT_FALSE(Bar().m_bVisible);
    m_pDoc->AddText("again");
    EXPECT_EQ(OriginY(), 0);
    m_Host.ClearLog();
    m_pViewer->OnDraw();
    EXPECT_NE(m_Host.FindText("again"), nullptr);
}

TEST_F(Viewer, MouseSelectsAndCtrlCCopies)
{
    m_pDoc->AddText("abcdef");   // the run starts after the paragraph's 16 px mark
    m_pDoc->AddText("ghij");
    const int x = m_pViewer->m_nAbsX + 16;
    const int y = m_pViewer->m_nAbsY + 8;
    orv::test::LButtonDown(x + 9, y);          // right half of 'b'
    orv::test::MouseMove(x + 14, y + 16);      // second paragraph, left half of 'i'
    orv::test::LButtonUp(x + 14, y + 16);
    ASSERT_NE(m_pDoc->GetSelectedText(), nullptr);
    EXPECT_STREQ(m_pDoc->GetSelectedText(), "cdef\ngh");

    m_Fake.m_Clipboard = "old";
    EXPECT_FALSE(orv::test::KeyDown('C')) << "no Ctrl";
    EXPECT_EQ(m_Fake.m_Clipboard, "old");
    m_Fake.SetKeyDown(VK_CONTROL, true);
    EXPECT_TRUE(orv::test::KeyDown('C'));
    EXPECT_EQ(m_Fake.m_Clipboard, "cdef\ngh");
    EXPECT_FALSE(orv::test::KeyDown('X'));

    // A click without a move clears the selection; Ctrl+C then leaves the clipboard alone.
    orv::test::LClick(x + 9, y);
    EXPECT_EQ(m_pDoc->GetSelectedText(), nullptr);
    m_Fake.m_Clipboard = "kept";
    EXPECT_FALSE(orv::test::KeyDown('c'));
    EXPECT_EQ(m_Fake.m_Clipboard, "kept");
}

TEST_F(Viewer, SelectionIsDrawnBehindTheSelectedCharacters)
{
    m_pDoc->AddText("abcdef");
    m_pDoc->BeginSelection({0, 1});
    m_pDoc->ExtendSelection({0, 3});
    m_Host.ClearLog();
    m_pViewer->OnDraw();
    const std::vector<orv::test::HostCall> fills = m_Host.Calls("FillRect");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].m_vInts, (std::vector<long long>{0xC0FF0000, m_pViewer->m_nAbsX + 16 + 6, m_pViewer->m_nAbsY, 12, 16}));
    EXPECT_NE(m_Host.FindImage(648, 93), nullptr) << "the paragraph's type mark";
}

TEST_F(Viewer, DocumentAndViewerMayGoInEitherOrder)
{
    // The document first: the viewer forgets it and draws nothing.
    m_pDoc->AddText("x");
    m_pDoc.reset();
    EXPECT_EQ(m_pViewer->m_pContext, nullptr);
    m_pViewer->OnDraw();
    m_pViewer->ScrollToBottom();
    // The viewer first: the document forgets its view.
    auto doc = std::make_unique<CTextContext>();
    m_pViewer->SetContext(doc.get());
    EXPECT_EQ(doc->GetView(), m_pViewer);
    MainWnd().DeleteChild(m_pViewer);
    EXPECT_EQ(doc->GetView(), nullptr);
    doc->AddText("y");   // no view to update
}
