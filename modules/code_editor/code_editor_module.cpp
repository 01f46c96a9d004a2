// The code-editor component, built as its own module so that the program runs without it: the
// preview loads it at run time the first time a form holds a scintilla element.
#include <wx/stc/stc.h>

extern "C" __attribute__((visibility("default"))) wxWindow* tessaly_create_code_editor(
    wxWindow* parent, int x, int y, int width, int height) {
    // Nothing may unwind into the caller, which knows the module only as a C function.
    try {
        return new wxStyledTextCtrl(parent, wxID_ANY, wxPoint(x, y), wxSize(width, height));
    } catch (...) {
        return nullptr;
    }
}
