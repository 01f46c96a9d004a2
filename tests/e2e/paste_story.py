"""A user's story with Paste: an image on the clipboard, Paste: the code, preview and picker stay
as they were and the status line says why; Copy gives the code back unchanged. Then a form with a
tree of 10,000 items is pasted: the window shows it and answers (within the item benchmark's
bound of 2 s), and Escape ends the program.

Usage: paste_story.py TESSALY FORM"""
import subprocess
import sys
import time

from e2e_support import (Failure, activate_window, check, clipboard, extents, find,
                         find_application, screenshot, start_program, text_of, wait_for,
                         window_named, xdotool)

program, form = sys.argv[1], sys.argv[2]
with open(form, "rb") as f:
    CODE = f.read()
BOUND = 2.0  # seconds: the target of bench/item_bench_wx for 10,000 items into one gadget
TREE = ("OpenWindow(#W, 0, 0, 400, 300, \"Items\")\n"
        "TreeGadget(#Tree, 10, 10, 380, 280)\n" +
        "".join("AddGadgetItem(#Tree, -1, \"Item %d\")\n" % i for i in range(10000)))


def put_on_clipboard(data, target):
    subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-i"], input=data,
                   check=True, timeout=10)


def click(acc):
    activate_window("Tessaly 0.87")
    x, y, w, h = extents(acc)
    xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    xdotool("click", "1")


def story():
    app = find_application("tessaly")
    main = window_named(app, "Tessaly 0.87")
    code_view = wait_for(lambda: find(main, "text", predicate=lambda a: text_of(a).encode() == CODE),
                         "the code view to show the form")
    picker = find(main, "combo box")
    first = picker.get_name()
    status = find(main, "label", predicate=lambda a: a.get_name().startswith(" "))

    png = subprocess.run(["convert", "-size", "16x16", "xc:red", "png:-"], capture_output=True,
                         check=True).stdout
    put_on_clipboard(png, "image/png")
    click(find(main, "push button", "Paste"))
    wait_for(lambda: "holds no text" in status.get_name(), "the status line to say why")
    check(True, "Paste of an image says why in the status line: %r" % status.get_name())
    check(text_of(code_view).encode() == CODE and picker.get_name() == first,
          "the code view and the picker are as they were")
    click(find(main, "push button", "Copy"))
    wait_for(lambda: clipboard() == CODE, "the clipboard to hold the code")
    check(True, "Copy gives the code back unchanged")

    put_on_clipboard(TREE.encode(), "UTF8_STRING")
    click(find(main, "push button", "Paste"))
    started = time.time()
    wait_for(lambda: picker.get_name() == "#W :: OpenWindow" and
             find(app, "frame", "Items") is not None, "the tree form's preview", 30)
    elapsed = time.time() - started
    screenshot("/tmp/tessaly-paste-story.png")
    check(elapsed < BOUND, "the 10,000-item tree is shown and the window answers after %.2f s"
          % elapsed)
    tree = find(find(app, "frame", "Items"), "tree table")
    check(tree is not None and tree.get_child_count() > 0, "the preview shows the tree with its items")
    activate_window("Tessaly 0.87")
    xdotool("key", "Escape")
    check(proc.wait(timeout=10) == 0, "Escape then ends the program with status 0")


proc = start_program(program, form)
status = 0
try:
    story()
except (Failure, subprocess.TimeoutExpired) as failure:
    print("FAILED:", failure)
    proc.log.seek(0)
    print(proc.log.read().decode("utf-8", "replace")[-4000:])
    status = 1
finally:
    if proc.poll() is None:
        proc.kill()
        proc.wait()
sys.exit(status)
