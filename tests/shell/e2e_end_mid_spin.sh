#!/usr/bin/env bash
# End to end, under a window manager: a spin cut short by each way a run can
# end from outside. The window closed by the window manager (Alt+F4), a
# logout by the session manager that allows no questions, the window
# destroyed (xdotool windowclose), and SIGTERM, SIGHUP and SIGINT, each in
# the middle of a slow spin: the spin is finished at once and booked, and
# the ending goes on (the question, or the end of the program with status 0,
# the game kept and the settings saved); nothing is lost. How soon each
# ending went on is printed (a figure to read, not a test: the goal is
# 300 ms), and none may wait for the spin's six seconds.
#   e2e_end_mid_spin.sh GAME LOGOUT_SESSION
set -euo pipefail
game=$1
session_manager=$2

source "$(dirname "$0")/../xsession.sh"

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run ICEAUTHORITY=$tmp/iceauth
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM SESSION_MANAGER
settings="$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"
kept="$XDG_CONFIG_HOME/Star Haven Virtual Slots recovery.shs"
printf '[Window]\nFirstTime=False\n[Options]\nSound=0\nLoadLastFile=0\n' > "$settings"

start_xvfb
openbox > "$tmp/openbox.log" 2>&1 &
wm_pid=$!
sm_pid=
trap 'kill $wm_pid ${sm_pid:+$sm_pid} 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
line() { sed -n "${2}p" "$1" | tr -d '\r'; }
# A game at wheel speed 10 (a spin of six seconds) with 100 credits.
game_file=$tmp/slow.shs
write_game() { printf '%s\r\n' 10 0 1 1 1 1 GoodDay 0 100 0 0 100 0 0 1 2 3 0 0 0 4 5 6 > "$game_file"; }
# Starts the game on that file, spins with the key 1 and waits a second,
# well inside the spin.
start_spin() {
  write_game
  "$game" "$game_file" > "$tmp/game.log" 2>&1 &
  game_pid=$!
  win=$(wait_window "Star Haven Virtual Slots - slow.shs")
  sleep 0.5
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key 1
  sleep 1
}
# Waits for the game's process to end with status 0; $took is then the
# milliseconds since $1. Fails after 5 s.
wait_end() {
  local status=0
  for _ in $(seq 500); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid" || status=$?
      game_pid=
      [ "$status" = 0 ] || fail "the game ended with status $status"
      took=$(( $(now_ms) - $1 ))
      return 0
    fi
    sleep 0.01
  done
  fail "the game did not end"
}
# The spin is booked in this saved game: one spin of one credit, the credits
# 99 plus what it won.
booked() {
  [ "$(line "$1" 8)" = 1 ] || fail "$2: ${1##*/} holds $(line "$1" 8) spins, not 1"
  [ "$(line "$1" 10)" = 1 ] || fail "$2: ${1##*/} holds $(line "$1" 10) credits played"
  [ "$(line "$1" 12)" -eq $((99 + $(line "$1" 13))) ] || fail "$2: credits $(line "$1" 12), won $(line "$1" 13)"
}
within() { [ "$1" -lt 3000 ] || fail "$2 took $1 ms: it waited for the spin"; }

# The window manager closes the window: the spin is booked at once and the
# changed game asked about; Yes saves it to its file.
start_spin
t0=$(now_ms)
xdotool key --clearmodifiers alt+F4
box=$(wait_window "Star Haven Virtual Slots")
asked=$(( $(now_ms) - t0 ))
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return # Yes: save the game
wait_end "$(now_ms)"
within "$asked" "the close's question"
booked "$game_file" "closed"
[ ! -e "$kept" ] || fail "a game asked about and saved was kept as well"

# The session ends without questions: the spin is booked, the game kept
# beside the settings (never over its file), and the program ends.
mkfifo "$tmp/sm.fifo"
exec 7<> "$tmp/sm.fifo"
"$session_manager" "$tmp/sm.address" < "$tmp/sm.fifo" > "$tmp/sm.log" 2>&1 &
sm_pid=$!
for _ in $(seq 100); do [ -s "$tmp/sm.address" ] && break; sleep 0.05; done
export SESSION_MANAGER=$(cat "$tmp/sm.address")
start_spin
grep -q registered "$tmp/sm.log" || fail "the game did not join the session: $(cat "$tmp/sm.log")"
t0=$(now_ms)
echo logout >&7
wait_end "$t0"
within "$took" "the logout"
logout=$took
grep -q '^saved ' "$tmp/sm.log" || fail "the game did not answer the logout: $(cat "$tmp/sm.log")"
[ "$(line "$game_file" 8)" = 0 ] || fail "the logout wrote over the game's own file"
[ -s "$kept" ] || fail "the logout kept no game"
booked "$kept" "logout"
wait "$sm_pid" || true
sm_pid=
unset SESSION_MANAGER
rm -f "$kept"

# Another program destroys the window: the same, without a session.
start_spin
t0=$(now_ms)
xdotool windowclose "$win"
wait_end "$t0"
within "$took" "the destroyed window's end"
[ "$(line "$game_file" 8)" = 0 ] || fail "the destroyed window wrote over the game's own file"
booked "$kept" "destroyed"
destroyed=$took

# A signal ends the run as a logout without questions does, with the
# settings saved (the wheel speed chosen here reaches the store).
signalled=
for signal in TERM HUP INT; do
  rm -f "$kept"
  printf '[Window]\nFirstTime=False\n[Options]\nSound=0\nLoadLastFile=0\n' > "$settings"
  start_spin
  t0=$(now_ms)
  kill -"$signal" "$game_pid"
  wait_end "$t0"
  within "$took" "SIG$signal's end"
  signalled+=" SIG$signal $took ms,"
  [ "$(line "$game_file" 8)" = 0 ] || fail "SIG$signal wrote over the game's own file"
  booked "$kept" "SIG$signal"
  grep -q '^WheelSpeed=10' "$settings" || fail "SIG$signal saved no settings"
done
echo "a spin cut short, booked every time: closed (asked after $asked ms), logged out (ended after $logout ms)," \
  "destroyed (ended after $destroyed ms), signalled (${signalled%,}); the goal is 300 ms"
