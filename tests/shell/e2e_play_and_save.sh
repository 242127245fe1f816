#!/usr/bin/env bash
# End to end: the real game in a real X server, bare or (with "openbox" as
# the second argument) under a window manager. Insert a bill and spin with
# mouse clicks, save with Ctrl+S, quit, check the saved file, and start again
# with that file named on the command line; destroy the window of a changed
# game and continue it at the next start; play from the keyboard, on French
# and German layouts too, with a key held down; cash out. Under the window
# manager, ten starts and exits must leave the window where it was.
set -euo pipefail
game=$1
wm=${2:-}

source "$(dirname "$0")/../xsession.sh"

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# A quick wheel and no sounds, so a count and a spin take a fraction of a
# second whether or not the machine has a sound device.
printf '[Options]\nWheelSpeed=1\nSound=0\n' > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"

start_xvfb
if [ "$wm" = openbox ]; then
  openbox > "$tmp/openbox.log" 2>&1 &
  wm_pid=$!
  trap 'kill $wm_pid 2>/dev/null || true; cleanup' EXIT
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
fi

start_game() {
  "$game" "$@" > "$tmp/game.log" 2>&1 &
  game_pid=$!
}

# Where the machine face starts on the screen: below the menu bar. (The
# window's own area, as the X server has it; under a window manager
# xdotool's position counts the frame twice.)
face_origin() {
  local win=$1 info
  info=$(xwininfo -id "$win")
  face_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<< "$info")
  face_y=$(( $(sed -n 's/.*Absolute upper-left Y: *//p' <<< "$info") + $(sed -n 's/.*Height: *//p' <<< "$info") - 424 ))
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
# The game had changed (a $5 bill): it is kept, not lost and not written
# over its file, and the next start offers it.
second="$tmp/my games/second game.shs"
credits_before=$(sed -n 12p "$second" | tr -d '\r')
start_game
win=$(wait_window "Star Haven Virtual Slots - second game.shs")
sleep 0.3
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key F5
sleep 0.5
xdotool windowclose "$win"
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || { game_pid=; break; }; sleep 0.1; done
[ -z "$game_pid" ] || fail "the game ran on after its window was destroyed"
[ "$(sed -n 12p "$second" | tr -d '\r')" = "$credits_before" ] || fail "the destroyed game was written over its file"
start_game
box=$(wait_window "Star Haven Virtual Slots")
sleep 0.3
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return # Yes: continue the kept game
win=$(wait_window "Star Haven Virtual Slots - second game.shs")
sleep 0.3
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers ctrl+s
sleep 1
[ "$(sed -n 12p "$second" | tr -d '\r')" = $((credits_before + 5)) ] || fail "the kept game was not continued"
quit_game "$win"

# None of it is the toolkit's: a game file named like its options (which
# would run the game where nobody sees it).
cp "$saved" "$tmp/-platform offscreen"
pushd "$tmp" > /dev/null
start_game -platform offscreen
popd > /dev/null
win=$(wait_window "Star Haven Virtual Slots - -platform offscreen")
quit_game "$win"

# From the keyboard: a $100 bill with F9, Play 1 with 1, Play Max with Alt+M
# (which must reach the game, not the menu bar).
printf '[Window]\nFirstTime=False\n[Options]\nWheelSpeed=0\nSound=0\nLoadLastFile=0\n[CashOut]\nCashOut=New\nShowStats=0\n' \
  > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"
start_game
win=$(wait_window "Star Haven Virtual Slots - [untitled]")
sleep 0.3
focus() { xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"; }
focus
xdotool key F9
sleep 0.5
xdotool key 1
sleep 1.5
xdotool key alt+m
sleep 1.5
keyed=$tmp/home/Documents/keyed.shs
xdotool key --clearmodifiers ctrl+s
wait_window "Save Game" > /dev/null
sleep 0.3
xdotool type --delay 5 "$keyed"
xdotool key Return
wait_window "Star Haven Virtual Slots - keyed.shs" > /dev/null
line() { sed -n "${2}p" "$1" | tr -d '\r'; }
[ "$(line "$keyed" 8)" = 2 ] || fail "two spins by key, not $(line "$keyed" 8)"
[ "$(line "$keyed" 9)" = 100 ] || fail "F9 inserted \$$(line "$keyed" 9)"
[ "$(line "$keyed" 10)" = 4 ] || fail "keys played $(line "$keyed" 10) credits, not 1 + 3"
before=$(line "$keyed" 12)

# Game Options from the keyboard: from the slider Tab reaches "Use Sound
# Effects" (the sound boxes are greyed), the last-game box, then the machine
# chosen (Dollar); Up twice and Space choose Quarter; Enter is OK.
focus
xdotool key --clearmodifiers alt+g
sleep 0.3
xdotool key p
wait_window "Game Options" > /dev/null
sleep 0.3
xdotool key Tab Tab Tab Up Up space Return
sleep 0.5
focus
xdotool key --clearmodifiers ctrl+s
sleep 1
[ "$(line "$keyed" 6)" = 4 ] || fail "the machine is $(line "$keyed" 6), not the Quarter machine"
[ "$(line "$keyed" 12)" = $((before + 300)) ] || fail "credits $(line "$keyed" 12), not $before + 100 x (4 - 1)"

# Cash Out set to "New": C starts a new game without a question.
focus
xdotool key c
wait_window "Star Haven Virtual Slots - [untitled]" > /dev/null
grep -q '^Machine=4' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" || fail "the options were not saved"

# Configure Cash Out Button to "...exits the game"; C then ends the game at
# once with exit status 0 and frees the lock for the next start.
focus
xdotool key --clearmodifiers alt+g
sleep 0.3
xdotool key c
wait_window "Configure Cash Out Button" > /dev/null
sleep 0.3
# OK has the focus; back past the check box to the chosen option, "...starts
# a new game", up to "...exits the game", and Enter for OK.
xdotool key shift+Tab shift+Tab Up Return
sleep 0.5
focus
xdotool key c
status=
for _ in $(seq 100); do
  if ! kill -0 "$game_pid" 2>/dev/null; then wait "$game_pid" && status=0 || status=$?; game_pid=; break; fi
  sleep 0.1
done
[ "$status" = 0 ] || fail "Cash Out's Exit ended with status '$status'"
grep -q '^CashOut=Exit' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" || fail "the Cash Out choice was not saved"
start_game
win=$(wait_window "Star Haven Virtual Slots - [untitled]")
quit_game "$win"

# Other keyboard layouts: the number row bets by its place, whatever it
# types (&, é and " on a French keyboard), M is M where the layout puts it.
# Then 1 held down for three seconds: one spin, at its release.
layouts=$tmp/layouts.shs
printf '%s\r\n' 0 0 1 1 1 1 GoodDay 0 100 0 0 100 0 0 1 2 3 0 0 0 4 5 6 > "$layouts"
start_game "$layouts"
win=$(wait_window "Star Haven Virtual Slots - layouts.shs")
sleep 0.3
play_keys() { # layout, then keys one by one
  setxkbmap "$1"
  shift
  for key in "$@"; do focus; xdotool key "$key"; sleep 0.6; done
}
played() { focus; xdotool key --clearmodifiers ctrl+s; sleep 0.7; echo "$(line "$layouts" 8)/$(line "$layouts" 10)"; }
play_keys fr ampersand eacute quotedbl m
[ "$(played)" = 4/9 ] || fail "on a French keyboard: spins/credits played $(played), not 4/9"
play_keys de 1 2 3 m
[ "$(played)" = 8/18 ] || fail "on a German keyboard: spins/credits played $(played), not 8/18"
focus
xdotool keydown 1
sleep 3
xdotool keyup 1
sleep 0.8
[ "$(played)" = 9/19 ] || fail "a held key: spins/credits played $(played), not 9/19"
setxkbmap us
quit_game "$win"

# Under a window manager the window is placed by its frame and saved by it:
# ten starts and exits leave it where it was.
if [ "$wm" = openbox ]; then
  where() { grep -E '^(Left|Top)=' "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini" | sort | tr '\n' ' '; }
  first=$(where)
  for _ in $(seq 10); do
    start_game
    win=$(wait_window "Star Haven Virtual Slots - [untitled]")
    quit_game "$win"
  done
  [ "$(where)" = "$first" ] || fail "the window moved from $first to $(where) in ten starts"
fi
echo "end-to-end${wm:+ under $wm}: played, saved, reopened, kept a destroyed game, played from the keyboard on three layouts, cashed out"
