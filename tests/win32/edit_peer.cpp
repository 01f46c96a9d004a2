// A stand-in for the IDE's editor in the Windows link test: a window of its own process holding a
// standard multi-line EDIT control, which handles the copy and paste messages as the IDE's editor
// does (copy its selection to the clipboard; replace its selection with the clipboard's text).
// The driver sets and reads its text and selection with window messages. A WM_APP message to the
// window blocks the thread for lParam milliseconds: an editor that does not answer. Meanwhile the
// window's title says so (another process reads a title without asking the blocked thread).
#include <windows.h>

namespace {

LRESULT CALLBACK peerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_APP:
            SetWindowTextW(window, L"Editor (blocked)");
            Sleep(DWORD(lParam));
            SetWindowTextW(window, L"Editor");
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = peerProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TessalyTestPeer";
    if (!RegisterClassW(&windowClass)) return 1;
    const HWND window = CreateWindowExW(0, L"TessalyTestPeer", L"Editor", WS_OVERLAPPEDWINDOW, 0, 0,
                                        500, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 480,
                    260, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
