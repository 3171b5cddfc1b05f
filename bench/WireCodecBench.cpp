// The Garden connection's codec and frame scanner against memcpy of the same bytes: encoding,
// decoding and scanning a framed packet of 12 bytes, 4 KiB and 128 KiB. Each should move at least
// a quarter of memcpy's bytes per second. Allocations per iteration are counted beside the time.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "AllocCounter.h"
#include "engine/WireCodec.h"

namespace {

// Counts the allocations of the measured loop and sets the bytes it moved.
struct AllocCounter {
    explicit AllocCounter(benchmark::State& state) : m_State(state), m_nStart(AllocationCount()) {}
    ~AllocCounter()
    {
        const double iterations = m_State.iterations() > 0 ? static_cast<double>(m_State.iterations()) : 1.0;
        m_State.counters["allocs/iter"] = static_cast<double>(AllocationCount() - m_nStart) / iterations;
        m_State.SetBytesProcessed(static_cast<int64_t>(m_State.iterations()) * m_State.range(0));
    }
    benchmark::State& m_State;
    unsigned long long m_nStart;
};

std::vector<unsigned char> Packet(std::size_t n)
{
    std::vector<unsigned char> p(n);
    for (std::size_t i = 0; i < n; ++i) {
        p[i] = static_cast<unsigned char>(i * 131 + 7);
    }
    return p;
}

void BM_Memcpy(benchmark::State& state)
{
    const std::vector<unsigned char> src = Packet(static_cast<std::size_t>(state.range(0)));
    std::vector<unsigned char> dst(src.size());
    AllocCounter count(state);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
}

void BM_EncodeWire(benchmark::State& state)
{
    const std::vector<unsigned char> src = Packet(static_cast<std::size_t>(state.range(0)));
    std::string out;
    out.reserve(ArmouredLength(src.size()));
    AllocCounter count(state);
    for (auto _ : state) {
        out.clear();
        AppendEncodedWire(src.data(), src.size(), out);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_DecodeWire(benchmark::State& state)
{
    const std::vector<unsigned char> src = Packet(static_cast<std::size_t>(state.range(0)));
    const std::string text = EncodeWire(src.data(), static_cast<int>(src.size()));
    std::string out;
    out.reserve(src.size());
    AllocCounter count(state);
    for (auto _ : state) {
        DecodeWireInto(text.data(), text.size(), out);
        benchmark::DoNotOptimize(out.data());
    }
}

void CountPacket(void* ctx, const char*, int len)
{
    *static_cast<long long*>(ctx) += len;
}

void BM_FrameScanner(benchmark::State& state)
{
    const std::vector<unsigned char> src = Packet(static_cast<std::size_t>(state.range(0)));
    std::string framed = "#1";
    AppendEncodedWire(src.data(), src.size(), framed);
    framed += "!";
    const std::vector<unsigned char> wire(framed.begin(), framed.end());
    FrameScanner scanner;
    long long got = 0;
    scanner.Feed(wire.data(), wire.size(), &CountPacket, &got);   // buffers reach their size once
    AllocCounter count(state);
    for (auto _ : state) {
        scanner.Feed(wire.data(), wire.size(), &CountPacket, &got);
    }
    benchmark::DoNotOptimize(got);
}

}  // namespace

BENCHMARK(BM_Memcpy)->Arg(12)->Arg(4096)->Arg(131072);
BENCHMARK(BM_EncodeWire)->Arg(12)->Arg(4096)->Arg(131072);
BENCHMARK(BM_DecodeWire)->Arg(12)->Arg(4096)->Arg(131072);
BENCHMARK(BM_FrameScanner)->Arg(12)->Arg(4096)->Arg(131072);
