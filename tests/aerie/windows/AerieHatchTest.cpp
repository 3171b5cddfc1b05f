#include <gtest/gtest.h>

#include "AerieBeastFixture.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "support/WindowInput.h"

using namespace orv::test;
using namespace aerie_layout;

namespace {

// A hatching incubator with a hired friend: appearance bytes and the drawer's two values.
std::string HiredIncubator(u32 hatchSeconds, const std::string& friendName, u8 treatment = 0)
{
    return RecordBytes(kIncubatorSize)
        .U8(kIncOpened, 1)
        .U16(kIncEggType, 2)
        .U32(kIncHatchSeconds, hatchSeconds)
        .Text(kIncSlaveName, friendName)
        .Text(kIncSlaveName + 16, "ABCDEFGHIJKL")
        .U16(kIncWorth, 88)
        .U16(kIncPopularity, 7)
        .U8(kIncTreatment, treatment)
        .U32(83, 0x33333333)
        .U32(87, 0x22222222)
        .Str();
}

class AerieHatch : public AerieBeastTest {
protected:
    // The own city with three incubators and the hatching page open.
    CAerieBeastHatchItem* OpenOwnHatch(const std::string& incubators, const std::string& extra = std::string())
    {
        if (Enter(BeastItem(1, 0) + incubators + extra) == nullptr) {
            return nullptr;
        }
        CAerieBeastWnd* wnd = OpenBeast();
        if (wnd == nullptr) {
            return nullptr;
        }
        wnd->SwitchPage(1);
        TakeSent();
        return Page<CAerieBeastHatchItem>();
    }
    static std::string Standard()
    {
        return Incubators(Incubator(true, 1, 0, 60), Incubator(true, 2, 90, 0), Incubator(false, 0, 0, 0));
    }
    static std::vector<i32> Tools(CAerieBeastHatchItem* page)
    {
        std::vector<i32> tools{page->m_nTool};
        for (CAerieMonsterEggItem* egg : page->m_pIncubators) {
            tools.push_back(egg->m_nTool);
        }
        for (CAerieMonsterEggItem* egg : page->m_pEggBag->m_pEggs) {
            tools.push_back(egg->m_nTool);
        }
        return tools;
    }
};

}  // namespace

TEST_F(AerieHatch, ToolsReachEveryEggAndEndOnARightClickOrTopics)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Standard());
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->m_pEggBag, nullptr);
    EXPECT_EQ(page->m_pEggBag->m_nX, 150);
    EXPECT_EQ(page->m_pIncubators[2]->m_nX, 460);
    struct Case {
        CORVButton* CAerieBeastHatchItem::*button;
        u32 off;   // 0: a right click on the page, else the topic
        i32 tool;
        int cursor;
    } cases[] = {{&CAerieBeastHatchItem::m_pSmashBtn, 0, kHatchToolSmash, 465},
                 {&CAerieBeastHatchItem::m_pDiscardBtn, EVT_HATCH_TOOL_OFF, kHatchToolDiscard, 466},
                 {&CAerieBeastHatchItem::m_pSmashBtn, EVT_EGG_MENU_TOOL_OFF, kHatchToolSmash, 465}};
    for (const Case& c : cases) {
        m_Host.ClearLog();
        ClickOn(page, page->*c.button);
        EXPECT_EQ(Tools(page), std::vector<i32>(9, c.tool));
        const std::vector<HostCall> resets = m_Host.Calls("ResetImageAnimation");
        ASSERT_EQ(resets.size(), 1u);
        EXPECT_EQ(resets[0].m_vInts, (std::vector<long long>{c.cursor, 93, 0, 0}));

        // The cursor follows the mouse at (-40, -110), over the children.
        MouseMove(300, 400);
        DrawFrame();
        const HostCall* cursor = m_Host.FindImage(c.cursor, 93);
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->Int(0), 260);
        EXPECT_EQ(cursor->Int(1), 290);
        EXPECT_GT(m_Host.LastIndex("StepImageAnimation"), m_Host.LastIndex("DrawText"));
        EXPECT_GT(m_Host.IndexOfText("我的身价"), -1);

        if (c.off == 0) {
            page->OnClick(1);
        } else {
            Event(c.off);
        }
        EXPECT_EQ(Tools(page), std::vector<i32>(9, kHatchToolNone));
        DrawFrame();
        EXPECT_EQ(m_Host.FindImage(c.cursor, 93), nullptr);
    }
}

TEST_F(AerieHatch, HireListOpensPerIncubatorAndCloses)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Standard());
    ASSERT_NE(page, nullptr);
    Event(EVT_INCUBATOR_SELECTED, 2);
    auto* list = dynamic_cast<CAerieSlaveRelationWnd*>(page->m_SlaveWnd.Get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_nIncubator, 2);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x6f);
    // A second topic 8 replaces it.
    Event(EVT_INCUBATOR_SELECTED, 1);
    list = dynamic_cast<CAerieSlaveRelationWnd*>(page->m_SlaveWnd.Get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_nIncubator, 1);
    EXPECT_EQ(page->m_lstChildren.front(), list);
    // The hire reply closes it.
    Event(EVT_SLAVE_HIRED);
    EXPECT_EQ(page->m_SlaveWnd.Get(), nullptr);
    // Viewing only: no hire button, refresh in its place; its close request closes it.
    ClickOn(page, page->m_pViewPlayersBtn);
    list = dynamic_cast<CAerieSlaveRelationWnd*>(page->m_SlaveWnd.Get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_nIncubator, 0);
    EXPECT_EQ(list->m_pHireBtn->m_bVisible, 0);
    EXPECT_EQ(list->m_pHireBtn->m_bEnabled, 0);
    EXPECT_EQ(list->m_pRefreshBtn->m_nX, 111);
    EXPECT_EQ(list->m_pRefreshBtn->m_nY, 259);
    Notify(page, list, kNotifyClose);
    EXPECT_EQ(page->m_SlaveWnd.Get(), nullptr);
}

TEST_F(AerieHatch, FirstHatchSendsTheRequestAndSetsTheGuide)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Standard());
    ASSERT_NE(page, nullptr);
    CAerieNewBie::GetSingleton().m_wStep = 12;
    Event(EVT_FIRST_HATCH);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0xca);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 14);
}

TEST_F(AerieHatch, FiguresAreTheOwnOnTheOwnPageAndTheOwnersWhenVisiting)
{
    const std::string owner = Item(1, RecordBytes(kOwnerRecordSize + 2)
                                          .U32(kOwnerWorth, 0xFFFFFFFF)
                                          .U32(kOwnerHappiness, static_cast<u32>(-3))
                                          .U16(kOwnerPopularityInValue, 77)
                                          .Str());
    struct Case {
        bool visited;
        const char* worthLabel;
        const char* worth;
    } cases[] = {{false, "我的身价", "4294967295琉璃币"}, {true, "城主身价", "-1琉璃币"}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(BeastItem(1, 0) + owner + Standard(), c.visited), nullptr);
        CAerieBeastWnd* wnd = OpenBeast();
        ASSERT_NE(wnd, nullptr);
        wnd->SwitchPage(1);
        CORVControl* page = wnd->m_pPage;
        DrawFrame();
        for (const char* text : {c.worthLabel, c.worth, "-3", "77"}) {
            EXPECT_NE(Text(text), nullptr) << text;
        }
        const HostCall* worth = Text(c.worth);
        ASSERT_NE(worth, nullptr);
        EXPECT_EQ(worth->m_vInts,
                  (std::vector<long long>{page->m_nAbsX + 28, page->m_nAbsY + 489, 0xFFFFFFFF, 0, 0, 0, 1, 1, 0}));
        Wnd()->m_SubWnd.Close();
    }
}

TEST_F(AerieHatch, VisitedPageStealsShowsFriendsAndGoesHome)
{
    ASSERT_NE(Enter(BeastItem(1, 0) + Standard(), true), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastHatchOtherItem>();
    ASSERT_NE(page, nullptr);
    TakeSent();
    ClickOn(page, page->m_pStealBtn);
    for (CAerieMonsterEggItem* egg : page->m_pIncubators) {
        EXPECT_EQ(egg->m_nTool, kHatchToolSteal);
        EXPECT_EQ(egg->m_pTreatWellBtn->m_bVisible, 0);   // only the owner treats
    }
    // Stealing the hatching egg of incubator 1.
    page->m_pIncubators[1]->OnClick(0);
    std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x79);
    EXPECT_EQ(sent[0].m_wParam1, 1);
    EXPECT_EQ(sent[0].m_strBody, "other");
    // The friend list toggles.
    ClickOn(page, page->m_pFriendsBtn);
    EXPECT_EQ(page->m_nTool, kHatchToolNone);
    EXPECT_NE(dynamic_cast<CAerieHatchRelationWnd*>(page->m_FriendWnd.Get()), nullptr);
    ClickOn(page, page->m_pFriendsBtn);
    EXPECT_EQ(page->m_FriendWnd.Get(), nullptr);
    TakeSent();
    // Home: the cursor goes at once.
    ClickOn(page, page->m_pStealBtn);
    ClickOn(page, page->m_pReturnBtn);
    EXPECT_EQ(page->m_nTool, kHatchToolNone);
    sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x00);
    EXPECT_EQ(sent[0].m_strBody, "me");
}

TEST_F(AerieHatch, IncubatorShowsItsState)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Incubators(Incubator(true, 1, 0, 60), Incubator(true, 2, 90, 0),
                                                         Incubator(true, 0, 0, 0)));
    ASSERT_NE(page, nullptr);
    DrawFrame();
    struct Case {
        int incubator;
        const char* text;
        u32 colour;
        int y;
    } cases[] = {{0, "孵化完成", 0xFFFF0000, 275},
                 {0, "保护时间：00:01:00", 0xFF00FFFF, 292},
                 {1, "剩余时间：00:01:30", 0xFF00FF00, 275},
                 {2, "孵化器空闲", 0xFFFFFF00, 275}};
    for (const Case& c : cases) {
        const CAerieMonsterEggItem* egg = page->m_pIncubators[c.incubator];
        const HostCall* call = Text(c.text);
        ASSERT_NE(call, nullptr) << c.text << "\n" << m_Host.Dump();
        EXPECT_EQ(call->m_vInts, (std::vector<long long>{egg->m_nAbsX + 80, egg->m_nAbsY + c.y, c.colour, 1, 0, 0, 1,
                                                         2, 0}));
    }
    EXPECT_EQ(Text("保护时间：00:00:00"), nullptr);   // protection only once finished and running
    // Incubators not sent at all read as not opened.
    CAerieDataMgr::GetSingleton().GetShownCity().m_Incubators.m_vList.resize(2);
    DrawFrame();
    EXPECT_NE(Text("孵化器未开启"), nullptr);
}

TEST_F(AerieHatch, IncubatorClickAppliesTheTool)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Standard());
    ASSERT_NE(page, nullptr);
    CAerieNewBie::GetSingleton().m_wStep = 15;
    struct Case {
        i32 tool;
        int incubator;
        int sub;      // -1 none
        bool box;
        int anim;     // StartImageAnimation frame, 0 none
    } cases[] = {{kHatchToolSmash, 0, 0x6d, false, 465},   // finished: smashed
                 {kHatchToolSmash, 1, -1, false, 465},     // still hatching
                 {kHatchToolDiscard, 1, -1, true, 466},    // asked first
                 {kHatchToolNone, 0, -1, false, 0}};
    for (const Case& c : cases) {
        m_Host.ClearLog();
        TakeSent();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        CAerieMonsterEggItem* egg = page->m_pIncubators[c.incubator];
        egg->m_nTool = c.tool;
        egg->OnClick(0);
        const std::vector<SentRequest> sent = TakeSent();
        EXPECT_EQ(sent.empty() ? -1 : sent[0].m_wSub, c.sub) << c.tool << "/" << c.incubator;
        EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), c.box ? 1u : 0u);
        const std::vector<HostCall> anim = m_Host.Calls("StartImageAnimation");
        EXPECT_EQ(anim.empty() ? 0 : anim[0].Int(0), c.anim);
        if (!anim.empty()) {
            EXPECT_EQ(anim[0].m_vInts, (std::vector<long long>{c.anim, 93, 100, 1}));
        }
    }
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 16);
    // The discard box's answer: topic 34 for its incubator.
    Event(EVT_DISCARD_HATCHING_EGG, 1);
    const std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x6e);
    EXPECT_EQ(sent[0].m_wParam1, 1);
}

TEST_F(AerieHatch, BagEggMenuHatchesOrDiscards)
{
    // An opened incubator is free: hatching is not refused.
    CAerieBeastHatchItem* page = OpenOwnHatch(
        Incubators(Incubator(true, 1, 0, 60), Incubator(true, 0, 0, 0), Incubator(false, 0, 0, 0)), EggBag({1, 0, 3}));
    ASSERT_NE(page, nullptr);
    CAerieMonsterEggItem* first = page->m_pEggBag->m_pEggs[0];
    CAerieMonsterEggItem* empty = page->m_pEggBag->m_pEggs[1];
    struct Case {
        CAerieMonsterEggItem* egg;
        bool tutorial;
        std::vector<std::string> items;
    } cases[] = {{first, false, {"孵化", "丢弃"}}, {first, true, {"孵化"}}, {empty, false, {}}};
    for (const Case& c : cases) {
        CAerieNewBie::GetSingleton().m_wStep = c.tutorial ? 5 : 0;
        GetPopupMenuItems().clear();
        ClickOn(page, page->m_pSmashBtn);
        c.egg->OnClick(1);
        EXPECT_EQ(page->m_nTool, kHatchToolNone);   // the menu puts the tool away, egg or not
        std::vector<std::string> captions;
        for (const ORVMenuItem& item : GetPopupMenuItems()) {
            captions.push_back(item.m_strCaption);
            EXPECT_EQ(item.m_Command.m_pSender, c.egg);
            EXPECT_EQ(item.m_Command.m_wParam, EVT_EGG_ACTION);
        }
        EXPECT_EQ(captions, c.items);
    }
    CAerieNewBie::GetSingleton().m_wStep = 0;
    TakeSent();
    // The commands: hatch (sub 0x6c, with a free incubator), discard asked, then topic 33.
    ORVMsg hatch(ORV_MSG_GAMEWND, EVT_EGG_ACTION, first);
    Route(hatch);
    std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x6c);
    ORVMsg discard(ORV_MSG_GAMEWND, EVT_EGG_ACTION, first);
    discard.m_lParam = 1;
    Route(discard);
    EXPECT_TRUE(TakeSent().empty());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_strText, "你确认要丢弃这颗怪物蛋吗？");
    Event(EVT_DISCARD_EGG, 2);
    sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x77);
    EXPECT_EQ(sent[0].m_wParam1, 2);
    // An action of another egg's menu is not this one's.
    ORVMsg stranger(ORV_MSG_GAMEWND, EVT_EGG_ACTION, nullptr);
    Route(stranger);
    EXPECT_TRUE(TakeSent().empty());
    // The tooltip names the egg's type.
    first->OnMouseMove(10, 10);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"生产型类型怪物蛋", "点击鼠标右键孵化"}));
}

TEST_F(AerieHatch, HireOfferAnswersReachTheIncubator)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(Standard());
    ASSERT_NE(page, nullptr);
    CAerieNewBie::GetSingleton().m_wStep = 10;
    Event(EVT_HIRE_HELPER_OK, 1);   // accepted: the hire list of incubator 1
    auto* list = dynamic_cast<CAerieSlaveRelationWnd*>(page->m_SlaveWnd.Get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_nIncubator, 1);
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 11);
    Event(EVT_HIRE_HELPER_CANCEL, 1);   // declined: steps 11 and 12 on (10 is past)
    EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, 13);
}

TEST_F(AerieHatch, HiredFriendIsDrawnTreatedOnceAndReleased)
{
    CAerieBeastHatchItem* page = OpenOwnHatch(
        Incubators(HiredIncubator(100, "pal"), HiredIncubator(100, "done", 1), Incubator(true, 0, 0, 0)));
    ASSERT_NE(page, nullptr);
    CAerieMonsterEggItem* egg = page->m_pIncubators[0];
    EXPECT_EQ(m_Host.LiveDrawers(), 2);
    const std::vector<HostCall> looks = m_Host.Calls("Drawer.SetAppearance");
    ASSERT_FALSE(looks.empty());
    EXPECT_EQ(looks[0].m_strText, "ABCDEFGHIJKL");
    EXPECT_EQ(m_Host.Calls("Drawer.SetValue2")[0].Int(1), 0x22222222);
    EXPECT_EQ(m_Host.Calls("Drawer.SetValue3")[0].Int(1), 0x33333333);
    EXPECT_EQ(egg->m_pTreatWellBtn->m_bVisible, 1);
    EXPECT_EQ(page->m_pIncubators[2]->m_pTreatWellBtn->m_bVisible, 0);

    DrawFrame();
    const std::vector<HostCall> draws = m_Host.Calls("Drawer.Draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].m_vInts, (std::vector<long long>{1, egg->m_nAbsX - 45, egg->m_nAbsY - 20}));
    EXPECT_NE(m_Host.FindImage(470, 93), nullptr);   // incubator 1's treatment mark

    // The card while the mouse is on the friend.
    m_Host.m_vDrawers[0]->m_bMouseOver = true;
    egg->OnMouseMove(5, 5);
    const std::vector<std::string> card = ToolTipLines();
    ASSERT_EQ(card.size(), 7u);
    EXPECT_EQ(card[0], "pal");
    EXPECT_EQ(card[2], "身价：88");
    EXPECT_EQ(card[6], "保护时间：0");

    // Treat once: the second treatment is refused with a box.
    TakeSent();
    ClickOn(egg, egg->m_pTreatWellBtn);
    ClickOn(egg, egg->m_pMistreatBtn);
    std::vector<SentRequest> sent = TakeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].m_wSub, 0x73);
    EXPECT_EQ(sent[1].m_wSub, 0x72);
    CAerieMonsterEggItem* treated = page->m_pIncubators[1];
    ClickOn(treated, treated->m_pTreatWellBtn);
    EXPECT_TRUE(TakeSent().empty());
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    EXPECT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front().m_strText, "只能执行一次善待或虐待");

    // The hatch ends: after the refresh the buttons hide and the drawers go back.
    Recv(Message(kOwnId, 1000, Incubators(HiredIncubator(0, "pal"), HiredIncubator(0, "done", 1),
                                             Incubator(true, 0, 0, 0))));
    EXPECT_EQ(m_Host.LiveDrawers(), 0);
    EXPECT_EQ(egg->m_pTreatWellBtn->m_bVisible, 0);
    // Closing the window releases nothing twice.
    Wnd()->m_SubWnd.Close();
    EXPECT_EQ(m_Host.LiveDrawers(), 0);
}

TEST_F(AerieHatch, DrawersGoBackWithTheWindow)
{
    ASSERT_NE(OpenOwnHatch(Incubators(HiredIncubator(100, "pal"), Incubator(true, 0, 0, 0), Incubator(true, 0, 0, 0))),
              nullptr);
    EXPECT_EQ(m_Host.LiveDrawers(), 1);
    Wnd()->m_SubWnd.Close();
    EXPECT_EQ(m_Host.LiveDrawers(), 0);
}

TEST_F(AerieHatch, EggBagPagesByFive)
{
    struct Case {
        std::vector<u16> bag;
        std::vector<int> clicks;   // +1 forward, -1 back
        std::vector<int> firsts;   // m_nFirst after each click
    } cases[] = {
        {{1, 1, 1, 1, 1}, {+1}, {0}},
        {{1, 1, 1, 1, 1, 1, 1}, {+1, +1, -1, -1}, {5, 5, 0, 0}},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {+1, +1, +1}, {5, 10, 10}},   // an egg behind a gap
    };
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        CAerieBeastHatchItem* page = OpenOwnHatch(Standard(), EggBag(c.bag));
        ASSERT_NE(page, nullptr);
        CAerieMonsterEggBagItem* bag = page->m_pEggBag;
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            ClickOn(bag, c.clicks[i] > 0 ? bag->m_pNextBtn : bag->m_pPrevBtn);
            EXPECT_EQ(bag->m_nFirst, c.firsts[i]) << i;
            for (int k = 0; k < CAerieMonsterEggBagItem::kShown; ++k) {
                EXPECT_EQ(bag->m_pEggs[k]->m_wIndex, c.firsts[i] + k);
            }
        }
        Wnd()->m_SubWnd.Close();
    }
}
