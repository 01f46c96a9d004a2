// Proves the Windows editor link and clipboard against a window of another process: the peer's
// EDIT control stands in for the IDE's editor. Runs the same steps as the tool's start-up in
// editor mode and its IDE Update, with the tool's own code.
// Usage: link_driver.exe PEER.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/editor_link_win32.h"
#include "app/ide_link.h"

using namespace tessaly;

namespace {

int failures = 0;

void check(bool condition, const std::string& what) {
    std::printf("%s %s\n", condition ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!condition) ++failures;
}

std::string utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The peer, reached with plain window messages (marshalled across processes by the system).
struct Peer {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    HWND edit = nullptr;

    bool start(const char* program) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = std::string("\"") + program + "\"";
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return false;
        }
        for (int i = 0; i < 300 && !edit; ++i) {
            Sleep(50);
            window = FindWindowW(L"TessalyTestPeer", nullptr);
            if (window) edit = FindWindowExW(window, nullptr, L"EDIT", nullptr);
        }
        return edit != nullptr;
    }
    void stop() {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    void set(const std::wstring& text, int selectionBegin, int selectionEnd) {
        SendMessageW(edit, WM_SETTEXT, 0, LPARAM(text.c_str()));
        SendMessageW(edit, EM_SETSEL, WPARAM(selectionBegin), LPARAM(selectionEnd));
    }
    std::wstring text() const {
        std::wstring out(size_t(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
        out.resize(size_t(SendMessageW(edit, WM_GETTEXT, WPARAM(out.size()), LPARAM(out.data()))));
        return out;
    }
    std::pair<int, int> selection() const {
        const DWORD both = DWORD(SendMessageW(edit, EM_GETSEL, 0, 0));
        return {LOWORD(both), HIWORD(both)};
    }
    // Waits until the peer's thread has begun a block; false when it does not within 5 s.
    bool blocked() const {
        wchar_t title[32] = L"";
        for (int i = 0; i < 100 && std::wstring(title) != L"Editor (blocked)"; ++i) {
            Sleep(50);
            GetWindowTextW(window, title, 32);
        }
        return std::wstring(title) == L"Editor (blocked)";
    }
    // True when the peer's thread handles messages again within `ms`.
    bool answers(unsigned ms) const {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result) != 0;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: link_driver PEER.exe\n");
        return 2;
    }
    Peer peer;
    if (!peer.start(argv[1])) {
        std::printf("FAIL the peer's window did not appear\n");
        return 1;
    }
    Win32EditorLink link;  // the program's link, with its time-out
    Win32Clipboard clipboard;

    const std::wstring before = L"; before the form\r\n";
    const std::wstring selected = L"ButtonGadget(#OK, 10, 10, 80, 24, \"OK\")\r\n";
    const std::wstring after = L"; after the form\r\n";
    const auto reset = [&] {
        peer.set(before + selected + after, int(before.size()),
                 int(before.size() + selected.size()));
    };
    const auto untouched = [&] {
        return peer.text() == before + selected + after &&
               peer.selection() ==
                   std::pair<int, int>(int(before.size()), int(before.size() + selected.size()));
    };

    // The handle as the IDE writes it, with bits above the low 32 that the tool must drop.
    const auto handle = uint32_t(reinterpret_cast<uintptr_t>(peer.edit));
    const uint32_t editor = editorHandleFrom(std::to_string((uint64_t(7) << 32) | handle));
    check(editor == handle, "the variable's low 32 bits name the editor");

    reset();
    clipboard.putText("older clipboard text");
    askEditorForSelection(clipboard, link, editor);
    check(clipboard.getText() == utf8(selected),
          "start-up leaves the editor's selected text on the clipboard");
    check(untouched(), "start-up leaves the editor's text and selection as they were");

    const std::string code = "ButtonGadget(#OK, 12, 10, 80, 24, \"Où € ✓\")\r\n";
    pasteIntoEditor(clipboard, link, editor, code);
    check(peer.text() == before + L"ButtonGadget(#OK, 12, 10, 80, 24, \"Où € ✓\")\r\n" + after,
          "IDE Update replaces the editor's selection with the code");
    check(clipboard.getText() == code, "the clipboard keeps the code");

    // A window that existed once: its handle names no window now.
    const HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    const auto goneHandle = uint32_t(reinterpret_cast<uintptr_t>(gone));
    DestroyWindow(gone);
    for (const auto& [name, target] : {std::pair<const char*, uint32_t>{"a handle of 0", 0},
                                       {"a handle that names no window", goneHandle}}) {
        reset();
        const ULONGLONG start = GetTickCount64();
        askEditorForSelection(clipboard, link, target);
        const bool emptied = clipboard.getText().empty();
        pasteIntoEditor(clipboard, link, target, code);
        const ULONGLONG elapsed = GetTickCount64() - start;
        check(elapsed < 5000, std::string(name) + ": both steps return at once (" +
                                  std::to_string(elapsed) + " ms)");
        check(emptied, std::string(name) + ": start-up leaves an empty clipboard");
        check(untouched(), std::string(name) + ": the editor is untouched");
    }

    // An editor whose thread is blocked for longer than the time-out, once for each step. Had
    // a step waited for it, it would take the whole block.
    constexpr unsigned kBlockMs = 9000;
    const auto whileBlocked = [&](auto step) {
        reset();
        PostMessageW(peer.window, WM_APP, 0, LPARAM(kBlockMs));
        if (!peer.blocked()) return false;
        const ULONGLONG begin = GetTickCount64();
        step();
        const ULONGLONG elapsed = GetTickCount64() - begin;
        const bool back = peer.answers(30000);
        std::printf("     (the step took %llu ms)\n", elapsed);
        return elapsed < 5000 + 2000 && back;
    };
    check(whileBlocked([&] { askEditorForSelection(clipboard, link, editor); }),
          "a blocked editor: start-up gives up after the time-out");
    check(clipboard.getText().empty() && untouched(),
          "a blocked editor: its text stays, nothing reaches the clipboard later");
    check(whileBlocked([&] { pasteIntoEditor(clipboard, link, editor, code); }),
          "a blocked editor: IDE Update gives up after the time-out");
    check(clipboard.getText() == code && untouched(),
          "a blocked editor: its text stays, the code stays on the clipboard");

    peer.stop();
    std::printf("%s\n", failures ? "link test FAILED" : "link test passed");
    return failures ? 1 : 0;
}
