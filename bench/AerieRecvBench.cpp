// Decoding and applying a full city: a realistic compressed reply 0 (all 18 buildings, 70
// monster slots, 33 group-skill slots, technologies, incubators, work states and fights) handed to
// CORVMgr::Recv, against zlib's bare uncompress of the same body. Decoding and applying should
// cost at most as much again as the inflate, with no allocation per item once the city is known.
// Also the same message handed over from inside a host callback (held, then applied when the
// export returns). Each reports the heap allocations per message.
#include <benchmark/benchmark.h>

#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "aerie/state/AerieDataMgr.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/ExportGate.h"
#include "framework/core/GameHooks.h"
#include "tools/ServerBytes.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "AllocCounter.h"
#include "NullHost.h"
#include "framework/core/ORVCallBack.h"
#include "framework/core/ScratchBuffer.h"
#include "maingame/orvane/ORVMgr.h"

namespace {

using namespace aerie_layout;

using orv::sample::DataItem;
std::string Bytes(std::size_t n, char fill) { return std::string(n, fill); }

// The inflated items of a full own city.
std::string FullCity()
{
    std::string s = DataItem(0, "bench") + DataItem(1, LE32(100000) + LE32(5000) + LE32(4000) + LE32(3000) + LE32(2000) +
                                                   Bytes(kOwnerRecordSize - 20, '\x01'));
    for (unsigned slot = 0; slot < 18; ++slot) {
        s += DataItem(2, LE16(slot) + LE16(slot % 6));
    }
    for (unsigned id = 0; id < 32; ++id) {
        s += DataItem(3, LE16(id) + LE16(id % 4));
    }
    for (unsigned key = 0; key < 33; ++key) {
        s += DataItem(4, LE16(key) + LE16(key % 13) + LE16(1 + key % 3));
    }
    for (unsigned slot = 0; slot < 70; ++slot) {
        s += DataItem(5, LE16(slot) + LE16(1 + slot % 12) + LE32(1 + slot % 9) + LE16(10 + slot) + LE16(20 + slot) +
                         LE16(30 + slot) + LE32(slot % 5 == 0 ? 600 : 0));
    }
    s += DataItem(6, LE16(3) + LE16(1) + LE16(2) + LE16(6) + LE16(1) + "\x00");
    s += DataItem(7, Bytes(62, 'a'));
    s += DataItem(8, Bytes(40, '\x02'));
    std::string incubators;
    for (int i = 0; i < 3; ++i) {
        std::string inc(kIncubatorSize, '\0');
        inc[kIncOpened] = 1;
        inc.replace(kIncEggType, 2, LE16(7));
        inc.replace(kIncHatchSeconds, 4, LE32(3600));
        inc.replace(kIncGuardSeconds, 4, LE32(600));
        inc.replace(kIncSlaveName, 6, "helper");
        incubators += inc;
    }
    s += DataItem(9, incubators);
    for (unsigned g = 0; g < 3; ++g) {
        s += DataItem(11, LE16(g) + LE16(g) + LE16(3) + LE32(900) + Bytes(kWorkStateSize - 10, '\0'));
    }
    s += DataItem(12, Bytes(78, '\x01'));
    for (unsigned m = 0; m < 6; ++m) {
        s += DataItem(13, std::string(1, static_cast<char>(m)) + Bytes(19, '\x0a') + LE32(60) + LE32(120) + LE32(30) +
                          LE32(300) + Bytes(kFightSize - 36, 'f'));
    }
    return s;
}

std::string Compress(const std::string& body)
{
    std::string out;
    orv::sample::Deflate(body, Z_DEFAULT_COMPRESSION, out);
    return out;
}


struct CityMessage {
    std::string inflated = FullCity();
    std::string body = Compress(inflated);
    std::vector<char> message;
    CityMessage()
    {
        const std::string header = LE32(77) + LE16(0x367) + LE16(0) + LE32(0);
        message.assign(header.begin(), header.end());
        message.insert(message.end(), body.begin(), body.end());
    }
};

const CityMessage& City()
{
    static const CityMessage city;
    return city;
}

void ReportAllocs(benchmark::State& state, long long before)
{
    state.counters["allocs_per_msg"] =
        benchmark::Counter(
            static_cast<double>(static_cast<long long>(AllocationCount()) - before), benchmark::Counter::kAvgIterations);
    state.counters["inflated_bytes"] = static_cast<double>(City().inflated.size());
    state.counters["compressed_bytes"] = static_cast<double>(City().body.size());
}

// Times handing over one message a loop, reporting the allocations per message. A host hands
// over a message now and then between frames: the events it posted are handed out by the next
// frame, outside the timing.
template <typename HandOver>
void TimeMessages(benchmark::State& state, HandOver handOver)
{
    const long long before = static_cast<long long>(AllocationCount());
    long long n = 0;
    for (auto _ : state) {
        handOver();
        if (++n % 16 == 0) {
            state.PauseTiming();
            CORVCtrlMgr::GetSingleton().m_MsgQueue.Clear();
            state.ResumeTiming();
        }
    }
    ReportAllocs(state, before);
}

void BM_BareUncompress(benchmark::State& state)
{
    const CityMessage& city = City();
    std::vector<unsigned char> out(kScratchBufferSize);
    const long long before = static_cast<long long>(AllocationCount());
    for (auto _ : state) {
        uLongf n = out.size();
        benchmark::DoNotOptimize(uncompress(out.data(), &n, reinterpret_cast<const Bytef*>(city.body.data()),
                                            city.body.size()));
        benchmark::DoNotOptimize(out.data());
    }
    ReportAllocs(state, before);
}
BENCHMARK(BM_BareUncompress);

// Loads the game data, hands the host over (the library keeps the first callback it is given,
// so after another benchmark that one stays) and applies the city once: the first message
// creates the city's entries and opens the game window.
void EnterCity()
{
    static NullHost host(32, 32, false, "bench");
    CXmlAerieMgr::GetSingleton()->Load(ORVANE_SOURCE_DIR "/data/help/aerie.xml");
    CORVMgr& mgr = CORVMgr::GetSingleton();
    mgr.SetORVCallBack(&host);
    mgr.Recv(City().message.data(), static_cast<int>(City().message.size()));
    mgr.Render();
}

void BM_RecvFullCity(benchmark::State& state)
{
    EnterCity();
    CORVMgr& mgr = CORVMgr::GetSingleton();
    const CityMessage& city = City();
    TimeMessages(state, [&] { mgr.Recv(city.message.data(), static_cast<int>(city.message.size())); });
    state.counters["monsters"] = static_cast<double>(CAerieDataMgr::GetSingleton().m_OwnCity.m_mapMonsters.size());
    mgr.Render();   // hands out what the messages posted
}
BENCHMARK(BM_RecvFullCity);

// The game's own handling of server messages, kept while the next benchmark stands in for it.
void (*g_pfnGameOnRecv)(const char* data, int len) = nullptr;

// A one-byte message hands the city over from inside its own handling, as a host answering at
// once would from inside a callback: the library holds the city (its exact bytes) until that
// Recv returns and applies it then.
void HandCityOverFromInside(const char* data, int len)
{
    if (len == 1) {
        CORVMgr::GetSingleton().Recv(City().message.data(), static_cast<int>(City().message.size()));
    } else if (g_pfnGameOnRecv != nullptr) {
        g_pfnGameOnRecv(data, len);
    }
}

// Once the hold queue has been used, holding and applying the city allocate nothing more than
// handing it over directly (BM_RecvFullCity).
void BM_RecvHeldFromInsideACallback(benchmark::State& state)
{
    EnterCity();
    CORVMgr& mgr = CORVMgr::GetSingleton();
    g_pfnGameOnRecv = g_GameHooks.pfnOnRecv;
    g_GameHooks.pfnOnRecv = &HandCityOverFromInside;
    const char trigger = 't';
    mgr.Recv(&trigger, 1);   // the queue warms up
    CORVCtrlMgr::GetSingleton().m_MsgQueue.Clear();
    TimeMessages(state, [&] { mgr.Recv(&trigger, 1); });
    g_GameHooks.pfnOnRecv = g_pfnGameOnRecv;
    state.counters["held_left"] = static_cast<double>(ExportGate().HeldCalls());
    mgr.Render();
}
BENCHMARK(BM_RecvHeldFromInsideACallback);

}  // namespace

