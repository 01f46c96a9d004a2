#pragma once

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <string>
#include <utility>
#include <vector>

#include "form/code_editor_module_wx.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/live_preview_wx.h"
#include "form/placeholder_picture_wx.h"
#include "form/reader.h"
#include "preview_support.h"
#include "ui/registry_wx.h"
#include "ui_support.h"

namespace tessaly::test {

// Stands in for the main window: records picker entries, messages, shortcuts and windows.
class FakeHost : public LivePreviewHost {
  public:
    int32_t appendPickerEntry(const std::string& text, int32_t listIndex) override {
        entries.emplace_back(text, listIndex);
        return int32_t(entries.size()) - 1;
    }
    void showMessage(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
    }
    void installShortcuts(wxTopLevelWindow* window) override { shortcutWindows.push_back(window); }
    void adoptWindow(wxTopLevelWindow* window) override { adopted.push_back(window); }
    void showNote(const std::string& text) override { notes.push_back(text); }

    std::vector<std::pair<std::string, int32_t>> entries;
    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<wxTopLevelWindow*> shortcutWindows;
    std::vector<wxTopLevelWindow*> adopted;
    std::vector<std::string> notes;
};

// A preview built by the whole reading procedure, with the main window's steps recorded.
class PreviewTest : public testing::Test, public ReadFormHooks {
  protected:
    explicit PreviewTest(std::string moduleDir = TESSALY_BINARY_DIR)
        : module_(std::move(moduleDir)), preview_(host_, registry_, module_) {
        preview_.setPlaceholderPicture(registry_.addImage(wxBitmap(decodePlaceholderPicture())));
    }

    void TearDown() override {
        if (wxFrame* frame = preview_.previewFrame()) frame->Destroy();
        processPending();
        registry_.reset();
    }

    static const KeywordTable& keywords() {
        static const KeywordTable table =
            loadKeywordFile(std::string(TESSALY_SOURCE_DIR) + "/assets/keywords.json").table;
        return table;
    }

    void read(const std::string& code) { readForm(CodeText(code), keywords(), list_, *this); }

    // The first window or gadget element whose identifier is name.
    sElement& element(const std::string& name) {
        for (sElement& e : list_) {
            if (e.Sort != kSortPositional && !e.Parameters.empty() && e.Parameters[0].Value == name)
                return e;
        }
        ADD_FAILURE() << "no element " << name;
        static sElement none;
        return none;
    }
    wxWindow* control(const std::string& name) { return registry_.control(element(name).Gadget); }
    wxFrame* frame() const { return preview_.previewFrame(); }

    // ReadFormHooks: the steps that the shell does for the main window.
    void destroyGadget(int32_t gadget) override { preview_.destroyGadget(gadget); }
    void clearPicker() override { host_.entries.clear(); }
    void openDefaultWindow() override { preview_.openDefaultWindow(); }
    void buildPreview(ElementList& list) override { preview_.build(list); }

    Registry& registry_ = Registry::instance();
    FakeHost host_;
    CodeEditorModule module_;
    LivePreview preview_;
    ElementList list_;
};

}  // namespace tessaly::test
