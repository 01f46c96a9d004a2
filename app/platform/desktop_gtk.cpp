#include "app/platform/desktop.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <cstdlib>

#include "app/clipboard_wx.h"

namespace tessaly {

bool desktopReachable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

std::unique_ptr<Clipboard> systemClipboard() {
    return std::make_unique<WxClipboard>();
}

std::unique_ptr<EditorLink> systemEditorLink() {
    return nullptr;  // the IDE's tools reach the program with the file hand-off instead
}

int fontResolution() {
    const double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
    if (resolution > 0) return int(resolution + 0.5);
    return wxGetDisplayPPI().y;
}

void allowQuietingToolkitDiagnostics() {
    wxApp::GTKAllowDiagnosticsControl();
}

void quietToolkitDiagnostics() {
    wxApp::GTKSuppressDiagnostics(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
}

long viewBreakLength(std::string_view lineBreak) {
    return long(lineBreak.size());  // GTK's text view keeps breaks as they are
}

}  // namespace tessaly
