#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/WireCodec.h"
#include "platform/fake/FakePlatform.h"
#include "support/ExactBytes.h"
#include "support/FakeGardenServer.h"
#include "support/ScannerFeed.h"

namespace {

using orv::test::ExactBytes;
using orv::test::FakeGardenServer;

// The bytes whose masked form is masked (the armour examples are given on masked bytes).
std::vector<unsigned char> Unmasked(std::vector<unsigned char> masked)
{
    for (unsigned char& b : masked) {
        b ^= kWireMask;
    }
    return masked;
}

TEST(WireCodec, ArmoursAsTheFrameRulesGive)
{
    const struct {
        std::vector<unsigned char> masked;
        const char* text;
    } cases[] = {
        {{0x12, 0x34, 0x56}, "AGQL"},
        {{0xFF, 0xFF, 0xFF}, "zzzz"},
        {{0x12}, "A;"},
        {{0x12, 0x34}, "AG<"},
        {{0x0C}, ";>"},   // the one-byte tail keeps bits 3-2 as value bits 1-0
        {{}, ""},
    };
    for (const auto& c : cases) {
        const std::vector<unsigned char> plain = Unmasked(c.masked);
        EXPECT_EQ(EncodeWire(plain.data(), static_cast<int>(plain.size())), c.text);
    }
    const std::vector<unsigned char> zeros(12, 0);
    EXPECT_EQ(EncodeWire(zeros.data(), 12), "QQYZQQYZQQYZQQYZ");
}

TEST(WireCodec, RoundTripsEveryLengthAndMatchesTheServersCodec)
{
    std::mt19937 rng(7);
    for (int len = 0; len <= 64; ++len) {
        std::string plain(static_cast<std::size_t>(len), '\0');
        for (char& c : plain) {
            c = static_cast<char>(rng());
        }
        const std::string text = EncodeWire(plain.data(), len);
        EXPECT_EQ(text.size(), ArmouredLength(static_cast<std::size_t>(len)));
        EXPECT_EQ(text, FakeGardenServer::Armour(plain)) << len;
        const std::vector<unsigned char> exact = ExactBytes<unsigned char>(text);   // no NUL behind the text
        EXPECT_EQ(DecodeWire(reinterpret_cast<const char*>(exact.data()), static_cast<int>(exact.size())), plain);
        for (char c : text) {
            EXPECT_TRUE(c >= ';' && c <= 'z');
        }
    }
}

using Collected = orv::test::CollectedPackets;
using orv::test::FeedPieces;

TEST(FrameScanner, TwoFramesWithFillersSplitAtEveryPairOfPlaces)
{
    orv::platform::FakePlatform fake;
    const std::string a = FakeGardenServer::Packet(52, 0, "player");
    const std::string b = FakeGardenServer::Packet(884, 501, std::string(40, 'x'));
    std::string fa = FakeGardenServer::Frame(a, '3');
    fa.insert(7, "*+");   // fillers inside the text are skipped
    const std::string stream = "+" + fa + "**" + FakeGardenServer::Frame(b, '4');
    for (std::size_t i = 0; i <= stream.size(); ++i) {
        for (std::size_t j = i; j <= stream.size(); j += 5) {
            FrameScanner scanner;
            Collected got;
            FeedPieces(scanner, stream, {i, j}, got);
            ASSERT_EQ(got.packets.size(), 2u) << i << " " << j;
            EXPECT_EQ(got.packets[0], a);
            EXPECT_EQ(got.packets[1], b);
        }
    }
}

TEST(FrameScanner, DropsWhatIsNotAFrameAndFindsTheNextOne)
{
    orv::platform::FakePlatform fake;
    const std::string good = FakeGardenServer::Packet(100, 1, "abc");
    const std::string frame = FakeGardenServer::Frame(good, '1');
    const struct {
        const char* name;
        std::string before;
    } cases[] = {
        {"short frame ended", "#1QQYZQQYZ!"},
        {"short text glued to nothing", "QQ!"},
        {"frame without its end", "#1QQYZQQYZQQYZQQYZQQ"},
        {"'#' as the last byte of a read", "#"},
        {"overlong frame", "#1" + std::string(kMaxFrameText + 10, 'Q') + "!"},
        {"overlong frame without end", "#1" + std::string(kMaxFrameText + 10, 'Q')},
    };
    for (const auto& c : cases) {
        FrameScanner scanner;
        Collected got;
        // The good frame comes in the next read; a bare '#' before it is its own start.
        const std::string next = c.before == "#" ? frame.substr(1) : frame;
        FeedPieces(scanner, c.before + next, {c.before.size()}, got);
        ASSERT_EQ(got.packets.size(), 1u) << c.name;
        EXPECT_EQ(got.packets.back(), good) << c.name;
    }
    // A text within the limit still passes: the largest packet.
    FrameScanner scanner;
    Collected got;
    const std::string big(kMaxPacketBytes, 'z');
    FeedPieces(scanner, FakeGardenServer::Frame(big), {}, got);
    ASSERT_EQ(got.packets.size(), 1u);
    EXPECT_EQ(got.packets[0], big);
}

TEST(FrameScanner, MutatedStreamsStayInBoundsAndTheNextFrameIsFound)
{
    orv::platform::FakePlatform fake;
    std::mt19937 rng(20261210);
    const std::string marker = FakeGardenServer::Packet(777, 7, "marker-body");
    const std::string markerFrame = FakeGardenServer::Frame(marker, '5');
    const char alphabet[] = "#!*+;<QZz123";
    for (int round = 0; round < 100000; ++round) {
        std::string body(rng() % 40, '\0');
        for (char& c : body) {
            c = static_cast<char>(rng());
        }
        std::string stream = FakeGardenServer::Frame(FakeGardenServer::Packet(rng() & 0xFFFF, 0, body), '1');
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !stream.empty(); ++e) {
            const std::size_t at = rng() % stream.size();
            switch (rng() % 4) {
            case 0: stream[at] = alphabet[rng() % (sizeof alphabet - 1)]; break;
            case 1: stream.erase(at, 1 + rng() % 5); break;
            case 2: stream.insert(at, 1, static_cast<char>(rng())); break;
            default: stream.resize(at); break;
            }
        }
        FrameScanner scanner;
        Collected got;
        std::vector<std::size_t> cuts;
        for (std::size_t at = 0; at < stream.size(); at += 1 + rng() % 16) {
            cuts.push_back(at);
        }
        FeedPieces(scanner, stream, cuts, got);
        got.packets.clear();
        FeedPieces(scanner, markerFrame, {rng() % markerFrame.size()}, got);
        ASSERT_FALSE(got.packets.empty()) << round;
        ASSERT_EQ(got.packets.back(), marker) << round;
    }
}

}  // namespace
