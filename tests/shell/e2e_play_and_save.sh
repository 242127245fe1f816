#!/usr/bin/env bash
# End to end: the real game in a real X server. Insert a bill and spin with
# mouse clicks, save with Ctrl+S, quit, check the saved file, and start again
# with that file named on the command line.
set -euo pipefail
game=$1

tmp=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# A quick wheel and no sounds, so a count and a spin take a fraction of a
# second whether or not the machine has a sound device.
printf '[Options]\nWheelSpeed=1\nSound=0\n' > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"

# A display of our own.
exec 5> "$tmp/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$tmp/display")
[ "$DISPLAY" != ":" ] || fail "Xvfb did not start"

# Waits until a window with exactly this title exists; prints its id.
wait_window() {
  local title=$1 id
  for _ in $(seq 150); do
    id=$(xdotool search --name "^$(printf '%s' "$title" | sed 's/[][\.*^$]/\\&/g')\$" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window titled '$title'"
}

start_game() {
  "$game" "$@" > "$tmp/game.log" 2>&1 &
  game_pid=$!
}

quit_game() {
  local win=$1
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key --clearmodifiers alt+g
  sleep 0.3
  xdotool key --clearmodifiers x
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || { game_pid=; return 0; }; sleep 0.1; done
  fail "the game did not end after Exit"
}

# Where the machine face starts on the screen: below the menu bar.
face_origin() {
  local win=$1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  face_x=$X
  face_y=$((Y + HEIGHT - 424))
}

click_face() { xdotool mousemove $((face_x + $1)) $((face_y + $2)) click 1; }

start_game
win=$(wait_window "Star Haven Virtual Slots - [untitled]")
sleep 0.5
face_origin "$win"

click_face 493 322   # the $20 bill: 20 credits on the Dollar machine
sleep 1
click_face 408 277   # Play 1
sleep 2.5

saved=$tmp/home/Documents/played.shs
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers ctrl+s
dialog=$(wait_window "Save Game")
sleep 0.5
xdotool type --delay 5 "$saved"
xdotool key Return
wait_window "Star Haven Virtual Slots - played.shs" > /dev/null
quit_game "$win"

[ -f "$saved" ] || fail "no game file written"
lines=$(tr -cd '\n' < "$saved" | wc -c)
[ "$lines" -eq 23 ] || fail "the game file has $lines lines, not 23"
[ "$(tr -cd '\r' < "$saved" | wc -c)" -eq 23 ] || fail "the lines do not end in CR LF"
line() { sed -n "${1}p" "$saved" | tr -d '\r'; }
[ "$(line 1)" = 1 ] || fail "wheel speed is '$(line 1)'"
[ "$(line 2)" = 0 ] || fail "sound is '$(line 2)'"
[ "$(line 6)" = 1 ] || fail "machine is '$(line 6)'"
[ "$(line 7)" = GoodDay ] || fail "payout is '$(line 7)'"
[ "$(line 8)" = 1 ] || fail "spins is '$(line 8)'"
[ "$(line 9)" = 20 ] || fail "amount inserted is '$(line 9)'"
[ "$(line 10)" = 1 ] || fail "credits played is '$(line 10)'"
[ "$(line 12)" -eq $((19 + $(line 13))) ] || fail "credits $(line 12) are not 19 plus the win $(line 13)"
[ "$(line 14)" = 1 ] || fail "the bet shown is '$(line 14)'"
grep -q '^Name=.*played.shs' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" || fail "the last file was not stored"

# The command line is one path, blanks and all.
mkdir -p "$tmp/my games"
cp "$saved" "$tmp/my games/second game.shs"
start_game "$tmp/my" "games/second" "game.shs"
win=$(wait_window "Star Haven Virtual Slots - second game.shs")
quit_game "$win"

# A main window destroyed from outside ends the program and frees its lock,
# so the next start is not refused as a second instance. (The last game
# opens again: its absolute path was stored.)
start_game
win=$(wait_window "Star Haven Virtual Slots - second game.shs")
sleep 0.3
xdotool windowclose "$win"
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || { game_pid=; break; }; sleep 0.1; done
[ -z "$game_pid" ] || fail "the game ran on after its window was destroyed"
start_game
win=$(wait_window "Star Haven Virtual Slots - second game.shs")
quit_game "$win"
echo "end-to-end: played, saved, reopened"
