// The preview builder's plug-in point: the shell's reading steps drive the live preview.
#include <wx/bitmap.h>

#include "app/message_box_wx.h"
#include "app/preview_host_wx.h"
#include "form/code_editor_module_wx.h"
#include "form/live_preview_wx.h"
#include "form/placeholder_picture_wx.h"
#include "ui/registry_wx.h"

namespace tessaly {

namespace {

// Runs the live preview for the shell: picker entries, shortcuts and window handlers go to the
// shell's host, the editor module's failure to the program's message box.
class LivePreviewBuilder : public PreviewBuilder, private LivePreviewHost {
  public:
    LivePreviewBuilder() : preview_(*this, Registry::instance(), editorModule_) {}

    void openDefaultWindow(PreviewHost& host) override {
        run(host, [this] { preview_.openDefaultWindow(); });
    }
    void buildPreview(ElementList& list, PreviewHost& host) override {
        run(host, [this, &list] { preview_.build(list); });
    }

  private:
    template <class Step>
    void run(PreviewHost& host, Step step) {
        host_ = &host;
        if (!pictureSet_) {
            preview_.setPlaceholderPicture(host.placeholderPicture());
            pictureSet_ = true;
        }
        step();
        host.setPreviewWindow(preview_.previewWindow());
        host_ = nullptr;
    }

    int32_t appendPickerEntry(const std::string& text, int32_t listIndex) override {
        return host_->appendPickerEntry(text, listIndex);
    }
    void showMessage(const std::string& title, const std::string& text) override {
        showMessageBox(title, text);
    }
    void installShortcuts(wxTopLevelWindow* window) override { host_->installShortcuts(window); }
    void adoptWindow(wxTopLevelWindow* window) override { host_->adoptWindow(window); }
    std::optional<int64_t> nameValue(int32_t line, std::string_view name) override {
        return host_->nameValue(line, name);
    }
    void showNote(const std::string& text) override { host_->showNote(text); }

    PreviewHost* host_ = nullptr;
    CodeEditorModule editorModule_;
    LivePreview preview_;
    bool pictureSet_ = false;
};

}  // namespace

std::unique_ptr<PreviewBuilder> makePreviewBuilder() {
    return std::make_unique<LivePreviewBuilder>();
}

int32_t loadPlaceholderPicture() {
    const wxImage picture = decodePlaceholderPicture();
    return picture.IsOk() ? Registry::instance().addImage(wxBitmap(picture)) : 0;
}

}  // namespace tessaly
