#!/usr/bin/env bash
# Builds the Orvane shared library and the sample programs, then runs them: the sample host
# (the library through its exports, as a game loads it, playing a game session against a
# scripted server) and the toolkit demo (a queued message box answered through simulated clicks,
# text typed and pasted into an edit field, a row picked from a drop-down list). They run from
# tools/, so the library's data path "../data/help/..." finds this repository's data/. Both print
# the requests sent and an account of each frame's draw calls, and write PNG pictures of chosen
# frames into build/release/sample-frames (or the folder given as --pictures DIR); each ends with a
# summary (pictures written, requests sent and decoded, windows opened). --verbose (or
# ORVANE_SAMPLE_VERBOSE=1) prints every call of every frame. The library's debug lines (GBK) are
# shown in UTF-8 among each program's own lines. docs/sample-session.md tells what each plays.
set -euo pipefail
# A picture folder given relative to where the script was called from.
args=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--pictures" ] && [ $# -gt 1 ]; then
    args+=("$1" "$(realpath -m "$2")")
    shift 2
  else
    args+=("$1")
    shift
  fi
done
cd "$(dirname "$0")"
scripts/setup-deps.sh
echo "==== building the release library and the sample programs (build/release) ===="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF
cmake --build build/release -j "$(nproc)" --target orvane_sample_host orvane_toolkit_demo \
  orvanedemo_sample_host orvanedemo_toolkit_demo
cd tools
echo "==== sample host ===="
../build/release/tools/orvane_sample_host "${args[@]}"
echo
echo "==== toolkit demo ===="
../build/release/tools/orvane_toolkit_demo "${args[@]}"

# The engine-drawn programs (OrvaneDemo): its sample host and its toolkit demo run in a scratch
# directory that holds the sample settings file
# ("./orvdata/help/config.xml"); the library writes its "log.txt" there too.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r orvanedemo_data/orvdata "$scratch/"
cd "$scratch"
echo
echo "==== engine-drawn sample host (OrvaneDemo's exports, a Garden server of its own) ===="
"$OLDPWD/../build/release/tools/orvanedemo_sample_host" "${args[@]}"
echo "log.txt (GBK, shown as UTF-8):"
{ iconv -f GBK -t UTF-8 log.txt 2>/dev/null || cat log.txt; } | sed 's/^/    /'
echo
echo "==== engine toolkit demo (OrvaneDemo's toolkit, the account of its renderer calls) ===="
"$OLDPWD/../build/release/tools/orvanedemo_toolkit_demo" "${args[@]}"
