// Garden packets through the queue: per packet, PushGardenPacket and DrainGardenPackets with the
// dispatcher and the state applying it, beside the bare decode of the same bytes (the armoured
// text decoded with DecodeWire; the ranking's list and its nested records also inflated with
// uncompress). Packets: an enter
// reply 501 of 15 plots, 15 plants and 60 plant-list entries (a refresh: first parameter 1), a
// plot update 502, a tool-card patch 945, and a compressed ranking 516 (four lists of 100 rows,
// 500 nested records). Goals: the 501 under 167 us, each at most twice its bare decode, no heap
// allocation per packet once warm (allocs/iter).
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "AllocCounter.h"
#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/WireCodec.h"
#include "framework/core/ScratchBuffer.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "tools/GardenBytes.h"

namespace {

namespace gb = orv::garden_bytes;

struct AllocCounter {
    explicit AllocCounter(benchmark::State& state) : m_State(state), m_nStart(AllocationCount()) {}
    ~AllocCounter()
    {
        const double iterations = m_State.iterations() > 0 ? static_cast<double>(m_State.iterations()) : 1.0;
        m_State.counters["allocs/iter"] = static_cast<double>(AllocationCount() - m_nStart) / iterations;
    }
    benchmark::State& m_State;
    unsigned long long m_nStart;
};

std::string Enter501()
{
    gb::GardenDesc g;
    g.guid = "bench-player";
    g.display = "Bench";
    g.info.level = 9;
    for (std::uint8_t n = 1; n <= 15; ++n) {
        gb::PlotDesc plot;
        plot.number = n;
        g.plots.push_back(plot);
        g.plants.push_back({static_cast<std::uint16_t>(1 + n % 7), n, 1000u * n, "bench-player"});
    }
    for (int i = 0; i < 60; ++i) {
        g.plantList.emplace_back(static_cast<std::uint16_t>(1 + i % 7), static_cast<std::uint16_t>(i % 5));
    }
    return gb::Enter501(g, 1);
}

std::string PlotUpdate()
{
    gb::PlotDesc plot;
    plot.number = 4;
    plot.water = 2;
    return gb::Reply(502, gb::Item(12, gb::PlotBytes(plot)), 0, 4);
}

std::string CardPatch()
{
    std::string patch = gb::U16(2);   // {length 2, offset 46, count 9}
    patch += gb::U16(46);
    patch += gb::U16(9);
    return gb::Packet(945, 0, patch, 77);
}

void Prepare()
{
    static bool s_bDone = false;
    if (s_bDone) {
        return;
    }
    s_bDone = true;
    GetXmlGardenMgr().Load((std::string(ORVANE_SOURCE_DIR) + "/tools/orvanedemo_data/orvdata/help/GardenMgr.xml").c_str());
    std::string player(88, '\0');
    player.replace(8, 12, "bench-player");
    GetLoginInfo().m_PlayerInfo.Assign(player.data(), 88);
    SetGardenDispatcher(&DispatchGardenPacket);
    const std::string cards = gb::Packet(201, 0, gb::CardBytes(77, "card", 1, 7437, 1) + gb::CardBytes(78, "c", 1, 1, 1), 0, 0, 2);
    GetToolCardStore().RefillFirst(reinterpret_cast<const u8*>(cards.data()), static_cast<int>(cards.size()));
}

void PushAndDrain(benchmark::State& state, const std::string& packet)
{
    Prepare();
    for (int i = 0; i < 3; ++i) {   // warm: collections grown, buffers sized
        PushGardenPacket(packet.data(), static_cast<int>(packet.size()));
        DrainGardenPackets();
    }
    AllocCounter count(state);
    for (auto _ : state) {
        PushGardenPacket(packet.data(), static_cast<int>(packet.size()));
        DrainGardenPackets();
    }
}

void BareDecode(benchmark::State& state, const std::string& packet, bool inflate)
{
    const std::string text = EncodeWire(packet.data(), static_cast<int>(packet.size()));
    std::string out;
    out.reserve(packet.size());
    std::vector<unsigned char> inflated(kScratchBufferSize);
    std::vector<unsigned char> nested(kScratchBufferSize);
    AllocCounter count(state);
    for (auto _ : state) {
        DecodeWireInto(text.data(), text.size(), out);
        if (inflate) {
            // The outer list, then the nested records of its last item (kind 23).
            uLongf n = inflated.size();
            uncompress(inflated.data(), &n, reinterpret_cast<const Bytef*>(out.data()) + 12, out.size() - 12);
            std::size_t pos = 0;
            std::size_t last = 0;
            while (pos + 4 <= n) {
                last = pos;
                pos += 4 + (inflated[pos + 2] | inflated[pos + 3] << 8);
            }
            uLongf m = nested.size();
            uncompress(nested.data(), &m, inflated.data() + last + 4, inflated[last + 2] | inflated[last + 3] << 8);
            benchmark::DoNotOptimize(nested.data());
        }
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_Garden501(benchmark::State& state) { PushAndDrain(state, Enter501()); }
void BM_Garden501BareDecode(benchmark::State& state) { BareDecode(state, Enter501(), false); }
void BM_GardenPlotUpdate(benchmark::State& state) { PushAndDrain(state, PlotUpdate()); }
void BM_GardenPlotUpdateBareDecode(benchmark::State& state) { BareDecode(state, PlotUpdate(), false); }
void BM_GardenCardPatch(benchmark::State& state) { PushAndDrain(state, CardPatch()); }
void BM_GardenCardPatchBareDecode(benchmark::State& state) { BareDecode(state, CardPatch(), false); }
void BM_GardenRanking(benchmark::State& state) { PushAndDrain(state, gb::Ranking516(100, 500)); }
void BM_GardenRankingBareDecode(benchmark::State& state) { BareDecode(state, gb::Ranking516(100, 500), true); }

}  // namespace

BENCHMARK(BM_Garden501);
BENCHMARK(BM_Garden501BareDecode);
BENCHMARK(BM_GardenPlotUpdate);
BENCHMARK(BM_GardenPlotUpdateBareDecode);
BENCHMARK(BM_GardenCardPatch);
BENCHMARK(BM_GardenCardPatchBareDecode);
BENCHMARK(BM_GardenRanking);
BENCHMARK(BM_GardenRankingBareDecode);

// The program's one main (the other engine-drawn benchmarks join this program).
