#include "app/message_box_wx.h"

#include <wx/msgdlg.h>

namespace tessaly {

namespace {

void realMessageBox(const std::string& title, const std::string& text) {
    wxMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(title), wxOK | wxICON_INFORMATION);
}

MessageBoxFunction& current() {
    static MessageBoxFunction function = realMessageBox;
    return function;
}

}  // namespace

void showMessageBox(const std::string& title, const std::string& text) { current()(title, text); }

MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function) {
    MessageBoxFunction old = std::move(current());
    current() = function ? std::move(function) : MessageBoxFunction(realMessageBox);
    return old;
}

}  // namespace tessaly
