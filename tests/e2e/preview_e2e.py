"""A user's story with the preview: the program starts on a form file, the preview window shows
the form's controls where the code puts them, pointing at a gadget names it in the status line,
and clicking it selects it in the element picker."""
import sys

from e2e_support import (Failure, activate_window, check, client_geometry, extents, find,
                         find_application, role, run_story, screenshot, wait_for, walk,
                         window_named, xdotool)

program, source = sys.argv[1], sys.argv[2]

# The dialog example: (identifier, role, name, x, y, width, height) as its code says.
DIALOG = [
    ("#Text_User", "label", "User name:", 10, 15, 90, 20),
    ("#String_User", "text", None, 110, 10, 200, 25),
    ("#Text_Password", "label", "Password:", 10, 50, 90, 20),
    ("#String_Password", "password text", None, 110, 45, 200, 25),
    ("#CheckBox_Remember", "check box", "Remember me", 110, 80, 200, 20),
    ("#Button_OK", "push button", "OK", 120, 130, 90, 28),
    ("#Button_Cancel", "push button", "Cancel", 220, 130, 90, 28),
]


def story():
    app = find_application("tessaly")
    preview = window_named(app, "Log in")
    # The dialog's window line gives its size in the procedure's variables: the preview window
    # takes their defaults, 320 x 170. The window manager maps it after the program has asked
    # for it.
    wait_for(lambda: (client_geometry("Log in") or (0, 0, 0, 0))[2:] == (320, 170),
             "the preview window's inner size of 320 x 170")
    px, py, pw, ph = client_geometry("Log in")
    check(True, "the preview window's client area is %dx%d at %d,%d" % (pw, ph, px, py))
    for ident, role_name, name, x, y, w, h in DIALOG:
        acc = find(preview, role_name, name,
                   lambda a: extents(a)[0] - px == x and extents(a)[1] - py == y)
        if acc is None:
            seen = [(role(a), a.get_name(), extents(a)) for a in walk(preview)]
            raise Failure("no %s %s at %d,%d; the preview holds %s" % (role_name, ident, x, y,
                                                                        seen))
        ex, ey, ew, eh = extents(acc)
        check((ew, eh) == (w, h), "%s is a %s at %d,%d sized %dx%d" % (ident, role_name, x, y,
                                                                       ew, eh))

    main_window = window_named(app, "Tessaly 0.87")

    def status():
        label = find(main_window, "label", predicate=lambda a: a.get_name().startswith(" X:"))
        return label.get_name() if label is not None else ""

    def picker():
        combo = find(main_window, "combo box")
        return combo.get_name() if combo is not None else ""

    wait_for(lambda: picker() == "#Window_Login :: OpenWindow", "the picker's first entry")
    check(True, "the picker starts on the first element")

    # Point at the OK button of the active preview window: the status line names it.
    activate_window("Log in")
    ok_x, ok_y = px + 120 + 45, py + 130 + 14
    xdotool("mousemove", ok_x, ok_y)
    wait_for(lambda: status() == " X: 165 / Y: 144 - #Button_OK",
             "the status line to name the OK button")
    check(True, "the status line reads ' X: 165 / Y: 144 - #Button_OK'")

    # Away from every gadget, and outside the window.
    xdotool("mousemove", px + 5, py + 160)
    wait_for(lambda: status() == " X: 5 / Y: 160", "the position without a name")
    check(True, "over the background the status line has no name")
    xdotool("mousemove", px + pw + 40, py + 10)
    wait_for(lambda: status() == " X: -1 / Y: -1", "-1/-1 outside the window")
    check(True, "outside the preview the status line reads -1 / -1")

    # Clicking the Cancel button selects it in the picker. The main window stays on top and the
    # centred dialog leaves it no room beside it on this screen: move it off the preview first.
    xdotool("windowmove", "--sync", activate_window("Tessaly 0.87"), "0", str(py + 200))
    activate_window("Log in")
    xdotool("mousemove", px + 265, py + 144)
    wait_for(lambda: "#Button_Cancel" in status(), "hover over Cancel")
    xdotool("click", "1")
    wait_for(lambda: picker() == "#Button_Cancel :: ButtonGadget",
             "the picker to select Cancel")
    check(True, "clicking Cancel selects '#Button_Cancel :: ButtonGadget' in the picker")
    screenshot("/tmp/tessaly_e2e_preview.png")


run_story(program, source + "/examples/dialog.pb", story)
