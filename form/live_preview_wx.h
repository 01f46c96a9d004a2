#pragma once

#include <wx/frame.h>
#include <wx/image.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/code_editor_module_wx.h"
#include "form/model.h"
#include "form/parent_stack.h"
#include "form/preview_rules.h"
#include "ui/registry_wx.h"

namespace tessaly {

// What the preview builder needs from the main window. The shell implements it; tests use a fake.
class LivePreviewHost {
  public:
    virtual ~LivePreviewHost() = default;
    // Appends an entry to the element picker carrying listIndex as its item data; returns the
    // entry's index.
    virtual int32_t appendPickerEntry(const std::string& text, int32_t listIndex) = 0;
    // Shows a message box with an OK button. Tests record the call instead of blocking.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Registers the main window's keyboard shortcuts on a preview window of a window line.
    virtual void installShortcuts(wxTopLevelWindow* window) = 0;
    // Gives a newly opened preview window the program's window handlers (close, size).
    virtual void adoptWindow(wxTopLevelWindow* window) = 0;
    // Tells the user something about the preview in the status line (at most once a reading).
    virtual void showNote(const std::string& text) = 0;
    // The value of a name (a constant of the code, a default of the nearest procedure above code
    // line `line`) in an expression on that line, if it has one.
    virtual std::optional<int64_t> nameValue(int32_t /*line*/, std::string_view /*name*/) {
        return std::nullopt;
    }
};

// Builds the live preview: the preview window and one native control per gadget element, nested
// as the code's gadget lists nest. The control each call becomes is listed in
// preview_controls_wx.cpp. Keeps the preview window from one reading to the next.
class LivePreview {
  public:
    // The most gadget controls one reading makes. The toolkit's work per control grows with the
    // number of its siblings, so tens of thousands of gadgets would keep the program from
    // answering for minutes; further gadgets stay in the picker without a control.
    static constexpr int32_t kMaxGadgets = 2000;
    // The most items (entries, lines, rows) one reading adds to its gadgets. Items cost far less
    // than gadgets, as the entries of a control go in together when the build is done; further
    // item lines stay in the code, not shown.
    static constexpr int32_t kMaxItems = 20000;
    // The most panel tabs one reading adds: each tab is a page, a control of its own. The gadgets
    // on further tabs stay in the picker without a control.
    static constexpr int32_t kMaxTabs = 250;

    LivePreview(LivePreviewHost& host, Registry& registry, CodeEditorModule& editorModule);

    // The picture OpenGL gadgets show: the registry image decoded at start-up. Each OpenGL gadget
    // shows it scaled from this original; the shared image takes the size of the last one.
    void setPlaceholderPicture(int32_t imageNumber);

    // Opens the default preview window ("Tessaly", inner 800 x 600, centred), or, when a preview
    // window exists, reuses it at that inner size with its title. It becomes the current parent,
    // and is shown (and raised) when the build that follows is done.
    void openDefaultWindow();
    // One pass over the freshly read list: creates each element's object, stores its number in
    // Gadget (and Image), and adds picker entries for kinds 0 and 1 (setting Index).
    void build(ElementList& list);
    // Destroys a gadget control of the previous reading; numbers of no live control are ignored.
    void destroyGadget(int32_t gadget);

    // Number of the preview window, 0 while there is none (or after it was closed).
    int32_t previewWindow() const;
    wxFrame* previewFrame() const;
    // Number of the shared placeholder picture image, 0 before one was set.
    int32_t pictureImage() const { return pictureNumber_; }

  private:
    void buildElement(ElementList& list, int index);
    void windowRule(sElement& element);
    // Slot 1..4 of a window line: a number, or a name's procedure default; sizes clamped.
    int32_t windowValue(const sElement& element, int slot) const;
    void statusBarRule(sElement& element);
    void itemRule(const ElementList& list);
    // Gives every tree, list and editor its items gathered by itemRule, in one go each.
    void addGatheredItems();
    void columnRule(const ElementList& list);
    void splitterRule(sElement& element, const ElementList& list, wxWindow* parent);
    void createGadget(const ElementList& list, sElement& element, PreviewKind kind);
    // The image an image, button-image or OpenGL gadget shows (stored in Image); none otherwise.
    wxBitmap imageFor(PreviewKind kind, const wxSize& size, sElement& element);
    wxWindow* currentParent() const;
    wxWindow* previewControl(int32_t number) const;
    wxFrame* makeFrame(const wxString& title, int32_t x, int32_t y, int32_t width, int32_t height,
                       long style);
    void startBuildingIn(int32_t window);

    LivePreviewHost& host_;
    Registry& registry_;
    CodeEditorModule& editorModule_;
    Slots slots_;
    TargetIndex targets_;  // the list being built, by identifier
    ParentStacks parents_;
    int32_t window_ = 0;
    wxImage picture_;
    int32_t pictureNumber_ = 0;
    std::vector<int32_t> images_;  // placeholder images of the current reading
    bool nestingCapped_ = false;   // a gadget list of this reading was nested too deep
    int32_t gadgetsBuilt_ = 0;     // gadget controls made by this reading
    int32_t itemsAdded_ = 0;       // items and tabs of this reading shown, and whether some were
    int32_t tabsAdded_ = 0;        // left out
    bool itemsCapped_ = false;
    bool tabsCapped_ = false;
    // Items of this reading for each control that takes them in one call, in their order.
    std::map<int32_t, std::vector<wxString>> gatheredItems_;
    bool showWhenBuilt_ = false;  // the window was opened (or reused) and is shown after the build
};

}  // namespace tessaly
