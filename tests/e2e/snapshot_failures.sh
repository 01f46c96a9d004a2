#!/bin/sh
# --snapshot pictures that cannot be written give a message and status 2, keep an earlier picture
# whole and leave nothing behind; code that makes no preview window is said at once.
# Usage (under tests/with_display.sh): snapshot_failures.sh TESSALY FORM
set -u
program=$1 form=$2 dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$(dirname "$program")" || exit 1
mkdir "$dir/folder"
printf 'old' >"$dir/old.png"
printf '; no gadget\n' >"$dir/empty.pb"
# OUT, what the message says, FORM; the last one with files that may not grow beyond one block.
while IFS='|' read -r out says code limit; do
    message=$( (trap '' XFSZ; ulimit -f "$limit"; exec "$program" --snapshot "$out" "${code:-$form}") 2>&1)
    status=$?
    case "$status $message" in "2 "*"$says"*) echo "ok: --snapshot $out: $message" ;;
    *) echo "FAILED: --snapshot $out: status $status, '$message' does not say '$says'"; exit 1 ;; esac
done <<EOT
/dev/full|not a regular file||unlimited
$dir/missing/out.png|does not exist||unlimited
$dir/folder|is a folder||unlimited
$dir/empty.png|no preview window|$dir/empty.pb|unlimited
$dir/old.png|File too large||1
EOT
[ "$(cat "$dir/old.png")" = old ] && [ "$(ls -A "$dir" | tr '\n' ' ')" = "empty.pb folder old.png " ] ||
    { echo "FAILED: the earlier picture changed or something was left: $(ls -A "$dir")"; exit 1; }
"$program" --snapshot "$dir/old.png" "$form" 2>/dev/null && [ "$(identify -format %m "$dir/old.png")" = PNG ] ||
    { echo "FAILED: a writable picture was not written"; exit 1; }
echo "ok: an earlier picture is kept whole by a failed write and replaced by a good one"
