// The pages' plug-in point: the Parameters and Flags pages, the code writer and the preview
// updater, working on the shell's element list, code view and picker.
#include "app/hover.h"
#include "app/preview_geometry_wx.h"
#include "app/shell_wx.h"
#include "edit/drag_wx.h"
#include "edit/pages_wx.h"
#include "ui/registry_wx.h"

namespace tessaly {

namespace {

class PagesHooks : public EditHooks, private PagesHost, private DragHost {
  public:
    explicit PagesHooks(Shell& shell) : shell_(shell), pages_(*this), drag_(*this) {}

    void attach() override {
        pages_.bind();
        drag_.attach();
    }
    void resetPages() override {
        drag_.reset();
        pages_.resetPages();
    }
    void showElement(int32_t listIndex) override {
        pages_.showElement(listIndex);
        drag_.shown(listIndex);
    }
    // With several gadgets selected the nudge moves them all and writes them itself.
    bool nudge(int32_t item) override { return !drag_.nudgeSelection(item) && pages_.nudge(item); }
    void writeCode() override { pages_.writeCode(); }
    void applyEdits() override {
        pages_.applyEdits();
        drag_.refreshMarks();
    }
    void undo() override { pages_.undo(); }
    void redo() override { pages_.redo(); }
    bool revertField() override { return pages_.revertFocusedField(); }
    void codeReplaced(const std::string& before, const std::string& after) override {
        pages_.codeReplaced(before, after);
    }
    void watchPreview(wxTopLevelWindow* window) override { drag_.watch(window); }
    bool takesPreviewPresses() const override { return drag_.takesPresses(); }

  private:
    ElementList& elements() override { return shell_.elements(); }
    void replaceCodeLine(int32_t line, const std::string& text) override {
        shell_.replaceCodeLine(line, text);
    }
    void setPickerEntryText(int32_t entry, const std::string& text) override {
        shell_.setPickerEntryText(entry, text);
    }
    void highlightCodeLine(int32_t line, int32_t lines) override {
        shell_.highlightCodeLine(line, lines);
    }
    void setStatus(const std::string& text) override { shell_.setStatus(text); }
    const KeywordTable& keywords() override { return shell_.keywords(); }
    NameLookup namesAt(int32_t line) override { return shell_.namesAt(line); }
    void choosePickerEntry(int32_t entry) override { shell_.choosePickerEntry(entry); }
    void readCode(const std::string& text) override { shell_.readCode(text); }
    wxWindow* recreateControl(int32_t listIndex, const std::string& line) override {
        return shell_.recreateGadget(listIndex, line);
    }

    // DragHost.
    EditPages& pages() override { return pages_; }
    int32_t elementAt(int32_t screenX, int32_t screenY) override {
        Registry& registry = Registry::instance();
        wxTopLevelWindow* window = registry.window(shell_.previewWindow());
        if (!window) return -1;
        shell_.hoverAt(screenX, screenY);  // the status line names what is pressed
        const wxPoint p = window->ScreenToClient(wxPoint(screenX, screenY));
        const wxSize client = window->GetClientSize();
        int32_t x = p.x;
        int32_t y = p.y;
        clipToClient(x, y, client.x, client.y);
        if (x == -1 && y == -1) return -1;
        // As hover tracking finds it: the last gadget in list order that holds the point.
        VisibleRects visible(window);
        ElementList& list = shell_.elements();
        int32_t hit = -1;
        for (int32_t i = 0; i < list.count(); ++i) {
            const sElement& e = list[i];
            if (e.Gadget == 0 || e.Sort != kSortGadget) continue;
            const std::optional<Rect> r = visible.of(registry.control(e.Gadget));
            if (r && x >= r->x && x <= r->x + r->width && y >= r->y && y <= r->y + r->height) {
                hit = i;
            }
        }
        return hit;
    }
    void choose(int32_t element) override {
        ElementList& list = shell_.elements();
        if (element >= 0 && element < list.count()) shell_.choosePickerEntry(list[element].Index);
    }

    Shell& shell_;
    EditPages pages_;
    PreviewDrag drag_;
};

}  // namespace

std::unique_ptr<EditHooks> makeEditHooks(Shell& shell) {
    return std::make_unique<PagesHooks>(shell);
}

}  // namespace tessaly
