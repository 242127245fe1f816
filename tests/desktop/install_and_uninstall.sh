#!/usr/bin/env bash
# Install, first start, uninstall. The built tree is installed into a
# per-user prefix inside a private home, its desktop files are validated,
# the installed game is started under its own Xvfb with a game file whose
# path has blanks (its first run appends to the uninstall log and registers
# the file type), started again, and then the uninstaller must leave nothing
# of ours behind. A root-style install into a system prefix follows: no
# uninstall log there.
set -euo pipefail
cmake=$1
build=$2

id=io.quillfern.StarHavenVirtualSlots
mime=application/x-shvslots-file
title="Star Haven Virtual Slots"

source "$(dirname "$0")/../xsession.sh"
have() { command -v "$1" >/dev/null 2>&1; }

export HOME=$tmp/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_RUNTIME_DIR=$tmp/run
unset XDG_DATA_DIRS QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
prefix=$HOME/.local

# ---- install
"$cmake" --install "$build" --prefix "$prefix" > "$tmp/install.log" || { cat "$tmp/install.log"; fail "install"; }
share=$prefix/share
[ -x "$prefix/bin/strhaven" ] || fail "no program on the PATH folder"
[ -x "$prefix/bin/strhaven-uninstall" ] || fail "no uninstaller"
if [ -e "$build/shell/strhaven-sound.so" ]; then
  [ -f "$prefix/lib/strhaven/strhaven-sound.so" ] || fail "no sound module"
fi
[ -f "$share/strhaven/st5unst.log" ] || fail "a per-user install keeps no uninstall log"
[ -s "$share/strhaven/st5unst.log" ] && fail "the uninstall log is not empty"
for n in 16 32 48 64 128 256; do
  [ -s "$share/icons/hicolor/${n}x${n}/apps/strhaven.png" ] || fail "no ${n}px icon"
done
[ -f "$share/mime/packages/$id.xml" ] || fail "no MIME package"
grep -q '^\*\.shs$' <(cut -d: -f3 "$share/mime/globs2") || fail "the MIME database does not know *.shs"
if have desktop-file-validate; then
  desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" > "$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log"; fail "metainfo"; }
fi
"$prefix/bin/strhaven" --version | grep -q "^$title [0-9]" || fail "--version"

# ---- a display of our own
start_xvfb

# Starts the installed game on the game file, waits for its window, sets
# $seconds to how long that took (the splash's 2.5 s included), and quits.
play_once() {
  local started win
  started=$(date +%s.%N)
  "$prefix/bin/strhaven" "$game" > "$tmp/game.log" 2>&1 &
  game_pid=$!
  win=$(wait_window "$title - first game.shs")
  seconds=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
  quit_game "$win"
}

mkdir -p "$tmp/my games" "$XDG_CONFIG_HOME"
game="$tmp/my games/first game.shs"
printf '%s\r\n' 5 0 1 1 1 1 GoodDay 3 20 3 2 19 2 1 1 2 3 0 0 0 4 5 6 > "$game"
printf '[Options]\nSound=0\n' > "$XDG_CONFIG_HOME/$title.ini"

play_once
first=$seconds
log=$share/strhaven/st5unst.log
[ "$(tr -cd '\r' < "$log" | wc -c)" -eq 39 ] || fail "the first run did not append 39 lines to the log"
head -n1 "$log" | grep -qF "ACTION: RegKey: \"$XDG_CONFIG_HOME\", \"$title\\Window\"" || fail "log line 1: $(head -n1 "$log")"
grep -qi '^FirstTime=false' "$XDG_CONFIG_HOME/$title.ini" || fail "FirstTime is still set"
entry=$XDG_DATA_HOME/applications/$id.desktop
grep -qxF "Exec=\"$prefix/bin/strhaven\" %f" "$entry" || fail "the first run did not register the game: $(grep Exec= "$entry")"
[ -s "$XDG_DATA_HOME/icons/hicolor/48x48/apps/strhaven.png" ] || fail "no icon in the user's theme"
if have xdg-mime; then
  [ "$(xdg-mime query default "$mime")" = "$id.desktop" ] || fail "the game is not the default for game files"
fi

play_once
later=$seconds
[ "$(tr -cd '\r' < "$log" | wc -c)" -eq 39 ] || fail "a later run appended to the log"
echo "window shown after ${first}s on the first run, ${later}s on a later run"

# ---- uninstall
"$prefix/bin/strhaven-uninstall" > "$tmp/uninstall.log" 2>&1 || { cat "$tmp/uninstall.log"; fail "uninstall"; }
left=$(find "$HOME" \( -iname '*strhaven*' -o -name "$title*" -o -name "$id*" \) -print)
[ -z "$left" ] || fail "left behind: $left"
left=$(grep -rlE "shvslots|$id|strhaven" "$HOME" 2>/dev/null || true)
[ -z "$left" ] || fail "still naming the game: $left"

# ---- a system-wide install as root makes, without a log
if [ "$(id -u)" -eq 0 ]; then
  system=$tmp/usr
  "$cmake" --install "$build" --prefix "$system" > "$tmp/install.log"
  [ -x "$system/bin/strhaven" ] || fail "system install"
  [ -e "$system/share/strhaven/st5unst.log" ] && fail "a system-wide install keeps an uninstall log"
  "$system/bin/strhaven-uninstall" > "$tmp/uninstall.log" 2>&1 || { cat "$tmp/uninstall.log"; fail "system uninstall"; }
  left=$(grep -rlE "shvslots|$id|strhaven" "$system" 2>/dev/null || true)
  [ -z "$left" ] || fail "left behind in the system prefix: $left"
fi
echo "install, first run and uninstall: nothing left"
