// The tool-card store and the Garden game data with its growth rules, on the sample data file.
#include "GardenFixture.h"
#include "framework/core/ByteOrder.h"
#include "glimmer/Glimmer.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;

std::string Card(u32 id, u16 type = 1, u16 count = 1) { return gb::CardBytes(id, "card", count, 7437, type); }

void Send(void (ToolCardStore::*op)(const u8*, int), const std::string& packet)
{
    const std::vector<u8> bytes = ExactBytes<u8>(packet);
    (GetToolCardStore().*op)(bytes.data(), static_cast<int>(bytes.size()));
}

std::vector<u32> Ids(const std::vector<ToolCard>& list)
{
    std::vector<u32> ids;
    for (const ToolCard& c : list) ids.push_back(c.Id());
    return ids;
}

TEST(ToolCardStore, RefillsAddsErasesAndPatches)
{
    ToolCardStore& s = GetToolCardStore();
    struct Case {
        const char* name;
        std::string packet;
        std::vector<u32> ids;
    };
    const Case refills[] = {
        {"three records 52 bytes apart", gb::Packet(201, 0, Card(1) + Card(2) + Card(3), 0, 0, 3), {1, 2, 3}},
        {"count 2 over 208 bytes: stride 52", gb::Packet(201, 0, Card(4) + Card(5) + std::string(104, 'x'), 0, 0, 2), {4, 5}},
        // 53 bytes for 4 records: stride 13; the last record's bytes past the body read as 0.
        {"a count too large reads missing bytes as 0", gb::Packet(201, 0, Card(6) + "\xFF", 0, 0, 4), {6, 0, 0, 0}},
        {"exactly 12 bytes: nothing changes", gb::Packet(201, 0, "", 0, 0, 3), {6, 0, 0, 0}},
        {"13 bytes with count 0 empties", gb::Packet(201, 0, "x", 0, 0, 0), {}},
        {"longer than 40,960 bytes: nothing changes", gb::Packet(201, 0, std::string(40949, 'x'), 0, 0, 1), {}},
    };
    for (const Case& c : refills) {
        SCOPED_TRACE(c.name);
        Send(&ToolCardStore::RefillFirst, c.packet);
        EXPECT_EQ(Ids(s.First()), c.ids);
        if (s.First().size() == 4) {
            EXPECT_EQ(s.First()[3].m_Bytes[13], 0xFF);
            EXPECT_EQ(s.First()[3].Count(), 0);
        }
    }
    Send(&ToolCardStore::RefillFirst, gb::Packet(201, 0, Card(1) + Card(2) + Card(1, 1562), 0, 0, 3));
    Send(&ToolCardStore::RefillSecond, gb::Packet(217, 0, Card(9), 0, 0, 1));
    Send(&ToolCardStore::Add, gb::Packet(200, 0, "\x08"));   // short: the rest reads as 0
    EXPECT_EQ(Ids(s.First()), (std::vector<u32>{1, 2, 1, 8}));
    EXPECT_TRUE(s.HasType(1562));
    Send(&ToolCardStore::EraseById, gb::Packet(202, 0, "", 1));   // the first with the id, first list only
    Send(&ToolCardStore::EraseById, gb::Packet(202, 0, "", 9));
    EXPECT_EQ(Ids(s.First()), (std::vector<u32>{2, 1, 8}));
    EXPECT_EQ(Ids(s.Second()), (std::vector<u32>{9}));
    // {length 2, offset 46}: only the count; a patch past the record ends the walk.
    Send(&ToolCardStore::UpdateById, gb::Packet(945, 0, gb::U16(2) + gb::U16(46) + gb::U16(33) + gb::U16(2) + gb::U16(51) + "zz", 2));
    EXPECT_EQ(s.First()[0].Count(), 33);
    EXPECT_EQ(s.First()[0].Type(), 1);
    EXPECT_EQ(s.First()[0].Name(), "card");
    s.Clear();
    EXPECT_TRUE(s.First().empty() && s.Second().empty());
}

class GardenDataTest : public GardenStateTest {};

TEST_F(GardenDataTest, LoadsEveryElementKindFirstRecordOfAnIdStays)
{
    const CXmlGardenMgr& d = GetXmlGardenMgr();
    ASSERT_TRUE(d.IsLoaded());
    EXPECT_EQ(d.PlantCount(), 7u);
    EXPECT_EQ(d.GetPlantName(1), "萝卜");   // the duplicate id 1 is dropped
    EXPECT_EQ(d.GetPlantSeedImage(1), 1001);
    EXPECT_EQ(d.GetPlantNeedLevel(3), 5);
    EXPECT_EQ(d.GetPlantSeedImage(99), 0);
    for (u16 id = 0; id < 8; ++id) {
        ASSERT_NE(d.GetAnimation(id), nullptr) << id;
    }
    EXPECT_EQ(d.GetAnimation(7)->m_strName, "操作动画");
    EXPECT_EQ(d.GetAnimation(7)->m_nSpeed, 100);
    EXPECT_EQ(d.GetOpenPlotPrice(2), 500);
    EXPECT_EQ(d.GetOpenPlotPrice(9), 0);
    EXPECT_EQ(d.GetUpgradePlus(2), 120);
    EXPECT_EQ(d.GetUpgradePrice(1), 1000);
    EXPECT_EQ(d.GetLoveTip(), "爱心值可以通过帮助好友获得");
    EXPECT_EQ(d.GetToolCardRule().m_nId, 1);
    EXPECT_EQ(d.GetLevelDetail(2)->m_nLoveNeed, 100);
    ASSERT_NE(d.GetHint(2), nullptr);
    std::string name;
    EXPECT_TRUE(d.GetBackgroundName(2, name));
    EXPECT_EQ(name, "雪景");
    // The background image adds the shown garden's level.
    GetGardenDataMgr().m_ShownInfo.m_Bytes[garden_layout::kInfoLevel] = 3;
    u16 image = 0;
    EXPECT_TRUE(d.GetBackgroundImage(1, image));
    EXPECT_EQ(image, 303);
    // Steal rows by position, whatever their lvl says; below 1 none.
    ASSERT_NE(d.GetStealRow(3), nullptr);
    EXPECT_EQ(d.GetStealRow(3)->m_nStrength, 15);
    EXPECT_EQ(d.GetStealRow(4), nullptr);
    EXPECT_EQ(d.GetStealRow(0), nullptr);
    EXPECT_EQ(d.GetStealRow(-1), nullptr);
}

TEST_F(GardenDataTest, GrowthRules)
{
    CPlantItem eight;
    ASSERT_TRUE(GetXmlGardenMgr().GetPlant(1, eight));   // growth cycle 8
    CPlantItem one;
    ASSERT_TRUE(GetXmlGardenMgr().GetPlant(5, one));     // growth cycle 1
    CPlantItem zero;
    ASSERT_TRUE(GetXmlGardenMgr().GetPlant(7, zero));    // growth cycle 0
    struct Case {
        const CPlantItem* plant;
        u32 seconds;
        u32 stage;
    };
    const Case cases[] = {
        {&eight, 19, 2},     {&eight, 20, 3},    {&eight, 3599, 3},   {&eight, 3600, 4},
        {&eight, 7200, 5},   {&eight, 28799, 7}, {&eight, 28800, 8},  {&eight, 115200, 8},
        {&eight, 115201, 9}, {&one, 3600, 8},    {&zero, 5000, 2},    {&eight, 0xFFFFFFFF, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetGrowthStage(c.seconds, *c.plant), c.stage) << c.plant->m_nGrowthCycle << " " << c.seconds;
    }
    EXPECT_EQ(GetStageImage(115201, eight), 499);
    EXPECT_EQ(GetStageImage(28800, eight), 1007);
    EXPECT_EQ(GetStageImage(3600, eight), 1004);
    EXPECT_EQ(GetSecondsToNextStage(eight, 3, 100), 7100);
    EXPECT_EQ(GetSecondsToNextStage(eight, 5, 7300), 7100);
    EXPECT_EQ(GetSecondsToNextStage(eight, 7, 28900), -100);   // signed

    CLevel level;
    ASSERT_TRUE(GetXmlGardenMgr().GetLevelRow(2, level));
    CPlantItem gene;
    ASSERT_TRUE(GetXmlGardenMgr().GetPlant(6, gene));   // type 1, growth cycle 10
    CPlantItem twelve;
    ASSERT_TRUE(GetXmlGardenMgr().GetPlant(3, twelve));
    EXPECT_EQ(GetGuardTime(eight, level), 25);
    EXPECT_EQ(GetGuardTime(twelve, level), 35);
    EXPECT_EQ(GetGuardTime(gene, level), 45);
    CPlantItem ten = eight;
    ten.m_nGrowthCycle = 10;
    EXPECT_EQ(GetGuardTime(ten, level), 0);
    // Reply 536 clears the guard times of every level row.
    Deliver(gb::Reply(536));
    ASSERT_TRUE(GetXmlGardenMgr().GetLevelRow(2, level));
    EXPECT_EQ(GetGuardTime(eight, level), 0);
}

TEST_F(GardenDataTest, AMissingFileAnswersAsUnknownAndLoadsLater)
{
    GetXmlGardenMgr().Unload();
    EXPECT_FALSE(GetXmlGardenMgr().Load("./no/such/GardenMgr.xml"));
    EXPECT_FALSE(GetXmlGardenMgr().IsLoaded());
    EXPECT_EQ(GetXmlGardenMgr().GetPlantName(1), "");
    EXPECT_EQ(GetXmlGardenMgr().GetStealRow(1), nullptr);
    EXPECT_TRUE(GetXmlGardenMgr().Load(SampleGardenData().c_str()));
    EXPECT_EQ(GetXmlGardenMgr().PlantCount(), 7u);
}

TEST_F(GardenDataTest, LookupsOfTheState)
{
    EXPECT_EQ(CGardenDataMgr::GetLevelBadge(20), 7822);
    EXPECT_EQ(CGardenDataMgr::GetLevelBadge(21), 7823);
    EXPECT_EQ(CGardenDataMgr::GetLevelBadge(50), 7825);
    EXPECT_EQ(CGardenDataMgr::GetLevelBadge(51), 7820);
    GetGardenDataMgr().m_OwnInfo.m_Bytes[garden_layout::kInfoLevel] = 4;
    EXPECT_TRUE(GetGardenDataMgr().CanPlantHere(6));
    EXPECT_FALSE(GetGardenDataMgr().CanPlantHere(3));
    EXPECT_FALSE(GetGardenDataMgr().HasStealCard());
    Send(&ToolCardStore::Add, gb::Packet(200, 0, Card(3, 1562)));
    EXPECT_TRUE(GetGardenDataMgr().HasStealCard());
    // Soil textures: 60 made, plots 11 to 15 from the second table, out-of-range answers null.
    GetGardenDataMgr().LoadSoilTextures();
    PlotRecord plot;
    plot.m_Bytes[0] = 12;
    plot.m_Bytes[1] = 2;
    ASSERT_NE(GetGardenDataMgr().GetSoilTexture(plot, 3), nullptr);
    EXPECT_EQ(GetGardenDataMgr().GetSoilTexture(plot, 3)->m_wId, 151 + 30 + 2);
    plot.m_Bytes[1] = 6;
    EXPECT_EQ(GetGardenDataMgr().GetSoilTexture(plot, 0), nullptr);
    GetGardenDataMgr().FreeSoilTextures();
}

}  // namespace
}  // namespace orv::test
