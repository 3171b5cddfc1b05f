#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them with ctest;
# also builds the release library and the sample host, so a break in either fails, and runs a host
# built against the installed package (scripts/installed-host.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps.sh
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=ON >/dev/null
cmake --build build/release -j "$jobs"
scripts/installed-host.sh

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/asan -j "$jobs" --output-on-failure
scripts/windows-tests.sh
