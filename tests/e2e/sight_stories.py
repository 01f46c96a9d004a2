"""A new user's stories on a 1600 x 1200 desktop: the preview is in sight from the first second,
the element chosen is shown wherever it is, the flag list works from the keyboard, and no edit
is lost to Escape.

Usage: sight_stories.py TESSALY placement|selection|keyboard|lost_work
  placement:  a centred login form opens uncovered by the main window, which stays on top; so
              does a 600 x 400 form after Paste; a preview the user moved stays where it was put.
  selection:  choosing a gadget on a panel's second tab in the picker brings that tab to the
              front, selects the gadget's code line and draws the frame around it.
  keyboard:   Ctrl+Tab shows the Flags page, Down and Space tick a track bar's flag row; the
              line takes the flag.
  lost_work:  Escape puts back a field being typed in; a committed edit marks the title with "*"
              and Escape asks; Escape in the question keeps editing; after Copy, Escape quits."""
import os
import shutil
import subprocess
import sys
import tempfile

from e2e_support import (Failure, check, clipboard, extents, find, find_application, make_active,
                         start_program, text_of, wait_for, wait_for_quietly, walk, window_id,
                         window_named, xdotool)

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, story_name = sys.argv[1], sys.argv[2]
MAIN = "Tessaly 0.87"
LOGIN = "\n".join([
    "OpenWindow(#Login, 0, 0, 340, 200, \"Login\", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)",
    "TextGadget(#LblUser, 10, 20, 80, 20, \"User\")    ; aligned",
    "StringGadget(#User, 100, 20, 200, 22, \"\")       ; comments",
    "PanelGadget(#Panel, 10, 60, 320, 130)",
    "AddGadgetItem(#Panel, -1, \"First\")",
    "ButtonGadget(#Ok, 10, 10, 90, 26, \"OK\")",
    "AddGadgetItem(#Panel, -1, \"Second\")",
    "TrackBarGadget(#Level, 10, 10, 200, 30, 0, 10)",
    "CloseGadgetList()",
]) + "\n"
LEVEL_LINE = 7
ORDER = "OpenWindow(#Order, 0, 0, 600, 400, \"Order\", #PB_Window_ScreenCentered)\n" \
        "ButtonGadget(#Send, 10, 10, 100, 25, \"Send\")\n"


def frame_rect(title):
    """The window's outer rectangle on the screen, the window manager's frame included."""
    wid = window_id(title)
    geo = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True,
                         text=True).stdout
    v = dict(line.split("=", 1) for line in geo.split() if "=" in line)
    info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
    x = y = None
    for line in info.splitlines():
        if "Absolute upper-left X" in line:
            x = int(line.split(":")[1])
        if "Absolute upper-left Y" in line:
            y = int(line.split(":")[1])
    ext = subprocess.run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"], capture_output=True,
                         text=True).stdout
    left = right = top = bottom = 0
    if "=" in ext:
        left, right, top, bottom = (int(n) for n in ext.split("=")[1].split(","))
    return (x - left, y - top, int(v["WIDTH"]) + left + right, int(v["HEIGHT"]) + top + bottom)


def overlap(a, b):
    w = min(a[0] + a[2], b[0] + b[2]) - max(a[0], b[0])
    h = min(a[1] + a[3], b[1] + b[3]) - max(a[1], b[1])
    return w * h if w > 0 and h > 0 else 0


def uncovered(preview_title, what):
    """Waits until the main window covers no part of the preview, and says so."""
    seen = []

    def probe():
        try:
            seen[:] = [frame_rect(MAIN), frame_rect(preview_title)]
        except (Failure, KeyError, TypeError, ValueError) as error:
            seen[:] = [error]
            return None
        return overlap(*seen) == 0 and tuple(seen)
    rects = wait_for_quietly(probe, 10)
    check(rects, "%s: the main window covers none of it (%r)" % (what, rects or seen))
    return rects[1]


def set_clipboard(text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True)


def press(main, name):
    Atspi.Action.do_action(wait_for(lambda: find(main, "push button", name), name), 0)


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def picker_of(main):
    return wait_for(lambda: find(main, "combo box"), "the element picker")


def choose(picker, entry):
    menu = picker.get_child_at_index(0)
    names = [menu.get_child_at_index(k).get_name() for k in range(menu.get_child_count())]
    names = [n for n in names if n]  # the list's own header row has no name
    if entry not in names:
        raise Failure("no picker entry %s in %r" % (entry, names))
    Atspi.Selection.select_child(picker, names.index(entry))
    wait_for(lambda: picker.get_name() == entry, "the picker to read " + entry)


def code_view_of(main):
    return wait_for(lambda: find(main, "text", predicate=lambda a: "OpenWindow" in text_of(a)),
                    "the code view")


def placement_story(proc):
    app = find_application("tessaly")
    main = window_named(app, MAIN)
    window_named(app, "Login")
    login = uncovered("Login", "the centred 340 x 200 login form at start-up")
    check(login[1] > 200, "the login form keeps its vertical centre (%r)" % (login,))
    set_clipboard(ORDER)
    press(main, "Paste")
    window_named(app, "Order")
    uncovered("Order", "a centred 600 x 400 form after Paste")
    # The user puts the preview somewhere else; the next reading leaves it there.
    xdotool("windowmove", "--sync", window_id("Order"), 40, 700)
    moved = wait_for(lambda: frame_rect("Order")[1] >= 690 and frame_rect("Order"), "the move")
    set_clipboard(ORDER.replace("Send", "Post"))
    press(main, "Paste")
    code = code_view_of(main)
    check(wait_for_quietly(lambda: "Post" in text_of(code), 5), "the form is read again")
    after = uncovered("Order", "the moved form after another Paste")
    check(abs(after[0] - moved[0]) <= 2 and abs(after[1] - moved[1]) <= 2,
          "the form stays where the user put it (%r, then %r)" % (moved, after))


def selection_story(proc):
    app = find_application("tessaly")
    main = window_named(app, MAIN)
    preview = window_named(app, "Login")
    uncovered("Login", "the login form")
    choose(picker_of(main), "#Level :: TrackBarGadget")
    tab = wait_for(lambda: find(preview, "page tab", "Second"), "the tab Second")
    check(wait_for_quietly(lambda: tab.get_state_set().contains(Atspi.StateType.SELECTED), 5),
          "the panel's second tab comes to the front")
    code = code_view_of(main)
    sel = Atspi.Text.get_selection(code, 0)
    selected = text_of(code)[sel.start_offset:sel.end_offset]
    check(selected == LOGIN.split("\n")[LEVEL_LINE],
          "the track bar's code line is selected (%r)" % selected)
    slider = wait_for(lambda: find(preview, "slider"), "the track bar")
    x, y, w, h = extents(slider)
    # The frame's 2-pixel bar above the control, in its own pink.
    raw = subprocess.run(["import", "-window", "root", "-crop", "1x2+%d+%d" % (x + w // 2, y - 2),
                          "-depth", "8", "rgb:-"], capture_output=True, timeout=20).stdout
    check(tuple(raw) == (255, 0, 160) * 2, "the frame marks the track bar (%r)" % (tuple(raw),))


def keyboard_story(proc):
    app = find_application("tessaly")
    main = window_named(app, MAIN)
    preview = window_named(app, "Login")
    uncovered("Login", "the login form")
    choose(picker_of(main), "#Level :: TrackBarGadget")
    make_active(MAIN)
    keys("ctrl+Tab")
    # The flag list's rows: a panel in a scroll pane, shown and holding the keyboard focus.
    rows = wait_for(lambda: find(main, "panel", predicate=lambda a: extents(a)[3] > 100 and
                                 a.get_state_set().contains(Atspi.StateType.SHOWING) and
                                 a.get_state_set().contains(Atspi.StateType.FOCUSED)),
                    "the Flags page after Ctrl+Tab")
    check(rows is not None, "Ctrl+Tab shows the Flags page, the focus on its rows")
    # The rows of a track bar: #PB_TrackBar_Ticks, then #PB_TrackBar_Vertical.
    keys("Down", "space")
    code = code_view_of(main)
    line = "TrackBarGadget(#Level, 10, 10, 200, 30, 0, 10, #PB_TrackBar_Vertical)"
    check(wait_for_quietly(lambda: text_of(code).split("\n")[LEVEL_LINE] == line, 10),
          "Space ticks the focused row: %r" % text_of(code).split("\n")[LEVEL_LINE])
    keys("ctrl+shift+Tab")
    wait_for(lambda: not rows.get_state_set().contains(Atspi.StateType.SHOWING),
             "the Parameters page after Ctrl+Shift+Tab")
    check(True, "Ctrl+Shift+Tab goes back to the Parameters page")
    slider = wait_for(lambda: find(preview, "slider"), "the track bar")
    check(wait_for_quietly(
        lambda: slider.get_state_set().contains(Atspi.StateType.VERTICAL) or
        find(preview, "slider").get_state_set().contains(Atspi.StateType.VERTICAL), 10),
        "the preview's track bar stands upright")


def lost_work_story(proc):
    app = find_application("tessaly")
    main = window_named(app, MAIN)
    uncovered("Login", "the login form")
    choose(picker_of(main), "#User :: StringGadget")
    width = wait_for(lambda: find(main, "text", predicate=lambda a: text_of(a) == "200"),
                     "the Width field")
    x, y, w, h = extents(width)
    make_active(MAIN)
    xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    xdotool("click", "1")
    keys("ctrl+a", "1", "2", "3", "Escape")
    check(wait_for_quietly(lambda: text_of(width) == "200", 5),
          "Escape puts the Width field back (%r)" % text_of(width))
    check(proc.poll() is None and main.get_name() == MAIN,
          "the program keeps running, nothing is marked as edited")
    keys("ctrl+a", "2", "5", "0", "Tab")
    check(wait_for_quietly(lambda: main.get_name() == "*" + MAIN, 5),
          "a committed edit marks the title: %r" % main.get_name())
    keys("Escape")
    question = wait_for(lambda: find(app, "push button", "Keep editing"), "the question")
    check(find(app, "push button", "Copy and quit") is not None,
          "Escape asks before quitting, offering Copy")
    keys("Escape")
    wait_for(lambda: find(app, "push button", "Keep editing") is None, "the question to go")
    check(question is not None and proc.poll() is None, "Escape in the question keeps editing")
    press(main, "Copy")
    check(wait_for_quietly(lambda: main.get_name() == MAIN, 5), "Copy clears the mark")
    check(b"StringGadget(#User, 100, 20, 250, 22" in clipboard(), "the edit is on the clipboard")
    make_active(MAIN)
    keys("Escape")
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("Escape after Copy did not quit at once")
    check(proc.returncode == 0, "Escape after Copy quits at once, asking nothing")


STORIES = {"placement": placement_story, "selection": selection_story,
           "keyboard": keyboard_story, "lost_work": lost_work_story}


def main():
    story = STORIES[story_name]
    folder = tempfile.mkdtemp(prefix="tessaly-sight-")
    path = os.path.join(folder, "login.pb")
    with open(path, "w") as f:
        f.write(LOGIN)
    proc = start_program(program, path)
    status = 0
    try:
        story(proc)
    except Failure as failure:
        print("FAILED:", failure)
        subprocess.run(["import", "-window", "root", "/tmp/tessaly-sight-%s.png" % story_name])
        proc.log.seek(0)
        print(proc.log.read().decode("utf-8", "replace")[-4000:])
        status = 1
    finally:
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
        shutil.rmtree(folder, ignore_errors=True)
    sys.exit(status)


if __name__ == "__main__":
    main()
