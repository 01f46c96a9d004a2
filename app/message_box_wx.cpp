#include "app/message_box_wx.h"

#include <wx/msgdlg.h>

#include <cassert>

#include "app/message_text.h"

namespace tessaly {

namespace {

// Dialogs break lines between words only: a long path would make one wider than the screen.
constexpr size_t kMaxLineChars = 72;

wxString dialogText(const std::string& text) {
    return wxString::FromUTF8(breakLongWords(text, kMaxLineChars));
}

void realMessageBox(const std::string& title, const std::string& text) {
    wxMessageBox(dialogText(text), wxString::FromUTF8(title), wxOK | wxICON_INFORMATION);
}

int realChoiceBox(const std::string& title, const std::string& text,
                  const std::vector<std::string>& answers) {
    assert(answers.size() == 2 || answers.size() == 3);
    const bool three = answers.size() == 3;
    wxMessageDialog dialog(nullptr, dialogText(text), wxString::FromUTF8(title),
                           (three ? wxYES_NO | wxCANCEL : wxYES_NO) | wxICON_QUESTION);
    const auto label = [&answers](size_t i) { return wxString::FromUTF8(answers[i]); };
    if (three) {
        dialog.SetYesNoCancelLabels(label(0), label(1), label(2));
    } else {
        dialog.SetYesNoLabels(label(0), label(1));
    }
    switch (dialog.ShowModal()) {
        case wxID_YES:
            return 0;
        case wxID_NO:
            return 1;
        default:
            return int(answers.size()) - 1;
    }
}

MessageBoxFunction& current() {
    static MessageBoxFunction function = realMessageBox;
    return function;
}

ChoiceBoxFunction& currentChoice() {
    static ChoiceBoxFunction function = realChoiceBox;
    return function;
}

}  // namespace

void showMessageBox(const std::string& title, const std::string& text) {
    current()(title, text);
}

MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function) {
    MessageBoxFunction old = std::move(current());
    current() = function ? std::move(function) : MessageBoxFunction(realMessageBox);
    return old;
}

int askChoice(const std::string& title, const std::string& text,
              const std::vector<std::string>& answers) {
    return currentChoice()(title, text, answers);
}

ChoiceBoxFunction setChoiceBoxFunction(ChoiceBoxFunction function) {
    ChoiceBoxFunction old = std::move(currentChoice());
    currentChoice() = function ? std::move(function) : ChoiceBoxFunction(realChoiceBox);
    return old;
}

}  // namespace tessaly
