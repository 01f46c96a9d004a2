#pragma once

#include <string>

namespace tessaly {

// Reads a whole file as bytes. Returns false and sets `error` to a reason a user understands
// (the system's message, or "is a folder") when it cannot.
bool readWholeFile(const std::string& path, std::string& contents, std::string& error);

}  // namespace tessaly
