#include "form/read_file.h"

#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "form/wide_path.h"

namespace tessaly {

namespace {

// The reason a file of this status is not read, empty when it may be.
std::string refusal(const struct _stat64& st) {
    if (st.st_mode & _S_IFDIR) return "is a folder, not a file";
    if (!(st.st_mode & _S_IFREG)) return "is not a regular file (a device or pipe)";
    if (std::uint64_t(st.st_size) > kMaxFileSize) return "is larger than 256 MiB";
    return {};
}

struct File {
    FILE* f;
    ~File() {
        if (f) std::fclose(f);
    }
};

}  // namespace

bool checkReadableFile(const std::string& path, std::string& error) {
    struct _stat64 st {};
    if (_wstat64(widePath(path).c_str(), &st) != 0) {
        error = std::strerror(errno);
        return false;
    }
    error = refusal(st);
    return error.empty();
}

bool readWholeFile(const std::string& path, std::string& contents, std::string& error) {
    if (!checkReadableFile(path, error)) return false;
    const File file{_wfopen(widePath(path).c_str(), L"rb")};
    if (!file.f) {
        error = std::strerror(errno);
        return false;
    }
    // The file may have changed since the check, or grow while it is read.
    std::string buffer;
    char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.f)) > 0;) {
        if (buffer.size() + n > kMaxFileSize) {
            error = "is larger than 256 MiB";
            return false;
        }
        buffer.append(chunk, n);
    }
    if (std::ferror(file.f)) {
        error = std::strerror(errno);
        return false;
    }
    contents = std::move(buffer);
    return true;
}

}  // namespace tessaly
