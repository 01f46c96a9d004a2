#!/usr/bin/env bash
# Without a display the window program says so and ends with status 1 instead of crashing;
# an unreadable FILE ends it with status 2.
set -u
program=$1
form=$2
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$form" 2>&1)
status=$?
echo "$out"
if [ "$status" -ne 1 ]; then
    echo "FAIL: exit status $status, expected 1"
    exit 1
fi
if ! grep -q "no display" <<<"$out"; then
    echo "FAIL: the message does not mention the missing display"
    exit 1
fi
# A display name that leads nowhere is reported the same way.
out=$(DISPLAY=:9999 "$program" "$form" 2>&1)
status=$?
echo "$out"
if [ "$status" -ne 1 ] || ! grep -q "cannot open the display" <<<"$out"; then
    echo "FAIL: unreachable display gave status $status"
    exit 1
fi
# A file that cannot be read is reported before any window opens.
out=$(DISPLAY=:9999 "$program" /nonexistent/form.pb 2>&1)
status=$?
echo "$out"
if [ "$status" -ne 2 ] || ! grep -q "cannot read '/nonexistent/form.pb'" <<<"$out"; then
    echo "FAIL: unreadable file gave status $status"
    exit 1
fi
# So is an IDE file that cannot be read.
out=$(DISPLAY=:9999 "$program" --ide-file /nonexistent/source.pb --ide-selection 1x1x2x1 2>&1)
status=$?
echo "$out"
if [ "$status" -ne 2 ] || ! grep -q "cannot read '/nonexistent/source.pb': No such file" <<<"$out"; then
    echo "FAIL: unreadable IDE file gave status $status"
    exit 1
fi
# The command-line modes still work without a display.
env -u DISPLAY "$program" --dump "$form" >/dev/null || { echo "FAIL: --dump needs a display"; exit 1; }
echo "ok"
