#include "ui_support.h"

#include "app/clipboard_wx.h"
#include "app/main_layout.h"

#include <wx/filename.h>

#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

extern char** environ;

namespace tessaly::test {

KeywordTable testKeywords() {
    const KeywordLoad load = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    EXPECT_TRUE(load.ok) << load.error;
    return load.table;
}

void ShellTest::startShell(std::optional<std::string> fileText, Clipboard* clipboard,
                           std::string variable) {
    Registry::instance().reset();
    ShellServices services;
    services.clipboard = clipboard ? clipboard : &memory;
    services.edit = &edits;
    services.editor = &editor;
    services.endProgram = [this] { ended = true; };
    editorVariable = std::move(variable);
    services.getEnv = [this](const char* name) {
        return std::string(name) == "PB_TOOL_Scintilla" ? editorVariable : std::string();
    };
    shell = std::make_unique<Shell>(testKeywords(), std::move(services));
    if (realPages) {
        pages = makeEditHooks(*shell);
        shell->setEditHooks(pages.get());
    }
    shell->start(fileText);
    statusAtStart = control(main_window::kStatusLine)->GetLabel();
    pumpUntil([this] { return shell->mainWindow()->IsShownOnScreen(); });
    pumpFor(50);
}

void ShellTest::TearDown() {
    for (wxWindow* w : wxTopLevelWindows) w->Destroy();
    wxTheApp->ProcessIdle();
    shell.reset();
    pages.reset();
    Registry::instance().reset();
    pumpFor(20);
}

void ShellTest::resizeMainWindow(int width, int height) {
    wxFrame* frame = shell->mainWindow();
    frame->SetClientSize(width, height);
    const wxSize wanted(width, height);
    pumpUntil([&] {
        return frame->GetClientSize() == wanted &&
               shell->viewCode().fullWidth() == frame->GetClientSize().x;
    });
    pumpFor(50);
}

std::string runHandlingEvents(const std::string& command) {
    const std::string out = wxFileName::CreateTempFileName("tessaly").ToStdString();
    const std::string full = command + " > '" + out + "'";
    char sh[] = "sh";
    char dashC[] = "-c";
    std::string fullCopy = full;
    char* argv[] = {sh, dashC, fullCopy.data(), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawnp(&pid, "sh", nullptr, nullptr, argv, environ), 0) << command;
    int status = 0;
    pumpUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 10000);
    std::ifstream in(out, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(out.c_str());
    return text.str();
}

void putWithXclip(const std::string& text) {
    const std::string in = wxFileName::CreateTempFileName("tessaly").ToStdString();
    {
        std::ofstream file(in, std::ios::binary);
        file << text;
    }
    const unsigned long before = clipboardOwnerWindow();
    runHandlingEvents("xclip -selection clipboard -i '" + in + "'");
    std::remove(in.c_str());
    // xclip serves from a background process that may take the clipboard a moment later; the
    // old owner must also have heard that it lost it.
    EXPECT_TRUE(pumpUntil([before] {
        const unsigned long now = clipboardOwnerWindow();
        return now != 0 && now != before;
    }));
    pumpFor(20);
}

std::string readWithXclip() {
    return runHandlingEvents("xclip -o -selection clipboard 2>/dev/null");
}

}  // namespace tessaly::test

namespace tessaly::test {

void emptyClipboard() {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), 0, CurrentTime);
    XCloseDisplay(display);
    // Let the old owner hear that it lost the clipboard.
    pumpFor(50);
}

std::function<void()> takeClipboardSilently() {
    Display* display = XOpenDisplay(nullptr);
    EXPECT_NE(display, nullptr);
    if (!display) return [] {};
    const Window owner =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), owner, CurrentTime);
    XSync(display, False);
    pumpFor(50);
    return [display] { XCloseDisplay(display); };
}

}  // namespace tessaly::test
