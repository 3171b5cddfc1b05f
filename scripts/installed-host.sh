#!/usr/bin/env bash
# A host game's view of the Linux build: installs the release build (build/release) into a stage
# folder and builds against the installed package alone, first the consumers of
# tools/installed_host/consumers, which include every installed header (this script checks that
# none is left out) and call every function the headers declare: their link fails on a declaration
# the libraries do not export. Then the minimal hosts, one of Orvane and one of OrvaneDemo, from
# the files docs/integrating.md shows and nothing else: its code blocks are saved into an empty
# folder as a reader saves them, built there and run from a game folder laid out as the guide says
# (the executables with the libraries beside them in bin/, found through their $ORIGIN run path,
# OrvaneDemo's orvdata/ in bin/, Orvane's data/ beside it). Last, the code the guide shows must be
# the whole files of tools/installed_host (scripts/check-guide-code.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
stage="$PWD/build/release/stage"
cmake --build build/release --target Orvane OrvaneDemo glimmer >/dev/null
rm -rf "$stage"
cmake --install build/release --prefix "$stage" >/dev/null
# Configures and builds the CMake project in $1 into the folder $2 against the installed package.
build_against_stage() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOrvane_DIR="$stage/lib/cmake/Orvane" >/dev/null
  # Quiet unless it fails: then the compiler's messages are shown.
  local log
  log="$(cmake --build "$2" 2>&1)" || { echo "$log"; return 1; }
}

# Every installed header is under include/orvane and included by a consumer.
if find "$stage/include" -mindepth 1 -maxdepth 1 ! -name orvane | grep -q .; then
  echo "installed headers outside include/orvane:"; find "$stage/include" -mindepth 1 -maxdepth 1 ! -name orvane
  exit 1
fi
for header in "$stage"/include/orvane/*.h; do
  name="orvane/$(basename "$header")"
  if ! grep -q "#include <$name>" tools/installed_host/consumers/consumer_*.cpp; then
    echo "installed header $name is included by no consumer in tools/installed_host/consumers"; exit 1
  fi
done
echo "linux: installed headers $(cd "$stage/include" && echo orvane/*.h)"
consumers="$PWD/build/release/installed-consumers"
build_against_stage tools/installed_host/consumers "$consumers"
"$consumers/consumer_orvane" && "$consumers/consumer_orvanedemo" && echo "linux: the consumers link"

for lib in "$stage"/lib/*.so; do
  echo "linux: $(basename "$lib") RUNPATH $(readelf -d "$lib" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
done
# The installed sample data are the repository's files.
data="$stage/share/orvane"
for src in data/help/* tools/orvanedemo_data/orvdata/help/*; do
  installed="$data/${src#tools/orvanedemo_data/}"
  if ! cmp -s "$src" "$installed"; then
    echo "the sample data file $src is not installed as share/orvane/${src#tools/orvanedemo_data/}"; exit 1
  fi
done
echo "linux: sample data" $(cd "$data" && find . -type f | sort)

# The guide's hosts, built from its code blocks alone.
host="$PWD/build/release/installed-host"
rm -rf "$host"
scripts/check-guide-code.sh --save "$host/saved"
echo "linux: the guide's files" $(cd "$host/saved" && find . -type f | sort)
build_against_stage "$host/saved/tools/installed_host" "$host/build"
# A shipped game's folder: the hosts and the libraries side by side in bin/, the working folder.
game="$host/game"
mkdir -p "$game/bin"
cp "$host/build/installed_host" "$host/build/installed_host_demo" "$stage"/lib/*.so "$game/bin/"
cp -r "$data/data" "$game/" && cp -r "$data/orvdata" "$game/bin/"
for program in installed_host installed_host_demo; do
  runpath="$(readelf -d "$game/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
  echo "linux: $program RUNPATH $runpath"
  if [[ $runpath != '$ORIGIN' ]]; then
    echo "$program does not look for the libraries beside itself alone"; exit 1
  fi
done
(cd "$game/bin" && ./installed_host && ./installed_host_demo)
scripts/check-guide-code.sh
