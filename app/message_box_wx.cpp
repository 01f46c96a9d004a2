#include "app/message_box_wx.h"

#include <wx/msgdlg.h>

namespace tessaly {

namespace {

void realMessageBox(const std::string& title, const std::string& text) {
    wxMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(title), wxOK | wxICON_INFORMATION);
}

int realQuestion(const std::string& title, const std::string& text,
                 const std::vector<std::string>& buttons) {
    if (buttons.size() < 2) return 0;
    const bool three = buttons.size() >= 3;
    // Cancel is the button that Escape and the close box press: it carries the last label.
    wxMessageDialog dialog(
        nullptr, wxString::FromUTF8(text), wxString::FromUTF8(title),
        (three ? wxYES_NO : wxOK) | wxCANCEL | wxICON_QUESTION | wxSTAY_ON_TOP | wxCENTRE);
    if (three) {
        dialog.SetYesNoCancelLabels(wxString::FromUTF8(buttons[0]), wxString::FromUTF8(buttons[1]),
                                    wxString::FromUTF8(buttons[2]));
    } else {
        dialog.SetOKCancelLabels(wxString::FromUTF8(buttons[0]), wxString::FromUTF8(buttons[1]));
    }
    const int answer = dialog.ShowModal();
    if (answer == wxID_YES || answer == wxID_OK) return 0;
    if (answer == wxID_NO) return 1;
    return int(buttons.size()) - 1;
}

QuestionFunction& currentQuestion() {
    static QuestionFunction function = realQuestion;
    return function;
}

MessageBoxFunction& current() {
    static MessageBoxFunction function = realMessageBox;
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

int askQuestion(const std::string& title, const std::string& text,
                const std::vector<std::string>& buttons) {
    return currentQuestion()(title, text, buttons);
}

QuestionFunction setQuestionFunction(QuestionFunction function) {
    QuestionFunction old = std::move(currentQuestion());
    currentQuestion() = function ? std::move(function) : QuestionFunction(realQuestion);
    return old;
}

}  // namespace tessaly
