// One step of a drag in the preview at 10 and 1,000 gadgets: the pointer moves, the dragged
// button follows, its handles and the alignment guides are laid again, and the toolkit lays out
// and paints the frame that shows it. The second figure is the processor time of all that (the
// wait for the display's next frame costs none): under 16.7 ms the drag keeps up with 60 Hz. The
// buttons stand on a grid, so the dragged one lines up with many siblings and the guides are worked
// out over all of them. Needs a display (run it with tests/with_display.sh). Prints figures; never
// fails on time.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double medianMs(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2] * 1e3;
}

struct Figures {
    double step = 0;  // the step itself: control moved, handles and guides laid, ms
    double work = 0;  // processor time of the step, the layout and the repaint, ms
};

Figures measure(int gadgets) {
    Registry& registry = Registry::instance();
    registry.reset();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Drag", wxPoint(0, 0), wxSize(1000, 1000));
    registry.addWindow(frame);
    Host host;
    const int columns = 25;
    for (int i = 0; i < gadgets; ++i) {
        const int x = 10 + (i % columns) * 38;
        const int y = 10 + (i / columns) * 24;  // 40 rows of 25 at 1,000
        auto* button = new wxButton(frame, wxID_ANY, "B", wxPoint(x, y), wxSize(36, 22));
        sElement& e = host.list.append();
        e.Sort = kSortGadget;
        e.KeyWord = "ButtonGadget";
        e.Gadget = registry.addControl(button);
        for (const std::string& v :
             std::vector<std::string>{"#B", std::to_string(x), std::to_string(y), "36", "22"}) {
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
    // Paints are counted where GTK reports them: after each frame it drew.
    int paints = 0;
    GdkFrameClock* clock = gtk_widget_get_frame_clock(frame->GetHandle());
    g_signal_connect(clock, "after-paint",
                     G_CALLBACK(+[](GdkFrameClock*, gpointer n) { ++*static_cast<int*>(n); }),
                     &paints);
    std::vector<double> steps;
    std::vector<double> work;
    wxWindow* dragged = registry.control(host.list[host.pressed].Gadget);
    for (int k = 0; k < kSteps; ++k) {
        const wxPoint before = dragged->GetPosition();
        const int paintsBefore = paints;
        const double cpu0 = cpuSeconds();
        const auto t0 = Clock::now();
        drag.motion(x0 + 10 + k % 40, y0 + k % 7, PointerKeys{});
        steps.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
        // A step that moved the button is done once the frame showing it is drawn (a guide may
        // hold it still for a few pixels: then there is nothing to draw).
        const auto end = Clock::now() + std::chrono::seconds(1);
        while (dragged->GetPosition() != before && paints == paintsBefore && Clock::now() < end) {
            g_main_context_iteration(nullptr, TRUE);
        }
        work.push_back(cpuSeconds() - cpu0);
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
    return {medianMs(steps), medianMs(work)};
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
    std::printf("%10s %12s %30s\n", "gadgets", "step (ms)", "step + layout + paint (CPU ms)");
    for (const int gadgets : {10, 1000}) {
        const Figures f = measure(gadgets);
        std::printf("%10d %12.3f %30.3f\n", gadgets, f.step, f.work);
        std::fflush(stdout);
    }
    std::printf("a frame of a 60 Hz display: 16.7 ms\n");
    wxEntryCleanup();
    return 0;
}
