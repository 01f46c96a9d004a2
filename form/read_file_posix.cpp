#include "form/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessaly {

namespace {

// The reason a file of this status is not read, empty when it may be.
std::string refusal(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return "is a folder, not a file";
    if (!S_ISREG(st.st_mode)) return "is not a regular file (a device, pipe or socket)";
    if (std::uint64_t(st.st_size) > kMaxFileSize) return "is larger than 256 MiB";
    return {};
}

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

bool checkReadableFile(const std::string& path, std::string& error) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        error = std::strerror(errno);
        return false;
    }
    error = refusal(st);
    return error.empty();
}

bool readWholeFile(const std::string& path, std::string& contents, std::string& error) {
    if (!checkReadableFile(path, error)) return false;
    // Opening without blocking: the file may have been replaced by a pipe since the check.
    const FileDescriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // The same checks on what was opened, then a read that stops past the limit: the file may
    // have changed in between, or grow while it is read.
    struct stat st {};
    if (fstat(file.fd, &st) != 0) {
        error = std::strerror(errno);
        return false;
    }
    error = refusal(st);
    if (!error.empty()) return false;
    std::string buffer;
    buffer.reserve(size_t(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(file.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (n == 0) break;
        if (buffer.size() + size_t(n) > kMaxFileSize) {
            error = "is larger than 256 MiB";
            return false;
        }
        buffer.append(chunk, size_t(n));
    }
    contents = std::move(buffer);
    return true;
}

}  // namespace tessaly
