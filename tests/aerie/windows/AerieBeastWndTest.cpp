#include <gtest/gtest.h>

#include "AerieBeastFixture.h"
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"

using namespace orv::test;
using namespace aerie_layout;

namespace {

class AerieBeastWindow : public AerieBeastTest {
protected:
    // The own city: institute (slot 11) at instituteLevel, science 31 at science, the beast with job.
    CAerieWnd* EnterOwn(u16 job = 0, u16 instituteLevel = 1, u16 science = 0, u16 mask = 0)
    {
        std::vector<u16> levels(18, 1);
        levels[11] = instituteLevel;
        return Enter(Buildings(levels) + Item(3, LE16(31) + LE16(science)) + BeastItem(1, 0, job, mask));
    }
    static std::string BeastEntry(const std::string& name, u16 key, u16 job)
    {
        return RecordBytes(kBeastEntrySize).Text(0, name).U16(kBeastEntryKey, key).U16(kBeastEntryJob, job).Str();
    }
    void FillBeastList(const std::vector<std::string>& records)
    {
        Recv(RecordList(105, kBeastEntrySize, records));
    }
};

}  // namespace

TEST_F(AerieBeastWindow, PagesFollowTheTabsAndTheCityShown)
{
    ASSERT_NE(EnterOwn(), nullptr);
    TakeSent();
    CAerieNewBie::GetSingleton().m_wStep = 5;   // the guide runs: steps point at controls
    CAerieBeastWnd* wnd = OpenBeast();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 12);
    EXPECT_EQ(wnd->m_strTitle, "守护兽");
    auto* breed = Page<CAerieBeastBreedItem>();
    ASSERT_NE(breed, nullptr);
    EXPECT_EQ(breed->m_nWidth, 700);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_vSteps[6].m_pTarget, breed);
    // Opening the breeding page registers the beast again (p2 0) and empties the search list.
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x68);
    EXPECT_EQ(sent[0].m_wParam2, 0);

    // Tab 1: the hatching page, on frame 13.
    breed->m_pTabs->SetCurSel(1);
    ClickOn(breed, breed->m_pTabs);
    Frame();
    auto* hatch = Page<CAerieBeastHatchItem>();
    ASSERT_NE(hatch, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 13);
    EXPECT_EQ(hatch->m_nPage, 1);
    // The tab already shown posts nothing: the same page stays.
    ClickOn(hatch, hatch->m_pTabs);
    Frame();
    EXPECT_EQ(Page<CAerieBeastHatchItem>(), hatch);
    // A page's close request closes the beast window.
    ClickOn(hatch, hatch->m_pCloseButton);
    Frame(3);
    EXPECT_EQ(Wnd()->m_pSubWnd, nullptr);
}

TEST_F(AerieBeastWindow, VisitedCityShowsTheHatchOtherPage)
{
    ASSERT_NE(Enter(BeastItem(1, 0), true), nullptr);
    CAerieBeastWnd* wnd = OpenBeast();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_nMode, CAerieBeastWnd::kModeVisited);
    EXPECT_EQ(wnd->m_wBackFrame, 13);
    ASSERT_NE(Page<CAerieBeastHatchOtherItem>(), nullptr);
    wnd->SwitchPage(1);   // no page 1 in a visited city: only remembered
    EXPECT_EQ(wnd->m_nPage, 1);
    EXPECT_NE(Page<CAerieBeastHatchOtherItem>(), nullptr);
}

TEST_F(AerieBeastWindow, TopicTwentyNineThenThirtyOneRebuildsOnTheHatchingPage)
{
    ASSERT_NE(EnterOwn(), nullptr);
    CAerieBeastWnd* wnd = OpenBeast();
    ASSERT_NE(wnd, nullptr);
    CORVControl* first = wnd->m_pPage;
    Event(EVT_BEAST_CHANGED);   // alone: nothing changes
    EXPECT_EQ(wnd->m_pPage, first);
    EXPECT_NE(Page<CAerieBeastBreedItem>(), nullptr);
    Event(EVT_CITY_ENTERED_BEASTS);
    EXPECT_EQ(wnd->m_nMode, CAerieBeastWnd::kModeRebuild);
    Event(EVT_BEAST_CHANGED);
    EXPECT_EQ(wnd->m_nMode, CAerieBeastWnd::kModeOwn);
    EXPECT_EQ(wnd->m_nPage, 1);
    EXPECT_NE(Page<CAerieBeastHatchItem>(), nullptr);
}

TEST_F(AerieBeastWindow, AWaitingMonsterOpensTheGetMonsterWindow)
{
    ASSERT_NE(EnterOwn(), nullptr);
    Store().m_NewMonster.Update(reinterpret_cast<const unsigned char*>("\x07\x00\x01\x00"), 4, 0);
    ASSERT_TRUE(AerieView::HasNewMonster());
    ASSERT_NE(OpenBeast(), nullptr);
    EXPECT_EQ(Wnd()->m_pGetMonsterWnd, nullptr);
    Frame();
    EXPECT_NE(Wnd()->m_pGetMonsterWnd, nullptr);
}

TEST_F(AerieBeastWindow, JobChangeNeedsTheInstituteAndAsksForACardOnlyForASecondJob)
{
    XmlTempDir dir;
    struct Case {
        u16 institute;
        u16 science;
        u16 job;
        int hint;          // ChangeJobHint
        bool allowed;
        bool box;          // the card question
        u16 newJob;        // what OK sends (the choice opens on the own job's entry)
    } cases[] = {
        {5, 1, 0, 1, true, false, 2},   // a first job: no card, no question
        {5, 1, 1, 1, true, true, 1},    // engineering again: asked first
        {5, 1, 3, 0, true, false, 3},   // the question switched off
        {4, 1, 0, 1, false, false, 0},  // institute below 5
        {5, 0, 0, 1, false, false, 0},  // the science not learnt
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.institute << "/" << c.science << "/" << c.job << "/" << c.hint);
        const std::string path = dir.Write("cfg.xml", "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<config>\n"
                                                      "<key Index=\"5\" Name=\"ChangeJobHint\" Value=\"" +
                                                          std::to_string(c.hint) + "\"/>\n</config>\n");
        ASSERT_TRUE(CAerieConfigMgr::GetSingleton()->Load(path.c_str()));
        CAerieDataMgr::GetSingleton().Reset();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        ASSERT_NE(EnterOwn(c.job, c.institute, c.science), nullptr);
        ASSERT_NE(OpenBeast(), nullptr);
        auto* page = Page<CAerieBeastBreedItem>();
        ASSERT_NE(page, nullptr);
        TakeSent();
        EXPECT_EQ(AerieView::GetOwnBuildingLevel(11), c.institute);
        EXPECT_EQ(AerieView::GetOwnTechLevel(31), c.science);
        EXPECT_EQ(page->m_bJobChangeAllowed, c.allowed ? 1 : 0);
        EXPECT_EQ(page->m_pJobChangeBtn->m_bVisible, c.allowed ? 1 : 0);
        DrawFrame();
        EXPECT_EQ(Text("未达到转职要求，不可进行转职") != nullptr, !c.allowed);
        if (c.allowed) {
            ClickOn(page, page->m_pJobChangeBtn);
            EXPECT_EQ(page->m_pOkBtn->m_bEnabled, 1);
            EXPECT_EQ(page->m_pJobChangeBtn->m_bVisible, 0);
            ClickOn(page, page->m_pOkBtn);
            EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), c.box ? 1u : 0u);
            if (c.box) {
                EXPECT_TRUE(TakeSent().empty());
                Route(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_OkMsg);   // topic 58
            }
            const std::vector<SentRequest> sent = TakeSent();
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].m_wSub, 0x6b);
            EXPECT_EQ(sent[0].m_wParam1, c.newJob);
            ClickOn(page, page->m_pCancelBtn);
            EXPECT_EQ(page->m_pOkBtn->m_bVisible, 0);
            EXPECT_EQ(page->m_pJobChangeBtn->m_bEnabled, 1);
        }
        
        Wnd()->m_SubWnd.Close();
    }
    CAerieConfigMgr::GetSingleton()->Load(RepoDataPath("help/aerieconfig.xml").c_str());
}

TEST_F(AerieBeastWindow, RegistrationSearchAndBreeding)
{
    ASSERT_NE(EnterOwn(0, 1, 0, 0x5), nullptr);   // partner jobs none and production wanted
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastBreedItem>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->m_pJobChecks[0]->m_nLatch, 1u);   // 普通
    EXPECT_EQ(page->m_pJobChecks[1]->m_nLatch, 1u);   // 生产
    EXPECT_EQ(page->m_pJobChecks[2]->m_nLatch, 0u);
    EXPECT_EQ(TakeSent()[0].m_wParam1, 0x5);

    // No job yet: registration refused, and closed every frame.
    ClickOn(page, page->m_pRegisterBtn);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"守护兽转职后可进行登记"}));
    DrawFrame();
    EXPECT_NE(Text("守护兽未转职，登记暂未开放"), nullptr);
    EXPECT_EQ(page->m_pRegisterBtn->m_bVisible, 0);
    EXPECT_EQ(page->m_pJobChecks[0]->m_bEnabled, 0);
    EXPECT_TRUE(TakeSent().empty());

    // Search: the filter's job as a mask, the name typed.
    struct Search {
        int filter;
        u16 mask;
    } searches[] = {{4, 15}, {0, 1}, {1, 4}, {2, 2}, {3, 8}};
    page->m_pNameEdit->SetText("abc");
    for (const Search& s : searches) {
        Notify(page, page->m_pJobFilter, kNotifyChoiceSelect, static_cast<u32>(s.filter));
        ClickOn(page, page->m_pSearchBtn);
        const std::vector<SentRequest> sent = TakeSent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, 0x69);
        EXPECT_EQ(sent[0].m_wParam1, s.mask) << s.filter;
        EXPECT_EQ(sent[0].m_strBody, "abc");
    }

    // Breeding: nothing on an empty list; a tip without a row; the picked row's owner.
    ClickOn(page, page->m_pBreedBtn);
    EXPECT_TRUE(TakeSent().empty());
    std::vector<std::string> rows;
    for (int i = 0; i < 12; ++i) {
        rows.push_back(BeastEntry("p" + std::to_string(i), 2, static_cast<u16>(i % 4)));
    }
    FillBeastList(rows);
    ClearTips();
    ClickOn(page, page->m_pBreedBtn);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请选择要繁殖的守护兽"}));
    // A point on the list's left or top edge is no row; inside, the row under it.
    page->OnLButtonUp(415, 250);
    page->OnLButtonUp(500, 234);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), -1);
    page->OnLButtonUp(500, 234 + 21 * 3 + 5);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), 3);
    ClickOn(page, page->m_pBreedBtn);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x6a);
    EXPECT_EQ(sent[0].m_strBody, "p3");
    // Ten rows at most; the selected one in its colour.
    DrawFrame();
    EXPECT_NE(Text("p9"), nullptr);
    EXPECT_EQ(Text("p10"), nullptr);
    EXPECT_EQ(Text("p3")->Int(2), 0xFF40FDFB);
    EXPECT_EQ(Text("p2")->Int(2), 0xFFFFFF00);
    EXPECT_NE(Text("凤凰"), nullptr);   // the beast name of key 2
    // A new list resets the selection.
    FillBeastList(rows);
    EXPECT_EQ(page->m_Rows.SelectedEntry(), -1);
}

TEST_F(AerieBeastWindow, RegistrationSendsTheTickedJobsOnceTheBeastHasAJob)
{
    ASSERT_NE(EnterOwn(2), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastBreedItem>();
    ASSERT_NE(page, nullptr);
    TakeSent();
    page->m_pJobChecks[2]->SetLatch(1);   // 工程
    page->m_pJobChecks[3]->SetLatch(1);   // 战斗
    ClickOn(page, page->m_pRegisterBtn);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x68);
    EXPECT_EQ(sent[0].m_wParam1, 2 | 8);
    EXPECT_EQ(sent[0].m_wParam2, 1);
    EXPECT_EQ(sent[0].m_strBody, "me");
    DrawFrame();
    EXPECT_NE(Text("生产类怪物"), nullptr);
    EXPECT_EQ(page->m_pRegisterBtn->m_bVisible, 1);
}
