// Feeding a frame scanner under test: the packets it hands out, collected in order, and a stream
// fed in exact-size heap pieces cut at given places.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/WireCodec.h"

namespace orv::test {

struct CollectedPackets {
    std::vector<std::string> packets;
    static void Sink(void* ctx, const char* data, int len)
    {
        static_cast<CollectedPackets*>(ctx)->packets.emplace_back(data, static_cast<std::size_t>(len));
    }
};

// Feeds stream[0, cuts[0]), [cuts[0], cuts[1]) ... and then the rest (cuts ascending, within the
// stream), each piece in a heap buffer of exactly its size.
inline void FeedPieces(FrameScanner& scanner, const std::string& stream, const std::vector<std::size_t>& cuts,
                       CollectedPackets& out)
{
    std::size_t pos = 0;
    for (std::size_t cut : cuts) {
        const std::vector<unsigned char> piece(stream.begin() + static_cast<long>(pos), stream.begin() + static_cast<long>(cut));
        scanner.Feed(piece.data(), piece.size(), &CollectedPackets::Sink, &out);
        pos = cut;
    }
    const std::vector<unsigned char> rest(stream.begin() + static_cast<long>(pos), stream.end());
    scanner.Feed(rest.data(), rest.size(), &CollectedPackets::Sink, &out);
}

}  // namespace orv::test
