#!/usr/bin/env bash
# The Windows build: cross-builds the DLLs and the test suite with mingw-w64 for x86_64 and i686,
# lists and checks the DLLs' imports and exports, runs the suite under wine (each target's test
# binary in one process, under Xvfb for the input-method window, with the GBK code page), and
# builds against the installed tree the minimal hosts of docs/integrating.md, which it runs, and
# the consumers that link every declaration of the installed headers. Any failure fails the script.
# On a machine that cannot run 32-bit programs (or with ORVANE_NO_32BIT=1) the x86_64 build runs
# under wine64 alone and the i686 build is linked and checked but not run.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
jobs=$(nproc)
source scripts/windows/run32.sh
source scripts/stage.sh

ORVANE_WIN_CACHE="$(scripts/setup-windows.sh | tail -n 1)"
export ORVANE_WIN_CACHE
export WINEDEBUG=-all
export WINEPREFIX="$root/build/wine"

targets=(x86_64 i686)
run32=1
wine="$(command -v wine)"
if ! orvane_runs_32bit "$root/build"; then
  run32=0
  # Debian's wine script would prefer an installed 32-bit loader: take the 64-bit one, for every
  # process wine starts as well.
  wine=/usr/lib/wine/wine64
  export WINELOADER="$wine"
  echo "windows: this machine runs no 32-bit programs: the x86_64 build runs under wine64; the i686 build is linked and checked but not run"
elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  run32=0
  echo "windows: 32-bit wine is not installed; the i686 build is linked and checked but not run"
fi

# A fresh wine prefix for every run; its server is ended on the way out.
rm -rf "$WINEPREFIX"
mkdir -p "$root/build"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# wine takes code page 936 (GBK), the system's own, from the locale's name (LC_ALL below); the
# locale itself need not exist on the Linux side.
env LC_ALL=zh_CN.GBK "$wine" wineboot -i >/dev/null 2>&1
wineserver -w

# Imports allowed in the DLLs: system libraries only (everything else is linked statically), and
# for OrvaneDemo the renderer (glimmer, a stand-in here).
allowed_imports='^(kernel32|user32|imm32|msvcrt|shell32|ws2_32|gdi32|advapi32|glimmer)\.dll$'
# i686 also shares the compiler's libgcc (one unwinder for every module) and the thread library it
# loads, installed beside the libraries (cmake/toolchains/mingw-i686.cmake).
allowed_imports_i686='^(libgcc_s_dw2-1|libwinpthread-1)\.dll$'

# Configures and builds the CMake project in $1 into the folder $2 against the installed tree of
# the target being built ($arch, $stage).
build_against_stage() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DOrvane_DIR="$root/$stage/lib/cmake/Orvane" >/dev/null
  # Quiet unless it fails: then the compiler's messages are shown.
  local log
  log="$(cmake --build "$2" 2>&1)" || { echo "$log"; return 1; }
}

# Both targets: build, install, check the DLLs, build the installed hosts.
build_windows() {
  for arch in "${targets[@]}"; do
    bld="build/win-$arch"
    stage="$bld/stage"
    cmake -S . -B "$bld" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-$arch.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$root/$stage" -DORVANE_WINE="$wine" >/dev/null
    cmake --build "$bld" -j "$jobs"
    rm -rf "$stage"
    cmake --install "$bld" >/dev/null

    for dll in "$stage"/bin/*.dll; do
      name="$(basename "$dll" .dll)"
      # The compiler's runtime shipped beside the libraries is not checked as one of them.
      if [ "$arch" = i686 ] && grep -Eq "$allowed_imports_i686" <<<"$name.dll"; then
        continue
      fi
      dump="$("$arch-w64-mingw32-objdump" -p "$dll")"
      imports="$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")"
      echo "windows $arch: $name.dll imports: $(tr '\n' ' ' <<<"$imports")"
      bad="$(tr 'A-Z' 'a-z' <<<"$imports" | grep -Ev "$allowed_imports" || true)"
      [ "$arch" != i686 ] || bad="$(grep -Ev "$allowed_imports_i686" <<<"$bad" || true)"
      if [ -n "$bad" ]; then
        echo "windows $arch: $name.dll imports a non-system library: $bad" >&2
        exit 1
      fi
      # Exactly the exports the library declares, nothing the linker added.
      expected="scripts/windows/$name.$arch.exports"
      if ! diff -u "$expected" <(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
                                   sed -n 's/^\s*\[ *[0-9]*\] //p' | sort); then
        echo "windows $arch: $name.dll exports differ from $expected" >&2
        exit 1
      fi
    done

    # A host game's own CMake build against the installed tree, and the headers' link tests.
    build_against_stage tools/installed_host "$bld/installed-host"
    build_against_stage tools/installed_host/consumers "$bld/installed-consumers"
    cp "$stage"/bin/*.dll "$bld/installed-host/"
  done
}
stage "Windows builds" build_windows

# Under wine, in one X session (wine's desktop keeps the display its server started with): each
# target's installed host, then its whole test suite in one process through ctest.
runnable=(x86_64)
[ $run32 -eq 0 ] || runnable+=(i686)
stage "tests under wine" xvfb-run -a bash -c '
  set -euo pipefail
  wine="$1"
  shift
  for arch in "$@"; do
    echo "windows $arch: under wine"
    # Every test program finds the renderer stand-in DLL in its build folder and, on i686, the
    # compiler runtime it shares in the installed tree.
    export WINEPATH="$("$wine" winepath -w "build/win-$arch/glimmer");$("$wine" winepath -w "build/win-$arch/stage/bin")"
    env LC_ALL=zh_CN.GBK "$wine" "build/win-$arch/installed-host/installed_host.exe"
    env LC_ALL=zh_CN.GBK "$wine" "build/win-$arch/installed-host/installed_host_demo.exe"
    env LC_ALL=zh_CN.GBK ctest --test-dir "build/win-$arch" --output-on-failure
  done
  wineserver -w' windows-tests "$wine" "${runnable[@]}"
