#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the unit, window and
# end-to-end tests, the Windows editor link under Wine, the Windows build of the whole program
# (scripts/build-windows.sh) used under Wine, a sanitizer build of the whole program with
# its unit and window tests and the hostile forms of tests/data opened in its window, and a short
# fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/setup.sh --tests

echo "== build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_TESTS=ON >/dev/null
cmake --build build -j "$jobs"

echo "== tests"
(cd build && ctest --output-on-failure -j "$jobs" --timeout 300)

echo "== installing into a temporary prefix"
prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
# Run from elsewhere: the installed program must find its own keyword file.
(cd "$prefix" && "$prefix/bin/tessaly" --version &&
  "$prefix/bin/tessaly" --dump "$root/examples/dialog.pb" | grep -q '"KeyWord": "ButtonGadget"') ||
  { echo "install: the installed program does not work"; exit 1; }
test -f "$prefix/lib/tessaly/tessaly_code_editor.so" -a -f "$prefix/share/applications/tessaly.desktop"
echo "install: ok"

echo "== a snapshot of a preview"
tests/with_display.sh "$prefix/bin/tessaly" --snapshot "$prefix/dialog.png" examples/dialog.pb \
  2>/dev/null
test "$(identify -format '%m %wx%h' "$prefix/dialog.png")" = "PNG 320x170" ||
  { echo "snapshot: no 320 x 170 picture of the dialog"; exit 1; }
rm -rf "$prefix"
echo "snapshot: ok"

echo "== the Windows editor link, cross-compiled and run under Wine"
bash tests/win32/wine_test.sh "$root/build/win32"

echo "== the whole program for Windows: cross-built, then used under Wine"
bash scripts/build-windows.sh
bash tests/win32/tessaly_wine_test.sh build-windows/tessaly-*-windows-x64.zip

echo "== sanitizer build (ASan + UBSan) of the whole program"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_BENCH=OFF \
  -DTESSALY_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs" --target tessaly tessaly_code_editor unit_tests ui_tests
# The toolkit's libraries keep caches for the life of the process; only their leaks are ignored.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs" --timeout 600 -L 'unit|ui')
echo "== hostile forms in the sanitizer build's window program"
(cd build-asan && "$root/tests/with_display.sh" "$root/tests/sanitizer/open_hostile_forms.sh" \
  "$root/build-asan/tessaly" "$root/tests/data")
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== fuzzing the reader and writer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSALY_GUI=OFF -DTESSALY_BENCH=OFF -DTESSALY_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target reader_fuzz
bash fuzz/run.sh "$root/build-fuzz/fuzz/reader_fuzz" 40
