#!/usr/bin/env bash
# Fails when the core archive needs a symbol that a library above it defines. Only a build's seam
# archive (given as seam:<archive>) may define what the core declares for each build to define:
# the symbols whose mangled names match the seam regex.
#   core_needs_nothing_above.sh <nm> <core archive> <seam regex> [seam:]<archive above>...
set -euo pipefail
nm="$1" core="$2" seam="$3"
shift 3
defined() { "$nm" -P --defined-only "$1" | awk 'NF >= 2 { print $1 }' | sort -u; }
# What the core's objects leave undefined and no object of the core defines.
need="$(comm -23 <("$nm" -P "$core" | awk 'NF >= 2 && $2 == "U" { print $1 }' | sort -u) <(defined "$core"))"
status=0
for above in "$@"; do
  allowed='^$'
  if [ "${above#seam:}" != "$above" ]; then
    above="${above#seam:}"
    allowed="$seam"
  fi
  hits="$(comm -12 <(printf '%s\n' "$need") <(defined "$above") | grep -Ev "$allowed" || true)"
  if [ -n "$hits" ]; then
    echo "the core needs from $(basename "$above"):"
    printf '%s\n' "$hits" | sed 's/^/  /'
    status=1
  fi
done
[ $status -ne 0 ] || echo "the core needs nothing above it but its builds' seam values"
exit $status
