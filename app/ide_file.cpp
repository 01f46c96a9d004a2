#include "app/ide_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "form/read_file.h"

namespace fs = std::filesystem;

namespace tessaly {

namespace {

// A name in the file's folder that nothing uses yet, so the rename stays within one file system.
fs::path freshNameBeside(const fs::path& file) {
    std::random_device random;
    for (;;) {
        const fs::path candidate =
            file.parent_path() /
            ("." + file.filename().string() + ".tessaly-" + std::to_string(random()) + ".tmp");
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
}

}  // namespace

bool IdeFile::load(const std::string& path, std::string_view selection, std::string& error) {
    if (!readWholeFile(path, text_, error)) return false;
    path_ = path;
    selected_ = selectedLines(text_, selection);
    return true;
}

std::string IdeFile::code() const {
    return text_.substr(selected_.begin, selected_.end - selected_.begin);
}

bool IdeFile::writeBack(std::string_view code, std::string& error) const {
    std::error_code ec;
    const fs::path target = fs::absolute(path_, ec);
    const fs::path temporary = freshNameBeside(target);
    const std::string text = replaceRange(text_, selected_, code);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = std::strerror(errno);
            return false;
        }
        out.write(text.data(), std::streamsize(text.size()));
        out.close();
        if (!out) {
            error = std::strerror(errno);
            fs::remove(temporary, ec);
            return false;
        }
    }
    // The new file gets the old one's permissions.
    const fs::file_status old = fs::status(target, ec);
    if (!ec) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        error = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace tessaly
