#include "app/editor_link_win32.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string_view>

namespace tessaly {

namespace {

std::wstring toWide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string toUtf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

// Window handles fit in 32 bits; widening one takes its sign along, as the system does.
HWND windowOf(uint32_t editor) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(editor)));
}

void sendToEditor(uint32_t editor, UINT message, unsigned timeoutMs) {
    if (editor == 0) return;
    DWORD_PTR result = 0;
    // A window that is gone, an editor that hangs or one that does not answer in time: the
    // message is lost and the caller goes on, as with an editor that ignored it.
    SendMessageTimeoutW(windowOf(editor), message, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs,
                        &result);
}

}  // namespace

void Win32EditorLink::sendCopy(uint32_t editor) {
    sendToEditor(editor, WM_COPY, timeoutMs_);
}

void Win32EditorLink::sendPaste(uint32_t editor) {
    sendToEditor(editor, WM_PASTE, timeoutMs_);
}

std::string Win32Clipboard::getText() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Up to the terminating zero, and never past the block if another program left none.
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            text = toUtf8(std::wstring_view(chars, wcsnlen(chars, capacity)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32Clipboard::putText(const std::string& text) {
    const std::wstring wide = toWide(text);
    if (!OpenClipboard(nullptr)) return;
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!block) {
        CloseClipboard();
        return;
    }
    EmptyClipboard();
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(block);
        // Once handed over the block belongs to the clipboard; only a refused one is ours to free.
        if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    } else {
        GlobalFree(block);
    }
    CloseClipboard();
}

}  // namespace tessaly
