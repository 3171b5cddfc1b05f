#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them with ctest;
# also builds the release libraries, sample programs and benchmarks, so a break in any fails; runs
# the hosts built against the installed package (scripts/installed-host.sh); then the Windows
# builds and their tests under wine (scripts/windows-tests.sh). Each stage prints its name as it
# starts and its time when it ends.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/stage.sh
jobs=$(nproc)

stage "dependencies" scripts/setup-deps.sh
sanitizer_build() {
  cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON >/dev/null
  cmake --build build/asan -j "$jobs"
}
stage "Linux sanitizer build" sanitizer_build
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
stage "ctest" ctest --test-dir build/asan -j "$jobs" --output-on-failure
release_build() {
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=ON >/dev/null
  cmake --build build/release -j "$jobs"
}
stage "release and benchmarks" release_build
stage "installed hosts" scripts/installed-host.sh
# Its two stages, the Windows builds and the tests under wine, print their own names and times.
scripts/windows-tests.sh
