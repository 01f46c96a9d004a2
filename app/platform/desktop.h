#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/clipboard.h"
#include "app/edit_hooks.h"

namespace tessaly {

// What the window program takes from the desktop it runs on. One implementation per platform:
// desktop_gtk.cpp (X11 or Wayland through GTK), desktop_msw.cpp (Windows).

// False when there is plainly no desktop session to open windows on (checked before the toolkit
// starts, which would otherwise fail with less to say).
bool desktopReachable();

// The system clipboard, Unicode text in and out; the text it was given last outlives the program.
std::unique_ptr<Clipboard> systemClipboard();

// The link that reaches the IDE's editor through the window handle it hands over; nullptr where
// such a handle means nothing to another process.
std::unique_ptr<EditorLink> systemEditorLink();

// The resolution, in dots per inch, that the toolkit draws fonts at. It follows the desktop's
// font scaling rather than the screen's physical pixels, so that text keeps the size the
// pixel-sized controls expect.
int fontResolution();

// The preview gives native controls the sizes the form's code asks for, often below what the
// toolkit takes as their minimum; GTK would print a warning or two for each of them. The first is
// called before the toolkit starts, the second once it runs.
void allowQuietingToolkitDiagnostics();
void quietToolkitDiagnostics();

// How many positions a line break ("\r\n", "\n", "\r" or "" after the last line) takes in a
// multi-line text control: GTK keeps the break's characters as they are, Windows' own control
// holds every break as CR LF.
long viewBreakLength(std::string_view lineBreak);

}  // namespace tessaly
