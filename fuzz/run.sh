#!/usr/bin/env bash
# Runs a fuzz target for a bounded time, seeded with the example forms, the seeds here and the
# hostile forms of the tests (tests/data); fails on any finding.
# Usage: fuzz/run.sh TARGET SECONDS
set -uo pipefail
target=$1
seconds=${2:-40}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cp "$here"/../examples/* "$here"/seeds/* "$here"/../tests/data/* "$work/corpus"/ 2>/dev/null
"$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1
status=$?
if [ $status -ne 0 ]; then
  tail -n 60 "$work/log"
  for f in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
    [ -e "$f" ] && { echo "input that failed ($f):"; od -c "$f" | head -n 20; }
  done
  echo "fuzz: FAILED (exit $status)"
  exit 1
fi
grep -E '^Done|stat::number_of_executed_units' "$work/log"
echo "fuzz: no findings in ${seconds}s"
