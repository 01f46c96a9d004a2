#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "app/safe_write.h"

namespace tessaly {

namespace {

std::wstring wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

WriteResult failure(DWORD error) {
    wchar_t* message = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = "error " + std::to_string(error);
    if (message) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, message, -1, nullptr, 0, nullptr, nullptr);
        text.assign(size_t(n > 0 ? n - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, message, -1, text.data(), n, nullptr, nullptr);
        LocalFree(message);
        while (!text.empty() &&
               (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
            text.pop_back();
        }
    }
    return {WriteWay::None, text};
}

}  // namespace

// Windows: the new contents go to a temporary file beside the file, flushed, and take its place
// with ReplaceFileW, which keeps the file's attributes, security and creation time; a file that
// does not exist yet is moved into place. A read-only file or a folder is left alone.
WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    const std::wstring target = wide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {WriteWay::None, "it is a folder"};
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return {WriteWay::None, "the file is read-only"};
    }
    const size_t slash = path.find_last_of("\\/");
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::random_device random;
    std::wstring temporary;
    HANDLE out = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && out == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = wide(folder + temporaryName(name, 255, random()));
        out = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (out == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_PATH_NOT_FOUND) {
            return {WriteWay::None, "the folder '" + folder + "' does not exist"};
        }
        return failure(error);
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(out, bytes.data() + done, chunk, &written, nullptr) || written == 0) break;
        done += written;
    }
    const bool flushed = done == bytes.size() && FlushFileBuffers(out);
    const DWORD writeError = GetLastError();
    CloseHandle(out);
    if (!flushed) {
        DeleteFileW(temporary.c_str());
        return failure(writeError);
    }
    const BOOL placed =
        exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
               : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!placed) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return failure(error);
    }
    return {WriteWay::Replaced, {}};
}

}  // namespace tessaly
