#!/usr/bin/env bash
# Start-up benchmark, run by hand on an X server (DISPLAY set; Xvfb will do):
# how long the game takes to show its first window, and how much memory it
# holds then, against the baseline window of this folder started the same
# way, and again three seconds after the start, when the game's splash has
# given way to its main window. Each program is started RUNS times (default
# 10); the medians and their ratios are printed.
#   tools/startbench/startbench.sh build/shell/strhaven build/tools/startbench/strhaven-startbench-baseline
set -euo pipefail
game=$1
baseline=$2
runs=${RUNS:-10}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config
mkdir -p "$XDG_CONFIG_HOME"
printf '[Window]\nFirstTime=False\n[Options]\nSound=0\nLoadLastFile=0\n' > "$XDG_CONFIG_HOME/Star Haven Virtual Slots.ini"

# Milliseconds from the start to the first window on screen, the resident
# memory in KiB at that moment, and three seconds after the start.
measure() {
  local start pid id
  start=$(date +%s%N)
  "$1" > /dev/null 2>&1 &
  pid=$!
  id=
  while [ -z "$id" ]; do id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1) || true; done
  local shown=$(( ($(date +%s%N) - start) / 1000000 ))
  local first=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  sleep "$(awk -v ms="$shown" 'BEGIN { print (3000 - ms) / 1000 }')"
  echo "$shown $first $(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

for program in "$game" "$baseline"; do
  : > "$home/runs"
  for _ in $(seq "$runs"); do measure "$program" >> "$home/runs"; sleep 0.3; done
  echo "$(cut -d' ' -f1 "$home/runs" | median) $(cut -d' ' -f2 "$home/runs" | median) $(cut -d' ' -f3 "$home/runs" | median)" >> "$home/medians"
done
read -r game_ms game_kib game_later < <(sed -n 1p "$home/medians")
read -r base_ms base_kib base_later < <(sed -n 2p "$home/medians")
awk -v gm="$game_ms" -v gk="$game_kib" -v gl="$game_later" -v bm="$base_ms" -v bk="$base_kib" -v bl="$base_later" 'BEGIN {
  printf "first window: game %.0f ms, baseline %.0f ms, ratio %.2f\n", gm, bm, gm / bm
  printf "memory then:  game %.1f MiB, baseline %.1f MiB, ratio %.2f\n", gk / 1024, bk / 1024, gk / bk
  printf "after 3 s:    game %.1f MiB, baseline %.1f MiB, ratio %.2f\n", gl / 1024, bl / 1024, gl / bl
}'
