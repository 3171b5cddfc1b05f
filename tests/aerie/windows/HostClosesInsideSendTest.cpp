// A host that closes the game (CORVMgr::CloseAerie) from inside SendToServer, for every game window
// that sends a request from its creation or from a click. The close waits until the export that
// reached the host returns: the window that sent finishes what it was doing, then the game closes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "AerieBeastFixture.h"
#include "AerieCityWindowsFixture.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieBuyResourceWnd.h"
#include "aerie/windows/AerieChooseBeast.h"
#include "aerie/windows/AerieFriend.h"
#include "aerie/windows/AerieExchangeWnd.h"
#include "aerie/windows/AerieFightWnds.h"
#include "aerie/windows/AerieGetMonsterWnd.h"
#include "aerie/windows/AerieMonLvlupWnd.h"
#include "aerie/windows/AerieLvlupWnd.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ExportClick.h"

namespace orv::test {
namespace {

// The stores the buy window checks: trade at level 1, granary and warehouse holding 1,000.
constexpr char kStores[] =
    R"(<Science Id="19" Name="交易" Effect="0,100" ResGrass="1" ResWood="1" ResStone="1" ResMetal="1" LvlupTime="1"/>)"
    R"(<Building Id="13" Name="粮仓" Effect="0,1000,2000"/><Building Id="14" Name="仓库" Effect="0,1000,2000"/>)";

// The plunder fights the mission window lists.
constexpr char kFights[] =
    R"(<fight Group="1" Type="0" Name="R0" Scale="S" Wait="10" FriendWait="5" Fight="20" Hour="1" MaxTimes="3"/>)"
    R"(<fight Group="1" Type="1" Name="R1" Scale="S" Wait="10" FriendWait="5" Fight="20" Hour="1" MaxTimes="3"/>)";

class HostClosesInsideSend;

// One window kind: the request the host answers by closing, and how it is reached.
struct SendingWindow {
    const char* name;
    u16 sub;
    CORVControl* (HostClosesInsideSend::*prepare)();
};
void PrintTo(const SendingWindow& w, std::ostream* os)
{
    *os << w.name;
}

class HostClosesInsideSend : public AerieCityWindowsTest, public ::testing::WithParamInterface<SendingWindow> {
public:
    // Each enters and opens what one window kind needs; returns the control whose click sends
    // (through the exports), or null when the setting up failed.
    CORVControl* BeastWindow() { return Enter(City() + Beast()) != nullptr ? Wnd()->m_pBeastBtn : nullptr; }
    CORVControl* FriendWindow() { return Enter(City()) != nullptr ? Wnd()->m_pFriendBtn : nullptr; }
    CORVControl* BeastChooser()
    {
        Recv(Message(kOwnId, 101));
        CAerieChooseBeastWnd* wnd = Chooser();
        if (wnd == nullptr) {
            return nullptr;
        }
        Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kChooseBeastNoticeRead));
        ClickOn(wnd, wnd->m_pItem[0]);
        return wnd->m_pOkBtn;
    }
    CORVControl* BuyWindow()
    {
        LoadGameData(kStores);
        if (Enter(City(3, {{13, 1}, {14, 1}}) + Tech(19, 1) + Owner(5000, 0, 0, 0, 0, 20000)) == nullptr) {
            return nullptr;
        }
        Event(EVT_BUYRESOURCE_WND);
        auto* wnd = Sub<CAerieBuyResourceWnd>();
        if (wnd == nullptr) {
            return nullptr;
        }
        ClickOn(wnd, wnd->m_pPlusBtn);
        Frame(2);
        return wnd->m_pOkBtn;
    }
    CORVControl* ExchangeWindow()
    {
        LoadGameData(kStores);
        if (Enter(City(3, {{13, 1}, {14, 1}}) + Owner(0, 500, 0, 0, 0)) == nullptr) {
            return nullptr;
        }
        Wnd()->m_ExchangeWnd.Close();
        Event(EVT_EXCHANGE_WND);
        auto* wnd = dynamic_cast<CAerieExchangeWnd*>(Wnd()->m_pExchangeWnd);
        if (wnd == nullptr) {
            return nullptr;
        }
        // 100 grass for 60 wood and 40 stone.
        for (const auto& [side, row, amount] : {std::tuple{0, 0, 100}, std::tuple{1, 1, 60}, std::tuple{1, 2, 40}}) {
            wnd->m_apBar[side][row]->SetPos(amount);
            Frame(3);
        }
        return wnd->m_pExchangeBtn;
    }
    CORVControl* MonsterLvlupWindow()
    {
        // Five white monsters in slot 3; the window of a level-up by five.
        if (Enter(City() + Item(5, MonsterRecord(3, 1, 5, 1, 2, 3))) == nullptr) {
            return nullptr;
        }
        Route(ORVMsg(ORV_MSG_GAMEWND, EVT_MONSTER_NOTICE, 5, LE16(3) + LE16(1)));
        auto* wnd = dynamic_cast<CAerieMonLvlupWnd*>(Wnd()->m_pMonLvlupWnd);
        return wnd != nullptr ? wnd->m_pOkBtn : nullptr;
    }
    CORVControl* GetMonsterWindow()
    {
        // A new monster waits: the window opens on entering.
        if (Enter(City() + Item(10, MonsterRecord(0, 5, 1, 4, 5, 6))) == nullptr) {
            return nullptr;
        }
        Frame();
        auto* wnd = dynamic_cast<CAerieGetMonsterWnd*>(Wnd()->m_pGetMonsterWnd);
        return wnd != nullptr ? wnd->m_pAssignBtn : nullptr;
    }
    CORVControl* MissionMainPage()
    {
        MissionWndTab() = 2;
        return Enter(City()) != nullptr ? Wnd()->m_pMissionBtn : nullptr;
    }
    CORVControl* PlunderSheet()
    {
        LoadGameData(kFights);
        MissionWndTab() = 0;
        if (Enter(City(7)) == nullptr) {
            return nullptr;
        }
        Click(Wnd()->m_pMissionBtn);
        auto* wnd = Sub<CAerieMissionWnd>();
        auto* rob = wnd != nullptr ? dynamic_cast<CAerieMissionRobItem*>(wnd->m_pTabItem) : nullptr;
        if (rob == nullptr) {
            return nullptr;
        }
        rob->m_Rows.SelectEntry(1);
        return rob->m_pGoButton;
    }
    CORVControl* LvlupWindow()
    {
        if (Enter(City(3, {{1, 2}}) + Owner(0, 5000, 5000, 5000, 5000) + Monsters(1, 1, 10)) == nullptr) {
            return nullptr;
        }
        Event(EVT_LVLUP_WND, (1u << 16) | 0);
        auto* wnd = dynamic_cast<CAerieLvlupWnd*>(Wnd()->m_pLvlupWnd);
        return wnd != nullptr ? wnd->m_pOkBtn : nullptr;
    }

protected:
    void SetUp() override
    {
        AerieCityWindowsTest::SetUp();
        m_pChooser = InstallBeastWindows(m_Host);
        SetAerieWindowRecord(AerieWndKind::Mission, ORV_RUNTIME_CLASS(CAerieMissionWnd));
        SetAerieWindowRecord(AerieWndKind::FightRobBefore, ORV_RUNTIME_CLASS(CAerieFightRobBeforeWnd));
        SetAerieWindowRecord(AerieWndKind::GetMonster, ORV_RUNTIME_CLASS(CAerieGetMonsterWnd));
        SetAerieWindowRecord(AerieWndKind::MonLvlup, ORV_RUNTIME_CLASS(CAerieMonLvlupWnd));
        m_Host.SetImageSize(26, 93, 420, 380);   // get-monster
        m_Host.SetImageSize(18, 93, 400, 280);   // monster level-up
        CAerieGetMonsterWnd::RefreshThrottle().Forget();
        m_Host.SetImageSize(19, 93, 640, 420);   // mission window, plunder page
    }
    void TearDown() override
    {
        m_Host.m_fnOnSend = nullptr;
        AerieCityWindowsTest::TearDown();
        m_pChooser.reset();
    }
    // The city's guardian beast (item 6).
    static std::string Beast()
    {
        using namespace aerie_layout;
        return Item(6, RecordBytes(kBeastSize).U16(kBeastType, 1).Str());
    }
    CAerieChooseBeastWnd* Chooser()
    {
        return dynamic_cast<CAerieChooseBeastWnd*>(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST));
    }

    std::unique_ptr<ScopedSystemWindowRecord> m_pChooser;
};

TEST_P(HostClosesInsideSend, TheWindowFinishesBeforeTheGameCloses)
{
    const SendingWindow& c = GetParam();
    CORVMgr& mgr = CORVMgr::GetSingleton();
    CORVControl* sender = (this->*c.prepare)();
    ASSERT_NE(sender, nullptr);
    ASSERT_TRUE(mgr.IsAerieOpen());
    m_Host.ClearLog();
    int asked = 0;
    bool openInside = false;
    m_Host.m_fnOnSend = [&](const char* data, int len) {
        if (len >= 8 && ReadLE16(reinterpret_cast<const unsigned char*>(data) + 6) == c.sub && asked++ == 0) {
            CORVMgr::GetSingleton().CloseAerie();
            openInside = CORVMgr::GetSingleton().IsAerieOpen();
        }
    };
    ClickThroughExports(sender);
    m_Host.m_fnOnSend = nullptr;
    EXPECT_EQ(asked, 1) << m_Host.Dump();
    EXPECT_TRUE(openInside) << "closed under the window that sent";
    EXPECT_FALSE(mgr.IsAerieOpen()) << "closed once the export returned";
    EXPECT_EQ(Wnd(), nullptr);
    EXPECT_EQ(Chooser(), nullptr);
    Frame(2);   // nothing left of the closed windows runs
}

INSTANTIATE_TEST_SUITE_P(
    WindowKinds, HostClosesInsideSend,
    ::testing::Values(
        SendingWindow{"BeastWindowBreedingPageFromItsCreation", 0x68, &HostClosesInsideSend::BeastWindow},
        SendingWindow{"FriendWindowListFromItsCreation", 0x75, &HostClosesInsideSend::FriendWindow},
        SendingWindow{"BeastChooserOk", 0x66, &HostClosesInsideSend::BeastChooser},
        SendingWindow{"BuyWindowOk", 0x02, &HostClosesInsideSend::BuyWindow},
        SendingWindow{"LevelUpWindowOk", 0x01, &HostClosesInsideSend::LvlupWindow},
        SendingWindow{"ExchangeWindowExchange", 0xcd, &HostClosesInsideSend::ExchangeWindow},
        SendingWindow{"MonsterLevelUpWindowOk", 0x15, &HostClosesInsideSend::MonsterLvlupWindow},
        SendingWindow{"GetMonsterWindowAssign", 0x1b, &HostClosesInsideSend::GetMonsterWindow},
        SendingWindow{"MissionWindowMainPageFromItsCreation", 0x23, &HostClosesInsideSend::MissionMainPage},
        SendingWindow{"PlunderSheetFromItsCreation", 0x20, &HostClosesInsideSend::PlunderSheet}),
    [](const ::testing::TestParamInfo<SendingWindow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orv::test
