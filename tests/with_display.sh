#!/usr/bin/env bash
# Runs a command on a private X display (Xvfb) with a window manager (openbox) inside its own
# D-Bus session, then stops both. The display number is picked by Xvfb, so several runs can go
# side by side.
set -u
tmp=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# TESSALY_SCREEN picks another desktop size (width x height x depth).
Xvfb -displayfd 3 -screen 0 "${TESSALY_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
if [ ! -s "$tmp/display" ]; then
    echo "with_display: Xvfb did not start" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
unset WAYLAND_DISPLAY

openbox >"$tmp/openbox.log" 2>&1 &
wm=$!
# Ready once it announces the requests the tests make of it (activating a window), not only itself.
for _ in $(seq 600); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_ACTIVE_WINDOW' && break
    sleep 0.05
done

dbus-run-session -- "$@"
