#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

// How writeFileSafely stored a file's new contents.
enum class WriteWay {
    None,      // nothing was written: the reason is in WriteResult::error
    Replaced,  // a new file beside it, flushed, then renamed onto it (or a file that did not exist)
    InPlace,   // the file itself was overwritten: it keeps its identity (inode, links, owner)
};

struct WriteResult {
    WriteWay way = WriteWay::None;
    std::string error;  // a reason a user understands when nothing was written
    bool ok() const { return way != WriteWay::None; }
};

// Writes `bytes` as the whole contents of the file that `path` names, so that no reader ever sees
// it half written and the file stays what it was:
// - a symbolic link is followed: its target gets the contents, the link stays a link;
// - the new contents go to a temporary file beside the target, created no more readable than the
//   target, given its owner, group and permissions, flushed to disk, then renamed onto it;
// - where a rename would change what the file is (it has further hard links, or its owner or
//   group cannot be given to a new file, or its folder takes no new file) the file is
//   overwritten in place instead, its room reserved first and its old contents put back when a
//   write fails;
// - a file nobody may write (no write permission bit, even for the super-user) or this user may
//   not write is left alone, as is anything that is not a regular file;
// - a path that names nothing yet gets a new file (through the same temporary file and rename).
// Nothing is written when the result says so; no temporary file is left behind either way.
WriteResult writeFileSafely(const std::string& path, std::string_view bytes);

// A name for a temporary file beside a file called `fileName`, at most `nameMax` bytes long: a dot,
// the file's name (cut, at a character boundary, where the whole would not fit), ".tessaly-",
// `random` in hexadecimal and ".tmp". Names near the file system's limit stay writable.
std::string temporaryName(std::string_view fileName, size_t nameMax, uint32_t random);

}  // namespace tessaly
