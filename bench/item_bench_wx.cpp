// Items added to one gadget of each kind that takes them (tree, combo box, list view, editor,
// list icon, panel tabs), from reading the form to the preview built and to the toolkit having
// nothing left to do; beside preview_bench_wx, which builds many gadgets. Needs a display
// (tests/with_display.sh). Prints figures (medians of 3); never fails on time.
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/picker_wx.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/live_preview_wx.h"
#include "form/reader.h"
#include "ui/registry_wx.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

class Host : public LivePreviewHost {
  public:
    explicit Host(wxChoice* picker) : picker_(picker) {}
    int32_t appendPickerEntry(const std::string& text, int32_t index) override {
        return batch_.add(text, index);
    }
    void showMessage(const std::string&, const std::string&) override {}
    void installShortcuts(wxTopLevelWindow*) override {}
    void adoptWindow(wxTopLevelWindow*) override {}
    void showNote(const std::string& text) override { note = text; }
    wxChoice* picker_;
    PickerBatch batch_;
    std::string note;
};

class Hooks : public ReadFormHooks {
  public:
    Hooks(LivePreview& preview, Host& host) : preview_(preview), host_(host) {}
    void destroyGadget(int32_t gadget) override { preview_.destroyGadget(gadget); }
    void clearPicker() override { host_.picker_->Clear(); }
    void openDefaultWindow() override { preview_.openDefaultWindow(); }
    void buildPreview(ElementList& list) override {
        host_.batch_.start(int32_t(host_.picker_->GetCount()));
        preview_.build(list);
        host_.batch_.finish(host_.picker_);
    }

  private:
    LivePreview& preview_;
    Host& host_;
};

void untilIdle() {
    GdkDisplay* display = gdk_display_get_default();
    for (int quiet = 0; quiet < 2;) {
        bool any = false;
        while (gtk_events_pending()) {
            gtk_main_iteration_do(FALSE);
            any = true;
        }
        while (wxTheApp->ProcessIdle()) any = true;
        gdk_display_sync(display);
        quiet = any ? 0 : quiet + 1;
    }
}

// A window with one gadget of `call` and `items` items added to it, every third one inserted at
// the front (which costs the most where the toolkit walks to a position).
std::string itemForm(const char* call, int items) {
    std::string out = "OpenWindow(#W, 0, 0, 640, 480, \"Items\")\n";
    out += std::string(call) + "(#G, 10, 10, 600, 440" +
           (std::string(call) == "ListIconGadget" ? ", \"Column\", 200)\n" : ")\n");
    for (int i = 0; i < items; ++i) {
        out += "AddGadgetItem(#G, " + std::string(i % 3 == 2 ? "0" : "-1") + ", \"Item " +
               std::to_string(i) + "\")\n";
    }
    return out;
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under tests/with_display.sh\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxApp::GTKSuppressDiagnostics();
    const KeywordLoad keywords = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    auto* mainFrame = new wxFrame(nullptr, wxID_ANY, "main");
    Host host(createPicker(mainFrame, wxPoint(5, 5), wxSize(270, 26)));
    mainFrame->Show();
    CodeEditorModule module;
    LivePreview preview(host, Registry::instance(), module);
    Hooks hooks(preview, host);
    ElementList list;
    const int counts[] = {1000, 10000};
    const char* calls[] = {"TreeGadget",     "ComboBoxGadget", "ListViewGadget",
                           "EditorGadget",   "ListIconGadget", "PanelGadget"};
    std::printf("ms from reading to built / to idle, medians of 3 (target: 10000 items < 2000)\n");
    std::printf("%-16s %8s %10s %10s  %s\n", "gadget", "items", "built", "idle", "status line");
    // ITEM_BENCH_ONLY=TreeGadget measures one kind.
    const char* only = std::getenv("ITEM_BENCH_ONLY");
    for (const char* call : calls) {
        if (only && std::string(only) != call) continue;
        for (const int items : counts) {
            const CodeText code(itemForm(call, items));
            std::vector<double> built, idle;
            for (int rep = 0; rep < 3; ++rep) {
                host.note.clear();
                const auto t0 = Clock::now();
                readForm(code, keywords.table, list, hooks);
                built.push_back(ms(Clock::now() - t0));
                untilIdle();
                idle.push_back(ms(Clock::now() - t0));
                readForm(CodeText(""), keywords.table, list, hooks);
                untilIdle();
            }
            std::sort(built.begin(), built.end());
            std::sort(idle.begin(), idle.end());
            std::printf("%-16s %8d %10.1f %10.1f  %s\n", call, items, built[1], idle[1],
                        host.note.c_str());
            std::fflush(stdout);
        }
    }
    if (wxFrame* frame = preview.previewFrame()) frame->Destroy();
    mainFrame->Destroy();
    wxEntryCleanup();
    return 0;
}
