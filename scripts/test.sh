#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the unit, window and
# end-to-end tests, the Windows editor link under Wine, the sanitizer build of the unit tests and a
# short fuzz run.
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
rm -rf "$prefix"
echo "install: ok"

echo "== the Windows editor link, cross-compiled and run under Wine"
bash tests/win32/wine_test.sh "$root/build/win32"

echo "== sanitizer build (ASan + UBSan) of the unit tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_GUI=OFF \
  -DTESSALY_BENCH=OFF -DTESSALY_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs" --target unit_tests tessaly
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs" -L unit)

echo "== fuzzing the reader and writer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSALY_GUI=OFF -DTESSALY_BENCH=OFF -DTESSALY_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target reader_fuzz
bash fuzz/run.sh "$root/build-fuzz/fuzz/reader_fuzz" 40
