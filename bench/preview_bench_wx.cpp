// Building the preview of generated forms against creating the same wxWidgets controls directly
// (as many as the preview makes) in a frame of their own, each shown and followed until the toolkit
// has nothing left to do; the two alternate which goes first. Also the clean-up of a preview (the
// next reading destroys it) and one hover scan over the real controls. The preview's picker is
// filled as the program fills it, in its own drop-down. Needs a display (tests/with_display.sh).
// Prints figures (medians); never fails on time.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/compact_style_wx.h"
#include "app/hover.h"
#include "app/picker_wx.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/live_preview_wx.h"
#include "form/reader.h"
#include "ui/registry_wx.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

// The element picker as the program fills it: gathered during the build, added in one batch.
class PickerHost : public LivePreviewHost {
  public:
    explicit PickerHost(wxChoice* picker) : picker_(picker) {}
    int32_t appendPickerEntry(const std::string& text, int32_t index) override {
        return batch_.add(text, index);
    }
    void showMessage(const std::string&, const std::string&) override {}
    void installShortcuts(wxTopLevelWindow*) override {}
    void adoptWindow(wxTopLevelWindow*) override {}
    void showNote(const std::string&) override {}
    void clear() { picker_->Clear(); }
    void start() { batch_.start(int32_t(picker_->GetCount())); }
    void finish() {
        batch_.finish(picker_);
        if (picker_->GetCount() > 0) picker_->SetSelection(0);
    }

  private:
    wxChoice* picker_;
    PickerBatch batch_;
};

class Hooks : public ReadFormHooks {
  public:
    Hooks(LivePreview& preview, PickerHost& host) : preview_(preview), host_(host) {}
    void destroyGadget(int32_t gadget) override { preview_.destroyGadget(gadget); }
    void clearPicker() override { host_.clear(); }
    void openDefaultWindow() override { preview_.openDefaultWindow(); }
    void buildPreview(ElementList& list) override {
        host_.start();
        preview_.build(list);
        host_.finish();
    }

  private:
    LivePreview& preview_;
    PickerHost& host_;
};

// Handles events until the toolkit has none left, also none on their way from the X server.
void untilIdle() {
    GdkDisplay* display = gdk_display_get_default();
    for (int quiet = 0; quiet < 2;) {
        bool any = false;
        while (gtk_events_pending()) {
            gtk_main_iteration_do(FALSE);
            any = true;
        }
        if (wxTheApp->HasPendingEvents()) {
            wxTheApp->ProcessPendingEvents();
            any = true;
        }
        while (wxTheApp->ProcessIdle()) any = true;
        gdk_display_sync(display);
        quiet = any ? 0 : quiet + 1;
    }
}

// A form of `gadgets` gadgets, cycling through five common kinds.
std::string generateForm(int gadgets) {
    std::string out = "OpenWindow(#Window_0, 0, 0, 800, 600, \"Generated\")\n";
    char line[200];
    for (int i = 0; i < gadgets; ++i) {
        const int x = (i % 8) * 100;
        const int y = (i / 8) % 24 * 25;
        static const char* kCalls[] = {
            "ButtonGadget(#G%d, %d, %d, 90, 25, \"Button\")\n",
            "TextGadget(#G%d, %d, %d, 90, 25, \"Text\")\n",
            "StringGadget(#G%d, %d, %d, 90, 25, \"String\")\n",
            "CheckBoxGadget(#G%d, %d, %d, 90, 25, \"Check\")\n",
            "ListViewGadget(#G%d, %d, %d, 90, 25)\n",
        };
        std::snprintf(line, sizeof line, kCalls[i % 5], i, x, y);
        out += line;
    }
    return out;
}

// The same controls made directly, without reading or registering anything.
void createDirectly(wxFrame* frame, int gadgets) {
    for (int i = 0; i < gadgets; ++i) {
        const wxPoint pos((i % 8) * 100, (i / 8) % 24 * 25);
        const wxSize size(90, 25);
        wxWindow* w = nullptr;
        switch (i % 5) {
            case 0:
                w = new wxButton(frame, wxID_ANY, "Button");
                break;
            case 1:
                w = new wxStaticText(frame, wxID_ANY, "Text");
                break;
            case 2:
                w = new wxTextCtrl(frame, wxID_ANY, "String");
                break;
            case 3:
                w = new wxCheckBox(frame, wxID_ANY, "Check");
                break;
            default:
                w = new wxListBox(frame, wxID_ANY);
                break;
        }
        w->SetSize(pos.x, pos.y, size.x, size.y);
    }
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under xvfb-run\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxApp::GTKSuppressDiagnostics();

    const KeywordLoad keywords = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    auto* mainFrame = new wxFrame(nullptr, wxID_ANY, "main", wxDefaultPosition, wxSize(300, 80));
    wxChoice* picker = createPicker(mainFrame, wxPoint(5, 5), wxSize(270, 26));
    makeCompact(picker);
    mainFrame->Show();
    PickerHost host(picker);
    CodeEditorModule module;
    LivePreview preview(host, Registry::instance(), module);
    Hooks hooks(preview, host);
    ElementList list;

    // The first control of each kind pays for the toolkit's one-time set-up: not part of either.
    auto* warmUp = new wxFrame(nullptr, wxID_ANY, "warm-up");
    createDirectly(warmUp, 10);
    warmUp->Show();
    untilIdle();
    warmUp->Destroy();
    untilIdle();

    std::printf(
        "times in ms, medians of 3 runs; 'idle' is until the toolkit has nothing left to do\n");
    std::printf("%8s %10s %10s %10s %10s %8s %8s %10s %10s\n", "gadgets", "preview", "p. idle",
                "direct", "d. idle", "ratio", "ratio", "clean-up", "hover (us)");
    std::printf("%8s %10s %10s %10s %10s %8s %8s %10s %10s\n", "", "built", "", "made", "", "built",
                "idle", "", "");
    for (int gadgets : {100, 1000, 5000}) {
        const CodeText code(generateForm(gadgets));
        std::vector<double> built, builtIdle, made, madeIdle, cleanUp;
        double scan = 0;
        for (int rep = 0; rep < 3; ++rep) {
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn + rep) % 2 == 0) {
                    auto t0 = Clock::now();
                    readForm(code, keywords.table, list, hooks);
                    built.push_back(seconds(Clock::now() - t0));
                    untilIdle();
                    builtIdle.push_back(seconds(Clock::now() - t0));

                    Registry& registry = Registry::instance();
                    const GadgetRect rectOf = [&registry](int32_t n) -> std::optional<Rect> {
                        const wxWindow* w = registry.control(n);
                        if (!w) return std::nullopt;
                        return Rect{w->GetPosition().x, w->GetPosition().y, w->GetSize().x,
                                    w->GetSize().y};
                    };
                    constexpr int kScans = 50;
                    HoverState state;
                    t0 = Clock::now();
                    for (int s = 0; s < kScans; ++s) {
                        updateHover(state, 1 + s % 800, s % 600, list, rectOf);
                    }
                    scan = seconds(Clock::now() - t0) / kScans;

                    // The next reading (of no code) destroys every control of this one.
                    t0 = Clock::now();
                    readForm(CodeText(""), keywords.table, list, hooks);
                    untilIdle();
                    cleanUp.push_back(seconds(Clock::now() - t0));
                } else {
                    auto* frame = new wxFrame(nullptr, wxID_ANY, "direct", wxDefaultPosition);
                    frame->SetClientSize(800, 600);
                    auto t0 = Clock::now();
                    // As many controls as the preview makes of the form.
                    createDirectly(frame, std::min(gadgets, int(LivePreview::kMaxGadgets)));
                    frame->Show();
                    made.push_back(seconds(Clock::now() - t0));
                    untilIdle();
                    madeIdle.push_back(seconds(Clock::now() - t0));
                    frame->Destroy();
                    untilIdle();
                }
            }
        }
        auto med = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %8.2f %8.2f %10.1f %10.1f\n", gadgets,
                    med(built) * 1e3, med(builtIdle) * 1e3, med(made) * 1e3, med(madeIdle) * 1e3,
                    med(built) / med(made), med(builtIdle) / med(madeIdle), med(cleanUp) * 1e3,
                    scan * 1e6);
        std::fflush(stdout);
    }
    if (wxFrame* frame = preview.previewFrame()) frame->Destroy();
    mainFrame->Destroy();
    wxEntryCleanup();
    return 0;
}
