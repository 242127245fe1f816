#!/usr/bin/env bash
# Every program the README runs from build/ must be one that scripts/play
# builds there: the targets scripts/play names must, by Ninja's own account
# of what building them runs, link each such program at that very path.
# The test's build tree has the same layout as build/.
set -euo pipefail
readme=$1
play=$2
build=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -f "$build/build.ninja" ] || { echo "not a Ninja build tree: skipped"; exit 77; }
read -r -a targets <<< "$(sed -n 's/^targets=(\(.*\))$/\1/p' "$play")"
[ ${#targets[@]} -gt 0 ] || fail "$play names no targets=(...)"
programs=$(grep -oE '(^|[^[:alnum:]_./-])build/[[:alnum:]_./-]*[[:alnum:]_-]' "$readme" |
  sed -E 's|^[^b]?build/||' | sort -u)
[ -n "$programs" ] || fail "the README names no program under build/"
outputs=$(ninja -C "$build" -t commands "${targets[@]}" | grep -oE ' -o [^ ]+' | sed 's/^ -o //' | sort -u)
for program in $programs; do
  grep -qxF "$program" <<< "$outputs" ||
    fail "the README runs build/$program, which scripts/play (${targets[*]}) does not build"
  echo "build/$program: built by scripts/play"
done
