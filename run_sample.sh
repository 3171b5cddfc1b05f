#!/usr/bin/env bash
# Builds the Orvane shared library and the sample programs, then runs them: the sample host
# (the library through its exports, as a game loads it) and the toolkit demo (a queued message
# box answered through simulated clicks, text typed and pasted into an edit field, a row picked
# from a drop-down list). They run from tools/, so the library's data path
# "../data/help/..." finds this repository's data/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target orvane_sample_host orvane_toolkit_demo
cd tools
echo "==== sample host ===="
../build/release/tools/orvane_sample_host "$@"
echo
echo "==== toolkit demo ===="
../build/release/tools/orvane_toolkit_demo
