// The window program on a small form and on big generated ones, beside a plain wxWidgets
// program that shows the same controls in one frame (plain_form): time from start until the
// windows are mapped and until the program is idle, CPU used while idle with the pointer still
// (away from the preview, and resting over the active preview), and the time from Escape until
// the process is gone. Then Paste of each big form into the tool, twice (the second replaces the
// first): time until the form is shown and until idle, and the longest wait for an answer to the
// window manager's ping while it works. Programs and anchor alternate, run after run. Needs a
// display and a window manager (tests/with_display.sh), xdotool and xclip. Prints figures;
// never fails on time.
//   window_idle_bench [--runs R] [--seconds S] [--patience S] [--gadgets N,N,...] [PROGRAM...]
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "x11_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kMainTitle = "Tessaly 0.87";
double gPatienceMs = 120e3;  // the longest wait for a program to become idle

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void xdotool(const std::string& args) {
    const std::string command = "xdotool " + args + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

struct Figures {
    double first = -1;   // ms from start until the main window (an anchor's frame) is mapped
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

// Idle: at most one clock tick (10 ms) of CPU in 500 ms. Fed CPU samples of a process, it tells
// where the first such quiet stretch began, in ms since `start`.
class IdleWatch {
  public:
    IdleWatch(pid_t pid, Clock::time_point start) : pid_(pid), start_(start) {}
    // Takes one sample; the start of the quiet stretch once there is one, -1 before.
    double sample() {
        samples_.emplace_back(msSince(start_), bench::cpuTicks(pid_));
        size_t from = samples_.size() - 1;
        while (from > 0 && samples_.back().first - samples_[from - 1].first <= 500) --from;
        if (from > 0 && samples_.back().first - samples_[from - 1].first > 500 &&
            samples_.back().second - samples_[from - 1].second <= 1) {
            return samples_[from - 1].first;
        }
        return -1;
    }

  private:
    pid_t pid_;
    Clock::time_point start_;
    std::vector<std::pair<double, long>> samples_;  // (ms since start, ticks)
};

// The ms since `start` at which the program became idle. One that never gets there within the
// patience (--patience S, two minutes unless set) reads as that.
double waitUntilIdle(pid_t pid, Clock::time_point start) {
    IdleWatch watch(pid, start);
    while (msSince(start) < gPatienceMs) {
        std::this_thread::sleep_for(25ms);
        if (const double idle = watch.sample(); idle >= 0) return idle;
    }
    return msSince(start);
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
        if (main && f.first < 0) f.first = msSince(start);
        if (form && main) break;
        std::this_thread::sleep_for(2ms);
    }
    f.mapped = msSince(start);
    f.idle = waitUntilIdle(pid, start);
    if (form && main) {
        // The main window stays on top and may cover the form: it goes to the top left-hand
        // corner, the form to the bottom right-hand one, and the pointer rests on the form near
        // its bottom right-hand corner, or in the top right-hand corner of the screen, away.
        const int screenW = DisplayWidth(display, DefaultScreen(display));
        const int screenH = DisplayHeight(display, DefaultScreen(display));
        XWindowAttributes a{};
        XGetWindowAttributes(display, form, &a);
        if (tool) xdotool("windowmove --sync " + std::to_string(main) + " 0 0");
        xdotool("windowmove --sync " + std::to_string(form) + " " +
                std::to_string(screenW - a.width - 10) + " " +
                std::to_string(screenH - a.height - 10));
        xdotool("mousemove " + std::to_string(screenW - 5) + " 5 windowactivate --sync " +
                std::to_string(main));
        std::this_thread::sleep_for(500ms);
        f.away = cpuPercent(pid, seconds);
        xdotool("windowactivate --sync " + std::to_string(form) + " mousemove --window " +
                std::to_string(form) + " " + std::to_string(a.width - 12) + " " +
                std::to_string(a.height - 12));
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

// Pings a window as a window manager does (_NET_WM_PING, answered by the toolkit as soon as its
// loop runs) on a connection of its own, and keeps the longest wait for an answer.
class Pinger {
  public:
    explicit Pinger(Window window) : display_(XOpenDisplay(nullptr)), window_(window) {
        if (!display_) return;
        XSetErrorHandler(bench::ignoreXErrors);
        // Answers go to the root window, to those who listen for its children's changes.
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
        ping_ = XInternAtom(display_, "_NET_WM_PING", False);
    }
    ~Pinger() {
        if (display_) XCloseDisplay(display_);
    }
    Pinger(const Pinger&) = delete;
    Pinger& operator=(const Pinger&) = delete;

    // Sends one ping and takes in the answers that have come.
    void beat() {
        if (!display_) return;
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window_;
        e.xclient.message_type = protocols_;
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(ping_);
        e.xclient.data.l[1] = long(kFirstStamp + sentAt_.size());
        e.xclient.data.l[2] = long(window_);
        sentAt_.push_back(Clock::now());
        XSendEvent(display_, window_, False, NoEventMask, &e);
        XFlush(display_);
        while (XPending(display_) > 0) {
            XNextEvent(display_, &e);
            if (e.type != ClientMessage || e.xclient.message_type != protocols_ ||
                Atom(e.xclient.data.l[0]) != ping_) {
                continue;
            }
            const long k = e.xclient.data.l[1] - kFirstStamp;
            if (k < 0 || size_t(k) >= sentAt_.size() || answered_.count(k)) continue;
            answered_.insert(k);
            longest_ = std::max(longest_, msBetween(sentAt_[size_t(k)], Clock::now()));
        }
    }
    // The longest wait in ms; a ping not answered yet has waited until now.
    double longestWait() const {
        double longest = longest_;
        for (size_t k = 0; k < sentAt_.size(); ++k) {
            if (!answered_.count(long(k))) longest = std::max(longest, msSince(sentAt_[k]));
        }
        return longest;
    }

  private:
    static constexpr long kFirstStamp = 0x54000000;
    static double msBetween(Clock::time_point a, Clock::time_point b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    }
    Display* display_;
    Window window_;
    Atom protocols_ = 0, ping_ = 0;
    std::vector<Clock::time_point> sentAt_;
    std::set<long> answered_;
    double longest_ = 0;
};

struct PasteFigures {
    double shown = -1;  // ms from the click on Paste until the form's window shows its title
    double idle = -1;   // ms from the click until the program is idle again
    double stall = -1;  // the longest wait in ms for an answer to a ping, from click to idle
};

// Puts the form on the clipboard, clicks Paste in the tool's main window, and pings the main
// window every 10 ms until the program is idle again.
PasteFigures pasteOnce(Display* display, pid_t pid, Window main, const std::string& form,
                       const char* title) {
    PasteFigures f;
    const pid_t xclip = bench::spawnQuietly({"xclip", "-quiet", "-selection", "clipboard", form});
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Window before = XGetSelectionOwner(display, clipboard);
    for (int i = 0; i < 200 && XGetSelectionOwner(display, clipboard) == before; ++i)
        std::this_thread::sleep_for(10ms);
    // Paste sits in the bottom left-hand corner of the main window.
    XWindowAttributes a{};
    XGetWindowAttributes(display, main, &a);
    xdotool("windowactivate --sync " + std::to_string(main) + " mousemove --window " +
            std::to_string(main) + " 45 " + std::to_string(a.height - 19) + " click 1");
    const auto start = Clock::now();
    Pinger pinger(main);
    const Window root = DefaultRootWindow(display);
    IdleWatch watch(pid, start);
    while (msSince(start) < gPatienceMs) {
        pinger.beat();
        std::this_thread::sleep_for(10ms);
        if (f.shown < 0 && bench::findShownWindow(display, root, title)) f.shown = msSince(start);
        const double idle = watch.sample();
        if (f.shown >= 0 && idle >= 0) {
            f.idle = idle;
            break;
        }
    }
    f.stall = pinger.longestWait();
    if (xclip != 0 && kill(xclip, SIGKILL) == 0) waitpid(xclip, nullptr, 0);
    return f;
}

// The tool started with an empty code view; the form pasted, then a second one of the same size
// pasted over it (its window keeps the first one's and takes the second title).
std::vector<PasteFigures> pasteRun(Display* display, const std::string& program,
                                   const std::string& first, const std::string& second) {
    std::vector<PasteFigures> out;
    const auto start = Clock::now();
    const pid_t pid = bench::spawnQuietly({program});
    if (pid == 0) return out;
    Window main = 0;
    while (!main && msSince(start) < 60e3) {
        main = bench::findShownWindow(display, DefaultRootWindow(display), kMainTitle);
        std::this_thread::sleep_for(2ms);
    }
    if (main) {
        waitUntilIdle(pid, start);
        out.push_back(pasteOnce(display, pid, main, first, "Big form"));
        out.push_back(pasteOnce(display, pid, main, second, "Big form again"));
    }
    if (kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    return out;
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
    std::printf("  %-34s %9.0f %9.0f %9.0f %8.2f %8.2f %9.0f\n", label, med(&Figures::first),
                med(&Figures::mapped), med(&Figures::idle), med(&Figures::away),
                med(&Figures::over), med(&Figures::quit));
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
        } else if (a == "--patience" && i + 1 < argc) {
            gPatienceMs = std::atof(argv[++i]) * 1e3;
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

    // Who runs on a case: the tools, then the anchors (plain wx programs, never quitting).
    struct Contender {
        std::string label;
        std::vector<std::string> command;
        std::string title;  // of the form's window
        bool tool;
    };
    struct Case {
        std::string label, form, title;
        int gadgets;
        std::vector<Contender> anchors;
    };
    const std::string dialog = TESSALY_SOURCE_DIR "/examples/dialog.pb";
    std::vector<Case> cases = {
        {"small form",
         dialog,
         "Log in",
         0,
         {{"anchor: bare wx frame", {PLAIN_FORM_PROGRAM, "--bare"}, "bare", false},
          {"anchor: wx frame, 30 controls",
           {PLAIN_FORM_PROGRAM, "--controls", "30"},
           "bare",
           false}}}};
    for (int n : gadgets) {
        const std::string path = dir + "/tessaly-idle-" + std::to_string(n) + ".pb";
        bench::writeMixedForm(path, n, "Big form");
        // The anchor makes as many controls as the tool's preview does.
        cases.push_back({std::to_string(n) + " gadgets",
                         path,
                         "Big form",
                         n,
                         {{"anchor: plain wx, the controls shown",
                           {PLAIN_FORM_PROGRAM, "--capped", path},
                           "Big form",
                           false}}});
    }
    std::printf("medians of %d runs; CPU over %.0f s with the pointer still\n", runs, seconds);
    std::printf("  %-34s %9s %9s %9s %8s %8s %9s\n", "", "main", "all", "idle", "away", "over",
                "Escape");
    std::printf("  %-34s %9s %9s %9s %8s %8s %9s\n", "", "mapped", "mapped", "(ms)", "(% CPU)",
                "(% CPU)", "(ms)");
    std::printf("  %-34s %9s %9s\n", "", "(ms)", "(ms)");
    for (const Case& c : cases) {
        std::printf("%s\n", c.label.c_str());
        std::vector<Contender> contenders;
        for (const std::string& p : programs) contenders.push_back({p, {p, c.form}, c.title, true});
        contenders.insert(contenders.end(), c.anchors.begin(), c.anchors.end());
        std::vector<std::vector<Figures>> results(contenders.size());
        for (int r = 0; r < runs; ++r) {
            // Alternate who goes first, so that a busy moment of the machine hits all alike.
            for (size_t k = 0; k < contenders.size(); ++k) {
                const size_t which = (k + size_t(r)) % contenders.size();
                const Contender& who = contenders[which];
                results[which].push_back(
                    runOnce(display, who.command, who.title.c_str(), who.tool, seconds));
            }
        }
        for (size_t k = 0; k < contenders.size(); ++k)
            print(contenders[k].label.c_str(), results[k]);
    }
    std::printf("Paste into the tool (started empty), then a form of the same size over it\n");
    std::printf("  %-34s %9s %9s %11s\n", "", "shown", "idle", "longest");
    std::printf("  %-34s %9s %9s %11s\n", "", "(ms)", "(ms)", "stall (ms)");
    for (const Case& c : cases) {
        if (c.gadgets == 0) continue;
        const std::string again = dir + "/tessaly-idle-again-" + std::to_string(c.gadgets) + ".pb";
        bench::writeMixedForm(again, c.gadgets, "Big form again");
        for (const std::string& program : programs) {
            std::vector<std::vector<PasteFigures>> rounds(2);
            for (int r = 0; r < runs; ++r) {
                const std::vector<PasteFigures> run = pasteRun(display, program, c.form, again);
                for (size_t k = 0; k < run.size() && k < 2; ++k) rounds[k].push_back(run[k]);
            }
            const char* labels[] = {"into the empty tool", "over the first"};
            for (size_t k = 0; k < 2; ++k) {
                auto med = [&rounds, k](double PasteFigures::*field) {
                    std::vector<double> v;
                    for (const PasteFigures& f : rounds[k]) v.push_back(f.*field);
                    return bench::median(v);
                };
                const std::string label = c.label + ", " + labels[k];
                std::printf("  %-34s %9.0f %9.0f %11.0f\n", label.c_str(),
                            med(&PasteFigures::shown), med(&PasteFigures::idle),
                            med(&PasteFigures::stall));
            }
        }
        std::remove(again.c_str());
    }
    for (const Case& c : cases) {
        if (c.gadgets != 0) std::remove(c.form.c_str());
    }
    XCloseDisplay(display);
    return 0;
}
