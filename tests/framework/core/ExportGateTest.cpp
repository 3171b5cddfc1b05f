// The export gate's queue: exact bytes back in arrival order (also across the end of its byte
// ring), calls held while held calls are applied, the bounds of 64 calls and 1 MiB, typed calls
// held in two pieces, calls that ask again for what runs, and the bound on calls applied for one
// export.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
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

// A call of a Drop kind arriving while a call of its kind runs (the outermost export, or a held
// one being applied) is dropped with a debug line; once that call is over the kind is held again.
TEST(ExportGate, ACallAskingForWhatRunsIsDroppedAndLaterOnesOfItsKindAreHeld)
{
    orv::platform::FakePlatform fake;
    CExportGate gate;
    static constexpr CExportGate::HeldCall kOpen{1, "Open", CExportGate::Repeat::Drop};
    static constexpr CExportGate::HeldCall kClose{2, "Close", CExportGate::Repeat::Drop};
    static constexpr CExportGate::HeldCall kMessage{3, "Message", CExportGate::Repeat::Hold};
    struct Run {
        CExportGate* gate;
        std::vector<u32> applied;
    } run{&gate, {}};
    EXPECT_FALSE(gate.HoldIfBusy(kOpen)) << "no export runs: the call goes on";
    gate.Enter(kOpen.m_nKind);
    EXPECT_TRUE(gate.HoldIfBusy(kOpen));
    EXPECT_EQ(gate.HeldCalls(), 0u) << "an open inside the open";
    EXPECT_TRUE(fake.HasDebugLineContaining("Open from inside a host callback dropped"));
    EXPECT_TRUE(gate.HoldIfBusy(kClose));
    EXPECT_TRUE(gate.HoldIfBusy(kOpen) && gate.HeldCalls() == 1u) << "the outermost open still runs";
    EXPECT_TRUE(gate.HoldIfBusy(kMessage));
    gate.Leave(
        [](u32 kind, const char*, std::size_t, void* ctx) {
            auto* r = static_cast<Run*>(ctx);
            r->applied.push_back(kind);
            if (r->applied.size() == 1) {
                // Applying the close: a close inside it is dropped, an open and messages are held.
                EXPECT_TRUE(r->gate->HoldIfBusy(kClose));
                EXPECT_TRUE(r->gate->HoldIfBusy(kOpen));
                EXPECT_TRUE(r->gate->HoldIfBusy(kMessage));
            } else if (kind == kOpen.m_nKind || kind == kMessage.m_nKind) {
                r->gate->HoldIfBusy(kind == kOpen.m_nKind ? kOpen : kMessage);   // the open dropped, the message held
            }
        },
        &run);
    // close; message (held before); open and message (held inside the close); then the messages
    // each message held (two go round), up to the bound.
    ASSERT_GE(run.applied.size(), 4u);
    EXPECT_EQ((std::vector<u32>(run.applied.begin(), run.applied.begin() + 4)), (std::vector<u32>{2, 3, 1, 3}));
    EXPECT_EQ(std::count(run.applied.begin(), run.applied.end(), 1u), 1);
    EXPECT_EQ(std::count(run.applied.begin(), run.applied.end(), 2u), 1);
    // A message that holds another each time it is applied ends at the bound on calls applied.
    EXPECT_EQ(run.applied.size(), CExportGate::kMaxAppliedCalls);
    EXPECT_TRUE(fake.HasDebugLineContaining("2 calls held from inside a host callback dropped"));
    EXPECT_FALSE(gate.Busy());
    EXPECT_EQ(gate.HeldCalls(), 0u);
}

// Typed arguments and the bytes after them are held as one call and read back whole; a name held
// with its NUL reads back as a C string.
TEST(ExportGate, TypedArgumentsAndTheirTailComeBackWhole)
{
    orv::platform::FakePlatform fake;
    CExportGate gate;
    struct Args {
        void* pointer;
        int value;
    };
    constexpr CExportGate::HeldCall kCall{5, "Call", CExportGate::Repeat::Hold};
    int target = 0;
    std::string name = "owner";
    gate.Enter();
    ASSERT_TRUE(gate.HoldIfBusy(kCall, Args{&target, -7}, name.c_str(), name.size() + 1));
    name = "xxxxx";   // copied when it came
    ASSERT_TRUE(gate.HoldIfBusy(kCall, Args{nullptr, 3}));
    struct Seen {
        std::vector<Args> args;
        std::vector<std::string> tails;
        bool shortRead = false;
    } seen;
    gate.Leave(
        [](u32, const char* bytes, std::size_t len, void* ctx) {
            auto* s = static_cast<Seen*>(ctx);
            Args a{};
            std::string_view tail;
            ASSERT_TRUE(CExportGate::ReadHeld(bytes, len, &a, &tail));
            s->args.push_back(a);
            s->tails.emplace_back(tail.empty() ? "" : tail.data());
            double tooBig[4];
            s->shortRead = s->shortRead || CExportGate::ReadHeld(bytes, len, &tooBig);
        },
        &seen);
    ASSERT_EQ(seen.args.size(), 2u);
    EXPECT_EQ(seen.args[0].pointer, &target);
    EXPECT_EQ(seen.args[0].value, -7);
    EXPECT_EQ(seen.tails, (std::vector<std::string>{"owner", ""}));
    EXPECT_EQ(seen.args[1].value, 3);
    EXPECT_FALSE(seen.shortRead) << "more than was held is not read";
}

}  // namespace
