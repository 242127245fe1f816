#!/usr/bin/env bash
# End to end: the game killed (SIGKILL) at random moments, many times: idle
# after a bill, in the middle of a bill, of a spin, of a save, and while the
# question about a kept game shows. After every kill the game's file is a
# whole game, the game to continue (the kept one, else the file) holds the
# money as it was inserted, played and won, nothing booked before the kill
# is missing from it, a kept game whose question was cut short is still
# there as it was, and in the end nothing is left behind.
#   e2e_killed.sh GAME [RUNS]
set -euo pipefail
game=$1
runs=${2:-20}

source "$(dirname "$0")/../xsession.sh"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM SESSION_MANAGER
printf '[Window]\nFirstTime=False\n[Options]\nSound=0\nLoadLastFile=0\n' > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"
kept="$XDG_CONFIG_HOME/Star Haven Virtual Slots recovery.shs"
# A Nickel game (a $100 bill counts 2000 credits, long enough to be cut
# short) at wheel speed 1, with nothing in it yet.
games=$tmp/games
mkdir -p "$games"
game_file=$games/killed.shs
printf '%s\r\n' 1 0 1 1 1 20 GoodDay 0 0 0 0 0 0 0 1 2 3 0 0 0 4 5 6 > "$game_file"
start_xvfb

# Prints "spins inserted" of a game (a kept one too), after checking that it
# is whole and that its credits are what was inserted, less what was played,
# plus what was won (no denomination changes here).
checked() {
  /usr/bin/python3 - "$1" <<'EOF'
import sys
path = sys.argv[1]
raw = open(path, "rb").read()
lines = raw.split(b"\r\n")
if len(lines) < 24 or any(not l.strip() for l in lines[:23]):
    sys.exit("%s is not a whole game: %r" % (path, raw[:200]))
n = [float(l) for l in lines[:23] if l != b"GoodDay"]
wheel, sound, s1, s2, s3, machine = n[0:6]
spins, inserted, played, won, credits, won_shown, bet_shown = n[6:13]
if machine != 20 or not all(0 <= v <= 100000 for v in (spins, inserted, played, won, credits)):
    sys.exit("%s holds values out of range" % path)
if credits != inserted * 20 - played + won:
    sys.exit("%s: %d credits, but %d inserted, %d played and %d won" % (path, credits, inserted, played, won))
print(int(spins), int(inserted))
EOF
}

# What the next start continues: the kept game, else the game's file.
current() { if [ -e "$kept" ]; then checked "$kept"; else checked "$game_file"; fi; }

start_game() {
  "$game" "$game_file" > "$tmp/game.log" 2>&1 &
  game_pid=$!
}
kill_game() {
  kill -KILL "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# A random pause of 0 to $1 milliseconds.
pause_upto() { sleep "$(awk -v r=$RANDOM -v m="$1" 'BEGIN { printf "%.3f", r % (m + 1) / 1000 }')"; }

RANDOM=20261207
moments=(idle bill spin save question)
seen=()
for run in $(seq "$runs"); do
  moment=${moments[$((RANDOM % ${#moments[@]}))]}
  [ "$moment" = question ] && [ ! -e "$kept" ] && moment=idle
  read -r spins inserted <<< "$(current)"
  start_game
  if [ -e "$kept" ]; then
    before=$(md5sum < "$kept")
    box=$(wait_window "Star Haven Virtual Slots")
    if [ "$moment" = question ]; then
      pause_upto 300
      kill_game
      [ "$(md5sum < "$kept" 2>/dev/null)" = "$before" ] || fail "run $run: the kept game went with its question"
      seen+=("$moment")
      continue
    fi
    focus "$box"
    xdotool key Return # Yes: continue it
  fi
  win=$(wait_window "Star Haven Virtual Slots - killed.shs")
  sleep 0.3
  focus "$win"
  case $moment in
    idle)
      xdotool key F5
      sleep 0.8
      inserted=$((inserted + 5)) ;;
    bill)
      xdotool key F9
      pause_upto 250 ;;
    spin)
      xdotool key F5
      sleep 0.8
      inserted=$((inserted + 5))
      xdotool key 1
      pause_upto 700 ;;
    save)
      xdotool key --clearmodifiers ctrl+s
      pause_upto 30 ;;
  esac
  kill_game
  seen+=("$moment")
  checked "$game_file" > /dev/null || fail "run $run ($moment): the game's file is no longer whole"
  read -r now_spins now_inserted <<< "$(current)" || fail "run $run ($moment): the game to continue is damaged"
  [ "$now_spins" -ge "$spins" ] && [ "$now_inserted" -ge "$inserted" ] ||
    fail "run $run ($moment): $spins spins and \$$inserted were booked, $now_spins and \$$now_inserted were kept"
done

# A run that ends as it should, with a save: what the killed saves left in
# the game's folder goes, and so does the settings' lock.
start_game
if [ -e "$kept" ]; then
  box=$(wait_window "Star Haven Virtual Slots")
  focus "$box"
  xdotool key Return
fi
win=$(wait_window "Star Haven Virtual Slots - killed.shs")
sleep 0.3
focus "$win"
xdotool key F5
sleep 0.8
xdotool key --clearmodifiers ctrl+s
sleep 0.5
quit_game "$win"
left=$(ls -A "$games" | grep -v '^killed.shs$' || true)
[ -z "$left" ] || fail "left in the game's folder: $left"
[ ! -e "$kept" ] || fail "a saved game is still kept"
ls -A "$XDG_CONFIG_HOME" | grep -q 'lock' && fail "left in the settings' folder: $(ls -A "$XDG_CONFIG_HOME")"
checked "$game_file" > /dev/null
echo "killed $runs times (${seen[*]}): nothing booked lost, nothing left behind"
