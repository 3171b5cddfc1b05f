#!/usr/bin/env bash
# Installs what the Windows build needs and builds its libraries into a cache outside the repo:
#   - the mingw-w64 cross compilers (posix threads), mingw zlib, wine (64-bit, and 32-bit on a
#     machine that runs 32-bit programs, scripts/windows/run32.sh), Xvfb;
#   - per target (x86_64, i686): GoogleTest from /usr/src/googletest, TinyXML-2 from Debian's
#     source package of the same version as libtinyxml2-dev and stb's image writer from
#     libstb-dev's header, built with our toolchain files;
#   - an include folder holding only a link to Boost's headers (the whole system include folder
#     would shadow mingw's own C headers).
# Prints the cache folder as its last line. Set ORVANE_WIN_CACHE to choose the folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows/run32.sh"
cache="${ORVANE_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvane-win}"
mkdir -p "$cache"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

pkgs=(cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
      wine wine64 xvfb xauth googletest libtinyxml2-dev libboost-dev libstb-dev binutils-mingw-w64-x86-64
      binutils-mingw-w64-i686)
missing=()
for p in "${pkgs[@]}"; do installed "$p" || missing+=("$p"); done

# TinyXML-2's sources come from the release's main archive: add a deb-src entry once.
srcs=/etc/apt/sources.list.d/orvane-deb-src.sources
updated=0
if [ ! -f "$srcs" ]; then
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME}")"
  $SUDO tee "$srcs" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${codename}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  updated=1
fi
# 32-bit wine, only where 32-bit programs run: it needs the i386 architecture. (Elsewhere its
# loader would take over from wine64 and fail.)
want32=0
if orvane_runs_32bit "$root/build"; then
  want32=1
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    updated=1
  fi
  installed wine32:i386 || updated=1
fi
if [ $updated -eq 1 ] || [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi
if [ $want32 -eq 1 ] && ! installed wine32:i386; then
  # Optional: without it the i686 build is only linked and its imports listed.
  $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 >&2 \
    || echo "wine32 could not be installed: the i686 tests will not run" >&2
fi

# TinyXML-2 sources, same version as the Linux build's.
tx_ver="$(dpkg-query -W -f='${source:Version}' libtinyxml2-dev)"
tx_src="$cache/src/tinyxml2-$tx_ver"
if [ ! -f "$tx_src/tinyxml2.cpp" ]; then
  rm -rf "$cache/src/dl" && mkdir -p "$cache/src/dl"
  # apt's download user writes there when it exists.
  ! id _apt >/dev/null 2>&1 || chown _apt "$cache/src/dl"
  # A deb-src entry added earlier may still lack its index: fetch it once and try again.
  (cd "$cache/src/dl" && apt-get source --download-only -qq "tinyxml2=$tx_ver" >&2) ||
    { $SUDO apt-get update -qq && (cd "$cache/src/dl" && apt-get source --download-only -qq "tinyxml2=$tx_ver" >&2); }
  rm -rf "$tx_src.tmp" && mkdir -p "$tx_src.tmp"
  tar -xf "$(ls "$cache"/src/dl/tinyxml2_*.orig.tar.* | head -1)" -C "$tx_src.tmp" --strip-components=1
  rm -rf "$tx_src" && mv "$tx_src.tmp" "$tx_src"
fi
gt_ver="$(dpkg-query -W -f='${Version}' googletest)"
# The libraries are rebuilt when a version, a toolchain file or this script changes.
recipe="$(cat "$root"/cmake/toolchains/*.cmake "$0" | md5sum | cut -c1-12)"

# Boost: a folder that holds only the link.
mkdir -p "$cache/boost-include"
ln -sfn /usr/include/boost "$cache/boost-include/boost"

for arch in x86_64 i686; do
  tc="$root/cmake/toolchains/mingw-$arch.cmake"
  prefix="$cache/$arch"
  stamp="$prefix/.built-gtest-$gt_ver-tinyxml2-$tx_ver-$recipe"
  [ -f "$stamp" ] && continue
  rm -rf "$prefix" "$cache/build-$arch"
  cmake -S /usr/src/googletest -B "$cache/build-$arch/googletest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$tc" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$cache/build-$arch/googletest" --target install >/dev/null
  cmake -S "$tx_src" -B "$cache/build-$arch/tinyxml2" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$tc" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -Dtinyxml2_BUILD_TESTING=OFF -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$cache/build-$arch/tinyxml2" --target install >/dev/null
  # stb: the image writer's implementation compiled for the target; its headers through a folder
  # that holds only a link to them; a .pc file like Debian's.
  mkdir -p "$prefix/stb-include" "$prefix/lib/pkgconfig"
  ln -sfn /usr/include/stb "$prefix/stb-include/stb"
  printf '#define STB_IMAGE_WRITE_IMPLEMENTATION\n#include <stb/stb_image_write.h>\n' >"$cache/build-$arch/stb.c"
  "$arch-w64-mingw32-gcc-posix" -O2 -I"$prefix/stb-include" -c "$cache/build-$arch/stb.c" -o "$cache/build-$arch/stb.o"
  "$arch-w64-mingw32-ar" rcs "$prefix/lib/libstb.a" "$cache/build-$arch/stb.o"
  printf '%s\n' "prefix=$prefix" 'Name: stb' "Description: stb's image writer for $arch Windows" 'Version: 0.0' \
    'Libs: -L${prefix}/lib -lstb' 'Cflags: -I${prefix}/stb-include -I${prefix}/stb-include/stb' \
    >"$prefix/lib/pkgconfig/stb.pc"
  rm -rf "$cache/build-$arch"
  touch "$stamp"
done
echo "$cache"
