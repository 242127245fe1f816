# Sourced by the tests that drive the real game in a display server of their
# own (Xvfb, or weston for Wayland):
# a scratch folder $tmp, and at exit the game ($game_pid, while one runs) and
# the server ended and $tmp removed.

tmp=$(mktemp -d)
server_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display and points DISPLAY at it.
start_xvfb() {
  exec 5> "$tmp/display"
  # -noreset: a server that resets when its last client leaves refuses the
  # next start for a moment, and each test starts the game several times.
  Xvfb -displayfd 5 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$tmp/display")
  [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
}

# Starts a headless Wayland compositor and points WAYLAND_DISPLAY and Qt at
# it, with no X server to fall back on. Needs XDG_RUNTIME_DIR.
start_weston() {
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  weston --backend=headless-backend.so --socket=wayland-strhaven --idle-time=0 \
    > "$tmp/weston.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-strhaven" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/wayland-strhaven" ] || fail "weston did not start: $(tail -3 "$tmp/weston.log")"
  export WAYLAND_DISPLAY=wayland-strhaven QT_QPA_PLATFORM=wayland
  unset DISPLAY
}

# Waits until a window with exactly this title is on the screen; prints its
# id. (A window may exist unmapped well before it shows: the main window
# behind a question asked at start-up.)
wait_window() {
  local title=$1 id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$(printf '%s' "$title" | sed 's/[][\.*^$]/\\&/g')\$" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  fail "no window titled '$title'"
}

# Ends the game in window $1 with Game > Exit and waits for $game_pid.
quit_game() {
  local win=$1
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key --clearmodifiers alt+g
  sleep 0.3
  xdotool key --clearmodifiers x
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || { game_pid=; return 0; }; sleep 0.1; done
  fail "the game did not end after Exit"
}
