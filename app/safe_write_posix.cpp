#include "app/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace tessaly {

namespace {

constexpr int kMaxLinkHops = 40;  // as the system's own lookup allows

WriteResult failure(std::string error) {
    return {WriteWay::None, std::move(error)};
}

WriteResult failureOf(int error) {
    return failure(std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
    // Closes now and reports a failed close (a delayed write error shows up here).
    int closeNow() {
        const int result = close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }
};

int writeAllAt(int fd, std::string_view bytes, off_t offset) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            pwrite(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += size_t(n);
    }
    return 0;
}

// The file a path names once every symbolic link on the way is followed; the path itself when it
// is no link (or names nothing yet). A link to nothing names the file it would create.
bool followLinks(const std::string& path, std::string& target, std::string& error) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = current.string();
            return true;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    error = std::strerror(ELOOP);
    return false;
}

// The reason a file of this status cannot be written, empty when it can.
std::string refusal(const std::string& path, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return "is a folder, not a file";
    if (!S_ISREG(st.st_mode)) return "is not a regular file (a device, pipe or socket)";
    // Read-only for everybody: the super-user, whom the system would let write, leaves it alone.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return "the file is read-only";
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return std::strerror(errno);
    return {};
}

// Overwrites the file itself. Its room is reserved before the first byte changes, so a full disk
// stops the write before it starts; a write that fails later puts the old contents back.
WriteResult writeInPlace(const std::string& target, const struct stat& st, std::string_view bytes) {
    Descriptor file(open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (file.fd < 0) return failureOf(errno);
    struct stat now {};
    if (fstat(file.fd, &now) != 0) return failureOf(errno);
    if (now.st_dev != st.st_dev || now.st_ino != st.st_ino || !S_ISREG(now.st_mode)) {
        return failure("the file was replaced while it was being written");
    }
    // The old contents, to put back should a write fail.
    std::string old(size_t(now.st_size), '\0');
    for (size_t done = 0; done < old.size();) {
        const ssize_t n = pread(file.fd, old.data() + done, old.size() - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failureOf(errno);
        if (n == 0) {
            old.resize(done);
            break;
        }
        done += size_t(n);
    }
    if (bytes.size() > old.size()) {
        const int reserved =
            posix_fallocate(file.fd, off_t(old.size()), off_t(bytes.size() - old.size()));
        // File systems that cannot reserve room are written without it.
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            return failureOf(reserved);
        }
    }
    int failed = writeAllAt(file.fd, bytes, 0);
    if (!failed && ftruncate(file.fd, off_t(bytes.size())) != 0) failed = errno;
    if (!failed && fsync(file.fd) != 0) failed = errno;
    if (failed) {
        if (writeAllAt(file.fd, old, 0) == 0 && ftruncate(file.fd, off_t(old.size())) == 0) {
            fsync(file.fd);
            return failureOf(failed);
        }
        return failure(std::string(std::strerror(failed)) +
                       "; the file could not be restored and may be incomplete");
    }
    if (const int closed = file.closeNow()) return failureOf(closed);
    return {WriteWay::InPlace, {}};
}

// Why a replacement was given up before the file was touched; `inPlaceInstead` when writing the
// file in place would keep it what it is.
struct Replacement {
    WriteResult result;
    bool inPlaceInstead = false;
};

Replacement replaceByRename(const std::string& target, const struct stat* old,
                            std::string_view bytes) {
    const fs::path file(target);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
    const size_t nameMax = limit > 0 ? size_t(limit) : 255;
    std::random_device random;
    // Readable by nobody but this user until the owner and permissions are the old file's.
    const mode_t startMode = old ? (old->st_mode & S_IRWXU) | S_IWUSR : 0600;
    fs::path temporary;
    Descriptor out;
    for (int attempt = 0; attempt < 100 && out.fd < 0; ++attempt) {
        temporary = folder / temporaryName(file.filename().string(), nameMax, random());
        out.fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      startMode);
        if (out.fd < 0 && errno != EEXIST) break;
    }
    if (out.fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return {failure("the folder '" + folder.string() + "' does not exist"), false};
        }
        // A folder that takes no new file may still hold a file this user may write.
        return {failureOf(error), old && (error == EACCES || error == EPERM)};
    }
    const auto giveUp = [&](int error, bool inPlace = false) {
        unlink(temporary.c_str());
        return Replacement{failureOf(error), inPlace};
    };
    if (old) {
        // Only the super-user gives a file away; a group of the user's own is allowed too.
        if ((old->st_uid != geteuid() || old->st_gid != getegid()) &&
            fchown(out.fd, old->st_uid, old->st_gid) != 0) {
            return giveUp(errno, true);
        }
        if (fchmod(out.fd, old->st_mode & 07777) != 0) return giveUp(errno);
    } else {
        // A new file gets the permissions any new file of this user gets.
        const mode_t mask = umask(0);
        umask(mask);
        if (fchmod(out.fd, 0666 & ~mask) != 0) return giveUp(errno);
    }
    if (const int error = writeAllAt(out.fd, bytes, 0)) return giveUp(error);
    if (fsync(out.fd) != 0) return giveUp(errno);
    if (const int error = out.closeNow()) return giveUp(error);
    if (rename(temporary.c_str(), target.c_str()) != 0) return giveUp(errno);
    // The rename itself is on disk once the folder is.
    Descriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) fsync(dir.fd);
    return {{WriteWay::Replaced, {}}, false};
}

}  // namespace

std::string temporaryName(std::string_view fileName, size_t nameMax, uint32_t random) {
    char tail[32];
    std::snprintf(tail, sizeof tail, ".tessaly-%08x.tmp", unsigned(random));
    const size_t room = nameMax > std::strlen(tail) + 1 ? nameMax - std::strlen(tail) - 1 : 0;
    size_t keep = std::min(room, fileName.size());
    // Not in the middle of a UTF-8 character.
    while (keep > 0 && keep < fileName.size() && (fileName[keep] & 0xC0) == 0x80) --keep;
    return "." + std::string(fileName.substr(0, keep)) + tail;
}

WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    std::string target;
    std::string error;
    if (!followLinks(path, target, error)) return failure(error);
    struct stat st {};
    if (stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return failureOf(errno);
        return replaceByRename(target, nullptr, bytes).result;
    }
    error = refusal(target, st);
    if (!error.empty()) return failure(error);
    // A rename would split the file from its other names.
    if (st.st_nlink > 1) return writeInPlace(target, st, bytes);
    Replacement replaced = replaceByRename(target, &st, bytes);
    if (replaced.inPlaceInstead) return writeInPlace(target, st, bytes);
    return replaced.result;
}

}  // namespace tessaly
