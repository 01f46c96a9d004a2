#pragma once

#include <string>

namespace tessaly {

// The process's own place in the system, one implementation per platform (process_posix.cpp,
// process_win32.cpp).

// The folder of the running executable, where the installed keywords.json lies.
std::string executableDir(const char* argv0);

// Gives standard output and error somewhere to go. A Windows window program has no console of its
// own: started from one, it writes to its parent's; output redirected to a file or pipe stays
// there. Nothing to do elsewhere.
void connectStandardOutput();

}  // namespace tessaly
