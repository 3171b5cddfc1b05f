#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "aerie/state/AerieConfigMgr.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"

namespace {

class AerieSettings : public ::testing::Test {
protected:
    // A working copy of the sample settings file.
    std::string CopySample()
    {
        return m_Dir.Write("help/aerieconfig.xml", ReadFileBytes(RepoDataPath("help/aerieconfig.xml")));
    }
    std::string Write(const std::string& keys)
    {
        return m_Dir.Write("help/aerieconfig.xml",
                           "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<!-- 设置 -->\n<config>\n" + keys +
                               "</config>\n");
    }

    orv::platform::FakePlatform m_Fake;
    XmlTempDir m_Dir;
};

}  // namespace

TEST_F(AerieSettings, SampleFileHoldsEveryKey)
{
    CAerieConfigMgr mgr(RepoDataPath("help/aerieconfig.xml").c_str());
    const char* keys[] = {
        AerieConfigKey::AddPointTip, AerieConfigKey::CommonRefurbish, AerieConfigKey::SeniorRefurbish,
        AerieConfigKey::AerieBuildingLevelShow, AerieConfigKey::AwardRefreshHint,
        AerieConfigKey::ChangeJobHint,
    };
    for (const char* key : keys) {
        EXPECT_EQ(mgr.GetValue(key), 1) << key;
    }
    for (int group = 0; group < 3; ++group) {
        for (int kind = 0; kind < 2; ++kind) {
            EXPECT_EQ(mgr.GetValue(GetGroupSkillRefreshKey(group, kind)), 1) << group << kind;
        }
    }
    EXPECT_STREQ(GetGroupSkillRefreshKey(0, 1), "ProductSeniornRefurbish");
    EXPECT_STREQ(GetGroupSkillRefreshKey(2, 0), "FightCommonRefurbish");
    EXPECT_EQ(GetGroupSkillRefreshKey(3, 0), nullptr);
    EXPECT_EQ(GetGroupSkillRefreshKey(0, -1), nullptr);
    EXPECT_TRUE(m_Fake.m_vDebugLines.empty());
}

TEST_F(AerieSettings, ValuesReadLikeAtoi)
{
    CAerieConfigMgr mgr(Write("<key Index=\"0\" Name=\"A\" Value=\"abc\"/>\n"
                              "<key Index=\"1\" Name=\"B\" Value=\" 7\"/>\n"
                              "<key index=\"2\" NAME=\"C\" VALUE=\"-3\"/>\n"
                              "<other Name=\"D\" Value=\"5\"/>\n"
                              "<key Index=\"3\" Name=\"E\"/>\n").c_str());
    EXPECT_EQ(mgr.GetValue("A"), 0);
    EXPECT_EQ(mgr.GetValue("B"), 7);
    EXPECT_EQ(mgr.GetValue("C"), -3);
    EXPECT_EQ(mgr.GetValue("D"), 0);     // not a "key" element
    EXPECT_EQ(mgr.GetValue("E"), 0);
    EXPECT_EQ(mgr.GetValue("c"), 0);     // key names are case-sensitive
    EXPECT_EQ(mgr.GetValue("Missing"), 0);
}

TEST_F(AerieSettings, SetValueWritesTheFileAtOnce)
{
    const std::string path = CopySample();
    {
        CAerieConfigMgr mgr(path.c_str());
        EXPECT_TRUE(mgr.AsksConfirmation(AerieConfigKey::AwardRefreshHint));
        mgr.SetValue(AerieConfigKey::AwardRefreshHint, 0);
        EXPECT_EQ(mgr.GetValue(AerieConfigKey::AwardRefreshHint), 0);
    }
    CAerieConfigMgr next(path.c_str());   // the next start of the game
    EXPECT_EQ(next.GetValue(AerieConfigKey::AwardRefreshHint), 0);
    EXPECT_FALSE(next.AsksConfirmation(AerieConfigKey::AwardRefreshHint));
    EXPECT_EQ(next.GetValue(AerieConfigKey::ChangeJobHint), 1);
    // The file stays GBK: its comment's bytes are kept.
    EXPECT_NE(ReadFileBytes(path).find("Aerie 玩家设置"), std::string::npos);
}

TEST_F(AerieSettings, DuplicateNamesAnswerFromTheFirstAndAreAllRewritten)
{
    const std::string path = Write("<key Index=\"1\" Name=\"Dup\" Value=\"1\"/>\n"
                                   "<key Index=\"2\" Name=\"Dup\" Value=\"0\"/>\n"
                                   "<key Index=\"3\" NAME=\"Odd\" VALUE=\"4\"/>\n");
    CAerieConfigMgr mgr(path.c_str());
    EXPECT_EQ(mgr.GetValue("Dup"), 1);
    mgr.SetValue("Dup", -12);
    mgr.SetValue("Odd", 9);               // attribute names in another case are rewritten too
    EXPECT_EQ(mgr.GetValue("Dup"), -12);
    EXPECT_EQ(mgr.GetValue("Odd"), 9);

    const std::string bytes = ReadFileBytes(path);
    EXPECT_NE(bytes.find("Index=\"1\" Name=\"Dup\" Value=\"-12\""), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Index=\"2\" Name=\"Dup\" Value=\"-12\""), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("NAME=\"Odd\" VALUE=\"9\""), std::string::npos) << bytes;
    EXPECT_EQ(CAerieConfigMgr(path.c_str()).GetValue("Odd"), 9);
}

TEST_F(AerieSettings, UnknownKeyChangesNothing)
{
    const std::string path = CopySample();
    const std::string before = ReadFileBytes(path);
    CAerieConfigMgr mgr(path.c_str());
    mgr.SetValue("NoSuchKey", 5);
    EXPECT_EQ(mgr.GetValue("NoSuchKey"), 0);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(AerieSettings, MissingFileMeansNoConfirmationAndNoWrite)
{
    const std::string path = m_Dir.Path("help/aerieconfig.xml");
    CAerieConfigMgr mgr(path.c_str());
    EXPECT_EQ(mgr.GetValue(AerieConfigKey::AddPointTip), 0);
    EXPECT_FALSE(mgr.AsksConfirmation(AerieConfigKey::AddPointTip));
    mgr.SetValue(AerieConfigKey::AddPointTip, 1);
    mgr.AnswerConfirmation(AerieConfigKey::AddPointTip, false);
    EXPECT_EQ(mgr.GetValue(AerieConfigKey::AddPointTip), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(AerieSettings, UnwritableFileKeepsTheChangeInMemory)
{
    const std::string path = m_Dir.Write("gone/aerieconfig.xml",
                                         "<config><key Name=\"AddPointTip\" Value=\"1\"/></config>");
    CAerieConfigMgr mgr(path.c_str());
    std::filesystem::remove_all(m_Dir.Root() / "gone");
    mgr.SetValue(AerieConfigKey::AddPointTip, 0);
    EXPECT_EQ(mgr.GetValue(AerieConfigKey::AddPointTip), 0);
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("could not be written"));
}

TEST_F(AerieSettings, ConfirmationRule)
{
    struct Case {
        const char* key;
        const char* value;     // null: the file lacks the key
        bool asks;
    };
    const Case cases[] = {
        {AerieConfigKey::AwardRefreshHint, "1", true},
        {AerieConfigKey::AwardRefreshHint, "0", false},
        {AerieConfigKey::AwardRefreshHint, "-1", false},
        {AerieConfigKey::ChangeJobHint, "2", true},
        {AerieConfigKey::ChangeJobHint, "-1", false},
        {AerieConfigKey::CommonRefurbish, "-1", true},
        {AerieConfigKey::CommonRefurbish, "0", false},
        {AerieConfigKey::FightSeniorRefurbish, "1", true},
        {AerieConfigKey::AddPointTip, nullptr, false},
    };
    for (const Case& c : cases) {
        const std::string keys =
            c.value ? std::string("<key Name=\"") + c.key + "\" Value=\"" + c.value + "\"/>\n" : "";
        CAerieConfigMgr mgr(Write(keys).c_str());
        EXPECT_EQ(mgr.AsksConfirmation(c.key), c.asks) << c.key << " = " << (c.value ? c.value : "none");
    }

    // Ticking "do not ask again" turns the question off for good; leaving it unticked keeps it.
    const std::string path = CopySample();
    CAerieConfigMgr mgr(path.c_str());
    mgr.AnswerConfirmation(AerieConfigKey::ChangeJobHint, true);
    mgr.AnswerConfirmation(AerieConfigKey::SeniorRefurbish, false);
    CAerieConfigMgr reread(path.c_str());
    EXPECT_FALSE(reread.AsksConfirmation(AerieConfigKey::ChangeJobHint));
    EXPECT_TRUE(reread.AsksConfirmation(AerieConfigKey::SeniorRefurbish));
}

TEST_F(AerieSettings, DefaultPathIsBesideTheWorkingFolder)
{
    ASSERT_TRUE(m_Dir.IsValid());
    m_Dir.Write("data/help/aerieconfig.xml", "<config><key Name=\"ChangeJobHint\" Value=\"3\"/></config>");
    std::filesystem::create_directories(m_Dir.Root() / "game");
    XmlScopedCwd cwd(m_Dir.Root() / "game");
    CAerieConfigMgr mgr;
    EXPECT_EQ(mgr.GetValue(AerieConfigKey::ChangeJobHint), 3);
}
