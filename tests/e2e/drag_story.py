"""A user's story of direct manipulation in the preview, with real pointer input (XTEST through
xdotool): a button dragged by (40, 60) follows the pointer and its line is written once, on
release; its bottom-right handle resizes it; two undos give the line back; Escape puts a dragged
button back; a plain click moves nothing; a band around two gadgets and one drag moves both
lines. Every rewritten line passes the syntax check and the code keeps its number of lines.

Usage: drag_story.py TESSALY PB_SYNTAX_CHECK [SCREENSHOT.png]"""
import subprocess
import sys

import gi

from e2e_support import (FormStory, check, extents, find, make_active, run_story_on, screenshot,
                         text_of, wait_for, wait_for_quietly, xdotool)

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, syntax_check = sys.argv[1], sys.argv[2]
shot = sys.argv[3] if len(sys.argv) > 3 else None
MAIN = "Tessaly 0.87"
PREVIEW = "Drag"
LINES = [
    "Procedure Open(width = 400, height = 300)",
    "  OpenWindow(#W, 100, 100, width, height, \"Drag\", #PB_Window_SystemMenu)",
    "  ButtonGadget(#One, 20, 20, 100, 30, \"One\")",
    "  ButtonGadget(#Two, 20, 200, 100, 30, \"Two\")",
    "  TextGadget(#Note, width - 200, 200, 80, 20, \"Note\")",
    "  ContainerGadget(#Box, 150, 20, 200, 120)",
    "    ButtonGadget(#In, 10, 10, 60, 25, \"In\")",
    "  CloseGadgetList()",
    "  TextGadget(#A, 200, 260, 40, 20, \"a\") : TextGadget(#B, 250, 260, 40, 20, \"b\")",
    "EndProcedure",
]
SOURCE = "\n".join(LINES) + "\n"


class Story(FormStory):
    def __init__(self):
        super().__init__(MAIN, PREVIEW, LINES)

    def button(self, name):
        return wait_for(lambda: find(self.preview, "push button", name), "the button " + name)

    def press(self, x, y):
        """Presses the left button at client position (x, y) of the active preview."""
        make_active(PREVIEW)
        xdotool("mousemove", "--sync", self.client[0] + x, self.client[1] + y)
        xdotool("mousedown", "1")

    def move(self, x, y, steps=4):
        """Moves the pointer to client position (x, y) in several steps, button held."""
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                             text=True).stdout
        where = dict(line.split("=", 1) for line in out.split())
        cx, cy = int(where["X"]), int(where["Y"])
        tx, ty = self.client[0] + x, self.client[1] + y
        for k in range(1, steps + 1):
            xdotool("mousemove", "--sync", cx + (tx - cx) * k // steps, cy + (ty - cy) * k // steps)

    def drag(self, x0, y0, x1, y1):
        self.press(x0, y0)
        self.move(x1, y1)
        xdotool("mouseup", "1")


def story():
    s = Story()
    one = s.button("One")
    wait_for(lambda: s.at(one)[:2] == (20, 20), "the button One at 20, 20")

    # A drag by (40, 60): the button follows the pointer, the line waits for the release.
    s.press(70, 35)
    s.move(90, 65)
    wait_for(lambda: s.at(one)[:2] == (40, 50), "the button to follow the pointer to 40, 50")
    check(text_of(s.code_view) == SOURCE, "mid-drag the button follows, the code is unchanged")
    check(not one.get_state_set().contains(Atspi.StateType.ARMED),
          "the button itself is not pressed by the drag")
    s.move(110, 95)
    wait_for(lambda: s.at(one)[:2] == (60, 80), "the button to follow the pointer to 60, 80")
    xdotool("mouseup", "1")
    s.expect({2: "  ButtonGadget(#One, 60, 80, 100, 30, \"One\")"}, "the release writes x and y once")
    check(s.picker.get_name() == "#One :: ButtonGadget", "the dragged button is selected")

    # The bottom-right handle, centred on the frame's corner, resizes it.
    x, y, w, h = s.at(one)
    s.drag(x + w + 1, y + h + 1, x + w + 31, y + h + 21)
    s.expect({2: "  ButtonGadget(#One, 60, 80, 130, 50, \"One\")"}, "the handle resizes the button")
    wait_for(lambda: s.at(one)[2:] == (130, 50), "the button to be 130 x 50")

    make_active(PREVIEW)
    xdotool("key", "--delay", "100", "ctrl+z", "ctrl+z")
    s.expect({2: LINES[2]}, "two undos give the original line back")
    wait_for(lambda: s.at(one)[:2] == (20, 20), "the button back at 20, 20")

    # Escape in the middle of a drag puts the button back and writes nothing.
    s.press(70, 35)
    s.move(150, 120)
    wait_for(lambda: s.at(one)[:2] != (20, 20), "the button to follow the pointer")
    xdotool("key", "Escape")
    wait_for(lambda: s.at(one)[:2] == (20, 20), "Escape to put the button back")
    xdotool("mouseup", "1")
    s.expect({}, "Escape during a drag commits nothing")

    # Without the grid the button lands where the pointer leaves it.
    grid = find(s.main, "label", "Snap to grid")
    make_active(MAIN)
    x, y, w, h = extents(grid)
    xdotool("mousemove", "--sync", x + 10, y + h // 2)
    xdotool("click", "1")
    s.drag(70, 35, 83, 42)
    s.expect({2: "  ButtonGadget(#One, 33, 27, 100, 30, \"One\")"}, "without the grid: 33, 27")
    make_active(PREVIEW)
    xdotool("key", "ctrl+z")
    s.expect({2: LINES[2]}, "undone")

    # With the grid back on, Shift keeps the move horizontal and Alt suspends the grid.
    make_active(MAIN)
    xdotool("mousemove", "--sync", x + 10, y + h // 2)
    xdotool("click", "1")
    for key, line in (("shift", "  ButtonGadget(#One, 60, 20, 100, 30, \"One\")"),
                      ("alt", "  ButtonGadget(#One, 63, 32, 100, 30, \"One\")")):
        s.press(70, 35)
        xdotool("keydown", key)
        s.move(113, 47)
        xdotool("mouseup", "1")
        xdotool("keyup", key)
        s.expect({2: line}, "a drag with %s held" % key)
        make_active(PREVIEW)
        xdotool("key", "ctrl+z")
        s.expect({2: LINES[2]}, "undone")

    # A gadget in a container stays inside it, however far the pointer goes.
    inner = s.button("In")
    s.drag(190, 42, 490, 342)
    s.expect({6: "    ButtonGadget(#In, 140, 95, 60, 25, \"In\")"},
             "the container's gadget stops at its right and bottom edges")
    check(wait_for_quietly(lambda: s.at(inner)[:2] == (290, 115), 10),
          "the gadget in the corner of its container")

    # A plain click selects and moves nothing.
    two = s.button("Two")
    s.press(70, 215)
    xdotool("mouseup", "1")
    wait_for(lambda: s.picker.get_name() == "#Two :: ButtonGadget", "the click to select Two")
    s.expect({}, "a plain click moves nothing")
    check(wait_for_quietly(lambda: s.at(two)[:2] == (20, 200), 10),
          "the clicked button stays at 20, 200")

    # A band from an empty spot around Two and the note, then one drag moves both.
    s.drag(10, 180, 300, 260)
    note = wait_for(lambda: find(s.preview, "label", "Note"), "the note")
    s.press(70, 215)
    s.move(70, 185)
    wait_for(lambda: s.at(note)[1] == 170, "the note to follow the drag of Two")
    if shot:
        screenshot(shot)
    xdotool("mouseup", "1")
    s.expect({3: "  ButtonGadget(#Two, 20, 170, 100, 30, \"Two\")",
              4: "  TextGadget(#Note, width - 200, 170, 80, 20, \"Note\")"},
             "the band selects both; one drag moves both lines")
    make_active(PREVIEW)
    xdotool("key", "ctrl+Right")
    s.expect({3: "  ButtonGadget(#Two, 21, 170, 100, 30, \"Two\")",
              4: "  TextGadget(#Note, width - 199, 170, 80, 20, \"Note\")"},
             "a nudge moves both selected gadgets")
    xdotool("key", "ctrl+z")
    s.expect({3: "  ButtonGadget(#Two, 20, 170, 100, 30, \"Two\")",
              4: "  TextGadget(#Note, width - 200, 170, 80, 20, \"Note\")"},
             "one undo takes the group nudge back")

    # Two calls of one line moved together: both written into the line, one undo restores it.
    s.drag(190, 250, 300, 290)
    s.drag(220, 270, 220, 250)
    moved = "  TextGadget(#A, 200, 240, 40, 20, \"a\") : TextGadget(#B, 250, 240, 40, 20, \"b\")"
    s.expect({8: moved}, "a group drag of two calls on one line")
    make_active(PREVIEW)
    xdotool("key", "ctrl+z")
    s.expect({8: LINES[8]}, "one undo gives the line of two calls back")

    check(text_of(s.code_view).count("\n") == SOURCE.count("\n"), "the code has as many lines")
    for line in s.lines[1:9] + [moved]:
        result = subprocess.run([syntax_check], input=line.encode(), capture_output=True)
        check(result.returncode == 0, "%r parses (%s)" % (line, result.stdout.decode()))


run_story_on(program, "drag.pb", SOURCE.encode(), story)
