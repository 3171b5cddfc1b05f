#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ORVConfigMgr.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"

namespace {

const char kFile[] =
    "<config>\n"
    "<key Index=\"0\" Name=\"OpenStealCardTip\" Value=\"1\">note</key>\n"
    "<key Index=\"1\" Name=\"AutoUseStealCard\" Value=\"abc\"/>\n"
    "<key Index=\"2\" Name=\"AutoUseStealCard\" Value=\"7\"/>\n"
    "<Key Index=\"3\" Name=\"AutoUseGenePoint\" Value=\"5\"/>\n"
    "</config>\n";

class ORVConfigMgrTest : public ::testing::Test {
protected:
    orv::platform::FakePlatform m_Fake;
    XmlTempDir m_Dir;
};

TEST_F(ORVConfigMgrTest, ReadsKeysAndWritesThemBackOnACopy)
{
    const std::string path = m_Dir.Write("orvdata/help/config.xml", kFile);
    CORVConfigMgr mgr;
    ASSERT_TRUE(mgr.Load(path.c_str()));
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::OpenStealCardTip), 1);
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::AutoUseStealCard), 0);   // the first of two, "abc"
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::AutoUseGenePoint), 0);   // "Key" is not "key"
    mgr.SetValue(ORVConfigKey::AutoUseStealCard, -1);
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::AutoUseStealCard), -1);
    mgr.SetValue(ORVConfigKey::AutoUseGenePoint, 3);              // missing: nothing written
    CORVConfigMgr again;
    ASSERT_TRUE(again.Load(path.c_str()));
    EXPECT_EQ(again.GetValue(ORVConfigKey::AutoUseStealCard), -1);
    EXPECT_EQ(again.GetValue(ORVConfigKey::OpenStealCardTip), 1);
    const std::string saved = ReadFileBytes(path);
    const std::size_t first = saved.find("Value=\"-1\"");   // both elements of the name changed
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(saved.find("Value=\"-1\"", first + 1), std::string::npos);
    EXPECT_NE(saved.find("<Key Index=\"3\" Name=\"AutoUseGenePoint\" Value=\"5\"/>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

TEST_F(ORVConfigMgrTest, AFailedSaveLeavesTheFileAsItWas)
{
    const std::string path = m_Dir.Write("config.xml", kFile);
    CORVConfigMgr mgr;
    ASSERT_TRUE(mgr.Load(path.c_str()));
    std::filesystem::create_directory(path + ".new");   // the file beside it cannot be written
    mgr.SetValue(ORVConfigKey::OpenStealCardTip, 0);
    EXPECT_EQ(ReadFileBytes(path), kFile);
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::OpenStealCardTip), 0);   // the change holds in memory
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("could not be written"));
}

TEST_F(ORVConfigMgrTest, MissingFileReadsZeroAndWritesNothing)
{
    CORVConfigMgr mgr;
    EXPECT_FALSE(mgr.Load(m_Dir.Path("none.xml").c_str()));
    mgr.SetValue(ORVConfigKey::OpenStealCardTip, 1);
    EXPECT_EQ(mgr.GetValue(ORVConfigKey::OpenStealCardTip), 0);
    EXPECT_FALSE(std::filesystem::exists(m_Dir.Path("none.xml")));
}

}  // namespace
