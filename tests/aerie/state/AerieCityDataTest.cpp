// The city store: monster entries and the groups' production figures, work states, fight-mission
// countdowns, incubator timers and the store's accessors over the game data.
#include <gtest/gtest.h>

#include "aerie/state/NetMsgHeader.h"
#include "support/ScriptedServer.h"

namespace orv::test {
namespace {

using namespace aerie_layout;

// Game data for the figures: a level-2 monster, a level-9 one, two skills and a science.
const char kGameData[] =
    "<Monster ID=\"11\" Name=\"m11\" Lvl=\"2\" GroupIcon=\"381\"/>"
    "<Monster ID=\"12\" Name=\"m12\" Lvl=\"9\" GroupIcon=\"380\"/>"
    "<MonSkill ID=\"0\" Name=\"s0\" Effect=\"0,10,20\"/>"
    "<MonSkill ID=\"1\" Name=\"s1\" Effect=\"0,50\"/>"
    "<MonSkill ID=\"2\" Name=\"s2\" Effect=\"0,-30\"/>"
    "<MonSkill ID=\"11\" Name=\"s11\" Effect=\"0,1e30\"/>"
    "<Building Id=\"4\" Name=\"farm\" Effect=\"5,10,15\"/>"
    "<Building Id=\"0\" Name=\"castle\" Effect=\"1,2\"/>"
    "<Science Id=\"20\" Name=\"sci\" Effect=\"0,7,9\"/>"
    "<Creavity Effect=\"100,200\"/>"
    "<fight Group=\"2\" Type=\"8\" Name=\"defend8\"/>";

class AerieCityTest : public AerieTest {
protected:
    void SetUp() override
    {
        AerieTest::SetUp();
        LoadGameData(kGameData);
        EnterOwnCity();
    }
    void Apply(const std::string& items) { Recv(Message(kOwnId, 1, items)); }
    CAerieCityData& Own() { return Store().m_OwnCity; }
};

TEST_F(AerieCityTest, MonsterEntriesKeepTheirCountByLevelAndClearOnTwoBytes)
{
    Apply(Item(5, MonsterRecord(12, 11, 6, 1, 2, 3, 0)) + Item(5, MonsterRecord(13, 12, 4, 1, 1, 1, 90)) +
          Item(5, "\x0e"));
    const AerieMonsterEntry& a = Own().GetMonster(12);
    EXPECT_EQ(a.m_adwLevelCount[1], 6u);
    EXPECT_EQ(a.m_dwStamp, 0u) << "no timer, no stamp";
    EXPECT_STREQ(GetMonsterWorkName(a), "工程");
    const AerieMonsterEntry& b = Own().GetMonster(13);
    EXPECT_EQ(b.GetReviveSeconds(), 90u);
    EXPECT_EQ(b.m_adwLevelCount[0] + b.m_adwLevelCount[1] + b.m_adwLevelCount[2] + b.m_adwLevelCount[3], 0u)
        << "a level outside 1..4 places nothing";
    EXPECT_EQ(Own().m_mapMonsters.count(14), 0u) << "a one-byte monster item is skipped";
    Apply(Item(5, LE16(12)));
    EXPECT_EQ(Own().GetMonster(12).GetMonsterId(), 0);
    EXPECT_EQ(Own().GetMonster(12).m_pConfig, nullptr);
    EXPECT_EQ(Own().GetMonster(12).m_adwLevelCount[1], 0u);
    // Reading an absent slot inserts nothing.
    EXPECT_EQ(Own().GetMonster(50).GetCount(), 0u);
    EXPECT_EQ(Own().m_mapMonsters.count(50), 0u);
    EXPECT_EQ(Own().GetGroupSkill(7).GetSkillId(), 0);
    EXPECT_EQ(Own().m_mapGroupSkills.count(7), 0u);
}

TEST_F(AerieCityTest, GroupFiguresAfterAMessage)
{
    // Group 1 (engineering: weights 200, 700, 200): 2 x (10, 20, 30) in slot 10 and 3 x (1, 1, 1)
    // in slot 19; a monster in slot 20 belongs to group 2. Skills of group 1 (keys 11-21): slot 0
    // skill 1 at level 1 (50 %), slot 1 skill 0 at level 2 (20 %), slot 2 skill 1 again (ignored),
    // slot 3 skill 2 with a negative effect, slot 4 skill 11 with a huge one.
    Apply(Item(5, MonsterRecord(10, 11, 2, 10, 20, 30)) + Item(5, MonsterRecord(19, 11, 3, 1, 1, 1)) +
          Item(5, MonsterRecord(20, 11, 100, 5, 5, 5)) + Item(4, LE16(11) + LE16(1) + LE16(1)) +
          Item(4, LE16(12) + LE16(0) + LE16(2)) + Item(4, LE16(13) + LE16(1) + LE16(0)) +
          Item(4, LE16(14) + LE16(2) + LE16(1)) + Item(4, LE16(15) + LE16(11) + LE16(1)));
    const CAerieMonsterGroup& g = Own().m_aGroups[1];
    EXPECT_EQ(Store().m_bRecompute, 0);
    EXPECT_EQ(g.m_dwMonsterCount, 5u);
    EXPECT_EQ(g.m_adwBase[0], 23u);
    EXPECT_EQ(g.m_adwBase[1], 43u);
    EXPECT_EQ(g.m_adwBase[2], 63u);
    EXPECT_EQ(g.m_adwKindCount[1][1], 5u);
    EXPECT_FLOAT_EQ(g.m_afSkillEffect[1], 50.0f);
    EXPECT_FLOAT_EQ(g.m_afSkillEffect[0], 20.0f);
    EXPECT_FLOAT_EQ(g.m_afSkillEffect[2], -30.0f);
    EXPECT_EQ(g.m_adwBonus[0], 44u);   // (200 + 23) x 20 / 100 = 44.6
    EXPECT_EQ(g.m_adwBonus[1], 371u);  // (700 + 43) x 50 / 100 = 371.5
    EXPECT_EQ(g.m_adwBonus[2], 0u) << "a negative product is clamped to 0";
    EXPECT_EQ(g.m_adwBonus[3], 0xFFFFFFFFu) << "a huge product is clamped";
    EXPECT_EQ(g.m_adwTotal[0], 44u + 200 + 23);
    EXPECT_EQ(g.m_adwTotal[1], 371u + 700 + 43);
    EXPECT_EQ(Own().m_aGroups[2].m_dwMonsterCount, 100u);
    EXPECT_EQ(Own().m_aGroups[0].m_dwMonsterCount, 0u);
    // Creativity: T1 = 1114 against the castle's level-0 entry 100, capped at 100.
    EXPECT_FLOAT_EQ(Store().GetGroupCreavityPercent(1), 11.14f);
    EXPECT_FLOAT_EQ(Store().GetGroupCreavityPercent(0), 2.0f);   // weight 200 alone
    Apply(Item(2, LE16(0) + LE16(5)));
    EXPECT_FLOAT_EQ(Store().GetGroupCreavityPercent(1), 0.0f) << "castle level beyond the list";
}

TEST_F(AerieCityTest, AMonsterOfTheVisitedCityIsRecomputedThere)
{
    Recv(Message(kOtherId, 1, Item(5, MonsterRecord(1, 11, 4, 1, 1, 1))));
    EXPECT_EQ(Store().m_VisitedCity.m_aGroups[0].m_dwMonsterCount, 4u);
    EXPECT_EQ(Own().m_aGroups[0].m_dwMonsterCount, 0u);
}

TEST_F(AerieCityTest, WorkStatesNameTheirTargetFromTheRecordTheyUpdate)
{
    Apply(Item(2, LE16(4) + LE16(2)) + Item(3, LE16(20) + LE16(1)));
    // The player visits another city whose farm is unknown; then own work states arrive.
    Recv(Compressed(kOtherId, 0, Item(0, "other")));
    Apply(Item(11, WorkState(0, 1, 4, 600)) + Item(11, WorkState(1, 2, 20)) + Item(11, WorkState(2, 4, 8)));
    EXPECT_EQ(Own().m_aGroups[0].m_strTargetName, "farm");
    EXPECT_EQ(Own().m_aGroups[0].m_wTargetLevel, 2);
    EXPECT_EQ(Own().m_aGroups[0].GetJobSeconds(), 600u);
    EXPECT_EQ(Own().m_aGroups[1].m_strTargetName, "sci");
    EXPECT_EQ(Own().m_aGroups[1].m_wTargetLevel, 1);
    EXPECT_TRUE(Own().m_aGroups[2].IsFighting());
    EXPECT_EQ(Store().m_VisitedCity.m_aGroups[0].GetState(), 0);
    Recv(Compressed(kOwnId, 0, Item(0, "me")));
    EXPECT_TRUE(Store().IsUpgrading(0, 4));
    EXPECT_TRUE(Store().IsUpgrading(1, 20));
    EXPECT_FALSE(Store().IsUpgrading(0, 20));
    EXPECT_FALSE(Store().IsUpgrading(2, 4));
}

TEST_F(AerieCityTest, FightingGroupsTakeTheFighterAndTheDefenceName)
{
    std::string fight = FightRecord(5, 10, 10, 10);
    fight.replace(kFightFighterName, 16, std::string(16, 'F'));   // a full name without NUL
    std::string work = WorkState(2, 4, 5);
    work[kWorkFightId] = 8;
    Apply(Item(13, fight) + Item(11, work));
    EXPECT_EQ(Own().m_aGroups[2].m_strTargetOwnerName, std::string(16, 'F'));
    EXPECT_EQ(Own().m_aGroups[2].m_strDefenceName, "defend8");
    EXPECT_EQ(Own().m_aGroups[2].GetFightId(), 8u);
    Apply(Item(11, WorkState(2, 0, 0)));
    EXPECT_EQ(Own().m_aGroups[2].m_strTargetOwnerName, "");
}

TEST_F(AerieCityTest, FightCountdownsRunFromTheirStampAndStopAtZero)
{
    m_Fake.m_dwTick = 0xFFFFF000;   // the tick wraps during the fight
    Apply(Item(13, FightRecord(2, 60, 120, 30)) + Item(13, FightRecord(5, 0, 0, 0, 100)) + Item(13, "\x03"));
    const AerieFightMission* rob = FindFightMission(Own().m_FightMissions, 2);
    const AerieFightMission* defence = FindFightMission(Own().m_FightMissions, 5);
    ASSERT_NE(rob, nullptr);
    ASSERT_NE(defence, nullptr);
    EXPECT_EQ(FindFightMission(Own().m_FightMissions, 4), nullptr);
    const AerieFightMission* tiny = FindFightMission(Own().m_FightMissions, 3);
    ASSERT_NE(tiny, nullptr);
    EXPECT_EQ(tiny->GetMultiplier(), 10) << "bytes the value does not reach";
    EXPECT_EQ(tiny->GetMultiplier2(), 10);
    EXPECT_EQ(rob->GetMultiplier(), 0);
    struct Case {
        u32 elapsed;
        u32 wait, friendWait, fight, invasion;
    };
    const Case cases[] = {
        {0, 60, 30, 120, 100},
        {70, 0, 20, 120, 30},
        {200, 0, 0, 10, 0},
        {100000, 0, 0, 0, 0},
    };
    const u32 start = m_Fake.m_dwTick;
    for (const Case& c : cases) {
        m_Fake.m_dwTick = start + c.elapsed * 1000;
        EXPECT_EQ(GetFightWaitLeft(*rob), c.wait) << c.elapsed;
        EXPECT_EQ(GetFightFriendWaitLeft(*rob), c.friendWait) << c.elapsed;
        EXPECT_EQ(GetFightTimeLeft(*rob), c.fight) << c.elapsed;
        EXPECT_EQ(GetInvasionTimeLeft(*defence), c.invasion) << c.elapsed;
        EXPECT_EQ(GetInvasionTimeLeft(*rob), 0u);
    }
}

TEST_F(AerieCityTest, IncubatorTimersCountDownAndRestamp)
{
    m_Fake.m_dwTick = 1000;
    Apply(Item(9, Incubator(true, 3, 10, 4) + Incubator(true, 0, 0, 0) + Incubator(false, 0, 0, 0) + "partial"));
    AerieIncubators& inc = Own().m_Incubators;
    ASSERT_EQ(inc.m_vList.size(), 3u);
    m_Fake.m_dwTick = 5000;
    const AerieIncubatorTimer* t = GetIncubatorTimers(inc, 0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->m_dwHatchMs, 6000u);
    EXPECT_EQ(t->m_dwGuardMs, 0u);
    m_Fake.m_dwTick = 7000;
    EXPECT_EQ(GetIncubatorTimers(inc, 0)->m_dwHatchMs, 4000u);
    EXPECT_EQ(GetIncubatorTimers(inc, 3), nullptr);
    EXPECT_EQ(GetIncubatorTimers(inc, -1), nullptr);
    EXPECT_TRUE(IncubatorHasEgg(inc, 0));
    EXPECT_FALSE(IncubatorHasEgg(inc, 1));
    EXPECT_FALSE(IsIncubatorFinished(inc, 0));
    EXPECT_TRUE(HasFreeIncubator(inc));
    EXPECT_FALSE(AllIncubatorsBusy(inc));
    EXPECT_FALSE(AnyIncubatorFinished(inc));
    EXPECT_FALSE(IncubatorHasEgg(inc, 9));
    EXPECT_EQ(GetIncubatorEggType(inc, -1), 0);
    // Selecting an incubator tells the game window at once, with its index.
    ASSERT_NE(GameWnd(), nullptr);
    GameWnd()->m_nTopics = 0;
    PostIncubatorSelected(inc, 2);
    PostIncubatorSelected(inc, 3);
    EXPECT_EQ(GameTopics(), std::vector<u32>{8});
}

TEST_F(AerieCityTest, SlaveNamesOfIncubatorsAreBoundedByTheirField)
{
    Apply(Item(9, RecordBytes(kIncubatorSize).U8(kIncOpened, 1).Text(kIncSlaveName, std::string(28, 'S'))
                      .U16(kIncWorth, 0x4141).U8(kIncTreatment, 0xFF)));
    EXPECT_EQ(GetHiredSlaveName(Own().m_Incubators, 0), std::string(28, 'S'));
    EXPECT_TRUE(HasHiredSlave(Own().m_Incubators, 0));
    EXPECT_TRUE(IsSlaveTreated(Own().m_Incubators, 0));
    EXPECT_EQ(GetSlaveTreatment(Own().m_Incubators, 0), -1);
    EXPECT_EQ(GetHiredSlaveWorth(Own().m_Incubators, 0), 0x4141);
}

TEST_F(AerieCityTest, EffectsAndTopLevelsReadTheShownCity)
{
    Apply(Item(2, LE16(4) + LE16(1)) + Item(2, LE16(5) + LE16(1)) + Item(3, LE16(20) + LE16(2)) +
          Item(3, LE16(21) + LE16(1)));
    EXPECT_EQ(Store().GetBuildingEffect(4), 10u);
    EXPECT_EQ(Store().GetBuildingEffect(5), 0u) << "no configuration";
    EXPECT_EQ(Store().GetBuildingEffect(18), 0u);
    EXPECT_EQ(Store().GetBuildingEffect(-1), 0u);
    EXPECT_EQ(Store().GetScienceEffect(20), 9);
    EXPECT_FLOAT_EQ(Store().GetScienceEffectFloat(20), 9.0f);
    EXPECT_EQ(Store().GetScienceEffect(21), 0);
    EXPECT_EQ(Store().GetScienceEffect(99), 0);
    EXPECT_TRUE(Store().IsMaxLevel(1, 20));
    EXPECT_FALSE(Store().IsMaxLevel(0, 4));
    Apply(Item(2, LE16(4) + LE16(2)));
    EXPECT_TRUE(Store().IsMaxLevel(0, 4));
    EXPECT_FALSE(Store().IsMaxLevel(0, 5));
    EXPECT_FALSE(Store().IsMaxLevel(0, 18));
    EXPECT_FALSE(Store().IsMaxLevel(2, 4));
    const u16 bag[20] = {1, 0, 0, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    EXPECT_EQ(CountBagEggs(bag), 3);
}

}  // namespace
}  // namespace orv::test
