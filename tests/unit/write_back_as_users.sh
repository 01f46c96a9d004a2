#!/bin/sh
# The IDE write-back table as the user running the tests and, when that is root, as nobody (with a
# group besides its first), who is also given a root-owned file to try. Usage: $0 UNIT_TESTS
set -eu
"$1" --gtest_filter='IdeWriteBack.*'
[ "$(id -u)" = 0 ] || exit 0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 0755 "$dir" && echo 'ButtonGadget(0, 1, 2, 3, 4)' >"$dir/foreign.pb"
TESSALY_FOREIGN_FILE="$dir/foreign.pb" setpriv --reuid=nobody --regid=nogroup --groups=users -- \
    "$1" --gtest_filter='IdeWriteBack.*'
