#!/usr/bin/env bash
# Runs the Windows build's tessaly.exe, unpacked from its zip, under Wine on a private display and
# uses it as a user would (xdotool with XTEST input, xclip):
#  1. it opens a form file with its main window and a preview of the form's client size; a click
#     on a button, Ctrl+Right and Copy put the nudged code on the clipboard, which keeps it after
#     Escape has ended the program;
#  2. started by an "IDE" whose editor is a standard EDIT control of another process (handle in
#     PB_TOOL_Scintilla), it shows the selected form; after a nudge, IDE Update replaces exactly
#     the selection in that control and ends the tool.
# Wine keeps a clipboard only while one of its programs runs; the editor stand-in is that program,
# as the IDE would be.
# Usage: tests/win32/tessaly_wine_test.sh ZIP [WORKDIR]   (default WORKDIR: beside the zip)
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
zip=$(realpath "$1")
work=$(mkdir -p "${2:-$(dirname "$zip")/wine-test}" && cd "${2:-$(dirname "$zip")/wine-test}" && pwd)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

rm -rf "$work/app" && mkdir -p "$work/app" && (cd "$work/app" && cmake -E tar xf "$zip") || exit 1
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Werror -static \
    -o "$work/edit_peer.exe" "$src/tests/win32/edit_peer.cpp" || exit 1

# The form: LF line ends in the file, CR LF in the editor, as Windows editors keep them.
form=('OpenWindow(#Win, 0, 0, 320, 200, "Wine form", #PB_Window_SystemMenu)'
    'ButtonGadget(#Push, 20, 20, 120, 30, "Push")'
    'StringGadget(#Name, 20, 70, 200, 24, "Text")')
printf '%s\n' "${form[@]}" >"$work/form.pb"
before=$'; before the form\r\n'
selected=
for line in "${form[@]}"; do selected+="$line"$'\r\n'; done
after=$'; after the form\r\n'
printf '%s' "$before$selected$after" >"$work/editor.txt"
rm -f "$work/editor.txt.handle" "$work/editor.txt.after"
# What a nudge of the button one pixel to the right makes of them.
nudged() { sed 's/(#Push, 20, 20,/(#Push, 21, 20,/'; }
nudged <"$work/form.pb" >"$work/form.expected"
{ printf '%s' "$before"; printf '%s' "$selected" | nudged; printf '%s' "$after"; } >"$work/editor.expected"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
log="$work/wine.log"
: >"$log"
cat >"$work/story.sh" <<INNER
set -u
fail() { echo "tessaly under Wine: FAIL \$*"; import -window root "$work/failure.png" 2>/dev/null; exit 1; }
ok() { echo "ok   \$*"; }
trap '"$wineserver" -k 2>/dev/null' EXIT
# The X window of a Windows window titled \$1, once it is on screen.
window() {
    for _ in \$(seq 300); do
        id=\$(xdotool search --onlyvisible --name "^\$1\\\$" 2>/dev/null | tail -1)
        [ -n "\$id" ] && { echo "\$id"; return 0; }
        sleep 0.1
    done
    return 1
}
size() { xdotool getwindowgeometry "\$1" | sed -n 's/.*Geometry: //p'; }
click() { xdotool windowactivate --sync "\$1" mousemove --window "\$1" "\$2" "\$3" sleep 0.3 click 1; sleep 0.5; }
ended() { for _ in \$(seq 100); do kill -0 "\$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
clip() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 180 "$wine" wineboot -i >>"$log" 2>&1 || fail "wineboot"
fi
cd "$work"
"$wine" edit_peer.exe editor.txt ${#before} $((${#before} + ${#selected})) >>"$log" 2>&1 &
for _ in \$(seq 100); do [ -s editor.txt.handle ] && break; sleep 0.1; done
[ -s editor.txt.handle ] || fail "the editor stand-in did not start"

cd "$work/app"
"$wine" tessaly.exe --snapshot out.png "$work/form.pb" >/dev/null 2>"$work/snapshot.err"
status=\$?
[ \$status -eq 2 ] && grep -q 'cannot write PNG' "$work/snapshot.err" && [ ! -e out.png ] ||
    fail "--snapshot without a PNG encoder: status \$status, \$(cat "$work/snapshot.err")"
ok "--snapshot is refused with a message and status 2"
# Started from another folder (as the IDE may), it still finds keywords.json beside itself.
(cd "$work" && "$wine" app/tessaly.exe --dump form.pb 2>/dev/null) | grep -q '"KeyWord": "ButtonGadget"' ||
    fail "started from another folder, it recognises no call"
ok "started from another folder, it reads keywords.json from its own"
"$wine" tessaly.exe "$work/form.pb" >>"$log" 2>&1 &
pid=\$!
preview=\$(window "Wine form") || fail "no preview window"
main=\$(window "Tessaly [0-9.]*") || fail "no main window"
[ "\$(size "\$preview")" = "320x200" ] || fail "preview client area \$(size "\$preview"), not 320x200"
ok "a form file opens the main window and a 320 x 200 preview"
click "\$preview" 40 35
xdotool key ctrl+Right
sleep 0.5
click "\$main" 130 581  # Copy
[ "\$(clip)" = "\$(cat "$work/form.expected")" ] || fail "Copy gave: \$(clip)"
ok "a click on the button, Ctrl+Right and Copy put the nudged code on the clipboard"
xdotool windowactivate --sync "\$main" key Escape
ended \$pid || fail "Escape did not end the program"
sleep 0.5
[ "\$(clip)" = "\$(cat "$work/form.expected")" ] || fail "after the end the clipboard holds: \$(clip)"
ok "the clipboard keeps the code after Escape has ended the program"

PB_TOOL_Scintilla=\$(cat "$work/editor.txt.handle") "$wine" tessaly.exe >>"$log" 2>&1 &
pid=\$!
preview=\$(window "Wine form") || fail "IDE mode: no preview of the selected form"
main=\$(window "Tessaly [0-9.]*") || fail "IDE mode: no main window"
ok "started by the IDE, it shows the selected form"
click "\$preview" 40 35
xdotool key ctrl+Right
sleep 0.5
click "\$main" 45 581  # IDE Update
ended \$pid || fail "IDE Update did not end the tool"
cmp -s "$work/editor.txt.after" "$work/editor.expected" ||
    fail "the editor holds: \$(cat -A "$work/editor.txt.after" 2>/dev/null)"
ok "IDE Update replaces exactly the editor's selection and ends the tool"
INNER
timeout 600 "$src/tests/with_display.sh" bash "$work/story.sh" 2>>"$log"
status=$?
"$wineserver" -k 2>/dev/null
if [ $status -ne 0 ]; then
    echo "tessaly under Wine: FAILED (status $status); Wine's log:"
    tail -n 30 "$log"
fi
exit $status
