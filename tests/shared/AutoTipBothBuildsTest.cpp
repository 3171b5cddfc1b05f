// The floating notices' stream reading as both builds have it, compiled into both test programs.
#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/ORVToolTip.h"
#include "shared/BothBuildsFixture.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;

class AutoTipBothBuildsTest : public orv::test::BothBuildsTest {
protected:
    AutoTipBothBuildsTest() { Empty(); }
    ~AutoTipBothBuildsTest() override { Empty(); }
    void Empty()
    {
        while (!tips.GetTips().empty()) {
            tips.Next();
        }
    }
    CAutoTip& tips = CAutoTip::GetSingleton();
};

TEST_F(AutoTipBothBuildsTest, MalformedStreamIsDroppedAndTheQueueKept)
{
    tips.AddText("held", kWhite, 150);
    std::string stream;
    CAutoTip::AppendHeader(stream, 150, 2, 0);
    CAutoTip::AppendLine(kWhite, stream, "first");
    CAutoTip::AppendLine(kWhite, stream, "second");
    for (std::size_t len = 0; len < stream.size(); ++len) {
        m_Fake.m_vDebugLines.clear();
        tips.Add(stream.substr(0, len));
        EXPECT_EQ(tips.GetTips().size(), 1u) << len;
        EXPECT_EQ(m_Fake.m_vDebugLines.size(), 1u) << len;
    }
    std::string tooMany;
    CAutoTip::AppendHeader(tooMany, 150, 0xFFFF, 0);
    CAutoTip::AppendLine(kWhite, tooMany, "only one");
    tips.Add(tooMany);
    EXPECT_EQ(tips.GetTips().size(), 1u);
    EXPECT_EQ(tips.GetTips().front().m_vLines[0].m_strText, "held");

    std::string nullLine;
    m_Fake.m_vDebugLines.clear();
    CAutoTip::AppendLine(kWhite, nullLine, nullptr);
    EXPECT_TRUE(nullLine.empty());
    EXPECT_EQ(m_Fake.m_vDebugLines.size(), 1u);

    tips.Add(stream + "trailing bytes are not read");
    ASSERT_EQ(tips.GetTips().size(), 2u);
    EXPECT_EQ(tips.GetTips().back().m_vLines.size(), 2u);
}

// A line record as written ({colour, font, centred, text, NUL}, little-endian) and read back: the
// build's larger text argument is kept and measured at its own width; any other reads as the default.
TEST_F(AutoTipBothBuildsTest, LineRecordsCarryTheBuildsTextArgument)
{
    const std::string text(60, 'x');
    std::string line;
    CAutoTip::AppendLine(0x11223344, line, "ab");
    ASSERT_EQ(line.size(), 10u);
    EXPECT_EQ(line.substr(0, 4), std::string("\x44\x33\x22\x11", 4));
    EXPECT_EQ(static_cast<u8>(line[4]) | static_cast<u8>(line[5]) << 8, kAutoTipLineFont);
    EXPECT_EQ(line.substr(6), std::string("\x01" "ab", 4));

    struct Case {
        u16 written;
        u16 read;
    } const cases[] = {
        {kAutoTipLineFont, kAutoTipLineFont},
        {kAutoTipLineFontLarge, kAutoTipLineFontLarge},
        {static_cast<u16>(kAutoTipLineFontLarge + 1), kAutoTipLineFont},
    };
    for (const Case& c : cases) {
        std::string stream;
        CAutoTip::AppendHeader(stream, 5, 1);
        CAutoTip::AppendLine(kWhite, c.written, stream, text.c_str());
        tips.Add(stream);
        ASSERT_EQ(tips.GetTips().size(), 1u) << c.written;
        EXPECT_EQ(tips.GetTips().front().m_vLines[0].m_wFont, c.read) << c.written;
        EXPECT_EQ(tips.m_nWidth, 60 * TextBytePx(c.read) + kAutoTipPadWidth) << c.written;
        Empty();
    }
}

}  // namespace
