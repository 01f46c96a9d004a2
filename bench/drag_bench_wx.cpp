// One step of a drag in the preview at 10 and 1,000 gadgets: the pointer moves by one pixel, the
// dragged button follows, its handles and the alignment guides are laid again, and the toolkit
// repaints what that left pending. The buttons stand on a grid, so the dragged one lines up with
// many siblings and the guides are worked out over all of them. Needs a display (run it with
// tests/with_display.sh). Prints figures; never fails on time.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "edit/drag_wx.h"
#include "edit/pages_wx.h"
#include "ui/registry_wx.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

constexpr int kSteps = 200;

void settle() {
    do {
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    } while (wxTheApp->Pending());
}

// The pages and the drag see the element list and nothing else of the program.
class Host : public PagesHost, public DragHost {
  public:
    Host() : pages_(*this) {}
    ElementList list;
    int32_t pressed = 0;

    ElementList& elements() override { return list; }
    void replaceCodeLine(int32_t, const std::string&) override {}
    void setPickerEntryText(int32_t, const std::string&) override {}
    void highlightCodeLine(int32_t, int32_t) override {}
    void setStatus(const std::string&) override {}
    const KeywordTable& keywords() override { return keywords_; }
    NameLookup namesAt(int32_t) override { return {}; }
    void choosePickerEntry(int32_t) override {}
    void readCode(const std::string&) override {}
    EditPages& pages() override { return pages_; }
    int32_t elementAt(int32_t, int32_t) override { return pressed; }
    void choose(int32_t) override {}

  private:
    KeywordTable keywords_;
    EditPages pages_;
};

double medianMs(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2] * 1e3;
}

double measure(int gadgets) {
    Registry& registry = Registry::instance();
    registry.reset();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Drag", wxPoint(0, 0), wxSize(1000, 800));
    registry.addWindow(frame);
    Host host;
    const int columns = 40;
    for (int i = 0; i < gadgets; ++i) {
        const int x = 10 + (i % columns) * 24;
        const int y = 10 + (i / columns) * 30;
        auto* button = new wxButton(frame, wxID_ANY, "B", wxPoint(x, y), wxSize(20, 20));
        sElement& e = host.list.append();
        e.Sort = kSortGadget;
        e.KeyWord = "ButtonGadget";
        e.Gadget = registry.addControl(button);
        for (const std::string v : {"#B", std::to_string(x), std::to_string(y), "20", "20"}) {
            e.Parameters.push_back({"", v, kTypePlain});
        }
    }
    frame->Show();
    settle();
    PreviewDrag drag(host);
    host.pressed = gadgets / 2;
    drag.shown(host.pressed);
    const wxRect start = registry.control(host.list[host.pressed].Gadget)->GetScreenRect();
    const int x0 = start.x + 10;
    const int y0 = start.y + 10;
    drag.press(frame, x0, y0, PointerKeys{});
    drag.motion(x0 + 10, y0, PointerKeys{});  // the drag begins
    settle();
    std::vector<double> steps;
    for (int k = 0; k < kSteps; ++k) {
        const auto t0 = Clock::now();
        drag.motion(x0 + 10 + k % 40, y0 + k % 7, PointerKeys{});
        settle();
        steps.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    const wxPoint moved = registry.control(host.list[host.pressed].Gadget)->GetScreenPosition();
    if (moved == start.GetPosition()) {
        std::fprintf(stderr, "the drag did not move the button\n");
        std::exit(1);
    }
    drag.escape();
    frame->Destroy();
    settle();
    registry.reset();
    return medianMs(steps);
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
    std::printf("one drag step (control moved, handles and guides laid, repaint), median of %d\n",
                kSteps);
    std::printf("%10s %12s\n", "gadgets", "step (ms)");
    for (const int gadgets : {10, 1000}) {
        std::printf("%10d %12.3f\n", gadgets, measure(gadgets));
        std::fflush(stdout);
    }
    std::printf("a frame of a 60 Hz display: 16.7 ms\n");
    wxEntryCleanup();
    return 0;
}
