#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/cli.h"
#ifdef TESSALY_HAS_GUI
#include "app/window_program.h"
#endif

namespace {

// Folder of the running executable, where the installed keywords.json lies.
std::string executableDir(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const tessaly::CommandLine cl = tessaly::parseCommandLine(args);
#ifdef TESSALY_HAS_GUI
    if (cl.mode == tessaly::CommandLine::Mode::Window) {
        return tessaly::runWindowProgram(cl, executableDir(argv[0]), argv[0], std::cerr);
    }
#endif
    return tessaly::runCommandLine(cl, executableDir(argv[0]), std::cout, std::cerr);
}
