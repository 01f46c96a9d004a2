// The pages' plug-in point: the Parameters and Flags pages, the code writer and the preview
// updater, working on the shell's element list, code view and picker.
#include "app/shell_wx.h"
#include "edit/pages_wx.h"

namespace tessaly {

namespace {

class PagesHooks : public EditHooks, private PagesHost {
  public:
    explicit PagesHooks(Shell& shell) : shell_(shell), pages_(*this) {}

    void attach() override { pages_.bind(); }
    void resetPages() override { pages_.resetPages(); }
    void showElement(int32_t listIndex) override { pages_.showElement(listIndex); }
    bool nudge(int32_t item) override { return pages_.nudge(item); }
    void writeCode() override { pages_.writeCode(); }
    void applyEdits() override { pages_.applyEdits(); }
    void undo() override { pages_.undo(); }
    void redo() override { pages_.redo(); }
    void codeReplaced(const std::string& before, const std::string& after) override {
        pages_.codeReplaced(before, after);
    }

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

    Shell& shell_;
    EditPages pages_;
};

}  // namespace

std::unique_ptr<EditHooks> makeEditHooks(Shell& shell) {
    return std::make_unique<PagesHooks>(shell);
}

}  // namespace tessaly
