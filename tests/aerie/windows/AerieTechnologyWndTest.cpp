#include <gtest/gtest.h>

#include "AerieCityWindowsFixture.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieLvlupWnd.h"
#include "aerie/windows/AerieTechnologyItem.h"
#include "aerie/windows/AerieTechnologyWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"

using namespace orv::test;

namespace {

class AerieTechnologyWindow : public AerieCityWindowsTest {
protected:
    // Opens the window on a lab, as the game window does.
    CAerieTechnologyWnd* Open(int lab)
    {
        Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Technology), true, lab);
        return Sub<CAerieTechnologyWnd>();
    }
    static u16 ItemTech(const CAerieTechnologyWnd* wnd, int row)
    {
        const CXmlTech* tech = wnd->m_apItems[row]->m_pTech;
        return tech != nullptr ? static_cast<u16>(tech->m_nId) : 0;
    }
};

}  // namespace

TEST_F(AerieTechnologyWindow, LabsShowTheirTechnologiesThreeAtATime)
{
    ASSERT_NE(Enter(City() + Tech(20, 2)), nullptr);
    // The character lab (argument 3) has two technologies: two rows and two buttons, no scroll.
    CAerieTechnologyWnd* wnd = Open(3);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 5);
    EXPECT_EQ(wnd->m_pTabs->m_nCurSel, 3);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 0);
    EXPECT_EQ(ItemTech(wnd, 0), 30);
    EXPECT_EQ(ItemTech(wnd, 1), 31);
    EXPECT_EQ(wnd->m_apItems[2]->m_pTech, nullptr);
    EXPECT_TRUE(wnd->m_apUpgrade[1]->m_bVisible);
    EXPECT_FALSE(wnd->m_apUpgrade[2]->m_bVisible);
    EXPECT_EQ(wnd->m_apItems[1]->m_nY, 185 + 86);
    EXPECT_EQ(wnd->m_apUpgrade[2]->m_nY, 245 + 172);
    // The castle tab: eight technologies scroll through positions 0 to 5.
    wnd->m_pTabs->SetCurSel(2);
    ClickOn(wnd, wnd->m_pTabs);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 5);
    EXPECT_TRUE(wnd->m_apUpgrade[2]->m_bVisible);
    EXPECT_EQ(ItemTech(wnd, 0), 20);
    EXPECT_EQ(wnd->m_apItems[0]->m_wLevel, 2);
    wnd->m_pScroll->SetPos(2);
    Frame();   // the bar's notice
    EXPECT_EQ(ItemTech(wnd, 0), 22);
    // The wheel anywhere over the window moves the list.
    ORVMsg wheel(ORV_MSG_MOUSEWHEEL, PackPos(wnd->m_nAbsX + 5, wnd->m_nAbsY + 5), static_cast<u32>(-120), "");
    EXPECT_TRUE(wnd->ProcessMessage(&wheel));
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 3);
    EXPECT_EQ(ItemTech(wnd, 0), 23);
    // A wheel over an item is not the item's.
    EXPECT_FALSE(wnd->m_apItems[0]->ProcessMessage(&wheel));
}

TEST_F(AerieTechnologyWindow, ButtonsAndItemsOpenTheLevelUpWindow)
{
    ASSERT_NE(Enter(City() + Tech(20, 2)), nullptr);
    CAerieTechnologyWnd* wnd = Open(2);
    ASSERT_NE(wnd, nullptr);
    struct Case {
        CORVControl* sender;
        u32 arg;
    } cases[] = {
        {wnd->m_apUpgrade[1], (21u << 16) | 1},
        {wnd->m_apItems[2], (22u << 16) | 1},   // an item's click is its row's button
        {wnd->m_pLabBuildingBtn, (11u << 16) | 0},
    };
    for (const Case& c : cases) {
        ClickOn(wnd, c.sender);
        Frame();
        auto* lvlup = dynamic_cast<CAerieLvlupWnd*>(Wnd()->m_pLvlupWnd);
        ASSERT_NE(lvlup, nullptr);
        EXPECT_EQ(lvlup->m_wId, c.arg >> 16);
        EXPECT_EQ(lvlup->m_wKind, c.arg & 0xFFFF);
    }
    // On to the request: the technology's upgrade goes out as a science upgrade.
    EXPECT_EQ(Sub<CAerieTechnologyWnd>(), nullptr);   // a building's level-up closed the window
}

TEST_F(AerieTechnologyWindow, UpgradeButtonTooltipShowsTheNextEffectOrTheTopLevel)
{
    ASSERT_NE(Enter(City() + Tech(31, 1)), nullptr);
    CAerieTechnologyWnd* wnd = Open(3);
    ASSERT_NE(wnd, nullptr);
    wnd->OnChildMouseEnter(wnd->m_apUpgrade[0], nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"下一级效果", "人物获得的经验提高5%"}));
    EXPECT_EQ(CORVToolTip::GetSingleton().GetStyle().m_dwFillColour, 0x80150800u);
    wnd->OnChildMouseEnter(wnd->m_apUpgrade[1], nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"当前等级已是最高级"}));
    // A row without a technology shows nothing.
    CORVToolTip::GetSingleton().Clear();
    wnd->OnChildMouseEnter(wnd->m_apUpgrade[2], nullptr);
    EXPECT_TRUE(ToolTipLines().empty());
}

TEST_F(AerieTechnologyWindow, PointsAreSummedAgainOneSecondInTen)
{
    m_Fake.m_dwTick = 1000;
    ASSERT_NE(Enter(City() + Tech(20, 2) + Tech(30, 1)), nullptr);
    CAerieTechnologyWnd* wnd = Open(2);
    ASSERT_NE(wnd, nullptr);
    DrawFrame();
    // Available 9 + 9 + 86 + 14; gained: technology 20 at level 2 (0 + 1 + 1), 30 at level 1.
    EXPECT_NE(Text("总科技点：3/118"), nullptr) << m_Host.Dump();
    EXPECT_NE(Text("城堡科技点：2/86"), nullptr);
    EXPECT_NE(Text("人物科技点：1/14"), nullptr);
    const HostCall* total = Text("总科技点：3/118");
    EXPECT_EQ(total->Int(0), wnd->m_nAbsX + 181);
    EXPECT_EQ(total->Int(1), wnd->m_nAbsY + 453);
    EXPECT_NE(m_Host.FindImage(57, 93), nullptr);   // the castle lab's building icon
    Recv(Message(kOwnId, 1, Tech(20, 4)));
    m_Fake.m_dwTick = 9999;
    DrawFrame();
    EXPECT_NE(Text("总科技点：3/118"), nullptr);   // not in this second
    m_Fake.m_dwTick = 10000;
    DrawFrame();
    EXPECT_NE(Text("总科技点：7/118"), nullptr) << m_Host.Dump();
    EXPECT_NE(Text("城堡科技点：6/86"), nullptr);
}

TEST_F(AerieTechnologyWindow, ItemDrawsItsTechnologyAtTheCitysLevel)
{
    ASSERT_NE(Enter(City() + Tech(31, 1)), nullptr);
    CAerieTechnologyWnd* wnd = Open(3);
    ASSERT_NE(wnd, nullptr);
    CAerieTechnologyItem* never = wnd->m_apItems[0];   // technology 30: never researched
    CAerieTechnologyItem* top = wnd->m_apItems[1];     // technology 31 at its top level
    DrawFrame();
    const int x = never->m_nAbsX;
    const int y = never->m_nAbsY;
    struct Case {
        const char* text;
        int dx, dy;
        u32 colour;
    } cases[] = {
        {"Lv0", 7, 10, 0xFFFFFF00},      {"勤学苦练", 30, 62, 0xFF04EBFF},    {"已获科技点：", 62, 5, 0xFFFFFF00},
        {"升级可获科技点：", 158, 5, 0xFF04EBFF}, {"当前效果：人物获得的经验提高0%", 68, 30, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        const HostCall* call = Text(c.text);
        ASSERT_NE(call, nullptr) << c.text << "\n" << m_Host.Dump();
        EXPECT_EQ(call->Int(0), x + c.dx) << c.text;
        EXPECT_EQ(call->Int(1), y + c.dy) << c.text;
        EXPECT_EQ(static_cast<u32>(call->Int(2)), c.colour) << c.text;
    }
    EXPECT_NE(m_Host.FindImage(610, 93), nullptr);
    const HostCall* topLine = Text("已达最高级");
    ASSERT_NE(topLine, nullptr);
    EXPECT_EQ(topLine->Int(0), top->m_nAbsX + 164);
    EXPECT_EQ(static_cast<u32>(topLine->Int(2)), 0xFFFF0000u);
    // The level read each frame: the texts follow it.
    Recv(Message(kOwnId, 1, Tech(30, 3)));
    DrawFrame();
    EXPECT_NE(Text("Lv3"), nullptr);
    EXPECT_EQ(never->m_strEffect, "当前效果：人物获得的经验提高15%");
    // Without a technology an item draws nothing, yet still takes clicks.
    m_Host.ClearLog();
    wnd->m_apItems[2]->Render();
    EXPECT_FALSE(m_Host.AnyDrawing());
}

TEST_F(AerieTechnologyWindow, AMissingLabIsEmptyWithNoPoints)
{
    LoadGameData(R"(<technology Name="城堡研究所" Id="2" Point="86">提高城堡<tech Id="20" Tex="600" Name="牧草增产" )"
                 R"(MaxLvl="1" Point="0,4" Cur="0%,5%" Des="牧草产量提高%1%" /></technology>)");
    ASSERT_NE(Enter(City() + Tech(20, 1)), nullptr);
    CAerieTechnologyWnd* wnd = Open(0);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_apItems[0]->m_pTech, nullptr);
    EXPECT_FALSE(wnd->m_apUpgrade[0]->m_bVisible);
    EXPECT_EQ(wnd->m_anAvailable[0], 0);
    EXPECT_EQ(wnd->m_nTotalAvailable, 86);
    EXPECT_EQ(wnd->m_nTotalGained, 4);
    ClickOn(wnd, wnd->m_apUpgrade[0]);   // no technology there: nothing opens
    Frame();
    EXPECT_EQ(Wnd()->m_pLvlupWnd, nullptr);
}

TEST_F(AerieTechnologyWindow, ADescriptionThatIsNoFormatDoesNotStopTheWindow)
{
    // A stray '%' and a second place without its value: the texts are made all the same.
    LoadGameData(R"(<technology Name="人物实验室" Id="3" Point="14">提高人物<tech Id="30" Tex="610" Name="勤学苦练" )"
                 R"(MaxLvl="2" Point="0,1,2" Cur="0%,5%,10%" Des="经验%1%与%2%加%" /></technology>)");
    ASSERT_NE(Enter(City() + Tech(30, 1)), nullptr);
    CAerieTechnologyWnd* wnd = Open(3);
    ASSERT_NE(wnd, nullptr);
    DrawFrame();
    EXPECT_FALSE(wnd->m_apItems[0]->m_strEffect.empty());
    EXPECT_EQ(wnd->m_apItems[0]->m_strEffect.rfind("当前效果：", 0), 0u);
    wnd->OnChildMouseEnter(wnd->m_apUpgrade[0], nullptr);
    ASSERT_EQ(ToolTipLines().size(), 2u);
    EXPECT_FALSE(ToolTipLines()[1].empty());
}
