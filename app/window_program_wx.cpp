#include <wx/app.h>
#include <wx/init.h>
#include <wx/timer.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "app/hover_beat_wx.h"
#include "app/ide_file.h"
#include "app/platform/desktop.h"
#include "app/shell_wx.h"
#include "app/snapshot_wx.h"
#include "app/stop_signals.h"
#include "app/window_program.h"
#include "form/keywords.h"
#include "form/read_file.h"
#include "ui/registry_wx.h"

namespace tessaly {

namespace {

// How often the program looks for a stop signal.
constexpr int kStopPollMs = 200;

class TessalyApp : public wxApp {
  public:
    TessalyApp(KeywordTable keywords, std::optional<std::string> fileText,
               std::optional<IdeFile> ideFile, Clipboard& clipboard, EditorLink* editor)
        : keywords_(std::move(keywords)),
          fileText_(std::move(fileText)),
          ideFile_(std::move(ideFile)),
          clipboard_(clipboard),
          editor_(editor) {}

    // The command line was read before the toolkit started; wxApp must not parse it again.
    bool OnInit() override {
        quietToolkitDiagnostics();
        ShellServices services;
        services.clipboard = &clipboard_;
        services.editor = editor_;
        services.ideFile = std::move(ideFile_);
        services.endProgram = [] {
            // Gone from the screen at once; the process ends as soon as the loop returns.
            for (wxWindow* w : wxTopLevelWindows) w->Hide();
            wxTheApp->ExitMainLoop();
        };
        shell_ = std::make_unique<Shell>(std::move(keywords_), std::move(services));
        edits_ = makeEditHooks(*shell_);
        shell_->setEditHooks(edits_.get());
        shell_->start(fileText_);
        if (!snapshotPath_.empty()) {
            snapshot_ = takeSnapshot(*shell_, snapshotPath_, [this](int status, std::string why) {
                if (status != 0) fprintf(stderr, "tessaly: %s\n", why.c_str());
                exitStatus_ = status;
                shell_->quit();
            });
        }
        // A stop signal ends the program as Escape does; its handler can only leave a note.
        stopPoll_.start(kStopPollMs);
        return true;
    }

    int OnRun() override {
        const int status = wxApp::OnRun();
        return exitStatus_ != 0 ? exitStatus_ : status;
    }

    // `tessaly --snapshot OUT.png FILE`: the preview is written to OUT.png, then the program ends.
    void setSnapshot(std::string path) { snapshotPath_ = std::move(path); }

    int OnExit() override {
        stopPoll_.stop();
        snapshot_.reset();
        // The windows' handlers call into the shell: the windows go first, while the shell
        // still exists, then the registry's images, while the toolkit still exists.
        for (wxWindow* w : wxTopLevelWindows) w->Destroy();
        DeletePendingObjects();
        Registry::instance().reset();
        shell_.reset();
        edits_.reset();
        return wxApp::OnExit();
    }

  private:
    KeywordTable keywords_;
    std::optional<std::string> fileText_;
    std::optional<IdeFile> ideFile_;
    std::string snapshotPath_;
    std::unique_ptr<Snapshot> snapshot_;
    int exitStatus_ = 0;
    Clipboard& clipboard_;
    EditorLink* editor_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<EditHooks> edits_;
    // Not a toolkit timer: each of its ticks would set off an idle pass over every window.
    HoverBeat stopPoll_{[this] {
        if (stopRequested() && shell_) shell_->quit();
    }};
};

// A failed toolkit assertion is reported on standard error; the default would open a modal
// dialog in front of the user's work for what is at most a toolkit-internal hiccup.
void reportToolkitAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                         const wxString& msg) {
    std::fprintf(
        stderr, "tessaly: toolkit assertion %s failed in %s (%s:%d): %s\n",
        static_cast<const char*>(cond.utf8_str()), static_cast<const char*>(func.utf8_str()),
        static_cast<const char*>(file.utf8_str()), line, static_cast<const char*>(msg.utf8_str()));
}

}  // namespace

int runWindowProgram(const CommandLine& cl, const std::string& exeDir, const char* argv0,
                     std::ostream& err) {
    // Files are read before anything else: one that cannot be read ends the program at once.
    std::optional<std::string> fileText;
    std::optional<IdeFile> ideFile;
    std::string error;
    if (!cl.file.empty()) {
        std::string text;
        if (!readWholeFile(cl.file, text, error)) {
            err << "tessaly: cannot read '" << cl.file << "': " << error << "\n";
            return 2;
        }
        fileText = std::move(text);
    }
    if (!cl.ideFile.empty()) {
        IdeFile file;
        if (!file.load(cl.ideFile, cl.ideSelection, error)) {
            err << "tessaly: cannot read '" << cl.ideFile << "': " << error << "\n";
            return 2;
        }
        ideFile = std::move(file);
    }
    if (!cl.snapshot.empty() && !canWriteSnapshots()) {
        err << "tessaly: this build cannot write PNG pictures; --snapshot is not available.\n";
        return 2;
    }
    if (!desktopReachable()) {
        err << "tessaly: no display to open the window on (DISPLAY is not set).\n"
            << "Run it in a desktop session, or use --dump or --format, which need none.\n";
        return 1;
    }

    KeywordLoad keywords = cl.keywordsPath.empty() ? loadKeywordTableWithFallback(exeDir)
                                                   : loadKeywordFile(cl.keywordsPath);
    if (!keywords.ok) {
        err << "tessaly: no keyword table (" << keywords.error << "); no call is recognised\n";
    }
    reportKeywordNote(keywords, err);

    installStopSignalHandlers();
    // Outlives the toolkit: what keeping its text needs after the toolkit has shut down is done
    // then.
    const std::unique_ptr<Clipboard> clipboard = systemClipboard();
    const std::unique_ptr<EditorLink> editor = systemEditorLink();
    wxSetAssertHandler(reportToolkitAssert);
    allowQuietingToolkitDiagnostics();
    auto* app = new TessalyApp(std::move(keywords.table), std::move(fileText), std::move(ideFile),
                               *clipboard, editor.get());
    app->setSnapshot(cl.snapshot);
    wxApp::SetInstance(app);
    int argc = 1;
    char* argv[] = {const_cast<char*>(argv0), nullptr};
    if (!wxEntryStart(argc, argv)) {
        const char* display = std::getenv("DISPLAY");
        err << "tessaly: cannot open the display '" << (display ? display : "") << "'.\n"
            << "Run it in a desktop session, or use --dump or --format, which need none.\n";
        return 1;
    }
    int status = 0;
    if (wxTheApp->CallOnInit()) {
        status = wxTheApp->OnRun();
        // The toolkit's clean-up takes a big preview apart control by control, which takes
        // seconds; the system frees everything at once. Only the clipboard text must outlive us.
        clipboard->handOverAfterShutdown();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    clipboard->handOverAfterShutdown();
    return status;
}

}  // namespace tessaly
