#!/usr/bin/env bash
# README.md and docs/*.md point only at what a clone holds: every link or picture whose target is
# not a web address (http:, https:, mailto:) or an anchor of the page itself must name, taken from
# the page's own folder, a file or folder that git tracks in the repository (outside a git work
# tree: that is there). Fails on any that names a place outside the repository, or one that a
# clone lacks (a build's output, a file never added).
# Usage: check-doc-links.sh [root]: the repository (this script's), whose README.md and docs/*.md
# are read.
set -euo pipefail
root=$(realpath "${1:-$(dirname "$0")/..}")
tracked=no
git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1 && tracked=yes
# Whether the place (its path under the repository, with a leading '/', or empty) is held.
held() {
  if [[ $tracked == yes ]]; then
    [[ -n $(git -C "$root" ls-files -- ".$1") ]]
  else
    [[ -e $root$1 ]]
  fi
}
status=0
pages=0
links=0
for page in "$root/README.md" "$root"/docs/*.md; do
  [[ -f $page ]] || continue
  pages=$((pages + 1))
  dir=$(dirname "$page")
  # Each inline link's target with its line: text in code spans and fenced blocks is not a link.
  while IFS=$'\t' read -r line target; do
    links=$((links + 1))
    path=${target%%#*}
    [[ -z $path ]] && continue
    resolved=$(realpath -m "$dir/$path")
    if [[ $resolved != "$root" && $resolved != "$root"/* ]]; then
      echo "${page#"$root"/}:$line: $target leaves the repository"
      status=1
    elif ! held "${resolved#"$root"}"; then
      echo "${page#"$root"/}:$line: $target names nothing a clone holds"
      status=1
    fi
  done < <(awk '/^```/ { fenced = !fenced; next }
                !fenced {
                  text = $0
                  gsub(/`[^`]*`/, "", text)
                  while (match(text, /\]\([^) ]+/)) {
                    target = substr(text, RSTART + 2, RLENGTH - 2)
                    text = substr(text, RSTART + RLENGTH)
                    if (target !~ /^(https?|mailto):/) print NR "\t" target
                  }
                }' "$page")
done
if [[ $pages -eq 0 ]]; then
  echo "docs: no README.md nor docs/*.md under $root"
  exit 1
fi
[[ $status -eq 0 ]] && echo "docs: every link of $pages pages resolves in the repository ($links links)"
exit $status
