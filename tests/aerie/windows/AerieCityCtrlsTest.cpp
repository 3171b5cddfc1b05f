#include <gtest/gtest.h>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "framework/widgets/ORVButton.h"
#include "framework/xml/XmlTestFiles.h"
#include "support/TestHarness.h"

namespace {

class AerieCityCtrls : public orv::test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        m_Host.m_nScreenWidth = 800;
        m_Host.m_nScreenHeight = 600;
        m_Host.SetImageSize(101, 92, 30, 30);
        m_Host.SetImageSize(302, 92, 37, 34);
        m_Host.SetImageSize(305, 92, 37, 34);
        Attach();
        OpenGame()->SetSize(800, 600);   // under the row: takes the mouse elsewhere
        MainWnd().CreateButton(479, 557, &info, 101, true, true, "信息");
        row = static_cast<CAerieSubOperCtrl*>(MainWnd().CreateChild(ORV_RUNTIME_CLASS(CAerieSubOperCtrl), 0, ""));
        CAerieDataMgr::GetSingleton().Reset();
        CAerieDataMgr::GetSingleton().m_bShowOwn = 0;   // a visited city
    }
    void TearDown() override
    {
        CAerieDataMgr::GetSingleton().Reset();
        LibraryTest::TearDown();
    }

    CORVButton* info = nullptr;
    CAerieSubOperCtrl* row = nullptr;
};

}  // namespace

TEST_F(AerieCityCtrls, VisitedCityRowHoldsTheProductionButtonCentredAboveTheInfoButton)
{
    ASSERT_NE(row, nullptr);
    row->Show(info);
    ASSERT_EQ(row->m_vButtons.size(), 1u);
    EXPECT_EQ(row->m_vButtons[0]->m_wFrame, 305);
    EXPECT_EQ(row->m_vButtons[0]->m_strToolTip, "生产情况");
    EXPECT_EQ(row->m_vButtons[0]->m_nCaptionX, 18);
    EXPECT_EQ(row->m_vButtons[0]->m_nCaptionY, 38);
    EXPECT_EQ(row->m_vButtons[0]->m_nCaptionFlag1, 1);
    EXPECT_EQ(row->m_nWidth, 37);
    EXPECT_EQ(row->m_nHeight, 34);
    EXPECT_EQ(row->m_nX, 479 + 15 - 18);
    EXPECT_EQ(row->m_nY, 557 - 54);
    EXPECT_TRUE(row->m_bVisible);

    row->Show(info);   // shown again: the old buttons are replaced, not added to
    EXPECT_EQ(row->m_vButtons.size(), 1u);
    EXPECT_EQ(row->m_lstChildren.size(), 1u);

    CAerieDataMgr::GetSingleton().m_bShowOwn = 1;   // the own city: both buttons
    row->Show(info);
    ASSERT_EQ(row->m_vButtons.size(), 2u);
    EXPECT_EQ(row->m_vButtons[0]->m_wFrame, 302);
    EXPECT_EQ(row->m_vButtons[0]->m_strToolTip, "信息");
    EXPECT_EQ(row->m_vButtons[1]->m_nX, 47);
    EXPECT_EQ(row->m_nWidth, 84);
    EXPECT_EQ(row->m_nX, 479 + 15 - 42);
    EXPECT_EQ(row->m_nY, 557 - 54);

    row->LayoutSubButtons(nullptr);
    EXPECT_FALSE(row->m_bVisible);
    EXPECT_FALSE(row->m_bEnabled);
    EXPECT_EQ(row->m_nWidth, 0);
}

TEST_F(AerieCityCtrls, RowStaysWhileTheMouseIsOnItAndHidesWhenItLeaves)
{
    row->Show(info);
    orv::test::MouseMove(row->m_nX + 5, row->m_nY + 5);   // onto the sub-button
    EXPECT_TRUE(row->m_bVisible);
    orv::test::MouseMove(row->m_nX + 20, row->m_nY + 20);  // still on it
    EXPECT_TRUE(row->m_bVisible);
    orv::test::MouseMove(100, 100);                        // away
    EXPECT_FALSE(row->m_bVisible);
    EXPECT_FALSE(row->m_bEnabled);
}

TEST_F(AerieCityCtrls, ClickingTheProductionButtonHidesTheRowAndPostsItsTopic)
{
    orv::test::CTestWindow* game = static_cast<orv::test::CTestWindow*>(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND));
    row->Show(info);
    orv::test::LClick(row->m_nX + 5, row->m_nY + 5);
    Frame();   // the row's queue hands the click out
    EXPECT_FALSE(row->m_bVisible);
    Frame();   // the manager's queue routes the topic
    ASSERT_EQ(game->m_vProcessed.size(), 1u);
    EXPECT_EQ(game->m_vProcessed[0].m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(game->m_vProcessed[0].m_wParam, 55u);
    EXPECT_EQ(game->m_vProcessed[0].m_lParam, 0u);
}

TEST_F(AerieCityCtrls, BuildingWithoutRecordDrawsNothingAndIsNeverHit)
{
    XmlTempDir dir;
    ASSERT_TRUE(CXmlAerieMgr::GetSingleton()->Load(
        dir.Write("aerie.xml", "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<aerie/>\n").c_str()));
    auto* building = static_cast<CAerieBuildingCtrl*>(
        static_cast<CORVWindow&>(MainWnd()).CreateChildAt(ORV_RUNTIME_CLASS(CAerieBuildingCtrl), 10, 10, 120, 130, 4, ""));
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(building->m_nBuildingId, 4u);
    building->SetArgs(18, "");
    EXPECT_EQ(building->m_nBuildingId, 4u);   // ids stop at 17
    m_Host.ClearLog();
    building->Render();
    EXPECT_FALSE(m_Host.AnyDrawing());
    EXPECT_FALSE(building->HitTest(50, 50));
    CXmlAerieMgr::GetSingleton()->Load(kAerieDataPath);
}
