#!/usr/bin/env bash
# docs/integrating.md shows whole files of the hosts the tests build: a fenced block whose first
# line is
#   // <file>      (or # <file> in a CMake block; the file's path holds a '/')
# must be that file, every line of it from that first line to its last, and nothing more. Fails on
# any block that differs and on a guide in which no block names a file.
# Usage: check-guide-code.sh [guide [root]]: the guide (docs/integrating.md) and the folder the
# blocks' files are named from (the repository).
#        check-guide-code.sh --save DIR [guide]: checks nothing; saves each block that names a file
# as DIR/<file>, as a reader of the guide saves it.
set -euo pipefail
save=""
if [[ ${1:-} == --save ]]; then
  save=$(realpath -m "$2")
  shift 2
fi
cd "$(dirname "$0")/.."
guide=${1:-docs/integrating.md}
root=${2:-.}
# The lines of the block whose first line (the file's name) is line $1 of the guide, up to the
# closing fence, each with its newline.
block() { awk -v s="$1" 'NR >= s { if ($0 ~ /^```/) exit; print }' "$guide"; }
status=0
blocks=0
while IFS=$'\t' read -r file start; do
  blocks=$((blocks + 1))
  if [[ -n $save ]]; then
    mkdir -p "$(dirname "$save/$file")"
    block "$start" > "$save/$file"
  elif [[ ! -f "$root/$file" ]] || ! cmp -s <(block "$start") "$root/$file"; then
    echo "$guide:$start: the block is not the whole of $file"
    status=1
  fi
done < <(awk '/^```/ { inside = !inside; fence = inside ? NR : 0; next }
              fence == NR - 1 && match($0, /^(\/\/|#) [^ ]*\/[^ ]*$/) { print $2 "\t" NR }' "$guide")
if [[ $blocks -eq 0 ]]; then
  echo "$guide: no code block names a file"
  status=1
fi
if [[ -n $save ]]; then
  echo "docs: $blocks code blocks of $guide saved in $save"
else
  echo "docs: $blocks code blocks of $guide checked against their files"
fi
exit $status
