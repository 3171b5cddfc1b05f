// A host that answers at once: it hands the library a server message from inside SendToServer or
// NotifyGameWindow. Such a message waits until the export that reached the host returns, so the
// game window is never deleted, doubled or left open under the code that called the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AerieCityFixture.h"
#include "aerie/state/AerieEvents.h"
#include "maingame/orvane/ORVMgr.h"

namespace orv::test {
namespace {

std::string Hex(const char* hex)
{
    std::string out;
    for (const char* p = hex; p[0] != '\0' && p[1] != '\0';) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        out += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
        p += 2;
    }
    return out;
}

// The own city of player "me" (own id 1001): buildings 0 and 1, group 0 upgrading building 1.
const std::string kCity = Hex("E9 03 00 00 67 03 00 00 00 00 00 00 78 9C 63 60 60 62 C8 4D 65 62 60 61 60 60 60 66 00 D1 "
                              "8C 40 92 9B 41 1A C8 67 04 42 1B 06 2C 00 00 34 BC 01 4B");
// The server closes the game window.
const std::string kServerClose = Hex("E9 03 00 00 67 03 06 00 00 00 00 00");

class HostAnswersAtOnce : public AerieCityTest {
protected:
    void SetUp() override
    {
        AerieCityTest::SetUp();
        m_Host.m_strPlayerName = "me";
    }
    void TearDown() override
    {
        m_Host.m_fnOnSend = nullptr;
        m_Host.m_fnOnNotifyGameWindow = nullptr;
        AerieCityTest::TearDown();
    }
    // The host hands msg to CORVMgr::Recv from an exact-size heap buffer.
    static void HostRecv(const std::string& msg)
    {
        const std::vector<char> bytes = ExactBytes(msg);
        CORVMgr::GetSingleton().Recv(bytes.data(), static_cast<int>(bytes.size()));
    }
    static u16 SubOf(const char* data, int len)
    {
        return len >= 8 ? ReadLE16(reinterpret_cast<const unsigned char*>(data) + 6) : 0xFFFF;
    }
    std::vector<long long> Notices() const
    {
        std::vector<long long> states;
        for (const HostCall& c : m_Host.Calls("NotifyGameWindow")) {
            states.push_back(c.Int(0));
        }
        return states;
    }
    int GameWindows()
    {
        int n = 0;
        for (CORVControl* child : MainWnd().m_lstChildren) {
            n += dynamic_cast<CAerieWnd*>(child) != nullptr ? 1 : 0;
        }
        return n;
    }
};

// The answer to the upgrade request that topic 43 repeats closes the game window (sub 6) or
// swaps it for the beast chooser (sub 101): the building window that sent the request finishes
// its message first.
TEST_F(HostAnswersAtOnce, AnswerToTheRepeatedUpgradeClosesTheWindowAfterItsSenderIsDone)
{
    for (const u16 answer : {u16{6}, u16{101}}) {
        SCOPED_TRACE(answer);
        HostRecv(kCity);
        ASSERT_NE(Wnd(), nullptr);
        m_Host.ClearLog();
        int upgrades = 0;
        m_Host.m_fnOnSend = [&](const char* data, int len) {
            if (SubOf(data, len) == 1) {
                ++upgrades;
                HostRecv(Hex("E9 03 00 00 67 03") + std::string{static_cast<char>(answer), 0} + std::string(4, '\0'));
            }
        };
        PostGameEvent(EVT_RESEND_BUILDING_UPGRADE, 1);
        Frame(2);
        m_Host.m_fnOnSend = nullptr;
        EXPECT_EQ(upgrades, 1);
        EXPECT_EQ(Wnd(), nullptr);
        EXPECT_EQ(GameWindows(), 0);
        EXPECT_EQ(Notices(), std::vector<long long>{1});
        EXPECT_EQ(CORVMgr::GetSingleton().IsAerieOpen(), answer == 101) << "101 opens the beast chooser";
        CORVMgr::GetSingleton().CloseAerie();   // the beast chooser
        EXPECT_FALSE(CORVMgr::GetSingleton().IsAerieOpen());
    }
}

// The host answers the window's creation notice with a server message: the city again, or the
// server's close.
TEST_F(HostAnswersAtOnce, AnswerToTheCreationNoticeComesAfterTheWindowStands)
{
    const struct {
        const char* name;
        std::string answer;
        bool open;
        std::vector<long long> notices;
    } cases[] = {
        {"the city again", kCity, true, {0}},
        {"server close", kServerClose, false, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_Host.ClearLog();
        bool answered = false;
        m_Host.m_fnOnNotifyGameWindow = [&](int state) {
            if (state == 0 && !answered) {
                answered = true;
                HostRecv(c.answer);
            }
        };
        HostRecv(kCity);
        m_Host.m_fnOnNotifyGameWindow = nullptr;
        EXPECT_TRUE(answered);
        EXPECT_EQ(CORVMgr::GetSingleton().IsAerieOpen(), c.open);
        EXPECT_EQ(GameWindows(), c.open ? 1 : 0) << "no second window, none left open";
        EXPECT_EQ(Notices(), c.notices);
        CORVMgr::GetSingleton().CloseAerie();
        EXPECT_EQ(GameWindows(), 0);
    }
}

// The host answers the leave request the closing window sends with the city: the window is
// gone, the host hears it closed, then the city opens a new one.
TEST_F(HostAnswersAtOnce, AnswerToTheLeaveRequestOpensTheCityAfterTheCloseIsDone)
{
    HostRecv(kCity);
    ASSERT_NE(Wnd(), nullptr);
    m_Host.ClearLog();
    m_Host.m_fnOnSend = [&](const char* data, int len) {
        if (SubOf(data, len) == 6) {
            m_Host.m_fnOnSend = nullptr;
            HostRecv(kCity);
        }
    };
    CORVMgr::GetSingleton().CloseAerie();
    EXPECT_EQ(Notices(), (std::vector<long long>{1, 0})) << "the close is told before the new window opens";
    EXPECT_EQ(GameWindows(), 1);
    EXPECT_TRUE(CORVMgr::GetSingleton().IsAerieOpen());
}

}  // namespace
}  // namespace orv::test
