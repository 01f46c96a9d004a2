"""A user's stories with the IDE's file hand-off: the IDE writes its source to a file, starts the
tool with the file and the selection, waits until the tool ends and loads the file back.

Usage: ide_file_e2e.py TESSALY update|unwritable|changed
  update:      the code view shows the selected lines; a nudge and IDE Update write exactly the
               changed line back into the file and end the program with status 0.
  unwritable:  the file's folder is removed after start-up; IDE Update then says so in a message
               box, leaves the code on the clipboard and keeps the program running.
  changed:     the editor adds a line above the form after start-up; IDE Update asks, and
               "Write into the file" puts the code in place of the selected lines, keeping the
               added line."""
import os
import shutil
import subprocess
import sys
import tempfile

from e2e_support import (Failure, activate_window, check, extents, find, find_application,
                         text_of, wait_for, walk, window_named, xdotool)

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, story_name = sys.argv[1], sys.argv[2]

LINES = [
    "; The program around the form",
    "EnableExplicit",
    "",
    "OpenWindow(#Window_Main, 0, 0, 320, 200, \"Main\", #PB_Window_SystemMenu)",
    "ButtonGadget(#Button_OK, 10, 10, 90, 28, \"OK\")",
    "StringGadget(#String_Name, 10, 50, 200, 25, \"\")",
    "",
    "Repeat",
    "Until WaitWindowEvent() = #PB_Event_CloseWindow",
]
SOURCE = ("\r\n".join(LINES) + "\r\n").encode()
SELECTION = "4x1x7x1"  # lines 4 to 6: down to the start of line 7 does not take line 7
SELECTED = "\r\n".join(LINES[3:6])


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=10).stdout.decode("utf-8", "replace")


def showing(acc):
    return acc.get_state_set().contains(Atspi.StateType.SHOWING)


def button(window, name):
    return find(window, "push button", name)


def click(acc):
    """A real click in the middle of a control of the main window. (An accessibility action
    would run the command inside the program's accessibility dispatch, where a modal message
    box could not answer the bus.)"""
    activate_window("Tessaly 0.87")
    x, y, w, h = extents(acc)
    xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    xdotool("click", "1")


def update_story(main_window, code_view, proc, path):
    # Choose the button in the element picker (its second entry), then nudge it one pixel right.
    Atspi.Selection.select_child(find(main_window, "combo box"), 1)
    wait_for(lambda: find(main_window, "combo box").get_name() == "#Button_OK :: ButtonGadget",
             "the picker to choose the button")
    check(True, "the picker chooses the button")
    activate_window("Tessaly 0.87")
    xdotool("key", "ctrl+Right")
    nudged = "ButtonGadget(#Button_OK, 11, 10, 90, 28, \"OK\")"
    wait_for(lambda: nudged in text_of(code_view), "the nudge to reach the code view")
    check(True, "Ctrl+Right moves the button to x = 11 in the code view")
    code = text_of(code_view)

    click(button(main_window, "IDE Update"))
    try:
        status = proc.wait(timeout=15)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end after IDE Update")
    check(status == 0, "IDE Update ends the program with status 0 (%r)" % status)
    with open(path, "rb") as f:
        after = f.read()
    expected = ("\r\n".join(LINES[:4] + [nudged] + LINES[5:]) + "\r\n").encode()
    check(after == expected, "the file differs from before in exactly the button's line")
    check(wait_for(lambda: clipboard() == code, "the clipboard", 5),
          "after the program ended the clipboard holds the code")
    leftovers = [n for n in os.listdir(os.path.dirname(path)) if n != "source.pb"]
    check(not leftovers, "no temporary file is left beside the file (%r)" % leftovers)


def unwritable_story(app, main_window, code_view, proc, path):
    code = text_of(code_view)
    shutil.rmtree(os.path.dirname(path))
    click(button(main_window, "IDE Update"))

    def message():
        for acc in walk(app):
            if acc.get_role_name() in ("alert", "dialog") and showing(acc):
                texts = " ".join(a.get_name() for a in walk(acc) if a.get_role_name() == "label")
                if path in texts:
                    return acc, texts
        return None
    box, texts = wait_for(message, "a message box naming the file")
    check("No such file or directory" in texts, "the message names the file and the reason: %r"
          % texts)
    check(proc.poll() is None, "the program is still running")
    check(clipboard() == code, "the code is on the clipboard")
    Atspi.Action.do_action(find(box, "push button", "OK"), 0)
    wait_for(lambda: not showing(box), "the message box to close")
    check(proc.poll() is None and showing(main_window),
          "after the message the program is still running, its window shown")
    check(not os.path.exists(os.path.dirname(path)), "nothing was written anywhere")
    activate_window("Tessaly 0.87")
    xdotool("key", "Escape")
    check(proc.wait(timeout=10) == 0, "Escape then ends it with status 0")


def changed_story(app, main_window, code_view, proc, path):
    with open(path, "rb") as f:
        added = b"; added by the editor\r\n" + f.read()
    with open(path, "wb") as f:
        f.write(added)
    Atspi.Selection.select_child(find(main_window, "combo box"), 1)
    wait_for(lambda: find(main_window, "combo box").get_name() == "#Button_OK :: ButtonGadget",
             "the picker to choose the button")
    activate_window("Tessaly 0.87")
    xdotool("key", "ctrl+Right")
    wait_for(lambda: "(#Button_OK, 11," in text_of(code_view), "the nudge")
    code = text_of(code_view)
    click(button(main_window, "IDE Update"))
    question = wait_for(lambda: next((a for a in walk(app) if a.get_role_name() in
                                      ("alert", "dialog") and showing(a)), None), "the question")
    Atspi.Action.do_action(find(question, "push button", "Write into the file"), 0)
    check(proc.wait(timeout=15) == 0, "\"Write into the file\" ends the program with status 0")
    with open(path, "rb") as f:
        check(f.read() == added.replace(b"(#Button_OK, 10,", b"(#Button_OK, 11,"),
              "the file keeps the added line and holds the nudged code in its place")
    check(clipboard() == code, "the clipboard holds the code")


def main():
    folder = tempfile.mkdtemp(prefix="tessaly-ide-")
    path = os.path.join(folder, "source.pb")
    with open(path, "wb") as f:
        f.write(SOURCE)
    log = tempfile.TemporaryFile()
    proc = subprocess.Popen([program, "--ide-file", path, "--ide-selection", SELECTION],
                            cwd=os.path.dirname(program), stdout=log, stderr=subprocess.STDOUT)
    status = 0
    try:
        app = find_application("tessaly")
        main_window = window_named(app, "Tessaly 0.87")
        code_view = wait_for(lambda: find(main_window, "text",
                                          predicate=lambda a: text_of(a) == SELECTED),
                             "the code view to show the selected lines")
        check(True, "the code view shows exactly the selected lines")
        check(showing(button(main_window, "IDE Update")) and
              not showing(button(main_window, "Paste")), "IDE Update is shown, Paste hidden")
        if story_name == "update":
            update_story(main_window, code_view, proc, path)
        elif story_name == "changed":
            changed_story(app, main_window, code_view, proc, path)
        else:
            unwritable_story(app, main_window, code_view, proc, path)
    except Failure as failure:
        print("FAILED:", failure)
        log.seek(0)
        print(log.read().decode("utf-8", "replace")[-4000:])
        status = 1
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        shutil.rmtree(folder, ignore_errors=True)
    sys.exit(status)


if __name__ == "__main__":
    main()
