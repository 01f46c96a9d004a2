#pragma once

#include <iosfwd>
#include <string>

#include "app/cli.h"

namespace tessaly {

// Runs the window program for `tessaly [FILE]` and returns the exit status: 0 after a normal
// quit, 1 when there is no display to open the window on, 2 when FILE cannot be read.
// Messages go to `err`. Defined only in builds with the window layer.
int runWindowProgram(const CommandLine& cl, const std::string& exeDir, const char* argv0,
                     std::ostream& err);

}  // namespace tessaly
