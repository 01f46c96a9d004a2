#pragma once

#include <cstdint>
#include <string>

namespace tessaly {

// The largest file the program reads. Form code and keyword files are a few kilobytes; the limit
// only keeps a wrong argument (a disk image, a log) from taking all memory.
inline constexpr std::uint64_t kMaxFileSize = 256ull * 1024 * 1024;

// Checks that path names a regular file of at most kMaxFileSize bytes, before anything reads it:
// a folder, a device (/dev/zero never ends), a pipe (may block for ever) or a huge file is
// refused. Returns false and sets `error` to a reason a user understands when it is not.
bool checkReadableFile(const std::string& path, std::string& error);

// Reads a whole file as bytes, after the checks of checkReadableFile. Returns false and sets
// `error` to a reason a user understands (the system's message, "is a folder", ...) when it
// cannot.
bool readWholeFile(const std::string& path, std::string& contents, std::string& error);

}  // namespace tessaly
