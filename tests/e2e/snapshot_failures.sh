#!/bin/sh
# --snapshot writes its picture as IDE Update writes the IDE file: through a temporary file and a
# rename. A picture that cannot be written is a message and status 2, an earlier picture stays
# whole and nothing is left behind; code that makes no preview window is reported at once.
# Usage (under tests/with_display.sh): snapshot_failures.sh TESSALY FORM
set -u
program=$1
form=$2
cd "$(dirname "$program")" || exit 1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
# expect_failure OUT TEXT [FORM]: status 2 and a message that says TEXT.
expect_failure() {
    message=$("$program" --snapshot "$1" "${3:-$form}" 2>&1 >/dev/null)
    status=$?
    [ "$status" = 2 ] || fail "--snapshot $1: status $status, not 2 ($message)"
    case $message in *"$2"*) ;; *) fail "--snapshot $1: '$message' does not say '$2'" ;; esac
    echo "ok: --snapshot $1: status 2, $message"
}
expect_failure /dev/full "not a regular file"
expect_failure "$dir/missing/out.png" "does not exist"
mkdir "$dir/folder"
expect_failure "$dir/folder" "is a folder"

# No room: files may not grow beyond one block, so the picture cannot be written.
printf 'old picture' >"$dir/old.png"
message=$( (trap '' XFSZ; ulimit -f 1; exec "$program" --snapshot "$dir/old.png" "$form") 2>&1 >/dev/null)
status=$?
[ "$status" = 2 ] || fail "no room: status $status, not 2 ($message)"
case $message in *"File too large"*) ;; *) fail "no room: '$message'" ;; esac
[ "$(cat "$dir/old.png")" = "old picture" ] || fail "no room: the earlier picture changed"
[ "$(ls -A "$dir" | sort | tr '\n' ' ')" = "folder old.png " ] || fail "left behind: $(ls -A "$dir")"
echo "ok: no room: status 2, $message; the earlier picture is whole, nothing left behind"

printf '; a comment, no gadget\n' >"$dir/empty.pb"
started=$(date +%s)
expect_failure "$dir/empty.png" "no preview window" "$dir/empty.pb"
[ $(($(date +%s) - started)) -lt 5 ] || fail "code without a gadget took $(($(date +%s) - started)) s"

"$program" --snapshot "$dir/old.png" "$form" 2>/dev/null || fail "a writable picture: status $?"
[ "$(identify -format '%m' "$dir/old.png")" = PNG ] || fail "the picture is no PNG"
echo "ok: a writable picture replaces the earlier one"
