#pragma once

#include <string>

namespace tessaly {

// Windows only (wide_path_win32.cpp): a file name as the system's wide-character calls take it.
// File names arrive as UTF-8, or in the system's code page from a plain command line.
std::wstring widePath(const std::string& path);

}  // namespace tessaly
