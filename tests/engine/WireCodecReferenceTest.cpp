// The codec and the scanner take whole words and vector blocks at a time; these tests hold them to
// plain byte-at-a-time versions over random inputs of every length up to 300, a few large ones,
// and streams that exercise every framing rule.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/WireCodec.h"
#include "platform/fake/FakePlatform.h"
#include "support/FakeGardenServer.h"
#include "support/ScannerFeed.h"

namespace {

using orv::test::FakeGardenServer;

// De-armours any bytes, one character at a time: a value is the character minus ';' modulo 256,
// and the third byte of a group is the whole third value with the carry's bits 5-4 ORed in above.
std::string ReferenceDecode(const std::vector<unsigned char>& text)
{
    std::string out;
    auto val = [&](std::size_t i) { return static_cast<unsigned>((text[i] - ';') & 0xFF); };
    auto byteOf = [](unsigned v, unsigned carry) {
        return static_cast<char>((((v >> 2) & 0x0F) << 4 | (carry & 3) << 2 | (v & 3)) ^ 0x5E);
    };
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        const unsigned d = val(i + 3);
        out.push_back(byteOf(val(i), d >> 2));
        out.push_back(byteOf(val(i + 1), d));
        out.push_back(static_cast<char>((((d >> 4) & 3) << 6 | val(i + 2)) ^ 0x5E));
    }
    if (text.size() - i == 2) {
        out.push_back(byteOf(val(i), val(i + 1)));
    } else if (text.size() - i == 3) {
        out.push_back(byteOf(val(i), val(i + 2) >> 2));
        out.push_back(byteOf(val(i + 1), val(i + 2)));
    }
    return out;
}

// The framing rules one byte at a time: the sequence character after '#' is skipped (a '#' there
// starts anew), '*' and '+' are skipped, '#' drops what was gathered, '!' hands on a text of 16
// characters or more and clears it, a text that would pass kMaxFrameText is dropped up to the next
// '!' or '#'.
class ReferenceScanner {
public:
    void Feed(const std::vector<unsigned char>& bytes)
    {
        for (unsigned char ch : bytes) {
            if (m_bSkipNext) {
                m_bSkipNext = false;
                if (ch != '#') {
                    continue;
                }
            }
            if (ch == '*' || ch == '+') {
                continue;
            }
            if (ch == '#') {
                m_Text.clear();
                m_bOverlong = false;
                m_bSkipNext = true;
            } else if (ch == '!') {
                if (!m_bOverlong && m_Text.size() >= kMinFrameText) {
                    packets.push_back(ReferenceDecode(m_Text));
                }
                m_bOverlong = false;
                m_Text.clear();
            } else if (!m_bOverlong) {
                if (m_Text.size() == kMaxFrameText) {
                    m_Text.clear();
                    m_bOverlong = true;
                } else {
                    m_Text.push_back(ch);
                }
            }
        }
    }
    std::vector<std::string> packets;

private:
    std::vector<unsigned char> m_Text;
    bool m_bSkipNext = false;
    bool m_bOverlong = false;
};

std::vector<unsigned char> RandomBytes(std::mt19937& rng, std::size_t n)
{
    std::vector<unsigned char> v(n);
    for (unsigned char& b : v) {
        b = static_cast<unsigned char>(rng());
    }
    return v;
}

std::vector<std::size_t> TestLengths()
{
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n <= 300; ++n) {
        lengths.push_back(n);
    }
    for (std::size_t n : {4093u, 4096u, 4097u, 131071u, 131072u, 131073u}) {
        lengths.push_back(n);
    }
    lengths.push_back(kMaxPacketBytes);
    return lengths;
}

TEST(WireCodecReference, EncodeMatchesTheByteWiseArmourAtEveryLength)
{
    std::mt19937 rng(11);
    for (std::size_t n : TestLengths()) {
        const std::vector<unsigned char> plain = RandomBytes(rng, n);   // exact size: no slack to read
        const std::string expected = FakeGardenServer::Armour(std::string(plain.begin(), plain.end()));
        EXPECT_EQ(EncodeWire(plain.data(), static_cast<int>(n)), expected) << n;
        std::string framed = "#7";   // appending keeps what is there
        AppendEncodedWire(plain.data(), n, framed);
        EXPECT_EQ(framed, "#7" + expected) << n;
    }
}

TEST(WireCodecReference, DecodeMatchesTheByteWiseRulesOnAnyBytes)
{
    std::mt19937 rng(12);
    const unsigned char armour[] = ";<QZz";
    for (std::size_t n : TestLengths()) {
        // Any byte values (also outside ';' to 'z', whose spare bits reach the third byte), and
        // texts of armour characters only.
        for (bool anyByte : {true, false}) {
            std::vector<unsigned char> text = RandomBytes(rng, n);
            if (!anyByte) {
                for (unsigned char& c : text) {
                    c = static_cast<unsigned char>(';' + c % 64);
                }
                if (n > 0) {
                    text[rng() % n] = armour[rng() % 5];
                }
            }
            const std::string got = DecodeWire(reinterpret_cast<const char*>(text.data()), static_cast<int>(n));
            ASSERT_EQ(got, ReferenceDecode(text)) << n << (anyByte ? " any bytes" : " armour");
            std::string into = "stale content that must go";
            DecodeWireInto(reinterpret_cast<const char*>(text.data()), n, into);
            ASSERT_EQ(into, got) << n;
        }
    }
}

// Random streams of good frames of every length 0..300, frames with fillers inside, short texts
// ended by '!', bare '#' and '!', '#' as the sequence character, random bytes, and frames around
// kMaxFrameText; fed whole, byte by byte and in random reads.
TEST(WireCodecReference, ScannerMatchesTheByteWiseRulesOnRandomStreams)
{
    orv::platform::FakePlatform fake;
    std::mt19937 rng(13);
    auto frameOf = [&](std::size_t n) {
        std::string f = "#";
        f.push_back(static_cast<char>('1' + rng() % 9));
        const std::vector<unsigned char> plain = RandomBytes(rng, n);
        AppendEncodedWire(plain.data(), plain.size(), f);
        return f + "!";
    };
    for (int round = 0; round < 400; ++round) {
        std::string stream;
        const int pieces = 1 + static_cast<int>(rng() % 8);
        for (int k = 0; k < pieces; ++k) {
            switch (rng() % 10) {
            case 0: stream += std::string(1 + rng() % 3, "*+"[rng() % 2]); break;
            case 1: stream += "#"; break;
            case 2: stream += "!"; break;
            case 3: stream += "##"; break;   // '#' in the sequence character's place
            case 4: {
                const std::vector<unsigned char> noise = RandomBytes(rng, rng() % 40);
                stream.append(noise.begin(), noise.end());
                break;
            }
            case 5: stream += std::string(rng() % 16, 'Q') + "!"; break;   // short text
            case 6: {
                std::string f = frameOf(rng() % 301);
                for (int fillers = static_cast<int>(rng() % 4); fillers > 0; --fillers) {
                    f.insert(1 + rng() % (f.size() - 1), 1, "*+"[rng() % 2]);
                }
                stream += f;
                break;
            }
            case 7:
                if (rng() % 8 == 0) {   // around the length limit, sometimes without its '!'
                    const std::size_t n = kMaxFrameText - 2 + rng() % 5;
                    stream += "#1" + std::string(n, 'z') + (rng() % 2 ? "!" : "");
                    break;
                }
                if (rng() % 4 == 0) {   // large packets, their texts whole blocks of 8192 and more
                    const std::size_t sizes[] = {6143, 6144, 6145, 12288, 131072, kMaxPacketBytes};
                    stream += frameOf(sizes[rng() % 6]);
                    break;
                }
                [[fallthrough]];
            default: stream += frameOf(rng() % 301); break;
            }
        }
        const std::vector<unsigned char> bytes(stream.begin(), stream.end());
        ReferenceScanner reference;
        reference.Feed(bytes);

        for (int mode = 0; mode < 3; ++mode) {
            if (mode == 1 && bytes.size() > 20000) {
                continue;   // byte by byte only on the shorter streams
            }
            FrameScanner scanner;
            orv::test::CollectedPackets got;
            std::size_t pos = 0;
            while (pos < bytes.size()) {
                const std::size_t n = mode == 0 ? bytes.size() : mode == 1 ? 1 : std::min<std::size_t>(bytes.size() - pos, 1 + rng() % 64);
                const std::vector<unsigned char> read(bytes.begin() + static_cast<long>(pos), bytes.begin() + static_cast<long>(pos + n));
                scanner.Feed(read.data(), read.size(), &orv::test::CollectedPackets::Sink, &got);
                pos += n;
            }
            ASSERT_EQ(got.packets, reference.packets) << "round " << round << " mode " << mode;
        }
    }
}

}  // namespace
