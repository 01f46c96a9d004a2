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

// A question with two or three answers, the last one the answer of closing the box (Cancel).
// Returns the index of the chosen answer. Tests replace it as they replace the message box.
using ChoiceBoxFunction = std::function<int(const std::string& title, const std::string& text,
                                            const std::vector<std::string>& answers)>;

// Asks through the current function (a modal dialog with one button per answer unless replaced).
int askChoice(const std::string& title, const std::string& text,
              const std::vector<std::string>& answers);
// Replaces the function; an empty function restores the real dialog. Returns the old one.
ChoiceBoxFunction setChoiceBoxFunction(ChoiceBoxFunction function);

}  // namespace tessaly
