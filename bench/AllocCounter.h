// Heap allocations of the benchmark program: every global operator new is counted, so a benchmark
// can report the allocations per iteration beside its time.
#pragma once

// Allocations made by the program so far (only the benchmark thread allocates while it measures).
unsigned long long AllocationCount();
