#!/usr/bin/env bash
# End to end: Help > Readme File in the real game, under a desktop of its
# own. With no program for text files the game says so and starts nothing;
# once a program is the default for them, that program gets the readme.
set -euo pipefail
game=$1

source "$(dirname "$0")/../xsession.sh"

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run
# The system's own entries and browsers stay out of it, but not its MIME
# database: the readme must still be known as a text file.
export XDG_CONFIG_DIRS=$tmp/etc XDG_DATA_DIRS=$tmp/share BROWSER=no-browser-here
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID TERMINAL
mime=$(for d in /usr/local/share /usr/share; do [ -f "$d/mime/mime.cache" ] && echo "$d/mime" && break; done)
[ -n "$mime" ] || { echo "no shared MIME database: skipped"; exit 0; }
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$XDG_RUNTIME_DIR" "$tmp/share" "$tmp/bin"
chmod 700 "$XDG_RUNTIME_DIR"
ln -s "$mime" "$tmp/share/mime"
printf '[Window]\nFirstTime=False\n[Options]\nSound=0\nLoadLastFile=0\n' > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"
unset QT_QPA_PLATFORM

start_xvfb

# The visible message box, titled with the application title alone.
box() { xdotool search --onlyvisible --name '^Star Haven Virtual Slots$' 2>/dev/null | head -n1 || true; }

readme_file() {
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key --clearmodifiers alt+h
  sleep 0.3
  xdotool key --clearmodifiers r
}

"$game" > "$tmp/game.log" 2>&1 &
game_pid=$!
win=$(wait_window "Star Haven Virtual Slots - [untitled]")
sleep 0.3

readme_file
for _ in $(seq 100); do [ -n "$(box)" ] && break; sleep 0.05; done
[ -n "$(box)" ] || fail "no message when no program opens text files"
xdotool key Return
for _ in $(seq 100); do [ -z "$(box)" ] && break; sleep 0.05; done

# A program of the user's own, made the default for text files.
cat > "$tmp/bin/reader" <<EOF
#!/bin/sh
printf '%s\n' "\$1" > "$tmp/opened"
EOF
chmod +x "$tmp/bin/reader"
printf '[Desktop Entry]\nType=Application\nName=Reader\nExec=%s %%f\nMimeType=text/plain;\n' "$tmp/bin/reader" \
  > "$XDG_DATA_HOME/applications/reader.desktop"
printf '[Default Applications]\ntext/plain=reader.desktop;\n' > "$XDG_CONFIG_HOME/mimeapps.list"

readme_file
for _ in $(seq 100); do [ -s "$tmp/opened" ] && break; sleep 0.05; done
[ -s "$tmp/opened" ] || fail "the default program for text files did not get the readme"
grep -q '/readme.txt$' "$tmp/opened" || fail "the program got '$(cat "$tmp/opened")', not the readme"
[ -z "$(box)" ] || fail "a message came with the readme opened"
quit_game "$win"
