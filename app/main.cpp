#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/platform/process.h"
#ifdef TESSALY_HAS_GUI
#include "app/window_program.h"
#endif

using tessaly::executableDir;

int main(int argc, char** argv) {
    tessaly::connectStandardOutput();
    std::vector<std::string> args(argv + 1, argv + argc);
    const tessaly::CommandLine cl = tessaly::parseCommandLine(args);
#ifdef TESSALY_HAS_GUI
    if (cl.mode == tessaly::CommandLine::Mode::Window) {
        return tessaly::runWindowProgram(cl, executableDir(argv[0]), argv[0], std::cerr);
    }
#endif
    return tessaly::runCommandLine(cl, executableDir(argv[0]), std::cout, std::cerr);
}
