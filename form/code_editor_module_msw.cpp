#include "form/code_editor_module_wx.h"

#include <wx/stc/stc.h>

namespace tessaly {

namespace {

// On Windows the styled text control is linked into the program: the one file is all there is
// to copy beside the IDE.
wxWindow* createLinkedEditor(wxWindow* parent, int x, int y, int width, int height) {
    return new wxStyledTextCtrl(parent, wxID_ANY, wxPoint(x, y), wxSize(width, height));
}

}  // namespace

CodeEditorModule::CodeEditorModule(std::string directory) : directory_(std::move(directory)) {}

bool CodeEditorModule::load() {
    factory_ = &createLinkedEditor;
    return true;
}

wxWindow* CodeEditorModule::create(wxWindow* parent, const wxPoint& pos, const wxSize& size) const {
    if (!factory_) return nullptr;
    return factory_(parent, pos.x, pos.y, size.x, size.y);
}

}  // namespace tessaly
