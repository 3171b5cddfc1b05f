// Heap allocations of the benchmark process, counted: every form of new goes through one counter
// (AllocCount.cpp replaces the global allocation functions of the benchmark binary only).
#pragma once

// Allocations made so far.
long long AllocCount();
