#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/line_selection.h"

namespace tessaly {

// The file hand-off with the IDE: the IDE writes the current source to a file, starts the tool
// with the file's path and the selection, waits until the tool ends and loads the file back.
class IdeFile {
  public:
    // Reads the file at `path` and finds the selected lines in it. Returns false and sets `error`
    // to a reason a user understands when the file cannot be read.
    bool load(const std::string& path, std::string_view selection, std::string& error);

    const std::string& path() const { return path_; }
    // The selected whole lines: the code the tool starts with.
    std::string code() const;

    // What the file holds now, read again just before a write-back: the editor may have saved
    // it since the tool read it.
    struct OnDisk {
        enum class State { AsRead, Changed, Unreadable } state = State::AsRead;
        std::string text;                    // what the file holds now (Changed)
        std::optional<ByteRange> sameLines;  // where the selected lines stand unchanged in it
        std::string error;                   // why it cannot be read (Unreadable)
    };
    OnDisk onDisk() const;

    // Writes the file back with the selected lines replaced by `code` and every other byte as it
    // was read, through writeFileSafely: the file keeps its links, owner and permissions and is
    // never left half written. Returns false and sets `error` when the file cannot be written;
    // the file is then as it was.
    bool writeBack(std::string_view code, std::string& error) const;
    // The same into the file's changed text: `code` in place of the selected lines where they
    // stand in it now (disk.sameLines), every other byte of it kept. False without such lines.
    bool writeInto(const OnDisk& disk, std::string_view code, std::string& error) const;

  private:
    std::string path_;
    std::string text_;
    ByteRange selected_;
};

// Where the lines `selected` of `before` stand, unchanged and whole, in `after`: at the same line
// number when they are there, else at their one place. Nothing when they are nowhere or at more
// than one other place, which no rule can choose between.
std::optional<ByteRange> findSameLines(std::string_view before, ByteRange selected,
                                       std::string_view after);

}  // namespace tessaly
