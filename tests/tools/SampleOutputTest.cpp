// What the sample programs print: requests named field by field, the library's debug lines decoded
// line by line, and the closing summary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/DebugLines.h"
#include "tools/RequestNames.h"
#include "tools/SampleSummary.h"

namespace orv::sample {
namespace {

std::string Utf8(const char8_t* s)
{
    return reinterpret_cast<const char*>(s);
}

// A request of main id 0x367: owner word, sub id, two parameters, body.
std::vector<char> Request(unsigned owner, unsigned sub, unsigned p1, unsigned p2, const std::string& body,
                          unsigned main = 0x367)
{
    std::vector<char> r;
    r.reserve(12 + body.size());
    const auto put16 = [&r](unsigned v) {
        r.push_back(static_cast<char>(v));
        r.push_back(static_cast<char>(v >> 8));
    };
    for (const unsigned word : {owner, owner >> 16, main, sub, p1, p2}) {
        put16(word);
    }
    for (const char c : body) {
        r.push_back(c);
    }
    return r;
}

TEST(RequestNames, NameEachFieldByWhatTheRequestCarries)
{
    using Describer = std::string (*)(std::string_view, bool*);
    const Describer aerie = &DescribeRequest;
    const Describer garden = &DescribeGardenRequest;
    struct Case {
        Describer describe;
        std::vector<char> bytes;
        bool known;
        std::string line;
    } const cases[] = {
        // The amount and the worth travel in the header's first word.
        {aerie, Request(300, 0x02, 1, 0, ""), true, "sub 0x02 buy resources: amount 300, resource kind 1"},
        {aerie, Request(120, 0x71, 1, 0, "\xC7\xE0\xE1\xB0"), true,
         "sub 0x71 hire a friend: worth 120, incubator 1, hired \"" + Utf8(u8"青岚") + "\""},
        {aerie, Request(0, 0x17, 0, 21, ""), true, "sub 0x17 move a monster: from slot 0, to slot 21"},
        {aerie, Request(0, 0x23, 0, 0, ""), true, "sub 0x23 ask the main-line missions"},
        // A field the request leaves 0 shows only when it is not.
        {aerie, Request(5, 0x06, 0, 2, "ab"), true,
         "sub 0x06 leave the game: owner = 5 (not used), param 2 = 2 (not used), body 2 bytes \"ab\" (not used)"},
        {aerie, Request(5, 0x99, 1, 2, "ab"), false, "owner 5, main 0x367, sub 0x99, params 1 2, body 2 bytes \"ab\""},
        {aerie, Request(0, 0x02, 0, 0, "", 0x368), false, "owner 0, main 0x368, sub 0x02, params 0 0, body 0 bytes \"\""},
        {aerie, std::vector<char>(11, '\0'), false, "too short for the 12-byte header"},
        // The Garden's sell request carries its count in the user id field.
        {garden, Request(3, 0x0c, 7, 0, "", 884), true, "message 884, sub 0x0C sell: count 3, item 7"},
        {garden, Request(0, 0x0d, 3, 1, "guid-pal", 884), true,
         "message 884, sub 0x0D harvest: plot 3, steal card 1, owner \"guid-pal\""},
        {garden, Request(100, 0xFD00, 0, 0, "", 1000), true, "message 1000, sub 0xFD00 use a tool card: card 100"},
        {garden, Request(0, 0x99, 1, 0, "", 884), false, "user id 0, message 884, sub 0x99, params 1 0, body 0 bytes \"\""},
        {garden, Request(0, 0x07, 1, 0, "", 0x367), false,
         "user id 0, message 871, sub 0x07, params 1 0, body 0 bytes \"\""},
        {garden, std::vector<char>(11, '\0'), false, "too short for the 12-byte header"},
    };
    for (const Case& c : cases) {
        bool known = !c.known;
        EXPECT_EQ(c.describe(std::string_view(c.bytes.data(), c.bytes.size()), &known), c.line);
        EXPECT_EQ(known, c.known) << c.line;
    }
}

TEST(DebugLineDecoder, GivesWholeLinesDecodedWhateverPiecesTheyCameIn)
{
    DebugLineDecoder decoder("  debug: ");
    // A line in three writes, one split inside a GBK character; then two lines in one write.
    EXPECT_EQ(decoder.Feed("\xCD\xA8"), "");
    EXPECT_EQ(decoder.Feed("\xD6"), "");
    EXPECT_EQ(decoder.Feed("\xAA\xB8\xC4\xB1\xE4\n"), "  debug: " + Utf8(u8"通知改变") + "\n");
    EXPECT_EQ(decoder.Feed("a\r\n\nb"), "  debug: a\n  debug: \n");
    EXPECT_EQ(decoder.Finish(), "  debug: b\n");   // a line left without its end
    EXPECT_EQ(decoder.Finish(), "");
    EXPECT_EQ(decoder.Feed("\x01\n"), "  debug: \\x01\n");   // one line stays one line
}

TEST(SampleSummary, ListsPicturesRequestsAndEachWindowOnce)
{
    SampleSummary summary;
    summary.Picture("own-city", "/tmp/p", true);
    summary.Picture("tooltip", "/tmp/p", false);
    summary.Picture("castle", "/tmp/p", true);
    summary.Window("game window");
    summary.Window("message box");
    summary.Window("game window");
    summary.Requests(21, 20);
    testing::internal::CaptureStdout();
    summary.Print("sample host", "by the request table");
    SampleSummary().Print("demo", nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "==== summary: sample host ====\n"
              "pictures written (2) in /tmp/p: own-city, castle\n"
              "pictures NOT written (1): tooltip\n"
              "requests sent: 21, decoded by the request table: 20\n"
              "windows opened (2): game window, message box\n"
              "==== summary: demo ====\n"
              "pictures written (0) in -: none\n"
              "requests sent: none (the program talks to no server)\n"
              "windows opened (0): none\n");
}

}  // namespace
}  // namespace orv::sample
