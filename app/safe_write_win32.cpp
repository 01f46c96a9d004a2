#include "app/safe_write.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "form/wide_path.h"

namespace tessaly {

namespace {

WriteResult failureOf(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    if (text) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        message.resize(size_t(n > 0 ? n - 1 : 0));
        WideCharToMultiByte(CP_UTF8, 0, text, -1, message.data(), n, nullptr, nullptr);
        LocalFree(text);
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == '.' || message.back() == ' ')) {
        message.pop_back();
    }
    return {WriteWay::None, message.empty() ? "error " + std::to_string(error) : message};
}

}  // namespace

// On Windows: a new file beside the target (in its folder, so that the rename stays on one
// volume), written and flushed, then moved onto the target in one step. A read-only file, a folder
// or a device is left alone.
WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    const std::wstring target = widePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return {WriteWay::None, "is a folder, not a file"};
        if (attributes & FILE_ATTRIBUTE_READONLY) return {WriteWay::None, "is read-only"};
        if (attributes & FILE_ATTRIBUTE_DEVICE) return {WriteWay::None, "is not a regular file"};
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return failureOf(GetLastError());
    }
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
    wchar_t temporary[MAX_PATH + 1] = L"";
    if (GetTempFileNameW(folder.c_str(), L"tes", 0, temporary) == 0)
        return failureOf(GetLastError());
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    for (size_t done = 0; error == 0 && done < bytes.size();) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) error = GetLastError();
        done += written;
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (error == 0 && !MoveFileExW(temporary, target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
    }
    if (error != 0) {
        DeleteFileW(temporary);
        return failureOf(error);
    }
    return {WriteWay::Replaced, {}};
}

}  // namespace tessaly
