"""A new user's stories on a 1600 x 1200 desktop, one per section of the change: the preview in
sight (placement), the element shown (selection), the flag list from the keyboard (keyboard), no
edit lost to Escape (lost_work). Usage: sight_stories.py TESSALY STORY"""
import os
import subprocess
import sys
import tempfile

from e2e_support import (Failure, check, client_geometry, clipboard, extents, find,
                         find_application, make_active, start_program, text_of, wait_for,
                         wait_for_quietly, window_id, window_named, xdotool)
from gi.repository import Atspi

MAIN = "Tessaly 0.87"
LOGIN = """OpenWindow(#Login, 0, 0, 340, 200, "Login", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
StringGadget(#User, 100, 20, 200, 22, "")       ; aligned
PanelGadget(#Panel, 10, 60, 320, 130)           ; comments
AddGadgetItem(#Panel, -1, "First")
ComboBoxGadget(#Role, 10, 10, 120, 26)
AddGadgetItem(#Panel, -1, "Second")
TrackBarGadget(#Level, 10, 10, 200, 30, 0, 10)
CloseGadgetList()
"""
LEVEL = LOGIN.split("\n")[6]
ORDER = 'OpenWindow(#Order, 0, 0, 600, 400, "Order", #PB_Window_ScreenCentered)\n'


def outer(title):  # a window's rectangle on the screen, with its frame
    x, y, w, h = client_geometry(title)
    ext = subprocess.run(["xprop", "-id", window_id(title), "_NET_FRAME_EXTENTS"],
                         capture_output=True, text=True).stdout
    left, right, top, bottom = [int(n) for n in ext.split("=")[1].split(",")]
    return (x - left, y - top, w + left + right, h + top + bottom)


def uncovered(title, what):
    def probe():
        m, p = outer(MAIN), outer(title)
        w = min(m[0] + m[2], p[0] + p[2]) - max(m[0], p[0])
        h = min(m[1] + m[3], p[1] + p[3]) - max(m[1], p[1])
        return (w <= 0 or h <= 0) and p
    rect = wait_for_quietly(probe, 10)
    check(rect, "%s: the main window covers none of it (%r, %r)" % (what, outer(MAIN),
                                                                   outer(title)))
    return rect


def paste(main, text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True)
    Atspi.Action.do_action(find(main, "push button", "Paste"), 0)
    wait_for(lambda: text_of(code_view(main)) == text, "the code to be read")


def code_view(main):
    return wait_for(lambda: find(main, "text", predicate=lambda a: "Window(" in text_of(a)),
                    "the code view")


def click(title, acc, dy=None):
    x, y, w, h = extents(acc)
    make_active(title)
    xdotool("mousemove", "--sync", x + w // 2, y + (h // 2 if dy is None else dy))
    xdotool("click", "1")


def choose(main, entry):
    picker = wait_for(lambda: find(main, "combo box"), "the picker")
    menu = picker.get_child_at_index(0)
    names = [n for n in (menu.get_child_at_index(k).get_name()
                         for k in range(menu.get_child_count())) if n]  # no header row
    Atspi.Selection.select_child(picker, names.index(entry))
    wait_for(lambda: picker.get_name() == entry, "the picker to read " + entry)
    return picker


def placement(proc, app, main, preview):
    login = uncovered("Login", "the centred login form at start-up")
    check(login[1] > 400, "it keeps its vertical centre (%r)" % (login,))
    paste(main, ORDER)
    window_named(app, "Order")
    uncovered("Order", "a centred 600 x 400 form after Paste")
    xdotool("windowmove", "--sync", window_id("Order"), 40, 700)
    moved = wait_for(lambda: outer("Order")[1] >= 690 and outer("Order"), "the user's move")
    paste(main, ORDER + "ButtonGadget(#Send, 10, 10, 100, 25, \"Send\")\n")
    after = uncovered("Order", "the moved form after another Paste")
    check(max(abs(after[0] - moved[0]), abs(after[1] - moved[1])) <= 2,
          "it stays where the user put it (%r, %r)" % (moved, after))


def selection(proc, app, main, preview):
    click("Login", wait_for(lambda: find(preview, "combo box"), "the empty combo box"))
    check(wait_for_quietly(lambda: find(main, "combo box").get_name() == "#Role :: ComboBoxGadget",
                           5), "a click selects the empty combo box, which GTK makes insensitive")
    status = find(main, "label", predicate=lambda a: "X:" in a.get_name())
    wait_for(lambda: "#Role" in status.get_name(), "the status line to name #Role")
    click(MAIN, main, extents(main)[3] - 10)
    check(wait_for_quietly(lambda: "#" not in status.get_name(), 5),
          "the pointer has left: no gadget named (%r)" % status.get_name())
    choose(main, "#Level :: TrackBarGadget")
    tab = find(preview, "page tab", "Second")
    check(wait_for_quietly(lambda: tab.get_state_set().contains(Atspi.StateType.SELECTED), 5),
          "the picker's choice brings the panel's second tab to the front")
    code = code_view(main)
    sel = Atspi.Text.get_selection(code, 0)
    check(text_of(code)[sel.start_offset:sel.end_offset] == LEVEL, "its code line is selected")
    x, y, w, h = extents(find(preview, "slider"))
    crop = "1x2+%d+%d" % (x + w // 4, y - 2)  # the frame's bar above the control, off its handles
    pixels = subprocess.run(["import", "-window", "root", "-crop", crop, "-depth", "8", "rgb:-"],
                            capture_output=True).stdout
    check(tuple(pixels) == (255, 0, 160) * 2, "the pink frame marks the track bar")


def keyboard(proc, app, main, preview):
    choose(main, "#Level :: TrackBarGadget")
    make_active(MAIN)
    xdotool("key", "ctrl+Tab")
    shown_and_focused = (Atspi.StateType.SHOWING, Atspi.StateType.FOCUSED)
    rows = wait_for_quietly(lambda: find(main, "panel", predicate=lambda a: extents(a)[3] > 100 and
                                         all(a.get_state_set().contains(s)
                                             for s in shown_and_focused)), 10)
    check(rows, "Ctrl+Tab shows the Flags page, the focus on the flag list's rows")
    xdotool("key", "--delay", "60", "Down", "space")  # rows: Ticks, Vertical
    line = LEVEL.replace(", 10)", ", 10, #PB_TrackBar_Vertical)")
    check(wait_for_quietly(lambda: line in text_of(code_view(main)), 10), "Space ticks the row")
    check(wait_for_quietly(lambda: find(preview, "slider").get_state_set().contains(
        Atspi.StateType.VERTICAL), 10), "the preview's track bar stands upright")


def lost_work(proc, app, main, preview):
    choose(main, "#User :: StringGadget")
    width = find(main, "text", predicate=lambda a: text_of(a) == "200")
    click(MAIN, width)
    xdotool("key", "--delay", "60", "ctrl+a", "1", "2", "3", "Escape")
    check(wait_for_quietly(lambda: text_of(width) == "200", 5) and proc.poll() is None and
          main.get_name() == MAIN, "Escape puts the typed field back; nothing marked, running")
    xdotool("key", "--delay", "60", "ctrl+a", "2", "5", "0", "Tab")
    check(wait_for_quietly(lambda: main.get_name() == "*" + MAIN, 5), "an edit marks the title")
    xdotool("key", "Escape")
    wait_for(lambda: find(app, "push button", "Copy and quit"), "the question")
    xdotool("key", "Escape")
    check(wait_for_quietly(lambda: not find(app, "push button", "Keep editing"), 5) and
          proc.poll() is None, "Escape asks; Escape in the question keeps editing")
    Atspi.Action.do_action(find(main, "push button", "Copy"), 0)
    check(wait_for_quietly(lambda: main.get_name() == MAIN, 5) and
          b"StringGadget(#User, 100, 20, 250, 22" in clipboard(), "Copy gives it back, unmarked")
    make_active(MAIN)
    xdotool("key", "Escape")
    check(wait_for_quietly(lambda: proc.poll() == 0, 10), "Escape after Copy quits at once")


def main():
    program, story = sys.argv[1], globals()[sys.argv[2]]
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "login.pb")
        open(path, "w").write(LOGIN)
        proc = start_program(program, path)
        try:
            app = find_application("tessaly")
            main_window = window_named(app, MAIN)
            story(proc, app, main_window, window_named(app, "Login"))
        except Failure as failure:
            proc.log.seek(0)
            sys.exit("FAILED: %s\n%s" % (failure, proc.log.read().decode("utf-8", "replace")))
        finally:
            proc.kill()


if __name__ == "__main__":
    main()
