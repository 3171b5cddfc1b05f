#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing (fonts-wqy-microhei: the CJK
# font the sample pictures draw their texts with).
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libtinyxml2-dev zlib1g-dev libboost-dev libbenchmark-dev libstb-dev
      fonts-wqy-microhei)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
