// Building the preview of generated forms against creating the same wxWidgets controls directly,
// and one hover scan over the real controls. Needs a display (run it under xvfb-run). Prints
// figures; never fails on time.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/hover.h"
#include "ui/registry_wx.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/live_preview_wx.h"
#include "form/reader.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

class NullHost : public LivePreviewHost {
  public:
    int32_t appendPickerEntry(const std::string&, int32_t) override { return entries_++; }
    void showMessage(const std::string&, const std::string&) override {}
    void installShortcuts(wxTopLevelWindow*) override {}
    void adoptWindow(wxTopLevelWindow*) override {}
    void showNote(const std::string&) override {}
    void reset() { entries_ = 0; }

  private:
    int32_t entries_ = 0;
};

class Hooks : public ReadFormHooks {
  public:
    explicit Hooks(LivePreview& preview) : preview_(preview) {}
    void destroyGadget(int32_t gadget) override { preview_.destroyGadget(gadget); }
    void openDefaultWindow() override { preview_.openDefaultWindow(); }
    void buildPreview(ElementList& list) override { preview_.build(list); }

  private:
    LivePreview& preview_;
};

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
    NullHost host;
    CodeEditorModule module;
    LivePreview preview(host, Registry::instance(), module);
    Hooks hooks(preview);
    ElementList list;

    // The first control of each kind pays for the toolkit's one-time set-up: not part of either.
    auto* warmUp = new wxFrame(nullptr, wxID_ANY, "warm-up");
    createDirectly(warmUp, 10);
    warmUp->Destroy();

    std::printf("%10s %14s %14s %8s %16s\n", "gadgets", "preview (ms)", "direct (ms)", "ratio",
                "hover scan (us)");
    for (int gadgets : {100, 1000}) {
        const CodeText code(generateForm(gadgets));
        host.reset();
        auto t0 = Clock::now();
        readForm(code, keywords.table, list, hooks);
        const double built = seconds(Clock::now() - t0);

        Registry& registry = Registry::instance();
        const GadgetRect rectOf = [&registry](int32_t n) -> std::optional<Rect> {
            const wxWindow* w = registry.control(n);
            if (!w) return std::nullopt;
            return Rect{w->GetPosition().x, w->GetPosition().y, w->GetSize().x, w->GetSize().y};
        };
        constexpr int kScans = 200;
        HoverState state;
        t0 = Clock::now();
        for (int s = 0; s < kScans; ++s) updateHover(state, 1 + s % 800, s % 600, list, rectOf);
        const double scan = seconds(Clock::now() - t0) / kScans;

        auto* frame = new wxFrame(nullptr, wxID_ANY, "direct");
        t0 = Clock::now();
        createDirectly(frame, gadgets);
        const double direct = seconds(Clock::now() - t0);
        frame->Destroy();

        std::printf("%10d %14.2f %14.2f %8.2f %16.1f\n", gadgets, built * 1e3, direct * 1e3,
                    built / direct, scan * 1e6);
    }
    if (wxFrame* frame = preview.previewFrame()) frame->Destroy();
    wxEntryCleanup();
    return 0;
}
