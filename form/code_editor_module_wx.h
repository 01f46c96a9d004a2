#pragma once

#include <wx/dynlib.h>
#include <wx/window.h>

#include <string>

namespace tessaly {

// The code-editor component: a separate module (tessaly_code_editor.so) that lies beside the
// program and is loaded the first time a scintilla element needs it. Once loaded it stays loaded
// for the life of the process, since its controls' code lives in it.
class CodeEditorModule {
  public:
    // The module file's name, and the C factory it exports.
    static constexpr const char* kFileName = "tessaly_code_editor.so";
    static constexpr const char* kFactoryName = "tessaly_create_code_editor";

    // directory: the folder that holds the module; empty means the running program's folder.
    explicit CodeEditorModule(std::string directory = {});

    // True when the module is loaded; tries to load it when it is not. Never throws.
    bool load();
    bool ready() const { return factory_ != nullptr; }
    // Creates an editor control, nullptr when the module is not loaded.
    wxWindow* create(wxWindow* parent, const wxPoint& pos, const wxSize& size) const;

  private:
    using Factory = wxWindow* (*)(wxWindow* parent, int x, int y, int width, int height);
    std::string directory_;
    Factory factory_ = nullptr;
};

}  // namespace tessaly
