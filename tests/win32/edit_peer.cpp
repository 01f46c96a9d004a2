// A stand-in for the IDE's editor in the Windows link test: a window of its own process holding a
// standard multi-line EDIT control, which handles the copy and paste messages as the IDE's editor
// does (copy its selection to the clipboard; replace its selection with the clipboard's text).
// The driver sets and reads its text and selection with window messages. A WM_APP message to the
// window blocks the thread for lParam milliseconds: an editor that does not answer. Meanwhile the
// window's title says so (another process reads a title without asking the blocked thread).
// Given FILE BEGIN END, it starts with FILE's text (UTF-8), characters BEGIN to END selected,
// writes its EDIT control's handle to FILE.handle and its text to FILE.after after every change, so
// that a script can hand it to the tool and check what the tool did to it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string savePath;  // FILE.after; empty without arguments

void save(HWND edit) {
    std::wstring text(size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
    std::string bytes(size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr,
                                                 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), int(bytes.size()),
                        nullptr, nullptr);
    if (FILE* f = std::fopen(savePath.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

LRESULT CALLBACK peerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_APP:
            SetWindowTextW(window, L"Editor (blocked)");
            Sleep(DWORD(lParam));
            SetWindowTextW(window, L"Editor");
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE && !savePath.empty()) save(HWND(lParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = peerProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TessalyTestPeer";
    if (!RegisterClassW(&windowClass)) return 1;
    const HWND window = CreateWindowExW(0, L"TessalyTestPeer", L"Editor", WS_OVERLAPPEDWINDOW, 0, 0,
                                        500, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    const HWND edit =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0,
                        480, 260, window, nullptr, instance, nullptr);
    if (argc == 4) {
        std::string bytes;
        if (FILE* f = std::fopen(argv[1], "rb")) {
            char chunk[4096];
            for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
            std::fclose(f);
        }
        std::wstring text(bytes.size(), L'\0');
        text.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()),
                                               text.data(), int(text.size()))));
        SetWindowTextW(edit, text.c_str());
        SendMessageW(edit, EM_SETSEL, WPARAM(std::atoi(argv[2])), LPARAM(std::atoi(argv[3])));
        savePath = std::string(argv[1]) + ".after";
        if (FILE* f = std::fopen((std::string(argv[1]) + ".handle").c_str(), "w")) {
            std::fprintf(f, "%u\n", unsigned(reinterpret_cast<uintptr_t>(edit)));
            std::fclose(f);
        }
    }
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
