#!/usr/bin/env bash
# Runs a command as a screen reader's session would host it: a display
# server of its own (Xvfb, or with --wayland a headless weston), a D-Bus
# session with an accessibility bus, and Qt told to serve the accessibility
# tree from the start.
#
#     a11y_session.sh [--wayland] COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if [ "${1:-}" = --wayland ]; then
  shift
  start_weston
else
  start_xvfb
  export QT_QPA_PLATFORM=xcb
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
status=0
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  status=0
  "$@" || status=$?
  kill "$bus" 2>/dev/null || true
  exit $status
' session "$@" 2> >(grep -v "dbus-daemon\|SpiRegistry" >&2) || status=$?
exit $status
