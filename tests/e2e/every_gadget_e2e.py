"""The preview of a form with every kind of gadget: each gadget is a native control of the
expected accessible role at the rectangle its line gives, and nested gadgets sit inside their
container, panel tab or scroll area."""
import sys

from e2e_support import (Failure, check, client_geometry, extents, find, find_application, role,
                         run_story, screenshot, wait_for, walk, window_named)

program, source = sys.argv[1], sys.argv[2]

# Gadgets whose parent is the window: (identifier, accessible role, x, y, width, height).
TOP_LEVEL = [
    ("#Button_0", "push button", 10, 10, 120, 28),
    ("#ButtonImage_0", "push button", 140, 10, 60, 28),
    ("#CheckBox_0", "check box", 210, 10, 120, 24),
    ("#Option_0", "radio button", 340, 10, 100, 24),
    ("#Option_1", "radio button", 440, 10, 100, 24),
    ("#Text_0", "label", 10, 48, 120, 24),
    ("#String_0", "text", 140, 45, 190, 30),
    ("#IPAddress_0", "text", 340, 45, 200, 30),
    ("#HyperLink_0", "panel", 550, 48, 150, 24),
    ("#ComboBox_0", "combo box", 10, 85, 190, 32),
    ("#ExplorerCombo_0", "combo box", 210, 85, 190, 32),
    ("#Date_0", "panel", 410, 85, 160, 32),
    ("#Spin_0", "spin button", 580, 85, 120, 32),
    ("#TrackBar_0", "slider", 710, 10, 250, 40),
    ("#ProgressBar_0", "progress bar", 710, 60, 250, 20),
    ("#ScrollBar_0", "scroll bar", 710, 90, 250, 18),
    ("#Shortcut_0", "text", 710, 115, 250, 30),
    ("#ListView_0", "scroll pane", 10, 125, 190, 120),
    ("#ListIcon_0", "scroll pane", 210, 125, 300, 120),
    ("#Tree_0", "scroll pane", 520, 155, 180, 120),
    ("#Editor_0", "scroll pane", 710, 155, 250, 90),
    ("#Calendar_0", "calendar", 10, 255, 250, 190),
    ("#Canvas_0", "panel", 270, 255, 120, 90),
    ("#Image_0", "icon", 400, 255, 110, 90),
    ("#OpenGL_0", "icon", 520, 285, 180, 100),
    ("#Frame_0", "panel", 710, 255, 250, 130),
    ("#Web_0", "scroll pane", 720, 280, 230, 95),
    ("#ExplorerTree_0", "scroll pane", 270, 355, 240, 120),
    ("#ExplorerList_0", "scroll pane", 520, 395, 180, 80),
    ("#Container_0", "panel", 10, 455, 250, 100),
    ("#ScrollArea_0", "scroll pane", 270, 485, 240, 90),
    ("#Splitter_0", "panel", 520, 485, 440, 90),
]


def at(root, role_name, rect):
    return find(root, role_name, predicate=lambda a: extents(a) == rect)


def inside(inner, outer):
    ix, iy, iw, ih = extents(inner)
    ox, oy, ow, oh = extents(outer)
    return ox <= ix and oy <= iy and ix + iw <= ox + ow and iy + ih <= oy + oh


def story():
    app = find_application("tessaly")
    preview = window_named(app, "Every gadget")
    # The status bar goes below the form, which keeps its 980 x 640.
    wait_for(lambda: (client_geometry("Every gadget") or (0, 0, 0, 0))[2] == 980,
             "the preview window's size")
    px, py, pw, ph = client_geometry("Every gadget")
    check(ph > 640, "the client area of %dx%d holds the form and the status bar" % (pw, ph))

    for ident, role_name, x, y, w, h in TOP_LEVEL:
        rect = (px + x, py + y, w, h)
        if at(preview, role_name, rect) is None:
            near = [(role(a), a.get_name(), extents(a)) for a in walk(preview)
                    if abs(extents(a)[0] - rect[0]) < 3 and abs(extents(a)[1] - rect[1]) < 3]
            raise Failure("%s: no %s at %s; there: %s" % (ident, role_name, rect, near))
        check(True, "%s is a %s at %d,%d sized %dx%d" % (ident, role_name, x, y, w, h))

    tab = find(preview, "page tab", "Panel tab")
    check(tab is not None, "the panel has its tab 'Panel tab'")
    on_panel = find(tab, "label", "On the panel")
    container = at(preview, "panel", (px + 10, py + 455, 250, 100))
    check(on_panel is not None and inside(on_panel, container),
          "the text on the panel's tab lies inside the container")
    tab_page = find(tab, "panel")
    check(extents(on_panel)[:2] == (extents(tab_page)[0] + 10, extents(tab_page)[1] + 10),
          "it stands at 10,10 of its tab")
    area = at(preview, "scroll pane", (px + 270, py + 485, 240, 90))
    in_area = find(area, "push button", "In the scroll area")
    check(in_area is not None and extents(in_area)[2:] == (150, 28),
          "the scroll area holds its 150 x 28 button")
    splitter = at(preview, "panel", (px + 520, py + 485, 440, 90))
    panes = [a for a in walk(splitter) if role(a) == "scroll pane" and a is not splitter]
    check(len(panes) >= 2 and extents(panes[0])[0] < extents(panes[1])[0],
          "the vertical splitter shows its two children side by side")
    status_bar = find(preview, "panel", predicate=lambda a: extents(a)[1] == py + 640)
    check(status_bar is not None, "the status bar lies below the form")
    screenshot("/tmp/tessaly_e2e_every_gadget.png")


run_story(program, source + "/examples/every_gadget.pb", story)
