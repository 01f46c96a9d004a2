#include "form/code_editor_module_wx.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace tessaly {

CodeEditorModule::CodeEditorModule(std::string directory) : directory_(std::move(directory)) {}

bool CodeEditorModule::load() {
    if (factory_) return true;
    wxString dir = wxString::FromUTF8(directory_);
    if (dir.empty()) dir = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    wxString path = wxFileName(dir, kFileName).GetFullPath();
    // An installed program keeps its module in lib/tessaly beside its bin folder.
    if (directory_.empty() && !wxFileName::FileExists(path)) {
        path = wxFileName(dir + "/../lib/tessaly", kFileName).GetFullPath();
    }
    if (!wxFileName::FileExists(path)) return false;

    // A failed load is reported by the caller's message box, not by wx's own log window.
    wxLogNull quiet;
    wxDynamicLibrary library(path, wxDL_NOW | wxDL_QUIET);
    if (!library.IsLoaded()) return false;
    auto factory = reinterpret_cast<Factory>(library.GetSymbol(kFactoryName));
    if (!factory) return false;  // the library unloads as it goes out of scope
    library.Detach();            // controls made by the module need its code until exit
    factory_ = factory;
    return true;
}

wxWindow* CodeEditorModule::create(wxWindow* parent, const wxPoint& pos, const wxSize& size) const {
    if (!factory_) return nullptr;
    return factory_(parent, pos.x, pos.y, size.x, size.y);
}

}  // namespace tessaly
