#include <filesystem>
#include <system_error>

#include "app/platform/process.h"

namespace tessaly {

std::string executableDir(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

void connectStandardOutput() {}

}  // namespace tessaly
