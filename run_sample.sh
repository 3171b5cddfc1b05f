#!/usr/bin/env bash
# Builds the Orvane shared library and the sample host, then runs the host.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target orvane_sample_host
exec build/release/tools/orvane_sample_host "$@"
