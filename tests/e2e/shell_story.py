#!/usr/bin/python3
"""A user's story with the real program: open a form file, read what the window shows through
the accessibility bus, resize the window, Copy, quit, then paste the code elsewhere.

Usage: shell_story.py TESSALY FORM [--manager]
Runs on the display and D-Bus session it is given (tests/with_display.sh provides both).
With --manager a clipboard manager (parcellite) runs during the story."""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(predicate, seconds=10.0, step=0.05):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def find_app(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def find(app, role, predicate=lambda n: True):
    for node in walk(app):
        try:
            if node.get_role_name() == role and predicate(node):
                return node
        except Exception:  # a node that went away while walking
            pass
    return None


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def extents(node):
    r = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return (r.x, r.y, r.width, r.height)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def main():
    program, form = sys.argv[1], sys.argv[2]
    with_manager = "--manager" in sys.argv[3:]
    with open(form, "rb") as f:
        code = f.read()

    manager = None
    if with_manager:
        manager = subprocess.Popen(["parcellite", "-n"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        check(manager.poll() is None, "the clipboard manager is running")

    # The clipboard holds something else first: the file must win over it.
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=b"; not the form",
                   check=True)
    errors_path = os.path.join(os.environ.get("TMPDIR", "/tmp"), "tessaly-story-%d.err" % os.getpid())
    with open(errors_path, "wb") as errors:
        proc = subprocess.Popen([program, form], stderr=errors, cwd=os.path.dirname(program))
    try:
        app = wait_for(lambda: find_app("tessaly"))
        check(app is not None, "the program appears on the accessibility bus")
        if app is None:
            return
        window = wait_for(lambda: find(app, "frame", lambda n: n.get_name() == "Tessaly 0.87"))
        check(window is not None, "the main window is titled \"Tessaly 0.87\"")

        code_view = wait_for(lambda: find(app, "text", lambda n: len(text_of(n)) > 100))
        check(code_view is not None and text_of(code_view).encode() == code,
              "the code view shows the file's text exactly")
        status = find(app, "label", lambda n: n.get_name().startswith(" X: "))
        check(status is not None, "the status line shows a pointer position")
        copy = find(app, "push button", lambda n: n.get_name() == "Copy")
        paste = find(app, "push button", lambda n: n.get_name() == "Paste")
        check(copy is not None and paste is not None, "Paste and Copy buttons are there")
        picker = find(app, "combo box")
        check(picker is not None and picker.get_name() == "#Window_Login :: OpenWindow",
              "the element picker shows the first element")

        wid = wait_for(lambda: xdotool("search", "--name", "^Tessaly 0.87$").split("\n")[0])
        xdotool("windowactivate", "--sync", wid)
        _, sy600, _, _ = extents(status)
        # Dragged to the smallest size, the status line sits 200 pixels higher.
        xdotool("windowsize", "--sync", wid, "295", "400")
        wait_for(lambda: extents(status)[1] == sy600 - 200, seconds=5)
        check(extents(status)[1] == sy600 - 200,
              "at the smallest size the status line moved up by 200 (%d)" % (extents(status)[1] - sy600))
        xdotool("windowsize", "--sync", wid, "800", "600")
        wait_for(lambda: extents(status)[1] == sy600, seconds=5)
        _, _, cw0, ch0 = extents(code_view)
        _, sy0, _, _ = extents(status)
        # From the picker: the window manager may shift a window grown past the desktop's edge.
        px0, py0, _, _ = extents(copy)
        kx0, ky0, _, _ = extents(picker)
        xdotool("windowsize", "--sync", wid, "1000", "700")
        wait_for(lambda: extents(code_view)[2] == cw0 + 200, seconds=5)
        cx, cy, cw, ch = extents(code_view)
        check((cw - cw0, ch - ch0) == (200, 100),
              "resizing from 800 x 600 to 1000 x 700 grows the code view by 200 x 100 (%d x %d)"
              % (cw - cw0, ch - ch0))
        kx, ky, _, _ = extents(picker)
        px, py, _, _ = extents(copy)
        px, py, px0, py0 = px - kx, py - ky, px0 - kx0, py0 - ky0
        _, sy, _, _ = extents(status)
        sy, sy0 = sy - ky, sy0 - ky0
        check((px - px0, py - py0, sy - sy0) == (0, 100, 100),
              "Copy and the status line move down by 100 (%d, %d, %d)" % (px - px0, py - py0, sy - sy0))

        # The pointer over the active preview window's client area shows in the status line.
        preview = wait_for(lambda: xdotool("search", "--name", "^Log in$").split("\n")[0])
        # Under load the window manager may hand activation back to the main window (it stays
        # on top): ask until the preview is the active window.
        active = wait_for(lambda: xdotool("windowactivate", "--sync", preview) is not None
                          and xdotool("getactivewindow") == preview, 15)
        check(active, "the preview window can be activated")
        info = subprocess.run(["xwininfo", "-id", preview], capture_output=True, text=True).stdout
        ox = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        oy = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        xdotool("mousemove", str(ox + 100), str(oy + 100))
        moved = wait_for(lambda: status.get_name() == " X: 100 / Y: 100", 3)
        check(moved, "the hover poll writes the pointer position (%r)" % status.get_name())
        xdotool("mousemove", str(ox + 101), str(oy + 100))
        moved = wait_for(lambda: status.get_name() == " X: 101 / Y: 100", 3)
        check(moved, "moving by one pixel rewrites it (%r)" % status.get_name())

        Atspi.Action.do_action(copy, 0)
        copied = wait_for(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                                 capture_output=True, timeout=10).stdout == code, 5)
        check(copied, "Copy puts the code view's text on the clipboard")
        xdotool("windowactivate", "--sync", wid)
        xdotool("key", "Escape")
        try:
            rc = proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            rc = None
        check(rc == 0, "Escape ends the program with exit status 0 (%r)" % rc)
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()

    time.sleep(0.3)
    after = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                           timeout=10).stdout
    check(after == code, "after the program ended, the clipboard holds the copied code")
    with open(errors_path, "rb") as f:
        stderr = f.read().decode(errors="replace")
    os.remove(errors_path)
    check("Gtk-CRITICAL" not in stderr and "Gtk-WARNING" not in stderr,
          "no toolkit warnings on standard error" + ("" if not stderr else ":\n" + stderr))
    if manager is not None:
        check(manager.poll() is None, "the clipboard manager is still running")
        manager.terminate()
        manager.wait()


if __name__ == "__main__":
    main()
    sys.exit(1 if failures else 0)
