#!/usr/bin/env bash
# docs/integrating.md shows code of the hosts the tests build: a fenced block whose first line is
#   // <file>, lines <first>-<last>      (or # ... in a CMake block)
# must hold exactly those lines of that file. Fails on any block that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
guide=docs/integrating.md
status=0
blocks=0
while IFS=$'\t' read -r file first last start; do
  blocks=$((blocks + 1))
  shown=$(awk -v s="$start" 'NR > s { if ($0 ~ /^```/) exit; print }' "$guide")
  if [[ ! -f "$file" ]] || [[ "$shown" != "$(sed -n "${first},${last}p" "$file")" ]]; then
    echo "$guide:$start: the block does not match $file lines $first-$last"
    status=1
  fi
done < <(awk '/^```/ { fence = NR; next }
              fence == NR - 1 && match($0, /^(\/\/|#) [^ ,]+, lines [0-9]+-[0-9]+$/) {
                file = $2; sub(/,$/, "", file); split($4, r, "-"); print file "\t" r[1] "\t" r[2] "\t" NR }' "$guide")
echo "docs: $blocks code blocks of $guide checked against their files"
exit $status
