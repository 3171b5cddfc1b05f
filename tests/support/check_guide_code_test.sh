#!/usr/bin/env bash
# scripts/check-guide-code.sh against fixture guides: a guide whose block is its file passes; one
# whose block differs from the file in any single line, or holds a line more or less, or names a
# file that is not there, fails; so does a guide in which no block names a file.
set -euo pipefail
checker="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-guide-code.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/hosts"
printf '%s\n' '// hosts/host.cpp' '// A host.' '#include <cstdio>' '' 'int main()' '{' \
  '    return std::puts("host") < 0;' '}' > "$dir/hosts/host.cpp"
printf '%s\n' '# hosts/CMakeLists.txt' 'project(Host)' 'add_executable(host host.cpp)' > "$dir/hosts/CMakeLists.txt"
# The guide: prose, the two files whole in their blocks, a block that names no file.
write_guide() {
  { echo 'A host:'; echo; echo '```cpp'; cat "$dir/hosts/host.cpp"; echo '```'; echo
    echo '```cmake'; cat "$dir/hosts/CMakeLists.txt"; echo '```'; echo
    echo '```'; echo 'cmake --build build'; echo '```'; } > "$dir/guide.md"
}
failures=0
# Each case: whether the checker passes, its name, and the sed program that changes the good guide.
while IFS='@' read -r passes name edit; do
  write_guide
  sed -i "$edit" "$dir/guide.md"
  if "$checker" "$dir/guide.md" "$dir" >/dev/null; then got=yes; else got=no; fi
  if [[ $got != "$passes" ]]; then
    echo "FAILED: $name: the checker passed: $got, expected: $passes"
    failures=$((failures + 1))
  fi
done <<'CASES'
yes@the blocks are their files@
no@the first line after the file's name differs@s|^// A host\.$|// A guest.|
no@the block names another file@s|^// hosts/host.cpp$|// hosts/CMakeLists.txt|
no@a middle line differs@s|^int main()$|int main(void)|
no@the last line differs@s|^}$|}  // main|
no@the last line of the CMake block differs@s|^add_executable(host host.cpp)$|add_executable(host main.cpp)|
no@the block lacks the file's last line@/^}$/d
no@the block has a line more@s|^}$|}\n// more|
no@a line has a trailing space@s|^{$|{ |
no@the named file is missing@s|hosts/host.cpp$|hosts/gone.cpp|
no@no block names a file@s,^\(//\|#\) hosts/,\1 ,
CASES
[[ $failures -eq 0 ]] && echo "check-guide-code: every fixture guide judged as expected"
exit $(( failures > 0 ))
