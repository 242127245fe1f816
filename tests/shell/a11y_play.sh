#!/usr/bin/env bash
# The game as a screen reader meets it: the real program under its own X
# server (or, with "wayland" as the second argument, as a native client of a
# headless Wayland compositor) with an accessibility bus of its own, played
# through the accessibility tree alone (a11y_play.py): a bill, a spin, Save,
# Cash Out. The saved game, the exit status and, under Wayland, the stored
# window position (which the compositor keeps to itself) are checked here.
set -euo pipefail
game=$1
platform=${2:-x11}
session=()
[ "$platform" = wayland ] && session=(--wayland)

source "$(dirname "$0")/../xsession.sh"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
printf '[Window]\nFirstTime=False\nLeft=4321\nTop=1234\n[Options]\nLoadLastFile=0\n[CashOut]\nCashOut=Exit\nShowStats=0\n' \
  > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"
# A Two Dollars game without sound at the quickest wheel speed: the $5
# slot is shut, and the game has a file for Save.
saved=$tmp/read.shs
printf '%s\r\n' 0 0 1 1 1 0.5 GoodDay 0 0 0 0 0 0 0 1 2 3 0 0 0 4 5 6 > "$saved"

here=$(dirname "$0")
status=0
"$here/../a11y_session.sh" "${session[@]}" bash -c '
  "$0" "$1" > "$2/game.log" 2>&1 &
  game=$!
  status=0
  /usr/bin/python3 "$3" "$2/dump.txt" || status=$?
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then kill "$game"; echo "FAIL: the game ran on after Cash Out" >&2; status=1
  else wait "$game" || { echo "FAIL: the game ended with status $?" >&2; status=1; }; fi
  exit $status
' "$game" "$saved" "$tmp" "$here/a11y_play.py" || status=$?
echo "--- the machine as a screen reader reads it"
cat "$tmp/dump.txt" 2>/dev/null | grep -E "push button|label|table '|frame" || true
if [ "$status" != 0 ]; then
  echo "--- the game's output"
  tail -n 40 "$tmp/game.log" 2>/dev/null || true
  fail "playing through the accessibility tree"
fi
line() { sed -n "${1}p" "$saved" | tr -d '\r'; }
[ "$(line 8)" = 1 ] || fail "the saved game has $(line 8) spins, not 1"
[ "$(line 9)" = 100 ] || fail "the saved game has \$$(line 9) inserted, not \$100"
[ "$(line 12)" = $((49 + $(line 13))) ] || fail "the saved credits $(line 12) are not 49 plus the win $(line 13)"
if [ "$platform" = wayland ]; then
  grep -q '^Left=4321' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" &&
    grep -q '^Top=1234' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" ||
    fail "the stored window position was overwritten: $(grep -E '^(Left|Top)=' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" | tr '\n' ' ')"
fi
echo "a screen reader played it on $platform: bill, spin, save, cash out"
