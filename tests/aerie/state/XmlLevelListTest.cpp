#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/state/XmlLevelList.h"
#include "framework/xml/XmlNumber.h"
#include "framework/xml/XmlObj.h"

TEST(AerieLevelList, IntListsSplitAndConvertStrictly)
{
    using Ints = std::vector<i32>;
    const std::pair<const char*, std::optional<Ints>> cases[] = {
        {"100,200,400", Ints{100, 200, 400}},
        {"100,200,400,", Ints{100, 200, 400}},   // a comma at the end adds nothing
        {"", Ints{}},
        {"-5,+7,0,-0", Ints{-5, 7, 0, 0}},
        {"2147483647,-2147483648", Ints{2147483647, -2147483647 - 1}},
        {"0002147483647,-0002147483648", Ints{2147483647, -2147483647 - 1}},
        {"-2147483649", std::nullopt},
        {"4294967297", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"100,,400", std::nullopt},              // empty piece
        {",", std::nullopt},
        {"100, 200", std::nullopt},              // blank after the comma
        {"100 ", std::nullopt},
        {"2147483648", std::nullopt},            // out of range
        {"1e3", std::nullopt},
        {"+-5", std::nullopt},
        {"-", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        std::vector<i32> out = {99};
        if (expected) {
            ParseIntLevelList(text, out, "ResGrass");
            EXPECT_EQ(out, *expected) << text;
        } else {
            try {
                ParseIntLevelList(text, out, "ResGrass");
                ADD_FAILURE() << "no failure for \"" << text << "\"";
            } catch (const XmlConversionError& e) {
                EXPECT_EQ(e.m_strAttribute, "ResGrass");
                EXPECT_TRUE(out.empty());
            }
        }
    }
}

TEST(AerieLevelList, TextListsKeepPiecesAsTheyStand)
{
    std::vector<std::string> out = {"stale"};
    SplitTextLevelList(" a,,b ,", out);
    EXPECT_EQ(out, (std::vector<std::string>{" a", "", "b "}));
    SplitTextLevelList("", out);
    EXPECT_TRUE(out.empty());
}

TEST(AerieLevelList, UpgradeDataReaders)
{
    CXmlLvlupConfig cfg;
    cfg.m_strEffect = "0,5,10,15";
    cfg.m_strNeedCharLvl = "1,2,3";
    cfg.m_strResGrass = "100";          // shorter than the level range
    cfg.ParseLevelLists();
    cfg.ParseLevelLists();              // building twice never appends twice
    EXPECT_EQ(cfg.m_nMaxLevel, 3);
    EXPECT_EQ(cfg.m_vEffect.size(), 4u);
    struct Case {
        i32 level;
        i32 effect;
        i32 needCharLvl;
        i32 grass;
    };
    const Case cases[] = {
        {0, 0, 1, 100}, {2, 10, 3, 0}, {3, 15, 0, 0}, {4, 0, 0, 0}, {-1, 0, 0, 0},
        {-2147483647 - 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cfg.GetEffect(c.level), c.effect) << c.level;
        EXPECT_EQ(cfg.GetNeedCharLvl(c.level), c.needCharLvl) << c.level;
        EXPECT_EQ(cfg.GetUpgradeEntry(cfg.m_vResGrass, c.level), c.grass) << c.level;
    }

    CXmlLvlupConfig empty;
    empty.ParseLevelLists();
    EXPECT_EQ(empty.m_nMaxLevel, -1);
    EXPECT_EQ(empty.GetEffect(0), 0);
    EXPECT_EQ(empty.GetNeedCharLvl(0), 0);
}

TEST(AerieLevelList, BuildingLooks)
{
    CXmlBuilding b;
    b.m_strEffect = "0,1";
    b.m_strLooksLvl = "5,10,15";
    b.m_strLooksTex = "300,301,302";
    b.m_strLvlTextX = "10,11";          // one entry short
    b.m_strLvlTextY = "20,21,22";
    b.ParseLooksLists();
    EXPECT_EQ(b.m_nMaxLevel, 1);
    struct Case {
        i32 level;
        i32 stage;
        i32 tex;
        i32 x;
        i32 y;
    };
    const Case cases[] = {
        {3, 0, 300, 10, 20}, {5, 1, 301, 11, 21}, {12, 2, 302, 0, 22}, {20, 2, 302, 0, 22},
        {-1, 0, 300, 10, 20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(b.GetLooksStage(c.level), c.stage) << c.level;
        EXPECT_EQ(b.GetLooksTex(c.level), c.tex) << c.level;
        EXPECT_EQ(b.GetLvlTextX(c.level), c.x) << c.level;
        EXPECT_EQ(b.GetLvlTextY(c.level), c.y) << c.level;
    }

    CXmlBuilding noLooks;
    noLooks.m_strLooksTex = "300";
    noLooks.ParseLooksLists();
    EXPECT_EQ(noLooks.GetLooksStage(0), -1);
    EXPECT_EQ(noLooks.GetLooksTex(0), 0);
}

TEST(AerieLevelList, TechnologyReaders)
{
    CXmlTech tech;
    tech.m_nMaxLvl = 2;
    tech.m_strPoint = "1,2,3";
    tech.m_strCur = "a,b,c";
    tech.SplitPointList();
    tech.SplitCurList();
    EXPECT_EQ(tech.GetPointText(2), "3");
    EXPECT_EQ(tech.GetPointText(3), "");
    EXPECT_EQ(tech.GetPointText(-1), "");
    EXPECT_EQ(tech.GetNextPointText(1), "3");
    EXPECT_EQ(tech.GetNextPointText(2), "");
    EXPECT_EQ(tech.GetNextPointText(2147483647), "");
    EXPECT_EQ(tech.GetTotalPoints(1), 3);
    EXPECT_EQ(tech.GetTotalPoints(-1), 0);
    EXPECT_EQ(tech.GetTotalPoints(50), 6);
    EXPECT_EQ(tech.GetEffectText(1), "b");
    EXPECT_EQ(tech.GetEffectText(9), "c");
    EXPECT_EQ(tech.GetEffectText(-1), "");

    // MaxLvl beyond the lists: the readers stop at the lists' ends.
    CXmlTech shortLists;
    shortLists.m_nMaxLvl = 5;
    shortLists.m_strPoint = "1,x2";
    shortLists.m_strCur = "a";
    shortLists.SplitPointList();
    shortLists.SplitCurList();
    EXPECT_EQ(shortLists.GetPointText(4), "");
    EXPECT_EQ(shortLists.GetNextPointText(0), "x2");
    EXPECT_EQ(shortLists.GetTotalPoints(5), 1);   // "x2" reads as 0, like atoi
    EXPECT_EQ(shortLists.GetEffectText(5), "");
}

TEST(AerieLevelList, SkillAndCreativity)
{
    CXmlMonGroupSkill skill;
    skill.m_strEffect = "0,10,20";
    skill.SplitEffectList();
    const std::pair<i32, const char*> cases[] = {{0, ""}, {1, "10"}, {2, "20"}, {3, ""}, {-1, ""}};
    for (const auto& [level, text] : cases) {
        EXPECT_EQ(skill.GetLevelValue(level), text) << level;
    }

    CXmlCreavity creavity;
    creavity.ParseEffectList();
    EXPECT_EQ(creavity.m_nMaxLevel, -1);
    EXPECT_TRUE(creavity.m_vEffect.empty());
    creavity.m_strEffect = "100,150";
    creavity.ParseEffectList();
    EXPECT_EQ(creavity.m_nMaxLevel, 1);
    EXPECT_EQ(LevelEntry(creavity.m_vEffect, 1), 150);
    EXPECT_EQ(LevelEntry(creavity.m_vEffect, 2), 0);
}
