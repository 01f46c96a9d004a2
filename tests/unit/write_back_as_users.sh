#!/bin/sh
# Runs the IDE write-back table as the user running the tests and, when that is root, again as
# the unprivileged user nobody (with a group of its own besides its first), who is also given a
# file owned by root to try.
# Usage: write_back_as_users.sh UNIT_TESTS
set -eu
tests=$1
filter='--gtest_filter=IdeWriteBack.*'
"$tests" "$filter"
[ "$(id -u)" = 0 ] || exit 0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 0755 "$dir"
printf 'ButtonGadget(0, 1, 2, 3, 4, "a")\n' >"$dir/foreign.pb"
chmod 0644 "$dir/foreign.pb"
TESSALY_FOREIGN_FILE="$dir/foreign.pb" \
    setpriv --reuid=nobody --regid=nogroup --groups=users -- "$tests" "$filter"
