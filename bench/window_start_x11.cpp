// Program start: time from starting `tessaly FILE` until its main window is shown on the X
// display, for an empty code view and for a 1,000-line form, and resident memory once shown.
// Needs a display: run it as tests/with_display.sh build/bench/window_start_bench.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "x11_support.h"

namespace {

using Clock = std::chrono::steady_clock;

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

struct Run {
    double milliseconds = -1;
    long rssKb = -1;
};

Run startOnce(Display* display, const std::string& program, const std::string& form) {
    std::string arg0 = program;
    std::string arg1 = form;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0) return run;
    const auto deadline = start + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        if (bench::findShownWindow(display, DefaultRootWindow(display), "Tessaly 0.87")) {
            run.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // Let start-up settle before reading the memory it holds.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    run.rssKb = residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

std::string writeForm(const std::string& path, int lines) {
    std::ofstream out(path, std::ios::binary);
    if (lines > 0) out << "OpenWindow(#Win, 0, 0, 800, 600, \"Big\", #PB_Window_SystemMenu)\n";
    for (int i = 1; i < lines; ++i) {
        out << "ButtonGadget(#Button_" << i << ", " << (i % 40) * 20 << ", " << (i / 40) * 24
            << ", 18, 22, \"B" << i << "\")\n";
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : TESSALY_PROGRAM;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_start_bench: needs an X display (tests/with_display.sh)\n");
        return 1;
    }
    XSetErrorHandler(bench::ignoreXErrors);
    const std::string dir = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    const struct {
        const char* label;
        int lines;
    } cases[] = {{"empty code view", 0}, {"1,000-line form", 1000}};
    std::printf("program start to main window shown, median of %d runs\n", runs);
    for (const auto& c : cases) {
        const std::string form =
            writeForm(dir + "/tessaly-bench-" + std::to_string(getpid()) + ".pb", c.lines);
        std::vector<double> times, rss;
        for (int i = 0; i < runs; ++i) {
            const Run r = startOnce(display, program, form);
            times.push_back(r.milliseconds);
            rss.push_back(double(r.rssKb));
        }
        std::remove(form.c_str());
        std::printf("  %-16s  %8.1f ms   resident %7.0f KiB  (min %.1f, max %.1f ms)\n", c.label,
                    bench::median(times), bench::median(rss),
                    *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()));
    }
    XCloseDisplay(display);
    return 0;
}
