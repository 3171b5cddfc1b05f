#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/GardenPackets.h"
#include "platform/fake/FakePlatform.h"

namespace {

std::vector<std::string> g_Got;

void Collect(const char* data, int len)
{
    g_Got.emplace_back(data, static_cast<std::size_t>(len));
    if (g_Got.size() == 1) {
        PushGardenPacket("pushed while draining", 21);   // waits for the next frame
    }
}

TEST(GardenPackets, HeldWithinLimitsAndDrainedInArrivalOrder)
{
    orv::platform::FakePlatform fake;
    ClearGardenPackets();
    g_Got.clear();
    SetGardenDispatcher(&Collect);
    const std::string big(kHeldPacketBytesMax - 20, 'b');
    PushGardenPacket("first-packet", 12);
    PushGardenPacket(big.data(), static_cast<int>(big.size()));
    PushGardenPacket("does-not-fit", 12);   // past the byte limit: refused
    PushGardenPacket("12345678", 8);        // still fits
    PushGardenPacket(nullptr, 4);
    EXPECT_TRUE(fake.HasDebugLineContaining("dropped"));
    DrainGardenPackets();
    ASSERT_EQ(g_Got.size(), 3u);
    EXPECT_EQ(g_Got[0], "first-packet");
    EXPECT_EQ(g_Got[1], big);
    EXPECT_EQ(g_Got[2], "12345678");
    ASSERT_EQ(HeldGardenPackets().size(), 1u);
    DrainGardenPackets();
    EXPECT_EQ(g_Got.back(), "pushed while draining");
    SetGardenDispatcher(nullptr);
}

}  // namespace
