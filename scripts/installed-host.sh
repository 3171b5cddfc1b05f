#!/usr/bin/env bash
# A host game's view of the Linux build: installs the release build (build/release) into a stage
# folder, builds tools/installed_host against the installed package alone and runs its two hosts,
# one of Orvane and one of OrvaneDemo (which finds the renderer beside it through its RUNPATH).
set -euo pipefail
cd "$(dirname "$0")/.."
stage="$PWD/build/release/stage"
cmake --build build/release --target Orvane OrvaneDemo glimmer >/dev/null
rm -rf "$stage"
cmake --install build/release --prefix "$stage" >/dev/null
host=build/release/installed-host
cmake -S tools/installed_host -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DOrvane_DIR="$stage/lib/cmake/Orvane" >/dev/null
cmake --build "$host" >/dev/null
for lib in "$stage"/lib/*.so; do
  echo "linux: $(basename "$lib") RUNPATH $(readelf -d "$lib" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
done
"$host/installed_host"
"$host/installed_host_demo"
