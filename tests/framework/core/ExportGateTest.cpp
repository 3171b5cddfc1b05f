// The export gate's queue: exact bytes back in arrival order (also across the end of its byte
// ring), calls held while held calls are applied, and the bounds of 64 calls and 1 MiB.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ExportGate.h"
#include "platform/fake/FakePlatform.h"

namespace {

struct Applied {
    std::vector<std::pair<u32, std::string>> calls;
    // Applying a call of kind 1 holds one of kind 2 with the same bytes, as a host answering at
    // once would.
    CExportGate* nestInto = nullptr;
};

void Record(u32 kind, const char* bytes, std::size_t len, void* ctx)
{
    auto* applied = static_cast<Applied*>(ctx);
    applied->calls.emplace_back(kind, std::string(bytes, len));
    if (applied->nestInto != nullptr && kind == 1) {
        ASSERT_TRUE(applied->nestInto->Busy());
        applied->nestInto->Hold(2, bytes, len, "test");
    }
}

TEST(ExportGate, HeldCallsComeBackWholeInArrivalOrderWhenTheOutermostExportEnds)
{
    orv::platform::FakePlatform fake;
    CExportGate gate;
    Applied applied;
    applied.nestInto = &gate;
    EXPECT_FALSE(gate.Busy());
    gate.Enter();
    gate.Enter();
    ASSERT_TRUE(gate.Hold(1, "ab\0c", 4, "test"));
    ASSERT_TRUE(gate.Hold(3, nullptr, 0, "test"));
    gate.Leave(&Record, &applied);   // not the outermost: nothing applied yet
    EXPECT_TRUE(applied.calls.empty());
    EXPECT_TRUE(gate.Busy());
    ASSERT_TRUE(gate.Hold(1, "x", 1, "test"));
    gate.Leave(&Record, &applied);
    EXPECT_FALSE(gate.Busy());
    const std::vector<std::pair<u32, std::string>> expected = {
        {1, std::string("ab\0c", 4)}, {3, ""}, {1, "x"}, {2, std::string("ab\0c", 4)}, {2, "x"}};
    EXPECT_EQ(applied.calls, expected);
    EXPECT_EQ(gate.HeldCalls(), 0u);
    EXPECT_EQ(gate.HeldBytes(), 0u);
}

TEST(ExportGate, BytesWrappingRoundTheRingComeBackExact)
{
    orv::platform::FakePlatform fake;
    CExportGate gate;
    Applied applied;
    constexpr std::size_t kThird = CExportGate::kMaxHeldBytes / 3;
    // Two calls, the first applied: the third call's bytes start near the ring's end and wrap.
    std::string big(kThird, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i * 7 + 1);
    }
    gate.Enter();
    ASSERT_TRUE(gate.Hold(1, big.data(), big.size(), "test"));
    ASSERT_TRUE(gate.Hold(2, big.data(), big.size(), "test"));
    struct Step {
        CExportGate* gate;
        std::string* big;
        Applied* applied;
    } step{&gate, &big, &applied};
    gate.Leave(
        [](u32 kind, const char* bytes, std::size_t len, void* ctx) {
            auto* s = static_cast<Step*>(ctx);
            s->applied->calls.emplace_back(kind, std::string(bytes, len));
            if (kind == 1) {
                // The ring holds the second call from a third of the way on; this one ends past the end.
                const std::string wraps = std::string(*s->big) + *s->big;
                ASSERT_TRUE(s->gate->Hold(3, wraps.data(), wraps.size() - 5, "test"));
            }
        },
        &step);
    ASSERT_EQ(applied.calls.size(), 3u);
    EXPECT_EQ(applied.calls[1].second, big);
    EXPECT_EQ(applied.calls[2].first, 3u);
    EXPECT_EQ(applied.calls[2].second, (big + big).substr(0, 2 * kThird - 5));
}

TEST(ExportGate, CallsBeyondTheBoundsAreDroppedWithADebugLine)
{
    orv::platform::FakePlatform fake;
    CExportGate gate;
    Applied applied;
    gate.Enter();
    for (std::size_t i = 0; i < CExportGate::kMaxHeldCalls; ++i) {
        ASSERT_TRUE(gate.Hold(1, "m", 1, "Recv"));
    }
    EXPECT_FALSE(gate.Hold(1, "n", 1, "Recv"));
    EXPECT_TRUE(fake.HasDebugLineContaining("Recv of 1 bytes from inside a host callback dropped"));
    gate.Leave(&Record, &applied);
    EXPECT_EQ(applied.calls.size(), CExportGate::kMaxHeldCalls);

    applied.calls.clear();
    const std::string half(CExportGate::kMaxHeldBytes / 2, 'h');
    gate.Enter();
    ASSERT_TRUE(gate.Hold(1, half.data(), half.size(), "Recv"));
    ASSERT_TRUE(gate.Hold(2, half.data(), half.size() - 1, "Recv"));
    EXPECT_FALSE(gate.Hold(3, "ab", 2, "Recv")) << "one byte of room left";
    EXPECT_TRUE(gate.Hold(4, "a", 1, "Recv"));
    EXPECT_EQ(gate.HeldBytes(), CExportGate::kMaxHeldBytes);
    gate.Leave(&Record, &applied);
    ASSERT_EQ(applied.calls.size(), 3u);
    EXPECT_EQ(applied.calls[2], (std::pair<u32, std::string>{4, "a"}));
}

}  // namespace
