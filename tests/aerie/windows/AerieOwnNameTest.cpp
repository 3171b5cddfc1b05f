// Requests whose body is the player's own name go out only with a name. Whatever the host answers
// GetPlayerName (a throw, null, an empty name), nothing is sent, one debug line says why and the
// window that asked stays as it was; a name with no NUL within its bound or longer than it is read
// within the bound. The enter request goes out only with a city owner's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "AerieBeastFixture.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieFightWnds.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ExportClick.h"
#include "tools/QuietHost.h"

namespace orv::test {
namespace {

constexpr const char kNoName[] = "not sent: the host gave no player name";

int LinesContaining(const std::vector<std::string>& lines, const std::string& part)
{
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

std::string SubText(u16 sub)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X ", sub);
    return text;
}

// Answers GetPlayerName as a test sets it (or throws) and hands every request to the recording
// host, whose log the tests read.
class NameAnsweringHost final : public sample::QuietHost {
public:
    explicit NameAnsweringHost(RecordingHost& log) : m_Log(log) {}
    const char* GetPlayerName() override
    {
        if (m_bThrow) {
            throw std::runtime_error("host failure");
        }
        return m_pName;
    }
    void SendToServer(const char* data, int len) override { m_Log.SendToServer(data, len); }

    bool m_bThrow = false;
    const char* m_pName = nullptr;

private:
    RecordingHost& m_Log;
};

// Holds cb as the library's callback while it lives; the one held before comes back after.
class HeldCallBack {
public:
    explicit HeldCallBack(IORVCallBack* cb) : m_pWas(*GetORVCallBack()) { *GetORVCallBack() = cb; }
    ~HeldCallBack() { *GetORVCallBack() = m_pWas; }
    HeldCallBack(const HeldCallBack&) = delete;
    HeldCallBack& operator=(const HeldCallBack&) = delete;

private:
    IORVCallBack* m_pWas;
};

// ---- The requests ----

class AerieOwnNameRequests : public AerieTest {
protected:
    CAerieRequest& Req() { return CAerieRequest::GetSingleton(); }
    static std::vector<u16>& Steps()
    {
        static std::vector<u16> s_Steps;
        return s_Steps;
    }
};

TEST_F(AerieOwnNameRequests, EveryRequestNamingThePlayerNeedsAName)
{
    // Incubator 0 free (a hatch goes there), 1 finished (smashed), 2 hatching with a hired friend.
    const std::string incubators = Incubator(true, 0, 0, 0) + Incubator(true, 5, 0, 5) + Incubator(true, 5, 20, 0, "pal");
    Store().GetShownCity().m_Incubators.Rebuild(reinterpret_cast<const unsigned char*>(incubators.data()),
                                                incubators.size(), m_Fake.m_dwTick);
    AerieIncubators& inc = Store().GetShownCity().m_Incubators;
    g_GameHooks.pfnNewBieOnStepEvent = [](u16 step) { Steps().push_back(step); };

    struct Request {
        const char* what;
        std::function<void()> call;
        std::string header;
    };
    const Request requests[] = {
        {"own city", [&] { Req().VisitOwnCity(); }, Header(0, 0x00)},
        {"plunder", [&] { Req().StartPlunder(2, 1, 7); }, Header(2, 0x1d, 1, 7)},
        {"claim reward", [&] { Req().ClaimFightReward(4); }, Header(0, 0x1f, 0, 4)},
        {"before fight", [&] { Req().ConfirmBeforeFight(1, 2, 3); }, Header(1, 0x20, 2, 3)},
        {"claim mission", [&] { Req().ClaimMainMission(100); }, Header(0, 0x21, 100)},
        {"defence", [&] { Req().StartDefence(0, 2, 5); }, Header(0, 0x22, 2, 5)},
        {"choose beast", [&] { Req().ChooseBeast(3, 1); }, Header(0, 0x66, 3, 1)},
        {"register beast", [&] { Req().RegisterBeast(6, 0); }, Header(0, 0x68, 6)},
        {"change job", [&] { Req().ChangeBeastJob(2); }, Header(0, 0x6b, 2)},
        {"hatch", [&] { Req().EggBagAction(4, kEggHatch); }, Header(0, 0x6c, 4)},
        {"smash", [&] { Req().IncubatorTool(inc, 1, kToolSmash); }, Header(0, 0x6d, 1)},
        {"discard hatching egg", [&] { Req().IncubatorEggAction(inc, 2, kIncubatorDiscard); }, Header(0, 0x6e, 2)},
        {"mistreat", [&] { Req().MistreatSlave(2); }, Header(0, 0x72, 2)},
        {"treat well", [&] { Req().TreatSlaveWell(2); }, Header(0, 0x73, 2)},
        {"friends", [&] { Req().FetchFriendList(1); }, Header(0, 0x75, 1)},
        {"discard bag egg", [&] { Req().EggBagAction(19, kEggDiscard); }, Header(0, 0x77, 19)},
    };

    // A name with no NUL within the bound, in a buffer of exactly its size.
    const std::vector<char> unterminated = ExactBytes(std::string(kMaxHostText, 'u'));
    const std::string overLong(kMaxHostText + 44, 'o');
    struct Answer {
        const char* what;
        bool throws;
        const char* name;
        std::string body;   // "" nothing is sent
    };
    const Answer answers[] = {
        {"throws", true, nullptr, ""},
        {"null", false, nullptr, ""},
        {"empty", false, "", ""},
        {"a name", false, "me", "me"},
        {"no NUL within the bound", false, unterminated.data(), std::string(kMaxHostText, 'u')},
        {"longer than the bound", false, overLong.c_str(), std::string(kMaxHostText, 'o')},
    };

    NameAnsweringHost host(m_Host);
    const HeldCallBack held(&host);
    for (const Answer& a : answers) {
        host.m_bThrow = a.throws;
        host.m_pName = a.name;
        for (const Request& r : requests) {
            SCOPED_TRACE(std::string(r.what) + ", the host's name " + a.what);
            m_Host.ClearLog();
            m_Fake.m_vDebugLines.clear();
            Steps().clear();
            Store().m_vFriends.resize(3);
            r.call();
            const std::vector<SentRequest> sent = Sent();
            const int lines = LinesContaining(m_Fake.m_vDebugLines, kNoName);
            if (a.body.empty()) {
                EXPECT_TRUE(sent.empty());
                EXPECT_EQ(lines, 1);
                const u16 sub = ReadLE16(reinterpret_cast<const unsigned char*>(r.header.data()) + 6);
                EXPECT_TRUE(m_Fake.HasDebugLineContaining(SubText(sub) + kNoName));
                EXPECT_TRUE(Steps().empty());                 // the tutorial hears of no hatch
                EXPECT_EQ(Store().m_vFriends.size(), 3u);     // the list held stays: no answer comes
            } else {
                ASSERT_EQ(sent.size(), 1u);
                EXPECT_EQ(sent[0].m_strBytes, r.header + a.body);
                EXPECT_EQ(lines, 0);
            }
        }
    }
}

TEST_F(AerieOwnNameRequests, AnEnterRequestNeedsAnOwnersName)
{
    std::vector<AerieFriendEntry> friends(1);   // a friend entry with an empty name
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* line;   // the debug line that says why
    };
    const char* const noOwner = "0x0 not sent: no city owner's name";
    const Case cases[] = {
        // The open refuses before it starts a session.
        {"open with an empty owner name", [&] { CORVMgr::GetSingleton().OpenAerie(&m_Host, ""); },
         "OpenAerie without an owner name"},
        {"an empty friend entry", [&] { Req().VisitFriendCity(friends, 0); }, noOwner},
        {"a name that starts with NUL", [&] { Req().VisitCity(std::string("\0abc", 4)); }, noOwner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_Host.ClearLog();
        m_Fake.m_vDebugLines.clear();
        c.call();
        EXPECT_TRUE(Sent().empty());
        EXPECT_EQ(LinesContaining(m_Fake.m_vDebugLines, c.line), 1);
    }
}

// ---- The windows that send them, driven as the host drives them ----

class AerieOwnNameWindows : public AerieBeastTest {
protected:
    // For each answer that gives no name (a throw, an empty name): act sends nothing, one debug line
    // says why and stays() holds. Then, with the name back, act sends request sub once.
    void ExpectNothingWithoutAName(u16 sub, const std::function<void()>& act, const std::function<void()>& stays)
    {
        for (const bool throws : {true, false}) {
            SCOPED_TRACE(throws ? "GetPlayerName throws" : "GetPlayerName answers an empty name");
            m_Host.m_strPlayerName = throws ? "me" : "";
            m_Host.m_fnOnCall = [throws](const std::string& slot) {
                if (throws && slot == "GetPlayerName") {
                    throw std::runtime_error("host failure");
                }
            };
            TakeSent();
            m_Fake.m_vDebugLines.clear();
            act();
            EXPECT_TRUE(TakeSent().empty());
            EXPECT_EQ(LinesContaining(m_Fake.m_vDebugLines, SubText(sub) + kNoName), 1);
            stays();
        }
        m_Host.m_fnOnCall = nullptr;
        m_Host.m_strPlayerName = "me";
        act();
        const std::vector<SentRequest> sent = TakeSent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, sub);
        EXPECT_EQ(sent[0].m_strBody, "me");
    }
    void TearDown() override
    {
        m_Host.m_fnOnCall = nullptr;
        AerieBeastTest::TearDown();
    }
};

TEST_F(AerieOwnNameWindows, BackFromAVisitedCityStaysThere)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 1)), true), nullptr);
    ExpectNothingWithoutAName(0x00, [&] { ClickThroughExports(Wnd()->m_pBackBtn); },
                              [&] {
                                  ASSERT_NE(Wnd(), nullptr);
                                  EXPECT_FALSE(AerieView::IsOwnCityShown());
                                  EXPECT_TRUE(Wnd()->m_pBackBtn->m_bVisible);
                                  DrawFrame();
                                  EXPECT_NE(Text("other"), nullptr);   // the visited city is drawn
                              });
}

TEST_F(AerieOwnNameWindows, HomeFromAVisitedHatchPageKeepsTheTool)
{
    ASSERT_NE(Enter(BeastItem(1, 0), true), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastHatchOtherItem>();
    ASSERT_NE(page, nullptr);
    ClickOn(page, page->m_pStealBtn);
    ExpectNothingWithoutAName(0x00, [&] { ClickOn(page, page->m_pReturnBtn); },
                              [&] { EXPECT_EQ(page->m_nTool, kHatchToolSteal); });
    EXPECT_EQ(page->m_nTool, kHatchToolNone);
}

TEST_F(AerieOwnNameWindows, TheChooserStaysOpen)
{
    Recv(Message(kOwnId, 101));
    auto* chooser = dynamic_cast<CAerieChooseBeastWnd*>(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST));
    ASSERT_NE(chooser, nullptr);
    Route(ORVMsg(ORV_MSG_CHOOSEBEAST, kChooseBeastNoticeRead));
    ClickOn(chooser, chooser->m_pItem[1]);
    const u16 step = CAerieNewBie::GetSingleton().m_wStep;
    const ORVLifeWatch life = chooser->Watch();
    ExpectNothingWithoutAName(0x66,
                              [&] {
                                  if (!life.expired()) {
                                      ClickOn(chooser, chooser->m_pOkBtn);
                                  }
                              },
                              [&] {
                                  Frame(2);
                                  ASSERT_FALSE(life.expired());
                                  EXPECT_EQ(chooser->m_pItem[1]->m_bAnimating, 1);   // still selected
                                  EXPECT_EQ(CAerieNewBie::GetSingleton().m_wStep, step);
                              });
    Frame(2);
    EXPECT_EQ(MainWnd().GetSystemWindow(ORV_MSG_CHOOSEBEAST), nullptr);
}

TEST_F(AerieOwnNameWindows, TheDefenceSheetStaysOpen)
{
    LoadGameData(R"(<fight Group="2" Type="5" Name="D5" Scale="S" Wait="10" FriendWait="5" Fight="20"/>)");
    SetAerieWindowRecord(AerieWndKind::FightDefendBefore, ORV_RUNTIME_CLASS(CAerieFightDefendBeforeWnd));
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 3))), nullptr);
    Store().GetOwnCity().m_aGroups[2].m_dwMonsterCount = 3;
    std::string fight = FightRecord(5, 60, 120, 30, 0);
    fight[aerie_layout::kFightPhase] = 3;
    ASSERT_NE(Enter(Item(13, fight), true), nullptr);
    Route(GameEvent(EVT_FIGHTDEFEND_WND, 5));
    auto* sheet = dynamic_cast<CAerieFightDefendBeforeWnd*>(Wnd()->m_pFightWnd);
    ASSERT_NE(sheet, nullptr);
    const ORVLifeWatch life = sheet->Watch();
    ExpectNothingWithoutAName(0x22,
                              [&] {
                                  if (!life.expired()) {
                                      ClickOn(sheet, sheet->m_pStartButton);
                                  }
                              },
                              [&] {
                                  Frame(2);
                                  EXPECT_FALSE(life.expired());
                              });
    Frame(2);
    EXPECT_EQ(Wnd()->m_pFightWnd, nullptr);
}

TEST_F(AerieOwnNameWindows, AFriendListKeepsItsModeAndItsFriends)
{
    ASSERT_NE(Enter(BeastItem(1, 0), true), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastHatchOtherItem>();
    ASSERT_NE(page, nullptr);
    ClickOn(page, page->m_pFriendsBtn);
    auto* list = dynamic_cast<CAerieHatchRelationWnd*>(page->m_FriendWnd.Get());
    ASSERT_NE(list, nullptr);
    Recv(RecordList(117, aerie_layout::kFriendSize, {"f0", "f1"}));
    const int mode = WindowKeep().m_nHatchFriendMode;
    ExpectNothingWithoutAName(0x75,
                              [&] {
                                  list->m_pModeGroup->SetCurSel(2);
                                  ClickOn(list, list->m_pModeGroup);
                              },
                              [&] {
                                  EXPECT_EQ(list->m_pModeGroup->m_nCurSel, mode);
                                  EXPECT_EQ(WindowKeep().m_nHatchFriendMode, mode);
                                  EXPECT_EQ(AerieView::FriendList().size(), 2u);
                              });
    EXPECT_EQ(WindowKeep().m_nHatchFriendMode, 2);
}

}  // namespace
}  // namespace orv::test
