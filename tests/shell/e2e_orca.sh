#!/usr/bin/env bash
# End to end with the real screen reader: the game played by keyboard, as a
# blind player plays it, under openbox with Orca reading it through speech
# dispatcher (espeak-ng into a null sound device), and what Orca speaks read
# from its debug log (the "SPEECH OUTPUT" lines). Each step waits until
# Orca has said what the player must hear, and fails with what it did say.
#   e2e_orca.sh GAME
set -euo pipefail

# The second part runs inside the session's D-Bus (see the end of the first).
if [ "${1:-}" != --inside ]; then
game=$1
source "$(dirname "$0")/../xsession.sh"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_RUNTIME_DIR=$tmp/run XDG_CACHE_HOME=$tmp/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" "$tmp/orca" "$HOME/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM SESSION_MANAGER WAYLAND_DISPLAY
# Without a sound device speech dispatcher never answers and Orca waits for
# it for ever: espeak-ng speaks into ALSA's null device.
cp /etc/speech-dispatcher/speechd.conf "$XDG_CONFIG_HOME/speech-dispatcher/"
printf 'AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n' \
  >> "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
# A Dollar game without sound at the quickest wheel speed that still turns.
printf '[Window]\nFirstTime=False\n[Options]\nLoadLastFile=0\nSound=0\nWheelSpeed=1\n' \
  > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"

start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
# Inside the session: the accessibility bus, the window manager, Orca, then
# the game and the steps below.
status=0
dbus-run-session -- bash "$0" --inside "$game" "$tmp" 2> >(grep -v "dbus-daemon\|SpiRegistry\|AccessDenied" >&2) ||
  status=$?
exit $status
fi

# STRHAVEN_ORCA_LOG=FILE keeps Orca's whole debug log for a look.
keep_log() { [ -z "${STRHAVEN_ORCA_LOG:-}" ] || cp "$log" "$STRHAVEN_ORCA_LOG"; }
fail() {
  echo "FAIL: $*" >&2
  keep_log
  exit 1
}
source <(sed -n '/^wait_window()/,/^}/p' "$(dirname "$0")/../xsession.sh")

game=$2
tmp=$3
log=$tmp/orca.log
trap 'kill ${game_pid:-} ${orca_pid:-} ${wm_pid:-} ${bus_pid:-} 2>/dev/null || true' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus_pid=$!
openbox > "$tmp/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
# Orca writes its debug log through a buffer of its own; opened line by line
# instead, the log shows what Orca said as soon as it said it.
cat > "$tmp/orca-line-buffered.py" <<'EOF'
import builtins, runpy, sys
real_open = builtins.open
def line_buffered_open(file, mode='r', *args, **kwargs):
    if file == sys.argv[-1].split('=', 1)[-1] and 'w' in mode and not args:
        kwargs.setdefault('buffering', 1)
    return real_open(file, mode, *args, **kwargs)
builtins.open = line_buffered_open
sys.argv[0] = '/usr/bin/orca'
runpy.run_path('/usr/bin/orca', run_name='__main__')
EOF
/usr/bin/python3 "$tmp/orca-line-buffered.py" -u "$tmp/orca" --debug-file="$log" > "$tmp/orca.out" 2>&1 &
orca_pid=$!

marked=0
# What Orca said, one utterance a line (an utterance of several lines is
# joined: each record of the log starts with the time).
spoken() {
  awk '/^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\./ { if (r != "") print r; r = $0; next } { r = r " " $0 } END { print r }' \
    "$log" 2>/dev/null | grep -a -o "SPEECH OUTPUT: '.*'" | sed "s/^SPEECH OUTPUT: '//; s/' *{'established.*//"
}
mark() { marked=$(spoken | wc -l); log_mark=$(($(wc -l < "$log") + 1)); }
since() { spoken | tail -n +$((marked + 1)); }
# Waits until Orca has said something that matches, since the mark.
heard() {
  local pattern=$1 wait=${2:-15}
  for _ in $(seq $((wait * 10))); do
    since | grep -q -E -- "$pattern" && return 0
    sleep 0.1
  done
  fail "Orca did not say /$pattern/; it said: $(since | tr '\n' '|')"
}
times_heard() { since | grep -c -E -- "$1" || true; }
key() { xdotool key --clearmodifiers "$@"; }
# A menu's command, as a player types it: Alt held while the menu's key goes
# down and up, then the command's key. (Orca hears each key before the game
# does; a chord typed at machine speed can reach the menu bar with its Alt
# released first, which closes the menu again.)
menu() {
  xdotool keydown alt; sleep 0.2; xdotool key "${1#alt+}"; sleep 0.2; xdotool keyup alt; sleep 0.5
  xdotool key "$2"
}

heard "Screen reader on" 30
"$game" > "$tmp/game.log" 2>&1 &
game_pid=$!
win=$(wait_window "Star Haven Virtual Slots - [untitled]")
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
heard "Cash Out push button"

# A bill: the credits, once it is counted (never credit by credit).
mark
key F7
heard "Credits 20"
sleep 1
[ "$(times_heard 'Credits [0-9]')" = 1 ] || fail "the bill's credits were heard $(times_heard 'Credits [0-9]') times"

# A spin: the pay line, what it won, the credits, once, when it is paid;
# and the focus stays where it was (at most 2 moves, none heard).
mark
key 1
heard "won (nothing|[0-9]+)\. Credits [0-9]+"
sleep 1
[ "$(times_heard 'Credits [0-9]')" = 1 ] || fail "the spin's outcome was heard $(times_heard 'Credits [0-9]') times"
since | grep -q "push button" && fail "a spin moved the focus: $(since | tr '\n' '|')"
moves=$(tail -n +"$log_mark" "$log" | grep -c "Changing locusOfFocus" || true)
[ "$moves" -le 2 ] || fail "a spin moved Orca's focus $moves times"

# On demand, the displays and the pay line.
mark
key F2
heard "Credits [0-9]+, won [0-9]+, bet 1\. Pay line: "

# The pay table takes the focus and reads cell by cell under its headings.
mark
for _ in $(seq 12); do
  since | grep -q "Pay table" && break
  key Tab
  sleep 0.4
done
heard "Pay table"
heard "3 emblems"
mark
key Right
heard "1 coin.*1500|1500.*1 coin"
key Down
heard "500"
key Tab
heard "Cash Out push button"

# The shortcut chart, read with its dialog.
mark
key ctrl+k
heard "Shortcut Keys dialog"
heard "F7 - Insert \\\$20\. .*Ctrl\+K - Shortcut Keys Dialog\. .*F2 - Read Out Displays"
key Escape
heard "Cash Out push button"

# The statistics: each caption once, with its figure.
mark
key ctrl+g
heard "Game Statistics dialog"
heard "Percent of return: "
for caption in "Number of Spins: 1" "Amount inserted: \\\$20\.00" "Cash Out Value: " "You are (ahead|even|down): " \
               "Credits played: 1" "Credits won: " "Percent of return: "; do
  n=$(times_heard "$caption")
  [ "$n" = 1 ] || fail "the statistics said /$caption/ $n times: $(since | tr '\n' '|')"
done
since | grep -q "Number of Spins: Number" && fail "a caption was read twice"
key Escape
heard "Cash Out push button"

# Game Options: the wheel speed says what it means, Tab lands on the
# machine chosen and then on the payout mode chosen.
mark
menu alt+g p
heard "Game Options dialog"
heard "Wheel speed 1, faster slider"
key Right
heard "Wheel speed 2, faster"
# (Sound is off: its kinds are skipped.)
key Tab
heard "Use Sound Effects check box"
key Tab
heard "Load last game"
mark
key Tab
heard "Dollar"
since | grep -q "Nickel" && fail "Tab stopped on a denomination not chosen: $(since | tr '\n' '|')"
since | grep -q -E "Dollar.*not selected" && fail "the denomination was heard as not chosen: $(since | tr '\n' '|')"
mark
key Tab
heard "A good day"
since | grep -q -E "good day.*not selected" && fail "the payout mode was heard as not chosen"
key Tab
heard "OK push button"
key Escape
heard "Cash Out push button"

# About says its version.
mark
menu alt+h a
heard "Program version 1\.0\.0"
key Escape
heard "Cash Out push button"

# The payouts panel hidden and shown, and a new game, are heard.
mark
key ctrl+h
heard "Payouts panel hidden"
key ctrl+h
heard "Payouts panel shown"
mark
key ctrl+n
heard "Do you want to save the game"
key n
heard "notification Star Haven Virtual Slots - \[untitled\]"

# Help: its links are read under Tab, and Escape closes it.
mark
key F1
heard "Star Haven Virtual Slots Help"
key Tab Tab Tab Tab
heard "Link: "
# Orca's Say All (the keypad's plus) reads the page from the link on, to
# its end and past it, and Qt warns of no offset out of range.
mark
key KP_Add
for _ in $(seq 100); do
  tail -n +"$log_mark" "$log" | grep -q "SAY ALL: \[[a-z ]* | Help page\] '.*statistics" && break
  sleep 0.1
done
tail -n +"$log_mark" "$log" | grep -q "SAY ALL: \[[a-z ]* | Help page\]" || fail "Say All read nothing of the help page"
sleep 2
mark
key Escape
heard "Cash Out push button"
grep -q "QTextCursor" "$tmp/game.log" && fail "the game warned while Orca read it: $(grep QTextCursor "$tmp/game.log" | head -1)"

keep_log
echo "Orca heard: a bill, a spin, the displays read out, every dialog"
