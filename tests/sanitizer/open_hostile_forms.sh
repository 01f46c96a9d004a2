#!/usr/bin/env bash
# Opens each form of a folder in the window program, presses Escape in its main window and checks
# that the program ended by itself with status 0, within the time-out, without a sanitizer report.
# Run it on a display (tests/with_display.sh). Usage: open_hostile_forms.sh PROGRAM FOLDER [SECONDS]
set -u
program=$1
folder=$2
limit=${3:-60}
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

for form in "$folder"/*.pb; do
    name=$(basename "$form")
    start=$(date +%s%N)
    "$program" "$form" >"$log" 2>&1 &
    pid=$!
    # The main window appears, the preview is built; Escape in the main window ends the program.
    # Ending before any Escape was pressed counts as a failure.
    ended=""
    pressed=early
    deadline=$((SECONDS + limit))
    while [ $SECONDS -lt $deadline ]; do
        if ! kill -0 "$pid" 2>/dev/null; then ended=$pressed; break; fi
        wid=$(xdotool search --name '^Tessaly 0\.87$' 2>/dev/null | head -n1)
        if [ -n "$wid" ]; then
            xdotool windowactivate --sync "$wid" >/dev/null 2>&1
            xdotool key Escape >/dev/null 2>&1
            pressed=yes
        fi
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$pid" 2>/dev/null || { ended=yes; break; }
            sleep 0.1
        done
        [ -n "$ended" ] && break
    done
    if [ -z "$ended" ]; then
        echo "FAIL $name: still running after ${limit}s"
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        failed=1
        continue
    fi
    wait "$pid"
    status=$?
    ms=$((($(date +%s%N) - start) / 1000000))
    if [ "$status" -ne 0 ] || [ "$ended" = early ] ||
        grep -qE 'Sanitizer|runtime error:' "$log"; then
        [ "$ended" = early ] && echo "FAIL $name: ended before Escape was pressed"
        echo "FAIL $name: status $status after ${ms} ms"
        tail -n 60 "$log"
        failed=1
    else
        echo "ok   $name: Escape ended it with status 0 after ${ms} ms"
    fi
done
exit $failed
