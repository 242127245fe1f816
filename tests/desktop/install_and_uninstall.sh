#!/usr/bin/env bash
# Install, first start, uninstall. The built tree is installed into a
# per-user prefix inside a private home, its desktop files are validated,
# the installed game is started under its own Xvfb with a game file whose
# path has blanks (its first run appends to the uninstall log and registers
# the file type), started again, and then the uninstaller must leave nothing
# of ours behind but a file the user saved in the game's folder. A root-style
# install into a system prefix follows: no uninstall log there, and a
# player's first run makes the game their default without copies of the
# installed files and without a word about the log.
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
# Installs into prefix $1, noting the files the install lays down in $tmp/installed.
install_into() {
  "$cmake" --install "$build" --prefix "$1" > "$tmp/install.log" || { cat "$tmp/install.log"; fail "install into $1"; }
  sed -n 's/^-- \(Installing\|Up-to-date\): //p' "$tmp/install.log" | while IFS= read -r path; do
    [ -d "$path" ] || printf '%s\n' "$path"
  done > "$tmp/installed"
  [ -s "$tmp/installed" ] || fail "the install named no files"
}
# Runs the uninstaller of prefix $1; every file the install laid down must go.
uninstall_from() {
  local file
  "$1/bin/strhaven-uninstall" > "$tmp/uninstall.log" 2>&1 || { cat "$tmp/uninstall.log"; fail "uninstall from $1"; }
  while IFS= read -r file; do
    [ -e "$file" ] && fail "an installed file is left: $file"
  done < "$tmp/installed"
  return 0
}

install_into "$prefix"
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

# Starts the installed game $1 on the game file, waits for its window (a
# message at the first run would keep it away), sets $seconds to how long
# that took (the splash's 2.5 s included), and quits.
play_once() {
  local started win
  started=$(date +%s.%N)
  "$1" "$game" > "$tmp/game.log" 2>&1 &
  game_pid=$!
  win=$(wait_window "$title - first game.shs")
  seconds=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
  quit_game "$win"
}

mkdir -p "$tmp/my games" "$XDG_CONFIG_HOME"
game="$tmp/my games/first game.shs"
printf '%s\r\n' 5 0 1 1 1 1 GoodDay 3 20 3 2 19 2 1 1 2 3 0 0 0 4 5 6 > "$game"
printf '[Options]\nSound=0\n' > "$XDG_CONFIG_HOME/$title.ini"

play_once "$prefix/bin/strhaven"
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

play_once "$prefix/bin/strhaven"
later=$seconds
[ "$(tr -cd '\r' < "$log" | wc -c)" -eq 39 ] || fail "a later run appended to the log"
echo "window shown after ${first}s on the first run, ${later}s on a later run"

# ---- uninstall
# What the user keeps in the game's folder is theirs; the game's recovery
# copy beside the settings is the game's.
saved="$share/strhaven/my notes.txt"
printf 'the lucky machine\n' > "$saved"
printf '%s\r\n' 5 0 1 1 1 1 GoodDay > "$XDG_CONFIG_HOME/$title recovery.shs"
uninstall_from "$prefix"
[ "$(cat "$saved" 2>/dev/null)" = "the lucky machine" ] || fail "the uninstaller took the user's own file"
left=$(find "$HOME" \( -iname '*strhaven*' -o -name "$title*" -o -name "$id*" \) \
  ! -path "$share/strhaven" ! -path "$saved" -print)
[ -z "$left" ] || fail "left behind: $left"
left=$(grep -rlE "shvslots|$id|strhaven" "$HOME" 2>/dev/null | grep -vxF "$saved" || true)
[ -z "$left" ] || fail "still naming the game: $left"
rm -r "$share/strhaven"

# ---- a system-wide install as root makes, without a log
if [ "$(id -u)" -eq 0 ]; then
  system=$tmp/usr
  install_into "$system"
  [ -x "$system/bin/strhaven" ] || fail "system install"
  [ -e "$system/share/strhaven/st5unst.log" ] && fail "a system-wide install keeps an uninstall log"

  # A player's first run, here root's (who may write the program's folder),
  # with the installation's folders where the desktop and the PATH look.
  rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  mkdir -p "$XDG_CONFIG_HOME"
  printf '[Options]\nSound=0\n' > "$XDG_CONFIG_HOME/$title.ini"
  XDG_DATA_DIRS=$system/share PATH=$system/bin:$PATH play_once "$system/bin/strhaven"
  grep -qi '^FirstTime=false' "$XDG_CONFIG_HOME/$title.ini" || fail "system install: FirstTime is still set"
  [ -e "$system/share/strhaven/st5unst.log" ] && fail "the first run of a system-wide install made a log"
  copies=$(find "$XDG_DATA_HOME" \( -iname '*strhaven*' -o -name "$id*" \) -print 2>/dev/null || true)
  [ -z "$copies" ] || fail "the first run of a system-wide install copied its files: $copies"
  grep -qxF "$mime=$id.desktop;" "$XDG_CONFIG_HOME/mimeapps.list" ||
    fail "the first run of a system-wide install did not make the game the default"
  if have xdg-mime; then
    [ "$(XDG_DATA_DIRS=$system/share xdg-mime query default "$mime")" = "$id.desktop" ] ||
      fail "system install: the game is not the default for game files"
  fi

  uninstall_from "$system"
  left=$(grep -rlE "shvslots|$id|strhaven" "$system" 2>/dev/null || true)
  [ -z "$left" ] || fail "left behind in the system prefix: $left"
fi
echo "install, first run and uninstall: nothing left"
