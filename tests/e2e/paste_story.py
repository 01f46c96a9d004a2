"""Paste with an image on the clipboard changes nothing and says why; Copy gives the code back
unchanged. A form with a tree of 10,000 items pasted is shown, the window answering within the
bound of bench/item_bench_wx (2 s), and Escape ends the program. Usage: paste_story.py TESSALY FORM"""
import subprocess
import sys
import time

from e2e_support import (Failure, activate_window, check, clipboard, extents, find,
                         find_application, start_program, text_of, wait_for, window_named, xdotool)

program, form = sys.argv[1], sys.argv[2]
CODE = open(form, "rb").read()
TREE = "OpenWindow(#W, 0, 0, 400, 300, \"Items\")\nTreeGadget(#Tree, 10, 10, 380, 280)\n" + "".join(
    "AddGadgetItem(#Tree, -1, \"Item %d\")\n" % i for i in range(10000))


def click(main, button, data=None, target=None):
    if data is not None:
        subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-i"], input=data,
                       check=True, timeout=10)
    activate_window("Tessaly 0.87")
    x, y, w, h = extents(find(main, "push button", button))
    xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
    xdotool("click", "1")


def story(proc):
    app = find_application("tessaly")
    main = window_named(app, "Tessaly 0.87")
    code_view = wait_for(lambda: find(main, "text", predicate=lambda a: text_of(a).encode() == CODE),
                         "the code view to show the form")
    picker, first = find(main, "combo box"), find(main, "combo box").get_name()
    status = find(main, "label", predicate=lambda a: a.get_name().startswith(" "))
    png = subprocess.run(["convert", "-size", "16x16", "xc:red", "png:-"], capture_output=True,
                         check=True).stdout
    click(main, "Paste", png, "image/png")
    wait_for(lambda: "holds no text" in status.get_name(), "the status line to say why")
    check(text_of(code_view).encode() == CODE and picker.get_name() == first,
          "Paste of an image changes nothing and says %r" % status.get_name())
    click(main, "Copy")
    check(wait_for(lambda: clipboard() == CODE, "the code"), "Copy gives the code back unchanged")

    click(main, "Paste", TREE.encode(), "UTF8_STRING")
    started = time.time()
    tree = wait_for(lambda: picker.get_name() == "#W :: OpenWindow" and
                    find(app, "frame", "Items") and find(find(app, "frame", "Items"), "tree table"),
                    "the tree form's preview", 30)
    elapsed = time.time() - started
    check(elapsed < 2.0 and tree.get_child_count() > 0,
          "the 10,000-item tree is shown and the window answers after %.2f s" % elapsed)
    activate_window("Tessaly 0.87")
    xdotool("key", "Escape")
    check(proc.wait(timeout=10) == 0, "Escape then ends the program with status 0")


proc = start_program(program, form)
try:
    story(proc)
except (Failure, subprocess.TimeoutExpired) as failure:
    print("FAILED:", failure)
    proc.log.seek(0)
    print(proc.log.read().decode("utf-8", "replace")[-4000:])
    proc.kill()
    sys.exit(1)
