// Requests: the exact bytes of every request, and the checks and refusals of the routines.
#include <gtest/gtest.h>

#include <functional>

#include "aerie/state/AerieRequest.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "aerie/state/AerieStartup.h"
#include "support/ScriptedServer.h"

#include <cstring>

namespace orv::test {
namespace {

class AerieRequestTest : public AerieTest {
protected:
    CAerieRequest& Req() { return CAerieRequest::GetSingleton(); }
    void SetShownIncubators(const std::string& records)
    {
        Store().GetShownCity().m_Incubators.Rebuild(reinterpret_cast<const unsigned char*>(records.data()),
                                                    records.size(), m_Fake.m_dwTick);
    }
};

struct RequestCase {
    const char* what;
    std::function<void(CAerieRequest&)> call;
    std::string bytes;   // the whole request
};

TEST_F(AerieRequestTest, EveryRequestHasItsExactBytes)
{
    const std::string me = "me";
    std::vector<AerieSlaveEntry> slaves(1);
    std::memcpy(slaves[0].m_Data, "slave", 5);
    WriteLE32(slaves[0].m_Data + aerie_layout::kSlaveWorth, 300);
    std::vector<AerieFriendEntry> friends(1);
    std::memcpy(friends[0].m_Data, "0123456789abcdef", 16);   // a full name without NUL
    std::vector<AerieBeastEntry> beasts(1);
    std::memcpy(beasts[0].m_Data, "beastowner", 10);

    const RequestCase cases[] = {
        {"visit", [](CAerieRequest& r) { r.VisitCity("host"); }, Header(0, 0x00) + "host"},
        {"upgrade building 5 group 2", [](CAerieRequest& r) { r.UpgradeBuilding(5, 2); },
         std::string("\x00\x00\x00\x00\x67\x03\x01\x00\x05\x00\x02\x00", 12)},
        {"buy 500000 coins of kind 2", [](CAerieRequest& r) { r.BuyResource(500000, 2); },
         std::string("\x20\xA1\x07\x00", 4) + LE16(0x367) + LE16(2) + LE16(2) + LE16(0)},
        {"upgrade science", [](CAerieRequest& r) { r.UpgradeScience(9, 1); }, Header(0, 0x03, 9, 1)},
        {"leave", [](CAerieRequest& r) { r.LeaveGame(); }, Header(0, 0x06)},
        {"split", [](CAerieRequest& r) { r.SplitItem(7, 3); }, Header(0, 0x14, 7, 3)},
        {"monster upgrade", [](CAerieRequest& r) { r.UpgradeMonster(12, 1); }, Header(0, 0x15, 12, 1)},
        {"monster release", [](CAerieRequest& r) { r.ReleaseMonster(12); }, Header(0, 0x16, 12)},
        {"monster move", [](CAerieRequest& r) { r.MoveMonster(12, 31); }, Header(0, 0x17, 12, 31)},
        {"skill refresh", [](CAerieRequest& r) { r.RefreshGroupSkill(3, 5); }, Header(0, 0x18, 3, 5)},
        {"get-monster 0x1b", [](CAerieRequest& r) { r.GetMonsterAction(0x1b, 1, 2); }, Header(0, 0x1b, 1, 2)},
        {"get-monster 0x1d refused", [](CAerieRequest& r) { r.GetMonsterAction(0x1d, 1, 2); }, ""},
        {"plunder", [](CAerieRequest& r) { r.StartPlunder(2, 1, 7); }, Header(2, 0x1d, 1, 7) + me},
        {"award refresh", [](CAerieRequest& r) { r.RefreshFightAward(0, 7, 15); }, Header(0, 0x1e, 7, 15)},
        {"claim reward", [](CAerieRequest& r) { r.ClaimFightReward(4); }, Header(0, 0x1f, 0, 4) + me},
        {"before fight", [](CAerieRequest& r) { r.ConfirmBeforeFight(1, 2, 3); }, Header(1, 0x20, 2, 3) + me},
        {"claim mission", [](CAerieRequest& r) { r.ClaimMainMission(100); }, Header(0, 0x21, 100) + me},
        {"defence", [](CAerieRequest& r) { r.StartDefence(0, 2, 5); }, Header(0, 0x22, 2, 5) + me},
        {"mission list", [](CAerieRequest& r) { r.FetchMainMissions(); }, Header(0, 0x23)},
        {"cancel", [](CAerieRequest& r) { r.CancelWork(0, 2, 0); }, Header(0, 0x24, 2)},
        {"speed-up option 0", [](CAerieRequest& r) { r.SpeedUp(0, 7); }, Header(0, 0x25, 7, 1)},
        {"speed-up option 3", [](CAerieRequest& r) { r.SpeedUp(3, 7); }, Header(0, 0x25, 7, 16)},
        {"speed-up option 4 refused", [](CAerieRequest& r) { r.SpeedUp(4, 7); }, ""},
        {"speed-up option -1 refused", [](CAerieRequest& r) { r.SpeedUp(-1, 7); }, ""},
        {"choose beast", [](CAerieRequest& r) { r.ChooseBeast(3, 1); }, Header(0, 0x66, 3, 1) + me},
        {"register beast", [](CAerieRequest& r) { r.RegisterBeast(6, 0); }, Header(0, 0x68, 6) + me},
        {"beast list", [](CAerieRequest& r) { r.FetchBeastList(4, "other"); }, Header(0, 0x69, 4) + "other"},
        {"breed", [&](CAerieRequest& r) { r.BreedBeast(beasts, 0); }, Header(0, 0x6a) + "beastowner"},
        {"breed out of range", [&](CAerieRequest& r) { r.BreedBeast(beasts, 1); }, ""},
        {"change job", [](CAerieRequest& r) { r.ChangeBeastJob(2); }, Header(0, 0x6b, 2) + me},
        {"discard bag egg", [](CAerieRequest& r) { r.EggBagAction(19, kEggDiscard); }, Header(0, 0x77, 19) + me},
        {"bag slot 20 refused", [](CAerieRequest& r) { r.EggBagAction(20, kEggDiscard); }, ""},
        {"bag slot -1 refused", [](CAerieRequest& r) { r.EggBagAction(-1, kEggDiscard); }, ""},
        {"slave list", [&](CAerieRequest& r) { r.FetchSlaveList(Store().m_vSlaves); }, Header(0, 0x6f)},
        {"find slave", [](CAerieRequest& r) { r.FindSlave("who"); }, Header(0, 0x70) + "who"},
        {"find nobody", [](CAerieRequest& r) { r.FindSlave(""); }, ""},
        {"find null", [](CAerieRequest& r) { r.FindSlave(nullptr); }, ""},
        {"hire", [&](CAerieRequest& r) { r.HireSlave(slaves, 0, 2); }, Header(300, 0x71, 2) + "slave"},
        {"friends mode 2", [](CAerieRequest& r) { r.FetchFriendList(2); }, Header(0, 0x75, 2) + me},
        {"friends mode 3 refused", [](CAerieRequest& r) { r.FetchFriendList(3); }, ""},
        {"friends mode -1 refused", [](CAerieRequest& r) { r.FetchFriendList(-1); }, ""},
        {"visit friend: full 16-byte name", [&](CAerieRequest& r) { r.VisitFriendCity(friends, 0); },
         Header(0, 0x00) + "0123456789abcdef"},
        {"visit player", [](CAerieRequest& r) { r.VisitPlayerCity("p2"); }, Header(0, 0x00) + "p2"},
        {"hatch first egg now", [](CAerieRequest& r) { r.HatchFirstEggNow(); }, Header(0, 0xca)},
        {"finish newbie", [](CAerieRequest& r) { r.FinishNewbie(); }, Header(0, 0xcb)},
        {"gift monsters", [](CAerieRequest& r) { r.TakeGiftMonsters(); }, Header(0, 0xcc)},
        {"exchange keeps zero bytes", [](CAerieRequest& r) { r.ExchangeResources(std::string(32, '\0')); },
         Header(0, 0xcd) + std::string(32, '\0')},
        {"empty text body", [](CAerieRequest& r) {
             NetMsgHeader h;
             h.m_wSubId = 0x23;
             r.Send(h, "", 5);
         }, Header(0, 0x23)},
    };
    for (const RequestCase& c : cases) {
        m_Host.ClearLog();
        c.call(Req());
        const std::vector<SentRequest> sent = Sent();
        if (c.bytes.empty()) {
            EXPECT_TRUE(sent.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(sent.size(), 1u) << c.what;
        EXPECT_EQ(sent[0].m_strBytes, c.bytes) << c.what;
    }
}

TEST_F(AerieRequestTest, VisitingDuringTheTutorialSendsNothingAndSaysSoOnEveryCall)
{
    g_GameHooks.pfnNewBieIsActive = [] { return true; };
    Req().VisitCity("friend");
    CAutoTip::GetSingleton().Next();
    Req().VisitPlayerCity("friend");
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("friend"));
    EXPECT_EQ(Tips(), (std::vector<std::string>{"请您先完成新手任务，再去好友的琉璃台！"}));
}

TEST_F(AerieRequestTest, RequestsWithoutCallbackAreDroppedWithADebugLine)
{
    *GetORVCallBack() = nullptr;
    Req().UpgradeBuilding(1, 1);
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("no callback"));
}

TEST_F(AerieRequestTest, HatchingRefusesWhenNoOpenedIncubatorIsFree)
{
    struct Case {
        const char* what;
        std::string incubators;
        const char* notice;   // null: the hatch is sent
    };
    const Case cases[] = {
        {"all opened, all busy", Incubator(true, 5, 10, 0) + Incubator(true, 6, 10, 0), "孵化数量达到上限"},
        {"busy and a closed one", Incubator(true, 5, 10, 0) + Incubator(false, 0, 0, 0),
         "孵化数量达到上限，在城堡研究所研究孵化技巧可增加孵化数量。"},
        {"none at all", "", "孵化数量达到上限"},
        {"a free one", Incubator(true, 5, 10, 0) + Incubator(true, 0, 0, 0), nullptr},
    };
    std::vector<u16> steps;
    static std::vector<u16>* s_pSteps = nullptr;
    s_pSteps = &steps;
    g_GameHooks.pfnNewBieOnStepEvent = [](u16 step) { s_pSteps->push_back(step); };
    for (const Case& c : cases) {
        ResetLibrary();
        InstallAerieHooks();
        g_GameHooks.pfnNewBieOnStepEvent = [](u16 step) { s_pSteps->push_back(step); };
        Attach();
        steps.clear();
        SetShownIncubators(c.incubators);
        Req().EggBagAction(4, kEggHatch);
        if (c.notice != nullptr) {
            EXPECT_TRUE(Sent().empty()) << c.what;
            EXPECT_EQ(Tips(), std::vector<std::string>{c.notice}) << c.what;
            EXPECT_TRUE(steps.empty()) << c.what;
        } else {
            ASSERT_EQ(Sent().size(), 1u) << c.what;
            EXPECT_EQ(Sent()[0].m_strBytes, Header(0, 0x6c, 4) + "me") << c.what;
            EXPECT_EQ(steps, std::vector<u16>{kNewBieStepHatch}) << c.what;
        }
    }
}

TEST_F(AerieRequestTest, DiscardQuestionsPostTheirTopicWithTheSlotOrIndex)
{
    SetShownIncubators(Incubator(true, 5, 10, 0) + Incubator(true, 6, 10, 0));
    Req().EggBagAction(7, kEggAskDiscard);
    Req().IncubatorTool(Store().GetShownCity().m_Incubators, 1, kToolDiscard);
    EXPECT_TRUE(Req().IncubatorEggAction(Store().GetShownCity().m_Incubators, 0, kIncubatorAskDiscard));
    const auto& boxes = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].m_strText, "你确认要丢弃这颗怪物蛋吗？");
    EXPECT_EQ(boxes[0].m_OkMsg.m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(boxes[0].m_OkMsg.m_wParam, 33u);
    EXPECT_EQ(boxes[0].m_OkMsg.m_lParam, 7u);
    EXPECT_EQ(boxes[1].m_strText, "你确认要丢弃这颗孵化蛋吗？");
    EXPECT_EQ(boxes[1].m_OkMsg.m_wParam, 34u);
    EXPECT_EQ(boxes[1].m_OkMsg.m_lParam, 1u);
    EXPECT_EQ(boxes[2].m_OkMsg.m_lParam, 0u);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(AerieRequestTest, IncubatorChecksRefuseWithTheirNotice)
{
    m_Fake.m_dwTick = 50000;
    SetShownIncubators(Incubator(false, 0, 0, 0) + Incubator(true, 0, 0, 0) + Incubator(true, 5, 0, 5) +
                       Incubator(true, 5, 20, 0, "helper") + Incubator(true, 5, 0, 0));
    AerieIncubators& inc = Store().GetShownCity().m_Incubators;
    Store().GetShownCity().m_strOwnerName = "owner";
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* notice;        // "" none
        std::string sent;          // "" nothing
    };
    const Case cases[] = {
        {"steal from a closed one", [&] { Req().IncubatorTool(inc, 0, kToolSteal); }, "该孵化器还未开启", ""},
        {"steal from an empty one", [&] { Req().IncubatorTool(inc, 1, kToolSteal); }, "没有孵化蛋", ""},
        {"steal during the anti-theft time", [&] { Req().IncubatorTool(inc, 2, kToolSteal); },
         "顺手牵羊失败，孵化蛋正处于防盗期", ""},
        {"steal", [&] { Req().IncubatorTool(inc, 4, kToolSteal); }, "", Header(0, 0x79, 4) + "owner"},
        {"discard from an empty one", [&] { Req().IncubatorTool(inc, 1, kToolDiscard); }, "没有孵化蛋", ""},
        {"smash while hatching", [&] { Req().IncubatorTool(inc, 3, kToolSmash); }, "", ""},
        {"smash a finished egg", [&] { Req().IncubatorTool(inc, 2, kToolSmash); }, "", Header(0, 0x6d, 2) + "me"},
        {"tool out of range", [&] { Req().IncubatorTool(inc, 5, kToolSteal); }, "", ""},
        {"hire where one is hired", [&] { Req().IncubatorEggAction(inc, 3, kIncubatorHireCheck); }, "已经雇佣奴隶了", ""},
        {"hire at a closed one", [&] { Req().IncubatorEggAction(inc, 0, kIncubatorHireCheck); }, "该孵化器还未开启", ""},
        {"hire at a finished one", [&] { Req().IncubatorEggAction(inc, 2, kIncubatorHireCheck); }, "已经孵化完成", ""},
        {"discard the egg", [&] { Req().IncubatorEggAction(inc, 3, kIncubatorDiscard); }, "", Header(0, 0x6e, 3) + "me"},
        {"treat well", [&] { Req().TreatSlaveWell(3); }, "", Header(0, 0x73, 3) + "me"},
        {"mistreat", [&] { Req().MistreatSlave(3); }, "", Header(0, 0x72, 3) + "me"},
        {"mistreat out of range", [&] { Req().MistreatSlave(5); }, "", ""},
    };
    for (const Case& c : cases) {
        m_Host.ClearLog();
        ClearTips();
        c.call();
        EXPECT_EQ(Tips(), *c.notice ? std::vector<std::string>{c.notice} : std::vector<std::string>{}) << c.what;
        const std::vector<SentRequest> sent = Sent();
        if (c.sent.empty()) {
            EXPECT_TRUE(sent.empty()) << c.what;
        } else {
            ASSERT_EQ(sent.size(), 1u) << c.what;
            EXPECT_EQ(sent[0].m_strBytes, c.sent) << c.what;
        }
    }
    // Five seconds later the anti-theft time has run out.
    m_Fake.m_dwTick += 5000;
    m_Host.ClearLog();
    Req().IncubatorTool(inc, 2, kToolSteal);
    EXPECT_EQ(Sent().size(), 1u);
}

TEST_F(AerieRequestTest, HiringYourselfIsRefusedOnTheFirstSixteenBytes)
{
    m_Host.m_strPlayerName = "abcdefghijklmnopXYZ";
    std::vector<AerieSlaveEntry> slaves(2);
    std::memcpy(slaves[0].m_Data, "abcdefghijklmnop", 16);
    Req().HireSlave(slaves, 0, 1);
    Req().HireSlave(slaves, 1, 1);   // an empty name
    Req().HireSlave(slaves, 2, 1);   // out of range
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Tips(), std::vector<std::string>{"不能雇佣自己"});
}

TEST_F(AerieRequestTest, FetchingAListEmptiesTheLocalOne)
{
    Store().m_vFriends.resize(3);
    Store().m_vSlaves.resize(2);
    Req().FetchFriendList(5);
    EXPECT_EQ(Store().m_vFriends.size(), 3u);
    Req().FetchFriendList(1);
    Req().FetchSlaveList(Store().m_vSlaves);
    EXPECT_TRUE(Store().m_vFriends.empty());
    EXPECT_TRUE(Store().m_vSlaves.empty());
    EXPECT_EQ(Sent().size(), 2u);
}

}  // namespace
}  // namespace orv::test
