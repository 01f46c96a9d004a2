// The window program on a small form and on big generated ones, beside a plain wxWidgets
// program that shows the same controls in one frame (plain_form): time from start until the
// windows are mapped and until the program is idle, CPU used while idle with the pointer still
// (away from the preview, and resting over the active preview), and the time from Escape until
// the process is gone. Programs and anchor alternate, run after run. Needs a display and a
// window manager (tests/with_display.sh) and xdotool. Prints figures; never fails on time.
//   window_idle_bench [--runs R] [--seconds S] [--gadgets N,N,...] [PROGRAM...]
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "x11_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kMainTitle = "Tessaly 0.87";

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void xdotool(const std::string& args) {
    const std::string command = "xdotool " + args + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

struct Figures {
    double mapped = -1;  // ms from start until every window of the program is mapped
    double idle = -1;    // ms from start until the program stops using CPU
    double away = -1;    // CPU % while the pointer rests away from the form window
    double over = -1;    // CPU % while the pointer rests over the active form window
    double quit = -1;    // ms from Escape until the process is gone (the tool only)
};

double cpuPercent(pid_t pid, double seconds) {
    const long before = bench::cpuTicks(pid);
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const long used = bench::cpuTicks(pid) - before;
    return 100.0 * double(used) / double(sysconf(_SC_CLK_TCK)) / (msSince(t0) / 1e3);
}

// One run of `program` on `form` (a tool when it has a main window; the anchor otherwise).
Figures runOnce(Display* display, const std::vector<std::string>& command, const char* formTitle,
                bool tool, double seconds) {
    Figures f;
    const auto start = Clock::now();
    const pid_t pid = bench::spawnQuietly(command);
    if (pid == 0) return f;
    const Window root = DefaultRootWindow(display);
    Window form = 0, main = 0;
    while (msSince(start) < 300e3) {
        form = bench::findShownWindow(display, root, formTitle);
        main = tool ? bench::findShownWindow(display, root, kMainTitle) : form;
        if (form && main) break;
        std::this_thread::sleep_for(2ms);
    }
    f.mapped = msSince(start);
    // Idle: at most one clock tick (10 ms) of CPU in 500 ms; the figure is where that quiet
    // stretch began. A program that never gets there within two minutes reads as 120000.
    std::vector<std::pair<double, long>> samples;  // (ms since start, ticks)
    double lastChange = msSince(start);
    while (msSince(start) < 120e3) {
        std::this_thread::sleep_for(25ms);
        samples.emplace_back(msSince(start), bench::cpuTicks(pid));
        size_t from = samples.size() - 1;
        while (from > 0 && samples.back().first - samples[from - 1].first <= 500) --from;
        if (from > 0 && samples.back().first - samples[from - 1].first > 500 &&
            samples.back().second - samples[from - 1].second <= 1) {
            lastChange = samples[from - 1].first;
            break;
        }
        lastChange = msSince(start);
    }
    f.idle = lastChange;
    if (form && main) {
        xdotool("mousemove 1275 1020 windowactivate --sync " + std::to_string(main));
        std::this_thread::sleep_for(500ms);
        f.away = cpuPercent(pid, seconds);
        xdotool("windowactivate --sync " + std::to_string(form) + " mousemove --window " +
                std::to_string(form) + " 145 112");
        std::this_thread::sleep_for(500ms);
        f.over = cpuPercent(pid, seconds);
    }
    if (tool && main) {
        xdotool("windowactivate --sync " + std::to_string(main));
        std::this_thread::sleep_for(300ms);
        const auto t0 = Clock::now();
        xdotool("key Escape");
        while (msSince(t0) < 10e3 && waitpid(pid, nullptr, WNOHANG) == 0)
            std::this_thread::sleep_for(1ms);
        f.quit = msSince(t0);
    }
    if (kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    return f;
}

std::vector<int> parseList(const std::string& text) {
    std::vector<int> out;
    size_t from = 0;
    while (from <= text.size()) {
        const size_t comma = text.find(',', from);
        out.push_back(std::atoi(text.substr(from, comma - from).c_str()));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    return out;
}

void print(const char* label, const std::vector<Figures>& runs) {
    auto med = [&runs](double Figures::*field) {
        std::vector<double> v;
        for (const Figures& f : runs) v.push_back(f.*field);
        return bench::median(v);
    };
    std::printf("  %-34s %9.0f %9.0f %8.2f %8.2f %9.0f\n", label, med(&Figures::mapped),
                med(&Figures::idle), med(&Figures::away), med(&Figures::over), med(&Figures::quit));
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    double seconds = 10;
    std::vector<int> gadgets = {1000};
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (a == "--gadgets" && i + 1 < argc) {
            gadgets = parseList(argv[++i]);
        } else {
            programs.push_back(a);
        }
    }
    if (programs.empty()) programs.push_back(TESSALY_PROGRAM);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_idle_bench: needs an X display (tests/with_display.sh)\n");
        return 1;
    }
    XSetErrorHandler(bench::ignoreXErrors);
    const std::string dir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";

    struct Case {
        std::string label, form, title;
        int gadgets;
    };
    std::vector<Case> cases = {
        {"small form", TESSALY_SOURCE_DIR "/examples/dialog.pb", "Log in", 0}};
    for (int n : gadgets) {
        const std::string path = dir + "/tessaly-idle-" + std::to_string(n) + ".pb";
        bench::writeMixedForm(path, n, "Big form");
        cases.push_back({std::to_string(n) + " gadgets", path, "Big form", n});
    }
    std::printf("medians of %d runs; CPU over %.0f s with the pointer still\n", runs, seconds);
    std::printf("  %-34s %9s %9s %8s %8s %9s\n", "", "mapped", "idle", "away", "over", "Escape");
    std::printf("  %-34s %9s %9s %8s %8s %9s\n", "", "(ms)", "(ms)", "(% CPU)", "(% CPU)", "(ms)");
    for (const Case& c : cases) {
        std::printf("%s\n", c.label.c_str());
        std::vector<std::vector<Figures>> results(programs.size() + 1);
        for (int r = 0; r < runs; ++r) {
            // Alternate who goes first, so that a busy moment of the machine hits all alike.
            for (size_t k = 0; k <= programs.size(); ++k) {
                const size_t which = (k + size_t(r)) % (programs.size() + 1);
                if (which == programs.size()) {
                    const std::string arg = c.gadgets == 0 ? "--bare" : c.form;
                    results[which].push_back(runOnce(display, {PLAIN_FORM_PROGRAM, arg},
                                                     c.gadgets == 0 ? "bare" : c.title.c_str(),
                                                     false, seconds));
                } else {
                    results[which].push_back(runOnce(display, {programs[which], c.form},
                                                     c.title.c_str(), true, seconds));
                }
            }
        }
        for (size_t k = 0; k < programs.size(); ++k) print(programs[k].c_str(), results[k]);
        print(c.gadgets == 0 ? "anchor: bare wx frame" : "anchor: plain wx, same controls",
              results.back());
    }
    for (const Case& c : cases) {
        if (c.gadgets != 0) std::remove(c.form.c_str());
    }
    XCloseDisplay(display);
    return 0;
}
