"""A user's story on a hand-written form that holds what ordinary edits used to break: two calls on
one line, expressions and constants in positions, a #PB_Any variable, a call continued over two
lines, a status bar, a comment with a paragraph separator. Every edit is made as a user makes it;
Copy gives back exactly the expected lines, each rewritten statement passes the syntax check, and
the code keeps its number of lines.

Usage: trust_story.py TESSALY PB_SYNTAX_CHECK"""
import subprocess
import sys

from e2e_support import (Failure, check, client_geometry, clipboard, extents, find,
                         find_application, make_active, run_story_on, text_of, wait_for,
                         wait_for_quietly, walk, window_id, window_named, xdotool)

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, syntax_check = sys.argv[1], sys.argv[2]
MAIN = "Tessaly 0.87"
PREVIEW = "Trust"
LINES = [
    "#Margin = 8",
    "; Trust \u2029 story: the separator is part of this comment",
    "Procedure Open(x = 0, y = 0, width = 600, height = 400)",
    "  OpenWindow(#W, x, y, width, height, \"Trust\", #PB_Window_SystemMenu)",
    "  TextGadget(#T1, 10, 10, 80, 20, \"t\") : StringGadget(#S1, 100, 10, 80, 20, \"s\")",
    "  Button_Close = ButtonGadget(#PB_Any, width - 110, height - 45, 100, 30, \"Close\")",
    "  CalendarGadget(#C, 10, 50, 200, 140)",
    "  StringGadget(#S2, 220, 50,",
    "               200, 25, \"continued\")",
    "  ButtonGadget(#B, #Margin + 4, 240, 80, 25, \"Find\")",
    "  CreateStatusBar(#SB, WindowID(#W))",
    "EndProcedure",
]
SOURCE = "\n".join(LINES) + "\n"


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def click(acc, title, dx=None, dy=None):
    make_active(title)
    x, y, w, h = extents(acc)
    xdotool("mousemove", "--sync", x + (w // 2 if dx is None else dx),
            y + (h // 2 if dy is None else dy))
    xdotool("click", "1")


class Story:
    def __init__(self):
        self.lines = list(LINES)
        app = find_application("tessaly")
        self.main = window_named(app, MAIN)
        self.preview = window_named(app, PREVIEW)
        self.picker = wait_for(lambda: find(self.main, "combo box"), "the element picker")
        self.code_view = wait_for(lambda: find(self.main, "text",
                                               predicate=lambda a: text_of(a) == SOURCE),
                                  "the code view to show the form")
        px, py, pw, ph = wait_for(lambda: client_geometry(PREVIEW), "the preview window")
        self.client = (px, py)
        xdotool("windowmove", "--sync", window_id(MAIN), px + pw + 30, 20)
        wait_for(lambda: extents(self.picker)[0] > px + pw, "the main window to move")

    def pick(self, entry):
        names = [a.get_name() for a in walk(self.picker) if a.get_role_name() == "table cell"]
        check(entry in names, "the picker lists %r" % entry)
        Atspi.Selection.select_child(self.picker, names.index(entry))
        wait_for(lambda: self.picker.get_name() == entry, "the picker to read " + entry)

    def field(self, label):
        lab = wait_for(lambda: find(self.main, "label", label), "the label " + label)
        lx, ly, _, _ = extents(lab)
        return wait_for(lambda: find(self.main, "text", predicate=lambda a: extents(a)[1] == ly
                                     and extents(a)[0] > lx), "the field " + label)

    def type_into(self, label, text=None, paste=False):
        click(self.field(label), MAIN)
        keys("ctrl+a")
        if paste:
            keys("ctrl+v")
        else:
            xdotool("type", "--delay", "40", "--", text)
        keys("Tab")

    def expect(self, changes, what):
        for index, line in changes.items():
            self.lines[index] = line
        expected = "\n".join(self.lines) + "\n"
        if wait_for_quietly(lambda: text_of(self.code_view) == expected, 10):
            check(True, what)
            return
        actual = text_of(self.code_view).split("\n")
        raise Failure("%s: the code differs: %r" % (what, [
            (i, a, e) for i, (a, e) in enumerate(zip(actual, expected.split("\n"))) if a != e]))

    def gadget_at(self, role, name):
        acc = wait_for(lambda: find(self.preview, role, name), "the gadget " + name)
        x, y, _, _ = extents(acc)
        return x - self.client[0], y - self.client[1]


def story():
    s = Story()
    # The preview evaluates what the programmer wrote: procedure defaults and constants.
    check(wait_for_quietly(lambda: s.gadget_at("push button", "Close") == (490, 355), 10),
          "width - 110, height - 45 is drawn at 490, 355 (%r)" % (s.gadget_at("push button",
                                                                           "Close"),))
    check(s.gadget_at("push button", "Find")[0] == 12, "#Margin + 4 is drawn at x 12")

    # Two calls on one line, nudged one after the other: both nudges stay.
    s.pick("#T1 :: TextGadget")
    make_active(PREVIEW)
    keys("ctrl+Right")
    s.expect({4: LINES[4].replace("(#T1, 10,", "(#T1, 11,")}, "the first call of the line nudged")
    s.pick("#S1 :: StringGadget")
    make_active(PREVIEW)
    keys("ctrl+Right")
    s.expect({4: s.lines[4].replace("(#S1, 100,", "(#S1, 101,")},
             "the second call nudged, the first call's nudge kept")

    # An expression is offset, not replaced; the #PB_Any variable is renamed.
    s.pick("Button_Close :: ButtonGadget")
    make_active(PREVIEW)
    keys("ctrl+Right")
    s.expect({5: LINES[5].replace("width - 110", "width - 109")}, "width - 110 nudged to width - 109")
    wait_for(lambda: s.gadget_at("push button", "Close") == (491, 355), "the button at 491")
    s.type_into("Gadget", "Button_Quit")
    s.expect({5: s.lines[5].replace("Button_Close =", "Button_Quit =")},
             "renaming the gadget renames its variable")
    wait_for(lambda: s.picker.get_name() == "Button_Quit :: ButtonGadget", "the renamed entry")

    # A minus typed in a position stays; a text with a quote becomes a valid literal.
    s.pick("#B :: ButtonGadget")
    s.type_into("y", "-5")
    s.expect({9: LINES[9].replace(" 240,", " -5,")}, "-5 typed is written -5")
    s.type_into("y", "1 2")
    s.expect({}, "a value that would not compile is refused")
    wait_for(lambda: find(s.main, "label", predicate=lambda a: "would not compile" in
                          (a.get_name() or "")), "the status line to say why")
    s.type_into("Text", 'Find "all"')
    s.expect({9: s.lines[9].replace('"Find"', '~"Find \\"all\\""')},
             "a text with a quote is written as an escape string")
    make_active(PREVIEW)
    keys("ctrl+Right")
    s.expect({9: s.lines[9].replace("#Margin + 4", "#Margin + 5")}, "#Margin + 4 nudged")

    # A flag behind a missing optional argument gives a line that compiles.
    s.pick("#C :: CalendarGadget")
    bar = find(s.main, "panel", predicate=lambda a: extents(a)[2:] == (285, 28))
    click(bar, MAIN, 200, 15)  # the tab "Flags"
    # The panel of the flag list's rows, below its column header; the first row's check box.
    rows = wait_for(lambda: find(s.main, "panel", predicate=lambda a: extents(a)[3] > 100 and
                                 a.get_state_set().contains(Atspi.StateType.SHOWING) and
                                 a.get_parent().get_parent().get_role_name() == "scroll pane"),
                    "the flag list to be shown")
    click(rows, MAIN, 15, 11)
    s.expect({6: "  CalendarGadget(#C, 10, 50, 200, 140, 0, #PB_Calendar_Borderless)"},
             "the ticked flag follows a 0 for the missing date")
    click(bar, MAIN, 80, 15)  # back to "Parameters"

    # The status bar's window reference is no position: a nudge changes nothing.
    s.pick("#SB :: CreateStatusBar")
    check(text_of(s.field("ParentWindowID")) == "WindowID(#W)", "the field shows WindowID(#W)")
    make_active(PREVIEW)
    keys("ctrl+Right")
    s.expect({}, "a nudge on the status bar leaves its line alone")

    # A two-line text pasted into the continued call's text: one escape string, no new line.
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"X\nY", timeout=10)
    s.pick("#S2 :: StringGadget")
    s.type_into("Text", paste=True)
    s.expect({8: '               200, 25, ~"X\\nY")'}, "the pasted break is written \\n")

    Atspi.Action.do_action(find(s.main, "push button", "Copy"), 0)
    expected = ("\n".join(s.lines) + "\n").encode()
    check(wait_for_quietly(lambda: clipboard() == expected, 10),
          "Copy gives exactly the expected code, every other byte kept")
    check(expected.count(b"\n") == SOURCE.encode().count(b"\n"), "the code has as many lines")
    for statement in [s.lines[4], s.lines[5], s.lines[6], s.lines[7] + "\n" + s.lines[8],
                      s.lines[9], s.lines[10]]:
        result = subprocess.run([syntax_check], input=statement.encode(), capture_output=True)
        check(result.returncode == 0, "%r parses (%s)" % (statement, result.stdout.decode()))


run_story_on(program, "trust.pb", SOURCE.encode(), story)
