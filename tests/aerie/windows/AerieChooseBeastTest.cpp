#include <gtest/gtest.h>

#include "AerieBeastFixture.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"

using namespace orv::test;

namespace {

class AerieChooseBeast : public AerieBeastTest {
protected:
    CAerieChooseBeastWnd* Chooser()
    {
        return dynamic_cast<CAerieChooseBeastWnd*>(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST));
    }
    CAerieChooseBeastWnd* OpenChooser()
    {
        Recv(Message(kOwnId, 101));
        return Chooser();
    }
    static u16 Step() { return CAerieNewBie::GetSingleton().m_wStep; }
};

}  // namespace

TEST_F(AerieChooseBeast, OpensForANewPlayerWithTheCardsOfTheSexAndTheTutorial)
{
    m_Fake.m_nRand = 13;   // 13 mod 8: card 5 is step 3's target
    CAerieChooseBeastWnd* wnd = OpenChooser();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_wBackFrame, 9);
    EXPECT_EQ(Step(), 1);
    const char* const male[] = {"麒麟", "凤凰", "白虎"};
    for (int i = 0; i < CAerieChooseBeastWnd::kItemCount; ++i) {
        CAerieChooseBeastItem* item = wnd->m_pItem[i];
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->m_nX, i % 2 == 0 ? 30 : 150);
        EXPECT_EQ(item->m_nY, 95 + 110 * (i / 2));
        EXPECT_EQ(item->m_bValid, i < 3 ? 1 : 0) << i;   // the sample data has three beasts a sex
        if (i < 3) {
            EXPECT_EQ(item->m_Beast.m_strName, male[i]);
            EXPECT_EQ(item->m_Beast.m_nSex, 0);
        }
    }
    const auto& steps = CAerieNewBie::GetSingleton().m_vSteps;
    EXPECT_EQ(steps[3].m_pTarget, wnd->m_pItem[5]);
    EXPECT_EQ(steps[4].m_pTarget, wnd->m_pOkBtn);
    EXPECT_EQ(steps[2].m_pTarget, wnd->m_pSexGroup);

    // The notice box; its OK is the tutorial's first step.
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    const ORVMsg ok = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_OkMsg;
    EXPECT_EQ(ok.m_nId, ORV_MSG_CHOOSEBEAST);
    EXPECT_EQ(ok.m_wParam, kChooseBeastNoticeRead);
    Route(ok);
    EXPECT_EQ(Step(), 2);
}

TEST_F(AerieChooseBeast, ConfirmSendsTheSelectedBeastOrRefuses)
{
    CAerieChooseBeastWnd* wnd = OpenChooser();
    ASSERT_NE(wnd, nullptr);
    Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kChooseBeastNoticeRead));
    TakeSent();

    // Nothing selected: a tip, no request.
    ClickOn(wnd, wnd->m_pOkBtn);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请选择一个宠物兽"}));
    EXPECT_TRUE(TakeSent().empty());

    // An empty card cannot be selected; a full one is, alone.
    ClickOn(wnd, wnd->m_pItem[6]);
    EXPECT_EQ(wnd->m_pItem[6]->m_bAnimating, 0);
    m_Fake.m_dwTick = 5000;
    ClickOn(wnd, wnd->m_pItem[0]);
    ClickOn(wnd, wnd->m_pItem[1]);
    for (int i = 0; i < CAerieChooseBeastWnd::kItemCount; ++i) {
        EXPECT_EQ(wnd->m_pItem[i]->m_bAnimating, i == 1 ? 1 : 0) << i;
    }
    EXPECT_EQ(wnd->m_pItem[1]->m_dwStamp, 5000u);
    EXPECT_EQ(Step(), 4);   // events 2 and 3

    // The sex tab refills every card, none selected.
    wnd->m_pSexGroup->SetCurSel(1);
    ClickOn(wnd, wnd->m_pSexGroup);
    EXPECT_EQ(wnd->m_pItem[1]->m_bAnimating, 0);
    EXPECT_EQ(wnd->m_pItem[1]->m_Beast.m_nSex, 1);
    EXPECT_EQ(wnd->m_pItem[1]->m_Beast.m_nTex, 703);
    EXPECT_EQ(wnd->m_pItem[4]->m_bValid, 0);

    ClickOn(wnd, wnd->m_pItem[2]);
    ClickOn(wnd, wnd->m_pOkBtn);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x66);
    EXPECT_EQ(sent[0].m_nOwner, 0u);
    EXPECT_EQ(sent[0].m_wParam1, 3);   // 白虎's Type
    EXPECT_EQ(sent[0].m_wParam2, 1);   // its Sex
    EXPECT_EQ(sent[0].m_strBody, "me");
    EXPECT_EQ(Step(), 5);
    Frame(2);
    EXPECT_EQ(Chooser(), nullptr);   // closed
}

TEST_F(AerieChooseBeast, ClosingTakesTheOpenBoxAlong)
{
    ASSERT_NE(OpenChooser(), nullptr);
    Frame(2);
    ASSERT_NE(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
    Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kSysWndClose));
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX), nullptr);
}

TEST_F(AerieChooseBeast, CardPictureBobsWhileSelectedAndSinksWhileHovered)
{
    CAerieChooseBeastWnd* wnd = OpenChooser();
    ASSERT_NE(wnd, nullptr);
    CAerieChooseBeastItem* card = wnd->m_pItem[0];
    struct Case {
        bool selected;
        bool hover;
        u32 sinceStamp;
        int offset;
    } cases[] = {{false, false, 0, 0}, {false, true, 0, 4},   {true, false, 0, 0},
                 {true, false, 100, 1}, {true, true, 200, 2}, {true, false, 400, 4},
                 {true, false, 401, 0}};   // the period ran out: a new one starts
    for (const Case& c : cases) {
        card->SetSelected(c.selected, 1000);
        EXPECT_EQ(card->PictureOffset(1000 + c.sinceStamp, c.hover), c.offset) << c.sinceStamp;
    }

    // Drawn: background, picture at the offset, frame, the name centred under it; a male card.
    card->SetSelected(true, 0);
    m_Fake.m_dwTick = 200;
    DrawFrame();
    const int x = card->m_nAbsX;
    const int y = card->m_nAbsY;
    const HostCall* name = Text("麒麟");
    ASSERT_NE(name, nullptr) << m_Host.Dump();
    EXPECT_EQ(name->m_vInts, (std::vector<long long>{x + 52, y + 92, 0xFF00FFFF, 1, 0, 0, 1, 1, 0}));
    const HostCall* picture = m_Host.FindImage(700, 93);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Int(0), x);
    EXPECT_EQ(picture->Int(1), y + 2);
    EXPECT_NE(m_Host.FindImage(368, 93), nullptr);   // lit frame while selected (the other cards rest)
    EXPECT_LT(m_Host.FirstIndex("DrawImage"), m_Host.IndexOfText("麒麟"));
}
