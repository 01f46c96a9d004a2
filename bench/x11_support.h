// Helpers of the benchmarks that start a program and watch its windows on the X display.
#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

// The viewable top-level window titled `title` below w, 0 when there is none.
inline Window findShownWindow(Display* display, Window w, const char* title) {
    XWindowAttributes attributes;
    char* name = nullptr;
    if (XFetchName(display, w, &name) && name) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match && XGetWindowAttributes(display, w, &attributes) &&
            attributes.map_state == IsViewable) {
            return w;
        }
    }
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, w, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = findShownWindow(display, children[i], title);
    if (children) XFree(children);
    return found;
}

// Windows come and go while the tree is walked; a vanished one is simply not the one we want.
inline int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

// Starts a program with its standard error sent to /dev/null; 0 when it cannot be started.
inline pid_t spawnQuietly(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : 0;
}

// CPU time (user + system, all threads) the process has used so far, in clock ticks.
inline long cpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t close = all.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(all.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    // Fields from the state (3rd) on; utime and stime are the 14th and 15th.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

inline double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A form of a window line and `gadgets` gadgets of five common kinds, written to `path`.
inline std::string writeMixedForm(const std::string& path, int gadgets, const char* title) {
    std::ofstream out(path, std::ios::binary);
    out << "OpenWindow(#Window_0, 0, 0, 820, 640, \"" << title << "\", #PB_Window_SystemMenu)\n";
    static const char* kCalls[] = {"ButtonGadget", "TextGadget", "StringGadget", "CheckBoxGadget",
                                   "ListViewGadget"};
    for (int i = 0; i < gadgets; ++i) {
        const int x = (i % 8) * 100;
        const int y = (i / 8) % 24 * 25;
        const char* call = kCalls[i % 5];
        out << call << "(#G" << i << ", " << x << ", " << y << ", 90, 25";
        if (i % 5 != 4) out << ", \"" << (call + 0) << "\"";
        out << ")\n";
    }
    return path;
}

}  // namespace bench
