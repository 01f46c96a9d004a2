"""A user's story with a form written the way the form designer writes one: #PB_Any gadgets kept
in variables, a procedure whose defaults give the window's size, a panel with tabs and a list-icon
with columns. The preview shows all of it; a gadget on a panel tab is clicked, nudged twice, one
nudge undone, and Copy hands back the code with exactly one nudge in it.

Usage: designer_story.py TESSALY"""
import subprocess
import sys

from e2e_support import (Failure, check, client_geometry, extents, find, find_application,
                         make_active, text_of, wait_for_quietly, window_id,
                         run_story_on, walk, wait_for, window_named, xdotool)

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program = sys.argv[1]
MAIN = "Tessaly 0.87"
PREVIEW = "Designer"
LINES = [
    "Global Window_0, Panel_0, Button_0, ListIcon_0",
    "",
    "Procedure OpenWindow_0(x = 0, y = 0, width = 420, height = 260)",
    "  Window_0 = OpenWindow(#PB_Any, x, y, width, height, \"Designer\", #PB_Window_SystemMenu)",
    "  Panel_0 = PanelGadget(#PB_Any, 10, 10, 400, 240)",
    "  AddGadgetItem(Panel_0, -1, \"First\")",
    "  Button_0 = ButtonGadget(#PB_Any, 20, 20, 120, 30, \"Press\")",
    "  AddGadgetItem(Panel_0, -1, \"Second\")",
    "  ListIcon_0 = ListIconGadget(#PB_Any, 10, 10, 300, 150, \"Name\", 120)",
    "  AddGadgetColumn(ListIcon_0, 1, \"Size\", 80)",
    "  CloseGadgetList()",
    "EndProcedure",
]
SOURCE = "\n".join(LINES) + "\n"
BUTTON_LINE = 6


def story():
    app = find_application("tessaly")
    main = window_named(app, MAIN)
    preview = window_named(app, PREVIEW)
    code_view = wait_for(lambda: find(main, "text", predicate=lambda a: text_of(a) == SOURCE),
                         "the code view to show the file")
    picker = wait_for(lambda: find(main, "combo box"), "the element picker")

    # The window has the procedure's size; the picker knows the gadgets by their variables.
    wait_for(lambda: (client_geometry(PREVIEW) or (0, 0, 0, 0))[2:] == (420, 260),
             "the preview window's inner size of 420 x 260 from the procedure")
    check(True, "the preview has the procedure's size, 420 x 260")
    check(picker.get_name() == "Window_0 :: OpenWindow",
          "the picker names the window by its variable (%r)" % picker.get_name())
    tabs = [a.get_name() for a in walk(preview) if a.get_role_name() == "page tab"]
    check(tabs == ["First", "Second"], "the panel has both tabs (%r)" % tabs)
    button = wait_for(lambda: find(preview, "push button", "Press"), "the button on the first tab")
    columns = [a.get_name() for a in walk(preview) if a.get_role_name() == "table column header"]
    check(columns[:2] == ["Name", "Size"] or {"Name", "Size"} <= set(columns),
          "the list-icon on the second tab has both columns (%r)" % columns)

    # Out of the preview's way: the main window stays on top.
    px, py, pw, ph = client_geometry(PREVIEW)
    xdotool("windowmove", "--sync", window_id(MAIN), px + pw + 40, py)
    wait_for(lambda: extents(picker)[0] > px + pw, "the main window to move")

    make_active(PREVIEW)
    x, y, w, h = extents(button)
    xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    xdotool("click", "1")
    wait_for(lambda: picker.get_name() == "Button_0 :: ButtonGadget",
             "the click to select the button on the panel tab")
    check(True, "a click on the button inside the panel tab selects Button_0")

    make_active(PREVIEW)
    xdotool("key", "--delay", "80", "ctrl+Right", "ctrl+Right")
    twice = LINES[BUTTON_LINE].replace("(#PB_Any, 20, 20,", "(#PB_Any, 22, 20,")
    wait_for(lambda: twice in text_of(code_view), "two nudges in the button's line")
    wait_for(lambda: extents(button)[0] == x + 2, "the button 2 pixels to the right")
    check(True, "two nudges move the line and the button by 2")
    xdotool("key", "ctrl+z")
    # The two nudges of one field make one step: undo brings back the line as it was read.
    wait_for(lambda: text_of(code_view) == SOURCE, "the undo of the nudges")
    wait_for(lambda: extents(button)[0] == x, "the button back in its place")
    check(True, "one undo takes back both nudges, line and button")
    xdotool("key", "ctrl+Right")
    once = LINES[BUTTON_LINE].replace("(#PB_Any, 20, 20,", "(#PB_Any, 21, 20,")
    expected = "\n".join(LINES[:BUTTON_LINE] + [once] + LINES[BUTTON_LINE + 1:]) + "\n"
    if not wait_for_quietly(lambda: text_of(code_view) == expected, 10):
        raise Failure("one nudge in the code: the button's line reads %r"
                      % text_of(code_view).split("\n")[BUTTON_LINE])

    Atspi.Action.do_action(find(main, "push button", "Copy"), 0)
    copied = wait_for(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                             capture_output=True, timeout=10).stdout
                      == expected.encode(), "the clipboard to hold the code")
    check(copied, "Copy hands back the code with exactly one nudge, every other byte kept")


run_story_on(program, "designer.pb", SOURCE.encode(), story)
