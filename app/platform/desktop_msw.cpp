#include "app/platform/desktop.h"

#include <windows.h>

#include "app/editor_link_win32.h"

namespace tessaly {

bool desktopReachable() {
    return true;  // a Windows program always has its desktop
}

std::unique_ptr<Clipboard> systemClipboard() {
    // Puts the text itself on the clipboard, not a promise to render it: the system keeps it
    // after the program has ended.
    return std::make_unique<Win32Clipboard>();
}

std::unique_ptr<EditorLink> systemEditorLink() {
    return std::make_unique<Win32EditorLink>();
}

int fontResolution() {
    HDC screen = GetDC(nullptr);
    const int resolution = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return resolution > 0 ? resolution : 96;
}

void allowQuietingToolkitDiagnostics() {}

void quietToolkitDiagnostics() {}  // Windows' controls take any size quietly

long viewBreakLength(std::string_view lineBreak) {
    return lineBreak.empty() ? 0 : 2;  // the control holds every break as CR LF
}

}  // namespace tessaly
