#pragma once

#include <functional>
#include <string>

namespace tessaly {

// The program's one way to show a message box with an OK button. Tests replace the function so
// that nothing ever blocks on a modal dialog.
using MessageBoxFunction = std::function<void(const std::string& title, const std::string& text)>;

// Shows the message through the current function (a modal wxMessageBox unless replaced).
void showMessageBox(const std::string& title, const std::string& text);
// Replaces the function; an empty function restores the real message box. Returns the old one.
MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function);

}  // namespace tessaly
