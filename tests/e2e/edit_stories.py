"""A user's stories of editing one gadget of a form with the real program: each change shows at
once in the code view (exactly one line rewritten, every other byte kept) and in the preview.

Usage: edit_stories.py TESSALY width|nudge|flag|any_number
  width:       click the OK button in the preview, type a new width, Tab; the button and its line
               follow; Copy puts the code on the clipboard.
  nudge:       Ctrl+Right three times and Alt+Down twice with the preview active move and grow
               the line and the button by exactly those pixels.
  flag:        ticking and unticking rows of the flag list rewrites the flags argument in the
               list's order and keeps the user's own flag at the end.
  any_number:  emptying the name field and leaving it makes the identifier #PB_Any, ticks the
               any-number switch and renames the picker entry."""
import os
import shutil
import subprocess
import sys
import tempfile

from e2e_support import (Failure, check, client_geometry, clipboard, extents, find, find_application,
                         make_active, text_of, wait_for_quietly, window_id,
                         run_story, wait_for, window_named, xdotool)

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, story_name = sys.argv[1], sys.argv[2]

# Written with CR LF, as a Windows user's source is: a rewritten line keeps its line break.
LINES = [
    "; A form of my own",
    "OpenWindow(#Window_Story, 0, 0, 400, 300, \"Story\")",
    "ButtonGadget(#Button_OK, 20, 30, 100, 25, \"OK\", #PB_Button_Default | #MyFlag)",
    "StringGadget(#String_Name, 20, 90, 200, 25, \"\")",
    "TextGadget(#Text_Note, 20, 140, 150, 20, \"Note\")",
]
BUTTON_LINE = 2
MAIN = "Tessaly 0.87"
PREVIEW = "Story"
# The any-number switch is drawn as a 14 x 14 box at its top left corner; a tick pixel on each
# stroke and one of the box's frame, with their greys (checked by the unit tests of the drawing).
DARK, LIGHT = 116, 218
TICK_PIXELS = [(4, 7), (8, 5)]
FRAME_PIXEL = (0, 7)


def code_with(button_line):
    lines = list(LINES)
    lines[BUTTON_LINE] = button_line
    return "\r\n".join(lines) + "\r\n"


SOURCE = code_with(LINES[BUTTON_LINE])


def click(acc, title, dx=None, dy=None):
    """A real pointer click into a control of a window just made active: at (dx, dy) from the
    control's top left corner, in its middle by default."""
    make_active(title)
    x, y, w, h = extents(acc)
    xdotool("mousemove", "--sync", x + (w // 2 if dx is None else dx),
            y + (h // 2 if dy is None else dy))
    xdotool("click", "1")


def keys(*names):
    xdotool("key", "--delay", "50", *names)


def wait_code(code_view, expected, what):
    """Waits until the code view holds exactly `expected`; fails naming the lines that differ."""
    if wait_for_quietly(lambda: text_of(code_view) == expected, 10):
        check(True, what)
        return
    actual = text_of(code_view)
    diff = [(i, a, e) for i, (a, e) in enumerate(zip(actual.split("\n"), expected.split("\n")))
            if a != e]
    raise Failure("%s: the code view differs in %r (line count %d, expected %d)"
                  % (what, diff, actual.count("\n"), expected.count("\n")))


class Program:
    """The running program's windows and the controls the stories use."""

    def __init__(self):
        self.app = find_application("tessaly")
        self.main = window_named(self.app, MAIN)
        self.preview = window_named(self.app, PREVIEW)
        self.picker = wait_for(lambda: find(self.main, "combo box"), "the element picker")
        self.code_view = wait_for(lambda: find(self.main, "text",
                                               predicate=lambda a: text_of(a) == SOURCE),
                                  "the code view to show the file")
        check(True, "the code view shows the file's text exactly")
        # The main window stays on top and covers part of the preview: move it to the right.
        wait_for(lambda: client_geometry(PREVIEW), "the preview window on the screen")
        xdotool("windowmove", "--sync", window_id(MAIN), 460, 300)
        wait_for(lambda: extents(self.picker)[0] > 460, "the main window to move")
        self.button = wait_for(lambda: find(self.preview, "push button", "OK"),
                               "the OK button in the preview")

    def picker_reads(self, entry):
        wait_for(lambda: self.picker.get_name() == entry, "the picker to read " + repr(entry))
        check(True, "the picker reads %r" % entry)

    def field(self, label):
        """The Parameters page's field on the row of the label with this text."""
        lab = wait_for(lambda: find(self.main, "label", label), "the label " + label)
        lx, ly, _, _ = extents(lab)
        return find(self.main, "text", predicate=lambda a: extents(a)[1] == ly and
                    extents(a)[0] > lx)

    def select_in_preview(self):
        """A real click on the OK button of the preview window selects it."""
        click(self.button, PREVIEW)
        self.picker_reads("#Button_OK :: ButtonGadget")

    def select_in_picker(self):
        Atspi.Selection.select_child(self.picker, 1)
        self.picker_reads("#Button_OK :: ButtonGadget")


def width_story(p):
    p.select_in_preview()
    x, y, w, h = extents(p.button)
    check(w == 100, "the button is 100 wide")
    width = p.field("Width")
    check(wait_for_quietly(lambda: text_of(width) == "100", 5), "the Width field shows 100")
    click(width, MAIN)
    keys("ctrl+a")
    xdotool("type", "--delay", "50", "150")
    keys("Tab")
    wait_for(lambda: extents(p.button) == (x, y, 150, h), "the button to become 150 wide")
    check(True, "the button is 150 wide and stays where it was")
    expected = code_with(LINES[BUTTON_LINE].replace(" 100, ", " 150, "))
    wait_code(p.code_view, expected, "the button's line reads width 150, every other byte kept")
    check(text_of(width) == "150", "the Width field shows 150")

    click(find(p.main, "push button", "Copy"), MAIN)
    copied = wait_for_quietly(lambda: clipboard() == expected.encode(), 10)
    check(copied, "Copy puts the code view's text on the clipboard (%r)" % clipboard()[-120:])
    check(text_of(p.code_view) == expected, "the code view is unchanged by Copy")


def nudge_story(p):
    p.select_in_preview()
    make_active(PREVIEW)
    x, y, w, h = extents(p.button)
    steps = [("ctrl+Right", 1, 0)] * 3 + [("alt+Down", 0, 1)] * 2
    dx = dh = 0
    for key, ddx, ddh in steps:
        keys(key)
        dx, dh = dx + ddx, dh + ddh
        line = "ButtonGadget(#Button_OK, %d, 30, 100, %d, \"OK\", #PB_Button_Default | #MyFlag)" \
            % (20 + dx, 25 + dh)
        wait_code(p.code_view, code_with(line), "%s: x %d, height %d in the line"
                  % (key, 20 + dx, 25 + dh))
        wait_for(lambda: extents(p.button) == (x + dx, y, w, h + dh),
                 "the button at x + %d with height + %d" % (dx, dh))
        check(True, "the button moved by %d and grew by %d pixels" % (dx, dh))


# The flag list draws its rows itself (they are no accessible objects): on the test display
# they are 22 pixels apart, each with its check box 15 pixels from the left. The ticks read off
# the screen before any click prove that geometry.
ROW_PITCH, CHECK_X = 22, 15
BUTTON_FLAG_ROWS = 5  # #PB_Button_Right, _Left, _Default, _MultiLine, _Toggle


def grab(x, y, w, h):
    """The screen's pixels in a rectangle, as rows of (r, g, b)."""
    raw = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                          "-depth", "8", "rgb:-"], capture_output=True, timeout=20).stdout
    if len(raw) != w * h * 3:
        return None
    return [[tuple(raw[3 * (py * w + px):3 * (py * w + px) + 3]) for px in range(w)]
            for py in range(h)]


def ticks_on_screen(rows):
    """Which rows' check boxes are drawn ticked (filled with the theme's blue)."""
    x, y, _, _ = extents(rows)
    pixels = grab(x + CHECK_X - 6, y, 12, ROW_PITCH * BUTTON_FLAG_ROWS)
    if pixels is None:
        return None
    blue = [sum(1 for r, g, b in line if b > r + 60) for line in pixels]
    return [sum(blue[ROW_PITCH * i:ROW_PITCH * (i + 1)]) > 20 for i in range(BUTTON_FLAG_ROWS)]


def tick_row(p, rows, row, code, what, ticks):
    click(rows, MAIN, CHECK_X, ROW_PITCH * row + ROW_PITCH // 2)
    wait_code(p.code_view, code, what)
    shown = wait_for_quietly(lambda: ticks_on_screen(rows) == ticks, 10)
    check(shown, "the list shows the ticks %r (%r)" % (ticks, ticks_on_screen(rows)))


def flag_story(p):
    p.select_in_picker()
    bar = find(p.main, "panel", predicate=lambda a: extents(a)[2:] == (285, 28))
    click(bar, MAIN, 200, 15)  # the tab "Flags", right of "Parameters"
    # The panel of the list's rows, below its column header.
    rows = wait_for(lambda: find(p.main, "panel", predicate=lambda a: extents(a)[3] > 100 and
                                 a.get_state_set().contains(Atspi.StateType.SHOWING) and
                                 a.get_parent().get_parent().get_role_name() == "scroll pane"),
                    "the flag list to be shown")
    shown = wait_for_quietly(lambda: ticks_on_screen(rows) == [False, False, True, False, False],
                             10)
    check(shown, "the Flags tab lists the button's flags, #PB_Button_Default ticked (%r)"
          % ticks_on_screen(rows))
    ticked = "ButtonGadget(#Button_OK, 20, 30, 100, 25, \"OK\", " \
        "#PB_Button_Left | #PB_Button_Default | #MyFlag)"
    tick_row(p, rows, 1, code_with(ticked),
             "ticking #PB_Button_Left writes the ticked rows in list order, #MyFlag after them",
             [False, True, True, False, False])
    unticked = "ButtonGadget(#Button_OK, 20, 30, 100, 25, \"OK\", #PB_Button_Left | #MyFlag)"
    tick_row(p, rows, 2, code_with(unticked), "unticking #PB_Button_Default keeps #MyFlag",
             [False, True, False, False, False])


def switch_pixels(switch):
    """The greys of the switch's tick pixels and of a pixel of its frame."""
    pixels = grab(*extents(switch))
    return pixels and [pixels[py][px][0] for px, py in TICK_PIXELS + [FRAME_PIXEL]]


def any_number_story(p):
    p.select_in_picker()
    name = p.field("Gadget")
    check(wait_for_quietly(lambda: text_of(name) == "#Button_OK", 5),
          "the name field shows #Button_OK")
    nx, ny, nw, _ = extents(name)
    switch = find(p.main, "panel", predicate=lambda a: extents(a) == (nx + nw + 5, ny + 5, 15, 15))
    check(switch is not None, "the any-number switch stands right of the name field")
    check(wait_for_quietly(lambda: switch_pixels(switch) == [LIGHT, LIGHT, DARK], 10),
          "the switch is not ticked (%r)" % switch_pixels(switch))
    click(name, MAIN)
    keys("ctrl+a", "BackSpace", "Tab")
    any_line = LINES[BUTTON_LINE].replace("#Button_OK", "#PB_Any")
    wait_code(p.code_view, code_with(any_line), "the identifier becomes #PB_Any in the line")
    p.picker_reads("#PB_Any :: ButtonGadget")
    check(text_of(name) == "#PB_Any", "the name field shows #PB_Any")
    ticked = wait_for_quietly(lambda: switch_pixels(switch) == [DARK, DARK, DARK], 10)
    check(ticked, "the switch shows its tick (%r)" % switch_pixels(switch))


STORIES = {"width": width_story, "nudge": nudge_story, "flag": flag_story,
           "any_number": any_number_story}


def main():
    story = STORIES[story_name]
    folder = tempfile.mkdtemp(prefix="tessaly-edit-")
    path = os.path.join(folder, "form.pb")
    with open(path, "wb") as f:
        f.write(SOURCE.encode())
    try:
        run_story(program, path, lambda: story(Program()))
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
