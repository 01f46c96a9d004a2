// One commit at growing code sizes, through the real shell and pages: a nudge (Ctrl+Right on the
// selected gadget) writes the gadget's line, replaces that one line in the code view and moves
// the control in the preview. The form stands either at the top of the code (its line in view)
// or at its end (the farthest line to find), after lines of other code. Needs a display (run it
// with tests/with_display.sh). Prints figures; never fails on time.
#include <wx/app.h>
#include <wx/init.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/clipboard.h"
#include "app/shell_wx.h"
#include "form/keywords.h"
#include "ui/registry_wx.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

constexpr int kCommits = 101;
constexpr int kWarmUp = 10;
constexpr int kNudgeRight = 3;  // shortcut item of Ctrl+Right

class MemoryClipboard : public Clipboard {
  public:
    std::string getText() override { return text_; }
    void putText(const std::string& text) override { text_ = text; }

  private:
    std::string text_;
};

// `lines` lines of code: the form's window and button lines plus lines of the program around.
std::string makeCode(int lines, bool formAtEnd) {
    const std::string form =
        "OpenWindow(#Window_0, 0, 0, 400, 300, \"Bench\")\n"
        "ButtonGadget(#Button_0, 20, 30, 100, 25, \"OK\", #PB_Button_Default)\n";
    std::string other;
    char line[80];
    for (int i = 0; i < lines - 2; ++i) {
        std::snprintf(line, sizeof line, "  Total + %d * Factor(%d) ; line %d of the program\n", i,
                      i % 7, i);
        other += line;
    }
    return formAtEnd ? other + form : form + other;
}

// Lets the toolkit do what is pending (layout of the code view, paints, idle work), for at
// most `ms` milliseconds.
void settle(int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    do {
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    } while (wxTheApp->Pending() && Clock::now() < end);
}

double medianMs(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2] * 1e3;
}

struct Figures {
    double commit = 0;     // the commit itself, ms
    double displayed = 0;  // the commit and the toolkit's work it left pending, ms
};

Figures measure(const KeywordTable& keywords, int lines, bool formAtEnd) {
    Registry::instance().reset();
    MemoryClipboard clipboard;
    ShellServices services;
    services.clipboard = &clipboard;
    services.endProgram = [] {};
    Shell shell(keywords, std::move(services));
    const std::unique_ptr<EditHooks> pages = makeEditHooks(shell);
    shell.setEditHooks(pages.get());
    shell.start(makeCode(lines, formAtEnd));
    settle(30000);

    int32_t button = -1;
    for (int32_t i = 0; i < shell.elements().count(); ++i) {
        if (shell.elements()[i].KeyWord == "ButtonGadget") button = i;
    }
    if (button < 0) {
        std::fprintf(stderr, "the button was not read\n");
        std::exit(1);
    }
    pages->showElement(button);
    for (int i = 0; i < kWarmUp; ++i) shell.onShortcut(shell.previewWindow(), kNudgeRight);
    settle(5000);

    std::vector<double> commit;
    std::vector<double> displayed;
    for (int i = 0; i < kCommits; ++i) {
        const auto t0 = Clock::now();
        shell.onShortcut(shell.previewWindow(), kNudgeRight);
        const auto t1 = Clock::now();
        settle(5000);
        const auto t2 = Clock::now();
        commit.push_back(std::chrono::duration<double>(t1 - t0).count());
        displayed.push_back(std::chrono::duration<double>(t2 - t0).count());
    }
    // Every commit moved the button by one pixel; a bench that measured nothing would not.
    const int32_t expectedX = 20 + kWarmUp + kCommits;
    const wxWindow* control = Registry::instance().control(shell.elements()[button].Gadget);
    if (!control || control->GetPosition().x != expectedX) {
        std::fprintf(stderr, "the commits did not reach the preview\n");
        std::exit(1);
    }
    for (wxWindow* w : wxTopLevelWindows) w->Destroy();
    settle(2000);
    Registry::instance().reset();
    return {medianMs(commit), medianMs(displayed)};
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run with tests/with_display.sh\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxApp::GTKSuppressDiagnostics();
    const KeywordLoad keywords = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    if (!keywords.ok) {
        std::fprintf(stderr, "no keyword table: %s\n", keywords.error.c_str());
        return 1;
    }

    std::printf("one commit (Ctrl+Right: line written, code view, preview), median of %d\n",
                kCommits);
    std::printf("%-8s %10s %14s %26s\n", "form at", "lines", "commit (ms)",
                "commit + pending work (ms)");
    for (bool formAtEnd : {false, true}) {
        Figures first;
        Figures last;
        for (int lines : {100, 10000, 100000}) {
            const Figures f = measure(keywords.table, lines, formAtEnd);
            if (lines == 100) first = f;
            last = f;
            std::printf("%-8s %10d %14.3f %26.3f\n", formAtEnd ? "end" : "top", lines, f.commit,
                        f.displayed);
            std::fflush(stdout);
        }
        std::printf("%-8s %10s %14.2f %26.2f\n", formAtEnd ? "end" : "top", "100k/100",
                    last.commit / first.commit, last.displayed / first.displayed);
    }
    wxEntryCleanup();
    return 0;
}
