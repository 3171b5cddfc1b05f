#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/LoginText.h"
#include "engine/WriteLog.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"

namespace {

int g_nVerifyAnswer = 0;
std::vector<int> g_vCommands;

int ORV_STDCALL HostProc(int command, char*, int, char*)
{
    g_vCommands.push_back(command);
    return command == HOSTCMD_NEED_VERIFY ? g_nVerifyAnswer : 0;
}

class LoginTextTest : public ::testing::Test {
protected:
    LoginTextTest()
    {
        GetLoginInfo() = ORVLoginInfo{};
        GetLoginInfo().m_pfnHostProc = &HostProc;
        g_nVerifyAnswer = 0;
        g_vCommands.clear();
    }
    // The log is a text file: on Windows its lines end in CR LF, read here as LF.
    std::string Log() const
    {
        std::string text = ReadFileBytes("log.txt");
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
            text.erase(at, 1);
        }
        return text;
    }

    orv::platform::FakePlatform m_Fake;
    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
};

TEST_F(LoginTextTest, LinesFillTheFieldsOrNameTheMissingOne)
{
    const std::string eight = "pt\nguid\npw\n1.2.3.4\n80\n127.0.0.1\n9000\nenter";
    const struct {
        const char* name;
        std::string text;
        int verify;
        bool ok;
        const char* logged;
    } cases[] = {
        {"eight lines, no trailing newline", eight, 0, true, "UserInfo OK"},
        {"eight lines, a ninth wanted", eight, 1, false, "orv strSelfDisName error\n"},
        {"nine lines", eight + "\nme", 1, true, "UserInfo OK"},
        {"seven lines", "pt\nguid\npw\n1.2.3.4\n80\n127.0.0.1\n9000\n", 0, false, "orv strEnterGuidName error\n"},
        {"empty text", "", 0, false, "orv ptid error\n"},
    };
    for (const auto& c : cases) {
        GetLoginInfo().strEnterGuidName.clear();
        std::remove("log.txt");
        g_nVerifyAnswer = c.verify;
        g_vCommands.clear();
        EXPECT_EQ(ParseLoginText(c.text), c.ok) << c.name;
        EXPECT_NE(Log().find(c.logged), std::string::npos) << c.name << ": " << Log();
        // The host is asked about the ninth line once the eight lines are read, and only then.
        const bool eightRead = c.logged == std::string("UserInfo OK") || c.verify != 0;
        EXPECT_EQ(g_vCommands, eightRead ? std::vector<int>{HOSTCMD_NEED_VERIFY} : std::vector<int>{}) << c.name;
    }
    // Seven lines fill the first seven fields.
    EXPECT_EQ(GetLoginInfo().strGardenServerPort, "9000");
    EXPECT_EQ(GetLoginInfo().strEnterGuidName, "");
}

TEST_F(LoginTextTest, EachMissingLineNamesItsField)
{
    const char* failures[] = {"orv ptid error\n",           "orv playerguidname error\n",
                              "orv strPassword error\n",    "orv strGameServerIP error\n",
                              "orv strGameServerPort error\n", "orv strGardenServerIP error\n",
                              "orv strGardenServerPort error\n", "orv strEnterGuidName error\n",
                              "orv strSelfDisName error\n"};
    g_nVerifyAnswer = 1;
    std::string text;
    for (int lines = 0; lines < 9; ++lines) {
        std::remove("log.txt");
        EXPECT_FALSE(ParseLoginText(text)) << lines;
        EXPECT_EQ(Log(), failures[lines]);
        text += "f" + std::to_string(lines) + "\n";
    }
    EXPECT_TRUE(ParseLoginText(text));
    EXPECT_EQ(GetLoginInfo().strSelfDisName, "f8");
}

TEST_F(LoginTextTest, EmptyLinesAndCarriageReturnsStayInTheirFields)
{
    ASSERT_TRUE(ParseLoginText("pt\r\n\npw\nip\nport\ngip\ngport\nenter"));
    EXPECT_EQ(GetLoginInfo().ptid, "pt\r");
    EXPECT_EQ(GetLoginInfo().playerguidname, "");
    EXPECT_EQ(GetLoginInfo().strLoginText, "pt\r\n\npw\nip\nport\ngip\ngport\nenter");
}

TEST_F(LoginTextTest, SuccessLineHidesThePasswordAndKeepsTheFullWidthComma)
{
    ASSERT_TRUE(ParseLoginText("pt\nguid\nsecret\n1.2.3.4\n80\n127.0.0.1\n9000\nenter"));
    const std::string log = Log();
    EXPECT_EQ(log,
              "UserInfo OK,pt = pt, name = guid, psw = ***,gs ip = 1.2.3.4, gs port = 80,garden ip = 127.0.0.1, "
              "garden port = 9000\xA3\xAC" "enter guid = enter\n");
    EXPECT_EQ(log.find("secret"), std::string::npos);
}

TEST_F(LoginTextTest, LongHostFieldsAreCutNotOverrun)
{
    const std::string huge(20000, 'h');
    ASSERT_TRUE(ParseLoginText(huge + "\ng\np\ni\np\ni\np\ne"));
    EXPECT_EQ(Log().size(), 8191u);
    WriteLog("%s", "next\n");   // each call appends
    EXPECT_EQ(Log().substr(8191), "next\n");
}

TEST_F(LoginTextTest, LoginBodyJoinsFiveFieldsWithNulBytes)
{
    ASSERT_TRUE(ParseLoginText("ab\nc\nde\n1.2.3.4\n80\nx\ny\nz"));
    EXPECT_EQ(BuildLoginBody(), std::string("ab\0c\0de\0" "1.2.3.4\0" "80", 18));
}

TEST(GardenPlayerInfoTest, AssignCopiesAtMostTheRecord)
{
    GardenPlayerInfo info;
    std::vector<unsigned char> body(100, 0x11);
    info.Assign(body.data(), static_cast<u32>(body.size()));
    EXPECT_EQ(info.m_Bytes[87], 0x11);
    std::vector<unsigned char> shorter(40, 0x22);
    info.Assign(shorter.data(), static_cast<u32>(shorter.size()));
    EXPECT_EQ(info.m_Bytes[39], 0x22);
    EXPECT_EQ(info.m_Bytes[40], 0x11);
}

TEST(GardenPlayerInfoTest, PatchesApplyUntilABadRecord)
{
    orv::platform::FakePlatform fake;
    const struct {
        const char* name;
        std::vector<unsigned char> body;
        std::vector<std::pair<int, int>> expect;   // byte, value
    } cases[] = {
        {"two records", {2, 0, 84, 0, 0xAA, 0xBB, 1, 0, 8, 0, 0xCC}, {{84, 0xAA}, {85, 0xBB}, {8, 0xCC}}},
        {"empty body", {}, {{84, 0}}},
        {"header cut", {1, 0, 8, 0, 0xCC, 1, 0}, {{8, 0xCC}}},
        {"bytes past the body", {1, 0, 8, 0, 0xCC, 5, 0, 9, 0, 1}, {{8, 0xCC}, {9, 0}}},
        {"past the record", {1, 0, 8, 0, 0xCC, 2, 0, 87, 0, 1, 2, 1, 0, 9, 0, 7}, {{8, 0xCC}, {87, 0}, {9, 0}}},
        {"offset beyond", {0, 0, 89, 0}, {{0, 0}}},
        {"last byte exactly", {1, 0, 87, 0, 0x5A}, {{87, 0x5A}}},
    };
    for (const auto& c : cases) {
        GardenPlayerInfo info;
        info.ApplyPatches(c.body.empty() ? nullptr : c.body.data(), static_cast<u32>(c.body.size()));
        for (const auto& [at, value] : c.expect) {
            EXPECT_EQ(info.m_Bytes[at], value) << c.name << " byte " << at;
        }
    }
}

TEST(GardenPlayerInfoTest, MutatedPatchBodiesStayInsideTheRecord)
{
    orv::platform::FakePlatform fake;
    std::mt19937 rng(433);
    GardenPlayerInfo info;
    for (int round = 0; round < 100000; ++round) {
        std::vector<unsigned char> body(rng() % 24);
        for (unsigned char& b : body) {
            b = static_cast<unsigned char>(rng() % 4 == 0 ? rng() : rng() % 90);
        }
        info.ApplyPatches(body.data(), static_cast<u32>(body.size()));
        info.Assign(body.data(), static_cast<u32>(body.size()));
    }
    EXPECT_LE(info.Name().size(), 80u);
}

TEST_F(LoginTextTest, MutatedLoginTextsParseOrFailCleanly)
{
    std::mt19937 rng(1);
    const std::string base = "pt\nguid\npw\n1.2.3.4\n80\n127.0.0.1\n9000\nenter\nme";
    for (int round = 0; round < 2000; ++round) {
        std::string text = base;
        for (int e = 0; e < 3; ++e) {
            const std::size_t at = rng() % (text.size() + 1);
            if (rng() % 2 == 0) {
                text.insert(at, 1, static_cast<char>(rng() % 3 == 0 ? '\n' : rng()));
            } else if (at < text.size()) {
                text.erase(at, 1 + rng() % 4);
            }
        }
        g_nVerifyAnswer = static_cast<int>(rng() % 2);
        const bool ok = ParseLoginText(text);
        if (ok) {
            EXPECT_EQ(BuildLoginBody().size(),
                      GetLoginInfo().ptid.size() + GetLoginInfo().playerguidname.size() +
                          GetLoginInfo().strPassword.size() + GetLoginInfo().strGameServerIP.size() +
                          GetLoginInfo().strGameServerPort.size() + 4);
        }
    }
}

}  // namespace
