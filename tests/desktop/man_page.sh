#!/usr/bin/env bash
# The manual page as it is built: groff must format it without a single
# warning, and what it shows must name the program's options and keys.
set -euo pipefail
page=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

messages=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$messages" ] || fail "groff: $messages"
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1)
for wanted in "strhaven - " "SYNOPSIS" "--help" "--version" "F5" "F9" "Ctrl+K" "Star Haven Virtual Slots.ini" \
              "EXIT STATUS"; do
  grep -qF -- "$wanted" <<< "$text" || fail "the page does not show \"$wanted\""
done
echo "the manual page formats cleanly"
