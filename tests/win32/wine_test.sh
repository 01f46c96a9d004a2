#!/usr/bin/env bash
# Cross-compiles the Windows editor link with MinGW-w64 into a test driver and a peer editor (a
# window with a standard EDIT control) and runs them under Wine on a private display.
# Usage: tests/win32/wine_test.sh [WORKDIR]   (default: build/win32)
# Wine's own chatter goes to WORKDIR/wine.log, shown only when the test fails.
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mkdir -p "${1:-$src/build/win32}" && cd "${1:-$src/build/win32}" && pwd)
started=$(date +%s)

cxx=x86_64-w64-mingw32-g++-posix
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
for tool in "$cxx" "$wine" "$wineserver"; do
    command -v "$tool" >/dev/null || { echo "wine test: $tool is missing (scripts/setup.sh --tests)"; exit 1; }
done

# Static: the programs then need no MinGW libraries inside Wine.
flags=(-std=c++20 -O1 -Wall -Wextra -Werror -static -I"$src")
"$cxx" "${flags[@]}" -o "$work/edit_peer.exe" "$src/tests/win32/edit_peer.cpp" || exit 1
"$cxx" "${flags[@]}" -o "$work/link_driver.exe" "$src/tests/win32/link_driver.cpp" \
    "$src/app/platform/editor_link_win32.cpp" "$src/app/ide_link.cpp" "$src/form/number_text.cpp" || exit 1
built=$(date +%s)

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64
# No offers to install the .NET and HTML runtimes: they would wait for a click.
export WINEDLLOVERRIDES="mscoree,mshtml="
log="$work/wine.log"
: >"$log"
cat >"$work/run.sh" <<INNER
trap '"$wineserver" -k 2>/dev/null' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 120 "$wine" wineboot -i >>"$log" 2>&1 || { echo "wine test: wineboot failed"; exit 1; }
fi
cd "$work" && timeout 120 "$wine" link_driver.exe edit_peer.exe 2>>"$log"
INNER
timeout 300 "$src/tests/with_display.sh" bash "$work/run.sh" 2>>"$log"
status=$?
"$wineserver" -k 2>/dev/null  # in case the time-out ended the run before its own clean-up
echo "wine test: build $((built - started)) s, run $(($(date +%s) - built)) s"
if [ $status -ne 0 ]; then
    echo "wine test: FAILED (status $status); Wine's log:"
    tail -n 40 "$log"
fi
exit $status
