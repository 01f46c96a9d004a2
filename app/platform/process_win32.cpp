#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/platform/process.h"

namespace tessaly {

// In UTF-8, as the program's file reading takes names.
std::string executableDir(const char* argv0) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    if (n == 0) {
        std::error_code ec;
        return std::filesystem::absolute(argv0, ec).parent_path().string();
    }
    path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
    const int length = WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string dir(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), dir.data(), length, nullptr,
                        nullptr);
    return dir;
}

void connectStandardOutput() {
    const auto missing = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = missing(STD_OUTPUT_HANDLE);
    const bool err = missing(STD_ERROR_HANDLE);
    if (!out && !err) return;  // redirected, or a console of its own
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace tessaly
