#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "BuildProfile.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/text/SafeFormat.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"
#include "support/Mutation.h"

namespace {

// Every kind of record, duplicates, a lower-case "building", upper-case attribute names, nested
// missions and labs. The texts are GBK (the source is compiled to GBK).
const char kGameData[] = R"(<?xml version="1.0" encoding="GBK"?>
<!-- 测试数据 -->
<aerie>
  <Building Id="0" Name="主城堡" Effect="0,5,10,15" ResGrass="100,200,400" ResWood="1,2,3" ResStone="4,5,6"
            ResMetal="7,8,9" NeedMoney="0,0,0" NeedMoneyType="1" NeedCharLvl="1,2,3" LvlupTime="60,120,240"
            NeedBuildingId="0" NeedBuildingLvl="0,0,0" WndTex="1" IconTex="2" X="100" Y="50" BriefDes="b"
            DetailDes="d" LooksLvl="5,10,15" LooksTex="300,301,302" LvlTextX="10,11,12" LvlTextY="20,21,22"/>
  <Building Id="0" Name="Duplicate"/>
  <building Id="9" Name="lower"/>
  <Building ID="13" NAME="粮仓" effect="1000,2000"/>
  <Science Id="20" Name="GrassBonus" Effect="0,5,10" ResGrass="1,2" NeedCharLvl="3,4"/>
  <technology Name="Lab1" Id="1" Point="3">lab text
    <tech Id="20" Tex="5" Name="T20" MaxLvl="2" Point="1,2,3" Cur="a,b,c" Des="+%1%">ignored</tech>
    <tech Id="21" Name="T21"/>
    <other Id="99"/>
  </technology>
  <beast Num="1" Type="7" Name="B7m" Sex="0" Tex="14" Icon="15"/>
  <beast Num="1" Type="3" Name="B3m" Sex="0" Tex="10" Icon="11"/>
  <beast Num="1" Type="3" Name="B3f" Sex="1" Tex="12" Icon="13"/>
  <beast Num="1" Type="3" Name="B3again" Sex="0"/>
  <fight Group="1" Type="5" Name="F5" Scale="S" Wait="60" FriendWait="30" Fight="120" Hour="2" MaxTimes="3"/>
  <fight Group="1" Type="2" Name="F2"/>
  <fight Group="2" Type="9" Name="F9"/>
  <missionmain Name="M100" Type="1" Id="100" MaxLvl="2">mission   text
    <level Value="1">L1<award>A1</award><award>A2</award></level>
    <level Value="2"/>
  </missionmain>
  <missionmain Name="M7" Id="7"/>
  <MonsterType Type="1" Name="生产型"/>
  <Monster ID="11" Pic="1" Name="Mon11" ColorPic="2" TipCol="3" Lvl="4" Time="60" GroupIcon="380"/>
  <MonSkill ID="1" Pic="1" Name="Skill1" Effect="0,10,20" Des="+%1%" GroupIcon="5"/>
  <Creavity Effect="0,100,200"/>
</aerie>
)";

class AerieGameData : public ::testing::Test {
protected:
    std::string WriteData(const std::string& text) { return m_Dir.Write("help/aerie.xml", text); }

    orv::platform::FakePlatform m_Fake;
    XmlTempDir m_Dir;
};

}  // namespace

TEST_F(AerieGameData, RecordsAreFoundByKey)
{
    CXmlAerieMgr mgr(WriteData(kGameData).c_str());

    const CXmlBuilding* castle = mgr.FindBuilding(0);
    ASSERT_NE(castle, nullptr);
    EXPECT_EQ(castle->m_strName, "主城堡");            // the first record of a key stays
    EXPECT_EQ(castle->m_nNeedMoneyType, 1);
    EXPECT_EQ(castle->m_nX, 100);
    EXPECT_EQ(castle->m_nY, 50);
    EXPECT_EQ(castle->m_strDetailDes, "d");
    EXPECT_EQ(castle->m_nMaxLevel, 3);
    EXPECT_EQ(castle->m_vResStone, (std::vector<i32>{4, 5, 6}));
    EXPECT_EQ(castle->GetNeedCharLvl(2), 3);
    EXPECT_EQ(castle->GetLooksTex(12), 302);
    EXPECT_EQ(mgr.FindBuilding(9), nullptr);           // "building" is not "Building"

    const CXmlBuilding* granary = mgr.FindBuilding(13);   // attribute names in any case
    ASSERT_NE(granary, nullptr);
    EXPECT_EQ(granary->m_strName, "粮仓");
    EXPECT_EQ(granary->GetEffect(1), 2000);
    EXPECT_EQ(granary->GetUpgradeEntry(granary->m_vResGrass, 0), 0);

    const CXmlScience* science = mgr.FindScience(20);
    ASSERT_NE(science, nullptr);
    EXPECT_EQ(science->GetNeedCharLvl(1), 4);
    EXPECT_EQ(science->GetEffect(2), 10);
    EXPECT_EQ(mgr.FindBuilding(20), nullptr);

    const CLab* lab = mgr.FindLab(1);
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(lab->m_nPoint, 3);
    EXPECT_EQ(lab->m_strText, "lab text");
    ASSERT_EQ(lab->m_vTechs.size(), 2u);               // "other" is not a technology
    ASSERT_NE(lab->GetTech(0), nullptr);
    EXPECT_EQ(lab->GetTech(0)->GetEffectText(1), "b");
    EXPECT_EQ(lab->GetTech(0)->m_strDes, "+%1%");
    EXPECT_EQ(lab->GetTech(1)->m_strName, "T21");
    EXPECT_EQ(lab->GetTech(2), nullptr);
    EXPECT_EQ(lab->GetTech(-1), nullptr);

    const CXmlMonster* monster = mgr.FindMonster(11);
    ASSERT_NE(monster, nullptr);
    EXPECT_EQ(monster->m_nGroupIcon, 380);
    EXPECT_EQ(monster->m_nLvl, 4);
    const CXmlMonGroupSkill* skill = mgr.FindMonGroupSkill(1);
    ASSERT_NE(skill, nullptr);
    EXPECT_EQ(skill->GetLevelValue(2), "20");
    EXPECT_STREQ(mgr.GetMonsterTypeName(1), "生产型");
    EXPECT_EQ(mgr.GetMonsterTypeName(2), nullptr);
    EXPECT_EQ(mgr.GetCreavity().m_nMaxLevel, 2);
    EXPECT_EQ(mgr.GetCreavity().m_vEffect, (std::vector<i32>{0, 100, 200}));

    const CXmlFight* fight = mgr.FindFight(5);
    ASSERT_NE(fight, nullptr);
    EXPECT_EQ(fight->m_strScale, "S");
    EXPECT_EQ(fight->m_nFriendWait, 30);
    EXPECT_EQ(fight->m_nMaxTimes, 3);
    EXPECT_TRUE(m_Fake.m_vDebugLines.empty());
}

TEST_F(AerieGameData, BeastTablesBySex)
{
    CXmlAerieMgr mgr(WriteData(kGameData).c_str());
    ASSERT_NE(mgr.FindBeast(3, false), nullptr);
    EXPECT_EQ(mgr.FindBeast(3, false)->m_strName, "B3m");
    ASSERT_NE(mgr.FindBeast(3, true), nullptr);
    EXPECT_EQ(mgr.FindBeast(3, true)->m_strName, "B3f");
    EXPECT_EQ(mgr.FindBeast(7, true), nullptr);

    ASSERT_NE(mgr.GetBeastByIndex(1, false), nullptr);
    EXPECT_EQ(mgr.GetBeastByIndex(1, false)->m_nType, 7);   // keys 3, 7 in ascending order
    EXPECT_EQ(mgr.GetBeastByIndex(0, true)->m_nIcon, 13);
    EXPECT_EQ(mgr.GetBeastByIndex(1, true), nullptr);
    EXPECT_EQ(mgr.GetBeastByIndex(-1, false), nullptr);

    EXPECT_STREQ(mgr.GetBeastName(3), "B3m");               // the first table only
    EXPECT_EQ(mgr.GetBeastName(4), nullptr);

    CXmlAerieMgr none(m_Dir.Path("missing.xml").c_str());
    EXPECT_EQ(none.GetBeastByIndex(0, false), nullptr);
}

TEST_F(AerieGameData, FightsOfAGroupInKeyOrder)
{
    CXmlAerieMgr mgr(WriteData(kGameData).c_str());
    std::vector<CXmlFight> fights(3);
    mgr.GetFightsOfGroup(1, fights);
    ASSERT_EQ(fights.size(), 2u);
    EXPECT_EQ(fights[0].m_nType, 2);
    EXPECT_EQ(fights[1].m_nType, 5);
    EXPECT_EQ(fights[1].m_strName, "F5");
    mgr.GetFightsOfGroup(3, fights);
    EXPECT_TRUE(fights.empty());
}

TEST_F(AerieGameData, MissionsKeepTheirLevelsAndAwards)
{
    CXmlAerieMgr mgr(WriteData(kGameData).c_str());
    EXPECT_EQ(mgr.GetMissionMainCount(), 2);
    const auto& missions = mgr.GetMissionMains();
    ASSERT_EQ(missions.count(100), 1u);
    const CXmlMissionMain& m = missions.at(100);
    EXPECT_EQ(m.m_strName, "M100");
    EXPECT_EQ(m.m_nMaxLvl, 2);
    EXPECT_EQ(m.m_strText, "mission text");
    ASSERT_EQ(m.m_vLevels.size(), 2u);
    EXPECT_EQ(m.m_vLevels[0].m_nValue, 1);
    EXPECT_EQ(m.m_vLevels[0].m_strText, "L1");
    ASSERT_EQ(m.m_vLevels[0].m_vAwards.size(), 2u);
    EXPECT_EQ(m.m_vLevels[0].m_vAwards[1].m_strText, "A2");
    EXPECT_TRUE(m.m_vLevels[1].m_vAwards.empty());
    EXPECT_EQ(missions.begin()->first, 7);
}

TEST_F(AerieGameData, MissingOrMalformedFileLeavesEveryTableEmpty)
{
    const std::string paths[] = {
        m_Dir.Path("missing.xml"),
        m_Dir.Write("unquoted.xml", "<aerie><Building Id=1></aerie>"),
        m_Dir.Write("empty.xml", ""),
    };
    for (const std::string& path : paths) {
        CXmlAerieMgr mgr(path.c_str());
        EXPECT_EQ(mgr.FindBuilding(0), nullptr);
        EXPECT_EQ(mgr.FindBuilding(1), nullptr);
        EXPECT_EQ(mgr.FindFight(5), nullptr);
        EXPECT_EQ(mgr.GetBeastName(3), nullptr);
        EXPECT_EQ(mgr.GetMissionMainCount(), 0);
        EXPECT_EQ(mgr.GetCreavity().m_nMaxLevel, -1);
        EXPECT_TRUE(mgr.GetCreavity().m_vEffect.empty());
    }
    EXPECT_EQ(m_Fake.m_vDebugLines.size(), 3u);
}

TEST_F(AerieGameData, BadNumberStopsTheFileAtItsElement)
{
    const std::string text =
        "<aerie>\n"
        "  <Creavity Effect=\"1,2\"/>\n"
        "  <Building Id=\"1\" Effect=\"0,1\"/>\n"
        "  <Science Id=\"5\" Effect=\"0,1\" ResGrass=\"100, 200\"/>\n"
        "  <Building Id=\"2\" Effect=\"0,1\"/>\n"
        "  <Creavity Effect=\"7,8,9\"/>\n"
        "</aerie>\n";
    CXmlAerieMgr mgr(WriteData(text).c_str());
    EXPECT_NE(mgr.FindBuilding(1), nullptr);
    EXPECT_EQ(mgr.FindScience(5), nullptr);
    EXPECT_EQ(mgr.FindBuilding(2), nullptr);
    EXPECT_EQ(mgr.GetCreavity().m_vEffect, (std::vector<i32>{1, 2}));
    ASSERT_EQ(m_Fake.m_vDebugLines.size(), 1u);
    const std::string& line = m_Fake.m_vDebugLines[0];
    EXPECT_NE(line.find("\" 200\" in attribute ResGrass of element <Science> (line 4)"),
              std::string::npos)
        << line;

    // A bad creativity table does not replace the one read before it.
    CXmlAerieMgr creavity(WriteData("<a><Creavity Effect=\"1,2\"/><Creavity Effect=\"3,,4\"/></a>").c_str());
    EXPECT_EQ(creavity.GetCreavity().m_nMaxLevel, 1);
    EXPECT_EQ(creavity.GetCreavity().m_strEffect, "1,2");
}

TEST_F(AerieGameData, FileWithoutCreativity)
{
    CXmlAerieMgr mgr(WriteData("<aerie><Monster ID=\"1\"/></aerie>").c_str());
    EXPECT_NE(mgr.FindMonster(1), nullptr);
    EXPECT_EQ(mgr.GetCreavity().m_strEffect, "");
    EXPECT_EQ(mgr.GetCreavity().m_nMaxLevel, -1);
    EXPECT_TRUE(mgr.GetCreavity().m_vEffect.empty());
}

TEST_F(AerieGameData, LoadReplacesWhatWasLoaded)
{
    CXmlAerieMgr mgr(WriteData(kGameData).c_str());
    ASSERT_NE(mgr.FindBuilding(0), nullptr);
    EXPECT_FALSE(mgr.Load(m_Dir.Path("missing.xml").c_str()));
    EXPECT_EQ(mgr.FindBuilding(0), nullptr);
    EXPECT_EQ(mgr.GetCreavity().m_nMaxLevel, -1);
}

TEST_F(AerieGameData, SampleDataIsCompleteAndConsistent)
{
    CXmlAerieMgr mgr(RepoDataPath("help/aerie.xml").c_str());
    EXPECT_TRUE(m_Fake.m_vDebugLines.empty());
    ASSERT_NE(mgr.FindBuilding(0), nullptr);
    EXPECT_EQ(mgr.FindBuilding(0)->m_strName, "主城堡");
    for (i32 id = 0; id < 18; ++id) {
        const CXmlBuilding* b = mgr.FindBuilding(id);
        ASSERT_NE(b, nullptr) << id;
        const std::size_t upgrades = static_cast<std::size_t>(b->m_nMaxLevel);
        for (const std::vector<i32>* costs : {&b->m_vResGrass, &b->m_vResWood, &b->m_vResMetal,
                                              &b->m_vResStone, &b->m_vNeedMoney, &b->m_vNeedCharLvl,
                                              &b->m_vLvlupTime, &b->m_vNeedBuildingLvl}) {
            EXPECT_EQ(costs->size(), upgrades) << "building " << id;
        }
        EXPECT_FALSE(b->m_vLooksLvl.empty()) << id;
        EXPECT_EQ(b->m_vLooksTex.size(), b->m_vLooksLvl.size()) << id;
        EXPECT_EQ(b->m_vLvlTextX.size(), b->m_vLooksLvl.size()) << id;
        EXPECT_EQ(b->m_vLvlTextY.size(), b->m_vLooksLvl.size()) << id;
    }
    // A hovered building shows the frame after its picture: that frame is no other picture. No
    // building window takes a background of the toolkit's own windows.
    std::set<i32> pictures;
    for (i32 id = 0; id < 18; ++id) {
        pictures.insert(mgr.FindBuilding(id)->m_vLooksTex.begin(), mgr.FindBuilding(id)->m_vLooksTex.end());
    }
    for (i32 picture : pictures) {
        EXPECT_EQ(pictures.count(picture + 1), 0u) << picture;
    }
    for (i32 id = 0; id < 18; ++id) {
        const i32 back = mgr.FindBuilding(id)->m_nWndTex;
        EXPECT_NE(back, kSplitBackFrame) << id;
        EXPECT_NE(back, kMsgBoxBackFrame) << id;
    }
    for (i32 lab = 0; lab < 4; ++lab) {
        const CLab* l = mgr.FindLab(lab);
        ASSERT_NE(l, nullptr) << lab;
        ASSERT_NE(l->GetTech(0), nullptr) << lab;
        i32 points = 0;   // a lab's points are all that its technologies give at their top levels
        for (const CXmlTech& tech : l->m_vTechs) {
            points += tech.GetTotalPoints(tech.m_nMaxLvl);
        }
        EXPECT_EQ(l->m_nPoint, points) << lab;
        for (const CXmlTech& tech : l->m_vTechs) {
            const CXmlScience* science = mgr.FindScience(tech.m_nId);
            ASSERT_NE(science, nullptr) << tech.m_nId;
            EXPECT_EQ(science->m_nMaxLevel, tech.m_nMaxLvl) << tech.m_nId;
            EXPECT_EQ(tech.m_vPoint.size(), static_cast<std::size_t>(tech.m_nMaxLvl) + 1) << tech.m_nId;
            EXPECT_EQ(tech.m_vCur.size(), static_cast<std::size_t>(tech.m_nMaxLvl) + 1) << tech.m_nId;
        }
    }
    std::vector<CXmlFight> fights;
    mgr.GetFightsOfGroup(1, fights);
    EXPECT_EQ(fights.size(), 5u);
    mgr.GetFightsOfGroup(2, fights);
    ASSERT_EQ(fights.size(), 1u);
    EXPECT_EQ(fights[0].m_nType, 5);
    EXPECT_NE(mgr.GetBeastByIndex(0, false), nullptr);
    EXPECT_NE(mgr.GetBeastByIndex(0, true), nullptr);
    EXPECT_GT(mgr.GetMissionMainCount(), 0);
    EXPECT_NE(mgr.FindMonster(1), nullptr);
    EXPECT_NE(mgr.FindMonGroupSkill(1), nullptr);
    EXPECT_NE(mgr.GetMonsterTypeName(1), nullptr);
    EXPECT_EQ(mgr.GetCreavity().m_nMaxLevel, mgr.FindBuilding(0)->m_nMaxLevel);
}

TEST_F(AerieGameData, SampleDataTextsShowAsMeant)
{
    // A building's detail text is shown as it stands; its short text, like technology and
    // group-skill descriptions, is a "%1%" format text (a literal percent sign written "%%") that
    // takes the level's value, or a plain text that shows as it stands.
    CXmlAerieMgr mgr(RepoDataPath("help/aerie.xml").c_str());
    for (i32 id = 0; id < 18; ++id) {
        const CXmlBuilding* b = mgr.FindBuilding(id);
        ASSERT_NE(b, nullptr) << id;
        EXPECT_EQ(b->m_strDetailDes.find('%'), std::string::npos) << id;
        const std::string value = std::to_string(b->GetEffect(1));
        const std::string text = SafeFormat(b->m_strBriefDes, b->GetEffect(1));
        EXPECT_EQ(text.find("%1"), std::string::npos) << id;
        if (b->m_strBriefDes.find('%') != std::string::npos) {
            EXPECT_NE(text.find(value), std::string::npos) << id;
        } else {
            EXPECT_EQ(text, b->m_strBriefDes) << id;
        }
    }
    for (i32 id = 1; mgr.FindMonGroupSkill(id) != nullptr; ++id) {
        const CXmlMonGroupSkill* skill = mgr.FindMonGroupSkill(id);
        const std::string text = SafeFormat(skill->m_strDes, skill->GetLevelValue(1));
        EXPECT_NE(text.find(skill->GetLevelValue(1)), std::string::npos) << id;
        EXPECT_EQ(text.find("%1"), std::string::npos) << id;
    }
    for (i32 lab = 0; const CLab* l = mgr.FindLab(lab); ++lab) {
        for (const CXmlTech& tech : l->m_vTechs) {
            const std::string text = SafeFormat(tech.m_strDes, tech.GetEffectText(1));
            EXPECT_NE(text.find(tech.GetEffectText(1)), std::string::npos) << tech.m_nId;
        }
    }
    EXPECT_TRUE(m_Fake.m_vDebugLines.empty());
}

TEST_F(AerieGameData, DefaultPathIsBesideTheWorkingFolder)
{
    ASSERT_TRUE(m_Dir.IsValid());
    m_Dir.Write("data/help/aerie.xml", kGameData);
    std::filesystem::create_directories(m_Dir.Root() / "game");
    XmlScopedCwd cwd(m_Dir.Root() / "game");
    CXmlAerieMgr mgr;
    EXPECT_NE(mgr.FindBuilding(0), nullptr);
}

TEST_F(AerieGameData, MutatedFilesNeverBreakTheReaders)
{
    // A fixed-seed stream of damaged copies of the sample file (bytes changed, commas and digits
    // swapped, cut short): each loads or not, and every reader stays inside its data.
    const std::string sample = ReadFileBytes(RepoDataPath("help/aerie.xml"));
    ASSERT_FALSE(sample.empty());
    std::mt19937 rng(20240611u);
    const char alphabet[] = ",0123456789-+ \"<>/=x\xC4\xC1";
    for (int round = 0; round < 150; ++round) {
        std::string bytes = sample;
        const int edits = 1 + static_cast<int>(rng() % 8);
        orv::test::ReplaceRandomBytes(bytes, edits, std::string_view(alphabet, sizeof(alphabet) - 1), rng);
        if (round % 10 == 0) {
            bytes.resize(rng() % bytes.size());
        }
        CXmlAerieMgr mgr(WriteData(bytes).c_str());
        for (i32 id = -1; id < 40; ++id) {
            if (const CXmlBuilding* b = mgr.FindBuilding(id)) {
                for (i32 level = -2; level < 14; ++level) {
                    b->GetEffect(level);
                    b->GetNeedCharLvl(level);
                    b->GetUpgradeEntry(b->m_vLvlupTime, level);
                    b->GetLooksTex(level);
                    b->GetLvlTextX(level);
                    b->GetLvlTextY(level);
                }
            }
            if (const CLab* lab = mgr.FindLab(id)) {
                for (i32 t = -1; t < 12; ++t) {
                    if (const CXmlTech* tech = lab->GetTech(t)) {
                        for (i32 level = -2; level < 14; ++level) {
                            tech->GetPointText(level);
                            tech->GetNextPointText(level);
                            tech->GetTotalPoints(level);
                            tech->GetEffectText(level);
                        }
                    }
                }
            }
            if (const CXmlMonGroupSkill* skill = mgr.FindMonGroupSkill(id)) {
                for (i32 level = -2; level < 14; ++level) {
                    skill->GetLevelValue(level);
                }
            }
            mgr.GetBeastByIndex(id, id % 2 != 0);
            mgr.GetBeastName(id);
            mgr.GetMonsterTypeName(id);
        }
        std::vector<CXmlFight> fights;
        mgr.GetFightsOfGroup(1, fights);
    }
}
