// A Garden session ended at any stage (connecting, the login sent, the login answered, the screen
// open) by any way a session ends (CloseGarden, Release then Init, the connect time-out, the next
// OpenGarden of a host switching accounts) leaves nothing behind, and the next session sends, asks
// the host and draws what the test's first session (a fresh process's) did. And a host whose
// procedure throws, on one command at a time, is answered 0 with a debug line naming the command,
// the library going on as with that answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "GardenSessionFixture.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"
#include "garden/windows/GardenPanel.h"

namespace orv::test {
namespace {

// Another account's login, answered: its whole player record (the number the tool-card panel
// shows at byte 84), a floating notice and a tool card; and its garden on entering when enter.
std::vector<FakeGardenServer::Answer> OtherAccount(bool enter)
{
    std::string player(88, '\0');
    player.replace(8, 3, "ann");
    player.replace(84, 4, gb::U32(777));
    const std::string notice = gb::U16(1) + gb::U16(5) + "hello";
    std::vector<FakeGardenServer::Answer> answers = {
        {48, FakeGardenServer::kAnySub,
         {gb::Packet(52, 0, player), gb::Packet(2812, 0, notice), gb::Packet(200, 0, gb::CardBytes(9, "ann", 3, 7437, 1560))},
         false,
         {}}};
    if (enter) {
        gb::GardenDesc garden;
        garden.guid = "ann";
        garden.plots.resize(1);
        answers.push_back({884, 0x04, {gb::Enter501(garden)}, false, {}});
    }
    return answers;
}

enum class Stage { kConnecting, kLoginSent, kLoginAnswered, kScreenOpen };

struct EndWay {
    const char* name;
    std::function<void()> end;
    bool endsAnOpenScreen;   // the time-out waits only for a screen that never opened
    bool byTheNextOpen;      // nothing ends the session before the next one opens
};

class GardenSessionTest : public GardenSessionFixture {
protected:
    // What a session shows: what it sent (sequence characters too), what it asked the host, the
    // screen's first frame and the frame with the tool-card panel open (the cards and the player's
    // number).
    struct Seen {
        std::vector<std::string> sent;
        std::vector<int> asked;
        std::vector<std::string> screen;
        std::vector<std::string> cards;
    };
    Seen SeeSession()
    {
        Seen seen;
        g_SessionHost.asked.clear();
        seen.sent = OpenSession();
        seen.asked = g_SessionHost.asked;
        seen.screen = DrawnFrame();
        if (CGardenWnd* screen = GetGardenWnd()) {
            screen->TogglePanel(GardenPanelSlot::kToolCards);
        }
        seen.cards = DrawnFrame();
        return seen;
    }
    static void ExpectSame(const Seen& seen, const Seen& fresh)
    {
        EXPECT_EQ(seen.sent, fresh.sent);
        EXPECT_EQ(seen.asked, fresh.asked);
        EXPECT_EQ(seen.screen, fresh.screen);
        EXPECT_EQ(seen.cards, fresh.cards);
    }

    // What an ended session left in the library, named; empty when nothing.
    static std::string LeftBehind()
    {
        std::string left;
        const ToolCardStore& cards = GetToolCardStore();
        if (!cards.First().empty() || !cards.Second().empty()) {
            left += "tool cards; ";
        }
        if (!CAutoTip::GetSingleton().GetTips().empty()) {
            left += "notices; ";
        }
        if (!ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty()) {
            left += "questions; ";
        }
        if (HeldGardenPacketCount() != 0) {
            left += "held packets; ";
        }
        if (const ConnectionRecord* rec = GetGameNet().GetRecord(0); rec != nullptr && !rec->m_qSend.empty()) {
            left += "unsent requests; ";
        }
        const ORVLoginInfo& login = GetLoginInfo();
        if (std::any_of(std::begin(login.m_PlayerInfo.m_Bytes), std::end(login.m_PlayerInfo.m_Bytes),
                        [](u8 b) { return b != 0; })) {
            left += "the player record; ";
        }
        if (!login.strLoginText.empty() || login.m_bWatchdogArmed) {
            left += "the login; ";
        }
        if (!(static_cast<const GardenSessionState&>(GetGardenDataMgr()) == GardenSessionState())) {
            left += "the garden state; ";
        }
        return left;
    }

    // Another account's session brought to the stage, with what the stage can hold left behind.
    void Reach(Stage stage)
    {
        m_Rig.m_Server.Script(stage == Stage::kLoginSent ? std::vector<FakeGardenServer::Answer>{}
                                                         : OtherAccount(stage == Stage::kScreenOpen));
        g_ORVMgr.OpenGarden();
        switch (stage) {
        case Stage::kConnecting:
            // A request made before the connection stands waits for it.
            GetPacketQueue().UseToolCard(9);
            return;
        case Stage::kLoginSent:
            ASSERT_TRUE(m_Rig.StepUntil([this] { return !m_Rig.m_Server.Frames().empty(); }));
            break;
        case Stage::kLoginAnswered:
            ASSERT_TRUE(Run([this] {
                const std::vector<ServerFrame>& got = m_Rig.m_Server.Frames();
                return std::any_of(got.begin(), got.end(),
                                   [](const ServerFrame& f) { return FakeGardenServer::MessageId(f.packet) == 884; });
            }));
            ASSERT_FALSE(g_ORVMgr.IsGardenOpen());
            break;
        case Stage::kScreenOpen:
            ASSERT_TRUE(Run([] { return g_ORVMgr.IsGardenOpen(); }));
            break;
        }
        // A packet the client received and no frame has handled yet.
        m_Rig.m_Server.SendRaw(FakeGardenServer::Frame(gb::Packet(200, 0, gb::CardBytes(10, "held", 1, 7437, 1560))));
        ASSERT_TRUE(m_Rig.StepUntil([] { return HeldGardenPacketCount() != 0; }));
    }
};

TEST_F(GardenSessionTest, ASessionEndedAtAnyStageLeavesTheNextOneWhatAFreshProcessHas)
{
    const struct {
        const char* name;
        Stage stage;
    } stages[] = {
        {"connecting, a request waiting", Stage::kConnecting},
        {"the login sent, a packet not handled", Stage::kLoginSent},
        {"the login answered (record, notice, card), the enter request unanswered", Stage::kLoginAnswered},
        {"the screen open", Stage::kScreenOpen},
    };
    const EndWay ways[] = {
        {"CloseGarden", [] { g_ORVMgr.CloseGarden(); }, true, false},
        {"Release then Init",
         [] {
             g_ORVMgr.Release();
             ASSERT_EQ(Init(), 0);
         },
         true, false},
        {"the connect time-out",
         [this] {
             m_Rig.m_Fake.m_dwTick += kSessionTimeout + 1;
             g_ORVMgr.Render();
             ASSERT_FALSE(g_SessionHost.asked.empty());
             EXPECT_EQ(g_SessionHost.asked.back(), HOSTCMD_CONNECT_TIMEOUT);
         },
         false, false},
        // A host switching accounts without closing: the server has read what was sent.
        {"the next OpenGarden", [this] { m_Rig.StepUntil([] { return false; }, 10); }, true, true},
    };
    ASSERT_EQ(Init(), 0);
    const u32 freshTick = m_Rig.m_Fake.m_dwTick;
    const Seen fresh = SeeSession();
    ASSERT_FALSE(fresh.cards.empty());
    g_ORVMgr.Release();
    AwaitEndOfConnection();
    for (const auto& s : stages) {
        for (const EndWay& way : ways) {
            if (s.stage == Stage::kScreenOpen && !way.endsAnOpenScreen) {
                continue;
            }
            SCOPED_TRACE(std::string(s.name) + ", ended by " + way.name);
            ASSERT_EQ(Init(), 0);
            Reach(s.stage);
            way.end();
            Seen expected = fresh;
            if (way.byTheNextOpen) {
                m_Rig.m_Server.Take();
                if (s.stage == Stage::kScreenOpen) {
                    // The open closes the screen first.
                    expected.asked.insert(expected.asked.begin(), HOSTCMD_GARDEN_CLOSED);
                }
            } else {
                ASSERT_FALSE(g_ORVMgr.IsGardenOpen());
                EXPECT_EQ(LeftBehind(), "") << "kept until the next open";
                AwaitEndOfConnection();
            }

            m_Rig.m_Server.Script(LoginAndEnter());
            m_Rig.m_Fake.m_dwTick = freshTick;   // the plots pulse by the clock
            ExpectSame(SeeSession(), expected);
            g_ORVMgr.Release();
            AwaitEndOfConnection();
        }
    }
}

// Through a whole session (the login with its verification line, the screen opened and closed)
// and a second login that times out, the host throws on one command: that command is answered 0
// with one debug line each time it is asked, nothing it threw reaches a catch of the library's, and
// the library goes on as with the answer 0.
TEST_F(GardenSessionTest, EachHostCommandThatThrowsIsAnsweredZeroWithItsDebugLine)
{
    // The login (the ninth line, the verification line), the screen opened and closed; the second
    // login, its time-out.
    const std::vector<int> whole = {HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN,     HOSTCMD_NEED_VERIFY,
                                    HOSTCMD_NEED_VERIFY, HOSTCMD_GARDEN_OPENED, HOSTCMD_GARDEN_CLOSED,
                                    HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN,     HOSTCMD_CONNECT_TIMEOUT};
    const std::vector<u16> loggedIn = {48, 3030, 884};
    const struct {
        int command;             // 0: the host throws on none
        std::vector<int> asked;
        std::vector<u16> sent;   // by the first session
        bool opened;
        u32 timeout;
    } cases[] = {
        {0, whole, loggedIn, true, kSessionTimeout},
        // No login text: nothing connects, the watchdog alone ends the second session.
        {HOSTCMD_GET_LOGIN,
         {HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN, HOSTCMD_GET_TIMEOUT, HOSTCMD_GET_LOGIN, HOSTCMD_CONNECT_TIMEOUT},
         {},
         false,
         kSessionTimeout},
        {HOSTCMD_GARDEN_OPENED, whole, loggedIn, true, kSessionTimeout},
        {HOSTCMD_GARDEN_CLOSED, whole, loggedIn, true, kSessionTimeout},
        {HOSTCMD_CONNECT_TIMEOUT, whole, loggedIn, true, kSessionTimeout},
        {HOSTCMD_GET_TIMEOUT, whole, loggedIn, true, kDefaultConnectTimeout},
        // No ninth line read, no verification line sent.
        {HOSTCMD_NEED_VERIFY, whole, {48, 884}, true, kSessionTimeout},
    };
    const std::string login = g_SessionHost.login;
    for (const auto& c : cases) {
        SCOPED_TRACE("the host throws on command " + std::to_string(c.command));
        g_SessionHost = SessionHost{};
        g_SessionHost.login = login;
        g_SessionHost.verify = 1;
        g_SessionHost.throwOn = c.command;
        m_Rig.m_Fake.m_vDebugLines.clear();
        ASSERT_EQ(Init(), 0);

        g_ORVMgr.OpenGarden();
        const u32 timeout = GetLoginInfo().m_dwTimeout;
        const bool opened = Run([] { return g_ORVMgr.IsGardenOpen(); });
        const std::string selfName = GetLoginInfo().strSelfDisName;
        std::vector<u16> sent;
        for (const ServerFrame& f : m_Rig.m_Server.Take()) {
            sent.push_back(FakeGardenServer::MessageId(f.packet));
        }
        g_ORVMgr.CloseGarden();
        EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
        AwaitEndOfConnection();   // the first session's frames read
        g_SessionHost.login.clear();
        g_ORVMgr.OpenGarden();
        m_Rig.m_Fake.m_dwTick += kSessionTimeout + 1;
        g_ORVMgr.Render();
        g_ORVMgr.Render();   // told once

        EXPECT_EQ(g_SessionHost.asked, c.asked);
        EXPECT_EQ(timeout, c.timeout);
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(selfName, c.opened && c.command != HOSTCMD_NEED_VERIFY ? "Me" : "");
        EXPECT_EQ(sent, c.sent);
        for (int command = HOSTCMD_GET_LOGIN; command <= HOSTCMD_NEED_VERIFY; ++command) {
            const std::string line = "the host's procedure, command " + std::to_string(command) + " threw";
            const auto lines = std::count_if(m_Rig.m_Fake.m_vDebugLines.begin(), m_Rig.m_Fake.m_vDebugLines.end(),
                                             [&](const std::string& l) { return l.find(line) != std::string::npos; });
            EXPECT_EQ(lines, command == c.command ? std::count(c.asked.begin(), c.asked.end(), command) : 0) << command;
        }
        EXPECT_FALSE(m_Rig.m_Fake.HasDebugLineContaining("Error,exception")) << "a throw got past the host call";
        g_ORVMgr.Release();
    }
}

}  // namespace
}  // namespace orv::test
