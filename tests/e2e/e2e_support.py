"""Helpers of the end-to-end tests: start the program, read its windows over AT-SPI, act with
xdotool."""
import os
import shutil
import subprocess
import tempfile
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


def wait_for(probe, what, timeout=10.0):
    """Polls probe() until it returns something true; fails with `what` after the time-out."""
    end = time.time() + timeout
    while time.time() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    raise Failure("timed out waiting for " + what)


def start_program(program, form):
    """Starts the program on a form file from its own folder (where keywords.json lies)."""
    # Output goes to a file: a pipe nobody reads would stop the program once it is full.
    log = tempfile.TemporaryFile()
    proc = subprocess.Popen([program, form], cwd=os.path.dirname(program),
                            stdout=log, stderr=subprocess.STDOUT)
    proc.log = log
    return proc


def run_story(program, form, story):
    """Starts the program on a form file, runs story(), ends the program, and exits with 1 when
    a check failed."""
    proc = start_program(program, form)
    status = 0
    try:
        story()
    except Failure as failure:
        print("FAILED:", failure)
        proc.log.seek(0)
        print(proc.log.read().decode("utf-8", "replace")[-4000:])
        status = 1
    finally:
        proc.terminate()
        try:
            proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()
    sys.exit(status)


def run_story_on(program, name, source, story):
    """run_story() on a form file of that name holding the bytes `source`, in a folder of its own
    that goes away afterwards."""
    folder = tempfile.mkdtemp(prefix="tessaly-story-")
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(source)
    try:
        run_story(program, path, story)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def find_application(name):
    def probe():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        return None
    return wait_for(probe, "the application " + name, 30)


def walk(acc):
    yield acc
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def role(acc):
    return acc.get_role_name()


def extents(acc):
    e = Atspi.Component.get_extents(acc, Atspi.CoordType.SCREEN)
    return (e.x, e.y, e.width, e.height)


def find(root, role_name, name=None, predicate=None):
    for acc in walk(root):
        if role(acc) != role_name:
            continue
        if name is not None and acc.get_name() != name:
            continue
        if predicate is not None and not predicate(acc):
            continue
        return acc
    return None


def window_named(app, title):
    return wait_for(lambda: find(app, "frame", title), "the window " + title)


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


def activate_window(title):
    ids = subprocess.run(["xdotool", "search", "--name", "^\\*?" + title + "$"],
                         capture_output=True, text=True).stdout.split()
    if not ids:
        raise Failure("no X window titled " + title)
    xdotool("windowactivate", "--sync", ids[-1])
    return ids[-1]


def client_geometry(title):
    """Screen rectangle (x, y, width, height) of a window's client area, as X knows it (the
    accessibility extents of a frame include the window manager's decorations)."""
    out = subprocess.run(["xwininfo", "-name", title], capture_output=True, text=True).stdout
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    try:
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))
    except (KeyError, ValueError):
        return None


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=False)


def text_of(acc):
    return Atspi.Text.get_text(acc, 0, -1)


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=10).stdout


def window_id(title):
    ids = subprocess.run(["xdotool", "search", "--name", "^\\*?" + title + "$"],  # "*": edited
                         capture_output=True, text=True).stdout.split()
    if not ids:
        raise Failure("no X window titled " + title)
    return ids[-1]


def make_active(title):
    """Activates a window. The main window stays on top, and under load the window manager may
    hand the focus back to it: ask until the window is the active one."""
    wid = window_id(title)

    def active():
        asked = subprocess.run(["xdotool", "windowactivate", "--sync", wid], capture_output=True,
                               timeout=10)
        if asked.returncode == 0:
            return subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                                  text=True).stdout.strip() == wid
        # The window manager refused (it may not have announced what it supports yet): raise
        # and focus the window directly.
        xdotool("windowraise", wid)
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], capture_output=True, timeout=10)
        return subprocess.run(["xdotool", "getwindowfocus", "-f"], capture_output=True,
                              text=True).stdout.strip() == wid
    wait_for(active, "the window " + title + " to be active", 15)


def wait_for_quietly(probe, timeout):
    try:
        return wait_for(probe, "", timeout)
    except Failure:
        return None


class FormStory:
    """A running program on a form of `lines` (joined with LF): its windows, picker and code view,
    the main window moved beside the preview, and the code expected after each edit."""

    def __init__(self, main_title, preview_title, lines):
        self.lines = list(lines)
        source = "\n".join(lines) + "\n"
        app = find_application("tessaly")
        self.main = window_named(app, main_title)
        self.preview = window_named(app, preview_title)
        self.picker = wait_for(lambda: find(self.main, "combo box"), "the element picker")
        self.code_view = wait_for(lambda: find(self.main, "text",
                                               predicate=lambda a: text_of(a) == source),
                                  "the code view to show the form")
        px, py, pw, ph = wait_for(lambda: client_geometry(preview_title), "the preview window")
        self.client = (px, py)
        xdotool("windowmove", "--sync", window_id(main_title), px + pw + 30, 20)
        wait_for(lambda: extents(self.picker)[0] > px + pw, "the main window to move")

    def at(self, acc):
        """A gadget's place and size in the preview's client area."""
        x, y, w, h = extents(acc)
        return x - self.client[0], y - self.client[1], w, h

    def expect(self, changes, what, timeout=30):
        """Waits for the code view to hold the lines with `changes` ({index: line}) made."""
        for index, line in changes.items():
            self.lines[index] = line
        expected = "\n".join(self.lines) + "\n"
        if wait_for_quietly(lambda: text_of(self.code_view) == expected, timeout):
            check(True, what)
            return
        actual = text_of(self.code_view).split("\n")
        raise Failure("%s: the code differs: %r" % (what, [
            (i, a, e) for i, (a, e) in enumerate(zip(actual, expected.split("\n"))) if a != e]))
