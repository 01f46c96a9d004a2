// The code the shell holds: reading it into the form, showing it in the code view line for line,
// replacing a statement's lines after an edit, and handing it back (Paste, Copy, IDE Update).
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ide_link.h"
#include "app/message_box_wx.h"
#include "app/platform/desktop.h"
#include "app/shell_wx.h"
#include "ui/main_controls.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

using namespace main_window;

template <typename T>
T* mainControl(int32_t number) {
    return static_cast<T*>(Registry::instance().control(number));
}

}  // namespace

void Shell::paste() {
    if (pasting_) return;  // the first Paste is still waiting for the clipboard
    pasting_ = true;
    showNote("Paste: waiting for the clipboard");
    services_.clipboard->requestText([this](ClipboardText got) {
        pasting_ = false;
        if (quitting_) return;
        // Nothing came: code, preview and pages stay as they are, and the user hears why.
        if (!got.ok) {
            showNote("Paste: " + got.problem + "; the code is unchanged");
            return;
        }
        const std::string before = codeViewText();
        readCode(got.text);
        setUnsaved(false);  // the code is the clipboard's
        services_.edit->codeReplaced(before, got.text);
    });
}

void Shell::readCode(const std::string& text) {
    if (text != codeViewText()) setUnsaved(true);
    setCodeViewText(text);
    readCodeView();
}

void Shell::copy() {
    services_.clipboard->putText(codeViewText());
    setUnsaved(false);
}

void Shell::ideUpdate() {
    const std::string code = codeViewText();
    if (link_ == Link::File) {
        writeIdeFile(code);
        return;
    }
    if (link_ != Link::Editor) return;
    // Read again and used as read: the value seen at start-up is not trusted for the last step.
    const uint32_t handle = editorHandleFrom(services_.getEnv(kEditorVariable));
    if (handle == 0) return;
    pasteIntoEditor(*services_.clipboard, *services_.editor, handle, code);
    quit();
}

void Shell::writeIdeFile(const std::string& code) {
    const IdeFile& file = *services_.ideFile;
    using State = IdeFile::OnDisk::State;
    const IdeFile::OnDisk disk = file.onDisk();
    std::string reason;
    bool written = false;
    if (disk.state == State::Unreadable) {
        reason = disk.error;
    } else if (disk.state == State::AsRead) {
        written = file.writeBack(code, reason);
    } else {
        // The editor saved the file after it was read: nothing it wrote may be lost unasked.
        const std::string intoFile = "Write into the file";
        const std::string clipboardOnly = "Clipboard only";
        std::vector<std::string> answers = {clipboardOnly, "Cancel"};
        if (disk.sameLines) answers.insert(answers.begin(), intoFile);
        const std::string text =
            "The file\n" + file.path() + "\nwas changed after Tessaly read it.\n\n" +
            (disk.sameLines ? "The selected lines are still in it as they were: \"" + intoFile +
                                  "\" puts the code in their place and keeps the other changes."
                            : "The selected lines are no longer in it as they were: the code "
                              "cannot be written into it.") +
            "\n\n\"" + clipboardOnly +
            "\" puts the code on the clipboard and leaves the file alone.";
        const int choice = askChoice("IDE Update", text, answers);
        const std::string& answer = answers[size_t(std::clamp(choice, 0, int(answers.size()) - 1))];
        if (answer == clipboardOnly) {
            services_.clipboard->putText(code);
            setUnsaved(false);
            quit();
        }
        if (answer != intoFile) return;
        written = file.writeInto(disk, code, reason);
    }
    // On the clipboard either way: after a failed write it is the user's only copy.
    services_.clipboard->putText(code);
    setUnsaved(false);
    if (!written) {
        showMessageBox("IDE Update", "The code could not be written to\n" + file.path() + "\n(" +
                                         reason +
                                         ").\n\nIt is on the clipboard: paste it by hand.");
        return;
    }
    quit();
}

void Shell::readCodeView() {
    // Nothing of the previous form may stay named in the status line.
    mainControl<wxStaticText>(kStatusLine)->SetLabel(toWx(kStartStatus));
    placer_.beforeReading(Registry::instance().window(previewWindow_));
    scope_ = NameScope(code_);
    readForm(code_, keywords_, list_, *this);
    // Text that is not form code at all (a sentence copied by mistake) is said to be so.
    bool form = false;
    for (int i = 0; i < list_.count() && !form; ++i) {
        form = list_[i].Sort == kSortWindow || list_[i].Sort == kSortGadget;
    }
    if (!form && codeViewText().find_first_not_of(" \t\r\n") != std::string::npos) {
        showNote("No form code found: copy form code and press Paste");
    }
    keepPreviewInSight();
    forgetHover(hover_);
    pointerMoved_ = true;  // other gadgets may lie under the pointer now
    // The preview window may be another one now, already active.
    if (activePreview() && !quitting_) hoverBeat_.start(20);
}

std::string Shell::codeViewText() const {
    return code_.text();
}

namespace {

long viewLength(const std::string& text) {
    return long(toWx(text).length());
}

}  // namespace

void Shell::setCodeViewText(const std::string& text) {
    code_ = CodeText(text);
    viewLengths_.resize(size_t(code_.lineCount()));
    for (int i = 0; i < code_.lineCount(); ++i) {
        viewLengths_[size_t(i)] = viewLength(code_.line(i)) + viewBreakLength(code_.lineBreak(i));
    }
    mainControl<wxTextCtrl>(kCodeView)->ChangeValue(toWx(text));
}

std::optional<std::pair<long, long>> Shell::viewSpan(int32_t line, int32_t lines) const {
    // Positions are counted from the code's own lines: the view's idea of a line (which may
    // end at characters such as U+2029) never decides where an edit lands.
    if (line < 0 || lines < 1 || line + lines > code_.lineCount()) return std::nullopt;
    long from = 0;
    for (int32_t i = 0; i < line; ++i) from += viewLengths_[size_t(i)];
    long length = 0;
    for (int32_t i = line; i < line + lines; ++i) length += viewLengths_[size_t(i)];
    length -= viewBreakLength(code_.lineBreak(line + lines - 1));
    return std::make_pair(from, length);
}

void Shell::replaceCodeLine(int32_t line, const std::string& text) {
    auto* view = mainControl<wxTextCtrl>(kCodeView);
    const int32_t lines = lineCountOf(text);
    const auto span = viewSpan(line, lines);
    if (!span || !code_.replaceLines(line, text)) return;
    for (int32_t i = line; i < line + lines; ++i) {
        viewLengths_[size_t(i)] = viewLength(code_.line(i)) + viewBreakLength(code_.lineBreak(i));
    }
    const wxString replacement = toWx(text);
    if (view->GetRange(span->first, span->first + span->second) != replacement) setUnsaved(true);
    view->Replace(span->first, span->first + span->second, replacement);
    view->SetSelection(span->first, span->first + long(replacement.length()));
    view->ShowPosition(span->first);
}

void Shell::highlightCodeLine(int32_t line, int32_t lines) {
    auto* view = mainControl<wxTextCtrl>(kCodeView);
    const auto span = viewSpan(line, lines);
    if (!span) return;
    view->SetSelection(span->first, span->first + span->second);
    view->ShowPosition(span->first);
}

}  // namespace tessaly
