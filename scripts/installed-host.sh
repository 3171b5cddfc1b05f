#!/usr/bin/env bash
# A host game's view of the Linux build: installs the release build (build/release) into a stage
# folder, builds tools/installed_host against the installed package alone and runs its hosts, one
# of Orvane and one of OrvaneDemo (which finds the renderer beside it through its RUNPATH), in a
# scratch folder laid out with the installed sample data as docs/integrating.md says. Their
# consumers include every installed header (this script checks that none is left out) and call
# every function the headers declare: their link fails on a declaration the libraries do not
# export. Last, the code that docs/integrating.md shows must be the whole files these hosts are
# built from (scripts/check-guide-code.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
stage="$PWD/build/release/stage"
cmake --build build/release --target Orvane OrvaneDemo glimmer >/dev/null
rm -rf "$stage"
cmake --install build/release --prefix "$stage" >/dev/null
host="$PWD/build/release/installed-host"
cmake -S tools/installed_host -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DOrvane_DIR="$stage/lib/cmake/Orvane" >/dev/null
cmake --build "$host" >/dev/null

# Every installed header is under include/orvane and included by a consumer.
if find "$stage/include" -mindepth 1 -maxdepth 1 ! -name orvane | grep -q .; then
  echo "installed headers outside include/orvane:"; find "$stage/include" -mindepth 1 -maxdepth 1 ! -name orvane
  exit 1
fi
for header in "$stage"/include/orvane/*.h; do
  name="orvane/$(basename "$header")"
  if ! grep -q "#include <$name>" tools/installed_host/consumer_*.cpp; then
    echo "installed header $name is included by no consumer in tools/installed_host"; exit 1
  fi
done
echo "linux: installed headers $(cd "$stage/include" && echo orvane/*.h)"

for lib in "$stage"/lib/*.so; do
  echo "linux: $(basename "$lib") RUNPATH $(readelf -d "$lib" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
done
# The installed sample data are the repository's files. The hosts run as a game's would, laid out
# as docs/integrating.md says: the working folder bin/ holds OrvaneDemo's orvdata/, Orvane's data/
# lies beside it.
data="$stage/share/orvane"
for src in data/help/* tools/orvanedemo_data/orvdata/help/*; do
  installed="$data/${src#tools/orvanedemo_data/}"
  if ! cmp -s "$src" "$installed"; then
    echo "the sample data file $src is not installed as share/orvane/${src#tools/orvanedemo_data/}"; exit 1
  fi
done
run="$host/run"
rm -rf "$run" && mkdir -p "$run/bin"
cp -r "$data/data" "$run/" && cp -r "$data/orvdata" "$run/bin/"
echo "linux: sample data" $(cd "$data" && find . -type f | sort)
(cd "$run/bin" && "$host/consumer_orvane" && "$host/consumer_orvanedemo" && echo "linux: the consumers link" &&
  "$host/installed_host" && "$host/installed_host_demo")
scripts/check-guide-code.sh
