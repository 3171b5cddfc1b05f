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

}  // namespace
