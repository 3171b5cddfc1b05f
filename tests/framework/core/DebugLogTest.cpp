#include <gtest/gtest.h>

#include <string>

#include "framework/core/DebugLog.h"
#include "platform/fake/FakePlatform.h"

namespace {

TEST(DebugLog, FormatsOneLineAndCutsItAt8191Bytes)
{
    orv::platform::FakePlatform fake;
    DebugLog("Error,%s is %d\n", "m_pBox", 7);
    const std::string longText(9000, 'x');
    DebugLog("%s", longText.c_str());
    DebugLog(nullptr);
    ASSERT_EQ(fake.m_vDebugLines.size(), 2u) << "a null format writes nothing";
    EXPECT_EQ(fake.m_vDebugLines[0], "Error,m_pBox is 7\n");
    EXPECT_EQ(fake.m_vDebugLines[1], std::string(8191, 'x'));
}

}  // namespace
