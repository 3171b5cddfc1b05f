// Opening a link: the test fake records it; the native platform of a system without a browser
// call (POSIX) writes a debug line naming the link, cut to a bounded length.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "platform/fake/FakePlatform.h"

TEST(OpenLink, FakeRecordsNativeWritesADebugLine)
{
    {
        orv::platform::FakePlatform fake;
        orv::platform::Get().OpenLink("http://a.example");
        orv::platform::Get().OpenLink(nullptr);
        EXPECT_EQ(fake.m_vOpenedLinks, (std::vector<std::string>{"http://a.example", ""}));
    }
    testing::internal::CaptureStderr();
    orv::platform::Native().OpenLink("http://b.example");
    orv::platform::Native().OpenLink(std::string(1000, 'x').c_str());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("OpenLink: http://b.example\n"), std::string::npos) << err;
    EXPECT_NE(err.find("OpenLink: " + std::string(256, 'x') + "\n"), std::string::npos);
    EXPECT_EQ(err.find(std::string(257, 'x')), std::string::npos);
}
#endif
