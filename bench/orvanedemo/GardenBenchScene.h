// What OrvaneDemo's frame benchmarks share: the library initialised on a quiet host with an
// 800 x 600 stand-in window in the Garden slot, opened (once per process), and the measured loop
// of steady frames through CORVMgr::Render with its counters. Every scene is built into the one
// stand-in window and stays for the process: measure one scene alone with --benchmark_filter.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

class CORVWindow;

// The opened stand-in garden window; null when it did not open.
CORVWindow* OpenBenchGarden();
// One recorded frame tells how many renderer calls a frame makes; then recording is switched off
// and a few frames let every queue and buffer reach its steady size. Returns the calls per frame.
std::size_t SettleBenchFrames();
// The measured frames: time, renderer calls and heap allocations per frame (a steady frame should
// allocate nothing). Skips with an error when the garden is not open.
void RunSteadyFrames(benchmark::State& state, std::size_t callsPerFrame);
