#!/usr/bin/env bash
# Runs one end-to-end script against the built program on a private display, with a window
# manager and an accessibility bus of its own: run_e2e.sh SCRIPT PROGRAM SOURCE_DIR
set -euo pipefail
script=$1
shift
exec xvfb-run -a -s "-screen 0 1600x1200x24" \
  dbus-run-session -- bash -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
    status=0
    /usr/bin/python3 "$@" || status=$?
    kill $wm 2>/dev/null || true
    exit $status
  ' e2e "$script" "$@"
