#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window on a bundled example form.
# Any arguments replace the example: scripts/run.sh my_form.pb, scripts/run.sh --dump my_form.pb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target tessaly
if [ $# -eq 0 ]; then
  set -- examples/dialog.pb
fi
exec ./build/tessaly "$@"
