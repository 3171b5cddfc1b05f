#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/text/SafeFormat.h"
#include "framework/text/TextUtil.h"
#include "platform/fake/FakePlatform.h"
#include "support/ExactBytes.h"

TEST(TextStepping, StepsOneTwoOrStaysAtTheEnd)
{
    const char* ascii = "ab";
    EXPECT_EQ(GbkNextChar(ascii), ascii + 1);
    const char* pair = "\xC4\xE3" "a";
    EXPECT_EQ(GbkNextChar(pair), pair + 2);
    const char* empty = "";
    EXPECT_EQ(GbkNextChar(empty), empty);
    // A lone lead byte before the terminator ends the text.
    const char* lone = "\xC4";
    EXPECT_EQ(GbkNextChar(lone), lone);
    EXPECT_EQ(GbkNextChar(nullptr), nullptr);
}

// The one bounded step every text walk takes (the rich text's runs, help markup, XML names): it
// reads nothing at or past its bound, which the exact-size buffers let the sanitizer see.
TEST(TextStepping, BoundedStepReadsNothingPastItsEnd)
{
    struct Case {
        std::string bytes;   // exactly the bytes that may be read
        std::size_t charBytes;
    } cases[] = {
        {"a", 1},
        {"\xC4\xE3", 2},
        {"\xC4", 0},                       // the second byte lies past the end
        {std::string("\xC4\0", 2), 0},    // a NUL ends the text
        {std::string("\0a", 2), 0},
        {"", 0},
        {"\x80" "a", 2},                    // any byte of 0x80 or above leads a pair
    };
    for (const Case& c : cases) {
        const std::vector<char> heap = orv::test::ExactBytes(c.bytes);
        const char* p = heap.empty() ? nullptr : heap.data();
        EXPECT_EQ(GbkCharBytes(p, heap.size()), c.charBytes) << testing::PrintToString(c.bytes);
        const char* next = GbkNextCharIn(p, p + heap.size());
        EXPECT_EQ(next, c.charBytes == 0 ? nullptr : p + c.charBytes) << testing::PrintToString(c.bytes);
    }
    // A bound short of the text's end is kept: the pair does not fit in one byte.
    const char* pair = "\xC4\xE3";
    EXPECT_EQ(GbkCharBytes(pair, 1), 0u);
    EXPECT_EQ(GbkNextCharIn(pair + 1, pair), nullptr);   // a start past the end
}

TEST(TextStepping, WholePrefixNeverSplitsAPairNorReadsPastLen)
{
    struct Case {
        std::string bytes;
        std::size_t maxBytes;
        std::size_t keep;
    } cases[] = {
        {"abcd", 3, 3},
        {"ab\xC4\xE3", 3, 2},        // the pair would cross the limit
        {"ab\xC4\xE3", 4, 4},
        {"ab\xC4", 9, 2},            // a lead byte whose trail is past len
        {std::string("a\0b", 3), 9, 3},
        {"", 5, 0},
        {"abc", 0, 0},
    };
    for (const Case& c : cases) {
        const std::vector<char> heap(c.bytes.begin(), c.bytes.end());   // exactly len bytes
        EXPECT_EQ(GbkWholePrefix(heap.data(), heap.size(), c.maxBytes), c.keep) << c.bytes << " / " << c.maxBytes;
    }
}

TEST(TextWidth, WholeTextWidths)
{
    struct Case {
        const char* text;
        int font;
        int width;
    } cases[] = {
        {"abcd", 1, 24},
        {"abcd", 2, 28},
        {"\xF8\xA1", 1, 12},
        {"\xF8\xA1", 2, 12},
        {"\xF8\xA0", 2, 14},            // trail below A1: an ordinary pair
        {"\xFF\xA1", 1, 12},            // the FF rule belongs to the range width only
        {"\xFF\xA1", 2, 14},
        {"\xC4\xE3" "a", 1, 18},
        {"ab\xC4", 1, 12},              // lone lead byte at the end is not counted
        {"", 1, 0},
        {nullptr, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTextWidth(c.text, c.font), c.width) << (c.text ? c.text : "(null)") << " font " << c.font;
    }
}

TEST(TextWidth, RangeWidths)
{
    const char* t = "a\xFF\xA1" "b\xF8\xA1" "c";   // 1 + 2 + 1 + 2 + 1 bytes
    EXPECT_EQ(GetTextRangeWidth(t, t + 7, 1), 6 + 16 + 6 + 12 + 6);
    EXPECT_EQ(GetTextRangeWidth(t, t + 7, 2), 7 + 16 + 7 + 14 + 7);
    // A character that starts before the end counts whole.
    EXPECT_EQ(GetTextRangeWidth(t, t + 2, 1), 6 + 16);
    EXPECT_EQ(GetTextRangeWidth(t, t, 1), 0);
    // Stops at the end of the text even when the end pointer lies beyond it.
    const char s[8] = "ab";
    EXPECT_EQ(GetTextRangeWidth(s, s + 8, 1), 12);
    const char lone[] = "a\xFF";
    EXPECT_EQ(GetTextRangeWidth(lone, lone + 2, 1), 6);
    EXPECT_EQ(GetTextRangeWidth(nullptr, t, 1), 0);
    EXPECT_EQ(GetTextRangeWidth(t, nullptr, 1), 0);
}

TEST(TextDuration, FormattedTexts)
{
    struct Case {
        std::string (*fn)(u32);
        u32 seconds;
        std::string text;
    } cases[] = {
        {FormatTimeDHM, 0, "1分钟"},
        {FormatTimeDHM, 30, "1分"},
        {FormatTimeDHM, 59, "1分"},
        {FormatTimeDHM, 60, "1分"},
        {FormatTimeDHM, 3600, "1小时"},
        {FormatTimeDHM, 3630, "1小时1分"},
        {FormatTimeDHM, 86400, "1天"},
        {FormatTimeDHM, 90061, "1天1小时1分"},
        {FormatTimeDHMS, 0, "0秒"},
        {FormatTimeDHMS, 3661, "1小时1分1秒"},
        {FormatTimeDHMS, 86405, "1天5秒"},
        {FormatTimeDHMS, 4294967295u, "49710天6小时28分15秒"},
        {FormatTimeClock, 0, "00:00:00"},
        {FormatTimeClock, 3605, "01:00:05"},
        {FormatTimeClock, 36610, "10:10:10"},
        {FormatTimeClock, 86399, "23:59:59"},
        {FormatTimeClock, 90000, "1天1小时"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.fn(c.seconds), c.text) << c.seconds;
    }
}

class TextClipboard : public ::testing::Test {
protected:
    orv::platform::FakePlatform fake;
};

TEST_F(TextClipboard, CopiesLenBytes)
{
    fake.m_Clipboard = "old";
    EXPECT_TRUE(CopyToClipboard("hello\xC4\xE3", 7));
    EXPECT_EQ(fake.m_Clipboard, std::string("hello\xC4\xE3"));
    EXPECT_TRUE(CopyToClipboard("hello", 3));
    EXPECT_EQ(fake.m_Clipboard, std::string("hel"));
    // len beyond the text's terminator stops at the NUL.
    EXPECT_TRUE(CopyToClipboard("ab", 100));
    EXPECT_EQ(fake.m_Clipboard, std::string("ab"));
    EXPECT_FALSE(fake.m_bClipboardOpen);
    EXPECT_EQ(fake.m_nOpenCount, fake.m_nCloseCount);
}

TEST_F(TextClipboard, RefusesBadArgumentsWithoutTouchingTheClipboard)
{
    fake.m_Clipboard = "old";
    EXPECT_FALSE(CopyToClipboard(nullptr, 3));
    EXPECT_FALSE(CopyToClipboard("abc", 0));
    EXPECT_FALSE(CopyToClipboard("abc", -1));
    EXPECT_EQ(fake.m_nOpenCount, 0);
    EXPECT_EQ(fake.m_Clipboard, std::string("old"));
    EXPECT_TRUE(fake.HasDebugLineContaining("CopyToClipboard"));
}

TEST_F(TextClipboard, EveryFailingStepReportsFalseAndCloses)
{
    struct Case {
        bool openFails, emptyFails, setFails;
        bool keepsOld;   // the clipboard keeps its text unless it was emptied
    } cases[] = {
        {true, false, false, true},
        {false, true, false, true},
        {false, false, true, false},
    };
    for (const Case& c : cases) {
        fake.m_Clipboard = "old";
        fake.m_bFailOpen = c.openFails;
        fake.m_bFailEmpty = c.emptyFails;
        fake.m_bFailSet = c.setFails;
        fake.m_vDebugLines.clear();
        EXPECT_FALSE(CopyToClipboard("new", 3));
        EXPECT_FALSE(fake.m_bClipboardOpen);
        EXPECT_EQ(fake.m_nOpenCount, fake.m_nCloseCount);
        EXPECT_EQ(fake.m_Clipboard.has_value() && *fake.m_Clipboard == "old", c.keepsOld);
        EXPECT_FALSE(fake.m_vDebugLines.empty());
    }
}

TEST(TextFormat, FormatsPlaceholders)
{
    EXPECT_EQ(SafeFormat("%1%个%2%", 3, std::string("蛋")), "3个蛋");
    EXPECT_EQ(SafeFormat("%2%-%1%", "a", 7), "7-a");
    EXPECT_EQ(SafeFormat("无参数"), "无参数");
}

TEST(TextFormat, BadTextsNeverThrow)
{
    orv::platform::FakePlatform fake;
    // A missing argument leaves its place empty; extra arguments are ignored.
    EXPECT_EQ(SafeFormat("%1%和%2%", 1), "1和");
    EXPECT_EQ(SafeFormat("%1%", 1, 2, 3), "1");
    EXPECT_TRUE(fake.m_vDebugLines.empty());
    // A text that cannot be parsed comes back as it stands.
    EXPECT_EQ(SafeFormat("100%", 5), "100%");
    EXPECT_EQ(SafeFormat("%1", 5), "%1");
    EXPECT_TRUE(fake.HasDebugLineContaining("SafeFormat"));
}
