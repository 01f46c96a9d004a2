// Filling the element picker (a drop-down list) with n entries: a plain wxChoice with one Append
// per entry, as a reading did before, and with one batch, against the program's picker (one
// batch, the list detached while it fills, only the shown entry measured); then the cost of one
// size request of the filled drop-down, which the toolkit makes each time the window is laid out.
// Needs a display (tests/with_display.sh). Prints figures; never fails on time.
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

#include "app/compact_style_wx.h"
#include "app/picker_wx.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

enum class Fill { OneByOne, Batch, Picker };

struct Result {
    double fill = 0;     // appending the entries
    double settle = 0;   // the events and layout that follow, until the toolkit is idle
    double request = 0;  // one more size request of the filled drop-down
};

// Handles events until none is left, also none on its way from the X server.
void settle() {
    for (int quiet = 0; quiet < 2;) {
        bool any = false;
        while (gtk_events_pending()) {
            gtk_main_iteration_do(FALSE);
            any = true;
        }
        gdk_display_sync(gdk_display_get_default());
        quiet = any ? 0 : quiet + 1;
    }
}

Result run(wxFrame* frame, Fill how, int n) {
    wxChoice* picker = how == Fill::Picker
                           ? createPicker(frame, wxPoint(10, 10), wxSize(270, 26))
                           : new wxChoice(frame, wxID_ANY, wxPoint(10, 10), wxSize(270, 26));
    makeCompact(picker);
    settle();
    Result r;
    auto t0 = Clock::now();
    if (how == Fill::OneByOne) {
        for (int i = 0; i < n; ++i) {
            picker->Append(wxString::Format("#Gadget_%d :: ButtonGadget", i),
                           reinterpret_cast<void*>(intptr_t(i)));
        }
    } else {
        PickerBatch batch;
        batch.start(0);
        for (int i = 0; i < n; ++i)
            batch.add("#Gadget_" + std::to_string(i) + " :: ButtonGadget", i);
        batch.finish(picker);
    }
    picker->SetSelection(0);
    r.fill = ms(Clock::now() - t0);
    t0 = Clock::now();
    settle();
    r.settle = ms(Clock::now() - t0);
    auto* widget = static_cast<GtkWidget*>(picker->GetHandle());
    t0 = Clock::now();
    gtk_widget_queue_resize(widget);
    int minimum = 0, natural = 0;
    gtk_widget_get_preferred_width(widget, &minimum, &natural);
    r.request = ms(Clock::now() - t0);
    picker->Destroy();
    settle();
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under tests/with_display.sh\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::vector<int> sizes =
        argc > 1 ? std::vector<int>{std::atoi(argv[1])} : std::vector<int>{1000, 2000, 4000, 5000};
    auto* frame = new wxFrame(nullptr, wxID_ANY, "picker", wxDefaultPosition, wxSize(400, 200));
    frame->Show();
    settle();
    const char* names[] = {"wxChoice, one by one", "wxChoice, one batch", "the picker, one batch"};
    std::printf("%7s  %-24s %12s %12s %14s\n", "entries", "fill", "fill (ms)", "settle (ms)",
                "request (ms)");
    for (int n : sizes) {
        // Median of three, the kinds alternating, so that a busy moment hits all of them alike.
        std::vector<Result> results[3];
        for (int rep = 0; rep < 3; ++rep) {
            for (int k = 0; k < 3; ++k) {
                const int kind = (k + rep) % 3;
                if (argc > 2 && kind != std::atoi(argv[2])) continue;
                results[kind].push_back(run(frame, Fill(kind), n));
            }
        }
        for (int kind = 0; kind < 3; ++kind) {
            if (results[kind].empty()) continue;
            auto median = [&](double Result::*field) {
                std::vector<double> v;
                for (const Result& r : results[kind]) v.push_back(r.*field);
                std::sort(v.begin(), v.end());
                return v[v.size() / 2];
            };
            std::printf("%7d  %-24s %12.1f %12.1f %14.2f\n", n, names[kind], median(&Result::fill),
                        median(&Result::settle), median(&Result::request));
        }
    }
    frame->Destroy();
    wxEntryCleanup();
    return 0;
}
