#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessaly {

// The program's one way to show a message box with an OK button. Tests replace the function so
// that nothing ever blocks on a modal dialog.
using MessageBoxFunction = std::function<void(const std::string& title, const std::string& text)>;

// Shows the message through the current function (a modal wxMessageBox unless replaced).
void showMessageBox(const std::string& title, const std::string& text);
// Replaces the function; an empty function restores the real message box. Returns the old one.
MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function);

// The program's one way to ask a question: a modal box with two or three buttons, labelled
// `buttons` in order; returns the index of the button chosen. Escape and the close box choose
// the last button. Tests replace the function, as for the message box.
using QuestionFunction = std::function<int(const std::string& title, const std::string& text,
                                           const std::vector<std::string>& buttons)>;
int askQuestion(const std::string& title, const std::string& text,
                const std::vector<std::string>& buttons);
// Replaces the function; an empty function restores the real question box. Returns the old one.
QuestionFunction setQuestionFunction(QuestionFunction function);

}  // namespace tessaly
