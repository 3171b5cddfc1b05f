#!/usr/bin/env bash
# scripts/check-doc-links.sh against a fixture repository: pages whose links name tracked files
# and folders (or web addresses, anchors, text in code) pass; a link or picture naming a missing
# file, a file git does not track, or a place outside the repository fails.
set -euo pipefail
checker="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-doc-links.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
repo=$dir/repo
mkdir -p "$repo/docs" "$repo/tools"
echo 'A host.' > "$repo/tools/host.cpp"
echo 'A guide.' > "$repo/docs/guide.md"
echo 'png' > "$repo/docs/frame.png"
git -C "$repo" init -q
git -C "$repo" add -A
echo 'built' > "$repo/docs/built.txt"   # there, but not in a clone
echo 'outside' > "$dir/outside.md"
failures=0
# Each case: whether the checker passes, its name, and a line added to the README.
while IFS='@' read -r passes name line; do
  printf '%s\n' '# Fixture' '' 'See [the guide](docs/guide.md) and ![a frame](docs/frame.png).' \
    "$line" > "$repo/README.md"
  if "$checker" "$repo" >/dev/null; then got=yes; else got=no; fi
  if [[ $got != "$passes" ]]; then
    echo "FAILED: $name: the checker passed: $got, expected: $passes"
    failures=$((failures + 1))
  fi
done <<'CASES'
yes@tracked files and pictures@
yes@a tracked folder and a file with an anchor@[tools](tools/) and [a part](docs/guide.md#part)
yes@web addresses and an anchor of the page@[web](https://example.org/x) [mail](mailto:a@b) [up](#fixture)
yes@a link shown in a code span@`[not a link](docs/gone.md)`
no@a missing file@[gone](docs/gone.md)
no@a missing picture@![gone](docs/gone.png)
no@a file git does not track@[built](docs/built.txt)
no@a place outside the repository@[outside](../outside.md)
no@the second link of a line is missing@[guide](docs/guide.md) then [gone](gone.md)
CASES
# A page under docs/ takes its links from its own folder.
printf '%s\n' '# Fixture' > "$repo/README.md"
echo '[the frame](frame.png)' >> "$repo/docs/guide.md"
"$checker" "$repo" >/dev/null || { echo "FAILED: a docs page's link from its own folder"; failures=$((failures + 1)); }
echo '[the frame](docs/frame.png)' >> "$repo/docs/guide.md"
if "$checker" "$repo" >/dev/null; then
  echo "FAILED: a docs page's link taken from the repository's root passed"
  failures=$((failures + 1))
fi
[[ $failures -eq 0 ]] && echo "check-doc-links: every fixture page judged as expected"
exit $(( failures > 0 ))
