#pragma once

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
    // Writes the file back with the selected lines replaced by `code` and every other byte as it
    // was read. The text goes to a new file in the same folder first, which then replaces the
    // file, so the file is never left half written. Returns false and sets `error` when the file
    // cannot be written; the file is then as it was.
    bool writeBack(std::string_view code, std::string& error) const;

  private:
    std::string path_;
    std::string text_;
    ByteRange selected_;
};

}  // namespace tessaly
