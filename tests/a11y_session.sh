#!/usr/bin/env bash
# Runs a command as a screen reader's session would host it: an X server of
# its own, a D-Bus session with an accessibility bus, and Qt told to serve
# the accessibility tree from the start.
#
#     a11y_session.sh COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
start_xvfb
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
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
