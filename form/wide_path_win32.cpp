#include "form/wide_path.h"

#include <windows.h>

namespace tessaly {

std::wstring widePath(const std::string& path) {
    for (UINT codePage : {UINT(CP_UTF8), UINT(CP_ACP)}) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int n =
            MultiByteToWideChar(codePage, flags, path.data(), int(path.size()), nullptr, 0);
        if (n <= 0 && !path.empty()) continue;
        std::wstring wide(size_t(n), L'\0');
        MultiByteToWideChar(codePage, flags, path.data(), int(path.size()), wide.data(), n);
        return wide;
    }
    return {};
}

}  // namespace tessaly
